// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/pages/nvrpagedriver.h"
#include "ui/ccorvane.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStackedWidget>

namespace {

// The result lines the planner prints for the same inputs, as the tree's blocks.
QList<QStringList> PlannerBlocks(const QString& model, int disabled, const Records& records,
                                 QString* total)
{
    QStringList arguments{
        QStringLiteral("recorders"), QStringLiteral("--model"), model,
        QStringLiteral("--disable"), QString::number(disabled), QStringLiteral("--json")};
    for (const Record& record : records)
        arguments << QStringLiteral("--camera")
                  << QStringList{record.first, record.second, record.count}.join(QLatin1Char(','));
    QProcess planner;
    planner.start(QStringLiteral(CORVANE_PLAN_PATH), arguments);
    if (!planner.waitForFinished(60000) || planner.exitCode() != 0)
        return {};
    const QJsonObject result = QJsonDocument::fromJson(planner.readAllStandardOutput()).object();
    *total = QString::number(result.value(QStringLiteral("recorders")).toInt());
    Lines lines;
    for (const QJsonValue& value : result.value(QStringLiteral("lines")).toArray()) {
        Line line{value.toObject().value(QStringLiteral("recorders")).toInt(), {}};
        for (const QJsonValue& camera : value.toObject().value(QStringLiteral("cameras")).toArray())
            line.cameras.append({camera.toObject().value(QStringLiteral("type")).toInt(),
                                 camera.toObject().value(QStringLiteral("count")).toInt()});
        lines << line;
    }
    return Blocks(lines);
}

} // namespace

class TestNVRPageInWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void theProgramOpensOnThisPage();
    void resultAgreesWithThePlanner_data();
    void resultAgreesWithThePlanner();

private:
    std::unique_ptr<CCorvane> m_window;
};

void TestNVRPageInWindow::initTestCase()
{
    qRegisterMetaType<Records>();
    m_window = std::make_unique<CCorvane>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestNVRPageInWindow::cleanupTestCase()
{
    m_window.reset();
}

void TestNVRPageInWindow::theProgramOpensOnThisPage()
{
    auto* stack = m_window->findChild<QStackedWidget*>();
    QVERIFY(stack);
    CDlgCalNVRNum* page = m_window->NVRPage();
    QCOMPARE(stack->widget(0), page);
    QCOMPARE(stack->currentWidget(), page);
    QVERIFY(page->isVisible());
    PageDriver ui(page);
    QCOMPARE(ui.Recorder()->count(), 28);
    QVERIFY(!ui.Button()->isEnabled());
    QCOMPARE(ui.Id(0), Prompt);
}

void TestNVRPageInWindow::resultAgreesWithThePlanner_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("disabled");
    QTest::addColumn<Records>("records");

    QTest::newRow("three camera types on NR-A8V")
        << "NR-A8V" << 0
        << Records{
               {"4096(4M)", "1024(1M)", "3"}, {"1024(1M)", "0", "10"}, {"2048(2M)", "512", "7"}};
    QTest::newRow("a row left out on NR-K8Y with 5 channels disabled")
        << "NR-K8Y" << 5 << Records{{"8192(8M)", "0", "9"}, {"0", "0", "4"}, {"512", "256", "40"}};
    QTest::newRow("many alike recorders on NR-C32V")
        << "NR-C32V" << 0 << Records{{"2048(2M)", "2048(2M)", "5000"}, {"64", "32", "77"}};
}

void TestNVRPageInWindow::resultAgreesWithThePlanner()
{
    QFETCH(QString, model);
    QFETCH(int, disabled);
    QFETCH(Records, records);

    // Each row starts on a fresh page, as the user would after starting the program.
    auto* stack = m_window->findChild<QStackedWidget*>();
    auto* page = new CDlgCalNVRNum(m_window.get());
    stack->insertWidget(0, page);
    stack->setCurrentWidget(page);
    std::unique_ptr<CDlgCalNVRNum> owner(page);
    PageDriver ui(page);
    ui.Enter(records);
    ui.ChooseRecorder(model, disabled);
    QCOMPARE(ui.Calculate().dialogs, 0);

    QString total;
    const QList<QStringList> expected = PlannerBlocks(model, disabled, records, &total);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(ui.Result(), total);
    QCOMPARE(Sorted(ui.TreeBlocks()), Sorted(expected));
}

QTEST_MAIN(TestNVRPageInWindow)
#include "tst_nvrpagewindow.moc"
