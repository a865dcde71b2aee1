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
    if (!IsDiskSize(inputs.diskTB) && inputs.diskTB != CalDiskSmallestFits)
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
    result.diskTB = inputs.diskTB == CalDiskSmallestFits ? CalDiskSizesTB().back() : inputs.diskTB;
    result.disks = DisksNeeded(kilobits, result.diskTB, inputs.redundancy);
    return result;
}

void FitDisks(CalStorage& recorder, const CalStorageInputs& inputs, int bays, int largestDiskTB)
{
    if (!recorder.ok)
        return;
    const auto judge = [&] {
        if (recorder.disks == 0)
            return bays > 0 || largestDiskTB > 0 ? CalBayFit::Fits : CalBayFit::Unknown;
        if (largestDiskTB > 0 && recorder.diskTB > largestDiskTB)
            return CalBayFit::DiskTooLarge;
        if (bays <= 0)
            return CalBayFit::Unknown;
        return recorder.disks <= quint64(bays) ? CalBayFit::Fits : CalBayFit::TooManyDisks;
    };
    if (inputs.diskTB != CalDiskSmallestFits) {
        recorder.fit = judge();
        return;
    }
    std::vector<int> sizes = CalDiskSizesTB();
    if (largestDiskTB > 0)
        sizes.erase(std::remove_if(sizes.begin(), sizes.end(),
                                   [largestDiskTB](int tb) { return tb > largestDiskTB; }),
                    sizes.end());
    if (sizes.empty()) {
        recorder.fit = CalBayFit::NoSizeFits;
        return;
    }
    for (int tb : sizes) {
        const quint64 disks = DisksNeeded(recorder.kilobits, tb, inputs.redundancy);
        if (bays > 0 && disks <= quint64(bays)) {
            recorder.diskTB = tb;
            recorder.disks = disks;
            recorder.fit = CalBayFit::Fits;
            return;
        }
    }
    // None fits, or the bays are unknown: the fewest disks the model allows.
    recorder.diskTB = sizes.back();
    recorder.disks = DisksNeeded(recorder.kilobits, recorder.diskTB, inputs.redundancy);
    recorder.fit = bays > 0 ? CalBayFit::NoSizeFits : CalBayFit::Unknown;
}

CalStorage SumSiteStorage(const std::vector<CalStorage>& lines, const std::vector<int>& nvrCounts)
{
    CalStorage total;
    if (lines.size() != nvrCounts.size())
        return total;
    bool sizeSet = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const CalStorage& one = lines[i];
        quint64 kilobits = 0;
        quint64 disks = 0;
        if (!one.ok || nvrCounts[i] < 0 ||
            !MulChecked(one.kilobits, quint64(nvrCounts[i]), &kilobits) ||
            !MulChecked(one.disks, quint64(nvrCounts[i]), &disks) ||
            !AddChecked(total.kilobits, kilobits, &total.kilobits) ||
            !AddChecked(total.disks, disks, &total.disks))
            return CalStorage();
        if (!sizeSet)
            total.diskTB = one.diskTB;
        else if (total.diskTB != one.diskTB)
            total.diskTB = 0;
        sizeSet = true;
        if (one.fit == CalBayFit::TooManyDisks || one.fit == CalBayFit::DiskTooLarge ||
            one.fit == CalBayFit::NoSizeFits)
            ++total.linesNotFitting;
    }
    total.ok = true;
    return total;
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
        total.diskTB = one.diskTB;
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
