// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CDLGCALNVRNUM_H
#define CDLGCALNVRNUM_H

#include "engine/calrecords.h"
#include "engine/grouping.h"
#include "engine/storage.h"
#include "pages/pageparts.h"
#include "plan/pagestate.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class CDlgCalNVRNumClass;
}
class CalNVRThread;
class CGroupTreeModel;
class CRecordTable;
class CStorageInputs;
class QComboBox;
class QLabel;
class QToolButton;
class QStandardItemModel;
class QThread;
class QTimer;
class QValidator;

// The "NVR Calculate" page: the planner lists camera types (two stream bit rates and a number
// of cameras each) and picks one recorder model; the calculate button shows how many
// recorders of that model the cameras need and, as a tree, which cameras go onto them.
//
// What the page holds is its state (NvrPageState); StateChanged() follows every change of it,
// by the user or by SetState. The records' editors are cell widgets of a CRecordTable.
//
// The grouping runs on a CalNVRThread while a modal wait dialog is up. CalNVRData is handed
// over before the thread starts and read only after the thread has reported CalSuc(), even
// when something else ends the wait dialog first: the dialog is then shown again.
class CDlgCalNVRNum : public CCalculatorPage
{
    Q_OBJECT

public:
    explicit CDlgCalNVRNum(QWidget* parent = nullptr);
    ~CDlgCalNVRNum() override;

    static constexpr int MaxRows = 100;
    // Marks the storage row of a result line in the tree, which is no camera.
    static constexpr int StorageRowRole = Qt::UserRole + 2;
    // Marks the load row of a result line (channels and bandwidth of one recorder).
    static constexpr int LoadRowRole = Qt::UserRole + 3;
    enum Column
    {
        IdColumn,
        NameColumn,
        FirstBitRateColumn,
        SecondBitRateColumn,
        NumberColumn,
        ColumnCount
    };

    // The records and inputs as the page holds them, valid or not.
    NvrPageState State() const;
    // Enters a state as a user would, so that every check and message applies; the result on
    // show stays until calculated again.
    void SetState(const NvrPageState& state);
    // As at start: no records, the first model, the default storage, no result.
    void Reset();
    // The plan's own recorder models, offered after the built-in ones. The model chosen stays
    // when it is still offered (else the first); the result follows.
    void SetModels(const CalModelList& own);
    // Whether the calculate button may be pressed.
    bool CanCalculate() const;
    // Calculates with the button's wait dialog when the result on show is not the inputs' own
    // (too many cameras to follow every edit); true when it is their own afterwards.
    bool EnsureResult();
    // The result follows edits from a worker thread; this waits for the inputs on show to have
    // theirs (or none, when the button must calculate them).
    void SettleResult();

    // The storage inputs as the editors hold them; `valid` tells whether the page would
    // calculate with them.
    CalStorageInputs StorageInputs(bool* valid = nullptr) const;
    // The storage inputs as the page shows them: each editor's name and its text or choice.
    QList<QPair<QString, QString>> StorageInputTexts() const;

    // The result on show: the total (empty before a calculation), its lines, and the storage of
    // one recorder of each line and of the site.
    QString ResultTotal() const;
    const std::vector<CalNVRUsedByUI>& ResultLines() const { return m_resultLines; }
    const std::vector<CalStorage>& ResultLineStorage() const { return m_lineStorage; }
    const CalStorage& ResultSiteStorage() const { return m_siteStorage; }
    int ResultDiskTB() const { return m_resultDiskTB; }
    // What one recorder of each result line carries of its model, and the model itself.
    const std::vector<CalLineLoad>& ResultLineLoads() const { return m_lineLoads; }
    // With the days kept asked for: one recorder of each line, and the site's shortest; the
    // lines' are empty otherwise.
    const std::vector<CalDaysKept>& ResultLineDaysKept() const { return m_lineDaysKept; }
    const CalDaysKept& ResultSiteDaysKept() const { return m_siteDaysKept; }
    // "4 days", or that nothing is recorded, as the tree says it.
    static QString DaysKeptText(const CalDaysKept& kept);
    const CalNVRInfo& ResultModel() const { return m_resultModel; }
    // A result line's load and, with storage, whether its disks fit, as the tree says them.
    QString LineLoadText(std::size_t line) const;
    QString LineBaysText(std::size_t line) const;
    // The site's storage as shown under the recorder total; empty when none is shown.
    QString StorageTotalText() const;
    // The result tree, for the window's context menu and copy key.
    QWidget* ResultView() const;

signals:
    void StateChanged();
    // The button beside the model choice asks for the plan's own models.
    void ModelsRequested();

public slots:
    void CalNVRNum();
    void NVRTypeComboValueChanged(const QString& text);
    void ConfirmFirstBitRateRange(const QString& text);
    void ConfirmSecondBitRateRange(const QString& text);
    void ChannelNumValueChanged(const QString& text);
    void BuildHeaderModel(QStandardItemModel& headerModel);
    void ResetGroup(const std::vector<CalNVRUsedByUI>& vStruCalNVRusedByUI);
    void ConfirmNumber(const QString& text);
    void DeleteTableRow();
    void RefreshTable();

protected:
    // The worker for one calculation; it must delete itself once finished.
    virtual CalNVRThread* CreateWorker();

private:
    // Scans one bit-rate column of the records; false at the first invalid bit rate, which
    // is then reported. Sets the column's error flag from the scan.
    bool ConfirmBitRateColumn(int column, bool& errorFlag);
    void MakeRecordEditors(int row);
    // A record as its editors show it, or as they will once made.
    PlanCamera RecordCamera(int row) const;
    void ShowCamera(int row, const PlanCamera& camera);
    // A record's text in `column`: its editor's, or what waits for the editor; none for a
    // row without either.
    std::optional<QString> RecordText(int row, int column) const;
    // "Estimate…" for the record whose bit-rate box `box` is.
    void EstimateRecord(QComboBox* box);
    void RecordsRefreshed();
    // Why no record may be added now; empty when one may.
    QString AddBlocked() const;
    QString ResultCaption() const;
    void SetResult(const QString& text);
    // Whether the calculate button may be enabled as far as the messages beside the table
    // and the storage inputs are concerned.
    bool CalculateAllowed() const;
    void StorageInputsChanged();
    // The storage rows of result line `line`; the last says why its disks cannot be built when
    // they cannot.
    QStringList LineStorageTexts(std::size_t line) const;
    QStringList LoadTexts(const CalLineLoad& load) const;
    QString BaysText(const CalStorage& storage) const;
    void ShowStorageTotal(bool shown);
    void NoteChange();
    struct Request;
    bool InputsValid() const;
    // The calculation's inputs; false when the records cannot be calculated, with the reason
    // shown beside the result unless a message beside the inputs already says it.
    bool MakeRequest(Request& request);
    void Recalculate();
    struct Calculation
    {
        CalNVRDataRecord data;
        QStringList names;
        quint64 generation = 0;
    };
    void StartCalculation(const std::shared_ptr<Calculation>& job);
    void CalculationFinished();
    void ShowResult(const CalNVRDataRecord& data, const CalStorageInputs& storage);
    void ClearResult();

    Ui::CDlgCalNVRNumClass* ui;
    CRecordTable* m_pRecords;
    CStorageInputs* m_pStorage;
    CGroupTreeModel* m_pGroupModel;
    QValidator* m_pCountValidator;
    bool m_bFirstBitRateError;
    bool m_bSecondBitRateError;
    bool m_bSettingState = false;
    // Records of an opened plan whose editors are still to be made (see CRecordTable).
    QHash<int, PlanCamera> m_waiting;

    QToolButton* m_pModelsButton = nullptr;
    QLabel* m_pStorageTotalLabel;
    QLabel* m_pRequestLabel;
    // Whether the result on show (or its absence) belongs to the inputs on show.
    bool m_bResultCurrent = true;
    // The inputs' changes counted, so that a result worked out for earlier ones is dropped.
    quint64 m_generation = 0;
    QThread* m_pRunning = nullptr;
    std::shared_ptr<Calculation> m_running;
    std::shared_ptr<Calculation> m_pending; // the last change made while one ran
    QTimer* m_pBusyTimer = nullptr;
    std::vector<CalNVRUsedByUI> m_resultLines; // the result on show
    std::vector<CalStorage> m_lineStorage;
    CalStorage m_siteStorage;
    int m_resultDiskTB;
    std::vector<CalLineLoad> m_lineLoads;
    std::vector<CalDaysKept> m_lineDaysKept;
    CalDaysKept m_siteDaysKept;
    CalStorageGoal m_resultGoal = CalStorageGoal::Disks;
    int m_resultReserve = 0; // percent of the bandwidth kept free
    CalNVRInfo m_resultModel;
    CalModelList m_models;
    QStringList m_resultNames; // the camera types' names of the result on show, by id - 1
};

#endif
