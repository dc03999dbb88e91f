#include "ShownTextView.h"
#include "mainwindow/TextPane.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QSignalSpy>

using vastrel::mainwindow::PlainTextView;

namespace {

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

} // namespace

// The read-only plain-text view from the keyboard and through its programming interface.
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
        ShownTextView v(text);
        v.view.setSelection(anchor, caret - anchor);
        type(v.view, keys);
        QCOMPARE(v.selection(), ShownTextView::describe(start, length, caretAfter));
        QCOMPARE(v.view.text(), text);
    }

    // Page keys move the caret by the lines that fit and scroll by as many.
    void pageKeys()
    {
        ShownTextView v(ShownTextView::numberedLines(200));
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
        ShownTextView v("uno\ndue\n\ntre");
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
        ShownTextView v("0123456789\n012345678");
        v.view.setSelection(start, length);
        QCOMPARE(v.selection(), ShownTextView::describe(startAfter, lengthAfter, caret));
    }

    // A search hit far down or far to the right is scrolled into view.
    void setSelectionScrolls_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::newRow("far down") << ShownTextView::numberedLines(500)
                                  << ShownTextView::numberedLines(400).size() + 1 << 8;
        QTest::newRow("far right")
            << QString(5000, 'x') + "trovato" + QString(5000, 'x') << 5000 << 7;
        QTest::newRow("back to the start") << ShownTextView::numberedLines(500) << 0 << 4;
    }

    void setSelectionScrolls()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        ShownTextView v(text);
        v.view.setSelection(int(text.size()) - 1, 0);
        v.view.setSelection(start, length);
        QVERIFY(v.showsCaretOf(start));
        QVERIFY(v.showsCaretOf(start + length));
    }

    void emptyText()
    {
        ShownTextView v("");
        for (auto key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_End, Qt::Key_PageDown})
            QTest::keyClick(&v.view, key);
        QTest::keyClick(&v.view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(v.selection(), ShownTextView::describe(0, 0, 0));
        QCOMPARE(v.view.selectedText(), QString());
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(v.view.caretPosition(), 0);
        v.view.setSelection(3, 4);
        QCOMPARE(v.selection(), ShownTextView::describe(0, 0, 0));
        QVERIFY(v.view.cursorRect(0).isValid());
        QCOMPARE(v.view.verticalScrollBar()->maximum(), 0);
        QCOMPARE(v.view.horizontalScrollBar()->maximum(), 0);
    }

    // A new text starts at the top with the caret at 0 and no selection.
    void newTextResets()
    {
        ShownTextView v(ShownTextView::numberedLines(300));
        v.view.setSelection(2000, 5);
        QVERIFY(v.view.verticalScrollBar()->value() > 0);
        QSignalSpy changed(&v.view, &PlainTextView::textChanged);
        QSignalSpy selection(&v.view, &PlainTextView::selectionChanged);
        v.view.setText("corto");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(selection.count(), 1);
        QCOMPARE(v.selection(), ShownTextView::describe(0, 0, 0));
        QCOMPARE(v.view.verticalScrollBar()->value(), 0);
        QCOMPARE(v.view.verticalScrollBar()->maximum(), 0);
    }

    // The view keeps the string it was given: reading the text back copies nothing.
    void textIsShared()
    {
        const QString text = ShownTextView::numberedLines(1000);
        PlainTextView view;
        view.setText(text);
        QCOMPARE(view.text().constData(), text.constData());
    }

    void ctrlCCopiesTheSelection()
    {
        ShownTextView v("uno\ndue tre");
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
        ShownTextView v(text);
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
        QCOMPARE(v.selection(), ShownTextView::describe(1, 2, 3));
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

    // Assistive technology reads a read-only text with its caret and selection.
    void accessibleText()
    {
        ShownTextView v("uno\ndue tre");
        v.view.setSelection(4, 3);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&v.view);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::EditableText);
        QVERIFY(a->state().readOnly);
        QVERIFY(a->state().multiLine);
        QVERIFY(!a->editableTextInterface());
        QAccessibleTextInterface* text = a->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), 11);
        QCOMPARE(text->text(2, 6), QString("o\ndu"));
        QCOMPARE(text->cursorPosition(), 7);
        int start = -1;
        int end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(QPoint(start, end), QPoint(4, 7));
        text->setSelection(0, 0, 3);
        QCOMPARE(v.view.selectedText(), QString("uno"));
        QCOMPARE(text->offsetAtPoint(v.viewport()->mapToGlobal(v.pointFor(5))), 5);
    }
};

QTEST_MAIN(TestPlainTextView)
#include "TestPlainTextView.moc"
