// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grouping.h"
#include "engine/materials.h"
#include "engine/nvrcatalogue.h"
#include "tests/support/records.h"

#include <QtTest>

using Results = std::vector<CalBillResult>;
Q_DECLARE_METATYPE(Results)
Q_DECLARE_METATYPE(CalUnitPrices)

namespace {

CalStorage Disks(quint64 disks, int diskTB)
{
    CalStorage storage;
    storage.ok = true;
    storage.disks = disks;
    storage.diskTB = diskTB;
    return storage;
}

CalStorageInputs Redundancy(CalRedundancy redundancy, int hotSpares)
{
    CalStorageInputs inputs;
    inputs.redundancy = redundancy;
    inputs.hotSpares = hotSpares;
    return inputs;
}

// Five recorders with six cameras of type 1 and two of type 2, and one with three of type 2.
CalBillResult Small(std::vector<CalStorage> lineStorage = {},
                    CalStorageInputs storage = CalStorageInputs())
{
    CalBillResult result;
    result.model = QStringLiteral("NR-A8V");
    result.lines = {{5, {Ipc(1, 4096, 6), Ipc(2, 1024, 2)}}, {1, {Ipc(2, 1024, 3)}}};
    result.lineStorage = std::move(lineStorage);
    result.storage = storage;
    return result;
}

// "model count", "8TB count=data+redundancy+spares", "#type count", each with "@unit=total"
// when priced, then the grand total and whether every line is priced, or the problem.
QString Text(const CalBill& bill)
{
    QStringList parts;
    const auto add = [&](const QString& name, const CalBillLine& line) {
        QString text = name + QStringLiteral(" %1").arg(line.count);
        if (line.item == CalBillItem::Disk)
            text += QStringLiteral("=%1+%2+%3")
                        .arg(line.dataDisks)
                        .arg(line.redundancyDisks)
                        .arg(line.spareDisks);
        if (line.priced)
            text += QStringLiteral(" @%1=%2").arg(line.unitPrice).arg(line.total);
        parts << text;
    };
    for (const CalBillLine& line : bill.recorders)
        add(line.model, line);
    for (const CalBillLine& line : bill.disks)
        add(QStringLiteral("%1TB").arg(line.key), line);
    for (const CalBillLine& line : bill.cameras)
        add(QStringLiteral("#%1").arg(line.key), line);
    switch (bill.problem) {
    case CalBillProblem::None:
        parts << QStringLiteral("total %1 %2")
                     .arg(bill.grandTotal)
                     .arg(bill.allPriced ? QStringLiteral("all") : QStringLiteral("partial"));
        break;
    case CalBillProblem::Result:
        parts << QStringLiteral("refused: result");
        break;
    case CalBillProblem::Storage:
        parts << QStringLiteral("refused: storage");
        break;
    case CalBillProblem::PriceRange:
        parts << QStringLiteral("no prices: price range");
        break;
    case CalBillProblem::TotalRange:
        parts << QStringLiteral("no prices: total range");
        break;
    }
    return parts.join(QStringLiteral(" | "));
}

} // namespace

class TestMaterials : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bill_data();
    void bill();
};

void TestMaterials::initTestCase()
{
    InitNVRTypeTable();
}

void TestMaterials::bill_data()
{
    QTest::addColumn<Results>("results");
    QTest::addColumn<CalUnitPrices>("prices");
    QTest::addColumn<QString>("bill");

    const CalStorageInputs oneParity = Redundancy(CalRedundancy::SingleParity, 0);
    CalUnitPrices all;
    all.recorders[QStringLiteral("NR-A8V")] = 150000;
    all.disks[8] = 20000;
    all.disks[4] = 9000;
    all.cameras[1] = 12000;
    all.cameras[2] = 5000;

    // 5 + 1 recorders; type 1: 5 x 6 = 30; type 2: 5 x 2 + 1 x 3 = 13.
    QTest::newRow("no storage, no prices")
        << Results{Small()} << CalUnitPrices() << "NR-A8V 6 | #1 30 | #2 13 | total 0 partial";
    // 8 TB: 5 recorders x 4 = 20 disks, 5 x 3 data and 5 x 1 parity; 4 TB: 3, 2 data, 1 parity.
    // 6 x 150000 + 20 x 20000 + 3 x 9000 + 30 x 12000 + 13 x 5000
    // = 900000 + 400000 + 27000 + 360000 + 65000 = 1752000.
    QTest::newRow("one parity, every line priced")
        << Results{Small({Disks(4, 8), Disks(3, 4)}, oneParity)} << all
        << "NR-A8V 6 @150000=900000 | 4TB 3=2+1+0 @9000=27000 | 8TB 20=15+5+0 @20000=400000 | "
           "#1 30 @12000=360000 | #2 13 @5000=65000 | total 1752000 all";
    // Each recorder: 2 hot spares, the rest half data, half copies. 5 x (3 + 3 + 2) + (1 + 1 +
    // 2) = 44 disks of 8 TB: 16 data, 16 copies, 12 spares; 44 x 20000 = 880000.
    CalUnitPrices disks;
    disks.disks[8] = 20000;
    QTest::newRow("mirrored with 2 hot spares, only disks priced")
        << Results{Small({Disks(8, 8), Disks(4, 8)}, Redundancy(CalRedundancy::Mirrored, 2))}
        << disks
        << "NR-A8V 6 | 8TB 44=16+16+12 @20000=880000 | #1 30 | #2 13 | total 880000 partial";
    // Each result's disks split by its own redundancy: 8 TB is 20 (15 data, 5 parity) + 2 x 2
    // (no redundancy) = 24, 19 data; cameras of type 3: 2 x 10.
    CalBillResult second;
    second.model = QStringLiteral("NR-C32V");
    second.lines = {{2, {Ipc(3, 2048, 10)}}};
    second.lineStorage = {Disks(2, 8)};
    QTest::newRow("two results of two models")
        << Results{Small({Disks(4, 8), Disks(3, 4)}, oneParity), second} << CalUnitPrices()
        << "NR-A8V 6 | NR-C32V 2 | 4TB 3=2+1+0 | 8TB 24=19+5+0 | #1 30 | #2 13 | #3 20 | "
           "total 0 partial";
    // 1,000,000 x 999,999,999,999 = 999,999,999,999,000,000, just within 10^18 - 1.
    CalBillResult million;
    million.model = QStringLiteral("NR-A8V");
    million.lines = {{1000000, {Ipc(1, 32, 1)}}};
    CalUnitPrices largest;
    largest.recorders[QStringLiteral("NR-A8V")] = CalMaxUnitPrice;
    QTest::newRow("a million recorders at the largest price")
        << Results{million} << largest
        << "NR-A8V 1000000 @999999999999=999999999999000000 | #1 1000000 | "
           "total 999999999999000000 partial";
    // One more camera unit: 999,999,999,999,000,000 + 1,000,000 x 1 = 10^18.
    CalUnitPrices beyond = largest;
    beyond.cameras[1] = 1;
    QTest::newRow("a grand total of 10^18: counts only")
        << Results{million} << beyond << "NR-A8V 1000000 | #1 1000000 | no prices: total range";
    CalUnitPrices tooDear;
    tooDear.cameras[1] = CalMaxUnitPrice + 1;
    QTest::newRow("a unit price of 10^12: counts only")
        << Results{Small()} << tooDear << "NR-A8V 6 | #1 30 | #2 13 | no prices: price range";
    // Twenty 2048 kbps cameras on NR-A8V (8 channels): recorders of 8, 8 and 4. In 30 days one
    // of 8 records 16,384 kbps x 2,592,000 s x 125 = 5.31 TB: 3 disks of 2 TB, + 1 parity + 1
    // spare = 5; the one of 4 records 2.65 TB: 2 disks, + 1 parity = 3, + 1 spare = 4.
    // 2 x 5 + 4 = 14 disks: 2 x 3 + 2 = 8 data, 3 parity, 3 spares.
    CalNVRDataRecord data;
    data.nvrType = 0;
    data.ipcList = {Ipc(1, 2048, 20)};
    data.storageRates = {{2048, 0, 0}};
    data.storageInputs = Redundancy(CalRedundancy::SingleParity, 1);
    data.storageInputs.diskTB = 2;
    RunNVRCalculation(data);
    QTest::newRow("a calculated result") << Results{BillResultOf(data)} << CalUnitPrices()
                                         << "NR-A8V 3 | 2TB 14=8+3+3 | #1 20 | total 0 partial";
    CalStorage missing = Disks(4, 8);
    missing.ok = false;
    QTest::newRow("a line's storage not worked out")
        << Results{Small({missing, Disks(3, 4)}, oneParity)} << all << "refused: storage";
    // Two parity disks need a set of 4.
    QTest::newRow("disks that cannot form the set")
        << Results{Small({Disks(3, 8), Disks(4, 8)}, Redundancy(CalRedundancy::DoubleParity, 0))}
        << all << "refused: storage";
    QTest::newRow("storage of one line for two")
        << Results{Small({Disks(4, 8)}, oneParity)} << all << "refused: result";
}

void TestMaterials::bill()
{
    QFETCH(Results, results);
    QFETCH(CalUnitPrices, prices);
    QFETCH(QString, bill);
    QCOMPARE(Text(BillOfMaterials(results, prices)), bill);
}

QTEST_APPLESS_MAIN(TestMaterials)
#include "tst_materials.moc"
