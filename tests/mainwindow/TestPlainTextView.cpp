#include "mainwindow/PlainTextView.h"
#include "mainwindow/TextPane.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using vastrel::mainwindow::PlainTextView;

namespace {

// A view on screen in the pane's font, with the text given.
struct ShownView
{
    explicit ShownView(const QString& text, QSize size = QSize(400, 200))
    {
        view.setFont(vastrel::platform::Fonts::fixedPitch(9));
        view.resize(size);
        view.setText(text);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    QWidget* viewport() { return view.viewport(); }
    // A point inside the cell of the character at index, just right of its left edge, so
    // that a click there puts the caret before that character.
    QPoint pointFor(int index) const
    {
        const QRect caret = view.cursorRect(index);
        return QPoint(caret.left() + 1, caret.center().y());
    }
    double charWidth() const { return QFontMetricsF(view.font()).horizontalAdvance(u'M'); }
    bool showsCaretOf(int index) { return viewport()->rect().contains(view.cursorRect(index)); }

    PlainTextView view;
};

struct Selection
{
    int start;
    int length;
    int caret;
};

Selection selectionOf(const PlainTextView& view)
{
    return {view.selectionStart(), view.selectionLength(), view.caretPosition()};
}

QString describe(const Selection& s)
{
    return QStringLiteral("start %1, length %2, caret %3").arg(s.start).arg(s.length).arg(s.caret);
}

// Keys as QKeyCombination's combined value, so that a table row can list several.
QList<int> combos(std::initializer_list<QKeyCombination> list)
{
    QList<int> out;
    for (QKeyCombination k : list)
        out.append(k.toCombined());
    return out;
}

void type(PlainTextView& view, const QList<int>& combined)
{
    for (int k : combined) {
        const QKeyCombination key = QKeyCombination::fromCombined(k);
        QTest::keyClick(&view, key.key(), key.keyboardModifiers());
    }
}

QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("riga %1").arg(i));
    return lines.join(u'\n');
}

} // namespace

class TestPlainTextView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The caret starts at caret with the anchor at anchor; the keys are pressed in turn.
    void keyboard_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("caretAfter");

        const QString two = "abc\ndef";
        QTest::newRow("Right") << two << 0 << 0 << combos({Qt::Key_Right}) << 1 << 0 << 1;
        QTest::newRow("Right over a line break")
            << two << 3 << 3 << combos({Qt::Key_Right}) << 4 << 0 << 4;
        QTest::newRow("Right at the end stays")
            << two << 7 << 7 << combos({Qt::Key_Right}) << 7 << 0 << 7;
        QTest::newRow("Left at the start stays")
            << two << 0 << 0 << combos({Qt::Key_Left}) << 0 << 0 << 0;
        QTest::newRow("Left onto the previous line")
            << two << 4 << 4 << combos({Qt::Key_Left}) << 3 << 0 << 3;
        QTest::newRow("Left collapses a selection to its start")
            << two << 1 << 3 << combos({Qt::Key_Left}) << 1 << 0 << 1;
        QTest::newRow("Right collapses a selection to its end")
            << two << 3 << 1 << combos({Qt::Key_Right}) << 3 << 0 << 3;
        QTest::newRow("Shift+Right extends")
            << two << 1 << 1 << combos({Qt::ShiftModifier | Qt::Key_Right}) << 1 << 1 << 2;
        QTest::newRow("Shift+Left shrinks a selection")
            << two << 1 << 3 << combos({Qt::ShiftModifier | Qt::Key_Left}) << 1 << 1 << 2;
        QTest::newRow("Shift+Left past the anchor")
            << two << 1 << 2
            << combos({Qt::ShiftModifier | Qt::Key_Left, Qt::ShiftModifier | Qt::Key_Left}) << 0
            << 1 << 0;
        QTest::newRow("Down") << two << 1 << 1 << combos({Qt::Key_Down}) << 5 << 0 << 5;
        QTest::newRow("Down on the last line stays")
            << two << 5 << 5 << combos({Qt::Key_Down}) << 5 << 0 << 5;
        QTest::newRow("Up") << two << 6 << 6 << combos({Qt::Key_Up}) << 2 << 0 << 2;
        QTest::newRow("Up on the first line stays")
            << two << 2 << 2 << combos({Qt::Key_Up}) << 2 << 0 << 2;
        QTest::newRow("Down and Down keep the column past a short line")
            << "abcdef\nab\nabcdef" << 4 << 4 << combos({Qt::Key_Down, Qt::Key_Down}) << 14 << 0
            << 14;
        QTest::newRow("Down onto a short line ends it")
            << "abcdef\nab\nabcdef" << 4 << 4 << combos({Qt::Key_Down}) << 9 << 0 << 9;
        QTest::newRow("Shift+Down selects to the next line")
            << two << 1 << 1 << combos({Qt::ShiftModifier | Qt::Key_Down}) << 1 << 4 << 5;
        QTest::newRow("Home") << "  abc\ndef" << 3 << 3 << combos({Qt::Key_Home}) << 0 << 0 << 0;
        QTest::newRow("End") << "  abc\ndef" << 3 << 3 << combos({Qt::Key_End}) << 5 << 0 << 5;
        QTest::newRow("End of the last line")
            << two << 4 << 4 << combos({Qt::Key_End}) << 7 << 0 << 7;
        QTest::newRow("Shift+Home")
            << two << 6 << 6 << combos({Qt::ShiftModifier | Qt::Key_Home}) << 4 << 2 << 4;
        QTest::newRow("Ctrl+Home")
            << two << 6 << 6 << combos({Qt::ControlModifier | Qt::Key_Home}) << 0 << 0 << 0;
        QTest::newRow("Ctrl+End") << two << 1 << 1 << combos({Qt::ControlModifier | Qt::Key_End})
                                  << 7 << 0 << 7;
        QTest::newRow("Ctrl+Shift+End")
            << two << 1 << 1 << combos({Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_End}) << 1
            << 6 << 7;

        const QString words = "uno due, tre";
        const auto ctrlRight = Qt::ControlModifier | Qt::Key_Right;
        const auto ctrlLeft = Qt::ControlModifier | Qt::Key_Left;
        QTest::newRow("Ctrl+Right to the next word")
            << words << 0 << 0 << combos({ctrlRight}) << 4 << 0 << 4;
        QTest::newRow("Ctrl+Right stops at punctuation")
            << words << 4 << 4 << combos({ctrlRight}) << 7 << 0 << 7;
        QTest::newRow("Ctrl+Right over punctuation and blank")
            << words << 7 << 7 << combos({ctrlRight}) << 9 << 0 << 9;
        QTest::newRow("Ctrl+Right from the last word to the end")
            << words << 9 << 9 << combos({ctrlRight}) << 12 << 0 << 12;
        QTest::newRow("Ctrl+Right from inside a word")
            << words << 5 << 5 << combos({ctrlRight}) << 7 << 0 << 7;
        QTest::newRow("Ctrl+Right over a line break and an indent")
            << "uno\n  due" << 0 << 0 << combos({ctrlRight}) << 6 << 0 << 6;
        QTest::newRow("Ctrl+Left from the end")
            << words << 12 << 12 << combos({ctrlLeft}) << 9 << 0 << 9;
        QTest::newRow("Ctrl+Left onto punctuation")
            << words << 9 << 9 << combos({ctrlLeft}) << 7 << 0 << 7;
        QTest::newRow("Ctrl+Left from inside a word")
            << words << 6 << 6 << combos({ctrlLeft}) << 4 << 0 << 4;
        QTest::newRow("Ctrl+Left over a line break")
            << "uno\n  due" << 6 << 6 << combos({ctrlLeft}) << 0 << 0 << 0;
        QTest::newRow("Ctrl+Shift+Right selects a word and its blank")
            << words << 0 << 0 << combos({Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Right})
            << 0 << 4 << 4;
        QTest::newRow("Ctrl+A selects all")
            << two << 2 << 2 << combos({Qt::ControlModifier | Qt::Key_A}) << 0 << 7 << 7;

        // A tab takes the columns up to the next multiple of 8 but one position.
        QTest::newRow("Down from after a tab keeps its column")
            << "\tx\nabcdefghij" << 1 << 1 << combos({Qt::Key_Down}) << 11 << 0 << 11;
        QTest::newRow("Up into a tab's columns, nearer its start")
            << "a\tb\nabcdefghij" << 7 << 7 << combos({Qt::Key_Up}) << 1 << 0 << 1;
        QTest::newRow("Up into a tab's columns, nearer its end")
            << "a\tb\nabcdefghij" << 9 << 9 << combos({Qt::Key_Up}) << 2 << 0 << 2;
        QTest::newRow("Right over a tab is one step")
            << "a\tb" << 1 << 1 << combos({Qt::Key_Right}) << 2 << 0 << 2;
        // A character outside the basic plane is one step, never split.
        QTest::newRow("Right over a surrogate pair")
            << QString("a") + QChar(0xD83C) + QChar(0xDFB5) + "b" << 1 << 1
            << combos({Qt::Key_Right}) << 3 << 0 << 3;
        QTest::newRow("Left over a surrogate pair")
            << QString("a") + QChar(0xD83C) + QChar(0xDFB5) + "b" << 3 << 3
            << combos({Qt::Key_Left}) << 1 << 0 << 1;
    }

    void keyboard()
    {
        QFETCH(QString, text);
        QFETCH(int, anchor);
        QFETCH(int, caret);
        QFETCH(QList<int>, keys);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, caretAfter);
        ShownView v(text);
        v.view.setSelection(anchor, caret - anchor);
        type(v.view, keys);
        QCOMPARE(describe(selectionOf(v.view)), describe({start, length, caretAfter}));
        QCOMPARE(v.view.text(), text);
    }

    // Page keys move the caret by the lines that fit and scroll by as many.
    void pageKeys()
    {
        ShownView v(numberedLines(200));
        const int page = v.view.verticalScrollBar()->pageStep();
        QVERIFY(page > 2);
        QTest::keyClick(&v.view, Qt::Key_PageDown);
        QCOMPARE(v.view.caretPosition(), v.view.text().indexOf(QString("riga %1").arg(page)));
        QCOMPARE(v.view.verticalScrollBar()->value(), page);
        QVERIFY(v.showsCaretOf(v.view.caretPosition()));
        QTest::keyClick(&v.view, Qt::Key_PageDown, Qt::ShiftModifier);
        QCOMPARE(v.view.selectionStart(), v.view.text().indexOf(QString("riga %1").arg(page)));
        QCOMPARE(v.view.caretPosition(), v.view.text().indexOf(QString("riga %1").arg(2 * page)));
        QTest::keyClick(&v.view, Qt::Key_PageUp);
        QTest::keyClick(&v.view, Qt::Key_PageUp);
        QTest::keyClick(&v.view, Qt::Key_PageUp);
        QCOMPARE(v.view.caretPosition(), 0);
        QCOMPARE(v.view.verticalScrollBar()->value(), 0);
        QTest::keyClick(&v.view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(v.view.caretPosition(), int(v.view.text().size()));
        QVERIFY(v.showsCaretOf(v.view.caretPosition()));
    }

    void mouse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pressAt");
        QTest::addColumn<int>("releaseAt");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("caret");

        const QString text = "uno due tre\nquattro\n\tcinque";
        QTest::newRow("click") << text << 5 << 5 << 0 << 5 << 0 << 5;
        QTest::newRow("click on the second line") << text << 14 << 14 << 0 << 14 << 0 << 14;
        QTest::newRow("click after a tab") << text << 21 << 21 << 0 << 21 << 0 << 21;
        QTest::newRow("drag forwards") << text << 2 << 9 << 0 << 2 << 7 << 9;
        QTest::newRow("drag backwards") << text << 9 << 2 << 0 << 2 << 7 << 2;
        QTest::newRow("drag over a line break") << text << 8 << 15 << 0 << 8 << 7 << 15;
        QTest::newRow("Shift+click extends from the caret")
            << text << 15 << 15 << int(Qt::ShiftModifier) << 3 << 12 << 15;
    }

    // The caret stands at 3 before the press; pressAt and releaseAt are character indexes.
    void mouse()
    {
        QFETCH(QString, text);
        QFETCH(int, pressAt);
        QFETCH(int, releaseAt);
        QFETCH(int, modifiers);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, caret);
        ShownView v(text);
        v.view.setSelection(3, 0);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QTest::mousePress(v.viewport(), Qt::LeftButton, mods, v.pointFor(pressAt));
        QTest::mouseMove(v.viewport(), v.pointFor(releaseAt));
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, mods, v.pointFor(releaseAt));
        QCOMPARE(describe(selectionOf(v.view)), describe({start, length, caret}));
    }

    // Where a click lands: the nearer edge of a character, the end of a short line, the last
    // line below the text.
    void clickPositions_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<double>("column");
        QTest::addColumn<int>("position");
        QTest::newRow("left half of a character") << 0 << 2.3 << 2;
        QTest::newRow("right half of a character") << 0 << 2.7 << 3;
        QTest::newRow("past the end of a line") << 1 << 30.0 << 4 + 2;
        QTest::newRow("in the left margin") << 1 << -0.4 << 4;
        QTest::newRow("inside a tab, nearer its start") << 2 << 3.0 << 8;
        QTest::newRow("inside a tab, nearer its end") << 2 << 6.0 << 9;
        QTest::newRow("below the last line") << 9 << 1.0 << 7 + 1;
    }

    void clickPositions()
    {
        QFETCH(int, line);
        QFETCH(double, column);
        QFETCH(int, position);
        ShownView v("abc\nde\na\tb");
        const QRect origin = v.view.cursorRect(0);
        const QPoint at(origin.left() + int(column * v.charWidth()),
                        origin.top() + line * origin.height() + origin.height() / 2);
        QCOMPARE(v.view.positionAt(at), position);
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(v.view.caretPosition(), position);
        QCOMPARE(v.view.selectionLength(), 0);
    }

    void doubleClickSelectsAWord_data()
    {
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("pixelsRight");
        QTest::addColumn<QString>("selected");
        QTest::newRow("a word") << 5 << 0 << "due";
        QTest::newRow("first character of a word") << 4 << 0 << "due";
        QTest::newRow("an accented word") << 13 << 0 << "città";
        QTest::newRow("punctuation") << 7 << 0 << ",";
        QTest::newRow("past the line's end: its last word") << 14 << 40 << "città";
        QTest::newRow("blanks") << 3 << 0 << " ";
    }

    void doubleClickSelectsAWord()
    {
        QFETCH(int, at);
        QFETCH(int, pixelsRight);
        QFETCH(QString, selected);
        ShownView v("uno due, città\nseconda");
        const QPoint point = v.pointFor(at) + QPoint(pixelsRight, 0);
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(v.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(v.view.selectedText(), selected);
    }

    void tripleClickSelectsALine()
    {
        ShownView v("uno due\nseconda riga\nterza");
        const QPoint point = v.pointFor(12);
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(v.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(v.view.selectedText(), QString("seconda riga"));
    }

    // Held below the viewport, the button keeps scrolling and selecting.
    void dragBelowTheViewportScrolls()
    {
        ShownView v(numberedLines(300));
        QTest::mousePress(v.viewport(), Qt::LeftButton, {}, v.pointFor(0));
        const QPoint below(v.pointFor(0).x(), v.viewport()->height() + 20);
        QTest::mouseMove(v.viewport(), below);
        const int first = v.view.selectionLength();
        QVERIFY(first > 0);
        QTRY_VERIFY(v.view.verticalScrollBar()->value() > 3);
        QTRY_VERIFY(v.view.selectionLength() > first);
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, below);
        const int scrolled = v.view.verticalScrollBar()->value();
        const int length = v.view.selectionLength();
        QTest::qWait(150);
        QCOMPARE(v.view.verticalScrollBar()->value(), scrolled);
        QCOMPARE(v.view.selectionLength(), length);
        QCOMPARE(v.view.selectionStart(), 0);
    }

    void wheelScrolls()
    {
        ShownView v(numberedLines(300));
        const QPoint at = v.viewport()->rect().center();
        QWheelEvent wheel(at, v.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v.viewport(), &wheel);
        QCOMPARE(v.view.verticalScrollBar()->value(), QApplication::wheelScrollLines());
        // Scrolling moves the view, not the caret.
        QCOMPARE(v.view.caretPosition(), 0);
    }

    void selectedTextKeepsLineBreaks_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("selected");
        QTest::newRow("across a break") << 2 << 5 << "o\ndue";
        QTest::newRow("a break alone") << 3 << 1 << "\n";
        QTest::newRow("two breaks of an empty line") << 7 << 2 << "\n\n";
        QTest::newRow("everything") << 0 << 13 << "uno\ndue\n\ntre";
        QTest::newRow("backwards") << 7 << -4 << "\ndue";
        QTest::newRow("nothing") << 5 << 0 << "";
    }

    void selectedTextKeepsLineBreaks()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, selected);
        ShownView v("uno\ndue\n\ntre");
        v.view.setSelection(start, length);
        QCOMPARE(v.view.selectedText(), selected);
        // The same positions as QString::indexOf on the text.
        QCOMPARE(v.view.text().mid(v.view.selectionStart(), v.view.selectionLength()), selected);
    }

    void setSelectionClamps_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("startAfter");
        QTest::addColumn<int>("lengthAfter");
        QTest::addColumn<int>("caret");
        // The text is 20 characters long.
        QTest::newRow("inside") << 5 << 3 << 5 << 3 << 8;
        QTest::newRow("length past the end") << 5 << 1000 << 5 << 15 << 20;
        QTest::newRow("start past the end") << 1000 << 5 << 20 << 0 << 20;
        QTest::newRow("negative start") << -5 << 3 << 0 << 0 << 0;
        QTest::newRow("negative start, reaching in") << -5 << 8 << 0 << 3 << 3;
        QTest::newRow("negative length: caret before the anchor") << 10 << -3 << 7 << 3 << 7;
        QTest::newRow("whole text") << 0 << 20 << 0 << 20 << 20;
        QTest::newRow("huge length") << 3 << INT_MAX << 3 << 17 << 20;
    }

    void setSelectionClamps()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, startAfter);
        QFETCH(int, lengthAfter);
        QFETCH(int, caret);
        ShownView v("0123456789\n012345678");
        v.view.setSelection(start, length);
        QCOMPARE(describe(selectionOf(v.view)), describe({startAfter, lengthAfter, caret}));
    }

    // A search hit far down or far to the right is scrolled into view.
    void setSelectionScrolls_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::newRow("far down") << numberedLines(500) << numberedLines(400).size() + 1 << 8;
        QTest::newRow("far right")
            << QString(5000, 'x') + "trovato" + QString(5000, 'x') << 5000 << 7;
        QTest::newRow("back to the start") << numberedLines(500) << 0 << 4;
    }

    void setSelectionScrolls()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        ShownView v(text);
        v.view.setSelection(int(text.size()) - 1, 0);
        v.view.setSelection(start, length);
        QVERIFY(v.showsCaretOf(start));
        QVERIFY(v.showsCaretOf(start + length));
    }

    // A tab takes the columns up to the next multiple of 8 and is one character.
    void tabs_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        // "a\tb\t\tc\tabcdefgh\tz": a 0, tab 1-7, b 8, tab 9-15, tab 16-23, c 24, tab 25-31,
        // abcdefgh 32-39, a tab of 8 columns at 40, z 48.
        QTest::newRow("a") << 0 << 0;
        QTest::newRow("first tab") << 1 << 1;
        QTest::newRow("b") << 2 << 8;
        QTest::newRow("tab after b") << 3 << 9;
        QTest::newRow("tab on a stop") << 4 << 16;
        QTest::newRow("c") << 5 << 24;
        QTest::newRow("abcdefgh") << 7 << 32;
        QTest::newRow("a whole tab after 8 characters") << 15 << 40;
        QTest::newRow("z") << 16 << 48;
        QTest::newRow("end") << 17 << 49;
    }

    void tabs()
    {
        QFETCH(int, index);
        QFETCH(int, column);
        const QString tabbed = "a\tb\t\tc\tabcdefgh\tz";
        const QString text = tabbed + "\n" + QString(60, '-');
        ShownView v(text, QSize(700, 120));
        // The column is read off a line without tabs below, through the view's own geometry.
        const int below = int(tabbed.size()) + 1;
        int found = -1;
        for (int k = 0; k <= 60 && found < 0; ++k) {
            if (v.view.cursorRect(below + k).left() == v.view.cursorRect(index).left())
                found = k;
        }
        QCOMPARE(found, column);
        v.view.setSelection(1, 1);
        QCOMPARE(v.view.selectedText(), QString("\t"));
        QCOMPARE(v.view.text(), text);
        // The widest line counts its tabs expanded, and here it fits without scrolling.
        QCOMPARE(v.view.horizontalScrollBar()->maximum(), 0);
    }

    // A line of 100,000 characters: the end is reached, shown and clickable, and painting
    // shows only what is in view.
    void veryLongLine()
    {
        QString line(100000, 'x');
        for (int i = 0; i < line.size(); i += 7)
            line[i] = 'y';
        ShownView v(line + "\nbreve");
        QVERIFY(v.view.horizontalScrollBar()->maximum() > 100000 * v.charWidth() / 2);
        QTest::keyClick(&v.view, Qt::Key_End);
        QCOMPARE(v.view.caretPosition(), 100000);
        QVERIFY(v.showsCaretOf(100000));
        QVERIFY(!v.view.viewport()->grab().isNull());
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, v.pointFor(99990));
        QCOMPARE(v.view.caretPosition(), 99990);
        QTest::keyClick(&v.view, Qt::Key_Down);
        QCOMPARE(v.view.caretPosition(), 100006);
        QVERIFY(v.showsCaretOf(100006));
        QCOMPARE(v.view.horizontalScrollBar()->value(), 0);
    }

    void emptyText()
    {
        ShownView v("");
        for (auto key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_End, Qt::Key_PageDown})
            QTest::keyClick(&v.view, key);
        QTest::keyClick(&v.view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(describe(selectionOf(v.view)), describe({0, 0, 0}));
        QCOMPARE(v.view.selectedText(), QString());
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(v.view.caretPosition(), 0);
        v.view.setSelection(3, 4);
        QCOMPARE(describe(selectionOf(v.view)), describe({0, 0, 0}));
        QVERIFY(v.view.cursorRect(0).isValid());
        QCOMPARE(v.view.verticalScrollBar()->maximum(), 0);
        QCOMPARE(v.view.horizontalScrollBar()->maximum(), 0);
    }

    // A new text starts at the top with the caret at 0 and no selection.
    void newTextResets()
    {
        ShownView v(numberedLines(300));
        v.view.setSelection(2000, 5);
        QVERIFY(v.view.verticalScrollBar()->value() > 0);
        QSignalSpy changed(&v.view, &PlainTextView::textChanged);
        QSignalSpy selection(&v.view, &PlainTextView::selectionChanged);
        v.view.setText("corto");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(selection.count(), 1);
        QCOMPARE(describe(selectionOf(v.view)), describe({0, 0, 0}));
        QCOMPARE(v.view.verticalScrollBar()->value(), 0);
        QCOMPARE(v.view.verticalScrollBar()->maximum(), 0);
    }

    // The view keeps the string it was given: reading the text back copies nothing.
    void textIsShared()
    {
        const QString text = numberedLines(1000);
        PlainTextView view;
        view.setText(text);
        QCOMPARE(view.text().constData(), text.constData());
    }

    void ctrlCCopiesTheSelection()
    {
        ShownView v("uno\ndue tre");
        QGuiApplication::clipboard()->setText("prima");
        QTest::keyClick(&v.view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("prima"));
        v.view.setSelection(2, 5);
        QTest::keyClick(&v.view, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("o\ndue"));
        QTest::keyClick(&v.view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&v.view, Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("uno\ndue tre"));
    }

    void typingChangesNothing()
    {
        const QString text = "uno\ndue";
        ShownView v(text);
        v.view.setSelection(1, 2);
        QVERIFY(v.view.property("readOnly").toBool());
        QSignalSpy changed(&v.view, &PlainTextView::textChanged);
        QTest::keyClicks(&v.view, "xyz ");
        for (auto key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab})
            QTest::keyClick(&v.view, key);
        QTest::keyClick(&v.view, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&v.view, Qt::Key_X, Qt::ControlModifier);
        QTest::mouseClick(v.viewport(), Qt::MiddleButton, {}, v.pointFor(5));
        QCOMPARE(v.view.text(), text);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(describe(selectionOf(v.view)), describe({1, 2, 3}));
    }

    // The palette's colours paint the view, so that a dark theme works: the selection's cells
    // in Highlight, the rest in Base.
    void paintsWithThePalette()
    {
        ShownView v("uno due tre\nseconda");
        QPalette palette = v.view.palette();
        palette.setColor(QPalette::Base, QColor(20, 20, 20));
        palette.setColor(QPalette::Text, QColor(230, 230, 230));
        palette.setColor(QPalette::Highlight, QColor(200, 0, 0));
        palette.setColor(QPalette::HighlightedText, QColor(0, 0, 200));
        v.view.setPalette(palette);
        v.view.setSelection(4, 3);
        const QImage image = v.viewport()->grab().toImage();
        const QRect selected = v.view.cursorRect(4).united(v.view.cursorRect(7));
        QCOMPARE(image.pixelColor(selected.left() + 2, selected.top()), QColor(200, 0, 0));
        const QRect plain = v.view.cursorRect(9);
        QCOMPARE(image.pixelColor(plain.left() + 2, plain.top()), QColor(20, 20, 20));
        QCOMPARE(image.pixelColor(selected.left() + 2, selected.top() + 2 * selected.height()),
                 QColor(20, 20, 20));
        // Some of the selected glyphs are drawn in the highlighted text colour.
        bool highlightedGlyph = false;
        for (int x = selected.left(); x < selected.right(); ++x) {
            for (int y = selected.top(); y <= selected.bottom(); ++y) {
                const QColor c = image.pixelColor(x, y);
                highlightedGlyph |= c.blue() > 100 && c.red() < 100;
            }
        }
        QVERIFY(highlightedGlyph);
    }

    // The pane shows plain text in this view, with the view's line breaks, and reads its
    // positions, selection and text from it.
    void paneShowsPlainTextInTheView()
    {
        QWidget window;
        vastrel::mainwindow::TextPane pane(&window);
        const auto views = pane.findChildren<PlainTextView*>();
        QCOMPARE(views.size(), 1);
        QSignalSpy changed(&pane, &vastrel::mainwindow::TextPane::changed);
        pane.setContent("uno\r\ndue\rtre\n\r\nquattro");
        QCOMPARE(changed.count(), 1);
        QVERIFY(!pane.isRich());
        QCOMPARE(pane.plainText(), QString("uno\ndue\ntre\n\nquattro"));
        QCOMPARE(pane.plainText().constData(), views[0]->text().constData());
        const qsizetype at = pane.plainText().indexOf("tre");
        pane.setSelection(int(at), 3);
        QCOMPARE(pane.selectionStart(), int(at));
        QCOMPARE(pane.selectionLength(), 3);
        QCOMPARE(pane.selectedText(), QString("tre"));
        pane.setSelection(2, 3);
        QCOMPARE(pane.selectedText(), QString("o\nd"));
        pane.setContent("senza ritorni");
        QCOMPARE(pane.plainText(), QString("senza ritorni"));
        QCOMPARE(pane.selectionLength(), 0);
    }
};

QTEST_MAIN(TestPlainTextView)
#include "TestPlainTextView.moc"
