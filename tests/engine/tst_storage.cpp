// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/storage.h"

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
    QTest::newRow("disk -1 TB") << with([](auto& i) { i.diskTB = -1; }) << CalStorageInput::DiskSize;
    QTest::newRow("disk 5 TB, not offered")
        << with([](auto& i) { i.diskTB = 5; }) << CalStorageInput::DiskSize;
    QTest::newRow("disk 25 TB") << with([](auto& i) { i.diskTB = 25; })
                                << CalStorageInput::DiskSize;
    QTest::newRow("two parity disks")
        << with([](auto& i) { i.redundancy = CalRedundancy::DoubleParity; }) << None;
    QTest::newRow("redundancy from a bad number")
        << with([](auto& i) { i.redundancy = CalRedundancy(-1); }) << CalStorageInput::Redundancy;
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

    // 57344 kbps x 2,592,000 s x 125 bytes; 3 data disks of 8 TB and one parity disk.
    QTest::newRow("guide: first stream")
        << GuideLineA() << GuideInputs() << true << "18579456000000" << 18.579456 << quint64(4);
    // 64512 kbps: more bytes, still 3 data disks.
    QTest::newRow("guide: both streams")
        << GuideLineA() << GuideInputs(Both) << true << "20901888000000" << 20.901888 << quint64(4);
    // 4 x 2048 kbps: one data disk, but one parity needs three disks.
    QTest::newRow("guide: line B")
        << GuideLineB() << GuideInputs() << true << "2654208000000" << 2.654208 << quint64(3);
    // 36 s in all: 32 kbps x 36 s = 1152 kbit.
    QTest::newRow("smallest: 1 day, 1 h, 1 %, 32 kbps")
        << Cameras{{32, 0, 1}} << Inputs(1, 1, 1, First, 1, CalRedundancy::None) << true << "144000"
        << 1.44e-7 << quint64(1);
    // 7 days x 6 h of 12 recorded; the second stream is not counted.
    QTest::newRow("motion: 12 h at 50 %, first stream only")
        << Cameras{{2048, 1024, 1}} << Inputs(7, 12, 50, First, 1, CalRedundancy::Mirrored) << true
        << "38707200000" << 0.0387072 << quint64(2);
    QTest::newRow("only a second stream, first recorded: nothing, no disks")
        << Cameras{{0, 512, 3}} << Inputs(30, 24, 100, First, 8, CalRedundancy::DoubleParity)
        << true << "0" << 0.0 << quint64(0);
    QTest::newRow("no cameras") << Cameras{} << Defaults() << true << "0" << 0.0 << quint64(0);
    // 32768 kbps x 10^6 x 315,360,000 s = 1.03e19 kbit: above the signed 64-bit range, and
    // 1.29e21 bytes, above any 64-bit integer.
    QTest::newRow("largest: a million cameras, both streams at 16M, 3650 days")
        << Cameras{{16384, 16384, Million}}
        << Inputs(3650, 24, 100, Both, 24, CalRedundancy::DoubleParity) << true
        << "1291714560000000000000" << 1291714560.0 << quint64(53821442);
    QTest::newRow("largest, first stream, 1 TB disks")
        << Cameras{{16384, 16384, Million}} << Inputs(3650, 24, 100, First, 1, CalRedundancy::None)
        << true << "645857280000000000000" << 645857280.0 << quint64(645857280);
    QTest::newRow("two million cameras leave 64 bits: refused, not wrapped")
        << Cameras{{16384, 16384, 2 * Million}}
        << Inputs(3650, 24, 100, Both, 24, CalRedundancy::None) << false << "0" << 0.0
        << quint64(0);
    QTest::newRow("negative count refused")
        << Cameras{{1024, 0, 5}, {1024, 0, -1}} << Defaults() << false << "0" << 0.0 << quint64(0);
    QTest::newRow("retention out of range refused")
        << GuideLineA() << Inputs(0, 24, 100, First, 8, CalRedundancy::None) << false << "0" << 0.0
        << quint64(0);
}

void TestStorage::recorder()
{
    QFETCH(Cameras, cameras);
    QFETCH(CalStorageInputs, inputs);
    QFETCH(bool, ok);
    QFETCH(QString, bytes);
    QFETCH(double, terabytes);
    QFETCH(quint64, disks);

    const CalStorage storage = RecorderStorage(cameras, inputs);
    QCOMPARE(storage.ok, ok);
    QCOMPARE(StorageBytesText(storage.kilobits), bytes);
    QCOMPARE(StorageTerabytes(storage.kilobits), terabytes);
    QCOMPARE(storage.disks, disks);
}

void TestStorage::disks_data()
{
    QTest::addColumn<quint64>("kilobits");
    QTest::addColumn<int>("diskTB");
    QTest::addColumn<CalRedundancy>("redundancy");
    QTest::addColumn<quint64>("disks");

    const quint64 tb = 8000000000ULL; // kilobits in 10^12 bytes
    const auto None = CalRedundancy::None;
    const auto Mirror = CalRedundancy::Mirrored;
    const auto One = CalRedundancy::SingleParity;
    const auto Two = CalRedundancy::DoubleParity;

    QTest::newRow("nothing: no disks, even with two parity")
        << quint64(0) << 8 << Two << quint64(0);
    QTest::newRow("one kilobit takes a disk") << quint64(1) << 8 << None << quint64(1);
    QTest::newRow("exactly one 8 TB disk") << 8 * tb << 8 << None << quint64(1);
    QTest::newRow("one kilobit over one disk") << 8 * tb + 1 << 8 << None << quint64(2);
    QTest::newRow("mirrored: one disk and its copy") << tb << 8 << Mirror << quint64(2);
    QTest::newRow("mirrored: three and their copies") << 17 * tb << 8 << Mirror << quint64(6);
    QTest::newRow("one parity: at least three") << tb << 8 << One << quint64(3);
    QTest::newRow("one parity: two data disks") << 16 * tb << 8 << One << quint64(3);
    QTest::newRow("one parity: three data disks") << 17 * tb << 8 << One << quint64(4);
    QTest::newRow("two parity: at least four") << tb << 8 << Two << quint64(4);
    QTest::newRow("two parity: two data disks") << 16 * tb << 8 << Two << quint64(4);
    QTest::newRow("two parity: three data disks") << 17 * tb << 8 << Two << quint64(5);
    QTest::newRow("24 TB disks") << 48 * tb + 1 << 24 << None << quint64(3);
    QTest::newRow("mirrored count above 32 bits")
        << 1291714560ULL * tb << 1 << Mirror << quint64(2583429120ULL);
    QTest::newRow("largest amount held, 1 TB disks")
        << std::numeric_limits<quint64>::max() << 1 << Two << quint64(2305843012ULL);
    QTest::newRow("disk size not offered") << tb << 5 << None << quint64(0);
}

void TestStorage::disks()
{
    QFETCH(quint64, kilobits);
    QFETCH(int, diskTB);
    QFETCH(CalRedundancy, redundancy);
    QFETCH(quint64, disks);
    QCOMPARE(DisksNeeded(kilobits, diskTB, redundancy), disks);
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

QTEST_APPLESS_MAIN(TestStorage)
#include "tst_storage.moc"
