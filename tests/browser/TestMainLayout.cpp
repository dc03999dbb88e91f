#include "browser/MainLayout.h"

#include <QTest>
#include <vector>

using namespace vastrel::browser;
using enum LayoutControl;

Q_DECLARE_METATYPE(vastrel::browser::LayoutControl)

namespace {

struct Placed
{
    LayoutControl control;
    QRect rect;
};

// Every control at the designed client size 532 x 326, full mode, texts and pictures, worked
// out by hand from the layout rules. lblAlbum, lblBrani, lblMostra, cboMostra, imgInfo and the
// fixed sizes are as the load handler leaves them. Label widths are the window's choice; the
// layout never sets them: lblAlbum is 90 wide because at the minimum width lblMostra starts at
// 100, and lblBrani, lblRTF and lblJPEG have over 200 pixels.
const std::vector<Placed> kDesigned = {
    {lstAlbum, {8, 24, 240, 135}},        {lblAlbum, {8, 4, 90, 17}},
    {lblBrani, {284, 4, 150, 17}},        {cboMostra, {154, 2, 120, 23}},
    {lblMostra, {100, 4, 50, 17}},        {imgInfo, {516, 1, 16, 16}},
    {lstBrani, {284, 24, 240, 135}},      {imgEC0, {521, 159, 16, 16}},
    {imgEC1, {521, 159, 16, 16}},         {cmdSelAlbum, {247, 24, 27, 27}},
    {cmdSuona, {247, 51, 39, 27}},        {cmdSelBrani, {259, 78, 27, 27}},
    {cmdCercaBrano, {259, 105, 27, 27}},  {chkOrdinaAZ, {259, 132, 27, 27}},
    {imgCopertina, {8, 183, 135, 135}},   {lblJPEG, {8, 163, 150, 17}},
    {lstJPEG, {143, 183, 105, 135}},      {lblRTF, {284, 163, 150, 17}},
    {txtBrani, {283, 182, 242, 137}},     {cmdSelTesto, {259, 183, 27, 27}},
    {cmdCopia, {259, 210, 27, 27}},       {cmdCercaTesto, {259, 237, 27, 27}},
    {cmdCercaAvanti, {259, 264, 27, 27}}, {cmdCopertina, {247, 291, 39, 27}},
};

// The same at 800 x 600: W = 374, H = 272, D = 68, S = 269 (the picture side follows the width).
const std::vector<Placed> kLarge = {
    {lstAlbum, {8, 24, 374, 272}},        {lblAlbum, {8, 4, 90, 17}},
    {lblBrani, {418, 4, 150, 17}},        {cboMostra, {288, 2, 120, 23}},
    {lblMostra, {234, 4, 50, 17}},        {imgInfo, {784, 1, 16, 16}},
    {lstBrani, {418, 24, 374, 272}},      {imgEC0, {789, 296, 16, 16}},
    {imgEC1, {789, 296, 16, 16}},         {cmdSelAlbum, {381, 24, 27, 27}},
    {cmdSuona, {381, 119, 39, 27}},       {cmdSelBrani, {393, 215, 27, 27}},
    {cmdCercaBrano, {393, 242, 27, 27}},  {chkOrdinaAZ, {393, 269, 27, 27}},
    {imgCopertina, {8, 320, 269, 269}},   {lblJPEG, {8, 300, 150, 17}},
    {lstJPEG, {277, 320, 105, 272}},      {lblRTF, {418, 300, 150, 17}},
    {txtBrani, {417, 319, 376, 274}},     {cmdSelTesto, {393, 320, 27, 27}},
    {cmdCopia, {393, 347, 27, 27}},       {cmdCercaTesto, {393, 442, 27, 27}},
    {cmdCercaAvanti, {393, 469, 27, 27}}, {cmdCopertina, {381, 565, 39, 27}},
};

ControlRects rects(const std::vector<Placed>& placed)
{
    ControlRects all{};
    for (const Placed& p : placed)
        all[controlIndex(p.control)] = p.rect;
    return all;
}

const QSize kFrame(8, 27); // border width 4, caption height 23

LayoutInput input(QSize client, bool half = false, int pane = 0, bool maximized = false)
{
    LayoutInput in;
    in.client = client;
    in.outer = client + kFrame;
    in.screen = QSize(1024, 768);
    in.halfMode = half;
    in.paneMode = PaneMode(pane);
    in.maximized = maximized;
    in.labelHeight = 17;
    in.current = rects(kDesigned);
    in.visible.fill(true);
    in.visible[controlIndex(half ? imgEC0 : imgEC1)] = false;
    return in;
}

QString describe(QRect r)
{
    return QString("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString differences(const ControlRects& actual, const ControlRects& expected)
{
    QString text;
    for (std::size_t i = 0; i < kLayoutControlCount; ++i) {
        if (actual[i] != expected[i])
            text +=
                QString("%1: %2 instead of %3; ")
                    .arg(controlName(LayoutControl(i)), describe(actual[i]), describe(expected[i]));
    }
    return text;
}

// Pairs of visible controls that the layout overlaps on purpose, by a strip exactly this many
// pixels thick. They are the borders of the lists meeting the controls beside them.
struct Overlap
{
    LayoutControl a, b;
    int thickness;
    bool maximizedOnly;
};

const Overlap kOverlaps[] = {
    // cboMostra ends at 25, the lists and cmdSelAlbum start at 24.
    {lstAlbum, cboMostra, 1, false},
    {cboMostra, cmdSelAlbum, 1, false},
    // The middle column starts at W + 7, the album list ends at W + 8.
    {lstAlbum, cmdSelAlbum, 1, false},
    {lstAlbum, cmdSuona, 1, false},
    // cmdSuona (from W + 7, 39 wide) and the 27-wide buttons from W + 19 end at W + 46; the
    // track list starts at W + 44.
    {lstBrani, cmdSuona, 2, false},
    {lstBrani, cmdSelBrani, 2, false},
    {lstBrani, cmdCercaBrano, 2, false},
    {lstBrani, chkOrdinaAZ, 2, false},
    // The text commands end 3 pixels inside the text pane: W + 46 against W + 43, or 47
    // against 44 in pane mode 1.
    {txtBrani, cmdSelTesto, 3, false},
    {txtBrani, cmdCopia, 3, false},
    {txtBrani, cmdCercaTesto, 3, false},
    {txtBrani, cmdCercaAvanti, 3, false},
    {txtBrani, cmdCopertina, 3, false},
    // Pane mode 0: cmdCopertina from W + 7, the picture list ends at W + 8; pane mode 3: the
    // rule puts it one pixel over the list's right edge.
    {lstJPEG, cmdCopertina, 1, false},
    // Maximized, the size-switch image moves up onto the track list's last row (3 x 1 pixels).
    {lstBrani, imgEC0, 1, true},
    {lstBrani, imgEC1, 1, true},
};

const Overlap* designedOverlap(LayoutControl a, LayoutControl b)
{
    for (const Overlap& o : kOverlaps) {
        if ((o.a == a && o.b == b) || (o.a == b && o.b == a))
            return &o;
    }
    return nullptr;
}

bool isSizeSwitch(LayoutControl c)
{
    return c == imgEC0 || c == imgEC1;
}

// What is wrong with one laid-out window, or empty.
QString faults(const LayoutInput& in, const LayoutResult& out)
{
    const QRect client(QPoint(0, 0), in.client);
    QString text;
    for (std::size_t i = 0; i < kLayoutControlCount; ++i) {
        const auto c = LayoutControl(i);
        const QRect r = out.geometry[i];
        if (!out.visible[i])
            continue;
        if (r.width() < 0 || r.height() < 0)
            text += QString("%1 has a negative size; ").arg(controlName(c));
        // The size-switch image overhangs the client area on purpose.
        if (!client.contains(r) && !isSizeSwitch(c))
            text += QString("%1 leaves the client area; ").arg(controlName(c));
        for (std::size_t j = i + 1; j < kLayoutControlCount; ++j) {
            const QRect both = r.intersected(out.geometry[j]);
            if (!out.visible[j] || both.isEmpty())
                continue;
            const Overlap* o = designedOverlap(c, LayoutControl(j));
            const int thickness = std::min(both.width(), both.height());
            if (!o || thickness != o->thickness || (o->maximizedOnly && !in.maximized))
                text += QString("%1 and %2 overlap by %3; ")
                            .arg(controlName(c), controlName(LayoutControl(j)), describe(both));
        }
    }
    return text;
}

// Every pixel width and height near the minimum, where the halvings change parity, then
// coarser steps up to large windows.
std::vector<int> sweepOf(int minimum)
{
    std::vector<int> values;
    for (int v = minimum; v < minimum + 70; ++v)
        values.push_back(v);
    for (int v = minimum + 70; v < 2000; v += 37)
        values.push_back(v);
    return values;
}

} // namespace

class TestMainLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    // Each table is worked out by hand; the window starts from the other one, so a rule that
    // read a stale value instead of an earlier row's result would show.
    void wholeLayout_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("pane");
        QTest::newRow("designed size") << QSize(532, 326) << 0;
        QTest::newRow("800 x 600") << QSize(800, 600) << 0;
        QTest::newRow("pane mode 2 is pane mode 0") << QSize(800, 600) << 2;
    }

    void wholeLayout()
    {
        QFETCH(QSize, client);
        QFETCH(int, pane);
        const bool designed = client == QSize(532, 326);
        LayoutInput in = input(client, false, pane);
        in.current = rects(designed ? kLarge : kDesigned);
        const LayoutResult out = MainLayout::compute(in);
        const QString diff = differences(out.geometry, rects(designed ? kDesigned : kLarge));
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QVERIFY(out.laidOut);
    }

    void visibility_data()
    {
        QTest::addColumn<bool>("half");
        QTest::addColumn<int>("pane");
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<bool>("texts");
        QTest::addColumn<bool>("paneButton");

        QTest::newRow("texts and pictures") << false << 0 << true << true << true;
        QTest::newRow("texts only") << false << 1 << false << true << true;
        QTest::newRow("texts and pictures again") << false << 2 << true << true << true;
        QTest::newRow("pictures only") << false << 3 << true << false << true;
        QTest::newRow("half mode") << true << 0 << false << false << false;
        QTest::newRow("half mode, texts only") << true << 1 << false << false << false;
        QTest::newRow("half mode, pictures only") << true << 3 << false << false << false;
    }

    void visibility()
    {
        QFETCH(bool, half);
        QFETCH(int, pane);
        QFETCH(bool, pictures);
        QFETCH(bool, texts);
        QFETCH(bool, paneButton);
        // From everything shown and from everything hidden, so that both directions count.
        for (bool before : {true, false}) {
            LayoutInput in = input(QSize(600, half ? 200 : 400), half, pane);
            in.visible.fill(before);
            in.visible[controlIndex(lblAlbum)] = !before;
            const LayoutResult out = MainLayout::compute(in);
            for (LayoutControl c : {lblJPEG, lstJPEG, imgCopertina})
                QCOMPARE(out.visible[controlIndex(c)], pictures);
            for (LayoutControl c :
                 {lblRTF, txtBrani, cmdSelTesto, cmdCopia, cmdCercaTesto, cmdCercaAvanti})
                QCOMPARE(out.visible[controlIndex(c)], texts);
            QCOMPARE(out.visible[controlIndex(cmdCopertina)], paneButton);
            // The upper half, imgEC included, keeps whatever visibility it had.
            for (LayoutControl c : {lstAlbum, lblAlbum, imgEC0, imgEC1, cmdSuona, chkOrdinaAZ})
                QCOMPARE(out.visible[controlIndex(c)], in.visible[controlIndex(c)]);
        }
    }

    // Many window sizes from the minimum up: sizes, edges and overlaps of what is visible, and
    // the edges the layout promises.
    void sweep_data()
    {
        QTest::addColumn<bool>("half");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("full mode") << false << false;
        QTest::newRow("full mode, maximized") << false << true;
        QTest::newRow("half mode") << true << false;
        QTest::newRow("half mode, maximized") << true << true;
    }

    void sweep()
    {
        QFETCH(bool, half);
        QFETCH(bool, maximized);
        for (int w : sweepOf(532)) {
            for (int h : sweepOf(half ? 167 : 326)) {
                for (int pane : {0, 1, 2, 3}) {
                    const LayoutInput in = input(QSize(w, h), half, pane, maximized);
                    const LayoutResult out = MainLayout::compute(in);
                    const QString wrong = faults(in, out);
                    QVERIFY2(wrong.isEmpty(), qPrintable(QString("%1 x %2, pane mode %3: %4")
                                                             .arg(w)
                                                             .arg(h)
                                                             .arg(pane)
                                                             .arg(wrong)));
                    const auto& g = out.geometry;
                    QCOMPARE(g[controlIndex(lstBrani)].x() + g[controlIndex(lstBrani)].width(),
                             w - 8);
                    QVERIFY(out.spareWidth >= -1 && out.spareWidth <= 1);
                    if (!half && pane != 3)
                        QCOMPARE(g[controlIndex(txtBrani)].x() + g[controlIndex(txtBrani)].width(),
                                 w - 7);
                    if (!half && pane != 1)
                        QCOMPARE(g[controlIndex(lstJPEG)].y() + g[controlIndex(lstJPEG)].height(),
                                 h - 8);
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestMainLayout)
#include "TestMainLayout.moc"
