#include "platform/DirectoryCache.h"
#include "startup/OptionParser.h"
#include "startup/ReadMe.h"
#include "startup/RootOption.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"

#include <QTest>
#include <sys/stat.h>

using namespace vastrel::startup;

class TestOptionParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The flags are D O 2 A (duplicates, originals, half mode, alphabetical), the pane mode
    // digit, H for help and M for maximised; the screen is 1024 x 768.
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QRect>("geometry");
        const QRect standard(62, 84, 900, 600);
        const QRect width700(162, 84, 700, 600);
        auto row = [](const char* name, const QStringList& arguments, const char* flags,
                      const QRect& geometry, const QString& root = {}) {
            QTest::newRow(name) << arguments << root << QString::fromLatin1(flags) << geometry;
        };
        row("nothing", {}, "", standard);
        row("half mode", {"/2"}, "2", QRect(62, 234, 900, 300));
        row("all of them", {"/L:700", "/A:400", "/X:10", "/Y:20", "/AZ", "/DUPLICATI"}, "DA",
            QRect(10, 20, 700, 400));
        row("without separators", {"/az/duplicati/l:700"}, "DA", width700);
        row("width 0 meets the window's minimum", {"/L:0"}, "", QRect(246, 84, 532, 600));
        row("width 1E308", {"/L:1E308"}, "", QRect(-516, 84, 2056, 600));
        row("width with blanks inside", {"/L:7 0 0"}, "", width700);
        row("width in hexadecimal", {"/L:&h2bc"}, "", width700);
        row("hexadecimal 32-bit is signed", {"/L:&HFFFFFFFF"}, "", QRect(246, 84, 532, 600));
        row("top edge off the bottom", {"/Y:768", "/A:400"}, "", QRect(62, 759, 900, 400));
        row("help", {"/help"}, "H", standard);
        row("question mark", {"/?"}, "H", standard);
        row("max", {"/max"}, "M", standard);
        row("root keeps the folder's case", {"/root:/media/Musica"}, "", standard,
            "/media/Musica/");
        row("quoted root with blanks", {"/ROOT:\" /media/La Musica \"", "/AZ"}, "A", standard,
            "/media/La Musica/");
        row("relative root", {"/ROOT:Musica/../Dischi"}, "", standard, "/home/utente/Dischi/");
        row("MAX inside the root value", {"/ROOT:/dischi/max"}, "M", standard, "/dischi/max/");
    }

    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, root);
        QFETCH(QString, flags);
        QFETCH(QRect, geometry);
        const StartOptions o = OptionParser::parse(
            arguments, QSize(1024, 768), {QSize(532, 326), QSize(532, 167), QSize(2056, 1544)},
            "/home/utente");
        QCOMPARE(o.rootCandidate.value_or(QString()), root);
        QCOMPARE(o.onlyDuplicates, flags.contains('D'));
        QCOMPARE(o.onlyOriginals, flags.contains('O'));
        QCOMPARE(o.halfMode, flags.contains('2'));
        QCOMPARE(o.alphabetical, flags.contains('A'));
        QCOMPARE(o.help, flags.contains('H'));
        QCOMPARE(o.maximised, flags.contains('M'));
        QCOMPARE(int(o.paneMode.value_or(vastrel::browser::PaneMode::Both)), flags.contains('1') ? 1
                                                                             : flags.contains('3')
                                                                                 ? 3
                                                                                 : 0);
        QCOMPARE(o.geometry, geometry);
    }

    // A collection root holds a bracketed entry: the first one, in listing order, decides.
    void rootFolder_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("asked");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("album") << QStringList{"[1998] Titolo/"} << "radice/" << true;
        QTest::newRow("bracket too far") << QStringList{"[Collezione]/"} << "radice/" << false;
        QTest::newRow("only the first bracketed entry")
            << QStringList{"[Collezione]/", "[Varie]/"} << "radice/" << false;
        QTest::newRow("another spelling") << QStringList{"[1998] X/"} << "RADICE/" << true;
        QTest::newRow("a file") << QStringList{"[1998] X/"} << "radice/[1998] X/x/" << false;
    }

    void rootFolder()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, asked);
        QFETCH(bool, accepted);
        Collection c;
        c.folder("radice");
        for (const QString& e : entries)
            c.file("radice/" + e + (e.endsWith('/') ? "x" : ""));
        vastrel::platform::DirectoryCache cache;
        const auto root = RootOption::accept(c.path(asked), cache);
        QCOMPARE(root.has_value(), accepted);
        if (accepted)
            QCOMPARE(*root, c.path("radice/"));
    }

    void readMe()
    {
        Collection c;
        c.file("Leggimi.txt", "Vastrel\nbrani scelti.\r\n").folder("cartella.txt");
        QCOMPARE(ReadMe::load(c.path("Leggimi.txt")), QString("Vastrel\r\nbrani scelti.\r\n"));
        QCOMPARE(ReadMe::load("/opt/v/Leggimi.txt"),
                 "\r\n\r\n" + QString(30, ' ') + "ATTENZIONE! \r\n" + QString(29, ' ') +
                     "-------------\r\n\r\n"
                     " È Stato Rilevato un Errore nel File di Documentazione di Vastrel\r\n"
                     " (\"/opt/v/Leggimi.txt\"):\r\n\r\n File non trovato.\r\n");
        const QString folder = c.path("cartella.txt");
        QCOMPARE(ReadMe::load(folder),
                 ReadMe::notice(folder, "Il percorso indica una cartella, non un file"));
        ::chmod(QFile::encodeName(c.path("Leggimi.txt")).constData(), 0);
        const QString closed = c.path("Leggimi.txt");
        QVERIFY(asOtherUser(
            [&] { return ReadMe::load(closed) == ReadMe::notice(closed, "Permesso negato"); }));
    }
};

QTEST_GUILESS_MAIN(TestOptionParser)
#include "TestOptionParser.moc"
