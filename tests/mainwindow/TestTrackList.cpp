#include "catalogue/TrackListBuilder.h"
#include "mainwindow/ImageControl.h"
#include "platform/Beeper.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"
#include "support/PictureFiles.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using vastrel::mainwindow::CheckList;
using vastrel::mainwindow::frmVL;
using vastrel::platform::Beeper;

namespace {

QString row(const QString& display, const QString& path)
{
    return display + QString(666 - display.size(), ' ') + path;
}

QStringList fields(const MainWindowFixture&, const CheckList* list)
{
    QStringList out;
    for (const auto& r : list->rows()->rows())
        out.append(r.title());
    return out;
}

void threeAlbums(Collection& c)
{
    c.album("[1979] Uno").text("01 - Alba.txt").text("02 - Sera.txt").track("01 - Alba.mp3");
    c.text("Nota.txt", "Nota del primo album.\r\n").picture("copertina.jpg").picture("retro.gif");
    c.album("[1983] Due").text("01 - Mare.txt").text("NOTA.TXT", "").text("nota.txt.txt");
    c.album("[Live] Tre")
        .text("01 - Festa.txt")
        .marker("01 - Festa.VL", "[1979] Uno\\Brani\\01 - Alba.mp3");
    c.picture("palco.bmp");
}

struct Window : MainWindowFixture
{
    explicit Window(const Collection& c) : MainWindowFixture(c)
    {
        window().selectShowFilter(2);
        window().Form_Activate();
    }
    CheckList* albums() { return ui().lstAlbum; }
    CheckList* tracks() { return ui().lstBrani; }
};

} // namespace

class TestTrackList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noAlbumChecked()
    {
        Collection c;
        threeAlbums(c);
        Window w(c);
        QCOMPARE(w.tracks()->rows()->count(), 0);
        QCOMPARE(w.ui().lstJPEG->rows()->count(), 0);
        QCOMPARE(w.state.albumNotes, QString());
        QCOMPARE(w.window().albumListTag(), QString("0"));
        QCOMPARE(w.ui().lblAlbum->text(), QString("&Album Selezionati: 0 (su 3)"));
        QVERIFY(!w.ui().cmdCercaBrano->isEnabled());
        QVERIFY(!w.ui().cmdSelBrani->isEnabled());
    }

    void rowsNotesAndCounters()
    {
        Collection c;
        threeAlbums(c);
        Window w(c);
        clickCheckBox(w.albums(), 1); // [1983] Due
        QCOMPARE(w.rows(w.tracks()),
                 QStringList({row("01 - Mare  [1983]", "[1983] Due/Testi/01 - Mare.txt"),
                              row("nota.txt  [1983]", "[1983] Due/Testi/nota.txt.txt")}));
        QCOMPARE(w.state.albumNotes, QString("[1983]\r\nNessuna Nota Disponibile.\r\n"));
        QCOMPARE(w.ui().lblAlbum->text(), QString("&Album Selezionati: 1 (su 3)"));
        QCOMPARE(w.window().albumListTag(), QString("1"));
        QVERIFY(w.ui().cmdCercaBrano->isEnabled());
        QVERIFY(w.ui().cmdSelBrani->isEnabled());

        clickCheckBox(w.albums(), 0, Qt::ControlModifier);
        QCOMPARE(w.state.albumNotes,
                 QString("[1979]\r\nNota del primo album.\r\n\r\n\r\n\r\n\r\n[1983]\r\nNessuna "
                         "Nota Disponibile.\r\n"));
        QCOMPARE(fields(w, w.ui().lstJPEG), QStringList({"[1979]  copertina", "[1979]  retro"}));
        QCOMPARE(w.ui().lstJPEG->rows()->row(0).path(),
                 QString("[1979] Uno/Immagini/copertina.jpg"));
    }

    void plainClickKeepsOnlyTheClickedAlbumAndCtrlAdds()
    {
        Collection c;
        threeAlbums(c);
        Window w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.albums(), 1, Qt::ControlModifier);
        QCOMPARE(w.checked(w.albums()).size(), 2);
        clickCheckBox(w.albums(), 2);
        QCOMPARE(w.checked(w.albums()), QStringList({"[Live] Tre"}));
        clickCheckBox(w.albums(), 0, Qt::ControlModifier);
        clickCheckBox(w.albums(), 1, Qt::ControlModifier);
        QCOMPARE(w.checked(w.albums()).size(), 3);
        // All albums checked: the select-all button turns to deselecting.
        QCOMPARE(w.ui().cmdSelAlbum->toolTip(), QString(" Deseleziona Tutti gli Album "));
    }

    void aCheckedTrackStaysCheckedWhenAnAlbumIsAdded()
    {
        Collection c;
        threeAlbums(c);
        Window w(c);
        clickCheckBox(w.albums(), 1);
        clickCheckBox(w.tracks(), 0);
        QCOMPARE(w.checked(w.tracks()).size(), 1);
        clickCheckBox(w.albums(), 0, Qt::ControlModifier);
        QCOMPARE(w.checked(w.tracks()),
                 QStringList({row("01 - Mare  [1983]", "[1983] Due/Testi/01 - Mare.txt")}));
    }

    void shiftChecksEveryTrackAndPlays()
    {
        Collection c;
        threeAlbums(c);
        Window w(c);
        clickCheckBox(w.albums(), 0, Qt::ShiftModifier);
        QCOMPARE(w.checked(w.tracks()).size(), 2);
        QCOMPARE(w.opener.opened.size(), 1);
        QVERIFY(!w.state.autoPlay);
    }

    void duplicatesFilterShowsTheMarkersTag()
    {
        Collection c;
        threeAlbums(c);
        Window w(c);
        w.window().selectShowFilter(0);
        QCOMPARE(w.rows(w.albums()), QStringList({"[Live] Tre"}));
        clickCheckBox(w.albums(), 0);
        QCOMPARE(fields(w, w.tracks()), QStringList({"01 - Festa  [Live] >> [1979]"}));
    }

    void alphabeticalOrderAndBackKeepTheMarks()
    {
        Collection c;
        c.album("[B] Due").text("03 - Zeta.txt");
        c.album("[A] Uno").text("01 - Alfa.txt");
        Window w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.albums(), 1, Qt::ControlModifier);
        clickCheckBox(w.tracks(), 1); // 03 - Zeta
        w.ui().chkOrdinaAZ->click();
        QCOMPARE(fields(w, w.tracks()), QStringList({"Alfa  [A]", "Zeta  [B]"}));
        QCOMPARE(w.checked(w.tracks()).size(), 1);
        QVERIFY(w.checked(w.tracks()).front().startsWith("Zeta  [B]"));
        QCOMPARE(w.ui().chkOrdinaAZ->toolTip(), QString(" Ordina i Brani Cronologicamente "));
        w.ui().chkOrdinaAZ->click();
        QCOMPARE(fields(w, w.tracks()), QStringList({"01 - Alfa  [A]", "03 - Zeta  [B]"}));
        QVERIFY(w.checked(w.tracks()).front().startsWith("03 - Zeta  [B]"));
        QCOMPARE(w.ui().chkOrdinaAZ->toolTip(), QString(" Ordina i Brani Alfabeticamente "));
    }

    void equalTitlesAreOrderedByTheirPaths()
    {
        Collection c;
        c.album("[2] Secondo").text("01 - Uguale.txt");
        c.album("[1] Primo").text("05 - Uguale.txt");
        c.album("[3] Terzo").text("[X] Uguale.txt");
        Window w(c);
        w.ui().chkOrdinaAZ->click();
        w.ui().cmdSelAlbum->click();
        QCOMPARE(fields(w, w.tracks()), QStringList({"Uguale  [1]", "Uguale  [2]", "Uguale  [3]"}));
    }

    void orderSwitchBeepsWhenTheFoldersChanged()
    {
        Collection c;
        c.album("[A] Uno").text("01 - Alfa.txt");
        Window w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 0);
        c.text("02 - Beta.txt");
        Beeper::resetCount();
        w.ui().chkOrdinaAZ->click();
        QCOMPARE(Beeper::count(), 1);
        QCOMPARE(w.tracks()->rows()->count(), 2);
        QVERIFY(w.tracks()->hasFocus() || QApplication::focusWidget() == nullptr);
    }

    void longDisplayTextIsCutAndThePathFollows()
    {
        // File names cannot be this long on Linux; the row still has its rule.
        const QString title = QString(700, 'x');
        const QString text =
            vastrel::catalogue::TrackListBuilder::trackRow("[1] A", title + ".txt", false, "[2]")
                .text();
        QCOMPARE(text.left(666), QString(666, 'x'));
        QCOMPARE(text.mid(666), "[1] A/Testi/" + title + ".txt");
    }

    void thePictureOnShowStaysCurrent()
    {
        Collection c;
        c.album("[1979] Uno").text("a.txt");
        c.picture("copertina.jpg", PictureFiles::solid(QSize(8, 8), Qt::darkCyan));
        c.album("[1983] Due")
            .text("b.txt")
            .picture("foto.jpg", PictureFiles::solid(QSize(8, 8), Qt::darkCyan));
        Window w(c);
        clickCheckBox(w.albums(), 0);
        QCOMPARE(w.ui().lstJPEG->listIndex(), 0);
        clickCheckBox(w.albums(), 1, Qt::ControlModifier);
        QCOMPARE(w.ui().lstJPEG->listIndex(), 0);
        // Only the second album is left: its first picture becomes current.
        clickCheckBox(w.albums(), 0, Qt::ControlModifier);
        QCOMPARE(w.ui().lstJPEG->listIndex(), 0);
        QCOMPARE(w.ui().lstJPEG->rows()->row(0).path(), QString("[1983] Due/Immagini/foto.jpg"));
        // Two albums and the picture on show in neither list: no picture is current.
        c.album("[1990] Tre")
            .text("c.txt")
            .picture("altra.jpg", PictureFiles::solid(QSize(8, 8), Qt::darkCyan));
        w.window().Aggiorna();
        clickCheckBox(w.albums(), 0);
        QCOMPARE(w.checked(w.albums()), QStringList({"[1979] Uno"}));
        QTest::keyClick(w.albums(), Qt::Key_Backspace);
        QCOMPARE(w.checked(w.albums()), QStringList({"[1983] Due", "[1990] Tre"}));
        QCOMPARE(w.ui().lstJPEG->listIndex(), -1);
        QCOMPARE(w.ui().lblJPEG->text(), QString("&Immagini Disponibili: 2"));
    }

    void countersNeverRunUnderTheirNeighbours()
    {
        Collection c;
        threeAlbums(c);
        Window w(c);
        w.window().resize(532, 326);
        w.ui().cmdSelAlbum->click();
        w.ui().cmdSelBrani->click();
        const auto& ui = w.ui();
        QVERIFY(ui.lblAlbum->text().startsWith("&Album Selezionati: 3"));
        QVERIFY(ui.lblAlbum->geometry().right() < ui.lblMostra->x() - 3);
        QVERIFY(ui.lblBrani->geometry().right() < ui.imgInfo->x() - 3);
        w.window().resize(1000, 600);
        QCOMPARE(ui.lblAlbum->width(), ui.lblAlbum->sizeHint().width());
    }
};

QTEST_MAIN(TestTrackList)
#include "TestTrackList.moc"
