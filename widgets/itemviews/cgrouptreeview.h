// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CGROUPTREEVIEW_H
#define CGROUPTREEVIEW_H

#include "widgets/itemviews/ctreeview.h"

#include <QPoint>

class QMimeData;

// The headerless tree of groups and their streams (children) that shows a grouping result.
// It reports right clicks and double clicks on items instead of acting on them, can keep an
// extended selection among the siblings of the item first pressed, and can drag a group or a
// stream out as "Group/Stream" data. Shift never changes the selection or the current item.
class CGroupTreeView : public CTreeView
{
    Q_OBJECT

public:
    explicit CGroupTreeView(QWidget* parent = nullptr);
    ~CGroupTreeView() override;

    void SetDragEnabled(bool enabled) { m_bDragEnabled = enabled; }
    void SetMultiSelection(bool on);

    static const char* const DragFormat;
    // Eight bytes: the group's row, then the stream's row (-1 for a group itself), each a
    // 32-bit little-endian integer.
    static QByteArray DragPayload(int groupRow, int streamRow);
    // What a drag of `index` carries; null unless the index is an item that the view's
    // QStandardItemModel lets be dragged.
    QMimeData* CreateDragData(const QModelIndex& index) const;

signals:
    void ItemRightClicked(const QModelIndex& index);
    void ItemDoubleClicked(const QModelIndex& index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPoint m_dragStart;
    QPoint m_anchor;
    bool m_bDragEnabled;
    bool m_bMultiSelection;
};

#endif
