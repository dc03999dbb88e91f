#include "browser/ModuleState.h"
#include "startup/ReadMe.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"

#include <QFile>
#include <QTest>
#include <sys/stat.h>

using vastrel::browser::ModuleState;
using vastrel::startup::ReadMe;

class TestReadMe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstValuesComeFromTheProgramFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("root");
        QTest::newRow("folder") << "/opt/vastrel"
                                << "/opt/vastrel/";
        QTest::newRow("folder with slash") << "/opt/vastrel/"
                                           << "/opt/vastrel/";
        QTest::newRow("file-system root") << "/"
                                          << "/";
    }

    void firstValuesComeFromTheProgramFolder()
    {
        QFETCH(QString, folder);
        QFETCH(QString, root);
        const ModuleState s = ModuleState::initial(folder, QSize(1024, 768));
        QCOMPARE(s.collectionRoot, root);
        QCOMPARE(s.readMePath, root + "Leggimi.txt");
        QCOMPARE(s.maxWindowWidth, 2056);
        QCOMPARE(s.maxWindowHeight, 1544);
        QCOMPARE(s.minWindowWidth, 540);
        QCOMPARE(s.paneMode, 0);
        QCOMPARE(s.modifierState, 0);
        QVERIFY(!s.aboutShown && !s.autoPlay);
    }

    void readsTheTextAsWritten()
    {
        Collection c;
        c.file("Leggimi.txt", "Vastrel\nbrani scelti.\r\n");
        QCOMPARE(ReadMe::load(c.path("Leggimi.txt")), QString("Vastrel\r\nbrani scelti.\r\n"));
    }

    void noticeIsExact()
    {
        const QString expected =
            "\r\n\r\n" + QString(30, ' ') + "ATTENZIONE! \r\n" + QString(29, ' ') +
            "-------------\r\n\r\n"
            " È Stato Rilevato un Errore nel File di Documentazione di Vastrel\r\n"
            " (\"/opt/v/Leggimi.txt\"):\r\n\r\n File non trovato.\r\n";
        QCOMPARE(ReadMe::load("/opt/v/Leggimi.txt"), expected);
    }

    void unreadableReadMeGivesTheNotice_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("description");
        QTest::newRow("folder") << "folder"
                                << "Il percorso indica una cartella, non un file";
        QTest::newRow("no permission") << "closed"
                                       << "Permesso negato";
    }

    void unreadableReadMeGivesTheNotice()
    {
        QFETCH(QString, kind);
        QFETCH(QString, description);
        Collection c;
        const QString path = c.path("Leggimi.txt");
        if (kind == "folder") {
            c.folder("Leggimi.txt");
        } else {
            c.file("Leggimi.txt", "testo");
            ::chmod(QFile::encodeName(path).constData(), 0);
        }
        QVERIFY(
            asOtherUser([&] { return ReadMe::load(path) == ReadMe::notice(path, description); }));
    }
};

QTEST_GUILESS_MAIN(TestReadMe)
#include "TestReadMe.moc"
