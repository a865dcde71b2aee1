// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/materials.h"

#include "engine/nvrcatalogue.h"
#include "engine/validation.h"

namespace {

bool MulChecked(quint64 a, quint64 b, quint64* result)
{
    return !__builtin_mul_overflow(a, b, result);
}

bool AddChecked(quint64 a, quint64 b, quint64* result)
{
    return !__builtin_add_overflow(a, b, result);
}

struct DiskCounts
{
    quint64 data = 0;
    quint64 redundancy = 0;
    quint64 spares = 0;
};

template <typename Key> bool PricesInRange(const std::map<Key, quint64>& prices)
{
    for (const auto& entry : prices) {
        if (entry.second > CalMaxUnitPrice)
            return false;
    }
    return true;
}

template <typename Key> const quint64* PriceOf(const std::map<Key, quint64>& prices, const Key& key)
{
    const auto it = prices.find(key);
    return it == prices.end() ? nullptr : &it->second;
}

// Gives the line its amount; false when it, or the sum so far, would pass CalMaxBillAmount.
bool Price(CalBillLine& line, const quint64* unitPrice, CalBill& bill)
{
    if (!unitPrice) {
        bill.allPriced = false;
        return true;
    }
    line.priced = true;
    line.unitPrice = *unitPrice;
    return MulChecked(line.count, line.unitPrice, &line.total) && line.total <= CalMaxBillAmount &&
           AddChecked(bill.grandTotal, line.total, &bill.grandTotal) &&
           bill.grandTotal <= CalMaxBillAmount;
}

void Unprice(CalBill& bill)
{
    for (auto* lines : {&bill.recorders, &bill.disks, &bill.cameras}) {
        for (CalBillLine& line : *lines) {
            line.priced = false;
            line.unitPrice = 0;
            line.total = 0;
        }
    }
    bill.allPriced = false;
    bill.grandTotal = 0;
}

CalBill Refused(CalBillProblem problem)
{
    CalBill bill;
    bill.problem = problem;
    return bill;
}

} // namespace

CalBillResult BillResultOf(const CalNVRDataRecord& data)
{
    CalBillResult result;
    if (data.model.bandwidth > 0) {
        result.model = data.model.name;
    } else {
        CalNVRInfo model;
        FindNVRTypeById(data.nvrType, model, -1);
        result.model = model.name;
    }
    result.lines = data.usedList;
    result.lineStorage = data.lineStorage;
    result.storage = data.storageInputs;
    return result;
}

CalBill BillOfMaterials(const std::vector<CalBillResult>& results, const CalUnitPrices& prices)
{
    std::map<QString, quint64> recorders;
    std::map<int, DiskCounts> disks;
    std::map<int, quint64> cameras;
    for (const CalBillResult& result : results) {
        if (!result.lineStorage.empty() && result.lineStorage.size() != result.lines.size())
            return Refused(CalBillProblem::Result);
        for (std::size_t i = 0; i < result.lines.size(); ++i) {
            const CalNVRUsedByUI& line = result.lines[i];
            if (line.nvrCount < 0)
                return Refused(CalBillProblem::Result);
            const quint64 nvrs = quint64(line.nvrCount);
            if (nvrs > 0 && !AddChecked(recorders[result.model], nvrs, &recorders[result.model]))
                return Refused(CalBillProblem::Result);
            for (const CalIPCInfo& ipc : line.ipcs) {
                quint64 count = 0;
                if (ipc.count < 0 || !MulChecked(quint64(ipc.count), nvrs, &count) ||
                    (count > 0 && !AddChecked(cameras[ipc.id], count, &cameras[ipc.id])))
                    return Refused(CalBillProblem::Result);
            }
            if (result.lineStorage.empty())
                continue;
            const CalStorage& storage = result.lineStorage[i];
            const CalDiskSplit split =
                SplitDisks(storage.disks, result.storage.redundancy, result.storage.hotSpares);
            // The engine never leaves a mirrored set's disk unpaired; such disks have no purpose
            // to be listed under.
            if (!storage.ok || !split.ok || split.unused != 0)
                return Refused(CalBillProblem::Storage);
            if (storage.disks == 0 || nvrs == 0)
                continue;
            DiskCounts one;
            DiskCounts& sum = disks[storage.diskTB];
            if (!MulChecked(split.data, nvrs, &one.data) ||
                !MulChecked(split.redundancy, nvrs, &one.redundancy) ||
                !MulChecked(split.spares, nvrs, &one.spares) ||
                !AddChecked(sum.data, one.data, &sum.data) ||
                !AddChecked(sum.redundancy, one.redundancy, &sum.redundancy) ||
                !AddChecked(sum.spares, one.spares, &sum.spares))
                return Refused(CalBillProblem::Result);
        }
    }

    CalBill bill;
    bill.allPriced = true;
    bool amountsFit = true;
    for (const auto& [model, count] : recorders) {
        CalBillLine line;
        line.item = CalBillItem::Recorder;
        line.model = model;
        line.count = count;
        amountsFit = Price(line, PriceOf(prices.recorders, model), bill) && amountsFit;
        bill.recorders.push_back(line);
    }
    for (const auto& [diskTB, counts] : disks) {
        CalBillLine line;
        line.item = CalBillItem::Disk;
        line.key = diskTB;
        line.dataDisks = counts.data;
        line.redundancyDisks = counts.redundancy;
        line.spareDisks = counts.spares;
        if (!AddChecked(counts.data, counts.redundancy, &line.count) ||
            !AddChecked(line.count, counts.spares, &line.count))
            return Refused(CalBillProblem::Result);
        amountsFit = Price(line, PriceOf(prices.disks, diskTB), bill) && amountsFit;
        bill.disks.push_back(line);
    }
    for (const auto& [type, count] : cameras) {
        CalBillLine line;
        line.item = CalBillItem::Camera;
        line.key = type;
        line.count = count;
        amountsFit = Price(line, PriceOf(prices.cameras, type), bill) && amountsFit;
        bill.cameras.push_back(line);
    }
    if (bill.recorders.empty() && bill.disks.empty() && bill.cameras.empty())
        bill.allPriced = false;

    if (!PricesInRange(prices.recorders) || !PricesInRange(prices.disks) ||
        !PricesInRange(prices.cameras)) {
        Unprice(bill);
        bill.problem = CalBillProblem::PriceRange;
    } else if (!amountsFit) {
        Unprice(bill);
        bill.problem = CalBillProblem::TotalRange;
    }
    return bill;
}

QString BillProblemMessage(CalBillProblem problem)
{
    switch (problem) {
    case CalBillProblem::None:
    case CalBillProblem::Result:
        break;
    case CalBillProblem::Storage:
        return CalMessage(CalMessages::BillStorage);
    case CalBillProblem::PriceRange:
        return CalMessage(CalMessages::BillPriceRange).arg(CalMaxUnitPrice);
    case CalBillProblem::TotalRange:
        return CalMessage(CalMessages::BillTotalRange).arg(CalMaxBillAmount);
    }
    return QString();
}
