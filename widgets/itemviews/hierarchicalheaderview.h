// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HIERARCHICALHEADERVIEW_H
#define HIERARCHICALHEADERVIEW_H

#include <QHeaderView>

class QStyleOptionHeader;

// A header whose sections are stacks of cells taken from a header model (a tree: the cells of
// row 0, their children in row 0 of each cell's child table). Parent cells span all their leaf
// sections; leaves, taken depth first, are the logical sections. The header model comes from
// the view's model under Qt::UserRole (horizontal) or Qt::UserRole + 1 (vertical), as
// ProxyModelWithHeaderModels hands it out; it is read once per setModel.
class HierarchicalHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    HierarchicalHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~HierarchicalHeaderView() override;

    void setModel(QAbstractItemModel* model) override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private slots:
    // Parent cells spanning the resized section repaint in full, not only from the section on.
    void on_sectionResized(int logicalIndex);

private:
    class Private;

    QStyleOptionHeader StyleOptionForSection(int logicalIndex) const;
    bool IsSectionSelected(int logicalIndex) const;

    Private* m_pPrivate;
};

#endif
