// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CPLANPAGES_H
#define CPLANPAGES_H

#include "engine/materials.h"
#include "plan/planfile.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class CDlgCalIPCNum;
class CDlgCalNVRNum;

// What the two pages show, gathered for the report, the export and the clipboard.
struct PlanReportData
{
    struct NvrLine
    {
        int recorders = 0;
        QList<QPair<int, int>> cameras; // camera type (record number), cameras of that type
        QString storageTB;              // one recorder of the line; empty without storage
        QString storageTiB;             // the same in TiB, two decimals
        // With the days kept asked for: whole days one recorder's disks keep, or "unlimited"
        // when nothing is recorded; empty otherwise. storageTB is then what the disks hold.
        QString daysKept;
        QString disks;
        QString diskTB; // the size of those disks
        QString load;   // one recorder's channels and bandwidth, as the tree says it
        int channelsUsed = 0;
        int channels = 0;
        qint64 bandwidthUsed = 0; // kbps
        int bandwidth = 0;
        QString bandwidthPercent;
        QString fullBy; // "channels", "bandwidth" (translated) or empty
        QString bays;   // why its disks cannot be built; empty when they can or it is unknown
    };

    QString nvrModel;
    QString nvrDisabledChannels;
    QList<QStringList> nvrRecords; // ID, [name,] first bit rate, second bit rate, number
    bool nvrNamed = false;         // some record has a name: the records carry the column
    QStringList nvrTypeNames;      // each camera type's name, by record number - 1
    QString nvrTotal;              // as the result box shows it; empty before a calculation
    QList<NvrLine> nvrLines;
    QList<QPair<QString, QString>> nvrStorageInputs; // name, value as shown
    QString nvrStorageTotal;                         // as shown under the total; may be empty
    QString nvrStorageTB;                            // the site's, for spreadsheets
    QString nvrStorageTiB;
    QString nvrDaysKept; // the site's shortest, with the days kept asked for; else empty
    QString nvrDisks;
    QString nvrLinesNotFitting; // result lines whose disks cannot be built; empty without storage

    QList<QStringList> ipcRecords; // ID, NVR type, disabled channels, number
    QString ipcFirstBitRate;
    QString ipcSecondBitRate;
    QString ipcBandwidthReserve; // percent kept free; empty when none
    QString ipcResult;
    // The plan's own models the reported pages use: name, bandwidth (kbps), channels, channels
    // that may be disabled, disk bays, largest disk (TB); "unknown" where not given.
    QList<QStringList> ownModels;
    // Where each bit rate came from, when any was estimated: the record ("1 Dock", or the IPC
    // page's name), then "estimated: <settings>" or "typed" for the first and second stream.
    QList<QStringList> bitRateSources;
    PlanDetails details;
    // What the "NVR Calculate" result takes to buy, priced where the plan has prices; none
    // without a result. Its cameras are numbered as the records are (nvrTypeNames).
    std::optional<CalBill> bill;
};

// The two calculator pages as one plan: their states in and out, and what they show gathered
// for the report, the export and the clipboard. Opening a plan enters each page's state through
// the page itself, so every check and message of the pages applies to a plan that is opened
// exactly as to typed input.
//
// "IPC Calculate" is built when first needed: `ipcPage(true)` builds it, `ipcPage(false)` gives
// it only when it has been built. Until then it holds CDlgCalIPCNum::InitialState(), and a plan
// that holds anything else for it builds it.
class CPlanPages
{
    Q_DECLARE_TR_FUNCTIONS(CPlanPages)

public:
    using IpcPageSource = std::function<CDlgCalIPCNum*(bool build)>;

    CPlanPages(CDlgCalNVRNum* nvrPage, IpcPageSource ipcPage);

    // "IPC Calculate"'s state, built or not.
    IpcPageState IpcState() const;
    // "IPC Calculate", built now if it was not.
    CDlgCalIPCNum* IpcPage() const { return m_ipcPage(true); }
    // A page just built takes the own models and shows what one built at start would show now.
    void IpcPageBuilt(CDlgCalIPCNum* page);

    // Both pages' states, valid or not: what "unsaved changes" compares, undo restores and Save
    // writes (a draft with inputs still to be put right is saved as it is).
    CorvanePlan State() const;

    // Both pages as they are at start: no records, default choices, no results; no details and
    // no prices.
    void Clear();

    // Clear, then enter the plan's states; "NVR Calculate" shows the result of its records when
    // they allow one. False when the pages did not end up holding the plan
    // (which a checked plan never causes).
    bool Apply(const CorvanePlan& plan);

    // The plan's own recorder models: both pages offer them, and State() carries them. Records
    // naming a model by an old name of `renamed` (old -> new) follow it.
    const CalModelList& Models() const { return m_models; }
    void SetModels(const CalModelList& models, const QHash<QString, QString>& renamed = {});
    // The own models' names the pages use now.
    QStringList ModelsInUse() const;

    // The plan's details and its unit prices of recorders and disks, which State() carries; a
    // camera type's price is its record's. Renaming a model takes its price along; removing
    // one drops it.
    const PlanDetails& Details() const { return m_details; }
    void SetDetails(const PlanDetails& details) { m_details = details; }
    const PlanPrices& Prices() const { return m_prices; }
    void SetPrices(const PlanPrices& prices) { m_prices = prices; }

    // What both pages show; "NVR Calculate" calculates first (with its wait dialog) when the
    // result on show is not its inputs' own.
    PlanReportData ReportData() const;

private:
    CDlgCalNVRNum* m_pNVRPage;
    IpcPageSource m_ipcPage;
    // Whether "IPC Calculate", while not built, would show the 0 of its empty records: a page
    // that was entered into (models, a state) since it was last reset does, a new one does not.
    bool m_ipcCalculated = false;
    CalModelList m_models;
    PlanDetails m_details;
    PlanPrices m_prices;
};

#endif
