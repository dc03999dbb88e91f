// The malformed collections, grouped by what is malformed: duplicate markers, texts, MPEG
// headers, pictures, RTF notes, and the shape of the folders.

#include "HostileCollection.h"
#include "PictureFiles.h"

namespace Hostile {

namespace {

const QString kText = QStringLiteral("[2000] Ostile/Testi/01 - Brano.txt");
const QString kTrack = QStringLiteral("[2000] Ostile/Brani/01 - Brano.mp3");
const QString kMarker = QStringLiteral("[2000] Ostile/Brani/01 - Brano.VL");
const QByteArray kSeparator = "                -+----+---------+----+-";

} // namespace

void base(Collection& c)
{
    c.album(kHealthyAlbum)
        .text("01 - Sano.txt", kHealthyText.toUtf8() + "\r\n")
        .text("Nota.txt", "nota sana\r\n")
        .track("01 - Sano.mp3", mpeg(2))
        .picture("sano.bmp", PictureFiles::solid(QSize(4, 4), Qt::red, "BMP"));
    c.file("[Varie]/Note.txt", kIntroduction.toUtf8() + "\r\n");
    c.album(kAlbum).text("01 - Brano.txt", kHostileText.toUtf8() + "\r\n");
}

namespace {

using Build = std::function<void(Collection&)>;

// The one track cannot be found: one beep, no time.
Expectation notFound()
{
    Expectation e;
    e.tracks = 1;
    e.beeps = 1;
    e.paneHas = kHostileText;
    e.captionEnds = QStringLiteral("(su 1)  [0:00:00]");
    return e;
}

// The one track is found; its playing time is the caption's end.
Expectation found(const QString& time)
{
    Expectation e;
    e.tracks = 1;
    e.beeps = 0;
    e.captionEnds = QStringLiteral("(su 1)  [") + time;
    return e;
}

Expectation unknown()
{
    return found(QStringLiteral("0:00:00 + 1x???]"));
}

Expectation withPane(Expectation e, const QString& pane)
{
    e.paneHas = pane;
    return e;
}

Expectation withPlaylist(Expectation e, const QByteArray& bytes)
{
    e.playlistHas = bytes;
    return e;
}

Case make(const char* name, Build build, Expectation expect)
{
    return {name,
            [build](Collection& c) {
                base(c);
                build(c);
            },
            expect};
}

Build marker(const QByteArray& content)
{
    return [content](Collection& c) { c.file(kMarker, content); };
}

QList<Case> markers()
{
    const QByteArray sano = "[1999] Sano\\Brani\\01 - Sano.mp3";
    return {
        make("marker: empty", marker(""), notFound()),
        make("marker: binary", marker(randomBytes(512, 1)), notFound()),
        make("marker: 1 MB without a line end", marker(QByteArray(1 << 20, 'a')), notFound()),
        make("marker: names itself", marker("[2000] Ostile\\Brani\\01 - Brano.VL\r\n"),
             withPlaylist(unknown(), "/[2000] Ostile/Brani/01 - Brano.VL\r\n")),
        make("marker: names a folder", marker("[1999] Sano\\Brani\r\n"), notFound()),
        make(
            "marker: names a FIFO",
            [](Collection& c) {
                fifo(c, "[1999] Sano/Brani/coda.mp3");
                c.file(kMarker, "[1999] Sano\\Brani\\coda.mp3\r\n");
            },
            notFound()),
        make("marker: an absolute path to a device", marker("/dev/zero\r\n"), notFound()),
        make("marker: a drive letter", marker("C:\\Windows\\win.ini\r\n"), notFound()),
        make("marker: .. chain to a device", marker(QByteArray("..\\").repeated(20) + "dev\\zero"),
             notFound()),
        make("marker: .. chain back into the collection",
             marker("[2000] Ostile\\..\\" + sano + "\r\n"), found("0:00:02]")),
        make("marker: a NUL inside the path", marker(QByteArray("[1999] Sa\0no", 12) + "\r\n"),
             notFound()),
        make("marker: a NUL after the path", marker(sano + QByteArray("\0.txt\r\n", 7)),
             notFound()),
        make("marker: 4 KB of backslashes", marker(QByteArray(4096, '\\')), notFound()),
        make("marker: 4 KB of ..\\", marker(QByteArray("..\\").repeated(1365)), notFound()),
        make("marker: only CRs", marker("\r\r\r"), notFound()),
        make(
            "marker: names a link loop",
            [](Collection& c) {
                link(c, "[2000] Ostile/Brani/giro.mp3", "giro.mp3");
                c.file(kMarker, "[2000] Ostile\\Brani\\giro.mp3\r\n");
            },
            notFound()),
        make("marker: not UTF-8", marker("[1999] Sano\\Brani\\\xff\xfe.mp3\r\n"), notFound()),
        make(
            "marker: a folder in the marker's place", [](Collection& c) { c.folder(kMarker); },
            notFound()),
        make(
            "marker: names a file of 0 bytes",
            [](Collection& c) {
                c.file("[1999] Sano/Brani/vuoto.mp3", "");
                c.file(kMarker, "[1999] Sano\\Brani\\vuoto.mp3\r\n");
            },
            withPlaylist(found("0:00:00]"), "/[1999] Sano/Brani/vuoto.mp3\r\n")),
        make(
            "marker: every name in another letter case",
            [](Collection& c) {
                c.file("[2000] Ostile/brani/01 - brano.vl",
                       "[1999] SANO\\brani\\01 - sano.MP3\r\n");
            },
            withPlaylist(found("0:00:02]"), "/[1999] Sano/Brani/01 - Sano.mp3\r\n")),
    };
}

// Texts of a track whose file is found, so that only the text is hostile.
Case text(const char* name, const QByteArray& content, const QString& pane = {})
{
    return make(
        name, [content](Collection& c) { c.file(kText, content).file(kTrack, mpeg(1)); },
        withPane(found("0:00:01]"), pane));
}

QList<Case> texts()
{
    const QByteArray side = "testo\r\n\r\n" + kSeparator + "\r\n";
    return {
        text("text: 0 bytes", "", kNoText),
        text("text: blanks only", "        ", kNoText),
        text("text: binary", randomBytes(65536, 2)),
        text("text: NUL bytes", QByteArray("a\0b\0c\r\n", 7)),
        text("text: not UTF-8", "caff\xe8 lungo\r\n", QStringLiteral("caffè lungo")),
        text("text: 8 MB", QByteArray("una riga di testo\r\n").repeated(8 << 20 >> 5)),
        text("text: only the separator line", "\r\n" + kSeparator + "\r\n", kNoText),
        text("text: separator lines only", (kSeparator + "\r\n").repeated(1000)),
        text("text: a line of 100,000 characters", QByteArray(100000, 'x')),
        text("text: a side line of 100,000 characters", side + QByteArray(100000, 'y')),
        text("text: a side block of 100,000 lines", side + QByteArray("b\r\n").repeated(100000)),
        text("text: a side block of tabs", side + QByteArray(100000, '\t')),
        text("text: only CRs", QByteArray(100000, '\r')),
        text("text: only LFs", QByteArray(100000, '\n')),
        text("text: 100,000 tabs", QByteArray(100000, '\t')),
        text("text: an RTF document 100,000 braces deep",
             "{\\rtf1 " + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "}"),
        make(
            "text: larger than what is read",
            [](Collection& c) {
                sparse(c, kText, qint64(80) << 20, "inizio\r\n");
                c.file(kTrack, mpeg(1));
            },
            withPane(found("0:00:01]"), QStringLiteral("inizio"))),
    };
}

Case note(const char* name, const Build& build)
{
    Expectation e;
    e.notesHas = kNoNote;
    return make(name, build, e);
}

QList<Case> notes()
{
    const QString nota = QStringLiteral("[2000] Ostile/Testi/Nota.txt");
    return {
        note("note: 0 bytes", [nota](Collection& c) { c.file(nota, ""); }),
        note("note: a folder", [nota](Collection& c) { c.folder(nota); }),
        note("note: a FIFO", [nota](Collection& c) { fifo(c, nota); }),
        note("note: a link to a device", [nota](Collection& c) { link(c, nota, "/dev/zero"); }),
        make("note: binary", [nota](Collection& c) { c.file(nota, randomBytes(4096, 3)); }, {}),
    };
}

Case track(const char* name, const QByteArray& content, const Expectation& e)
{
    return make(
        name, [content](Collection& c) { c.file(kTrack, content); }, e);
}

QList<Case> mpegHeaders()
{
    const qsizetype size = 48000;
    return {
        track("mpeg: garbage", randomBytes(4100, 4), {}),
        track("mpeg: 0 bytes", "", found("0:00:00]")),
        track("mpeg: 1 byte", "\xff", unknown()),
        track("mpeg: the header's 4 bytes only", "\xff\xfb\x90\x00", unknown()),
        track("mpeg: the header and one byte", QByteArray("\xff\xfb\x90\x00\x00", 5),
              found("0:00:00]")),
        track("mpeg: a header cut by the end of the scan", headerAt(4098, "\xff\xfb", size),
              unknown()),
        track("mpeg: a header at the last place scanned", headerAt(4097, "\xff\xfb\x90", size),
              found("0:00:03]")),
        track("mpeg: a header one place further", headerAt(4098, "\xff\xfb\x90", size), unknown()),
        track("mpeg: a header beyond the first 4100 bytes", headerAt(5000, "\xff\xfb\x90", size),
              unknown()),
        track("mpeg: second byte 225", headerAt(0, "\xff\xe1\x90", size), unknown()),
        track("mpeg: second byte 226", headerAt(0, "\xff\xe2\x90", size), found("0:00:04]")),
        track("mpeg: third byte 15", headerAt(0, "\xff\xfb\x0f", size), unknown()),
        track("mpeg: third byte 16", headerAt(0, "\xff\xfb\x10", size), found("0:00:12]")),
        track("mpeg: third byte 235", headerAt(0, "\xff\xfb\xeb", size), found("0:00:01]")),
        track("mpeg: third byte 236", headerAt(0, "\xff\xfb\xec", size), unknown()),
        track("mpeg: the reserved version", headerAt(0, "\xff\xeb\x90", size), unknown()),
        track("mpeg: the reserved layer", headerAt(0, "\xff\xf9\x90", size), unknown()),
        track("mpeg: 255 everywhere", QByteArray(size, '\xff'), unknown()),
        make(
            "mpeg: 5 GB",
            [](Collection& c) { sparse(c, kTrack, 5000000000LL, "\xff\xfb\x90\x00"); },
            found("86:48:20]")),
        make(
            "mpeg: a FIFO", [](Collection& c) { fifo(c, kTrack); }, notFound()),
        make(
            "mpeg: a link to a device", [](Collection& c) { link(c, kTrack, "/dev/zero"); },
            notFound()),
        make(
            "mpeg: a folder", [](Collection& c) { c.folder(kTrack); }, notFound()),
    };
}

Case picture(const char* name, const QString& file, const QByteArray& content, Pictures p)
{
    Expectation e = found("0:00:01]");
    e.pictures = p;
    return make(
        name,
        [file, content](Collection& c) {
            c.file(kTrack, mpeg(1)).file("[2000] Ostile/Immagini/" + file, content);
        },
        e);
}

Case pictureShape(const char* name, const Build& build, Pictures p)
{
    Expectation e;
    e.pictures = p;
    return make(name, build, e);
}

QList<Case> pictures()
{
    const QString jpg = QStringLiteral("[2000] Ostile/Immagini/a.jpg");
    const QByteArray jpeg = PictureFiles::solid(QSize(40, 30), Qt::blue);
    return {
        picture("picture: a text named .jpg", "a.jpg", "non sono una foto\r\n", Pictures::AllFail),
        picture("picture: a truncated JPEG", "a.jpg", jpeg.left(jpeg.size() / 2),
                Pictures::AllFail),
        picture("picture: a JPEG without its end", "a.jpg", jpeg.chopped(2), Pictures::AllFail),
        picture("picture: a 0-byte BMP", "a.bmp", "", Pictures::AllFail),
        picture("picture: a GIF of 300 frames", "a.gif",
                PictureFiles::animatedGif(QSize(64, 64), 300), Pictures::AllShown),
        picture("picture: a BMP of 60000 x 60000 without pixels", "a.bmp",
                PictureFiles::bmpHeaderOnly(QSize(60000, 60000)), Pictures::AllFail),
        picture("picture: a JPEG of 12000 x 12000", "a.jpg",
                PictureFiles::largeJpeg(QSize(12000, 12000)), Pictures::AllShown),
        picture("picture: a PNG named .gif", "a.gif",
                PictureFiles::solid(QSize(8, 8), Qt::red, "PNG"), Pictures::AllFail),
        picture("picture: garbage after a JPEG start", "a.jpg",
                "\xff\xd8\xff\xe0" + randomBytes(65536, 5), Pictures::AllFail),
        pictureShape(
            "picture: a FIFO", [jpg](Collection& c) { fifo(c, jpg); }, Pictures::NoRows),
        pictureShape(
            "picture: a link to a device", [jpg](Collection& c) { link(c, jpg, "/dev/zero"); },
            Pictures::NoRows),
        pictureShape(
            "picture: a folder named .jpg", [jpg](Collection& c) { c.folder(jpg); },
            Pictures::NoRows),
        pictureShape(
            "picture: 40 pictures, all broken",
            [](Collection& c) {
                for (int i = 0; i < 40; ++i)
                    c.file(QStringLiteral("[2000] Ostile/Immagini/%1.jpg")
                               .arg(i, 2, 10, QLatin1Char('0')),
                           randomBytes(64, quint32(i)));
            },
            Pictures::AllFail),
    };
}

Case introduction(const char* name, const QByteArray& rtf)
{
    return make(name, [rtf](Collection& c) { c.file("[Varie]/Note.rtf", rtf); }, {});
}

QList<Case> rtfNotes()
{
    const QByteArray head = "{\\rtf1\\ansi ";
    QByteArray fonts = head + "{\\fonttbl";
    for (int i = 0; i < 10000; ++i)
        fonts += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
    return {
        introduction("rtf: braces 100,000 deep",
                     head + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "}"),
        introduction("rtf: \\bin of 2 GB", head + "\\bin2147483647 abc}"),
        introduction("rtf: \\bin with a huge number", head + "\\bin99999999999999999999 abc}"),
        introduction("rtf: \\bin with a negative number", head + "\\bin-5 abc}"),
        introduction("rtf: garbage after the signature", head + randomBytes(65536, 6)),
        introduction("rtf: groups never closed", head + "{{{{\\b grassetto {\\i corsivo"),
        introduction("rtf: closing braces only", head + QByteArray(100000, '}')),
        introduction("rtf: 10,000 fonts", fonts + "}\\f9999 testo}"),
        introduction("rtf: a control word of 100,000 letters",
                     head + "\\" + QByteArray(100000, 'a') + " testo}"),
        introduction("rtf: only the signature", "{\\rtf1"),
        introduction("rtf: hex escapes cut short", head + "\\'\\'f\\'"),
        introduction("rtf: a picture group of 1 MB",
                     head + "{\\pict " + QByteArray(1 << 20, 'f') + "}}"),
        make(
            "rtf: a FIFO, so the plain note is shown",
            [](Collection& c) { fifo(c, "[Varie]/Note.rtf"); },
            [] {
                Expectation e;
                e.introductionHas = kIntroduction;
                return e;
            }()),
    };
}

} // namespace

QList<Case> cases()
{
    QList<Case> all;
    for (const QList<Case>& group : {markers(), texts(), notes(), mpegHeaders(), pictures(),
                                     rtfNotes(), folderShapes(), withoutRights()})
        all += group;
    return all;
}

} // namespace Hostile
