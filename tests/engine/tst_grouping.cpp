// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grouping.h"
#include "engine/nvrcatalogue.h"
#include "engine/validation.h"

#include <QtTest>
#include <algorithm>
#include <random>
#include <set>

// Camera lists are written "id:bitRate:count id:bitRate:count ...", loads "1x3,2x5", a set of
// loads or lines "a|b|c" (lines as "count:load").
using Lines = std::vector<CalNVRUsedByUI>;
using Groups = std::map<int, CalNVRGroup>;

static std::vector<CalIPCInfo> Cameras(const QString& text)
{
    std::vector<CalIPCInfo> list;
    for (const QString& item : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList f = item.split(QLatin1Char(':'));
        CalIPCInfo info;
        info.id = f[0].toInt();
        info.bitRate = f[1].toInt();
        info.count = f[2].toInt();
        list.push_back(info);
    }
    return list;
}

static QString Load(const std::vector<CalIPCInfo>& ipcs)
{
    QStringList parts;
    for (const CalIPCInfo& info : ipcs)
        parts << QStringLiteral("%1x%2").arg(info.id).arg(info.count);
    return parts.join(QLatin1Char(','));
}

static QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

static QStringList GroupLoads(const Groups& groups)
{
    QStringList loads;
    for (const auto& entry : groups)
        loads << Load(entry.second.ipcs);
    return loads;
}

static QStringList LineTexts(const Lines& lines)
{
    QStringList texts;
    for (const CalNVRUsedByUI& line : lines)
        texts << QStringLiteral("%1:%2").arg(line.nvrCount).arg(Load(line.ipcs));
    return texts;
}

// The grouping written the plain way, with list erasure and a linear search for equal
// lines: slow, but the optimised engine must give exactly its results.
static int ReferenceGroup(std::vector<CalIPCInfo>& list, Groups& groups, const CalNVRInfo& model)
{
    const int w = model.bandwidth;
    const int u = model.usableChannels;
    int n = 0;
    std::vector<CalNVRSpare> spare;
    for (CalIPCInfo& info : list)
        info.byBitRate = true;
    std::sort(list.begin(), list.end());
    for (const CalIPCInfo& type : list) {
        const int b = type.bitRate;
        int c = type.count;
        if (b > w)
            return 0;
        for (auto it = spare.begin(); it != spare.end() && c > 0;) {
            CalNVRGroup& g = groups.at(it->nvrNo);
            if (it->freeBandwidth == b) {
                g.ipcs.push_back({type.id, b, 1, false});
                g.freeBandwidth = 0;
                g.freeChannels -= 1;
                c -= 1;
                it = spare.erase(it);
            } else if (it->freeBandwidth < b) {
                ++it;
            } else {
                const int m = std::min(std::min(it->freeBandwidth / b, it->freeChannels), c);
                it->freeBandwidth -= m * b;
                it->freeChannels -= m;
                g.ipcs.push_back({type.id, b, m, false});
                g.freeBandwidth = it->freeBandwidth;
                g.freeChannels = it->freeChannels;
                c -= m;
                if (it->freeBandwidth == 0 || it->freeChannels == 0)
                    it = spare.erase(it);
                else
                    ++it;
            }
        }
        if (c <= 0)
            continue;
        const int p = std::min(w / b, u);
        std::vector<int> sizes(std::size_t(c / p), p);
        if (c % p)
            sizes.push_back(c % p);
        for (int size : sizes) {
            CalNVRGroup g;
            g.ipcs.push_back({type.id, b, size, false});
            g.freeBandwidth = w - size * b;
            g.freeChannels = u - size;
            groups[++n] = g;
            if (g.freeBandwidth > 0 && g.freeChannels > 0)
                spare.push_back({n, g.freeBandwidth, g.freeChannels});
        }
        std::sort(spare.begin(), spare.end());
    }
    return n;
}

static void ReferenceMerge(const Groups& groups, Lines& lines)
{
    for (const auto& entry : groups) {
        auto it = std::find_if(lines.begin(), lines.end(), [&](const CalNVRUsedByUI& line) {
            return line.ipcs == entry.second.ipcs;
        });
        if (it != lines.end())
            ++it->nvrCount;
        else
            lines.push_back({1, entry.second.ipcs});
    }
    for (CalNVRUsedByUI& line : lines) {
        for (CalIPCInfo& info : line.ipcs)
            info.byBitRate = false;
        std::sort(line.ipcs.begin(), line.ipcs.end());
    }
}

class TestGrouping : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void examples_data();
    void examples();
    void cannotPlace_data();
    void cannotPlace();
    void typesWithoutBitRateOrCountAreLeftOut();
    void mergeFoldsEqualLoadsInFirstSeenOrder();
    void mergeIgnoresBitRate();
    void randomInputsKeepInvariants();
    void randomInputsMatchPlainAlgorithm_data();
    void randomInputsMatchPlainAlgorithm();
    void reserveMatchesPlainAlgorithmOnScaledBandwidth_data();
    void reserveMatchesPlainAlgorithmOnScaledBandwidth();
    void secondCalculationGivesSameResult();
    void longTiedSpareListsMatchPlainAlgorithm_data();
    void longTiedSpareListsMatchPlainAlgorithm();
};

void TestGrouping::initTestCase()
{
    InitNVRTypeTable();
}

void TestGrouping::examples_data()
{
    QTest::addColumn<int>("nvrType");
    QTest::addColumn<int>("disabled");
    QTest::addColumn<QString>("cameras");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("recorders");
    QTest::addColumn<QString>("lines");

    QTest::newRow("second type fills the first recorder's channels")
        << 0 << 0 << "1:4096:3 2:1024:10" << 2 << "1x3,2x5|2x5"
        << "1:1x3,2x5|1:2x5";
    QTest::newRow("bulk opening, only the partial recorder spare")
        << 0 << 0 << "1:2048:20" << 3 << "1x8|1x8|1x4"
        << "1:1x4|2:1x8";
    QTest::newRow("spare recorder takes the second type")
        << 0 << 0 << "1:3000:6 2:1024:2" << 1 << "1x6,2x2"
        << "1:1x6,2x2";
    QTest::newRow("both cameras onto the first spare entry")
        << 0 << 0 << "1:3000:12 2:1024:2" << 2 << "1x6,2x2|1x6"
        << "1:1x6,2x2|1:1x6";
    QTest::newRow("equal free bandwidth takes exactly one camera")
        << 0 << 0 << "1:16384:1 2:4096:3" << 2 << "1x1,2x1|2x2"
        << "1:1x1,2x1|1:2x2";
    QTest::newRow("full-bandwidth cameras, one recorder each")
        << 0 << 0 << "1:20480:3" << 3 << "1x1|1x1|1x1"
        << "3:1x1";
    QTest::newRow("types taken by descending bit rate, not by id")
        << 0 << 0 << "1:1024:10 2:4096:3" << 2 << "2x3,1x5|1x5"
        << "1:1x5|1:1x5,2x3";
    // Recorder 2 ends with 1480 kbps free, recorder 1 with 6480, but the list is not sorted
    // again until recorders are opened, so type 3 goes to recorder 2.
    QTest::newRow("walk follows list order between sorts")
        << 0 << 0 << "1:7000:3 2:6000:2 3:1000:1" << 2 << "1x2|1x1,2x2,3x1"
        << "1:1x1,2x2,3x1|1:1x2";
    QTest::newRow("full bulk recorders stay apart from the partial one that fills")
        << 0 << 0 << "1:2048:20 2:512:3 3:20480:2" << 5 << "1x8|1x8|1x4,2x3|3x1|3x1"
        << "1:1x4,2x3|2:1x8|2:3x1";
    QTest::newRow("disabled channels raise the per-recorder limit")
        << 16 << 4 << "1:2048:9" << 2 << "1x8|1x1"
        << "1:1x1|1:1x8";
}

void TestGrouping::examples()
{
    QFETCH(int, nvrType);
    QFETCH(int, disabled);
    QFETCH(QString, cameras);
    QFETCH(int, total);
    QFETCH(QString, recorders);
    QFETCH(QString, lines);

    std::vector<CalIPCInfo> list = Cameras(cameras);
    Groups groups;
    QCOMPARE(GroupIPCToNVR(list, groups, nvrType, disabled), total);
    QCOMPARE(int(groups.size()), total);
    QCOMPARE(groups.begin()->first, 1);
    QCOMPARE(groups.rbegin()->first, total);
    QCOMPARE(Sorted(GroupLoads(groups)), Sorted(recorders.split(QLatin1Char('|'))));

    CalNVRDataRecord data;
    data.ipcList = Cameras(cameras);
    data.nvrType = nvrType;
    data.disabledChannels = disabled;
    data.nvrTotal = -1;
    QCOMPARE(RunNVRCalculation(data), total);
    QCOMPARE(data.nvrTotal, total);
    QVERIFY(data.groupMap.empty());
    // Lines with equal counts may come in either order.
    QCOMPARE(Sorted(LineTexts(data.usedList)), Sorted(lines.split(QLatin1Char('|'))));
    QVERIFY(std::is_sorted(data.usedList.begin(), data.usedList.end()));
}

void TestGrouping::cannotPlace_data()
{
    QTest::addColumn<int>("nvrType");
    QTest::addColumn<int>("disabled");
    QTest::addColumn<QString>("cameras");

    QTest::newRow("one kbps above the bandwidth") << 0 << 0 << "1:20481:1";
    QTest::newRow("lower types do not help") << 0 << 0 << "1:1024:5 2:30000:1";
    QTest::newRow("unknown model") << 28 << 0 << "1:1024:5";
    QTest::newRow("no usable channels") << 0 << -1 << "1:1024:5";
}

void TestGrouping::cannotPlace()
{
    QFETCH(int, nvrType);
    QFETCH(int, disabled);
    QFETCH(QString, cameras);
    std::vector<CalIPCInfo> list = Cameras(cameras);
    Groups groups;
    QCOMPARE(GroupIPCToNVR(list, groups, nvrType, disabled), 0);
    QVERIFY(groups.empty());
}

void TestGrouping::typesWithoutBitRateOrCountAreLeftOut()
{
    std::vector<CalIPCInfo> list = Cameras("1:0:5 2:2048:8 3:1024:0 4:-64:2 5:512:-1");
    Groups groups;
    QCOMPARE(GroupIPCToNVR(list, groups, 0, 0), 1);
    QCOMPARE(Load(groups.at(1).ipcs), QStringLiteral("2x8"));
}

void TestGrouping::mergeFoldsEqualLoadsInFirstSeenOrder()
{
    Groups groups;
    const QStringList loads = {"1:4096:2 2:512:3", "2:512:3", "1:4096:2 2:512:3",
                               "2:512:3 1:4096:2", "2:512:3"};
    for (int i = 0; i < loads.size(); ++i)
        groups[i + 1].ipcs = Cameras(loads[i]);
    Lines lines;
    MergeNVRGroups(groups, lines);
    // Order of placement takes part in the comparison; the lines then list cameras by id.
    QCOMPARE(LineTexts(lines), QStringList({"2:1x2,2x3", "2:2x3", "1:1x2,2x3"}));
    for (const CalNVRUsedByUI& line : lines) {
        for (const CalIPCInfo& info : line.ipcs)
            QVERIFY(!info.byBitRate);
    }
}

void TestGrouping::mergeIgnoresBitRate()
{
    Groups groups;
    groups[1].ipcs = Cameras("1:4096:2");
    groups[2].ipcs = Cameras("1:64:2");
    Lines lines;
    MergeNVRGroups(groups, lines);
    QCOMPARE(LineTexts(lines), QStringList({"2:1x2"}));
    QCOMPARE(lines[0].ipcs[0].bitRate, 4096);
}

static std::vector<CalIPCInfo> RandomCameras(std::mt19937& rng, int maxTypes, int maxCount)
{
    static const int rates[] = {0, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192, 16384};
    std::uniform_int_distribution<int> rate(0, 10), types(1, maxTypes), count(1, maxCount);
    std::vector<CalIPCInfo> list;
    const int n = types(rng);
    for (int id = 1; id <= n; ++id) {
        CalIPCInfo info;
        info.id = id;
        info.bitRate = std::max(32, rates[rate(rng)] + rates[rate(rng)]);
        info.count = count(rng);
        list.push_back(info);
    }
    return list;
}

static int RandomModel(std::mt19937& rng, int* disabled)
{
    const int id = std::uniform_int_distribution<int>(0, 27)(rng);
    *disabled = std::uniform_int_distribution<int>(0, NVRTypeList[id].maxDisableChannels)(rng);
    return id;
}

void TestGrouping::randomInputsKeepInvariants()
{
    std::mt19937 rng(20240611);
    for (int trial = 0; trial < 300; ++trial) {
        int disabled = 0;
        const int nvrType = RandomModel(rng, &disabled);
        CalNVRInfo model;
        FindNVRTypeById(nvrType, model, disabled);
        std::vector<CalIPCInfo> list = RandomCameras(rng, 12, 60);
        list.erase(std::remove_if(list.begin(), list.end(),
                                  [&](const CalIPCInfo& i) { return i.bitRate > model.bandwidth; }),
                   list.end());
        std::map<int, int> wanted;
        for (const CalIPCInfo& info : list)
            wanted[info.id] = info.count;

        Groups groups;
        const int total = GroupIPCToNVR(list, groups, nvrType, disabled);
        QCOMPARE(int(groups.size()), total);
        for (std::size_t i = 1; i < list.size(); ++i)
            QVERIFY(list[i - 1].bitRate >= list[i].bitRate && list[i].byBitRate);

        std::map<int, int> placed;
        std::map<QString, int> recordersPerLoad;
        int number = 0;
        for (const auto& [no, group] : groups) {
            QCOMPARE(no, ++number);
            int bandwidth = 0;
            int channels = 0;
            std::set<int> ids;
            for (const CalIPCInfo& info : group.ipcs) {
                QVERIFY(info.count > 0);
                QVERIFY(ids.insert(info.id).second);
                placed[info.id] += info.count;
                bandwidth += info.bitRate * info.count;
                channels += info.count;
            }
            QVERIFY(bandwidth <= model.bandwidth && channels <= model.usableChannels);
            QCOMPARE(group.freeBandwidth, model.bandwidth - bandwidth);
            QCOMPARE(group.freeChannels, model.usableChannels - channels);
            std::vector<CalIPCInfo> byId = group.ipcs;
            std::sort(byId.begin(), byId.end());
            ++recordersPerLoad[Load(byId)];
        }
        QCOMPARE(placed, wanted);

        Lines lines;
        MergeNVRGroups(groups, lines);
        int sum = 0;
        std::map<QString, int> linesPerLoad;
        for (const CalNVRUsedByUI& line : lines) {
            sum += line.nvrCount;
            QVERIFY(std::is_sorted(line.ipcs.begin(), line.ipcs.end()));
            linesPerLoad[Load(line.ipcs)] += line.nvrCount;
        }
        QCOMPARE(sum, total);
        // Loads that differ only in placement order are separate lines of the same text.
        QCOMPARE(linesPerLoad, recordersPerLoad);
    }
}

// Ties decide the result: equal bit rates in the type sort and equal free bandwidths in the
// spare-list sort. The unstable sort reorders equal entries only beyond 16 of them, so the
// tie inputs have more types and spare recorders than that.
static std::vector<CalIPCInfo> TiedCameras(std::mt19937& rng, bool bulk)
{
    // Bulk: rates that fill a recorder's bandwidth or channels exactly, many cameras each, so
    // most recorders are opened full in bulk between spare ones.
    static const int tied[] = {1024, 2048, 3000, 5000};
    static const int filling[] = {1024, 2560, 5120, 10240, 20480, 3000};
    std::uniform_int_distribution<int> pick(0, bulk ? 5 : 3), types(17, 60);
    std::uniform_int_distribution<int> count(1, bulk ? 1200 : 40);
    std::vector<CalIPCInfo> list;
    const int n = types(rng);
    for (int id = 1; id <= n; ++id) {
        CalIPCInfo info;
        info.id = id;
        info.bitRate = bulk ? filling[pick(rng)] : tied[pick(rng)];
        info.count = count(rng);
        list.push_back(info);
    }
    return list;
}

void TestGrouping::randomInputsMatchPlainAlgorithm_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("mixed rates, long spare walks") << 0;
    QTest::newRow("few rates, many ties") << 1;
    QTest::newRow("bulk-opened full recorders between spare ones") << 2;
    QTest::newRow("a planner's own model, its figures at random") << 3;
}

void TestGrouping::randomInputsMatchPlainAlgorithm()
{
    QFETCH(int, kind);
    std::mt19937 rng(7 + kind);
    for (int trial = 0; trial < 300; ++trial) {
        int disabled = 0;
        const int nvrType = kind == 0 ? RandomModel(rng, &disabled) : trial % 3 ? 0 : 6;
        // Many small types against a long spare list exercise removals in the walk.
        std::vector<CalIPCInfo> input = kind == 0 || kind == 3
                                            ? RandomCameras(rng, 40, trial % 2 ? 400 : 30)
                                            : TiedCameras(rng, kind == 2);
        if (kind == 3) {
            // Given by value only: the engine must not look it up among the built-in ones.
            CalNVRInfo own(CalFirstOwnModelId + trial, QStringLiteral("own"), 0, 0, 0);
            own.ipChannels = std::uniform_int_distribution<int>(1, 64)(rng);
            own.maxDisableChannels = std::uniform_int_distribution<int>(0, own.ipChannels)(rng);
            own.bandwidth = std::uniform_int_distribution<int>(16384, 400000)(rng);
            disabled = std::uniform_int_distribution<int>(0, own.maxDisableChannels)(rng);
            input.erase(
                std::remove_if(input.begin(), input.end(),
                               [&](const CalIPCInfo& i) { return i.bitRate > own.bandwidth; }),
                input.end());
            CalNVRDataRecord data;
            data.ipcList = input;
            data.model = own;
            data.disabledChannels = disabled;
            std::vector<CalIPCInfo> refList = input;
            Groups refGroups;
            CalNVRInfo reference = own;
            reference.usableChannels = own.ipChannels + disabled;
            QCOMPARE(RunNVRCalculation(data), ReferenceGroup(refList, refGroups, reference));
            Lines refLines;
            ReferenceMerge(refGroups, refLines);
            std::sort(refLines.begin(), refLines.end());
            QCOMPARE(LineTexts(data.usedList), LineTexts(refLines));
            continue;
        }

        std::vector<CalIPCInfo> list = input;
        Groups groups;
        const int total = GroupIPCToNVR(list, groups, nvrType, disabled);
        std::vector<CalIPCInfo> refList = input;
        Groups refGroups;
        CalNVRInfo model;
        FindNVRTypeById(nvrType, model, disabled);
        QCOMPARE(total, ReferenceGroup(refList, refGroups, model));
        QCOMPARE(GroupLoads(groups), GroupLoads(refGroups));
        for (const auto& [no, group] : refGroups) {
            QCOMPARE(groups.at(no).freeBandwidth, group.freeBandwidth);
            QCOMPARE(groups.at(no).freeChannels, group.freeChannels);
        }

        Lines lines;
        MergeNVRGroups(groups, lines);
        Lines refLines;
        ReferenceMerge(refGroups, refLines);
        QCOMPARE(LineTexts(lines), LineTexts(refLines));

        // The worker's path never builds the map; its lines, in their final order, are the
        // same unstable sort over the same sequence.
        CalNVRDataRecord data;
        data.ipcList = input;
        data.nvrType = nvrType;
        data.disabledChannels = disabled;
        QCOMPARE(RunNVRCalculation(data), total);
        std::sort(refLines.begin(), refLines.end());
        QCOMPARE(LineTexts(data.usedList), LineTexts(refLines));
        QVERIFY(data.groupMap.empty());
        for (std::size_t i = 0; i < list.size(); ++i)
            QCOMPARE(data.ipcList[i].id, refList[i].id);
    }
}

void TestGrouping::reserveMatchesPlainAlgorithmOnScaledBandwidth_data()
{
    QTest::addColumn<bool>("ownModel");
    QTest::addColumn<int>("maxBandwidth"); // own models only
    QTest::addColumn<int>("minReserve");
    QTest::addColumn<int>("maxReserve");

    QTest::newRow("built-in models, any reserve") << false << 0 << 0 << 50;
    QTest::newRow("built-in models, 1 %: rounding down") << false << 0 << 1 << 1;
    QTest::newRow("own models, any reserve") << true << 400000 << 0 << 50;
    // Bandwidth x 100 leaves int above 21,474,836 kbps.
    QTest::newRow("own models up to the largest bandwidth")
        << true << CalMaxModelBandwidth << 0 << 50;
    QTest::newRow("own models, the largest reserve") << true << 400000 << 50 << 50;
}

// With a reserve the grouping must be the plain one on a recorder whose bandwidth is the
// share left, rounded down; the check before it and each line's load must agree.
void TestGrouping::reserveMatchesPlainAlgorithmOnScaledBandwidth()
{
    QFETCH(bool, ownModel);
    QFETCH(int, maxBandwidth);
    QFETCH(int, minReserve);
    QFETCH(int, maxReserve);
    std::mt19937 rng(31 + minReserve + maxBandwidth % 1000);
    for (int trial = 0; trial < 300; ++trial) {
        const int reserve = std::uniform_int_distribution<int>(minReserve, maxReserve)(rng);
        int disabled = 0;
        CalNVRInfo model;
        CalNVRDataRecord data;
        if (ownModel) {
            model = CalNVRInfo(CalFirstOwnModelId, QStringLiteral("own"), 0, 0, 0);
            model.ipChannels = std::uniform_int_distribution<int>(1, 1024)(rng);
            model.maxDisableChannels = std::uniform_int_distribution<int>(0, model.ipChannels)(rng);
            model.bandwidth = std::uniform_int_distribution<int>(16384, maxBandwidth)(rng);
            disabled = std::uniform_int_distribution<int>(0, model.maxDisableChannels)(rng);
            data.model = model;
        } else {
            data.nvrType = RandomModel(rng, &disabled);
            FindNVRTypeById(data.nvrType, model, -1);
        }
        const int usable = int(qint64(model.bandwidth) * (100 - reserve) / 100);

        std::vector<CalIPCInfo> input = RandomCameras(rng, 40, trial % 2 ? 400 : 30);
        // Most trials keep only what fits the usable bandwidth; the others test the refusal.
        if (trial % 5 != 0)
            input.erase(std::remove_if(input.begin(), input.end(),
                                       [&](const CalIPCInfo& i) { return i.bitRate > usable; }),
                        input.end());
        const bool refused = std::any_of(input.begin(), input.end(),
                                         [&](const CalIPCInfo& i) { return i.bitRate > usable; });
        std::vector<int> over;
        QCOMPARE(CheckNVRRequest(input, model.bandwidth, &over, reserve),
                 refused ? CalNVRCheck::BitRateOverBandwidth : CalNVRCheck::Ok);
        QCOMPARE(over.empty(), !refused);

        data.ipcList = input;
        data.disabledChannels = disabled;
        data.bandwidthReservePercent = reserve;
        const int total = RunNVRCalculation(data);
        if (refused) {
            QCOMPARE(total, 0);
            QVERIFY(data.usedList.empty());
            continue;
        }
        CalNVRInfo scaled = model;
        scaled.bandwidth = usable;
        scaled.usableChannels = model.ipChannels + disabled;
        std::vector<CalIPCInfo> refList = input;
        Groups refGroups;
        QCOMPARE(total, ReferenceGroup(refList, refGroups, scaled));
        Lines refLines;
        ReferenceMerge(refGroups, refLines);
        std::sort(refLines.begin(), refLines.end());
        QCOMPARE(LineTexts(data.usedList), LineTexts(refLines));

        // Use is shown against the whole bandwidth; "full" is judged on what may be filled.
        const int smallest = input.empty() ? 0 : data.ipcList.back().bitRate;
        for (const CalNVRUsedByUI& line : data.usedList) {
            const CalLineLoad load = LineLoad(line, model, disabled, smallest, reserve);
            QCOMPARE(load.bandwidth, model.bandwidth);
            QCOMPARE(load.usableBandwidth, usable);
            QVERIFY(load.bandwidthUsed <= usable);
            const bool channelsLeft = load.channelsUsed < scaled.usableChannels;
            const bool bandwidthLeft = usable - load.bandwidthUsed >= smallest;
            QCOMPARE(load.limit, !channelsLeft    ? CalLineLoad::Channels
                                 : !bandwidthLeft ? CalLineLoad::Bandwidth
                                                  : CalLineLoad::NotFull);
        }
    }
}

void TestGrouping::secondCalculationGivesSameResult()
{
    std::mt19937 rng(99);
    CalNVRDataRecord data;
    data.nvrType = 18;
    data.disabledChannels = 16;
    const std::vector<CalIPCInfo> input = RandomCameras(rng, 30, 2000);
    data.ipcList = input;
    RunNVRCalculation(data);
    const int total = data.nvrTotal;
    const QStringList lines = LineTexts(data.usedList);
    QVERIFY(total > 0);
    QVERIFY(data.groupMap.empty());

    data.ipcList = input;
    data.nvrTotal = -1;
    RunNVRCalculation(data);
    QCOMPARE(data.nvrTotal, total);
    QCOMPARE(LineTexts(data.usedList), lines);
}

void TestGrouping::longTiedSpareListsMatchPlainAlgorithm_data()
{
    QTest::addColumn<QString>("cameras");
    // Case (c) of the benchmarks in small: 12 types leave 3,612 recorders tied at 10,000 kbps
    // free, sorted after each type; 10 types then take stretches of them.
    QString small;
    for (int id = 1; id <= 12; ++id)
        small += QStringLiteral("%1:10480:301 ").arg(id);
    for (int id = 13; id <= 22; ++id)
        small += QStringLiteral("%1:10000:350 ").arg(id);
    QTest::newRow("case (c) in small") << small;
    // Remainder recorders tie on free bandwidth with full ones but keep more channels free:
    // 2 cameras of 5240 kbps leave 10,000 kbps and 6 channels, one of 10480 kbps 7 channels.
    QString channels;
    for (int id = 1; id <= 8; ++id)
        channels += QStringLiteral("%1:10480:%2 %3:5240:%4 ")
                        .arg(2 * id - 1)
                        .arg(200 + id)
                        .arg(2 * id)
                        .arg(3 * id + 2);
    for (int id = 17; id <= 24; ++id)
        channels += QStringLiteral("%1:10000:%2 %3:1000:%4 ")
                        .arg(id)
                        .arg(150 + id)
                        .arg(id + 8)
                        .arg(40 + id);
    QTest::newRow("ties with different free channels") << channels;
}

void TestGrouping::longTiedSpareListsMatchPlainAlgorithm()
{
    QFETCH(QString, cameras);
    const std::vector<CalIPCInfo> input = Cameras(cameras);
    std::vector<CalIPCInfo> list = input;
    Groups groups;
    const int total = GroupIPCToNVR(list, groups, 0, 0);
    std::vector<CalIPCInfo> refList = input;
    Groups refGroups;
    CalNVRInfo model;
    FindNVRTypeById(0, model, 0);
    QCOMPARE(total, ReferenceGroup(refList, refGroups, model));
    QVERIFY2(total > 1500, qPrintable(QString::number(total)));
    QCOMPARE(GroupLoads(groups), GroupLoads(refGroups));

    CalNVRDataRecord data;
    data.ipcList = input;
    QCOMPARE(RunNVRCalculation(data), total);
    Lines refLines;
    ReferenceMerge(refGroups, refLines);
    std::sort(refLines.begin(), refLines.end());
    QCOMPARE(LineTexts(data.usedList), LineTexts(refLines));
    // Types spread over the tied recorders meet on many of them.
    QVERIFY(data.usedList.size() > 20);
}

QTEST_APPLESS_MAIN(TestGrouping)
#include "tst_grouping.moc"
