#include "catalogue/AlbumScan.h"
#include "platform/DirectoryCache.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"

#include <QFile>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using vastrel::catalogue::AlbumScan;
using vastrel::platform::DirectoryCache;

namespace {

QStringList scan(const QString& root, int filter)
{
    DirectoryCache cache;
    return AlbumScan::albumNames(root, filter, cache);
}

// Every shape of folder the root of a real collection may hold.
void buildMixedCollection(Collection& c)
{
    c.album("[1979] Dup").text("a.txt").marker("a.vl", "[1980] Orig\\Brani\\a.mp3");
    c.album("[1980] Orig").text("a.txt").track("a.mp3");
    c.album("[1981] Both").text("a.txt").track("a.mp3").marker("b.VL", "x");
    c.album("[1982] NoBrani").text("a.txt");
    c.album("[1983] SoloNota").text("Nota.txt");
    c.album("[1984] TestiVuota").folder("[1984] TestiVuota/Testi").track("a.mp3");
    c.album("[1985] SenzaTesti").track("a.mp3");
    c.album("[Collezione completa]").text("a.txt").track("a.mp3");
    c.album("[]x] Prova").text("a.txt");
    c.album("Senza Tag").text("a.txt");
    c.file("[1986] TestiFile/Testi", "non una cartella").album("[1986] TestiFile").track("a.mp3");
    c.file("[1987] minuscolo/testi/X.TXT").file("[1987] minuscolo/brani/y.MP3");
    c.file("[1988] Nascosto/Testi/.a.txt");
    c.file("[1989] Fifo/Testi/nota").folder("[1989] Fifo/Testi/cartella.txt");
    ::mkfifo(QFile::encodeName(c.path("[1989] Fifo/Testi/a.txt")).constData(), 0644);
    c.file("[1992] Maiuscolo/TESTI/a.txt").file("[1992] Maiuscolo/BRANI/X.VL");
    c.file("[Varie]/Testi/x.txt").file("[Varie]/Vastrel.jpg");
    c.file(".[1991] Nascosta/Testi/a.txt");
    c.file("[1990] OnlyFolderInBrani/Testi/a.txt").folder("[1990] OnlyFolderInBrani/Brani/x.mp3");
    ::symlink(QFile::encodeName(c.path("[1979] Dup")).constData(),
              QFile::encodeName(c.path("[1993] Link")).constData());
    ::symlink("/nowhere", QFile::encodeName(c.path("[1994] Rotto")).constData());
    c.file("[1995] file.txt");
}

} // namespace

class TestAlbumScan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filters_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("albums");
        QTest::newRow("0: duplicates")
            << 0 << QStringList{"[1979] Dup", "[1981] Both", "[1992] Maiuscolo", "[1993] Link"};
        QTest::newRow("1: originals")
            << 1 << QStringList{"[1980] Orig", "[1981] Both", "[1987] minuscolo"};
        QTest::newRow("2: everything") << 2
                                       << QStringList{"[1979] Dup",
                                                      "[1980] Orig",
                                                      "[1981] Both",
                                                      "[1982] NoBrani",
                                                      "[1983] SoloNota",
                                                      "[1987] minuscolo",
                                                      "[1990] OnlyFolderInBrani",
                                                      "[1992] Maiuscolo",
                                                      "[1993] Link",
                                                      "[Varie]",
                                                      "[]x] Prova"};
        QTest::newRow("no selection: everything") << -1
                                                  << QStringList{"[1979] Dup",
                                                                 "[1980] Orig",
                                                                 "[1981] Both",
                                                                 "[1982] NoBrani",
                                                                 "[1983] SoloNota",
                                                                 "[1987] minuscolo",
                                                                 "[1990] OnlyFolderInBrani",
                                                                 "[1992] Maiuscolo",
                                                                 "[1993] Link",
                                                                 "[Varie]",
                                                                 "[]x] Prova"};
    }

    void filters()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, albums);
        Collection c;
        buildMixedCollection(c);
        const QByteArray before = c.fingerprint();
        QCOMPARE(scan(c.root(), filter), albums);
        QCOMPARE(c.fingerprint(), before);
    }

    void originalsCountEveryFileThatIsNoMarker_data()
    {
        QTest::addColumn<QStringList>("brani");
        QTest::addColumn<bool>("listed");
        QTest::newRow("only markers") << QStringList{"a.VL", "b.vl", "c.Vl"} << false;
        QTest::newRow("marker and a text") << QStringList{"a.VL", "leggimi.txt"} << true;
        QTest::newRow("name without extension") << QStringList{"a.VL", "LEGGIMI"} << true;
        QTest::newRow("two-letter name") << QStringList{"VL"} << true;
        QTest::newRow("nothing") << QStringList{} << false;
    }

    void originalsCountEveryFileThatIsNoMarker()
    {
        QFETCH(QStringList, brani);
        QFETCH(bool, listed);
        Collection c;
        c.album("[1979] A").text("a.txt").folder("[1979] A/Brani");
        for (const QString& f : brani)
            c.track(f);
        QCOMPARE(scan(c.root(), 1).size(), listed ? 1 : 0);
    }

    void rootThatCannotBeListedGivesNoAlbums()
    {
        Collection c;
        c.file("file", "x");
        QVERIFY(scan(c.path("manca/"), 2).isEmpty());
        QVERIFY(scan(c.path("file/"), 2).isEmpty());
    }

    void unreadableFoldersAreSkipped()
    {
        Collection c;
        c.album("[1979] Aperto").text("a.txt");
        c.album("[1980] Chiuso").text("a.txt").track("a.mp3");
        c.album("[1981] BraniChiusi").text("a.txt").track("a.mp3");
        ::chmod(QFile::encodeName(c.path("[1980] Chiuso/Testi")).constData(), 0);
        ::chmod(QFile::encodeName(c.path("[1981] BraniChiusi/Brani")).constData(), 0);
        const QString root = c.root();
        QVERIFY(asOtherUser([&] {
            return scan(root, 2) == QStringList{"[1979] Aperto", "[1981] BraniChiusi"} &&
                   scan(root, 1).isEmpty();
        }));
    }

    void aRefreshListsEachFolderOnce()
    {
        Collection c;
        for (int i = 0; i < 20; ++i) {
            c.album(QString("[%1] Album").arg(1960 + i)).text("a.txt").text("b.txt");
            c.track("a.mp3").marker("b.VL", "x");
        }
        c.file("[2000] Maiuscole/TESTI/a.txt").file("[2000] Maiuscole/BRANI/a.VL");
        c.file("[2000] Maiuscole/BRANI/a.mp3");
        for (int filter : {0, 1, 2}) {
            DirectoryCache cache;
            const QStringList albums = AlbumScan::albumNames(c.root(), filter, cache);
            QCOMPARE(albums.size(), 21);
            // Root, each Testi, each Brani (filters 0 and 1); the album in upper case costs
            // a failed try of each spelling and one listing of its folder.
            const int expected = 1 + 21 + (filter == 2 ? 0 : 21) + (filter == 2 ? 2 : 3);
            QCOMPARE(cache.listingsMade(), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestAlbumScan)
#include "TestAlbumScan.moc"
