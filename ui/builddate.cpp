// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/builddate.h"

#include <QStringList>

unsigned int BuildDateToNumber(const QString& dateText)
{
    static const QStringList months = {
        QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
        QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};

    QString month = dateText.mid(0, 3);
    const QString dayText = dateText.mid(4, 2);
    const QString year = dateText.mid(7, 4);

    const int monthIndex = months.indexOf(month);
    // An unknown month stays as text, so the whole number fails to read below.
    if (monthIndex >= 0)
        month = QStringLiteral("%1").arg(monthIndex + 1, 2, 10, QLatin1Char('0'));

    bool dayOk = false;
    const unsigned int day = dayText.trimmed().toUInt(&dayOk, 10);
    if (!dayOk)
        return 0;

    bool ok = false;
    const unsigned int number =
        (year + month + QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'))).toUInt(&ok, 10);
    return ok ? number : 0;
}

unsigned int BuildDateToNumber()
{
    return BuildDateToNumber(QString::fromLatin1(__DATE__));
}
