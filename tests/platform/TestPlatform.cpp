#include "platform/DirectoryCache.h"
#include "platform/FileSystem.h"
#include "platform/NativeName.h"
#include "platform/TextDecoder.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"

#include <QStringDecoder>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace vastrel::platform;

namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// The listing of a folder, folders marked with "/".
QStringList listed(const QString& folder)
{
    QStringList out;
    if (const auto listing = FileSystem::listFolder(folder)) {
        for (qsizetype i = 0; i < listing->size(); ++i)
            out.append(listing->name(i).toString() + (listing->isFolder(i) ? "/" : ""));
    }
    return out;
}

// A pattern, a name taken literally (L), or a literal stem with anything after (S).
Wildcard wildcard(const QString& pattern)
{
    if (pattern.startsWith(u"L:") || pattern.startsWith(u"S:"))
        return Wildcard::literal(pattern.mid(2), pattern.startsWith(u'S'));
    return Wildcard(pattern);
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("line ends: LF becomes CR LF, a lone CR stays")
            << QByteArray("\na\r\nb\nc\rd") << QStringLiteral("\r\na\r\nb\r\nc\rd");
        QTest::newRow("utf-8 with BOM") << QByteArray("\xEF\xBB\xBF"
                                                      "ci\xC3\xB2")
                                        << QStringLiteral("ciò");
        QTest::newRow("windows-1252 quotes and euro")
            << QByteArray("\x93"
                          "citt\xE0\x94 \x80 \x85")
            << QStringLiteral("\u201Ccittà\u201D \u20AC \u2026");
        QTest::newRow("unassigned 1252 bytes keep C1 code points")
            << QByteArray("\x81\x8D\x8F\x90\x9D")
            << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("BOM but invalid rest is 1252")
            << QByteArray("\xEF\xBB\xBF\xE0") << QStringLiteral("\u00EF\u00BB\u00BF\u00E0");
        QTest::newRow("truncated utf-8 is 1252")
            << QByteArray("ab\xC3") << QStringLiteral("ab\u00C3");
        QTest::newRow("NUL bytes survive")
            << QByteArray("a\0b", 3) << QStringView(u"a\0b", 3).toString();
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextDecoder::decode(bytes), text);
    }

    void namesGiveTheirBytesBack_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("utf-8") << QByteArray("Citt\xC3\xA0");
        QTest::newRow("latin-1 byte") << QByteArray("Citt\xE0");
        QTest::newRow("lone continuation") << QByteArray("\x80x\xBF");
        QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF");
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80");
    }

    void namesGiveTheirBytesBack()
    {
        QFETCH(QByteArray, bytes);
        const QString name = NativeName::decode(bytes);
        QCOMPARE(NativeName::encode(name), bytes);
        if (TextDecoder::isValidUtf8(bytes))
            QCOMPARE(name, QString::fromUtf8(bytes));
    }

    void wildcards_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");
        auto row = [](const char* name, const char* pattern, const QString& text, bool matches) {
            QTest::newRow(name) << QString::fromUtf8(pattern) << text << matches;
        };
        row("any case", "*.VL", "x.vl", true);
        row("accented letters any case", "*È.txt", "perchè.txt", true);
        row("star dot star takes no extension", "*.*", "LEGGIMI", true);
        row("name dot star takes the bare name", "Canzone.*", "canzone", true);
        row("several patterns", "*.jpg;*.gif", "retro.GIF", true);
        row("star backtracking", "*a*b", "xaxxab", true);
        row("huge name", "*a*a*a*a*a*b", QString(100000, u'a'), false);
        row("literal star", "L:a*b.VL", "axxb.VL", false);
        row("literal star, itself", "L:a*b.VL", "A*B.vl", true);
        row("stem, anything after", "S:05 Canzone.", "05 canzone.mp3", true);
        row("stem, longer name", "S:05 Canzone.", "05 Canzoneb.mp3", false);
    }

    void wildcards()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(wildcard(pattern).matches(name), matches);
    }

    void listings()
    {
        Collection c;
        c.file("b.txt").file("B.txt").file("a.txt").file("_x").file("Z").file(".nascosto");
        c.folder("[1979] X").folder(".cartella");
        QVERIFY(::mkfifo(native(c.path("tubo.txt")), 0644) == 0);
        QVERIFY(::symlink("/nowhere/at/all", native(c.path("rotto.txt"))) == 0);
        QVERIFY(::symlink("Z", native(c.path("link"))) == 0);
        QVERIFY(::symlink("[1979] X", native(c.path("linkdir"))) == 0);
        c.rawFile("Citt\xE0", "contenuto");
        // Upper-cased names in binary order, as NTFS keeps them: "[" and "_" after "Z";
        // hidden names, FIFOs and broken links are left out.
        QCOMPARE(listed(c.root()),
                 QStringList({"a.txt", "B.txt", "b.txt", NativeName::decode("Citt\xE0"), "link",
                              "linkdir/", "Z", "[1979] X/", "_x"}));
        const QString notUtf8 = c.root() + NativeName::decode("Citt\xE0");
        QCOMPARE(FileSystem::readFile(notUtf8, 100).data, QByteArray("contenuto"));
        QVERIFY(!FileSystem::listFolder(c.path("manca")));
        QVERIFY(!FileSystem::listFolder(c.path("b.txt")));
        ::chmod(native(c.path("[1979] X")), 0);
        const QString closed = c.path("[1979] X");
        QVERIFY(asOtherUser([&] { return !FileSystem::listFolder(closed); }));
    }

    void onlyRegularFilesAreOpened()
    {
        Collection c;
        c.folder("cartella").file("chiuso", "segreto");
        QVERIFY(::mkfifo(native(c.path("tubo")), 0644) == 0);
        // A FIFO without a writer would block an ordinary open for ever.
        for (const QString& path :
             {c.path("tubo"), c.path("cartella"), QStringLiteral("/dev/zero")}) {
            QVERIFY(!FileSystem::readFile(path, 100).ok());
            QVERIFY(!FileSystem::readFirstLine(path, 100).ok());
            QVERIFY(!FileSystem::fileSize(path));
        }
        QCOMPARE(FileSystem::kind(c.path("tubo")), EntryKind::Other);
        QCOMPARE(FileSystem::kind(c.path("manca")), EntryKind::Missing);
        ::chmod(native(c.path("chiuso")), 0);
        const QString closed = c.path("chiuso");
        QVERIFY(asOtherUser([&] {
            const ReadResult r = FileSystem::readFile(closed, 100);
            return !r.ok() && r.data.isEmpty() && r.error == EACCES;
        }));
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QByteArray>("whole");
        QTest::addColumn<QByteArray>("firstLine");
        QTest::newRow("CR LF") << QByteArray("uno\r\ndue\r\n") << 100
                               << QByteArray("uno\r\ndue\r\n") << QByteArray("uno");
        QTest::newRow("lone CR") << QByteArray("uno\rdue") << 100 << QByteArray("uno\rdue")
                                 << QByteArray("uno");
        QTest::newRow("a line across the read chunks")
            << QByteArray(70000, 'a') + "\r\n"
            << (1 << 20) << QByteArray(70000, 'a') + "\r\n"
            << QByteArray(70000, 'a');
        QTest::newRow("cut at the limit")
            << QByteArray(200000, 'x') << 70000 << QByteArray(70000, 'x') << QByteArray(70000, 'x');
    }

    void reads()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, limit);
        QFETCH(QByteArray, whole);
        QFETCH(QByteArray, firstLine);
        Collection c;
        c.file("f", content);
        QCOMPARE(FileSystem::readFile(c.path("f"), limit).data, whole);
        QCOMPARE(FileSystem::readFirstLine(c.path("f"), limit).data, firstLine);
        QCOMPARE(FileSystem::fileSize(c.path("f")).value_or(-1), qint64(content.size()));
    }

    void resolvesWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("real");
        auto row = [](const char* name, const char* asked, const char* real) {
            QTest::newRow(name) << QString::fromUtf8(asked) << QString::fromUtf8(real);
        };
        row("other case", "[1979] ALBUM/brani/CANZONE.MP3", "[1979] Album/Brani/Canzone.mp3");
        row("accented letters", "[1979] Album/Brani/PERCHÈ.MP3", "[1979] Album/Brani/perchè.mp3");
        row("exact spelling wins", "[1979] Album/testi", "[1979] Album/testi");
        row("otherwise the first in order", "[1979] Album/TeStI", "[1979] Album/TESTI");
        row("hidden names are not found by case", "[1979] Album/Brani/.NASCOSTO", "");
        row("missing component", "[1980] Album/Brani/Canzone.mp3", "");
        row("a file taken as a folder", "[1979] Album/Brani/Canzone.mp3/oltre", "");
    }

    void resolvesWithoutRegardToCase()
    {
        QFETCH(QString, asked);
        QFETCH(QString, real);
        Collection c;
        c.album("[1979] Album").track("Canzone.mp3").track("perchè.mp3").track(".Nascosto");
        c.folder("[1979] Album/TESTI").folder("[1979] Album/testi");
        DirectoryCache cache;
        cache.list(c.path("[1979] Album/Brani"));
        QCOMPARE(cache.resolve(c.path(asked)).value_or(QString()),
                 real.isEmpty() ? real : c.path(real));
    }

    // A folder asked for as "Brani" but spelled "BRANI" is listed once under both
    // spellings; a name found in it must be joined to the real one.
    void resolvesInAFolderListedUnderAnotherSpelling()
    {
        Collection c;
        c.file("[1979] Album/BRANI/Canzone.VL").file("[1979] Album/BRANI/Canzone.mp3");
        DirectoryCache cache;
        QVERIFY(cache.list(c.path("[1979] Album/Brani")));
        QVERIFY(cache.list(c.path("[1979] Album/brani")));
        QCOMPARE(cache.resolve(c.path("[1979] Album/Brani/canzone.vl")),
                 c.path("[1979] Album/BRANI/Canzone.VL"));
        QCOMPARE(cache.fileNames(c.path("[1979] Album/Brani"), Wildcard(u"*.mp3")),
                 QStringList{"Canzone.mp3"});
    }

    // Lookups narrow the sorted listing down to the names that can match; they must find
    // exactly what going through the whole listing finds, in the same order.
    void narrowedLookupsFindWhatAFullScanFinds_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* p : {"canzone.*", "CANZONE.", "Canzone.mp3", "can*", "c?nzone.*", "é.*",
                              "*", "a*b.*", "canzone.mp3;*.VL", "canzone..*"}) {
            QTest::newRow(p) << QString::fromUtf8(p);
            QTest::addRow("literal %s", p) << "S:" + QString::fromUtf8(p);
        }
    }

    void narrowedLookupsFindWhatAFullScanFinds()
    {
        QFETCH(QString, text);
        const Wildcard pattern = wildcard(text);
        Collection c;
        for (const char* name : {"canzone", "Canzone.mp3", "CANZONE.VL", "canzone.", "canzone..x",
                                 "canzonetta.mp3", "can*.mp3", "c?nzone.wav", "cb.mp3", "É.mp3",
                                 "é", "a*b.txt", "ab.txt", "z", "[canzone].mp3"})
            c.file(QStringLiteral("x/") + QString::fromUtf8(name));
        c.folder("x/canzone.d");
        for (int i = 0; i < 300; ++i)
            c.file(QStringLiteral("x/%1.txt").arg(i, 4, 10, QLatin1Char('0')));
        QStringList all;
        for (const QString& name : DirectoryCache().fileNames(c.path("x"), Wildcard(u"*")))
            if (pattern.matches(name))
                all.append(name);
        DirectoryCache cache;
        QCOMPARE(cache.fileNames(c.path("x"), pattern), all);
        QCOMPARE(cache.firstFileName(c.path("x"), pattern),
                 all.isEmpty() ? std::nullopt : std::optional(all.first()));
        QCOMPARE(cache.folderNames(c.path("x")), QStringList{"canzone.d"});
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "TestPlatform.moc"
