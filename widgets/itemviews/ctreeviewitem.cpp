// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/ctreeviewitem.h"

CTreeViewItem::CTreeViewItem()
    : m_pParent(nullptr), m_flags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                                  Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled)
{
}

CTreeViewItem::~CTreeViewItem()
{
    qDeleteAll(m_children);
}

CTreeViewItem* CTreeViewItem::Child(int row) const
{
    return m_children.value(row, nullptr);
}

int CTreeViewItem::Row() const
{
    if (!m_pParent)
        return 0;
    return int(m_pParent->m_children.indexOf(const_cast<CTreeViewItem*>(this)));
}

bool CTreeViewItem::InsertChild(int position, CTreeViewItem* child)
{
    if (!child || position < 0 || position > ChildCount())
        return false;
    child->m_pParent = this;
    m_children.insert(position, child);
    return true;
}

bool CTreeViewItem::InsertChildren(int position, int count)
{
    if (position < 0 || position > ChildCount() || count < 0)
        return false;
    for (int i = 0; i < count; ++i)
        InsertChild(position, new CTreeViewItem);
    return true;
}

bool CTreeViewItem::RemoveChildren(int position, int count)
{
    if (position < 0 || count < 0 || position + count > ChildCount())
        return false;
    for (int i = 0; i < count; ++i)
        delete m_children.takeAt(position);
    return true;
}

void CTreeViewItem::RemoveAllChildren()
{
    qDeleteAll(m_children);
    m_children.clear();
}

QVariant CTreeViewItem::Data(int column, int role) const
{
    if (column < 0 || column >= m_columnData.size())
        return QVariant();
    const int folded = FoldRole(role);
    for (const auto& pair : m_columnData.at(column)) {
        if (pair.first == folded)
            return pair.second;
    }
    return QVariant();
}

bool CTreeViewItem::SetData(int column, const QVariant& value, int role)
{
    if (column < 0)
        return false;
    if (column >= m_columnData.size())
        m_columnData.resize(column + 1);
    const int folded = FoldRole(role);
    for (auto& pair : m_columnData[column]) {
        if (pair.first == folded) {
            if (pair.second == value)
                return false;
            pair.second = value;
            return true;
        }
    }
    m_columnData[column].append(qMakePair(folded, value));
    return true;
}

bool CTreeViewItem::SetHeaderText(int column, const QVariant& value)
{
    if (column < 0 || column >= m_headerTexts.size())
        return false;
    m_headerTexts[column] = value;
    return true;
}

bool CTreeViewItem::SetHeaderCheckState(int column, const QVariant& value)
{
    if (column < 0 || column >= m_headerCheckStates.size())
        return false;
    m_headerCheckStates[column] = value;
    return true;
}

void CTreeViewItem::InsertColumns(int position, int count)
{
    for (int i = 0; i < count; ++i) {
        if (position <= m_headerTexts.size())
            m_headerTexts.insert(position, QVariant());
        if (position <= m_headerCheckStates.size())
            m_headerCheckStates.insert(position, QVariant());
    }
    if (position < m_columnData.size())
        m_columnData.insert(position, count, RoleData());
    for (CTreeViewItem* child : qAsConst(m_children))
        child->InsertColumns(position, count);
}

void CTreeViewItem::RemoveColumns(int position, int count)
{
    auto removeRange = [position, count](auto& list) {
        const auto end = qMin<qsizetype>(position + count, list.size());
        if (position < end)
            list.erase(list.begin() + position, list.begin() + end);
    };
    removeRange(m_headerTexts);
    removeRange(m_headerCheckStates);
    removeRange(m_columnData);
    for (CTreeViewItem* child : qAsConst(m_children))
        child->RemoveColumns(position, count);
}
