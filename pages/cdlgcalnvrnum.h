// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CDLGCALNVRNUM_H
#define CDLGCALNVRNUM_H

#include "engine/calrecords.h"
#include "engine/storage.h"

#include <QDialog>
#include <QList>
#include <QModelIndex>
#include <QPair>
#include <QPoint>
#include <vector>

namespace Ui {
class CDlgCalNVRNumClass;
}
class CalNVRThread;
class ProxyModelWithHeaderModels;
class HierarchicalHeaderView;
class QComboBox;
class QLabel;
class QLineEdit;
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
    // Marks the storage row of a result line in the tree, which is no camera.
    static constexpr int StorageRowRole = Qt::UserRole + 2;

    // The storage inputs as the editors hold them; `valid` tells whether the page would
    // calculate with them.
    CalStorageInputs StorageInputs(bool* valid = nullptr) const;
    // Fills the storage editors as a user would, so that their checks apply.
    void SetStorageInputs(const CalStorageInputs& inputs);
    // The storage of the result on show: one recorder of each result line, and the site.
    const std::vector<CalStorage>& ResultLineStorage() const { return m_lineStorage; }
    const CalStorage& ResultSiteStorage() const { return m_siteStorage; }
    int ResultDiskTB() const { return m_resultDiskTB; }
    // The storage inputs as the page shows them: each editor's name and its text or choice.
    QList<QPair<QString, QString>> StorageInputTexts() const;
    // The site's storage as shown under the recorder total; empty when none is shown.
    QString StorageTotalText() const;

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
    void ConfirmStorageInputs();

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
    // The storage editors beside the recorder choice.
    void BuildStorageInputs();
    // Whether the calculate button may be enabled as far as the messages beside the table
    // and the storage inputs are concerned.
    bool CalculateAllowed() const;
    QString LineStorageText(const CalStorage& storage) const;
    void ShowStorageTotal(bool shown);
    // Storage of the result on show, worked out again for new inputs.
    void UpdateResultStorage(const CalStorageInputs& inputs);

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

    QLineEdit* m_pRetentionEdit;
    QLineEdit* m_pHoursEdit;
    QLineEdit* m_pRecordedEdit;
    QComboBox* m_pStreamsCombo;
    QComboBox* m_pDiskCombo;
    QComboBox* m_pRedundancyCombo;
    QLabel* m_pStorageInformation;
    QLabel* m_pStorageTotalLabel;
    std::vector<CalNVRUsedByUI> m_resultLines;   // the result on show
    std::vector<CalStorageCamera> m_resultRates; // the rates it was calculated with
    std::vector<CalStorage> m_lineStorage;
    CalStorage m_siteStorage;
    int m_resultDiskTB;
};

#endif
