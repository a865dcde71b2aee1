// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/cgrouptreemodel.h"

#include <utility>

// An index's internal id is 0 for a group, and its group's row + 1 for a row under it.

CGroupTreeModel::CGroupTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

CGroupTreeModel::~CGroupTreeModel() = default;

void CGroupTreeModel::Reset(int groups, RowCount rows, Data data)
{
    beginResetModel();
    m_groups = groups;
    m_rows = std::move(rows);
    m_data = std::move(data);
    endResetModel();
}

QModelIndex CGroupTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0 || row >= rowCount(parent))
        return {};
    return createIndex(row, 0, parent.isValid() ? quintptr(parent.row()) + 1 : quintptr(0));
}

QModelIndex CGroupTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int CGroupTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_groups;
    if (parent.column() != 0 || parent.internalId() != 0 || !m_rows)
        return 0;
    return m_rows(parent.row());
}

int CGroupTreeModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() && parent.internalId() != 0 ? 0 : 1;
}

bool CGroupTreeModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant CGroupTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_data)
        return {};
    // An item's edit text is the text it shows, though nothing here is editable.
    if (role == Qt::EditRole)
        role = Qt::DisplayRole;
    return index.internalId() == 0 ? m_data(index.row(), -1, role)
                                   : m_data(int(index.internalId() - 1), index.row(), role);
}

Qt::ItemFlags CGroupTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    // Spares the view a look for children, and an expanded state, for every row.
    return index.internalId() == 0 ? flags : flags | Qt::ItemNeverHasChildren;
}
