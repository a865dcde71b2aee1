#include "widgets/itemviews/proxymodelwithheadermodels.h"

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

bool ProxyModelWithHeaderModels::removeRows(int row, int count, const QModelIndex& parent)
{
    // Announcing rows that do not exist would leave the views' row bookkeeping corrupt.
    if (parent.isValid() || count <= 0 || row < 0 || row + count > rowCount())
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    endRemoveRows();
    return true;
}
