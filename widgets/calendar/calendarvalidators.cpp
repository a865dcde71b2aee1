// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/calendarvalidators.h"

namespace {
bool IsDigitKey(int key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}

QDate WithDay(int year, int month, int day)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return QDate();
    return QDate(year, month, qBound(1, day, first.daysInMonth()));
}
} // namespace

QCalendarDateSectionValidator::~QCalendarDateSectionValidator() = default;

QCalendarDateSectionValidator::Section QCalendarDateSectionValidator::HandleTwoDigitKey(int key,
                                                                                        int maximum)
{
    switch (key) {
    case Qt::Key_Backspace:
        if (m_typed > 0) {
            m_typed = 0;
            m_pending = 0;
            m_value = m_before;
            return ThisSection;
        }
        return PrevSection;
    case Qt::Key_Up:
        m_typed = 0;
        m_value = m_value % maximum + 1;
        return ThisSection;
    case Qt::Key_Down:
        m_typed = 0;
        m_value = (m_value + maximum - 2) % maximum + 1;
        return ThisSection;
    default:
        break;
    }
    if (!IsDigitKey(key))
        return ThisSection;

    const int digit = key - Qt::Key_0;
    if (m_typed == 0) {
        if (digit > maximum / 10) {
            m_value = digit;
            return NextSection;
        }
        m_before = m_value;
        m_pending = digit;
        m_typed = 1;
        if (digit > 0)
            m_value = digit;
        return ThisSection;
    }
    const int number = m_pending * 10 + digit;
    if (number == 0)
        return ThisSection;
    m_typed = 0;
    m_pending = 0;
    if (number > maximum) {
        // Too big for two digits: the second digit starts the section again.
        m_value = m_before;
        return HandleTwoDigitKey(key, maximum);
    }
    m_value = number;
    return NextSection;
}

QString QCalendarDateSectionValidator::TwoDigitText() const
{
    if (m_typed > 0)
        return QString::number(m_pending);
    return QStringLiteral("%1").arg(m_value, 2, 10, QLatin1Char('0'));
}

QCalendarDateSectionValidator::Section QCalendarDayValidator::HandleKey(int key)
{
    return HandleTwoDigitKey(key, 31);
}

QDate QCalendarDayValidator::ApplyToDate(const QDate& date) const
{
    if (!date.isValid())
        return date;
    return WithDay(date.year(), date.month(), m_value);
}

void QCalendarDayValidator::SetDate(const QDate& date)
{
    m_typed = 0;
    m_pending = 0;
    if (date.isValid())
        m_value = date.day();
}

QString QCalendarDayValidator::Text() const
{
    return TwoDigitText();
}

QCalendarDateSectionValidator::Section QCalendarMonthValidator::HandleKey(int key)
{
    return HandleTwoDigitKey(key, 12);
}

QDate QCalendarMonthValidator::ApplyToDate(const QDate& date) const
{
    if (!date.isValid())
        return date;
    return WithDay(date.year(), m_value, date.day());
}

void QCalendarMonthValidator::SetDate(const QDate& date)
{
    m_typed = 0;
    m_pending = 0;
    if (date.isValid())
        m_value = date.month();
}

QString QCalendarMonthValidator::Text() const
{
    return TwoDigitText();
}

QCalendarDateSectionValidator::Section QCalendarYearValidator::HandleKey(int key)
{
    switch (key) {
    case Qt::Key_Backspace:
        if (m_typed > 0) {
            m_pending /= 10;
            --m_typed;
            return ThisSection;
        }
        return PrevSection;
    case Qt::Key_Up:
        m_typed = 0;
        m_pending = 0;
        m_value = qMin(m_value + 1, 9999);
        return ThisSection;
    case Qt::Key_Down:
        m_typed = 0;
        m_pending = 0;
        m_value = qMax(m_value - 1, 1);
        return ThisSection;
    default:
        break;
    }
    if (!IsDigitKey(key))
        return ThisSection;

    m_pending = m_pending * 10 + (key - Qt::Key_0);
    if (++m_typed < 4)
        return ThisSection;
    // Year 0 does not exist; "0000" leaves the year as it was.
    if (m_pending > 0)
        m_value = m_pending;
    m_typed = 0;
    m_pending = 0;
    return NextSection;
}

QDate QCalendarYearValidator::ApplyToDate(const QDate& date) const
{
    if (!date.isValid())
        return date;
    const QDate result = WithDay(m_value, date.month(), date.day());
    return result.isValid() ? result : date;
}

void QCalendarYearValidator::SetDate(const QDate& date)
{
    m_typed = 0;
    m_pending = 0;
    if (date.isValid())
        m_value = date.year();
}

QString QCalendarYearValidator::Text() const
{
    if (m_typed > 0)
        return QStringLiteral("%1").arg(m_pending, m_typed, 10, QLatin1Char('0'));
    return QStringLiteral("%1").arg(m_value, 4, 10, QLatin1Char('0'));
}
