// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/storage.h"

#include <algorithm>

namespace {

// One TB is 10^12 bytes = 8 x 10^12 bits = 8 x 10^9 kilobits.
constexpr quint64 KilobitsPerTB = 8000000000ULL;
constexpr quint64 BytesPerKilobit = 125;
// A whole-percent share of one hour: 3600 s / 100.
constexpr quint64 SecondsPerPercentHour = 36;

bool IsDiskSize(int diskTB)
{
    const std::vector<int> sizes = CalDiskSizesTB();
    return std::find(sizes.begin(), sizes.end(), diskTB) != sizes.end();
}

bool IsRedundancy(CalRedundancy redundancy)
{
    switch (redundancy) {
    case CalRedundancy::None:
    case CalRedundancy::Mirrored:
    case CalRedundancy::SingleParity:
    case CalRedundancy::DoubleParity:
        return true;
    }
    return false;
}

bool MulChecked(quint64 a, quint64 b, quint64* result)
{
    return !__builtin_mul_overflow(a, b, result);
}

bool AddChecked(quint64 a, quint64 b, quint64* result)
{
    return !__builtin_add_overflow(a, b, result);
}

} // namespace

std::vector<int> CalDiskSizesTB()
{
    return {1, 2, 3, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24};
}

CalStorageInput CheckStorageInputs(const CalStorageInputs& inputs)
{
    if (inputs.retentionDays < CalMinRetentionDays || inputs.retentionDays > CalMaxRetentionDays)
        return CalStorageInput::RetentionDays;
    if (inputs.hoursPerDay < CalMinHoursPerDay || inputs.hoursPerDay > CalMaxHoursPerDay)
        return CalStorageInput::HoursPerDay;
    if (inputs.recordedPercent < CalMinRecordedPercent ||
        inputs.recordedPercent > CalMaxRecordedPercent)
        return CalStorageInput::RecordedPercent;
    if (inputs.streams != CalStreams::FirstOnly && inputs.streams != CalStreams::Both)
        return CalStorageInput::Streams;
    if (!IsDiskSize(inputs.diskTB))
        return CalStorageInput::DiskSize;
    if (!IsRedundancy(inputs.redundancy))
        return CalStorageInput::Redundancy;
    return CalStorageInput::None;
}

quint64 RecordedSeconds(const CalStorageInputs& inputs)
{
    const CalStorageInput bad = CheckStorageInputs(inputs);
    if (bad == CalStorageInput::RetentionDays || bad == CalStorageInput::HoursPerDay ||
        bad == CalStorageInput::RecordedPercent)
        return 0;
    // At most 3650 x 24 x 100 x 36 = 315,360,000: no overflow possible.
    return quint64(inputs.retentionDays) * quint64(inputs.hoursPerDay) *
           quint64(inputs.recordedPercent) * SecondsPerPercentHour;
}

quint64 DisksNeeded(quint64 kilobits, int diskTB, CalRedundancy redundancy)
{
    if (!IsDiskSize(diskTB) || !IsRedundancy(redundancy) || kilobits == 0)
        return 0;
    const quint64 perDisk = quint64(diskTB) * KilobitsPerTB;
    // Quotient and remainder rather than (a + b - 1) / b, which could wrap near the top.
    const quint64 data = kilobits / perDisk + (kilobits % perDisk != 0 ? 1 : 0);
    // data is at most 2^64 / 8e9, so none of these can wrap.
    switch (redundancy) {
    case CalRedundancy::None:
        return data;
    case CalRedundancy::Mirrored:
        return 2 * data;
    case CalRedundancy::SingleParity:
        return std::max<quint64>(data + 1, 3);
    case CalRedundancy::DoubleParity:
        return std::max<quint64>(data + 2, 4);
    }
    return 0;
}

CalStorage RecorderStorage(const std::vector<CalStorageCamera>& cameras,
                           const CalStorageInputs& inputs)
{
    CalStorage result;
    if (CheckStorageInputs(inputs) != CalStorageInput::None)
        return result;
    quint64 kbps = 0;
    for (const CalStorageCamera& camera : cameras) {
        if (camera.firstKbps < 0 || camera.secondKbps < 0 || camera.count < 0)
            return result;
        quint64 one = quint64(camera.firstKbps);
        if (inputs.streams == CalStreams::Both)
            one += quint64(camera.secondKbps);
        quint64 type = 0;
        if (!MulChecked(one, quint64(camera.count), &type) || !AddChecked(kbps, type, &kbps))
            return result;
    }
    quint64 kilobits = 0;
    if (!MulChecked(kbps, RecordedSeconds(inputs), &kilobits))
        return result;
    result.ok = true;
    result.kilobits = kilobits;
    result.disks = DisksNeeded(kilobits, inputs.diskTB, inputs.redundancy);
    return result;
}

CalStorage SiteStorage(const std::vector<CalStorageLine>& lines, const CalStorageInputs& inputs)
{
    CalStorage total;
    if (CheckStorageInputs(inputs) != CalStorageInput::None)
        return total;
    for (const CalStorageLine& line : lines) {
        if (line.nvrCount < 0)
            return CalStorage();
        const CalStorage one = RecorderStorage(line.cameras, inputs);
        quint64 kilobits = 0;
        quint64 disks = 0;
        if (!one.ok || !MulChecked(one.kilobits, quint64(line.nvrCount), &kilobits) ||
            !MulChecked(one.disks, quint64(line.nvrCount), &disks) ||
            !AddChecked(total.kilobits, kilobits, &total.kilobits) ||
            !AddChecked(total.disks, disks, &total.disks))
            return CalStorage();
    }
    total.ok = true;
    return total;
}

double StorageTerabytes(quint64 kilobits)
{
    // Whole TB and the rest apart, so that large amounts keep their fraction.
    return double(kilobits / KilobitsPerTB) + double(kilobits % KilobitsPerTB) / KilobitsPerTB;
}

QString StorageBytesText(quint64 kilobits)
{
    // kilobits x 125 can exceed 64 bits; the whole TB and the remaining bytes (under 10^12)
    // are written one after the other instead.
    const quint64 wholeTB = kilobits / KilobitsPerTB;
    const quint64 restBytes = (kilobits % KilobitsPerTB) * BytesPerKilobit;
    if (wholeTB == 0)
        return QString::number(restBytes);
    return QString::number(wholeTB) + QStringLiteral("%1").arg(restBytes, 12, 10, QLatin1Char('0'));
}

QString StorageTerabytesText(quint64 kilobits)
{
    // Integers throughout, so that the sixth decimal is exact however large the amount.
    quint64 whole = kilobits / KilobitsPerTB;
    const quint64 restBytes = (kilobits % KilobitsPerTB) * BytesPerKilobit; // under 10^12
    quint64 millionths = (restBytes + 500000) / 1000000;
    if (millionths == 1000000) {
        ++whole;
        millionths = 0;
    }
    return QString::number(whole) + QStringLiteral(".%1").arg(millionths, 6, 10, QLatin1Char('0'));
}

const QStringList& CalStreamNames()
{
    static const QStringList names{QStringLiteral("first"), QStringLiteral("both")};
    return names;
}

const QStringList& CalRedundancyNames()
{
    static const QStringList names{QStringLiteral("none"), QStringLiteral("mirror"),
                                   QStringLiteral("parity1"), QStringLiteral("parity2")};
    return names;
}
