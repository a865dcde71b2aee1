// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALENDARVALIDATORS_H
#define CALENDARVALIDATORS_H

#include <QDate>
#include <QString>

// One section (day, month or year) of a date typed into the calendar. Digits build the
// section's number, Backspace drops what was typed, Up and Down step it; the result says
// whether typing goes on in this section or moves to a neighbour.
class QCalendarDateSectionValidator
{
public:
    enum Section
    {
        NextSection,
        ThisSection,
        PrevSection
    };

    QCalendarDateSectionValidator() = default;
    virtual ~QCalendarDateSectionValidator();

    virtual Section HandleKey(int key) = 0;
    // `date` with this section's value; the day is cut to the month's length.
    virtual QDate ApplyToDate(const QDate& date) const = 0;
    virtual void SetDate(const QDate& date) = 0;
    // What the section shows: the digits typed so far, or the whole value.
    virtual QString Text() const = 0;

    int Value() const { return m_value; }
    bool IsTyping() const { return m_typed > 0; }

protected:
    // Day and month: at most two digits, from 1 to `maximum`. A first digit that no second
    // digit could follow completes the section at once.
    Section HandleTwoDigitKey(int key, int maximum);
    QString TwoDigitText() const;

    int m_value = 1;
    // The value before typing began, for Backspace to restore.
    int m_before = 1;
    int m_pending = 0;
    int m_typed = 0;
};

class QCalendarDayValidator : public QCalendarDateSectionValidator
{
public:
    Section HandleKey(int key) override;
    QDate ApplyToDate(const QDate& date) const override;
    void SetDate(const QDate& date) override;
    QString Text() const override;
};

class QCalendarMonthValidator : public QCalendarDateSectionValidator
{
public:
    Section HandleKey(int key) override;
    QDate ApplyToDate(const QDate& date) const override;
    void SetDate(const QDate& date) override;
    QString Text() const override;
};

// Four digits; the year changes only when all four are typed, so a pause half-way does not
// jump to the year 20.
class QCalendarYearValidator : public QCalendarDateSectionValidator
{
public:
    Section HandleKey(int key) override;
    QDate ApplyToDate(const QDate& date) const override;
    void SetDate(const QDate& date) override;
    QString Text() const override;
};

#endif
