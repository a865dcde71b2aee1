// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/storage.h"
#include "engine/validation.h"

#include <QtTest>

using Cameras = std::vector<CalStorageCamera>;
using Lines = std::vector<CalStorageLine>;
Q_DECLARE_METATYPE(CalStorageInputs)
Q_DECLARE_METATYPE(Cameras)
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(CalStorageInput)
Q_DECLARE_METATYPE(CalRedundancy)

namespace {

constexpr CalStreams First = CalStreams::FirstOnly;
constexpr CalStreams Both = CalStreams::Both;

CalStorageInputs Inputs(int days, int hours, int percent, CalStreams streams, int diskTB,
                        CalRedundancy redundancy)
{
    CalStorageInputs inputs;
    inputs.retentionDays = days;
    inputs.hoursPerDay = hours;
    inputs.recordedPercent = percent;
    inputs.streams = streams;
    inputs.diskTB = diskTB;
    inputs.redundancy = redundancy;
    return inputs;
}

CalStorageInputs Defaults()
{
    return CalStorageInputs();
}

CalStorageInputs Kept(int hours, int percent, CalStreams streams, int diskTB,
                      CalRedundancy redundancy, int reservePercent, int hotSpares)
{
    CalStorageInputs inputs = Inputs(30, hours, percent, streams, diskTB, redundancy);
    inputs.storageReservePercent = reservePercent;
    inputs.hotSpares = hotSpares;
    return inputs;
}

// The recorders of the user guide's worked example: twelve 4M cameras and four 2M cameras,
// and a second line with the four 2M cameras alone.
Cameras GuideLineA()
{
    return {{4096, 512, 12}, {2048, 256, 4}};
}
Cameras GuideLineB()
{
    return {{2048, 256, 4}};
}
CalStorageInputs GuideInputs(CalStreams streams = First)
{
    return Inputs(30, 24, 100, streams, 8, CalRedundancy::SingleParity);
}

const int Million = 1000000;

} // namespace

class TestStorage : public QObject
{
    Q_OBJECT

private slots:
    void inputCheck_data();
    void inputCheck();
    void recorder_data();
    void recorder();
    void disks_data();
    void disks();
    void site_data();
    void site();
    void daysKept_data();
    void daysKept();
};

void TestStorage::inputCheck_data()
{
    QTest::addColumn<CalStorageInputs>("inputs");
    QTest::addColumn<CalStorageInput>("firstBad");

    const auto None = CalStorageInput::None;
    auto with = [](auto change) {
        CalStorageInputs inputs;
        change(inputs);
        return inputs;
    };

    QTest::newRow("defaults") << Defaults() << None;
    QTest::newRow("retention 0") << with([](auto& i) { i.retentionDays = 0; })
                                 << CalStorageInput::RetentionDays;
    QTest::newRow("retention 1") << with([](auto& i) { i.retentionDays = 1; }) << None;
    QTest::newRow("retention 3650") << with([](auto& i) { i.retentionDays = 3650; }) << None;
    QTest::newRow("retention 3651")
        << with([](auto& i) { i.retentionDays = 3651; }) << CalStorageInput::RetentionDays;
    QTest::newRow("hours 0") << with([](auto& i) { i.hoursPerDay = 0; })
                             << CalStorageInput::HoursPerDay;
    QTest::newRow("hours 1") << with([](auto& i) { i.hoursPerDay = 1; }) << None;
    QTest::newRow("hours 25") << with([](auto& i) { i.hoursPerDay = 25; })
                              << CalStorageInput::HoursPerDay;
    QTest::newRow("share 0 %") << with([](auto& i) { i.recordedPercent = 0; })
                               << CalStorageInput::RecordedPercent;
    QTest::newRow("share 1 %") << with([](auto& i) { i.recordedPercent = 1; }) << None;
    QTest::newRow("share 101 %") << with([](auto& i) { i.recordedPercent = 101; })
                                 << CalStorageInput::RecordedPercent;
    QTest::newRow("both streams") << with([](auto& i) { i.streams = CalStreams::Both; }) << None;
    QTest::newRow("streams from a bad number")
        << with([](auto& i) { i.streams = CalStreams(2); }) << CalStorageInput::Streams;
    QTest::newRow("disk 1 TB") << with([](auto& i) { i.diskTB = 1; }) << None;
    QTest::newRow("disk 24 TB") << with([](auto& i) { i.diskTB = 24; }) << None;
    QTest::newRow("disk -1 TB") << with([](auto& i) { i.diskTB = -1; })
                                << CalStorageInput::DiskSize;
    QTest::newRow("disk 5 TB, not offered")
        << with([](auto& i) { i.diskTB = 5; }) << CalStorageInput::DiskSize;
    QTest::newRow("disk 25 TB") << with([](auto& i) { i.diskTB = 25; })
                                << CalStorageInput::DiskSize;
    QTest::newRow("two parity disks")
        << with([](auto& i) { i.redundancy = CalRedundancy::DoubleParity; }) << None;
    QTest::newRow("redundancy from a bad number")
        << with([](auto& i) { i.redundancy = CalRedundancy(-1); }) << CalStorageInput::Redundancy;
    QTest::newRow("30 % kept free") << with([](auto& i) { i.storageReservePercent = 30; }) << None;
    QTest::newRow("31 % kept free")
        << with([](auto& i) { i.storageReservePercent = 31; }) << CalStorageInput::StorageReserve;
    QTest::newRow("-1 % kept free")
        << with([](auto& i) { i.storageReservePercent = -1; }) << CalStorageInput::StorageReserve;
    QTest::newRow("4 hot spares") << with([](auto& i) { i.hotSpares = 4; }) << None;
    QTest::newRow("5 hot spares") << with([](auto& i) { i.hotSpares = 5; })
                                  << CalStorageInput::HotSpares;
    QTest::newRow("-1 hot spares")
        << with([](auto& i) { i.hotSpares = -1; }) << CalStorageInput::HotSpares;
    // Asking for the days kept reads the disks instead of the retention.
    const auto days = [&](int disks, auto change) {
        return with([&](auto& i) {
            i.goal = CalStorageGoal::DaysKept;
            i.disksPerRecorder = disks;
            change(i);
        });
    };
    QTest::newRow("days kept: the retention is not read")
        << days(1, [](auto& i) { i.retentionDays = 0; }) << None;
    QTest::newRow("days kept: 0 disks")
        << days(0, [](auto&) {}) << CalStorageInput::DisksPerRecorder;
    QTest::newRow("days kept: 255 disks") << days(255, [](auto&) {}) << None;
    QTest::newRow("days kept: \"smallest that fits\" is no size")
        << days(4, [](auto& i) { i.diskTB = CalDiskSmallestFits; })
        << CalStorageInput::DaysKeptDiskSize;
    QTest::newRow("days kept: two parity and a spare need 5 disks") << days(4, [](auto& i) {
        i.redundancy = CalRedundancy::DoubleParity;
        i.hotSpares = 1;
    }) << CalStorageInput::TooFewDisks;
    QTest::newRow("goal from a bad number")
        << with([](auto& i) { i.goal = CalStorageGoal(2); }) << CalStorageInput::Goal;
    QTest::newRow("several bad: the first is named") << with([](auto& i) {
        i.hoursPerDay = 0;
        i.diskTB = 7;
    }) << CalStorageInput::HoursPerDay;
}

void TestStorage::inputCheck()
{
    QFETCH(CalStorageInputs, inputs);
    QFETCH(CalStorageInput, firstBad);
    QCOMPARE(CheckStorageInputs(inputs), firstBad);
    // Refused inputs give no amount, whatever the cameras.
    const CalStorage storage = RecorderStorage({{1024, 512, 4}}, inputs);
    QCOMPARE(storage.ok, firstBad == CalStorageInput::None);
    QCOMPARE(storage.kilobits > 0, storage.ok);
}

void TestStorage::recorder_data()
{
    QTest::addColumn<Cameras>("cameras");
    QTest::addColumn<CalStorageInputs>("inputs");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<double>("terabytes");
    QTest::addColumn<quint64>("disks");
    QTest::addColumn<QString>("tebibytes"); // bytes / 2^40, rounded half up to hundredths

    // 57344 kbps x 2,592,000 s x 125 bytes; 3 data disks of 8 TB and one parity disk;
    // 18,579,456,000,000 / 2^40 (1,099,511,627,776) = 16.898 TiB.
    QTest::newRow("guide: first stream")
        << GuideLineA() << GuideInputs() << true << "18579456000000" << 18.579456 << quint64(4)
        << QStringLiteral("16.90");
    // 64512 kbps: more bytes, still 3 data disks.
    QTest::newRow("guide: both streams")
        << GuideLineA() << GuideInputs(Both) << true << "20901888000000" << 20.901888 << quint64(4)
        << QStringLiteral("19.01");
    // 4 x 2048 kbps: one data disk, but one parity needs three disks.
    QTest::newRow("guide: line B") << GuideLineB() << GuideInputs() << true << "2654208000000"
                                   << 2.654208 << quint64(3) << QStringLiteral("2.41");
    // 36 s in all: 32 kbps x 36 s = 1152 kbit.
    QTest::newRow("smallest: 1 day, 1 h, 1 %, 32 kbps")
        << Cameras{{32, 0, 1}} << Inputs(1, 1, 1, First, 1, CalRedundancy::None) << true << "144000"
        << 1.44e-7 << quint64(1) << QStringLiteral("0.00");
    // 7 days x 6 h of 12 recorded; the second stream is not counted.
    QTest::newRow("motion: 12 h at 50 %, first stream only")
        << Cameras{{2048, 1024, 1}} << Inputs(7, 12, 50, First, 1, CalRedundancy::Mirrored) << true
        << "38707200000" << 0.0387072 << quint64(2) << QStringLiteral("0.04");
    QTest::newRow("only a second stream, first recorded: nothing, no disks")
        << Cameras{{0, 512, 3}} << Inputs(30, 24, 100, First, 8, CalRedundancy::DoubleParity)
        << true << "0" << 0.0 << quint64(0) << QStringLiteral("0.00");
    QTest::newRow("no cameras") << Cameras{} << Defaults() << true << "0" << 0.0 << quint64(0)
                                << QStringLiteral("0.00");
    // 32768 kbps x 10^6 x 315,360,000 s = 1.03e19 kbit: above the signed 64-bit range, and
    // 1.29e21 bytes, above any 64-bit integer; / 2^40 = 1,174,807,548.523 TiB.
    QTest::newRow("largest: a million cameras, both streams at 16M, 3650 days")
        << Cameras{{16384, 16384, Million}}
        << Inputs(3650, 24, 100, Both, 24, CalRedundancy::DoubleParity) << true
        << "1291714560000000000000" << 1291714560.0 << quint64(53821442)
        << QStringLiteral("1174807548.52");
    QTest::newRow("largest, first stream, 1 TB disks")
        << Cameras{{16384, 16384, Million}} << Inputs(3650, 24, 100, First, 1, CalRedundancy::None)
        << true << "645857280000000000000" << 645857280.0 << quint64(645857280)
        << QStringLiteral("587403774.26");
    QTest::newRow("two million cameras leave 64 bits: refused, not wrapped")
        << Cameras{{16384, 16384, 2 * Million}}
        << Inputs(3650, 24, 100, Both, 24, CalRedundancy::None) << false << "0" << 0.0 << quint64(0)
        << QStringLiteral("0.00");
    // 8 TB x 70 / 100 = 5.6 TB a disk; 18.579456 / 5.6 = 3.32, so 4 data disks, 1 parity disk
    // and 1 hot spare. The amount is the same as without them.
    QTest::newRow("guide: 30 % kept free and a hot spare")
        << GuideLineA() << Kept(24, 100, First, 8, CalRedundancy::SingleParity, 30, 1) << true
        << "18579456000000" << 18.579456 << quint64(6) << QStringLiteral("16.90");
    // Disks given: 6 of 8 TB, one parity and a spare leave 4 data disks of 8 x 0.9 TB, 28.8 TB
    // = 28,800,000,000,000 bytes / 2^40 = 26.19 TiB, whatever the cameras record.
    QTest::newRow("days kept: what the given disks hold") << GuideLineA() << [] {
        CalStorageInputs inputs = Kept(24, 100, First, 8, CalRedundancy::SingleParity, 10, 1);
        inputs.goal = CalStorageGoal::DaysKept;
        inputs.disksPerRecorder = 6;
        return inputs;
    }() << true << "28800000000000" << 28.8 << quint64(6) << QStringLiteral("26.19");
    QTest::newRow("negative count refused")
        << Cameras{{1024, 0, 5}, {1024, 0, -1}} << Defaults() << false << "0" << 0.0 << quint64(0)
        << QStringLiteral("0.00");
    QTest::newRow("retention out of range refused")
        << GuideLineA() << Inputs(0, 24, 100, First, 8, CalRedundancy::None) << false << "0" << 0.0
        << quint64(0) << QStringLiteral("0.00");
}

void TestStorage::recorder()
{
    QFETCH(Cameras, cameras);
    QFETCH(CalStorageInputs, inputs);
    QFETCH(bool, ok);
    QFETCH(QString, bytes);
    QFETCH(double, terabytes);
    QFETCH(quint64, disks);
    QFETCH(QString, tebibytes);

    const CalStorage storage = RecorderStorage(cameras, inputs);
    QCOMPARE(storage.ok, ok);
    QCOMPARE(StorageBytesText(storage.kilobits), bytes);
    QCOMPARE(StorageTerabytes(storage.kilobits), terabytes);
    QCOMPARE(storage.disks, disks);
    QCOMPARE(StorageTebibytesText(storage.kilobits), tebibytes);
}

void TestStorage::disks_data()
{
    QTest::addColumn<quint64>("kilobits");
    QTest::addColumn<int>("diskTB");
    QTest::addColumn<CalRedundancy>("redundancy");
    QTest::addColumn<quint64>("disks");
    QTest::addColumn<int>("reserve"); // percent kept free on every disk
    QTest::addColumn<int>("spares");

    const quint64 tb = 8000000000ULL; // kilobits in 10^12 bytes
    const auto None = CalRedundancy::None;
    const auto Mirror = CalRedundancy::Mirrored;
    const auto One = CalRedundancy::SingleParity;
    const auto Two = CalRedundancy::DoubleParity;

    QTest::newRow("nothing: no disks, even with two parity")
        << quint64(0) << 8 << Two << quint64(0) << 0 << 0;
    QTest::newRow("one kilobit takes a disk") << quint64(1) << 8 << None << quint64(1) << 0 << 0;
    QTest::newRow("exactly one 8 TB disk") << 8 * tb << 8 << None << quint64(1) << 0 << 0;
    QTest::newRow("one kilobit over one disk") << 8 * tb + 1 << 8 << None << quint64(2) << 0 << 0;
    QTest::newRow("mirrored: one disk and its copy") << tb << 8 << Mirror << quint64(2) << 0 << 0;
    QTest::newRow("mirrored: three and their copies")
        << 17 * tb << 8 << Mirror << quint64(6) << 0 << 0;
    QTest::newRow("one parity: at least three") << tb << 8 << One << quint64(3) << 0 << 0;
    QTest::newRow("one parity: two data disks") << 16 * tb << 8 << One << quint64(3) << 0 << 0;
    QTest::newRow("one parity: three data disks") << 17 * tb << 8 << One << quint64(4) << 0 << 0;
    QTest::newRow("two parity: at least four") << tb << 8 << Two << quint64(4) << 0 << 0;
    QTest::newRow("two parity: two data disks") << 16 * tb << 8 << Two << quint64(4) << 0 << 0;
    QTest::newRow("two parity: three data disks") << 17 * tb << 8 << Two << quint64(5) << 0 << 0;
    QTest::newRow("24 TB disks") << 48 * tb + 1 << 24 << None << quint64(3) << 0 << 0;
    QTest::newRow("mirrored count above 32 bits")
        << 1291714560ULL * tb << 1 << Mirror << quint64(2583429120ULL) << 0 << 0;
    QTest::newRow("largest amount held, 1 TB disks")
        << std::numeric_limits<quint64>::max() << 1 << Two << quint64(2305843012ULL) << 0 << 0;
    QTest::newRow("disk size not offered") << tb << 5 << None << quint64(0) << 0 << 0;
    // 8 TB x 90 / 100 = 7.2 TB a disk.
    QTest::newRow("10 % kept free: exactly one disk")
        << 72 * tb / 10 << 8 << None << quint64(1) << 10 << 0;
    QTest::newRow("10 % kept free: one kilobit over")
        << 72 * tb / 10 + 1 << 8 << None << quint64(2) << 10 << 0;
    QTest::newRow("two parity: minimum, then 2 hot spares")
        << tb << 8 << Two << quint64(6) << 0 << 2;
    // 3 data disks, their 3 copies and 4 hot spares.
    QTest::newRow("mirrored with 4 hot spares") << 17 * tb << 8 << Mirror << quint64(10) << 0 << 4;
    QTest::newRow("nothing: no hot spares either")
        << quint64(0) << 8 << One << quint64(0) << 30 << 4;
    // 1 TB x 70 / 100 = 5.6e9 kilobits a disk: (2^64 - 1) / 5.6e9 = 3,294,061,441 rest
    // 4,109,551,615, so 3,294,061,442 data disks + 2 parity + 4 hot spares.
    QTest::newRow("largest amount held, 30 % kept free, 4 hot spares")
        << std::numeric_limits<quint64>::max() << 1 << Two << quint64(3294061448ULL) << 30 << 4;
    QTest::newRow("31 % kept free: refused") << tb << 8 << None << quint64(0) << 31 << 0;
    QTest::newRow("5 hot spares: refused") << tb << 8 << None << quint64(0) << 0 << 5;
}

void TestStorage::disks()
{
    QFETCH(quint64, kilobits);
    QFETCH(int, diskTB);
    QFETCH(CalRedundancy, redundancy);
    QFETCH(quint64, disks);
    QFETCH(int, reserve);
    QFETCH(int, spares);
    QCOMPARE(DisksNeeded(kilobits, diskTB, redundancy, reserve, spares), disks);
}

void TestStorage::site_data()
{
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<CalStorageInputs>("inputs");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<quint64>("disks");

    // 5 x 18.579456 TB + 2.654208 TB; 5 x 4 + 3 disks.
    QTest::newRow("guide: five recorders of line A, one of line B")
        << Lines{{5, GuideLineA()}, {1, GuideLineB()}} << GuideInputs() << true << "95551488000000"
        << quint64(23);
    // Each recorder needs 1291.71456 TB, so 1292 disks of its own; the site total of bytes is
    // the largest the program can be asked for.
    QTest::newRow("a million recorders with one 32M camera each, 3650 days")
        << Lines{{Million, {{16384, 16384, 1}}}}
        << Inputs(3650, 24, 100, Both, 1, CalRedundancy::None) << true << "1291714560000000000000"
        << quint64(1292000000ULL);
    QTest::newRow("two million such recorders leave 64 bits: refused")
        << Lines{{2 * Million, {{16384, 16384, 1}}}}
        << Inputs(3650, 24, 100, Both, 1, CalRedundancy::None) << false << "0" << quint64(0);
    QTest::newRow("negative recorder count refused") << Lines{{5, GuideLineA()}, {-1, GuideLineB()}}
                                                     << GuideInputs() << false << "0" << quint64(0);
    QTest::newRow("no lines") << Lines{} << GuideInputs() << true << "0" << quint64(0);
}

void TestStorage::site()
{
    QFETCH(Lines, lines);
    QFETCH(CalStorageInputs, inputs);
    QFETCH(bool, ok);
    QFETCH(QString, bytes);
    QFETCH(quint64, disks);

    const CalStorage storage = SiteStorage(lines, inputs);
    QCOMPARE(storage.ok, ok);
    QCOMPARE(StorageBytesText(storage.kilobits), bytes);
    QCOMPARE(storage.disks, disks);
}

void TestStorage::daysKept_data()
{
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<CalStorageInputs>("inputs");
    QTest::addColumn<int>("disks");
    QTest::addColumn<int>("problem"); // CalDaysKeptProblem
    QTest::addColumn<quint64>("days");
    QTest::addColumn<bool>("unlimited");
    QTest::addColumn<int>("line"); // the site's shortest
    QTest::addColumn<quint64>("dataDisks");
    QTest::addColumn<QString>("message");

    const auto None = CalRedundancy::None;
    const auto Mirror = CalRedundancy::Mirrored;
    const auto One = CalRedundancy::SingleParity;
    const auto Two = CalRedundancy::DoubleParity;
    const int ok = int(CalDaysKeptProblem::None);
    const auto one = [](const Cameras& cameras) { return Lines{{1, cameras}}; };

    // 4 TB x 90 / 100 = 3.6e12 bytes = 28,800,000,000 kbit; a day is 2000 kbps x 8 h x 3600 s
    // = 57,600,000 kbit; 28,800,000,000 / 57,600,000 = 500 exactly.
    QTest::newRow("the disks hold exactly 500 days")
        << one({{2000, 0, 1}}) << Kept(8, 100, First, 4, None, 10, 0) << 1 << ok << quint64(500)
        << false << 0 << quint64(1) << "";
    // 4 TB = 32,000,000,000 kbit; a day is 3121 kbps x 7 h x 61 % x 36 s = 47,976,012 kbit;
    // 667 days need 32,000,000,004 kbit, 4 kbit (500 bytes) more than the disk holds. One
    // byte short cannot be asked for: both amounts are whole multiples of 4 kbit.
    QTest::newRow("500 bytes short of 667 days: 666")
        << one({{3121, 0, 1}}) << Kept(7, 61, First, 4, None, 0, 0) << 1 << ok << quint64(666)
        << false << 0 << quint64(1) << "";
    // Mirrored 5 disks: 2 hold data, 2 copies, 1 unpaired; 2 x 8 TB = 128,000,000,000 kbit.
    // A day is 57,344 kbps x 86,400 s = 4,954,521,600 kbit; 128e9 / 4,954,521,600 = 25.8.
    QTest::newRow("mirrored, odd count: one disk unpaired")
        << one(GuideLineA()) << Kept(24, 100, First, 8, Mirror, 0, 0) << 5 << ok << quint64(25)
        << false << 0 << quint64(2) << "";
    // 8 disks less 2 spares is a set of 6: 4 data disks x 16 TB x 80 / 100 = 409,600,000,000
    // kbit. A day is 64,512 kbps (both streams) x 12 h x 50 % x 36 s = 1,393,459,200 kbit;
    // 409.6e9 / 1,393,459,200 = 293.95.
    QTest::newRow("two parity, 2 hot spares, 20 % kept free")
        << one(GuideLineA()) << Kept(12, 50, Both, 16, Two, 20, 2) << 8 << ok << quint64(293)
        << false << 0 << quint64(4) << "";
    // 3 disks, one parity: 2 x 1 TB = 16,000,000,000 kbit; a day is 8192 kbps x 86,400 s =
    // 707,788,800 kbit; 16e9 / 707,788,800 = 22.6.
    CalStorageInputs noRetention = Kept(24, 100, First, 1, One, 0, 0);
    noRetention.retentionDays = 0;
    QTest::newRow("one parity, smallest set; the retention is not read")
        << one({{1024, 0, 8}}) << noRetention << 3 << ok << quint64(22) << false << 0 << quint64(2)
        << "";
    // 255 x 24 TB = 48,960,000,000,000 kbit; a day is 1000 x 32,768 kbps x 86,400 s =
    // 2,831,155,200,000 kbit; 48.96e12 / 2.8311552e12 = 17.3.
    QTest::newRow("255 disks, a thousand 32M cameras")
        << one({{16384, 16384, 1000}}) << Kept(24, 100, Both, 24, None, 0, 0) << 255 << ok
        << quint64(17) << false << 0 << quint64(255) << "";
    QTest::newRow("one parity, 2 disks: refused")
        << one({{1024, 0, 8}}) << Kept(24, 100, First, 1, One, 0, 0) << 2
        << int(CalDaysKeptProblem::TooFewDisks) << quint64(0) << false << -1 << quint64(0)
        << "Too few disks: with 0 hot spares and this redundancy a recorder needs at least 3 disks";
    QTest::newRow("two parity and 2 hot spares, 5 disks: refused")
        << one({{1024, 0, 8}}) << Kept(24, 100, First, 8, Two, 0, 2) << 5
        << int(CalDaysKeptProblem::TooFewDisks) << quint64(0) << false << -1 << quint64(0)
        << "Too few disks: with 2 hot spares and this redundancy a recorder needs at least 6 disks";
    QTest::newRow("no disks") << one({{1024, 0, 8}}) << Kept(24, 100, First, 8, None, 0, 0) << 0
                              << int(CalDaysKeptProblem::DiskCount) << quint64(0) << false << -1
                              << quint64(0) << "The disks per recorder must be 1 to 255";
    QTest::newRow("256 disks") << one({{1024, 0, 8}}) << Kept(24, 100, First, 8, None, 0, 0) << 256
                               << int(CalDaysKeptProblem::DiskCount) << quint64(0) << false << -1
                               << quint64(0) << "The disks per recorder must be 1 to 255";
    QTest::newRow("\"smallest that fits\" is no size")
        << one({{1024, 0, 8}}) << Kept(24, 100, First, CalDiskSmallestFits, None, 0, 0) << 4
        << int(CalDaysKeptProblem::DiskSize) << quint64(0) << false << -1 << quint64(0)
        << "Choose the size of the disks each recorder holds";
    QTest::newRow("5 hot spares") << one({{1024, 0, 8}}) << Kept(24, 100, First, 8, None, 0, 5) << 8
                                  << int(CalDaysKeptProblem::Inputs) << quint64(0) << false << -1
                                  << quint64(0)
                                  << "The hot spares must be 0 to 4 disks per recorder";
    QTest::newRow("nothing recorded: unlimited")
        << one({{0, 512, 3}}) << Kept(24, 100, First, 8, None, 0, 0) << 1 << ok << quint64(0)
        << true << -1 << quint64(1) << "";
    // 3 data disks x 8 TB = 192,000,000,000 kbit. Line A records 4,954,521,600 kbit a day
    // (38.8 days), line B 8192 kbps x 86,400 s = 707,788,800 (271.3 days).
    QTest::newRow("site: the second line is the shortest")
        << Lines{{1, GuideLineB()}, {5, GuideLineA()}} << Kept(24, 100, First, 8, One, 0, 0) << 4
        << ok << quint64(38) << false << 1 << quint64(3) << "";
    QTest::newRow("site: a line without recorders does not count")
        << Lines{{0, GuideLineA()}, {1, GuideLineB()}} << Kept(24, 100, First, 8, One, 0, 0) << 4
        << ok << quint64(271) << false << 1 << quint64(3) << "";
    QTest::newRow("site without lines: unlimited")
        << Lines{} << Kept(24, 100, First, 8, One, 0, 0) << 4 << ok << quint64(0) << true << -1
        << quint64(3) << "";
}

void TestStorage::daysKept()
{
    QFETCH(Lines, lines);
    QFETCH(CalStorageInputs, inputs);
    QFETCH(int, disks);
    QFETCH(int, problem);
    QFETCH(quint64, days);
    QFETCH(bool, unlimited);
    QFETCH(int, line);
    QFETCH(quint64, dataDisks);
    QFETCH(QString, message);

    const CalDaysKept site = SiteDaysKept(lines, inputs, disks);
    QCOMPARE(int(site.problem), problem);
    QCOMPARE(site.days, days);
    QCOMPARE(site.unlimited, unlimited);
    QCOMPARE(site.line, line);
    QCOMPARE(site.split.data, dataDisks);
    QCOMPARE(DaysKeptMessage(site, inputs), message);
    if (lines.size() == 1) {
        const CalDaysKept recorder = RecorderDaysKept(lines[0].cameras, inputs, disks);
        QCOMPARE(int(recorder.problem), problem);
        QCOMPARE(recorder.days, days);
        QCOMPARE(recorder.unlimited, unlimited);
    }
}

QTEST_APPLESS_MAIN(TestStorage)
#include "tst_storage.moc"
