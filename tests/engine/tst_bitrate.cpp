// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bitrate.h"
#include "engine/nvrcatalogue.h"

#include <QtTest>
#include <climits>

class TestBitRate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void capacity_data();
    void capacity();
    void capacityAddsModelsInSelection();
    void capacitySaturates();
};

void TestBitRate::initTestCase()
{
    InitNVRTypeTable();
}

void TestBitRate::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kbps");

    QTest::newRow("plain number") << "512" << 512;
    QTest::newRow("combo entry with remark") << "1024(1M)" << 1024;
    QTest::newRow("largest combo entry") << "16384(16M)" << 16384;
    QTest::newRow("M") << "2M" << 2048;
    QTest::newRow("m") << "2m" << 2048;
    QTest::newRow("k") << "512k" << 512;
    QTest::newRow("K") << "512K" << 512;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("zero k") << "0k" << 0;
    QTest::newRow("zero M") << "0M" << 0;
    QTest::newRow("double zero is no zero") << "00" << -1;
    QTest::newRow("double zero M is no zero") << "00M" << -1;
    QTest::newRow("zero with remark is no zero") << "0(1M)" << -1;
    QTest::newRow("remark cut before unit") << "1M(1024)" << 1024;
    QTest::newRow("remark from first bracket") << "2M(a(b))" << 2048;
    QTest::newRow("closing bracket without opening") << "512)" << -1;
    QTest::newRow("bracket not at end stays") << "512(1)x" << -1;
    QTest::newRow("letters") << "abc" << -1;
    QTest::newRow("unit only k") << "k" << -1;
    QTest::newRow("unit only M") << "M" << -1;
    QTest::newRow("fraction") << "1.5M" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("negative passes through") << "-5" << -5;
    QTest::newRow("negative M") << "-2M" << -2048;
    QTest::newRow("plus sign") << "+64" << 64;
    QTest::newRow("surrounding spaces") << " 64 " << 64;
    QTest::newRow("space after the unit as before it") << "2M " << 2048;
    QTest::newRow("zero with spaces around") << " 0 " << 0;
    QTest::newRow("space before unit") << "2 M" << 2048;
    QTest::newRow("up to first unit letter") << "2mM" << 2048;
    QTest::newRow("k before M") << "1k2M" << -1;
    QTest::newRow("M before k") << "5Mk" << -1;
    QTest::newRow("hexadecimal") << "0x20" << -1;
    QTest::newRow("largest 32-bit number") << "2147483647" << INT_MAX;
    QTest::newRow("smallest 32-bit number") << "-2147483648" << INT_MIN;
    QTest::newRow("number beyond 32 bits") << "4294968320" << -1;
    QTest::newRow("beyond 32 bits, low bits 1024") << "4294968320k" << -1;
    QTest::newRow("largest M within 32 bits") << "2097151M" << 2097151 * 1024;
    QTest::newRow("M product beyond 32 bits") << "2097152M" << -1;
    QTest::newRow("M product wrapping to 1024") << "4194305M" << -1;
    QTest::newRow("negative M product beyond 32 bits") << "-2097153M" << -1;
    QTest::newRow("huge digit string") << QString(400, QLatin1Char('9')) << -1;
    QTest::newRow("huge digit string M") << QString(400, QLatin1Char('9')) + "M" << -1;
    QTest::newRow("only brackets") << "()" << -1;
    QTest::newRow("only opening bracket") << "(" << -1;
    // Found by fuzzing: the conversion ignored everything from a NUL on.
    QTest::newRow("NUL ends no number") << QString::fromUtf8("5\0,M", 4) << -1;
    QTest::newRow("NUL after a plain number") << QString::fromUtf8("64\0", 3) << -1;
}

void TestBitRate::parse()
{
    QFETCH(QString, text);
    QFETCH(int, kbps);
    QCOMPARE(ParseBitRate(text), kbps);
}

void TestBitRate::capacity_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("disabled");
    QTest::addColumn<int>("recorders");
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<int>("cameras");
    QTest::addColumn<int>("reserve"); // percent of the bandwidth kept free

    QTest::newRow("channel-limited") << 0 << 0 << 1 << 2048 << 8 << 0;
    QTest::newRow("bandwidth-limited") << 0 << 0 << 1 << 4096 << 5 << 0;
    QTest::newRow("rounded down") << 0 << 0 << 1 << 3000 << 6 << 0;
    QTest::newRow("equal to bandwidth") << 0 << 0 << 1 << 20480 << 1 << 0;
    QTest::newRow("above bandwidth") << 0 << 0 << 1 << 20481 << 0 << 0;
    QTest::newRow("disabled channels add channels") << 16 << 4 << 1 << 2048 << 8 << 0;
    QTest::newRow("no disabled channels") << 16 << 0 << 1 << 2048 << 4 << 0;
    QTest::newRow("three 32-channel recorders") << 6 << 0 << 3 << 1024 << 96 << 0;
    QTest::newRow("million recorders") << 6 << 0 << 1000000 << 32 << 32000000 << 0;
    QTest::newRow("zero bit rate") << 0 << 0 << 1 << 0 << 0 << 0;
    QTest::newRow("negative bit rate") << 0 << 0 << 1 << -5 << 0 << 0;
    QTest::newRow("unknown model") << 28 << 0 << 5 << 1024 << 0 << 0;
    QTest::newRow("no recorders") << 0 << 0 << 0 << 1024 << 0 << 0;
    // 20480 x 80 / 100 = 16384 kbps usable; 16384 / 4096 = 4.
    QTest::newRow("20 % kept free") << 0 << 0 << 1 << 4096 << 4 << 20;
    // 20480 x 50 / 100 = 10240; 10240 / 2048 = 5, below the 8 channels.
    QTest::newRow("half kept free: bandwidth, not channels, limits")
        << 0 << 0 << 1 << 2048 << 5 << 50;
    // 20480 x 90 / 100 = 18432.
    QTest::newRow("10 %: equal to the usable bandwidth") << 0 << 0 << 1 << 18432 << 1 << 10;
    QTest::newRow("10 %: the whole bandwidth is above it") << 0 << 0 << 1 << 20480 << 0 << 10;
    // 20480 x 99 / 100 = 20275.2, rounded down to 20275.
    QTest::newRow("1 %: rounded down, fits") << 0 << 0 << 1 << 20275 << 1 << 1;
    QTest::newRow("1 %: rounded down, one kbps above") << 0 << 0 << 1 << 20276 << 0 << 1;
    // 81920 x 75 / 100 = 61440; 61440 / 4096 = 15 of 32 channels, times 3 recorders.
    QTest::newRow("three recorders, 25 % kept free") << 6 << 0 << 3 << 4096 << 45 << 25;
    // 100,000,000 x 97 / 100 = 97,000,000; the product 9.7e9 is beyond int.
    QTest::newRow("largest own model, 3 %: fits")
        << CalFirstOwnModelId << 0 << 1 << 97000000 << 1 << 3;
    QTest::newRow("largest own model, 3 %: one kbps above")
        << CalFirstOwnModelId << 0 << 1 << 97000001 << 0 << 3;
    QTest::newRow("more than half kept free: nothing usable") << 0 << 0 << 1 << 1024 << 0 << 51;
}

void TestBitRate::capacity()
{
    QFETCH(int, id);
    QFETCH(int, disabled);
    QFETCH(int, recorders);
    QFETCH(int, bitRate);
    QFETCH(int, cameras);
    QFETCH(int, reserve);
    CalNVRSelection selection;
    selection[id] = {disabled, recorders};
    const std::vector<CalNVRInfo> own = {
        CalNVRInfo(CalFirstOwnModelId, QStringLiteral("own"), 1024, 0, CalMaxModelBandwidth)};
    QCOMPARE(CalIPCCapacity(selection, bitRate, own, reserve), cameras);
}

void TestBitRate::capacityAddsModelsInSelection()
{
    // 2 x NR-A8V (8 each at 2048) + 3 x NR-K16Y with 5 disabled (21 channels, 40 by bandwidth).
    CalNVRSelection selection;
    selection[0] = {0, 2};
    selection[18] = {5, 3};
    selection[99] = {0, 7};
    QCOMPARE(CalIPCCapacity(selection, 2048), 2 * 8 + 3 * 21);
}

void TestBitRate::capacitySaturates()
{
    CalNVRSelection selection;
    selection[6] = {0, INT_MAX};
    selection[9] = {0, INT_MAX};
    QCOMPARE(CalIPCCapacity(selection, 32), INT_MAX);
}

QTEST_APPLESS_MAIN(TestBitRate)
#include "tst_bitrate.moc"
