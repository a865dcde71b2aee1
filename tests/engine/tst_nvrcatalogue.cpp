// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/nvrcatalogue.h"

#include <QtTest>

class TestNVRCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsAreInIdOrder();
    void rows_data();
    void rows();
    void findByName_data();
    void findByName();
    void findByNameMissLeavesOutputUntouched();
    void findByNameKeepsUsableChannels();
    void findById_data();
    void findById();
    void findByIdUnknownWritesNothing();
};

void TestNVRCatalogue::initTestCase()
{
    QVERIFY(NVRTypeList.empty());
    InitNVRTypeTable();
}

void TestNVRCatalogue::rowsAreInIdOrder()
{
    QCOMPARE(int(NVRTypeList.size()), 28);
    for (int i = 0; i < 28; ++i) {
        QCOMPARE(NVRTypeList[i].id, i);
        QCOMPARE(NVRTypeList[i].usableChannels, 0);
    }
}

void TestNVRCatalogue::rows_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("ipChannels");
    QTest::addColumn<int>("maxDisable");
    QTest::addColumn<int>("bandwidth");

    QTest::newRow("first row") << 0 << "NR-A8V" << 8 << 0 << 20480;
    QTest::newRow("16 channels, 40 M") << 1 << "NR-A16V" << 16 << 0 << 40960;
    QTest::newRow("32 channels, 80 M") << 6 << "NR-C32V" << 32 << 0 << 81920;
    QTest::newRow("last model without disabling") << 15 << "NR-J32V" << 32 << 0 << 81920;
    QTest::newRow("first model with disabling") << 16 << "NR-K4Y" << 4 << 4 << 20480;
    QTest::newRow("K16Y") << 18 << "NR-K16Y" << 16 << 16 << 81920;
    QTest::newRow("M8Y") << 23 << "NR-M8Y" << 8 << 8 << 40960;
    QTest::newRow("Q4Y breaks the bandwidth pattern") << 25 << "NR-Q4Y" << 4 << 4 << 81920;
    QTest::newRow("Q8Y breaks the bandwidth pattern") << 26 << "NR-Q8Y" << 8 << 8 << 81920;
    QTest::newRow("last row") << 27 << "NR-Q16Y" << 16 << 16 << 81920;
}

void TestNVRCatalogue::rows()
{
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(int, ipChannels);
    QFETCH(int, maxDisable);
    QFETCH(int, bandwidth);
    const CalNVRInfo& row = NVRTypeList.at(id);
    QCOMPARE(row.name, name);
    QCOMPARE(row.ipChannels, ipChannels);
    QCOMPARE(row.maxDisableChannels, maxDisable);
    QCOMPARE(row.bandwidth, bandwidth);
}

void TestNVRCatalogue::findByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("id");

    QTest::newRow("first") << "NR-A8V" << true << 0;
    QTest::newRow("last") << "NR-Q16Y" << true << 27;
    QTest::newRow("middle") << "NR-G16V" << true << 11;
    QTest::newRow("lower case differs") << "nr-a8v" << false << -1;
    QTest::newRow("one letter case differs") << "NR-A8v" << false << -1;
    QTest::newRow("trailing space") << "NR-A8V " << false << -1;
    QTest::newRow("prefix only") << "NR-A" << false << -1;
    QTest::newRow("empty") << "" << false << -1;
}

void TestNVRCatalogue::findByName()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(int, id);
    CalNVRInfo info;
    QCOMPARE(FindNVRTypeByName(name, info), found);
    if (found) {
        QCOMPARE(info.id, id);
        QCOMPARE(info.name, name);
        QCOMPARE(info.bandwidth, NVRTypeList[id].bandwidth);
        QCOMPARE(info.ipChannels, NVRTypeList[id].ipChannels);
        QCOMPARE(info.maxDisableChannels, NVRTypeList[id].maxDisableChannels);
    }
}

void TestNVRCatalogue::findByNameMissLeavesOutputUntouched()
{
    CalNVRInfo info(99, QStringLiteral("mine"), 1, 2, 3);
    info.usableChannels = 7;
    QVERIFY(!FindNVRTypeByName(QStringLiteral("NR-X1"), info));
    QCOMPARE(info.id, 99);
    QCOMPARE(info.name, QStringLiteral("mine"));
    QCOMPARE(info.ipChannels, 1);
    QCOMPARE(info.maxDisableChannels, 2);
    QCOMPARE(info.bandwidth, 3);
    QCOMPARE(info.usableChannels, 7);
}

void TestNVRCatalogue::findByNameKeepsUsableChannels()
{
    CalNVRInfo info;
    info.usableChannels = 42;
    QVERIFY(FindNVRTypeByName(QStringLiteral("NR-K16Y"), info));
    QCOMPARE(info.usableChannels, 42);
}

void TestNVRCatalogue::findById_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("disabled");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("usable");

    QTest::newRow("K16Y with 5 disabled") << 18 << 5 << 0 << 21;
    QTest::newRow("K16Y with -1 keeps usable") << 18 << -1 << 13 << 13;
    QTest::newRow("A8V with 0 disabled") << 0 << 0 << 99 << 8;
    QTest::newRow("K4Y with all 4 disabled") << 16 << 4 << 0 << 8;
}

void TestNVRCatalogue::findById()
{
    QFETCH(int, id);
    QFETCH(int, disabled);
    QFETCH(int, before);
    QFETCH(int, usable);
    CalNVRInfo info;
    info.usableChannels = before;
    FindNVRTypeById(id, info, disabled);
    QCOMPARE(info.id, id);
    QCOMPARE(info.name, NVRTypeList[id].name);
    QCOMPARE(info.ipChannels, NVRTypeList[id].ipChannels);
    QCOMPARE(info.maxDisableChannels, NVRTypeList[id].maxDisableChannels);
    QCOMPARE(info.bandwidth, NVRTypeList[id].bandwidth);
    QCOMPARE(info.usableChannels, usable);
}

void TestNVRCatalogue::findByIdUnknownWritesNothing()
{
    CalNVRInfo info(5, QStringLiteral("kept"), 1, 1, 1);
    FindNVRTypeById(28, info, 3);
    FindNVRTypeById(-1, info, 3);
    QCOMPARE(info.id, 5);
    QCOMPARE(info.name, QStringLiteral("kept"));
    QCOMPARE(info.usableChannels, 0);
}

QTEST_APPLESS_MAIN(TestNVRCatalogue)
#include "tst_nvrcatalogue.moc"
