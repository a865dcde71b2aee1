// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CPLANREPORT_H
#define CPLANREPORT_H

#include "ui/cplanpages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// The result of both pages as it leaves the program: a report (PDF or printer), CSV for
// spreadsheets, and tab-separated text for the clipboard. Headings follow the interface's
// language; values are written as the pages show them.
class CPlanReport
{
    Q_DECLARE_TR_FUNCTIONS(CPlanReport)

public:
    CPlanReport(const PlanReportData& data, const QString& planName, const QDateTime& when);

    // RFC 4180: comma-separated, CRLF line ends, quoted where needed, UTF-8 with a byte-order
    // mark so that spreadsheets take the Chinese headings as UTF-8.
    QByteArray Csv() const;
    // One line for the total, one with the column titles, then one line per result line:
    // recorders, then camera type and count pairs.
    QString NvrClipboard() const;
    // The records, both bit rates and the number of cameras, one line each.
    QString IpcClipboard() const;
    QString Html() const;

    // Lays the report out on pages of `device` (a PDF writer or a printer).
    void Paint(QPagedPaintDevice* device) const;
    // Through a temporary file, as plans are saved. False with a reason on failure.
    bool WritePdf(const QString& path, QString* error) const;
    bool WriteCsv(const QString& path, QString* error) const;

    static QString ProgramVersion();

private:
    QString Title() const;
    QStringList NvrLineRows(QChar separator) const;

    PlanReportData m_data;
    QString m_planName;
    QDateTime m_when;
};

#endif
