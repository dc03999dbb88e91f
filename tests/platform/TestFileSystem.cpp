#include "platform/FileSystem.h"
#include "platform/NativeName.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using vastrel::platform::EntryKind;
using vastrel::platform::FileSystem;
using vastrel::platform::NativeName;

namespace {

QStringList names(const QString& folder)
{
    QStringList out;
    if (const auto listing = FileSystem::listFolder(folder)) {
        for (qsizetype i = 0; i < listing->size(); ++i)
            out.append(listing->name(i).toString());
    }
    return out;
}

void makeFifo(const QString& path)
{
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
}

} // namespace

class TestFileSystem : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listingIsSortedByUpperCaseNameThenExactName()
    {
        Collection c;
        c.file("b.txt").file("B.txt").file("a.txt").file("[1979] X/f").file("_x").file("Z");
        // Binary order of the upper-cased names, as NTFS keeps them: "[" and "_" after "Z".
        QCOMPARE(names(c.root()), QStringList({"a.txt", "B.txt", "b.txt", "Z", "[1979] X", "_x"}));
    }

    void listingLeavesOutHiddenAndSystemEntries()
    {
        Collection c;
        c.file("visible.txt").file(".hidden.txt").folder(".cartella").folder("Cartella");
        makeFifo(c.path("tubo.txt"));
        QVERIFY(::symlink("/nowhere/at/all", QFile::encodeName(c.path("rotto.txt"))) == 0);
        QVERIFY(::symlink("visible.txt", QFile::encodeName(c.path("link.txt"))) == 0);
        QVERIFY(::symlink("Cartella", QFile::encodeName(c.path("linkdir"))) == 0);
        const auto listing = FileSystem::listFolder(c.root());
        QVERIFY(listing);
        QStringList seen;
        for (qsizetype i = 0; i < listing->size(); ++i)
            seen.append(listing->name(i).toString() + (listing->isFolder(i) ? "/" : ""));
        QCOMPARE(seen, QStringList({"Cartella/", "link.txt", "linkdir/", "visible.txt"}));
    }

    void listingFailsForMissingFilesAndUnreadableFolders()
    {
        Collection c;
        c.file("file.txt").file("chiusa/dentro.txt");
        QVERIFY(!FileSystem::listFolder(c.path("manca")));
        QVERIFY(!FileSystem::listFolder(c.path("file.txt")));
        ::chmod(QFile::encodeName(c.path("chiusa")).constData(), 0);
        const QString closed = c.path("chiusa");
        QVERIFY(asOtherUser([&] { return !FileSystem::listFolder(closed).has_value(); }));
    }

    void namesThatAreNotUtf8CanBeListedAndRead()
    {
        Collection c;
        c.rawFile("Citt\xE0.txt", "contenuto");
        const auto listing = FileSystem::listFolder(c.root());
        QVERIFY(listing && listing->size() == 1);
        const QString path = c.root() + listing->name(0).toString();
        QCOMPARE(NativeName::encode(listing->name(0)), QByteArray("Citt\xE0.txt"));
        QCOMPARE(FileSystem::readFile(path, 100).data, QByteArray("contenuto"));
        QCOMPARE(FileSystem::fileSize(path), 9);
    }

    void onlyRegularFilesAreOpened()
    {
        Collection c;
        c.folder("cartella");
        makeFifo(c.path("tubo"));
        // A FIFO without a writer would block an ordinary open for ever.
        QVERIFY(!FileSystem::readFile(c.path("tubo"), 100).ok());
        QVERIFY(!FileSystem::readFirstLine(c.path("tubo"), 100).ok());
        QVERIFY(!FileSystem::readFile(c.path("cartella"), 100).ok());
        QVERIFY(!FileSystem::readFile("/dev/zero", 100).ok());
        QVERIFY(!FileSystem::fileSize(c.path("cartella")));
        QVERIFY(!FileSystem::fileSize(c.path("tubo")));
        QCOMPARE(FileSystem::kind(c.path("tubo")), EntryKind::Other);
        QCOMPARE(FileSystem::kind(c.path("manca")), EntryKind::Missing);
    }

    void unreadableFileGivesAnError()
    {
        Collection c;
        c.file("chiuso.txt", "segreto");
        ::chmod(QFile::encodeName(c.path("chiuso.txt")).constData(), 0);
        const QString path = c.path("chiuso.txt");
        QVERIFY(asOtherUser([&] {
            const auto r = FileSystem::readFile(path, 100);
            return !r.ok() && r.data.isEmpty() && r.error == EACCES;
        }));
    }

    void readFileStopsAtTheLimit()
    {
        Collection c;
        c.file("lungo", QByteArray(200000, 'x'));
        QCOMPARE(FileSystem::readFile(c.path("lungo"), 70000).data.size(), 70000);
        QCOMPARE(FileSystem::readFile(c.path("lungo"), 1 << 20).data.size(), 200000);
    }

    void firstLine_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("CR LF") << QByteArray("[1979] A\\Brani\\x.mp3\r\naltro\r\n")
                               << QByteArray("[1979] A\\Brani\\x.mp3");
        QTest::newRow("lone CR") << QByteArray("uno\rdue") << QByteArray("uno");
        QTest::newRow("LF") << QByteArray("uno\ndue") << QByteArray("uno");
        QTest::newRow("no line end") << QByteArray("solo") << QByteArray("solo");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("empty first line") << QByteArray("\r\nx") << QByteArray();
        QTest::newRow("line across the read chunks") << QByteArray(5000, 'a') + "\r\n"
                                                     << QByteArray(5000, 'a');
    }

    void firstLine()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, line);
        Collection c;
        c.file("m.VL", content);
        QCOMPARE(FileSystem::readFirstLine(c.path("m.VL"), 1 << 16).data, line);
    }

    void hugeFirstLineIsBounded()
    {
        Collection c;
        c.file("enorme.VL", QByteArray(8 << 20, 'x'));
        QCOMPARE(FileSystem::readFirstLine(c.path("enorme.VL"), 32768).data.size(), 32768);
    }

    void writeFileReplacesTheNameNotWhatItLeadsTo_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("a file") << QByteArray("file");
        QTest::newRow("a link") << QByteArray("link");
        QTest::newRow("a second name") << QByteArray("hard link");
        QTest::newRow("a FIFO") << QByteArray("fifo");
    }

    void writeFileReplacesTheNameNotWhatItLeadsTo()
    {
        QFETCH(QByteArray, kind);
        Collection c;
        c.file("bersaglio", "originale");
        const QByteArray target = QFile::encodeName(c.path("bersaglio"));
        const QByteArray name = QFile::encodeName(c.path("nome"));
        if (kind == "file")
            c.file("nome", "vecchio contenuto");
        if (kind == "link")
            QVERIFY(::symlink(target.constData(), name.constData()) == 0);
        if (kind == "hard link")
            QVERIFY(::link(target.constData(), name.constData()) == 0);
        if (kind == "fifo")
            QVERIFY(::mkfifo(name.constData(), 0600) == 0);
        QVERIFY(FileSystem::writeFile(c.path("nome"), "nuovo"));
        QCOMPARE(FileSystem::readFile(c.path("nome"), 100).data, QByteArray("nuovo"));
        QCOMPARE(FileSystem::readFile(c.path("bersaglio"), 100).data, QByteArray("originale"));
        QCOMPARE(QDir(c.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 (QStringList{QStringLiteral("bersaglio"), QStringLiteral("nome")}));
    }

    void writeFileOverAFolderFailsAndLeavesNothing()
    {
        Collection c;
        c.file("cartella/dentro", "x");
        QVERIFY(!FileSystem::writeFile(c.path("cartella"), "nuovo"));
        QCOMPARE(QDir(c.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("cartella")});
    }
};

QTEST_GUILESS_MAIN(TestFileSystem)
#include "TestFileSystem.moc"
