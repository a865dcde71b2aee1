// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cplanpages.h"

#include "engine/validation.h"
#include "pages/cdlgcalipcnum.h"
#include "pages/cdlgcalnvrnum.h"

namespace {

QString CountText(int count)
{
    return count == PlanBlankCount ? QString() : QString::number(count);
}

// Whole days as a number a spreadsheet reads, or "unlimited" when nothing is recorded.
QString DaysText(const CalDaysKept& kept)
{
    return kept.unlimited ? CPlanPages::tr("unlimited") : QString::number(kept.days);
}

} // namespace

CPlanPages::CPlanPages(CDlgCalNVRNum* nvrPage, IpcPageSource ipcPage)
    : m_pNVRPage(nvrPage), m_ipcPage(std::move(ipcPage))
{
}

IpcPageState CPlanPages::IpcState() const
{
    const CDlgCalIPCNum* page = m_ipcPage(false);
    return page ? page->State() : CDlgCalIPCNum::InitialState();
}

void CPlanPages::IpcPageBuilt(CDlgCalIPCNum* page)
{
    // Entering the models calculates the empty records.
    page->SetModels(m_models);
    if (!m_ipcCalculated)
        page->Reset();
}

CorvanePlan CPlanPages::State() const
{
    CorvanePlan plan;
    static_cast<NvrPageState&>(plan) = m_pNVRPage->State();
    static_cast<IpcPageState&>(plan) = IpcState();
    plan.models = m_models;
    plan.details = m_details;
    plan.prices = m_prices;
    return plan;
}

void CPlanPages::SetModels(const CalModelList& models, const QHash<QString, QString>& renamed)
{
    CDlgCalIPCNum* ipcPage = m_ipcPage(false);
    NvrPageState nvr = m_pNVRPage->State();
    IpcPageState ipc = IpcState();
    nvr.nvrModel = renamed.value(nvr.nvrModel, nvr.nvrModel);
    for (PlanRecorder& recorder : ipc.recorders)
        recorder.model = renamed.value(recorder.model, recorder.model);
    m_models = models;
    std::map<QString, quint64> prices;
    for (const auto& [name, price] : m_prices.recorders) {
        const QString now = renamed.value(name, name);
        CalNVRInfo model;
        if (FindModelByName(m_models, now, model))
            prices[now] = price;
    }
    m_prices.recorders = prices;
    m_pNVRPage->SetModels(m_models);
    // A page not built has no records to follow a model; it takes the models when built.
    if (ipcPage)
        ipcPage->SetModels(m_models);
    m_ipcCalculated = true;
    if (!renamed.isEmpty()) {
        m_pNVRPage->SetState(nvr);
        if (ipcPage)
            ipcPage->SetState(ipc);
    }
}

QStringList CPlanPages::ModelsInUse() const
{
    QStringList names{m_pNVRPage->State().nvrModel};
    for (const PlanRecorder& recorder : IpcState().recorders)
        names << recorder.model;
    QStringList own;
    for (const CalNVRInfo& model : m_models) {
        if (names.contains(model.name))
            own << model.name;
    }
    return own;
}

void CPlanPages::Clear()
{
    m_pNVRPage->Reset();
    if (CDlgCalIPCNum* page = m_ipcPage(false))
        page->Reset();
    m_ipcCalculated = false;
    m_details = PlanDetails();
    m_prices = PlanPrices();
}

bool CPlanPages::Apply(const CorvanePlan& plan)
{
    SetModels(plan.models);
    Clear();
    m_details = plan.details;
    m_prices = plan.prices;
    m_pNVRPage->SetState(plan.Nvr());
    CDlgCalIPCNum* ipcPage = m_ipcPage(false);
    if (!ipcPage && plan.Ipc() != CDlgCalIPCNum::InitialState())
        ipcPage = m_ipcPage(true);
    if (ipcPage)
        ipcPage->SetState(plan.Ipc());
    m_ipcCalculated = true;
    if (!plan.cameras.isEmpty())
        m_pNVRPage->EnsureResult();
    return State() == plan;
}

PlanReportData CPlanPages::ReportData() const
{
    // No output pairs the inputs with a result worked out for others.
    m_pNVRPage->EnsureResult();
    PlanReportData data;
    data.details = m_details;
    const NvrPageState nvr = m_pNVRPage->State();
    const IpcPageState ipc = IpcState();
    for (const PlanCamera& camera : nvr.cameras)
        data.nvrNamed = data.nvrNamed || !camera.name.isEmpty();
    const auto source = [](const PlanStreamEstimate& estimate) {
        return estimate ? tr("estimated: %1").arg(DescribeStream(*estimate)) : tr("typed");
    };
    bool estimated = ipc.ipcFirstEstimate || ipc.ipcSecondEstimate;
    for (int row = 0; row < nvr.cameras.size(); ++row) {
        const PlanCamera& camera = nvr.cameras[row];
        QStringList record{QString::number(row + 1), camera.firstBitRate, camera.secondBitRate,
                           CountText(camera.count)};
        // A plan without names reports exactly as before names existed.
        if (data.nvrNamed)
            record.insert(1, camera.name);
        data.nvrRecords.append(record);
        data.nvrTypeNames << camera.name;
        estimated = estimated || camera.firstEstimate || camera.secondEstimate;
    }
    if (estimated) {
        for (int row = 0; row < nvr.cameras.size(); ++row) {
            const PlanCamera& camera = nvr.cameras[row];
            data.bitRateSources.append(
                {(QString::number(row + 1) + QLatin1Char(' ') + camera.name).trimmed(),
                 source(camera.firstEstimate), source(camera.secondEstimate)});
        }
        // The IPC page's bit rates belong to the report only when that page is in it.
        if (!ipc.recorders.isEmpty())
            data.bitRateSources.append(
                {tr("IPC Calculate"), source(ipc.ipcFirstEstimate), source(ipc.ipcSecondEstimate)});
    }
    data.nvrModel = nvr.nvrModel;
    data.nvrDisabledChannels = QString::number(nvr.nvrDisabledChannels);
    data.nvrTotal = m_pNVRPage->ResultTotal();
    data.nvrStorageInputs = m_pNVRPage->StorageInputTexts();
    data.nvrStorageTotal = m_pNVRPage->StorageTotalText();
    const std::vector<CalStorage>& lineStorage = m_pNVRPage->ResultLineStorage();
    if (!data.nvrStorageTotal.isEmpty()) {
        data.nvrStorageTB = StorageTerabytesText(m_pNVRPage->ResultSiteStorage().kilobits);
        data.nvrStorageTiB = StorageTebibytesText(m_pNVRPage->ResultSiteStorage().kilobits);
        if (nvr.storage.goal == CalStorageGoal::DaysKept)
            data.nvrDaysKept = DaysText(m_pNVRPage->ResultSiteDaysKept());
        data.nvrDisks = QString::number(m_pNVRPage->ResultSiteStorage().disks);
        data.nvrLinesNotFitting = QString::number(m_pNVRPage->ResultSiteStorage().linesNotFitting);
    }
    const std::vector<CalLineLoad>& loads = m_pNVRPage->ResultLineLoads();
    const std::vector<CalNVRUsedByUI>& lines = m_pNVRPage->ResultLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        PlanReportData::NvrLine line;
        line.recorders = lines[i].nvrCount;
        for (const CalIPCInfo& camera : lines[i].ipcs)
            line.cameras.append({camera.id, camera.count});
        // The page keeps the storage of exactly the lines its tree shows.
        if (!data.nvrStorageTotal.isEmpty() && i < lineStorage.size()) {
            line.storageTB = StorageTerabytesText(lineStorage[i].kilobits);
            line.storageTiB = StorageTebibytesText(lineStorage[i].kilobits);
            if (i < m_pNVRPage->ResultLineDaysKept().size())
                line.daysKept = DaysText(m_pNVRPage->ResultLineDaysKept()[i]);
            line.disks = QString::number(lineStorage[i].disks);
            line.diskTB = QString::number(lineStorage[i].diskTB);
            line.bays = m_pNVRPage->LineBaysText(i);
        }
        if (i < loads.size()) {
            const CalLineLoad& load = loads[i];
            line.load = m_pNVRPage->LineLoadText(i);
            line.channelsUsed = load.channelsUsed;
            line.channels = load.channels;
            line.bandwidthUsed = load.bandwidthUsed;
            line.bandwidth = load.bandwidth;
            line.bandwidthPercent =
                QString::number(BandwidthUsePercent(load.bandwidthUsed, load.bandwidth), 'f', 1);
            if (load.limit == CalLineLoad::Channels)
                line.fullBy = tr("channels");
            else if (load.limit == CalLineLoad::Bandwidth)
                line.fullBy = tr("bandwidth");
        }
        data.nvrLines.append(line);
    }
    if (!data.nvrTotal.isEmpty()) {
        // The result on show is its inputs' own, so the storage inputs are those it was
        // worked out with, and its camera types are the records as they are numbered now.
        CalBillResult result;
        result.model = m_pNVRPage->ResultModel().name;
        result.lines = lines;
        // Lines without storage of their own are billed without disks.
        if (lineStorage.size() == lines.size())
            result.lineStorage = lineStorage;
        result.storage = m_pNVRPage->StorageInputs();
        CalUnitPrices prices;
        prices.recorders = m_prices.recorders;
        prices.disks = m_prices.disks;
        for (int row = 0; row < nvr.cameras.size(); ++row) {
            if (nvr.cameras[row].unitPrice)
                prices.cameras[row + 1] = *nvr.cameras[row].unitPrice;
        }
        data.bill = BillOfMaterials({result}, prices);
    }

    for (int row = 0; row < ipc.recorders.size(); ++row) {
        const PlanRecorder& recorder = ipc.recorders[row];
        data.ipcRecords.append({QString::number(row + 1), recorder.model,
                                QString::number(recorder.disabledChannels),
                                CountText(recorder.count)});
    }
    data.ipcFirstBitRate = ipc.ipcFirstBitRate;
    data.ipcSecondBitRate = ipc.ipcSecondBitRate;
    if (ipc.ipcBandwidthReservePercent != 0)
        data.ipcBandwidthReserve = QString::number(ipc.ipcBandwidthReservePercent);
    const CDlgCalIPCNum* ipcPage = m_ipcPage(false);
    data.ipcResult = ipcPage           ? ipcPage->ResultTotal()
                     : m_ipcCalculated ? QStringLiteral("0")
                                       : QString();
    // The figures every result of an own model rests on go with the report.
    QStringList used{nvr.nvrModel};
    for (const PlanRecorder& recorder : ipc.recorders)
        used << recorder.model;
    const auto known = [](int value) { return value > 0 ? QString::number(value) : tr("unknown"); };
    for (const CalNVRInfo& model : m_models) {
        if (used.contains(model.name))
            data.ownModels.append({model.name, QString::number(model.bandwidth),
                                   QString::number(model.ipChannels),
                                   QString::number(model.maxDisableChannels), known(model.bays),
                                   known(model.largestDiskTB)});
    }
    return data;
}
