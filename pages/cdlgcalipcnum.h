// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CDLGCALIPCNUM_H
#define CDLGCALIPCNUM_H

#include <QDialog>
#include <QModelIndex>
#include <QPoint>
#include <QString>

namespace Ui {
class CDlgCalIPCNumClass;
}
class CComboBox;
class CTableView;
class HierarchicalHeaderView;
class ProxyModelWithHeaderModels;
class QLabel;
class QLineEdit;
class QStandardItemModel;

// The "IPC Calculate" page: recorder types with their numbers and disabled channels in a
// table, the cameras' two stream bit rates beside it, and how many cameras those recorders
// take, recalculated on every change. A visible message blocks the recalculation (and, for
// the type and count messages, adding records) until the input is put right.
//
// The data model keeps all 28 rows for the page's whole life. Deleting a record only
// announces the removal through the proxy: the view drops that row's cell widgets and moves
// the ones below up, the texts stay in their rows, and RefreshTable renumbers the rest.
class CDlgCalIPCNum : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgCalIPCNum(QWidget* parent = nullptr);
    ~CDlgCalIPCNum() override;

    // Table rows, the add prompt included.
    static constexpr int TableRows = 28;
    enum Column
    {
        IdColumn,
        NVRTypeColumn,
        DisableChannelColumn,
        NumberColumn,
        ColumnCount
    };

public slots:
    void TableCellClicked(const QModelIndex& index);
    void CalIPCNum();
    void NVRTypeComboValueChanged(const QString& text, int iRow);
    void ConfirmFirstBitRateRange(const QString& text);
    void ConfirmSecondBitRateRange(const QString& text);
    void BuildHeaderModel(QStandardItemModel& headerModel);
    void ConfirmNumber(const QString& text);
    void Show_ContextMenu(const QPoint& pos);
    void DeleteTableRow();
    void RefreshTable();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Tab order and accessible names of the record editors, after records come or go.
    void UpdateRecordWidgets();
    CComboBox* NVRTypeCombo(int row) const;
    CComboBox* DisableChannelCombo(int row) const;
    QLineEdit* NumberEdit(int row) const;
    // Record rows in the selection, ascending.
    QList<int> SelectedRecordRows() const;
    // The recorder-type message the records call for, empty when there is none.
    QString NVRTypeProblem() const;
    void ConfirmBitRateRange(const QString& text, QLabel* label);
    void ShowMessage(QLabel* label, const QString& text);
    void SetResult(const QString& text);

    Ui::CDlgCalIPCNumClass* ui;
    QStandardItemModel* m_pHeaderModel;
    QStandardItemModel* m_pDataModel;
    ProxyModelWithHeaderModels* m_pProxyModel;
    HierarchicalHeaderView* m_pHeaderView;
    int m_iLastRow;
};

#endif
