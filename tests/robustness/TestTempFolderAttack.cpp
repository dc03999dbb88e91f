// The system temporary folder is shared by every user. Whatever another user puts where the
// program's private folder belongs, and whatever stands in the private folder under the
// names the program writes and deletes, playing and the clean-up never write or delete
// through a link and never touch anything outside the private folder.

#include "ui/CheckList.h"
#include "ui/frmVL.h"
#include "media/TempCleanup.h"
#include "platform/FileSystem.h"
#include "platform/Opener.h"
#include "platform/PrivateTempFolder.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/ScriptedDialogs.h"
#include "support/TreeSnapshot.h"

#include <QFile>
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using vastrel::ui::frmVL;
using vastrel::platform::PrivateTempFolder;

namespace {

const QByteArray kPlaylist = "Vastrel PlayList.m3u";

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

bool fail(const char* what)
{
    qWarning("%s", what);
    return false;
}

// The system temporary folder as /tmp is (everyone may write, sticky), the folder of another
// user's files that must survive, and the program's fixed private folder name.
struct Places
{
    Places()
    {
        ::chmod(native(system.path()).constData(), 01777);
        ::chmod(native(elsewhere.path()).constData(), 0777);
        fixed = native(system.path()) + "/vastrel-" + QByteArray::number(::geteuid());
        victim = native(elsewhere.path()) + "/vittima.txt";
        QFile f(QFile::decodeName(victim));
        if (!f.open(QIODevice::WriteOnly) || f.write("di un altro utente\n") < 0)
            qWarning("victim file");
        f.close();
        byOtherUser(victim);
        byOtherUser(native(elsewhere.path()));
    }

    static void byOtherUser(const QByteArray& path)
    {
        if (::geteuid() == 0 && ::lchown(path.constData(), otherUserId(), otherUserId()) != 0)
            qWarning("lchown");
    }

    // The other user's files: names, contents and times. A hard link planted or removed
    // changes only their link counts and status-change times.
    QByteArrayList theirs() const
    {
        QByteArrayList lines = TreeSnapshot::take(elsewhere.path());
        for (QByteArray& line : lines) {
            const qsizetype links = line.indexOf(" links ");
            const qsizetype mtime = line.indexOf(" mtime ");
            const qsizetype ctime = line.indexOf(" ctime ");
            const qsizetype end = line.indexOf(' ', ctime + 7);
            if (links < 0 || mtime < 0 || ctime < 0)
                continue;
            line = line.left(links) + line.mid(mtime, ctime - mtime) +
                   (end < 0 ? QByteArray() : line.mid(end));
        }
        return lines;
    }

    QTemporaryDir system;
    QTemporaryDir elsewhere;
    QByteArray fixed;
    QByteArray victim;
};

} // namespace

// What stands at the fixed private folder's name before the program starts.
using Attack = std::function<bool(Places&)>;
Q_DECLARE_METATYPE(Attack)

namespace {

// Another user's files where the program would put and clean its own.
bool plantVictims(const QByteArray& folder)
{
    for (const QByteArray& name : {kPlaylist, QByteArray("~lavoro.tmp")}) {
        QFile f(QFile::decodeName(folder + '/' + name));
        if (!f.open(QIODevice::WriteOnly) || f.write("di un altro utente\n") < 0)
            return fail("victim");
        f.close();
        Places::byOtherUser(folder + '/' + name);
    }
    return true;
}

// An opener that records what it was asked to open, and reads it without ever blocking on a
// FIFO.
class Opener : public vastrel::platform::Opener
{
public:
    bool open(const QString& file, const QString&) override
    {
        opened.append(file);
        contents.append(vastrel::platform::FileSystem::readFile(file, 1 << 20).data);
        return true;
    }
    QStringList opened;
    QByteArrayList contents;
};

// The main window over a collection of one album with one track, the given system temporary
// folder, and the album and track checked.
struct Window
{
    explicit Window(const Collection& c, const QString& systemTemp)
        : state(vastrel::browser::ModuleState::initial(c.root(), QSize(1024, 768))),
          m_oldTmpDir(qgetenv("TMPDIR"))
    {
        qputenv("TMPDIR", native(systemTemp));
        window = std::make_unique<frmVL>(state, dialogs, opener);
        window->resize(700, 500);
        window->show();
        window->selectShowFilter(2);
        window->Form_Activate();
        clickCheckBox(window->controls().lstAlbum, 0);
        clickCheckBox(window->controls().lstBrani, 0);
    }
    ~Window()
    {
        window.reset();
        qputenv("TMPDIR", m_oldTmpDir);
    }

    void play() { QTest::mouseClick(window->controls().cmdSuona, Qt::LeftButton); }
    QString playlist() const { return vastrel::media::TempCleanup::playlistPath(folder()); }
    QString folder() const { return window->tempFolder(); }
    void close()
    {
        dialogs.messageAnswers = {true};
        window->close();
    }

    ScriptedDialogs dialogs;
    Opener opener;
    vastrel::browser::ModuleState state;
    std::unique_ptr<frmVL> window;

private:
    QByteArray m_oldTmpDir;
};

void oneTrack(Collection& c)
{
    c.album("[1979] Uno").text("01 - Alba.txt", "alba\r\n").track("01 - Alba.mp3");
}

} // namespace

class TestTempFolderAttack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void anotherUsersThingInThePlaceOfThePrivateFolder_data()
    {
        QTest::addColumn<Attack>("attack");
        QTest::newRow("a link to another user's folder") << Attack([](Places& p) {
            const QByteArray target = native(p.elsewhere.path());
            Places::byOtherUser(target);
            if (::symlink(target.constData(), p.fixed.constData()) != 0)
                return fail("symlink");
            Places::byOtherUser(p.fixed);
            return plantVictims(target);
        });
        QTest::newRow("a link to a folder of the user's own") << Attack([](Places& p) {
            const QByteArray own = native(p.elsewhere.path()) + "/propria";
            if (::mkdir(own.constData(), 0700) != 0 ||
                ::symlink(own.constData(), p.fixed.constData()) != 0)
                return fail("link");
            Places::byOtherUser(p.fixed);
            return plantVictims(own);
        });
        QTest::newRow("another user's folder open to all") << Attack([](Places& p) {
            if (::mkdir(p.fixed.constData(), 0777) != 0 || ::chmod(p.fixed.constData(), 0777))
                return fail("mkdir");
            Places::byOtherUser(p.fixed);
            return plantVictims(p.fixed);
        });
        QTest::newRow("another user's private folder") << Attack([](Places& p) {
            if (::mkdir(p.fixed.constData(), 0700) != 0 || !plantVictims(p.fixed))
                return fail("mkdir");
            Places::byOtherUser(p.fixed);
            return true;
        });
        QTest::newRow("the user's own folder, open to all") << Attack([](Places& p) {
            if (::mkdir(p.fixed.constData(), 0777) != 0 || ::chmod(p.fixed.constData(), 0777))
                return fail("mkdir");
            return plantVictims(p.fixed);
        });
        QTest::newRow("a file") << Attack([](Places& p) {
            QFile f(QFile::decodeName(p.fixed));
            return f.open(QIODevice::WriteOnly) && f.write("x") == 1;
        });
        QTest::newRow("a link to a file") << Attack(
            [](Places& p) { return ::symlink(p.victim.constData(), p.fixed.constData()) == 0; });
    }

    // The program makes a fresh private folder; the other user's things stay as they were.
    void anotherUsersThingInThePlaceOfThePrivateFolder()
    {
        QFETCH(Attack, attack);
        Places p;
        QVERIFY(attack(p));
        const QByteArrayList theirs = p.theirs();
        const QByteArrayList fixedBefore = TreeSnapshot::take(QFile::decodeName(p.fixed));
        Collection c;
        oneTrack(c);
        {
            Window w(c, p.system.path());
            const QString folder = w.folder();
            QVERIFY(!folder.isEmpty());
            QVERIFY(folder != QFile::decodeName(p.fixed) + "/");
            QVERIFY(PrivateTempFolder::isPrivateFolder(folder.chopped(1)));
            w.play();
            QCOMPARE(w.opener.opened, QStringList{w.playlist()});
            QVERIFY(w.opener.contents.value(0).endsWith("/[1979] Uno/Brani/01 - Alba.mp3\r\n\r\n"));
            w.close();
            QVERIFY(!QFile::exists(w.playlist()));
        }
        QCOMPARE(TreeSnapshot::take(QFile::decodeName(p.fixed)), fixedBefore);
        QCOMPARE(p.theirs(), theirs);
    }

    void namesInThePrivateFolderThatPointElsewhere_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<bool>("whileRunning");
        for (bool running : {false, true}) {
            const QByteArray when = running ? ", made while the program runs" : ", made before";
            QTest::newRow("the playlist, a link to a file" + when)
                << kPlaylist << QByteArray("link to file") << running;
            QTest::newRow("the playlist, a hard link to a file" + when)
                << kPlaylist << QByteArray("hard link") << running;
            QTest::newRow("the playlist, a link to a folder" + when)
                << kPlaylist << QByteArray("link to folder") << running;
            QTest::newRow("the playlist, a FIFO" + when)
                << kPlaylist << QByteArray("fifo") << running;
            QTest::newRow("a clean-up name, a link to a file" + when)
                << QByteArray("~a.tmp") << QByteArray("link to file") << running;
            QTest::newRow("a clean-up name, a hard link to a file" + when)
                << QByteArray("~b.tmp") << QByteArray("hard link") << running;
            QTest::newRow("a clean-up name, a link to a folder" + when)
                << QByteArray("~c.tmp") << QByteArray("link to folder") << running;
        }
    }

    // Playing writes no file but its own; the clean-up deletes at most the names themselves.
    void namesInThePrivateFolderThatPointElsewhere()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, kind);
        QFETCH(bool, whileRunning);
        Places p;
        const QByteArray folder = native(p.elsewhere.path()) + "/cartella";
        QVERIFY(::mkdir(folder.constData(), 0755) == 0 && plantVictims(folder));
        const QByteArrayList theirs = p.theirs();
        QVERIFY(::mkdir(p.fixed.constData(), 0700) == 0);
        const QByteArray planted = p.fixed + '/' + name;
        auto plant = [&] {
            if (kind == "link to file")
                return ::symlink(p.victim.constData(), planted.constData()) == 0;
            if (kind == "hard link")
                return ::link(p.victim.constData(), planted.constData()) == 0;
            if (kind == "link to folder")
                return ::symlink(folder.constData(), planted.constData()) == 0;
            return ::mkfifo(planted.constData(), 0600) == 0;
        };
        Collection c;
        oneTrack(c);
        {
            if (!whileRunning)
                QVERIFY(plant());
            Window w(c, p.system.path());
            QCOMPARE(w.folder(), QFile::decodeName(p.fixed) + "/");
            if (whileRunning)
                QVERIFY(plant());
            w.play();
            QCOMPARE(w.opener.opened.size(), 1);
            QCOMPARE(p.theirs(), theirs);
            w.close();
        }
        QCOMPARE(p.theirs(), theirs);
        // Whatever was left in the private folder is the program's own or the planted name.
        struct stat st;
        QVERIFY(::lstat(p.fixed.constData(), &st) == 0 && S_ISDIR(st.st_mode));
    }
};

QTEST_MAIN(TestTempFolderAttack)
#include "TestTempFolderAttack.moc"
