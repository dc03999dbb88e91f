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

bool makeFile(const QByteArray& path, const QByteArray& content = "di un altro utente\n")
{
    QFile f(QFile::decodeName(path));
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// The system temporary folder as /tmp is, the fixed private folder name in it, and someone
// else's files: a folder holding the names the program writes and deletes, and a file.
struct Places
{
    Places()
    {
        ::chmod(native(system.path()).constData(), 01777);
        fixed = native(system.path()) + "/vastrel-" + QByteArray::number(::geteuid());
        theirFolder = native(elsewhere.path()) + "/cartella";
        victim = native(elsewhere.path()) + "/vittima.txt";
        ::mkdir(theirFolder.constData(), 0777);
        for (const QByteArray name : {"/Vastrel PlayList.m3u", "/~a.tmp", ""})
            makeFile(name.isEmpty() ? victim : theirFolder + name);
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

// What another user puts at a name.
using Plant = std::function<bool(Places&, const QByteArray& at)>;
const Plant kLinkToFile = [](Places& p, auto& at) { return ::symlink(p.victim, at) == 0; };
const Plant kSecondName = [](Places& p, auto& at) { return ::link(p.victim, at) == 0; };
const Plant kLinkToFolder = [](Places& p, auto& at) { return ::symlink(p.theirFolder, at) == 0; };
const Plant kFifo = [](Places&, auto& at) { return ::mkfifo(at, 0600) == 0; };

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
        QTest::newRow("a link to another user's folder") << kLinkToFolder;
        QTest::newRow("a link to a file") << kLinkToFile;
        QTest::newRow("a FIFO") << kFifo;
        QTest::newRow("a folder open to all") << Plant(
            [](Places&, auto& at) { return ::mkdir(at, 0700) == 0 && ::chmod(at, 0777) == 0; });
        if (::geteuid() == 0) // only root can give a folder to another user
            QTest::newRow("another user's private folder") << Plant([](Places&, auto& at) {
                return ::mkdir(at, 0700) == 0 && ::chown(at, otherUserId(), otherUserId()) == 0;
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
        const QList<std::pair<const char*, Plant>> plants{{"a link to a file", kLinkToFile},
                                                          {"a second name", kSecondName},
                                                          {"a link to a folder", kLinkToFolder},
                                                          {"a FIFO", kFifo}};
        for (bool running : {false, true})
            for (const char* name : {"Vastrel PlayList.m3u", "~a.tmp"})
                for (const auto& [what, plant] : plants)
                    QTest::addRow("%s, %s, %s", name, what, running ? "while running" : "before")
                        << QByteArray(name) << plant << running;
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
            [&](const QByteArray& made) { return !whileRunning || plant(p, made + name); });
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
        // Subfolders are not cleaned; without a folder, not even the working folder is.
        const QString saved = QDir::currentPath();
        QDir::setCurrent(dir.filePath("sotto"));
        TempCleanup::run(QString());
        QDir::setCurrent(saved);
        QVERIFY(QFile::exists(dir.filePath("sotto/~vl6.tmp")));
    }
};

QTEST_GUILESS_MAIN(TestTempFolder)
#include "TestTempFolder.moc"
