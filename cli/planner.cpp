// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/planner.h"

#include "cli/cameravalue.h"
#include "engine/bitrate.h"
#include "engine/bitrateestimate.h"
#include "engine/calnvrthread.h"
#include "engine/calrecords.h"
#include "engine/grouping.h"
#include "engine/nvrcatalogue.h"
#include "engine/storage.h"
#include "engine/validation.h"
#include "plan/catalogue.h"
#include "plan/planfile.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <algorithm>
#include <set>

namespace {

PlanResult Refuse(const QString& error)
{
    PlanResult result;
    result.exitCode = 2;
    result.error = error;
    return result;
}

PlanResult Succeed(const QString& output)
{
    PlanResult result;
    result.output = output;
    return result;
}

QString Quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The layout the planner has always written: one line, keys in a fixed order, a space after
// each colon and comma. QJsonDocument sorts keys and packs everything together, so it
// encodes the names and scalars while this walks the containers in that order.
const QStringList JsonKeyOrder{QStringLiteral("id"),
                               QStringLiteral("name"),
                               QStringLiteral("ipChannels"),
                               QStringLiteral("maxDisableChannels"),
                               QStringLiteral("bandwidth"),
                               QStringLiteral("model"),
                               QStringLiteral("disabledChannels"),
                               QStringLiteral("recorders"),
                               QStringLiteral("cameras"),
                               QStringLiteral("lines"),
                               QStringLiteral("type"),
                               QStringLiteral("count"),
                               QStringLiteral("channelsUsed"),
                               QStringLiteral("channels"),
                               QStringLiteral("bandwidthUsedKbps"),
                               QStringLiteral("bandwidthKbps"),
                               QStringLiteral("bandwidthUsePercent"),
                               QStringLiteral("limit"),
                               QStringLiteral("storage"),
                               QStringLiteral("retentionDays"),
                               QStringLiteral("hoursPerDay"),
                               QStringLiteral("recordedPercent"),
                               QStringLiteral("streams"),
                               QStringLiteral("diskTB"),
                               QStringLiteral("redundancy"),
                               QStringLiteral("terabytes"),
                               QStringLiteral("tebibytes"),
                               QStringLiteral("bytes"),
                               QStringLiteral("disks"),
                               QStringLiteral("disksPerNvr"),
                               QStringLiteral("bays"),
                               QStringLiteral("fitsBays"),
                               QStringLiteral("largestDiskTB"),
                               QStringLiteral("builtIn"),
                               QStringLiteral("linesNotFitting"),
                               QStringLiteral("daysKept"),
                               QStringLiteral("storageReservePercent"),
                               QStringLiteral("hotSpares"),
                               QStringLiteral("bandwidthReservePercent"),
                               QStringLiteral("bitRateSources"),
                               QStringLiteral("first"),
                               QStringLiteral("second"),
                               QStringLiteral("kbps"),
                               QStringLiteral("low"),
                               QStringLiteral("high"),
                               QStringLiteral("width"),
                               QStringLiteral("height"),
                               QStringLiteral("fps"),
                               QStringLiteral("codec"),
                               QStringLiteral("quality"),
                               QStringLiteral("scene"),
                               QStringLiteral("nightPercent"),
                               QStringLiteral("withinRecorderRange")};

QString JsonText(const QJsonValue& value)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        QStringList keys = object.keys();
        std::stable_sort(keys.begin(), keys.end(), [](const QString& a, const QString& b) {
            // Keys outside the list keep their sorted order after the listed ones.
            return std::size_t(JsonKeyOrder.indexOf(a)) < std::size_t(JsonKeyOrder.indexOf(b));
        });
        QStringList members;
        for (const QString& key : keys)
            members << JsonText(key) + QStringLiteral(": ") + JsonText(object.value(key));
        return QLatin1Char('{') + members.join(QLatin1String(", ")) + QLatin1Char('}');
    }
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue item : value.toArray())
            items << JsonText(item);
        return QLatin1Char('[') + items.join(QLatin1String(", ")) + QLatin1Char(']');
    }
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(wrapped.mid(1, wrapped.size() - 2));
}

// Plain decimal digits only: a channel number or a storage input, never a sign or a unit.
bool ReadPlainNumber(const QString& text, int& number)
{
    if (text.isEmpty() || text.size() > 6)
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    number = text.toInt();
    return true;
}

// A name as the built-in models or `own` spell it, or in another case where that names one
// model only.
bool FindModel(const CalModelList& own, const QString& given, CalNVRInfo& model)
{
    const QString name = given.trimmed();
    if (FindModelByName(own, name, model))
        return true;
    QString found;
    for (const CalModelList* list : {static_cast<const CalModelList*>(&NVRTypeList), &own}) {
        for (const CalNVRInfo& row : *list) {
            if (row.name.compare(name, Qt::CaseInsensitive) == 0) {
                if (!found.isEmpty())
                    return false;
                found = row.name;
            }
        }
    }
    return !found.isEmpty() && FindModelByName(own, found, model);
}

// The page's message, and the names that would have been taken.
QString ModelRefusal(const QString& what, const CalModelList& own)
{
    QStringList names;
    for (const CalModelList* list : {static_cast<const CalModelList*>(&NVRTypeList), &own}) {
        for (const CalNVRInfo& row : *list)
            names << row.name;
    }
    return QStringLiteral("%1: %2 (models: %3)")
        .arg(what, QLatin1String(CalMessages::NVRTypeInvalid), names.join(QLatin1String(", ")));
}

QString ChannelRefusal(const QString& what, const CalNVRInfo& model)
{
    return QStringLiteral("%1: %2 (%3 allows 0 to %4)")
        .arg(what, QLatin1String(CalMessages::ChannelInvalid), model.name)
        .arg(model.maxDisableChannels);
}

// Empty text when the count is good.
QString CountProblem(const QString& text)
{
    if (text.isEmpty())
        return QLatin1String(CalMessages::NumberBlank);
    if (!IsValidCountText(text))
        return QStringLiteral("The number is not valid (0, 1 to 999999 without leading zeros, "
                              "or 1000000)");
    return QString();
}

QString Plural(qint64 n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// The storage options, in the order their values are checked.
const QStringList StorageOptions{
    QStringLiteral("retention-days"),   QStringLiteral("hours-per-day"),
    QStringLiteral("recorded-percent"), QStringLiteral("streams"),
    QStringLiteral("disk-tb"),          QStringLiteral("redundancy"),
    QStringLiteral("storage-reserve"),  QStringLiteral("hot-spares"),
    QStringLiteral("disks-per-nvr")};

const QStringList& StreamNames = CalStreamNames();
const QStringList& RedundancyNames = CalRedundancyNames();
// --disk-tb's choice of the smallest size that fits each line's recorder.
const QString SmallestDisk = QStringLiteral("smallest");

QString DiskSizeText(int diskTB)
{
    return diskTB == CalDiskSmallestFits ? SmallestDisk : QString::number(diskTB);
}

QJsonValue Optional(int value)
{
    return value > 0 ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonValue FitJson(CalBayFit fit)
{
    if (fit == CalBayFit::Unknown)
        return QJsonValue(QJsonValue::Null);
    return fit == CalBayFit::Fits;
}

QString LimitName(CalLineLoad::Limit limit)
{
    switch (limit) {
    case CalLineLoad::Channels:
        return QStringLiteral("channels");
    case CalLineLoad::Bandwidth:
        return QStringLiteral("bandwidth");
    case CalLineLoad::NotFull:
        break;
    }
    return QString();
}

// --bandwidth-reserve: the share of each recorder's bandwidth kept free, 0 when not given.
bool ReadBandwidthReserve(const PlanArgs& args, int& reserve, QString& problem)
{
    const QString option = QStringLiteral("bandwidth-reserve");
    reserve = 0;
    if (!args.has(option))
        return true;
    const QString text = args.value(option).trimmed();
    if (!ReadPlainNumber(text, reserve) || !IsValidBandwidthReserve(reserve)) {
        problem = QStringLiteral("--bandwidth-reserve ") + Quoted(args.value(option)) +
                  QStringLiteral(": not valid (%1 to %2 %)")
                      .arg(CalMinBandwidthReserve)
                      .arg(CalMaxBandwidthReserve);
        return false;
    }
    return true;
}

bool WantsStorage(const PlanArgs& args)
{
    if (args.has(QStringLiteral("storage")))
        return true;
    return std::any_of(StorageOptions.begin(), StorageOptions.end(),
                       [&](const QString& option) { return args.has(option); });
}

// Empty text when every storage option given is usable; the defaults stand for the others.
QString ReadStorageInputs(const PlanArgs& args, CalStorageInputs& inputs)
{
    const auto what = [&](const QString& option) {
        return QStringLiteral("--") + option + QLatin1Char(' ') + Quoted(args.value(option)) +
               QStringLiteral(": ");
    };
    struct Ranged
    {
        QString option;
        int* value;
        int min;
        int max;
        const char* unit;
    };
    const Ranged ranged[] = {
        {StorageOptions[0], &inputs.retentionDays, CalMinRetentionDays, CalMaxRetentionDays,
         "days"},
        {StorageOptions[1], &inputs.hoursPerDay, CalMinHoursPerDay, CalMaxHoursPerDay, "hours"},
        {StorageOptions[2], &inputs.recordedPercent, CalMinRecordedPercent, CalMaxRecordedPercent,
         "%"},
        {StorageOptions[6], &inputs.storageReservePercent, 0, CalMaxStorageReserve, "%"},
        {StorageOptions[7], &inputs.hotSpares, 0, CalMaxHotSpares, "disks"},
    };
    for (const Ranged& input : ranged) {
        if (!args.has(input.option))
            continue;
        int number = 0;
        if (!ReadPlainNumber(args.value(input.option).trimmed(), number) || number < input.min ||
            number > input.max)
            return what(input.option) + QStringLiteral("not valid (%1 to %2 %3)")
                                            .arg(input.min)
                                            .arg(input.max)
                                            .arg(QLatin1String(input.unit));
        *input.value = number;
    }
    if (args.has(StorageOptions[3])) {
        const qsizetype index = StreamNames.indexOf(args.value(StorageOptions[3]).trimmed());
        if (index < 0)
            return what(StorageOptions[3]) + QStringLiteral("expected first or both");
        inputs.streams = index == 0 ? CalStreams::FirstOnly : CalStreams::Both;
    }
    if (args.has(StorageOptions[4])) {
        const std::vector<int> sizes = CalDiskSizesTB();
        const QString given = args.value(StorageOptions[4]).trimmed();
        int number = 0;
        if (given == SmallestDisk) {
            number = CalDiskSmallestFits;
        } else if (!ReadPlainNumber(given, number) ||
                   std::find(sizes.begin(), sizes.end(), number) == sizes.end()) {
            QStringList offered;
            for (const int size : sizes)
                offered << QString::number(size);
            return what(StorageOptions[4]) +
                   QStringLiteral("not a disk size offered (%1 TB, or smallest)")
                       .arg(offered.join(", "));
        }
        inputs.diskTB = number;
    }
    if (args.has(StorageOptions[5])) {
        const qsizetype index = RedundancyNames.indexOf(args.value(StorageOptions[5]).trimmed());
        if (index < 0)
            return what(StorageOptions[5]) +
                   QStringLiteral("expected none, mirror, parity1 or parity2");
        const CalRedundancy kinds[] = {CalRedundancy::None, CalRedundancy::Mirrored,
                                       CalRedundancy::SingleParity, CalRedundancy::DoubleParity};
        inputs.redundancy = kinds[index];
    }
    return QString();
}

// TB with six decimals (whole megabytes), from the exact amount: a double would lose the
// fraction of the largest totals.
QJsonObject StorageJson(const CalStorage& storage)
{
    return QJsonObject{
        {QStringLiteral("terabytes"), StorageTerabytesText(storage.kilobits).toDouble()},
        {QStringLiteral("tebibytes"), StorageTebibytesText(storage.kilobits).toDouble()},
        {QStringLiteral("bytes"), StorageBytesText(storage.kilobits)},
        {QStringLiteral("disks"), qint64(storage.disks)}};
}

} // namespace

bool ApplyPlanFile(PlanArgs& args, QString& error)
{
    const QString plan = QStringLiteral("plan");
    if (!args.has(plan))
        return true;
    const bool recorders = args.command == QLatin1String("recorders");
    // The storage inputs are the page's too; --storage only asks for the storage output.
    const QStringList inputs =
        recorders ? QStringList{QStringLiteral("model"), QStringLiteral("disable"),
                                QStringLiteral("camera"), QStringLiteral("bandwidth-reserve")} +
                        StorageOptions
                  : QStringList{QStringLiteral("first"), QStringLiteral("second"),
                                QStringLiteral("recorder"), QStringLiteral("bandwidth-reserve")};
    for (const QString& input : inputs) {
        if (args.has(input)) {
            error = QStringLiteral("--plan cannot be combined with --%1").arg(input);
            return false;
        }
    }
    const QString path = args.value(plan);
    const PlanReadResult read = ReadPlanFile(path);
    args.models = read.plan.models;
    const QString what = QStringLiteral("--plan ") + Quoted(path) + QStringLiteral(": ");
    if (!read.ok) {
        error = what + read.error;
        return false;
    }
    // A draft opens in the window with its messages; here nothing can be calculated from it.
    const QString invalid = CheckPlan(read.plan);
    if (!invalid.isEmpty()) {
        error = what + invalid;
        return false;
    }
    if (recorders) {
        if (read.plan.cameras.isEmpty()) {
            error = what + QStringLiteral("the plan holds no camera records");
            return false;
        }
        args.values[QStringLiteral("model")] = QStringList{read.plan.nvrModel};
        args.values[QStringLiteral("disable")] =
            QStringList{QString::number(read.plan.nvrDisabledChannels)};
        QStringList cameras;
        // In kbps: the plan's texts are checked already, and a remark may hold commas.
        for (const PlanCamera& camera : read.plan.cameras)
            cameras << (camera.name.isEmpty() ? QString() : camera.name + QLatin1Char('=')) +
                           QStringLiteral("%1,%2,%3")
                               .arg(ParseBitRate(camera.firstBitRate))
                               .arg(ParseBitRate(camera.secondBitRate))
                               .arg(camera.count);
        args.values[QStringLiteral("camera")] = cameras;
        // The settings the plan's bit rates were estimated from go with the result.
        const auto source = [](const PlanStreamEstimate& estimate) {
            return estimate ? QStringLiteral("estimated: ") + DescribeStream(*estimate)
                            : QStringLiteral("typed");
        };
        bool estimated = false;
        for (const PlanCamera& camera : read.plan.cameras)
            estimated = estimated || camera.firstEstimate || camera.secondEstimate;
        for (const PlanCamera& camera : read.plan.cameras) {
            if (estimated)
                args.bitRateSources
                    << QStringList{source(camera.firstEstimate), source(camera.secondEstimate)};
        }
        if (args.has(QStringLiteral("storage"))) {
            // As option values, so they take the options' own way through the checks.
            const CalStorageInputs& storage = read.plan.storage;
            const QString values[] = {
                QString::number(storage.retentionDays),
                QString::number(storage.hoursPerDay),
                QString::number(storage.recordedPercent),
                StreamNames.value(storage.streams == CalStreams::Both ? 1 : 0),
                DiskSizeText(storage.diskTB),
                RedundancyNames.value(int(storage.redundancy)),
                QString::number(storage.storageReservePercent),
                QString::number(storage.hotSpares)};
            for (int i = 0; i < int(std::size(values)); ++i)
                args.values[StorageOptions[i]] = QStringList{values[i]};
            // Asking for the days kept, the plan's retention is not read (nor checked).
            if (storage.goal == CalStorageGoal::DaysKept) {
                args.values.remove(StorageOptions[0]);
                args.values[QStringLiteral("disks-per-nvr")] =
                    QStringList{QString::number(storage.disksPerRecorder)};
            }
        }
        if (read.plan.nvrBandwidthReservePercent != 0)
            args.values[QStringLiteral("bandwidth-reserve")] =
                QStringList{QString::number(read.plan.nvrBandwidthReservePercent)};
    } else {
        // No recorder records take no cameras, as on the page.
        args.values[QStringLiteral("first")] = QStringList{read.plan.ipcFirstBitRate};
        args.values[QStringLiteral("second")] = QStringList{read.plan.ipcSecondBitRate};
        QStringList given;
        for (const PlanRecorder& recorder : read.plan.recorders)
            given << QStringLiteral("%1:%2=%3")
                         .arg(recorder.model)
                         .arg(recorder.disabledChannels)
                         .arg(recorder.count);
        args.values[QStringLiteral("recorder")] = given;
        if (read.plan.ipcBandwidthReservePercent != 0)
            args.values[QStringLiteral("bandwidth-reserve")] =
                QStringList{QString::number(read.plan.ipcBandwidthReservePercent)};
    }
    return true;
}

bool ApplyCatalogue(PlanArgs& args, QString& error)
{
    const QString option = QStringLiteral("catalogue");
    if (!args.has(option))
        return true;
    const QString path = args.value(option);
    if (args.has(QStringLiteral("plan"))) {
        error = QStringLiteral("--plan cannot be combined with --catalogue: a plan brings its "
                               "own recorder models");
        return false;
    }
    const CatalogueReadResult read = ReadCatalogueFile(path);
    if (!read.ok) {
        error = QStringLiteral("--catalogue ") + Quoted(path) + QStringLiteral(": ") + read.error;
        return false;
    }
    args.models = read.models;
    return true;
}

PlanResult PlanModels(const PlanArgs& args)
{
    const bool json = args.has(QStringLiteral("json"));
    QJsonArray items;
    QString text;
    const auto unknown = [](int value) {
        return value > 0 ? QString::number(value) : QStringLiteral("-");
    };
    for (const CalModelList* list :
         {static_cast<const CalModelList*>(&NVRTypeList), &args.models}) {
        for (std::size_t i = 0; i < list->size(); ++i) {
            const CalNVRInfo& model = (*list)[i];
            const bool builtIn = list == &NVRTypeList;
            const int id = builtIn ? model.id : CalFirstOwnModelId + int(i);
            if (json) {
                items.append(
                    QJsonObject{{QStringLiteral("id"), id},
                                {QStringLiteral("name"), model.name},
                                {QStringLiteral("ipChannels"), model.ipChannels},
                                {QStringLiteral("maxDisableChannels"), model.maxDisableChannels},
                                {QStringLiteral("bandwidth"), model.bandwidth},
                                {QStringLiteral("bays"), Optional(model.bays)},
                                {QStringLiteral("largestDiskTB"), Optional(model.largestDiskTB)},
                                {QStringLiteral("builtIn"), builtIn}});
            } else {
                text += QStringLiteral("%1  %2  %3  %4  %5  %6  %7\n")
                            .arg(id, 2)
                            .arg(model.name, -8)
                            .arg(model.ipChannels, 2)
                            .arg(model.maxDisableChannels, 2)
                            .arg(model.bandwidth, 5)
                            .arg(unknown(model.bays), 3)
                            .arg(unknown(model.largestDiskTB), 3);
            }
        }
    }
    if (json)
        return Succeed(JsonText(items) + QLatin1Char('\n'));
    return Succeed(text);
}

PlanResult PlanCameras(const PlanArgs& args)
{
    if (!args.has(QStringLiteral("first")) || !args.has(QStringLiteral("second")))
        return Refuse(QStringLiteral("cameras needs --first and --second"));
    if (!args.has(QStringLiteral("recorder")))
        return Refuse(
            QStringLiteral("cameras needs at least one --recorder NAME[:DISABLED]=COUNT"));

    int bitRate = 0;
    for (const char* stream : {"first", "second"}) {
        const QString text = args.value(QLatin1String(stream));
        const int kbps = ParseBitRate(text.trimmed());
        if (!IsValidBitRate(kbps)) {
            return Refuse(QStringLiteral("--%1 %2: %3 %4")
                              .arg(QLatin1String(stream), Quoted(text),
                                   QLatin1String(CalMessages::BitRateInvalid),
                                   QLatin1String(CalMessages::BitRateRange)));
        }
        bitRate += kbps;
    }

    std::vector<CalNVRRow> rows;
    std::set<QString> names;
    for (const QString& given : args.all(QStringLiteral("recorder"))) {
        const QString what = QStringLiteral("--recorder ") + Quoted(given);
        const qsizetype equals = given.lastIndexOf(QLatin1Char('='));
        if (equals < 0)
            return Refuse(what + QStringLiteral(": expected NAME[:DISABLED]=COUNT"));
        QString name = given.left(equals);
        const QString countText = given.mid(equals + 1).trimmed();
        QString disabledText;
        const qsizetype colon = name.lastIndexOf(QLatin1Char(':'));
        if (colon >= 0) {
            disabledText = name.mid(colon + 1).trimmed();
            name.truncate(colon);
        }

        CalNVRInfo model;
        if (!FindModel(args.models, name, model))
            return Refuse(ModelRefusal(what, args.models));
        // By the catalogue's spelling, so that another case is the same model.
        if (!names.insert(model.name).second)
            return Refuse(what + QStringLiteral(": ") + QLatin1String(CalMessages::NVRTypeExists));
        int disabled = 0;
        if (colon >= 0 &&
            (!ReadPlainNumber(disabledText, disabled) || !IsValidDisabledChannels(model, disabled)))
            return Refuse(ChannelRefusal(what, model));
        const QString problem = CountProblem(countText);
        if (!problem.isEmpty())
            return Refuse(what + QStringLiteral(": ") + problem);
        rows.push_back({model.id, disabled, CountFromText(countText)});
    }

    qint64 total = 0;
    const CalNVRSelection selection = BuildNVRSelection(rows, &total);
    if (!IsTotalWithinLimit(total))
        return Refuse(QLatin1String(CalMessages::TooManyNVRs));

    int reserve = 0;
    QString reserveProblem;
    if (!ReadBandwidthReserve(args, reserve, reserveProblem))
        return Refuse(reserveProblem);
    const int cameras = !selection.empty() && bitRate > 0
                            ? CalIPCCapacity(selection, bitRate, args.models, reserve)
                            : 0;
    if (args.has(QStringLiteral("json")))
        return Succeed(JsonText(QJsonObject{{QStringLiteral("cameras"), cameras}}) +
                       QLatin1Char('\n'));
    return Succeed(QStringLiteral("cameras: %1\n").arg(cameras));
}

// The page's way: inputs into CalNVRData, one worker, results read after CalSuc().
static void RunWorker(const CalNVRInfo& model, int disabled, int reserve,
                      std::vector<CalIPCInfo> list, std::vector<CalStorageCamera> rates,
                      const CalStorageInputs& storage)
{
    CalNVRData.model = model;
    CalNVRData.bandwidthReservePercent = reserve;
    CalNVRData.disabledChannels = disabled;
    CalNVRData.ipcList = std::move(list);
    CalNVRData.storageRates = std::move(rates);
    CalNVRData.storageInputs = storage;
    CalNVRData.nvrTotal = -1;

    QEventLoop loop;
    QPointer<CalNVRThread> worker = new CalNVRThread;
    // The worker deletes itself after it has finished; once it is gone the results are
    // complete and no thread is left running at exit.
    QObject::connect(worker, &QObject::destroyed, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
}

PlanResult PlanRecorders(const PlanArgs& args)
{
    if (!args.has(QStringLiteral("model")))
        return Refuse(QStringLiteral("recorders needs --model NAME"));
    if (!args.has(QStringLiteral("camera")))
        return Refuse(QStringLiteral("recorders needs at least one --camera FIRST,SECOND,COUNT"));

    const QString name = args.value(QStringLiteral("model"));
    CalNVRInfo model;
    if (!FindModel(args.models, name, model))
        return Refuse(ModelRefusal(QStringLiteral("--model ") + Quoted(name), args.models));
    int disabled = 0;
    if (args.has(QStringLiteral("disable"))) {
        const QString text = args.value(QStringLiteral("disable"));
        if (!ReadPlainNumber(text.trimmed(), disabled) || !IsValidDisabledChannels(model, disabled))
            return Refuse(ChannelRefusal(QStringLiteral("--disable ") + Quoted(text), model));
    }

    int reserve = 0;
    QString reserveProblem;
    if (!ReadBandwidthReserve(args, reserve, reserveProblem))
        return Refuse(reserveProblem);
    int disksPerNvr = 0;
    const bool daysKept = args.has(QStringLiteral("disks-per-nvr"));
    if (daysKept &&
        (!ReadPlainNumber(args.value(QStringLiteral("disks-per-nvr")).trimmed(), disksPerNvr) ||
         disksPerNvr < CalMinDisksPerRecorder || disksPerNvr > CalMaxDisksPerRecorder))
        return Refuse(QStringLiteral("--disks-per-nvr ") +
                      Quoted(args.value(QStringLiteral("disks-per-nvr"))) +
                      QStringLiteral(": not valid (%1 to %2 disks)")
                          .arg(CalMinDisksPerRecorder)
                          .arg(CalMaxDisksPerRecorder));

    const QStringList givenCameras = args.all(QStringLiteral("camera"));
    if (givenCameras.size() > CalMaxIPCTypes)
        return Refuse(QStringLiteral("%1 camera types given; at most %2")
                          .arg(givenCameras.size())
                          .arg(CalMaxIPCTypes));

    CalStorageInputs storageInputs;
    const bool storage = WantsStorage(args);
    if (storage) {
        const QString problem = ReadStorageInputs(args, storageInputs);
        if (!problem.isEmpty())
            return Refuse(problem);
    }

    std::vector<CalIPCInfo> rows;
    // Both streams' bit rates of each type, by type number - 1: the grouping keeps only the sum.
    std::vector<CalStorageCamera> rates;
    QStringList names; // by type number - 1
    for (const QString& given : givenCameras) {
        const QString what = QStringLiteral("--camera ") + Quoted(given);
        // NAME=FIRST,SECOND,COUNT: a valid bit rate never holds "=" outside its remark's
        // parentheses, so the last such "=" ends the name, whatever the name holds.
        int depth = 0;
        qsizetype equals = -1;
        for (qsizetype i = 0; i < given.size(); ++i) {
            const QChar c = given.at(i);
            if (c == QLatin1Char('('))
                ++depth;
            else if (c == QLatin1Char(')') && depth > 0)
                --depth;
            else if (c == QLatin1Char('=') && depth == 0)
                equals = i;
        }
        const QString name = equals >= 0 ? given.left(equals).trimmed() : QString();
        if (!IsValidCameraName(name))
            return Refuse(what + QStringLiteral(": a name holds at most %1 characters and no "
                                                "control characters")
                                     .arg(PlanMaxNameChars));
        names << name;
        QStringList parts;
        QString splitProblem;
        if (!SplitCameraValue(given.mid(equals + 1), parts, splitProblem))
            return Refuse(what + QStringLiteral(": ") + splitProblem);
        CalIPCInfo row;
        row.id = int(rows.size()) + 1;
        CalStorageCamera rate;
        for (int i = 0; i < 2; ++i) {
            const int kbps = ParseBitRate(parts[i]);
            if (!IsValidBitRate(kbps))
                return Refuse(QStringLiteral("%1: %2 bit rate %3: %4")
                                  .arg(what, QLatin1String(i == 0 ? "first" : "second"),
                                       Quoted(parts[i]),
                                       QLatin1String(CalMessages::BitRateInvalidRange)));
            row.bitRate += kbps;
            (i == 0 ? rate.firstKbps : rate.secondKbps) = kbps;
        }
        const QString problem = CountProblem(parts[2]);
        if (!problem.isEmpty())
            return Refuse(what + QStringLiteral(": ") + problem);
        row.count = CountFromText(parts[2]);
        rows.push_back(row);
        rates.push_back(rate);
    }

    std::vector<int> offending;
    switch (CheckNVRRequest(rows, model.bandwidth, &offending, reserve)) {
    case CalNVRCheck::TooManyIPCs:
        return Refuse(QLatin1String(CalMessages::TooManyIPCs));
    case CalNVRCheck::BitRateOverBandwidth:
        return Refuse(QStringLiteral("%1 %2 %3 (%4: %5 kbps)")
                          .arg(QLatin1String(CalMessages::BandwidthPrefix),
                               JoinIPCTypeNumbers(offending),
                               QLatin1String(CalMessages::BandwidthSuffix), model.name)
                          .arg(model.bandwidth));
    case CalNVRCheck::Ok:
        break;
    }

    std::vector<CalIPCInfo> list = SelectIPCsToGroup(rows);
    int smallestBitRate = 0;
    for (const CalIPCInfo& info : list) {
        if (smallestBitRate == 0 || info.bitRate < smallestBitRate)
            smallestBitRate = info.bitRate;
    }
    int total = 0;
    std::vector<CalNVRUsedByUI> lines;
    std::vector<CalStorage> lineStorage;
    // Nothing to place needs no storage.
    CalStorage siteStorage = SiteStorage({}, storageInputs);
    const std::vector<CalStorageCamera> typeRates = rates;
    if (!list.empty()) {
        // The worker works out the storage with the grouping, as for the page.
        RunWorker(model, disabled, reserve, std::move(list),
                  storage ? std::move(rates) : std::vector<CalStorageCamera>(), storageInputs);
        total = CalNVRData.nvrTotal;
        lines.swap(CalNVRData.usedList);
        lineStorage.swap(CalNVRData.lineStorage);
        siteStorage = CalNVRData.siteStorage;
    }
    // Within the program's limits this always fits; never print a wrapped amount.
    if (storage && !siteStorage.ok && !daysKept)
        return Refuse(QStringLiteral("the storage is too large to compute"));

    // With the disks given, how long each line's recorders keep the video instead.
    std::vector<CalDaysKept> lineDays;
    CalDaysKept siteDays;
    if (daysKept) {
        std::vector<CalStorageLine> storageLines;
        for (const CalNVRUsedByUI& line : lines) {
            CalStorageLine one;
            one.nvrCount = line.nvrCount;
            for (const CalIPCInfo& info : line.ipcs) {
                CalStorageCamera camera = typeRates.at(std::size_t(info.id - 1));
                camera.count = info.count;
                one.cameras.push_back(camera);
            }
            lineDays.push_back(RecorderDaysKept(one.cameras, storageInputs, disksPerNvr));
            storageLines.push_back(std::move(one));
        }
        siteDays = SiteDaysKept(storageLines, storageInputs, disksPerNvr);
        if (siteDays.problem != CalDaysKeptProblem::None)
            return Refuse(QStringLiteral("--disks-per-nvr ") +
                          Quoted(args.value(QStringLiteral("disks-per-nvr"))) +
                          QStringLiteral(": ") + DaysKeptMessage(siteDays, storageInputs));
    }
    const auto daysJson = [](const CalDaysKept& kept) {
        return kept.unlimited ? QJsonValue(QJsonValue::Null) : QJsonValue(qint64(kept.days));
    };
    const auto daysText = [](const CalDaysKept& kept) {
        return kept.unlimited ? QStringLiteral("unlimited (nothing recorded)")
                              : QStringLiteral("%1 days").arg(kept.days);
    };

    QString out;
    if (args.has(QStringLiteral("json"))) {
        QJsonArray lineItems;
        for (const CalNVRUsedByUI& line : lines) {
            QJsonArray cameras;
            for (const CalIPCInfo& info : line.ipcs) {
                QJsonObject camera{{QStringLiteral("type"), info.id},
                                   {QStringLiteral("count"), info.count}};
                if (!names.value(info.id - 1).isEmpty())
                    camera.insert(QStringLiteral("name"), names.value(info.id - 1));
                cameras.append(camera);
            }
            const CalLineLoad load = LineLoad(line, model, disabled, smallestBitRate, reserve);
            QJsonObject item{{QStringLiteral("recorders"), line.nvrCount},
                             {QStringLiteral("cameras"), cameras},
                             {QStringLiteral("channelsUsed"), load.channelsUsed},
                             {QStringLiteral("channels"), load.channels},
                             {QStringLiteral("bandwidthUsedKbps"), load.bandwidthUsed},
                             {QStringLiteral("bandwidthKbps"), load.bandwidth},
                             {QStringLiteral("bandwidthUsePercent"),
                              BandwidthUsePercent(load.bandwidthUsed, load.bandwidth)},
                             {QStringLiteral("limit"), load.limit == CalLineLoad::NotFull
                                                           ? QJsonValue(QJsonValue::Null)
                                                           : QJsonValue(LimitName(load.limit))}};
            if (daysKept)
                item.insert(QStringLiteral("daysKept"),
                            daysJson(lineDays[std::size_t(lineItems.size())]));
            if (storage && !daysKept) {
                const CalStorage& one = lineStorage[std::size_t(lineItems.size())];
                QJsonObject each = StorageJson(one);
                each.insert(QStringLiteral("diskTB"), one.diskTB);
                item.insert(QStringLiteral("storage"), each);
                item.insert(QStringLiteral("disksPerNvr"), qint64(one.disks));
                item.insert(QStringLiteral("bays"), Optional(model.bays));
                item.insert(QStringLiteral("fitsBays"), FitJson(one.fit));
            }
            lineItems.append(item);
        }
        QJsonObject result{{QStringLiteral("model"), model.name},
                           {QStringLiteral("disabledChannels"), disabled},
                           {QStringLiteral("recorders"), total},
                           {QStringLiteral("lines"), lineItems}};
        if (reserve > 0)
            result.insert(QStringLiteral("bandwidthReservePercent"), reserve);
        if (!args.bitRateSources.isEmpty()) {
            QJsonArray sources;
            for (qsizetype i = 0; i < args.bitRateSources.size(); ++i)
                sources.append(QJsonObject{{QStringLiteral("type"), int(i) + 1},
                                           {QStringLiteral("first"), args.bitRateSources[i][0]},
                                           {QStringLiteral("second"), args.bitRateSources[i][1]}});
            result.insert(QStringLiteral("bitRateSources"), sources);
        }
        if (daysKept) {
            result.insert(QStringLiteral("daysKept"), daysJson(siteDays));
            result.insert(QStringLiteral("disksPerNvr"), disksPerNvr);
        } else if (storage) {
            QJsonObject site = StorageJson(siteStorage);
            site.insert(QStringLiteral("retentionDays"), storageInputs.retentionDays);
            site.insert(QStringLiteral("hoursPerDay"), storageInputs.hoursPerDay);
            site.insert(QStringLiteral("recordedPercent"), storageInputs.recordedPercent);
            site.insert(QStringLiteral("streams"),
                        StreamNames[storageInputs.streams == CalStreams::Both ? 1 : 0]);
            site.insert(QStringLiteral("diskTB"), storageInputs.diskTB == CalDiskSmallestFits
                                                      ? QJsonValue(SmallestDisk)
                                                      : QJsonValue(storageInputs.diskTB));
            site.insert(QStringLiteral("linesNotFitting"), qint64(siteStorage.linesNotFitting));
            // Only when asked for, so that results without them read as before.
            if (storageInputs.storageReservePercent > 0)
                site.insert(QStringLiteral("storageReservePercent"),
                            storageInputs.storageReservePercent);
            if (storageInputs.hotSpares > 0)
                site.insert(QStringLiteral("hotSpares"), storageInputs.hotSpares);
            site.insert(QStringLiteral("redundancy"),
                        RedundancyNames[int(storageInputs.redundancy)]);
            result.insert(QStringLiteral("storage"), site);
        }
        out = JsonText(result) + QLatin1Char('\n');
    } else {
        out = QStringLiteral("model: %1, %2\nrecorders: %3\n")
                  .arg(model.name, Plural(disabled, "disabled channel", "disabled channels"))
                  .arg(total);
        for (qsizetype i = 0; i < args.bitRateSources.size(); ++i) {
            const QString name = names.value(i);
            out += QStringLiteral("type %1%2 bit rates: first %3; second %4\n")
                       .arg(i + 1)
                       .arg(name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name),
                            args.bitRateSources[i][0], args.bitRateSources[i][1]);
        }
        if (daysKept)
            out += QStringLiteral("days kept: %1 with %2 of %3 TB per recorder (the shortest "
                                  "line)\n")
                       .arg(daysText(siteDays), Plural(disksPerNvr, "disk", "disks"))
                       .arg(storageInputs.diskTB);
        if (storage && !daysKept) {
            out += QStringLiteral("storage: %1 TB (%2 TiB, %3 bytes), %4")
                       .arg(StorageTerabytesText(siteStorage.kilobits),
                            StorageTebibytesText(siteStorage.kilobits),
                            StorageBytesText(siteStorage.kilobits),
                            Plural(qint64(siteStorage.disks), "disk", "disks"));
            out += siteStorage.diskTB > 0 ? QStringLiteral(" of %1 TB\n").arg(siteStorage.diskTB)
                                          : QStringLiteral(" (sizes per line)\n");
            if (siteStorage.linesNotFitting > 0)
                out += QStringLiteral("lines whose disks do not fit the %1: %2\n")
                           .arg(model.name)
                           .arg(siteStorage.linesNotFitting);
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const CalNVRUsedByUI& line = lines[i];
            QStringList cameras;
            for (const CalIPCInfo& info : line.ipcs) {
                const QString name = names.value(info.id - 1);
                cameras << (name.isEmpty()
                                ? QStringLiteral("type %1 x %2").arg(info.id)
                                : QStringLiteral("type %1 (%2) x %3").arg(info.id).arg(name))
                               .arg(info.count);
            }
            out += Plural(line.nvrCount, "recorder", "recorders") + QStringLiteral(": ") +
                   cameras.join(QLatin1String(", ")) + QLatin1Char('\n');
            const CalLineLoad load = LineLoad(line, model, disabled, smallestBitRate, reserve);
            out += QStringLiteral("  load: %1 of %2 channels, %3 of %4 kbps (%5 %)")
                       .arg(load.channelsUsed)
                       .arg(load.channels)
                       .arg(load.bandwidthUsed)
                       .arg(load.bandwidth)
                       .arg(BandwidthUsePercent(load.bandwidthUsed, load.bandwidth), 0, 'f', 1);
            out += load.limit == CalLineLoad::NotFull
                       ? QStringLiteral("\n")
                       : QStringLiteral(", full: %1\n").arg(LimitName(load.limit));
            if (daysKept)
                out += QStringLiteral("  keeps: %1\n").arg(daysText(lineDays[i]));
            if (storage && !daysKept) {
                const CalStorage& one = lineStorage[i];
                out +=
                    QStringLiteral("  each: %1 TB (%2 TiB), %3")
                        .arg(StorageTerabytesText(one.kilobits), StorageTebibytesText(one.kilobits),
                             Plural(qint64(one.disks), "disk", "disks"));
                // Under "smallest" the lines' sizes differ, so each says its own.
                if (storageInputs.diskTB == CalDiskSmallestFits)
                    out += QStringLiteral(" of %1 TB").arg(one.diskTB);
                if (one.fit == CalBayFit::TooManyDisks || one.fit == CalBayFit::NoSizeFits)
                    out += QStringLiteral(", needs %1 disks, the %2 holds %3")
                               .arg(one.disks)
                               .arg(model.name)
                               .arg(model.bays);
                else if (one.fit == CalBayFit::DiskTooLarge)
                    out += QStringLiteral(", the %1 takes disks of at most %2 TB")
                               .arg(model.name)
                               .arg(model.largestDiskTB);
                out += QLatin1Char('\n');
            }
        }
    }
    return Succeed(out);
}

PlanResult PlanEstimate(const PlanArgs& args)
{
    const QString resolution = QStringLiteral("resolution");
    const QString fps = QStringLiteral("fps");
    const QString codec = QStringLiteral("codec");
    const QString quality = QStringLiteral("quality");
    const QString scene = QStringLiteral("scene");
    const QString night = QStringLiteral("night-percent");
    if (!args.has(resolution) || !args.has(fps) || !args.has(codec))
        return Refuse(QStringLiteral("estimate needs --resolution, --fps and --codec"));
    const auto refuse = [&](const QString& option, CalStreamProblem problem) {
        return Refuse(QStringLiteral("--") + option + QLatin1Char(' ') +
                      Quoted(args.value(option)) + QStringLiteral(": ") +
                      StreamSettingsMessage(problem));
    };

    // Each option is read and checked before the next, so the first bad one is told; those not
    // read yet keep their defaults, which are always good.
    const auto good = [](const CalStreamSettings& settings) {
        return CheckStreamSettings(settings) == CalStreamProblem::None;
    };
    CalStreamSettings settings;
    if (!ParseResolution(args.value(resolution), &settings.width, &settings.height))
        return refuse(resolution, CalStreamProblem::ResolutionUnknown);
    if (!good(settings))
        return refuse(resolution, CalStreamProblem::ResolutionRange);
    if (!ReadPlainNumber(args.value(fps).trimmed(), settings.fps) || !good(settings))
        return refuse(fps, CalStreamProblem::FrameRateRange);
    if (!ParseCodecName(args.value(codec), &settings.codec))
        return refuse(codec, CalStreamProblem::CodecUnknown);
    if (args.has(quality) && !ParseQualityName(args.value(quality), &settings.quality))
        return refuse(quality, CalStreamProblem::QualityUnknown);
    if (args.has(scene) && !ParseSceneName(args.value(scene), &settings.scene))
        return refuse(scene, CalStreamProblem::SceneUnknown);
    if (args.has(night) &&
        (!ReadPlainNumber(args.value(night).trimmed(), settings.nightPercent) || !good(settings)))
        return refuse(night, CalStreamProblem::NightRange);

    const CalBitRateEstimate estimate = EstimateBitRate(settings);
    const bool within = RecorderFit(estimate.kbps) == CalRecorderFit::Within;
    if (args.has(QStringLiteral("json"))) {
        const QJsonObject result{
            {QStringLiteral("kbps"), estimate.kbps},
            {QStringLiteral("low"), estimate.low},
            {QStringLiteral("high"), estimate.high},
            {QStringLiteral("width"), settings.width},
            {QStringLiteral("height"), settings.height},
            {QStringLiteral("fps"), settings.fps},
            {QStringLiteral("codec"), CalCodecNames()[int(settings.codec)]},
            {QStringLiteral("quality"), CalQualityNames()[int(settings.quality)]},
            {QStringLiteral("scene"), CalSceneNames()[int(settings.scene)]},
            {QStringLiteral("nightPercent"), settings.nightPercent},
            {QStringLiteral("withinRecorderRange"), within}};
        return Succeed(JsonText(result) + QLatin1Char('\n'));
    }
    QString out = QStringLiteral("estimate: %1 kbps (%2 to %3 kbps)\nsettings: %4\n")
                      .arg(estimate.kbps)
                      .arg(estimate.low)
                      .arg(estimate.high)
                      .arg(DescribeStream(settings));
    if (!within)
        out += QStringLiteral("note: ") + RecorderFitMessage(estimate.kbps) + QLatin1Char('\n');
    return Succeed(out);
}

QString PlanHelp()
{
    return QStringLiteral(
        "Usage: corvane-plan COMMAND [OPTIONS]\n"
        "Sizes recorders and cameras with the calculations and the input checks of the\n"
        "\"IPC Calculate\" and \"NVR Calculate\" pages, and estimates a camera's bit rate.\n"
        "Options take their value as the next argument or after \"=\".\n"
        "\n"
        "  corvane-plan models [--catalogue FILE] [--json]\n"
        "      The recorder models, one a line: id, name, IP channels, channels that can\n"
        "      be disabled, bandwidth in kbps, disk bays, largest disk in TB (\"-\" where\n"
        "      unknown); the built-in ones, then those of a catalogue file (JSON as the\n"
        "      program exports it, or CSV with the header name,bandwidthKbps,channels,\n"
        "      maxDisabledChannels,bays,largestDiskTB). cameras and recorders take\n"
        "      --catalogue FILE too, so that --recorder and --model may name its models.\n"
        "      Example: corvane-plan models --json\n"
        "\n"
        "  corvane-plan cameras --first TEXT --second TEXT\n"
        "                       --recorder NAME[:DISABLED]=COUNT [--recorder ...] [--json]\n"
        "      How many cameras the listed recorders take at that first and second stream\n"
        "      bit rate. DISABLED (default 0) runs from 0 to the model's channels that can\n"
        "      be disabled; each model at most once; COUNT from 0 to 1000000, the sum too.\n"
        "      Example: corvane-plan cameras --first 2M --second 512k \\\n"
        "                   --recorder NR-C32V=3 --recorder NR-K16Y:4=2\n"
        "\n"
        "  corvane-plan cameras --plan FILE [--json]\n"
        "      The same, from the \"IPC Calculate\" page of a plan saved by the program\n"
        "      (FILE.corvane): its recorder records, both bit rates and the bandwidth kept\n"
        "      free. A plan without recorder records takes 0 cameras, as the page shows.\n"
        "\n"
        "  corvane-plan recorders --model NAME [--disable N]\n"
        "                         --camera [NAME=]FIRST,SECOND,COUNT [--camera ...] [--json]\n"
        "      How many recorders of that model the cameras need, and the result lines:\n"
        "      recorders that carry the same cameras, fewest recorders first. Camera types\n"
        "      are numbered from 1 in the order given (at most 100); a type whose bit rate\n"
        "      or count is 0 keeps its number but is not placed. At most 1000000 cameras.\n"
        "      A camera type may be named before \"=\" (at most 64 characters; the last \"=\"\n"
        "      outside a bit rate's parentheses ends the name), written beside its number.\n"
        "      Example: corvane-plan recorders --model NR-A8V \\\n"
        "                   --camera '4096(4M),0,3' --camera 1024,0,10\n"
        "\n"
        "  corvane-plan recorders --plan FILE [--json] [--storage]\n"
        "      The same, from the \"NVR Calculate\" page of a plan: its recorder model,\n"
        "      disabled channels, camera records and bandwidth kept free; with --storage\n"
        "      also the storage and disks for the plan's storage inputs (defaults for a\n"
        "      plan saved without), or the days kept when the plan gives the disks.\n"
        "\n"
        "  corvane-plan recorders ... [--storage] [--retention-days N] [--hours-per-day N]\n"
        "                         [--recorded-percent N] [--streams first|both]\n"
        "                         [--disk-tb N|smallest] [--storage-reserve P]\n"
        "                         [--hot-spares N] [--disks-per-nvr N]\n"
        "                         [--redundancy none|mirror|parity1|parity2]\n"
        "      Also the disk the recorders need to keep the video: under the recorder\n"
        "      total the site's storage (TB, TiB and exact bytes) and disks, and under each\n"
        "      result line one recorder's storage and disks. Given by --storage or by any\n"
        "      of these options; the others keep their defaults: 30 days (1 to 3650),\n"
        "      24 hours a day (1 to 24), 100 % of those hours recorded (1 to 100), the\n"
        "      first stream only, 8 TB disks (1, 2, 3, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22\n"
        "      or 24), no redundancy (mirror: every disk twice; parity1, parity2: one or\n"
        "      two disks more). 1 kbps recorded for 1 s is 125 bytes; 1 TB is 10^12 bytes.\n"
        "      --disk-tb smallest: each line takes the smallest size whose disks fit its\n"
        "      model's bays (for unknown bays, the largest size the model allows).\n"
        "      --storage-reserve P keeps P % (0 to 30) of every disk free; --hot-spares N\n"
        "      adds N (0 to 4) spare disks to each recorder. --disks-per-nvr N (1 to 255)\n"
        "      gives each recorder N disks of --disk-tb instead of a retention and writes\n"
        "      the whole days each line's recorders keep, and the site's shortest.\n"
        "\n"
        "  --bandwidth-reserve P (recorders and cameras)\n"
        "      Keeps P % (0 to 50) of each recorder's bandwidth free: a recorder takes\n"
        "      cameras up to its bandwidth x (100 - P) / 100, rounded down to whole kbps;\n"
        "      each line's load is still given in % of the whole bandwidth.\n"
        "\n"
        "With --plan the page's inputs come from the file only: the options that would\n"
        "give them as well (--first, --second, --recorder; --model, --disable, --camera\n"
        "and the storage options but --storage) are refused, and so is a plan the\n"
        "program would refuse to open.\n"
        "\n"
        "Bit rates are the texts the bit-rate boxes accept: \"1024(1M)\", \"2M\", \"512k\",\n"
        "\"0\"; valid are 0 and 32k to 16384k. Quote a value that holds \"(\" or a space\n"
        "for the shell: --camera '2M(main),512k,3'. Model names are those of\n"
        "\"corvane-plan models\", in any case. White space around a value, and around\n"
        "each field of --recorder and --camera, is ignored (not around FILE).\n"
        "Each result line of recorders also gives one recorder's load: channels used of\n"
        "channels, bandwidth used of bandwidth (kbps, %) and, for a full recorder, what\n"
        "closed it (channels, or bandwidth below the lowest bit rate placed).\n"
        "JSON output: models gives [{\"id\", \"name\", \"ipChannels\", \"maxDisableChannels\",\n"
        "\"bandwidth\", \"bays\", \"largestDiskTB\", \"builtIn\"}, ...] (null where unknown);\n"
        "cameras gives {\"cameras\": N}; recorders gives {\"model\", \"disabledChannels\",\n"
        "\"recorders\", \"lines\": [{\"recorders\", \"cameras\": [{\"type\", \"count\"}, ...],\n"
        "\"channelsUsed\", \"channels\", \"bandwidthUsedKbps\", \"bandwidthKbps\",\n"
        "\"bandwidthUsePercent\", \"limit\"}, ...]}; with storage, each line also has\n"
        "\"storage\": {\"diskTB\", \"terabytes\", \"tebibytes\", \"bytes\", \"disks\"} for one\n"
        "recorder,\n"
        "\"disksPerNvr\", \"bays\" and \"fitsBays\" (null when unknown), and the result has\n"
        "\"storage\": {\"retentionDays\", \"hoursPerDay\", \"recordedPercent\", \"streams\",\n"
        "\"diskTB\", \"redundancy\", \"terabytes\", \"tebibytes\", \"bytes\", \"disks\",\n"
        "\"linesNotFitting\"}\n"
        "for the site; \"bytes\" is a\n"
        "string of decimal digits, exact beyond what a JSON number holds. estimate gives\n"
        "{\"kbps\", \"low\", \"high\", \"width\", \"height\", \"fps\", \"codec\", \"quality\",\n"
        "\"scene\", \"nightPercent\", \"withinRecorderRange\"}.\n"
        "\n"
        "  corvane-plan estimate --resolution WxH|PRESET --fps N\n"
        "                        --codec h264|h265|h264-smart|h265-smart|mjpeg\n"
        "                        [--quality low|normal|high] [--scene quiet|normal|busy]\n"
        "                        [--night-percent P] [--json]\n"
        "      The expected average bit rate of one camera stream in kbps, and the range\n"
        "      it likely falls in, from published bit rates and codec measurements.\n"
        "      WxH runs from 160x120 to 16384x16384; PRESET is 720p, 1080p, 4MP\n"
        "      (2560x1440), 5MP (2592x1944), 4K or 8MP (3840x2160) or 12MP (4000x3000),\n"
        "      in any case. N is 1 to 60 frames per second. The quality and the scene (how\n"
        "      much moves) are normal unless given. P, 0 to 100 (default 0), is the share\n"
        "      of the time at night with infrared, whose noisy video costs more bits. An\n"
        "      estimate outside the 32 to 16384 kbps that recorders accept for one stream\n"
        "      is said so on a third line.\n"
        "      Example: corvane-plan estimate --resolution 4MP --fps 15 --codec h265 \\\n"
        "                   --scene busy --night-percent 40\n"
        "\n"
        "  corvane-plan --help | --version\n"
        "      This text, or the program's name and version.\n"
        "\n"
        "Exit status: 0 on success, 2 for a usage error or invalid input (one line on\n"
        "standard error says what is wrong; nothing is written to standard output).\n");
}
