// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/proxymodelwithheadermodels.h"

#include <QStringList>

namespace {

// The headings below one heading: across the columns of its first row for a horizontal
// header, down the rows of its first column for a vertical one (as the header view draws
// them).
QModelIndexList SubHeadings(const QAbstractItemModel* model, const QModelIndex& cell,
                            Qt::Orientation orientation)
{
    QModelIndexList children;
    const bool across = orientation == Qt::Horizontal;
    const int count = across ? model->columnCount(cell) : model->rowCount(cell);
    if ((across ? model->rowCount(cell) : model->columnCount(cell)) <= 0)
        return children;
    for (int i = 0; i < count; ++i) {
        const QModelIndex child = across ? model->index(0, i, cell) : model->index(i, 0, cell);
        if (child.isValid())
            children.append(child);
    }
    return children;
}

QModelIndex FindLeafHeading(const QAbstractItemModel* model, const QModelIndex& cell,
                            Qt::Orientation orientation, int section, int& counter)
{
    const QModelIndexList children = SubHeadings(model, cell, orientation);
    if (children.isEmpty())
        return ++counter == section ? cell : QModelIndex();
    for (const QModelIndex& child : children) {
        const QModelIndex leaf = FindLeafHeading(model, child, orientation, section, counter);
        if (leaf.isValid())
            return leaf;
    }
    return QModelIndex();
}

} // namespace

ProxyModelWithHeaderModels::ProxyModelWithHeaderModels(QObject* parent)
    : QIdentityProxyModel(parent)
{
}

ProxyModelWithHeaderModels::~ProxyModelWithHeaderModels() = default;

void ProxyModelWithHeaderModels::SetColumnHeaderModel(QAbstractItemModel* model)
{
    m_pHorizontalHeaderModel = model;
    const int columns = sourceModel() ? sourceModel()->columnCount() : 0;
    if (columns > 0)
        emit headerDataChanged(Qt::Horizontal, 0, columns - 1);
}

void ProxyModelWithHeaderModels::SetRowHeaderModel(QAbstractItemModel* model)
{
    m_pVerticalHeaderModel = model;
    const int rows = sourceModel() ? sourceModel()->rowCount() : 0;
    if (rows > 0)
        emit headerDataChanged(Qt::Vertical, 0, rows - 1);
}

QVariant ProxyModelWithHeaderModels::data(const QModelIndex& index, int role) const
{
    if (role == HorizontalHeaderModelRole && m_pHorizontalHeaderModel)
        return QVariant::fromValue<QObject*>(m_pHorizontalHeaderModel.data());
    if (role == VerticalHeaderModelRole && m_pVerticalHeaderModel)
        return QVariant::fromValue<QObject*>(m_pVerticalHeaderModel.data());
    return QIdentityProxyModel::data(index, role);
}

QVariant ProxyModelWithHeaderModels::headerData(int section, Qt::Orientation orientation,
                                                int role) const
{
    const QAbstractItemModel* headings = orientation == Qt::Horizontal
                                             ? m_pHorizontalHeaderModel.data()
                                             : m_pVerticalHeaderModel.data();
    if (role != Qt::AccessibleTextRole || !headings || section < 0)
        return QIdentityProxyModel::headerData(section, orientation, role);
    int counter = -1;
    QModelIndex leaf;
    for (const QModelIndex& top : SubHeadings(headings, QModelIndex(), orientation)) {
        leaf = FindLeafHeading(headings, top, orientation, section, counter);
        if (leaf.isValid())
            break;
    }
    if (!leaf.isValid())
        return QIdentityProxyModel::headerData(section, orientation, role);
    QStringList titles;
    for (QModelIndex cell = leaf; cell.isValid(); cell = cell.parent()) {
        const QString title = cell.data(Qt::DisplayRole).toString();
        if (!title.isEmpty())
            titles.prepend(title);
    }
    return titles.join(QStringLiteral(" / "));
}

bool ProxyModelWithHeaderModels::removeRows(int row, int count, const QModelIndex& parent)
{
    // Announcing rows that do not exist would leave the views' row bookkeeping corrupt.
    if (parent.isValid() || count <= 0 || row < 0 || row + count > rowCount())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    endRemoveRows();
    return true;
}
