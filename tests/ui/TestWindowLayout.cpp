// The layout, the size switch and the size limits as the real main window applies them.

#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"
#include "support/PictureFiles.h"
#include "ui/ElidingLabel.h"
#include "ui/ImageControl.h"
#include "ui/TextPane.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

using vastrel::ui::frmVL;

namespace {

const char* const kLowerHalf[] = {"lblJPEG",        "lstJPEG",     "imgCopertina", "lblRTF",
                                  "txtBrani",       "cmdSelTesto", "cmdCopia",     "cmdCercaTesto",
                                  "cmdCercaAvanti", "cmdCopertina"};

struct Window : MainWindowFixture
{
    explicit Window(const Collection& c) : MainWindowFixture(c)
    {
        window().selectShowFilter(vastrel::catalogue::ShowFilter::Everything);
        window().Form_Activate();
    }
    QSize client() { return window().size(); }
    int listHeight() { return ui().lstAlbum->height(); }
    bool half() { return ui().imgEC[1]->isVisible(); }
    void clickSizeSwitch() { QTest::mouseClick(ui().imgEC[half() ? 1 : 0], Qt::LeftButton); }
    void setPaneMode(int pane)
    {
        while (int(state().paneMode) != pane)
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
        QCOMPARE(w.session().pointer(), vastrel::browser::Pointer::Default);
        w.clickSizeSwitch();
        QCOMPARE(w.client(), QSize(640, doubled));
        QCOMPARE(w.listHeight(), H);
        QCOMPARE(w.ui().imgEC[0]->pos(), QPoint(629, H + 24));
        QCOMPARE(w.session().pointer(), vastrel::browser::Pointer::Default);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // A double click is two switches, the click and the double click on the element that the
    // first switch brought up; the last release switches nothing, wherever it lands.
    void aDoubleClickSwitchesTwice()
    {
        for (int lastRelease : {0, 1}) {
            Collection c;
            someAlbums(c);
            Window w(c);
            w.window().resize(640, 420);
            QTest::mouseClick(w.ui().imgEC[0], Qt::LeftButton);
            QTest::mouseDClick(w.ui().imgEC[1], Qt::LeftButton);
            QTest::mouseRelease(w.ui().imgEC[lastRelease], Qt::LeftButton);
            QVERIFY(!w.half());
            QCOMPARE(w.client(), QSize(640, 420));
        }
    }

    // A click on the current picture row shows the picture that pane mode 1 left unloaded.
    void clickingTheCurrentPictureRowShowsIt()
    {
        const QByteArray jpeg = PictureFiles::solid({8, 8}, PictureFiles::kRed);
        Collection c;
        c.album("[1979] Uno").text("01 - A.txt").picture("a.jpg", jpeg);
        c.album("[1983] Due").text("01 - B.txt").picture("b.jpg", jpeg);
        Window w(c);
        clickCheckBox(w.ui().lstAlbum, 0);
        w.setPaneMode(1);
        clickCheckBox(w.ui().lstAlbum, 1);
        w.setPaneMode(2);
        clickRowText(w.ui().lstJPEG, 0);
        QCOMPARE(w.session().mainView().pictureTitle, QString("[1983]  b"));
    }

    // Only a left press makes a row current; a right or middle press changes no row and no
    // picture, and on the check-box lists still records the modifiers.
    void pressesOnTheLists_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("moves");
        for (const char* list : {"lstAlbum", "lstBrani", "lstJPEG"}) {
            QTest::newRow(QByteArray(list) + " left") << list << Qt::LeftButton << true;
            QTest::newRow(QByteArray(list) + " right") << list << Qt::RightButton << false;
            QTest::newRow(QByteArray(list) + " middle") << list << Qt::MiddleButton << false;
        }
    }

    void pressesOnTheLists()
    {
        QFETCH(QString, list);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, moves);
        const QByteArray jpeg = PictureFiles::solid({8, 8}, PictureFiles::kRed);
        Collection c;
        c.album("[1979] Uno").text("01 - A.txt").text("02 - B.txt");
        c.picture("a.jpg", jpeg).picture("b.jpg", jpeg);
        c.album("[1983] Due").text("01 - C.txt");
        Window w(c);
        clickCheckBox(w.ui().lstAlbum, 0);
        for (vastrel::ui::CheckList* l : {w.ui().lstAlbum, w.ui().lstBrani})
            l->rows()->setCurrentRow(0);
        auto* pressed = w.window().findChild<vastrel::ui::CheckList*>(list);
        QCOMPARE(pressed->rows()->currentRow(), 0);
        clickRowText(pressed, 1, Qt::ShiftModifier, button);
        QCOMPARE(pressed->rows()->currentRow(), moves ? 1 : 0);
        const bool picture = moves && list == "lstJPEG";
        QCOMPARE(w.ui().lblJPEG->text(), picture ? "&Immagine N.2 (su 2)" : "&Immagine N.1 (su 2)");
        QCOMPARE(w.session().mainView().pictureTitle, picture ? "[1979]  b" : "[1979]  a");
        QCOMPARE(w.state().modifierState, list == "lstJPEG" ? vastrel::platform::Modifiers()
                                                            : vastrel::platform::Modifier::Shift);
        QCOMPARE(w.ui().lstAlbum->rows()->checkedCount(), 1);
        QCOMPARE(w.ui().lstBrani->rows()->checkedCount(), 0);
    }

    // At the smallest width the counters lose the start of their captions, not their figures.
    void theCountersKeepTheirFigures()
    {
        Collection c;
        c.album("[1979] Uno").text("01 - A.txt").track("01 - A.webm");
        Window w(c);
        w.window().resize(532, 326);
        clickCheckBox(w.ui().lstAlbum, 0);
        clickCheckBox(w.ui().lstBrani, 0);
        for (const vastrel::ui::ElidingLabel* label : {w.ui().lblAlbum, w.ui().lblBrani}) {
            const QString shown = label->shownText();
            QVERIFY2(shown.size() < label->text().size() - 1, qPrintable(shown));
            QVERIFY(label->text().endsWith(shown.mid(1)));
            QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->width());
        }
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
