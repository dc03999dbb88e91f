#include "ListClicks.h"

#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

namespace {

QStyleOptionViewItem optionFor(QListView* view, const QModelIndex& index)
{
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.rect = view->visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = index.data().toString();
    option.font = view->font();
    return option;
}

} // namespace

void clickCheckBox(QListView* view, int row, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QStyleOptionViewItem option = optionFor(view, index);
    const QRect box =
        view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers, box.center());
}

void clickRowText(QListView* view, int row, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QStyleOptionViewItem option = optionFor(view, index);
    const QRect text = view->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, view);
    QTest::mouseClick(view->viewport(), button, modifiers, text.center());
}

void checkEveryRow(QPushButton* selectAll, const vastrel::browser::SelectMode& mode)
{
    using vastrel::browser::SelectMode;
    if (mode != SelectMode::Select)
        QTest::mouseClick(selectAll, Qt::RightButton);
    if (mode == SelectMode::Select)
        QTest::mouseClick(selectAll, Qt::LeftButton);
}
