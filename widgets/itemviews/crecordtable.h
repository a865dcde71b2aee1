// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CRECORDTABLE_H
#define CRECORDTABLE_H

#include "widgets/itemviews/ctableview.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class HierarchicalHeaderView;
class ProxyModelWithHeaderModels;
class QStandardItemModel;
class QTimer;

// The record table both calculator pages share: records in rows 0 to LastRow() with their
// editors as cell widgets, an add prompt in the row after them, and the column headers from
// the page. Adding (a click on the prompt, or Return, Enter or Space on it), deleting (the
// Delete key, or "delete" in the context menu at the pointer or the menu key's row), the IDs,
// the focus chain and the editors' names for assistive technology live here; each page
// supplies its editors and its checks.
//
// The data model keeps all rows for the table's whole life. Deleting a record only announces
// the removal through the proxy: the view drops that row's cell widgets and moves the ones
// below up, the texts stay in their rows, and Refresh renumbers by clearing what is left below
// the records.
class CRecordTable : public QObject
{
    Q_OBJECT

public:
    struct Columns
    {
        int count = 0;        // the ID column is column 0
        QList<int> editors;   // columns holding editors, left to right
        QList<QString> names; // per column: the editor's name, e.g. "First Bit Rate"
        QList<int> widths;    // per column, in pixels, at the least; more share the rest
        int keyColumn = 1;    // its editor tells a record row from any other
    };

    // When added records get their editors: now, or now only in the rows the table shows
    // (none while it is hidden). The others' follow a few rows at a time while the program is
    // idle, and all at once when the table is shown or scrolled, on MakeEditors(), or before
    // records are moved, deleted or added. The page keeps what they will show meanwhile.
    enum class Editors
    {
        Now,
        OnShow
    };

    // `buildHeader` fills the two-level header model; `makeEditors` places the editors of a
    // new record row; `addBlocked` says why the page lets no record be added now (empty when
    // it does).
    CRecordTable(CTableView* table, int rows, const Columns& columns, const QString& prompt,
                 const std::function<void(QStandardItemModel&)>& buildHeader,
                 const std::function<void(int row)>& makeEditors,
                 const std::function<QString()>& addBlocked, QObject* parent);
    ~CRecordTable() override;

    CTableView* Table() const { return m_pTable; }
    int Rows() const { return m_iRows; }
    int LastRow() const { return m_iLastRow; }
    int RecordCount() const { return m_iLastRow + 1; }
    bool IsRecordRow(int row) const;
    // The editor in a record's cell; none while the record's editors wait to be made.
    QWidget* Editor(int row, int column) const;
    // Whether a record's editors are made (see AddRecords).
    bool HasEditors(int row) const { return row >= 0 && row < m_iMadeRows; }
    // Record rows in the selection, ascending.
    QList<int> SelectedRecordRows() const;

    // Widgets after the records in the focus chain.
    void SetTrailingWidgets(const QList<QWidget*>& widgets) { m_trailing = widgets; }

public slots:
    // The prompt row's click: adds a record there when the page allows it.
    void Activate(const QModelIndex& index);
    // Adds a record at the prompt, whatever the page's messages say; false when full.
    bool AddRecord();
    // Adds up to `count` records at once (as many as fit); how many were added.
    int AddRecords(int count, Editors editors = Editors::Now);
    // Makes every record's editors now.
    void MakeEditors();
    void DeleteSelected();
    // Deletes records from the end until `count` remain.
    void Truncate(int count);
    // Moves the prompt under the remaining records after a removal.
    void Refresh();
    // Tab order and accessible names of the record editors, after records come or go.
    void UpdateRecordWidgets();

signals:
    void RecordAdded(int row);
    void Refreshed();
    void Deleted();

protected:
    // Tab from the table goes into the current record, so that after adding one the keys
    // continue in it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes the editors of up to `rows` records still without them, in order.
    void MakeSomeEditors(int rows);
    // The rows before this one are on show, `row` holding its editors.
    int RowsOnShow(int row) const;
    // Moves the prompt under the records left, which may still be waiting for editors.
    void Renumber();
    void ShowContextMenu(const QPoint& pos);
    void FitColumns();

    QPointer<CTableView> m_pTable;
    QStandardItemModel* m_pHeaderModel;
    QStandardItemModel* m_pDataModel;
    ProxyModelWithHeaderModels* m_pProxyModel;
    HierarchicalHeaderView* m_pHeaderView;
    int m_iRows;
    Columns m_columns;
    QString m_prompt;
    std::function<void(int)> m_makeEditors;
    std::function<QString()> m_addBlocked;
    QList<QWidget*> m_trailing;
    int m_iLastRow = -1;
    int m_iMadeRows = 0; // records 0 to m_iMadeRows - 1 have their editors
    bool m_bFilling = false;
    QTimer* m_pMakeLater;
};

#endif
