// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendarmodel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

// The month grid: which date each cell shows, checked against calendar facts (1 May 2024 was
// a Wednesday, 1 October 2023 a Sunday, ...) and against the properties every grid must have.

class TestCCalendarModel : public QObject
{
    Q_OBJECT

private slots:
    void dateForCell_data();
    void dateForCell();
    void gridProperties_data();
    void gridProperties();
    void cellsOutsideTheDayBlock();
    void neighbouringMonthsHidden();
    void headerAndWeekNumbers_data();
    void headerAndWeekNumbers();
    void dayNameFormats_data();
    void dayNameFormats();
    void range_data();
    void range();
    void shownMonthStaysInRange();
    void headerRowAndWeekColumnComeAndGo();
    void onlyHeaderRowAndWeekColumnCanBeInserted_data();
    void onlyHeaderRowAndWeekColumnCanBeInserted();
    void cellLooks();
};

static CCalendarModel* NewModel(QObject* parent, int year, int month,
                                Qt::DayOfWeek firstDay = Qt::Sunday)
{
    auto* model = new CCalendarModel(parent);
    new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest,
                                 model);
    model->SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    model->SetFirstDayOfWeek(firstDay);
    model->ShowMonth(year, month);
    return model;
}

void TestCCalendarModel::dateForCell_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<Qt::DayOfWeek>("firstDay");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QDate>("expected");

    // Day cells start at row 1, column 1 (row 0: day names, column 0: week numbers).
    QTest::newRow("May 2024, Sunday first: grid opens on Sunday 28 April")
        << 2024 << 5 << Qt::Sunday << 1 << 1 << QDate(2024, 4, 28);
    QTest::newRow("May 2024, Sunday first: the 1st under Wednesday")
        << 2024 << 5 << Qt::Sunday << 1 << 4 << QDate(2024, 5, 1);
    QTest::newRow("May 2024, Monday first: grid opens on Monday 29 April")
        << 2024 << 5 << Qt::Monday << 1 << 1 << QDate(2024, 4, 29);
    QTest::newRow("May 2024, Saturday first: the 1st in column 5")
        << 2024 << 5 << Qt::Saturday << 1 << 5 << QDate(2024, 5, 1);
    QTest::newRow("Oct 2023 starts on the first weekday: a whole September week first")
        << 2023 << 10 << Qt::Sunday << 1 << 1 << QDate(2023, 9, 24);
    QTest::newRow("Oct 2023, Sunday first: the 1st opens row 2")
        << 2023 << 10 << Qt::Sunday << 2 << 1 << QDate(2023, 10, 1);
    QTest::newRow("Oct 2022 starts on Saturday: the 1st is the last cell of row 1")
        << 2022 << 10 << Qt::Sunday << 1 << 7 << QDate(2022, 10, 1);
    QTest::newRow("Jan 2024 starts on Monday, Monday first: December week first")
        << 2024 << 1 << Qt::Monday << 1 << 1 << QDate(2023, 12, 25);
    QTest::newRow("Jan 2024, Sunday first: New Year's Eve opens the grid")
        << 2024 << 1 << Qt::Sunday << 1 << 1 << QDate(2023, 12, 31);
    QTest::newRow("Feb 2015 (4 exact weeks): the 28th closes row 5")
        << 2015 << 2 << Qt::Sunday << 5 << 7 << QDate(2015, 2, 28);
    QTest::newRow("Feb 2024: the leap day is shown")
        << 2024 << 2 << Qt::Sunday << 5 << 5 << QDate(2024, 2, 29);
}

void TestCCalendarModel::dateForCell()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(Qt::DayOfWeek, firstDay);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QDate, expected);

    QObject owner;
    CCalendarModel* model = NewModel(&owner, year, month, firstDay);
    QCOMPARE(model->DateForCell(row, column), expected);
    QCOMPARE(model->index(row, column).data().toString(), QString::number(expected.day()));
    int foundRow = -1;
    int foundColumn = -1;
    model->CellForDate(expected, &foundRow, &foundColumn);
    QCOMPARE(foundRow, row);
    QCOMPARE(foundColumn, column);
}

void TestCCalendarModel::gridProperties_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<Qt::DayOfWeek>("firstDay");

    const QList<QPair<int, int>> months = {{2024, 2},  {2023, 2}, {2024, 9},  {2025, 6},
                                           {1999, 12}, {2000, 3}, {7999, 12}, {1752, 9}};
    for (const auto& ym : months) {
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day) {
            const QByteArray name = QByteArray::number(ym.first) + '-' +
                                    QByteArray::number(ym.second) + " first day " +
                                    QByteArray::number(day);
            QTest::newRow(name.constData()) << ym.first << ym.second << Qt::DayOfWeek(day);
        }
    }
}

void TestCCalendarModel::gridProperties()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(Qt::DayOfWeek, firstDay);

    QObject owner;
    CCalendarModel* model = NewModel(&owner, year, month, firstDay);
    const QDate first(year, month, 1);

    const QDate topLeft = model->DateForCell(1, 1);
    QVERIFY(topLeft.isValid());
    QCOMPARE(topLeft.dayOfWeek(), int(firstDay));
    QVERIFY(topLeft < first);
    // Never more than a whole week of the previous month.
    QVERIFY(topLeft.daysTo(first) >= 1 && topLeft.daysTo(first) <= 7);

    for (int cell = 0; cell < 42; ++cell) {
        const int row = 1 + cell / 7;
        const int column = 1 + cell % 7;
        const QDate date = model->DateForCell(row, column);
        QCOMPARE(date, topLeft.addDays(cell));
        QCOMPARE(model->DayOfWeekForColumn(column), date.dayOfWeek());
        QCOMPARE(model->IndexForDate(date), model->index(row, column));
    }
    // The whole month is on the grid.
    const QDate last(year, month, first.daysInMonth());
    QVERIFY(model->IndexForDate(first).isValid());
    QVERIFY(model->IndexForDate(last).isValid());
    QVERIFY(!model->IndexForDate(topLeft.addDays(-1)).isValid());
    QVERIFY(!model->IndexForDate(topLeft.addDays(42)).isValid());
}

void TestCCalendarModel::cellsOutsideTheDayBlock()
{
    QObject owner;
    CCalendarModel* model = NewModel(&owner, 2024, 5);
    QCOMPARE(model->rowCount(), 7);
    QCOMPARE(model->columnCount(), 8);
    QVERIFY(!model->DateForCell(0, 3).isValid());
    QVERIFY(!model->DateForCell(3, 0).isValid());
    QVERIFY(!model->DateForCell(7, 1).isValid());
    QVERIFY(!model->DateForCell(1, 8).isValid());
    QVERIFY(!model->DateForCell(-1, -1).isValid());
    QVERIFY(!model->IndexForDate(QDate()).isValid());
    QCOMPARE(model->index(0, 0).data().toString(), QString());
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column)
            QCOMPARE(model->index(row, column).data(Qt::TextAlignmentRole).toInt(),
                     int(Qt::AlignCenter));
    }
}

void TestCCalendarModel::neighbouringMonthsHidden()
{
    QObject owner;
    CCalendarModel* model = NewModel(&owner, 2024, 5);
    model->SetShowNeighbouringMonths(false);
    // 28-30 April and 1-8 June sit in the grid but are not shown.
    QVERIFY(!model->DateForCell(1, 1).isValid());
    QCOMPARE(model->index(1, 1).data().toString(), QString());
    QCOMPARE(model->DateForCell(1, 4), QDate(2024, 5, 1));
    QVERIFY(!model->IndexForDate(QDate(2024, 6, 1)).isValid());
    QVERIFY(!(model->flags(model->index(1, 1)) & Qt::ItemIsSelectable));
    // The week number of the first row still comes from its (hidden) Sunday, 28 April.
    QCOMPARE(model->index(1, 0).data().toString(),
             QString::number(QDate(2024, 4, 28).weekNumber()));
}

void TestCCalendarModel::headerAndWeekNumbers_data()
{
    QTest::addColumn<Qt::DayOfWeek>("firstDay");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("weekNumber");

    // The week of a row is the ISO week of the day in its first day column.
    QTest::newRow("Jan 2024, Monday first: row 1 is 25 Dec 2023, week 52")
        << Qt::Monday << 1 << QStringLiteral("52");
    QTest::newRow("Jan 2024, Monday first: row 2 starts week 1") << Qt::Monday << 2 << "1";
    QTest::newRow("Jan 2024, Sunday first: Sunday 31 Dec 2023 is in week 52")
        << Qt::Sunday << 1 << QStringLiteral("52");
    QTest::newRow("Jan 2024, Sunday first: Sunday 7 Jan is still week 1")
        << Qt::Sunday << 2 << QStringLiteral("1");
    QTest::newRow("Jan 2024, Sunday first: Sunday 14 Jan is week 2")
        << Qt::Sunday << 3 << QStringLiteral("2");
}

void TestCCalendarModel::headerAndWeekNumbers()
{
    QFETCH(Qt::DayOfWeek, firstDay);
    QFETCH(int, row);
    QFETCH(QString, weekNumber);

    QObject owner;
    CCalendarModel* model = NewModel(&owner, 2024, 1, firstDay);
    QCOMPARE(model->index(row, 0).data().toString(), weekNumber);
}

void TestCCalendarModel::dayNameFormats_data()
{
    QTest::addColumn<CCalendarWidget::HorizontalHeaderFormat>("format");
    QTest::addColumn<Qt::DayOfWeek>("firstDay");
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<QString>("lastName");

    QTest::newRow("short names, Sunday first")
        << CCalendarWidget::ShortDayNames << Qt::Sunday << "Sun"
        << "Sat";
    QTest::newRow("short names, Monday first")
        << CCalendarWidget::ShortDayNames << Qt::Monday << "Mon"
        << "Sun";
    QTest::newRow("long names") << CCalendarWidget::LongDayNames << Qt::Wednesday << "Wednesday"
                                << "Tuesday";
    QTest::newRow("single letters") << CCalendarWidget::SingleLetterDayNames << Qt::Friday << "F"
                                    << "T";
}

void TestCCalendarModel::dayNameFormats()
{
    QFETCH(CCalendarWidget::HorizontalHeaderFormat, format);
    QFETCH(Qt::DayOfWeek, firstDay);
    QFETCH(QString, firstName);
    QFETCH(QString, lastName);

    QObject owner;
    CCalendarModel* model = NewModel(&owner, 2024, 5, firstDay);
    model->SetHorizontalHeaderFormat(format);
    QCOMPARE(model->index(0, 1).data().toString(), firstName);
    QCOMPARE(model->index(0, 7).data().toString(), lastName);
}

void TestCCalendarModel::range_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QDate>("minimum");
    QTest::addColumn<QDate>("maximum");
    QTest::addColumn<QDate>("selected");

    // Steps: "range:a,b", "min:a", "max:a", "date:a"; every run starts on 15 May 2024.
    QTest::newRow("bounds given the wrong way round are swapped")
        << QStringList{"range:2024-06-30,2024-06-01"} << QDate(2024, 6, 1) << QDate(2024, 6, 30)
        << QDate(2024, 6, 1);
    QTest::newRow("selected date clamped down into the range")
        << QStringList{"range:2024-05-01,2024-05-10"} << QDate(2024, 5, 1) << QDate(2024, 5, 10)
        << QDate(2024, 5, 10);
    QTest::newRow("new maximum before the selection pulls it along")
        << QStringList{"max:2024-05-03"} << QDate::fromJulianDay(1) << QDate(2024, 5, 3)
        << QDate(2024, 5, 3);
    QTest::newRow("new maximum before the minimum moves the minimum")
        << QStringList{"min:2024-05-20", "max:2024-05-01"} << QDate(2024, 5, 1) << QDate(2024, 5, 1)
        << QDate(2024, 5, 1);
    QTest::newRow("new minimum after the maximum moves the maximum")
        << QStringList{"max:2024-06-30", "min:2024-07-15"} << QDate(2024, 7, 15)
        << QDate(2024, 7, 15) << QDate(2024, 7, 15);
    QTest::newRow("a date outside the range is clamped")
        << QStringList{"range:2024-01-01,2024-12-31", "date:2025-03-03"} << QDate(2024, 1, 1)
        << QDate(2024, 12, 31) << QDate(2024, 12, 31);
    QTest::newRow("an invalid date is refused")
        << QStringList{"date:invalid"} << QDate::fromJulianDay(1) << QDate(7999, 12, 31)
        << QDate(2024, 5, 15);
}

void TestCCalendarModel::range()
{
    QFETCH(QStringList, steps);
    QFETCH(QDate, minimum);
    QFETCH(QDate, maximum);
    QFETCH(QDate, selected);

    QObject owner;
    CCalendarModel* model = NewModel(&owner, 2024, 5);
    model->SetDate(QDate(2024, 5, 15));
    for (const QString& step : steps) {
        const QString kind = step.section(QLatin1Char(':'), 0, 0);
        const QStringList dates = step.section(QLatin1Char(':'), 1).split(QLatin1Char(','));
        const QDate a = QDate::fromString(dates.value(0), Qt::ISODate);
        const QDate b = QDate::fromString(dates.value(1), Qt::ISODate);
        if (kind == QLatin1String("range"))
            model->SetRange(a, b);
        else if (kind == QLatin1String("min"))
            model->SetMinimumDate(a);
        else if (kind == QLatin1String("max"))
            model->SetMaximumDate(a);
        else
            model->SetDate(a);
    }
    QCOMPARE(model->GetMinimumDate(), minimum);
    QCOMPARE(model->GetMaximumDate(), maximum);
    QCOMPARE(model->GetDate(), selected);
}

void TestCCalendarModel::shownMonthStaysInRange()
{
    QObject owner;
    CCalendarModel* model = NewModel(&owner, 2024, 5);
    model->SetRange(QDate(2024, 3, 10), QDate(2024, 8, 20));
    model->ShowMonth(2023, 12);
    QCOMPARE(model->GetShownYear(), 2024);
    QCOMPARE(model->GetShownMonth(), 3);
    model->ShowMonth(2025, 1);
    QCOMPARE(model->GetShownMonth(), 8);
    model->ShowMonth(2024, 13);
    QCOMPARE(model->GetShownMonth(), 8);

    // Days outside the range are on the grid but cannot be picked.
    model->ShowMonth(2024, 3);
    QVERIFY(!(model->flags(model->IndexForDate(QDate(2024, 3, 9))) & Qt::ItemIsSelectable));
    QVERIFY(model->flags(model->IndexForDate(QDate(2024, 3, 10))) & Qt::ItemIsSelectable);
    QVERIFY(!(model->flags(model->index(0, 2)) & Qt::ItemIsSelectable));
}

void TestCCalendarModel::headerRowAndWeekColumnComeAndGo()
{
    QObject owner;
    CCalendarModel* model = NewModel(&owner, 2024, 5);
    QSignalSpy removedRows(model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy insertedColumns(model, &QAbstractItemModel::columnsInserted);

    model->SetHorizontalHeaderFormat(CCalendarWidget::NoHorizontalHeader);
    QCOMPARE(removedRows.count(), 1);
    QCOMPARE(model->rowCount(), 6);
    QCOMPARE(model->DateForCell(0, 1), QDate(2024, 4, 28));

    model->SetVerticalHeaderFormat(CCalendarWidget::NoVerticalHeader);
    QCOMPARE(model->columnCount(), 7);
    QCOMPARE(model->DateForCell(0, 0), QDate(2024, 4, 28));
    QCOMPARE(model->DateForCell(5, 6), QDate(2024, 6, 8));
    QCOMPARE(model->IndexForDate(QDate(2024, 5, 1)), model->index(0, 3));

    model->SetVerticalHeaderFormat(CCalendarWidget::ISOWeekNumbers);
    QCOMPARE(insertedColumns.count(), 1);
    model->SetHorizontalHeaderFormat(CCalendarWidget::LongDayNames);
    QCOMPARE(model->rowCount(), 7);
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("Sunday"));
    QCOMPARE(model->DateForCell(1, 1), QDate(2024, 4, 28));
}

void TestCCalendarModel::onlyHeaderRowAndWeekColumnCanBeInserted_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("a second header row is refused") << "insertRows" << 0 << 1 << false;
    QTest::newRow("removing a day row is refused") << "removeRows" << 3 << 1 << false;
    QTest::newRow("the header row can go") << "removeRows" << 0 << 1 << true;
    QTest::newRow("the week column can go") << "removeColumns" << 0 << 1 << true;
    QTest::newRow("a day column cannot go") << "removeColumns" << 4 << 1 << false;
}

void TestCCalendarModel::onlyHeaderRowAndWeekColumnCanBeInserted()
{
    QFETCH(QString, operation);
    QFETCH(int, position);
    QFETCH(int, count);
    QFETCH(bool, accepted);

    QObject owner;
    CCalendarModel* model = NewModel(&owner, 2024, 5);
    const int rows = model->rowCount();
    const int columns = model->columnCount();
    bool result = false;
    if (operation == QLatin1String("insertRows"))
        result = model->insertRows(position, count);
    else if (operation == QLatin1String("removeRows"))
        result = model->removeRows(position, count);
    else if (operation == QLatin1String("insertColumns"))
        result = model->insertColumns(position, count);
    else
        result = model->removeColumns(position, count);
    QCOMPARE(result, accepted);
    QCOMPARE(model->rowCount() + model->columnCount() == rows + columns, !accepted);
}

void TestCCalendarModel::cellLooks()
{
    QObject owner;
    CCalendarModel* model = NewModel(&owner, 2024, 5);
    const auto colour = [model](const QDate& date) {
        return qvariant_cast<QBrush>(model->IndexForDate(date).data(Qt::ForegroundRole)).color();
    };
    // Wednesday 15, Saturday 18, 30 April (previous month), 1 June (next month).
    const QColor weekday = colour(QDate(2024, 5, 15));
    QVERIFY(weekday.isValid());
    QVERIFY(colour(QDate(2024, 5, 18)) != weekday);
    QCOMPARE(colour(QDate(2024, 5, 19)), colour(QDate(2024, 5, 18)));
    const QColor otherMonth = colour(QDate(2024, 4, 30));
    QVERIFY(otherMonth != weekday);
    QCOMPARE(colour(QDate(2024, 6, 1)), otherMonth);

    model->SetRange(QDate(2024, 5, 10), QDate(2024, 5, 20));
    QVERIFY(colour(QDate(2024, 5, 9)) != weekday);
    QVERIFY(colour(QDate(2024, 5, 9)) != otherMonth);

    QTextCharFormat reminder;
    reminder.setToolTip(QStringLiteral("Installation day"));
    reminder.setFontItalic(true);
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    model->SetDateTextFormat(QDate(2024, 5, 15), reminder);
    QCOMPARE(changed.count(), 1);
    const QModelIndex cell = model->IndexForDate(QDate(2024, 5, 15));
    QCOMPARE(changed.at(0).at(0).toModelIndex(), cell);
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("Installation day"));
    QVERIFY(qvariant_cast<QFont>(cell.data(Qt::FontRole)).italic());
    QVERIFY(!model->IndexForDate(QDate(2024, 5, 16)).data(Qt::ToolTipRole).isValid());

    // Today stands out in bold, wherever the grid is.
    const QDate today = QDate::currentDate();
    model->SetRange(today.addYears(-1), today.addYears(1));
    model->ShowMonth(today.year(), today.month());
    QVERIFY(qvariant_cast<QFont>(model->IndexForDate(today).data(Qt::FontRole)).bold());
    QVERIFY(!model->IndexForDate(today.addDays(1)).data(Qt::FontRole).isValid() ||
            !qvariant_cast<QFont>(model->IndexForDate(today.addDays(1)).data(Qt::FontRole)).bold());
}

QTEST_MAIN(TestCCalendarModel)
#include "tst_ccalendarmodel.moc"
