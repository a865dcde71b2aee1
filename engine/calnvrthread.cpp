// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calnvrthread.h"

#include "engine/calrecords.h"
#include "engine/grouping.h"

CalNVRThread::CalNVRThread() : QThread(nullptr)
{
    // The page keeps no reference to its worker.
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

CalNVRThread::~CalNVRThread()
{
    // Destroying a running QThread aborts the process; wait for run() instead.
    wait();
}

void CalNVRThread::run()
{
    RunNVRCalculation(CalNVRData);
    emit CalSuc();
}
