// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CPLANREPORT_H
#define CPLANREPORT_H

#include "ui/cplanpages.h"

#include <QColor>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QString>

class QPagedPaintDevice;

// The result of both pages as it leaves the program: a report (PDF or printer), CSV for
// spreadsheets, and tab-separated text for the clipboard. Headings follow the interface's
// language, and so do the result figures that people read (report and clipboard: thousands
// separators, terabytes in the report to three decimals); the CSV keeps plain, exact numbers.
//
// "NVR Calculate" is part of the report and the CSV once it has been calculated, "IPC
// Calculate" once it has a record; with neither there is nothing to report. The plan's details
// head both; the bill of materials of "NVR Calculate" ends them. Unit prices and totals have
// two decimals and no currency: the report writes them as the interface's language does, the
// CSV plainly ("1290.50"). A bill with unpriced lines totals the priced ones and says so.
class CPlanReport
{
    Q_DECLARE_TR_FUNCTIONS(CPlanReport)

public:
    // A recorder line's table row by row: one cell across the table or two side by side, each
    // cell a run of texts, some bold.
    struct LineRun
    {
        QString text;
        bool bold = false;
    };
    struct LineRow
    {
        QList<QList<LineRun>> cells;
        QColor ink = Qt::black;
        QColor fill; // none when invalid
    };

    CPlanReport(const PlanReportData& data, const QString& planName, const QDateTime& when);

    bool HasNvrResult() const;
    bool HasIpcRecords() const;
    bool IsEmpty() const { return !HasNvrResult() && !HasIpcRecords(); }
    // Why an empty one is neither exported nor printed.
    static QString NothingToReport();

    // RFC 4180: comma-separated, CRLF line ends, quoted where needed, UTF-8 with a byte-order
    // mark so that spreadsheets take the Chinese headings as UTF-8.
    QByteArray Csv() const;
    // One line for the total, one with the column titles, then one line per result line:
    // recorders, then camera type and count pairs. After an empty line the inputs: the camera
    // records under their column titles and, after another, each storage input beside its name.
    QString NvrClipboard() const;
    // The records, both bit rates and the number of cameras, one line each.
    QString IpcClipboard() const;
    QStringList OwnModelHeads() const;
    QStringList NvrRecordHeads() const;
    QStringList SourceHeads() const;
    QStringList BillHeads() const;
    // One row per line of the bill, under BillHeads(): recorders, disks, cameras; then the
    // total, when a line is priced. Empty without a bill.
    QList<QStringList> BillRows(bool readable) const;
    // Why the bill has no amounts (or no lines); empty when it has them.
    QString BillProblem() const;
    // A camera type's number, with its name when it has one.
    QString TypeText(int type) const;

    // Lays the report out on pages of `device` (a PDF writer or a printer), the page's full
    // width, a recorder line never split over two pages where it fits on one.
    void Paint(QPagedPaintDevice* device) const;
    // Through a temporary file, as plans are saved. False with a reason on failure.
    bool WritePdf(const QString& path, QString* error) const;
    bool WriteCsv(const QString& path, QString* error) const;

    static QString ProgramVersion();

private:
    QString Title() const;
    // "Storage (TB)", or what given disks hold when the days kept were asked for; per recorder
    // or for the site.
    QString StorageHead(bool perRecorder) const;
    // The report's parts: up to the recorder lines, one line, and "IPC Calculate".
    QString HeadHtml() const;
    // A recorder line's table, row by row.
    QList<LineRow> LineRows(const PlanReportData::NvrLine& line) const;
    // The rows as HTML, for a line too long for one page.
    QString LineHtml(const PlanReportData::NvrLine& line) const;
    QString IpcHtml() const;
    QString BillHtml() const;
    // The plan's details that are given, each beside its name; the notes last when asked for.
    QList<QPair<QString, QString>> DetailPairs(bool withNotes) const;
    // Whether the bill is part of the outputs: with the "NVR Calculate" result, when it has a
    // line or a problem to tell.
    bool HasBill() const;
    bool BillPriced() const;
    QStringList NvrLineRows(QChar separator, bool readable) const;
    // A figure as the interface's language writes it; text that is no plain number stays.
    QString Readable(const QString& number, int maxDecimals = -1) const;

    PlanReportData m_data;
    QString m_planName;
    QDateTime m_when;
    QLocale m_locale;
};

#endif
