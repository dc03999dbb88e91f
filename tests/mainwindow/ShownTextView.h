#pragma once

#include "mainwindow/PlainTextView.h"
#include "platform/Fonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QTest>

// A plain-text view on screen in the pane's font, with the text given, and the points and
// selections that its tests speak of, all taken from the view's own geometry.
struct ShownTextView
{
    explicit ShownTextView(const QString& text, QSize size = QSize(400, 200))
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
    // The selection as one line of text, so that a failed comparison shows all of it.
    QString selection() const
    {
        return describe(view.selectionStart(), view.selectionLength(), view.caretPosition());
    }
    static QString describe(int start, int length, int caret)
    {
        return QStringLiteral("start %1, length %2, caret %3").arg(start).arg(length).arg(caret);
    }
    static QString numberedLines(int count)
    {
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines.append(QStringLiteral("riga %1").arg(i));
        return lines.join(u'\n');
    }

    vastrel::mainwindow::PlainTextView view;
};
