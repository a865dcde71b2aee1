// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tieorder.h"

#include <QtTest>
#include <algorithm>
#include <vector>

namespace {

// An element that ties with every other: only its label tells where std::sort put it.
struct Tied
{
    int key = 0;
    int label = 0;
    bool operator<(const Tied& other) const { return key < other.key; }
};

std::vector<int> StdSortOrder(std::size_t n)
{
    std::vector<Tied> items(n);
    for (std::size_t i = 0; i < n; ++i)
        items[i].label = int(i);
    std::sort(items.begin(), items.end());
    std::vector<int> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = items[i].label;
    return order;
}

} // namespace

class TestTieOrder : public QObject
{
    Q_OBJECT

private slots:
    void everySizeUpToTwoThousand();
    void largeSizes_data();
    void largeSizes();
    void columnsMoveAlike();
};

void TestTieOrder::everySizeUpToTwoThousand()
{
    std::vector<int> order;
    for (std::size_t n = 0; n <= 2000; ++n) {
        QVERIFY(TiedSortOrder(n, order));
        if (order != StdSortOrder(n))
            QFAIL(qPrintable(QStringLiteral("differs from std::sort at %1 elements").arg(n)));
    }
}

void TestTieOrder::largeSizes_data()
{
    QTest::addColumn<int>("n");
    // Powers of two and their neighbours change the depth limit and the halving.
    for (int n : {4095, 4096, 4097, 65535, 65536, 65537, 9091, 18182, 150000})
        QTest::addRow("%d", n) << n;
    // The spare lists of the benchmark's case (c): 55 types of 9,091 recorders each.
    QTest::addRow("500005") << 500005;
    QTest::addRow("1000000") << 1000000;
}

void TestTieOrder::largeSizes()
{
    QFETCH(int, n);
    std::vector<int> order;
    QVERIFY(TiedSortOrder(std::size_t(n), order));
    const std::vector<int> expected = StdSortOrder(std::size_t(n));
    QVERIFY(order == expected);
    // A permutation, not merely the same as a wrong reference.
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < n; ++i)
        QCOMPARE(sorted[std::size_t(i)], i);
}

void TestTieOrder::columnsMoveAlike()
{
    const std::size_t n = 1000;
    std::vector<int> a(n), b(n), movedA(n), movedB(n);
    for (std::size_t i = 0; i < n; ++i) {
        a[i] = int(i) * 3;
        b[i] = -int(i);
    }
    QVERIFY(SortTied(n, {{a.data(), movedA.data()}, {b.data(), movedB.data()}}));
    const std::vector<int> order = StdSortOrder(n);
    for (std::size_t i = 0; i < n; ++i) {
        QCOMPARE(movedA[i], a[std::size_t(order[i])]);
        QCOMPARE(movedB[i], b[std::size_t(order[i])]);
    }
}

QTEST_APPLESS_MAIN(TestTieOrder)
#include "tst_tieorder.moc"
