#include "CheckListModel.h"

namespace vastrel::catalogue {

CheckListModel::CheckListModel(bool checkable, QObject* parent)
    : QAbstractListModel(parent), m_checkable(checkable)
{}

int CheckListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant CheckListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_rows.at(index.row()).field().toString();
    case Qt::CheckStateRole:
        if (m_checkable)
            return m_checked.at(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool CheckListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!m_checkable || role != Qt::CheckStateRole || !index.isValid() || index.row() >= count())
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags CheckListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractListModel::flags(index);
    if (m_checkable && index.isValid())
        f |= Qt::ItemIsUserCheckable;
    return f;
}

void CheckListModel::setChecked(int i, bool checked)
{
    if (m_checked.at(i) == checked)
        return;
    m_checked[i] = checked;
    const QModelIndex idx = index(i);
    Q_EMIT dataChanged(idx, idx, {Qt::CheckStateRole});
    Q_EMIT itemCheck(i);
}

int CheckListModel::checkedCount() const
{
    return int(std::count(m_checked.cbegin(), m_checked.cend(), true));
}

int CheckListModel::currentRow() const
{
    const QModelIndex current = m_selection.currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CheckListModel::setCurrentRow(int row)
{
    if (row < 0 || row >= count())
        m_selection.clear();
    else
        m_selection.setCurrentIndex(index(row), QItemSelectionModel::ClearAndSelect);
}

void CheckListModel::setRows(QList<ListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_checked = QList<bool>(m_rows.size(), false);
    endResetModel();
}

void CheckListModel::clear()
{
    setRows({});
}

} // namespace vastrel::catalogue
