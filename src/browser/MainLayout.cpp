#include "MainLayout.h"

#include "Nearest.h"
#include "WindowLimits.h"

#include <algorithm>
#include <span>

namespace vastrel::browser {

namespace {

using enum LayoutControl;
using namespace metrics;

// The size switch hangs this far over the right edge.
constexpr int kSizeSwitchOverhang = 5;
// The text commands reach this far into the text pane's border.
constexpr int kIntoPaneBorder = 3;

// What the rules of one row may read: the layout quantities and the geometry as far as the
// rows before it have set it.
struct Pass
{
    int clientWidth, clientHeight, listWidth, listHeight, spareWidth, extraGap, pictureSide,
        labelHeight;
    bool maximized;
    const ControlRects& geometry;

    int left(LayoutControl c) const { return geometry[controlIndex(c)].x(); }
    int top(LayoutControl c) const { return geometry[controlIndex(c)].y(); }
    int width(LayoutControl c) const { return geometry[controlIndex(c)].width(); }
    int height(LayoutControl c) const { return geometry[controlIndex(c)].height(); }

    // The track list starts past the album list and the column between them.
    int trackListLeft() const { return kMargin + listWidth + kColumn; }
    // The lists end here, and the buttons of the middle column stack up from here.
    int listBottom() const { return kBand + listHeight; }
    // The middle column's buttons start on the album list's right border.
    int buttonColumn() const { return kMargin + listWidth - 1; }
    // The lower half's panes, as high as the lists, end at the bottom margin.
    int paneTop() const { return clientHeight - kMargin - listHeight; }
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
     .width = [](const Pass& p) { return p.listWidth; },
     .height = [](const Pass& p) { return p.listHeight; }},
    {.control = lblBrani, .left = [](const Pass& p) { return p.trackListLeft(); }},
    // Its right edge meets that of cmdSelAlbum.
    {.control = cboMostra,
     .left =
         [](const Pass& p) {
             return p.buttonColumn() + p.width(cmdSelAlbum) - p.width(cboMostra);
         }},
    {.control = lblMostra,
     .left = [](const Pass& p) { return p.left(cboMostra) - p.width(lblMostra) - kLabelGap; }},
    // A maximized window has no right border: the picture keeps 2 pixels off the edge.
    {.control = imgInfo,
     .left = [](const Pass& p) { return p.clientWidth - kImageSide - (p.maximized ? 2 : 0); }},
    {.control = lstBrani,
     .left = [](const Pass& p) { return p.left(lblBrani); },
     .width = [](const Pass& p) { return p.width(lstAlbum) + p.spareWidth; },
     .height = [](const Pass& p) { return p.height(lstAlbum); }},
    // The size switch hangs over the right edge, on the level of the lists' bottom.
    {.control = imgEC0,
     .left = [](const Pass& p) { return p.clientWidth - kImageSide + kSizeSwitchOverhang; },
     .top = [](const Pass& p) { return p.listBottom() - (p.maximized ? 1 : 0); }},
    {.control = imgEC1,
     .left = [](const Pass& p) { return p.left(imgEC0); },
     .top = [](const Pass& p) { return p.top(imgEC0); }},
    {.control = cmdSelAlbum, .left = [](const Pass& p) { return p.buttonColumn(); }},
    {.control = cmdSuona,
     .left = [](const Pass& p) { return p.left(cmdSelAlbum); },
     .top = [](const Pass& p) { return p.top(cmdSelAlbum) + kButton + p.extraGap; }},
    // The square buttons end where cmdSuona ends, stacked up from the lists' bottom.
    {.control = cmdSelBrani,
     .left = [](const Pass& p) { return p.left(cmdSelAlbum) + kWideButton - kButton; },
     .top = [](const Pass& p) { return p.listBottom() - 3 * kButton; }},
    {.control = cmdCercaBrano,
     .left = [](const Pass& p) { return p.left(cmdSelBrani); },
     .top = [](const Pass& p) { return p.listBottom() - 2 * kButton; }},
    {.control = chkOrdinaAZ,
     .left = [](const Pass& p) { return p.left(cmdSelBrani); },
     .top = [](const Pass& p) { return p.listBottom() - kButton; }},
};

// The text commands below cmdSelTesto, the same in both layouts that show texts.
constexpr Row kCmdCopia = {.control = cmdCopia,
                           .left = [](const Pass& p) { return p.left(cmdSelTesto); },
                           .top = [](const Pass& p) { return p.top(cmdSelTesto) + kButton; }};
constexpr Row kCmdCercaTesto = {
    .control = cmdCercaTesto,
    .left = [](const Pass& p) { return p.left(cmdSelTesto); },
    .top = [](const Pass& p) { return p.top(cmdCopia) + kButton + p.extraGap; }};
constexpr Row kCmdCercaAvanti = {
    .control = cmdCercaAvanti,
    .left = [](const Pass& p) { return p.left(cmdSelTesto); },
    .top = [](const Pass& p) { return p.top(cmdCercaTesto) + kButton; }};

// Rules that more than one pane layout uses. The text pane has a border outside the band of
// the panes, one pixel on every side.
constexpr Rule kPictureTop = [](const Pass& p) { return p.paneTop(); };
constexpr Rule kPictureLabelTop = [](const Pass& p) {
    return p.top(imgCopertina) - p.labelHeight - kCaptionGap;
};
constexpr Rule kTextLabelTop = [](const Pass& p) {
    return p.paneTop() - p.labelHeight - kCaptionGap;
};
constexpr Rule kTextTop = [](const Pass& p) { return p.paneTop() - 1; };
constexpr Rule kTextHeight = [](const Pass& p) { return p.height(lstAlbum) + 2; };
constexpr Rule kTextCommandsTop = [](const Pass& p) { return p.top(txtBrani) + 1; };
// The pane button ends at the bottom margin.
constexpr Rule kPaneButtonTop = [](const Pass& p) { return p.clientHeight - kMargin - kButton; };

// Full mode, pane mode 0 or 2: pictures on the left, texts on the right.
constexpr Row kTextsAndPictures[] = {
    {.control = imgCopertina,
     .top = kPictureTop,
     .width = [](const Pass& p) { return p.pictureSide; },
     .height = [](const Pass& p) { return p.pictureSide; }},
    {.control = lblJPEG, .top = kPictureLabelTop},
    {.control = lstJPEG,
     .left = [](const Pass& p) { return p.left(imgCopertina) + p.pictureSide; },
     .top = [](const Pass& p) { return p.top(imgCopertina); },
     .width = [](const Pass& p) { return p.listWidth - p.pictureSide; },
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
     .top = kTextCommandsTop},
    kCmdCopia,
    kCmdCercaTesto,
    kCmdCercaAvanti,
    {.control = cmdCopertina,
     .left = [](const Pass& p) { return p.left(cmdSelAlbum); },
     .top = kPaneButtonTop},
};

// Full mode, pane mode 1: the text pane under both lists and the column between them.
constexpr Row kTextsOnly[] = {
    {.control = txtBrani,
     .left = [](const Pass&) { return kMargin + kColumn; },
     .top = kTextTop,
     .width = [](const Pass& p) { return 2 * p.listWidth + p.spareWidth + 1; },
     .height = kTextHeight},
    {.control = lblRTF,
     .left = [](const Pass& p) { return p.left(txtBrani) + 1; },
     .top = kTextLabelTop},
    {.control = cmdSelTesto,
     .left = [](const Pass& p) { return p.left(txtBrani) + kIntoPaneBorder - kButton; },
     .top = kTextCommandsTop},
    kCmdCopia,
    kCmdCercaTesto,
    kCmdCercaAvanti,
    {.control = cmdCopertina, .left = [](const Pass&) { return kMargin; }, .top = kPaneButtonTop},
};

// Full mode, pane mode 3: a picture twice as wide as high beside the picture list; the pane
// button stands one pixel over the list's right edge and ends at the right margin.
constexpr Row kPicturesOnly[] = {
    {.control = imgCopertina,
     .top = kPictureTop,
     .width = [](const Pass& p) { return 2 * p.pictureSide; },
     .height = [](const Pass& p) { return p.pictureSide; }},
    {.control = lblJPEG, .top = kPictureLabelTop},
    {.control = lstJPEG,
     .left = [](const Pass& p) { return p.left(imgCopertina) + p.width(imgCopertina); },
     .top = [](const Pass& p) { return p.top(imgCopertina); },
     .width =
         [](const Pass& p) {
             return p.clientWidth - kMargin - kWideButton + 1 - p.left(imgCopertina) -
                    p.width(imgCopertina);
         },
     .height = [](const Pass& p) { return p.height(lstAlbum); }},
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
    out.listWidth = nearestHalf(in.client.width() - kAcross);
    out.spareWidth = in.outer.width() - 2 * (out.borderWidth + out.listWidth) - kAcross;
    out.listHeight =
        in.halfMode ? in.client.height() - kDownHalf : nearestHalf(in.client.height() - kDownFull);
    out.extraGap = nearestHalf(out.listHeight - kMinListHeight);
    out.pictureSide = std::min(out.listWidth - kMinPictureListWidth, out.listHeight);
}

} // namespace

bool MainLayout::shows(LayoutControl control, SizeMode sizeMode, PaneMode paneMode)
{
    for (const VisibilityRow& row : kLowerVisibility) {
        if (std::find(row.controls.begin(), row.controls.end(), control) != row.controls.end())
            return shownIn(row, sizeMode == SizeMode::Half, paneOf(paneMode));
    }
    return true;
}

LayoutResult MainLayout::compute(const LayoutInput& in)
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

    const Pass pass{in.client.width(), in.client.height(), out.listWidth,   out.listHeight,
                    out.spareWidth,    out.extraGap,       out.pictureSide, in.labelHeight,
                    in.maximized,      out.geometry};
    place(kUpperHalf, pass, out.geometry);
    // Half mode leaves the hidden lower half where it was.
    if (!in.halfMode)
        place(lowerHalf(pane), pass, out.geometry);
    return out;
}

} // namespace vastrel::browser
