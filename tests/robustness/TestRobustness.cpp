// The collection is never written and malformed collections do no harm, checked on the real
// program. A session that gives every command of the main window, from the start-up sequence
// to the close, over a copy of the sample collection, leaves it byte for byte as it was
// after every step, also as another user over a read-only copy. Malformed collections, one
// row per shape, are browsed whole: every album with its pictures and tracks, everything
// checked at once and played, the pane modes cycled, the window closed; nothing may crash,
// block or be written, and where the rules say how a failure shows (the track counter, a
// beep, a notice in the pane), it shows so. A hang is caught by the test's time limit.

#include "platform/Beeper.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/PictureFiles.h"
#include "support/RunningProgram.h"
#include "support/TreeSnapshot.h"
#include "ui/CheckList.h"
#include "ui/ImageControl.h"
#include "ui/TextPane.h"
#include "ui/frmVL.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using vastrel::platform::Beeper;
using Build = std::function<void(Collection&)>;
Q_DECLARE_METATYPE(Build)

namespace {

constexpr char kChild[] = "--as-other-user";
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

// A file, then what then makes; a size makes it that large without taking room on disk.
Build file(const QString& path, const QByteArray& content, const Build& then = {}, qint64 size = 0)
{
    return [=](Collection& c) {
        c.file(path, content);
        if (size > 0)
            ::truncate(QFile::encodeName(c.path(path)).constData(), off_t(size));
        if (then)
            then(c);
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
            checkEveryRow(ui.cmdSelBrani, p.module().session().mainView().tracksMode);
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
    checkEveryRow(ui.cmdSelAlbum, p.module().session().mainView().albumsMode);
    checkEveryRow(ui.cmdSelBrani, p.module().session().mainView().tracksMode);
    QTest::mouseClick(ui.cmdSuona, Qt::LeftButton);
    QTest::mouseClick(ui.cmdSelAlbum, Qt::RightButton);
    QTest::mouseClick(ui.cmdSelAlbum, Qt::LeftButton);
    check((seen + ui.txtBrani->plainText()).contains(shows), "nowhere shows " + shows);
    p.dialogs.messageAnswers = {true};
    p.window().close();
    check(!p.window().isVisible() &&
              p.module().session().pointer() == vastrel::browser::Pointer::Default,
          "not closed cleanly");
    return problems;
}

QStringList session(const QString& root)
{
    const QByteArrayList before = TreeSnapshot::take(root);
    RunningProgram p({"/ROOT:" + root});
    if (!p.started() || p.startUpClicks() != 1)
        return {"the program did not start as a user starts it"};
    const auto& ui = p.window().controls();
    auto& answers = p.dialogs;
    const auto click = [](QWidget* w, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(w, b);
    };
    // Keys as the keyboard delivers them to the main window, which hands them to its focus.
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(p.window().windowHandle(), k, m);
    };
    const QList<std::pair<const char*, std::function<void()>>> steps{
        {"the show filters, both orders, every album and track alone, added, played with Shift",
         [&] {
             ui.cboMostra->setFocus();
             for (Qt::Key k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down})
                 key(k);
             click(ui.chkOrdinaAZ);
             click(ui.chkOrdinaAZ);
             for (QListView* list : {ui.lstAlbum, ui.lstBrani}) {
                 for (Qt::KeyboardModifier m : {Qt::NoModifier, Qt::ControlModifier})
                     for (int i = 0; i < list->model()->rowCount(); ++i)
                         clickCheckBox(list, i, m);
                 clickCheckBox(list, 0);
                 clickCheckBox(list, 1, Qt::ShiftModifier);
             }
         }},
        {"select all, switch, deselect all, Backspace",
         [&] {
             for (QPushButton* b : {ui.cmdSelAlbum, ui.cmdSelBrani, ui.cmdSelAlbum})
                 for (Qt::MouseButton m :
                      {Qt::LeftButton, Qt::RightButton, Qt::LeftButton, Qt::RightButton})
                     click(b, m);
             QTest::keyClick(ui.lstBrani, Qt::Key_Backspace);
             QTest::keyClick(ui.lstAlbum, Qt::Key_Backspace);
         }},
        {"searches, find next, select and copy",
         [&] {
             answers.inputAnswers = {"a", "nessun titolo così", "", "a", "nessun testo così"};
             for (QPushButton* b : {ui.cmdCercaBrano, ui.cmdCercaBrano, ui.cmdCercaBrano,
                                    ui.cmdCercaTesto, ui.cmdCercaAvanti, ui.cmdCercaAvanti,
                                    ui.cmdCercaTesto, ui.cmdSelTesto, ui.cmdCopia})
                 click(b);
         }},
        {"play, also with an opener that fails, the pictures, every pane mode, both sizes, the "
         "About window, every function key",
         [&] {
             click(ui.cmdSuona);
             p.opener.succeed = false;
             click(ui.cmdSuona);
             p.opener.succeed = true;
             for (int k = 0; k < ui.lstJPEG->rows()->count(); ++k)
                 clickRowText(ui.lstJPEG, k);
             QTest::keyClick(ui.lstJPEG, Qt::Key_Return);
             for (QWidget* w :
                  std::initializer_list<QWidget*>{ui.cmdCopertina, ui.cmdCopertina, ui.cmdCopertina,
                                                  ui.cmdCopertina, ui.imgEC[0], ui.imgEC[1]})
                 click(w);
             QTest::mousePress(ui.imgInfo, Qt::LeftButton);
             ui.lstBrani->setFocus();
             for (int f = 0; f < 24; ++f)
                 key(Qt::Key(Qt::Key_F1 + f % 12), f < 12 ? Qt::NoModifier : Qt::ShiftModifier);
             key(Qt::Key_I, Qt::AltModifier);
         }},
        {"Escape, the close refused, then the close",
         [&] {
             answers.messageAnswers = {false, true};
             key(Qt::Key_Escape);
             p.window().close();
         }},
    };
    QStringList problems;
    for (const auto& [name, act] : steps) {
        act();
        const QByteArray changed = TreeSnapshot::difference(before, TreeSnapshot::take(root));
        if (!changed.isEmpty() ||
            p.module().session().pointer() != vastrel::browser::Pointer::Default)
            problems.append(QString::fromLatin1(name) +
                            " changed the collection or left a busy pointer:\n" + changed);
    }
    // The session did give the commands.
    if (p.opener.opened.size() < 2 || answers.inputs.size() < 5 || p.aboutShowings() < 2 ||
        answers.messages.size() < 3 || QGuiApplication::clipboard()->text().isEmpty() ||
        p.window().isVisible())
        problems.append(QString::asprintf("the session did not give every command: %d plays, "
                                          "%d searches, %d About, %d messages",
                                          int(p.opener.opened.size()), int(answers.inputs.size()),
                                          p.aboutShowings(), int(answers.messages.size())));
    return problems;
}

// The check the arguments name: "session" <root>, or "explore" <root> <caption> <beeps> <shows>.
QStringList run(const QStringList& a)
{
    return a[0] == u"session" ? session(a[1]) : explore(a[1], a[2], a[3].toInt(), a[4]);
}

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

    // Runs the check here, or as another user in a fresh process of this program: as root,
    // nothing would stop a read or a write.
    static void check(const QString& root, const QStringList& arguments, bool asOtherUser)
    {
        const QByteArrayList before = TreeSnapshot::take(root);
        const QStringList problems = asOtherUser ? QStringList() : run(arguments);
        const ChildRun child =
            asOtherUser ? runSelfAsOtherUser(QStringList{kChild} + arguments) : ChildRun::Passed;
        const QByteArray changed = TreeSnapshot::difference(before, TreeSnapshot::take(root));
        QProcess::execute("chmod", {"-R", "u+rwX", root});
        if (child == ChildRun::CannotStart)
            QSKIP("another user may not run this test program where it was built");
        QVERIFY2(child == ChildRun::Passed, "as another user: the problems are above");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QVERIFY2(changed.isEmpty(), changed.constData());
    }

private Q_SLOTS:
    void aWholeSessionChangesNothing_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("the sample collection") << false;
        QTest::newRow("read-only, as another user") << true;
    }

    void aWholeSessionChangesNothing()
    {
        QFETCH(bool, readOnly);
        QTemporaryDir place;
        const QString root = place.path() + "/Collezione/";
        QCOMPARE(QProcess::execute("cp", {"-R", VASTREL_EXAMPLES, root.chopped(1)}), 0);
        QProcess::execute("chmod", {"a+rx", place.path()}); // another user may enter it
        QProcess::execute("chmod", {"-R", readOnly ? "a+rX,a-w" : "a+rX", root});
        QVERIFY(TreeSnapshot::take(root).size() > 60);
        check(root, {"session", root}, readOnly);
    }

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
        row("marker: 1 MB without a line end", file(kMarker, QByteArray(1 << 20, '\x01')),
            kNotFound, 1);
        row("marker: names itself", file(kMarker, "[2000] Ostile\\Brani\\01 - Brano.VL"), kUnknown);
        row("text: blanks only", file(kText, "        ", file(kTrack, mpeg(1))), {}, -1,
            "Nessun Testo Disponibile.");
        row("text: larger than what is read", file(kText, "inizio\r\n", {}, qint64(80) << 20), {},
            -1, "inizio");
        row("note: a link to a device", special("[2000] Ostile/Testi/Nota.txt", "/dev/zero"), {},
            -1, noNote);
        row("mpeg: 5 GB", file(kTrack, "\xFF\xFB\x90", {}, 5000000000LL), "(su 1)  [86:48:20]", 0);
        row("mpeg: a FIFO", special(kTrack), kNotFound, 1);
        row("picture: 60000 x 60000 without pixels",
            file(kPicture, PictureFiles::bmpHeaderOnly(QSize(60000, 60000))));
        row("picture: a JPEG of 12000 x 12000",
            file(kPicture, PictureFiles::largeJpeg(QSize(12000, 12000))));
        row("introduction: a FIFO, so the plain note shows", special("[Varie]/Note.rtf"), {}, -1,
            "Note introduttive.");
        row("folder: an album that is a link to the root", special("[2001] Radice", "."));
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
        row("folder: Brani is a FIFO", special("[2000] Ostile/Brani"), kNotFound, 1);
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
        check(c.root(), {"explore", c.root(), caption, QString::number(beeps), shows}, asOtherUser);
    }
};

// A check as another user runs in a fresh process of this program (AsOtherUser.h).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], kChild) == 0) {
        QStringList arguments;
        for (int i = 2; i < argc; ++i)
            arguments.append(QString::fromLocal8Bit(argv[i]));
        const QStringList problems = run(arguments);
        for (const QString& problem : problems)
            qWarning("%s", qPrintable(problem));
        return problems.isEmpty() ? 0 : 1;
    }
    TestRobustness test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestRobustness.moc"
