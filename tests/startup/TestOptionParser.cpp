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
    // digit, H for help, M for maximised and P for a position asked for; the screen is
    // 1024 x 768.
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
        row("all of them", {"/L:700", "/A:400", "/X:10", "/Y:20", "/AZ", "/DUPLICATI"}, "DAP",
            QRect(10, 20, 700, 400));
        row("without separators", {"/az/duplicati/l:700"}, "DA", width700);
        row("width 0 meets the window's minimum", {"/L:0"}, "", QRect(246, 84, 532, 600));
        row("width 1E308", {"/L:1E308"}, "", QRect(-516, 84, 2056, 600));
        row("width with blanks inside", {"/L:7 0 0"}, "", width700);
        row("width in hexadecimal", {"/L:&h2bc"}, "", width700);
        row("hexadecimal 32-bit is signed", {"/L:&HFFFFFFFF"}, "", QRect(246, 84, 532, 600));
        row("top edge off the bottom", {"/Y:768", "/A:400"}, "P", QRect(62, 759, 900, 400));
        row("help", {"/help"}, "H", standard);
        row("question mark", {"/?"}, "H", standard);
        row("max", {"/max"}, "M", standard);
        row("root keeps the folder's case", {"/root:/media/Musica"}, "", standard,
            "/media/Musica/");
        row("quoted root with blanks", {"/ROOT:\" /media/La Musica \"", "/AZ"}, "A", standard,
            "/media/La Musica/");
        row("relative root", {"/ROOT:Musica/../Dischi"}, "", standard, "/home/utente/Dischi/");
        row("MAX inside the root value", {"/ROOT:/dischi/max"}, "M", standard, "/dischi/max/");
        row("root after a blank", {"/ROOT:", "/media/Musica", "/AZ"}, "A", standard,
            "/media/Musica/");
        row("quoted root with blanks after a blank", {"/ROOT: ", "\" /media/La Musica \""}, "",
            standard, "/media/La Musica/");
        row("options inside a root after a blank", {"/root:", "/media/Testi/2000"}, "", standard,
            "/media/Testi/2000/");
        row("options inside an attached root", {"/ROOT:/media/TESTI/2/Immagini"}, "", standard,
            "/media/TESTI/2/Immagini/");
        row("nothing after the root option", {"/AZ", "/ROOT:"}, "A", standard, "/home/utente/");
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
        QCOMPARE(o.positioned, flags.contains('P'));
        QCOMPARE(OptionParser::asksForPosition(arguments), flags.contains('P'));
        QCOMPARE(int(o.paneMode.value_or(vastrel::browser::PaneMode::Both)), flags.contains('1') ? 1
                                                                             : flags.contains('3')
                                                                                 ? 3
                                                                                 : 0);
        QCOMPARE(o.geometry, geometry);
    }

    // The text pane's size in percent, read as the other numbers are and kept to 50..400.
    void zoom_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("percent");
        QTest::newRow("none") << QStringList{"/AZ"} << 100;
        QTest::newRow("150, in lower case") << QStringList{"/zoom:150", "/2"} << 150;
        QTest::newRow("with blanks inside") << QStringList{"/ZOOM: 1 2 5"} << 125;
        QTest::newRow("too large") << QStringList{"/ZOOM:9999"} << 400;
        QTest::newRow("no number") << QStringList{"/ZOOM:x"} << 50;
        QTest::newRow("inside the root value") << QStringList{"/ROOT:/dischi/ZOOM:200"} << 100;
    }

    void zoom()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, percent);
        const QSize any(1, 1);
        QCOMPARE(OptionParser::parse(arguments, any, {any, any, any}, "/").textZoom, percent);
    }

    // Without the root option, a folder handed over as a file manager hands it (a path or a
    // file:// URI) is the root candidate, and it is no option text ("/MAX" still counts
    // anywhere). The collection holds "Dischi/Testi/2000/max e più" and "a file"; "~"
    // stands for its folder.
    void handedFolder_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("flags");
        auto row = [](const char* name, const QStringList& arguments, const QString& root,
                      const char* flags = "") {
            QTest::newRow(name) << arguments << root << QString::fromLatin1(flags);
        };
        const QString folder = "~/Dischi/Testi/2000/max e più/";
        row("a path", {"~/Dischi/Testi/2000/max e più"}, folder, "M");
        row("a file URI", {"file://~/Dischi/Testi/2000/max%20e%20pi%C3%B9/"}, folder, "M");
        row("a relative path, then an option", {"Dischi/Testi/2000/max e più", "/AZ"}, folder,
            "AM");
        row("only the first folder", {"/nowhere", "~/Dischi", "~/Dischi/Testi"}, "~/Dischi/", "1");
        row("a file is no folder", {"~/a file", "/TESTI"}, "", "1");
        row("the root option wins", {"~/Dischi", "/ROOT:/media/Musica"}, "/media/Musica/");
    }

    void handedFolder()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, root);
        QFETCH(QString, flags);
        Collection c;
        c.folder("Dischi/Testi/2000/max e più").file("a file");
        const QString home = c.root().chopped(1);
        for (QString& argument : arguments)
            argument.replace("~", home);
        const StartOptions o =
            OptionParser::parse(arguments, QSize(1024, 768),
                                {QSize(532, 326), QSize(532, 167), QSize(2056, 1544)}, home);
        QCOMPARE(o.rootCandidate.value_or(QString()), QString(root).replace("~", home));
        QCOMPARE(o.halfMode, flags.contains('2'));
        QCOMPARE(o.alphabetical, flags.contains('A'));
        QCOMPARE(o.maximised, flags.contains('M'));
        QCOMPARE(int(o.paneMode.value_or(vastrel::browser::PaneMode::Both)),
                 flags.contains('1') ? 1 : 0);
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
