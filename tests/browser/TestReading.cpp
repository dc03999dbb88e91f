// The arithmetic of the songbook's pages and the reading view, without widgets: which text
// starts each page, what a change of size does to the place, the sizes the text takes.

#include "browser/ReadingPlace.h"
#include "browser/SongPages.h"
#include "browser/TextZoom.h"

#include <QTest>

using namespace vastrel::browser;

namespace {

// "r0" to "r<n-1>", one a line.
QString numbered(int lines)
{
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text.append("r" + QString::number(i));
    return text.join("\r\n") + "\r\n";
}

} // namespace

class TestReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The first line of each page, as shown.
    void pages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("starts");
        QTest::newRow("a page") << "a\r\nb\r\n" << 10 << 5 << QStringList{"a"};
        QTest::newRow("seven lines, three a page")
            << numbered(7) << 10 << 3 << QStringList{"r0", "r3", "r6"};
        QTest::newRow("a full last page, no empty one")
            << numbered(6) << 10 << 3 << QStringList{"r0", "r3"};
        QTest::newRow("a wrapped line goes on at the top of the next page")
            << "uno\r\ndue tre quattro\r\n"
            << 9 << 2 << QStringList{"uno", "  quattro"};
        QTest::newRow("wrapped lines keep their indentation")
            << "    alfa beta gamma delta epsilon\r\n"
            << 24 << 1 << QStringList{"    alfa beta gamma", "      delta epsilon"};
        QTest::newRow("tabs are blanks up to the next stop") << "a\tb\r\n"
                                                             << 20 << 1 << QStringList{"a       b"};
        QTest::newRow("empty lines at the end count for nothing") << "a\r\nb\r\n\r\n  \r\n\r\n"
                                                                  << 10 << 2 << QStringList{"a"};
        QTest::newRow("an empty text still has its page") << "" << 10 << 3 << QStringList{""};
    }

    void pages()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(int, lines);
        QFETCH(QStringList, starts);
        const SongPages pages(SongPages::gridLines(text), columns, lines);
        QStringList shown;
        for (int page = 0; page < pages.pageCount(); ++page) {
            QVERIFY(pages.endLine(page) - pages.firstLine(page) <= lines);
            shown.append(pages.lines().value(pages.firstLine(page)));
        }
        QCOMPARE(shown, starts);
        QCOMPARE(pages.endLine(pages.pageCount() - 1), pages.lines().size());
    }

    // A song on a page is laid out again at another size: the reader stays on the song, on
    // the page where the text that began the page begins now. The song is the second of two.
    void zoom_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columnsBefore");
        QTest::addColumn<int>("linesBefore");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("columnsAfter");
        QTest::addColumn<int>("linesAfter");
        QTest::addColumn<QString>("footer");
        QTest::addColumn<QString>("start");
        QTest::newRow("larger: fewer lines a page")
            << numbered(10) << 10 << 4 << 1 << 10 << 3 << "Brano 2 di 2 - pagina 2 di 4"
            << "r3";
        QTest::newRow("smaller: more lines a page")
            << numbered(10) << 10 << 2 << 3 << 10 << 5 << "Brano 2 di 2 - pagina 2 di 2"
            << "r5";
        QTest::newRow("the first page stays the first")
            << numbered(10) << 10 << 2 << 0 << 10 << 7 << "Brano 2 di 2 - pagina 1 di 2"
            << "r0";
        QTest::newRow("a wrapped line's rest: back to where the line begins")
            << "uno\r\ndue tre quattro cinque\r\nsei\r\n"
            << 8 << 2 << 1 << 8 << 3 << "Brano 2 di 2 - pagina 1 di 2"
            << "uno";
        QTest::newRow("narrower: the line now wraps")
            << "ab cd\r\nef gh\r\nij\r\n"
            << 10 << 1 << 2 << 4 << 1 << "Brano 2 di 2 - pagina 5 di 5"
            << "ij";
    }

    void zoom()
    {
        QFETCH(QString, text);
        QFETCH(int, columnsBefore);
        QFETCH(int, linesBefore);
        QFETCH(int, page);
        QFETCH(int, columnsAfter);
        QFETCH(int, linesAfter);
        QFETCH(QString, footer);
        QFETCH(QString, start);
        const QStringList lines = SongPages::gridLines(text);
        const SongPages before(lines, columnsBefore, linesBefore);
        ReadingPlace place({1, before.pageCount()});
        place.turn(ReadingKeys::Action::NextSong);
        for (int i = 0; i < page; ++i)
            place.turn(ReadingKeys::Action::NextPage);
        QCOMPARE(place.page(), page);
        const SongPages after(lines, columnsAfter, linesAfter);
        place.relayout({1, after.pageCount()}, after.pageOf(before.sourceLineOf(page)));
        QCOMPARE(place.footer(), footer);
        QCOMPARE(after.lines()[after.firstLine(place.page())], start);
    }

    // The largest size in half points from largest down to smallest at which the columns fit
    // the width; the advance of one column is the size, plus one above a size where hinting
    // rounds it up.
    void fittingSize_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("smallest");
        QTest::addColumn<double>("largest");
        QTest::addColumn<double>("roundedAbove");
        QTest::addColumn<double>("size");
        const double never = 1e9;
        QTest::newRow("fits at the largest") << 40 << 500.0 << 7.0 << 11.0 << never << 11.0;
        QTest::newRow("down to the half point below") << 60 << 500.0 << 7.0 << 11.0 << never << 8.0;
        QTest::newRow("never below the smallest") << 80 << 500.0 << 7.0 << 11.0 << never << 7.0;
        QTest::newRow("hinting costs a step") << 50 << 520.0 << 7.0 << 11.0 << 9.2 << 9.0;
        QTest::newRow("up to fit a wide screen") << 20 << 1000.0 << 9.0 << 1000.0 << never << 50.0;
        QTest::newRow("the smallest wins over a low largest")
            << 20 << 1000.0 << 20.0 << 10.0 << never << 20.0;
    }

    void fittingSize()
    {
        QFETCH(int, columns);
        QFETCH(double, width);
        QFETCH(double, smallest);
        QFETCH(double, largest);
        QFETCH(double, roundedAbove);
        QFETCH(double, size);
        const auto advance = [&](double points) {
            return points + (points > roundedAbove ? 1.0 : 0.0);
        };
        QCOMPARE(SongPages::fittingSize(columns, width, smallest, largest, advance), size);
    }

    // "+" a step larger, "-" smaller, "0" the normal size, "=" a size asked for at start.
    void textZoom_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("result");
        QTest::newRow("larger") << 100.0 << "+" << 110;
        QTest::newRow("smaller") << 100.0 << "-" << 90;
        QTest::newRow("no larger than 400") << 400.0 << "+" << 400;
        QTest::newRow("no smaller than 50") << 50.0 << "-" << 50;
        QTest::newRow("from between two steps, up") << 130.0 << "+" << 150;
        QTest::newRow("from between two steps, down") << 130.0 << "-" << 125;
        QTest::newRow("back to normal") << 250.0 << "0" << 100;
        QTest::newRow("asked for: as it is") << 133.4 << "=" << 133;
        QTest::newRow("asked for: too large") << 1e308 << "=" << 400;
        QTest::newRow("asked for: none") << 0.0 << "=" << 50;
    }

    void textZoom()
    {
        QFETCH(double, percent);
        QFETCH(QString, step);
        QFETCH(int, result);
        using Step = TextZoom::Step;
        if (step == "=")
            QCOMPARE(TextZoom::clamp(percent), result);
        else
            QCOMPARE(TextZoom::apply(int(percent), step == "+"   ? Step::Larger
                                                   : step == "-" ? Step::Smaller
                                                                 : Step::Normal),
                     result);
    }
};

QTEST_GUILESS_MAIN(TestReading)
#include "TestReading.moc"
