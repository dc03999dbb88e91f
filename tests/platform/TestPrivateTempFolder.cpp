#include "platform/NativeName.h"
#include "platform/PrivateTempFolder.h"
#include "support/AsOtherUser.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using vastrel::platform::PrivateTempFolder;

namespace {

QString fixedName(const QString& base)
{
    return base + "/vastrel-" + QString::number(::geteuid());
}

mode_t modeOf(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

} // namespace

class TestPrivateTempFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void makesAPrivateFolderAndReusesIt()
    {
        QTemporaryDir system;
        const QString folder = PrivateTempFolder::locate(system.path());
        QCOMPARE(folder, fixedName(system.path()) + "/");
        QCOMPARE(modeOf(folder.chopped(1)), mode_t(0700));
        QCOMPARE(PrivateTempFolder::locate(system.path() + "/"), folder);
    }

    void neverUsesAFolderItDoesNotOwnAlone_data()
    {
        QTest::addColumn<QString>("attack");
        QTest::newRow("link to another folder") << "link";
        QTest::newRow("folder open to others") << "mode";
        QTest::newRow("folder of another user") << "owner";
        QTest::newRow("a file in its place") << "file";
    }

    void neverUsesAFolderItDoesNotOwnAlone()
    {
        QFETCH(QString, attack);
        QTemporaryDir system;
        QTemporaryDir elsewhere;
        const QString fixed = fixedName(system.path());
        const QByteArray fixedBytes = QFile::encodeName(fixed);
        if (attack == "link") {
            QVERIFY(::symlink(QFile::encodeName(elsewhere.path()).constData(),
                              fixedBytes.constData()) == 0);
        } else if (attack == "mode") {
            QVERIFY(::mkdir(fixedBytes.constData(), 0777) == 0);
            ::chmod(fixedBytes.constData(), 0777);
        } else if (attack == "owner") {
            if (::geteuid() != 0)
                QSKIP("making a folder of another user needs root");
            QVERIFY(::mkdir(fixedBytes.constData(), 0700) == 0);
            QVERIFY(::chown(fixedBytes.constData(), otherUserId(), otherUserId()) == 0);
        } else {
            QFile f(fixed);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const QString folder = PrivateTempFolder::locate(system.path());
        QVERIFY(!folder.isEmpty());
        QVERIFY(folder != fixed + "/");
        QVERIFY(folder.startsWith(fixed + "-"));
        QVERIFY(PrivateTempFolder::isPrivateFolder(folder.chopped(1)));
    }

    void noSystemFolderGivesNothing()
    {
        QCOMPARE(PrivateTempFolder::locate(QString()), QString());
        QCOMPARE(PrivateTempFolder::locate("/nowhere/at/all"), QString());
    }
};

QTEST_GUILESS_MAIN(TestPrivateTempFolder)
#include "TestPrivateTempFolder.moc"
