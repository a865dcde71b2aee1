// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTREEVIEWDELEGATE_H
#define CTREEVIEWDELEGATE_H

#include "widgets/itemviews/ctabledelegate.h"

// The look of a two-level tree of groups and their children: group rows on their own picture
// with an open/closed arrow at the right, the first child on the selection picture. Editors
// and sizes are CTableDelegate's.
class CTreeViewDelegate : public CTableDelegate
{
    Q_OBJECT

public:
    explicit CTreeViewDelegate(QAbstractItemView* view, QObject* parent = nullptr);
    ~CTreeViewDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

#endif
