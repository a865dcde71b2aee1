// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/ctreeview.h"

#include <QMouseEvent>

namespace {

// -1 for an index without a check state.
int CheckStateOf(const QModelIndex& index)
{
    const QVariant state = index.data(Qt::CheckStateRole);
    return state.isValid() ? state.toInt() : -1;
}

struct ChildStates
{
    bool anyOpen = false;         // a child unchecked or partly checked
    bool anyChecked = false;      // a child checked
    bool anyPartlyBranch = false; // a child with children of its own, partly checked
};

ChildStates ScanChildren(const QAbstractItemModel* model, const QModelIndex& parent)
{
    ChildStates states;
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex child = model->index(row, 0, parent);
        switch (CheckStateOf(child)) {
        case Qt::Unchecked:
            states.anyOpen = true;
            break;
        case Qt::PartiallyChecked:
            states.anyOpen = true;
            if (model->hasChildren(child))
                states.anyPartlyBranch = true;
            break;
        case Qt::Checked:
            states.anyChecked = true;
            break;
        default:
            break;
        }
    }
    return states;
}

void SetCheckState(QAbstractItemModel* model, const QModelIndex& index, int state)
{
    model->setData(index, state, Qt::CheckStateRole);
}

} // namespace

CTreeView::CTreeView(QWidget* parent) : CTableView(parent), m_bDrawBranches(false)
{
    setIndentation(16);
    setRootIsDecorated(true);
    WatchModel(GetDefaultModel());
}

CTreeView::~CTreeView() = default;

void CTreeView::WatchModel(QAbstractItemModel* newModel)
{
    if (m_pWatchedModel)
        disconnect(m_pWatchedModel, &QAbstractItemModel::dataChanged, this,
                   &CTreeView::OnDataChanged);
    m_pWatchedModel = newModel;
    if (newModel)
        connect(newModel, &QAbstractItemModel::dataChanged, this, &CTreeView::OnDataChanged,
                Qt::UniqueConnection);
}

void CTreeView::setModel(QAbstractItemModel* newModel)
{
    WatchModel(newModel);
    CTableView::setModel(newModel);
}

QRect CTreeView::ToggleStrip(const QRect& cellRect)
{
    return cellRect.adjusted(cellRect.width() - 26, 0, -2, 0);
}

void CTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeView::mouseReleaseEvent(event);
    const QModelIndex current = currentIndex();
    if (current.isValid() && ToggleStrip(visualRect(current)).contains(event->position().toPoint()))
        setExpanded(current, !isExpanded(current));
}

void CTreeView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    if (m_bDrawBranches)
        QTreeView::drawBranches(painter, rect, index);
}

void CTreeView::OnDataChanged(const QModelIndex& index)
{
    const int state = CheckStateOf(index);
    if (state < 0)
        return;
    QAbstractItemModel* itemModel = const_cast<QAbstractItemModel*>(index.model());
    const QModelIndex item = index.siblingAtColumn(0);
    const QModelIndex parentIndex = item.parent();

    // Downwards: from a group, and in deeper trees from any row with children.
    if ((!parentIndex.isValid() || itemModel->hasChildren(item)) && state != Qt::PartiallyChecked) {
        for (int row = 0; row < itemModel->rowCount(item); ++row) {
            const QModelIndex child = itemModel->index(row, 0, item);
            const int childState = CheckStateOf(child);
            if (childState >= 0 && childState != state)
                SetCheckState(itemModel, child, state);
        }
    }

    // Upwards, to the parent.
    if (parentIndex.isValid()) {
        const int parentState = CheckStateOf(parentIndex);
        if (state == Qt::Checked && parentState >= 0 && parentState != Qt::Checked) {
            const ChildStates children = ScanChildren(itemModel, parentIndex);
            int next = Qt::Unchecked;
            if (children.anyOpen && children.anyChecked)
                next = Qt::PartiallyChecked;
            else if (!children.anyOpen)
                next = Qt::Checked;
            SetCheckState(itemModel, parentIndex, next);
        } else if (state == Qt::Unchecked && parentState >= 0 && parentState != Qt::Unchecked) {
            const ChildStates children = ScanChildren(itemModel, parentIndex);
            SetCheckState(itemModel, parentIndex,
                          children.anyChecked || children.anyPartlyBranch ? Qt::PartiallyChecked
                                                                          : Qt::Unchecked);
        } else if (state == Qt::PartiallyChecked && itemModel->hasChildren(item) &&
                   parentState >= 0 && parentState != Qt::PartiallyChecked) {
            // Deeper trees: a partly checked branch makes every ancestor partly checked.
            SetCheckState(itemModel, parentIndex, Qt::PartiallyChecked);
        }
    }
    viewport()->update();
}
