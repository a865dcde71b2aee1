// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/nvrcatalogue.h"

#include <algorithm>

std::vector<CalNVRInfo> NVRTypeList;

CalNVRInfo::CalNVRInfo(int id_, const QString& name_, int ipChannels_, int maxDisableChannels_,
                       int bandwidth_)
    : id(id_), name(name_), ipChannels(ipChannels_), maxDisableChannels(maxDisableChannels_),
      usableChannels(0), bandwidth(bandwidth_)
{
}

void InitNVRTypeTable()
{
    struct Row
    {
        const char* name;
        int ipChannels;
        int maxDisableChannels;
        int bandwidth;
    };
    static const Row rows[] = {
        {"NR-A8V", 8, 0, 20480},    {"NR-A16V", 16, 0, 40960}, {"NR-B8V", 8, 0, 20480},
        {"NR-B16V", 16, 0, 40960},  {"NR-C8V", 8, 0, 20480},   {"NR-C16V", 16, 0, 40960},
        {"NR-C32V", 32, 0, 81920},  {"NR-E8V", 8, 0, 20480},   {"NR-E16V", 16, 0, 40960},
        {"NR-E32V", 32, 0, 81920},  {"NR-G8V", 8, 0, 20480},   {"NR-G16V", 16, 0, 40960},
        {"NR-G32V", 32, 0, 81920},  {"NR-J8V", 8, 0, 20480},   {"NR-J16V", 16, 0, 40960},
        {"NR-J32V", 32, 0, 81920},  {"NR-K4Y", 4, 4, 20480},   {"NR-K8Y", 8, 8, 40960},
        {"NR-K16Y", 16, 16, 81920}, {"NR-L4Y", 4, 4, 20480},   {"NR-L8Y", 8, 8, 40960},
        {"NR-L16Y", 16, 16, 81920}, {"NR-M4Y", 4, 4, 20480},   {"NR-M8Y", 8, 8, 40960},
        {"NR-M16Y", 16, 16, 81920}, {"NR-Q4Y", 4, 4, 81920},   {"NR-Q8Y", 8, 8, 81920},
        {"NR-Q16Y", 16, 16, 81920},
    };
    const int count = int(sizeof(rows) / sizeof(rows[0]));
    NVRTypeList.reserve(NVRTypeList.size() + count);
    for (int i = 0; i < count; ++i) {
        NVRTypeList.emplace_back(i, QString::fromLatin1(rows[i].name), rows[i].ipChannels,
                                 rows[i].maxDisableChannels, rows[i].bandwidth);
    }
}

static void CopyModel(const CalNVRInfo& row, CalNVRInfo& info)
{
    info.id = row.id;
    info.name = row.name;
    info.ipChannels = row.ipChannels;
    info.maxDisableChannels = row.maxDisableChannels;
    info.bandwidth = row.bandwidth;
    info.bays = row.bays;
    info.largestDiskTB = row.largestDiskTB;
}

bool FindNVRTypeByName(const QString& name, CalNVRInfo& info)
{
    for (const CalNVRInfo& row : NVRTypeList) {
        if (row.name == name) {
            CopyModel(row, info);
            return true;
        }
    }
    return false;
}

void FindNVRTypeById(int id, CalNVRInfo& info, int disabledChannels)
{
    for (const CalNVRInfo& row : NVRTypeList) {
        if (row.id == id) {
            CopyModel(row, info);
            if (disabledChannels != -1)
                info.usableChannels = row.ipChannels + disabledChannels;
            return;
        }
    }
}

bool FindModelByName(const CalModelList& own, const QString& name, CalNVRInfo& info)
{
    if (FindNVRTypeByName(name, info))
        return true;
    for (std::size_t i = 0; i < own.size(); ++i) {
        if (own[i].name == name) {
            CopyModel(own[i], info);
            info.id = CalFirstOwnModelId + int(i);
            return true;
        }
    }
    return false;
}

void FindModelById(const CalModelList& own, int id, CalNVRInfo& info, int disabledChannels)
{
    if (id < CalFirstOwnModelId) {
        FindNVRTypeById(id, info, disabledChannels);
        return;
    }
    const std::size_t at = std::size_t(id - CalFirstOwnModelId);
    if (at >= own.size())
        return;
    CopyModel(own[at], info);
    info.id = id;
    if (disabledChannels != -1)
        info.usableChannels = info.ipChannels + disabledChannels;
}

bool ModelNameTaken(const QString& name, const CalModelList& others)
{
    const auto same = [&name](const CalNVRInfo& m) {
        return m.name.compare(name, Qt::CaseInsensitive) == 0;
    };
    return std::any_of(NVRTypeList.begin(), NVRTypeList.end(), same) ||
           std::any_of(others.begin(), others.end(), same);
}

bool IsWellFormedModelName(const QString& name)
{
    const bool control = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
    // A lone surrogate (a JSON escape can make one) would not survive a file in UTF-8.
    return !name.trimmed().isEmpty() && name == name.trimmed() &&
           name.size() <= CalMaxModelNameChars && !control && QStringView(name).isValidUtf16();
}

CalModelField CheckModel(const CalNVRInfo& model, const CalModelList& others)
{
    if (!IsWellFormedModelName(model.name) || ModelNameTaken(model.name, others))
        return CalModelField::Name;
    if (model.bandwidth < 1 || model.bandwidth > CalMaxModelBandwidth)
        return CalModelField::Bandwidth;
    if (model.ipChannels < 1 || model.ipChannels > CalMaxModelChannels)
        return CalModelField::Channels;
    if (model.maxDisableChannels < 0 || model.maxDisableChannels > model.ipChannels)
        return CalModelField::MaxDisabledChannels;
    if (model.bays < 0 || model.bays > CalMaxModelBays)
        return CalModelField::Bays;
    if (model.largestDiskTB < 0 || model.largestDiskTB > CalMaxModelDiskTB)
        return CalModelField::LargestDisk;
    return CalModelField::None;
}

QString ModelFieldName(CalModelField field)
{
    switch (field) {
    case CalModelField::None:
        break;
    case CalModelField::Name:
        return QStringLiteral("name");
    case CalModelField::Bandwidth:
        return QStringLiteral("bandwidthKbps");
    case CalModelField::Channels:
        return QStringLiteral("channels");
    case CalModelField::MaxDisabledChannels:
        return QStringLiteral("maxDisabledChannels");
    case CalModelField::Bays:
        return QStringLiteral("bays");
    case CalModelField::LargestDisk:
        return QStringLiteral("largestDiskTB");
    }
    return QString();
}

bool IsValidBandwidthReserve(int reservePercent)
{
    return reservePercent >= CalMinBandwidthReserve && reservePercent <= CalMaxBandwidthReserve;
}

int ReservedBandwidth(int bandwidth, int reservePercent)
{
    if (bandwidth <= 0)
        return bandwidth;
    if (!IsValidBandwidthReserve(reservePercent))
        return 0;
    // Hundreds and the rest apart: bandwidth x 100 would leave int from 21,474,837 kbps on.
    const int kept = 100 - reservePercent;
    return bandwidth / 100 * kept + bandwidth % 100 * kept / 100;
}
