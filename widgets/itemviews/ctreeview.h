// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTREEVIEW_H
#define CTREEVIEW_H

#include "widgets/itemviews/ctableview.h"

// A CTableView that shows a tree: indented children, a row toggled open or closed by a click
// in the strip at its right end, and check states kept consistent between a parent and its
// children. The view's own release signals are not emitted.
class CTreeView : public CTableView
{
    Q_OBJECT

public:
    explicit CTreeView(QWidget* parent = nullptr);
    ~CTreeView() override;

    void SetDrawBranches(bool draw) { m_bDrawBranches = draw; }

    // Follows the check states of the new model instead of the old one.
    void setModel(QAbstractItemModel* model) override;

    // The part of a row's right end that toggles it: 24 pixels, ending 2 pixels from the edge.
    static QRect ToggleStrip(const QRect& cellRect);

public slots:
    void OnDataChanged(const QModelIndex& index);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

private:
    void WatchModel(QAbstractItemModel* model);

    bool m_bDrawBranches;
    QPointer<QAbstractItemModel> m_pWatchedModel;
};

#endif
