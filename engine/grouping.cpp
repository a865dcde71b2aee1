#include "engine/grouping.h"

#include "engine/nvrcatalogue.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

static CalIPCInfo Placed(int id, int bitRate, int count)
{
    CalIPCInfo info;
    info.id = id;
    info.bitRate = bitRate;
    info.count = count;
    info.byBitRate = false;
    return info;
}

int GroupIPCToNVR(std::vector<CalIPCInfo>& ipcList, std::map<int, CalNVRGroup>& groupMap,
                  int nvrType, int disabledChannels)
{
    CalNVRInfo model;
    FindNVRTypeById(nvrType, model, disabledChannels);
    const int bandwidth = model.bandwidth;
    const int channels = model.usableChannels;

    int total = 0;
    std::vector<CalNVRSpare> spare;
    // groups[n - 1] is recorder n's node; map nodes never move, and a spare entry finds its
    // recorder without a tree search on every visit.
    std::vector<CalNVRGroup*> groups;

    for (CalIPCInfo& info : ipcList)
        info.byBitRate = true;
    std::sort(ipcList.begin(), ipcList.end());

    for (const CalIPCInfo& type : ipcList) {
        const int id = type.id;
        const int bitRate = type.bitRate;
        int left = type.count;
        if (bitRate <= 0 || left <= 0)
            continue;
        if (bitRate > bandwidth || channels < 1)
            return 0;

        // Entries that stay are moved down over the removed ones in the same pass, so the
        // walk costs one pass whatever it removes; the unvisited tail is moved once at the end.
        std::size_t kept = 0;
        std::size_t at = 0;
        for (; at < spare.size() && left > 0; ++at) {
            CalNVRSpare& entry = spare[at];
            if (entry.nvrNo < 1 || entry.nvrNo > total || !groups[entry.nvrNo - 1])
                return 0;
            CalNVRGroup& group = *groups[entry.nvrNo - 1];
            bool stays = true;
            if (entry.freeBandwidth == bitRate) {
                group.ipcs.push_back(Placed(id, bitRate, 1));
                group.freeBandwidth = 0;
                group.freeChannels -= 1;
                left -= 1;
                stays = false;
            } else if (entry.freeBandwidth > bitRate) {
                const int fits = std::min(entry.freeBandwidth / bitRate, entry.freeChannels);
                const int placed = std::min(fits, left);
                entry.freeBandwidth -= placed * bitRate;
                entry.freeChannels -= placed;
                group.ipcs.push_back(Placed(id, bitRate, placed));
                group.freeBandwidth = entry.freeBandwidth;
                group.freeChannels = entry.freeChannels;
                left -= placed;
                stays = entry.freeBandwidth > 0 && entry.freeChannels > 0;
            }
            if (stays) {
                if (kept != at)
                    spare[kept] = entry;
                ++kept;
            }
        }
        spare.erase(spare.begin() + std::ptrdiff_t(kept), spare.begin() + std::ptrdiff_t(at));

        if (left <= 0)
            continue;

        const int perRecorder = std::min(bandwidth / bitRate, channels);
        auto open = [&](int count) {
            ++total;
            CalNVRGroup group;
            group.ipcs.push_back(Placed(id, bitRate, count));
            group.freeBandwidth = bandwidth - count * bitRate;
            group.freeChannels = channels - count;
            auto it = groupMap.insert_or_assign(groupMap.end(), total, std::move(group));
            groups.push_back(&it->second);
            if (it->second.freeBandwidth > 0 && it->second.freeChannels > 0)
                spare.push_back({total, it->second.freeBandwidth, it->second.freeChannels});
        };
        if (perRecorder < left) {
            const int full = left / perRecorder;
            const int rest = left % perRecorder;
            for (int i = 0; i < full; ++i)
                open(perRecorder);
            if (rest > 0)
                open(rest);
        } else {
            open(left);
        }
        std::sort(spare.begin(), spare.end());
    }
    return total;
}

namespace {

std::size_t HashLoad(const std::vector<CalIPCInfo>& ipcs)
{
    std::uint64_t h = 0x9e3779b97f4a7c15ull ^ ipcs.size();
    for (const CalIPCInfo& info : ipcs) {
        const std::uint64_t v =
            (std::uint64_t(std::uint32_t(info.id)) << 32) ^ std::uint32_t(info.count);
        h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    }
    return std::size_t(h);
}

} // namespace

void MergeNVRGroups(const std::map<int, CalNVRGroup>& groupMap,
                    std::vector<CalNVRUsedByUI>& usedList)
{
    const std::size_t firstLine = usedList.size();
    // Lines are pairwise distinct, so the one line a hash leads to that compares equal is the
    // first equal line in list order.
    std::unordered_multimap<std::size_t, std::size_t> lineByHash;
    std::size_t lastLine = SIZE_MAX;

    for (const auto& entry : groupMap) {
        const std::vector<CalIPCInfo>& ipcs = entry.second.ipcs;
        // Neighbouring recorders were mostly opened together and carry the same load.
        if (lastLine != SIZE_MAX && usedList[lastLine].ipcs == ipcs) {
            ++usedList[lastLine].nvrCount;
            continue;
        }
        const std::size_t hash = HashLoad(ipcs);
        std::size_t found = SIZE_MAX;
        auto range = lineByHash.equal_range(hash);
        for (auto it = range.first; it != range.second; ++it) {
            if (usedList[it->second].ipcs == ipcs) {
                found = it->second;
                break;
            }
        }
        if (found == SIZE_MAX) {
            found = usedList.size();
            CalNVRUsedByUI line;
            line.nvrCount = 1;
            line.ipcs = ipcs;
            usedList.push_back(std::move(line));
            lineByHash.emplace(hash, found);
        } else {
            ++usedList[found].nvrCount;
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

int RunNVRCalculation(CalNVRDataRecord& data)
{
    const int total =
        GroupIPCToNVR(data.ipcList, data.groupMap, data.nvrType, data.disabledChannels);
    // Moved, not copied: the map can hold a million recorders.
    std::map<int, CalNVRGroup> groups = std::move(data.groupMap);
    data.groupMap.clear();
    data.usedList.clear();
    MergeNVRGroups(groups, data.usedList);
    std::sort(data.usedList.begin(), data.usedList.end());
    data.nvrTotal = total;
    return total;
}
