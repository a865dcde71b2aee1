// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BITRATE_H
#define BITRATE_H

// Reading the bit-rate texts of the combo boxes, and the whole calculation behind the
// "IPC Calculate" page: how many cameras of one bit rate a set of recorders takes.
// Both run on the caller's thread and keep no state.

#include "engine/nvrcatalogue.h"

#include <QString>
#include <map>
#include <utility>

// Model id (built-in, or a plan's own from CalFirstOwnModelId) -> (disabled channels, number of
// recorders of that model).
using CalNVRSelection = std::map<int, std::pair<int, int>>;

// kbps of a text such as "512", "512k", "2M" or "1024(1M)"; 0 for a zero bit rate and -1
// for a text that gives none. Numbers follow QString::toLong (base 10: surrounding white
// space and a sign allowed); a number, or a product with 1024, that leaves the 32-bit range
// gives -1 as well, so it can never pass a range check.
int ParseBitRate(const QString& text);

// Cameras of `bitRate` kbps each that the selected recorders take, or 0 when the bit rate is
// not above 0. Models missing from the catalogue and rows without recorders add nothing; the
// sum saturates at INT_MAX instead of overflowing.
// Ids from CalFirstOwnModelId name the models of `own`. With `reservePercent` every recorder
// keeps that share of its bandwidth free and takes cameras up to ReservedBandwidth only.
int CalIPCCapacity(const CalNVRSelection& selection, int bitRate,
                   const std::vector<CalNVRInfo>& own = {}, int reservePercent = 0);

#endif
