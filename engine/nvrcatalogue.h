// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NVRCATALOGUE_H
#define NVRCATALOGUE_H

// The recorder catalogue: the fixed list of recorder models both calculator pages offer and
// every calculation starts from. Filled once by the main window before any page exists,
// then only read, by the GUI thread and by the calculation worker alike.
//
// Bit rates and bandwidths are whole kbps throughout the engine; 1 M is 1024 k.

#include <QString>
#include <vector>

struct CalNVRInfo
{
    CalNVRInfo() = default;
    CalNVRInfo(int id, const QString& name, int ipChannels, int maxDisableChannels, int bandwidth);

    int id = 0;
    QString name;
    int ipChannels = 0;
    int maxDisableChannels = 0;
    // Only a copy made by FindNVRTypeById carries a computed value; catalogue rows hold 0.
    int usableChannels = 0;
    int bandwidth = 0;
    // A planner's own model may say how many disks a recorder holds and how large one may be;
    // 0 is unknown, as for every built-in model.
    int bays = 0;
    int largestDiskTB = 0;

    // The model's definition; the id and the computed channels are where it stands, not what
    // it is.
    bool operator==(const CalNVRInfo& o) const
    {
        return name == o.name && ipChannels == o.ipChannels &&
               maxDisableChannels == o.maxDisableChannels && bandwidth == o.bandwidth &&
               bays == o.bays && largestDiskTB == o.largestDiskTB;
    }
    bool operator!=(const CalNVRInfo& o) const { return !(*this == o); }
};

// The models a plan defines itself, in the plan's order, after the built-in ones.
using CalModelList = std::vector<CalNVRInfo>;

// A plan's own models are numbered from here, in their list's order, so that they never share
// an id with a built-in one.
constexpr int CalFirstOwnModelId = 1000;

// The bounds of a model a planner defines.
constexpr int CalMaxModelNameChars = 64;
constexpr int CalMaxModelBandwidth = 100000000; // kbps
constexpr int CalMaxModelChannels = 1024;
constexpr int CalMaxModelBays = 255;
constexpr int CalMaxModelDiskTB = 100;
constexpr int CalMaxOwnModels = 1000;

// The share of a recorder's bandwidth a planner may keep free, as headroom for later cameras or
// bit-rate peaks: whole percent.
constexpr int CalMinBandwidthReserve = 0;
constexpr int CalMaxBandwidthReserve = 50;

// The bandwidth a recorder of `bandwidth` kbps may fill when `reservePercent` of it is kept
// free: bandwidth x (100 - reservePercent) / 100, rounded down to whole kbps; exact for every
// int bandwidth (the product is not formed in int). 0 percent gives the bandwidth itself. A
// bandwidth not above 0 is returned as it is; a percent outside CalMinBandwidthReserve to
// CalMaxBandwidthReserve leaves nothing usable (0), so that a value nobody checked can never
// place a camera.
int ReservedBandwidth(int bandwidth, int reservePercent);
bool IsValidBandwidthReserve(int reservePercent);

extern std::vector<CalNVRInfo> NVRTypeList;

// Appends the 28 catalogue rows in id order; does not empty the list first.
void InitNVRTypeTable();

// Exact, case-sensitive name match. On success copies id, name, channel counts and bandwidth
// into `info` and leaves its usableChannels alone; on failure leaves `info` untouched.
bool FindNVRTypeByName(const QString& name, CalNVRInfo& info);

// Copies the row with that id into `info`; unless disabledChannels is -1, also sets
// usableChannels to ipChannels + disabledChannels. Writes nothing for an unknown id.
void FindNVRTypeById(int id, CalNVRInfo& info, int disabledChannels);

// The same over the built-in models followed by `own` (ids from CalFirstOwnModelId). Names
// match exactly; a built-in model wins over an own one of the same name.
bool FindModelByName(const CalModelList& own, const QString& name, CalNVRInfo& info);
void FindModelById(const CalModelList& own, int id, CalNVRInfo& info, int disabledChannels);

// The first of a model's fields that is out of bounds, in the catalogue's field order.
enum class CalModelField
{
    None,
    Name, // empty, too long, control characters, or taken by another model
    Bandwidth,
    Channels,
    MaxDisabledChannels,
    Bays,
    LargestDisk,
};
// `others` are the models it must not share a name with (case-insensitively, as the command
// line matches names): the built-in ones are always among them.
CalModelField CheckModel(const CalNVRInfo& model, const CalModelList& others);
// 1 to CalMaxModelNameChars characters, no control characters, no spaces at either end.
bool IsWellFormedModelName(const QString& name);
// Whether a name is taken by a built-in model or one of `others`, ignoring case.
bool ModelNameTaken(const QString& name, const CalModelList& others);

// The catalogue's field names, as files and the command line spell them.
QString ModelFieldName(CalModelField field);

#endif
