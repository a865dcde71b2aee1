// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CDLGCALIPCNUM_H
#define CDLGCALIPCNUM_H

#include "pages/pageparts.h"
#include "plan/pagestate.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace Ui {
class CDlgCalIPCNumClass;
}
class CComboBox;
class CRecordTable;
class QLabel;
class QLineEdit;
class QStandardItemModel;

// The "IPC Calculate" page: recorder types with their numbers and disabled channels in a
// table, the cameras' two stream bit rates beside it, and how many cameras those recorders
// take, recalculated on every change. A visible message blocks the recalculation (and, for
// the type and count messages, adding records) until the input is put right.
//
// What the page holds is its state (IpcPageState); StateChanged() follows every change of it,
// by the user or by SetState. The records' editors are cell widgets of a CRecordTable.
class CDlgCalIPCNum : public CCalculatorPage
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

    // The records and inputs as the page holds them, valid or not.
    IpcPageState State() const;
    // Enters a state as a user would, so that every check and message applies, and
    // recalculates once at the end.
    void SetState(const IpcPageState& state);
    // As at start: no records, the default bit rates, no result.
    void Reset();
    // The state of a new page, and of one that was reset.
    static IpcPageState InitialState();
    // The plan's own recorder models, offered after the built-in ones in every record; each
    // record keeps its model when it is still offered.
    void SetModels(const CalModelList& own);
    // "Estimate…" for the two bit-rate boxes.
    void EstimateBitRates();
    // The result box's number as shown; empty before anything was calculated.
    QString ResultTotal() const;
    // The result box, for the window's context menu and copy key.
    QWidget* ResultView() const;

signals:
    void StateChanged();

public slots:
    void CalIPCNum();
    void NVRTypeComboValueChanged(const QString& text, int iRow);
    void ConfirmFirstBitRateRange(const QString& text);
    void ConfirmSecondBitRateRange(const QString& text);
    void BuildHeaderModel(QStandardItemModel& headerModel);
    void ConfirmNumber(const QString& text);
    void DeleteTableRow();
    void RefreshTable();

private:
    void MakeRecordEditors(int row);
    void RecordsRefreshed();
    CComboBox* NVRTypeCombo(int row) const;
    CComboBox* DisableChannelCombo(int row) const;
    QLineEdit* NumberEdit(int row) const;
    // A record's model, disabled channels and count as its editors show them, or as they will
    // once made (see CRecordTable); none for a row without either.
    std::optional<QString> TypeText(int row) const;
    int DisabledChannels(int row) const;
    std::optional<QString> NumberText(int row) const;
    void ShowRecorder(int row, const PlanRecorder& recorder);
    // The recorder-type message the records call for, empty when there is none.
    QString NVRTypeProblem() const;
    // Shows or hides that message.
    void ConfirmNVRTypes();
    void ConfirmBitRateRange(const QString& text, QLabel* label);
    void SetResult(const QString& text);
    void NoteChange();

    Ui::CDlgCalIPCNumClass* ui;
    CRecordTable* m_pRecords;
    QLineEdit* m_pReserveEdit;
    QLabel* m_pReserveLabel;
    CalModelList m_models;
    bool m_bSettingState = false;
    // Records of an opened plan whose editors are still to be made, each one its editors can
    // show as it is.
    QHash<int, PlanRecorder> m_waiting;
};

#endif
