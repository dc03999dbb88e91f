// The browsing session without a window: each row is a list of the user's gestures on a
// small collection and what the lists, the pane, the captions and the playlist then show.

#include "browser/BrowsingSession.h"
#include "browser/ReadMeCaret.h"
#include "browser/TextSearch.h"
#include "platform/Beeper.h"
#include "platform/WorkPool.h"
#include "support/Collection.h"
#include "support/PictureFiles.h"
#include "support/RecordingOpener.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>

using vastrel::browser::BrowsingSession;
using vastrel::browser::Command;
using vastrel::browser::ModuleState;
using vastrel::browser::SelectMode;
using vastrel::catalogue::CheckListModel;
using vastrel::platform::Modifier;
using List = BrowsingSession::List;

namespace {

const QByteArray kSide = "\r\n                -+----+---------+----+-\r\nRe La\r\n";

// Three albums: one with notes, pictures and a side block, one whose only track is a
// duplicate of the first album's, one whose text is only blanks.
void fill(Collection& c)
{
    c.album("[1979] Alba")
        .text("01 - Uno.txt", "Uno testo\r\n")
        .text("02 - Due.txt", "Due testo\r\n" + kSide)
        .text("Nota.txt", "Nota Alba\r\n")
        .track("01 - Uno.mp3")
        .track("02 - Due.mp3")
        .picture("a.jpg", PictureFiles::solid(QSize(8, 8), PictureFiles::kRed))
        .picture("b.jpg", "not a picture");
    c.album("[1983] Terra")
        .text("01 - Sera.txt", "Sera testo\r\n")
        .marker("01 - Sera.VL", "[1979] alba\\brani\\01 - UNO.mp3");
    c.album("[1990] Zeta").text("01 - Alba.txt", "   ").track("01 - Alba.mp3");
}

// Thirty albums whose tracks point at each other, some without their files, with notes,
// pictures and side blocks here and there, and folders that are no albums.
void fillMany(Collection& c)
{
    for (int i = 0; i < 30; ++i) {
        const QString a = QStringLiteral("[%1] Album %2").arg(1960 + i % 7).arg(i);
        c.album(i % 4 ? a : a.toUpper())
            .text("01 - Brano.txt", "Testo " + QByteArray::number(i) + "\r\n")
            .track(i % 5 ? "01 - Brano.mp3" : "01 - BRANO.MP3")
            .text("02 - Copia.txt", "Copia\r\n" + kSide)
            .marker("02 - Copia.VL", QStringLiteral("[%1] album %2\\Brani\\01 - brano.mp3")
                                         .arg(1960 + (i + 7) % 30 % 7)
                                         .arg((i + 7) % 30)
                                         .toUtf8())
            .text("03 - Senza.txt", "  ");
        if (i % 2)
            c.text("Nota.txt", "Nota " + QByteArray::number(i) + "\r\n").picture("p.jpg");
    }
    c.folder("Varie").folder("[2000] Senza Testi/Brani");
}

Modifier modifierNamed(const QString& word)
{
    return word == "shift" ? Modifier::Shift : Modifier::Ctrl;
}

} // namespace

class TestBrowsingSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void gestures_data();
    void gestures();
    void openFailure();
    void anyPoolSize_data();
    void anyPoolSize();
    void findNext_data();
    void findNext();
    void readMeCaret_data();
    void readMeCaret();

private:
    void perform(BrowsingSession& session, Collection& c, RecordingOpener& opener,
                 const QString& gesture);
    QString describe(BrowsingSession& session, const QString& key, const Collection& c,
                     const RecordingOpener& opener) const;

    QTemporaryDir m_temp;
    QStringList m_progress; // the progress captions reported, "-" for the end
};

void TestBrowsingSession::initTestCase()
{
    // The playlist goes to a private folder inside the system's temporary folder.
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    vastrel::platform::Beeper::setSound([] {});
}

void TestBrowsingSession::perform(BrowsingSession& session, Collection& c, RecordingOpener& opener,
                                  const QString& gesture)
{
    const QStringList w = gesture.split(u' ');
    const List list = w.value(1) == "albums" ? List::Albums : List::Tracks;
    if (w[0] == "album" || w[0] == "track") {
        vastrel::platform::Modifiers modifiers;
        for (const QString& word : w.mid(2))
            modifiers |= modifierNamed(word);
        session.recordModifiers(modifiers);
        CheckListModel& rows = w[0] == "album" ? session.albums() : session.tracks();
        const int row = w[1].toInt();
        rows.setChecked(row, !rows.isChecked(row));
    } else if (w[0] == "all") {
        session.selectAll(list);
    } else if (w[0] == "mode") {
        session.switchSelectMode(list);
    } else if (w[0] == "invert") {
        session.invert(list);
    } else if (w[0] == "az") {
        session.setAlphabetical(w[1] == "on");
        session.chkOrdinaAZ_Click();
    } else if (w[0] == "filter") {
        session.setShowFilter(vastrel::catalogue::showFilterAt(w[1].toInt()));
    } else if (w[0] == "titles") {
        session.searchTitles(w[1]);
    } else if (w[0] == "play") {
        session.cmdSuona_Click();
    } else if (w[0] == "write") {
        c.file(gesture.section(u' ', 1));
    } else if (w[0] == "remove") {
        QVERIFY(QFile::remove(c.path(gesture.section(u' ', 1))));
    } else if (w[0] == "refresh") {
        session.Aggiorna();
    } else if (w[0] == "picture") {
        session.pictures().setCurrentRow(w[1].toInt());
        session.MostraImmagine();
    } else if (w[0] == "slow") {
        // Every gesture counts as a long one.
        session.setProgressDelay(std::chrono::milliseconds(0));
    } else if (w[0] == "failing-opener") {
        opener.succeed = false;
    } else {
        QFAIL(qPrintable("unknown gesture: " + gesture));
    }
}

// What a user would read, one aspect at a time: marked rows carry a "*".
QString TestBrowsingSession::describe(BrowsingSession& session, const QString& key,
                                      const Collection& c, const RecordingOpener& opener) const
{
    const vastrel::browser::MainView& v = session.mainView();
    auto marks = [](const CheckListModel& rows) {
        QStringList out;
        for (int i = 0; i < rows.count(); ++i)
            out.append((rows.isChecked(i) ? "*" : "") + rows.row(i).title());
        return out.join(", ");
    };
    auto on = [&v](Command command, const char* name) {
        return v.command(command).enabled ? QString::fromLatin1(name) : QStringLiteral("-");
    };
    auto mode = [](SelectMode m) {
        return m == SelectMode::Select ? QStringLiteral("select") : QStringLiteral("deselect");
    };
    if (key == "albums")
        return marks(session.albums());
    if (key == "tracks")
        return marks(session.tracks());
    if (key == "pictures")
        return marks(session.pictures()) + " @" + QString::number(session.pictures().currentRow());
    if (key == "pane")
        return QString(v.pane).replace(QStringLiteral("\r\n"), QStringLiteral("|"));
    if (key == "captions")
        return QStringList{v.albumsCaption, v.tracksCaption, v.paneHeading, v.picturesCaption}.join(
            " / ");
    if (key == "modes")
        return mode(v.albumsMode) + u' ' + mode(v.tracksMode);
    if (key == "commands")
        return QStringList{on(Command::SelectAllAlbums, "albums"),
                           on(Command::SelectAllTracks, "tracks"),
                           on(Command::SearchTitles, "titles"), on(Command::Play, "play")}
            .join(u' ');
    if (key == "placeholder") // its second line: the folder searched
        return v.albumsPlaceholder.isEmpty()
                   ? "none"
                   : v.albumsPlaceholder.section('\n', 1, 1).replace(c.root(), "<root>/");
    if (key == "wrap")
        return v.paneWraps ? QStringLiteral("yes") : QStringLiteral("no");
    if (key == "search tip")
        return v.textSearchTooltip;
    if (key == "picture")
        return v.picture.isNull() ? QStringLiteral("none") : v.pictureTitle;
    if (key == "played") {
        // The playlist file's bytes as the player got them, paths relative to the root.
        QStringList out;
        for (const QByteArray& bytes : opener.contents)
            out.append(QString::fromUtf8(bytes)
                           .replace(c.root(), QString())
                           .replace(QStringLiteral("\r\n"), QStringLiteral("|")));
        return out.join(" + ");
    }
    if (key == "beeps")
        return QString::number(vastrel::platform::Beeper::count());
    if (key == "progress")
        return m_progress.join(", ");
    return "unknown key " + key;
}

void TestBrowsingSession::gestures_data()
{
    QTest::addColumn<QStringList>("gestures");
    QTest::addColumn<QStringList>("expected"); // "key: value", each compared with describe()

    const QString alba = QStringLiteral("[1979] Alba/Brani/");
    QTest::newRow("start: every album listed, none checked, introduction")
        << QStringList{}
        << QStringList{"albums: [1979] Alba, [1983] Terra, [1990] Zeta", "pane: Intro|",
                       "captions: &Album Selezionati: 0 (su 3) / &Brani Selezionati: 0 (su 0)  "
                       "[0:00:00] / No&te Introduttive: / ",
                       "commands: albums - - -", "search tip:  Cerca tra le Note Introduttive "};
    QTest::newRow("a checked album lists its tracks and shows its notes and first picture")
        << QStringList{"album 0"}
        << QStringList{"albums: *[1979] Alba, [1983] Terra, [1990] Zeta",
                       "tracks: 01 - Uno  [1979], 02 - Due  [1979]",
                       "pane: [1979]|Nota Alba|",
                       "captions: &Album Selezionati: 1 (su 3) / &Brani Selezionati: 0 (su 2)  "
                       "[0:00:00] / No&te degli Album Selezionati: / &Immagine N.1 (su 2)",
                       "pictures: [1979]  a, [1979]  b @0",
                       "picture: [1979]  a",
                       "commands: albums tracks titles -",
                       "wrap: yes"};
    QTest::newRow("a plain click keeps only the clicked album")
        << QStringList{"album 0", "album 1"}
        << QStringList{"albums: [1979] Alba, *[1983] Terra, [1990] Zeta",
                       "tracks: 01 - Sera  [1983] >> [1979]"};
    QTest::newRow("Ctrl adds albums; all checked turns the button to deselect")
        << QStringList{"album 0", "album 1 ctrl", "album 2 ctrl"}
        << QStringList{"albums: *[1979] Alba, *[1983] Terra, *[1990] Zeta",
                       "tracks: 01 - Uno  [1979], 02 - Due  [1979], 01 - Sera  [1983] >> [1979], "
                       "01 - Alba  [1990]",
                       "pictures: [1979]  a, [1979]  b @0", "modes: deselect select"};
    QTest::newRow("tracks: text, side block beside it, blanks-only text, playlist")
        << QStringList{"all albums", "all tracks", "play"}
        << QStringList{"pane: Uno testo|||||Due testo   Re La|||||Sera testo|||||"
                       "01 - Alba  [1990]|Nessun Testo Disponibile.|",
                       "played: " + alba + "01 - Uno.mp3|" + alba + "02 - Due.mp3|" + alba +
                           "01 - Uno.mp3|[1990] Zeta/Brani/01 - Alba.mp3||",
                       "modes: deselect deselect", "commands: albums tracks titles play",
                       "search tip:  Cerca tra i Testi dei Brani Selezionati "};
    QTest::newRow("a plain track click keeps one track; Ctrl adds")
        << QStringList{"album 0", "track 1", "track 0"}
        << QStringList{"tracks: *01 - Uno  [1979], 02 - Due  [1979]", "pane: Uno testo|",
                       "wrap: no"};
    QTest::newRow("Shift on an album checks and plays all its tracks")
        << QStringList{"album 0 shift"}
        << QStringList{"tracks: *01 - Uno  [1979], *02 - Due  [1979]",
                       "played: " + alba + "01 - Uno.mp3|" + alba + "02 - Due.mp3||"};
    QTest::newRow("Shift on a track plays the checked tracks")
        << QStringList{"album 0", "track 0 ctrl", "track 1 shift ctrl"}
        << QStringList{"played: " + alba + "01 - Uno.mp3|" + alba + "02 - Due.mp3||"};
    QTest::newRow("select all twice: every mark, then none, the mode follows")
        << QStringList{"album 0", "all tracks", "all tracks"}
        << QStringList{"tracks: 01 - Uno  [1979], 02 - Due  [1979]", "modes: select select",
                       "pane: [1979]|Nota Alba|"};
    QTest::newRow("the mode moves only to a click that changes something")
        << QStringList{"album 0",     "mode tracks",  "track 0",
                       "mode tracks", "track 1 ctrl", "mode tracks"}
        << QStringList{"modes: select deselect"};
    QTest::newRow("Backspace inverts the marks")
        << QStringList{"album 0", "album 2 ctrl", "invert albums"}
        << QStringList{"albums: [1979] Alba, *[1983] Terra, [1990] Zeta"};
    QTest::newRow("title search checks the matches, unchecks the rest")
        << QStringList{"all albums", "track 0", "titles SER"}
        << QStringList{"tracks: 01 - Uno  [1979], 02 - Due  [1979], *01 - Sera  [1983] >> [1979], "
                       "01 - Alba  [1990]"};
    QTest::newRow("a name that begins with a no-break space keeps it, shown and searched")
        << QStringList{"write [1990] Zeta/Testi/\u00a0Notte.txt", "album 2", "titles \u00a0N"}
        << QStringList{"tracks: 01 - Alba  [1990], *\u00a0Notte  [1990]", "pane: x"};
    QTest::newRow("the order switch: marks follow their tracks")
        << QStringList{"all albums", "track 3 ctrl", "track 1 ctrl", "az on"}
        << QStringList{"tracks: *Alba  [1990], *Due  [1979], Sera  [1983] >> [1979], Uno  [1979]",
                       "beeps: 0"};
    QTest::newRow("the order switch after the folders changed: a beep, no marks carried")
        << QStringList{"all albums", "track 0 ctrl", "write [1990] Zeta/Testi/02 - B.txt", "az on"}
        << QStringList{"beeps: 1", "tracks: Alba  [1990], B  [1990], Due  [1979], "
                                   "Sera  [1983] >> [1979], Uno  [1979]"};
    QTest::newRow("refresh: marks and albums follow the folders by name")
        << QStringList{"album 1", "write [1980] Nuovo/Testi/a.txt", "refresh"}
        << QStringList{"albums: [1979] Alba, [1980] Nuovo, *[1983] Terra, [1990] Zeta",
                       "placeholder: none"};
    QTest::newRow("an empty collection explains itself; the counts stay")
        << QStringList{"root vuota/", "refresh"}
        << QStringList{"albums: ", "placeholder: <root>/vuota/", "commands: - - - -"};
    QTest::newRow("show filter: only duplicates")
        << QStringList{"album 0", "filter 0"}
        << QStringList{"albums: [1983] Terra", "tracks: ", "pane: Intro|"};
    QTest::newRow("show filter: only duplicates, then only originals: the hidden album is back "
                  "unchecked")
        << QStringList{"album 0", "filter 0", "filter 1"}
        << QStringList{"albums: [1979] Alba, [1990] Zeta", "tracks: ", "pane: Intro|"};
    QTest::newRow("originals only: the duplicate's album is not listed")
        << QStringList{"filter 1", "all albums"}
        << QStringList{"albums: *[1979] Alba, *[1990] Zeta"};
    QTest::newRow("a picture that cannot be read beeps and leaves none current")
        << QStringList{"album 0", "picture 1"}
        << QStringList{"beeps: 1", "picture: none", "pictures: [1979]  a, [1979]  b @-1",
                       "captions: &Album Selezionati: 1 (su 3) / &Brani Selezionati: 0 (su 2)  "
                       "[0:00:00] / No&te degli Album Selezionati: / &Immagini Disponibili: 2"};
    QTest::newRow("the picture on show stays current when another album is added")
        << QStringList{"album 0", "album 2 ctrl"}
        << QStringList{"pictures: [1979]  a, [1979]  b @0", "picture: [1979]  a"};
    QTest::newRow("albums without pictures say so")
        << QStringList{"album 1"}
        << QStringList{"captions: &Album Selezionati: 1 (su 3) / &Brani Selezionati: 0 (su 1)  "
                       "[0:00:00] / No&te degli Album Selezionati: / Nessuna Immagine Disponibile"};
    QTest::newRow("a long gesture reports what it reads, then ends the report")
        << QStringList{"slow", "all albums", "refresh"}
        << QStringList{"progress: Album letti: 0 di 3, -, Cartelle lette: 0 di 3, -"};
    QTest::newRow("play with nothing checked beeps and opens nothing")
        << QStringList{"album 0", "play"} << QStringList{"beeps: 1", "played: "};
    QTest::newRow("a marker whose track is gone beeps and plays nothing")
        << QStringList{"album 1", "remove [1979] Alba/Brani/01 - Uno.mp3", "track 0", "play"}
        << QStringList{"beeps: 2", "captions: &Album Selezionati: 1 (su 3) / &Brani Selezionati: "
                                   "1 (su 1)  [0:00:00] / &Testi dei Brani Selezionati: / "
                                   "Nessuna Immagine Disponibile"};
}

void TestBrowsingSession::gestures()
{
    QFETCH(QStringList, gestures);
    QFETCH(QStringList, expected);
    Collection c;
    fill(c);
    ModuleState state = ModuleState::initial(c.root(), QSize(1024, 768));
    state.introNotes = QStringLiteral("Intro\r\n");
    // "root FOLDER" first: the collection is that folder of the temporary one.
    if (!gestures.isEmpty() && gestures.first().startsWith("root "))
        state.collectionRoot = c.root() + gestures.takeFirst().section(u' ', 1);
    RecordingOpener opener;
    BrowsingSession session(state, opener);
    session.openTempFolder();
    session.setShowFilter(vastrel::catalogue::ShowFilter::Everything);
    vastrel::platform::Beeper::resetCount();
    m_progress.clear();
    connect(&session, &BrowsingSession::progress, this, [this](const QString& caption) {
        m_progress.append(caption.isEmpty() ? "-" : caption);
    });
    for (const QString& gesture : gestures) {
        perform(session, c, opener, gesture);
        if (QTest::currentTestFailed())
            return;
    }
    for (const QString& line : expected) {
        const QString key = line.section(QStringLiteral(": "), 0, 0);
        QCOMPARE(key + ": " + describe(session, key, c, opener), line);
    }
    session.cleanUpTempFolder();
}

void TestBrowsingSession::anyPoolSize_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("alphabetical");
    for (int filter : {0, 1, 2}) {
        QTest::addRow("filter %d", filter) << filter << false;
        QTest::addRow("filter %d, alphabetical", filter) << filter << true;
    }
}

// The file work runs in parallel; what the user sees is the same as with one thread.
void TestBrowsingSession::anyPoolSize()
{
    QFETCH(int, filter);
    QFETCH(bool, alphabetical);
    Collection c;
    fillMany(c);
    QStringList seen;
    const int before = vastrel::platform::WorkPool::setThreads(1);
    // 16 threads wait while the pool works, as on a share; as many as the cores work along
    // with the calling thread.
    for (int threads : {1, 16, std::max(2, QThread::idealThreadCount())}) {
        vastrel::platform::WorkPool::setThreads(threads);
        ModuleState state = ModuleState::initial(c.root(), QSize(1024, 768));
        RecordingOpener opener;
        BrowsingSession session(state, opener);
        session.openTempFolder();
        session.setShowFilter(vastrel::catalogue::showFilterAt(filter));
        session.setAlphabetical(alphabetical);
        session.chkOrdinaAZ_Click();
        vastrel::platform::Beeper::resetCount();
        session.selectAll(List::Albums);
        session.selectAll(List::Tracks);
        session.cmdSuona_Click();
        QString all;
        for (const char* key :
             {"albums", "tracks", "pictures", "pane", "captions", "played", "beeps"})
            all += describe(session, key, c, opener) + u'\n';
        seen.append(all);
        session.cleanUpTempFolder();
    }
    vastrel::platform::WorkPool::setThreads(before);
    QVERIFY(seen.at(0).count(u'*') >= 60); // every album and track checked
    QCOMPARE(seen.at(1), seen.at(0));
    QCOMPARE(seen.at(2), seen.at(0));
}

// The window reports the failure; the session says which file could not be opened.
void TestBrowsingSession::openFailure()
{
    Collection c;
    fill(c);
    ModuleState state = ModuleState::initial(c.root(), QSize(1024, 768));
    RecordingOpener opener;
    opener.succeed = false;
    BrowsingSession session(state, opener);
    session.openTempFolder();
    session.setShowFilter(vastrel::catalogue::ShowFilter::Everything);
    QSignalSpy failed(&session, &BrowsingSession::openFailed);
    session.recordModifiers(Modifier::Shift);
    session.albums().setChecked(0, true);
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.at(0).at(0).toString().startsWith(session.tempFolder()));
    session.cleanUpTempFolder();
}

// Find-next in the pane: from the selection on, past a selected match, then from the start.
void TestBrowsingSession::findNext_data()
{
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<int>("found");
    QTest::newRow("from the start, case ignored") << 0 << ""
                                                  << "ALBA" << 0;
    QTest::newRow("a selected match is skipped") << 0 << "Alba"
                                                 << "alba" << 16;
    QTest::newRow("past the last match: from the start again") << 17 << ""
                                                               << "alba" << 0;
    QTest::newRow("a selection that is no match is searched") << 16 << "al"
                                                              << "alba" << 16;
    QTest::newRow("nothing searched finds nothing") << 0 << ""
                                                    << "" << -1;
    QTest::newRow("not there") << 0 << ""
                               << "mare" << -1;
}

void TestBrowsingSession::findNext()
{
    QFETCH(int, selectionStart);
    QFETCH(QString, selected);
    QFETCH(QString, searched);
    QFETCH(int, found);
    const QString text = "Alba sul porto, alba leggera";
    QCOMPARE(vastrel::browser::TextSearch::findNext(text, searched, selectionStart, selected),
             found);
}

// Where the About window's read-me box puts its selection: "anchor-position", or "keeps".
void TestBrowsingSession::readMeCaret_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("first");
    QTest::addColumn<QString>("caret");
    const QString intro = "Introduzione: i brani scelti.\n";
    const QString heading = " --- 6. Tasti" + QString(70, '-') + "\n";
    QTest::newRow("first showing: the heading of the keys") << intro + heading << true << "31-102";
    QTest::newRow("later showings keep the caret") << intro + heading << false << "keeps";
    QTest::newRow("no heading: past the introduction")
        << intro + "altro testo, e altro ancora" << true << "43-43";
    QTest::newRow("past the end of a short text") << intro << true << "30-30";
    QTest::newRow("the notice, at every showing") << "\n ATTENZIONE! \n" << false << "1-14";
    QTest::newRow("a text that begins with the notice") << " ATTENZIONE! \n" << true << "keeps";
    QTest::newRow("neither") << "Vastrel" << true << "keeps";
}

void TestBrowsingSession::readMeCaret()
{
    QFETCH(QString, text);
    QFETCH(bool, first);
    QFETCH(QString, caret);
    const auto placed = vastrel::browser::ReadMeCaret::onShowing(text, first);
    QCOMPARE(placed ? QString("%1-%2").arg(placed->anchor).arg(placed->position) : "keeps", caret);
}

QTEST_GUILESS_MAIN(TestBrowsingSession)
#include "TestBrowsingSession.moc"
