#include "platform/Beeper.h"
#include "support/Collection.h"
#include "support/TrackWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using vastrel::mainwindow::CheckList;
using vastrel::mainwindow::frmVL;
using vastrel::mainwindow::TextPane;
using vastrel::platform::Beeper;

namespace {

const QString kSelectTracks = " Seleziona Tutti i Brani ";
const QString kDeselectTracks = " Deseleziona Tutti i Brani ";
const QString kSelectAlbums = " Seleziona Tutti gli Album ";
const QString kDeselectAlbums = " Deseleziona Tutti gli Album ";

// Three albums; the first has three tracks without track files, so that every checked
// track of a rebuild beeps once: the beeps count the rebuilds.
void collection(Collection& c)
{
    c.album("[1979] Uno").text("01 - Alba.txt").text("02 - Sera.txt").text("03 - Notte.txt");
    c.album("[1983] Due").text("01 - Mare.txt");
    c.album("[1990] Tre").text("01 - Festa.txt");
}

// What the window's state was each time a mark of the list changed, before the list's
// check handler saw the change.
struct MarkProbe
{
    struct Change
    {
        int row;
        bool checked;
        int modifierState;
        int pointer;
    };

    MarkProbe(TrackWindow& w, CheckList* list)
    {
        QObject::connect(list->rows(), &QAbstractItemModel::dataChanged, list,
                         [&w, list, this](const QModelIndex& index) {
                             changes.append({index.row(), list->rows()->isChecked(index.row()),
                                             w.state.modifierState, w.window().mousePointer()});
                         });
    }
    QList<Change> changes;
};

enum Gesture
{
    ClickBox,
    SpaceKey,
};

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Beeper::resetCount(); }

    // Row 0 checked, row 1 current; then the gesture on row 1.
    void masksAreRecordedBeforeTheCheckHandler_data()
    {
        QTest::addColumn<bool>("onAlbums");
        QTest::addColumn<int>("gesture");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<bool>("plays");
        using M = Qt::KeyboardModifier;
        QTest::newRow("track: click")
            << false << int(ClickBox) << int(M::NoModifier) << 0 << QList<int>{1} << false;
        QTest::newRow("track: Ctrl+click")
            << false << int(ClickBox) << int(M::ControlModifier) << 2 << QList<int>{0, 1} << false;
        QTest::newRow("track: Shift+click")
            << false << int(ClickBox) << int(M::ShiftModifier) << 1 << QList<int>{1} << true;
        QTest::newRow("track: Ctrl+Shift+click")
            << false << int(ClickBox) << int(M::ControlModifier | M::ShiftModifier) << 3
            << QList<int>{0, 1} << true;
        QTest::newRow("track: Alt+click")
            << false << int(ClickBox) << int(M::AltModifier) << 4 << QList<int>{1} << false;
        QTest::newRow("track: Space")
            << false << int(SpaceKey) << int(M::NoModifier) << 0 << QList<int>{1} << false;
        QTest::newRow("track: Ctrl+Space")
            << false << int(SpaceKey) << int(M::ControlModifier) << 2 << QList<int>{0, 1} << false;
        QTest::newRow("track: Shift+Space")
            << false << int(SpaceKey) << int(M::ShiftModifier) << 1 << QList<int>{1} << true;
        QTest::newRow("album: click")
            << true << int(ClickBox) << int(M::NoModifier) << 0 << QList<int>{1} << false;
        QTest::newRow("album: Ctrl+click")
            << true << int(ClickBox) << int(M::ControlModifier) << 2 << QList<int>{0, 1} << false;
        QTest::newRow("album: Space")
            << true << int(SpaceKey) << int(M::NoModifier) << 0 << QList<int>{1} << false;
        QTest::newRow("album: Ctrl+Space")
            << true << int(SpaceKey) << int(M::ControlModifier) << 2 << QList<int>{0, 1} << false;
    }

    void masksAreRecordedBeforeTheCheckHandler()
    {
        QFETCH(bool, onAlbums);
        QFETCH(int, gesture);
        QFETCH(int, modifiers);
        QFETCH(int, mask);
        QFETCH(QList<int>, checked);
        QFETCH(bool, plays);
        Collection c;
        collection(c);
        for (const char* name : {"01 - Alba.mp3", "02 - Sera.mp3"})
            c.album("[1979] Uno").track(name, "abcdef");
        TrackWindow w(c);
        CheckList* list = onAlbums ? w.albums() : w.tracks();
        if (!onAlbums)
            clickCheckBox(w.albums(), 0);
        clickCheckBox(list, 0);
        clickRowText(list, 1);
        QCOMPARE(w.checkedRows(list), QList<int>{0});
        QCOMPARE(list->listIndex(), 1);

        MarkProbe probe(w, list);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        if (gesture == ClickBox)
            clickCheckBox(list, 1, mods);
        else
            QTest::keyClick(list, Qt::Key_Space, mods);

        QVERIFY(!probe.changes.isEmpty());
        QCOMPARE(probe.changes[0].row, 1);
        QVERIFY(probe.changes[0].checked);
        QCOMPARE(probe.changes[0].modifierState, mask);
        QCOMPARE(w.checkedRows(list), checked);
        QCOMPARE(w.state.modifierState, 0);
        QCOMPARE(w.opener.opened.size(), plays ? 1 : 0);
    }

    void spaceTogglesTheCurrentRow()
    {
        Collection c;
        collection(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        clickRowText(w.tracks(), 2);
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>{});
        QTest::keyClick(w.tracks(), Qt::Key_Space);
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>{2});
        QCOMPARE(w.pane(), QString("testo\n"));
        QTest::keyClick(w.tracks(), Qt::Key_Space);
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>{});
        QCOMPARE(w.ui().lblRTF->text(), QString("No&te degli Album Selezionati:"));
    }

    // A click on a select-all button: every mark changes under the busy pointer with the
    // Ctrl state, then one rebuild; that rebuild sets the button's mode.
    void selectAllTracks_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<bool>("rightClickFirst");
        QTest::addColumn<QString>("tipBefore");
        QTest::addColumn<QList<int>>("after");
        QTest::addColumn<QString>("tipAfter");
        QTest::newRow("select mode, none checked")
            << QList<int>{} << false << kSelectTracks << QList<int>{0, 1, 2} << kDeselectTracks;
        QTest::newRow("select mode, one checked")
            << QList<int>{1} << false << kSelectTracks << QList<int>{0, 1, 2} << kDeselectTracks;
        QTest::newRow("deselect mode, one checked")
            << QList<int>{1} << true << kDeselectTracks << QList<int>{} << kSelectTracks;
        QTest::newRow("deselect mode, all checked")
            << QList<int>{0, 1, 2} << false << kDeselectTracks << QList<int>{} << kSelectTracks;
    }

    void selectAllTracks()
    {
        QFETCH(QList<int>, before);
        QFETCH(bool, rightClickFirst);
        QFETCH(QString, tipBefore);
        QFETCH(QList<int>, after);
        QFETCH(QString, tipAfter);
        Collection c;
        collection(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        w.check(w.tracks(), before);
        if (rightClickFirst)
            QTest::mouseClick(w.ui().cmdSelBrani, Qt::RightButton);
        QCOMPARE(w.ui().cmdSelBrani->toolTip(), tipBefore);

        MarkProbe probe(w, w.tracks());
        QSignalSpy rebuilt(w.ui().txtBrani, &TextPane::changed);
        Beeper::resetCount();
        w.ui().cmdSelBrani->click();
        QCOMPARE(w.checkedRows(w.tracks()), after);
        QCOMPARE(w.ui().cmdSelBrani->toolTip(), tipAfter);
        const QIcon& picture =
            tipAfter == kSelectTracks ? w.ui().cmdSelTesto->icon() : w.ui().imgNoSel;
        QCOMPARE(w.ui().cmdSelBrani->icon().cacheKey(), picture.cacheKey());
        for (const auto& change : probe.changes) {
            QCOMPARE(change.pointer, int(frmVL::Busy));
            QCOMPARE(change.modifierState, 2);
        }
        // One rebuild: the pane set once, one beep per checked track without a file.
        QCOMPARE(rebuilt.count(), 1);
        QCOMPARE(Beeper::count(), int(after.size()));
        QCOMPARE(w.tracks()->listIndex(), -1);
        QVERIFY(w.tracks()->hasFocus());
        QVERIFY(w.opener.opened.isEmpty());
        QVERIFY(w.ui().lblBrani->text().startsWith(
            QStringLiteral("&Brani Selezionati: %1 (su 3)").arg(after.size())));
    }

    void selectAllAlbums()
    {
        Collection c;
        collection(c);
        TrackWindow w(c);
        QCOMPARE(w.ui().cmdSelAlbum->toolTip(), kSelectAlbums);
        MarkProbe probe(w, w.albums());
        QSignalSpy rebuilt(w.ui().txtBrani, &TextPane::changed);
        w.ui().cmdSelAlbum->click();
        QCOMPARE(w.checkedRows(w.albums()), QList<int>({0, 1, 2}));
        QCOMPARE(probe.changes.size(), 3);
        for (const auto& change : probe.changes)
            QCOMPARE(change.pointer, int(frmVL::Busy));
        QCOMPARE(rebuilt.count(), 1);
        QCOMPARE(w.tracks()->rows()->count(), 5);
        QCOMPARE(w.ui().cmdSelAlbum->toolTip(), kDeselectAlbums);
        QCOMPARE(w.ui().cmdSelAlbum->icon().cacheKey(), w.ui().imgNoSel.cacheKey());
        QVERIFY(w.tracks()->hasFocus());

        w.ui().cmdSelAlbum->click();
        QCOMPARE(w.checkedRows(w.albums()), QList<int>{});
        QCOMPARE(rebuilt.count(), 2);
        QCOMPARE(w.ui().cmdSelAlbum->toolTip(), kSelectAlbums);
        QCOMPARE(w.ui().cmdSelAlbum->icon().cacheKey(), w.ui().cmdSelTesto->icon().cacheKey());
        QCOMPARE(w.tracks()->rows()->count(), 0);
    }

    // A press of the right button switches the mode only to one whose click would change
    // something; the left button never switches.
    void modeSwitch_data()
    {
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<int>("uncheckAfter");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("tipBefore");
        QTest::addColumn<QString>("tipAfter");
        QTest::newRow("select mode, none checked: stays")
            << QList<int>{} << -1 << int(Qt::RightButton) << kSelectTracks << kSelectTracks;
        QTest::newRow("select mode, one checked: deselect mode")
            << QList<int>{0} << -1 << int(Qt::RightButton) << kSelectTracks << kDeselectTracks;
        QTest::newRow("deselect mode, all checked: stays")
            << QList<int>{0, 1, 2} << -1 << int(Qt::RightButton) << kDeselectTracks
            << kDeselectTracks;
        QTest::newRow("deselect mode, two checked: select mode")
            << QList<int>{0, 1, 2} << 1 << int(Qt::RightButton) << kDeselectTracks << kSelectTracks;
        QTest::newRow("left button: no switch")
            << QList<int>{0} << -1 << int(Qt::LeftButton) << kSelectTracks << kSelectTracks;
    }

    void modeSwitch()
    {
        QFETCH(QList<int>, checked);
        QFETCH(int, uncheckAfter);
        QFETCH(int, button);
        QFETCH(QString, tipBefore);
        QFETCH(QString, tipAfter);
        Collection c;
        collection(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        w.check(w.tracks(), checked);
        if (uncheckAfter >= 0)
            clickCheckBox(w.tracks(), uncheckAfter, Qt::ControlModifier);
        QCOMPARE(w.ui().cmdSelBrani->toolTip(), tipBefore);
        const QList<int> marks = w.checkedRows(w.tracks());
        QPushButton* b = w.ui().cmdSelBrani;
        // Pressed, and released outside the button so that no click follows.
        QTest::mousePress(b, Qt::MouseButton(button));
        QTest::mouseRelease(b, Qt::MouseButton(button), {}, QPoint(-20, -20));
        QCOMPARE(b->toolTip(), tipAfter);
        QCOMPARE(
            b->icon().cacheKey(),
            (tipAfter == kSelectTracks ? w.ui().cmdSelTesto->icon() : w.ui().imgNoSel).cacheKey());
        QCOMPARE(w.checkedRows(w.tracks()), marks);
    }

    // With no rows the mode never changes, and a bulk change still rebuilds once.
    void emptyListNeverSwitches()
    {
        Collection c;
        collection(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 1);
        w.ui().cmdSelBrani->click();
        QCOMPARE(w.ui().cmdSelBrani->toolTip(), kDeselectTracks);
        // The album unchecked: no tracks are listed, the button keeps its mode.
        clickCheckBox(w.albums(), 1);
        QCOMPARE(w.tracks()->rows()->count(), 0);
        QVERIFY(!w.ui().cmdSelBrani->isEnabled());
        QCOMPARE(w.ui().cmdSelBrani->toolTip(), kDeselectTracks);
        QTest::mousePress(w.ui().cmdSelBrani, Qt::RightButton);
        w.window().cmdSelBrani_MouseDown(2);
        QCOMPARE(w.ui().cmdSelBrani->toolTip(), kDeselectTracks);

        QSignalSpy rebuilt(w.ui().txtBrani, &TextPane::changed);
        w.window().cmdSelBrani_Click();
        QCOMPARE(rebuilt.count(), 1);
        QCOMPARE(w.ui().cmdSelBrani->toolTip(), kDeselectTracks);

        // Back in select mode as soon as rows with no mark are listed.
        clickCheckBox(w.albums(), 2);
        QCOMPARE(w.ui().cmdSelBrani->toolTip(), kSelectTracks);
    }

    void backspaceInverts_data()
    {
        QTest::addColumn<bool>("onAlbums");
        QTest::newRow("tracks") << false;
        QTest::newRow("albums") << true;
    }

    void backspaceInverts()
    {
        QFETCH(bool, onAlbums);
        Collection c;
        collection(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        CheckList* list = onAlbums ? w.albums() : w.tracks();
        clickCheckBox(list, 1, onAlbums ? Qt::ControlModifier : Qt::NoModifier);
        const QList<int> before = w.checkedRows(list);
        QList<int> inverted;
        for (int i = 0; i < list->rows()->count(); ++i) {
            if (!before.contains(i))
                inverted.append(i);
        }
        list->setFocus();

        MarkProbe probe(w, list);
        QSignalSpy rebuilt(w.ui().txtBrani, &TextPane::changed);
        Beeper::resetCount();
        QTest::keyClick(list, Qt::Key_Backspace);
        QCOMPARE(w.checkedRows(list), inverted);
        QCOMPARE(probe.changes.size(), list->rows()->count());
        for (const auto& change : probe.changes) {
            QCOMPARE(change.pointer, int(frmVL::Busy));
            QCOMPARE(change.modifierState, 2);
        }
        QCOMPARE(rebuilt.count(), 1);
        QVERIFY(w.tracks()->hasFocus());
        QCOMPARE(list->listIndex(), -1);
        if (!onAlbums)
            QCOMPARE(Beeper::count(), int(inverted.size()));
        QVERIFY(w.opener.opened.isEmpty());
    }

    // Only Backspace inverts; the other keys typed on a list change no mark.
    void otherKeysDoNotInvert()
    {
        Collection c;
        collection(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 1);
        for (Qt::Key key : {Qt::Key_A, Qt::Key_Delete, Qt::Key_Down, Qt::Key_Home})
            QTest::keyClick(w.tracks(), key);
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>{1});
    }
};

QTEST_MAIN(TestSelection)
#include "TestSelection.moc"
