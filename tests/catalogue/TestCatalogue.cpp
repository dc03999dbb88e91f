#include "catalogue/AlbumScan.h"
#include "catalogue/BracketTag.h"
#include "catalogue/Collation.h"
#include "catalogue/SortTitle.h"
#include "catalogue/TrackFilter.h"
#include "platform/DirectoryCache.h"
#include "support/Collection.h"
#include "support/TreeSnapshot.h"

#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace vastrel::catalogue;
using vastrel::platform::DirectoryCache;

namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

QStringList scan(const QString& root, int filter)
{
    DirectoryCache cache;
    return AlbumScan::albumNames(root, vastrel::catalogue::showFilterAt(filter), cache);
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bracketTags_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("albumFolder");
        auto row = [](const char* name, const char* tag, bool albumFolder) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(tag) << albumFolder;
        };
        row("[1979] Titolo", "[1979]", true);
        row("[Live12] Concerto", "", false);
        row("[] Vuoto", "", false);
        row("[]x] Prova", "", true);
        row(" [1979] X", "", false);
        row("[1979] A\\Brani\\x.mp3", "[1979]", true);
    }

    void bracketTags()
    {
        QFETCH(QString, name);
        QFETCH(QString, tag);
        QFETCH(bool, albumFolder);
        QCOMPARE(BracketTag::of(name), tag);
        QCOMPARE(BracketTag::isAlbumFolderName(name), albumFolder);
    }

    void collation_data()
    {
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("accents sort with their letter")
            << QStringList{"Citta", "Città", "Cittadella", "perche", "perché", "Perchè bis"};
        QTest::newRow("a blank before every letter") << QStringList{"Alfa", "Alfa B", "AlfaB"};
        QTest::newRow("case only breaks ties") << QStringList{"ABC", "abc", "abd"};
        QTest::newRow("punctuation, digits, letters")
            << QStringList{"[1979] X", "~a", "«a", "—a", "1979 X", "a", "z", "α", "ω", "я"};
        QTest::newRow("alike for more than eight characters")
            << QStringList{"Album numero 10", "Album numero 9", "album numero 9", "Album numerò 9"};
    }

    // Sorting a list gives the order of the comparison, from any order.
    void collation()
    {
        QFETCH(QStringList, sorted);
        QStringList shuffled(sorted.crbegin(), sorted.crend());
        QStringList keyed = shuffled;
        std::sort(shuffled.begin(), shuffled.end(),
                  [](const QString& a, const QString& b) { return Collation::less(a, b); });
        QCOMPARE(shuffled, sorted);
        Collation::sort(keyed);
        QCOMPARE(keyed, sorted);
        Collation::sort(keyed);
        QCOMPARE(keyed, sorted);
    }

    // Equal titles fall back to the row paths; trailing blanks of a title are padding.
    void rowsCompareAsTheirWholeTexts()
    {
        QVERIFY(Collation::less(ListRow({u"alba  [1979]"}, {u"[1979] A/Testi/x.txt"}),
                                ListRow({u"Alba  [1979]"}, {u"[1979] B/Testi/x.txt"})));
        QVERIFY(Collation::less(ListRow({u"Alba  "}, {u"p/1"}), ListRow({u"Alba"}, {u"p/2"})));
        QVERIFY(ListRow({u"Alba  "}, {u"p"}) == ListRow({u"Alba"}, {u"p"}));
    }

    void sortTitles_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("sortTitle");
        auto row = [](const char* title, const char* sortTitle) {
            QTest::newRow(title) << QString::fromUtf8(title) << QString::fromUtf8(sortTitle);
        };
        row("07 - Titolo", "Titolo");
        row("7 - Titolo", "7 - Titolo");
        row("[A1]   Titolo  ", "Titolo");
        row("[123456] Titolo", "[123456] Titolo");
        row("01 -  ", "");
        row(" 1 - X", "X");
        row(".5 - X", "X");
        row("０７ - X", "０７ - X");
        row("07- |Titolo", "Titolo");
    }

    void sortTitles()
    {
        QFETCH(QString, title);
        QFETCH(QString, sortTitle);
        QCOMPARE(SortTitle::of(title).toString(), sortTitle);
    }

    // Brani holds these files; a marker's content is marker. The track is shown under
    // filter 0 (duplicates), 1 (originals) or 2 (all), with the marker's album tag.
    void trackFilter_data()
    {
        QTest::addColumn<QStringList>("brani");
        QTest::addColumn<QByteArray>("marker");
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("tag");
        const QByteArray line = "[1979] Altro Album\\Brani\\05 Canzone.mp3\r\n";
        const QStringList vl{"05 Canzone.VL"};
        QTest::newRow("0: marker in lower case")
            << QStringList{"05 canzone.vl"} << line << 0 << true << "[1979]";
        QTest::newRow("1: marker listed first")
            << QStringList{"05 Canzone.wav", "05 Canzone.VL"} << line << 1 << false << "";
        QTest::newRow("leading backslash gives no tag")
            << vl << QByteArray("\\[1979] A\\Brani\\x.mp3") << 2 << true << "";
    }

    void trackFilter()
    {
        QFETCH(QStringList, brani);
        QFETCH(QByteArray, marker);
        QFETCH(int, filter);
        QFETCH(bool, shown);
        QFETCH(QString, tag);
        Collection c;
        c.album("[1983] Album").text("05 Canzone.txt").folder("[1983] Album/Brani");
        for (const QString& f : brani)
            c.track(f, f.endsWith("VL", Qt::CaseInsensitive) ? marker : QByteArray("x"));
        DirectoryCache cache;
        const auto r =
            TrackFilter::test(TrackFilter::brani(c.path("[1983] Album/Brani"), cache),
                              u"05 Canzone.txt", vastrel::catalogue::showFilterAt(filter), cache);
        QCOMPARE(r.shown, shown);
        QCOMPARE(r.markerTag, tag);
    }

    // Among markers whose names differ in letter case only, the one spelled as the text file
    // is read, else the first in listing order.
    void markerSpelling()
    {
        Collection c;
        c.album("[1983] Album").text("05 Canzone.txt");
        c.track("05 canzone.VL", "[1111] A\\Brani\\x.mp3")
            .track("05 CANZONE.vl", "[2222] B\\Brani\\x.mp3");
        const QString brani = c.path("[1983] Album/Brani");
        DirectoryCache cache;
        QCOMPARE(TrackFilter::test(TrackFilter::brani(brani, cache), u"05 Canzone.txt",
                                   vastrel::catalogue::ShowFilter::Everything, cache)
                     .markerTag,
                 "[2222]");
        c.track("05 Canzone.VL", "[3333] C\\Brani\\x.mp3");
        DirectoryCache again;
        QCOMPARE(TrackFilter::test(TrackFilter::brani(brani, again), u"05 Canzone.txt",
                                   vastrel::catalogue::ShowFilter::Everything, again)
                     .markerTag,
                 "[3333]");
    }

    void albumFilters_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("albums");
        const QStringList all{"[1979] Dup",     "[1980] Orig",      "[1981] Both",
                              "[1982] NoBrani", "[1987] minuscolo", "[1990] SoloCartella",
                              "[1993] Link",    "[Varie]",          "[]x] Prova"};
        QTest::newRow("0: duplicates")
            << 0 << QStringList{"[1979] Dup", "[1981] Both", "[1993] Link"};
        QTest::newRow("1: originals")
            << 1 << QStringList{"[1980] Orig", "[1981] Both", "[1987] minuscolo"};
        QTest::newRow("2: everything") << 2 << all;
        QTest::newRow("no selection: everything") << -1 << all;
    }

    void albumFilters()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, albums);
        Collection c;
        c.album("[1979] Dup").text("a.txt").marker("a.vl", "[1980] Orig\\Brani\\a.mp3");
        c.album("[1980] Orig").text("a.txt").track("a.mp3");
        c.album("[1981] Both").text("a.txt").track("a.mp3").marker("b.VL", "x");
        c.album("[1982] NoBrani").text("a.txt");
        c.album("[1984] TestiVuota").folder("[1984] TestiVuota/Testi").track("a.mp3");
        c.album("[1985] SenzaTesti").track("a.mp3");
        c.album("[Collezione completa]").text("a.txt").track("a.mp3");
        c.album("[]x] Prova").text("a.txt");
        c.album("Senza Tag").text("a.txt");
        c.file("[1986] TestiFile/Testi", "non una cartella")
            .album("[1986] TestiFile")
            .track("a.mp3");
        c.file("[1987] minuscolo/testi/X.TXT").file("[1987] minuscolo/brani/y.MP3");
        c.file("[1988] Nascosto/Testi/.a.txt");
        c.file("[1989] Fifo/Testi/nota").folder("[1989] Fifo/Testi/cartella.txt");
        QVERIFY(::mkfifo(native(c.path("[1989] Fifo/Testi/a.txt")), 0644) == 0);
        c.file("[1990] SoloCartella/Testi/a.txt").folder("[1990] SoloCartella/Brani/x.mp3");
        c.file("[Varie]/Testi/x.txt").file("[1995] file.txt");
        QVERIFY(::symlink(native(c.path("[1979] Dup")), native(c.path("[1993] Link"))) == 0);
        QVERIFY(::symlink("/nowhere", native(c.path("[1994] Rotto"))) == 0);
        const QByteArrayList before = TreeSnapshot::take(c.root());
        QCOMPARE(scan(c.root(), filter), albums);
        QCOMPARE(TreeSnapshot::take(c.root()), before);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "TestCatalogue.moc"
