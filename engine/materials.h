// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALS_H
#define MATERIALS_H

// The bill of materials of calculated results: how many recorders of each model, disks of each
// size and cameras of each type are to be bought, and what they cost when unit prices are given.
//
// Prices are whole numbers in the smallest unit of whatever currency the planner counts in
// (cents, fen, yen...), never fractions: every sum is then exact, and the program needs to know
// neither the currency nor how many decimals it has; the page that reads "12.50" as 1250 does.
// A unit price is 0 to CalMaxUnitPrice. Every line total and the grand total are checked against
// CalMaxBillAmount, which a signed 64-bit integer holds and 18 digits print; beyond it the bill
// is flagged and carries no amounts, never wrapped ones.

#include "engine/calrecords.h"
#include "engine/storage.h"

#include <QString>
#include <QtGlobal>
#include <map>
#include <vector>

constexpr quint64 CalMaxUnitPrice = 999999999999ULL;        // 10^12 - 1
constexpr quint64 CalMaxBillAmount = 999999999999999999ULL; // 10^18 - 1

// One calculated result as the bill reads it.
struct CalBillResult
{
    QString model;                       // the recorders' model name
    std::vector<CalNVRUsedByUI> lines;   // nvrCount recorders, each carrying ipcs (id = type)
    std::vector<CalStorage> lineStorage; // one recorder of each line; empty: no disks counted
    CalStorageInputs storage;            // its redundancy and hot spares split the disks
};
// The result of a finished calculation: its model's name (data.model when it has a bandwidth,
// else the built-in model data.nvrType), lines, line storage and storage inputs.
CalBillResult BillResultOf(const CalNVRDataRecord& data);

// Unit prices in the smallest currency unit; an item without one is counted but not priced.
struct CalUnitPrices
{
    std::map<QString, quint64> recorders; // by model name
    std::map<int, quint64> disks;         // by size in TB
    std::map<int, quint64> cameras;       // by camera type number
};

enum class CalBillItem
{
    Recorder,
    Disk,
    Camera,
};

struct CalBillLine
{
    CalBillItem item = CalBillItem::Recorder;
    QString model; // recorders only
    int key = 0;   // disks: the size in TB; cameras: the type number
    quint64 count = 0;
    // Disks only: what they are for; together they are the count.
    quint64 dataDisks = 0;
    quint64 redundancyDisks = 0; // mirror copies and parity disks
    quint64 spareDisks = 0;
    bool priced = false;
    quint64 unitPrice = 0;
    quint64 total = 0; // count x unit price
};

enum class CalBillProblem
{
    None,
    Result,     // a negative count, or line storage for other lines than the result's
    Storage,    // a line's storage was not worked out, or its disks do not form its set
    PriceRange, // a unit price above CalMaxUnitPrice: counts only
    TotalRange, // a total above CalMaxBillAmount: counts only
};

struct CalBill
{
    CalBillProblem problem = CalBillProblem::None;
    std::vector<CalBillLine> recorders; // by model name
    std::vector<CalBillLine> disks;     // by ascending size
    std::vector<CalBillLine> cameras;   // by ascending type number
    bool allPriced = false;             // every line has a unit price (and there is a line)
    quint64 grandTotal = 0;             // the priced lines' totals
};

// Sums `results`: recorders by model (the recorder counts of its lines); disks by size, each
// line's one recorder's disks times its recorder count, split with SplitDisks by its
// redundancy and hot spares; cameras by type (a line's count of the type times its recorder
// count), the type being the camera's record number, so results summed together must number
// their types alike. Items counting 0 are left out. With a Result or Storage problem the bill is
// empty; with a price or total problem it has its counts and no amounts.
CalBill BillOfMaterials(const std::vector<CalBillResult>& results,
                        const CalUnitPrices& prices = {});

// What the user is told about a bill's problem, in the user's language; empty without one and
// for CalBillProblem::Result, which no user's input causes.
QString BillProblemMessage(CalBillProblem problem);

#endif
