#pragma once

#include "ListRow.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QList>

namespace vastrel::catalogue {

// The rows of a list of the main window, with a check box on each row when the list is
// checkable. Every change of a mark, by the user or by the program, raises itemCheck at
// once, after the mark has changed; the window's handlers decide what to do with it.
class CheckListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit CheckListModel(bool checkable, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int count() const { return int(m_rows.size()); }
    const ListRow& row(int i) const { return m_rows.at(i); }
    const QList<ListRow>& rows() const { return m_rows; }
    bool isChecked(int i) const { return m_checked.at(i); }
    void setChecked(int i, bool checked);
    int checkedCount() const;

    // The current row, or -1 when there is none. It lives in the selection model that the
    // list's view shares, so the view and the handlers see the same row.
    QItemSelectionModel* selection() { return &m_selection; }
    int currentRow() const;
    void setCurrentRow(int row);

    // Replaces every row; all rows start unchecked and none is current. Raises no itemCheck.
    void setRows(QList<ListRow> rows);
    void clear();

Q_SIGNALS:
    void itemCheck(int row);

private:
    bool m_checkable;
    QList<ListRow> m_rows;
    QList<bool> m_checked;
    QItemSelectionModel m_selection{this};
};

} // namespace vastrel::catalogue
