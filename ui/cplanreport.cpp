// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cplanreport.h"

#include <corvaneversion.h>

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>

namespace {

QString CsvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// Tabs and line breaks would split a value into two cells.
QString TsvField(QString text)
{
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QString Join(const QStringList& fields, QChar separator)
{
    QStringList out;
    for (const QString& field : fields)
        out << (separator == QLatin1Char(',') ? CsvField(field) : TsvField(field));
    return out.join(separator);
}

QString Cell(const QString& text, const char* extra = "")
{
    return QStringLiteral("<td style=\"%1\">%2</td>")
        .arg(QLatin1String(extra), text.toHtmlEscaped());
}

QString HeadCell(const QString& text)
{
    return QStringLiteral("<th bgcolor=\"#e3e7ee\" align=\"left\">%1</th>")
        .arg(text.toHtmlEscaped());
}

QString Table(const QStringList& heads, const QList<QStringList>& rows)
{
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
        "width=\"70%\" style=\"border-collapse:collapse; border-color:#b0b0b0\"><tr>");
    for (const QString& head : heads)
        html += HeadCell(head);
    html += QLatin1String("</tr>");
    for (const QStringList& row : rows) {
        html += QLatin1String("<tr>");
        for (const QString& field : row)
            html += Cell(field);
        html += QLatin1String("</tr>");
    }
    return html + QLatin1String("</table>");
}

} // namespace

CPlanReport::CPlanReport(const PlanReportData& data, const QString& planName, const QDateTime& when)
    : m_data(data), m_planName(planName), m_when(when)
{
}

QString CPlanReport::ProgramVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(CORVANE_VERSION) : version;
}

QString CPlanReport::Title() const
{
    return tr("Corvane Tool plan report");
}

QByteArray CPlanReport::Csv() const
{
    const QChar comma(QLatin1Char(','));
    QStringList lines;
    lines << Join({Title()}, comma) << Join({tr("Plan"), m_planName}, comma)
          << Join({tr("Date"), m_when.toString(QStringLiteral("yyyy-MM-dd HH:mm"))}, comma)
          << Join({tr("Program version"), ProgramVersion()}, comma) << QString();

    lines << Join({tr("NVR Calculate")}, comma) << Join({tr("NVR Type"), m_data.nvrModel}, comma)
          << Join({tr("Disable Channel Number"), m_data.nvrDisabledChannels}, comma);
    for (const auto& input : m_data.nvrStorageInputs)
        lines << Join({input.first, input.second}, comma);
    lines << Join({tr("ID"), tr("First Bit Rate"), tr("Second Bit Rate"), tr("Number(tai)")},
                  comma);
    for (const QStringList& record : m_data.nvrRecords)
        lines << Join(record, comma);
    lines << Join({tr("Need NVR (tai)"), m_data.nvrTotal}, comma);
    if (!m_data.nvrStorageTB.isEmpty())
        lines << Join({tr("Storage (TB)"), m_data.nvrStorageTB}, comma)
              << Join({tr("Disks"), m_data.nvrDisks}, comma);
    lines << NvrLineRows(comma);
    lines << QString();

    lines << Join({tr("IPC Calculate")}, comma)
          << Join({tr("ID"), tr("NVR Type"), tr("Disable Channel Number"), tr("Number(tai)")},
                  comma);
    for (const QStringList& record : m_data.ipcRecords)
        lines << Join(record, comma);
    lines << Join({tr("First Bit Rate"), m_data.ipcFirstBitRate}, comma)
          << Join({tr("Second Bit Rate"), m_data.ipcSecondBitRate}, comma)
          << Join({tr("Need IPC (tai)"), m_data.ipcResult}, comma);

    return QByteArray("\xEF\xBB\xBF") + lines.join(QLatin1String("\r\n")).toUtf8() + "\r\n";
}

// The column titles, then one row per result line: recorders, the storage and disks of one of
// them when there are any, then camera type and count pairs, as wide as the widest line.
QStringList CPlanReport::NvrLineRows(QChar separator) const
{
    QStringList rows;
    QStringList heads{tr("NVR Count(tai)")};
    int widest = 0;
    bool storage = false;
    for (const PlanReportData::NvrLine& line : m_data.nvrLines) {
        widest = std::max(widest, int(line.cameras.size()));
        storage = storage || !line.storageTB.isEmpty();
    }
    if (storage)
        heads << tr("Storage per NVR (TB)") << tr("Disks per NVR");
    for (int i = 0; i < widest; ++i)
        heads << tr("IPC Type") << tr("IPC Count(tai)");
    rows << Join(heads, separator);
    for (const PlanReportData::NvrLine& line : m_data.nvrLines) {
        QStringList fields{QString::number(line.recorders)};
        if (storage)
            fields << line.storageTB << line.disks;
        for (const auto& camera : line.cameras)
            fields << QString::number(camera.first) << QString::number(camera.second);
        rows << Join(fields, separator);
    }
    return rows;
}

QString CPlanReport::NvrClipboard() const
{
    const QChar tab(QLatin1Char('\t'));
    QStringList lines;
    QStringList summary{tr("NVR Type"),
                        m_data.nvrModel,
                        tr("Disable Channel Number"),
                        m_data.nvrDisabledChannels,
                        tr("Need NVR (tai)"),
                        m_data.nvrTotal};
    if (!m_data.nvrStorageTB.isEmpty())
        summary << tr("Storage (TB)") << m_data.nvrStorageTB << tr("Disks") << m_data.nvrDisks;
    lines << Join(summary, tab);
    lines << NvrLineRows(tab);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString CPlanReport::IpcClipboard() const
{
    const QChar tab(QLatin1Char('\t'));
    QStringList lines;
    lines << Join({tr("ID"), tr("NVR Type"), tr("Disable Channel Number"), tr("Number(tai)")}, tab);
    for (const QStringList& record : m_data.ipcRecords)
        lines << Join(record, tab);
    lines << Join({tr("First Bit Rate"), m_data.ipcFirstBitRate}, tab)
          << Join({tr("Second Bit Rate"), m_data.ipcSecondBitRate}, tab)
          << Join({tr("Need IPC (tai)"), m_data.ipcResult}, tab);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString CPlanReport::Html() const
{
    const QString heading = QStringLiteral("<h3 style=\"color:#28619b\">%1</h3>");
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h2 style=\"color:#28619b\">%1</h2>").arg(Title().toHtmlEscaped());
    html +=
        QStringLiteral("<p>%1: %2<br/>%3: %4<br/>%5: %6</p>")
            .arg(tr("Plan").toHtmlEscaped(), m_planName.toHtmlEscaped(), tr("Date").toHtmlEscaped(),
                 m_when.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toHtmlEscaped(),
                 tr("Program version").toHtmlEscaped(), ProgramVersion().toHtmlEscaped());

    html += heading.arg(tr("NVR Calculate").toHtmlEscaped());
    html += QStringLiteral("<p>%1: <b>%2</b> &nbsp; %3: <b>%4</b></p>")
                .arg(tr("NVR Type").toHtmlEscaped(), m_data.nvrModel.toHtmlEscaped(),
                     tr("Disable Channel Number").toHtmlEscaped(),
                     m_data.nvrDisabledChannels.toHtmlEscaped());
    if (!m_data.nvrStorageInputs.isEmpty()) {
        QStringList inputs;
        for (const auto& input : m_data.nvrStorageInputs)
            inputs << QStringLiteral("%1: <b>%2</b>")
                          .arg(input.first.toHtmlEscaped(), input.second.toHtmlEscaped());
        html += QStringLiteral("<p>%1</p>").arg(inputs.join(QLatin1String(" &nbsp; ")));
    }
    html += Table({tr("ID"), tr("First Bit Rate"), tr("Second Bit Rate"), tr("Number(tai)")},
                  m_data.nvrRecords);
    html += QStringLiteral("<p>%1: <b><font color=\"#aa0000\" size=\"+2\">%2</font></b></p>")
                .arg(tr("Need NVR (tai)").toHtmlEscaped(), m_data.nvrTotal.toHtmlEscaped());
    if (!m_data.nvrStorageTotal.isEmpty())
        html += QStringLiteral("<p><b>%1</b></p>").arg(m_data.nvrStorageTotal.toHtmlEscaped());
    if (!m_data.nvrTree.isEmpty()) {
        // The tree as the page shows it: a bar for each recorder line, then its column titles
        // and cameras in two columns beneath.
        static const QRegularExpression columnGap(QStringLiteral("\\s{2,}"));
        html +=
            QLatin1String("<table cellspacing=\"0\" cellpadding=\"3\" width=\"70%\" "
                          "border=\"1\" style=\"border-collapse:collapse; border-color:#b0b0b0\">");
        for (const auto& row : m_data.nvrTree) {
            if (row.first == 0) {
                html += QStringLiteral("<tr><td colspan=\"2\" bgcolor=\"#e3e7ee\"><b>&#9662; "
                                       "%1</b></td></tr>")
                            .arg(row.second.toHtmlEscaped());
                continue;
            }
            const QStringList cells = row.second.trimmed().split(columnGap);
            const bool camera = row.second.trimmed().front().isDigit();
            const QString cell = camera
                                     ? QStringLiteral("<td><tt>%1</tt></td>")
                                     : QStringLiteral("<td><font color=\"#555555\">%1</font></td>");
            html += QLatin1String("<tr>");
            html += cell.arg(cells.value(0).toHtmlEscaped());
            html += cell.arg(cells.mid(1).join(QLatin1Char(' ')).toHtmlEscaped());
            html += QLatin1String("</tr>");
        }
        html += QLatin1String("</table>");
    }

    html += heading.arg(tr("IPC Calculate").toHtmlEscaped());
    html += Table({tr("ID"), tr("NVR Type"), tr("Disable Channel Number"), tr("Number(tai)")},
                  m_data.ipcRecords);
    html +=
        QStringLiteral("<p>%1: <b>%2</b> &nbsp; %3: <b>%4</b></p>")
            .arg(tr("First Bit Rate").toHtmlEscaped(), m_data.ipcFirstBitRate.toHtmlEscaped(),
                 tr("Second Bit Rate").toHtmlEscaped(), m_data.ipcSecondBitRate.toHtmlEscaped());
    html += QStringLiteral("<p>%1: <b><font color=\"#aa0000\" size=\"+2\">%2</font></b></p>")
                .arg(tr("Need IPC (tai)").toHtmlEscaped(), m_data.ipcResult.toHtmlEscaped());
    return html + QLatin1String("</body></html>");
}

void CPlanReport::Paint(QPagedPaintDevice* device) const
{
    QTextDocument document;
    QFont font(QStringLiteral("Arial"), 10);
    font.setStyleHint(QFont::SansSerif);
    document.setDefaultFont(font);
    document.setHtml(Html());
    document.print(device);
}

bool CPlanReport::WritePdf(const QString& path, QString* error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(Title());
        writer.setCreator(QStringLiteral("Corvane Tool ") + ProgramVersion());
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        Paint(&writer);
    }
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool CPlanReport::WriteCsv(const QString& path, QString* error) const
{
    QSaveFile file(path);
    const QByteArray bytes = Csv();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
