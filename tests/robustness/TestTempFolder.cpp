// The system temporary folder is shared by every user. Whatever another user puts where the
// program's private folder belongs, or under the names the program writes and deletes there,
// the program's own sequence (find the folder, clean it, write the playlist, clean it again
// at the close) never writes or deletes through a link nor outside its private folder.

#include "media/Playlist.h"
#include "media/TempCleanup.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "support/AsOtherUser.h"
#include "support/TreeSnapshot.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using vastrel::media::Playlist;
using vastrel::media::TempCleanup;
using vastrel::platform::FileSystem;
using vastrel::platform::PrivateTempFolder;

namespace {

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

void byOtherUser(const QByteArray& path)
{
    if (::geteuid() == 0 && ::lchown(path.constData(), otherUserId(), otherUserId()) != 0)
        qWarning("lchown %s", path.constData());
}

bool makeFile(const QByteArray& path, const QByteArray& content = "di un altro utente\n")
{
    QFile f(QFile::decodeName(path));
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// The system temporary folder as /tmp is, the fixed private folder name in it, and another
// user's files (a folder holding the names the program writes and deletes, and a file).
struct Places
{
    Places()
    {
        ::chmod(native(system.path()).constData(), 01777);
        fixed = native(system.path()) + "/vastrel-" + QByteArray::number(::geteuid());
        theirFolder = native(elsewhere.path()) + "/cartella";
        victim = native(elsewhere.path()) + "/vittima.txt";
        ::mkdir(theirFolder.constData(), 0777);
        for (const QByteArray& name : {QByteArray("Vastrel PlayList.m3u"), QByteArray("~a.tmp")})
            makeFile(theirFolder + '/' + name);
        makeFile(victim);
        for (const QByteArray& path :
             {theirFolder + "/Vastrel PlayList.m3u", theirFolder + "/~a.tmp", theirFolder, victim})
            byOtherUser(path);
    }

    // Names, contents and modification times: planting a second name changes only the link
    // counts and status-change times.
    QByteArrayList theirs() const
    {
        static const QRegularExpression counts(QStringLiteral(" links \\d+| ctime \\S+"));
        QByteArrayList lines = TreeSnapshot::take(elsewhere.path());
        for (QByteArray& line : lines)
            line = QString::fromLatin1(line).remove(counts).toLatin1();
        return lines;
    }

    // The program's sequence; plant runs once it has cleaned its folder at the start.
    QString session(const std::function<bool(const QByteArray&)>& plant = {})
    {
        const QString folder = PrivateTempFolder::locate(system.path());
        TempCleanup::run(folder);
        if (plant && !plant(native(folder)))
            return {};
        const QString playlist = TempCleanup::playlistPath(folder);
        if (!Playlist::write(playlist, QStringLiteral("/m/a.mp3")) ||
            FileSystem::readFile(playlist, 100).data != Playlist::bytes(QStringLiteral("/m/a.mp3")))
            return {};
        TempCleanup::run(folder);
        return QFile::exists(playlist) ? QString() : folder;
    }

    QTemporaryDir system;
    QTemporaryDir elsewhere;
    QByteArray fixed;
    QByteArray theirFolder;
    QByteArray victim;
};

using Plant = std::function<bool(Places&, const QByteArray& where)>;

} // namespace

Q_DECLARE_METATYPE(Plant)

class TestTempFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theFixedFolderIsMadePrivateAndReused()
    {
        Places p;
        const QString folder = p.session();
        QCOMPARE(folder, QFile::decodeName(p.fixed) + "/");
        QVERIFY(PrivateTempFolder::isPrivateFolder(folder.chopped(1)));
        QCOMPARE(PrivateTempFolder::locate(p.system.path() + "/"), folder);
        QCOMPARE(PrivateTempFolder::locate(QString()), QString());
        QCOMPARE(PrivateTempFolder::locate("/nowhere/at/all"), QString());
    }

    void somethingElseAtTheFixedName_data()
    {
        QTest::addColumn<Plant>("plant");
        QTest::newRow("a link to another user's folder") << Plant([](Places& p, auto& at) {
            return ::symlink(p.theirFolder.constData(), at.constData()) == 0;
        });
        QTest::newRow("a folder open to all") << Plant([](Places&, auto& at) {
            return ::mkdir(at.constData(), 0700) == 0 && ::chmod(at.constData(), 0777) == 0;
        });
        if (::geteuid() == 0) // only root can give a folder to another user
            QTest::newRow("another user's private folder") << Plant([](Places&, auto& at) {
                return ::mkdir(at.constData(), 0700) == 0 &&
                       ::chown(at.constData(), otherUserId(), otherUserId()) == 0;
            });
        QTest::newRow("a file") << Plant([](Places&, auto& at) { return makeFile(at, "x"); });
        QTest::newRow("a link to a file") << Plant([](Places& p, auto& at) {
            return ::symlink(p.victim.constData(), at.constData()) == 0;
        });
    }

    // A fresh private folder is made beside it; what stood there stays as it was.
    void somethingElseAtTheFixedName()
    {
        QFETCH(Plant, plant);
        Places p;
        QVERIFY(plant(p, p.fixed));
        const QByteArrayList theirs = p.theirs();
        const QByteArrayList atFixed = TreeSnapshot::take(QFile::decodeName(p.fixed));
        const QString folder = p.session();
        QVERIFY(folder.startsWith(QFile::decodeName(p.fixed) + "-"));
        QVERIFY(PrivateTempFolder::isPrivateFolder(folder.chopped(1)));
        QCOMPARE(TreeSnapshot::take(QFile::decodeName(p.fixed)), atFixed);
        QCOMPARE(p.theirs(), theirs);
    }

    void namesInThePrivateFolderThatLeadElsewhere_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<Plant>("plant");
        QTest::addColumn<bool>("whileRunning");
        const Plant linkToFile = [](Places& p, auto& at) {
            return ::symlink(p.victim.constData(), at.constData()) == 0;
        };
        const Plant hardLink = [](Places& p, auto& at) {
            return ::link(p.victim.constData(), at.constData()) == 0;
        };
        const Plant linkToFolder = [](Places& p, auto& at) {
            return ::symlink(p.theirFolder.constData(), at.constData()) == 0;
        };
        const Plant fifo = [](Places&, auto& at) { return ::mkfifo(at.constData(), 0600) == 0; };
        for (bool running : {false, true}) {
            const char* when = running ? "while running" : "before the start";
            const QByteArray playlist = "Vastrel PlayList.m3u";
            QTest::addRow("playlist, link to a file, %s", when)
                << playlist << linkToFile << running;
            QTest::addRow("playlist, second name, %s", when) << playlist << hardLink << running;
            QTest::addRow("playlist, link to a folder, %s", when)
                << playlist << linkToFolder << running;
            QTest::addRow("playlist, FIFO, %s", when) << playlist << fifo << running;
            QTest::addRow("~*.tmp, link to a file, %s", when)
                << QByteArray("~a.tmp") << linkToFile << running;
            QTest::addRow("~*.tmp, second name, %s", when)
                << QByteArray("~b.tmp") << hardLink << running;
            QTest::addRow("~*.tmp, link to a folder, %s", when)
                << QByteArray("~c.tmp") << linkToFolder << running;
        }
    }

    // The playlist is written as a new file under its name; the clean-up removes names only.
    void namesInThePrivateFolderThatLeadElsewhere()
    {
        QFETCH(QByteArray, name);
        QFETCH(Plant, plant);
        QFETCH(bool, whileRunning);
        Places p;
        QVERIFY(::mkdir(p.fixed.constData(), 0700) == 0);
        const QByteArrayList theirs = p.theirs();
        if (!whileRunning)
            QVERIFY(plant(p, p.fixed + '/' + name));
        const QString folder = p.session(
            [&](const QByteArray& folder) { return !whileRunning || plant(p, folder + name); });
        QCOMPARE(folder, QFile::decodeName(p.fixed) + "/");
        QCOMPARE(p.theirs(), theirs);
    }

    void cleanUpDeletesOnlyThePlaylistAndTildeTmpFiles()
    {
        QTemporaryDir temp;
        const QDir dir(temp.path());
        for (const char* name : {"Vastrel PlayList.m3u", "~vl1.tmp", "~VL2.TMP", "~.tmp", "vl3.tmp",
                                 "~vl4.txt", "~vl5.tmp.bak", "vastrel playlist.m3u"})
            QVERIFY(makeFile(native(dir.filePath(name))));
        QVERIFY(dir.mkpath("~cartella.tmp") && dir.mkpath("sotto"));
        QVERIFY(makeFile(native(dir.filePath("sotto/~vl6.tmp"))));
        TempCleanup::run(temp.path() + "/");
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name),
                 QStringList({"sotto", "vastrel playlist.m3u", "vl3.tmp", "~cartella.tmp",
                              "~vl4.txt", "~vl5.tmp.bak"}));
        QVERIFY(QFile::exists(dir.filePath("sotto/~vl6.tmp")));

        // Without a folder nothing is cleaned, not even the working folder.
        QVERIFY(makeFile(native(dir.filePath("~resta.tmp"))));
        const QString saved = QDir::currentPath();
        QDir::setCurrent(temp.path());
        TempCleanup::run(QString());
        QDir::setCurrent(saved);
        QVERIFY(QFile::exists(dir.filePath("~resta.tmp")));
    }
};

QTEST_GUILESS_MAIN(TestTempFolder)
#include "TestTempFolder.moc"
