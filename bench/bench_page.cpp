// SPDX-License-Identifier: GPL-3.0-or-later
// The "NVR Calculate" page in the real main window, with the program's style and pictures:
// from the press of the calculate button to the filled, expanded and painted result tree,
// the wait dialog and the worker thread included. The wait dialog closes as soon as the
// worker reports, so the figures hold no delay of its own.
//
// Also: a count changed in a plan of 100 records and 10,000 cameras, which the page calculates
// at once, to the painted result; the report of case (c) exported as PDF and copied; a saved
// plan of case (c) opened (calculated with the wait dialog), and one of 100 records with
// results on both pages; the first press of the "IPC
// Calculate" tab in a new window.
//
//   bench_page [Google Benchmark flags]   run on a screen (xvfb-run) or with
//                                         QT_QPA_PLATFORM=offscreen
//   bench_page --report-memory [PDF]      the peak resident memory of one PDF export of case
//                                         (c), apart from the calculation's before it; the
//                                         PDF is kept where given
//   bench_page --case-a-memory            the peak resident memory of the window from its
//                                         start to case (a) calculated and on show

#include "app/ctesselapplication.h"
#include "engine/grouping.h"
#include "engine/nvrcatalogue.h"
#include "pages/cdlgcalipcnum.h"
#include "pages/cdlgcalnvrnum.h"
#include "ui/ccorvane.h"
#include "ui/cplancontroller.h"
#include "widgets/itemviews/cgrouptreeview.h"
#include "widgets/itemviews/ctableview.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace {

struct Record
{
    int first;
    int second;
    int count;
};

struct Case
{
    QList<Record> records;
    int recorders = 0; // expected, to refuse a run that did not calculate
    int lines = 0;
};

CCorvane* Window = nullptr;

// (a) 1,000,000 cameras of 20480 kbps on NR-A8V: one line.
Case CaseA()
{
    return {{{16384, 4096, 1000000}}, 1000000, 1};
}

// (c) 999,955 cameras in 100 types that leave 1,815 distinct loads: the longest tree a
// million cameras give among the engine benchmark's cases.
Case CaseC()
{
    Case c{{}, 500005, 1815};
    for (int t = 0; t < 55; ++t)
        c.records.append({8192, 2288, 9091});
    for (int t = 0; t < 45; ++t)
        c.records.append({8192, 1808, 11110});
    return c;
}

void ProcessEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    // What the program's event loop deletes once back in it: without a loop running, editors
    // of removed records would pile up in the tables for good.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Enters the records through the page's state, as opening a plan does.
bool Fill(const QList<Record>& records)
{
    CDlgCalNVRNum* page = Window->NVRPage();
    NvrPageState nvr = page->State();
    nvr.nvrModel = QStringLiteral("NR-A8V");
    nvr.cameras.clear();
    for (const Record& r : records)
        nvr.cameras.append({QString::number(r.first), QString::number(r.second), r.count});
    page->SetState(nvr);
    ProcessEvents();
    return page->State() == nvr;
}

void Calculate(benchmark::State& state, const Case& c)
{
    if (!Fill(c.records)) {
        state.SkipWithError("could not enter the records");
        return;
    }
    CDlgCalNVRNum* page = Window->NVRPage();
    auto* button = page->findChild<QPushButton*>(QStringLiteral("m_pCalNVRNumButton"));
    auto* result = page->findChild<QToolButton*>(QStringLiteral("m_pResultToolButton"));
    auto* tree = page->findChild<CGroupTreeView*>(QStringLiteral("m_pGroupTableResult"));
    for (auto _ : state) {
        state.PauseTiming();
        result->setText(QString());
        ProcessEvents();
        state.ResumeTiming();
        button->click();
        // The tree lays itself out and paints on the next pass of the event loop.
        ProcessEvents();
    }
    // The box groups the digits; ResultTotal is the figure without them.
    if (page->ResultTotal() != QString::number(c.recorders) ||
        tree->model()->rowCount() != c.lines ||
        !tree->isExpanded(tree->model()->index(c.lines - 1, 0)))
        state.SkipWithError("the page did not show the expected result");
    state.counters["recorders"] = c.recorders;
    state.counters["lines"] = c.lines;
}

// The tree alone: the page's ResetGroup with the lines of case (c), laid out and painted.
void FillTree(benchmark::State& state)
{
    CalNVRDataRecord data;
    for (const Record& r : CaseC().records)
        data.ipcList.push_back({int(data.ipcList.size()) + 1, r.first + r.second, r.count});
    RunNVRCalculation(data);
    CDlgCalNVRNum* page = Window->NVRPage();
    auto* tree = page->findChild<CGroupTreeView*>(QStringLiteral("m_pGroupTableResult"));
    for (auto _ : state) {
        page->ResetGroup(data.usedList);
        ProcessEvents();
    }
    if (tree->model()->rowCount() != int(data.usedList.size()))
        state.SkipWithError("the tree does not hold the lines");
    state.counters["lines"] = double(data.usedList.size());
}

// 100 records of 100 cameras each at bit rates from 512 to 8,432 kbps: 10,000 cameras, which
// the page calculates on every change.
Case CaseHundredRecords()
{
    Case c;
    for (int t = 0; t < 100; ++t)
        c.records.append({512 + 80 * t, 0, 100});
    return c;
}

// A count changed (between 100 and 101 cameras) to the painted result, the calculation the
// page runs on every change included.
// The hundred records entered; the count editor of the middle one, or none (the state says why).
QLineEdit* HundredRecordsCount(benchmark::State& state)
{
    if (!Fill(CaseHundredRecords().records)) {
        state.SkipWithError("could not enter the records");
        return nullptr;
    }
    auto* table = Window->NVRPage()->findChild<CTableView*>(QStringLiteral("m_pIPCTableView"));
    auto* count = qobject_cast<QLineEdit*>(table->GetCellWidget(50, CDlgCalNVRNum::NumberColumn));
    if (!count)
        state.SkipWithError("no count editor");
    return count;
}

void CountChange(benchmark::State& state)
{
    QLineEdit* count = HundredRecordsCount(state);
    if (!count)
        return;
    CDlgCalNVRNum* page = Window->NVRPage();
    int cameras = 100;
    for (auto _ : state) {
        cameras = cameras == 100 ? 101 : 100;
        count->setText(QString::number(cameras));
        // The worker's result taken and painted.
        page->SettleResult();
        ProcessEvents();
    }
    if (page->ResultTotal().isEmpty() || page->ResultLines().empty())
        state.SkipWithError("the page did not show a result");
    state.counters["lines"] = double(page->ResultLines().size());
}

// The same change as the key's handler sees it: the GUI thread is free again once the worker
// has the inputs, whatever their size; the result comes later.
void KeyHandled(benchmark::State& state)
{
    QLineEdit* count = HundredRecordsCount(state);
    if (!count)
        return;
    CDlgCalNVRNum* page = Window->NVRPage();
    int cameras = 100;
    for (auto _ : state) {
        cameras = cameras == 100 ? 101 : 100;
        count->setText(QString::number(cameras));
        state.PauseTiming();
        page->SettleResult();
        ProcessEvents();
        state.ResumeTiming();
    }
}

// Case (c) calculated and on show, as the report and copy start from.
bool ShowCaseC()
{
    const Case c = CaseC();
    if (!Fill(c.records))
        return false;
    CDlgCalNVRNum* page = Window->NVRPage();
    page->findChild<QPushButton*>(QStringLiteral("m_pCalNVRNumButton"))->click();
    ProcessEvents();
    return page->ResultTotal() == QString::number(c.recorders);
}

void ExportPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    if (!ShowCaseC() || !dir.isValid()) {
        state.SkipWithError("no result of case (c)");
        return;
    }
    const QString path = dir.filePath(QStringLiteral("c.pdf"));
    for (auto _ : state) {
        if (!Window->PlanController()->ExportTo(path))
            state.SkipWithError("the export failed");
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}

void CopyResult(benchmark::State& state)
{
    if (!ShowCaseC()) {
        state.SkipWithError("no result of case (c)");
        return;
    }
    for (auto _ : state)
        Window->PlanController()->CopyResult();
    state.counters["chars"] = double(Window->PlanController()->ResultText().size());
}

// Whether every record row of both pages has its editors; records off the table's view get
// them after the opening, a few rows a turn.
bool AllEditorsMade()
{
    for (QWidget* page :
         {static_cast<QWidget*>(Window->NVRPage()), static_cast<QWidget*>(Window->IPCPage())}) {
        const auto* table = page->findChild<CTableView*>(QStringLiteral("m_pIPCTableView"));
        for (int row = 0; !table->GetCellText(row, 0).isEmpty(); ++row) {
            if (table->GetCellText(row, 0).at(0).isDigit() && !table->GetCellWidget(row, 1))
                return false;
        }
    }
    return true;
}

// Saves what the window holds, then opens it again and again: the pages emptied by `empty`
// outside the timing, the opening to its results painted inside. The counter `all_editors_ms`
// goes on until every record has its editors.
void OpenSavedPlan(benchmark::State& state, const std::function<void()>& empty)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.corvane"));
    if (!dir.isValid() || !Window->PlanController()->SaveTo(path)) {
        state.SkipWithError("could not save the plan");
        return;
    }
    QElapsedTimer clock;
    double allEditors = 0;
    for (auto _ : state) {
        state.PauseTiming();
        empty();
        ProcessEvents();
        state.ResumeTiming();
        clock.start();
        if (!Window->PlanController()->OpenFile(path))
            state.SkipWithError("could not open the plan");
        Window->NVRPage()->SettleResult();
        ProcessEvents();
        state.PauseTiming();
        while (!AllEditorsMade())
            ProcessEvents();
        allEditors += double(clock.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
    }
    state.counters["all_editors_ms"] = allEditors / double(state.iterations());
}

// A plan of case (c) opened: read, entered and calculated with the wait dialog, painted.
void OpenPlan(benchmark::State& state)
{
    if (!Fill(CaseC().records)) {
        state.SkipWithError("could not enter the records");
        return;
    }
    OpenSavedPlan(state, [] { Fill({}); });
    if (Window->NVRPage()->ResultTotal() != QString::number(CaseC().recorders))
        state.SkipWithError("the opened plan shows no result");
}

// A plan with results on both pages opened, to both results painted: the 100 records of
// 10,000 cameras on "NVR Calculate" (calculated by the worker) and one record of every
// built-in recorder model on "IPC Calculate".
void OpenHundredRecordPlan(benchmark::State& state)
{
    CDlgCalIPCNum* ipcPage = Window->IPCPage();
    IpcPageState ipc = CDlgCalIPCNum::InitialState();
    ipc.ipcFirstBitRate = QStringLiteral("4096");
    ipc.ipcSecondBitRate = QStringLiteral("1024");
    for (const CalNVRInfo& model : NVRTypeList)
        ipc.recorders.append({model.name, 0, 3});
    ipcPage->SetState(ipc);
    if (!Fill(CaseHundredRecords().records) || ipcPage->State() != ipc) {
        state.SkipWithError("could not enter the records");
        return;
    }
    OpenSavedPlan(state, [ipcPage] {
        Fill({});
        ipcPage->SetState(CDlgCalIPCNum::InitialState());
    });
    CDlgCalNVRNum* nvrPage = Window->NVRPage();
    if (nvrPage->ResultTotal().isEmpty() || ipcPage->ResultTotal().isEmpty())
        state.SkipWithError("the opened plan shows no result");
    state.counters["records"] = double(nvrPage->State().cameras.size() + ipc.recorders.size());
}

// The first press of the "IPC Calculate" tab in a new window, to the painted page: the page is
// built then, where it was built with the window before.
void IpcTabFirstPressed(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        // Every window fills the catalogue; the program builds one per process.
        NVRTypeList.clear();
        auto window = std::make_unique<CCorvane>();
        window->show();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300)
            ProcessEvents();
        auto* tab = window->findChild<QPushButton*>(QStringLiteral("m_pBtnCalIPCNum"));
        state.ResumeTiming();
        tab->click();
        ProcessEvents();
        state.PauseTiming();
        if (!window->IPCPage() || !window->IPCPage()->isVisible())
            state.SkipWithError("the page is not on show");
        window.reset();
        ProcessEvents();
        state.ResumeTiming();
    }
}

long StatusKilobytes(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::strlen(field)));
    }
    return -1;
}

// The peak of one PDF export: the high-water mark is reset (Linux: 5 to clear_refs) after the
// calculation, whose own peak is the engine's.
int ReportMemory(const char* keep)
{
    QTemporaryDir dir;
    if (!ShowCaseC() || !dir.isValid())
        return 1;
    const QString path =
        keep ? QString::fromLocal8Bit(keep) : dir.filePath(QStringLiteral("c.pdf"));
    const long before = StatusKilobytes("VmRSS:");
    std::ofstream("/proc/self/clear_refs") << "5";
    QElapsedTimer timer;
    timer.start();
    const bool written = Window->PlanController()->ExportTo(path);
    const qint64 ms = timer.elapsed();
    std::printf("PDF of case (c): %s in %lld ms; resident before %ld kB, peak during %ld kB\n",
                written ? "written" : "FAILED", ms, before, StatusKilobytes("VmHWM:"));
    return written ? 0 : 1;
}

// The window's peak from its start to case (a) calculated and painted, and what it keeps after.
int ReportCaseAMemory()
{
    const Case a = CaseA();
    if (!Fill(a.records))
        return 1;
    CDlgCalNVRNum* page = Window->NVRPage();
    page->findChild<QPushButton*>(QStringLiteral("m_pCalNVRNumButton"))->click();
    ProcessEvents();
    const bool shown = page->ResultTotal() == QString::number(a.recorders);
    std::printf("case (a): %s; resident now %ld kB, peak since start %ld kB\n",
                shown ? "shown" : "NOT SHOWN", StatusKilobytes("VmRSS:"),
                StatusKilobytes("VmHWM:"));
    return shown ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    CTesselApplication app(argc, argv, QStringLiteral("CorvaneBenchPage"));
    CCorvane window;
    Window = &window;
    window.show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500)
        ProcessEvents();

    if ((argc == 2 || argc == 3) && std::strcmp(argv[1], "--report-memory") == 0)
        return ReportMemory(argc == 3 ? argv[2] : nullptr);
    if (argc == 2 && std::strcmp(argv[1], "--case-a-memory") == 0)
        return ReportCaseAMemory();

    static const Case a = CaseA(), c = CaseC();
    benchmark::RegisterBenchmark("page_a_1M_cameras_one_line", Calculate, a)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("page_c_1M_cameras_1815_lines", Calculate, c)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("page_c_result_tree_only", FillTree)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("page_100_records_count_change", CountChange)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("page_100_records_key_handled", KeyHandled)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ipc_tab_first_pressed", IpcTabFirstPressed)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("report_c_pdf", ExportPdf)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("report_c_copy", CopyResult)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("plan_c_open", OpenPlan)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("plan_100_records_open", OpenHundredRecordPlan)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
