// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/calnvrthread.h"
#include "engine/calrecords.h"
#include "engine/nvrcatalogue.h"
#include "tests/support/records.h"

#include <QPointer>
#include <QtTest>

class TestCalNVRThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void calculates_data();
    void calculates();
    void sameInputsSameResult();
    void releasesItselfWhenFinished();

private:
    static void Start(int nvrType, int disabled, std::vector<CalIPCInfo> list);
};

void TestCalNVRThread::initTestCase()
{
    InitNVRTypeTable();
}

void TestCalNVRThread::init()
{
    // Leftovers of an earlier calculation must not leak into the next one.
    CalNVRData.usedList.assign(2, CalNVRUsedByUI());
    CalNVRData.nvrTotal = -1;
}

// Writes the inputs as the page does and runs one worker to its CalSuc().
void TestCalNVRThread::Start(int nvrType, int disabled, std::vector<CalIPCInfo> list)
{
    CalNVRData.nvrType = nvrType;
    CalNVRData.disabledChannels = disabled;
    CalNVRData.ipcList = std::move(list);
    CalNVRData.nvrTotal = -1;
    auto* thread = new CalNVRThread;
    // Counted on this thread, as the page counts it: a spy's wait() would miss a signal
    // emitted before it starts waiting, which a quick calculation does.
    QObject receiver;
    int done = 0;
    connect(thread, &CalNVRThread::CalSuc, &receiver, [&done] { ++done; });
    thread->start();
    QTRY_VERIFY_WITH_TIMEOUT(done > 0, 20000);
    QCOMPARE(done, 1);
}

void TestCalNVRThread::calculates_data()
{
    QTest::addColumn<int>("nvrType");
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("lines");

    QTest::newRow("bulk recorders fold into two lines") << 0 << 2048 << 20 << 3 << 2;
    QTest::newRow("bit rate above bandwidth") << 0 << 20481 << 4 << 0 << 0;
    QTest::newRow("unknown model") << 40 << 1024 << 4 << 0 << 0;
}

void TestCalNVRThread::calculates()
{
    QFETCH(int, nvrType);
    QFETCH(int, bitRate);
    QFETCH(int, count);
    QFETCH(int, total);
    QFETCH(int, lines);
    Start(nvrType, 0, {Ipc(1, bitRate, count), Ipc(2, 1024, 3)});
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(CalNVRData.nvrTotal, total);
    QCOMPARE(int(CalNVRData.usedList.size()), lines);
    QVERIFY(CalNVRData.groupMap.empty());
    QVERIFY(std::is_sorted(CalNVRData.usedList.begin(), CalNVRData.usedList.end()));
}

void TestCalNVRThread::sameInputsSameResult()
{
    const std::vector<CalIPCInfo> input = {Ipc(1, 1024, 700), Ipc(2, 3000, 55), Ipc(3, 64, 999),
                                           Ipc(4, 1024, 321), Ipc(5, 8192, 17)};
    Start(6, 0, input);
    const int total = CalNVRData.nvrTotal;
    const std::vector<CalNVRUsedByUI> lines = CalNVRData.usedList;
    QVERIFY(total > 0);
    QVERIFY(CalNVRData.groupMap.empty());
    QVERIFY(CalNVRData.ipcList[0].byBitRate && CalNVRData.ipcList[0].id == 5);

    Start(6, 0, input);
    QCOMPARE(CalNVRData.nvrTotal, total);
    QCOMPARE(CalNVRData.usedList.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        QCOMPARE(CalNVRData.usedList[i].nvrCount, lines[i].nvrCount);
        QVERIFY(CalNVRData.usedList[i].ipcs == lines[i].ipcs);
        for (std::size_t k = 1; k < lines[i].ipcs.size(); ++k)
            QVERIFY(lines[i].ipcs[k - 1].id < lines[i].ipcs[k].id);
    }
}

void TestCalNVRThread::releasesItselfWhenFinished()
{
    CalNVRData.nvrType = 6;
    CalNVRData.disabledChannels = 0;
    CalNVRData.ipcList = {Ipc(1, 512, 10)};
    QPointer<CalNVRThread> thread = new CalNVRThread;
    QCOMPARE(thread->parent(), nullptr);
    thread->start();
    QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 20000);
    QCOMPARE(CalNVRData.nvrTotal, 1);
}

QTEST_GUILESS_MAIN(TestCalNVRThread)
#include "tst_calnvrthread.moc"
