// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bitrate.h"

#include "engine/nvrcatalogue.h"

#include <algorithm>
#include <climits>

// The conversion the texts were designed for had a 32-bit long; a number that does not fit
// failed to convert there, and it has no 32-bit result here either.
static qint64 ToLong32(const QString& text)
{
    // Qt's conversion stops at a NUL and takes what came before it: "5\0,M,0M" would read as
    // 5M, and a remark could then hide behind a NUL. No bit-rate text holds one.
    if (text.contains(QChar(0)))
        return 0;
    bool ok = false;
    const qint64 value = text.toLongLong(&ok, 10);
    if (!ok || value < INT_MIN || value > INT_MAX)
        return 0;
    return value;
}

static int FromUnitNumber(const QString& number, qint64 factor)
{
    if (number == QLatin1String("0"))
        return 0;
    const qint64 value = ToLong32(number) * factor;
    if (value == 0 || value < INT_MIN || value > INT_MAX)
        return -1;
    return int(value);
}

int ParseBitRate(const QString& typed)
{
    // Spaces around a bit rate, typed or pasted, mean nothing, wherever they stand.
    const QString text = typed.trimmed();
    QString work = text;
    if (work.endsWith(QLatin1Char(')'))) {
        const qsizetype open = work.indexOf(QLatin1Char('('));
        if (open >= 0)
            work.truncate(open);
    }

    if (work.endsWith(QLatin1Char('m'), Qt::CaseInsensitive))
        return FromUnitNumber(work.left(work.indexOf(QLatin1Char('m'), 0, Qt::CaseInsensitive)),
                              1024);
    if (work.endsWith(QLatin1Char('k'), Qt::CaseInsensitive))
        return FromUnitNumber(work.left(work.indexOf(QLatin1Char('k'), 0, Qt::CaseInsensitive)), 1);

    // The zero test looks at the text as given, so "0(1M)" is no zero bit rate.
    if (text == QLatin1String("0"))
        return 0;
    const qint64 value = ToLong32(work);
    return value == 0 ? -1 : int(value);
}

int CalIPCCapacity(const CalNVRSelection& selection, int bitRate,
                   const std::vector<CalNVRInfo>& own, int reservePercent)
{
    if (bitRate <= 0)
        return 0;
    qint64 total = 0;
    for (const auto& [id, entry] : selection) {
        const auto& [disabledChannels, recorders] = entry;
        if (recorders <= 0)
            continue;
        CalNVRInfo model; // fresh each time: an unknown id writes nothing into it
        FindModelById(own, id, model, disabledChannels);
        model.bandwidth = ReservedBandwidth(model.bandwidth, reservePercent);
        int perRecorder = 0;
        if (bitRate == model.bandwidth)
            perRecorder = 1;
        else if (bitRate < model.bandwidth)
            perRecorder = std::max(0, std::min(model.bandwidth / bitRate, model.usableChannels));
        total += qint64(perRecorder) * recorders;
        if (total >= INT_MAX)
            return INT_MAX;
    }
    return int(total);
}
