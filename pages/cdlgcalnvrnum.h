// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CDLGCALNVRNUM_H
#define CDLGCALNVRNUM_H

#include "engine/calrecords.h"

#include <QDialog>
#include <QModelIndex>
#include <QPoint>
#include <vector>

namespace Ui {
class CDlgCalNVRNumClass;
}
class CalNVRThread;
class ProxyModelWithHeaderModels;
class HierarchicalHeaderView;
class QLabel;
class QStandardItemModel;
class QValidator;

// The "NVR Calculate" page: the planner lists camera types (two stream bit rates and a number
// of cameras each) and picks one recorder model; the calculate button shows how many
// recorders of that model the cameras need and, as a tree, which cameras go onto them.
//
// Record rows 0 to m_iLastRow carry their editors as cell widgets of the table; the row after
// them holds the add prompt. Cell texts live in a fixed 100-row model behind a proxy whose
// row removal only moves the widgets up, so deleting records is followed by RefreshTable,
// which renumbers by rewriting the texts.
//
// The grouping runs on a CalNVRThread while a modal wait dialog is up. CalNVRData is handed
// over before the thread starts and read only after the thread has reported CalSuc(), even
// when something else ends the wait dialog first: the dialog is then shown again.
class CDlgCalNVRNum : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgCalNVRNum(QWidget* parent = nullptr);
    ~CDlgCalNVRNum() override;

    static constexpr int MaxRows = 100;

public slots:
    void TableCellClicked(const QModelIndex& index);
    void CalNVRNum();
    void NVRTypeComboValueChanged(const QString& text);
    void ConfirmFirstBitRateRange(const QString& text);
    void ConfirmSecondBitRateRange(const QString& text);
    void ChannelNumValueChanged(const QString& text);
    void BuildHeaderModel(QStandardItemModel& headerModel);
    void ResetGroup(std::vector<CalNVRUsedByUI>& vStruCalNVRusedByUI);
    void ConfirmNumber(const QString& text);
    void Show_ContextMenu(const QPoint& pos);
    void DeleteTableRow();
    void RefreshTable();

protected:
    // The worker for one calculation; it must delete itself once finished.
    virtual CalNVRThread* CreateWorker();
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Scans one bit-rate column of the records; false at the first invalid bit rate, which
    // is then reported. Sets the column's error flag from the scan.
    bool ConfirmBitRateColumn(int column, bool& errorFlag);
    void ShowLabelMessage(QLabel* label, const QString& text);
    bool IsRecordRow(int row) const;
    QString AddPrompt() const;
    QString ResultCaption() const;
    void SetResult(const QString& text);
    // Tab order and accessible names of the record editors, after records come or go.
    void UpdateRecordWidgets();

    Ui::CDlgCalNVRNumClass* ui;
    QStandardItemModel* m_pHeaderModel;
    QStandardItemModel* m_pDataModel;
    ProxyModelWithHeaderModels* m_pProxyModel;
    HierarchicalHeaderView* m_pHeaderView;
    QStandardItemModel* m_pGroupModel;
    QValidator* m_pCountValidator;
    bool m_bFirstBitRateError;
    bool m_bSecondBitRateError;
    int m_iLastRow;
};

#endif
