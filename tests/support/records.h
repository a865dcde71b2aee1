// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTS_RECORDS_H
#define TESTS_RECORDS_H

#include "engine/calrecords.h"

// A camera type as the tests write it: id, bit rate of one camera, number of cameras.
inline CalIPCInfo Ipc(int id, int bitRate, int count, bool byBitRate = false)
{
    CalIPCInfo info;
    info.id = id;
    info.bitRate = bitRate;
    info.count = count;
    info.byBitRate = byBitRate;
    return info;
}

#endif
