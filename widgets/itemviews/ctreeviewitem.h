// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTREEVIEWITEM_H
#define CTREEVIEWITEM_H

#include <QList>
#include <QPair>
#include <QVariant>
#include <QVector>

// One row of a CTreeViewModel: per-column role data, flags and the owned child rows. The
// invisible root item of a model also keeps the header texts and header check states, one
// entry per column.
class CTreeViewItem
{
public:
    CTreeViewItem();
    virtual ~CTreeViewItem();

    CTreeViewItem(const CTreeViewItem&) = delete;
    CTreeViewItem& operator=(const CTreeViewItem&) = delete;

    CTreeViewItem* Parent() const { return m_pParent; }
    void SetParent(CTreeViewItem* parent) { m_pParent = parent; }

    CTreeViewItem* Child(int row) const;
    int ChildCount() const { return int(m_children.size()); }
    // Position among the parent's children; 0 for the root.
    int Row() const;

    // Takes ownership. Refused (false) for a null item or a position outside 0..ChildCount().
    bool InsertChild(int position, CTreeViewItem* child);
    void AppendChild(CTreeViewItem* child) { InsertChild(ChildCount(), child); }
    // Inserts `count` new empty children.
    bool InsertChildren(int position, int count);
    // Deletes the children with all their descendants.
    bool RemoveChildren(int position, int count);
    void RemoveAllChildren();

    // The edit role is kept as the display role, so both read back the same value.
    QVariant Data(int column, int role) const;
    // Returns whether the stored value changed.
    bool SetData(int column, const QVariant& value, int role);

    Qt::ItemFlags Flags() const { return m_flags; }
    void SetFlags(Qt::ItemFlags flags) { m_flags = flags; }

    // Header lists, meaningful in the root item only.
    int HeaderCount() const { return int(m_headerTexts.size()); }
    QVariant HeaderText(int column) const { return m_headerTexts.value(column); }
    QVariant HeaderCheckState(int column) const { return m_headerCheckStates.value(column); }
    bool SetHeaderText(int column, const QVariant& value);
    bool SetHeaderCheckState(int column, const QVariant& value);

    // Applied to this item and every descendant: the header lists and the column data shift
    // together, so a cell keeps its value under the column it moves to.
    void InsertColumns(int position, int count);
    void RemoveColumns(int position, int count);

    static int FoldRole(int role) { return role == Qt::EditRole ? Qt::DisplayRole : role; }

private:
    using RoleData = QList<QPair<int, QVariant>>;

    QList<CTreeViewItem*> m_children;
    QList<QVariant> m_headerTexts;
    QList<QVariant> m_headerCheckStates;
    CTreeViewItem* m_pParent;
    QVector<RoleData> m_columnData;
    Qt::ItemFlags m_flags;
};

#endif
