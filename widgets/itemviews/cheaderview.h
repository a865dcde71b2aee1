// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHEADERVIEW_H
#define CHEADERVIEW_H

#include <QHeaderView>
#include <QRect>

class QTreeView;

// The plain header of CTableView. When section 0 carries a header check state it shows a
// tri-state box there: clicking it checks or unchecks column 0 of every row, and the box
// follows the rows' states whenever the model's data change.
class CHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    CHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~CHeaderView() override;

    void setModel(QAbstractItemModel* model) override;

public slots:
    void OnDataChanged(const QModelIndex& index);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QVariant HeaderCheckState() const;

    // Written while painting, which Qt declares const.
    mutable QRect m_checkRect;
    QTreeView* m_pOwnerView;
};

#endif
