// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/cdlgcalnvrnum.h"
#include "pages/cestimatedlg.h"
#include "pages/pageparts.h"

#include "engine/calnvrthread.h"
#include "engine/calrecords.h"
#include "engine/nvrcatalogue.h"
#include "tests/pages/nvrpagedriver.h"
#include "widgets/controls/ctooltip.h"

#include <QAccessible>
#include <QAtomicInt>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QSemaphore>
#include <QSpinBox>

namespace {

// Stands for the worker until the test lets it go, so that the test decides when the
// calculation is over.
QSemaphore g_gate;
QAtomicInt g_finishedRuns;

class GatedWorker : public CalNVRThread
{
protected:
    void run() override
    {
        g_gate.acquire();
        CalNVRThread::run();
        g_finishedRuns.fetchAndAddOrdered(1);
    }
};

class GatedPage : public CDlgCalNVRNum
{
public:
    int workers = 0;

protected:
    CalNVRThread* CreateWorker() override
    {
        ++workers;
        return new GatedWorker;
    }
};

QStringList SortedRows(QStringList rows)
{
    rows.sort();
    return rows;
}

} // namespace

class TestCDlgCalNVRNum : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startState();
    void channelComboFollowsTheRecorder_data();
    void channelComboFollowsTheRecorder();
    void recorderAndChannelMessages_data();
    void recorderAndChannelMessages();
    void promptAddsARecord();
    void bitRateChecks_data();
    void bitRateChecks();
    void bothBitRateColumnsMustBeValid();
    void emptiedCountBlocksAddingAndCalculating();
    void calculation_data();
    void calculation();
    void refusals_data();
    void refusals();
    void errorTakesTheWholeResultAway();
    void onlyRowsWithBitRateAndCountAreCalculated();
    void nothingToCalculateGivesZeroAndAnEmptyTree();
    void millionCamerasWhileTheDialogAnimates();
    void storageFollowsTheRetention();
    void resultOfSupersededInputsIsDropped();
    void estimateWritesTheRecord();
    void storageInputsAreChecked_data();
    void storageInputsAreChecked();
    void cameraLinesLineUp_data();
    void cameraLinesLineUp();
    void twoCalculationsGiveTheSameTree();
    void earlyEndOfTheWaitIsNotTheResult_data();
    void earlyEndOfTheWaitIsNotTheResult();
    void contextMenuOnlyForRecords();
    void deletingRecordTwoOfThree();
    void hundredRecordsThenDelete();
    void deletingTheLastRecordUnlocksThePage();
    void deletingAnInvalidRecordClearsItsError();
    void deletingLeavesOnlyTheRemainingRecordsErrors();
    void escapeKeepsThePage_data();
    void escapeKeepsThePage();
    void keyboardAddsAndDeletes_data();
    void keyboardAddsAndDeletes();
    void screenReaderNames_data();
    void screenReaderNames();
};

void TestCDlgCalNVRNum::initTestCase()
{
    qRegisterMetaType<Records>();
    qRegisterMetaType<Lines>();
    InitNVRTypeTable();
}

void TestCDlgCalNVRNum::init()
{
    // Nothing may be left waiting from a test that failed half-way.
    while (g_gate.available() > 0)
        g_gate.acquire();
}

void TestCDlgCalNVRNum::startState()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    QCOMPARE(page.objectName(), QStringLiteral("CDlgCalNVRNumClass"));
    QVERIFY(!ui.Button()->isEnabled());
    QCOMPARE(ui.Button()->text(), QStringLiteral("Caculator"));
    QCOMPARE(ui.Result(), QString());
    QCOMPARE(ui.Tree()->model()->rowCount(), 0);
    for (const char* label : {"m_pIPCTableInfoLabel", "m_pNumberInfoLabel",
                              "m_pNVRInformationLabel", "m_pChannelInformation"})
        QVERIFY2(ui.Label(label)->isHidden(), label);
    QCOMPARE(ui.Id(0), Prompt);
    QVERIFY(!ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn));
    QCOMPARE(ui.Table()->model()->rowCount(), CDlgCalNVRNum::MaxRows);
    QCOMPARE(ui.Recorder()->count(), 28);
    QCOMPARE(ui.Recorder()->currentText(), QStringLiteral("NR-A8V"));
    QCOMPARE(ui.Recorder()->itemData(27).toInt(), 27);
    QVERIFY(!ui.Recorder()->isEditable());
    QCOMPARE(ui.Channels()->count(), 1);
    QCOMPARE(ui.Channels()->itemText(0), QStringLiteral("0"));
    QVERIFY(!ui.Channels()->isEnabled());
    for (int column = 0; column < 4; ++column)
        QCOMPARE(ui.Table()->columnWidth(column), QList<int>({145, 105, 120, 120}).at(column));
}

void TestCDlgCalNVRNum::channelComboFollowsTheRecorder_data()
{
    QTest::addColumn<QString>("recorder");
    QTest::addColumn<int>("items");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("a model without channels to disable") << "NR-C32V" << 1 << false;
    QTest::newRow("4 channels to disable") << "NR-K4Y" << 5 << true;
    QTest::newRow("16 channels to disable") << "NR-Q16Y" << 17 << true;
}

void TestCDlgCalNVRNum::channelComboFollowsTheRecorder()
{
    QFETCH(QString, recorder);
    QFETCH(int, items);
    QFETCH(bool, enabled);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    // From a model with channels to disable, so every row refills the combo.
    ui.ChooseRecorder(QStringLiteral("NR-M8Y"), 3);
    ui.ChooseRecorder(recorder);
    QCOMPARE(ui.Channels()->count(), items);
    QCOMPARE(ui.Channels()->itemText(items - 1), QString::number(items - 1));
    QCOMPARE(ui.Channels()->isEnabled(), enabled);
    QCOMPARE(ui.Channels()->currentText(), QStringLiteral("0"));
    QVERIFY(ui.Label("m_pChannelInformation")->isHidden());
    QVERIFY(ui.Label("m_pNVRInformationLabel")->isHidden());
}

void TestCDlgCalNVRNum::recorderAndChannelMessages_data()
{
    QTest::addColumn<QString>("recorder");
    QTest::addColumn<QString>("channels");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("message");

    QTest::newRow("a name the catalogue does not hold") << "nr-a8v"
                                                        << ""
                                                        << "m_pNVRInformationLabel"
                                                        << "The NVR Type is not valid";
    QTest::newRow("more channels than the combo offers") << ""
                                                         << "1"
                                                         << "m_pChannelInformation"
                                                         << "The Channel number is not valid";
}

void TestCDlgCalNVRNum::recorderAndChannelMessages()
{
    QFETCH(QString, recorder);
    QFETCH(QString, channels);
    QFETCH(QString, label);
    QFETCH(QString, message);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "5"}});
    if (!recorder.isEmpty())
        page.NVRTypeComboValueChanged(recorder);
    if (!channels.isEmpty())
        page.ChannelNumValueChanged(channels);

    QLabel* shown = ui.Label(label.toLatin1().constData());
    QVERIFY(!shown->isHidden());
    QCOMPARE(shown->text(),
             QStringLiteral("<font color=red>") + message + QStringLiteral("</font>"));
    QVERIFY(!ui.Channels()->isEnabled());
    // Blocks the calculation without a message of its own.
    QCOMPARE(ui.Calculate().dialogs, 0);
    QCOMPARE(ui.Result(), QString());
}

void TestCDlgCalNVRNum::promptAddsARecord()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Click(0);

    QCOMPARE(ui.Id(0), QStringLiteral("1"));
    QCOMPARE(ui.Id(1), Prompt);
    for (int column : {CDlgCalNVRNum::FirstBitRateColumn, CDlgCalNVRNum::SecondBitRateColumn}) {
        QComboBox* combo = ui.BitRate(0, column);
        QVERIFY(combo);
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 11);
        QCOMPARE(combo->itemText(10), QStringLiteral("16384(16M)"));
        QCOMPARE(combo->currentText(), QStringLiteral("1024(1M)"));
    }
    QCOMPARE(ui.Count(0)->text(), QStringLiteral("5"));
    QVERIFY(ui.Button()->isEnabled());

    // The count editor takes only what the pattern allows.
    PageDriver::Type(ui.Count(0), QStringLiteral("10000001x"));
    QCOMPARE(ui.Count(0)->text(), QStringLiteral("1000000"));
    PageDriver::Type(ui.Count(0), QStringLiteral("0"));
    QCOMPARE(ui.Count(0)->text(), QStringLiteral("0"));

    // The record itself, an empty row and the prompt row outside its prompt add nothing.
    QLineEdit* count = ui.Count(0);
    ui.Click(0);
    ui.Click(5);
    ui.Click(1, 2);
    QCOMPARE(ui.Count(0), count);
    QVERIFY(!ui.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn));
    QVERIFY(!ui.BitRate(5, CDlgCalNVRNum::FirstBitRateColumn));
    QCOMPARE(ui.Id(5), QString());

    ui.Click(1);
    QCOMPARE(ui.Id(1), QStringLiteral("2"));
    QCOMPARE(ui.Id(2), Prompt);
}

void TestCDlgCalNVRNum::bitRateChecks_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("0 is valid") << int(CDlgCalNVRNum::FirstBitRateColumn) << "0" << true;
    QTest::newRow("32 is the lowest") << int(CDlgCalNVRNum::FirstBitRateColumn) << "32" << true;
    QTest::newRow("16384 is the highest")
        << int(CDlgCalNVRNum::FirstBitRateColumn) << "16384" << true;
    QTest::newRow("16385 is above the range")
        << int(CDlgCalNVRNum::FirstBitRateColumn) << "16385" << false;
    QTest::newRow("16M reads as 16384") << int(CDlgCalNVRNum::SecondBitRateColumn) << "16M" << true;
    QTest::newRow("no number at all") << int(CDlgCalNVRNum::SecondBitRateColumn) << "fast" << false;
    QTest::newRow("an emptied bit rate") << int(CDlgCalNVRNum::SecondBitRateColumn) << "" << false;
}

void TestCDlgCalNVRNum::bitRateChecks()
{
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(bool, valid);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "1024(1M)", "5"}, {"1024(1M)", "1024(1M)", "5"}});
    PageDriver::Type(ui.BitRate(1, column)->lineEdit(), text);

    QLabel* label = ui.Label("m_pIPCTableInfoLabel");
    QCOMPARE(label->isHidden(), valid);
    QCOMPARE(ui.Button()->isEnabled(), valid);
    if (!valid) {
        QCOMPARE(label->text(), QStringLiteral("<font color=red>The Bit rate is not "
                                               "valid(range 0 or 32k-16384k)</font>"));
        // While the message shows, the prompt adds nothing and the button does nothing.
        ui.Click(2);
        QVERIFY(!ui.BitRate(2, CDlgCalNVRNum::FirstBitRateColumn));
        QCOMPARE(ui.Calculate().dialogs, 0);
        QCOMPARE(ui.Result(), QString());
    }

    PageDriver::Type(ui.BitRate(1, column)->lineEdit(), QStringLiteral("512"));
    QVERIFY(label->isHidden());
    QVERIFY(ui.Button()->isEnabled());
}

void TestCDlgCalNVRNum::bothBitRateColumnsMustBeValid()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "1024(1M)", "5"}});
    QLabel* label = ui.Label("m_pIPCTableInfoLabel");

    PageDriver::Type(ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn)->lineEdit(),
                     QStringLiteral("20"));
    PageDriver::Type(ui.BitRate(0, CDlgCalNVRNum::SecondBitRateColumn)->lineEdit(),
                     QStringLiteral("20"));
    PageDriver::Type(ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn)->lineEdit(),
                     QStringLiteral("64"));
    QVERIFY(!label->isHidden());
    QVERIFY(!ui.Button()->isEnabled());
    PageDriver::Type(ui.BitRate(0, CDlgCalNVRNum::SecondBitRateColumn)->lineEdit(),
                     QStringLiteral("64"));
    QVERIFY(label->isHidden());
    QVERIFY(ui.Button()->isEnabled());
}

void TestCDlgCalNVRNum::emptiedCountBlocksAddingAndCalculating()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "5"}, {"1024(1M)", "0", "7"}});
    PageDriver::Type(ui.Count(1), QString());

    QLabel* label = ui.Label("m_pNumberInfoLabel");
    QVERIFY(!label->isHidden());
    QCOMPARE(label->text(), QStringLiteral("<font color=red>The number can not be blank</font>"));
    QVERIFY(!ui.Button()->isEnabled());
    ui.Click(2);
    QVERIFY(!ui.BitRate(2, CDlgCalNVRNum::FirstBitRateColumn));
    // The prompt says why it added nothing.
    QVERIFY(CToolTip::IsTipVisible());
    QVERIFY2(CToolTip::TipText().contains(QStringLiteral("The number can not be blank")),
             qPrintable(CToolTip::TipText()));

    PageDriver::Type(ui.Count(1), QStringLiteral("3"));
    QVERIFY(label->isHidden());
    QVERIFY(ui.Button()->isEnabled());
    ui.Click(2);
    QVERIFY(ui.BitRate(2, CDlgCalNVRNum::FirstBitRateColumn));
}

void TestCDlgCalNVRNum::calculation_data()
{
    QTest::addColumn<QString>("recorder");
    QTest::addColumn<int>("disabledChannels");
    QTest::addColumn<Records>("records");
    QTest::addColumn<QString>("total");
    QTest::addColumn<Lines>("lines");

    QTest::newRow("4096 x 3 and 1024 x 10 share the first recorder")
        << "NR-A8V" << 0 << Records{{"4096(4M)", "0", "3"}, {"1024(1M)", "0", "10"}} << "2"
        << Lines{{1, {{1, 3}, {2, 5}}}, {1, {{2, 5}}}};
    QTest::newRow("20 cameras of 2048 fill two recorders alike and a third")
        << "NR-A8V" << 0 << Records{{"1024(1M)", "1024(1M)", "20"}} << "3"
        << Lines{{1, {{1, 4}}}, {2, {{1, 8}}}};
    QTest::newRow("16384 + 4096 fills a 20480 kbps recorder with one camera")
        << "NR-A8V" << 0 << Records{{"16384(16M)", "4096(4M)", "3"}} << "3" << Lines{{3, {{1, 1}}}};
    QTest::newRow("4 disabled channels of a 4-channel model make room for 8")
        << "NR-K4Y" << 4 << Records{{"1024(1M)", "0", "10"}} << "2"
        << Lines{{1, {{1, 2}}}, {1, {{1, 8}}}};
    QTest::newRow("the same model without disabled channels takes 4")
        << "NR-K4Y" << 0 << Records{{"1024(1M)", "0", "10"}} << "3"
        << Lines{{1, {{1, 2}}}, {2, {{1, 4}}}};
}

void TestCDlgCalNVRNum::calculation()
{
    QFETCH(QString, recorder);
    QFETCH(int, disabledChannels);
    QFETCH(Records, records);
    QFETCH(QString, total);
    QFETCH(Lines, lines);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter(records);
    ui.ChooseRecorder(recorder, disabledChannels);
    // Over within half a second: no wait dialog comes up.
    QCOMPARE(ui.Calculate().dialogs, 0);
    QCOMPARE(ui.Result(), total);
    QCOMPARE(Sorted(ui.TreeBlocks()), Sorted(Blocks(lines)));
    QVERIFY(ui.TreeFullyExpanded());
    QCOMPARE(ui.Tree()->styleSheet(), ResultTreeStyle);
    const QModelIndex group = ui.Tree()->model()->index(0, 0);
    QCOMPARE(group.data(Qt::UserRole + 1), QVariant(QString()));
}

void TestCDlgCalNVRNum::refusals_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<QString>("message");

    const QString tooMany = QStringLiteral("The sum of IPC number can not be bigger than 1000000");
    auto over = [](int type, int kbps) {
        return QStringLiteral("IPC type %1: %2 kbps is above the NR-A8V bandwidth of 20480 kbps")
            .arg(type)
            .arg(kbps);
    };
    QTest::newRow("16384 + 8192 is more than 20480")
        << Records{{"16384(16M)", "8192(8M)", "5"}} << over(1, 24576);
    QTest::newRow("two offending records, one line each")
        << Records{{"16384(16M)", "8192(8M)", "1"},
                   {"8192(8M)", "16384(16M)", "1"},
                   {"16384(16M)", "4096(4M)", "1"}}
        << over(1, 24576) + QStringLiteral("<br/>") + over(2, 24576);
    QTest::newRow("an offending record without cameras is named too")
        << Records{{"1024(1M)", "0", "5"}, {"16384(16M)", "16384(16M)", "0"}} << over(2, 32768);
    QTest::newRow("1000001 cameras")
        << Records{{"1024(1M)", "0", "999999"}, {"512", "0", "2"}} << tooMany;
    QTest::newRow("too many cameras comes before the bandwidth")
        << Records{{"16384(16M)", "8192(8M)", "999999"}, {"512", "0", "2"}} << tooMany;
}

void TestCDlgCalNVRNum::refusals()
{
    QFETCH(Records, records);
    QFETCH(QString, message);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter(records);
    // Said where the result would be, in the page's own red, without a box that would take the
    // keys still being typed; no result stands beside it.
    QLabel* label = ui.Label("m_pRequestInformation");
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("<font color=red>%1</font>").arg(message));
    QCOMPARE(ui.Result(), QString());
    QCOMPARE(ui.Tree()->model()->rowCount(), 0);
    const ModalSeen seen = ui.Calculate();
    QCOMPARE(seen.dialogs, 0);
    QCOMPARE(ui.Result(), QString());
}

void TestCDlgCalNVRNum::errorTakesTheWholeResultAway()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"4096(4M)", "0", "3"}, {"1024(1M)", "0", "10"}});
    QCOMPARE(ui.Calculate().dialogs, 0);
    QCOMPARE(ui.Result(), QStringLiteral("2"));

    // An error takes the whole result away: total, storage and tree together.
    PageDriver::SetBitRate(ui.BitRate(1, CDlgCalNVRNum::SecondBitRateColumn),
                           QStringLiteral("16384(16M)"));
    PageDriver::SetBitRate(ui.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn),
                           QStringLiteral("8192(8M)"));
    QVERIFY(ui.Label("m_pRequestInformation")->isVisible());
    QCOMPARE(ui.Result(), QString());
    QCOMPARE(ui.Tree()->model()->rowCount(), 0);
    QVERIFY(ui.Label("m_pStorageTotalLabel")->isHidden());
    QCOMPARE(ui.Tree()->styleSheet(), EmptyTreeStyle);

    // Put right, the result is back without a press of the button.
    PageDriver::SetBitRate(ui.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn),
                           QStringLiteral("1024(1M)"));
    PageDriver::SetBitRate(ui.BitRate(1, CDlgCalNVRNum::SecondBitRateColumn), QStringLiteral("0"));
    QVERIFY(ui.Label("m_pRequestInformation")->isHidden());
    QCOMPARE(ui.Result(), QStringLiteral("2"));
    QVERIFY(!ui.Label("m_pStorageTotalLabel")->isHidden());
}

void TestCDlgCalNVRNum::onlyRowsWithBitRateAndCountAreCalculated()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "10"},
              {"0", "0", "5"},
              {"4096(4M)", "1024(1M)", "0"},
              {"4096(4M)", "1024(1M)", "3"}});
    QCOMPARE(ui.Calculate().dialogs, 0);
    QCOMPARE(ui.Result(), QStringLiteral("2"));
    // The fourth record keeps its number although two rows before it were left out.
    QCOMPARE(Sorted(ui.TreeBlocks()), Sorted(Blocks({{1, {{1, 5}, {4, 3}}}, {1, {{1, 5}}}})));
}

void TestCDlgCalNVRNum::nothingToCalculateGivesZeroAndAnEmptyTree()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"4096(4M)", "0", "3"}});
    QCOMPARE(ui.Calculate().dialogs, 0);
    QCOMPARE(ui.Tree()->model()->rowCount(), 1);

    PageDriver::Type(ui.Count(0), QStringLiteral("0"));
    ui.Enter({{"0", "0", "4"}});
    const ModalSeen seen = ui.Calculate();
    QCOMPARE(seen.dialogs, 0);
    QCOMPARE(ui.Result(), QStringLiteral("0"));
    QCOMPARE(ui.Tree()->model()->rowCount(), 0);
    QCOMPARE(ui.Tree()->styleSheet(), EmptyTreeStyle);
    QVERIFY(CalNVRData.usedList.empty());
    QVERIFY(CalNVRData.groupMap.empty());
}

void TestCDlgCalNVRNum::millionCamerasWhileTheDialogAnimates()
{
    GatedPage page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "1024(1M)", "999999"}, {"1024(1M)", "0", "1"}});
    // The worker goes on once the dialog is seen, which is after half a second.
    ModalSeen seen;
    QElapsedTimer waited;
    qint64 shownAfter = -1;
    QObject context;
    WhenModal(&context, [&](QWidget* modal) {
        shownAfter = waited.elapsed();
        Note(modal, &seen);
        g_gate.release();
    });
    waited.start();
    QTest::mouseClick(ui.Button(), Qt::LeftButton);

    QVERIFY2(shownAfter >= WaitDialogDelayMs, qPrintable(QString::number(shownAfter)));
    QCOMPARE(seen.dialogs, 1);
    QVERIFY(seen.chase);
    QCOMPARE(seen.title, QStringLiteral("Calculation..."));
    QVERIFY(seen.movieRunning);
    QVERIFY(seen.buttonsHidden);
    QCOMPARE(ui.Result(), QStringLiteral("125,000"));
    QCOMPARE(ui.TreeBlocks(), Blocks({{1, {{1, 7}, {2, 1}}}, {124999, {{1, 8}}}}));
}

void TestCDlgCalNVRNum::cameraLinesLineUp_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");

    QTest::newRow("one digit: 7, 26 spaces, 12")
        << 7 << QString()
        << QStringLiteral("7") + QString(26, QLatin1Char(' ')) + QStringLiteral("12");
    QTest::newRow("two digits: 10, 25 spaces, 12")
        << 10 << QString()
        << QStringLiteral("10") + QString(25, QLatin1Char(' ')) + QStringLiteral("12");
    QTest::newRow("a name beside the number, the whole name in the tip")
        << 7 << QStringLiteral("Dock 4K")
        << QStringLiteral("7 Dock 4K") + QString(18, QLatin1Char(' ')) + QStringLiteral("12");
    QTest::newRow("a long name cut short")
        << 7 << QStringLiteral("North gate entrance camera")
        << QStringLiteral("7 North gate entrance c\u2026") + QString(3, QLatin1Char(' ')) +
               QStringLiteral("12");
}

void TestCDlgCalNVRNum::storageFollowsTheRetention()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    // Two lines, each of one recorder: 3 x 4096 + 5 x 1024 = 17408 kbps and 5 x 1024 = 5120 kbps.
    ui.Enter({{"4096(4M)", "0", "3"}, {"1024(1M)", "0", "10"}});
    ui.ChooseRecorder(QStringLiteral("NR-A8V"));
    QCOMPARE(ui.Calculate().dialogs, 0);
    // 30 days are 2,592,000 s; bytes = kbps x seconds x 125; 8 TB disks, no redundancy.
    QCOMPARE(SortedRows(ui.StorageRows()),
             QStringList({"Each NVR: 1.659 TB (1.51 TiB), disks: 1",
                          "Each NVR: 5.640 TB (5.13 TiB), disks: 1"}));
    QCOMPARE(page.StorageTotalText(),
             QStringLiteral("Storage: 7.299 TB (6.64 TiB), disks: 2 (8 TB each)"));

    // Every line follows the retention at once, and calculating again changes nothing more.
    const QList<QStringList> blocks = ui.TreeBlocks();
    ui.Child<QLineEdit>("m_pRetentionEdit")->setText(QStringLiteral("90"));
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(ui.TreeBlocks(), blocks);
        QCOMPARE(SortedRows(ui.StorageRows()),
                 QStringList({"Each NVR: 16.921 TB (15.39 TiB), disks: 3",
                              "Each NVR: 4.977 TB (4.53 TiB), disks: 1"}));
        QCOMPARE(page.StorageTotalText(),
                 QStringLiteral("Storage: 21.897 TB (19.92 TiB), disks: 4 (8 TB each)"));
        if (pass == 0)
            QCOMPARE(ui.Calculate().dialogs, 0);
    }

    // The planner's own model as NR-A8V, with 2 bays: the line that needs 3 disks is marked.
    CalNVRInfo own(0, QStringLiteral("A8-2"), 8, 0, 20480);
    own.bays = 2;
    page.SetModels({own});
    ui.ChooseRecorder(own.name);
    QCOMPARE(ui.Recorder()->currentText(), own.name);
    QCOMPARE(
        SortedRows(ui.StorageRows()),
        QStringList({"Each NVR: 16.921 TB (15.39 TiB), disks: 3\nneeds 3 disks, the A8-2 holds 2",
                     "Each NVR: 4.977 TB (4.53 TiB), disks: 1"}));
    QVERIFY(page.StorageTotalText().contains("disks do not fit the A8-2: 1"));
    // Blue load and storage rows, a red one for the bays, the column titles, then the cameras
    // in a fixed-pitch face: two types on the first line, one on the second.
    const QString blue = QStringLiteral("load #28619b, load #28619b, storage #28619b, ");
    QCOMPARE(SortedRows(ui.RowLooks()),
             QStringList({blue + QStringLiteral("row, row fixed"),
                          blue + QStringLiteral("storage #c00000, row, row fixed, row fixed")}));
    // The smallest sizes whose disks fit 2 bays: 10 TB for 16.921 TB, 3 TB for 4.977 TB.
    auto* disk = ui.Child<QComboBox>("m_pDiskCombo");
    disk->setCurrentIndex(disk->findData(CalDiskSmallestFits));
    QCOMPARE(SortedRows(ui.StorageRows()),
             QStringList({"Each NVR: 16.921 TB (15.39 TiB), disks: 2 of 10 TB",
                          "Each NVR: 4.977 TB (4.53 TiB), disks: 2 of 3 TB"}));
    QVERIFY(!page.StorageTotalText().contains("do not fit"));

    // The days given disks keep, at 30 days' inputs otherwise: 4 disks of 8 TB, one a hot
    // spare, one for parity, 10 % kept free, hold 2 x 7.2 TB = 1.152e11 kbit; a day of
    // 17408 kbps is 1.504e9 kbit, so 76.6 days keep 76; of 5120 kbps, 260.4 keep 260.
    ui.ChooseRecorder(QStringLiteral("NR-A8V"));
    NvrPageState state = page.State();
    state.storage.goal = CalStorageGoal::DaysKept;
    state.storage.diskTB = 8;
    state.storage.redundancy = CalRedundancy::SingleParity;
    state.storage.hotSpares = 1;
    state.storage.storageReservePercent = 10;
    page.SetState(state);
    QVERIFY(ui.Child<QLineEdit>("m_pDisksEdit")->isVisibleTo(&page));
    QVERIFY(!ui.Child<QLineEdit>("m_pRetentionEdit")->isVisibleTo(&page));
    QCOMPARE(SortedRows(ui.StorageRows()),
             QStringList({"Each NVR: 4 disks of 8 TB hold 14.400 TB (13.10 TiB)\nKeeps: 260 days",
                          "Each NVR: 4 disks of 8 TB hold 14.400 TB (13.10 TiB)\nKeeps: 76 days"}));
    QCOMPARE(page.StorageTotalText(),
             QStringLiteral("Disks: 8 (8 TB each), holding 28.800 TB (26.19 TiB)<br/>The shortest "
                            "kept: 76 days"));
    QCOMPARE(page.State(), state);
    // Four disks do not fit the A8-2's two bays: the days kept, then the bays in red.
    ui.ChooseRecorder(own.name);
    for (const QString& rows : ui.StorageRows())
        QVERIFY2(rows.contains(QStringLiteral("\nKeeps: ")) &&
                     rows.endsWith(QStringLiteral("\nneeds 4 disks, the A8-2 holds 2")),
                 qPrintable(rows));
    const QString days = blue + QStringLiteral("storage #28619b, storage #c00000, ");
    QCOMPARE(SortedRows(ui.RowLooks()),
             QStringList({days + QStringLiteral("row, row fixed"),
                          days + QStringLiteral("row, row fixed, row fixed")}));
    // Too few disks for a spare and a parity set: said, and no result until put right.
    ui.Child<QLineEdit>("m_pDisksEdit")->setText(QStringLiteral("3"));
    QVERIFY(ui.Child<QLabel>("m_pStorageInformation")->text().contains("at least 4 disks"));
    QCOMPARE(ui.Tree()->model()->rowCount(), 0);
}

void TestCDlgCalNVRNum::resultOfSupersededInputsIsDropped()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "8"}});
    QCOMPARE(ui.Result(), QStringLiteral("1"));
    // Typed without the event loop running between keys: the worker is still busy with the
    // first count when the next ones come, and then when the count is emptied.
    QTest::keyClicks(ui.Table()->GetCellWidget(0, CDlgCalNVRNum::NumberColumn), "00");
    qobject_cast<QLineEdit*>(ui.Table()->GetCellWidget(0, CDlgCalNVRNum::NumberColumn))->clear();
    QCOMPARE(ui.Result(), QString());
    QCOMPARE(ui.Tree()->model()->rowCount(), 0);
    QVERIFY(page.EnsureResult());
    // The last of several quick changes is the one shown: 8 cameras a recorder, 800 need 100.
    ui.Type(ui.Count(0), QStringLiteral("800"));
    QCOMPARE(ui.Result(), QStringLiteral("100"));
}

void TestCDlgCalNVRNum::estimateWritesTheRecord()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "5"}, {"1024(1M)", "0", "5"}});
    QComboBox* first = ui.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn);
    QComboBox* second = ui.BitRate(1, CDlgCalNVRNum::SecondBitRateColumn);
    QVERIFY(first->toolTip().contains(QStringLiteral("F4")));

    // 4 MP, 15 fps, H.265, busy scene for the first stream; the second keeps its proposal, a
    // 640x360 sub-stream of the same kind.
    QObject context;
    QStringList shown;
    WhenModal(&context, [&shown](QWidget* modal) {
        auto* dialog = qobject_cast<CEstimateDlg*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        const QList<QComboBox*> combos = dialog->findChildren<QComboBox*>();
        QComboBox* resolution = combos.value(0);
        resolution->setEditText(QStringLiteral("2560x1440"));
        dialog->findChildren<QSpinBox*>().value(0)->setValue(15);
        QComboBox* scene = combos.value(3);
        scene->setCurrentIndex(scene->findData(int(CalScene::Busy)));
        shown << dialog->findChild<QLabel*>(QStringLiteral("m_pFirstEstimate"))->text();
        dialog->accept();
    });
    first->setFocus();
    QTest::keyClick(first, Qt::Key_F4);
    QCOMPARE(shown.size(), 1);

    CalStreamSettings expected;
    expected.width = 2560;
    expected.height = 1440;
    expected.fps = 15;
    expected.scene = CalScene::Busy;
    CalStreamSettings sub = expected;
    sub.width = 640;
    sub.height = 360;
    sub.fps = 25;
    sub.scene = CalScene::Normal;
    const CalBitRateEstimate estimate = EstimateBitRate(expected);
    QCOMPARE(first->currentText(), QString::number(estimate.kbps));
    QCOMPARE(second->currentText(), QString::number(EstimateBitRate(sub).kbps));
    QVERIFY(shown[0].contains(GroupedNumber(estimate.kbps)));
    const PlanCamera record = page.State().cameras.at(1);
    QVERIFY(record.firstEstimate == expected);
    QVERIFY(record.secondEstimate == sub);
    QVERIFY(!page.State().cameras.at(0).firstEstimate);

    // A bit rate typed by hand is no estimate any more; the other stream's stays.
    PageDriver::Type(first->lineEdit(), QStringLiteral("4M"));
    QVERIFY(!page.State().cameras.at(1).firstEstimate);
    QVERIFY(page.State().cameras.at(1).secondEstimate == sub);
}

void TestCDlgCalNVRNum::storageInputsAreChecked_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: accepted

    const QString days = QStringLiteral("The retention must be 1 to 3650 days");
    const QString hours = QStringLiteral("The recording hours must be 1 to 24 a day");
    const QString share = QStringLiteral("The recorded share must be 1 to 100 percent");
    QTest::newRow("no retention") << "m_pRetentionEdit"
                                  << "" << days;
    QTest::newRow("0 days") << "m_pRetentionEdit"
                            << "0" << days;
    QTest::newRow("3650 days") << "m_pRetentionEdit"
                               << "3650"
                               << "";
    QTest::newRow("3651 days") << "m_pRetentionEdit"
                               << "3651" << days;
    QTest::newRow("25 hours") << "m_pHoursEdit"
                              << "25" << hours;
    QTest::newRow("1 hour") << "m_pHoursEdit"
                            << "1"
                            << "";
    QTest::newRow("0 percent") << "m_pRecordedEdit"
                               << "0" << share;
    QTest::newRow("101 percent") << "m_pRecordedEdit"
                                 << "101" << share;
}

void TestCDlgCalNVRNum::storageInputsAreChecked()
{
    QFETCH(QString, editor);
    QFETCH(QString, text);
    QFETCH(QString, message);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "10"}});
    auto* edit = page.findChild<QLineEdit*>(editor);
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), text);

    QLabel* label = ui.Label("m_pStorageInformation");
    QCOMPARE(label->isVisible(), !message.isEmpty());
    QCOMPARE(ui.Button()->isEnabled(), message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(label->text(),
                 QStringLiteral("<font color=red>") + message + QStringLiteral("</font>"));
        // Adding a record must not enable the calculation behind the message's back.
        ui.Click(ui.FirstFreeRow());
        QVERIFY(ui.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn));
        QVERIFY(!ui.Button()->isEnabled());
        QCOMPARE(ui.Calculate().dialogs, 0);
    }
}

void TestCDlgCalNVRNum::cameraLinesLineUp()
{
    QFETCH(int, records);
    QFETCH(QString, name);
    QFETCH(QString, line);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    // Only the last record has cameras: 12 on a 16-channel recorder.
    Records list;
    for (int i = 1; i < records; ++i)
        list << Record{"1024(1M)", "0", "0"};
    list << Record{"1024(1M)", "0", "12"};
    ui.Enter(list);
    if (!name.isEmpty())
        PageDriver::Type(qobject_cast<QLineEdit*>(
                             ui.Table()->GetCellWidget(records - 1, CDlgCalNVRNum::NameColumn)),
                         name);
    ui.ChooseRecorder(QStringLiteral("NR-A16V"));
    QCOMPARE(ui.Calculate().dialogs, 0);

    const QAbstractItemModel* model = ui.Tree()->model();
    // The one camera line comes last, after the storage and column-title rows.
    const QModelIndex group = model->index(0, 0);
    const QModelIndex camera = model->index(model->rowCount(group) - 1, 0, group);
    QCOMPARE(camera.data().toString(), line);
    QCOMPARE(camera.data(Qt::ToolTipRole), name.isEmpty() ? QVariant() : QVariant(name));
    // The spaces only line the counts up in a fixed-pitch face.
    const QFont font = camera.data(Qt::FontRole).value<QFont>();
    QCOMPARE(font.pointSize(), 9);
    const QFontMetrics metrics(font);
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char(' ')),
             metrics.horizontalAdvance(QLatin1Char('7')));
    QCOMPARE(metrics.horizontalAdvance(QLatin1Char(' ')),
             metrics.horizontalAdvance(QLatin1Char('1')));
}

void TestCDlgCalNVRNum::twoCalculationsGiveTheSameTree()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"2048(2M)", "512", "7"}, {"4096(4M)", "1024(1M)", "3"}, {"1024(1M)", "0", "10"}});
    QCOMPARE(ui.Calculate().dialogs, 0);
    const QList<QStringList> first = ui.TreeBlocks();
    const QString total = ui.Result();
    QCOMPARE(ui.Calculate().dialogs, 0);
    QCOMPARE(ui.Result(), total);
    QCOMPARE(Sorted(ui.TreeBlocks()), Sorted(first));
    QCOMPARE(total, QStringLiteral("3"));
}

void TestCDlgCalNVRNum::earlyEndOfTheWaitIsNotTheResult_data()
{
    QTest::addColumn<QString>("how");

    QTest::newRow("rejected as by a Cancel button") << "reject";
    QTest::newRow("accepted by something other than the worker") << "accept";
    QTest::newRow("a close request to the window") << "close";
    QTest::newRow("Return") << "Return";
    QTest::newRow("Escape") << "Escape";
}

void TestCDlgCalNVRNum::earlyEndOfTheWaitIsNotTheResult()
{
    QFETCH(QString, how);

    GatedPage page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"4096(4M)", "0", "3"}, {"1024(1M)", "0", "10"}});
    const int finishedBefore = g_finishedRuns.loadAcquire();

    int shown = 0;
    QString resultWhileWaiting = QStringLiteral("not seen");
    int totalWhileWaiting = 0;
    QObject context;
    std::function<void(QWidget*)> onWait = [&](QWidget* modal) {
        auto* chase = qobject_cast<ChaseDialog*>(modal);
        if (!chase)
            return;
        if (++shown == 1) {
            if (how == QLatin1String("reject"))
                chase->reject();
            else if (how == QLatin1String("accept"))
                chase->accept();
            else if (how == QLatin1String("close"))
                chase->close();
            else
                QTest::keyClick(chase, KeyNamed(how));
            // Whether it stayed up or came back, the page must still be waiting.
            WhenModal(&context, onWait);
            return;
        }
        resultWhileWaiting = ui.Result();
        totalWhileWaiting = CalNVRData.nvrTotal;
        g_gate.release();
    };
    WhenModal(&context, onWait);
    QTest::mouseClick(ui.Button(), Qt::LeftButton);
    // Should the page have stopped waiting, let the worker end before judging.
    if (shown < 2)
        g_gate.release();
    QTRY_COMPARE_WITH_TIMEOUT(g_finishedRuns.loadAcquire(), finishedBefore + 1, 10000);

    QCOMPARE(page.workers, 1);
    QCOMPARE(shown, 2);
    QCOMPARE(resultWhileWaiting, QString());
    QCOMPARE(totalWhileWaiting, -1);
    QCOMPARE(ui.Result(), QStringLiteral("2"));
    QCOMPARE(Sorted(ui.TreeBlocks()), Sorted(Blocks({{1, {{1, 3}, {2, 5}}}, {1, {{2, 5}}}})));
}

void TestCDlgCalNVRNum::contextMenuOnlyForRecords()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "5"}});

    ui.Click(3); // an empty row: selected, but no record
    QCOMPARE(ui.ContextMenu(3, false), QStringList());
    ui.Click(0);
    QCOMPARE(ui.ContextMenu(0, false), QStringList{QStringLiteral("delete")});
    QVERIFY(ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn));
}

void TestCDlgCalNVRNum::deletingRecordTwoOfThree()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "11"}, {"2048(2M)", "0", "22"}, {"4096(4M)", "0", "33"}});
    QLineEdit* third = ui.Count(2);

    ui.Click(1);
    QCOMPARE(ui.ContextMenu(1, true), QStringList{QStringLiteral("delete")});

    QCOMPARE(ui.Id(0), QStringLiteral("1"));
    QCOMPARE(ui.Id(1), QStringLiteral("2"));
    QCOMPARE(ui.Count(0)->text(), QStringLiteral("11"));
    QCOMPARE(ui.Count(1), third);
    QCOMPARE(ui.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn)->currentText(),
             QStringLiteral("4096(4M)"));
    QCOMPARE(ui.Id(2), Prompt);
    QVERIFY(!ui.BitRate(2, CDlgCalNVRNum::FirstBitRateColumn));
    QCOMPARE(ui.Id(3), QString());
    QVERIFY(ui.Button()->isEnabled());

    // The former third record now counts as type 2.
    QCOMPARE(ui.Calculate().dialogs, 0);
    QCOMPARE(ui.Result(), QStringLiteral("8"));
    QCOMPARE(Sorted(ui.TreeBlocks()),
             Sorted(Blocks({{6, {{2, 5}}}, {1, {{1, 5}, {2, 3}}}, {1, {{1, 6}}}})));
}

void TestCDlgCalNVRNum::hundredRecordsThenDelete()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    for (int row = 0; row < CDlgCalNVRNum::MaxRows; ++row)
        ui.Click(row);
    for (int row = 0; row < CDlgCalNVRNum::MaxRows; ++row)
        QCOMPARE(ui.Id(row), QString::number(row + 1));
    QVERIFY(ui.BitRate(99, CDlgCalNVRNum::SecondBitRateColumn));

    ui.Click(49);
    ui.Click(50, 0, Qt::ControlModifier);
    QCOMPARE(ui.ContextMenu(50, true), QStringList{QStringLiteral("delete")});
    for (int row = 0; row < 98; ++row)
        QCOMPARE(ui.Id(row), QString::number(row + 1));
    QCOMPARE(ui.Id(98), Prompt);
    QCOMPARE(ui.Id(99), QString());
    QVERIFY(!ui.BitRate(98, CDlgCalNVRNum::FirstBitRateColumn));
    ui.Click(98);
    QCOMPARE(ui.Id(98), QStringLiteral("99"));
    QCOMPARE(ui.Id(99), Prompt);
}

void TestCDlgCalNVRNum::deletingTheLastRecordUnlocksThePage()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "5"}});
    PageDriver::Type(ui.Count(0), QString());
    QVERIFY(!ui.Label("m_pNumberInfoLabel")->isHidden());

    ui.Click(0);
    ui.ContextMenu(0, true);
    QVERIFY(!ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn));
    QCOMPARE(ui.Id(0), Prompt);
    QCOMPARE(ui.Id(1), QString());
    QVERIFY(ui.Label("m_pNumberInfoLabel")->isHidden());

    ui.Click(0);
    QVERIFY(ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn));
    QCOMPARE(ui.Id(0), QStringLiteral("1"));
    QVERIFY(ui.Button()->isEnabled());
}

void TestCDlgCalNVRNum::deletingAnInvalidRecordClearsItsError()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "1024(1M)", "5"}, {"1024(1M)", "1024(1M)", "5"}});
    PageDriver::Type(ui.BitRate(1, CDlgCalNVRNum::SecondBitRateColumn)->lineEdit(),
                     QStringLiteral("99999"));
    QLabel* label = ui.Label("m_pIPCTableInfoLabel");
    QVERIFY(!label->isHidden());

    ui.Click(1);
    ui.ContextMenu(1, true);
    QVERIFY(label->isHidden());
    QVERIFY(ui.Button()->isEnabled());

    // A later error in the other column, once corrected, must not leave the old one behind.
    PageDriver::Type(ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn)->lineEdit(),
                     QStringLiteral("7"));
    QVERIFY(!label->isHidden());
    PageDriver::Type(ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn)->lineEdit(),
                     QStringLiteral("256"));
    QVERIFY(label->isHidden());
    QVERIFY(ui.Button()->isEnabled());
}

void TestCDlgCalNVRNum::deletingLeavesOnlyTheRemainingRecordsErrors()
{
    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "1024(1M)", "5"}, {"1024(1M)", "1024(1M)", "5"}});
    PageDriver::Type(ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn)->lineEdit(),
                     QStringLiteral("7"));
    PageDriver::Type(ui.BitRate(1, CDlgCalNVRNum::SecondBitRateColumn)->lineEdit(),
                     QStringLiteral("7"));
    QLabel* label = ui.Label("m_pIPCTableInfoLabel");
    QVERIFY(!label->isHidden());

    // Record 1 goes with its first-column error; the second-column error remains.
    ui.Click(0);
    ui.ContextMenu(0, true);
    QCOMPARE(ui.BitRate(0, CDlgCalNVRNum::SecondBitRateColumn)->currentText(), QStringLiteral("7"));
    QVERIFY(!label->isHidden());
    QVERIFY(!ui.Button()->isEnabled());

    PageDriver::Type(ui.BitRate(0, CDlgCalNVRNum::SecondBitRateColumn)->lineEdit(),
                     QStringLiteral("256"));
    QVERIFY(label->isHidden());
    QVERIFY(ui.Button()->isEnabled());
    ui.Click(1);
    QVERIFY2(ui.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn),
             "the add prompt takes records again");
}

void TestCDlgCalNVRNum::escapeKeepsThePage_data()
{
    QTest::addColumn<QString>("focus");

    QTest::newRow("count editor") << "count";
    QTest::newRow("bit-rate combo") << "bit rate";
    QTest::newRow("recorder combo") << "recorder";
    QTest::newRow("table") << "table";
}

void TestCDlgCalNVRNum::escapeKeepsThePage()
{
    QFETCH(QString, focus);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "5"}});
    QWidget* target = ui.Table();
    if (focus == QLatin1String("count"))
        target = ui.Count(0);
    else if (focus == QLatin1String("bit rate"))
        target = ui.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn)->lineEdit();
    else if (focus == QLatin1String("recorder"))
        target = ui.Recorder();
    QTest::keyClick(target, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(page.isVisible());
    QCOMPARE(page.result(), 0);
    QVERIFY(ui.Count(0));
}

void TestCDlgCalNVRNum::keyboardAddsAndDeletes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("records");

    QTest::newRow("Return on the prompt adds") << int(Qt::Key_Return) << 2;
    QTest::newRow("Enter on the prompt adds") << int(Qt::Key_Enter) << 2;
    QTest::newRow("Space on the prompt adds") << int(Qt::Key_Space) << 2;
    QTest::newRow("Delete removes the selected record") << int(Qt::Key_Delete) << 0;
    QTest::newRow("the menu key opens the menu at the selected row") << int(Qt::Key_Menu) << 0;
}

void TestCDlgCalNVRNum::keyboardAddsAndDeletes()
{
    QFETCH(int, key);
    QFETCH(int, records);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"2048(2M)", "0", "7"}});
    CTableView* table = ui.Table();
    table->setFocus();
    QTRY_VERIFY(table->hasFocus());
    // Down from the record onto the prompt, or stay on the record to delete it.
    table->setCurrentIndex(table->GetIndex(0, 0));
    if (records > 1)
        QTest::keyClick(table, Qt::Key_Down);

    QPoint menuAt(-1, -1);
    QObject context;
    if (key == Qt::Key_Menu) {
        QTimer::singleShot(0, &context, [&menuAt] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            menuAt = menu->pos();
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                table->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(table, &event);
        const QRect row = table->visualRect(table->GetIndex(0, 0));
        QVERIFY2(QRect(table->viewport()->mapToGlobal(row.topLeft()), row.size())
                     .adjusted(0, 0, 0, 2)
                     .contains(menuAt),
                 "opened at the selected row");
    } else {
        QTest::keyClick(table, Qt::Key(key));
    }
    QCOMPARE(ui.FirstFreeRow(), records);
    QCOMPARE(ui.Id(records), Prompt);
    if (records > 1) {
        QCOMPARE(ui.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn)->currentText(),
                 QStringLiteral("1024(1M)"));
        // Tab goes on into the record just added, its first editor, not back to the first one.
        QTest::keyClick(table, Qt::Key_Tab);
        QVERIFY(ui.Table()->GetCellWidget(1, CDlgCalNVRNum::NameColumn)->hasFocus());
    }
}

void TestCDlgCalNVRNum::screenReaderNames_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");

    QTest::newRow("ID section") << "header" << 0 << "IPC / ID";
    QTest::newRow("name section") << "header" << 1 << "IPC / Name";
    QTest::newRow("first bit-rate section under its bands")
        << "header" << 2 << "IPC / Bit Rate(Kbps) / First Bit Rate";
    QTest::newRow("number section") << "header" << 4 << "IPC / Number(tai)";
    QTest::newRow("second bit-rate cell of the record moved up by a deletion")
        << "cell" << 3 << "Second Bit Rate, record 1";
    QTest::newRow("the row a deletion emptied names nothing") << "emptied" << 3 << "";
    QTest::newRow("count of the record moved up by a deletion")
        << "editor" << 4 << "Number(tai), record 1";
    QTest::newRow("name editor of the record moved up by a deletion")
        << "editor" << 1 << "Name, record 1";
    QTest::newRow("the result with its caption") << "result" << 0 << "Need NVR Equipment (tai): 1";
    // Named by their labels, without the colon a screen reader would read out.
    QTest::newRow("retention editor") << "storage" << 0 << "Retention (days)";
    QTest::newRow("recorded share editor") << "storage" << 2 << "Recorded share (%)";
    // A choice is named by its value on this platform; its label comes as a relation.
    QTest::newRow("redundancy choice's label") << "storage label" << 5 << "Redundancy:";
}

void TestCDlgCalNVRNum::screenReaderNames()
{
    QFETCH(QString, part);
    QFETCH(int, index);
    QFETCH(QString, name);

    CDlgCalNVRNum page;
    PageDriver ui(&page);
    QVERIFY(ui.Exposed());
    ui.Enter({{"1024(1M)", "0", "5"}, {"2048(2M)", "0", "6"}});
    ui.Click(0);
    ui.ContextMenu(0, true);
    QAccessibleInterface* accessible = nullptr;
    if (part == QLatin1String("header")) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(ui.Table());
        QVERIFY(table);
        accessible = table->child(index);
    } else if (part == QLatin1String("editor")) {
        accessible = QAccessible::queryAccessibleInterface(ui.Table()->GetCellWidget(0, index));
    } else if (part == QLatin1String("cell") || part == QLatin1String("emptied")) {
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(ui.Table());
        QVERIFY(table && table->tableInterface());
        accessible = table->tableInterface()->cellAt(part == QLatin1String("cell") ? 0 : 1, index);
    } else if (part.startsWith(QLatin1String("storage"))) {
        const char* editors[] = {"m_pRetentionEdit", "m_pHoursEdit", "m_pRecordedEdit",
                                 "m_pStreamsCombo",  "m_pDiskCombo", "m_pRedundancyCombo"};
        accessible = QAccessible::queryAccessibleInterface(ui.Child<QWidget>(editors[index]));
        if (accessible && part.endsWith(QLatin1String("label"))) {
            const auto labels = accessible->relations(QAccessible::Label);
            accessible = labels.isEmpty() ? nullptr : labels.first().first;
        }
    } else {
        QCOMPARE(ui.Calculate().dialogs, 0);
        accessible =
            QAccessible::queryAccessibleInterface(ui.Child<QToolButton>("m_pResultToolButton"));
    }
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

QTEST_MAIN(TestCDlgCalNVRNum)
#include "tst_cdlgcalnvrnum.moc"
