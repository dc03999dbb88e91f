// Where the plain-text view's caret goes, which word a double-click takes, and where the
// characters of a line with tabs stand: the view's helpers, without the view.

#include "texts/CaretMotion.h"
#include "texts/TabColumns.h"
#include "texts/TextLines.h"
#include "texts/TextWords.h"

#include <QTest>

using vastrel::texts::CaretMotion;
using vastrel::texts::TabColumns;
using vastrel::texts::TextLines;
using vastrel::texts::TextWords;
using Move = CaretMotion::Move;

namespace {

const QString kSmile = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units

Move moveNamed(const QString& name)
{
    static const QMap<QString, Move> moves = {
        {"left", Move::PreviousChar},      {"right", Move::NextChar},
        {"word-left", Move::PreviousWord}, {"word-right", Move::NextWord},
        {"up", Move::PreviousLine},        {"down", Move::NextLine},
        {"home", Move::LineStart},         {"end", Move::LineEnd},
        {"page-up", Move::PreviousPage},   {"page-down", Move::NextPage},
        {"top", Move::DocumentStart},      {"bottom", Move::DocumentEnd}};
    return moves.value(name);
}

} // namespace

class TestTextMotion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Moves one after the other from a caret position, a page being two lines; the caret's
    // position after each.
    void caret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("positions");
        const QString pair = "a" + kSmile + "b";
        QTest::newRow("a surrogate pair is one step") << pair << 1 << "right right left left"
                                                      << "3 4 3 1";
        QTest::newRow("the ends stop the caret") << pair << 0 << "left bottom right top"
                                                 << "0 4 4 0";
        QTest::newRow("a lone half is a step of its own")
            << QString(QChar(0xDC00)) + "x" + QChar(0xD800) << 0 << "right right right left"
            << "1 2 3 2";
        QTest::newRow("words over blanks")
            << "uno  due, tre" << 0 << "word-right word-right word-right word-right"
            << "5 8 10 13";
        QTest::newRow("words back over blanks")
            << "uno  due, tre" << 13 << "word-left word-left word-left word-left"
            << "10 8 5 0";
        QTest::newRow("from inside the blanks") << "uno   due" << 4 << "word-right word-left"
                                                << "6 0";
        QTest::newRow("a line break is a blank to words")
            << "uno\n  due" << 3 << "word-right word-left"
            << "6 0";
        QTest::newRow("home and end of the line") << "uno\ndue" << 5 << "home end"
                                                  << "4 7";
        QTest::newRow("down and up keep the column past a short line")
            << "abcd\nx\nabcd" << 3 << "down down up up"
            << "6 10 6 3";
        QTest::newRow("a tab's columns count") << "\tab\nabcdefghij" << 1 << "down up"
                                               << "12 1";
        QTest::newRow("into a tab, the nearer edge") << "abcdefghij\nx\tz" << 5 << "down"
                                                     << "13";
        QTest::newRow("pages, and the last line stops them") << "a\nb\nc\nd\ne" << 0
                                                             << "page-down page-down page-down "
                                                                "page-up"
                                                             << "4 8 8 4";
    }

    void caret()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(QString, moves);
        QFETCH(QString, positions);
        TextLines lines;
        lines.setText(text);
        CaretMotion::Caret caret{from};
        QStringList seen;
        for (const QString& move : moves.split(' ')) {
            caret = CaretMotion::apply(lines, caret, moveNamed(move), 2);
            seen.append(QString::number(caret.position));
        }
        QCOMPARE(seen.join(' '), positions);
    }

    // The word a double-click at a position takes: "start-end".
    void wordAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("word");
        QTest::newRow("a word") << "uno due" << 1 << "0-3";
        QTest::newRow("the blanks between") << "uno   due" << 4 << "3-6";
        QTest::newRow("at the end: the last word") << "uno due" << 7 << "4-7";
        QTest::newRow("at a line break: the word before") << "uno\ndue" << 3 << "0-3";
        QTest::newRow("an empty line") << "uno\n\ndue" << 4 << "4-4";
        QTest::newRow("marks are a word of their own") << "a,;b" << 2 << "1-3";
        QTest::newRow("letters, digits and underscores") << "x_1 y" << 0 << "0-3";
    }

    void wordAt()
    {
        QFETCH(QString, text);
        QFETCH(int, at);
        QFETCH(QString, word);
        const TextWords::Range r = TextWords::wordAt(text, at);
        QCOMPARE(QString("%1-%2").arg(r.start).arg(r.end), word);
    }

    // A line with tabs on the grid of 8 columns: where a character starts, which character
    // a column falls in, and which boundary a click at a fractional column takes.
    void tabs_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("columns"); // of every boundary, the line's end included
        QTest::addColumn<QString>("cells");   // "index@column" for columns 0, 1, 2, ...
        QTest::addColumn<QString>("clicks");  // "column:boundary"
        QTest::newRow("no tab") << "abc"
                                << "0 1 2 3"
                                << "0@0 1@1 2@2 3@3 3@3"
                                << "0.4:0 0.6:1 2.5:2 9:3";
        QTest::newRow("a tab after a letter") << "a\tb"
                                              << "0 1 8 9"
                                              << "0@0 1@1 1@1 1@1 1@1 1@1 1@1 1@1 2@8 3@9"
                                              << "2:1 4.4:1 4.6:2 8.2:2 8.6:3";
        QTest::newRow("two tabs") << "\t\tx"
                                  << "0 8 16 17"
                                  << "0@0 0@0 0@0 0@0 0@0 0@0 0@0 0@0 1@8"
                                  << "3.9:0 4.1:1 12.5:2 16.7:3";
        QTest::newRow("a full cell before a tab") << "abcdefgh\tx"
                                                  << "0 1 2 3 4 5 6 7 8 16 17"
                                                  << "0@0 1@1 2@2 3@3 4@4 5@5 6@6 7@7 8@8"
                                                  << "7.6:8 11.9:8 12.1:9";
    }

    void tabs()
    {
        QFETCH(QString, line);
        QFETCH(QString, columns);
        QFETCH(QString, cells);
        QFETCH(QString, clicks);
        QStringList seen;
        for (qsizetype i = 0; i <= line.size(); ++i)
            seen.append(QString::number(TabColumns::columnOf(line, i)));
        QCOMPARE(seen.join(' '), columns);
        QCOMPARE(TabColumns::width(line), columns.section(' ', -1).toInt());
        seen.clear();
        for (int column = 0; column < int(cells.count(' ')) + 1; ++column) {
            const TabColumns::Cell c = TabColumns::cellAt(line, column);
            seen.append(QString("%1@%2").arg(c.index).arg(c.column));
        }
        QCOMPARE(seen.join(' '), cells);
        seen.clear();
        for (const QString& click : clicks.split(' ')) {
            const double column = click.section(':', 0, 0).toDouble();
            seen.append(click.section(':', 0, 0) + ':' +
                        QString::number(TabColumns::boundaryNear(line, column)));
        }
        QCOMPARE(seen.join(' '), clicks);
        // Expanded, every tab becomes the blanks up to its stop.
        QString expanded;
        TabColumns::expand(line, 0, line.size(), 0, expanded);
        QCOMPARE(expanded.size(), TabColumns::width(line));
        QCOMPARE(QString(expanded).remove(' '), QString(line).remove('\t').remove(' '));
    }
};

QTEST_GUILESS_MAIN(TestTextMotion)
#include "TestTextMotion.moc"
