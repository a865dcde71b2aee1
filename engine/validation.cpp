// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/validation.h"

#include <QCoreApplication>
#include <QRegularExpression>

QString CalMessage(const char* text)
{
    return QCoreApplication::translate("CalMessages", text);
}

QString StorageInputMessage(CalStorageInput input, const CalStorageInputs& inputs)
{
    const auto range = [](const char* text, int min, int max) {
        return CalMessage(text).arg(min).arg(max);
    };
    switch (input) {
    case CalStorageInput::None:
        break;
    case CalStorageInput::RetentionDays:
        return range(CalMessages::RetentionRange, CalMinRetentionDays, CalMaxRetentionDays);
    case CalStorageInput::HoursPerDay:
        return range(CalMessages::HoursRange, CalMinHoursPerDay, CalMaxHoursPerDay);
    case CalStorageInput::RecordedPercent:
        return range(CalMessages::RecordedRange, CalMinRecordedPercent, CalMaxRecordedPercent);
    case CalStorageInput::Streams:
    case CalStorageInput::DiskSize:
    case CalStorageInput::Redundancy:
        return CalMessage(CalMessages::StorageChoices);
    case CalStorageInput::StorageReserve:
        return range(CalMessages::StorageReserveRange, CalMinStorageReserve, CalMaxStorageReserve);
    case CalStorageInput::HotSpares:
        return range(CalMessages::HotSparesRange, CalMinHotSpares, CalMaxHotSpares);
    case CalStorageInput::Goal:
        return CalMessage(CalMessages::StorageChoices);
    case CalStorageInput::DisksPerRecorder:
        return range(CalMessages::DisksPerRecorderRange, CalMinDisksPerRecorder,
                     CalMaxDisksPerRecorder);
    case CalStorageInput::DaysKeptDiskSize:
        return CalMessage(CalMessages::DaysKeptDiskSize);
    case CalStorageInput::TooFewDisks:
        return CalMessage(CalMessages::TooFewDisks)
            .arg(inputs.hotSpares)
            .arg(inputs.hotSpares + SmallestSet(inputs.redundancy));
    }
    return QString();
}

QString DaysKeptMessage(const CalDaysKept& kept, const CalStorageInputs& inputs)
{
    switch (kept.problem) {
    case CalDaysKeptProblem::None:
    case CalDaysKeptProblem::Cameras:
        break;
    case CalDaysKeptProblem::Inputs: {
        CalStorageInputs checked = inputs;
        checked.retentionDays = CalMinRetentionDays;
        checked.goal = CalStorageGoal::Disks;
        return StorageInputMessage(CheckStorageInputs(checked), checked);
    }
    case CalDaysKeptProblem::DiskSize:
        return CalMessage(CalMessages::DaysKeptDiskSize);
    case CalDaysKeptProblem::DiskCount:
        return CalMessage(CalMessages::DisksPerRecorderRange)
            .arg(CalMinDisksPerRecorder)
            .arg(CalMaxDisksPerRecorder);
    case CalDaysKeptProblem::TooFewDisks:
        return CalMessage(CalMessages::TooFewDisks)
            .arg(inputs.hotSpares)
            .arg(inputs.hotSpares + SmallestSet(inputs.redundancy));
    }
    return QString();
}

QString BandwidthReserveMessage(int reservePercent)
{
    if (IsValidBandwidthReserve(reservePercent))
        return QString();
    return CalMessage(CalMessages::BandwidthReserveRange)
        .arg(CalMinBandwidthReserve)
        .arg(CalMaxBandwidthReserve);
}

QString ModelFieldMessage(CalModelField field, const CalNVRInfo& model)
{
    switch (field) {
    case CalModelField::None:
        break;
    case CalModelField::Name:
        // A well-formed name is refused only for being taken.
        if (IsWellFormedModelName(model.name))
            return CalMessage(CalMessages::ModelNameTaken).arg(model.name);
        return CalMessage(CalMessages::ModelNameRule).arg(CalMaxModelNameChars);
    case CalModelField::Bandwidth:
        return CalMessage(CalMessages::ModelBandwidthRange).arg(1).arg(CalMaxModelBandwidth);
    case CalModelField::Channels:
        return CalMessage(CalMessages::ModelChannelsRange).arg(1).arg(CalMaxModelChannels);
    case CalModelField::MaxDisabledChannels:
        return CalMessage(CalMessages::ModelDisabledRange);
    case CalModelField::Bays:
        return CalMessage(CalMessages::ModelBaysRange).arg(1).arg(CalMaxModelBays);
    case CalModelField::LargestDisk:
        return CalMessage(CalMessages::ModelDiskRange).arg(1).arg(CalMaxModelDiskTB);
    }
    return QString();
}

QStringList BitRateChoices()
{
    return {QStringLiteral("0"),        QStringLiteral("32"),        QStringLiteral("64"),
            QStringLiteral("128"),      QStringLiteral("256"),       QStringLiteral("512"),
            QStringLiteral("1024(1M)"), QStringLiteral("2048(2M)"),  QStringLiteral("4096(4M)"),
            QStringLiteral("8192(8M)"), QStringLiteral("16384(16M)")};
}

bool IsValidBitRate(int kbps)
{
    return kbps == 0 || (kbps >= CalMinBitRate && kbps <= CalMaxBitRate);
}

bool IsValidBitRateText(const QString& text)
{
    return IsValidBitRate(ParseBitRate(text));
}

bool IsValidCountText(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,7}$"));
    const QString count = text.trimmed();
    return digits.match(count).hasMatch() && count.toInt() <= CalMaxTotal;
}

int CountFromText(const QString& text)
{
    return text.trimmed().toInt();
}

const char* BitRateProblem(const QString& text)
{
    static const QRegularExpression fraction(QStringLiteral("[0-9][.,][0-9]"));
    return fraction.match(text).hasMatch() ? CalMessages::BitRateWhole
                                           : CalMessages::BitRateInvalidRange;
}

bool IsValidDisabledChannels(const CalNVRInfo& model, int disabledChannels)
{
    return disabledChannels >= 0 && disabledChannels <= model.maxDisableChannels;
}

bool IsTotalWithinLimit(qint64 total)
{
    return total <= CalMaxTotal;
}

CalNVRSelection BuildNVRSelection(const std::vector<CalNVRRow>& rows, qint64* total)
{
    CalNVRSelection selection;
    qint64 sum = 0;
    for (const CalNVRRow& row : rows) {
        sum += row.count;
        if (row.count != 0)
            selection.emplace(row.id, std::make_pair(row.disabledChannels, row.count));
    }
    if (total)
        *total = sum;
    return selection;
}

CalNVRCheck CheckNVRRequest(const std::vector<CalIPCInfo>& rows, int bandwidth,
                            std::vector<int>* offending, int reservePercent)
{
    const int usable = ReservedBandwidth(bandwidth, reservePercent);
    qint64 total = 0;
    std::vector<int> over;
    for (const CalIPCInfo& row : rows) {
        total += row.count;
        if (row.bitRate > usable)
            over.push_back(row.id);
    }
    if (offending)
        *offending = over;
    if (!IsTotalWithinLimit(total))
        return CalNVRCheck::TooManyIPCs;
    if (!over.empty())
        return CalNVRCheck::BitRateOverBandwidth;
    return CalNVRCheck::Ok;
}

std::vector<CalIPCInfo> SelectIPCsToGroup(const std::vector<CalIPCInfo>& rows)
{
    std::vector<CalIPCInfo> selected;
    for (const CalIPCInfo& row : rows) {
        if (row.bitRate != 0 && row.count != 0)
            selected.push_back(row);
    }
    return selected;
}

QString JoinIPCTypeNumbers(const std::vector<int>& ids)
{
    QStringList parts;
    for (int id : ids)
        parts << QString::number(id);
    return parts.join(QStringLiteral("   ,"));
}
