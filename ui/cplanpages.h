// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CPLANPAGES_H
#define CPLANPAGES_H

#include "plan/planfile.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class CDlgCalIPCNum;
class CDlgCalNVRNum;
class CTableView;
class QComboBox;
class QLineEdit;
class QToolButton;

// What the two pages show, gathered for the report, the export and the clipboard.
struct PlanReportData
{
    struct NvrLine
    {
        int recorders = 0;
        QList<QPair<int, int>> cameras; // camera type (record number), cameras of that type
        QString storageTB;              // one recorder of the line; empty without storage
        QString disks;
    };

    QString nvrModel;
    QString nvrDisabledChannels;
    QList<QStringList> nvrRecords; // ID, first bit rate, second bit rate, number
    QString nvrTotal;              // as the result box shows it; empty before a calculation
    QList<NvrLine> nvrLines;
    QList<QPair<int, QString>> nvrTree;              // the result tree's rows: depth, text
    QList<QPair<QString, QString>> nvrStorageInputs; // name, value as shown
    QString nvrStorageTotal;                         // as shown under the total; may be empty
    QString nvrStorageTB;                            // the site's, for spreadsheets
    QString nvrDisks;

    QList<QStringList> ipcRecords; // ID, NVR type, disabled channels, number
    QString ipcFirstBitRate;
    QString ipcSecondBitRate;
    QString ipcResult;
};

// Reads and rebuilds the two calculator pages through their own widgets and slots, the way a
// user fills them in: records are added through the add prompt, choices are made in the same
// combo boxes and counts typed into the same editors, so every check and message of the
// pages applies to a plan that is opened exactly as to typed input.
class CPlanPages
{
    Q_DECLARE_TR_FUNCTIONS(CPlanPages)

public:
    CPlanPages(CDlgCalNVRNum* nvrPage, CDlgCalIPCNum* ipcPage);

    // Every input text of both pages, valid or not: what "unsaved changes" compares.
    QStringList State() const;

    // The pages' inputs as a plan. Empty `problem` when the plan can be saved; otherwise the
    // reason (an invalid bit rate, an empty count, a duplicate model...).
    CorvanePlan Capture(QString* problem) const;

    // Both pages as they are at start: no records, default choices, no results.
    void Clear();

    // Clear, then enter the plan's records and choices, then calculate "NVR Calculate" as its
    // button would when it has records and is enabled. False when the pages did not end up
    // holding the plan (which a checked plan never causes).
    bool Apply(const CorvanePlan& plan);

    PlanReportData ReportData() const;

private:
    CTableView* NvrTable() const;
    CTableView* IpcTable() const;
    QComboBox* NvrCombo(const char* name) const;
    QToolButton* ResultBox(bool nvr) const;
    int NvrRecordCount() const;
    int IpcRecordCount() const;
    void DeleteAllRecords(bool nvr);

    CDlgCalNVRNum* m_pNVRPage;
    CDlgCalIPCNum* m_pIPCPage;
};

// Puts `text` into an editable bit-rate box as a user would: picking the matching entry when
// there is one, typing it otherwise.
void EnterComboText(QComboBox* combo, const QString& text);

#endif
