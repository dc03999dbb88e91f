#include "catalogue/AudioLength.h"
#include "catalogue/MpegDuration.h"
#include "catalogue/TrackResolver.h"
#include "platform/DirectoryCache.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"
#include "support/TreeSnapshot.h"

#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using vastrel::catalogue::AudioLength;
using vastrel::catalogue::MpegDuration;
using vastrel::catalogue::TrackFile;
using vastrel::catalogue::TrackResolver;
using vastrel::platform::DirectoryCache;

namespace {

// One entry of a tree under a temporary folder that holds the collection root "Testi/" and,
// beside it, "F/", outside the collection.
struct Node
{
    enum Kind
    {
        File,
        Folder,
        Fifo,
        Link,       // to the content
        Unreadable, // a file of mode 000
        Unlistable, // a folder of mode 0311: its entries can be reached, not listed
    };
    QString path;
    QByteArray content;
    Kind kind = File;
};
using Tree = QList<Node>;

const QString kText = QStringLiteral("[1983] B/Testi/T.txt");
const QString kBrani = QStringLiteral("Testi/[1983] B/Brani/");
const QString kTrack = kBrani + "T.mp3";
const QString kOrig = QStringLiteral("Testi/[1979] A/Brani/T.mp3");

// MPEG-1 Layer III at 128 kbit/s (16 000 bytes/s).
QByteArray mp3(int seconds)
{
    return "\xFF\xFB\x90" + QByteArray(16'000 * seconds + 497, '\0');
}

// A real file of tests/data/audio.
QByteArray audio(const char* name)
{
    QFile f(QStringLiteral(VASTREL_TEST_DATA "/audio/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// 20 frames of 128 kbit/s (an estimate of 0 s) whose first holds a VBRI header: 383 frames.
QByteArray vbri()
{
    QByteArray b(20 * 417, '\0');
    for (int at : {0, 417})
        b.replace(at, 4, "\xFF\xFB\x90\x00", 4);
    return b.replace(36, 18, QByteArray("VBRI\0\x01\0\0\0\0\0\0\x20\x94\0\0\x01\x7F", 18));
}

Node node(Node::Kind kind, const QString& path, const QByteArray& content = {})
{
    return {path, content, kind};
}
Node file(const QString& path, const QByteArray& content = "x")
{
    return {path, content, Node::File};
}
Node brani(const QString& name, const QByteArray& content)
{
    return file(kBrani + name, content);
}
Node marker(const QByteArray& line)
{
    return brani("T.VL", line + "\r\n");
}
const Node kOriginal = file(QStringLiteral("Testi/[1979] A/Brani/T.mp3"), mp3(10));

// The permission changes come last, once everything inside exists.
bool build(Collection& c, const Tree& tree)
{
    c.folder("Testi").folder("F");
    for (const Node& n : tree) {
        const QByteArray native = QFile::encodeName(c.path(n.path));
        if (n.kind == Node::Folder || n.kind == Node::Unlistable)
            c.folder(n.path);
        else if (n.kind == Node::File || n.kind == Node::Unreadable)
            c.file(n.path, n.content);
        else if (c.folder(n.path.left(n.path.lastIndexOf(u'/'))); n.kind == Node::Fifo)
            ::mkfifo(native.constData(), 0644);
        else
            ::symlink(n.content.constData(), native.constData());
    }
    for (const Node& n : tree) {
        const QByteArray native = QFile::encodeName(c.path(n.path));
        if (n.kind == Node::Unreadable || n.kind == Node::Unlistable)
            ::chmod(native.constData(), n.kind == Node::Unreadable ? 0 : 0311);
    }
    return std::all_of(tree.begin(), tree.end(), [&](const Node& n) {
        return QFileInfo(c.path(n.path)).isSymLink() || QFileInfo::exists(c.path(n.path));
    });
}

QString outcome(const QString& root, const QString& text)
{
    DirectoryCache cache;
    const TrackFile t = TrackResolver::TrovaBrano(root + text, root, cache);
    return QStringLiteral("%1 %2").arg(t.path).arg(t.length);
}

} // namespace

Q_DECLARE_METATYPE(Tree)

class TestTrackResolver : public QObject
{
    Q_OBJECT

    // The expected track path is relative to the temporary folder, spelled as on disk, or
    // empty when nothing is found.
    static void row(const char* name, const Tree& tree, const QString& path, int length,
                    const QString& text = kText)
    {
        QTest::newRow(name) << tree << text << path << length;
    }

    static void none(const char* name, const Tree& tree, const QString& text = kText)
    {
        row(name, tree, QString(), 0, text);
    }

private Q_SLOTS:
    void resolve_data()
    {
        QTest::addColumn<Tree>("tree");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("length");
        const QByteArray line = "[1979] A\\Brani\\T.mp3";

        // The file beside the text: its name and a three-letter extension.
        row("mp3 beside the text", {brani("T.mp3", mp3(10))}, kTrack, 10);
        row("wav: MPEG bytes in it are not read", {brani("T.wav", mp3(10))}, kBrani + "T.wav", -1);
        row("VBRI header: read by TagLib", {brani("T.mp3", vbri())}, kTrack, 10);
        // "T. Parte 2.mp3" is listed first (a blank sorts before "M") and is another
        // track: only its extension is taken.
        row("another track listed first",
            {brani("T. Parte 2.mp3", mp3(20)), brani("T.mp3", mp3(10))}, kTrack, 10);
        none("only 'T.mp3.bak'", {brani("T.mp3.bak", mp3(20))});
        row("both spellings: the exact one", {brani("AB.MP3", mp3(20)), brani("Ab.MP3", mp3(10))},
            kBrani + "Ab.MP3", 10, "[1983] B/Testi/Ab.txt");
        none("a FIFO named like the track", {node(Node::Fifo, kTrack)});

        // What the file holds.
        row("unreadable: no header", {node(Node::Unreadable, kTrack, mp3(10))}, kTrack, -1);

        // A duplicate marker names the real file, relative to the root.
        row("backslashes", {marker(line), kOriginal}, kOrig, 10);
        row("marker in a folder spelled 'BRANI'",
            {file("Testi/[1983] B/BRANI/T.VL", line), kOriginal}, kOrig, 10);
        row("trailing blanks ignored", {brani("T.VL", line + "  \r\n"), kOriginal}, kOrig, 10);
        row("BOM before a leading backslash", {marker("\xEF\xBB\xBF\\" + line), kOriginal}, kOrig,
            10);
        row("a marker naming itself", {marker("[1983] B\\Brani\\T.VL")}, kBrani + "T.VL", -1);
        row("'..' climbs out as the file system takes it",
            {marker("..\\f\\t.MP3"), file("F/T.mp3", mp3(10))}, "Testi/../F/T.mp3", 10);
        row("Brani unlistable: the marker read by its name",
            {marker(line), kOriginal, node(Node::Unlistable, "Testi/[1983] B/Brani")}, kOrig, 10);

        // A track file and a marker: the first name listed decides.
        row("mp3 listed before the marker", {brani("T.mp3", mp3(20)), marker(line), kOriginal},
            kTrack, 20);
        row("another track listed first, then the marker",
            {brani("T. Parte 2.mp3", mp3(20)), marker(line), kOriginal}, kOrig, 10);
        row("marker listed first, names nothing: the wav listed after it",
            {brani("T.wav", mp3(20)), marker("[1979] A\\Brani\\M.mp3")}, kBrani + "T.wav", -1);

        // The other audio formats' extensions count only where nothing above finds a file.
        const QByteArray flac = audio("tone.flac");
        row("flac beside the text", {brani("T.flac", flac)}, kBrani + "T.flac", 3);
        row("OPUS in capitals", {brani("T.OPUS", audio("tone.opus"))}, kBrani + "T.OPUS", 5);
        row("mpeg: four letters", {brani("T.mpeg", mp3(10))}, kBrani + "T.mpeg", 10);
        row("webm: found, not timed", {brani("T.webm", flac)}, kBrani + "T.webm", -1);
        row("flac listed before the mp3", {brani("T.flac", flac), brani("T.mp3", mp3(10))}, kTrack,
            10);
        row("flac and mp3 listed before the marker: the marker, as before",
            {brani("T.flac", flac), brani("T.mp3", mp3(20)), marker(line), kOriginal}, kOrig, 10);
        row("flac and a marker naming nothing",
            {brani("T.flac", flac), marker("[1979] A\\Brani\\M.mp3")}, kBrani + "T.flac", 3);
        row("empty flac", {brani("T.flac", "")}, kBrani + "T.flac", 0);
        row("flac cut in its header", {brani("T.flac", flac.left(40))}, kBrani + "T.flac", -1);
        none("a FIFO named like the track", {node(Node::Fifo, kBrani + "T.flac")});
        none("marker names a link into /dev, read by its name",
             {marker("[1979] A\\Brani\\Z.flac"),
              node(Node::Link, "Testi/[1979] A/Brani/Z.flac", "/dev/zero"),
              node(Node::Unlistable, "Testi/[1979] A/Brani")});

        // Nothing found.
        none("no '/Testi/' in the text path", {brani("T.mp3", mp3(10))}, "[1983] B/Test/T.txt");
        none("several MB without a line end",
             {brani("T.VL", line + QByteArray(6 << 20, 'x')), kOriginal});
        none("marker names a FIFO",
             {marker("[1979] A\\Brani\\F.mp3"), node(Node::Fifo, "Testi/[1979] A/Brani/F.mp3")});
    }

    void resolve()
    {
        QFETCH(Tree, tree);
        QFETCH(QString, text);
        QFETCH(QString, path);
        QFETCH(int, length);
        Collection c;
        c.file("Testi/" + text, "testo\r\n");
        QVERIFY(build(c, tree));
        const QString root = c.path("Testi/");
        const QString expected =
            QStringLiteral("%1 %2").arg(path.isEmpty() ? path : c.path(path)).arg(length);
        const QByteArrayList before = TreeSnapshot::take(c.root());
        QVERIFY(asOtherUser([&] {
            const QString got = outcome(root, text);
            if (got != expected)
                qWarning("got %s", qPrintable(got));
            return got == expected;
        }));
        QCOMPARE(TreeSnapshot::take(c.root()), before);
    }

    // The first frame header in the first 4100 bytes gives the bit rate; 160 000 bytes
    // last 10 s at 128 kbit/s (255 251 144).
    void playingTime_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<int>("seconds");
        const qsizetype n = MpegDuration::kHeaderBytes;
        auto at = [](qsizetype position, const QByteArray& bytes, qsizetype size = 0) {
            QByteArray b(size ? size : n, '\0');
            return b.replace(position - 1, bytes.size(), bytes);
        };
        const qint64 l = 160'000;
        QTest::newRow("second byte 226: MPEG-2.5 Layer III") << at(1, "\xFF\xE2\x90") << l << 16;
        QTest::newRow("reserved version") << at(1, "\xFF\xE8\x90") << l << -1;
        QTest::newRow("third byte 16: index 1") << at(1, "\xFF\xFB\x10") << l << 40;
        QTest::newRow("third byte 236 skipped, the scan goes on")
            << at(1, QByteArray("\xFF\xFB\xEC\xFF\xFB\x90")) << l << 10;
        QTest::newRow("first match decides") << at(1, "\xFF\xE8\x90\xFF\xFB\x90") << l << -1;
        QTest::newRow("header at 4098, the last place") << at(4098, "\xFF\xFB\x90") << l << 10;
        QTest::newRow("header at 4099 cut by the end") << at(4099, "\xFF\xFB") << l << -1;
        QTest::newRow("4 GiB at 8 kbit/s")
            << at(1, "\xFF\xE3\x10") << (qint64(1) << 32) << 4'294'967;
        // An ID3v2 title in UTF-16 LE: its byte-order mark FF FE and a next byte of 16 to
        // 235 read as a header; the real one (192 kbit/s) would give 10 s for 240 000 bytes.
        const QByteArray id3 =
            QByteArray("ID3\x03\0\0\0\0\0\x17TIT2\0\0\0\x0d\0\0\x01\xFF\xFE", 23);
        const QByteArray audio("\xFF\xFB\xB0\x64");
        QTest::newRow("UTF-16 'Ciao' in a tag")
            << id3 + QByteArray("C\0i\0a\0o\0\0\0", 10) + audio << qint64(240'000) << 15;
    }

    void playingTime()
    {
        QFETCH(QByteArray, header);
        QFETCH(qint64, length);
        QFETCH(int, seconds);
        QCOMPARE(MpegDuration::DurataMPEG(header, length), seconds);
    }

    // Real MPEG files: the estimate is the manifest's, the size over the stated bit rate,
    // and within a second of the true duration unless a large tag hides the first header.
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
        for (const QByteArray& line : lines.mid(1)) {
            const QList<QByteArray> f = line.split('\t');
            if (f.size() == 8)
                QTest::newRow(f[0].constData())
                    << QString::fromUtf8(f[0]) << f[3].toInt() << f[5].toDouble()
                    << f[6].toLongLong() << f[7].toInt();
        }
    }

    void realFiles()
    {
        QFETCH(QString, fixture);
        QFETCH(int, kbps);
        QFETCH(double, duration);
        QFETCH(qint64, size);
        QFETCH(int, estimate);
        QFile file(QStringLiteral(VASTREL_TEST_DATA "/mpeg/") + fixture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), size);
        QCOMPARE(MpegDuration::DurataMPEG(file.read(MpegDuration::kHeaderBytes), size), estimate);
        // The estimate stands; where it has no answer, TagLib reads the true length.
        QCOMPARE(AudioLength::of(file.fileName()).value_or(-2),
                 estimate >= 0 ? estimate : int(duration));
        if (estimate != -1) {
            QCOMPARE(estimate, int(size / (kbps * 125)));
            QVERIFY2(std::abs(estimate - duration) < 1.0, qPrintable(QString::number(duration)));
        }
    }

    // Every other format, and MPEG files of variable bit rate: the true length, rounded down.
    void audioFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("seconds");
        QFile manifest(QStringLiteral(VASTREL_TEST_DATA "/audio/MANIFEST.tsv"));
        QVERIFY(manifest.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = manifest.readAll().split('\n');
        QCOMPARE(lines.value(0), "file\tduration\tseconds");
        for (const QByteArray& line : lines.mid(1)) {
            const QList<QByteArray> f = line.split('\t');
            if (f.size() == 3)
                QTest::newRow(f[0].constData())
                    << QStringLiteral(VASTREL_TEST_DATA "/audio/") + QString::fromUtf8(f[0])
                    << f[2].toInt();
        }
        // Every file there is in the manifest.
        QCOMPARE(QDir(QStringLiteral(VASTREL_TEST_DATA "/audio")).entryList(QDir::Files).size(),
                 lines.size() - 1);
    }

    void audioFiles()
    {
        QFETCH(QString, path);
        QFETCH(int, seconds);
        QCOMPARE(AudioLength::of(path).value_or(-2), seconds);
    }
};

QTEST_GUILESS_MAIN(TestTrackResolver)
#include "TestTrackResolver.moc"
