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
};

extern std::vector<CalNVRInfo> NVRTypeList;

// Appends the 28 catalogue rows in id order; does not empty the list first.
void InitNVRTypeTable();

// Exact, case-sensitive name match. On success copies id, name, channel counts and bandwidth
// into `info` and leaves its usableChannels alone; on failure leaves `info` untouched.
bool FindNVRTypeByName(const QString& name, CalNVRInfo& info);

// Copies the row with that id into `info`; unless disabledChannels is -1, also sets
// usableChannels to ipChannels + disabledChannels. Writes nothing for an unknown id.
void FindNVRTypeById(int id, CalNVRInfo& info, int disabledChannels);

#endif
