// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendarmodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {
// The cells and the day-name header lie on light pictures, so their texts are dark.
const QColor kWeekdayText(26, 26, 26);
const QColor kWeekendText(150, 0, 0);
const QColor kOtherMonthText(88, 88, 88);
const QColor kOutOfRangeText(196, 196, 196);
const QColor kHeaderText(40, 40, 40);
const QColor kWeekNumberText(64, 64, 64);

bool HasFontProperty(const QTextCharFormat& format)
{
    static const int properties[] = {QTextFormat::FontFamilies,  QTextFormat::FontPointSize,
                                     QTextFormat::FontPixelSize, QTextFormat::FontWeight,
                                     QTextFormat::FontItalic,    QTextFormat::FontUnderline,
                                     QTextFormat::FontStrikeOut};
    for (int property : properties) {
        if (format.hasProperty(property))
            return true;
    }
    return false;
}
} // namespace

CCalendarModel::CCalendarModel(QObject* parent)
    : QAbstractTableModel(parent), m_shownYear(QDate::currentDate().year()),
      m_shownMonth(QDate::currentDate().month()), m_date(QDate::currentDate()),
      m_minimumDate(QDate::fromJulianDay(1)), m_maximumDate(7999, 12, 31)
{
}

CCalendarModel::~CCalendarModel() = default;

int CCalendarModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_firstRow + DayRows;
}

int CCalendarModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_firstColumn + DayColumns;
}

QVariant CCalendarModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this)
        return QVariant();
    const int row = index.row();
    const int column = index.column();

    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);

    if (role == Qt::DisplayRole) {
        if (row < m_firstRow) {
            if (column < m_firstColumn)
                return QString();
            return DayName(Qt::DayOfWeek(DayOfWeekForColumn(column)));
        }
        if (column < m_firstColumn) {
            // A row's week is the week of the day in its first day column, shown or not.
            const QDate date = GridDate(row, m_firstColumn);
            return date.isValid() ? QString::number(date.weekNumber()) : QString();
        }
        const QDate date = DateForCell(row, column);
        return date.isValid() ? QString::number(date.day()) : QString();
    }

    const QTextCharFormat format = FormatForCell(row, column);
    switch (role) {
    case Qt::ToolTipRole:
        if (!format.toolTip().isEmpty())
            return format.toolTip();
        break;
    case Qt::FontRole:
        if (HasFontProperty(format))
            return format.font();
        break;
    case Qt::BackgroundRole:
        if (format.hasProperty(QTextFormat::BackgroundBrush))
            return format.background();
        break;
    case Qt::ForegroundRole:
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            return format.foreground();
        break;
    default:
        break;
    }
    return QVariant();
}

bool CCalendarModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row != 0 || count != 1 || m_firstRow == 1)
        return false;
    beginInsertRows(QModelIndex(), 0, 0);
    m_firstRow = 1;
    if (m_horizontalHeaderFormat == CCalendarWidget::NoHorizontalHeader)
        m_horizontalHeaderFormat = CCalendarWidget::ShortDayNames;
    endInsertRows();
    return true;
}

bool CCalendarModel::insertColumns(int column, int count, const QModelIndex& parent)
{
    if (parent.isValid() || column != 0 || count != 1 || m_firstColumn == 1)
        return false;
    beginInsertColumns(QModelIndex(), 0, 0);
    m_firstColumn = 1;
    m_verticalHeaderFormat = CCalendarWidget::ISOWeekNumbers;
    endInsertColumns();
    return true;
}

bool CCalendarModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row != 0 || count != 1 || m_firstRow == 0)
        return false;
    beginRemoveRows(QModelIndex(), 0, 0);
    m_firstRow = 0;
    m_horizontalHeaderFormat = CCalendarWidget::NoHorizontalHeader;
    endRemoveRows();
    return true;
}

bool CCalendarModel::removeColumns(int column, int count, const QModelIndex& parent)
{
    if (parent.isValid() || column != 0 || count != 1 || m_firstColumn == 0)
        return false;
    beginRemoveColumns(QModelIndex(), 0, 0);
    m_firstColumn = 0;
    m_verticalHeaderFormat = CCalendarWidget::NoVerticalHeader;
    endRemoveColumns();
    return true;
}

Qt::ItemFlags CCalendarModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return Qt::NoItemFlags;
    if (index.row() < m_firstRow || index.column() < m_firstColumn)
        return Qt::ItemIsEnabled;
    const QDate date = DateForCell(index.row(), index.column());
    if (!date.isValid() || !IsInRange(date))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QDate CCalendarModel::ReferenceDate() const
{
    for (int day = 1; day <= 31; ++day) {
        const QDate date(m_shownYear, m_shownMonth, day);
        if (date.isValid())
            return date;
    }
    return QDate();
}

QDate CCalendarModel::GridDate(int row, int column) const
{
    if (row < m_firstRow || row >= m_firstRow + DayRows || column < m_firstColumn ||
        column >= m_firstColumn + DayColumns)
        return QDate();
    const QDate reference = ReferenceDate();
    if (!reference.isValid())
        return QDate();

    // Row and column counted from 1 at the first day cell.
    int r = row - m_firstRow + 1;
    const int c = column - m_firstColumn + 1;
    const int referenceColumn = ColumnForDayOfWeek(reference.dayOfWeek()) - m_firstColumn + 1;
    const int firstColumn = (referenceColumn - reference.day() % 7 + 8) % 7;
    if (firstColumn <= 1)
        --r;
    return reference.addDays(7 * (r - 1) + c - firstColumn - reference.day() + 1);
}

QDate CCalendarModel::DateForCell(int row, int column) const
{
    const QDate date = GridDate(row, column);
    if (!m_bShowNeighbouringMonths && !IsInShownMonth(date))
        return QDate();
    return date;
}

void CCalendarModel::CellForDate(const QDate& date, int* row, int* column) const
{
    int r = -1;
    int c = -1;
    if (date.isValid() && (m_bShowNeighbouringMonths || IsInShownMonth(date))) {
        const QDate first = GridDate(m_firstRow, m_firstColumn);
        const qint64 days = first.isValid() ? first.daysTo(date) : -1;
        if (days >= 0 && days < DayRows * DayColumns) {
            r = m_firstRow + int(days / DayColumns);
            c = m_firstColumn + int(days % DayColumns);
        }
    }
    if (row)
        *row = r;
    if (column)
        *column = c;
}

QModelIndex CCalendarModel::IndexForDate(const QDate& date) const
{
    int row = -1;
    int column = -1;
    CellForDate(date, &row, &column);
    return row < 0 ? QModelIndex() : index(row, column);
}

int CCalendarModel::ColumnForDayOfWeek(int dayOfWeek) const
{
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return -1;
    return (dayOfWeek - int(m_firstDay) + 7) % 7 + m_firstColumn;
}

int CCalendarModel::DayOfWeekForColumn(int column) const
{
    const int offset = column - m_firstColumn;
    if (offset < 0 || offset >= DayColumns)
        return 0;
    int day = int(m_firstDay) + offset;
    if (day > 7)
        day -= 7;
    return day;
}

bool CCalendarModel::IsInShownMonth(const QDate& date) const
{
    return date.isValid() && date.year() == m_shownYear && date.month() == m_shownMonth;
}

bool CCalendarModel::IsInRange(const QDate& date) const
{
    return date.isValid() && date >= m_minimumDate && date <= m_maximumDate;
}

void CCalendarModel::ShowMonth(int year, int month)
{
    if (month < 1 || month > 12 || !QDate(year, month, 1).isValid())
        return;
    m_shownYear = year;
    m_shownMonth = month;
    ClampShownMonth();
    AllCellsChanged();
}

void CCalendarModel::ClampShownMonth()
{
    const auto key = [](int year, int month) { return qint64(year) * 12 + month; };
    const qint64 shown = key(m_shownYear, m_shownMonth);
    if (shown < key(m_minimumDate.year(), m_minimumDate.month())) {
        m_shownYear = m_minimumDate.year();
        m_shownMonth = m_minimumDate.month();
    } else if (shown > key(m_maximumDate.year(), m_maximumDate.month())) {
        m_shownYear = m_maximumDate.year();
        m_shownMonth = m_maximumDate.month();
    }
}

void CCalendarModel::SetDate(const QDate& date)
{
    if (!date.isValid())
        return;
    m_date = qBound(m_minimumDate, date, m_maximumDate);
}

void CCalendarModel::SetMinimumDate(const QDate& date)
{
    if (!date.isValid() || date == m_minimumDate)
        return;
    m_minimumDate = date;
    if (m_maximumDate < m_minimumDate)
        m_maximumDate = m_minimumDate;
    if (m_date < m_minimumDate)
        m_date = m_minimumDate;
    ClampShownMonth();
    AllCellsChanged();
}

void CCalendarModel::SetMaximumDate(const QDate& date)
{
    if (!date.isValid() || date == m_maximumDate)
        return;
    m_maximumDate = date;
    if (m_minimumDate > m_maximumDate)
        m_minimumDate = m_maximumDate;
    if (m_date > m_maximumDate)
        m_date = m_maximumDate;
    ClampShownMonth();
    AllCellsChanged();
}

void CCalendarModel::SetRange(const QDate& minimum, const QDate& maximum)
{
    if (!minimum.isValid() || !maximum.isValid())
        return;
    m_minimumDate = qMin(minimum, maximum);
    m_maximumDate = qMax(minimum, maximum);
    m_date = qBound(m_minimumDate, m_date, m_maximumDate);
    ClampShownMonth();
    AllCellsChanged();
}

void CCalendarModel::SetFirstDayOfWeek(Qt::DayOfWeek dayOfWeek)
{
    if (dayOfWeek < Qt::Monday || dayOfWeek > Qt::Sunday || dayOfWeek == m_firstDay)
        return;
    m_firstDay = dayOfWeek;
    AllCellsChanged();
}

void CCalendarModel::SetHorizontalHeaderFormat(CCalendarWidget::HorizontalHeaderFormat format)
{
    if (format == m_horizontalHeaderFormat)
        return;
    if (format == CCalendarWidget::NoHorizontalHeader) {
        removeRows(0, 1);
        return;
    }
    m_horizontalHeaderFormat = format;
    if (m_firstRow == 0)
        insertRows(0, 1);
    else
        emit dataChanged(index(0, 0), index(0, columnCount() - 1));
}

void CCalendarModel::SetVerticalHeaderFormat(CCalendarWidget::VerticalHeaderFormat format)
{
    if (format == m_verticalHeaderFormat)
        return;
    if (format == CCalendarWidget::NoVerticalHeader)
        removeColumns(0, 1);
    else
        insertColumns(0, 1);
}

void CCalendarModel::SetShowNeighbouringMonths(bool bShow)
{
    if (bShow == m_bShowNeighbouringMonths)
        return;
    m_bShowNeighbouringMonths = bShow;
    AllCellsChanged();
}

void CCalendarModel::SetLocale(const QLocale& locale)
{
    m_locale = locale;
    AllCellsChanged();
}

void CCalendarModel::SetHeaderTextFormat(const QTextCharFormat& format)
{
    m_headerFormat = format;
    if (m_firstRow > 0)
        emit dataChanged(index(0, 0), index(0, columnCount() - 1));
}

QTextCharFormat CCalendarModel::GetDayTextFormat(Qt::DayOfWeek dayOfWeek) const
{
    return m_dayFormats.value(dayOfWeek);
}

void CCalendarModel::SetDayTextFormat(Qt::DayOfWeek dayOfWeek, const QTextCharFormat& format)
{
    if (format.isValid())
        m_dayFormats.insert(dayOfWeek, format);
    else
        m_dayFormats.remove(dayOfWeek);
    AllCellsChanged();
}

QTextCharFormat CCalendarModel::GetDateTextFormat(const QDate& date) const
{
    return m_dateFormats.value(date);
}

void CCalendarModel::SetDateTextFormat(const QDate& date, const QTextCharFormat& format)
{
    if (!date.isValid())
        return;
    if (format.isValid())
        m_dateFormats.insert(date, format);
    else
        m_dateFormats.remove(date);
    int row = -1;
    int column = -1;
    CellForDate(date, &row, &column);
    if (row >= 0)
        CellChanged(row, column);
}

QTextCharFormat CCalendarModel::FormatForCell(int row, int column) const
{
    QTextCharFormat format;
    if (row < m_firstRow) {
        format.setForeground(kHeaderText);
        format.merge(m_headerFormat);
        return format;
    }
    if (column < m_firstColumn) {
        format.setForeground(kWeekNumberText);
        return format;
    }

    const Qt::DayOfWeek dayOfWeek = Qt::DayOfWeek(DayOfWeekForColumn(column));
    const bool weekend = !m_locale.weekdays().contains(dayOfWeek);
    format.setForeground(weekend ? kWeekendText : kWeekdayText);
    format.merge(m_dayFormats.value(dayOfWeek));

    const QDate date = DateForCell(row, column);
    if (!date.isValid())
        return format;
    format.merge(m_dateFormats.value(date));
    if (date == QDate::currentDate())
        format.setFontWeight(QFont::Bold);
    if (!IsInShownMonth(date))
        format.setForeground(kOtherMonthText);
    if (!IsInRange(date))
        format.setForeground(kOutOfRangeText);
    return format;
}

void CCalendarModel::CellChanged(int row, int column)
{
    const QModelIndex cell = index(row, column);
    if (cell.isValid())
        emit dataChanged(cell, cell);
}

void CCalendarModel::AllCellsChanged()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString CCalendarModel::DayName(Qt::DayOfWeek dayOfWeek) const
{
    if (dayOfWeek < Qt::Monday || dayOfWeek > Qt::Sunday)
        return QString();
    switch (m_horizontalHeaderFormat) {
    case CCalendarWidget::SingleLetterDayNames:
        return m_locale.dayName(dayOfWeek, QLocale::NarrowFormat);
    case CCalendarWidget::ShortDayNames:
        return m_locale.dayName(dayOfWeek, QLocale::ShortFormat);
    case CCalendarWidget::LongDayNames:
        return m_locale.dayName(dayOfWeek, QLocale::LongFormat);
    case CCalendarWidget::NoHorizontalHeader:
        break;
    }
    return QString();
}
