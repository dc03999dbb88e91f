#include "MainLayout.h"

#include "Nearest.h"
#include "WindowLimits.h"

#include <algorithm>
#include <span>

namespace vastrel::browser {

namespace {

using enum LayoutControl;

// What the rules of one row may read: the layout quantities and the geometry as far as the
// rows before it have set it.
struct Pass
{
    int SW, SH, W, H, R, D, S, L;
    bool maximized;
    const ControlRects& geometry;

    int left(LayoutControl c) const { return geometry[controlIndex(c)].x(); }
    int top(LayoutControl c) const { return geometry[controlIndex(c)].y(); }
    int width(LayoutControl c) const { return geometry[controlIndex(c)].width(); }
    int height(LayoutControl c) const { return geometry[controlIndex(c)].height(); }
};

// A rule gives one coordinate of a control; a missing rule leaves the coordinate as it is.
using Rule = int (*)(const Pass&);

struct Row
{
    LayoutControl control;
    Rule left = nullptr;
    Rule top = nullptr;
    Rule width = nullptr;
    Rule height = nullptr;
};

// Both size modes. The order matters: rows read what the rows above them have set.
constexpr Row kUpperHalf[] = {
    {.control = lstAlbum,
     .width = [](const Pass& p) { return p.W; },
     .height = [](const Pass& p) { return p.H; }},
    {.control = lblBrani, .left = [](const Pass& p) { return p.W + 44; }},
    // Its right edge meets that of cmdSelAlbum.
    {.control = cboMostra,
     .left = [](const Pass& p) { return p.W + 7 + p.width(cmdSelAlbum) - p.width(cboMostra); }},
    {.control = lblMostra,
     .left = [](const Pass& p) { return p.left(cboMostra) - p.width(lblMostra) - 4; }},
    {.control = imgInfo, .left = [](const Pass& p) { return p.SW - (p.maximized ? 18 : 16); }},
    {.control = lstBrani,
     .left = [](const Pass& p) { return p.left(lblBrani); },
     .width = [](const Pass& p) { return p.width(lstAlbum) + p.R; },
     .height = [](const Pass& p) { return p.height(lstAlbum); }},
    {.control = imgEC0,
     .left = [](const Pass& p) { return p.SW - 11; },
     .top = [](const Pass& p) { return p.H + 24 - (p.maximized ? 1 : 0); }},
    {.control = imgEC1,
     .left = [](const Pass& p) { return p.left(imgEC0); },
     .top = [](const Pass& p) { return p.top(imgEC0); }},
    {.control = cmdSelAlbum, .left = [](const Pass& p) { return p.W + 7; }},
    {.control = cmdSuona,
     .left = [](const Pass& p) { return p.left(cmdSelAlbum); },
     .top = [](const Pass& p) { return p.top(cmdSelAlbum) + p.D + 27; }},
    {.control = cmdSelBrani,
     .left = [](const Pass& p) { return p.W + 19; },
     .top = [](const Pass& p) { return p.H - 57; }},
    {.control = cmdCercaBrano,
     .left = [](const Pass& p) { return p.left(cmdSelBrani); },
     .top = [](const Pass& p) { return p.H - 30; }},
    {.control = chkOrdinaAZ,
     .left = [](const Pass& p) { return p.left(cmdSelBrani); },
     .top = [](const Pass& p) { return p.H - 3; }},
};

// The text commands below cmdSelTesto, the same in both layouts that show texts.
constexpr Row kCmdCopia = {.control = cmdCopia,
                           .left = [](const Pass& p) { return p.left(cmdSelTesto); },
                           .top = [](const Pass& p) { return p.top(cmdSelTesto) + 27; }};
constexpr Row kCmdCercaTesto = {.control = cmdCercaTesto,
                                .left = [](const Pass& p) { return p.left(cmdSelTesto); },
                                .top = [](const Pass& p) { return p.top(cmdCopia) + p.D + 27; }};
constexpr Row kCmdCercaAvanti = {.control = cmdCercaAvanti,
                                 .left = [](const Pass& p) { return p.left(cmdSelTesto); },
                                 .top = [](const Pass& p) { return p.top(cmdCercaTesto) + 27; }};

// Rules that more than one pane layout uses.
constexpr Rule kPictureTop = [](const Pass& p) { return p.SH - (p.H + 8); };
constexpr Rule kPictureLabelTop = [](const Pass& p) { return p.top(imgCopertina) - (p.L + 3); };
constexpr Rule kTextLabelTop = [](const Pass& p) { return p.SH - (p.L + p.H + 11); };
constexpr Rule kTextTop = [](const Pass& p) { return p.SH - (p.H + 9); };
constexpr Rule kTextHeight = [](const Pass& p) { return p.height(lstAlbum) + 2; };
constexpr Rule kPaneButtonTop = [](const Pass& p) { return p.SH - 35; };

// Full mode, pane mode 0 or 2: pictures on the left, texts on the right.
constexpr Row kTextsAndPictures[] = {
    {.control = imgCopertina,
     .top = kPictureTop,
     .width = [](const Pass& p) { return p.S; },
     .height = [](const Pass& p) { return p.S; }},
    {.control = lblJPEG, .top = kPictureLabelTop},
    {.control = lstJPEG,
     .left = [](const Pass& p) { return p.S + 8; },
     .top = [](const Pass& p) { return p.top(imgCopertina); },
     .width = [](const Pass& p) { return p.W - p.S; },
     .height = [](const Pass& p) { return p.height(lstAlbum); }},
    {.control = lblRTF,
     .left = [](const Pass& p) { return p.left(lblBrani); },
     .top = kTextLabelTop},
    {.control = txtBrani,
     .left = [](const Pass& p) { return p.left(lblBrani) - 1; },
     .top = kTextTop,
     .width = [](const Pass& p) { return p.width(lstBrani) + 2; },
     .height = kTextHeight},
    {.control = cmdSelTesto,
     .left = [](const Pass& p) { return p.left(chkOrdinaAZ); },
     .top = [](const Pass& p) { return p.top(txtBrani) + 1; }},
    kCmdCopia,
    kCmdCercaTesto,
    kCmdCercaAvanti,
    {.control = cmdCopertina,
     .left = [](const Pass& p) { return p.left(cmdSelAlbum); },
     .top = kPaneButtonTop},
};

// Full mode, pane mode 1: the text pane under both lists.
constexpr Row kTextsOnly[] = {
    {.control = lblRTF,
     .left = [](const Pass& p) { return p.left(lblAlbum) + 37; },
     .top = kTextLabelTop},
    {.control = txtBrani,
     .left = [](const Pass&) { return 44; },
     .top = kTextTop,
     .width = [](const Pass& p) { return 2 * p.W + 1 + p.R; },
     .height = kTextHeight},
    {.control = cmdSelTesto,
     .left = [](const Pass& p) { return p.left(lstAlbum) + 12; },
     .top = [](const Pass& p) { return p.top(txtBrani) + 1; }},
    kCmdCopia,
    kCmdCercaTesto,
    kCmdCercaAvanti,
    {.control = cmdCopertina,
     .left = [](const Pass& p) { return p.left(lstAlbum); },
     .top = kPaneButtonTop},
};

// Full mode, pane mode 3: a picture twice as wide as high beside the picture list.
constexpr Row kPicturesOnly[] = {
    {.control = imgCopertina,
     .top = kPictureTop,
     .width = [](const Pass& p) { return 2 * p.S; },
     .height = [](const Pass& p) { return p.S; }},
    {.control = lblJPEG, .top = kPictureLabelTop},
    {.control = lstJPEG,
     .left = [](const Pass& p) { return p.left(imgCopertina) + 2 * p.S; },
     .top = [](const Pass& p) { return p.top(imgCopertina); },
     .width = [](const Pass& p) { return p.SW - 2 * (p.S + 27); },
     .height = [](const Pass& p) { return p.height(lstAlbum); }},
    // On purpose one pixel over the list's right edge.
    {.control = cmdCopertina,
     .left = [](const Pass& p) { return p.left(lstJPEG) + p.width(lstJPEG) - 1; },
     .top = kPaneButtonTop},
};

enum class Pane
{
    TextsAndPictures,
    TextsOnly,
    PicturesOnly
};

Pane paneOf(PaneMode paneMode)
{
    switch (paneMode) {
    case PaneMode::TextsOnly:
        return Pane::TextsOnly;
    case PaneMode::PicturesOnly:
        return Pane::PicturesOnly;
    case PaneMode::Both:
    case PaneMode::BothAgain:
        break;
    }
    return Pane::TextsAndPictures;
}

std::span<const Row> lowerHalf(Pane pane)
{
    switch (pane) {
    case Pane::TextsOnly:
        return kTextsOnly;
    case Pane::PicturesOnly:
        return kPicturesOnly;
    case Pane::TextsAndPictures:
        break;
    }
    return kTextsAndPictures;
}

constexpr LayoutControl kPictureControls[] = {lblJPEG, lstJPEG, imgCopertina};
constexpr LayoutControl kTextControls[] = {lblRTF,   txtBrani,      cmdSelTesto,
                                           cmdCopia, cmdCercaTesto, cmdCercaAvanti};
constexpr LayoutControl kPaneButton[] = {cmdCopertina};

// The lower half's visibility in full mode; half mode hides all of it.
struct VisibilityRow
{
    std::span<const LayoutControl> controls;
    bool textsAndPictures, textsOnly, picturesOnly;
};

constexpr VisibilityRow kLowerVisibility[] = {
    {kPictureControls, true, false, true},
    {kTextControls, true, true, false},
    {kPaneButton, true, true, true},
};

bool shownIn(const VisibilityRow& row, bool halfMode, Pane pane)
{
    if (halfMode)
        return false;
    switch (pane) {
    case Pane::TextsOnly:
        return row.textsOnly;
    case Pane::PicturesOnly:
        return row.picturesOnly;
    case Pane::TextsAndPictures:
        break;
    }
    return row.textsAndPictures;
}

void setVisibility(ControlFlags& visible, bool halfMode, Pane pane)
{
    for (const VisibilityRow& row : kLowerVisibility) {
        for (LayoutControl control : row.controls)
            visible[controlIndex(control)] = shownIn(row, halfMode, pane);
    }
}

int apply(Rule rule, const Pass& pass, int unchanged)
{
    return rule ? rule(pass) : unchanged;
}

// Sizes below the minimum client area may come out negative; a control cannot be smaller
// than nothing.
void place(std::span<const Row> rows, const Pass& pass, ControlRects& geometry)
{
    for (const Row& row : rows) {
        const QRect now = geometry[controlIndex(row.control)];
        const int left = apply(row.left, pass, now.x());
        const int top = apply(row.top, pass, now.y());
        const int width = std::max(0, apply(row.width, pass, now.width()));
        const int height = std::max(0, apply(row.height, pass, now.height()));
        geometry[controlIndex(row.control)] = QRect(left, top, width, height);
    }
}

// The frame and the module-wide limits come first and are kept up to date even while the
// window is minimized.
void measure(const LayoutInput& in, LayoutResult& out)
{
    if (in.minimized) {
        out.borderWidth = in.previousBorderWidth;
        out.captionHeight = in.previousCaptionHeight;
    } else {
        out.borderWidth = nearestHalf(in.outer.width() - in.client.width());
        out.captionHeight = in.outer.height() - in.client.height() - out.borderWidth;
    }
    out.maxWindowWidth = 2 * (in.screen.width() + out.borderWidth);
    out.maxWindowHeight = 2 * in.screen.height() + out.captionHeight + out.borderWidth;
    out.minWindowWidth = 2 * out.borderWidth + WindowLimits::kMinClientWidth;
}

void computeQuantities(const LayoutInput& in, LayoutResult& out)
{
    const int SW = in.client.width();
    const int SH = in.client.height();
    out.W = nearestHalf(SW - 52);
    out.R = in.outer.width() - 2 * (out.borderWidth + out.W + 26);
    out.H = in.halfMode ? SH - 32 : nearestHalf(SH - 56);
    out.D = nearestHalf(out.H - 135);
    out.S = std::min(out.W - 105, out.H);
}

} // namespace

LayoutResult MainLayout::Form_Resize(const LayoutInput& in)
{
    LayoutResult out;
    out.geometry = in.current;
    out.visible = in.visible;
    measure(in, out);
    if (in.minimized)
        return out;

    out.laidOut = true;
    computeQuantities(in, out);
    const Pane pane = paneOf(in.paneMode);
    setVisibility(out.visible, in.halfMode, pane);

    const Pass pass{in.client.width(), in.client.height(), out.W,       out.H, out.R, out.D, out.S,
                    in.labelHeight,    in.maximized,       out.geometry};
    place(kUpperHalf, pass, out.geometry);
    // Half mode leaves the hidden lower half where it was.
    if (!in.halfMode)
        place(lowerHalf(pane), pass, out.geometry);
    return out;
}

} // namespace vastrel::browser
