#include "media/TempCleanup.h"
#include "support/Collection.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <unistd.h>

using vastrel::media::TempCleanup;

class TestTempCleanup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deletesExactlyThePlaylistAndTildeTmpFiles()
    {
        Collection temp;
        Collection elsewhere;
        elsewhere.file("~bersaglio.tmp", "non toccare");
        temp.file("Vastrel PlayList.m3u", "/a.mp3\r\n\r\n")
            .file("~vl1.tmp")
            .file("~VL2.TMP")
            .file("~.tmp")
            .file("vl3.tmp")
            .file("~vl4.txt")
            .file("~vl5.tmp.bak")
            .file("vastrel playlist.m3u")
            .folder("~cartella.tmp")
            .file("sotto/~vl6.tmp");
        ::symlink(QFile::encodeName(elsewhere.path("~bersaglio.tmp")).constData(),
                  QFile::encodeName(temp.path("~link.tmp")).constData());
        TempCleanup::run(temp.root());
        QStringList left =
            QDir(temp.root())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        left.sort();
        QCOMPARE(left, QStringList({"sotto", "vastrel playlist.m3u", "vl3.tmp", "~cartella.tmp",
                                    "~vl4.txt", "~vl5.tmp.bak"}));
        QVERIFY(QFile::exists(temp.path("sotto/~vl6.tmp")));
        QVERIFY(QFile::exists(elsewhere.path("~bersaglio.tmp")));
    }

    void withoutAFolderNothingIsTouched()
    {
        Collection c;
        c.file("~x.tmp");
        const QString saved = QDir::currentPath();
        QDir::setCurrent(c.root());
        TempCleanup::run(QString());
        QDir::setCurrent(saved);
        QVERIFY(QFile::exists(c.path("~x.tmp")));
    }

    void missingFolderIsIgnored()
    {
        TempCleanup::run("/nowhere/at/all/");
        QCOMPARE(TempCleanup::playlistPath("/t/"), QString("/t/Vastrel PlayList.m3u"));
    }
};

QTEST_GUILESS_MAIN(TestTempCleanup)
#include "TestTempCleanup.moc"
