// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALRECORDS_H
#define CALRECORDS_H

// The plain records passed between the calculator pages, the calculations and the worker
// thread, and CalNVRData, the one object through which the "NVR Calculate" page hands its
// inputs to the worker and gets the results back. The page writes the inputs before the
// worker starts and reads the results only after the worker's CalSuc(); no lock is needed.

#include "engine/nvrcatalogue.h"
#include "engine/storage.h"

#include <map>
#include <vector>

// One camera type with its number of cameras.
struct CalIPCInfo
{
    int id = 0;      // row number in the "NVR Calculate" table, from 1
    int bitRate = 0; // kbps of one camera: first plus second stream
    int count = 0;
    bool byBitRate = false; // how the left-hand record orders itself

    // With byBitRate: descending bit rate; without: ascending id.
    bool operator<(const CalIPCInfo& other) const
    {
        return byBitRate ? bitRate > other.bitRate : id < other.id;
    }
    // Only id and count take part: that is what makes two recorders' loads "the same".
    bool operator==(const CalIPCInfo& other) const
    {
        return id == other.id && count == other.count;
    }
    bool operator!=(const CalIPCInfo& other) const { return !(*this == other); }
};

// One recorder of a grouping result.
struct CalNVRGroup
{
    std::vector<CalIPCInfo> ipcs; // in the order the camera types were placed
    int freeBandwidth = 0;
    int freeChannels = 0;
};

// One entry of the grouping's list of recorders with spare capacity.
struct CalNVRSpare
{
    int nvrNo = 0; // from 1
    int freeBandwidth = 0;
    int freeChannels = 0;

    bool operator<(const CalNVRSpare& other) const { return freeBandwidth > other.freeBandwidth; }
};

// One result line: nvrCount recorders that carry exactly the same cameras.
struct CalNVRUsedByUI
{
    int nvrCount = 0;
    std::vector<CalIPCInfo> ipcs; // ascending id

    bool operator<(const CalNVRUsedByUI& other) const { return nvrCount < other.nvrCount; }
};

struct CalNVRDataRecord
{
    std::vector<CalIPCInfo> ipcList;      // written by the page; sorted in place by the grouping
    std::vector<CalNVRUsedByUI> usedList; // result lines
    std::map<int, CalNVRGroup> groupMap;  // working map, empty between calculations
    int nvrType = 0;                      // catalogue id of the chosen built-in model
    // The chosen model by value; when it has a bandwidth it is used instead of nvrType.
    CalNVRInfo model;
    int disabledChannels = 0;
    // Share of each recorder's bandwidth kept free (see ReservedBandwidth); 0 fills it all.
    int bandwidthReservePercent = 0;
    int nvrTotal = 0; // -1 while a calculation is pending

    // Storage is worked out with the grouping when storageRates is not empty: both streams'
    // bit rates of every camera type, indexed by id - 1, since ipcList keeps only their sum.
    std::vector<CalStorageCamera> storageRates;
    CalStorageInputs storageInputs;
    std::vector<CalStorage> lineStorage; // one recorder of each line of usedList
    CalStorage siteStorage;
    // With the days kept asked for (storageInputs.goal): one recorder of each line, and the
    // site's shortest; empty otherwise.
    std::vector<CalDaysKept> lineDaysKept;
    CalDaysKept siteDaysKept;
};

extern CalNVRDataRecord CalNVRData;

#endif
