// Malformed collections by the shape of their folders: links, loops, huge folders, names
// that are no text, files and FIFOs where folders belong, devices, and folders that another
// user may not read.

#include "HostileCollection.h"

#include <QDir>
#include <QFile>

namespace Hostile {

namespace {

using Build = std::function<void(Collection&)>;

const QString kTestiFolder = QStringLiteral("[2000] Ostile/Testi");
const QString kBraniFolder = QStringLiteral("[2000] Ostile/Brani");
const QString kImmaginiFolder = QStringLiteral("[2000] Ostile/Immagini");
const QString kTrack = QStringLiteral("[2000] Ostile/Brani/01 - Brano.mp3");

Case make(const char* name, const Build& build, const Expectation& e)
{
    return {name,
            [build](Collection& c) {
                base(c);
                build(c);
            },
            e};
}

// The hostile album made by the case itself, in place of the base's.
Case replaced(const char* name, const Build& build, const Expectation& e)
{
    return {name,
            [build](Collection& c) {
                base(c);
                QDir(c.path(kAlbum)).removeRecursively();
                build(c);
            },
            e};
}

Expectation tracks(int count, int beeps, const QString& captionEnds = {})
{
    Expectation e;
    e.tracks = count;
    e.beeps = beeps;
    e.captionEnds = captionEnds;
    return e;
}

Expectation notListed()
{
    Expectation e;
    e.listed = false;
    return e;
}

Expectation pictures(Pictures p)
{
    Expectation e;
    e.pictures = p;
    return e;
}

Expectation introduction(const QString& has)
{
    Expectation e;
    e.introductionHas = has;
    return e;
}

// 50,000 texts, each with its track file: the folders are read once per rebuild, and each
// name is looked up in them without going through them all.
void hugeFolders(Collection& c)
{
    for (int i = 0; i < 50000; ++i) {
        const QByteArray name = QByteArray::number(i).rightJustified(5, '0');
        c.rawFile("[2000] Ostile/Testi/" + name + ".txt", "");
        c.rawFile("[2000] Ostile/Brani/" + name + ".mp3", QByteArray::fromHex("fffb900000"));
    }
}

} // namespace

QList<Case> folderShapes()
{
    return {
        make(
            "folder: links to links to the track",
            [](Collection& c) {
                link(c, kTrack, "uno");
                link(c, kBraniFolder + "/uno", "due");
                link(c, kBraniFolder + "/due", "../../[1999] Sano/Brani/01 - Sano.mp3");
            },
            tracks(1, 0, QStringLiteral("[0:00:02]"))),
        make(
            "folder: a link loop through the root",
            [](Collection& c) {
                link(c, kBraniFolder + "/radice", QFile::encodeName(c.root()));
                c.file(kBraniFolder + "/01 - Brano.VL",
                       "[2000] Ostile\\Brani\\radice\\[2000] Ostile\\Brani\\radice\\[1999] "
                       "Sano\\Brani\\01 - Sano.mp3\r\n");
            },
            tracks(1, 0, QStringLiteral("[0:00:02]"))),
        make("folder: an album that is a link to the root",
             [](Collection& c) { link(c, "[2001] Radice", "."); }, {}),
        make("folder: Testi a link to its own album",
             [](Collection& c) {
                 link(c, "[2002] Anello/Testi", ".");
                 c.file("[2002] Anello/01 - Anello.txt", "anello\r\n");
             },
             {}),
        make(
            "folder: links that point nowhere",
            [](Collection& c) {
                link(c, kTestiFolder + "/02 - Niente.txt", "/non/esiste");
                link(c, kTrack, "/non/esiste.mp3");
                link(c, kImmaginiFolder + "/a.jpg", "/non/esiste.jpg");
            },
            tracks(1, 1)),
        make(
            "folder: a loop of two links as a text",
            [](Collection& c) {
                link(c, kTestiFolder + "/02 - A.txt", "02 - B.txt");
                link(c, kTestiFolder + "/02 - B.txt", "02 - A.txt");
            },
            tracks(1, 1)),
        replaced("folder: 50,000 texts and tracks", hugeFolders,
                 tracks(50000, 0, QStringLiteral("[0:00:00]"))),
        make(
            "folder: names that are not UTF-8",
            [](Collection& c) {
                c.rawFile("[2000] Ostile/Testi/02 - \xe9\xff.txt", "\xe9t\xe9\r\n");
                c.rawFile("[2000] Ostile/Brani/02 - \xe9\xff.mp3", mpeg(1));
                c.file(kTrack, mpeg(1));
            },
            [] {
                Expectation e = tracks(2, 0, QStringLiteral("[0:00:02]"));
                e.playlistHas = "/[2000] Ostile/Brani/02 - \xe9\xff.mp3\r\n";
                return e;
            }()),
        make("folder: an album named with bytes that are not UTF-8",
             [](Collection& c) { c.rawFile("[2001] \xff\xfe/Testi/a\x80.txt", "\x80\r\n"); }, {}),
        make(
            "folder: names with line breaks",
            [](Collection& c) {
                c.file(kTestiFolder + "/02 - A\nB.txt", "a capo\r\n");
                c.file(kBraniFolder + "/02 - A\nB.mp3", mpeg(1));
                c.file(kTestiFolder + "/03 - C\rD.txt", "ritorno\r\n");
                c.file(kTrack, mpeg(1));
            },
            tracks(3, 1, QStringLiteral("[0:00:02]"))),
        make(
            "folder: a name of 255 bytes",
            [](Collection& c) {
                c.file(kTestiFolder + "/" + QString(251, u'n') + ".txt", "lungo\r\n");
                c.file(kBraniFolder + "/" + QString(251, u'n') + ".mp3", mpeg(3));
            },
            tracks(2, 1, QStringLiteral("[0:00:03]"))),
        replaced(
            "folder: Testi is a file", [](Collection& c) { c.file(kTestiFolder, "x"); },
            notListed()),
        make(
            "folder: Brani is a file", [](Collection& c) { c.file(kBraniFolder, "x"); },
            tracks(1, 1)),
        make(
            "folder: Immagini is a file", [](Collection& c) { c.file(kImmaginiFolder, "x"); },
            pictures(Pictures::NoRows)),
        replaced(
            "folder: Testi is a FIFO", [](Collection& c) { fifo(c, kTestiFolder); }, notListed()),
        make(
            "folder: Brani is a FIFO", [](Collection& c) { fifo(c, kBraniFolder); }, tracks(1, 1)),
        make(
            "folder: Immagini is a FIFO", [](Collection& c) { fifo(c, kImmaginiFolder); },
            pictures(Pictures::NoRows)),
        make(
            "folder: FIFOs in every place",
            [](Collection& c) {
                for (const char* place :
                     {"[2000] Ostile/Testi/02 - Coda.txt", "[2000] Ostile/Testi/Nota.txt",
                      "[2000] Ostile/Brani/01 - Brano.mp3", "[2000] Ostile/Brani/01 - Brano.VL",
                      "[2000] Ostile/Immagini/a.jpg", "[Varie]/Note.rtf", "[Varie]/a.jpg",
                      "[2003] Coda", "coda"})
                    fifo(c, QString::fromLatin1(place));
            },
            [] {
                Expectation e = tracks(1, 1);
                e.pictures = Pictures::NoRows;
                e.notesHas = kNoNote;
                e.introductionHas = kIntroduction;
                return e;
            }()),
        replaced("folder: [Varie] is a FIFO",
                 [](Collection& c) {
                     QDir(c.path("[Varie]")).removeRecursively();
                     fifo(c, "[Varie]");
                     c.album(kAlbum).text("01 - Brano.txt", kHostileText.toUtf8());
                 },
                 {}),
        make(
            "folder: a marker 200 folders deep",
            [](Collection& c) {
                const QString deep = QStringLiteral("d/").repeated(200);
                c.file("[1999] Sano/" + deep + "x.mp3", mpeg(5));
                QString line = "[1999] Sano/" + deep + "x.mp3\r\n";
                c.file(kBraniFolder + "/01 - Brano.VL", line.replace(u'/', u'\\').toUtf8());
            },
            tracks(1, 0, QStringLiteral("[0:00:05]"))),
    };
}

QList<Case> withoutRights()
{
    // Made by root, browsed by a user who may not read what the case closes.
    auto closed = [](const char* name, const QString& place, const QByteArray& content, unsigned m,
                     const Expectation& e) {
        Case k = make(
            name,
            [place, content, m](Collection& c) {
                if (!content.isNull())
                    c.file(place, content);
                mode(c, place, m);
            },
            e);
        k.asOtherUser = true;
        return k;
    };
    auto inFolder = [](const char* name, const QString& folder, const QString& file,
                       const QByteArray& content, unsigned m, const Expectation& e) {
        Case k = make(
            name,
            [folder, file, content, m](Collection& c) {
                c.file(folder + u'/' + file, content);
                mode(c, folder, m);
            },
            e);
        k.asOtherUser = true;
        return k;
    };
    auto devices = [](const char* name, const QString& place, const Expectation& e) {
        Case k = make(
            name, [place](Collection& c) { device(c, place); }, e);
        k.needsRoot = true;
        return k;
    };
    Expectation noText = tracks(1, 1);
    noText.paneHas = kNoText;
    Expectation noNote;
    noNote.notesHas = kNoNote;
    return {
        closed("rights: Testi unreadable", kTestiFolder, {}, 0, notListed()),
        closed("rights: the album folder unreadable", kAlbum, {}, 0, notListed()),
        closed("rights: the text unreadable", kTestiFolder + "/01 - Brano.txt", {}, 0, noText),
        closed("rights: the track unreadable", kTrack, mpeg(3), 0,
               tracks(1, 0, QStringLiteral("[0:00:00 + 1x???]"))),
        inFolder("rights: Brani unreadable", kBraniFolder, "01 - Brano.mp3", mpeg(3), 0,
                 tracks(1, 1)),
        inFolder("rights: Brani can be entered but not listed", kBraniFolder, "01 - Brano.mp3",
                 mpeg(3), 0311, tracks(1, 1)),
        inFolder("rights: Immagini unreadable", kImmaginiFolder, "a.jpg", "x", 0,
                 pictures(Pictures::NoRows)),
        closed("rights: a picture unreadable", kImmaginiFolder + "/a.jpg", "x", 0,
               pictures(Pictures::AllFail)),
        closed("rights: the note unreadable", kTestiFolder + "/Nota.txt", "segreto\r\n", 0, noNote),
        closed("rights: [Varie] unreadable", "[Varie]", {}, 0, {}),
        devices("devices: the track", kTrack, tracks(1, 1)),
        devices("devices: a text", kTestiFolder + "/02 - Nulla.txt", tracks(1, 1)),
        devices("devices: a picture", kImmaginiFolder + "/a.jpg", pictures(Pictures::NoRows)),
        devices("devices: the note", kTestiFolder + "/Nota.txt", noNote),
        devices("devices: the introduction", "[Varie]/Note.rtf", introduction(kIntroduction)),
    };
}

} // namespace Hostile
