// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTABLEVIEW_H
#define CTABLEVIEW_H

#include "widgets/itemviews/ctreeviewmodel.h"

#include <QIcon>
#include <QList>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTreeView>

class CTreeViewItem;

// A tree view used as a flat table: 26-pixel rows underlined by a thin separator, no
// indentation or branch decoration, cell-addressed helpers and press/click signals that name
// the cell. Cells address the top-level rows of the current model. Until the first setModel
// the view runs on its own CTreeViewModel; item, flag and clearing helpers need a
// CTreeViewModel and do nothing (or return null) on any other model.
class CTableView : public QTreeView
{
    Q_OBJECT

public:
    enum ItemRole
    {
        ComboItemsRole = Qt::UserRole + 100, // QStringList: edited with a combo box of these
        ComboIndexRole = Qt::UserRole + 101, // int: index chosen in that combo box
        ButtonRole = Qt::UserRole + 102,     // bool: a button cell; true arms ClickedBtn
        DateTimeRole = Qt::UserRole + 105,   // QDateTime/QDate: edited with a date-time editor
        DateRole = Qt::UserRole + 106        // QDate: edited with a date editor
    };

    explicit CTableView(QWidget* parent = nullptr);
    ~CTableView() override;

    // Deletes the default model (unless it is the one being set) and expands every row.
    void setModel(QAbstractItemModel* model) override;

    // "Growing" setters first insert a column at `column` when it is not below the column
    // count; the model decides whether that succeeds. Setters on missing cells do nothing.
    void SetCellText(int row, int column, const QString& text);
    QString GetCellText(int row, int column) const;
    // The view owns a placed widget; a widget for a missing cell is not taken.
    void SetCellWidget(int row, int column, QWidget* widget);
    void SetExistingCellWidget(int row, int column, QWidget* widget);
    QWidget* GetCellWidget(int row, int column) const;
    void SetCellButton(int row, int column, const QString& text, const QIcon& icon = QIcon());
    void SetCellButtonFlag(int row, int column, bool on);
    void SetCellCheckState(int row, int column, bool on);
    void SetCellComboItems(int row, int column, const QVariant& items);
    bool SetCellData(int row, int column, const QVariant& value, int role);
    QVariant GetCellData(int row, int column, int role) const;
    QModelIndex GetIndex(int row, int column, const QModelIndex& parent = QModelIndex()) const;
    Qt::ItemFlags GetCellFlags(int row, int column) const;
    void SetCellFlags(int row, int column, Qt::ItemFlags flags);
    CTreeViewItem* GetItem(const QModelIndex& index) const;
    void ClearAll();

    int RowCount() const;
    // Row operations return the new row number, or -1 when the row does not exist or the
    // model refused.
    int AppendRow();
    int InsertFirstRow();
    int InsertRowAt(int row);
    void RemoveRowAt(int row);
    void RemoveLastRow();
    // Hands the items to the model as top-level rows after the last row; true when taken.
    bool AppendItems(const QList<CTreeViewItem*>& items);

    void SetColumnCount(int count);
    void SetHeaderText(int column, const QString& text);
    // Inserts one column per text at its position, whatever the current column count.
    void SetHeaderTexts(const QStringList& texts);
    void SetHeaderChecked(int column, bool on);
    void SetDrawRowLine(bool on);

signals:
    void SignalClickRelease(const QModelIndex& index);
    void PressedBtn(const QModelIndex& index);
    void ClickedBtn(const QModelIndex& index);
    void currentItemChanged(const QModelIndex& current, const QModelIndex& previous);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

    // Null once a model has been set.
    CTreeViewModel* GetDefaultModel() const { return m_pDefaultModel; }

private:
    CTreeViewModel* TreeModel() const;
    void GrowColumns(int column);
    QModelIndex Cell(int row, int column) const;

    QPointer<CTreeViewModel> m_pDefaultModel;
    bool m_bDrawRowLine;
    QPersistentModelIndex m_pressedCell;
};

#endif
