// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grouping.h"

#include "engine/nvrcatalogue.h"
#include "engine/tieorder.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <unordered_map>

void CalNVRLoads::clear()
{
    types.clear();
    runs.clear();
    placed.clear();
}

namespace {

// The grouping and the merge follow links between recorders and their placements that are
// scattered over tens of megabytes; asking for them a few entries ahead lets the memory
// fetches overlap instead of each stalling in turn.
constexpr std::size_t PrefetchAhead = 16;

inline void Prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

// A spare-list entry for a full sort: the run of the one recorder it stands for instead of the
// recorder's number. Ordered as CalNVRSpare, so the same unstable sort over the same free
// bandwidths leaves the entries in the same order.
struct Spare
{
    int run = 0;
    int freeBandwidth = 0;
    int freeChannels = 0;

    bool operator<(const Spare& other) const { return freeBandwidth > other.freeBandwidth; }
};

template <class T> bool AllEqual(const std::vector<T>& values)
{
    return std::adjacent_find(values.begin(), values.end(), std::not_equal_to<T>()) == values.end();
}

class Grouping
{
public:
    Grouping(CalNVRLoads& loads, int bandwidth, int channels)
        : m_loads(loads), m_bandwidth(bandwidth), m_channels(channels)
    {
    }

    // Room for everything the types can make, so that the stores are not copied to ever larger
    // places as they grow: a million recorders would otherwise touch each page about twice.
    // Only what is used is touched; the rest is address space.
    void Reserve()
    {
        constexpr std::int64_t Most = std::int64_t(1) << 23;
        std::int64_t runs = 0;
        std::int64_t placements = 0;
        for (const CalIPCInfo& type : m_loads.types) {
            if (type.bitRate <= 0 || type.count <= 0 || type.bitRate > m_bandwidth ||
                m_channels < 1)
                continue;
            const std::int64_t perRecorder = std::min(m_bandwidth / type.bitRate, m_channels);
            const std::int64_t opened = (type.count + perRecorder - 1) / perRecorder;
            const bool spare =
                m_bandwidth - perRecorder * type.bitRate > 0 && m_channels - perRecorder > 0;
            // A walk adds at most one placement per camera and per spare recorder so far.
            placements += std::min<std::int64_t>(type.count, runs);
            runs += spare ? opened : 2;
            placements += spare ? opened : 2;
        }
        m_loads.runs.reserve(std::size_t(std::min(runs, Most)));
        m_loads.placed.reserve(std::size_t(std::min(placements, Most)));
    }

    // Places the cameras of types[type]; false when they cannot go on this model.
    bool Place(int type, int& total)
    {
        const int bitRate = m_loads.types[std::size_t(type)].bitRate;
        int left = m_loads.types[std::size_t(type)].count;
        if (bitRate <= 0 || left <= 0)
            return true;
        if (bitRate > m_bandwidth || m_channels < 1)
            return false;
        // No entry has room for one camera: the walk would leave every one as it is.
        const bool walk = m_head < m_run.size() && m_mostFree >= bitRate;
        if (walk)
            m_tiedFree = m_tiedChannels = false;

        // Entries that stay are moved down over the removed ones in the same pass, so the
        // walk costs one pass whatever it removes; RemoveVisited then closes the gap once.
        std::size_t kept = m_head;
        std::size_t at = m_head;
        for (; walk && at < m_run.size() && left > 0; ++at) {
            if (at + PrefetchAhead < m_run.size())
                Prefetch(&m_loads.runs[std::size_t(m_run[at + PrefetchAhead])]);
            if (at + PrefetchAhead / 2 < m_run.size()) {
                const CalNVRLoads::Run& ahead =
                    m_loads.runs[std::size_t(m_run[at + PrefetchAhead / 2])];
                Prefetch(&m_loads.placed[std::size_t(ahead.last)]);
            }
            int& freeBandwidth = m_free[at];
            int& freeChannels = m_freeChannels[at];
            bool stays = true;
            if (freeBandwidth == bitRate) {
                Append(m_run[at], type, 1);
                left -= 1;
                stays = false;
            } else if (freeBandwidth > bitRate) {
                const int fits = std::min(freeBandwidth / bitRate, freeChannels);
                const int placed = std::min(fits, left);
                freeBandwidth -= placed * bitRate;
                freeChannels -= placed;
                Append(m_run[at], type, placed);
                left -= placed;
                stays = freeBandwidth > 0 && freeChannels > 0;
            }
            if (stays) {
                if (kept != at) {
                    m_run[kept] = m_run[at];
                    m_free[kept] = freeBandwidth;
                    m_freeChannels[kept] = freeChannels;
                }
                ++kept;
            }
        }
        RemoveVisited(kept, at);
        if (left <= 0)
            return true;

        const int perRecorder = std::min(m_bandwidth / bitRate, m_channels);
        if (perRecorder < left) {
            Open(type, bitRate, perRecorder, left / perRecorder);
            if (left % perRecorder > 0)
                Open(type, bitRate, left % perRecorder, 1);
        } else {
            Open(type, bitRate, left, 1);
        }
        total += left / perRecorder + (left % perRecorder > 0 ? 1 : 0);
        SortSpare();
        return true;
    }

private:
    // Sorts the spare list as std::sort over Spare entries does. When all of them tie, which a
    // million cameras of few bit rates make the common case, the columns are moved to where
    // the sort would leave them, without sorting.
    void SortSpare()
    {
        if (m_head > 0) {
            for (std::vector<int>* column : {&m_run, &m_free, &m_freeChannels})
                column->erase(column->begin(), column->begin() + std::ptrdiff_t(m_head));
            m_head = 0;
        }
        const std::size_t n = m_run.size();
        m_tiedFree = m_tiedFree || AllEqual(m_free);
        m_tiedChannels = m_tiedChannels || AllEqual(m_freeChannels);
        m_column.resize(n);
        // Tied channels stay where they are: all are the same.
        m_channelColumn.resize(m_tiedChannels ? 0 : n);
        const bool moved =
            m_tiedFree &&
            (m_tiedChannels ? SortTied(n, {{m_run.data(), m_column.data()}})
                            : SortTied(n, {{m_run.data(), m_column.data()},
                                           {m_freeChannels.data(), m_channelColumn.data()}}));
        if (moved) {
            m_run.swap(m_column);
            if (!m_tiedChannels)
                m_freeChannels.swap(m_channelColumn);
        } else {
            std::vector<Spare>& entries = m_entries;
            entries.resize(n);
            for (std::size_t i = 0; i < n; ++i)
                entries[i] = {m_run[i], m_free[i], m_freeChannels[i]};
            std::sort(entries.begin(), entries.end());
            for (std::size_t i = 0; i < n; ++i) {
                m_run[i] = entries[i].run;
                m_free[i] = entries[i].freeBandwidth;
                m_freeChannels[i] = entries[i].freeChannels;
            }
            m_tiedFree = m_tiedChannels = false;
        }
        m_mostFree = m_free.empty() ? 0 : m_free.front();
    }

    // The walk removed the entries [kept, at), leaving those before them. Whichever side is
    // shorter moves: a walk that takes the front of a long list moves nothing but the head.
    void RemoveVisited(std::size_t kept, std::size_t at)
    {
        if (kept == at)
            return;
        if (kept - m_head <= m_run.size() - at) {
            for (std::vector<int>* column : {&m_run, &m_free, &m_freeChannels})
                std::copy_backward(column->begin() + std::ptrdiff_t(m_head),
                                   column->begin() + std::ptrdiff_t(kept),
                                   column->begin() + std::ptrdiff_t(at));
            m_head += at - kept;
        } else {
            for (std::vector<int>* column : {&m_run, &m_free, &m_freeChannels})
                column->erase(column->begin() + std::ptrdiff_t(kept),
                              column->begin() + std::ptrdiff_t(at));
        }
    }

    int NewPlacement(int type, int count)
    {
        m_loads.placed.push_back({type, count, -1});
        return int(m_loads.placed.size()) - 1;
    }

    void Append(int run, int type, int count)
    {
        const int placement = NewPlacement(type, count);
        CalNVRLoads::Run& target = m_loads.runs[std::size_t(run)];
        m_loads.placed[std::size_t(target.last)].next = placement;
        target.last = placement;
    }

    // Opens `recorders` recorders with `count` cameras each. Those left without spare room
    // never change again and share one run; the others are runs and spare entries of their own.
    void Open(int type, int bitRate, int count, int recorders)
    {
        const int freeBandwidth = m_bandwidth - count * bitRate;
        const int freeChannels = m_channels - count;
        if (freeBandwidth <= 0 || freeChannels <= 0) {
            const int placement = NewPlacement(type, count);
            m_loads.runs.push_back({recorders, placement, placement});
            return;
        }
        if (m_head == m_run.size()) {
            m_tiedFree = m_tiedChannels = true;
        } else {
            m_tiedFree = m_tiedFree && m_free[m_head] == freeBandwidth;
            m_tiedChannels = m_tiedChannels && m_freeChannels[m_head] == freeChannels;
        }
        for (int i = 0; i < recorders; ++i) {
            const int placement = NewPlacement(type, count);
            m_run.push_back(int(m_loads.runs.size()));
            m_free.push_back(freeBandwidth);
            m_freeChannels.push_back(freeChannels);
            m_loads.runs.push_back({1, placement, placement});
        }
        m_mostFree = std::max(m_mostFree, freeBandwidth);
    }

    CalNVRLoads& m_loads;
    const int m_bandwidth;
    const int m_channels;
    // The spare list, one column per field: the run of the recorder, its free bandwidth and
    // channels. The sort of tied entries then moves only the columns that differ.
    std::vector<int> m_run;
    std::vector<int> m_free;
    std::vector<int> m_freeChannels;
    // The list starts here: entries before it were taken by walks and are not looked at.
    std::size_t m_head = 0;
    // No entry has more free bandwidth: the walk only takes bandwidth away.
    int m_mostFree = 0;
    // Whether every entry is known to have the same free bandwidth, or channels (false: not
    // known), so that sorts between which nothing else changed need not look at them again.
    bool m_tiedFree = false;
    bool m_tiedChannels = false;
    std::vector<int> m_column;
    std::vector<int> m_channelColumn;
    std::vector<Spare> m_entries;
};

CalIPCInfo Placed(const CalIPCInfo& type, int count)
{
    CalIPCInfo info;
    info.id = type.id;
    info.bitRate = type.bitRate;
    info.count = count;
    info.byBitRate = false;
    return info;
}

std::vector<CalIPCInfo> CamerasOf(const CalNVRLoads& loads, const CalNVRLoads::Run& run)
{
    std::vector<CalIPCInfo> ipcs;
    for (int at = run.first; at >= 0; at = loads.placed[std::size_t(at)].next) {
        const CalNVRLoads::Placed& p = loads.placed[std::size_t(at)];
        ipcs.push_back(Placed(loads.types[std::size_t(p.type)], p.count));
    }
    return ipcs;
}

std::size_t HashLoad(const CalNVRLoads& loads, const CalNVRLoads::Run& run)
{
    std::uint64_t h = 0x9e3779b97f4a7c15ull;
    for (int at = run.first; at >= 0; at = loads.placed[std::size_t(at)].next) {
        const CalNVRLoads::Placed& p = loads.placed[std::size_t(at)];
        const std::uint64_t v =
            (std::uint64_t(std::uint32_t(loads.types[std::size_t(p.type)].id)) << 32) ^
            std::uint32_t(p.count);
        h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    }
    return std::size_t(h);
}

// Equal loads: the same cameras (id and count) in the same order.
bool SameLoad(const CalNVRLoads& loads, const CalNVRLoads::Run& a, const CalNVRLoads::Run& b)
{
    int i = a.first;
    int k = b.first;
    while (i >= 0 && k >= 0) {
        const CalNVRLoads::Placed& p = loads.placed[std::size_t(i)];
        const CalNVRLoads::Placed& q = loads.placed[std::size_t(k)];
        if (p.count != q.count ||
            loads.types[std::size_t(p.type)].id != loads.types[std::size_t(q.type)].id)
            return false;
        i = p.next;
        k = q.next;
    }
    return i < 0 && k < 0;
}

} // namespace

int GroupIPCs(std::vector<CalIPCInfo>& ipcList, CalNVRLoads& loads, int nvrType,
              int disabledChannels)
{
    CalNVRInfo model;
    FindNVRTypeById(nvrType, model, -1);
    return GroupIPCs(ipcList, loads, model, disabledChannels);
}

int GroupIPCs(std::vector<CalIPCInfo>& ipcList, CalNVRLoads& loads, const CalNVRInfo& given,
              int disabledChannels)
{
    loads.clear();
    CalNVRInfo model = given;
    // An unknown built-in id leaves the model empty, and -1 disabled channels has always meant
    // "none counted": no channel, nothing placed.
    model.usableChannels =
        model.bandwidth > 0 && disabledChannels != -1 ? model.ipChannels + disabledChannels : 0;

    for (CalIPCInfo& info : ipcList)
        info.byBitRate = true;
    std::sort(ipcList.begin(), ipcList.end());
    loads.types = ipcList;

    Grouping grouping(loads, model.bandwidth, model.usableChannels);
    grouping.Reserve();
    int total = 0;
    for (std::size_t type = 0; type < ipcList.size(); ++type) {
        if (!grouping.Place(int(type), total)) {
            loads.clear();
            return 0;
        }
    }
    return total;
}

void MergeNVRLoads(const CalNVRLoads& loads, std::vector<CalNVRUsedByUI>& usedList)
{
    const std::size_t firstLine = usedList.size();
    // The run that opened each new line stands for the line's load. Lines are pairwise
    // distinct, so the one line a hash leads to that compares equal is the first equal line.
    std::vector<const CalNVRLoads::Run*> lineRun;
    std::vector<std::size_t> lineHash;
    std::unordered_multimap<std::size_t, std::size_t> lineByHash;
    std::size_t lastLine = SIZE_MAX;

    for (std::size_t index = 0; index < loads.runs.size(); ++index) {
        const CalNVRLoads::Run& run = loads.runs[index];
        if (index + PrefetchAhead < loads.runs.size()) {
            const int ahead = loads.runs[index + PrefetchAhead].first;
            const int next = ahead >= 0 ? loads.placed[std::size_t(ahead)].next : -1;
            if (next >= 0)
                Prefetch(&loads.placed[std::size_t(next)]);
        }
        // The hash first: a load is a chain of placements scattered over memory, walked once
        // for the hash rather than once more for every line it is compared with.
        const std::size_t hash = HashLoad(loads, run);
        // Neighbouring recorders were mostly opened together and carry the same load.
        if (lastLine != SIZE_MAX && lineHash[lastLine] == hash &&
            SameLoad(loads, *lineRun[lastLine], run)) {
            usedList[firstLine + lastLine].nvrCount += run.recorders;
            continue;
        }
        std::size_t found = SIZE_MAX;
        auto range = lineByHash.equal_range(hash);
        for (auto it = range.first; it != range.second; ++it) {
            if (SameLoad(loads, *lineRun[it->second], run)) {
                found = it->second;
                break;
            }
        }
        if (found == SIZE_MAX) {
            found = lineRun.size();
            lineRun.push_back(&run);
            lineHash.push_back(hash);
            lineByHash.emplace(hash, found);
            CalNVRUsedByUI line;
            line.nvrCount = run.recorders;
            line.ipcs = CamerasOf(loads, run);
            usedList.push_back(std::move(line));
        } else {
            usedList[firstLine + found].nvrCount += run.recorders;
        }
        lastLine = found;
    }

    for (std::size_t i = firstLine; i < usedList.size(); ++i) {
        std::vector<CalIPCInfo>& ipcs = usedList[i].ipcs;
        for (CalIPCInfo& info : ipcs)
            info.byBitRate = false;
        std::sort(ipcs.begin(), ipcs.end());
    }
}

int GroupIPCToNVR(std::vector<CalIPCInfo>& ipcList, std::map<int, CalNVRGroup>& groupMap,
                  int nvrType, int disabledChannels)
{
    CalNVRLoads loads;
    const int total = GroupIPCs(ipcList, loads, nvrType, disabledChannels);
    CalNVRInfo model;
    FindNVRTypeById(nvrType, model, disabledChannels);
    int number = 0;
    for (const CalNVRLoads::Run& run : loads.runs) {
        CalNVRGroup group;
        group.ipcs = CamerasOf(loads, run);
        group.freeBandwidth = model.bandwidth;
        group.freeChannels = model.usableChannels;
        for (const CalIPCInfo& info : group.ipcs) {
            group.freeBandwidth -= info.bitRate * info.count;
            group.freeChannels -= info.count;
        }
        for (int i = 0; i < run.recorders; ++i)
            groupMap.insert_or_assign(groupMap.end(), ++number, group);
    }
    return total;
}

void MergeNVRGroups(const std::map<int, CalNVRGroup>& groupMap,
                    std::vector<CalNVRUsedByUI>& usedList)
{
    // Every camera entry becomes a type of its own, so lines keep each entry's bit rate.
    CalNVRLoads loads;
    for (const auto& entry : groupMap) {
        CalNVRLoads::Run run;
        run.recorders = 1;
        for (const CalIPCInfo& info : entry.second.ipcs) {
            const int placement = int(loads.placed.size());
            loads.placed.push_back({int(loads.types.size()), info.count, -1});
            loads.types.push_back(info);
            if (run.first < 0)
                run.first = placement;
            else
                loads.placed[std::size_t(run.last)].next = placement;
            run.last = placement;
        }
        loads.runs.push_back(run);
    }
    MergeNVRLoads(loads, usedList);
}

namespace {

CalNVRInfo ModelOf(const CalNVRDataRecord& data)
{
    if (data.model.bandwidth > 0)
        return data.model;
    CalNVRInfo model;
    FindNVRTypeById(data.nvrType, model, -1);
    return model;
}

} // namespace

int RunNVRCalculation(CalNVRDataRecord& data)
{
    CalNVRLoads loads;
    CalNVRInfo model = ModelOf(data);
    model.bandwidth = ReservedBandwidth(model.bandwidth, data.bandwidthReservePercent);
    const int total = GroupIPCs(data.ipcList, loads, model, data.disabledChannels);
    data.groupMap.clear();
    data.usedList.clear();
    MergeNVRLoads(loads, data.usedList);
    std::sort(data.usedList.begin(), data.usedList.end());
    data.nvrTotal = total;
    data.lineStorage.clear();
    data.siteStorage = CalStorage{};
    data.lineDaysKept.clear();
    data.siteDaysKept = CalDaysKept{};
    if (!data.storageRates.empty())
        ResultStorage(data);
    return total;
}

void ResultStorage(CalNVRDataRecord& data)
{
    const CalNVRInfo model = ModelOf(data);
    std::vector<int> nvrCounts;
    nvrCounts.reserve(data.usedList.size());
    data.lineStorage.clear();
    data.lineStorage.reserve(data.usedList.size());
    data.lineDaysKept.clear();
    const bool daysKept = data.storageInputs.goal == CalStorageGoal::DaysKept;
    std::vector<CalStorageLine> daysLines;
    std::vector<CalStorageCamera> cameras;
    for (const CalNVRUsedByUI& used : data.usedList) {
        cameras.clear();
        for (const CalIPCInfo& info : used.ipcs) {
            const bool known = info.id >= 1 && std::size_t(info.id) <= data.storageRates.size();
            CalStorageCamera camera;
            if (known)
                camera = data.storageRates[std::size_t(info.id - 1)];
            // A negative count is what the storage functions refuse.
            camera.count = known ? info.count : -1;
            cameras.push_back(camera);
        }
        CalStorage recorder = RecorderStorage(cameras, data.storageInputs);
        FitDisks(recorder, data.storageInputs, model.bays, model.largestDiskTB);
        data.lineStorage.push_back(recorder);
        nvrCounts.push_back(used.nvrCount);
        if (daysKept) {
            data.lineDaysKept.push_back(
                RecorderDaysKept(cameras, data.storageInputs, data.storageInputs.disksPerRecorder));
            daysLines.push_back({used.nvrCount, cameras});
        }
    }
    data.siteDaysKept =
        daysKept ? SiteDaysKept(daysLines, data.storageInputs, data.storageInputs.disksPerRecorder)
                 : CalDaysKept{};
    data.siteStorage = CheckStorageInputs(data.storageInputs) == CalStorageInput::None
                           ? SumSiteStorage(data.lineStorage, nvrCounts)
                           : CalStorage();
}

CalLineLoad LineLoad(const CalNVRUsedByUI& line, const CalNVRInfo& model, int disabledChannels,
                     int smallestBitRate, int reservePercent)
{
    CalLineLoad load;
    load.channels = model.ipChannels + disabledChannels;
    load.bandwidth = model.bandwidth;
    load.usableBandwidth = ReservedBandwidth(model.bandwidth, reservePercent);
    for (const CalIPCInfo& info : line.ipcs) {
        load.channelsUsed += info.count;
        load.bandwidthUsed += qint64(info.bitRate) * info.count;
    }
    if (load.channelsUsed >= load.channels)
        load.limit = CalLineLoad::Channels;
    else if (load.usableBandwidth - load.bandwidthUsed < qint64(smallestBitRate))
        load.limit = CalLineLoad::Bandwidth;
    return load;
}

double BandwidthUsePercent(qint64 used, int bandwidth)
{
    if (bandwidth <= 0)
        return 0;
    return double(used * 1000 / bandwidth) / 10.0;
}
