#include "CheckList.h"

#include "platform/ModifierMask.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace vastrel::mainwindow {

CheckList::CheckList(bool checkable, QWidget* parent)
    : QListView(parent), m_model(new catalogue::CheckListModel(checkable, this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

// Fusion draws the outline of an empty check box in a darker shade of the window colour,
// which vanishes against a dark list; the rows' own window colour is never painted, so a
// light one brings the outline back on a dark palette.
void CheckList::initViewItemOption(QStyleOptionViewItem* option) const
{
    QListView::initViewItemOption(option);
    const QPalette& p = option->palette;
    const bool dark = p.color(QPalette::Base).lightness() < p.color(QPalette::Text).lightness();
    if (dark && style()->name() == u"fusion")
        option->palette.setColor(QPalette::Window, p.color(QPalette::Text));
}

int CheckList::listIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CheckList::setListIndex(int row)
{
    if (row < 0 || row >= m_model->count()) {
        selectionModel()->clear();
        return;
    }
    setCurrentIndex(m_model->index(row));
}

void CheckList::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mouseDown(event->button(), platform::ModifierMask::fromQt(event->modifiers()));
    QListView::mousePressEvent(event);
}

void CheckList::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT keyDown(event->key(), platform::ModifierMask::fromQt(event->modifiers()));
    if (!event->text().isEmpty())
        Q_EMIT keyPress(event->text().front().unicode());
    QListView::keyPressEvent(event);
}

// A list without a current row keeps none when it gets the focus: the item view would make
// its first row current, which the handlers would then take for the user's choice (the
// picture list would even show that picture).
void CheckList::focusInEvent(QFocusEvent* event)
{
    if (currentIndex().isValid()) {
        QListView::focusInEvent(event);
    } else {
        QAbstractScrollArea::focusInEvent(event);
        viewport()->update();
    }
    Q_EMIT focusIn();
}

void CheckList::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    Q_EMIT focusOut();
}

} // namespace vastrel::mainwindow
