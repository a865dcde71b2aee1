// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/grouping.h"
#include "engine/nvrcatalogue.h"
#include "pages/cdlgcalipcnum.h"
#include "pages/pageparts.h"
#include "plan/planfile.h"
#include "tests/pages/nvrpagedriver.h"
#include "tests/support/records.h"
#include "ui/ccorvane.h"
#include "ui/cplancontroller.h"
#include "ui/cplanreport.h"
#include "ui/cwindowtitle.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QUndoStack>
#include <QWindow>
#include <tuple>

namespace {

// Six camera types on a recorder with disabled channels, and three recorder types.
const Records SixTypes = {{"4096(4M)", "1024(1M)", "3"}, {"2048(2M)", "512", "10"},
                          {"1024(1M)", "0", "25"},       {"8192(8M)", "2048(2M)", "2"},
                          {"512", "256", "40"},          {"2M", "512k", "7"}};

// Answers the next message box with the named button and keeps what it said.
void Answer(QObject* context, const char* button, QString* text)
{
    WhenModal(context, [button, text](QWidget* modal) {
        ModalSeen seen;
        if (auto* warn = qobject_cast<CWarnDlg*>(modal)) {
            if (text)
                *text =
                    warn->findChild<QTextBrowser*>(QStringLiteral("m_pBrowserTxt"))->toPlainText();
            if (auto* target = warn->findChild<QPushButton*>(QLatin1String(button))) {
                QTest::mouseClick(target, Qt::LeftButton);
                return;
            }
        }
        QTest::keyClick(modal, Qt::Key_Return);
    });
}

// The text layer of a PDF as search and copy see it; pages end with form feeds.
QString PdfText(const QString& path)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!text.waitForFinished(60000) || text.exitCode() != 0)
        return QString();
    return QString::fromUtf8(text.readAllStandardOutput());
}

} // namespace

class TestCPlanController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedPlanReopensInAFreshWindow();
    void recordsOpenBeforeTheirEditors();
    void refusedPlanLeavesThePagesAlone_data();
    void refusedPlanLeavesThePagesAlone();
    void failedSaveStaysUnsaved();
    void unsavedChangesAreNeverDroppedSilently_data();
    void unsavedChangesAreNeverDroppedSilently();
    void exportAndCopyCarryTheWholeResult_data();
    void exportAndCopyCarryTheWholeResult();
    void undoStepsBackToTheSavedPlan_data();
    void undoStepsBackToTheSavedPlan();
    void detailsDialogRefusesWhatAPlanCannotHold_data();
    void detailsDialogRefusesWhatAPlanCannotHold();
    void billOfMaterialsEndsTheOutputs();
    void reportLineLongerThanAPageRunsOn();
    void ipcPageBuiltLateShowsWhatOneBuiltAtStartDoes_data();
    void ipcPageBuiltLateShowsWhatOneBuiltAtStartDoes();
    void menuPicturesWhenTheMenuOpens();

private:
    void NewWindow();
    void EnterPlan();
    QString Title() const { return m_window->WindowTitle()->TitleText(); }
    CPlanController* Plan() const { return m_window->PlanController(); }
    QLineEdit* IpcCount(int row) const
    {
        return qobject_cast<QLineEdit*>(IpcTable()->GetCellWidget(row, 3));
    }
    CTableView* IpcTable() const
    {
        return m_window->IPCPage()->findChild<CTableView*>(QStringLiteral("m_pIPCTableView"));
    }

    std::unique_ptr<CCorvane> m_window;
    std::unique_ptr<QObject> m_context;
    QTemporaryDir m_dir;
};

void TestCPlanController::NewWindow()
{
    m_window.reset();
    // Every window fills the catalogue; the program builds one per process.
    NVRTypeList.clear();
    m_window = std::make_unique<CCorvane>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestCPlanController::init()
{
    m_context = std::make_unique<QObject>();
    NewWindow();
}

void TestCPlanController::cleanup()
{
    m_context.reset();
    m_window.reset();
}

// Six camera types and a recorder on "NVR Calculate", calculated; two recorder types and typed
// bit rates on "IPC Calculate".
void TestCPlanController::EnterPlan()
{
    PageDriver nvr(m_window->NVRPage());
    nvr.Enter(SixTypes);
    nvr.ChooseRecorder(QStringLiteral("NR-K16Y"), 4);
    // 30 days, 24 hours, first stream, 8 TB disks as at start; one parity disk.
    auto* redundancy = nvr.Child<QComboBox>("m_pRedundancyCombo");
    redundancy->setCurrentIndex(redundancy->findData(int(CalRedundancy::SingleParity)));
    nvr.Calculate();

    CTableView* table = IpcTable();
    for (int row = 0; row < 2; ++row) {
        const QModelIndex prompt = table->GetIndex(row, 0);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(prompt).center());
    }
    auto* type = qobject_cast<QComboBox*>(table->GetCellWidget(1, 1));
    type->setCurrentIndex(type->findText(QStringLiteral("NR-L8Y")));
    qobject_cast<QComboBox*>(table->GetCellWidget(1, 2))->setCurrentIndex(3);
    PageDriver::Type(IpcCount(1), QStringLiteral("12"));
    PageDriver::SetBitRate(
        m_window->IPCPage()->findChild<QComboBox*>(QStringLiteral("m_pFirstBitRateComboBox")),
        QStringLiteral("3M"));
}

void TestCPlanController::savedPlanReopensInAFreshWindow()
{
    EnterPlan();
    PageDriver before(m_window->NVRPage());
    const QList<QStringList> tree = before.TreeBlocks();
    const QString total = before.Result();
    QCOMPARE(tree.size() > 1, true);
    const QStringList storage = before.StorageRows();
    QVERIFY(!storage.contains(QString()));
    const QString ipcResult =
        m_window->IPCPage()->findChild<QToolButton*>(QStringLiteral("m_pResultToolButton"))->text();
    QTRY_COMPARE(Title(), QStringLiteral("Untitled* - Corvane Tool"));

    const QString path = m_dir.filePath(QStringLiteral("site.corvane"));
    QVERIFY(Plan()->SaveTo(path));
    QTRY_COMPARE(Title(), QStringLiteral("site.corvane - Corvane Tool"));
    // The window system shows the title with its unsaved mark resolved, as the title bar does.
    QCOMPARE(m_window->windowHandle()->title(), Title());
    const PlanReadResult saved = ReadPlanFile(path);
    QVERIFY(saved.ok);
    QCOMPARE(saved.plan.cameras.size(), 6);
    QCOMPARE(saved.plan.recorders[1].model, QStringLiteral("NR-L8Y"));
    QCOMPARE(saved.plan.storage.redundancy, CalRedundancy::SingleParity);

    NewWindow();
    QVERIFY(Plan()->OpenFile(path));
    PageDriver after(m_window->NVRPage());
    QCOMPARE(after.Result(), total);
    QCOMPARE(after.TreeBlocks(), tree);
    QCOMPARE(after.StorageRows(), storage);
    QCOMPARE(after.Count(5)->text(), QStringLiteral("7"));
    QCOMPARE(after.BitRate(5, CDlgCalNVRNum::FirstBitRateColumn)->currentText(),
             QStringLiteral("2M"));
    QCOMPARE(after.Channels()->currentText(), QStringLiteral("4"));
    QCOMPARE(
        m_window->IPCPage()->findChild<QToolButton*>(QStringLiteral("m_pResultToolButton"))->text(),
        ipcResult);
    QVERIFY(!Plan()->IsModified());
    QCOMPARE(Title(), QStringLiteral("site.corvane - Corvane Tool"));

    // An edit marks the plan, undoing it by hand clears the mark again.
    PageDriver::Type(after.Count(0), QStringLiteral("4"));
    QTRY_COMPARE(Title(), QStringLiteral("site.corvane* - Corvane Tool"));
    PageDriver::Type(after.Count(0), QStringLiteral("3"));
    QTRY_COMPARE(Title(), QStringLiteral("site.corvane - Corvane Tool"));
}

// Only the records on show get their editors as a plan opens, the others while the program is
// idle: meanwhile the pages hold them as data, so the state, the checks and the results are the
// plan's, and making the editors changes none of them.
void TestCPlanController::recordsOpenBeforeTheirEditors()
{
    NvrPageState nvr = m_window->NVRPage()->State();
    for (int type = 1; type <= CDlgCalNVRNum::MaxRows; ++type)
        nvr.cameras.append({QString::number(4000 + 10 * type), QStringLiteral("512"), type});
    nvr.cameras.last().name = QStringLiteral("Last");
    // Its bandwidth, not its channels, decides: every bit rate counts.
    nvr.nvrModel = QStringLiteral("NR-A8V");
    m_window->NVRPage()->SetState(nvr);
    IpcPageState ipc = m_window->IPCPage()->State();
    for (const CalNVRInfo& model : NVRTypeList)
        ipc.recorders.append({model.name, model.maxDisableChannels, 2});
    m_window->IPCPage()->SetState(ipc);
    PageDriver before(m_window->NVRPage());
    // The results to compare with, from the editors.
    QTRY_VERIFY(before.Count(CDlgCalNVRNum::MaxRows - 1) && IpcCount(int(NVRTypeList.size()) - 1));
    before.Calculate();
    const QString total = before.Result();
    const QList<QStringList> tree = before.TreeBlocks();
    const QString ipcTotal = m_window->IPCPage()->ResultTotal();
    const CorvanePlan saved = Plan()->State();
    const QString path = m_dir.filePath(QStringLiteral("large.corvane"));
    QVERIFY(Plan()->SaveTo(path));

    NewWindow();
    QVERIFY(Plan()->OpenFile(path));
    PageDriver after(m_window->NVRPage());
    const int lastIpc = int(NVRTypeList.size()) - 1;
    QVERIFY(!after.Count(CDlgCalNVRNum::MaxRows - 1));
    QVERIFY(!IpcCount(lastIpc));
    QVERIFY(Plan()->State() == saved);
    QCOMPARE(after.Result(), total);
    QCOMPARE(after.TreeBlocks(), tree);
    QCOMPARE(m_window->IPCPage()->ResultTotal(), ipcTotal);
    QVERIFY(!Plan()->IsModified());

    QTRY_VERIFY(after.Count(CDlgCalNVRNum::MaxRows - 1) && IpcCount(lastIpc));
    QCOMPARE(after.Count(CDlgCalNVRNum::MaxRows - 1)->text(), QStringLiteral("100"));
    QCOMPARE(
        after.BitRate(CDlgCalNVRNum::MaxRows - 1, CDlgCalNVRNum::FirstBitRateColumn)->currentText(),
        QStringLiteral("5000"));
    QCOMPARE(qobject_cast<QComboBox*>(IpcTable()->GetCellWidget(lastIpc, 1))->currentText(),
             NVRTypeList.back().name);
    QVERIFY(Plan()->State() == saved);
    QCOMPARE(after.Result(), total);
    QVERIFY(!Plan()->IsModified());

    // Fewer records entered while some still wait: those go, and a record added after them
    // starts afresh; a waiting record's blank count is refused at once.
    QVERIFY(Plan()->OpenFile(path));
    nvr = saved;
    nvr.cameras.resize(60);
    nvr.cameras[59].count = PlanBlankCount;
    m_window->NVRPage()->SetState(nvr);
    QVERIFY(!after.Count(59));
    QVERIFY(!after.Label("m_pNumberInfoLabel")->isHidden());
    QCOMPARE(m_window->NVRPage()->State(), nvr);
    QCOMPARE(after.Id(60), Prompt);
    QTRY_VERIFY(after.Count(59));
    after.Count(59)->setText(QStringLiteral("3"));
    QVERIFY(after.Label("m_pNumberInfoLabel")->isHidden());
    after.Click(60);
    QCOMPARE(after.Count(60)->text(), QStringLiteral("5"));
    QCOMPARE(after.Id(61), Prompt);

    // A record its editors would cut short is shown at once: the state is what they show.
    QVERIFY(Plan()->OpenFile(path));
    nvr = saved;
    nvr.cameras[80].name = QString(PlanMaxNameChars + 1, QLatin1Char('n'));
    m_window->NVRPage()->SetState(nvr);
    QVERIFY(after.Count(80));
    QCOMPARE(m_window->NVRPage()->State().cameras[80].name.size(), PlanMaxNameChars);
}

void TestCPlanController::refusedPlanLeavesThePagesAlone_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("message");
    QByteArray newer = SerializePlan(CorvanePlan());
    newer.replace("\"version\": 1", "\"version\": 7");
    QTest::newRow("not JSON") << QByteArray("{{{") << false << "not valid JSON";
    QTest::newRow("newer format") << newer << false << "newer version";
    QTest::newRow("a folder") << QByteArray() << true << "not a regular file";
}

void TestCPlanController::refusedPlanLeavesThePagesAlone()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, folder);
    QFETCH(QString, message);
    PageDriver nvr(m_window->NVRPage());
    nvr.Enter({{"512", "0", "9"}});
    QTRY_VERIFY(Plan()->IsModified());
    const QString title = Title();

    const QString path = m_dir.filePath(QStringLiteral("bad.corvane"));
    if (folder) {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("bad.corvane")));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString shown;
    Answer(m_context.get(), "pOkBtn", &shown);
    QVERIFY(!Plan()->OpenFile(path));
    QVERIFY2(shown.contains(QStringLiteral("bad.corvane")) && shown.contains(message),
             qPrintable(shown));
    QCOMPARE(nvr.Count(0)->text(), QStringLiteral("9"));
    QVERIFY(!nvr.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn));
    QVERIFY(Plan()->IsModified());
    QCOMPARE(Title(), title);
    QDir(path).removeRecursively();
    QFile::remove(path);
}

void TestCPlanController::failedSaveStaysUnsaved()
{
    PageDriver nvr(m_window->NVRPage());
    nvr.Enter({{"512", "0", "9"}});
    const QString blocker = m_dir.filePath(QStringLiteral("file"));
    QVERIFY(WritePlanFile(blocker, CorvanePlan(), nullptr));
    QString shown;
    Answer(m_context.get(), "pOkBtn", &shown);
    QVERIFY(!Plan()->SaveTo(blocker + QStringLiteral("/site.corvane")));
    QVERIFY2(shown.contains(QStringLiteral("could not be saved")), qPrintable(shown));
    QVERIFY(Plan()->IsModified());
    QTRY_COMPARE(Title(), QStringLiteral("Untitled* - Corvane Tool"));

    // A draft with an input still to be put right is saved as it is, and opens again with the
    // same message; only calculating from it is refused.
    PageDriver::Type(nvr.Count(0), QString());
    PageDriver::SetBitRate(
        m_window->IPCPage()->findChild<QComboBox*>(QStringLiteral("m_pFirstBitRateComboBox")),
        QStringLiteral("4.5M"));
    const QString draft = m_dir.filePath(QStringLiteral("draft.corvane"));
    QVERIFY(Plan()->SaveTo(draft));
    QVERIFY(!Plan()->IsModified());
    NewWindow();
    QVERIFY(Plan()->OpenFile(draft));
    PageDriver reopened(m_window->NVRPage());
    QCOMPARE(reopened.Count(0)->text(), QString());
    QVERIFY(reopened.Label("m_pNumberInfoLabel")->isVisible());
    QVERIFY(m_window->IPCPage()
                ->findChild<QLabel*>(QStringLiteral("m_pFirstBitRateLabel"))
                ->text()
                .contains(QStringLiteral("whole numbers")));
    QVERIFY(!Plan()->IsModified());
    QVERIFY2(CheckPlan(ReadPlanFile(draft).plan).contains(QStringLiteral("camera record 1")),
             qPrintable(CheckPlan(ReadPlanFile(draft).plan)));
}

void TestCPlanController::unsavedChangesAreNeverDroppedSilently_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("closing");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<bool>("saved");
    QTest::newRow("New, save first") << "pOkBtn" << false << true << true;
    QTest::newRow("New, don't save") << "pDiscardBtn" << false << true << false;
    QTest::newRow("New, cancel") << "pCancelBtn" << false << false << false;
    QTest::newRow("close, cancel") << "pCancelBtn" << true << false << false;
    QTest::newRow("close, close button") << "m_pCloseBtn" << true << false << false;
}

void TestCPlanController::unsavedChangesAreNeverDroppedSilently()
{
    QFETCH(QString, button);
    QFETCH(bool, closing);
    QFETCH(bool, replaced);
    QFETCH(bool, saved);
    PageDriver nvr(m_window->NVRPage());
    const QString path = m_dir.filePath(QStringLiteral("keep.corvane"));
    QVERIFY(Plan()->SaveTo(path));
    nvr.Enter({{"512", "0", "9"}});
    // The plan's own models are the plan's: a new one starts without them.
    Plan()->ApplyModels({CalNVRInfo(0, QStringLiteral("Own-8"), 8, 0, 20480)}, {});
    QVERIFY(Plan()->IsModified());

    QString shown;
    const QByteArray name = button.toLatin1();
    Answer(m_context.get(), name.constData(), &shown);
    if (closing)
        QVERIFY(!m_window->close());
    else
        Plan()->NewPlan();
    QVERIFY2(shown.contains(QStringLiteral("\"keep.corvane\" has unsaved changes")),
             qPrintable(shown));
    QCOMPARE(nvr.BitRate(0, CDlgCalNVRNum::FirstBitRateColumn) == nullptr, replaced);
    QCOMPARE(Plan()->State().models.empty(), replaced);
    QCOMPARE(ReadPlanFile(path).plan.cameras.size(), saved ? 1 : 0);
    // A screen reader hears the emptied result boxes as they look.
    const QString nvrName = nvr.Child<QToolButton>("m_pResultToolButton")->accessibleName();
    QCOMPARE(nvrName == QStringLiteral("Need NVR Equipment (tai)"), replaced);
    if (replaced)
        QCOMPARE(m_window->IPCPage()->ResultView()->accessibleName(),
                 QStringLiteral("Need IPC equipment (tai)"));
    QVERIFY(m_window->isVisible());
}

void TestCPlanController::exportAndCopyCarryTheWholeResult_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("six camera types") << QString();
    // Thousands of recorders and terabytes.
    QTest::newRow("forty thousand cameras of one type") << QStringLiteral("40000");
}

void TestCPlanController::exportAndCopyCarryTheWholeResult()
{
    QFETCH(QString, count);
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    const QString csv = m_dir.filePath(QStringLiteral("report.csv"));
    // Nothing calculated and no recorder record: nothing to write.
    for (const QString& path : {pdf, csv}) {
        QFile::remove(path);
        QString shown;
        Answer(m_context.get(), "pOkBtn", &shown);
        QVERIFY(!Plan()->ExportTo(path));
        QVERIFY2(shown.contains(QStringLiteral("no result to export")), qPrintable(shown));
        QVERIFY(!QFile::exists(path));
    }

    EnterPlan();
    PageDriver nvr(m_window->NVRPage());
    if (!count.isEmpty()) {
        PageDriver::Type(nvr.Count(4), count);
        nvr.Calculate();
    }
    const QList<QStringList> tree = nvr.TreeBlocks();
    // Figures people read, as the interface's language writes them.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    auto readable = [&english](const QString& number) {
        return english.toString(english.toLongLong(number));
    };
    auto readableTB = [&english](quint64 kilobits, int decimals) {
        const QString exact = StorageTerabytesText(kilobits);
        return decimals == 6
                   ? english.toString(exact.section(QLatin1Char('.'), 0, 0).toULongLong()) +
                         QLatin1Char('.') + exact.section(QLatin1Char('.'), 1)
                   : english.toString(exact.toDouble(), 'f', decimals);
    };
    auto readableTiB = [&english](quint64 kilobits) {
        return english.toString(StorageTebibytesText(kilobits).toDouble(), 'f', 2);
    };

    // Ctrl+C on the tree: a title line, a column line, then one line per result line.
    QGuiApplication::clipboard()->clear();
    nvr.Tree()->setFocus();
    QTest::keyClick(nvr.Tree(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const CDlgCalNVRNum* page = m_window->NVRPage();
    const QList<QPair<QString, QString>> storageInputs = page->StorageInputTexts();
    // Then the inputs: the camera records under their titles, and the storage inputs.
    QCOMPARE(lines.size(), 2 + tree.size() + 1 + SixTypes.size() + storageInputs.size());
    const QString siteTB = StorageTerabytesText(page->ResultSiteStorage().kilobits);
    QVERIFY2(lines[0].endsWith(
                 QStringLiteral("\t%1\tStorage (TB)\t%2\tStorage (TiB)\t%3\tDisks\t%4\tResult "
                                "lines whose disks do not fit\t0")
                     .arg(readable(nvr.Result()), readableTB(page->ResultSiteStorage().kilobits, 6),
                          readableTiB(page->ResultSiteStorage().kilobits),
                          readable(QString::number(page->ResultSiteStorage().disks)))),
             qPrintable(lines[0]));
    QCOMPARE(int(page->ResultLineStorage().size()), tree.size());
    for (int i = 0; i < tree.size(); ++i) {
        const CalStorage& each = page->ResultLineStorage()[std::size_t(i)];
        // The tree's own storage row and the copied columns say the same.
        QCOMPARE(nvr.StorageRows()[i], QStringLiteral("Each NVR: %1 TB (%2 TiB), disks: %3")
                                           .arg(readableTB(each.kilobits, 3))
                                           .arg(StorageTebibytesText(each.kilobits))
                                           .arg(each.disks));
        // One recorder's load: its channels are the cameras the tree lists for it.
        const CalLineLoad& load = page->ResultLineLoads()[std::size_t(i)];
        int cameras = 0;
        QStringList pairs;
        for (int child = 2; child < tree[i].size(); ++child) {
            const QStringList camera = tree[i][child].split(QLatin1Char(' '), Qt::SkipEmptyParts);
            pairs << camera.value(0) << readable(camera.value(1));
            cameras += camera.value(1).remove(QLatin1Char(',')).toInt();
        }
        QCOMPARE(load.channelsUsed, cameras);
        QStringList expected{
            readable(tree[i][0].section(QLatin1Char(':'), 1)),
            readable(QString::number(cameras)),
            readable(QString::number(load.channels)),
            readable(QString::number(load.bandwidthUsed)),
            readable(QString::number(load.bandwidth)),
            QString::number(BandwidthUsePercent(load.bandwidthUsed, load.bandwidth), 'f', 1),
            load.limit == CalLineLoad::Channels    ? QStringLiteral("channels")
            : load.limit == CalLineLoad::Bandwidth ? QStringLiteral("bandwidth")
                                                   : QString(),
            readableTB(each.kilobits, 6),
            readableTiB(each.kilobits),
            readable(QString::number(each.disks)),
            QString::number(each.diskTB),
            QString()};
        expected << pairs;
        QCOMPARE(lines[2 + i].split(QLatin1Char('\t')), expected);
    }
    const int inputs = 2 + int(tree.size());
    QCOMPARE(lines[inputs], QStringLiteral("ID\tFirst Bit Rate\tSecond Bit Rate\tNumber(tai)"));
    QCOMPARE(lines[inputs + 6], QStringLiteral("6\t2M\t512k\t7"));
    QCOMPARE(lines[inputs + 5].section(QLatin1Char('\t'), 3), count.isEmpty() ? "40" : count);
    QCOMPARE(lines[inputs + 7],
             QStringLiteral("%1\t%2").arg(storageInputs[0].first, storageInputs[0].second));
    QVERIFY(lines.contains(QStringLiteral("Redundancy\tOne parity disk")));

    // On the IPC page the same key copies its result with the inputs.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("m_pBtnCalIPCNum")),
                      Qt::LeftButton);
    QTest::keyClick(m_window->IPCPage(), Qt::Key_C, Qt::ControlModifier);
    const QString ipc = QGuiApplication::clipboard()->text();
    QVERIFY2(ipc.contains(QStringLiteral("\n2\tNR-L8Y\t3\t12\n")), qPrintable(ipc));
    QVERIFY(ipc.contains(QStringLiteral("First Bit Rate\t3M\n")));

    QVERIFY(Plan()->ExportTo(pdf));
    const QString report = PdfText(pdf);
    QVERIFY2(!report.isEmpty(), "pdftotext (poppler-utils)");
    QVERIFY2(report.contains(QStringLiteral("Need NVR (tai): ") + readable(nvr.Result())),
             qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("NR-K16Y")));
    QVERIFY(report.contains(QStringLiteral("NVR Count(tai): ") +
                            readable(tree[0][0].section(QLatin1Char(':'), 1))));
    // Terabytes to three decimals.
    QVERIFY2(report.contains(QStringLiteral("Storage (TB): %1 (%2 TiB)")
                                 .arg(readableTB(page->ResultSiteStorage().kilobits, 3),
                                      readableTiB(page->ResultSiteStorage().kilobits))),
             qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("Storage per NVR (TB): ") +
                            readableTB(page->ResultLineStorage()[0].kilobits, 3)));
    QVERIFY(report.contains(QStringLiteral("Redundancy: One parity disk")));
    QVERIFY(report.contains(QStringLiteral("IPC Calculate")));
    // The tree's arrows are the tree's.
    QVERIFY(!report.contains(QChar(0x25BE)));
    // No page begins inside a recorder line: with its column titles, storage or a camera.
    static const QRegularExpression inside(
        QStringLiteral("^(IPC Type|Storage per NVR|[0-9][0-9,]*\\s+[0-9][0-9,]*$)"));
    int pagesWithLines = 0;
    for (const QString& sheet : report.split(QLatin1Char('\f'))) {
        const QString first = sheet.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed();
        QVERIFY2(!inside.match(first).hasMatch(), qPrintable(sheet));
        pagesWithLines += sheet.contains(QStringLiteral("NVR Count(tai): ")) ? 1 : 0;
    }
    QVERIFY2(pagesWithLines > 1, qPrintable(report));

    QVERIFY(Plan()->ExportTo(csv));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // Spreadsheets get plain numbers, exactly.
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains("\r\n6,2M,512k,7\r\n"));
    QVERIFY(bytes.contains("\r\nNeed NVR (tai)," +
                           QByteArray::number(english.toLongLong(nvr.Result())) + "\r\n"));
    QVERIFY(bytes.contains("\r\nStorage (TB)," + siteTB.toLatin1() + "\r\n"));
    QVERIFY(bytes.contains("\r\nRetention (days),30\r\n"));

    // In Chinese the text layer holds the characters themselves, never a radical that shares
    // their picture, so that the PDF can be searched.
    QTranslator chinese;
    QVERIFY(chinese.load(QStringLiteral(CORVANE_TRANSLATIONS_DIR "/corvane_zh.qm")));
    QCoreApplication::installTranslator(&chinese);
    const bool exported = Plan()->ExportTo(pdf);
    QCoreApplication::removeTranslator(&chinese);
    QVERIFY(exported);
    const QString chineseReport = PdfText(pdf);
    QVERIFY2(chineseReport.contains(QStringLiteral("工具方案报告")), qPrintable(chineseReport));
    QVERIFY(chineseReport.contains(QStringLiteral("需要 NVR (台): ")));
    QVERIFY(!chineseReport.contains(QRegularExpression(QStringLiteral("[\\x{2E80}-\\x{2FDF}]"))));

    // Without recorder records "IPC Calculate" is left out.
    CorvanePlan noRecorders;
    static_cast<NvrPageState&>(noRecorders) = m_window->NVRPage()->State();
    static_cast<IpcPageState&>(noRecorders) = m_window->IPCPage()->State();
    noRecorders.recorders.clear();
    Plan()->RestoreState(noRecorders);
    QVERIFY(Plan()->ExportTo(pdf));
    const QString nvrOnly = PdfText(pdf);
    QVERIFY2(nvrOnly.contains(QStringLiteral("NVR Calculate")) &&
                 !nvrOnly.contains(QStringLiteral("IPC Calculate")),
             qPrintable(nvrOnly));
}

void TestCPlanController::undoStepsBackToTheSavedPlan_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("steps");
    QTest::newRow("typing into a count is one step") << "count" << 1;
    QTest::newRow("a bit rate typed, then a count") << "bit rate and count" << 2;
    QTest::newRow("a record added") << "add" << 1;
    QTest::newRow("a record deleted keeps its texts") << "delete" << 1;
    QTest::newRow("the recorder model, its channels follow") << "model" << 1;
    QTest::newRow("a storage input") << "retention" << 1;
    QTest::newRow("a recorder record's count") << "recorder count" << 1;
    QTest::newRow("an own model defined, chosen, renamed in use") << "own model" << 3;
    QTest::newRow("the details and prices, then a count typed") << "details" << 2;
    QTest::newRow("a camera type's name typed") << "name" << 1;
    QTest::newRow("the bandwidth kept free typed") << "reserve" << 1;
}

void TestCPlanController::undoStepsBackToTheSavedPlan()
{
    QFETCH(QString, edit);
    QFETCH(int, steps);
    EnterPlan();
    QVERIFY(Plan()->SaveTo(m_dir.filePath(QStringLiteral("undo.corvane"))));
    // The models offered are part of the plan too.
    auto state = [this] {
        const auto* models = m_window->NVRPage()->findChild<QComboBox*>("m_pNVRCombo");
        return std::make_tuple(m_window->NVRPage()->State(), m_window->IPCPage()->State(),
                               models->count(), Plan()->State().details, Plan()->State().prices);
    };
    const auto saved = state();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    PageDriver nvr(m_window->NVRPage());
    QWidget* focus = nvr.Count(0);
    if (edit == QLatin1String("count")) {
        PageDriver::Type(nvr.Count(0), QStringLiteral("34"));
    } else if (edit == QLatin1String("bit rate and count")) {
        PageDriver::Type(nvr.BitRate(1, CDlgCalNVRNum::FirstBitRateColumn)->lineEdit(),
                         QStringLiteral("3M"));
        PageDriver::Type(nvr.Count(1), QStringLiteral("11"));
    } else if (edit == QLatin1String("add")) {
        nvr.Click(nvr.FirstFreeRow());
    } else if (edit == QLatin1String("delete")) {
        focus = nvr.Table();
        focus->setFocus();
        nvr.Table()->setCurrentIndex(nvr.Table()->GetIndex(1, 0));
        QTest::keyClick(focus, Qt::Key_Delete);
    } else if (edit == QLatin1String("model")) {
        nvr.Recorder()->setCurrentIndex(nvr.Recorder()->findText(QStringLiteral("NR-A8V")));
        focus = nvr.Recorder();
    } else if (edit == QLatin1String("own model")) {
        const CalNVRInfo own(0, QStringLiteral("Own-8"), 8, 0, 20480);
        Plan()->ApplyModels({own}, {});
        nvr.Recorder()->setCurrentIndex(nvr.Recorder()->findText(own.name));
        CalNVRInfo renamed = own;
        renamed.name = QStringLiteral("Own-8b");
        Plan()->ApplyModels({renamed}, {{own.name, renamed.name}});
        QCOMPARE(nvr.Recorder()->currentText(), renamed.name);
        focus = nvr.Recorder();
    } else if (edit == QLatin1String("details")) {
        PlanDetails details;
        details.customer = QStringLiteral("Acme");
        PlanPrices prices;
        prices.disks[8] = 21000;
        Plan()->ApplyDetails(details, prices, {PlanUnitPrice(8990)});
        QCOMPARE(m_window->NVRPage()->State().cameras[0].unitPrice, PlanUnitPrice(8990));
        PageDriver::Type(nvr.Count(0), QStringLiteral("34"));
    } else if (edit == QLatin1String("name")) {
        focus = nvr.Table()->GetCellWidget(0, CDlgCalNVRNum::NameColumn);
        PageDriver::Type(qobject_cast<QLineEdit*>(focus), QStringLiteral("Dock 4K"));
    } else if (edit == QLatin1String("reserve")) {
        focus = nvr.Child<QLineEdit>("m_pBandwidthReserveEdit");
        PageDriver::Type(qobject_cast<QLineEdit*>(focus), QStringLiteral("25"));
    } else if (edit == QLatin1String("retention")) {
        focus = nvr.Child<QLineEdit>("m_pRetentionEdit");
        PageDriver::Type(qobject_cast<QLineEdit*>(focus), QStringLiteral("90"));
    } else {
        focus = IpcCount(1);
        PageDriver::Type(IpcCount(1), QStringLiteral("7"));
    }
    const auto edited = state();
    QVERIFY(edited != saved);
    QCOMPARE(Title(), QStringLiteral("undo.corvane* - Corvane Tool"));

    // The keys reach the plan even from a field with an undo of its own.
    focus->setFocus();
    for (int step = 0; step < steps; ++step)
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(state() == saved);
    QVERIFY(Plan()->UndoStack()->isClean());
    QCOMPARE(Title(), QStringLiteral("undo.corvane - Corvane Tool"));

    for (int step = 0; step < steps; ++step)
        QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(state() == edited);
    QCOMPARE(Title(), QStringLiteral("undo.corvane* - Corvane Tool"));
    QTest::keyClick(focus, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(state() == edited);

    // The other keys of the plan reach it from the same field too (Ctrl+E is "end of line" to a
    // field on some platforms).
    QAction* exportAction = nullptr;
    for (QAction* action : Plan()->Actions()) {
        if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_E)))
            exportAction = action;
    }
    QVERIFY(exportAction);
    QSignalSpy exported(exportAction, &QAction::triggered);
    WhenModal(m_context.get(), [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    QTest::keyClick(focus, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(exported.count(), 1);
}

void TestCPlanController::detailsDialogRefusesWhatAPlanCannotHold_data()
{
    QTest::addColumn<QString>("field"); // its object name, or its accessible name
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("customer of 201 characters")
        << "m_pCustomerEdit" << QString(201, QLatin1Char('c'))
        << "It holds 201 characters; at most 200 are allowed";
    QTest::newRow("site with a zero-width space")
        << "m_pSiteEdit" << QStringLiteral("North\u200bDock") << "control character";
    QTest::newRow("notes of 4001 characters")
        << "m_pNotesEdit" << QString(4001, QLatin1Char('n')) << "It holds 4001 characters";
    QTest::newRow("a price ending in its point")
        << "Unit price of 8 TB disk" << QStringLiteral("12.") << "with at most two decimals";
}

void TestCPlanController::detailsDialogRefusesWhatAPlanCannotHold()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    bool refused = false;
    bool focused = false;
    QString said;
    WhenModal(m_context.get(), [&](QWidget* modal) {
        QWidget* edit = modal->findChild<QWidget*>(field);
        for (QLineEdit* price : modal->findChildren<QLineEdit*>()) {
            if (price->accessibleName() == field)
                edit = price;
        }
        if (auto* line = qobject_cast<QLineEdit*>(edit))
            line->setText(text);
        else if (auto* notes = qobject_cast<QPlainTextEdit*>(edit))
            notes->setPlainText(text);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("pOkBtn")), Qt::LeftButton);
        refused = modal->isVisible();
        // The tab that holds the field is shown, the field has the focus, the reason is under
        // it.
        focused = edit && edit->isVisible() && modal->focusWidget() == edit;
        if (auto* label = modal->findChild<QLabel*>(edit ? edit->objectName() + "Message" : ""))
            said = label->isVisible() ? PlainMessage(label) : QString();
        QTest::keyClick(modal, Qt::Key_Escape);
        if (modal->isVisible())
            static_cast<QDialog*>(modal)->reject();
    });
    Plan()->EditDetails();
    QVERIFY(refused);
    QVERIFY(focused);
    QVERIFY2(said.contains(message), qPrintable(said));
    QVERIFY(Plan()->State().details.IsEmpty());
    QVERIFY(Plan()->State().prices.IsEmpty());
    QVERIFY(!Plan()->IsModified());
}

// Two camera types of 16 cameras at 4 Mbps each fill two NR-K16Y recorders by their channels.
// In 30 days one records 65,536 kbps x 2,592,000 s x 125 = 21.23 TB: 3 disks of 8 TB and one
// parity disk each, with a hot spare 5.
void TestCPlanController::billOfMaterialsEndsTheOutputs()
{
    PageDriver nvr(m_window->NVRPage());
    nvr.Enter({{"4096(4M)", "0", "16"}, {"4096(4M)", "512", "16"}});
    PageDriver::Type(
        qobject_cast<QLineEdit*>(nvr.Table()->GetCellWidget(1, CDlgCalNVRNum::NameColumn)),
        QStringLiteral("Gate"));
    nvr.ChooseRecorder(QStringLiteral("NR-K16Y"));
    auto* redundancy = nvr.Child<QComboBox>("m_pRedundancyCombo");
    redundancy->setCurrentIndex(redundancy->findData(int(CalRedundancy::SingleParity)));
    nvr.Calculate();

    // Typed into the dialog as a user would; no price for the first camera type.
    const QHash<QString, QString> typed{{"m_pSiteEdit", "  North Dock  "},
                                        {"m_pCustomerEdit", "Acme, \"Ltd\""},
                                        {"Unit price of NR-K16Y", "1299.5"},
                                        {"Unit price of 8 TB disk", "210"},
                                        {"Unit price of camera type 2 Gate", "89.90"}};
    WhenModal(m_context.get(), [&typed](QWidget* modal) {
        for (QLineEdit* edit : modal->findChildren<QLineEdit*>()) {
            const QString key =
                typed.contains(edit->objectName()) ? edit->objectName() : edit->accessibleName();
            if (typed.contains(key))
                QTest::keyClicks(edit, typed.value(key));
        }
        modal->findChild<QPlainTextEdit*>()->setPlainText(
            QStringLiteral("Prices in EUR.\r\nNo cabling."));
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("pOkBtn")), Qt::LeftButton);
        if (modal->isVisible())
            static_cast<QDialog*>(modal)->reject();
    });
    Plan()->EditDetails();
    QCOMPARE(Plan()->State().details.site, QStringLiteral("North Dock"));
    QCOMPARE(Plan()->State().details.notes, QStringLiteral("Prices in EUR.\nNo cabling."));

    const auto csvLines = [this] {
        const QString csv = m_dir.filePath(QStringLiteral("bill.csv"));
        QFile file(csv);
        return Plan()->ExportTo(csv) && file.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"))
                   : QStringList();
    };
    QStringList lines = csvLines();
    QCOMPARE(lines.mid(4, 3), QStringList({"Site,North Dock", "Customer,\"Acme, \"\"Ltd\"\"\"",
                                           "Notes,\"Prices in EUR.\nNo cabling.\""}));
    const qsizetype bill = lines.indexOf(QStringLiteral("Bill of materials"));
    QVERIFY(bill > 0);
    // 2 x 1,299.50 + 8 x 210.00 + 16 x 89.90 = 2,599.00 + 1,680.00 + 1,438.40.
    QCOMPARE(
        lines.mid(bill + 1),
        QStringList({"Item,\"Model, size or type\",Count,Data disks,Parity or mirror "
                     "disks,Hot spares,Unit price,Total",
                     "Recorder,NR-K16Y,2,,,,1299.50,2599.00", "Disk,8 TB,8,6,2,0,210.00,1680.00",
                     "Camera,1,16,,,,,", "Camera,2 Gate,16,,,,89.90,1438.40",
                     "Total of the priced lines,,,,,,,5717.40", QString()}));

    const QString pdf = m_dir.filePath(QStringLiteral("bill.pdf"));
    QVERIFY(Plan()->ExportTo(pdf));
    const QString report = PdfText(pdf);
    QVERIFY2(report.contains(QStringLiteral("Site: North Dock")) &&
                 report.contains(QStringLiteral("Bill of materials")) &&
                 report.contains(QStringLiteral("5,717.40")) &&
                 report.contains(QStringLiteral("Lines without a unit price are not in the total")),
             qPrintable(report.right(2000)));

    // Its price goes with the camera type when the record before it goes.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    nvr.Table()->setFocus();
    nvr.Table()->setCurrentIndex(nvr.Table()->GetIndex(0, 0));
    QTest::keyClick(nvr.Table(), Qt::Key_Delete);
    lines = csvLines();
    QVERIFY2(lines.contains(QStringLiteral("Camera,1 Gate,16,,,,89.90,1438.40")),
             qPrintable(lines.mid(lines.indexOf(QStringLiteral("Bill of materials"))).join('\n')));

    // The disks of a calculated result with a hot spare, split by what they are for.
    CalNVRDataRecord data;
    data.nvrType = 18; // NR-K16Y
    data.ipcList = {Ipc(1, 4096, 32)};
    data.storageRates = {{4096, 0, 32}};
    data.storageInputs.redundancy = CalRedundancy::SingleParity;
    data.storageInputs.hotSpares = 1;
    RunNVRCalculation(data);
    PlanReportData spared;
    spared.nvrTotal = QString::number(data.nvrTotal);
    CalUnitPrices prices;
    prices.disks[8] = 21000;
    prices.recorders[QStringLiteral("NR-K16Y")] = 129950;
    prices.cameras[1] = 0;
    spared.bill = BillOfMaterials({BillResultOf(data)}, prices);
    const QStringList sparedLines =
        QString::fromUtf8(CPlanReport(spared, "x", {}).Csv()).split(QStringLiteral("\r\n"));
    QCOMPARE(
        sparedLines.mid(sparedLines.indexOf(QStringLiteral("Bill of materials")) + 2),
        QStringList({"Recorder,NR-K16Y,2,,,,1299.50,2599.00", "Disk,8 TB,10,6,2,2,210.00,2100.00",
                     "Camera,1,32,,,,0.00,0.00", "Total,,,,,,,4699.00", QString()}));

    // Amounts beyond what a bill holds: the counts, and why there are no amounts.
    CalBillResult million;
    million.model = QStringLiteral("NR-K16Y");
    million.lines = {{62500, {Ipc(1, 4096, 16)}}};
    CalUnitPrices dear;
    dear.recorders[million.model] = CalMaxUnitPrice;
    dear.cameras[1] = CalMaxUnitPrice;
    spared.bill = BillOfMaterials({million}, dear);
    const QStringList dearLines =
        QString::fromUtf8(CPlanReport(spared, "x", {}).Csv()).split(QStringLiteral("\r\n"));
    QCOMPARE(dearLines.mid(dearLines.indexOf(QStringLiteral("Bill of materials")) + 2),
             QStringList({"Recorder,NR-K16Y,62500,,,,,", "Camera,1,1000000,,,,,",
                          QLatin1Char('"') + BillProblemMessage(CalBillProblem::TotalRange) +
                              QLatin1Char('"'),
                          QString()}));
}

// Recorder lines are drawn as tables that never split; one taller than a page starts a page
// and runs on over the next ones, its cameras in order, and the report goes on after it.
void TestCPlanController::reportLineLongerThanAPageRunsOn()
{
    PlanReportData data;
    data.nvrModel = QStringLiteral("NR-K16Y");
    data.nvrTotal = QStringLiteral("5");
    PlanReportData::NvrLine line;
    line.recorders = 1;
    line.cameras = {{1, 7}};
    line.storageTB = QStringLiteral("5.308");
    line.storageTiB = QStringLiteral("4.83");
    line.disks = QStringLiteral("1");
    line.diskTB = QStringLiteral("8");
    data.nvrLines = {line, line, line};
    data.nvrLines[1].recorders = 3;
    data.nvrLines[1].cameras.clear();
    for (int type = 1; type <= 150; ++type)
        data.nvrLines[1].cameras.append({type, 1000 + type});
    data.nvrLines[2].recorders = 1234;
    const QString pdf = m_dir.filePath(QStringLiteral("long.pdf"));
    QString error;
    QVERIFY2(CPlanReport(data, "x", {}).WritePdf(pdf, &error), qPrintable(error));

    const QStringList sheets = PdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY2(sheets.size() >= 4, qPrintable(sheets.join("\n----\n")));
    QVERIFY(sheets[0].contains(QStringLiteral("NVR Count(tai): 1\n")));
    QVERIFY(sheets[0].contains(QStringLiteral("Storage per NVR (TB): 5.308 (4.83 TiB)")));
    QCOMPARE(sheets[1].trimmed().section(QLatin1Char('\n'), 0, 0).trimmed(),
             QStringLiteral("NVR Count(tai): 3"));
    static const QRegularExpression camera(QStringLiteral("^\\s*(\\d+)\\s+(1,\\d{3})\\s*$"),
                                           QRegularExpression::MultilineOption);
    QStringList rows;
    for (const QString& sheet : sheets.mid(1)) {
        for (auto it = camera.globalMatch(sheet); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            rows << match.captured(1) + QLatin1Char(' ') + match.captured(2);
        }
    }
    QCOMPARE(rows.size(), 150);
    QCOMPARE(rows.first(), QStringLiteral("1 1,001"));
    QCOMPARE(rows.last(), QStringLiteral("150 1,150"));
    QVERIFY(sheets.last().contains(QStringLiteral("NVR Count(tai): 1,234")));
}

void TestCPlanController::ipcPageBuiltLateShowsWhatOneBuiltAtStartDoes_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("built"); // whether the steps build the page themselves
    QTest::addColumn<bool>("ownModel");

    QTest::newRow("nothing done") << QStringList() << false << false;
    QTest::newRow("own models") << QStringList{"models"} << false << true;
    QTest::newRow("own models, then New") << QStringList{"models", "new"} << false << false;
    QTest::newRow("own models undone") << QStringList{"models", "undo"} << false << false;
    QTest::newRow("a plan without recorder records opened") << QStringList{"open"} << false << true;
    QTest::newRow("a plan with recorder records opened")
        << QStringList{"open recorders"} << true << true;
}

void TestCPlanController::ipcPageBuiltLateShowsWhatOneBuiltAtStartDoes()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, built);
    QFETCH(bool, ownModel);

    const CalNVRInfo own(0, QStringLiteral("Own-8"), 8, 0, 20480);
    CorvanePlan plan = Plan()->State();
    plan.models = {own};
    const QString withoutRecorders = m_dir.filePath(QStringLiteral("without.corvane"));
    QVERIFY(WritePlanFile(withoutRecorders, plan, nullptr));
    plan.recorders = {{own.name, 0, 3}};
    const QString withRecorders = m_dir.filePath(QStringLiteral("with.corvane"));
    QVERIFY(WritePlanFile(withRecorders, plan, nullptr));

    // The same steps in a window whose "IPC Calculate" was built at start and in one whose
    // page was never shown.
    CDlgCalIPCNum* early = m_window->IPCPage();
    // As a page built with the window: a new page's state, and nothing calculated.
    QVERIFY(early->State() == CDlgCalIPCNum::InitialState());
    QVERIFY(early->ResultTotal().isEmpty());
    NVRTypeList.clear();
    CCorvane late;
    late.show();
    QVERIFY(QTest::qWaitForWindowExposed(&late));
    QCOMPARE(late.StackedWidget()->count(), 1);
    for (CCorvane* window : {m_window.get(), &late}) {
        CPlanController* controller = window->PlanController();
        for (const QString& step : steps) {
            if (step == QLatin1String("models")) {
                controller->ApplyModels({own}, {});
            } else if (step == QLatin1String("new")) {
                Answer(m_context.get(), "pDiscardBtn", nullptr);
                controller->NewPlan();
            } else if (step == QLatin1String("undo")) {
                controller->UndoStack()->undo();
            } else {
                QVERIFY(controller->OpenFile(step == QLatin1String("open") ? withoutRecorders
                                                                           : withRecorders));
            }
        }
    }
    QCOMPARE(late.StackedWidget()->count(), built ? 2 : 1);

    // Building it changes nothing that is saved, compared or undone.
    const CorvanePlan before = late.PlanController()->State();
    const bool modified = late.PlanController()->IsModified();
    const int undoSteps = late.PlanController()->UndoStack()->count();
    const int undoIndex = late.PlanController()->UndoStack()->index();
    CDlgCalIPCNum* page = late.IPCPage();
    QCOMPARE(late.StackedWidget()->count(), 2);
    QVERIFY(late.PlanController()->State() == before);
    QCOMPARE(late.PlanController()->IsModified(), modified);
    QCOMPARE(late.PlanController()->UndoStack()->count(), undoSteps);
    QCOMPARE(late.PlanController()->UndoStack()->index(), undoIndex);
    // It shows what the early one shows, to the eye and to a screen reader.
    QVERIFY(page->State() == early->State());
    QCOMPARE(page->ResultTotal(), early->ResultTotal());
    QCOMPARE(page->ResultView()->accessibleName(), early->ResultView()->accessibleName());

    // It offers the plan's own models as the early one does, in a record added to each, and
    // its changes are undone as the early one's are.
    const int row = int(page->State().recorders.size());
    QStringList offered[2];
    int i = 0;
    for (CCorvane* window : {m_window.get(), &late}) {
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("m_pBtnCalIPCNum")),
                          Qt::LeftButton);
        auto* table = window->IPCPage()->findChild<CTableView*>(QStringLiteral("m_pIPCTableView"));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->GetIndex(row, 0)).center());
        auto* type = qobject_cast<QComboBox*>(table->GetCellWidget(row, 1));
        QVERIFY(type);
        for (int item = 0; item < type->count(); ++item)
            offered[i] << type->itemText(item);
        ++i;
    }
    QCOMPARE(offered[1], offered[0]);
    QCOMPARE(offered[1].contains(own.name), ownModel);
    QVERIFY(page->State() == early->State());
    QCOMPARE(page->ResultTotal(), early->ResultTotal());
    QCOMPARE(late.PlanController()->UndoStack()->index(), undoIndex + 1);
    late.PlanController()->UndoStack()->undo();
    QVERIFY(late.PlanController()->State() == before);
}

void TestCPlanController::menuPicturesWhenTheMenuOpens()
{
    auto* menu = m_window->findChild<QMenu*>(QStringLiteral("m_pPlanMenu"));
    QVERIFY(menu);
    QAction* open = Plan()->Actions().at(1);
    QCOMPARE(open->text(), CPlanController::tr("Open Plan..."));
    // Looked up when the menu first opens, not at start-up.
    QVERIFY(open->icon().isNull());
    QTimer::singleShot(0, menu, [menu] { menu->close(); });
    menu->popup(m_window->mapToGlobal(QPoint(10, 10)));
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(!open->icon().isNull());
    // Actions without a standard picture stay without one.
    QVERIFY(Plan()->Actions().at(4)->icon().isNull());
}

QTEST_MAIN(TestCPlanController)
#include "tst_cplancontroller.moc"
