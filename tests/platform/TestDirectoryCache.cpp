#include "platform/DirectoryCache.h"
#include "support/Collection.h"

#include <QTest>

using vastrel::platform::DirectoryCache;
using vastrel::platform::Wildcard;

class TestDirectoryCache : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void resolvesEachComponentWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("real");
        QTest::newRow("exact") << "[1979] Album/Brani/Canzone.mp3"
                               << "[1979] Album/Brani/Canzone.mp3";
        QTest::newRow("all lower") << "[1979] album/brani/canzone.mp3"
                                   << "[1979] Album/Brani/Canzone.mp3";
        QTest::newRow("all upper") << "[1979] ALBUM/BRANI/CANZONE.MP3"
                                   << "[1979] Album/Brani/Canzone.mp3";
        QTest::newRow("exact spelling wins over the first in order") << "[1979] Album/testi"
                                                                     << "[1979] Album/testi";
        QTest::newRow("otherwise the first in order") << "[1979] Album/TeStI"
                                                      << "[1979] Album/TESTI";
        QTest::newRow("accented letters") << "[1979] Album/Brani/PERCHÈ.MP3"
                                          << "[1979] Album/Brani/perchè.mp3";
    }

    void resolvesEachComponentWithoutRegardToCase()
    {
        QFETCH(QString, asked);
        QFETCH(QString, real);
        Collection c;
        c.album("[1979] Album").track("Canzone.mp3").track("perchè.mp3");
        c.folder("[1979] Album/TESTI").folder("[1979] Album/testi");
        DirectoryCache cache;
        QCOMPARE(cache.resolve(c.path(asked)), c.path(real));
    }

    void missingComponentResolvesToNothing()
    {
        Collection c;
        c.album("[1979] Album").track("Canzone.mp3");
        DirectoryCache cache;
        QVERIFY(!cache.resolve(c.path("[1979] Album/Brani/Altra.mp3")));
        QVERIFY(!cache.resolve(c.path("[1980] Album/Brani/Canzone.mp3")));
        QVERIFY(!cache.resolve(c.path("[1979] Album/Brani/Canzone.mp3/oltre")));
    }

    void hiddenEntriesAreNotFoundByCase()
    {
        Collection c;
        c.file("[1979] A/Brani/.Nascosto.VL");
        DirectoryCache cache;
        cache.list(c.path("[1979] A/Brani"));
        QVERIFY(!cache.resolve(c.path("[1979] A/Brani/.nascosto.vl")));
    }

    void listsAFolderOnlyOnce()
    {
        Collection c;
        c.album("[1979] Album").track("a.mp3").track("b.VL").text("a.txt");
        DirectoryCache cache;
        const QString brani = c.path("[1979] Album/Brani");
        QVERIFY(cache.hasFile(brani, Wildcard(u"*.VL")));
        QCOMPARE(cache.fileNames(brani, Wildcard(u"*.*")), QStringList({"a.mp3", "b.VL"}));
        QVERIFY(cache.resolve(brani + "/A.MP3"));
        QVERIFY(!cache.resolve(brani + "/c.VL"));
        QCOMPARE(cache.listingsMade(), 1);
        // Another spelling is tried as written, then found through its parent (listed once).
        QVERIFY(cache.list(c.path("[1979] Album/BRANI")));
        QVERIFY(cache.list(c.path("[1979] Album/brani")));
        QCOMPARE(cache.listingsMade(), 4);
    }

    void resolvesInAFolderListedUnderAnotherSpelling()
    {
        Collection c;
        c.file("[1979] Album/BRANI/Canzone.VL");
        DirectoryCache cache;
        QVERIFY(cache.list(c.path("[1979] Album/Brani")));
        QCOMPARE(cache.resolve(c.path("[1979] Album/Brani/canzone.vl")),
                 c.path("[1979] Album/BRANI/Canzone.VL"));
    }

    void seesNewFilesOnlyInANewCache()
    {
        Collection c;
        c.album("[1979] Album").text("a.txt");
        const QString testi = c.path("[1979] Album/Testi");
        DirectoryCache first;
        QCOMPARE(first.fileNames(testi, Wildcard(u"*.txt")).size(), 1);
        c.text("b.txt");
        QCOMPARE(first.fileNames(testi, Wildcard(u"*.txt")).size(), 1);
        DirectoryCache second;
        QCOMPARE(second.fileNames(testi, Wildcard(u"*.txt")).size(), 2);
    }

    void folderNamesAndFileNamesKeepTheirKinds()
    {
        Collection c;
        c.file("x/a.txt").folder("x/b.txt").folder("x/Sub");
        DirectoryCache cache;
        QCOMPARE(cache.fileNames(c.path("x"), Wildcard(u"*.txt")), QStringList({"a.txt"}));
        QCOMPARE(cache.folderNames(c.path("x")), QStringList({"b.txt", "Sub"}));
    }

    // Lookups narrow the listing down to the names that can match; they must find exactly
    // what going through the whole listing finds, in the same order.
    void narrowedLookupsFindWhatAFullScanFinds_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("literal");
        for (const char* p :
             {"canzone.*", "CANZONE.", "canzone", "Canzone.mp3", "can*", "c?nzone.*", "*.mp3",
              "é.*", "*", "a*b.*", "canzone.mp3;*.VL", "canzone..*"}) {
            QTest::newRow(p) << QString::fromUtf8(p) << false;
            QTest::newRow(QByteArray("literal ").append(p).constData())
                << QString::fromUtf8(p) << true;
        }
    }

    void narrowedLookupsFindWhatAFullScanFinds()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, literal);
        Collection c;
        for (const char* name : {"canzone", "Canzone.mp3", "CANZONE.VL", "canzone.", "canzone..x",
                                 "canzonetta.mp3", "can*.mp3", "c?nzone.wav", "cb.mp3", "bz.mp3",
                                 "É.mp3", "é", "a*b.txt", "ab.txt", "z", "[canzone].mp3"})
            c.file(QStringLiteral("x/") + QString::fromUtf8(name));
        c.folder("x/canzone.d");
        const Wildcard w = literal ? Wildcard::literal(pattern, true) : Wildcard(pattern);
        QStringList all;
        for (const QString& name : DirectoryCache().fileNames(c.path("x"), Wildcard(u"*")))
            if (w.matches(name))
                all.append(name);
        DirectoryCache cache;
        QCOMPARE(cache.fileNames(c.path("x"), w), all);
        QCOMPARE(cache.firstFileName(c.path("x"), w),
                 all.isEmpty() ? std::nullopt : std::optional(all.first()));
    }

    void findsANameWhateverItsCaseInAHugeFolder()
    {
        Collection c;
        for (int i = 0; i < 3000; ++i)
            c.file(QStringLiteral("x/%1.txt").arg(i, 4, 10, QLatin1Char('0')));
        c.file("x/Finale.TXT").file("x/finale.txt");
        DirectoryCache cache;
        QCOMPARE(cache.resolve(c.path("x/FINALE.txt")), c.path("x/Finale.TXT"));
        QCOMPARE(cache.resolve(c.path("x/finale.txt")), c.path("x/finale.txt"));
        QCOMPARE(cache.resolve(c.path("x/2999.TXT")), c.path("x/2999.txt"));
        QCOMPARE(cache.resolve(c.path("x/0000.txt")), c.path("x/0000.txt"));
        QVERIFY(!cache.resolve(c.path("x/3000.txt")));
    }
};

QTEST_GUILESS_MAIN(TestDirectoryCache)
#include "TestDirectoryCache.moc"
