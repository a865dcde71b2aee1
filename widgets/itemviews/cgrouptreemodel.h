// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CGROUPTREEMODEL_H
#define CGROUPTREEMODEL_H

#include <QAbstractItemModel>
#include <functional>

// A two-level tree of groups and the rows under them, one column, read only, whose data the
// owner gives when the view asks for them. A result of thousands of groups is then one reset
// with nothing built per row, and only the rows on show are ever formatted.
class CGroupTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    // The number of rows under a group; it may not change until the next reset.
    using RowCount = std::function<int(int group)>;
    // A role's data of a group (row -1) or of one of its rows.
    using Data = std::function<QVariant(int group, int row, int role)>;

    explicit CGroupTreeModel(QObject* parent = nullptr);
    ~CGroupTreeModel() override;

    // Replaces the whole tree in one reset; the functions are kept until the next one.
    void Reset(int groups, RowCount rows, Data data);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int m_groups = 0;
    RowCount m_rows;
    Data m_data;
};

#endif
