// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calrecords.h"
#include "tests/support/records.h"

#include <QtTest>
#include <algorithm>

class TestCalRecords : public QObject
{
    Q_OBJECT

private slots:
    void ipcOrdering_data();
    void ipcOrdering();
    void ipcEquality_data();
    void ipcEquality();
    void sortByBitRateThenById();
    void spareSortsByDescendingFreeBandwidth();
    void resultLinesSortByAscendingCount();
};

void TestCalRecords::ipcOrdering_data()
{
    QTest::addColumn<int>("leftId");
    QTest::addColumn<int>("leftRate");
    QTest::addColumn<bool>("leftByRate");
    QTest::addColumn<int>("rightId");
    QTest::addColumn<int>("rightRate");
    QTest::addColumn<bool>("less");

    QTest::newRow("by rate: higher rate first") << 5 << 2048 << true << 1 << 1024 << true;
    QTest::newRow("by rate: lower rate later") << 1 << 1024 << true << 5 << 2048 << false;
    QTest::newRow("by rate: equal rates not less") << 1 << 1024 << true << 2 << 1024 << false;
    QTest::newRow("by id: smaller id first") << 1 << 64 << false << 2 << 4096 << true;
    QTest::newRow("by id: larger id later") << 3 << 8192 << false << 2 << 64 << false;
    QTest::newRow("by id: equal ids not less") << 2 << 1 << false << 2 << 9 << false;
}

void TestCalRecords::ipcOrdering()
{
    QFETCH(int, leftId);
    QFETCH(int, leftRate);
    QFETCH(bool, leftByRate);
    QFETCH(int, rightId);
    QFETCH(int, rightRate);
    QFETCH(bool, less);
    // Only the left-hand record's flag decides; give the right one the opposite flag.
    QCOMPARE(Ipc(leftId, leftRate, 1, leftByRate) < Ipc(rightId, rightRate, 1, !leftByRate), less);
}

void TestCalRecords::ipcEquality_data()
{
    QTest::addColumn<int>("id1");
    QTest::addColumn<int>("rate1");
    QTest::addColumn<int>("count1");
    QTest::addColumn<int>("id2");
    QTest::addColumn<int>("rate2");
    QTest::addColumn<int>("count2");
    QTest::addColumn<bool>("equal");

    QTest::newRow("bit rate takes no part") << 1 << 1024 << 3 << 1 << 4096 << 3 << true;
    QTest::newRow("different count") << 1 << 1024 << 3 << 1 << 1024 << 4 << false;
    QTest::newRow("different id") << 1 << 1024 << 3 << 2 << 1024 << 3 << false;
}

void TestCalRecords::ipcEquality()
{
    QFETCH(int, id1);
    QFETCH(int, rate1);
    QFETCH(int, count1);
    QFETCH(int, id2);
    QFETCH(int, rate2);
    QFETCH(int, count2);
    QFETCH(bool, equal);
    QCOMPARE(Ipc(id1, rate1, count1, true) == Ipc(id2, rate2, count2, false), equal);
    QCOMPARE(Ipc(id1, rate1, count1, true) != Ipc(id2, rate2, count2, false), !equal);
}

void TestCalRecords::sortByBitRateThenById()
{
    std::vector<CalIPCInfo> list = {Ipc(1, 512, 1, true), Ipc(2, 4096, 1, true),
                                    Ipc(3, 1024, 1, true)};
    std::sort(list.begin(), list.end());
    QCOMPARE(list[0].id, 2);
    QCOMPARE(list[1].id, 3);
    QCOMPARE(list[2].id, 1);
    for (CalIPCInfo& info : list)
        info.byBitRate = false;
    std::sort(list.begin(), list.end());
    QCOMPARE(list[0].id, 1);
    QCOMPARE(list[1].id, 2);
    QCOMPARE(list[2].id, 3);
}

void TestCalRecords::spareSortsByDescendingFreeBandwidth()
{
    std::vector<CalNVRSpare> spares = {{1, 100, 2}, {2, 3000, 1}, {3, 2000, 4}};
    std::sort(spares.begin(), spares.end());
    QCOMPARE(spares[0].nvrNo, 2);
    QCOMPARE(spares[1].nvrNo, 3);
    QCOMPARE(spares[2].nvrNo, 1);
}

void TestCalRecords::resultLinesSortByAscendingCount()
{
    std::vector<CalNVRUsedByUI> lines(3);
    lines[0].nvrCount = 5;
    lines[1].nvrCount = 1;
    lines[2].nvrCount = 3;
    std::sort(lines.begin(), lines.end());
    QCOMPARE(lines[0].nvrCount, 1);
    QCOMPARE(lines[1].nvrCount, 3);
    QCOMPARE(lines[2].nvrCount, 5);
}

QTEST_APPLESS_MAIN(TestCalRecords)
#include "tst_calrecords.moc"
