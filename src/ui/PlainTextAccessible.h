#pragma once

#include <QAccessibleWidget>

namespace vastrel::ui {

class PlainTextView;

// What assistive technology sees of a plain-text view: a read-only, multi-line, selectable
// text with a caret, read through the view's own positions.
class PlainTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit PlainTextAccessible(PlainTextView* view);

    // Makes plain-text views known to the accessibility framework; the first call counts.
    static void install();
    // Tell assistive technology, when any listens, of a new text and of a moved caret or
    // selection. Nothing is built or copied when none does.
    static void textReplaced(PlainTextView* view, const QString& oldText);
    static void selectionMoved(PlainTextView* view);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    // The widget's text(QAccessible::Text) stays reachable beside the range overload.
    using QAccessibleWidget::text;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    static QAccessibleInterface* create(const QString& className, QObject* object);
    PlainTextView* view() const;
};

} // namespace vastrel::ui
