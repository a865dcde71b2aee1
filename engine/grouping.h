// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GROUPING_H
#define GROUPING_H

// The calculation behind the "NVR Calculate" page: how many recorders of one model a camera
// list needs, which cameras go onto which recorder, and the folding of recorders with the
// same load into result lines. The worker thread runs it through RunNVRCalculation.
//
// Placement is greedy and its result depends on orders, all deliberate: camera types are
// taken by descending bit rate; each first fills the recorders of the spare list in list
// order, then opens new recorders in bulk; the spare list is re-sorted (unstably, by
// descending free bandwidth) only after new recorders have been opened.
//
// A million cameras can open a million recorders, so the worker does not keep one map node
// per recorder: CalNVRLoads holds the recorders in number order as runs, where recorders
// opened together with the same load and no spare room (they never change again) are one run
// with a multiplicity, and the cameras of all recorders sit in one shared store. Time and
// memory follow the number of distinct loads and spare recorders, not the recorder count.
// The per-recorder map remains as the interface of GroupIPCToNVR and MergeNVRGroups.

#include "engine/calrecords.h"
#include "engine/nvrcatalogue.h"

#include <map>
#include <vector>

struct CalNVRLoads
{
    // One placement: `count` cameras of types[type] on the recorders of a run.
    struct Placed
    {
        int type = 0; // index into types
        int count = 0;
        int next = -1; // the run's next placement, in placement order; -1 after the last
    };
    // `recorders` consecutive recorders carrying the same cameras.
    struct Run
    {
        int recorders = 0;
        int first = -1; // first placement (the one that opened the run)
        int last = -1;
    };

    std::vector<CalIPCInfo> types; // the camera types in placement order
    std::vector<Run> runs;         // in recorder-number order
    std::vector<Placed> placed;

    void clear();
};

// The grouping into the compact store: the number of recorders needed, or 0 when a camera
// type's bit rate exceeds the model's bandwidth (nothing is grouped then) or the model has no
// usable channel. Sorts `ipcList` in place by descending bit rate and replaces `loads`. Types
// without a positive bit rate or count are left out rather than divided by.
int GroupIPCs(std::vector<CalIPCInfo>& ipcList, CalNVRLoads& loads, int nvrType,
              int disabledChannels);
// The same for a model given by value (a planner's own or a built-in one): its bandwidth and
// its channels plus `disabledChannels` are all the grouping reads of it.
int GroupIPCs(std::vector<CalIPCInfo>& ipcList, CalNVRLoads& loads, const CalNVRInfo& model,
              int disabledChannels);

// Appends one line per distinct load to `usedList`, in the order of the recorders that first
// carry each load, each line's cameras by ascending id. A recorder joins the first line whose
// cameras equal its own (id and count, in placement order).
void MergeNVRLoads(const CalNVRLoads& loads, std::vector<CalNVRUsedByUI>& usedList);

// GroupIPCs with one map entry per recorder, numbered from 1, each with its free bandwidth
// and channels; `groupMap` is expected empty.
int GroupIPCToNVR(std::vector<CalIPCInfo>& ipcList, std::map<int, CalNVRGroup>& groupMap,
                  int nvrType, int disabledChannels);

// MergeNVRLoads over a per-recorder map, walked by ascending recorder number.
void MergeNVRGroups(const std::map<int, CalNVRGroup>& groupMap,
                    std::vector<CalNVRUsedByUI>& usedList);

// The worker's whole cycle on `data` (with data.model when it has a bandwidth, else the
// built-in model data.nvrType, its bandwidth reduced by data.bandwidthReservePercent through
// ReservedBandwidth): group, fold, sort the lines by ascending recorder count,
// store the total in nvrTotal. Works on the compact store, so groupMap stays empty (it is
// emptied if it was not); returns the total.
// Then, when data.storageRates is given, ResultStorage.
int RunNVRCalculation(CalNVRDataRecord& data);

// Fills data.lineStorage (one recorder of each result line) and data.siteStorage from the
// result lines, data.storageRates and data.storageInputs. A camera type without a rate makes
// its line and the site not ok. Each line's disks are judged against the model's bays and
// largest disk; with CalDiskSmallestFits each line takes the smallest offered size that fits.
void ResultStorage(CalNVRDataRecord& data);

// What one recorder of a result line carries of what its model offers.
struct CalLineLoad
{
    enum Limit
    {
        NotFull,
        Channels,  // no channel left
        Bandwidth, // channels left, but too little bandwidth for any camera of the request
    };
    int channelsUsed = 0;
    int channels = 0; // usable: the model's channels plus the disabled ones
    qint64 bandwidthUsed = 0;
    int bandwidth = 0;       // the model's whole bandwidth, which use is shown against
    int usableBandwidth = 0; // what is left of it after the reserve; bandwidth without one
    Limit limit = NotFull;
};
// `smallestBitRate` is the lowest bit rate among the cameras calculated: a recorder with less
// usable bandwidth left than that takes no further camera of the request. `reservePercent` is
// the share of the bandwidth kept free, as the grouping was given it.
CalLineLoad LineLoad(const CalNVRUsedByUI& line, const CalNVRInfo& model, int disabledChannels,
                     int smallestBitRate, int reservePercent = 0);
// Bandwidth used in percent of the whole, rounded down to tenths, so that a recorder shown at
// 100.0 % is full to the last kbps.
double BandwidthUsePercent(qint64 used, int bandwidth);

#endif
