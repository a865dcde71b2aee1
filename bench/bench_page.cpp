// SPDX-License-Identifier: GPL-3.0-or-later
// The "NVR Calculate" page in the real main window, with the program's style and pictures:
// from the press of the calculate button to the filled, expanded and painted result tree,
// the wait dialog and the worker thread included. The wait dialog closes as soon as the
// worker reports, so the figures hold no delay of its own.
//
//   bench_page [Google Benchmark flags]   run on a screen (xvfb-run) or with
//                                         QT_QPA_PLATFORM=offscreen

#include "app/ctesselapplication.h"
#include "engine/grouping.h"
#include "pages/cdlgcalnvrnum.h"
#include "ui/ccorvane.h"
#include "widgets/itemviews/cgrouptreeview.h"
#include "widgets/itemviews/ctableview.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <benchmark/benchmark.h>

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
    if (result->text() != QString::number(c.recorders) || tree->model()->rowCount() != c.lines ||
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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
