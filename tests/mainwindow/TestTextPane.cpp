#include "platform/Beeper.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"
#include "support/TrackWindow.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <sys/stat.h>

using vastrel::platform::Beeper;

namespace {

const QByteArray kSep = QByteArray(16, ' ') + "-+----+---------+----+-";
const QString kNoText = "Nessun Testo Disponibile.";

QByteArray fixture(const char* name)
{
    QFile f(QStringLiteral(VASTREL_TEST_DATA "/mpeg/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        qWarning("missing fixture %s", name);
    return f.readAll();
}

// One album whose texts are "01 - T1.txt", "02 - T2.txt"... with these contents.
void album(Collection& c, const QByteArrayList& texts)
{
    c.album("[1979] Uno");
    for (qsizetype i = 0; i < texts.size(); ++i)
        c.text(QStringLiteral("%1 - T%2.txt").arg(i + 1, 2, 10, QChar('0')).arg(i + 1), texts[i]);
}

QString noText(int i)
{
    return QStringLiteral("%1 - T%2  [1979]\r\n").arg(i, 2, 10, QChar('0')).arg(i) + kNoText +
           "\r\n";
}

const QString kFour = "\r\n\r\n\r\n\r\n";

} // namespace

class TestTextPane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Beeper::resetCount(); }

    // Rows 0 and 1 are checked; then row 2 (or row 1) is clicked with the modifiers.
    void clicksOnTracks_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<bool>("plays");
        QTest::newRow("plain: only the clicked track")
            << 2 << int(Qt::NoModifier) << QList<int>{2} << false;
        QTest::newRow("Ctrl: the others stay")
            << 2 << int(Qt::ControlModifier) << QList<int>{0, 1, 2} << false;
        QTest::newRow("Shift: only the clicked track, played")
            << 2 << int(Qt::ShiftModifier) << QList<int>{2} << true;
        QTest::newRow("plain on a checked track unchecks all")
            << 1 << int(Qt::NoModifier) << QList<int>{} << false;
        QTest::newRow("Ctrl on a checked track unchecks it alone")
            << 1 << int(Qt::ControlModifier) << QList<int>{0} << false;
    }

    void clicksOnTracks()
    {
        QFETCH(int, row);
        QFETCH(int, modifiers);
        QFETCH(QList<int>, checked);
        QFETCH(bool, plays);
        Collection c;
        album(c, {"Testo uno\r\n", "Testo due\r\n", "Testo tre\r\n"});
        c.track("01 - T1.mp3", "abcdef").track("02 - T2.mp3", "abcdef").track("03 - T3.mp3", "abc");
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        w.check(w.tracks(), {0, 1});
        QCOMPARE(w.pane(), QString("Testo uno\n\n\n\n\nTesto due\n"));

        clickCheckBox(w.tracks(), row, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.checkedRows(w.tracks()), checked);
        QCOMPARE(w.state.modifierState, 0);
        QVERIFY(!w.state.autoPlay);
        QCOMPARE(w.ui().cmdSuona->isEnabled(), !checked.isEmpty());
        if (!plays) {
            QVERIFY(w.opener.opened.isEmpty());
            return;
        }
        // Played after the rebuild: the playlist holds the one track left.
        QCOMPARE(w.opener.opened.size(), 1);
        QCOMPARE(w.opener.contents[0],
                 QFile::encodeName(c.path("[1979] Uno/Brani/03 - T3.mp3")) + "\r\n\r\n");
        QCOMPARE(w.pane(), QString("Testo tre\n"));
    }

    // Every track of the album checked: the pane as the user reads it.
    void paneOfCheckedTracks_data()
    {
        QTest::addColumn<QByteArrayList>("texts");
        QTest::addColumn<QString>("pane");
        QTest::newRow("two texts, four line breaks between")
            << QByteArrayList{"Alba chiara\r\nseconda riga\r\n", "Sera\r\n"}
            << "Alba chiara\r\nseconda riga\r\n" + kFour + "Sera\r\n";
        QTest::newRow("texts without a last line break")
            << QByteArrayList{"Alba", "Sera"} << "Alba" + kFour + "Sera";
        QTest::newRow("0-byte file")
            << QByteArrayList{"", "Sera\r\n"} << noText(1) + kFour + "Sera\r\n";
        QTest::newRow("blanks only")
            << QByteArrayList{"Alba\r\n", "    "} << "Alba\r\n" + kFour + noText(2);
        QTest::newRow("empty lines are not blanks")
            << QByteArrayList{"\r\n\r\n"} << QString("\r\n\r\n");
        QTest::newRow("a tab is not a blank") << QByteArrayList{"\t"} << QString("\t");
        QTest::newRow("windows-1252") << QByteArrayList{"Perch\xE9 cos\xEC\x85\r\n"}
                                      << QString("Perch\u00E9 cos\u00EC\u2026\r\n");
        QTest::newRow("utf-8") << QByteArrayList{"Perch\xC3\xA9\r\n"} << QString("Perch\u00E9\r\n");
        QTest::newRow("LF line ends, separator still found")
            << QByteArrayList{"Verso uno\nVerso due\n\n" + kSep + "\nLa\nRe\n"}
            << QString("Verso uno   La\r\nVerso due   Re\r\n");
        QTest::newRow("side block, text ending with its line break")
            << QByteArrayList{"Uno\r\nDue\r\n\r\n\r\n" + kSep + "\r\nLa\r\n"}
            << QString("Uno   La\r\nDue   \r\n");
        QTest::newRow("separator twice: the second is part of the side block")
            << QByteArrayList{"Uno\r\n\r\n" + kSep + "\r\nNota\r\n\r\n" + kSep + "\r\nAltro\r\n"}
            << "Uno" + QString(39, ' ') + "Nota\r\n" + QString(42, ' ') + "\r\n" +
                   QString(42, ' ') + QString::fromLatin1(kSep) + "\r\n" + QString(42, ' ') +
                   "Altro\r\n";
        QTest::newRow("only the separator line is a text")
            << QByteArrayList{kSep + "\r\n"} << QString::fromLatin1(kSep + "\r\n");
        QTest::newRow("starts with CR LF and the separator: side block alone")
            << QByteArrayList{"\r\n" + kSep + "\r\nNota\r\n"} << QString("       Nota\r\n");
        QTest::newRow("ends with the separator: no side block")
            << QByteArrayList{"Uno\r\n\r\n" + kSep} << QString("Uno");
        QTest::newRow("empty text part and empty side block")
            << QByteArrayList{"\r\n" + kSep + "\r\n", "Sera\r\n"} << noText(1) + kFour + "Sera\r\n";
    }

    void paneOfCheckedTracks()
    {
        QFETCH(QByteArrayList, texts);
        QFETCH(QString, pane);
        Collection c;
        album(c, texts);
        const QByteArray before = c.fingerprint();
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        w.ui().cmdSelBrani->click();
        QCOMPARE(w.checkedRows(w.tracks()).size(), texts.size());
        QCOMPARE(w.pane(), viewText(pane));
        QCOMPARE(w.ui().lblRTF->text(), QString("&Testi dei Brani Selezionati:"));
        QCOMPARE(w.ui().cmdCercaTesto->toolTip(),
                 QString(" Cerca tra i Testi dei Brani Selezionati "));
        QCOMPARE(c.fingerprint(), before);
    }

    // The side block beside the text takes the screen's width into account.
    void narrowScreen_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<QString>("firstLine");
        const QString wide = "Prima riga del testo, abbastanza lunga da";
        const QString narrow = "Prima riga del testo, abbastanza";
        const QString side = "  Accordi: La Re Mi";
        QTest::newRow("1024") << 1024 << wide + QString(44 - wide.size(), ' ') + side;
        QTest::newRow("800") << 800 << wide + QString(44 - wide.size(), ' ') + side;
        QTest::newRow("799") << 799 << narrow + QString(34 - narrow.size(), ' ') + side;
        QTest::newRow("640") << 640 << narrow + QString(34 - narrow.size(), ' ') + side;
    }

    void narrowScreen()
    {
        QFETCH(int, screenWidth);
        QFETCH(QString, firstLine);
        Collection c;
        album(c, {"Prima riga del testo, abbastanza lunga da dover andare a capo qui\r\n  "
                  "Seconda\r\n\r\n\r\n" +
                  kSep + "\r\nAccordi: La Re Mi\r\n"});
        TrackWindow w(c, QSize(screenWidth, 600));
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 0);
        QCOMPARE(w.pane().split('\n').first(), firstLine);
    }

    void aMissingTextShowsTheTitle()
    {
        Collection c;
        album(c, {"Alba\r\n", "Sera\r\n"});
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        QVERIFY(QFile::remove(c.path("[1979] Uno/Testi/02 - T2.txt")));
        w.ui().cmdSelBrani->click();
        QCOMPARE(w.pane(), viewText("Alba\r\n" + kFour + noText(2)));
    }

    // Run as another user, for whom the file cannot be opened.
    void anUnreadableTextShowsTheTitle()
    {
        Collection c;
        album(c, {"Alba\r\n", "segreto\r\n"});
        const QByteArray secret = QFile::encodeName(c.path("[1979] Uno/Testi/02 - T2.txt"));
        QVERIFY(::chmod(secret.constData(), 0) == 0);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        const QString expected = viewText("Alba\r\n" + kFour + noText(2));
        QVERIFY(asOtherUser([&] {
            w.ui().cmdSelBrani->click();
            return w.pane() == expected && w.checkedRows(w.tracks()).size() == 2;
        }));
    }

    void statesWithoutTrackTexts_data()
    {
        QTest::addColumn<QString>("intro");
        QTest::addColumn<bool>("albumChecked");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("tip");
        QTest::newRow("nothing") << "" << false << ""
                                 << ""
                                 << " Cerca ";
        QTest::newRow("introduction") << "Benvenuti.\r\nSeconda riga.\r\n"
                                      << false << "Benvenuti.\nSeconda riga.\n"
                                      << "No&te Introduttive:"
                                      << " Cerca tra le Note Introduttive ";
        QTest::newRow("album notes") << "Benvenuti.\r\n"
                                     << true << "[1979]\nNota del disco.\n"
                                     << "No&te degli Album Selezionati:"
                                     << " Cerca tra le Note degli Album Selezionati ";
        QTest::newRow("album notes without an introduction")
            << "" << true << "[1979]\nNota del disco.\n"
            << "No&te degli Album Selezionati:"
            << " Cerca tra le Note degli Album Selezionati ";
    }

    void statesWithoutTrackTexts()
    {
        QFETCH(QString, intro);
        QFETCH(bool, albumChecked);
        QFETCH(QString, pane);
        QFETCH(QString, heading);
        QFETCH(QString, tip);
        Collection c;
        album(c, {"Alba\r\n"});
        c.text("Nota.txt", "Nota del disco.\r\n");
        TrackWindow w(c);
        w.state.introNotes = intro;
        w.window().Form_Activate();
        if (albumChecked) {
            clickCheckBox(w.albums(), 0);
            // A track checked and unchecked again: back to the album notes.
            clickCheckBox(w.tracks(), 0);
            QCOMPARE(w.pane(), QString("Alba\n"));
            clickCheckBox(w.tracks(), 0);
        }
        QCOMPARE(w.pane(), pane);
        QCOMPARE(w.ui().lblRTF->text(), heading);
        QCOMPARE(w.ui().cmdCercaTesto->toolTip(), tip);
        QCOMPARE(w.ui().cmdCercaTesto->isEnabled(), !pane.isEmpty());
        QVERIFY(!w.ui().cmdSuona->isEnabled());
        QCOMPARE(w.window().playlistText(), QString());
        const int rows = albumChecked ? 1 : 0;
        QCOMPARE(w.ui().lblBrani->text(),
                 QStringLiteral("&Brani Selezionati: 0 (su %1)  [0:00:00]").arg(rows));
    }

    // Playing times from real MPEG files; a .wav has an unknown time; a missing track file
    // counts nothing and beeps.
    void countersAndPlaylistText_data()
    {
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("playlist");
        QTest::newRow("none") << QList<int>{} << "0 (su 4)  [0:00:00]" << QStringList{};
        QTest::newRow("7 s") << QList<int>{0} << "1 (su 4)  [0:00:07]"
                             << QStringList{"01 - T1.mp3"};
        QTest::newRow("7 + 5 s") << QList<int>{0, 1} << "2 (su 4)  [0:00:12]"
                                 << QStringList{"01 - T1.mp3", "02 - T2.mp3"};
        QTest::newRow("unknown") << QList<int>{2} << "1 (su 4)  [0:00:00 + 1x???]"
                                 << QStringList{"03 - T3.wav"};
        QTest::newRow("missing file") << QList<int>{3} << "1 (su 4)  [0:00:00]" << QStringList{};
        QTest::newRow("all") << QList<int>{0, 1, 2, 3} << "4 (su 4)  [0:00:12 + 1x???]"
                             << QStringList{"01 - T1.mp3", "02 - T2.mp3", "03 - T3.wav"};
    }

    void countersAndPlaylistText()
    {
        QFETCH(QList<int>, checked);
        QFETCH(QString, caption);
        QFETCH(QStringList, playlist);
        Collection c;
        album(c, {"a\r\n", "b\r\n", "c\r\n", "d\r\n"});
        c.track("01 - T1.mp3", fixture("mpeg1-layer3-032k-44100.mp3"))
            .track("02 - T2.mp3", fixture("mpeg2-layer3-064k-22050.mp3"))
            .track("03 - T3.wav", "RIFF....WAVEfmt ");
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        Beeper::resetCount();
        w.check(w.tracks(), checked);
        QCOMPARE(w.checkedRows(w.tracks()), checked);
        QCOMPARE(w.ui().lblBrani->text(), "&Brani Selezionati: " + caption);
        QCOMPARE(w.ui().cmdSuona->isEnabled(), !checked.isEmpty());
        QString text;
        for (const QString& name : playlist)
            text += c.path("[1979] Uno/Brani/" + name) + "\r\n";
        QCOMPARE(w.window().playlistText(), text);
        // The last rebuild beeped once for the missing file of track 4, if checked.
        if (checked.contains(3))
            QVERIFY(Beeper::count() >= 1);
    }

    // Lines follow the rows as listed; a marker's track is its named file, spelled as on
    // disk; two rows with the same file give two lines.
    void playlistFollowsTheRowOrder()
    {
        Collection c;
        c.album("[1979] Uno")
            .text("01 - Zeta.txt")
            .text("02 - Alfa.txt")
            .text("03 - Mezzo.txt")
            .text("04 - Copia.txt")
            .track("01 - Zeta.mp3", "zzzzzz")
            .track("03 - Mezzo.mp3", "mmmmmm")
            .marker("04 - Copia.VL", "[1979] uno\\brani\\03 - MEZZO.MP3");
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        w.ui().cmdSelBrani->click();
        const QString zeta = c.path("[1979] Uno/Brani/01 - Zeta.mp3") + "\r\n";
        const QString mezzo = c.path("[1979] Uno/Brani/03 - Mezzo.mp3") + "\r\n";
        QCOMPARE(w.window().playlistText(), zeta + mezzo + mezzo);
        w.ui().chkOrdinaAZ->click();
        QCOMPARE(w.checkedRows(w.tracks()).size(), 4);
        QCOMPARE(w.window().playlistText(), mezzo + mezzo + zeta);
    }

    void aLongLineWithoutBlanks()
    {
        QByteArray line(100000, 'x');
        for (int i = 0; i < line.size(); i += 7)
            line[i] = 'y';
        Collection c;
        album(c, {line + "\r\n", line + "\r\n\r\n" + kSep + "\r\nNota\r\n"});
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 0);
        QCOMPARE(w.pane(), QString::fromLatin1(line + "\n"));
        // Beside a side block it is cut into pieces of the column's width, none lost.
        clickCheckBox(w.tracks(), 1);
        const QStringList lines = w.pane().split('\n');
        QCOMPARE(lines[0], QString::fromLatin1(line.left(44)) + "  Nota");
        QString joined;
        for (const QString& l : lines) {
            QVERIFY(l.size() <= 50);
            joined += l.left(44).trimmed();
        }
        QCOMPARE(joined, QString::fromLatin1(line));
    }

    // A 20 MB text is shown whole and the pane still answers the text commands.
    void aVeryLargeText()
    {
        QByteArray text;
        text.reserve(21 * 1024 * 1024);
        int lines = 0;
        while (text.size() < 20 * 1024 * 1024) {
            text += "Riga di testo numero " + QByteArray::number(++lines) + " abcdefghij\r\n";
        }
        Collection c;
        album(c, {text});
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 0);
        QCOMPARE(w.pane().size(), text.size() - lines);
        QVERIFY(w.pane().endsWith(QStringLiteral("numero %1 abcdefghij\n").arg(lines)));
        QVERIFY(w.ui().cmdSelTesto->isEnabled());
        w.ui().cmdSelTesto->click();
        QCOMPARE(w.ui().txtBrani->selectionLength(), text.size() - lines);
        QVERIFY(!w.ui().cmdSelTesto->isEnabled());
        QVERIFY(w.ui().cmdCopia->isEnabled());
    }
};

QTEST_MAIN(TestTextPane)
#include "TestTextPane.moc"
