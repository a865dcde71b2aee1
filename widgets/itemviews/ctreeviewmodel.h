// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTREEVIEWMODEL_H
#define CTREEVIEWMODEL_H

#include <QAbstractItemModel>
#include <QList>
#include <QPointer>

class CTreeViewItem;
class QTreeView;

// The item tree behind CTableView and the tree views. Items keep per-column role data; the
// invisible root keeps the header texts (their number is the column count of every parent)
// and the header check states.
class CTreeViewModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    // A QTreeView parent becomes the view whose inserted rows are expanded.
    explicit CTreeViewModel(QObject* parent = nullptr);
    ~CTreeViewModel() override;

    QModelIndex index(int row, int column,
                      const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    bool insertRows(int position, int count, const QModelIndex& parent = QModelIndex()) override;
    bool insertColumns(int position, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int position, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeColumns(int position, int count, const QModelIndex& parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The model takes ownership of inserted items; a refused call leaves them with the caller.
    bool InsertItem(CTreeViewItem* item, int position, const QModelIndex& parent = QModelIndex());
    bool InsertItems(int position, const QList<CTreeViewItem*>& items,
                     const QModelIndex& parent = QModelIndex());
    // Removes every top-level row; the columns and header texts stay.
    void Clear();

    // The item behind an index of this model; the root for an invalid index.
    CTreeViewItem* GetItem(const QModelIndex& index) const;

private:
    bool IsAcceptedParent(const QModelIndex& parent) const;
    void ExpandInView(int position, const QModelIndex& parent);

    CTreeViewItem* m_pRootItem;
    QPointer<QTreeView> m_pView;
};

#endif
