#include "PlainTextAccessible.h"

#include "PlainTextView.h"

#include <algorithm>

namespace vastrel::ui {

PlainTextAccessible::PlainTextAccessible(PlainTextView* view)
    : QAccessibleWidget(view, QAccessible::EditableText)
{}

void PlainTextAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&PlainTextAccessible::create);
        return true;
    }();
    Q_UNUSED(installed)
}

void PlainTextAccessible::textReplaced(PlainTextView* view, const QString& oldText)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent update(view, 0, oldText, view->text());
    QAccessible::updateAccessibility(&update);
}

void PlainTextAccessible::selectionMoved(PlainTextView* view)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextCursorEvent caret(view, view->caretPosition());
    QAccessible::updateAccessibility(&caret);
    const int start = view->selectionStart();
    QAccessibleTextSelectionEvent selection(view, start, start + view->selectionLength());
    QAccessible::updateAccessibility(&selection);
}

QAccessibleInterface* PlainTextAccessible::create(const QString& className, QObject* object)
{
    if (className != QLatin1String(PlainTextView::staticMetaObject.className()))
        return nullptr;
    auto* view = qobject_cast<PlainTextView*>(object);
    return view ? new PlainTextAccessible(view) : nullptr;
}

PlainTextView* PlainTextAccessible::view() const
{
    return static_cast<PlainTextView*>(widget());
}

void* PlainTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State PlainTextAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

void PlainTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const bool any = selectionIndex == 0 && view()->selectionLength() > 0;
    *startOffset = any ? view()->selectionStart() : 0;
    *endOffset = any ? view()->selectionStart() + view()->selectionLength() : 0;
}

int PlainTextAccessible::selectionCount() const
{
    return view()->selectionLength() > 0 ? 1 : 0;
}

// One selection at most, as in the view: adding one replaces it.
void PlainTextAccessible::addSelection(int startOffset, int endOffset)
{
    view()->setSelection(startOffset, endOffset - startOffset);
}

void PlainTextAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        view()->setSelection(view()->caretPosition(), 0);
}

void PlainTextAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        view()->setSelection(startOffset, endOffset - startOffset);
}

int PlainTextAccessible::cursorPosition() const
{
    return view()->caretPosition();
}

void PlainTextAccessible::setCursorPosition(int position)
{
    view()->setSelection(position, 0);
}

QString PlainTextAccessible::text(int startOffset, int endOffset) const
{
    return view()->text().mid(startOffset, endOffset - startOffset);
}

int PlainTextAccessible::characterCount() const
{
    return int(view()->text().size());
}

QRect PlainTextAccessible::characterRect(int offset) const
{
    const QRect left = view()->cursorRect(offset);
    const QRect right = view()->cursorRect(offset + 1);
    const int width = right.top() == left.top() ? std::max(1, right.left() - left.left()) : 1;
    const QRect local(left.left(), left.top(), width, left.height());
    return QRect(view()->viewport()->mapToGlobal(local.topLeft()), local.size());
}

int PlainTextAccessible::offsetAtPoint(const QPoint& point) const
{
    return view()->positionAt(view()->viewport()->mapFromGlobal(point));
}

void PlainTextAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    view()->ensureVisible(endIndex);
    view()->ensureVisible(startIndex);
}

// Plain text has no attributes: one run over the whole text.
QString PlainTextAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

} // namespace vastrel::ui
