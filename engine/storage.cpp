// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/storage.h"

#include <algorithm>

namespace {

// One TB is 10^12 bytes = 8 x 10^12 bits = 8 x 10^9 kilobits.
constexpr quint64 KilobitsPerTB = 8000000000ULL;
// A whole percent of a TB is still whole kilobits, so the reserve costs no rounding.
constexpr quint64 KilobitsPerTBPercent = KilobitsPerTB / 100;
// One TiB is 2^40 bytes.
constexpr int TiBShift = 40;
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

bool IsStorageReserve(int percent)
{
    return percent >= CalMinStorageReserve && percent <= CalMaxStorageReserve;
}

bool IsHotSpares(int spares)
{
    return spares >= CalMinHotSpares && spares <= CalMaxHotSpares;
}

// What one disk holds after the reserve; at most 24 x 8e9, far from the top.
quint64 UsableKilobitsPerDisk(int diskTB, int reservePercent)
{
    return quint64(diskTB) * KilobitsPerTBPercent * quint64(100 - reservePercent);
}

// The kbps one recorder records; false for a negative rate or count or a sum beyond 64 bits.
bool RecordedKbps(const std::vector<CalStorageCamera>& cameras, CalStreams streams, quint64* kbps)
{
    *kbps = 0;
    for (const CalStorageCamera& camera : cameras) {
        if (camera.firstKbps < 0 || camera.secondKbps < 0 || camera.count < 0)
            return false;
        quint64 one = quint64(camera.firstKbps);
        if (streams == CalStreams::Both)
            one += quint64(camera.secondKbps);
        quint64 type = 0;
        if (!MulChecked(one, quint64(camera.count), &type) || !AddChecked(*kbps, type, kbps))
            return false;
    }
    return true;
}

} // namespace

std::vector<int> CalDiskSizesTB()
{
    return {1, 2, 3, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24};
}

CalStorageInput CheckStorageInputs(const CalStorageInputs& inputs)
{
    if (inputs.goal != CalStorageGoal::Disks && inputs.goal != CalStorageGoal::DaysKept)
        return CalStorageInput::Goal;
    const bool daysKept = inputs.goal == CalStorageGoal::DaysKept;
    if (!daysKept &&
        (inputs.retentionDays < CalMinRetentionDays || inputs.retentionDays > CalMaxRetentionDays))
        return CalStorageInput::RetentionDays;
    if (daysKept && (inputs.disksPerRecorder < CalMinDisksPerRecorder ||
                     inputs.disksPerRecorder > CalMaxDisksPerRecorder))
        return CalStorageInput::DisksPerRecorder;
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
    if (!IsStorageReserve(inputs.storageReservePercent))
        return CalStorageInput::StorageReserve;
    if (!IsHotSpares(inputs.hotSpares))
        return CalStorageInput::HotSpares;
    if (daysKept && inputs.diskTB == CalDiskSmallestFits)
        return CalStorageInput::DaysKeptDiskSize;
    if (daysKept &&
        !SplitDisks(quint64(inputs.disksPerRecorder), inputs.redundancy, inputs.hotSpares).ok)
        return CalStorageInput::TooFewDisks;
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

quint64 DisksNeeded(quint64 kilobits, int diskTB, CalRedundancy redundancy,
                    int storageReservePercent, int hotSpares)
{
    if (!IsDiskSize(diskTB) || !IsRedundancy(redundancy) ||
        !IsStorageReserve(storageReservePercent) || !IsHotSpares(hotSpares) || kilobits == 0)
        return 0;
    const quint64 perDisk = UsableKilobitsPerDisk(diskTB, storageReservePercent);
    // Quotient and remainder rather than (a + b - 1) / b, which could wrap near the top.
    const quint64 data = kilobits / perDisk + (kilobits % perDisk != 0 ? 1 : 0);
    // data is at most 2^64 / 5.6e9 (1 TB, 30 % kept free), so none of these can wrap.
    const quint64 spares = quint64(hotSpares);
    switch (redundancy) {
    case CalRedundancy::None:
        return data + spares;
    case CalRedundancy::Mirrored:
        return 2 * data + spares;
    case CalRedundancy::SingleParity:
        return std::max<quint64>(data + 1, 3) + spares;
    case CalRedundancy::DoubleParity:
        return std::max<quint64>(data + 2, 4) + spares;
    }
    return 0;
}

int SmallestSet(CalRedundancy redundancy)
{
    switch (redundancy) {
    case CalRedundancy::None:
        return 1;
    case CalRedundancy::Mirrored:
        return 2;
    case CalRedundancy::SingleParity:
        return 3;
    case CalRedundancy::DoubleParity:
        return 4;
    }
    return 0;
}

CalDiskSplit SplitDisks(quint64 disks, CalRedundancy redundancy, int hotSpares)
{
    CalDiskSplit split;
    if (!IsRedundancy(redundancy) || !IsHotSpares(hotSpares))
        return split;
    if (disks == 0) {
        split.ok = true;
        return split;
    }
    const quint64 spares = quint64(hotSpares);
    if (disks < spares + quint64(SmallestSet(redundancy)))
        return split;
    const quint64 set = disks - spares;
    split.ok = true;
    split.spares = spares;
    switch (redundancy) {
    case CalRedundancy::None:
        split.data = set;
        break;
    case CalRedundancy::Mirrored:
        split.data = set / 2;
        split.redundancy = set / 2;
        split.unused = set % 2;
        break;
    case CalRedundancy::SingleParity:
        split.data = set - 1;
        split.redundancy = 1;
        break;
    case CalRedundancy::DoubleParity:
        split.data = set - 2;
        split.redundancy = 2;
        break;
    }
    return split;
}

CalStorage RecorderStorage(const std::vector<CalStorageCamera>& cameras,
                           const CalStorageInputs& inputs)
{
    CalStorage result;
    if (CheckStorageInputs(inputs) != CalStorageInput::None)
        return result;
    quint64 kbps = 0;
    quint64 kilobits = 0;
    if (inputs.goal == CalStorageGoal::DaysKept) {
        // The disks are given: what their data disks hold is the storage.
        if (!RecordedKbps(cameras, inputs.streams, &kbps))
            return result;
        const CalDiskSplit split =
            SplitDisks(quint64(inputs.disksPerRecorder), inputs.redundancy, inputs.hotSpares);
        result.ok = true;
        result.diskTB = inputs.diskTB;
        result.disks = quint64(inputs.disksPerRecorder);
        result.kilobits =
            split.data * UsableKilobitsPerDisk(inputs.diskTB, inputs.storageReservePercent);
        return result;
    }
    if (!RecordedKbps(cameras, inputs.streams, &kbps) ||
        !MulChecked(kbps, RecordedSeconds(inputs), &kilobits))
        return result;
    result.ok = true;
    result.kilobits = kilobits;
    result.diskTB = inputs.diskTB == CalDiskSmallestFits ? CalDiskSizesTB().back() : inputs.diskTB;
    result.disks = DisksNeeded(kilobits, result.diskTB, inputs.redundancy,
                               inputs.storageReservePercent, inputs.hotSpares);
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
        const quint64 disks = DisksNeeded(recorder.kilobits, tb, inputs.redundancy,
                                          inputs.storageReservePercent, inputs.hotSpares);
        if (bays > 0 && disks <= quint64(bays)) {
            recorder.diskTB = tb;
            recorder.disks = disks;
            recorder.fit = CalBayFit::Fits;
            return;
        }
    }
    // None fits, or the bays are unknown: the fewest disks the model allows.
    recorder.diskTB = sizes.back();
    recorder.disks = DisksNeeded(recorder.kilobits, recorder.diskTB, inputs.redundancy,
                                 inputs.storageReservePercent, inputs.hotSpares);
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

CalDaysKept RecorderDaysKept(const std::vector<CalStorageCamera>& cameras,
                             const CalStorageInputs& inputs, int disks)
{
    CalDaysKept kept;
    // The retention is what is asked for here, so whatever it holds does not count.
    CalStorageInputs checked = inputs;
    checked.goal = CalStorageGoal::Disks;
    checked.retentionDays = CalMinRetentionDays;
    if (CheckStorageInputs(checked) != CalStorageInput::None)
        return kept;
    kept.problem = CalDaysKeptProblem::DiskSize;
    if (inputs.diskTB == CalDiskSmallestFits)
        return kept;
    kept.problem = CalDaysKeptProblem::DiskCount;
    if (disks < CalMinDisksPerRecorder || disks > CalMaxDisksPerRecorder)
        return kept;
    kept.problem = CalDaysKeptProblem::TooFewDisks;
    const CalDiskSplit split = SplitDisks(quint64(disks), inputs.redundancy, inputs.hotSpares);
    if (!split.ok)
        return kept;
    kept.problem = CalDaysKeptProblem::Cameras;
    quint64 kbps = 0;
    quint64 perDay = 0;
    // A day's seconds: hours x share x 36, at most 86,400.
    const quint64 daySeconds =
        quint64(inputs.hoursPerDay) * quint64(inputs.recordedPercent) * SecondsPerPercentHour;
    if (!RecordedKbps(cameras, inputs.streams, &kbps) || !MulChecked(kbps, daySeconds, &perDay))
        return kept;
    kept.problem = CalDaysKeptProblem::None;
    kept.split = split;
    // At most 255 x 24 x 8e9 kilobits: no overflow.
    kept.usableKilobits =
        split.data * UsableKilobitsPerDisk(inputs.diskTB, inputs.storageReservePercent);
    kept.kilobitsPerDay = perDay;
    kept.unlimited = perDay == 0;
    kept.days = perDay == 0 ? 0 : kept.usableKilobits / perDay;
    return kept;
}

CalDaysKept SiteDaysKept(const std::vector<CalStorageLine>& lines, const CalStorageInputs& inputs,
                         int disks)
{
    // With no line at all the inputs still decide whether there is an answer.
    CalDaysKept shortest = RecorderDaysKept({}, inputs, disks);
    for (std::size_t i = 0; i < lines.size() && shortest.problem == CalDaysKeptProblem::None; ++i) {
        const CalStorageLine& line = lines[i];
        if (line.nvrCount < 0) {
            shortest = CalDaysKept();
            shortest.problem = CalDaysKeptProblem::Cameras;
            break;
        }
        if (line.nvrCount == 0)
            continue;
        CalDaysKept one = RecorderDaysKept(line.cameras, inputs, disks);
        if (one.problem != CalDaysKeptProblem::None) {
            shortest = one;
            break;
        }
        if (one.unlimited)
            continue;
        if (shortest.unlimited || one.days < shortest.days) {
            one.line = int(i);
            shortest = one;
        }
    }
    return shortest;
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

QString StorageTebibytesText(quint64 kilobits)
{
    // bytes / 2^40 = kilobits x 125 / 2^40. The whole TiB-multiples of kilobits and the rest
    // apart keep every product within 64 bits: rest x 12,500 < 2^54.
    const quint64 wholes = kilobits >> TiBShift;
    const quint64 rest = kilobits & ((quint64(1) << TiBShift) - 1);
    const quint64 hundredths =
        wholes * BytesPerKilobit * 100 +
        ((rest * BytesPerKilobit * 100 + (quint64(1) << (TiBShift - 1))) >> TiBShift);
    return QString::number(hundredths / 100) +
           QStringLiteral(".%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
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
