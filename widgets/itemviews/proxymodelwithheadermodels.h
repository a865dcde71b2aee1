// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROXYMODELWITHHEADERMODELS_H
#define PROXYMODELWITHHEADERMODELS_H

#include <QIdentityProxyModel>
#include <QPointer>

// Passes a table's data through unchanged and hands out a header model per orientation under
// two reserved roles, which HierarchicalHeaderView reads to draw multi-level headings.
class ProxyModelWithHeaderModels : public QIdentityProxyModel
{
    Q_OBJECT

public:
    enum HeaderModelRole
    {
        HorizontalHeaderModelRole = Qt::UserRole,
        VerticalHeaderModelRole = Qt::UserRole + 1
    };

    explicit ProxyModelWithHeaderModels(QObject* parent = nullptr);
    ~ProxyModelWithHeaderModels() override;

    // Not owned.
    void SetColumnHeaderModel(QAbstractItemModel* model);
    void SetRowHeaderModel(QAbstractItemModel* model);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Under Qt::AccessibleTextRole a section is named by the headings drawn over it, from the
    // outer band to its own title ("IPC / Bit Rate(Kbps) / First Bit Rate"), so assistive
    // technology hears what the eye reads instead of a section number.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Announces the removal of top-level rows to the views but leaves the source model alone:
    // the views drop the removed rows' cell widgets and move the widgets below up, while the
    // texts stay in their rows for the owner to rebuild. Out-of-range requests are refused.
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

private:
    QPointer<QAbstractItemModel> m_pHorizontalHeaderModel;
    QPointer<QAbstractItemModel> m_pVerticalHeaderModel;
};

#endif
