// Malformed collections opened in the real program, one row per shape: every album is
// checked with its pictures and all its tracks, everything is checked at once and played,
// the pane modes are cycled, the window is closed. Nothing may crash or block, nothing may
// be written, and where the rules say how a failure shows (the track counter, a beep, a
// notice in the pane), it shows so. A hang is caught by the test's time limit.

#include "mainwindow/CheckList.h"
#include "mainwindow/ImageControl.h"
#include "mainwindow/TextPane.h"
#include "mainwindow/frmVL.h"
#include "platform/Beeper.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/PictureFiles.h"
#include "support/RunningProgram.h"
#include "support/TreeSnapshot.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using vastrel::platform::Beeper;
using Build = std::function<void(Collection&)>;
Q_DECLARE_METATYPE(Build)

namespace {

constexpr char kExplore[] = "--explore-as-other-user";
const QString kAlbum = QStringLiteral("[2000] Ostile");
const QString kText = QStringLiteral("[2000] Ostile/Testi/01 - Brano.txt");
const QString kTrack = QStringLiteral("[2000] Ostile/Brani/01 - Brano.mp3");
const QString kMarker = QStringLiteral("[2000] Ostile/Brani/01 - Brano.VL");
const QString kPicture = QStringLiteral("[2000] Ostile/Immagini/a.jpg");
const QString kNotFound = QStringLiteral("(su 1)  [0:00:00]");
const QString kUnknown = QStringLiteral("(su 1)  [0:00:00 + 1x???]");
const QString kNotListed = QStringLiteral("not listed");

// MPEG-1 Layer III at 128 kbit/s.
QByteArray mpeg(int seconds)
{
    return "\xFF\xFB\x90" + QByteArray(qsizetype(seconds) * 16000 - 3, '\0');
}

QByteArray noise(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 seed = 1;
    for (char& b : bytes)
        b = char((seed = seed * 1664525u + 1013904223u) >> 24);
    return bytes;
}

// Makes a FIFO (mode 0), a link (to target) or sets the mode of what is there.
Build special(const QString& path, const QByteArray& target = {}, int mode = -1)
{
    return [=](Collection& c) {
        const QByteArray name = QFile::encodeName(c.path(path));
        QDir(c.root()).mkpath(path.left(path.lastIndexOf(u'/') + 1));
        if (mode >= 0)
            ::chmod(name.constData(), mode_t(mode));
        else if (target.isEmpty())
            ::mkfifo(name.constData(), 0644);
        else
            ::symlink(target.constData(), name.constData());
    };
}

Build file(const QString& path, const QByteArray& content, const Build& then = {})
{
    return [=](Collection& c) {
        c.file(path, content);
        if (then)
            then(c);
    };
}

// A file that takes no room on disk: its head, then a hole.
Build sparse(const QString& path, qint64 size, const QByteArray& head)
{
    return [=](Collection& c) {
        c.file(path, head);
        ::truncate(QFile::encodeName(c.path(path)).constData(), off_t(size));
    };
}

// The healthy album, the introduction, and the hostile album with its text.
void base(Collection& c)
{
    c.album("[1999] Sano").text("01 - Sano.txt", "testo sano\r\n").track("01 - Sano.mp3", mpeg(2));
    c.picture("sano.bmp", PictureFiles::solid(QSize(4, 4), Qt::red, "BMP"));
    c.file("[Varie]/Note.txt", "Note introduttive.\r\n");
    c.album(kAlbum).text("01 - Brano.txt", "testo ostile\r\n");
}

// Browses the collection and answers with what went wrong: the hostile album's track
// counter must end with caption (or the album not be listed), with that many beeps, and
// shows must be seen in some pane.
QStringList explore(const QString& root, const QString& caption, int beeps, const QString& shows)
{
    RunningProgram p({"/ROOT:" + root});
    if (!p.started())
        return {"the program did not start"};
    QStringList problems;
    const auto check = [&](bool ok, const QString& what) {
        if (!ok)
            problems.append(what);
    };
    const auto& ui = p.window().controls();
    ui.cboMostra->setFocus();
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}) // every filter
        QTest::keyClick(ui.cboMostra, k);
    QString seen;
    bool listed = false;
    for (int row = 0; row < ui.lstAlbum->rows()->count(); ++row) {
        const bool hostile = ui.lstAlbum->rows()->row(row).field() == kAlbum;
        listed = listed || hostile;
        clickCheckBox(ui.lstAlbum, row);
        seen += ui.txtBrani->plainText();
        for (int k = 0; k < std::min(ui.lstJPEG->rows()->count(), 4); ++k)
            clickRowText(ui.lstJPEG, k);
        Beeper::resetCount();
        if (ui.cmdSelBrani->isEnabled())
            checkEveryRow(ui.cmdSelBrani, u" Seleziona Tutti i Brani ");
        seen += ui.txtBrani->plainText();
        if (hostile && caption != kNotListed) {
            check(ui.lblBrani->text().endsWith(caption), "the counter: " + ui.lblBrani->text());
            check(beeps < 0 || Beeper::count() == beeps, QString("%1 beeps").arg(Beeper::count()));
        }
        QTest::mouseClick(ui.cmdSuona, Qt::LeftButton);
    }
    check(listed == (caption != kNotListed), listed ? "the album is listed" : "it is missing");
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.cmdCopertina, ui.cmdCopertina, ui.cmdCopertina,
                                         ui.cmdCopertina, ui.imgEC[0], ui.imgEC[1]})
        QTest::mouseClick(w, Qt::LeftButton);
    checkEveryRow(ui.cmdSelAlbum, u" Seleziona Tutti gli Album ");
    checkEveryRow(ui.cmdSelBrani, u" Seleziona Tutti i Brani ");
    check(ui.txtBrani->plainText().contains(u"testo sano"), "the healthy album's text is missing");
    QTest::mouseClick(ui.cmdSuona, Qt::LeftButton);
    QTest::mouseClick(ui.cmdSelAlbum, Qt::RightButton);
    QTest::mouseClick(ui.cmdSelAlbum, Qt::LeftButton);
    check((seen + ui.txtBrani->plainText()).contains(shows), "nowhere shows " + shows);
    p.dialogs.messageAnswers = {true};
    p.window().close();
    check(!p.window().isVisible() && p.window().mousePointer() == 0, "not closed cleanly");
    return problems;
}

} // namespace

class TestHostileCollections : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensAndBrowsesWithoutHarm_data()
    {
        QTest::addColumn<Build>("build");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("shows");
        QTest::addColumn<bool>("asOtherUser");
        auto row = [](const char* name, const Build& build, const QString& caption = {},
                      int beeps = -1, const QString& shows = {}, bool asOtherUser = false) {
            QTest::newRow(name) << build << caption << beeps << shows << asOtherUser;
        };
        const QString noNote = QStringLiteral("Nessuna Nota Disponibile.");
        const QByteArray jpeg = PictureFiles::solid(QSize(40, 30), Qt::blue);
        row("marker: 1 MB of noise", file(kMarker, noise(1 << 20)), kNotFound, 1);
        row("marker: names itself", file(kMarker, "[2000] Ostile\\Brani\\01 - Brano.VL"), kUnknown);
        row("text: blanks only", file(kText, "        ", file(kTrack, mpeg(1))), {}, -1,
            "Nessun Testo Disponibile.");
        row("text: larger than what is read", sparse(kText, qint64(80) << 20, "inizio\r\n"), {}, -1,
            "inizio");
        row("text: a side block of 100,000 lines",
            file(kText, "t\r\n\r\n                -+----+---------+----+-\r\n" +
                            QByteArray("b\r\n").repeated(100000)));
        row("note: a link to a device", special("[2000] Ostile/Testi/Nota.txt", "/dev/zero"), {},
            -1, noNote);
        row("mpeg: 5 GB", sparse(kTrack, 5000000000LL, "\xFF\xFB\x90"), "(su 1)  [86:48:20]", 0);
        row("mpeg: a FIFO", special(kTrack), kNotFound, 1);
        row("picture: a truncated JPEG", file(kPicture, jpeg.left(jpeg.size() / 2)));
        row("picture: 60000 x 60000 without pixels",
            file(kPicture, PictureFiles::bmpHeaderOnly(QSize(60000, 60000))));
        row("picture: a JPEG of 12000 x 12000",
            file(kPicture, PictureFiles::largeJpeg(QSize(12000, 12000))));
        row("picture: a FIFO", special(kPicture));
        row("introduction: a FIFO, so the plain note shows", special("[Varie]/Note.rtf"), {}, -1,
            "Note introduttive.");
        row("folder: an album that is a link to the root", special("[2001] Radice", "."));
        row("folder: Testi a link to its own album",
            file("[2002] Anello/01 - A.txt", "a\r\n", special("[2002] Anello/Testi", ".")));
        row(
            "folder: 50,000 texts and tracks",
            [](Collection& c) {
                for (int i = 0; i < 50000; ++i) {
                    const QByteArray name = QByteArray::number(i);
                    c.rawFile("[2000] Ostile/Testi/" + name + ".txt", "");
                    c.rawFile("[2000] Ostile/Brani/" + name + ".mp3",
                              QByteArray("\xFF\xFB\x90\0\0", 5));
                }
            },
            "(su 50001)  [0:00:00]", 1);
        row(
            "folder: names that are not UTF-8",
            [](Collection& c) {
                c.rawFile("[2000] Ostile/Testi/02 - \xe9\xff.txt", "\xe9t\xe9\r\n");
                c.rawFile("[2000] Ostile/Brani/02 - \xe9\xff.mp3", mpeg(1)).file(kTrack, mpeg(1));
            },
            "(su 2)  [0:00:02]", 0);
        row(
            "folder: Testi is a file",
            [](Collection& c) {
                QDir(c.path("[2000] Ostile/Testi")).removeRecursively();
                c.file("[2000] Ostile/Testi", "x");
            },
            kNotListed);
        row("folder: Brani is a FIFO", special("[2000] Ostile/Brani"), kNotFound, 1);
        row("folder: [Varie] is a FIFO", [](Collection& c) {
            QDir(c.path("[Varie]")).removeRecursively();
            special("[Varie]")(c);
        });
        row("folder: the album unreadable", special(kAlbum, {}, 0), kNotListed, -1, {}, true);
    }

    void opensAndBrowsesWithoutHarm()
    {
        QFETCH(Build, build);
        QFETCH(QString, caption);
        QFETCH(int, beeps);
        QFETCH(QString, shows);
        QFETCH(bool, asOtherUser);
        Collection c;
        base(c);
        build(c);
        const QByteArrayList before = TreeSnapshot::take(c.root());
        QStringList problems;
        if (!asOtherUser) {
            problems = explore(c.root(), caption, beeps, shows);
        } else {
            // As root, nothing would stop a read: browse where the rights are checked.
            switch (
                runSelfAsOtherUser({kExplore, c.root(), caption, QString::number(beeps), shows})) {
            case ChildRun::Passed:
                break;
            case ChildRun::Failed:
                problems.append("browsing as another user found problems (above)");
                break;
            case ChildRun::CannotStart:
                QProcess::execute("chmod", {"-R", "u+rwX", c.root()});
                QSKIP("another user may not run this test program where it was built");
            }
        }
        const QByteArray changed = TreeSnapshot::difference(before, TreeSnapshot::take(c.root()));
        QProcess::execute("chmod", {"-R", "u+rwX", c.root()});
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QVERIFY2(changed.isEmpty(), changed.constData());
    }
};

// Browsing as another user runs in a fresh process of this program (AsOtherUser.h).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 6 && qstrcmp(argv[1], kExplore) == 0) {
        const QStringList problems =
            explore(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                    QByteArray(argv[4]).toInt(), QString::fromLocal8Bit(argv[5]));
        for (const QString& problem : problems)
            qWarning("%s", qPrintable(problem));
        return problems.isEmpty() ? 0 : 1;
    }
    TestHostileCollections test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestHostileCollections.moc"
