// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cplanreport.h"

#include "widgets/calendar/cuilocale.h"

#include <corvaneversion.h>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <vector>

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

// A page may show a figure with separators; spreadsheets and the rounding want digits alone.
bool AsciiDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

QString PlainNumber(const QString& text, const QLocale& locale)
{
    // Most figures are written by the program as bare digits: nothing to take out (a report
    // of a million cameras has tens of thousands of them).
    if (AsciiDigits(text))
        return text;
    QString plain = text.trimmed();
    QStringList separators{QStringLiteral(","), QStringLiteral(" "), QStringLiteral("\u00A0"),
                           QStringLiteral("\u202F")};
    if (locale.groupSeparator() != locale.decimalPoint())
        separators << locale.groupSeparator();
    for (const QString& separator : separators)
        plain.remove(separator);
    static const QRegularExpression number(QStringLiteral("^\\d+(\\.\\d+)?$"));
    return number.match(plain).hasMatch() ? plain : text;
}

QString Cell(const QString& text)
{
    return QStringLiteral("<td>%1</td>").arg(text.toHtmlEscaped());
}

QString HeadCell(const QString& text)
{
    return QStringLiteral("<th bgcolor=\"#e3e7ee\" align=\"left\">%1</th>")
        .arg(text.toHtmlEscaped());
}

QString TableStart(int marginTop)
{
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\" "
                          "style=\"border-collapse:collapse; border-style:solid; "
                          "border-color:#b0b0b0; margin-top:%1px\">")
        .arg(marginTop);
}

// Columns from `figuresFrom` on hold figures: right-aligned, never broken at a separator.
QString Table(const QStringList& heads, const QList<QStringList>& rows, int figuresFrom = -1)
{
    // A table that runs over pages repeats its column titles.
    QString html = TableStart(8) + QLatin1String("<thead><tr>");
    for (const QString& head : heads)
        html += HeadCell(head);
    html += QLatin1String("</tr></thead>");
    for (const QStringList& row : rows) {
        html += QLatin1String("<tr>");
        for (int column = 0; column < row.size(); ++column)
            html += figuresFrom >= 0 && column >= figuresFrom
                        ? QStringLiteral("<td align=\"right\" style=\"white-space:pre\">%1</td>")
                              .arg(row[column].toHtmlEscaped())
                        : Cell(row[column]);
        html += QLatin1String("</tr>");
    }
    return html + QLatin1String("</table>");
}

// Between name and value pairs on one line.
const QLatin1String Gap(" &nbsp; &nbsp; ");

QString Heading(const QString& text)
{
    return QStringLiteral("<h3 style=\"color:#28619b\">%1</h3>").arg(text.toHtmlEscaped());
}

QString NameValue(const QString& name, const QString& value)
{
    return QStringLiteral("%1: <b>%2</b>").arg(name.toHtmlEscaped(), value.toHtmlEscaped());
}

// Two pairs a row, so that a long name or value wraps inside its own cell.
QString Pairs(const QList<QPair<QString, QString>>& pairs)
{
    QString html = QStringLiteral(
        "<table cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" style=\"margin-top:4px\">");
    for (int i = 0; i < pairs.size(); i += 2) {
        html += QLatin1String("<tr>");
        for (int pair = i; pair < i + 2; ++pair)
            html += QStringLiteral("<td width=\"50%\">%1</td>")
                        .arg(pair < pairs.size() ? NameValue(pairs[pair].first, pairs[pair].second)
                                                 : QString());
        html += QLatin1String("</tr>");
    }
    return html + QLatin1String("</table>");
}

QString Result(const QString& name, const QString& value)
{
    return QStringLiteral("<p>%1: <b><font color=\"#aa0000\" size=\"+2\">%2</font></b></p>")
        .arg(name.toHtmlEscaped(), value.toHtmlEscaped());
}

// Latin text in the program's face (or its metric twin), Chinese in one whose character map
// gives each glyph a single code point: with a face that also maps the Kangxi radicals onto the
// ideographs' glyphs, the PDF's text layer, which search and copy read, names the radical.
// A family list takes no substitutes, so Arial's is named.
QFont ReportFont()
{
    QFont font(QStringLiteral("Arial"), 10);
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Droid Sans Fallback")});
    return font;
}

// A recorder line's table drawn as its HTML would be (see LineHtml), without a text document:
// a report of a million cameras has thousands of lines, and laying each out as rich text was
// most of its time. Lengths are the document's: CSS pixels scaled to the device.
class LineTable
{
public:
    LineTable(const QList<CPlanReport::LineRow>& rows, const QFont& font, QPaintDevice* device,
              qreal width)
    {
        const qreal pixel = device->logicalDpiY() / 96.0;
        m_border = pixel;
        m_padding = 4 * pixel;
        m_inset = pixel;
        m_width = width - 2 * m_inset;
        qreal y = m_inset + m_border;
        for (const CPlanReport::LineRow& from : rows) {
            Row row;
            row.top = y;
            row.ink = from.ink;
            row.fill = from.fill;
            qreal height = 0;
            const qreal cellWidth =
                (from.cells.size() == 1 ? m_width - 2 * m_border : m_width / 2 - 1.5 * m_border) -
                2 * m_padding;
            for (const QList<CPlanReport::LineRun>& runs : from.cells) {
                QString text;
                QList<QTextLayout::FormatRange> formats;
                for (const CPlanReport::LineRun& run : runs) {
                    if (run.bold) {
                        QTextCharFormat format;
                        format.setFontWeight(QFont::Bold);
                        formats.append({int(text.size()), int(run.text.size()), format});
                    }
                    text += run.text;
                }
                auto layout = std::make_unique<QTextLayout>(text, font, device);
                layout->setFormats(formats);
                QTextOption option;
                option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
                layout->setTextOption(option);
                layout->setCacheEnabled(true);
                qreal textHeight = 0;
                layout->beginLayout();
                for (QTextLine line = layout->createLine(); line.isValid();
                     line = layout->createLine()) {
                    line.setLeadingIncluded(true);
                    line.setLineWidth(std::max<qreal>(cellWidth, 1));
                    line.setPosition(QPointF(0, textHeight));
                    textHeight += line.height();
                }
                layout->endLayout();
                height = std::max(height, textHeight);
                row.cells.push_back(std::move(layout));
            }
            row.height = height + 2 * m_padding;
            y += row.height + m_border;
            m_rows.push_back(std::move(row));
        }
        m_height = y + m_inset;
    }

    qreal Height() const { return m_height; }

    void Draw(QPainter* painter, qreal top) const
    {
        const qreal left = m_inset;
        const qreal middle = left + m_width / 2;
        const QColor border(0xb0, 0xb0, 0xb0);
        const qreal tableTop = top + m_inset;
        const qreal tableBottom = top + m_height - m_inset;
        for (const Row& row : m_rows) {
            const qreal y = top + row.top;
            if (row.fill.isValid())
                painter->fillRect(QRectF(left, y, m_width, row.height), row.fill);
            painter->fillRect(QRectF(left, y + row.height, m_width, m_border), border);
            if (row.cells.size() > 1)
                painter->fillRect(QRectF(middle - m_border / 2, y, m_border, row.height), border);
            painter->setPen(row.ink);
            for (std::size_t i = 0; i < row.cells.size(); ++i) {
                const qreal x = (i == 0 ? left + m_border : middle + m_border / 2) + m_padding;
                row.cells[i]->draw(painter, QPointF(x, y + m_padding));
            }
        }
        painter->fillRect(QRectF(left, tableTop, m_width, m_border), border);
        painter->fillRect(QRectF(left, tableTop, m_border, tableBottom - tableTop), border);
        painter->fillRect(
            QRectF(left + m_width - m_border, tableTop, m_border, tableBottom - tableTop), border);
    }

private:
    struct Row
    {
        std::vector<std::unique_ptr<QTextLayout>> cells;
        qreal top = 0;
        qreal height = 0;
        QColor ink;
        QColor fill;
    };
    std::vector<Row> m_rows;
    qreal m_border = 0;
    qreal m_padding = 0;
    qreal m_inset = 0;
    qreal m_width = 0;
    qreal m_height = 0;
};

// One part of the report laid out on its own: the head, a recorder line or "IPC Calculate".
struct ReportPart
{
    std::unique_ptr<QTextDocument> document;
    std::unique_ptr<LineTable> table; // a recorder line that fits on a page, instead
    int page = 0;                     // where it starts
    qreal top = 0;
    // Longer than a page: it starts one, and breaks where the toolkit's pagination breaks it.
    bool paginated = false;
};

} // namespace

CPlanReport::CPlanReport(const PlanReportData& data, const QString& planName, const QDateTime& when)
    : m_data(data), m_planName(planName), m_when(when),
      // Without the interface's hook (tests, tools) the texts are the English ones.
      m_locale(CUiLocale::Current().value_or(QLocale(QLocale::English, QLocale::UnitedStates)))
{
}

bool CPlanReport::HasNvrResult() const
{
    return !m_data.nvrTotal.isEmpty();
}

bool CPlanReport::HasIpcRecords() const
{
    return !m_data.ipcRecords.isEmpty();
}

QString CPlanReport::NothingToReport()
{
    return tr("There is no result to export or print yet: calculate on \"NVR Calculate\" or "
              "add a recorder record on \"IPC Calculate\" first.");
}

QString CPlanReport::ProgramVersion()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(CORVANE_VERSION) : version;
}

QString CPlanReport::StorageHead(bool perRecorder) const
{
    if (m_data.nvrDaysKept.isEmpty())
        return perRecorder ? tr("Storage per NVR (TB)") : tr("Storage (TB)");
    return perRecorder ? tr("Disks of each NVR hold (TB)") : tr("All disks hold (TB)");
}

QString CPlanReport::Title() const
{
    return tr("Corvane Tool plan report");
}

QString CPlanReport::Readable(const QString& number, int maxDecimals) const
{
    if (AsciiDigits(number)) {
        bool ok = false;
        const qulonglong whole = number.toULongLong(&ok);
        return ok ? m_locale.toString(whole) : number;
    }
    static const QRegularExpression parts(QStringLiteral("^(\\d+)(?:\\.(\\d+))?$"));
    const QRegularExpressionMatch match = parts.match(PlainNumber(number, m_locale));
    bool ok = false;
    qulonglong whole = match.hasMatch() ? match.captured(1).toULongLong(&ok) : 0;
    if (!ok)
        return number;
    QString fraction = match.captured(2);
    if (maxDecimals >= 0 && fraction.size() > maxDecimals) {
        // Half up on the digits themselves, which hold more than a double does.
        const bool up = fraction.at(maxDecimals) >= QLatin1Char('5');
        fraction.truncate(maxDecimals);
        int digit = int(fraction.size()) - 1;
        for (; up && digit >= 0 && fraction.at(digit) == QLatin1Char('9'); --digit)
            fraction[digit] = QLatin1Char('0');
        if (up && digit >= 0)
            fraction[digit] = QChar(fraction.at(digit).unicode() + 1);
        else if (up)
            ++whole;
    }
    QString text = m_locale.toString(whole);
    if (!fraction.isEmpty())
        text += m_locale.decimalPoint() + fraction;
    return text;
}

QByteArray CPlanReport::Csv() const
{
    const QChar comma(QLatin1Char(','));
    auto plain = [this](const QString& text) { return PlainNumber(text, m_locale); };
    QStringList lines;
    lines << Join({Title()}, comma) << Join({tr("Plan"), m_planName}, comma)
          << Join({tr("Date"), m_when.toString(QStringLiteral("yyyy-MM-dd HH:mm"))}, comma)
          << Join({tr("Program version"), ProgramVersion()}, comma);
    for (const auto& [name, value] : DetailPairs(true))
        lines << Join({name, value}, comma);

    if (HasNvrResult()) {
        lines << QString() << Join({tr("NVR Calculate")}, comma)
              << Join({tr("NVR Type"), m_data.nvrModel}, comma)
              << Join({tr("Disable Channel Number"), m_data.nvrDisabledChannels}, comma);
        for (const auto& input : m_data.nvrStorageInputs)
            lines << Join({input.first, input.second}, comma);
        lines << Join(NvrRecordHeads(), comma);
        for (const QStringList& record : m_data.nvrRecords)
            lines << Join(record, comma);
        lines << Join({tr("Need NVR (tai)"), plain(m_data.nvrTotal)}, comma);
        if (!m_data.nvrDaysKept.isEmpty())
            lines << Join({tr("Shortest days kept"), m_data.nvrDaysKept}, comma);
        if (!m_data.nvrStorageTB.isEmpty())
            lines << Join({StorageHead(false), plain(m_data.nvrStorageTB)}, comma)
                  << Join({tr("Storage (TiB)"), m_data.nvrStorageTiB}, comma)
                  << Join({tr("Disks"), plain(m_data.nvrDisks)}, comma)
                  << Join({tr("Result lines whose disks do not fit"),
                           plain(m_data.nvrLinesNotFitting)},
                          comma);
        lines << NvrLineRows(comma, false);
    }

    if (HasIpcRecords()) {
        lines << QString() << Join({tr("IPC Calculate")}, comma)
              << Join({tr("ID"), tr("NVR Type"), tr("Disable Channel Number"), tr("Number(tai)")},
                      comma);
        for (const QStringList& record : m_data.ipcRecords)
            lines << Join(record, comma);
        lines << Join({tr("First Bit Rate"), m_data.ipcFirstBitRate}, comma)
              << Join({tr("Second Bit Rate"), m_data.ipcSecondBitRate}, comma);
        if (!m_data.ipcBandwidthReserve.isEmpty())
            lines << Join({tr("Bandwidth kept free (%)"), m_data.ipcBandwidthReserve}, comma);
        lines << Join({tr("Need IPC (tai)"), plain(m_data.ipcResult)}, comma);
    }

    if (!m_data.bitRateSources.isEmpty()) {
        lines << QString() << Join({tr("Where the bit rates come from")}, comma)
              << Join(SourceHeads(), comma);
        for (const QStringList& row : m_data.bitRateSources)
            lines << Join(row, comma);
    }
    if (!m_data.ownModels.isEmpty()) {
        lines << QString() << Join({tr("Recorder models of this plan")}, comma)
              << Join(OwnModelHeads(), comma);
        for (const QStringList& model : m_data.ownModels)
            lines << Join(model, comma);
    }
    if (HasBill()) {
        lines << QString() << Join({tr("Bill of materials")}, comma) << Join(BillHeads(), comma);
        for (const QStringList& row : BillRows(false))
            lines << Join(row, comma);
        if (!BillProblem().isEmpty())
            lines << Join({BillProblem()}, comma);
    }

    return QByteArray("\xEF\xBB\xBF") + lines.join(QLatin1String("\r\n")).toUtf8() + "\r\n";
}

// The column titles, then one row per result line: recorders, the storage and disks of one of
// them when there are any, then camera type and count pairs, as wide as the widest line.
QStringList CPlanReport::NvrLineRows(QChar separator, bool readable) const
{
    auto figure = [this, readable](const QString& number) {
        return readable ? Readable(number) : PlainNumber(number, m_locale);
    };
    QStringList rows;
    QStringList heads{tr("NVR Count(tai)"),
                      tr("Channels used per NVR"),
                      tr("Channels per NVR"),
                      tr("Bandwidth used per NVR (kbps)"),
                      tr("Bandwidth per NVR (kbps)"),
                      tr("Bandwidth use (%)"),
                      tr("Full by")};
    int widest = 0;
    bool storage = false;
    for (const PlanReportData::NvrLine& line : m_data.nvrLines) {
        widest = std::max(widest, int(line.cameras.size()));
        storage = storage || !line.storageTB.isEmpty();
    }
    const bool days = !m_data.nvrDaysKept.isEmpty();
    if (storage)
        heads << StorageHead(true) << tr("Storage per NVR (TiB)") << tr("Disks per NVR")
              << tr("Disk size (TB)") << tr("Disk bays");
    if (storage && days)
        heads << tr("Days kept");
    for (int i = 0; i < widest; ++i)
        heads << tr("IPC Type") << tr("IPC Count(tai)");
    rows << Join(heads, separator);
    for (const PlanReportData::NvrLine& line : m_data.nvrLines) {
        QStringList fields{figure(QString::number(line.recorders)),
                           figure(QString::number(line.channelsUsed)),
                           figure(QString::number(line.channels)),
                           figure(QString::number(line.bandwidthUsed)),
                           figure(QString::number(line.bandwidth)),
                           figure(line.bandwidthPercent),
                           line.fullBy};
        if (storage)
            fields << figure(line.storageTB) << figure(line.storageTiB) << figure(line.disks)
                   << line.diskTB << line.bays;
        if (storage && days)
            fields << figure(line.daysKept);
        for (const auto& camera : line.cameras)
            fields << TypeText(camera.first) << figure(QString::number(camera.second));
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
                        Readable(m_data.nvrTotal)};
    if (!m_data.nvrStorageTB.isEmpty())
        summary << StorageHead(false) << Readable(m_data.nvrStorageTB) << tr("Storage (TiB)")
                << Readable(m_data.nvrStorageTiB) << tr("Disks") << Readable(m_data.nvrDisks)
                << tr("Result lines whose disks do not fit") << Readable(m_data.nvrLinesNotFitting);
    if (!m_data.nvrDaysKept.isEmpty())
        summary << tr("Shortest days kept") << Readable(m_data.nvrDaysKept);
    lines << Join(summary, tab);
    lines << NvrLineRows(tab, true);

    // The inputs below the result, as tables of their own, so that a spreadsheet takes them
    // into cells as they are.
    lines << QString() << Join(NvrRecordHeads(), tab);
    for (const QStringList& record : m_data.nvrRecords)
        lines << Join(record, tab);
    if (!m_data.nvrStorageInputs.isEmpty())
        lines << QString();
    for (const auto& input : m_data.nvrStorageInputs)
        lines << Join({input.first, input.second}, tab);
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
          << Join({tr("Second Bit Rate"), m_data.ipcSecondBitRate}, tab);
    if (!m_data.ipcBandwidthReserve.isEmpty())
        lines << Join({tr("Bandwidth kept free (%)"), m_data.ipcBandwidthReserve}, tab);
    lines << Join({tr("Need IPC (tai)"), Readable(m_data.ipcResult)}, tab);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString CPlanReport::HeadHtml() const
{
    QString html =
        QStringLiteral("<h2 style=\"color:#28619b\">%1</h2>").arg(Title().toHtmlEscaped());
    html +=
        QStringLiteral("<p>%1: %2<br/>%3: %4<br/>%5: %6</p>")
            .arg(tr("Plan").toHtmlEscaped(), m_planName.toHtmlEscaped(), tr("Date").toHtmlEscaped(),
                 m_when.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toHtmlEscaped(),
                 tr("Program version").toHtmlEscaped(), ProgramVersion().toHtmlEscaped());
    const QList<QPair<QString, QString>> details = DetailPairs(false);
    if (!details.isEmpty())
        html += Pairs(details);
    if (!m_data.details.notes.isEmpty())
        // As typed: its line breaks, and its tabs as the spaces they stand for.
        html += QStringLiteral("<p style=\"margin-bottom:0\">%1:</p>"
                               "<p style=\"white-space:pre-wrap; margin-top:2px\">%2</p>")
                    .arg(tr("Notes").toHtmlEscaped(), m_data.details.notes.toHtmlEscaped());
    if (!HasNvrResult())
        return html;

    html += Heading(tr("NVR Calculate"));
    html += Pairs(
        QList<QPair<QString, QString>>{{tr("NVR Type"), m_data.nvrModel},
                                       {tr("Disable Channel Number"), m_data.nvrDisabledChannels}} +
        m_data.nvrStorageInputs);
    html += Table(NvrRecordHeads(), m_data.nvrRecords);
    html += Result(tr("Need NVR (tai)"), Readable(m_data.nvrTotal));
    if (!m_data.nvrStorageTB.isEmpty()) {
        html += QStringLiteral("<p>%1%2%3</p>")
                    .arg(NameValue(StorageHead(false),
                                   Readable(m_data.nvrStorageTB, 3) +
                                       tr(" (%1 TiB)").arg(Readable(m_data.nvrStorageTiB))),
                         Gap, NameValue(tr("Disks"), Readable(m_data.nvrDisks)));
        if (!m_data.nvrDaysKept.isEmpty())
            html += QStringLiteral("<p>%1</p>")
                        .arg(NameValue(tr("Shortest days kept"), Readable(m_data.nvrDaysKept)));
        if (m_data.nvrLinesNotFitting != QLatin1String("0"))
            html += QStringLiteral("<p><font color=\"#c00000\">%1</font></p>")
                        .arg(NameValue(tr("Result lines whose disks do not fit"),
                                       Readable(m_data.nvrLinesNotFitting)));
    }
    return html;
}

// One table a recorder line: its count, the storage of one of its recorders, then its cameras
// under their column titles.
QList<CPlanReport::LineRow> CPlanReport::LineRows(const PlanReportData::NvrLine& line) const
{
    const QColor blue(0x28, 0x61, 0x9b);
    const QColor red(0xc0, 0x00, 0x00);
    const auto pair = [](const QString& name, const QString& value) {
        return QList<LineRun>{{name + QStringLiteral(": ")}, {value, true}};
    };
    // Between name and value pairs on one line.
    const LineRun gap{QStringLiteral(" \u00A0 \u00A0 ")};

    QList<LineRow> rows;
    const auto add = [&rows](const QList<QList<LineRun>>& cells, const QColor& ink = Qt::black,
                             const QColor& fill = QColor()) {
        rows.append({cells, ink, fill});
    };
    add({{{tr("NVR Count(tai)") + QStringLiteral(": ") + Readable(QString::number(line.recorders)),
           true}}},
        Qt::black, QColor(0xe3, 0xe7, 0xee));
    if (!line.load.isEmpty())
        add({{{line.load}}}, blue);
    if (!line.storageTB.isEmpty()) {
        QList<LineRun> storage =
            pair(StorageHead(true),
                 Readable(line.storageTB, 3) + tr(" (%1 TiB)").arg(Readable(line.storageTiB)));
        storage << gap << pair(tr("Disks per NVR"), Readable(line.disks)) << gap
                << pair(tr("Disk size (TB)"), line.diskTB);
        add({storage}, blue);
        if (!line.daysKept.isEmpty())
            add({pair(tr("Days kept"), Readable(line.daysKept))}, blue);
        // A line that cannot be built says so where the customer reads its disks.
        if (!line.bays.isEmpty())
            add({{{line.bays, true}}}, red);
    }
    add({{{tr("IPC Type")}}, {{tr("IPC Count(tai)")}}}, QColor(0x55, 0x55, 0x55));
    for (const auto& camera : line.cameras)
        add({{{TypeText(camera.first)}}, {{Readable(QString::number(camera.second))}}});
    return rows;
}

QString CPlanReport::LineHtml(const PlanReportData::NvrLine& line) const
{
    QString html = TableStart(0);
    for (const LineRow& row : LineRows(line)) {
        html += QLatin1String("<tr>");
        for (int i = 0; i < row.cells.size(); ++i) {
            html += row.cells.size() == 1 ? QStringLiteral("<td colspan=\"2\"")
                    : i == 0              ? QStringLiteral("<td width=\"50%\"")
                                          : QStringLiteral("<td");
            if (row.fill.isValid())
                html += QStringLiteral(" bgcolor=\"%1\"").arg(row.fill.name());
            html += QStringLiteral("><font color=\"%1\">").arg(row.ink.name());
            for (const LineRun& run : row.cells[i]) {
                const QString text =
                    run.text.toHtmlEscaped().replace(QChar::Nbsp, QLatin1String("&nbsp;"));
                html += run.bold ? QStringLiteral("<b>%1</b>").arg(text) : text;
            }
            html += QLatin1String("</font></td>");
        }
        html += QLatin1String("</tr>");
    }
    return html + QLatin1String("</table>");
}

QStringList CPlanReport::NvrRecordHeads() const
{
    QStringList heads{tr("ID"), tr("First Bit Rate"), tr("Second Bit Rate"), tr("Number(tai)")};
    if (m_data.nvrNamed)
        heads.insert(1, tr("Name"));
    return heads;
}

QStringList CPlanReport::SourceHeads() const
{
    return {tr("Record"), tr("First Bit Rate"), tr("Second Bit Rate")};
}

QString CPlanReport::TypeText(int type) const
{
    const QString name = m_data.nvrTypeNames.value(type - 1);
    return name.isEmpty() ? QString::number(type) : QString::number(type) + QLatin1Char(' ') + name;
}

QList<QPair<QString, QString>> CPlanReport::DetailPairs(bool withNotes) const
{
    const PlanDetails& details = m_data.details;
    QList<QPair<QString, QString>> pairs;
    const auto add = [&pairs](const QString& name, const QString& value) {
        if (!value.isEmpty())
            pairs.append({name, value});
    };
    add(tr("Site"), details.site);
    add(tr("Customer"), details.customer);
    add(tr("Planner"), details.planner);
    if (withNotes)
        add(tr("Notes"), details.notes);
    return pairs;
}

bool CPlanReport::HasBill() const
{
    if (!HasNvrResult() || !m_data.bill)
        return false;
    const CalBill& bill = *m_data.bill;
    return !bill.recorders.empty() || !bill.disks.empty() || !bill.cameras.empty() ||
           !BillProblem().isEmpty();
}

bool CPlanReport::BillPriced() const
{
    if (!m_data.bill)
        return false;
    for (const auto* lines :
         {&m_data.bill->recorders, &m_data.bill->disks, &m_data.bill->cameras}) {
        for (const CalBillLine& line : *lines) {
            if (line.priced)
                return true;
        }
    }
    return false;
}

QString CPlanReport::BillProblem() const
{
    return m_data.bill ? BillProblemMessage(m_data.bill->problem) : QString();
}

QStringList CPlanReport::BillHeads() const
{
    return {tr("Item"),
            tr("Model, size or type"),
            tr("Count"),
            tr("Data disks"),
            tr("Parity or mirror disks"),
            tr("Hot spares"),
            tr("Unit price"),
            tr("Total")};
}

QList<QStringList> CPlanReport::BillRows(bool readable) const
{
    QList<QStringList> rows;
    if (!m_data.bill)
        return rows;
    const CalBill& bill = *m_data.bill;
    const auto count = [this, readable](quint64 number) {
        return readable ? Readable(QString::number(number)) : QString::number(number);
    };
    const auto amount = [this, readable](quint64 hundredths) {
        return readable ? Readable(UnitPriceText(hundredths)) : UnitPriceText(hundredths);
    };
    for (const auto* lines : {&bill.recorders, &bill.disks, &bill.cameras}) {
        for (const CalBillLine& line : *lines) {
            QStringList row;
            switch (line.item) {
            case CalBillItem::Recorder:
                row << tr("Recorder") << line.model << count(line.count) << QString() << QString()
                    << QString();
                break;
            case CalBillItem::Disk:
                row << tr("Disk") << tr("%1 TB").arg(line.key) << count(line.count)
                    << count(line.dataDisks) << count(line.redundancyDisks)
                    << count(line.spareDisks);
                break;
            case CalBillItem::Camera:
                row << tr("Camera") << TypeText(line.key) << count(line.count) << QString()
                    << QString() << QString();
                break;
            }
            if (line.priced)
                row << amount(line.unitPrice) << amount(line.total);
            else
                row << QString() << QString();
            rows.append(row);
        }
    }
    if (BillPriced()) {
        // A sum that leaves lines out must not pass for the price of the whole.
        const QString label = bill.allPriced ? tr("Total") : tr("Total of the priced lines");
        rows.append({label, QString(), QString(), QString(), QString(), QString(), QString(),
                     amount(bill.grandTotal)});
    }
    return rows;
}

QString CPlanReport::BillHtml() const
{
    if (!HasBill())
        return QString();
    QString html = Heading(tr("Bill of materials"));
    QList<QStringList> rows = BillRows(true);
    // The total goes under the table, where its label has the width to be read.
    const QStringList total = BillPriced() ? rows.takeLast() : QStringList();
    if (!rows.isEmpty()) {
        // Columns that would stay empty are left out: the disks' use without disks, the
        // amounts without a price.
        const bool disks = !m_data.bill->disks.empty();
        const bool priced = BillPriced();
        const auto shown = [&](const QStringList& row) {
            QStringList cells = row.mid(0, 3);
            if (disks)
                cells << row.mid(3, 3);
            if (priced)
                cells << row.mid(6, 2);
            return cells;
        };
        QList<QStringList> cells;
        for (const QStringList& row : rows)
            cells.append(shown(row));
        html += Table(shown(BillHeads()), cells, 2);
        if (!total.isEmpty())
            html += QStringLiteral("<p align=\"right\">%1</p>")
                        .arg(NameValue(total.first(), total.last()));
        if (priced && !m_data.bill->allPriced)
            html +=
                QStringLiteral("<p>%1</p>")
                    .arg(tr("Lines without a unit price are not in the total.").toHtmlEscaped());
    }
    if (!BillProblem().isEmpty())
        html += QStringLiteral("<p><font color=\"#c00000\">%1</font></p>")
                    .arg(BillProblem().toHtmlEscaped());
    return html;
}

QStringList CPlanReport::OwnModelHeads() const
{
    return {tr("NVR Type"),        tr("Bandwidth (kbps)"), tr("Channels"),
            tr("May be disabled"), tr("Disk bays"),        tr("Largest disk (TB)")};
}

QString CPlanReport::IpcHtml() const
{
    if (!HasIpcRecords())
        return QString();
    QString html = Heading(tr("IPC Calculate"));
    html += Table({tr("ID"), tr("NVR Type"), tr("Disable Channel Number"), tr("Number(tai)")},
                  m_data.ipcRecords);
    QList<QPair<QString, QString>> inputs{{tr("First Bit Rate"), m_data.ipcFirstBitRate},
                                          {tr("Second Bit Rate"), m_data.ipcSecondBitRate}};
    if (!m_data.ipcBandwidthReserve.isEmpty())
        inputs.append({tr("Bandwidth kept free (%)"), m_data.ipcBandwidthReserve});
    html += Pairs(inputs);
    return html + Result(tr("Need IPC (tai)"), Readable(m_data.ipcResult));
}

// A part that fits on a page is never split: it goes below the one before or, where it does
// not fit, to the top of the next page. So a recorder line (its count, storage, column titles
// and cameras) stays on one page whenever it can.
void CPlanReport::Paint(QPagedPaintDevice* device) const
{
    const QFont font = ReportFont();
    const qreal lineHeight = QFontMetricsF(font, device).height();
    const qreal footer = lineHeight * 2;
    const QSizeF body(device->width(), device->height() - footer);

    // Each part with the space above it, left out at the top of a page; a heading wants more.
    // A recorder line comes as its rows, as HTML only when it runs over a page.
    struct Source
    {
        QString html;
        qreal space = 0;
        const PlanReportData::NvrLine* line = nullptr;
    };
    QList<Source> htmls{{HeadHtml(), 0}};
    if (HasNvrResult()) {
        for (const PlanReportData::NvrLine& line : m_data.nvrLines)
            htmls.append({QString(), lineHeight * 0.6, &line});
    }
    if (HasIpcRecords())
        htmls.append({IpcHtml(), lineHeight * 1.5});
    if (!m_data.bitRateSources.isEmpty() && (HasNvrResult() || HasIpcRecords()))
        htmls.append({Heading(tr("Where the bit rates come from")) +
                          Table(SourceHeads(), m_data.bitRateSources),
                      lineHeight * 1.5});
    if (!m_data.ownModels.isEmpty() && (HasNvrResult() || HasIpcRecords()))
        htmls.append(
            {Heading(tr("Recorder models of this plan")) + Table(OwnModelHeads(), m_data.ownModels),
             lineHeight * 1.5});
    if (HasBill())
        htmls.append({BillHtml(), lineHeight * 1.5});

    std::vector<ReportPart> parts;
    int page = 0;
    qreal y = 0;
    // A part that fits on a page: below the one before, or at the top of the next page.
    const auto place = [&](ReportPart& part, qreal height, qreal space) {
        if (y > 0)
            y += space;
        if (y + height > body.height()) {
            ++page;
            y = 0;
        }
        part.page = page;
        part.top = y;
        y += height;
    };
    for (const auto& [html, space, line] : htmls) {
        ReportPart part;
        if (line) {
            auto table = std::make_unique<LineTable>(LineRows(*line), font, device, body.width());
            if (table->Height() <= body.height()) {
                place(part, table->Height(), space);
                part.table = std::move(table);
                parts.push_back(std::move(part));
                continue;
            }
        }
        part.document = std::make_unique<QTextDocument>();
        QTextDocument* document = part.document.get();
        // Laid out for the device itself: its resolution, and the width between its margins.
        document->documentLayout()->setPaintDevice(device);
        document->setDefaultFont(font);
        document->setDocumentMargin(0);
        // The width first: the document lays itself out as the HTML arrives, and again on
        // every change of width.
        document->setTextWidth(body.width());
        document->setHtml(line ? LineHtml(*line) : html);
        const qreal height = document->size().height();
        if (height > body.height()) {
            if (y > 0)
                ++page;
            part.page = page;
            part.paginated = true;
            document->setPageSize(body);
            const qreal end =
                document->documentLayout()->blockBoundingRect(document->lastBlock()).bottom();
            const int last = int(end / body.height());
            page += last;
            y = end - last * body.height();
        } else {
            place(part, height, space);
        }
        parts.push_back(std::move(part));
    }

    QPainter painter(device);
    painter.setFont(QFont(font, device));
    QAbstractTextDocumentLayout::PaintContext context;
    // The palette's text colour follows the desktop's style; paper wants black.
    context.palette.setColor(QPalette::Text, Qt::black);
    const int pages = page + 1;
    int current = 0;
    auto finishPage = [&] {
        if (pages > 1)
            painter.drawText(QRectF(0, body.height(), body.width(), footer),
                             Qt::AlignRight | Qt::AlignBottom,
                             QStringLiteral("%1 / %2").arg(current + 1).arg(pages));
    };
    for (const ReportPart& part : parts) {
        if (part.table) {
            for (; current < part.page && current < pages - 1; ++current) {
                finishPage();
                device->newPage();
            }
            part.table->Draw(&painter, part.top);
            continue;
        }
        const int spans = part.paginated ? part.document->pageCount() : 1;
        for (int i = 0; i < spans; ++i) {
            for (; current < part.page + i && current < pages - 1; ++current) {
                finishPage();
                device->newPage();
            }
            const QRectF view = part.paginated
                                    ? QRectF(0, i * body.height(), body.width(), body.height())
                                    : QRectF(QPointF(0, 0), part.document->size());
            painter.save();
            painter.translate(0, part.top - view.top());
            painter.setClipRect(view);
            context.clip = view;
            part.document->documentLayout()->draw(&painter, context);
            painter.restore();
        }
    }
    finishPage();
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
