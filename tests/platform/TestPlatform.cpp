#include "platform/DirectoryCache.h"
#include "platform/FileSystem.h"
#include "platform/NativeName.h"
#include "platform/TextDecoder.h"
#include "platform/WindowSystem.h"
#include "platform/WorkPool.h"
#include "support/Collection.h"

#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
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
        for (qsizetype i = 0; i < listing->size(); ++i) {
            if (listing->isVisible(i))
                out.append(listing->name(i).toString() + (listing->isFolder(i) ? "/" : ""));
        }
    }
    return out;
}

// Folders listed as a share that lists names only, while it lives.
class KindsLeftOut
{
public:
    explicit KindsLeftOut(bool leave) { FileSystem::leaveKindsOut(leave); }
    ~KindsLeftOut() { FileSystem::leaveKindsOut(false); }
};

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
        QTest::newRow("BOM but invalid rest is 1252")
            << QByteArray("\xEF\xBB\xBF\xE0") << QStringLiteral("\u00EF\u00BB\u00BF\u00E0");
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextDecoder::decode(bytes), text);
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
        row("name dot star takes the bare name", "Canzone.*", "canzone", true);
        row("huge name", "*a*a*a*a*a*b", QString(100000, u'a'), false);
        row("literal star", "L:a*b.VL", "axxb.VL", false);
        row("stem, anything after", "S:05 Canzone.", "05 canzone.mp3", true);
    }

    void wildcards()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(wildcard(pattern).matches(name), matches);
    }

    // Listed with the entries' kinds, and as a share that lists names only.
    void listings_data()
    {
        QTest::addColumn<bool>("kindsLeftOut");
        QTest::newRow("with kinds") << false;
        QTest::newRow("names only") << true;
    }

    void listings()
    {
        QFETCH(bool, kindsLeftOut);
        const KindsLeftOut mode(kindsLeftOut);
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
    }

    void onlyRegularFilesAreOpened()
    {
        Collection c;
        c.folder("cartella");
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
    }

    void reads()
    {
        Collection c;
        const QByteArray line(70000, 'a'); // longer than one read
        c.file("lungo", line + "\r\naltro").file("cr", "uno\rdue");
        QCOMPARE(FileSystem::readFirstLine(c.path("lungo"), 1 << 20).data, line);
        QCOMPARE(FileSystem::readFirstLine(c.path("lungo"), 100).data, line.left(100));
        QCOMPARE(FileSystem::readFirstLine(c.path("cr"), 100).data, QByteArray("uno"));
        QCOMPARE(FileSystem::readFile(c.path("lungo"), 100).data, line.left(100));
        QCOMPARE(FileSystem::readFile(c.path("lungo"), 1 << 20).data, line + "\r\naltro");
        QCOMPARE(FileSystem::fileSize(c.path("lungo")).value_or(-1), 70007);
    }

    void resolvesWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::addColumn<QString>("real");
        auto row = [](const char* name, const char* asked, const char* real) {
            QTest::newRow(name) << QString::fromUtf8(asked) << QString::fromUtf8(real);
        };
        row("other case", "[1979] ALBUM/brani/CANZONE.MP3", "[1979] Album/Brani/Canzone.mp3");
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
        c.file("[1979] Album/BRANI/Canzone.VL");
        DirectoryCache cache;
        QVERIFY(cache.list(c.path("[1979] Album/Brani")));
        QVERIFY(cache.list(c.path("[1979] Album/brani")));
        QCOMPARE(cache.resolve(c.path("[1979] Album/Brani/canzone.vl")),
                 c.path("[1979] Album/BRANI/Canzone.VL"));
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
    }

    // Where the listing names entries only, a kind is asked when a question needs it, once:
    // an entry gone by then is absent, and what was asked is not asked again, however many
    // threads ask at once.
    void kindsAreAskedWhenNeededAndOnce()
    {
        const KindsLeftOut mode(true);
        Collection c;
        c.file("x/a.txt").file("x/b.txt").file("x/c.mp3").folder("x/d.txt").folder("x/e");
        DirectoryCache cache;
        const Listing* listing = cache.list(c.path("x"));
        QVERIFY(listing && listing->knownKind(0) == EntryKind::Unknown);
        QVERIFY(QFile::remove(c.path("x/b.txt")));
        QCOMPARE(cache.fileNames(c.path("x"), Wildcard(u"*.txt")), QStringList{"a.txt"});
        QVERIFY(QFile::remove(c.path("x/a.txt")) && QFile::remove(c.path("x/c.mp3")));
        c.file("x/b.txt");
        const QList<EntryKind> kinds = WorkPool::map<EntryKind>(
            500, [&](qsizetype i) { return listing->kind(i % listing->size()); });
        for (qsizetype i = 0; i < kinds.size(); ++i)
            QCOMPARE(kinds.at(i), (QList{EntryKind::File, EntryKind::Missing, EntryKind::Missing,
                                         EntryKind::Folder, EntryKind::Folder})
                                      .at(i % listing->size()));
        QCOMPARE(cache.resolve(c.path("x/D.TXT")), c.path("x/d.txt"));
        QCOMPARE(cache.resolve(c.path("x/B.TXT")), std::nullopt);
    }

    // Progress counts the items done, not the ranges handed out: on a slow share a range
    // takes seconds, and a bar that stays at nought meanwhile says nothing. A share's width is
    // more threads than cores.
    void progressCountsEachItemDone()
    {
        const int previous = WorkPool::setThreads(QThread::idealThreadCount() + 1);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        std::atomic<bool> seen = false;
        WorkPool::run(
            64,
            [&](qsizetype i) {
                while (i > 0 && !seen && std::chrono::steady_clock::now() < deadline)
                    QThread::msleep(1);
            },
            [&](qsizetype done, qsizetype) {
                if (done > 0 && std::chrono::steady_clock::now() < deadline)
                    seen = true;
            });
        WorkPool::setThreads(previous);
        QVERIFY(seen);
    }

    // Natively where the session is; X11 only for a position, which Wayland does not let a
    // program choose; what the user set always wins. The session: QT_QPA_PLATFORM,
    // WAYLAND_DISPLAY, DISPLAY, XDG_SESSION_TYPE.
    void windowSystem_data()
    {
        QTest::addColumn<QByteArrayList>("session");
        QTest::addColumn<bool>("positionAsked");
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("X11 session") << QByteArrayList{"", "", ":0", "x11"} << true << QByteArray();
        QTest::newRow("Wayland with XWayland") << QByteArrayList{"", "wayland-0", ":0", "wayland"}
                                               << false << QByteArray("wayland;xcb");
        QTest::newRow("Wayland, a position asked for")
            << QByteArrayList{"", "wayland-0", ":0", "wayland"} << true
            << QByteArray("xcb;wayland");
        QTest::newRow("Wayland without X11, a position asked for")
            << QByteArrayList{"", "wayland-0", "", ""} << true << QByteArray("wayland");
        QTest::newRow("Wayland known by the session type only")
            << QByteArrayList{"", "", ":1", "wayland"} << false << QByteArray("wayland;xcb");
        QTest::newRow("the user's platform wins")
            << QByteArrayList{"wayland", "wayland-0", ":0", "wayland"} << true << QByteArray();
    }

    void windowSystem()
    {
        QFETCH(QByteArrayList, session);
        QFETCH(bool, positionAsked);
        QFETCH(QByteArray, platform);
        const WindowSystem::Session s{session[0], session[1], session[2], session[3]};
        QCOMPARE(WindowSystem::platformFor(s, positionAsked), platform);
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "TestPlatform.moc"
