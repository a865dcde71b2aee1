// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/ctableview.h"

#include "widgets/itemviews/cheaderview.h"
#include "widgets/itemviews/ctabledelegate.h"
#include "widgets/itemviews/ctreeviewitem.h"
#include "widgets/itemviews/ctreeviewmodel.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

CTableView::CTableView(QWidget* parent) : QTreeView(parent), m_bDrawRowLine(true)
{
    setHeader(new CHeaderView(Qt::Horizontal, this));
    setItemDelegate(new CTableDelegate(this, this));
    setAllColumnsShowFocus(true);
    setIndentation(0);
    setExpandsOnDoubleClick(false);
    setRootIsDecorated(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    // The delegate's hover colour needs hover events whatever the style.
    viewport()->setAttribute(Qt::WA_Hover);

    m_pDefaultModel = new CTreeViewModel(this);
    QTreeView::setModel(m_pDefaultModel);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CTableView::currentItemChanged);
}

CTableView::~CTableView()
{
    delete m_pDefaultModel;
}

void CTableView::setModel(QAbstractItemModel* newModel)
{
    if (m_pDefaultModel && m_pDefaultModel != newModel)
        delete m_pDefaultModel;
    QTreeView::setModel(newModel);
    expandAll();
    // The base installs a new selection model; keep relaying its current changes.
    if (selectionModel())
        connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
                &CTableView::currentItemChanged, Qt::UniqueConnection);
}

CTreeViewModel* CTableView::TreeModel() const
{
    return qobject_cast<CTreeViewModel*>(model());
}

void CTableView::GrowColumns(int column)
{
    if (model() && column >= model()->columnCount())
        model()->insertColumn(column);
}

QModelIndex CTableView::Cell(int row, int column) const
{
    return model() ? model()->index(row, column) : QModelIndex();
}

void CTableView::SetCellText(int row, int column, const QString& text)
{
    GrowColumns(column);
    const QModelIndex cell = Cell(row, column);
    if (!cell.isValid())
        return;
    model()->setData(cell, text, Qt::EditRole);
    model()->setData(cell, text, Qt::ToolTipRole);
}

QString CTableView::GetCellText(int row, int column) const
{
    return Cell(row, column).data(Qt::DisplayRole).toString();
}

void CTableView::SetCellWidget(int row, int column, QWidget* widget)
{
    GrowColumns(column);
    SetExistingCellWidget(row, column, widget);
}

void CTableView::SetExistingCellWidget(int row, int column, QWidget* widget)
{
    const QModelIndex cell = Cell(row, column);
    if (!cell.isValid())
        return;
    // A wheel would otherwise focus a cell's chooser on its way past and then change its
    // value; the table takes such wheels (see eventFilter).
    const bool chooser =
        qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget);
    if (chooser && widget->focusPolicy() == Qt::WheelFocus)
        widget->setFocusPolicy(Qt::StrongFocus);
    setIndexWidget(cell, widget);
}

QWidget* CTableView::GetCellWidget(int row, int column) const
{
    const QModelIndex cell = Cell(row, column);
    return cell.isValid() ? indexWidget(cell) : nullptr;
}

void CTableView::SetCellButton(int row, int column, const QString& text, const QIcon& icon)
{
    GrowColumns(column);
    const QModelIndex cell = Cell(row, column);
    if (!cell.isValid())
        return;
    model()->setData(cell, true, ButtonRole);
    model()->setData(cell, icon, Qt::DecorationRole);
    model()->setData(cell, text, Qt::DisplayRole);
}

void CTableView::SetCellButtonFlag(int row, int column, bool on)
{
    GrowColumns(column);
    const QModelIndex cell = Cell(row, column);
    if (!cell.isValid())
        return;
    model()->setData(cell, on, ButtonRole);
    model()->setData(cell, 0, Qt::DecorationRole);
}

void CTableView::SetCellCheckState(int row, int column, bool on)
{
    const QModelIndex cell = Cell(row, column);
    if (cell.isValid())
        model()->setData(cell, int(on ? Qt::Checked : Qt::Unchecked), Qt::CheckStateRole);
}

void CTableView::SetCellComboItems(int row, int column, const QVariant& items)
{
    const QModelIndex cell = Cell(row, column);
    if (!cell.isValid())
        return;
    model()->setData(cell, items.toStringList(), ComboItemsRole);
    if (CTreeViewItem* item = GetItem(cell))
        item->SetFlags(Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsUserCheckable |
                       Qt::ItemIsEnabled);
}

bool CTableView::SetCellData(int row, int column, const QVariant& value, int role)
{
    const QModelIndex cell = Cell(row, column);
    return cell.isValid() && model()->setData(cell, value, role);
}

QVariant CTableView::GetCellData(int row, int column, int role) const
{
    return Cell(row, column).data(role);
}

QModelIndex CTableView::GetIndex(int row, int column, const QModelIndex& parent) const
{
    return model() ? model()->index(row, column, parent) : QModelIndex();
}

Qt::ItemFlags CTableView::GetCellFlags(int row, int column) const
{
    const CTreeViewItem* item = GetItem(Cell(row, column));
    return item ? item->Flags() : Qt::NoItemFlags;
}

void CTableView::SetCellFlags(int row, int column, Qt::ItemFlags flags)
{
    if (CTreeViewItem* item = GetItem(Cell(row, column))) {
        item->SetFlags(flags);
        viewport()->update();
    }
}

CTreeViewItem* CTableView::GetItem(const QModelIndex& index) const
{
    CTreeViewModel* treeModel = TreeModel();
    if (!treeModel || !index.isValid() || index.model() != treeModel)
        return nullptr;
    return treeModel->GetItem(index);
}

void CTableView::ClearAll()
{
    if (CTreeViewModel* treeModel = TreeModel())
        treeModel->Clear();
}

int CTableView::RowCount() const
{
    return model() ? model()->rowCount() : 0;
}

int CTableView::AppendRow()
{
    if (!model())
        return -1;
    const int row = model()->rowCount();
    return model()->insertRow(row) ? row : -1;
}

int CTableView::InsertFirstRow()
{
    return model() && model()->insertRow(0) ? 0 : -1;
}

int CTableView::InsertRowAt(int row)
{
    if (!Cell(row, 0).isValid())
        return -1;
    return model()->insertRow(row) ? row : -1;
}

void CTableView::RemoveRowAt(int row)
{
    if (Cell(row, 0).isValid())
        model()->removeRow(row);
}

void CTableView::RemoveLastRow()
{
    RemoveRowAt(RowCount() - 1);
}

bool CTableView::AppendItems(const QList<CTreeViewItem*>& items)
{
    CTreeViewModel* treeModel = TreeModel();
    if (items.isEmpty() || !treeModel)
        return false;
    return treeModel->InsertItems(treeModel->rowCount(), items);
}

void CTableView::SetColumnCount(int count)
{
    for (int column = 0; column < count; ++column)
        SetHeaderText(column, QString());
}

void CTableView::SetHeaderText(int column, const QString& text)
{
    GrowColumns(column);
    if (model())
        model()->setHeaderData(column, Qt::Horizontal, text, Qt::DisplayRole);
}

void CTableView::SetHeaderTexts(const QStringList& texts)
{
    if (!model())
        return;
    for (int i = 0; i < texts.size(); ++i) {
        model()->insertColumn(i);
        model()->setHeaderData(i, Qt::Horizontal, texts.at(i), Qt::DisplayRole);
    }
}

void CTableView::SetHeaderChecked(int column, bool on)
{
    if (!model() || column < 0 || column >= model()->columnCount())
        return;
    model()->setHeaderData(column, Qt::Horizontal, int(on ? Qt::Checked : Qt::Unchecked),
                           Qt::CheckStateRole);
    const QString text = model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    if (text.startsWith(QLatin1String("  ")))
        model()->setHeaderData(column, Qt::Horizontal, text.mid(2), Qt::DisplayRole);
}

void CTableView::SetDrawRowLine(bool on)
{
    m_bDrawRowLine = on;
    viewport()->update();
}

bool CTableView::event(QEvent* event)
{
    // The menu key asks for the context menu where the selection is, not at the mouse
    // pointer, which may be anywhere on the screen. Positions are in viewport coordinates,
    // as for a mouse request.
    if (event->type() == QEvent::ContextMenu && contextMenuPolicy() == Qt::CustomContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        QModelIndex at = currentIndex();
        const QModelIndexList selected =
            selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
        if (!selected.isEmpty() && !(at.isValid() && selectionModel()->isSelected(at)))
            at = selected.first();
        QRect row = at.isValid() ? visualRect(at) : QRect();
        if (row.isValid())
            row.setLeft(qMax(0, row.left()));
        const QPoint pos =
            row.isValid() ? QPoint(row.left() + 8, row.bottom()) : viewport()->rect().topLeft();
        emit customContextMenuRequested(pos);
        event->accept();
        return true;
    }
    return QTreeView::event(event);
}

bool CTableView::eventFilter(QObject* watched, QEvent* event)
{
    // A wheel turned over a cell's closed combo box or spin box means to scroll the table;
    // letting the cell take it would silently change a value the user never looked at. Only
    // a chooser the user went to (by keyboard or a click) keeps its wheel: a wheel can hand
    // the focus to the cell under the pointer on its way, so having the focus is not enough.
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool chooser =
        qobject_cast<QComboBox*>(watched) || qobject_cast<QAbstractSpinBox*>(watched);
    if (widget && chooser && widget->parentWidget() == viewport()) {
        static const char* const ChosenByUser = "corvaneChosenByUser";
        switch (event->type()) {
        case QEvent::FocusIn: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool byUser =
                reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                reason == Qt::ShortcutFocusReason ||
                (reason == Qt::MouseFocusReason && QGuiApplication::mouseButtons() != Qt::NoButton);
            widget->setProperty(ChosenByUser, byUser);
            break;
        }
        case QEvent::MouseButtonPress:
            widget->setProperty(ChosenByUser, true);
            break;
        case QEvent::FocusOut:
            widget->setProperty(ChosenByUser, false);
            break;
        case QEvent::Wheel:
            if (!widget->hasFocus() || !widget->property(ChosenByUser).toBool()) {
                QCoreApplication::sendEvent(verticalScrollBar(), event);
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QTreeView::eventFilter(watched, event);
}

void CTableView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex pressed = indexAt(event->position().toPoint());
    m_pressedCell = pressed;
    if (event->button() == Qt::LeftButton)
        emit PressedBtn(pressed);
    QTreeView::mousePressEvent(event);
}

void CTableView::mouseReleaseEvent(QMouseEvent* event)
{
    // Persistent, so that a slot that changes the rows cannot leave a stale index behind.
    const QPersistentModelIndex released = indexAt(event->position().toPoint());
    const bool sameCell = !released.isValid() || released == m_pressedCell;
    QModelIndex cell = released;
    if (!sameCell && m_pressedCell.isValid())
        cell = model()->index(m_pressedCell.row(), m_pressedCell.column());
    const QVariant button = cell.data(ButtonRole);
    const bool armed = event->button() == Qt::LeftButton && button.isValid() && button.toBool();
    if (armed && sameCell)
        emit ClickedBtn(cell);
    QTreeView::mouseReleaseEvent(event);
    if (released.isValid())
        emit SignalClickRelease(released);
}

void CTableView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    QTreeView::drawRow(painter, option, index);
    if (!m_bDrawRowLine)
        return;
    const QRect& rect = option.rect;
    painter->save();
    painter->setPen(QColor(229, 229, 229, 255));
    painter->drawLine(QPoint(rect.x() + 2, rect.bottom()), QPoint(rect.right(), rect.bottom()));
    painter->restore();
}

void CTableView::drawBranches(QPainter*, const QRect&, const QModelIndex&) const {}
