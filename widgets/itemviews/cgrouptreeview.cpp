// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/cgrouptreeview.h"

#include "widgets/itemviews/ctreeviewdelegate.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QtEndian>

const char* const CGroupTreeView::DragFormat = "Group/Stream";

CGroupTreeView::CGroupTreeView(QWidget* parent)
    : CTreeView(parent), m_bDragEnabled(false), m_bMultiSelection(false)
{
    header()->hide();
    setIndentation(0);
    SetDrawRowLine(true);
    QAbstractItemDelegate* tableDelegate = itemDelegate();
    setItemDelegate(new CTreeViewDelegate(this, this));
    delete tableDelegate;
}

CGroupTreeView::~CGroupTreeView() = default;

void CGroupTreeView::SetMultiSelection(bool on)
{
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection
                        : QAbstractItemView::SingleSelection);
    m_bMultiSelection = on;
}

QByteArray CGroupTreeView::DragPayload(int groupRow, int streamRow)
{
    QByteArray payload(8, '\0');
    qToLittleEndian<qint32>(groupRow, payload.data());
    qToLittleEndian<qint32>(streamRow, payload.data() + 4);
    return payload;
}

QMimeData* CGroupTreeView::CreateDragData(const QModelIndex& index) const
{
    const auto* itemModel = qobject_cast<const QStandardItemModel*>(model());
    if (!itemModel || !index.isValid() || index.model() != itemModel)
        return nullptr;
    const QStandardItem* item = itemModel->itemFromIndex(index);
    if (!item || !item->isDragEnabled())
        return nullptr;
    const QModelIndex group = index.parent().isValid() ? index.parent() : index;
    const int stream = index.parent().isValid() ? index.row() : -1;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(DragFormat), DragPayload(group.row(), stream));
    return data;
}

void CGroupTreeView::mousePressEvent(QMouseEvent* event)
{
    if (event->modifiers() & Qt::ShiftModifier)
        return;
    const bool hadSelection = selectionModel() && selectionModel()->hasSelection();
    CTableView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint position = event->position().toPoint();
    if (m_bMultiSelection && (event->modifiers() & Qt::ControlModifier) && hadSelection) {
        const QModelIndex anchorItem = indexAt(m_anchor);
        const QModelIndex clicked = indexAt(position);
        if (anchorItem.isValid() && clicked.parent() != anchorItem.parent())
            selectionModel()->select(clicked,
                                     QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    } else {
        m_anchor = position;
    }
    m_dragStart = position;
}

void CGroupTreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        emit ItemDoubleClicked(index);
}

void CGroupTreeView::mouseMoveEvent(QMouseEvent* event)
{
    QTreeView::mouseMoveEvent(event);

    if (m_bMultiSelection) {
        const QModelIndex anchorItem = indexAt(m_anchor);
        if (anchorItem.isValid()) {
            for (const QModelIndex& selected : selectionModel()->selectedIndexes()) {
                if (selected.parent() != anchorItem.parent())
                    selectionModel()->select(selected, QItemSelectionModel::Deselect);
            }
        }
    }

    if (!m_bDragEnabled || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - m_dragStart).manhattanLength() <
        QApplication::startDragDistance())
        return;
    QMimeData* data = CreateDragData(indexAt(m_dragStart));
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(QPixmap(QStringLiteral(":/images/DeviceConfig/Analog_Channel.png")));
    drag->exec(Qt::MoveAction);
}

void CGroupTreeView::keyPressEvent(QKeyEvent* event)
{
    if ((event->modifiers() & Qt::ShiftModifier) && event->key() >= Qt::Key_Home &&
        event->key() <= Qt::Key_PageDown)
        return;
    QTreeView::keyPressEvent(event);
}

void CGroupTreeView::contextMenuEvent(QContextMenuEvent* event)
{
    QModelIndex index = indexAt(event->pos());
    if (index.isValid())
        emit ItemRightClicked(index);
}
