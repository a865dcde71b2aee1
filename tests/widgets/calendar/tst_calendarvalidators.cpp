// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/calendarvalidators.h"

#include <QtTest>
#include <memory>

// The day, month and year sections of a typed date. Keys are written as text: digits, 'B' for
// Backspace, 'U' for Up and 'D' for Down.

Q_DECLARE_METATYPE(QCalendarDateSectionValidator::Section)

namespace {
std::unique_ptr<QCalendarDateSectionValidator> Make(const QString& kind)
{
    if (kind == QLatin1String("day"))
        return std::make_unique<QCalendarDayValidator>();
    if (kind == QLatin1String("month"))
        return std::make_unique<QCalendarMonthValidator>();
    return std::make_unique<QCalendarYearValidator>();
}

int KeyFor(QChar c)
{
    if (c == QLatin1Char('B'))
        return Qt::Key_Backspace;
    if (c == QLatin1Char('U'))
        return Qt::Key_Up;
    if (c == QLatin1Char('D'))
        return Qt::Key_Down;
    return Qt::Key_0 + c.digitValue();
}
} // namespace

class TestCalendarValidators : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void applyToDate_data();
    void applyToDate();
};

void TestCalendarValidators::keys_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("value");
    QTest::addColumn<QCalendarDateSectionValidator::Section>("last");
    QTest::addColumn<QString>("text");

    using V = QCalendarDateSectionValidator;
    const QDate may15(2024, 5, 15);
    QTest::newRow("day: 4 cannot start a two-digit day, done at once")
        << "day" << may15 << "4" << 4 << V::NextSection << "04";
    QTest::newRow("day: 3 may become 30 or 31, waits")
        << "day" << may15 << "3" << 3 << V::ThisSection << "3";
    QTest::newRow("day: 35 is too big, the 5 starts again")
        << "day" << may15 << "35" << 5 << V::NextSection << "05";
    QTest::newRow("day: a leading zero waits, value kept")
        << "day" << may15 << "0" << 15 << V::ThisSection << "0";
    QTest::newRow("day: 00 is no day, still waiting")
        << "day" << may15 << "00" << 15 << V::ThisSection << "0";
    QTest::newRow("day: Backspace while typing restores the day")
        << "day" << may15 << "2B" << 15 << V::ThisSection << "15";
    QTest::newRow("day: Backspace with nothing typed goes back a section")
        << "day" << may15 << "B" << 15 << V::PrevSection << "15";
    QTest::newRow("day: Up from 31 wraps to 1")
        << "day" << QDate(2024, 5, 31) << "U" << 1 << V::ThisSection << "01";
    QTest::newRow("day: Down from 1 wraps to 31")
        << "day" << QDate(2024, 5, 1) << "D" << 31 << V::ThisSection << "31";
    QTest::newRow("month: 2 is done at once")
        << "month" << may15 << "2" << 2 << V::NextSection << "02";
    QTest::newRow("month: 1 waits for 10 to 12")
        << "month" << may15 << "1" << 1 << V::ThisSection << "1";
    QTest::newRow("month: 13 is too big, the 3 starts again")
        << "month" << may15 << "13" << 3 << V::NextSection << "03";
    QTest::newRow("month: Up from December wraps to January")
        << "month" << QDate(2024, 12, 1) << "U" << 1 << V::ThisSection << "01";
    QTest::newRow("year: four digits")
        << "year" << may15 << "2031" << 2031 << V::NextSection << "2031";
    QTest::newRow("year: three digits change nothing yet")
        << "year" << may15 << "203" << 2024 << V::ThisSection << "203";
    QTest::newRow("year: 0000 is no year")
        << "year" << may15 << "0000" << 2024 << V::NextSection << "2024";
    QTest::newRow("year: 0999 is the year 999")
        << "year" << may15 << "0999" << 999 << V::NextSection << "0999";
    QTest::newRow("year: Backspace drops the last typed digit")
        << "year" << may15 << "203B" << 2024 << V::ThisSection << "20";
    QTest::newRow("year: Backspace with nothing typed goes back a section")
        << "year" << may15 << "B" << 2024 << V::PrevSection << "2024";
}

void TestCalendarValidators::keys()
{
    QFETCH(QString, kind);
    QFETCH(QDate, start);
    QFETCH(QString, keys);
    QFETCH(int, value);
    QFETCH(QCalendarDateSectionValidator::Section, last);
    QFETCH(QString, text);

    std::unique_ptr<QCalendarDateSectionValidator> validator = Make(kind);
    validator->SetDate(start);
    QCalendarDateSectionValidator::Section result = QCalendarDateSectionValidator::ThisSection;
    for (QChar c : keys)
        result = validator->HandleKey(KeyFor(c));
    QCOMPARE(result, last);
    QCOMPARE(validator->Value(), value);
    QCOMPARE(validator->Text(), text);
}

void TestCalendarValidators::applyToDate_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("day 31 in February is the leap day")
        << "day"
        << "31" << QDate(2024, 2, 10) << QDate(2024, 2, 29);
    QTest::newRow("month 2 from the 31st cuts the day")
        << "month"
        << "2" << QDate(2023, 1, 31) << QDate(2023, 2, 28);
    QTest::newRow("year 2023 from the leap day")
        << "year"
        << "2023" << QDate(2024, 2, 29) << QDate(2023, 2, 28);
    QTest::newRow("an unfinished year leaves the date alone")
        << "year"
        << "19" << QDate(2024, 6, 1) << QDate(2024, 6, 1);
    QTest::newRow("an invalid date stays invalid") << "day"
                                                   << "4" << QDate() << QDate();
}

void TestCalendarValidators::applyToDate()
{
    QFETCH(QString, kind);
    QFETCH(QString, keys);
    QFETCH(QDate, date);
    QFETCH(QDate, expected);

    std::unique_ptr<QCalendarDateSectionValidator> validator = Make(kind);
    validator->SetDate(date.isValid() ? date : QDate(2024, 6, 1));
    for (QChar c : keys)
        validator->HandleKey(KeyFor(c));
    QCOMPARE(validator->ApplyToDate(date), expected);
}

QTEST_APPLESS_MAIN(TestCalendarValidators)
#include "tst_calendarvalidators.moc"
