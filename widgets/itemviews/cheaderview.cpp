// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/cheaderview.h"

#include "util/helpers.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTreeView>

CHeaderView::CHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent), m_pOwnerView(qobject_cast<QTreeView*>(parent))
{
    setStretchLastSection(true);
    setSectionsClickable(true);
}

CHeaderView::~CHeaderView() = default;

QVariant CHeaderView::HeaderCheckState() const
{
    if (!model())
        return QVariant();
    return model()->headerData(0, Qt::Horizontal, Qt::CheckStateRole);
}

void CHeaderView::setModel(QAbstractItemModel* newModel)
{
    if (newModel == model())
        return;
    if (model())
        disconnect(model(), &QAbstractItemModel::dataChanged, this, &CHeaderView::OnDataChanged);
    if (newModel)
        connect(newModel, &QAbstractItemModel::dataChanged, this, &CHeaderView::OnDataChanged);
    QHeaderView::setModel(newModel);
}

void CHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (logicalIndex != 0 || !model()) {
        QHeaderView::paintSection(painter, rect.adjusted(4, 0, 0, 0), logicalIndex);
        return;
    }
    const QVariant state = HeaderCheckState();
    if (state.isValid()) {
        const int indentation = m_pOwnerView ? m_pOwnerView->indentation() : 0;
        m_checkRect = QRect(rect.x() + indentation + 3, (rect.height() - 16) / 2, 16, 16);
        const int value = state.toInt();
        const QString picture =
            value == Qt::Checked ? QStringLiteral(":/images/public/CheckBox/checkbox.png")
            : value != Qt::Unchecked
                ? QStringLiteral(":/images/public/CheckBox/PartiallyCheckBox.png")
                : QStringLiteral(":/images/public/CheckBox/uncheckbox.png");
        painter->drawPixmap(m_checkRect, LoadCachedPixmap(picture));
    }
    const QRect textRect(m_checkRect.right() + 4, rect.y(), rect.width() - m_checkRect.right() - 4,
                         rect.height());
    QHeaderView::paintSection(painter, textRect, logicalIndex);
}

void CHeaderView::mouseReleaseEvent(QMouseEvent* event)
{
    QAbstractItemModel* currentModel = model();
    const QVariant state = HeaderCheckState();
    if (currentModel && sectionsClickable() && state.isValid() &&
        m_checkRect.contains(event->position().toPoint())) {
        const int newState = state.toInt() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
        currentModel->setHeaderData(0, Qt::Horizontal, newState, Qt::CheckStateRole);
        const int rows = currentModel->rowCount();
        for (int row = 0; row < rows; ++row)
            currentModel->setData(currentModel->index(row, 0), newState, Qt::CheckStateRole);
    }
    QHeaderView::mouseReleaseEvent(event);
}

void CHeaderView::OnDataChanged(const QModelIndex&)
{
    QAbstractItemModel* currentModel = model();
    if (!currentModel || !HeaderCheckState().isValid())
        return;
    bool sawChecked = false;
    bool sawUnchecked = false;
    const int rows = currentModel->rowCount();
    for (int row = 0; row < rows; ++row) {
        const int state = currentModel->index(row, 0).data(Qt::CheckStateRole).toInt();
        if (state == Qt::Checked)
            sawChecked = true;
        else
            sawUnchecked = true;
    }
    const int headerState = sawChecked && sawUnchecked ? Qt::PartiallyChecked
                            : !sawUnchecked            ? Qt::Checked
                                                       : Qt::Unchecked;
    if (HeaderCheckState().toInt() != headerState)
        currentModel->setHeaderData(0, Qt::Horizontal, headerState, Qt::CheckStateRole);
}
