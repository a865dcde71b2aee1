// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/hierarchicalheaderview.h"

#include <QFontMetrics>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionHeader>

namespace {

bool HoldsBrush(const QVariant& value)
{
    return value.typeId() == QMetaType::QBrush || value.typeId() == QMetaType::QColor;
}

} // namespace

class HierarchicalHeaderView::Private
{
public:
    explicit Private(Qt::Orientation o) : orientation(o) {}

    QModelIndexList Children(const QModelIndex& cell) const
    {
        QModelIndexList children;
        if (!headerModel)
            return children;
        if (orientation == Qt::Horizontal) {
            const int columns = headerModel->columnCount(cell);
            for (int c = 0; c < columns; ++c) {
                const QModelIndex child = headerModel->index(0, c, cell);
                if (child.isValid())
                    children.append(child);
            }
        } else {
            const int rows = headerModel->rowCount(cell);
            for (int r = 0; r < rows; ++r) {
                const QModelIndex child = headerModel->index(r, 0, cell);
                if (child.isValid())
                    children.append(child);
            }
        }
        return children;
    }

    QModelIndex FindLeaf(const QModelIndex& cell, int logicalIndex, int& counter) const
    {
        const QModelIndexList children = Children(cell);
        if (children.isEmpty())
            return ++counter == logicalIndex ? cell : QModelIndex();
        for (const QModelIndex& child : children) {
            const QModelIndex leaf = FindLeaf(child, logicalIndex, counter);
            if (leaf.isValid())
                return leaf;
        }
        return QModelIndex();
    }

    QModelIndex LeafIndex(int logicalIndex) const
    {
        if (!headerModel || logicalIndex < 0)
            return QModelIndex();
        int counter = -1;
        for (const QModelIndex& top : Children(QModelIndex())) {
            const QModelIndex leaf = FindLeaf(top, logicalIndex, counter);
            if (leaf.isValid())
                return leaf;
        }
        return QModelIndex();
    }

    void CollectLeaves(const QModelIndex& cell, QModelIndexList& leaves) const
    {
        const QModelIndexList children = Children(cell);
        if (children.isEmpty()) {
            leaves.append(cell);
            return;
        }
        for (const QModelIndex& child : children)
            CollectLeaves(child, leaves);
    }

    QModelIndexList Leaves(const QModelIndex& cell) const
    {
        QModelIndexList leaves;
        CollectLeaves(cell, leaves);
        return leaves;
    }

    static QModelIndex TopLevelCell(QModelIndex cell)
    {
        while (cell.parent().isValid())
            cell = cell.parent();
        return cell;
    }

    // From the top-level cell down to the leaf itself.
    static QModelIndexList Lineage(const QModelIndex& leaf)
    {
        QModelIndexList cells;
        for (QModelIndex cell = leaf; cell.isValid(); cell = cell.parent())
            cells.prepend(cell);
        return cells;
    }

    static QFont CellFont(const QModelIndex& cell, const QFont& headerFont)
    {
        const QVariant value = cell.data(Qt::FontRole);
        QFont font = value.typeId() == QMetaType::QFont ? value.value<QFont>() : headerFont;
        font.setBold(true);
        return font;
    }

    static bool IsVertical(const QModelIndex& cell) { return cell.data(Qt::UserRole).isValid(); }

    QSize CellSize(const QModelIndex& cell, const QHeaderView* header,
                   const QStyleOptionHeader& option) const
    {
        const QVariant hint = cell.data(Qt::SizeHintRole);
        const QSize result = hint.isValid() ? hint.toSize() : QSize();
        const QFontMetrics metrics(CellFont(cell, header->font()));
        QSize textSize = metrics.size(0, cell.data(Qt::DisplayRole).toString());
        if (IsVertical(cell))
            textSize.transpose();
        const QSize decorationSize =
            header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
        const QSize emptyTextSize = metrics.size(0, QString());
        return result.expandedTo(textSize + decorationSize - emptyTextSize);
    }

    Qt::Orientation orientation;
    QPointer<QAbstractItemModel> headerModel;
};

HierarchicalHeaderView::HierarchicalHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent), m_pPrivate(new Private(orientation))
{
    connect(this, &QHeaderView::sectionResized, this, &HierarchicalHeaderView::on_sectionResized);
    setStyleSheet(
        QStringLiteral("QHeaderView::section{border:none; border-left: 1px solid "
                       "rgb(193,193,193);\t\tborder-bottom: 1px solid rgb(193,193,193);}"));
    setStretchLastSection(true);
}

HierarchicalHeaderView::~HierarchicalHeaderView()
{
    delete m_pPrivate;
}

void HierarchicalHeaderView::setModel(QAbstractItemModel* model)
{
    m_pPrivate->headerModel = nullptr;
    if (model) {
        const int role = orientation() == Qt::Horizontal ? Qt::UserRole : Qt::UserRole + 1;
        const QVariant value = model->data(QModelIndex(), role);
        if (value.isValid())
            m_pPrivate->headerModel = qobject_cast<QAbstractItemModel*>(value.value<QObject*>());
    }
    QHeaderView::setModel(model);
    const int count = !model                            ? 0
                      : orientation() == Qt::Horizontal ? model->columnCount()
                                                        : model->rowCount();
    if (count > 0)
        initializeSections(0, count - 1);
}

bool HierarchicalHeaderView::IsSectionSelected(int logicalIndex) const
{
    if (logicalIndex < 0 || !selectionModel())
        return false;
    return orientation() == Qt::Horizontal
               ? selectionModel()->isColumnSelected(logicalIndex, rootIndex())
               : selectionModel()->isRowSelected(logicalIndex, rootIndex());
}

QStyleOptionHeader HierarchicalHeaderView::StyleOptionForSection(int logicalIndex) const
{
    QStyleOptionHeader option;
    initStyleOption(&option);
    if (window()->isActiveWindow())
        option.state |= QStyle::State_Active;
    option.textAlignment = Qt::AlignCenter;
    option.iconAlignment = Qt::AlignVCenter;
    option.section = logicalIndex;

    const int visual = visualIndex(logicalIndex);
    if (count() == 1)
        option.position = QStyleOptionHeader::OnlyOneSection;
    else if (visual == 0)
        option.position = QStyleOptionHeader::Beginning;
    else if (visual == count() - 1)
        option.position = QStyleOptionHeader::End;
    else
        option.position = QStyleOptionHeader::Middle;

    QItemSelectionModel* selection = selectionModel();
    if (sectionsClickable() && highlightSections() && selection) {
        const bool horizontal = orientation() == Qt::Horizontal;
        const bool intersects =
            horizontal ? selection->columnIntersectsSelection(logicalIndex, rootIndex())
                       : selection->rowIntersectsSelection(logicalIndex, rootIndex());
        if (intersects)
            option.state |= QStyle::State_On;
        if (IsSectionSelected(logicalIndex))
            option.state |= QStyle::State_Sunken;
    }
    if (selection) {
        const bool previous = IsSectionSelected(QHeaderView::logicalIndex(visual - 1));
        const bool next = IsSectionSelected(QHeaderView::logicalIndex(visual + 1));
        if (previous && next)
            option.selectedPosition = QStyleOptionHeader::NextAndPreviousAreSelected;
        else if (previous)
            option.selectedPosition = QStyleOptionHeader::PreviousIsSelected;
        else if (next)
            option.selectedPosition = QStyleOptionHeader::NextIsSelected;
        else
            option.selectedPosition = QStyleOptionHeader::NotAdjacent;
    }
    return option;
}

QSize HierarchicalHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    const QModelIndex leaf = m_pPrivate->LeafIndex(logicalIndex);
    if (!leaf.isValid())
        return QHeaderView::sectionSizeFromContents(logicalIndex);
    const QStyleOptionHeader option = StyleOptionForSection(logicalIndex);
    QSize size = m_pPrivate->CellSize(leaf, this, option);
    for (QModelIndex cell = leaf.parent(); cell.isValid(); cell = cell.parent()) {
        const QSize cellSize = m_pPrivate->CellSize(cell, this, option);
        if (orientation() == Qt::Horizontal)
            size.rheight() += cellSize.height();
        else
            size.rwidth() += cellSize.width();
    }
    return size;
}

void HierarchicalHeaderView::paintSection(QPainter* painter, const QRect& rect,
                                          int logicalIndex) const
{
    const QModelIndex leaf = m_pPrivate->LeafIndex(logicalIndex);
    if (!rect.isValid() || !leaf.isValid()) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    const bool horizontal = orientation() == Qt::Horizontal;
    const QStyleOptionHeader option = StyleOptionForSection(logicalIndex);
    const QPointF brushOrigin = painter->brushOrigin();

    int offset = 0; // top for a horizontal header, left for a vertical one
    const QModelIndexList cells = Private::Lineage(leaf);
    for (const QModelIndex& cell : cells) {
        const bool isLeaf = cell == leaf;
        QStyleOptionHeader cellOption(option);
        if (!isLeaf)
            cellOption.state &= ~(QStyle::State_Sunken | QStyle::State_On);

        const QVariant foreground = cell.data(Qt::ForegroundRole);
        if (HoldsBrush(foreground))
            cellOption.palette.setBrush(QPalette::ButtonText, foreground.value<QBrush>());
        const QVariant background = cell.data(Qt::BackgroundRole);
        if (HoldsBrush(background)) {
            cellOption.palette.setBrush(QPalette::Button, background.value<QBrush>());
            cellOption.palette.setBrush(QPalette::Window, background.value<QBrush>());
        }

        // The leaves of a cell are consecutive logical sections.
        const QModelIndexList leaves = m_pPrivate->Leaves(cell);
        const int before = int(leaves.indexOf(leaf));
        int span = 0;
        int preceding = 0;
        for (int i = 0; i < leaves.size(); ++i) {
            const int size = sectionSize(logicalIndex - before + i);
            span += size;
            if (i < before)
                preceding += size;
        }

        QRect cellRect;
        if (horizontal) {
            const int height =
                isLeaf ? rect.height() - offset : m_pPrivate->CellSize(cell, this, option).height();
            cellRect = QRect(rect.left() - preceding, offset, span, height);
            offset += height;
        } else {
            const int width =
                isLeaf ? rect.width() - offset : m_pPrivate->CellSize(cell, this, option).width();
            cellRect = QRect(offset, rect.top() - preceding, width, span);
            offset += width;
        }
        cellOption.rect = cellRect;
        cellOption.text = cell.data(Qt::DisplayRole).toString();

        painter->save();
        painter->setFont(Private::CellFont(cell, font()));
        if (Private::IsVertical(cell)) {
            style()->drawControl(QStyle::CE_HeaderSection, &cellOption, painter, this);
            painter->rotate(-90);
            QRect labelRect(0, 0, cellRect.height(), cellRect.width());
            labelRect.moveCenter(QPoint(-cellRect.center().y(), cellRect.center().x()));
            cellOption.rect = labelRect;
            style()->drawControl(QStyle::CE_HeaderLabel, &cellOption, painter, this);
        } else {
            style()->drawControl(QStyle::CE_Header, &cellOption, painter, this);
        }
        painter->restore();
    }
    painter->setBrushOrigin(brushOrigin);
}

void HierarchicalHeaderView::on_sectionResized(int logicalIndex)
{
    if (isSectionHidden(logicalIndex))
        return;
    const QModelIndex leaf = m_pPrivate->LeafIndex(logicalIndex);
    if (!leaf.isValid())
        return;
    const QModelIndexList leaves = m_pPrivate->Leaves(Private::TopLevelCell(leaf));
    const int width = viewport()->width();
    const int height = viewport()->height();
    int section = logicalIndex;
    for (int i = int(leaves.indexOf(leaf)); i > 0; --i) {
        --section;
        const int position = sectionViewportPosition(section);
        QRect area;
        if (orientation() == Qt::Vertical)
            area = QRect(0, position, width, height - position);
        else if (isRightToLeft())
            area = QRect(0, 0, position + sectionSize(section), height);
        else
            area = QRect(position, 0, width - position, height);
        viewport()->update(area);
    }
}
