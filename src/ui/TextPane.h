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
// by tabs and without pictures.
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
    void setPaneFont(const QFont& font);

Q_SIGNALS:
    void changed();
    void keyDown(int key);
    void keyUp();
    void mouseDown();
    void mouseUp();
    void doubleClicked();
    void focusIn();
    void focusOut();

private:
    QWidget* view() const;
    // A key, click or focus event that a view has just handled.
    void viewEvent(QWidget* view, QEvent* event);

    QStackedLayout* m_stack;
    PlainTextView* m_plain;
    QTextEdit* m_rich;
    texts::RtfPlainText m_richText;
};

} // namespace vastrel::ui
