// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTABLEDELEGATE_H
#define CTABLEDELEGATE_H

#include <QStyledItemDelegate>

class QAbstractItemView;

// The table look: white cells, the hover colour and the selection picture under the usual
// check box, icon and text; 26-pixel rows; combo-box and date editors chosen by the cell's
// CTableView roles.
class CTableDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // `view` is not owned; its style draws the button panels.
    explicit CTableDelegate(QAbstractItemView* view, QObject* parent = nullptr);
    ~CTableDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    QAbstractItemView* m_pView;
};

#endif
