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

#include "engine/calrecords.h"

#include <map>
#include <vector>

// Number of recorders needed, or 0 when a camera type's bit rate exceeds the model's
// bandwidth (nothing is grouped then), the model has no usable channel, or a spare recorder
// is missing from the map. Sorts `ipcList` in place by descending bit rate and fills
// `groupMap` (expected empty) with recorders numbered from 1. Types without a positive bit
// rate or count are left out rather than divided by.
int GroupIPCToNVR(std::vector<CalIPCInfo>& ipcList, std::map<int, CalNVRGroup>& groupMap,
                  int nvrType, int disabledChannels);

// Appends one line per distinct load to `usedList`, in the order of the recorders that first
// carry each load, each line's cameras by ascending id. Recorders are walked by ascending
// number; a recorder joins the line whose cameras equal its own (id and count, in order).
void MergeNVRGroups(const std::map<int, CalNVRGroup>& groupMap,
                    std::vector<CalNVRUsedByUI>& usedList);

// The worker's whole cycle on `data`: group, fold, sort the lines by ascending recorder count,
// store the total in nvrTotal. Leaves groupMap empty and returns the total.
int RunNVRCalculation(CalNVRDataRecord& data);

#endif
