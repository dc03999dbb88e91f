#include "CheckList.h"

#include "platform/ModifierMask.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace vastrel::ui {

CheckList::CheckList(catalogue::CheckListModel* model, QWidget* parent)
    : QListView(parent), m_model(model)
{
    setModel(m_model);
    QItemSelectionModel* own = selectionModel();
    setSelectionModel(m_model->selection());
    delete own;
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

void CheckList::setPlaceholderText(const QString& text)
{
    if (text == m_placeholder)
        return;
    m_placeholder = text;
    viewport()->update();
}

// The placeholder is drawn in the regular weight of the list's font, wrapped at the list's
// width; a long path breaks anywhere.
void CheckList::paintEvent(QPaintEvent* event)
{
    QListView::paintEvent(event);
    if (m_model->count() > 0 || m_placeholder.isEmpty())
        return;
    QPainter painter(viewport());
    QFont regular = font();
    regular.setBold(false);
    painter.setFont(regular);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    constexpr int kMargin = 4;
    painter.drawText(QRectF(viewport()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin)),
                     m_placeholder, wrap);
}

void CheckList::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mouseDown(event->button(), platform::modifiersOf(event->modifiers()));
    // Only the left button chooses a row: a right or middle press leaves the current row,
    // and so the picture shown, as they are.
    if (event->button() != Qt::LeftButton)
        return;
    const QModelIndex current = currentIndex();
    const bool onCurrent = current.isValid() && indexAt(event->position().toPoint()) == current;
    QListView::mousePressEvent(event);
    if (onCurrent)
        Q_EMIT currentRowPressed();
}

void CheckList::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT keyDown(event->key(), platform::modifiersOf(event->modifiers()));
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
        QAbstractScrollArea::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call)
        viewport()->update();
    }
    Q_EMIT focusIn();
}

void CheckList::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    Q_EMIT focusOut();
}

} // namespace vastrel::ui
