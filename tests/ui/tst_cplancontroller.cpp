// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/nvrcatalogue.h"
#include "pages/cdlgcalipcnum.h"
#include "plan/planfile.h"
#include "tests/pages/nvrpagedriver.h"
#include "ui/ccorvane.h"
#include "ui/cplancontroller.h"
#include "ui/cwindowtitle.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QWindow>

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

} // namespace

class TestCPlanController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedPlanReopensInAFreshWindow();
    void refusedPlanLeavesThePagesAlone_data();
    void refusedPlanLeavesThePagesAlone();
    void failedSaveStaysUnsaved();
    void unsavedChangesAreNeverDroppedSilently_data();
    void unsavedChangesAreNeverDroppedSilently();
    void exportAndCopyCarryTheWholeResult();
    void undoStepsBackToTheSavedPlan_data();
    void undoStepsBackToTheSavedPlan();

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
    QCOMPARE(after.BitRate(5, 1)->currentText(), QStringLiteral("2M"));
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
    QVERIFY(!nvr.BitRate(1, 1));
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

    // An input the pages themselves refuse is not written either.
    PageDriver::Type(nvr.Count(0), QString());
    Answer(m_context.get(), "pOkBtn", &shown);
    QVERIFY(!Plan()->SaveTo(m_dir.filePath(QStringLiteral("blank.corvane"))));
    QVERIFY2(shown.contains(QStringLiteral("camera record 1")), qPrintable(shown));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("blank.corvane"))));
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
    QCOMPARE(nvr.BitRate(0, 1) == nullptr, replaced);
    QCOMPARE(ReadPlanFile(path).plan.cameras.size(), saved ? 1 : 0);
    // A screen reader hears the emptied result boxes as they look.
    const QString nvrName = nvr.Child<QToolButton>("m_pResultToolButton")->accessibleName();
    QCOMPARE(nvrName == QStringLiteral("Need NVR Equipment (tai)"), replaced);
    if (replaced)
        QCOMPARE(m_window->IPCPage()->ResultView()->accessibleName(),
                 QStringLiteral("Need IPC equipment (tai)"));
    QVERIFY(m_window->isVisible());
}

void TestCPlanController::exportAndCopyCarryTheWholeResult()
{
    EnterPlan();
    PageDriver nvr(m_window->NVRPage());
    const QList<QStringList> tree = nvr.TreeBlocks();

    // Ctrl+C on the tree: a title line, a column line, then one line per result line.
    QGuiApplication::clipboard()->clear();
    nvr.Tree()->setFocus();
    QTest::keyClick(nvr.Tree(), Qt::Key_C, Qt::ControlModifier);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2 + tree.size());
    const CDlgCalNVRNum* page = m_window->NVRPage();
    const QString siteTB = StorageTerabytesText(page->ResultSiteStorage().kilobits);
    QVERIFY2(lines[0].endsWith(QStringLiteral("\t%1\tStorage (TB)\t%2\tDisks\t%3")
                                   .arg(nvr.Result(), siteTB)
                                   .arg(page->ResultSiteStorage().disks)),
             qPrintable(lines[0]));
    QCOMPARE(int(page->ResultLineStorage().size()), tree.size());
    for (int i = 0; i < tree.size(); ++i) {
        const CalStorage& each = page->ResultLineStorage()[std::size_t(i)];
        // The tree's own storage row and the copied columns say the same.
        QCOMPARE(nvr.StorageRows()[i],
                 QStringLiteral("Each NVR: %1 TB, disks: %2")
                     .arg(QLocale(QLocale::English, QLocale::UnitedStates)
                              .toString(StorageTerabytes(each.kilobits), 'f', 3))
                     .arg(each.disks));
        QStringList expected{tree[i][0].section(QLatin1Char(':'), 1),
                             StorageTerabytesText(each.kilobits), QString::number(each.disks)};
        for (int child = 2; child < tree[i].size(); ++child)
            expected << tree[i][child].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(lines[2 + i].split(QLatin1Char('\t')), expected);
    }

    // On the IPC page the same key copies its result with the inputs.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("m_pBtnCalIPCNum")),
                      Qt::LeftButton);
    QTest::keyClick(m_window->IPCPage(), Qt::Key_C, Qt::ControlModifier);
    const QString ipc = QGuiApplication::clipboard()->text();
    QVERIFY2(ipc.contains(QStringLiteral("\n2\tNR-L8Y\t3\t12\n")), qPrintable(ipc));
    QVERIFY(ipc.contains(QStringLiteral("First Bit Rate\t3M\n")));

    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    QVERIFY(Plan()->ExportTo(pdf));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(text.waitForFinished(60000) && text.exitCode() == 0, "pdftotext (poppler-utils)");
    const QString report = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(report.contains(QStringLiteral("Need NVR (tai): ") + nvr.Result()),
             qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("NR-K16Y")));
    QVERIFY(report.contains(tree[0][0]));
    QVERIFY2(report.contains(page->StorageTotalText()), qPrintable(report));
    QVERIFY(report.contains(nvr.StorageRows()[0]));
    QVERIFY(report.contains(QStringLiteral("Redundancy: One parity disk")));

    const QString csv = m_dir.filePath(QStringLiteral("report.csv"));
    QVERIFY(Plan()->ExportTo(csv));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains("\r\n6,2M,512k,7\r\n"));
    QVERIFY(bytes.contains("\r\nNeed NVR (tai)," + nvr.Result().toLatin1() + "\r\n"));
    QVERIFY(bytes.contains("\r\nStorage (TB)," + siteTB.toLatin1() + "\r\n"));
    QVERIFY(bytes.contains("\r\nRetention (days),30\r\n"));
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
}

void TestCPlanController::undoStepsBackToTheSavedPlan()
{
    QFETCH(QString, edit);
    QFETCH(int, steps);
    EnterPlan();
    QVERIFY(Plan()->SaveTo(m_dir.filePath(QStringLiteral("undo.corvane"))));
    auto state = [this] {
        return qMakePair(m_window->NVRPage()->State(), m_window->IPCPage()->State());
    };
    const auto saved = state();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    PageDriver nvr(m_window->NVRPage());
    QWidget* focus = nvr.Count(0);
    if (edit == QLatin1String("count")) {
        PageDriver::Type(nvr.Count(0), QStringLiteral("34"));
    } else if (edit == QLatin1String("bit rate and count")) {
        PageDriver::Type(nvr.BitRate(1, 1)->lineEdit(), QStringLiteral("3M"));
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
}

QTEST_MAIN(TestCPlanController)
#include "tst_cplancontroller.moc"
