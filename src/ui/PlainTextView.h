#pragma once

#include "TextViewGeometry.h"
#include "texts/CaretMotion.h"
#include "texts/TextLines.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QElapsedTimer>

namespace vastrel::ui {

// A read-only view of plain text in a fixed-pitch font, with a caret and a selection that the
// keyboard and the mouse move. It keeps the text as given and an index of its line starts,
// and paints only what the viewport shows, so that showing a text costs one scan of it
// however long it is. Positions count the characters of text(), one per "\n", as
// QString::indexOf does; tabs show up to the next multiple of 8 columns. Lines wrap at word
// boundaries at the viewport's width when the text is set to wrap, and never otherwise.
class PlainTextView : public QAbstractScrollArea
{
    Q_OBJECT
    // Always true: neither the program nor the user ever changes the text in place.
    Q_PROPERTY(bool readOnly READ isReadOnly CONSTANT)

public:
    explicit PlainTextView(QWidget* parent = nullptr);

    void setText(const QString& text, bool wrap = false);
    const QString& text() const { return m_lines.text(); }
    bool isReadOnly() const { return true; }

    int caretPosition() const { return m_caret; }
    int selectionStart() const { return std::min(m_anchor, m_caret); }
    int selectionLength() const { return std::abs(m_caret - m_anchor); }
    QString selectedText() const;
    // Selects from start to start + length, both clamped to the text, with the caret at the
    // end, and scrolls the selection into view.
    void setSelection(int start, int length);
    void selectAll();
    // Puts the selection on the clipboard; without a selection the clipboard stays as it is.
    void copy() const;
    void ensureVisible(int position);

    // The caret's rectangle before position, and the position nearest to a point, both in
    // viewport coordinates.
    QRect cursorRect(int position) const;
    int positionAt(const QPoint& point) const;

Q_SIGNALS:
    void textChanged();
    void selectionChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void move(texts::CaretMotion::Move motion, bool extend);
    void select(int anchor, int caret);
    int characterAt(const QPoint& point) const;
    void reveal(int position, int slack);
    void dragTo(const QPoint& point);
    void autoScroll();
    void applyFont();
    void updateScrollBars();
    int wrapColumns() const;
    void syncGeometry();
    void restartBlinking();
    void updateCaret();

    texts::TextLines m_lines;
    TextViewGeometry m_geometry;
    QFont m_paintFont;
    int m_anchor = 0;
    int m_caret = 0;
    int m_goalColumn = -1;
    bool m_wrap = false;
    bool m_caretShown = false;
    bool m_dragging = false;
    QPoint m_dragPoint;
    QBasicTimer m_blink;
    QBasicTimer m_autoScroll;
    // A press soon after a double-click at the same place is a triple click.
    QElapsedTimer m_sinceDoubleClick;
    QPoint m_doubleClickPoint;
};

} // namespace vastrel::ui
