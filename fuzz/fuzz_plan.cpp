// SPDX-License-Identifier: GPL-3.0-or-later
// corvane-plan's argument reading and planning, one argument per input line. Every answer
// is either a refusal with a reason and no output or a success without one; every accepted
// "recorders" request is checked against what a placement must be: each camera on exactly
// one recorder, no recorder over the model's bandwidth or channels, and the total equal to
// the recorders of the result lines.

#include "cli/planargs.h"
#include "cli/planner.h"
#include "engine/bitrate.h"
#include "engine/nvrcatalogue.h"
#include "engine/validation.h"
#include "plan/pagestate.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>

static void Expect(bool holds, const char* property, const QStringList& arguments)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n  arguments:", property);
    for (const QString& argument : arguments)
        std::fprintf(stderr, " [%s]", argument.toUtf8().constData());
    std::fprintf(stderr, "\n");
    std::abort();
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "fuzz_plan";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv); // the worker reports through an event loop
    InitNVRTypeTable();
    return 0;
}

struct CameraType
{
    int bitRate = 0;
    int count = 0;
};

// [NAME=]FIRST,SECOND,COUNT of an accepted --camera: a name ends at the last "=" outside
// parentheses and holds no control character; then the count after the last comma, the bit
// rates split at the one comma that leaves two valid ones (a remark may hold commas); white
// space around a field is not part of it.
static bool ReadCamera(const QString& given, CameraType& type)
{
    int depth = 0;
    qsizetype equals = -1;
    for (qsizetype i = 0; i < given.size(); ++i) {
        if (given[i] == QLatin1Char('('))
            ++depth;
        else if (given[i] == QLatin1Char(')') && depth > 0)
            --depth;
        else if (given[i] == QLatin1Char('=') && depth == 0)
            equals = i;
    }
    if (!IsValidCameraName(given.left(std::max<qsizetype>(equals, 0)).trimmed()))
        return false;
    const QStringList parts = given.mid(equals + 1).split(QLatin1Char(','));
    if (parts.size() < 3)
        return false;
    const QStringList rates = parts.mid(0, parts.size() - 1);
    int splits = 0;
    for (int k = 1; k < rates.size(); ++k) {
        const int first = ParseBitRate(rates.mid(0, k).join(QLatin1Char(',')).trimmed());
        const int second = ParseBitRate(rates.mid(k).join(QLatin1Char(',')).trimmed());
        if (IsValidBitRate(first) && IsValidBitRate(second)) {
            type.bitRate = first + second;
            ++splits;
        }
    }
    bool ok = false;
    type.count = parts.last().trimmed().toInt(&ok, 10);
    return splits == 1 && ok;
}

static void CheckPlacement(const PlanArgs& args, const QStringList& arguments)
{
    PlanArgs asJson = args;
    asJson.values[QStringLiteral("json")] = QStringList{QString()};
    const PlanResult result = PlanRecorders(asJson);
    Expect(result.exitCode == 0, "the JSON form accepts what the text form accepts", arguments);

    QJsonParseError error;
    const QJsonObject plan = QJsonDocument::fromJson(result.output.toUtf8(), &error).object();
    Expect(error.error == QJsonParseError::NoError, "the output is JSON", arguments);

    CalNVRInfo model;
    Expect(FindNVRTypeByName(plan.value(QStringLiteral("model")).toString(), model),
           "the model is from the catalogue", arguments);
    const QString asked = args.value(QStringLiteral("model")).trimmed();
    Expect(model.name.compare(asked, Qt::CaseInsensitive) == 0, "the model asked for, in any case",
           arguments);
    const int disabled = plan.value(QStringLiteral("disabledChannels")).toInt(-1);
    FindNVRTypeById(model.id, model, disabled);

    std::vector<CameraType> types;
    for (const QString& given : args.all(QStringLiteral("camera"))) {
        CameraType type;
        Expect(ReadCamera(given, type), "an accepted camera reads as FIRST,SECOND,COUNT",
               arguments);
        types.push_back(type);
    }

    std::map<int, qint64> placed; // type -> cameras placed
    qint64 recorders = 0;
    for (const QJsonValue lineValue : plan.value(QStringLiteral("lines")).toArray()) {
        const QJsonObject line = lineValue.toObject();
        const int count = line.value(QStringLiteral("recorders")).toInt(0);
        Expect(count >= 1, "a result line has recorders", arguments);
        recorders += count;
        qint64 bandwidth = 0;
        qint64 channels = 0;
        std::map<int, bool> seen;
        for (const QJsonValue cameraValue : line.value(QStringLiteral("cameras")).toArray()) {
            const QJsonObject camera = cameraValue.toObject();
            const int id = camera.value(QStringLiteral("type")).toInt(0);
            const int cameras = camera.value(QStringLiteral("count")).toInt(0);
            Expect(id >= 1 && id <= int(types.size()), "a placed type was asked for", arguments);
            Expect(cameras >= 1, "a placed type has cameras", arguments);
            Expect(!seen[id], "a type appears once on a recorder", arguments);
            seen[id] = true;
            bandwidth += qint64(cameras) * types[std::size_t(id - 1)].bitRate;
            channels += cameras;
            placed[id] += qint64(cameras) * count;
        }
        Expect(bandwidth <= model.bandwidth, "no recorder over the model's bandwidth", arguments);
        Expect(channels <= model.usableChannels, "no recorder over the model's channels",
               arguments);
    }
    Expect(recorders == plan.value(QStringLiteral("recorders")).toInt(-1),
           "the total is the sum of the result lines", arguments);
    for (std::size_t i = 0; i < types.size(); ++i) {
        const bool placeable = types[i].bitRate > 0 && types[i].count > 0;
        Expect(placed[int(i + 1)] == (placeable ? types[i].count : 0),
               "every camera is placed exactly once", arguments);
    }
}

// Requests beyond this many cameras are left to the agreement tests and benchmarks: a
// million-camera grouping under the sanitizers takes a second, and a run must reach tens of
// millions of inputs. Bulk-opened full recorders and shared spare recorders still arise well
// below it on every model.
static constexpr qint64 FuzzMaxCameras = 2000;

static bool WithinFuzzingWork(const PlanArgs& args)
{
    qint64 cameras = 0;
    for (const QString& given : args.all(QStringLiteral("camera"))) {
        bool ok = false;
        const qint64 count = given.section(QLatin1Char(','), -1).trimmed().toLongLong(&ok, 10);
        if (ok && count > 0)
            cameras += count;
    }
    return cameras <= FuzzMaxCameras;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList arguments = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size))
                                .split(QLatin1Char('\n'));
    if (arguments.size() == 1 && arguments.first().isEmpty())
        arguments.clear();

    PlanArgs args;
    QString error;
    if (!ParsePlanArgs(arguments, args, error)) {
        Expect(!error.isEmpty(), "a refused command line says why", arguments);
        return 0;
    }
    if (args.help || args.version)
        return 0;
    if (args.command == QLatin1String("recorders") && !WithinFuzzingWork(args))
        return 0;

    PlanResult result;
    if (args.command == QLatin1String("models"))
        result = PlanModels(args);
    else if (args.command == QLatin1String("cameras"))
        result = PlanCameras(args);
    else if (args.command == QLatin1String("recorders"))
        result = PlanRecorders(args);
    else if (args.command == QLatin1String("estimate"))
        result = PlanEstimate(args);
    else
        Expect(false, "only the four commands are accepted", arguments);

    if (result.exitCode != 0) {
        Expect(result.exitCode == 2, "a refusal exits with 2", arguments);
        Expect(!result.error.isEmpty() && result.output.isEmpty(),
               "a refusal says why and writes nothing", arguments);
        return 0;
    }
    Expect(result.error.isEmpty() && !result.output.isEmpty(), "a success writes its answer",
           arguments);
    if (args.command == QLatin1String("recorders"))
        CheckPlacement(args, arguments);
    return 0;
}
