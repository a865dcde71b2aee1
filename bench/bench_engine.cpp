// SPDX-License-Identifier: GPL-3.0-or-later
// Engine benchmarks at the sizes the "NVR Calculate" page allows: up to 100 camera types and
// 1,000,000 cameras, so up to 1,000,000 recorders in one calculation.
//
//   bench_engine [Google Benchmark flags]   the cases below
//   bench_engine --cycle-a-once             one worker-thread run of case (a), for measuring
//                                           peak memory with /usr/bin/time -v

#include "engine/bitrate.h"
#include "engine/calnvrthread.h"
#include "engine/calrecords.h"
#include "engine/grouping.h"
#include "engine/nvrcatalogue.h"

#include <QCoreApplication>
#include <QPointer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {

struct Case
{
    int nvrType = 0;
    int disabledChannels = 0;
    std::vector<CalIPCInfo> cameras;
};

void Add(Case& c, int bitRate, int count)
{
    CalIPCInfo info;
    info.id = int(c.cameras.size()) + 1;
    info.bitRate = bitRate;
    info.count = count;
    c.cameras.push_back(info);
}

// (a) 1,000,000 cameras of 20480 kbps on NR-A8V: one recorder each, none with spare room.
Case CaseA()
{
    Case c;
    Add(c, 16384 + 4096, 1000000);
    return c;
}

// (b) 150,000 recorders of one 16384 kbps camera each, all in the spare list with 4096 kbps
// and 7 channels free; 99 lower types (585 down to 95 kbps) each fill about 1,000 of them to
// their last channel, so the walks remove some 100,000 entries from the list.
Case CaseB()
{
    Case c;
    Add(c, 16384, 150000);
    for (int t = 2; t <= 100; ++t)
        Add(c, 585 - 5 * (t - 2), 7000 + t);
    return c;
}

// (c) 55 types of 10480 kbps open 500,005 recorders with 10,000 kbps left (one tie in the
// spare-list sort, so the types end up interleaved); 45 types of exactly 10,000 kbps then
// take one stretch of the list each, one camera per recorder. Nearly every pair of an early
// and a late type meets on some recorder: about 1,800 distinct result lines.
Case CaseC()
{
    Case c;
    for (int t = 0; t < 55; ++t)
        Add(c, 8192 + 2288, 9091);
    for (int t = 0; t < 45; ++t)
        Add(c, 8192 + 1808, 11110);
    return c;
}

// (e) A realistic site on NR-C32V: a dozen camera types, 3,130 cameras.
Case CaseE()
{
    Case c;
    c.nvrType = 6;
    const int types[][3] = {{4096, 512, 420}, {2048, 512, 610},  {8192, 1024, 85},
                            {1024, 256, 540}, {2048, 256, 300},  {4096, 1024, 160},
                            {512, 128, 380},  {16384, 2048, 12}, {3072, 512, 230},
                            {1536, 256, 190}, {6144, 1024, 60},  {768, 128, 143}};
    for (const auto& t : types)
        Add(c, t[0] + t[1], t[2]);
    return c;
}

void Group(benchmark::State& state, const Case& c)
{
    int total = 0;
    for (auto _ : state) {
        std::vector<CalIPCInfo> list = c.cameras;
        CalNVRLoads loads;
        total = GroupIPCs(list, loads, c.nvrType, c.disabledChannels);
        benchmark::DoNotOptimize(total);
        state.PauseTiming();
        loads = CalNVRLoads();
        state.ResumeTiming();
    }
    state.counters["recorders"] = total;
}

void Merge(benchmark::State& state, const Case& c)
{
    std::vector<CalIPCInfo> list = c.cameras;
    CalNVRLoads loads;
    const int total = GroupIPCs(list, loads, c.nvrType, c.disabledChannels);
    std::size_t lines = 0;
    for (auto _ : state) {
        std::vector<CalNVRUsedByUI> used;
        MergeNVRLoads(loads, used);
        lines = used.size();
        benchmark::DoNotOptimize(used.data());
    }
    state.counters["recorders"] = total;
    state.counters["lines"] = double(lines);
}

// With storage: the longest retention, both streams, two parity disks; the cases' bit rates
// are split into a first stream and a second of a quarter, as the page would hand them over.
void Cycle(benchmark::State& state, const Case& c, bool storage)
{
    CalNVRDataRecord data;
    if (storage) {
        for (const CalIPCInfo& info : c.cameras)
            data.storageRates.push_back({info.bitRate - info.bitRate / 4, info.bitRate / 4, 0});
        data.storageInputs.retentionDays = CalMaxRetentionDays;
        data.storageInputs.streams = CalStreams::Both;
        data.storageInputs.redundancy = CalRedundancy::DoubleParity;
    }
    for (auto _ : state) {
        data.ipcList = c.cameras;
        data.nvrType = c.nvrType;
        data.disabledChannels = c.disabledChannels;
        data.nvrTotal = -1;
        RunNVRCalculation(data);
        benchmark::DoNotOptimize(data.usedList.data());
        benchmark::DoNotOptimize(data.lineStorage.data());
    }
    if (storage && !data.siteStorage.ok)
        state.SkipWithError("storage not computed");
    state.counters["recorders"] = data.nvrTotal;
    state.counters["lines"] = double(data.usedList.size());
    if (storage)
        state.counters["disks"] = double(data.siteStorage.disks);
}

// The path the page takes: inputs in CalNVRData, a CalNVRThread, results after it finished.
int RunWorkerThread(const Case& c)
{
    CalNVRData.ipcList = c.cameras;
    CalNVRData.nvrType = c.nvrType;
    CalNVRData.disabledChannels = c.disabledChannels;
    CalNVRData.nvrTotal = -1;
    QPointer<CalNVRThread> worker = new CalNVRThread;
    worker->start();
    worker->wait();
    // finished() reaches this thread as a queued call to deleteLater, which in turn posts
    // the deferred delete; deliver both here, without an event loop.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return worker.isNull() ? CalNVRData.nvrTotal : -1;
}

void WorkerThread(benchmark::State& state, const Case& c)
{
    int total = 0;
    for (auto _ : state)
        total = RunWorkerThread(c);
    if (total < 0)
        state.SkipWithError("the worker was not released");
    state.counters["recorders"] = total;
    state.counters["lines"] = double(CalNVRData.usedList.size());
}

void Capacity(benchmark::State& state)
{
    CalNVRSelection selection;
    for (int id = 0; id < 28; ++id)
        selection[id] = {NVRTypeList[id].maxDisableChannels, 35714};
    for (auto _ : state)
        benchmark::DoNotOptimize(CalIPCCapacity(
            selection, ParseBitRate(QStringLiteral("2M")) + ParseBitRate(QStringLiteral("512k"))));
}

void Register()
{
    static const Case a = CaseA(), b = CaseB(), c = CaseC(), e = CaseE();
    const auto ms = benchmark::kMillisecond;
    benchmark::RegisterBenchmark("a_group_1M_full_recorders", Group, a)->Unit(ms);
    benchmark::RegisterBenchmark("a_merge_1M_full_recorders", Merge, a)->Unit(ms);
    benchmark::RegisterBenchmark("b_group_150k_spare_99_walks", Group, b)->Unit(ms);
    benchmark::RegisterBenchmark("c_group_many_lines", Group, c)->Unit(ms);
    benchmark::RegisterBenchmark("c_merge_many_lines", Merge, c)->Unit(ms);
    benchmark::RegisterBenchmark("d_worker_cycle_a", Cycle, a, false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("d_worker_cycle_a_storage", Cycle, a, true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("c_worker_cycle", Cycle, c, false)->Unit(ms);
    benchmark::RegisterBenchmark("c_worker_cycle_storage", Cycle, c, true)->Unit(ms);
    benchmark::RegisterBenchmark("d_worker_thread_a", WorkerThread, a)->Unit(ms)->UseRealTime();
    benchmark::RegisterBenchmark("e_worker_cycle_realistic", Cycle, e, false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ipc_capacity_all_models", Capacity);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    InitNVRTypeTable();

    if (argc == 2 && std::strcmp(argv[1], "--cycle-a-once") == 0) {
        const int total = RunWorkerThread(CaseA());
        std::printf("recorders %d, lines %zu\n", total, CalNVRData.usedList.size());
        return total == 1000000 ? 0 : 1;
    }

    Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
