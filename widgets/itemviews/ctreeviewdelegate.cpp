// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/itemviews/ctreeviewdelegate.h"

#include "util/helpers.h"

#include <QPainter>

CTreeViewDelegate::CTreeViewDelegate(QAbstractItemView* view, QObject* parent)
    : CTableDelegate(view, parent)
{
}

CTreeViewDelegate::~CTreeViewDelegate() = default;

void CTreeViewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const QRect& rect = option.rect;
    if (index.parent().isValid()) {
        if (index.row() == 0)
            painter->drawPixmap(
                rect, LoadCachedPixmap(QStringLiteral(":images/public/TreeView/TreeSelect.png")));
    } else {
        painter->drawPixmap(
            rect, LoadCachedPixmap(QStringLiteral(":images/public/TreeView/TreeNormal.png")));
        const QPixmap arrow =
            LoadCachedPixmap((option.state & QStyle::State_Open)
                                 ? QStringLiteral(":images/public/TreeView/TreeArrowDown.png")
                                 : QStringLiteral(":images/public/TreeView/TreeArrowUp.png"));
        const QSize arrowSize = LogicalSize(arrow);
        const QPoint position(rect.width() - arrowSize.width() - 4,
                              rect.y() + (rect.height() - arrowSize.height()) / 2);
        if (option.state & QStyle::State_MouseOver)
            painter->drawPixmap(position, LoadCachedPixmap(QStringLiteral(
                                              ":images/public/TreeView/TreeArrowHover.png")));
        painter->drawPixmap(position, arrow);
    }
    QStyledItemDelegate::paint(painter, option, index);
}
