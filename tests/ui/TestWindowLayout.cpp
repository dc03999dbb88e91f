// The layout, the size switch and the size limits as the real main window applies them.

#include "ui/ImageControl.h"
#include "ui/TextPane.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using vastrel::ui::frmVL;

namespace {

// Where a control is; a label's size is its own, so only its place counts.
struct Placed
{
    const char* name;
    QRect rect;
    bool onlyPosition = false;
};

const char* const kLowerHalf[] = {"lblJPEG",        "lstJPEG",     "imgCopertina", "lblRTF",
                                  "txtBrani",       "cmdSelTesto", "cmdCopia",     "cmdCercaTesto",
                                  "cmdCercaAvanti", "cmdCopertina"};

// The upper half at the designed width 532 with list height 135, the same in both modes.
QList<Placed> upperHalf(int L)
{
    return {{"lstAlbum", {8, 24, 240, 135}},       {"lstBrani", {284, 24, 240, 135}},
            {"imgInfo", {516, 1, 16, 16}},         {"imgEC0", {521, 159, 16, 16}},
            {"imgEC1", {521, 159, 16, 16}},        {"cmdSelAlbum", {247, 24, 27, 27}},
            {"cmdSuona", {247, 51, 39, 27}},       {"cmdSelBrani", {259, 78, 27, 27}},
            {"cmdCercaBrano", {259, 105, 27, 27}}, {"chkOrdinaAZ", {259, 132, 27, 27}},
            {"lblAlbum", {8, 21 - L, 0, 0}, true}, {"lblBrani", {284, 21 - L, 0, 0}, true}};
}

// The lower half at the designed client size 532 x 326, by pane mode; L is the label height.
QList<Placed> lowerHalf(int pane, int L)
{
    switch (pane) {
    case 1:
        return {{"lblRTF", {45, 180 - L, 0, 0}, true}, {"txtBrani", {44, 182, 481, 137}},
                {"cmdSelTesto", {20, 183, 27, 27}},    {"cmdCopia", {20, 210, 27, 27}},
                {"cmdCercaTesto", {20, 237, 27, 27}},  {"cmdCercaAvanti", {20, 264, 27, 27}},
                {"cmdCopertina", {8, 291, 39, 27}}};
    case 3:
        return {{"imgCopertina", {8, 183, 270, 135}},
                {"lblJPEG", {8, 180 - L, 0, 0}, true},
                {"lstJPEG", {278, 183, 208, 135}},
                {"cmdCopertina", {485, 291, 39, 27}}};
    default:
        return {{"imgCopertina", {8, 183, 135, 135}},   {"lblJPEG", {8, 180 - L, 0, 0}, true},
                {"lstJPEG", {143, 183, 105, 135}},      {"lblRTF", {284, 180 - L, 0, 0}, true},
                {"txtBrani", {283, 182, 242, 137}},     {"cmdSelTesto", {259, 183, 27, 27}},
                {"cmdCopia", {259, 210, 27, 27}},       {"cmdCercaTesto", {259, 237, 27, 27}},
                {"cmdCercaAvanti", {259, 264, 27, 27}}, {"cmdCopertina", {247, 291, 39, 27}}};
    }
}

QStringList shownLowerHalf(int pane, bool half)
{
    if (half)
        return {};
    QStringList names;
    for (const Placed& p : lowerHalf(pane, 0))
        names.append(p.name);
    return names;
}

QString misplaced(const frmVL& window, const QList<Placed>& expected)
{
    QString out;
    for (const Placed& p : expected) {
        const auto* w = window.findChild<QWidget*>(p.name);
        const QRect actual = w->geometry();
        if (p.onlyPosition ? actual.topLeft() != p.rect.topLeft() : actual != p.rect) {
            out += QStringLiteral("%1 at %2,%3 %4x%5; ")
                       .arg(p.name)
                       .arg(actual.x())
                       .arg(actual.y())
                       .arg(actual.width())
                       .arg(actual.height());
        }
    }
    return out;
}

struct Window : MainWindowFixture
{
    explicit Window(const Collection& c) : MainWindowFixture(c)
    {
        window().selectShowFilter(2);
        window().Form_Activate();
    }
    QSize client() { return window().size(); }
    int listHeight() { return ui().lstAlbum->height(); }
    bool half() { return ui().imgEC[1]->isVisible(); }
    void clickSizeSwitch() { QTest::mouseClick(ui().imgEC[half() ? 1 : 0], Qt::LeftButton); }
    void setPaneMode(int pane)
    {
        while (state.paneMode != pane)
            QTest::mouseClick(ui().cmdCopertina, Qt::LeftButton);
    }
};

void someAlbums(Collection& c)
{
    c.album("[1979] Uno").text("01 - A.txt").track("01 - A.mp3");
    c.picture("a.jpg", "x");
    c.album("[1983] Due").text("01 - B.txt");
}

} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The designed client size 532 x 326 in every pane mode, and the half-mode minimum.
    void designedSize_data()
    {
        QTest::addColumn<int>("pane");
        QTest::addColumn<bool>("half");
        QTest::newRow("texts and pictures (0)") << 0 << false;
        QTest::newRow("texts only (1)") << 1 << false;
        QTest::newRow("texts and pictures (2)") << 2 << false;
        QTest::newRow("pictures only (3)") << 3 << false;
        QTest::newRow("half mode") << 0 << true;
        QTest::newRow("half mode, pictures only") << 3 << true;
    }

    void designedSize()
    {
        QFETCH(int, pane);
        QFETCH(bool, half);
        Collection c;
        someAlbums(c);
        Window w(c);
        w.window().resize(532, 326);
        w.setPaneMode(pane);
        if (half)
            w.clickSizeSwitch();
        QCOMPARE(w.client(), QSize(532, half ? 167 : 326));
        const int L = w.ui().lblMostra->height();
        QList<Placed> expected = upperHalf(L);
        if (!half)
            expected += lowerHalf(pane, L);
        const QString wrong = misplaced(w.window(), expected);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        // The show filter sits right-aligned with the select-all button, its label before it.
        const QRect combo = w.ui().cboMostra->geometry();
        QCOMPARE(combo.right(), w.ui().cmdSelAlbum->geometry().right());
        QCOMPARE(w.ui().lblMostra->geometry().right() + 1, combo.left() - 4);
        const QStringList shown = shownLowerHalf(pane, half);
        for (const char* name : kLowerHalf) {
            QCOMPARE(w.window().findChild<QWidget*>(name)->isVisible(),
                     shown.contains(QLatin1String(name)));
        }
        QCOMPARE(w.ui().imgEC[0]->isVisible(), !half);
        QCOMPARE(w.ui().imgEC[1]->isVisible(), half);
    }

    // The two list widths share the client width; the track list takes the odd pixel.
    void theListsShareTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("tracksLeft");
        QTest::addColumn<int>("tracksWidth");
        QTest::newRow("532") << 532 << 240 << 284 << 240;
        QTest::newRow("533") << 533 << 240 << 284 << 241;
        QTest::newRow("535") << 535 << 242 << 286 << 241;
        QTest::newRow("1000") << 1000 << 474 << 518 << 474;
    }

    void theListsShareTheWidth()
    {
        QFETCH(int, width);
        QFETCH(int, W);
        QFETCH(int, tracksLeft);
        QFETCH(int, tracksWidth);
        Collection c;
        Window w(c);
        w.window().resize(width, 400);
        QCOMPARE(w.ui().lstAlbum->width(), W);
        QCOMPARE(w.ui().lstBrani->geometry(), QRect(tracksLeft, 24, tracksWidth, 172));
        QCOMPARE(w.ui().txtBrani->geometry().right() + 1, width - 7);
        QCOMPARE(w.ui().imgEC[0]->x(), width - 11);
        QCOMPARE(w.ui().imgInfo->x(), width - 16);
    }

    // Neither the user nor the program can make the window smaller than the layout needs or
    // larger than twice the screen; the least height depends on the size mode.
    void sizesOutsideTheLimitsAreRefused_data()
    {
        QTest::addColumn<bool>("half");
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("got");
        QTest::newRow("full, too small") << false << QSize(300, 100) << QSize(532, 326);
        QTest::newRow("full, one pixel narrow") << false << QSize(531, 400) << QSize(532, 400);
        QTest::newRow("full, one pixel low") << false << QSize(700, 325) << QSize(700, 326);
        QTest::newRow("full, at the minimum") << false << QSize(532, 326) << QSize(532, 326);
        QTest::newRow("half, too small") << true << QSize(300, 100) << QSize(532, 167);
        QTest::newRow("half, one pixel low") << true << QSize(700, 166) << QSize(700, 167);
        QTest::newRow("half, lower than full") << true << QSize(700, 200) << QSize(700, 200);
        // Twice the 1024 x 768 screen, less nothing: the frame is outside the limit.
        QTest::newRow("too large") << false << QSize(5000, 5000) << QSize(2048, 1536);
        QTest::newRow("half, too large") << true << QSize(5000, 5000) << QSize(2048, 1536);
    }

    void sizesOutsideTheLimitsAreRefused()
    {
        QFETCH(bool, half);
        QFETCH(QSize, asked);
        QFETCH(QSize, got);
        Collection c;
        Window w(c);
        if (half)
            w.clickSizeSwitch();
        QCOMPARE(w.half(), half);
        w.window().resize(asked);
        QCOMPARE(w.client(), got);
        QCOMPARE(w.window().minimumSize(), QSize(532, half ? 167 : 326));
    }

    // Halving a window at the full-mode minimum needs the half-mode minimum at once, and
    // doubling needs the full-mode one back.
    void theMinimumFollowsTheSizeMode()
    {
        Collection c;
        someAlbums(c);
        Window w(c);
        w.window().resize(532, 326);
        w.clickSizeSwitch();
        QVERIFY(w.half());
        QCOMPARE(w.window().minimumHeight(), 167);
        QCOMPARE(w.client(), QSize(532, 167));
        QCOMPARE(w.listHeight(), 135);
        w.clickSizeSwitch();
        QVERIFY(!w.half());
        QCOMPARE(w.window().minimumHeight(), 326);
        QCOMPARE(w.client(), QSize(532, 326));
        QCOMPARE(w.listHeight(), 135);
    }

    // Both directions keep the list height: SH and (SH + 8) / 2 give the same H.
    void theSizeSwitchKeepsTheListHeight_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("halved");
        QTest::addColumn<int>("doubled");
        QTest::addColumn<int>("H");
        QTest::newRow("326") << 326 << 167 << 326 << 135;
        QTest::newRow("327") << 327 << 168 << 328 << 136;
        QTest::newRow("329") << 329 << 168 << 328 << 136;
        QTest::newRow("331") << 331 << 170 << 332 << 138;
        QTest::newRow("400") << 400 << 204 << 400 << 172;
        QTest::newRow("401") << 401 << 204 << 400 << 172;
        QTest::newRow("700") << 700 << 354 << 700 << 322;
    }

    void theSizeSwitchKeepsTheListHeight()
    {
        QFETCH(int, height);
        QFETCH(int, halved);
        QFETCH(int, doubled);
        QFETCH(int, H);
        Collection c;
        someAlbums(c);
        Window w(c);
        w.window().resize(640, height);
        QCOMPARE(w.listHeight(), H);
        w.clickSizeSwitch();
        QCOMPARE(w.client(), QSize(640, halved));
        QCOMPARE(w.listHeight(), H);
        QCOMPARE(w.ui().lstBrani->height(), H);
        QCOMPARE(w.ui().imgEC[1]->pos(), QPoint(629, H + 24));
        QCOMPARE(w.window().mousePointer(), int(frmVL::Default));
        w.clickSizeSwitch();
        QCOMPARE(w.client(), QSize(640, doubled));
        QCOMPARE(w.listHeight(), H);
        QCOMPARE(w.ui().imgEC[0]->pos(), QPoint(629, H + 24));
        QCOMPARE(w.window().mousePointer(), int(frmVL::Default));
    }

    // In half mode the lower half is hidden and left where it was.
    void halfModeHidesTheLowerHalf()
    {
        Collection c;
        someAlbums(c);
        Window w(c);
        clickCheckBox(w.ui().lstAlbum, 0);
        w.window().resize(600, 420);
        QMap<QString, QRect> before;
        for (const char* name : kLowerHalf)
            before[name] = w.window().findChild<QWidget*>(name)->geometry();
        w.clickSizeSwitch();
        for (const char* name : kLowerHalf) {
            const auto* control = w.window().findChild<QWidget*>(name);
            QVERIFY2(!control->isVisible(), name);
            QCOMPARE(control->geometry(), before[name]);
        }
        for (const QWidget* upper :
             {static_cast<QWidget*>(w.ui().lstAlbum), static_cast<QWidget*>(w.ui().lstBrani),
              static_cast<QWidget*>(w.ui().cmdSuona)})
            QVERIFY(upper->isVisible());
        // Nothing below the lists: the window ends 8 pixels under them.
        QCOMPARE(w.ui().lstAlbum->geometry().bottom() + 1 + 8, w.client().height());
    }

    // A maximized window keeps its size; the size-switch image and the About picture sit a
    // little further in than in a restored window.
    void theSizeSwitchOfAMaximizedWindow()
    {
        Collection c;
        someAlbums(c);
        Window w(c);
        w.window().showMaximized();
        QTRY_VERIFY(w.window().isMaximized());
        const QSize size = w.client();
        const int SW = size.width(), SH = size.height();
        w.clickSizeSwitch();
        QVERIFY(w.half());
        QCOMPARE(w.client(), size);
        QCOMPARE(w.listHeight(), SH - 32);
        QCOMPARE(w.ui().imgInfo->x(), SW - 18);
        QCOMPARE(w.ui().imgEC[1]->pos(), QPoint(SW - 11, SH - 32 + 23));
        QVERIFY(!w.ui().txtBrani->isVisible());
        w.clickSizeSwitch();
        QVERIFY(!w.half());
        QCOMPARE(w.client(), size);
        const int H = qRound((SH - 56) / 2.0);
        QVERIFY(qAbs(w.listHeight() - H) <= 1);
        QVERIFY(w.ui().txtBrani->isVisible());
        QCOMPARE(w.window().mousePointer(), int(frmVL::Default));
    }

    // Insert in the text pane halves the window.
    void insertInTheTextPaneHalvesTheWindow()
    {
        Collection c;
        someAlbums(c);
        Window w(c);
        w.window().resize(600, 400);
        w.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window()));
        w.ui().txtBrani->setFocus();
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && w.ui().txtBrani->isAncestorOf(focus));
        QTest::keyClick(focus, Qt::Key_Insert);
        QVERIFY(w.half());
        QCOMPARE(w.client(), QSize(600, 204));
    }
};

QTEST_MAIN(TestWindowLayout)
#include "TestWindowLayout.moc"
