// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/ctreeviewmodel.h"

#include "widgets/itemviews/ctreeviewitem.h"

#include <QTreeView>

CTreeViewModel::CTreeViewModel(QObject* parent)
    : QAbstractItemModel(parent), m_pRootItem(new CTreeViewItem),
      m_pView(qobject_cast<QTreeView*>(parent))
{
    m_pRootItem->SetFlags(Qt::ItemIsDropEnabled);
}

CTreeViewModel::~CTreeViewModel()
{
    delete m_pRootItem;
}

CTreeViewItem* CTreeViewModel::GetItem(const QModelIndex& index) const
{
    if (index.isValid()) {
        if (auto* item = static_cast<CTreeViewItem*>(index.internalPointer()))
            return item;
    }
    return m_pRootItem;
}

// Children hang off column 0 only; other columns of a row have none.
bool CTreeViewModel::IsAcceptedParent(const QModelIndex& parent) const
{
    return !parent.isValid() || (parent.model() == this && parent.column() == 0);
}

QModelIndex CTreeViewModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!IsAcceptedParent(parent) || row < 0 || column < 0 || column >= columnCount(parent))
        return QModelIndex();
    CTreeViewItem* child = GetItem(parent)->Child(row);
    if (!child)
        return QModelIndex();
    return createIndex(row, column, child);
}

QModelIndex CTreeViewModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return QModelIndex();
    CTreeViewItem* parentItem = GetItem(index)->Parent();
    if (!parentItem || parentItem == m_pRootItem)
        return QModelIndex();
    return createIndex(parentItem->Row(), 0, parentItem);
}

int CTreeViewModel::rowCount(const QModelIndex& parent) const
{
    if (!IsAcceptedParent(parent))
        return 0;
    return GetItem(parent)->ChildCount();
}

int CTreeViewModel::columnCount(const QModelIndex&) const
{
    return m_pRootItem->HeaderCount();
}

QVariant CTreeViewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    return GetItem(index)->Data(index.column(), role);
}

bool CTreeViewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.model() != this)
        return false;
    GetItem(index)->SetData(index.column(), value, role);
    emit dataChanged(index, index);
    return true;
}

QVariant CTreeViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    // The lists describe columns; a vertical header has nothing to show from them.
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::DisplayRole)
        return m_pRootItem->HeaderText(section);
    if (role == Qt::CheckStateRole)
        return m_pRootItem->HeaderCheckState(section);
    return QVariant();
}

bool CTreeViewModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                   int role)
{
    if (orientation != Qt::Horizontal)
        return false;
    const bool stored = role == Qt::CheckStateRole
                            ? m_pRootItem->SetHeaderCheckState(section, value)
                            : m_pRootItem->SetHeaderText(section, value);
    if (stored)
        emit headerDataChanged(orientation, section, section);
    return stored;
}

void CTreeViewModel::ExpandInView(int position, const QModelIndex& parent)
{
    if (m_pView && m_pView->model() == this)
        m_pView->expand(index(position, 0, parent));
}

bool CTreeViewModel::insertRows(int position, int count, const QModelIndex& parent)
{
    if (!IsAcceptedParent(parent) || count < 1)
        return false;
    CTreeViewItem* parentItem = GetItem(parent);
    if (position < 0 || position > parentItem->ChildCount())
        return false;
    beginInsertRows(parent, position, position + count - 1);
    parentItem->InsertChildren(position, count);
    endInsertRows();
    ExpandInView(position, parent);
    return true;
}

bool CTreeViewModel::removeRows(int position, int count, const QModelIndex& parent)
{
    if (!IsAcceptedParent(parent) || count <= 0 || position < 0 ||
        position + count > rowCount(parent))
        return false;
    beginRemoveRows(parent, position, position + count - 1);
    GetItem(parent)->RemoveChildren(position, count);
    endRemoveRows();
    return true;
}

// Columns belong to the whole model, so they are announced under the root whatever parent
// the caller names.
bool CTreeViewModel::insertColumns(int position, int count, const QModelIndex&)
{
    if (count < 1 || position < 0 || position > columnCount())
        return false;
    beginInsertColumns(QModelIndex(), position, position + count - 1);
    m_pRootItem->InsertColumns(position, count);
    endInsertColumns();
    return true;
}

bool CTreeViewModel::removeColumns(int position, int count, const QModelIndex&)
{
    if (count < 1 || position < 0 || position + count > columnCount())
        return false;
    beginRemoveColumns(QModelIndex(), position, position + count - 1);
    m_pRootItem->RemoveColumns(position, count);
    endRemoveColumns();
    if (columnCount() == 0 && m_pRootItem->ChildCount() > 0) {
        beginRemoveRows(QModelIndex(), 0, m_pRootItem->ChildCount() - 1);
        m_pRootItem->RemoveAllChildren();
        endRemoveRows();
    }
    return true;
}

Qt::ItemFlags CTreeViewModel::flags(const QModelIndex& index) const
{
    return GetItem(index)->Flags();
}

bool CTreeViewModel::InsertItem(CTreeViewItem* item, int position, const QModelIndex& parent)
{
    if (!item || !IsAcceptedParent(parent))
        return false;
    CTreeViewItem* parentItem = GetItem(parent);
    if (position < 0 || position > parentItem->ChildCount())
        return false;
    beginInsertRows(parent, position, position);
    parentItem->InsertChild(position, item);
    endInsertRows();
    ExpandInView(position, parent);
    return true;
}

bool CTreeViewModel::InsertItems(int position, const QList<CTreeViewItem*>& items,
                                 const QModelIndex& parent)
{
    if (items.isEmpty() || items.contains(nullptr) || !IsAcceptedParent(parent))
        return false;
    CTreeViewItem* parentItem = GetItem(parent);
    if (position < 0 || position > parentItem->ChildCount())
        return false;
    beginInsertRows(parent, position, position + int(items.size()) - 1);
    int row = position;
    for (CTreeViewItem* item : items)
        parentItem->InsertChild(row++, item);
    endInsertRows();
    return true;
}

void CTreeViewModel::Clear()
{
    beginResetModel();
    m_pRootItem->RemoveAllChildren();
    endResetModel();
}
