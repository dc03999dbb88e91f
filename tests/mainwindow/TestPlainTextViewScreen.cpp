#include "ShownTextView.h"

#include <QApplication>
#include <QScrollBar>

using vastrel::mainwindow::PlainTextView;

// The read-only plain-text view on screen: where the pointer lands, what clicks, drags and
// the wheel do, tabs and very long lines, and the colours it paints with.
class TestPlainTextViewScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        ShownTextView v(text);
        v.view.setSelection(3, 0);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QTest::mousePress(v.viewport(), Qt::LeftButton, mods, v.pointFor(pressAt));
        QTest::mouseMove(v.viewport(), v.pointFor(releaseAt));
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, mods, v.pointFor(releaseAt));
        QCOMPARE(v.selection(), ShownTextView::describe(start, length, caret));
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
        ShownTextView v("abc\nde\na\tb");
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
        ShownTextView v("uno due, città\nseconda");
        const QPoint point = v.pointFor(at) + QPoint(pixelsRight, 0);
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseDClick(v.viewport(), Qt::LeftButton, {}, point);
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, point);
        QCOMPARE(v.view.selectedText(), selected);
    }

    void tripleClickSelectsALine()
    {
        ShownTextView v("uno due\nseconda riga\nterza");
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
        ShownTextView v(ShownTextView::numberedLines(300));
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
        ShownTextView v(ShownTextView::numberedLines(300));
        const QPoint at = v.viewport()->rect().center();
        QWheelEvent wheel(at, v.viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v.viewport(), &wheel);
        QCOMPARE(v.view.verticalScrollBar()->value(), QApplication::wheelScrollLines());
        // Scrolling moves the view, not the caret.
        QCOMPARE(v.view.caretPosition(), 0);
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
        ShownTextView v(text, QSize(700, 120));
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
        ShownTextView v(line + "\nbreve");
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

    // The palette's colours paint the view, so that a dark theme works: the selection's cells
    // in Highlight, the rest in Base.
    void paintsWithThePalette()
    {
        ShownTextView v("uno due tre\nseconda");
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
};

QTEST_MAIN(TestPlainTextViewScreen)
#include "TestPlainTextViewScreen.moc"
