#include "catalogue/TrackResolver.h"
#include "platform/Beeper.h"
#include "platform/DirectoryCache.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <cmath>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using vastrel::catalogue::TrackFile;
using vastrel::catalogue::TrackResolver;
using vastrel::platform::Beeper;
using vastrel::platform::DirectoryCache;

namespace {

// One entry of a collection tree, relative to the temporary folder that holds the
// collection root "Coll/" and, beside it, a folder "Fuori/" outside the collection.
struct Node
{
    enum Kind
    {
        File,
        Folder,
        Fifo,
        Device,     // a character device with the numbers of /dev/zero (needs root)
        Link,       // a symbolic link; content is the target
        Unreadable, // a file of mode 000
        Unlistable, // a folder of mode 0311: its entries can be reached, not listed
    };
    QString path;
    QByteArray content;
    Kind kind = File;
};
using Tree = QList<Node>;

constexpr auto kText = "Coll/[1983] Altro/Testi/Canzone.txt";
constexpr auto kBrani = "Coll/[1983] Altro/Brani/";
constexpr auto kOrig = "Coll/[1979] Album/Brani/Canzone.mp3";

// `size` bytes that start with the frame header 255, b1, b2.
QByteArray mpeg(int b1, int b2, qsizetype size)
{
    QByteArray b(size, '\0');
    const int header[3] = {255, b1, b2};
    for (qsizetype i = 0; i < 3 && i < size; ++i)
        b[i] = char(header[i]);
    return b;
}

// An MPEG-1 Layer III file at 128 kbit/s (16 000 bytes/s) that lasts `seconds`.
QByteArray mp3(int seconds)
{
    return mpeg(251, 144, 16'000 * seconds + 500);
}

// `size` bytes of noise in which no byte is 255, so no frame header can be found in it.
QByteArray noise(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray b(size, '\0');
    for (char& c : b)
        c = char(random.bounded(255));
    return b;
}

Node file(const QString& path, const QByteArray& content = "x")
{
    return {path, content, Node::File};
}
Node brani(const QString& name, const QByteArray& content = "x")
{
    return file(QLatin1String(kBrani) + name, content);
}
Node marker(const QByteArray& line)
{
    return brani("Canzone.VL", line + "\r\n");
}
Node orig(const QByteArray& content = mp3(10))
{
    return file(QLatin1String(kOrig), content);
}
Node node(Node::Kind kind, const QString& path, const QByteArray& content = {})
{
    return {path, content, kind};
}

bool needsOtherUser(const Tree& tree)
{
    return std::any_of(tree.begin(), tree.end(), [](const Node& n) {
        return n.kind == Node::Unreadable || n.kind == Node::Unlistable;
    });
}

// Builds the tree; the permission changes come last, once everything inside exists.
bool build(Collection& c, const Tree& tree)
{
    c.folder("Coll").folder("Fuori");
    for (const Node& n : tree) {
        const QByteArray native = QFile::encodeName(c.path(n.path));
        switch (n.kind) {
        case Node::File:
        case Node::Unreadable:
            c.file(n.path, n.content);
            break;
        case Node::Folder:
        case Node::Unlistable:
            c.folder(n.path);
            break;
        case Node::Fifo:
            c.folder(n.path.left(n.path.lastIndexOf(u'/')));
            if (::mkfifo(native.constData(), 0644) != 0)
                return false;
            break;
        case Node::Device:
            c.folder(n.path.left(n.path.lastIndexOf(u'/')));
            if (::mknod(native.constData(), S_IFCHR | 0666, makedev(1, 5)) != 0)
                return false;
            break;
        case Node::Link:
            c.folder(n.path.left(n.path.lastIndexOf(u'/')));
            if (::symlink(n.content.constData(), native.constData()) != 0)
                return false;
            break;
        }
    }
    for (const Node& n : tree) {
        const QByteArray native = QFile::encodeName(c.path(n.path));
        if (n.kind == Node::Unreadable && ::chmod(native.constData(), 0) != 0)
            return false;
        if (n.kind == Node::Unlistable && ::chmod(native.constData(), 0311) != 0)
            return false;
    }
    return true;
}

struct Outcome
{
    QString path;
    int length = 0;
    int beeps = 0;

    bool operator==(const Outcome&) const = default;
};

Outcome resolve(const QString& root, const QString& textPath, DirectoryCache& cache)
{
    const int before = Beeper::count();
    const TrackFile t = TrackResolver::TrovaBrano(root + textPath, root, cache);
    return {t.path, t.length, Beeper::count() - before};
}

QString describe(const Outcome& o)
{
    return QStringLiteral("path '%1', length %2, %3 beep(s)")
        .arg(o.path)
        .arg(o.length)
        .arg(o.beeps);
}

} // namespace

Q_DECLARE_METATYPE(Tree)

namespace QTest {
template <> char* toString(const Outcome& o)
{
    return toString(describe(o));
}
} // namespace QTest

class TestTrackResolver : public QObject
{
    Q_OBJECT

    // Columns shared by the resolution tables: the tree, the text path relative to the
    // collection root, and the expected track path (relative to the temporary folder,
    // spelled as on disk; empty for none) and length. A resolution that finds nothing
    // beeps once; any other beeps never.
    static void columns()
    {
        QTest::addColumn<Tree>("tree");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("length");
    }

    static void row(const char* name, const Tree& tree, const QString& path, int length,
                    const QString& text = QString::fromLatin1(kText).mid(5))
    {
        QTest::newRow(name) << tree << text << path << length;
    }

    static void noTrack(const char* name, const Tree& tree,
                        const QString& text = QString::fromLatin1(kText).mid(5))
    {
        row(name, tree, QString(), 0, text);
    }

    static void check()
    {
        QFETCH(Tree, tree);
        QFETCH(QString, text);
        QFETCH(QString, path);
        QFETCH(int, length);
        if (std::any_of(tree.begin(), tree.end(),
                        [](const Node& n) { return n.kind == Node::Device; }) &&
            ::geteuid() != 0)
            QSKIP("making a device node needs root");
        Collection c;
        c.file(QStringLiteral("Coll/") + text, "testo\r\n");
        QVERIFY(build(c, tree));
        const QString root = c.path(QStringLiteral("Coll/"));
        const Outcome expected{path.isEmpty() ? QString() : c.path(path), length,
                               path.isEmpty() ? 1 : 0};
        const QByteArray before = c.fingerprint();
        if (needsOtherUser(tree)) {
            QVERIFY(asOtherUser([&] {
                DirectoryCache cache;
                const Outcome got = resolve(root, text, cache);
                if (got == expected)
                    return true;
                qWarning("got %s", qPrintable(describe(got)));
                return false;
            }));
        } else {
            DirectoryCache cache;
            QCOMPARE(resolve(root, text, cache), expected);
        }
        QCOMPARE(c.fingerprint(), before);
    }

private Q_SLOTS:
    void init() { Beeper::resetCount(); }

    // The track file beside the text, found by the text's name and a three-letter extension.
    void directFile_data()
    {
        columns();
        const QString track = QLatin1String(kBrani) + "Canzone.mp3";
        row("mp3 beside the text", {brani("Canzone.mp3", mp3(10))}, track, 10);
        row("upper-case extension", {brani("Canzone.MP3", mp3(10))},
            QLatin1String(kBrani) + "Canzone.MP3", 10);
        row("mp2, MPEG-1 Layer II at 160 kbit/s", {brani("Canzone.mp2", mpeg(253, 144, 200'500))},
            QLatin1String(kBrani) + "Canzone.mp2", 10);
        row("mpg", {brani("Canzone.mpg", mp3(7))}, QLatin1String(kBrani) + "Canzone.mpg", 7);
        row("wav: MPEG bytes in it are not read as MPEG", {brani("Canzone.wav", mp3(10))},
            QLatin1String(kBrani) + "Canzone.wav", -1);
        row("three letters, not MPEG", {brani("Canzone.ogg", mp3(10))},
            QLatin1String(kBrani) + "Canzone.ogg", -1);
        noTrack("mpeg: four letters, no marker", {brani("Canzone.mpeg", mp3(10))});
        noTrack("ra: two letters", {brani("Canzone.ra", mp3(10))});
        noTrack("no extension", {brani("Canzone", mp3(10))});
        noTrack("empty Brani folder", {node(Node::Folder, QLatin1String(kBrani))});
        noTrack("no Brani folder", {});
        noTrack("other tracks only", {brani("Canzone2.mp3"), brani("Canzon.mp3")});
        row("track name in another letter case than the text", {brani("CANZONE.mp3", mp3(10))},
            QLatin1String(kBrani) + "CANZONE.mp3", 10);
        row("Brani folder in lower case on disk",
            {file("Coll/[1983] Altro/brani/Canzone.mp3", mp3(10))},
            "Coll/[1983] Altro/brani/Canzone.mp3", 10);
        row("text spelled 'testi'", {brani("Canzone.mp3", mp3(10))}, track, 10,
            "[1983] Altro/testi/Canzone.txt");
        row("text spelled 'TESTI'", {brani("Canzone.mp3", mp3(10))}, track, 10,
            "[1983] Altro/TESTI/Canzone.txt");
        // "Canzone. Parte 2.mp3" is listed before "Canzone.mp3" (a blank sorts before "M"),
        // and is another track: the extension is taken from it, never its file.
        row("another track whose name begins with the name and a point",
            {brani("Canzone. Parte 2.mp3", mp3(20)), brani("Canzone.mp3", mp3(10))}, track, 10);
        noTrack("only another track whose name begins with the name and a point",
                {brani("Canzone. Parte 2.mp3", mp3(20))});
        noTrack("only 'Canzone.mp3.bak': 'Canzone.bak' does not exist",
                {brani("Canzone.mp3.bak", mp3(20))});
        row("'Canzone.mp3.bak' listed after 'Canzone.mp3'",
            {brani("Canzone.mp3", mp3(10)), brani("Canzone.mp3.bak", mp3(20))}, track, 10);
        row("both spellings on disk: the exact one",
            {brani("CANZONE.MP3", mp3(20)), brani("Canzone.MP3", mp3(10))},
            QLatin1String(kBrani) + "Canzone.MP3", 10);
        row("wildcard characters in the name are letters",
            {brani("Can*.mp3", mp3(10)), brani("Cana.mp3", mp3(20))},
            QLatin1String(kBrani) + "Can*.mp3", 10, "[1983] Altro/Testi/Can*.txt");
        noTrack("'?' in the name matches only itself", {brani("Cane.mp3")},
                "[1983] Altro/Testi/Can?.txt");
        noTrack("a folder named like the track", {node(Node::Folder, track)});
        row("a folder listed first, a file after",
            {node(Node::Folder, QLatin1String(kBrani) + "Canzone.abc"),
             brani("Canzone.wav", "RIFF")},
            QLatin1String(kBrani) + "Canzone.wav", -1);
        noTrack("a FIFO named like the track", {node(Node::Fifo, track)});
        noTrack("a hidden track", {brani(".Canzone.mp3")}, "[1983] Altro/Testi/.Canzone.txt");
        row("a link to a file elsewhere",
            {orig(mp3(10)), node(Node::Link, track, "../../[1979] Album/Brani/Canzone.mp3")}, track,
            10);
        noTrack("a broken link", {node(Node::Link, track, "../nowhere.mp3")});
        noTrack("a link to a device", {node(Node::Link, track, "/dev/zero")});
    }
    void directFile() { check(); }

    // Lengths below 5 bytes, headers at the edge of the 4100 bytes read, unreadable files.
    void fileContents_data()
    {
        columns();
        const QString track = QLatin1String(kBrani) + "Canzone.mp3";
        auto at = [](qsizetype position, qsizetype size) {
            QByteArray b(size, '\0');
            b.replace(position - 1, 3, "\xFF\xFB\x90");
            return b;
        };
        row("0 bytes: length 0, path kept", {brani("Canzone.mp3", "")}, track, 0);
        row("0-byte wav", {brani("Canzone.wav", "")}, QLatin1String(kBrani) + "Canzone.wav", 0);
        row("3 bytes, a whole header", {brani("Canzone.mp3", "\xFF\xFB\x90")}, track, -1);
        row("4 bytes", {brani("Canzone.mp3", QByteArray("\xFF\xFB\x90\x00", 4))}, track, -1);
        row("5 bytes with a header: 5 / 16 000 s", {brani("Canzone.mp3", mpeg(251, 144, 5))}, track,
            0);
        row("5 bytes without a header", {brani("Canzone.mp3", "abcde")}, track, -1);
        row("header at byte 4098", {brani("Canzone.mp3", at(4098, 160'000))}, track, 10);
        row("header at byte 4099: beyond what is read", {brani("Canzone.mp3", at(4099, 160'000))},
            track, -1);
        row("noise", {brani("Canzone.mp3", noise(100'000, 1))}, track, -1);
        row("noise, then a header",
            {brani("Canzone.mp3", noise(3000, 2) + mpeg(251, 144, 157'000))}, track, 10);
        row("unreadable mp3: the header stays zero", {node(Node::Unreadable, track, mp3(10))},
            track, -1);
        row("unreadable wav",
            {node(Node::Unreadable, QLatin1String(kBrani) + "Canzone.wav", mp3(10))},
            QLatin1String(kBrani) + "Canzone.wav", -1);
        row("unreadable and empty", {node(Node::Unreadable, track, "")}, track, 0);
    }
    void fileContents() { check(); }

    // A duplicate marker beside the text names the real file, relative to the root.
    void duplicateMarker_data()
    {
        columns();
        const QString origWav = "Coll/[1979] Album/Brani/Canzone.wav";
        row("backslashes", {marker("[1979] Album\\Brani\\Canzone.mp3"), orig()}, kOrig, 10);
        row("leading backslash", {marker("\\[1979] Album\\Brani\\Canzone.mp3"), orig()}, kOrig, 10);
        row("slashes", {marker("[1979] Album/Brani/Canzone.mp3"), orig()}, kOrig, 10);
        row("leading slash", {marker("/[1979] Album/Brani/Canzone.mp3"), orig()}, kOrig, 10);
        row("mixed separators", {marker("[1979] Album/Brani\\Canzone.mp3"), orig()}, kOrig, 10);
        row("mixed separators, leading backslash",
            {marker("\\[1979] Album/Brani\\Canzone.mp3"), orig()}, kOrig, 10);
        row("line in another letter case: the real path",
            {marker("[1979] ALBUM\\brani\\canzone.MP3"), orig()}, kOrig, 10);
        row("marker name in lower case",
            {brani("canzone.vl", "[1979] Album\\Brani\\Canzone.mp3\r\n"), orig()}, kOrig, 10);
        row("marker in a Brani folder spelled 'BRANI' on disk",
            {file("Coll/[1983] Altro/BRANI/Canzone.VL", "[1979] Album\\Brani\\Canzone.mp3\r\n"),
             orig()},
            kOrig, 10);
        row("LF line end", {brani("Canzone.VL", "[1979] Album\\Brani\\Canzone.mp3\n"), orig()},
            kOrig, 10);
        row("lone CR, further lines ignored",
            {brani("Canzone.VL", "[1979] Album\\Brani\\Canzone.mp3\rx\r\ny"), orig()}, kOrig, 10);
        row("no line end", {brani("Canzone.VL", "[1979] Album\\Brani\\Canzone.mp3"), orig()}, kOrig,
            10);
        row("Windows-1252 line, UTF-8 name on disk",
            {marker("[1979] Citt\xE0\\Brani\\Canzone.mp3"),
             file(QString::fromUtf8("Coll/[1979] Città/Brani/Canzone.mp3"), mp3(10))},
            QString::fromUtf8("Coll/[1979] Città/Brani/Canzone.mp3"), 10);
        row("UTF-8 byte-order mark before a leading backslash",
            {marker("\xEF\xBB\xBF\\[1979] Album\\Brani\\Canzone.mp3"), orig()}, kOrig, 10);
        row("the real file is an mpeg",
            {marker("[1979] Album\\Brani\\Canzone.mpeg"),
             file("Coll/[1979] Album/Brani/Canzone.mpeg", mp3(10))},
            "Coll/[1979] Album/Brani/Canzone.mpeg", 10);
        row("the real file is a wav",
            {marker("[1979] Album\\Brani\\Canzone.wav"), file(origWav, mp3(10))}, origWav, -1);
        row("the real file is empty", {marker("[1979] Album\\Brani\\Canzone.mp3"), orig("")}, kOrig,
            0);
        row("the real file has 3 bytes", {marker("[1979] Album\\Brani\\Canzone.mp3"), orig("abc")},
            kOrig, -1);
        row("the real file cannot be read",
            {marker("[1979] Album\\Brani\\Canzone.mp3"),
             node(Node::Unreadable, QLatin1String(kOrig), mp3(10))},
            kOrig, -1);
        row("the real file is reached through a link",
            {marker("[1979] Album\\Brani\\Canzone.mp3"),
             node(Node::Link, QLatin1String(kOrig), "../../../Fuori/vero.mp3"),
             file("Fuori/vero.mp3", mp3(10))},
            kOrig, 10);
        row("a marker naming itself is a file like any other",
            {marker("[1983] Altro\\Brani\\Canzone.VL")}, QLatin1String(kBrani) + "Canzone.VL", -1);
        // ".." is taken as the file system takes it: the file outside is found, and the
        // path keeps the "..".
        row("'..' climbs out of the collection",
            {marker("..\\Fuori\\Canzone.mp3"), file("Fuori/Canzone.mp3", mp3(10))},
            "Coll/../Fuori/Canzone.mp3", 10);
        row("'..' out of the collection, other letter case",
            {marker("..\\fuori\\CANZONE.mp3"), file("Fuori/Canzone.mp3", mp3(10))},
            "Coll/../Fuori/Canzone.mp3", 10);
        noTrack("an absolute path stays under the root",
                {marker("/etc/hostname"), file("Coll/etc/other")});
    }
    void duplicateMarker() { check(); }

    // With both a track file and a marker, the first name of the listing decides.
    void markerAndTrackFile_data()
    {
        columns();
        const QByteArray line = "[1979] Album\\Brani\\Canzone.mp3";
        row("mp3 listed before the marker", {brani("Canzone.mp3", mp3(20)), marker(line), orig()},
            QLatin1String(kBrani) + "Canzone.mp3", 20);
        row("aac listed before the marker", {brani("Canzone.aac", mp3(20)), marker(line), orig()},
            QLatin1String(kBrani) + "Canzone.aac", -1);
        row("marker listed before the wav", {brani("Canzone.wav", mp3(20)), marker(line), orig()},
            kOrig, 10);
        row("marker in lower case listed before the wav",
            {brani("Canzone.wav", mp3(20)), brani("Canzone.vl", line), orig()}, kOrig, 10);
        row("mpeg and a marker", {brani("Canzone.mpeg", mp3(20)), marker(line), orig()}, kOrig, 10);
        // "Canzone. Parte 2.mp3" is listed first; "Canzone.mp3" does not exist.
        row("another track listed first, then the marker",
            {brani("Canzone. Parte 2.mp3", mp3(20)), marker(line), orig()}, kOrig, 10);
        noTrack("marker listed first, names nothing",
                {brani("Canzone.wav", mp3(20)), marker("[1979] Album\\Brani\\Manca.mp3")});
    }
    void markerAndTrackFile() { check(); }

    // What finds nothing: one beep, length 0, no path.
    void nothingFound_data()
    {
        columns();
        const QString fifo = "Coll/[1979] Album/Brani/Fifo.mp3";
        const QString device = "Coll/[1979] Album/Brani/Zero.mp3";
        noTrack("no '/Testi/' in the text path", {brani("Canzone.mp3", mp3(10))},
                "[1983] Altro/Test/Canzone.txt");
        noTrack("'Testi' without a slash after it", {brani("Canzone.mp3", mp3(10))},
                "[1983] Altro/TestiCanzone.txt");
        noTrack("backslashes in the text path", {brani("Canzone.mp3", mp3(10))},
                "[1983] Altro\\Testi\\Canzone.txt");
        noTrack("no marker, no track", {node(Node::Folder, QLatin1String(kBrani))});
        noTrack("empty marker", {brani("Canzone.VL", ""), orig()});
        noTrack("marker with an empty first line",
                {brani("Canzone.VL", "\r\n[1979] Album\\Brani\\Canzone.mp3\r\n"), orig()});
        noTrack("binary marker",
                {brani("Canzone.VL", QByteArray("\x00\xFF\x01\x80\r\n", 6)), orig()});
        noTrack("several MB without a line end",
                {brani("Canzone.VL", "[1979] Album\\Brani\\Canzone.mp3" + QByteArray(6 << 20, 'x')),
                 orig()});
        noTrack("marker names a missing file", {marker("[1979] Album\\Brani\\Manca.mp3"), orig()});
        noTrack("marker names a folder", {marker("[1979] Album\\Brani"), orig()});
        noTrack("marker names a FIFO",
                {marker("[1979] Album\\Brani\\Fifo.mp3"), node(Node::Fifo, fifo)});
        noTrack("marker names a device",
                {marker("[1979] Album\\Brani\\Zero.mp3"), node(Node::Device, device)});
        noTrack("marker names a link to a device",
                {marker("[1979] Album\\Brani\\Zero.mp3"), node(Node::Link, device, "/dev/zero")});
        noTrack("marker names a broken link",
                {marker("[1979] Album\\Brani\\Rotto.mp3"),
                 node(Node::Link, "Coll/[1979] Album/Brani/Rotto.mp3", "nowhere")});
        noTrack("marker is a FIFO",
                {node(Node::Fifo, QLatin1String(kBrani) + "Canzone.VL"), orig()});
        noTrack("marker is a folder",
                {node(Node::Folder, QLatin1String(kBrani) + "Canzone.VL"), orig()});
        noTrack("marker cannot be read",
                {node(Node::Unreadable, QLatin1String(kBrani) + "Canzone.VL",
                      "[1979] Album\\Brani\\Canzone.mp3\r\n"),
                 orig()});
        noTrack("NUL byte at the end of the path",
                {marker(QByteArray("[1979] Album\\Brani\\Canzone.mp3") + '\0'), orig()});
        noTrack("NUL byte inside the path",
                {marker(QByteArray("[1979] Album\\Brani\\Canz") + '\0' + "one.mp3"), orig()});
        noTrack("Brani cannot be listed and there is no marker",
                {brani("Canzone.mp3", mp3(10)), node(Node::Unlistable, "Coll/[1983] Altro/Brani")});
    }
    void nothingFound() { check(); }

    // Brani cannot be listed (mode 0311): the track file is not found, but the marker is
    // still opened by its name.
    void unlistableBraniStillReadsTheMarker_data()
    {
        columns();
        row("marker read by its exact name",
            {brani("Canzone.mp3", mp3(20)), marker("[1979] Album\\Brani\\Canzone.mp3"), orig(),
             node(Node::Unlistable, "Coll/[1983] Altro/Brani")},
            kOrig, 10);
    }
    void unlistableBraniStillReadsTheMarker() { check(); }

    // Every manifest row, through TrovaBrano: the estimate is the manifest's, it is the
    // file's size over the stated bit rate, and it is within a second of the true duration
    // unless a large tag hides the first frame header.
    void realFiles_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<int>("kbps");
        QTest::addColumn<double>("duration");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("estimate");
        QFile manifest(QStringLiteral(VASTREL_TEST_DATA "/mpeg/MANIFEST.tsv"));
        QVERIFY(manifest.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = manifest.readAll().split('\n');
        QCOMPARE(lines.value(0),
                 "file\tversion\tlayer\tkbps\tsample_rate\tduration\tsize\testimate");
        int rows = 0;
        for (const QByteArray& line : lines.mid(1)) {
            const QList<QByteArray> f = line.split('\t');
            if (f.size() != 8)
                continue;
            QTest::newRow(f[0].constData()) << QString::fromUtf8(f[0]) << f[3].toInt()
                                            << f[5].toDouble() << f[6].toLongLong() << f[7].toInt();
            ++rows;
        }
        QVERIFY(rows >= 13);
    }

    void realFiles()
    {
        QFETCH(QString, fixture);
        QFETCH(int, kbps);
        QFETCH(double, duration);
        QFETCH(qint64, size);
        QFETCH(int, estimate);
        const QString source = QStringLiteral(VASTREL_TEST_DATA "/mpeg/") + fixture;
        QCOMPARE(QFileInfo(source).size(), size);
        Collection c;
        const QString name = "Canzone." + QFileInfo(fixture).suffix();
        c.album("[1979] Album").text("Canzone.txt").folder("[1979] Album/Brani");
        QVERIFY(QFile::copy(source, c.path("[1979] Album/Brani/") + name));
        DirectoryCache cache;
        const Outcome got = resolve(c.root(), "[1979] Album/Testi/Canzone.txt", cache);
        QCOMPARE(got, (Outcome{c.path("[1979] Album/Brani/") + name, estimate, 0}));
        if (estimate != -1) {
            QCOMPARE(estimate, int(size / (kbps * 125)));
            QVERIFY2(std::abs(estimate - duration) < 1.0, qPrintable(QString::number(duration)));
        }
    }

    void beepsOncePerFailedResolution()
    {
        Collection c;
        c.album("[1979] Album").track("A.mp3", mp3(3)).track("B.wav").track("C.mpeg");
        c.marker("D.VL", "[1979] Album\\Brani\\A.mp3").marker("E.VL", "manca.mp3");
        DirectoryCache cache;
        int length = 0;
        for (const char* name : {"A", "B", "C", "D", "E", "F", "A"}) {
            const QString text = c.path("[1979] Album/Testi/") + name + ".txt";
            length += TrackResolver::TrovaBrano(text, c.root(), cache).length;
        }
        TrackResolver::TrovaBrano(c.path("[1979] Album/Brani/A.txt"), c.root(), cache);
        QCOMPARE(length, 3 - 1 + 0 + 3 + 0 + 0 + 3);
        QCOMPARE(Beeper::count(), 4); // C, E, F, and the path without "/Testi/"
    }

    // One DirectoryCache for a whole album lists its Brani folder once, however many
    // tracks it resolves, whether their files are found directly or through markers; the
    // folder the markers point into is listed once as well.
    void oneListingPerAlbum_data()
    {
        QTest::addColumn<QString>("brani"); // the Brani folder's name on disk
        QTest::addColumn<int>("listings");
        // Brani, and once the folder of the files the markers name.
        QTest::newRow("Brani") << "Brani" << 2;
        // A failed try of "Brani", the album folder, then "brani"; and the markers' folder.
        QTest::newRow("brani in lower case") << "brani" << 4;
    }

    void oneListingPerAlbum()
    {
        QFETCH(QString, brani);
        QFETCH(int, listings);
        Collection c;
        c.album("[1979] Album").track("Originale.mp3", mp3(5));
        const QString folder = "[1983] Altro/" + brani + "/";
        QStringList texts;
        for (int i = 1; i <= 12; ++i) {
            const QString name = QString("%1 - Canzone").arg(i, 2, 10, QChar(u'0'));
            texts.append(c.path("[1983] Altro/Testi/" + name + ".txt"));
            if (i % 3 == 0)
                c.file(folder + name + ".VL", "[1979] Album\\Brani\\Originale.mp3\r\n");
            else
                c.file(folder + name + (i % 3 == 1 ? ".mp3" : ".wav"), mp3(i));
        }
        DirectoryCache cache;
        for (const QString& text : texts)
            QVERIFY(!TrackResolver::TrovaBrano(text, c.root(), cache).path.isEmpty());
        QCOMPARE(cache.listingsMade(), listings);
        QCOMPARE(Beeper::count(), 0);
    }

    void aRootInsideAFolderNamedTestiStillWorks()
    {
        Collection c;
        c.file("Testi/[1983] Altro/Testi/Canzone.txt")
            .file("Testi/[1983] Altro/Brani/Canzone.mp3", mp3(3));
        c.file("Testi/[1983] Altro/Brani/Marcato.VL", "[1983] Altro\\Brani\\Canzone.mp3 \r\n");
        const QString root = c.path("Testi/");
        DirectoryCache cache;
        const TrackFile direct =
            TrackResolver::TrovaBrano(root + "[1983] Altro/Testi/Canzone.txt", root, cache);
        QCOMPARE(direct.path, root + "[1983] Altro/Brani/Canzone.mp3");
        QCOMPARE(direct.length, 3);
        // The marker's line ends with a blank, as Windows would ignore.
        const TrackFile marked =
            TrackResolver::TrovaBrano(root + "[1983] Altro/Testi/Marcato.txt", root, cache);
        QCOMPARE(marked.path, root + "[1983] Altro/Brani/Canzone.mp3");
    }
};

QTEST_GUILESS_MAIN(TestTrackResolver)
#include "TestTrackResolver.moc"
