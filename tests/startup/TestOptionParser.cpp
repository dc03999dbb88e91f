#include "platform/LenientNumber.h"
#include "startup/OptionParser.h"
#include "startup/RootOption.h"
#include "support/Collection.h"

#include <QTest>
#include <cmath>
#include <limits>

using vastrel::platform::LenientNumber;
using vastrel::startup::OptionParser;
using vastrel::startup::RootOption;
using vastrel::startup::StartOptions;
using vastrel::startup::WindowSizeRange;

namespace {

const QSize kScreen(1024, 768);
const WindowSizeRange kLimits{QSize(532, 326), QSize(532, 167), QSize(2056, 1544)};

StartOptions parse(const QStringList& arguments)
{
    return OptionParser::parse(arguments, kScreen, kLimits, "/home/utente");
}

} // namespace

class TestOptionParser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lenientNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("stops at the next option") << "800 /A:600" << 800.0;
        QTest::newRow("nothing") << "" << 0.0;
        QTest::newRow("no number") << "ABC" << 0.0;
        QTest::newRow("leading blanks") << "  12" << 12.0;
        QTest::newRow("blanks inside") << "1 2 3" << 123.0;
        QTest::newRow("tab and line feed inside") << "\t1\n5" << 15.0;
        QTest::newRow("sign") << "-5" << -5.0;
        QTest::newRow("plus") << "+5" << 5.0;
        QTest::newRow("sign then blank") << "- 5" << -5.0;
        QTest::newRow("fraction") << "3.75" << 3.75;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("point last") << "5." << 5.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("sign and point") << "-." << 0.0;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("D exponent") << "1D3" << 1000.0;
        QTest::newRow("lower-case exponent") << "2e2" << 200.0;
        QTest::newRow("negative exponent") << "1E-2" << 0.01;
        QTest::newRow("exponent without digits") << "1E" << 1.0;
        QTest::newRow("exponent sign without digits") << "1E+" << 1.0;
        QTest::newRow("stops after the exponent") << "2.5E2X" << 250.0;
        QTest::newRow("comma stops") << "1,5" << 1.0;
        QTest::newRow("largest") << "1E308" << 1e308;
        QTest::newRow("too large") << "1E309" << inf;
        QTest::newRow("too large negative") << "-1E309" << -inf;
        QTest::newRow("too small") << "1E-400" << 0.0;
        QTest::newRow("many digits") << QString(400, '9') << inf;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex lower case") << "&h1f" << 31.0;
        QTest::newRow("hex 16-bit is signed") << "&HFFFF" << -1.0;
        QTest::newRow("hex 16-bit lowest") << "&H8000" << -32768.0;
        QTest::newRow("hex 32-bit") << "&H10000" << 65536.0;
        QTest::newRow("hex 32-bit is signed") << "&HFFFFFFFF" << -1.0;
        QTest::newRow("hex beyond 32 bits") << "&H100000000" << 0.0;
        QTest::newRow("hex stops at a non-digit") << "&H1G" << 1.0;
        QTest::newRow("hex without digits") << "&H" << 0.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O18" << 1.0;
        QTest::newRow("ampersand alone") << "&X1" << 0.0;
    }

    void lenientNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(LenientNumber::read(text), value);
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("flags"); // D O 2 A, pane mode digit, H for help, M for max
        QTest::addColumn<QRect>("geometry");

        const QRect standard(62, 84, 900, 600);
        QTest::newRow("nothing") << QStringList{} << ""
                                 << "" << standard;
        QTest::newRow("text that is no option") << QStringList{"ciao", "mondo"} << ""
                                                << "" << standard;
        QTest::newRow("half mode") << QStringList{"/2"} << ""
                                   << "2" << QRect(62, 234, 900, 300);
        QTest::newRow("half mode, given height") << QStringList{"/2", "/A:500"} << ""
                                                 << "2" << QRect(62, 134, 900, 500);
        QTest::newRow("all of them")
            << QStringList{"/L:700", "/A:400", "/X:10", "/Y:20", "/AZ", "/DUPLICATI"} << ""
            << "DA" << QRect(10, 20, 700, 400);
        QTest::newRow("without separators") << QStringList{"/az/duplicati/l:700"} << ""
                                            << "DA" << QRect(162, 84, 700, 600);
        QTest::newRow("both filters") << QStringList{"/ORIGINALI", "/DUPLICATI"} << ""
                                      << "DO" << standard;
        QTest::newRow("both pane modes") << QStringList{"/TESTI", "/IMMAGINI"} << ""
                                         << "1" << standard;
        QTest::newRow("pictures only") << QStringList{"/immagini"} << ""
                                       << "3" << standard;
        QTest::newRow("width 0 meets the window's minimum") << QStringList{"/L:0"} << ""
                                                            << "" << QRect(246, 84, 532, 600);
        QTest::newRow("bare width") << QStringList{"/L:"} << ""
                                    << "" << QRect(246, 84, 532, 600);
        QTest::newRow("huge width") << QStringList{"/L:99999"} << ""
                                    << "" << QRect(-516, 84, 2056, 600);
        QTest::newRow("width 1E308") << QStringList{"/L:1E308"} << ""
                                     << "" << QRect(-516, 84, 2056, 600);
        QTest::newRow("hex width") << QStringList{"/L:&HFFFFFFFF"} << ""
                                   << "" << QRect(246, 84, 532, 600);
        QTest::newRow("fractional width") << QStringList{"/L:700.5"} << ""
                                          << "" << QRect(162, 84, 700, 600);
        QTest::newRow("left edge off the right") << QStringList{"/X:5000"} << ""
                                                 << "" << QRect(1015, 84, 900, 600);
        QTest::newRow("left edge off the left") << QStringList{"/X:-2000"} << ""
                                                << "" << QRect(-892, 84, 900, 600);
        QTest::newRow("left edge -1E308") << QStringList{"/X:-1E308"} << ""
                                          << "" << QRect(-892, 84, 900, 600);
        QTest::newRow("bare top edge") << QStringList{"/Y:"} << ""
                                       << "" << QRect(62, 0, 900, 600);
        QTest::newRow("top edge off the bottom") << QStringList{"/Y:768", "/A:400"} << ""
                                                 << "" << QRect(62, 759, 900, 400);
        QTest::newRow("help") << QStringList{"/HELP"} << ""
                              << "H" << standard;
        QTest::newRow("help lower case") << QStringList{"/help"} << ""
                                         << "H" << standard;
        QTest::newRow("question mark") << QStringList{"/?"} << ""
                                       << "H" << standard;
        QTest::newRow("H with blanks") << QStringList{" /H "} << ""
                                       << "H" << standard;
        QTest::newRow("help with more is none") << QStringList{"/HELP", "/AZ"} << ""
                                                << "A" << standard;
        QTest::newRow("max") << QStringList{"/max"} << ""
                             << "M" << standard;
        QTest::newRow("root") << QStringList{"/ROOT:/media/Musica"} << "/media/Musica/"
                              << "" << standard;
        QTest::newRow("root lower case keeps the folder's case")
            << QStringList{"/root:/media/Musica"} << "/media/Musica/"
            << "" << standard;
        QTest::newRow("root value is not searched for options")
            << QStringList{"/ROOT:/media/Testi/2000"} << "/media/Testi/2000/"
            << "" << standard;
        QTest::newRow("other options after the root")
            << QStringList{"/ROOT:/media/La Musica", "/AZ"} << "/media/La Musica/"
            << "A" << standard;
        QTest::newRow("quoted root with blanks")
            << QStringList{"/ROOT:\" /media/La Musica \"", "/AZ"} << "/media/La Musica/"
            << "A" << standard;
        QTest::newRow("unbalanced quote") << QStringList{"/ROOT:\"/media/x"} << "/media/x/"
                                          << "" << standard;
        QTest::newRow("root after other options") << QStringList{"/AZ", "/root:/x/2"} << "/x/2/"
                                                  << "A" << standard;
        QTest::newRow("relative root")
            << QStringList{"/ROOT:Musica/../Dischi"} << "/home/utente/Dischi/"
            << "" << standard;
        QTest::newRow("empty root value") << QStringList{"/ROOT:"} << "/home/utente/"
                                          << "" << standard;
        QTest::newRow("MAX inside the root value")
            << QStringList{"/ROOT:/dischi/max"} << "/dischi/max/"
            << "M" << standard;
        QTest::newRow("accented root") << QStringList{"/ROOT:/media/Città", "/2"} << "/media/Città/"
                                       << "2" << QRect(62, 234, 900, 300);
        QTest::newRow("root trailing slash kept single")
            << QStringList{"/ROOT:/media/x/"} << "/media/x/"
            << "" << standard;
    }

    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, root);
        QFETCH(QString, flags);
        QFETCH(QRect, geometry);
        const StartOptions o = parse(arguments);
        QCOMPARE(o.rootCandidate.value_or(QString()), root);
        QCOMPARE(o.onlyDuplicates, flags.contains('D'));
        QCOMPARE(o.onlyOriginals, flags.contains('O'));
        QCOMPARE(o.halfMode, flags.contains('2'));
        QCOMPARE(o.alphabetical, flags.contains('A'));
        QCOMPARE(o.help, flags.contains('H'));
        QCOMPARE(o.maximised, flags.contains('M'));
        const int pane = flags.contains('1') ? 1 : flags.contains('3') ? 3 : -1;
        QCOMPARE(o.paneMode.value_or(-1), pane);
        QCOMPARE(o.geometry, geometry);
    }

    void rootFolderNeedsABracketedEntry_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("album") << QStringList{"[1998] Titolo/"} << true;
        QTest::newRow("Varie") << QStringList{"[Varie]/"} << true;
        QTest::newRow("a file counts too") << QStringList{"[1998] leggimi.txt"} << true;
        QTest::newRow("bracket at four") << QStringList{"[]x]/"} << true;
        QTest::newRow("bracket too far") << QStringList{"[Collezione]/"} << false;
        QTest::newRow("only the first bracketed entry is tested")
            << QStringList{"[Collezione]/", "[Varie]/"} << false;
        QTest::newRow("listing order decides") << QStringList{"[Collezione]/", "[1998] X/"} << true;
        QTest::newRow("no bracket") << QStringList{"Musica/"} << false;
        QTest::newRow("hidden does not count") << QStringList{".[1998] X/"} << false;
        QTest::newRow("empty") << QStringList{} << false;
    }

    void rootFolderNeedsABracketedEntry()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, accepted);
        Collection c;
        c.folder("radice");
        for (const QString& e : entries) {
            if (e.endsWith('/'))
                c.folder("radice/" + e);
            else
                c.file("radice/" + e);
        }
        QCOMPARE(RootOption::accept(c.path("radice/")).has_value(), accepted);
    }

    void rootFolderIsFoundWithoutRegardToCase()
    {
        Collection c;
        c.folder("La Musica/[1998] Titolo").file("file");
        QCOMPARE(RootOption::accept(c.path("la musica/")), c.path("La Musica/"));
        QVERIFY(!RootOption::accept(c.path("manca/")));
        QVERIFY(!RootOption::accept(c.path("file/")));
    }
};

QTEST_GUILESS_MAIN(TestOptionParser)
#include "TestOptionParser.moc"
