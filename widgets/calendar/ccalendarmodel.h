// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCALENDARMODEL_H
#define CCALENDARMODEL_H

#include "widgets/calendar/ccalendarwidget.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QLocale>
#include <QMap>
#include <QTextCharFormat>

// The month grid of the calendar: an optional day-name row on top, an optional ISO week-number
// column on the left, and 6 x 7 day cells that always start on the first day of the week. The
// grid shows one month with the neighbouring months' days around it.
class CCalendarModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int DayRows = 6;
    static constexpr int DayColumns = 7;

    explicit CCalendarModel(QObject* parent = nullptr);
    ~CCalendarModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Only the header row (row 0) and the week-number column (column 0) come and go.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool insertColumns(int column, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeColumns(int column, int count, const QModelIndex& parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The first day-cell row and column: 1 while the header row / week column is shown.
    int FirstRow() const { return m_firstRow; }
    int FirstColumn() const { return m_firstColumn; }

    QDate DateForCell(int row, int column) const;
    // The cell that shows `date`, or (-1, -1) when the grid does not show it.
    void CellForDate(const QDate& date, int* row, int* column) const;
    QModelIndex IndexForDate(const QDate& date) const;
    int ColumnForDayOfWeek(int dayOfWeek) const;
    // 0 for a column that holds no days.
    int DayOfWeekForColumn(int column) const;
    bool IsInShownMonth(const QDate& date) const;
    bool IsInRange(const QDate& date) const;

    int GetShownYear() const { return m_shownYear; }
    int GetShownMonth() const { return m_shownMonth; }
    void ShowMonth(int year, int month);

    QDate GetDate() const { return m_date; }
    // Sets the selected date, clamped into the range; an invalid date is refused.
    void SetDate(const QDate& date);
    QDate GetMinimumDate() const { return m_minimumDate; }
    QDate GetMaximumDate() const { return m_maximumDate; }
    void SetMinimumDate(const QDate& date);
    void SetMaximumDate(const QDate& date);
    void SetRange(const QDate& minimum, const QDate& maximum);

    Qt::DayOfWeek GetFirstDayOfWeek() const { return m_firstDay; }
    void SetFirstDayOfWeek(Qt::DayOfWeek dayOfWeek);
    CCalendarWidget::HorizontalHeaderFormat GetHorizontalHeaderFormat() const
    {
        return m_horizontalHeaderFormat;
    }
    void SetHorizontalHeaderFormat(CCalendarWidget::HorizontalHeaderFormat format);
    CCalendarWidget::VerticalHeaderFormat GetVerticalHeaderFormat() const
    {
        return m_verticalHeaderFormat;
    }
    void SetVerticalHeaderFormat(CCalendarWidget::VerticalHeaderFormat format);
    bool IsShowingNeighbouringMonths() const { return m_bShowNeighbouringMonths; }
    void SetShowNeighbouringMonths(bool bShow);

    QLocale GetLocale() const { return m_locale; }
    void SetLocale(const QLocale& locale);

    QTextCharFormat GetHeaderTextFormat() const { return m_headerFormat; }
    void SetHeaderTextFormat(const QTextCharFormat& format);
    QTextCharFormat GetDayTextFormat(Qt::DayOfWeek dayOfWeek) const;
    void SetDayTextFormat(Qt::DayOfWeek dayOfWeek, const QTextCharFormat& format);
    QTextCharFormat GetDateTextFormat(const QDate& date) const;
    void SetDateTextFormat(const QDate& date, const QTextCharFormat& format);
    // What a cell is drawn with: the calendar's own colours with the set formats merged on top.
    QTextCharFormat FormatForCell(int row, int column) const;

    void CellChanged(int row, int column);
    void AllCellsChanged();

private:
    QDate ReferenceDate() const;
    // The date of a day cell whether or not neighbouring months are shown.
    QDate GridDate(int row, int column) const;
    QString DayName(Qt::DayOfWeek dayOfWeek) const;
    void ClampShownMonth();

    int m_firstRow = 1;
    int m_firstColumn = 1;
    int m_shownYear;
    int m_shownMonth;
    QDate m_date;
    QDate m_minimumDate;
    QDate m_maximumDate;
    Qt::DayOfWeek m_firstDay = Qt::Sunday;
    CCalendarWidget::HorizontalHeaderFormat m_horizontalHeaderFormat =
        CCalendarWidget::ShortDayNames;
    CCalendarWidget::VerticalHeaderFormat m_verticalHeaderFormat = CCalendarWidget::ISOWeekNumbers;
    bool m_bShowNeighbouringMonths = true;
    QLocale m_locale;
    QTextCharFormat m_headerFormat;
    QMap<Qt::DayOfWeek, QTextCharFormat> m_dayFormats;
    QMap<QDate, QTextCharFormat> m_dateFormats;
};

#endif
