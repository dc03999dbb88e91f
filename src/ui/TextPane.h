#pragma once

#include "texts/rtf/RtfPlainText.h"

#include <QWidget>

class QStackedLayout;
class QTextEdit;

namespace vastrel::ui {

class PlainTextView;

// The text pane: texts, notes and introductions, read-only but with a caret and keyboard
// and mouse selection. Plain text goes to a plain-text view, which lays out only what is
// on show and so takes a pane of several megabytes at once; an RTF document goes to a
// rich-text view that shows it formatted. Positions count characters of the pane's plain
// text, one per line break; of an RTF document that is the text its copy gives, cells apart
// by tabs and without pictures. A zoom makes both views' text larger or smaller and leaves
// the positions, the selection and the pane's own size as they are.
class TextPane : public QWidget
{
    Q_OBJECT

public:
    explicit TextPane(QWidget* parent);

    // Plain text wraps at the pane's width when asked; an RTF document always does.
    void setContent(const QString& pane, bool wrap = false);
    QString plainText() const;
    bool isRich() const;
    int selectionStart() const;
    int selectionLength() const;
    void setSelection(int start, int length);
    QString selectedText() const;
    // The font at the normal size.
    void setPaneFont(const QFont& font);
    // The text at percent of its normal size.
    void setZoom(int percent);
    // The size the plain text shows at, in points.
    double pointSize() const;

Q_SIGNALS:
    void changed();
    void keyDown(int key);
    void keyUp();
    void mouseDown();
    void mouseUp();
    void doubleClicked();
    void focusIn();
    void focusOut();
    // The wheel turned with Ctrl held, by so many notches; up (positive) makes the text larger.
    void zoomWheel(int notches);

private:
    QWidget* view() const;
    void buildRich();
    void rezoomRich();
    // A key, click or focus event that a view has just handled.
    void viewEvent(QWidget* view, QEvent* event);

    QStackedLayout* m_stack;
    PlainTextView* m_plain;
    QTextEdit* m_rich;
    QString m_rtf; // the RTF the rich view shows
    texts::RtfPlainText m_richText;
    QFont m_font;
    int m_zoom = 100;
    int m_wheelAngle = 0; // turned with Ctrl held, short of a notch
};

} // namespace vastrel::ui
