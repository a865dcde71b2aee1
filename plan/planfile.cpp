// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/planfile.h"

#include "engine/materials.h"
#include "engine/nvrcatalogue.h"
#include "engine/validation.h"
#include "plan/catalogue.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <cmath>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The translation context of the reader's messages.
class CPlanFile
{
    Q_DECLARE_TR_FUNCTIONS(CPlanFile)
};

PlanReadResult Refused(const QString& error)
{
    PlanReadResult result;
    result.error = error;
    return result;
}

// Nesting and value count of a JSON text, counted before the toolkit's parser builds anything,
// so a hostile file cannot make it nest or allocate without bound. Strings are skipped with
// their escapes; what is not JSON is left for the parser to refuse.
bool WithinStructureBounds(const QByteArray& bytes, QString* error)
{
    int depth = 0;
    int values = 0;
    bool inString = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            break;
        case '[':
        case '{':
            if (++depth > PlanFormat::MaxDepth) {
                *error = CPlanFile::tr("The file is not a plan: it is nested too deeply.");
                return false;
            }
            ++values;
            break;
        case ']':
        case '}':
            --depth;
            break;
        case ',':
            ++values;
            break;
        default:
            break;
        }
        if (values > PlanFormat::MaxValues) {
            *error = CPlanFile::tr("The file is not a plan: it holds too many values.");
            return false;
        }
    }
    return true;
}

// A whole number from 0 to `max`, written as a JSON number.
bool ReadCount(const QJsonValue& value, int max, int* out)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (!(d >= 0 && d <= max) || std::floor(d) != d)
        return false;
    *out = int(d);
    return true;
}

// A count as a page's editor holds it: empty (null) or up to seven digits. Whether it is a
// count the pages calculate with is CheckPlan's question.
bool ReadTypedCount(const QJsonValue& value, int* out)
{
    if (value.isNull()) {
        *out = PlanBlankCount;
        return true;
    }
    return ReadCount(value, PlanFormat::MaxTypedCount, out);
}

QString FieldError(const QString& where, const QString& field)
{
    return CPlanFile::tr("The plan is damaged: %1 lacks a valid \"%2\".").arg(where, field);
}

QString CameraWhere(int index)
{
    return CPlanFile::tr("camera record %1 of the NVR Calculate page").arg(index + 1);
}

QString RecorderWhere(int index)
{
    return CPlanFile::tr("recorder record %1 of the IPC Calculate page").arg(index + 1);
}

QString BitRateError(const QString& where, bool first, const QString& text)
{
    const QString field =
        first ? CPlanFile::tr("first bit rate") : CPlanFile::tr("second bit rate");
    return CPlanFile::tr("The plan holds an invalid %1 in %2: \"%3\" (range 0 or 32k-16384k).")
        .arg(field, where, text);
}

QString ModelError(const QString& where, const QString& name)
{
    return CPlanFile::tr("The plan names an unknown NVR type in %1: \"%2\".").arg(where, name);
}

QString ChannelError(const QString& where, const CalNVRInfo& model)
{
    return CPlanFile::tr(
               "The plan holds an invalid disabled channel number in %1 (%2 allows 0 to %3).")
        .arg(where, model.name)
        .arg(model.maxDisableChannels);
}

QString TextError(const QString& where)
{
    return CPlanFile::tr("The plan holds a bit rate longer than %1 characters in %2.")
        .arg(PlanFormat::MaxTextChars)
        .arg(where);
}

QString CountError(const QString& where)
{
    return CPlanFile::tr("The plan holds an invalid number in %1 (0 to 1000000).").arg(where);
}

bool ReadString(const QJsonObject& object, const char* key, QString* out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString())
        return false;
    *out = value.toString();
    return true;
}

// The storage inputs' keys and names, as corvane-plan spells its options' values; the names
// are listed in the enumerations' order.
inline constexpr char RetentionDaysKey[] = "retentionDays";
inline constexpr char HoursPerDayKey[] = "hoursPerDay";
inline constexpr char RecordedPercentKey[] = "recordedPercent";
inline constexpr char StreamsKey[] = "streams";
inline constexpr char DiskTBKey[] = "diskTB";
inline constexpr char RedundancyKey[] = "redundancy";
inline constexpr char StorageReserveKey[] = "storageReservePercent";
inline constexpr char HotSparesKey[] = "hotSpares";
// Present only when the days kept are asked for.
inline constexpr char DisksPerNvrKey[] = "disksPerNvr";
inline constexpr char BandwidthReserveKey[] = "bandwidthReservePercent";
// The disk-size choice that is no size.
inline constexpr char SmallestDiskName[] = "smallest";
const QStringList& StreamNames = CalStreamNames();
const QStringList& RedundancyNames = CalRedundancyNames();

QString StorageError(CalStorageInput input, const CalStorageInputs& inputs = {})
{
    const QString where = CPlanFile::tr("the storage inputs of the NVR Calculate page");
    const auto ranged = [&](const char* field, int min, int max) {
        return CPlanFile::tr("The plan holds an invalid \"%1\" in %2 (%3 to %4).")
            .arg(QLatin1String(field), where)
            .arg(min)
            .arg(max);
    };
    const auto named = [&](const char* field, const QStringList& names) {
        return CPlanFile::tr("The plan holds an invalid \"%1\" in %2 (one of: %3).")
            .arg(QLatin1String(field), where, names.join(QLatin1String(", ")));
    };
    switch (input) {
    case CalStorageInput::None:
        break;
    case CalStorageInput::RetentionDays:
        return ranged(RetentionDaysKey, CalMinRetentionDays, CalMaxRetentionDays);
    case CalStorageInput::HoursPerDay:
        return ranged(HoursPerDayKey, CalMinHoursPerDay, CalMaxHoursPerDay);
    case CalStorageInput::RecordedPercent:
        return ranged(RecordedPercentKey, CalMinRecordedPercent, CalMaxRecordedPercent);
    case CalStorageInput::Streams:
        return named(StreamsKey, StreamNames);
    case CalStorageInput::DiskSize: {
        QStringList sizes;
        for (const int size : CalDiskSizesTB())
            sizes << QString::number(size);
        sizes << QLatin1String(SmallestDiskName);
        return named(DiskTBKey, sizes);
    }
    case CalStorageInput::Redundancy:
        return named(RedundancyKey, RedundancyNames);
    case CalStorageInput::StorageReserve:
        return ranged(StorageReserveKey, CalMinStorageReserve, CalMaxStorageReserve);
    case CalStorageInput::HotSpares:
        return ranged(HotSparesKey, CalMinHotSpares, CalMaxHotSpares);
    case CalStorageInput::Goal:
        break; // no file spells the goal but by its disks
    case CalStorageInput::DisksPerRecorder:
        return ranged(DisksPerNvrKey, CalMinDisksPerRecorder, CalMaxDisksPerRecorder);
    case CalStorageInput::DaysKeptDiskSize:
    case CalStorageInput::TooFewDisks:
        return CPlanFile::tr("The plan holds an invalid \"%1\" in %2: %3.")
            .arg(QLatin1String(DisksPerNvrKey), where, StorageInputMessage(input, inputs));
    }
    return QString();
}

// Keys left out keep their defaults (plans saved before storage existed have none); a key
// that is present must hold a usable value. Ranges are left to CheckPlan, but a number is
// bounded here already, before it becomes an int.
QString ReadStorage(const QJsonObject& object, CalStorageInputs* inputs)
{
    struct Number
    {
        const char* key;
        int max;
        int* out;
        CalStorageInput input;
    };
    const std::vector<int> sizes = CalDiskSizesTB();
    const Number numbers[] = {
        {RetentionDaysKey, PlanFormat::MaxTypedStorage, &inputs->retentionDays,
         CalStorageInput::RetentionDays},
        {HoursPerDayKey, PlanFormat::MaxTypedStorage, &inputs->hoursPerDay,
         CalStorageInput::HoursPerDay},
        {RecordedPercentKey, PlanFormat::MaxTypedStorage, &inputs->recordedPercent,
         CalStorageInput::RecordedPercent},
        {DiskTBKey, sizes.back(), &inputs->diskTB, CalStorageInput::DiskSize},
        {StorageReserveKey, PlanFormat::MaxTypedStorage, &inputs->storageReservePercent,
         CalStorageInput::StorageReserve},
        {HotSparesKey, PlanFormat::MaxTypedStorage, &inputs->hotSpares, CalStorageInput::HotSpares},
        {DisksPerNvrKey, PlanFormat::MaxTypedStorage, &inputs->disksPerRecorder,
         CalStorageInput::DisksPerRecorder},
    };
    if (object.contains(QLatin1String(DisksPerNvrKey)))
        inputs->goal = CalStorageGoal::DaysKept;
    for (const Number& number : numbers) {
        const QJsonValue value = object.value(QLatin1String(number.key));
        if (number.out == &inputs->diskTB && value.toString() == QLatin1String(SmallestDiskName)) {
            inputs->diskTB = CalDiskSmallestFits;
            continue;
        }
        if (!value.isUndefined() && !ReadCount(value, number.max, number.out))
            return StorageError(number.input);
    }
    const auto readName = [&](const char* key, const QStringList& names, int* index) {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined())
            return true;
        *index = int(names.indexOf(value.toString()));
        return value.isString() && *index >= 0;
    };
    int streams = int(inputs->streams);
    if (!readName(StreamsKey, StreamNames, &streams))
        return StorageError(CalStorageInput::Streams);
    inputs->streams = CalStreams(streams);
    int redundancy = int(inputs->redundancy);
    if (!readName(RedundancyKey, RedundancyNames, &redundancy))
        return StorageError(CalStorageInput::Redundancy);
    inputs->redundancy = CalRedundancy(redundancy);
    return QString();
}

QString ReserveError(const QString& where)
{
    return CPlanFile::tr("The plan holds an invalid \"%1\" in %2 (%3 to %4).")
        .arg(QLatin1String(BandwidthReserveKey), where)
        .arg(CalMinBandwidthReserve)
        .arg(CalMaxBandwidthReserve);
}

// Absent is none kept free, as in plans saved before the reserve existed.
bool ReadReserve(const QJsonObject& page, int* percent)
{
    const QJsonValue value = page.value(QLatin1String(BandwidthReserveKey));
    return value.isUndefined() || ReadCount(value, PlanFormat::MaxTypedStorage, percent);
}

QString NameError(const QString& where)
{
    return CPlanFile::tr("The plan holds an invalid name in %1 (at most %2 characters, no control "
                         "characters).")
        .arg(where)
        .arg(PlanMaxNameChars);
}

QString EstimateError(const QString& where, const char* field, const QString& why)
{
    return CPlanFile::tr("The plan holds invalid settings in \"%1\" of %2: %3.")
        .arg(QLatin1String(field), where, why);
}

// A bit rate's estimate settings; absent is none (the bit rate was typed).
QString ReadEstimate(const QJsonObject& object, const char* key, const QString& where,
                     PlanStreamEstimate* out)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined())
        return QString();
    const QJsonObject settings = value.toObject();
    CalStreamSettings read;
    int values[4] = {read.width, read.height, read.fps, read.nightPercent};
    const char* numbers[4] = {"width", "height", "fps", "nightPercent"};
    for (int i = 0; i < 4; ++i) {
        if (!value.isObject() ||
            !ReadCount(settings.value(QLatin1String(numbers[i])), CalMaxStreamSide, &values[i]))
            return EstimateError(where, key,
                                 CPlanFile::tr("\"%1\" is not a whole number from 0 to %2")
                                     .arg(QLatin1String(numbers[i]))
                                     .arg(CalMaxStreamSide));
    }
    read.width = values[0];
    read.height = values[1];
    read.fps = values[2];
    read.nightPercent = values[3];
    if (!ParseCodecName(settings.value(QLatin1String("codec")).toString(), &read.codec))
        return EstimateError(where, key, StreamSettingsMessage(CalStreamProblem::CodecUnknown));
    if (!ParseQualityName(settings.value(QLatin1String("quality")).toString(), &read.quality))
        return EstimateError(where, key, StreamSettingsMessage(CalStreamProblem::QualityUnknown));
    if (!ParseSceneName(settings.value(QLatin1String("scene")).toString(), &read.scene))
        return EstimateError(where, key, StreamSettingsMessage(CalStreamProblem::SceneUnknown));
    const CalStreamProblem problem = CheckStreamSettings(read);
    if (problem != CalStreamProblem::None)
        return EstimateError(where, key, StreamSettingsMessage(problem));
    *out = read;
    return QString();
}

QString CheckEstimate(const PlanStreamEstimate& estimate, const QString& where, const char* key)
{
    if (!estimate)
        return QString();
    const CalStreamProblem problem = CheckStreamSettings(*estimate);
    return problem == CalStreamProblem::None
               ? QString()
               : EstimateError(where, key, StreamSettingsMessage(problem));
}

// The details' keys, in the order they are written.
inline constexpr char SiteKey[] = "site";
inline constexpr char CustomerKey[] = "customer";
inline constexpr char PlannerKey[] = "planner";
inline constexpr char NotesKey[] = "notes";

enum class TextProblem
{
    None,
    Broken,
    Control,
    TooLong,
};

// Notes keep their line breaks and tabs; a one-line field keeps neither, and nothing keeps the
// other control or format characters, which a report would not show.
TextProblem CheckText(const QString& text, int maxChars, bool notes)
{
    if (!QStringView(text).isValidUtf16())
        return TextProblem::Broken;
    for (const QChar c : text) {
        if (notes && (c == QLatin1Char('\n') || c == QLatin1Char('\t')))
            continue;
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return TextProblem::Control;
        default:
            break;
        }
    }
    return text.size() > maxChars ? TextProblem::TooLong : TextProblem::None;
}

QString DetailsError(PlanDetailsField field, const QString& why)
{
    return CPlanFile::tr("The plan holds an invalid \"%1\" in the plan details: %2.")
        .arg(PlanDetailsKey(field), why);
}

QString RecorderPriceWhere(const QString& model)
{
    return CPlanFile::tr("the NVR type \"%1\"").arg(model);
}

QString DiskPriceWhere(int diskTB)
{
    return CPlanFile::tr("%1 TB disks").arg(diskTB);
}

QString PriceError(const QString& where, const QString& shown)
{
    return CPlanFile::tr("The plan holds an invalid unit price for %1: %2. %3, written as text in "
                         "quotes.")
        .arg(where, shown, UnitPriceRule());
}

QString PriceError(const QString& where, const QJsonValue& value)
{
    const QString shown = value.isString() ? QLatin1Char('"') + value.toString() + QLatin1Char('"')
                                           : value.toVariant().toString();
    return PriceError(where, shown);
}

QString DiskSizeError(const QString& key)
{
    QStringList sizes;
    for (const int size : CalDiskSizesTB())
        sizes << QString::number(size);
    return CPlanFile::tr("The plan holds a unit price for disks of \"%1\" TB, a size not offered "
                         "(one of: %2).")
        .arg(key, sizes.join(QLatin1String(", ")));
}

bool ReadPrice(const QJsonValue& value, quint64* out)
{
    return value.isString() && ParseUnitPrice(value.toString(), out);
}

} // namespace

PlanDetailsField CheckPlanDetails(const PlanDetails& details, QString* why)
{
    const std::pair<PlanDetailsField, const QString*> fields[] = {
        {PlanDetailsField::Site, &details.site},
        {PlanDetailsField::Customer, &details.customer},
        {PlanDetailsField::Planner, &details.planner},
        {PlanDetailsField::Notes, &details.notes}};
    for (const auto& [field, text] : fields) {
        const bool notes = field == PlanDetailsField::Notes;
        const int max = notes ? PlanFormat::MaxNotesChars : PlanFormat::MaxDetailChars;
        const TextProblem problem = CheckText(*text, max, notes);
        if (problem == TextProblem::None)
            continue;
        if (why) {
            switch (problem) {
            case TextProblem::None:
                break;
            case TextProblem::Broken:
                *why = CPlanFile::tr("It holds a broken character");
                break;
            case TextProblem::Control:
                *why = notes ? CPlanFile::tr("It holds a control character other than a line "
                                             "break or a tab")
                             : CPlanFile::tr("It holds a line break, a tab or another control "
                                             "character");
                break;
            case TextProblem::TooLong:
                *why = CPlanFile::tr("It holds %1 characters; at most %2 are allowed")
                           .arg(text->size())
                           .arg(max);
                break;
            }
        }
        return field;
    }
    return PlanDetailsField::None;
}

QString PlanDetailsKey(PlanDetailsField field)
{
    switch (field) {
    case PlanDetailsField::None:
        break;
    case PlanDetailsField::Site:
        return QLatin1String(SiteKey);
    case PlanDetailsField::Customer:
        return QLatin1String(CustomerKey);
    case PlanDetailsField::Planner:
        return QLatin1String(PlannerKey);
    case PlanDetailsField::Notes:
        return QLatin1String(NotesKey);
    }
    return QString();
}

QString NormalizedNotes(QString notes)
{
    notes.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (const QChar lineBreak :
         {QChar(QLatin1Char('\r')), QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)})
        notes.replace(lineBreak, QLatin1Char('\n'));
    return notes;
}

bool ParseUnitPrice(const QString& text, quint64* hundredths)
{
    // Twelve digits at most before the point: more could not be a price, and fit a quint64.
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([0-9]{1,12})(?:\\.([0-9]{1,2}))?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const QString cents = match.captured(2).leftJustified(2, QLatin1Char('0'));
    const quint64 value = match.captured(1).toULongLong() * 100 + cents.toULongLong();
    if (value > CalMaxUnitPrice)
        return false;
    *hundredths = value;
    return true;
}

QString UnitPriceText(quint64 hundredths)
{
    return QStringLiteral("%1.%2")
        .arg(hundredths / 100)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString UnitPriceRule()
{
    return CPlanFile::tr("A unit price is a number from 0 to %1 with at most two decimals, such "
                         "as 129.50")
        .arg(UnitPriceText(CalMaxUnitPrice));
}

bool PlanJsonWithinBounds(const QByteArray& bytes, QString* error)
{
    return WithinStructureBounds(bytes, error);
}

QString CheckPlan(const CorvanePlan& plan)
{
    // What no page could hold comes first; then what a page would show a message for.
    const QString unholdable = CheckPlanHoldable(plan);
    if (!unholdable.isEmpty())
        return unholdable;
    const QString nvrPage = CPlanFile::tr("the NVR Calculate page");
    const QString ipcPage = CPlanFile::tr("the IPC Calculate page");
    qint64 cameras = 0;
    for (int i = 0; i < plan.cameras.size(); ++i) {
        const PlanCamera& camera = plan.cameras[i];
        for (bool first : {true, false}) {
            const QString& text = first ? camera.firstBitRate : camera.secondBitRate;
            if (!IsValidBitRateText(text))
                return BitRateError(CameraWhere(i), first, text);
        }
        if (camera.count < 0 || camera.count > CalMaxTotal)
            return CountError(CameraWhere(i));
        cameras += camera.count;
    }
    if (!IsTotalWithinLimit(cameras))
        return CPlanFile::tr("The plan holds more than 1000000 cameras on %1.").arg(nvrPage);
    const CalStorageInput storage = CheckStorageInputs(plan.storage);
    if (storage != CalStorageInput::None)
        return StorageError(storage, plan.storage);
    for (const auto& [percent, page] : {std::pair{plan.nvrBandwidthReservePercent, nvrPage},
                                        std::pair{plan.ipcBandwidthReservePercent, ipcPage}}) {
        if (!IsValidBandwidthReserve(percent))
            return ReserveError(page);
    }

    qint64 recorders = 0;
    QSet<QString> models;
    for (int i = 0; i < plan.recorders.size(); ++i) {
        const PlanRecorder& recorder = plan.recorders[i];
        CalNVRInfo model;
        FindModelByName(plan.models, recorder.model, model);
        if (models.contains(model.name))
            return CPlanFile::tr("The plan names the NVR type %1 a second time in %2.")
                .arg(model.name, RecorderWhere(i));
        models.insert(model.name);
        if (recorder.count < 0 || recorder.count > CalMaxTotal)
            return CountError(RecorderWhere(i));
        recorders += recorder.count;
    }
    if (!IsTotalWithinLimit(recorders))
        return CPlanFile::tr("The plan holds more than 1000000 recorders on %1.").arg(ipcPage);
    for (bool first : {true, false}) {
        const QString& text = first ? plan.ipcFirstBitRate : plan.ipcSecondBitRate;
        if (!IsValidBitRateText(text))
            return BitRateError(ipcPage, first, text);
    }
    return QString();
}

QString CheckPlanHoldable(const CorvanePlan& plan)
{
    const QString nvrPage = CPlanFile::tr("the NVR Calculate page");
    const QString ipcPage = CPlanFile::tr("the IPC Calculate page");
    const auto typed = [](const QString& text) { return text.size() <= PlanFormat::MaxTextChars; };
    const auto count = [](int value) {
        return value == PlanBlankCount || (value >= 0 && value <= PlanFormat::MaxTypedCount);
    };

    if (plan.models.size() > std::size_t(CalMaxOwnModels))
        return CalMessage(CalMessages::TooManyModels).arg(CalMaxOwnModels);
    for (std::size_t i = 0; i < plan.models.size(); ++i) {
        const CalModelList before(plan.models.begin(), plan.models.begin() + std::ptrdiff_t(i));
        const CalModelField field = CheckModel(plan.models[i], before);
        if (field != CalModelField::None)
            return CPlanFile::tr("The plan holds an invalid recorder model %1 (\"%2\"), field "
                                 "\"%3\": %4.")
                .arg(i + 1)
                .arg(plan.models[i].name.left(CalMaxModelNameChars), ModelFieldName(field),
                     ModelFieldMessage(field, plan.models[i]));
    }
    QString why;
    const PlanDetailsField details = CheckPlanDetails(plan.details, &why);
    if (details != PlanDetailsField::None)
        return DetailsError(details, why);
    CalNVRInfo nvr;
    if (!FindModelByName(plan.models, plan.nvrModel, nvr))
        return ModelError(nvrPage, plan.nvrModel);
    if (!IsValidDisabledChannels(nvr, plan.nvrDisabledChannels))
        return ChannelError(nvrPage, nvr);
    if (plan.cameras.size() > PlanFormat::MaxCameraRecords)
        return CPlanFile::tr("The plan holds more than %1 camera records.")
            .arg(PlanFormat::MaxCameraRecords);
    for (int i = 0; i < plan.cameras.size(); ++i) {
        const PlanCamera& camera = plan.cameras[i];
        if (!typed(camera.firstBitRate) || !typed(camera.secondBitRate))
            return TextError(CameraWhere(i));
        if (!count(camera.count))
            return CountError(CameraWhere(i));
        if (!IsValidCameraName(camera.name))
            return NameError(CameraWhere(i));
        for (const auto& [estimate, key] : {std::pair{&camera.firstEstimate, "firstEstimate"},
                                            std::pair{&camera.secondEstimate, "secondEstimate"}}) {
            const QString problem = CheckEstimate(*estimate, CameraWhere(i), key);
            if (!problem.isEmpty())
                return problem;
        }
        if (camera.unitPrice && *camera.unitPrice > CalMaxUnitPrice)
            return PriceError(CameraWhere(i), UnitPriceText(*camera.unitPrice));
    }
    const CalStorageInputs& storage = plan.storage;
    for (auto [value, input] :
         {std::pair{storage.retentionDays, CalStorageInput::RetentionDays},
          std::pair{storage.hoursPerDay, CalStorageInput::HoursPerDay},
          std::pair{storage.recordedPercent, CalStorageInput::RecordedPercent},
          std::pair{storage.storageReservePercent, CalStorageInput::StorageReserve},
          std::pair{storage.hotSpares, CalStorageInput::HotSpares},
          std::pair{storage.disksPerRecorder, CalStorageInput::DisksPerRecorder}}) {
        if (value < 0 || value > PlanFormat::MaxTypedStorage)
            return StorageError(input);
    }
    for (const auto& [percent, page] : {std::pair{plan.nvrBandwidthReservePercent, nvrPage},
                                        std::pair{plan.ipcBandwidthReservePercent, ipcPage}}) {
        if (percent < 0 || percent > PlanFormat::MaxTypedStorage)
            return ReserveError(page);
    }
    // The choices hold only what they offer, valid or not.
    CalStorageInputs choices;
    choices.streams = storage.streams;
    choices.diskTB = storage.diskTB;
    choices.redundancy = storage.redundancy;
    const CalStorageInput choice = CheckStorageInputs(choices);
    if (choice != CalStorageInput::None)
        return StorageError(choice);

    if (plan.recorders.size() > PlanFormat::MaxRecorderRecords)
        return CPlanFile::tr("The plan holds more than %1 recorder records.")
            .arg(PlanFormat::MaxRecorderRecords);
    for (int i = 0; i < plan.recorders.size(); ++i) {
        const PlanRecorder& recorder = plan.recorders[i];
        CalNVRInfo model;
        if (!FindModelByName(plan.models, recorder.model, model))
            return ModelError(RecorderWhere(i), recorder.model);
        if (!IsValidDisabledChannels(model, recorder.disabledChannels))
            return ChannelError(RecorderWhere(i), model);
        if (!count(recorder.count))
            return CountError(RecorderWhere(i));
    }
    if (!typed(plan.ipcFirstBitRate) || !typed(plan.ipcSecondBitRate))
        return TextError(ipcPage);
    for (const auto& [estimate, key] : {std::pair{&plan.ipcFirstEstimate, "firstEstimate"},
                                        std::pair{&plan.ipcSecondEstimate, "secondEstimate"}}) {
        const QString problem = CheckEstimate(*estimate, ipcPage, key);
        if (!problem.isEmpty())
            return problem;
    }
    // A price is kept only for what the plan could buy: a model it knows, a size it offers.
    for (const auto& [name, price] : plan.prices.recorders) {
        CalNVRInfo model;
        if (!FindModelByName(plan.models, name, model))
            return CPlanFile::tr("The plan holds a unit price for an unknown NVR type: \"%1\".")
                .arg(name);
        if (price > CalMaxUnitPrice)
            return PriceError(RecorderPriceWhere(name), UnitPriceText(price));
    }
    const std::vector<int> sizes = CalDiskSizesTB();
    for (const auto& [diskTB, price] : plan.prices.disks) {
        if (std::find(sizes.begin(), sizes.end(), diskTB) == sizes.end())
            return DiskSizeError(QString::number(diskTB));
        if (price > CalMaxUnitPrice)
            return PriceError(DiskPriceWhere(diskTB), UnitPriceText(price));
    }
    return QString();
}

PlanReadResult ParsePlan(const QByteArray& bytes)
{
    if (bytes.size() > PlanFormat::MaxFileBytes)
        return Refused(CPlanFile::tr("The file is too large to be a plan (more than %1 KB).")
                           .arg(PlanFormat::MaxFileBytes / 1024));
    QString error;
    if (!WithinStructureBounds(bytes, &error))
        return Refused(error);

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Refused(
            CPlanFile::tr("The file is not a plan: it is not valid JSON (%1 at byte %2).")
                .arg(parseError.errorString())
                .arg(parseError.offset));
    const QJsonObject root = document.object();
    if (!document.isObject() ||
        root.value(QLatin1String("format")).toString() != QLatin1String(PlanFormat::Name))
        return Refused(CPlanFile::tr("The file is not a plan."));

    int version = 0;
    if (!ReadCount(root.value(QLatin1String("version")), 1000000, &version) || version < 1)
        return Refused(FieldError(CPlanFile::tr("the file"), QStringLiteral("version")));
    if (version > PlanFormat::Version)
        return Refused(
            CPlanFile::tr("The plan was saved by a newer version of the program (plan format %1); "
                          "this version reads plan format %2.")
                .arg(version)
                .arg(PlanFormat::Version));

    PlanReadResult result;
    CorvanePlan& plan = result.plan;

    const QJsonValue details = root.value(QLatin1String("details"));
    if (!details.isUndefined()) {
        if (!details.isObject())
            return Refused(FieldError(CPlanFile::tr("the file"), QStringLiteral("details")));
        const QJsonObject object = details.toObject();
        for (const auto& [key, text] : {std::pair{SiteKey, &plan.details.site},
                                        std::pair{CustomerKey, &plan.details.customer},
                                        std::pair{PlannerKey, &plan.details.planner},
                                        std::pair{NotesKey, &plan.details.notes}}) {
            const QJsonValue value = object.value(QLatin1String(key));
            if (value.isUndefined())
                continue;
            if (!value.isString())
                return Refused(FieldError(CPlanFile::tr("the plan details"), QLatin1String(key)));
            *text = value.toString();
        }
        plan.details.notes = NormalizedNotes(plan.details.notes);
    }

    const QJsonValue models = root.value(QLatin1String("recorderModels"));
    if (!models.isUndefined()) {
        if (!models.isArray())
            return Refused(FieldError(CPlanFile::tr("the file"), QStringLiteral("recorderModels")));
        CatalogueReadResult own = ReadModelArray(models.toArray(), CPlanFile::tr("the plan"));
        if (!own.ok)
            return Refused(own.error);
        plan.models = std::move(own.models);
    }

    const QString nvrWhere = CPlanFile::tr("the NVR Calculate page");
    const QJsonObject nvr = root.value(QLatin1String("nvrCalculate")).toObject();
    if (!ReadString(nvr, "model", &plan.nvrModel))
        return Refused(FieldError(nvrWhere, QStringLiteral("model")));
    if (!ReadCount(nvr.value(QLatin1String("disabledChannels")), 1000, &plan.nvrDisabledChannels))
        return Refused(FieldError(nvrWhere, QStringLiteral("disabledChannels")));
    if (!ReadReserve(nvr, &plan.nvrBandwidthReservePercent))
        return Refused(ReserveError(nvrWhere));
    const QJsonValue storage = nvr.value(QLatin1String("storage"));
    if (!storage.isUndefined()) {
        if (!storage.isObject())
            return Refused(FieldError(nvrWhere, QStringLiteral("storage")));
        error = ReadStorage(storage.toObject(), &plan.storage);
        if (!error.isEmpty())
            return Refused(error);
    }
    const QJsonValue cameras = nvr.value(QLatin1String("cameras"));
    if (!cameras.isArray())
        return Refused(FieldError(nvrWhere, QStringLiteral("cameras")));
    if (cameras.toArray().size() > PlanFormat::MaxCameraRecords)
        return Refused(CPlanFile::tr("The plan holds more than %1 camera records.")
                           .arg(PlanFormat::MaxCameraRecords));
    const QJsonArray cameraArray = cameras.toArray();
    for (int i = 0; i < cameraArray.size(); ++i) {
        const QJsonObject object = cameraArray.at(i).toObject();
        PlanCamera camera;
        if (!ReadString(object, "firstBitRate", &camera.firstBitRate))
            return Refused(FieldError(CameraWhere(i), QStringLiteral("firstBitRate")));
        if (!ReadString(object, "secondBitRate", &camera.secondBitRate))
            return Refused(FieldError(CameraWhere(i), QStringLiteral("secondBitRate")));
        if (!ReadTypedCount(object.value(QLatin1String("count")), &camera.count))
            return Refused(CountError(CameraWhere(i)));
        const QJsonValue name = object.value(QLatin1String("name"));
        if (!name.isUndefined() && (!name.isString() || !IsValidCameraName(name.toString())))
            return Refused(NameError(CameraWhere(i)));
        camera.name = name.toString();
        for (const auto& [estimate, key] : {std::pair{&camera.firstEstimate, "firstEstimate"},
                                            std::pair{&camera.secondEstimate, "secondEstimate"}}) {
            error = ReadEstimate(object, key, CameraWhere(i), estimate);
            if (!error.isEmpty())
                return Refused(error);
        }
        const QJsonValue price = object.value(QLatin1String("unitPrice"));
        if (!price.isUndefined()) {
            quint64 hundredths = 0;
            if (!ReadPrice(price, &hundredths))
                return Refused(PriceError(CameraWhere(i), price));
            camera.unitPrice = hundredths;
        }
        plan.cameras.append(camera);
    }

    const QString ipcWhere = CPlanFile::tr("the IPC Calculate page");
    const QJsonObject ipc = root.value(QLatin1String("ipcCalculate")).toObject();
    const QJsonValue recorders = ipc.value(QLatin1String("recorders"));
    if (!recorders.isArray())
        return Refused(FieldError(ipcWhere, QStringLiteral("recorders")));
    if (recorders.toArray().size() > PlanFormat::MaxRecorderRecords)
        return Refused(CPlanFile::tr("The plan holds more than %1 recorder records.")
                           .arg(PlanFormat::MaxRecorderRecords));
    const QJsonArray recorderArray = recorders.toArray();
    for (int i = 0; i < recorderArray.size(); ++i) {
        const QJsonObject object = recorderArray.at(i).toObject();
        PlanRecorder recorder;
        if (!ReadString(object, "model", &recorder.model))
            return Refused(FieldError(RecorderWhere(i), QStringLiteral("model")));
        if (!ReadCount(object.value(QLatin1String("disabledChannels")), 1000,
                       &recorder.disabledChannels))
            return Refused(FieldError(RecorderWhere(i), QStringLiteral("disabledChannels")));
        if (!ReadTypedCount(object.value(QLatin1String("count")), &recorder.count))
            return Refused(CountError(RecorderWhere(i)));
        plan.recorders.append(recorder);
    }
    if (!ReadReserve(ipc, &plan.ipcBandwidthReservePercent))
        return Refused(ReserveError(ipcWhere));
    if (!ReadString(ipc, "firstBitRate", &plan.ipcFirstBitRate))
        return Refused(FieldError(ipcWhere, QStringLiteral("firstBitRate")));
    if (!ReadString(ipc, "secondBitRate", &plan.ipcSecondBitRate))
        return Refused(FieldError(ipcWhere, QStringLiteral("secondBitRate")));
    for (const auto& [estimate, key] : {std::pair{&plan.ipcFirstEstimate, "firstEstimate"},
                                        std::pair{&plan.ipcSecondEstimate, "secondEstimate"}}) {
        error = ReadEstimate(ipc, key, ipcWhere, estimate);
        if (!error.isEmpty())
            return Refused(error);
    }

    const QJsonValue prices = root.value(QLatin1String("prices"));
    if (!prices.isUndefined()) {
        const QString pricesWhere = CPlanFile::tr("the unit prices");
        if (!prices.isObject())
            return Refused(FieldError(CPlanFile::tr("the file"), QStringLiteral("prices")));
        const QJsonValue recorderPrices = prices.toObject().value(QLatin1String("recorders"));
        if (!recorderPrices.isUndefined() && !recorderPrices.isObject())
            return Refused(FieldError(pricesWhere, QStringLiteral("recorders")));
        const QJsonObject byModel = recorderPrices.toObject();
        for (auto it = byModel.begin(); it != byModel.end(); ++it) {
            quint64 hundredths = 0;
            if (!ReadPrice(it.value(), &hundredths))
                return Refused(PriceError(RecorderPriceWhere(it.key()), it.value()));
            plan.prices.recorders[it.key()] = hundredths;
        }
        const QJsonValue diskPrices = prices.toObject().value(QLatin1String("disks"));
        if (!diskPrices.isUndefined() && !diskPrices.isObject())
            return Refused(FieldError(pricesWhere, QStringLiteral("disks")));
        const QJsonObject bySize = diskPrices.toObject();
        for (auto it = bySize.begin(); it != bySize.end(); ++it) {
            bool number = false;
            const int diskTB = it.key().toInt(&number);
            if (!number || QString::number(diskTB) != it.key())
                return Refused(DiskSizeError(it.key()));
            quint64 hundredths = 0;
            if (!ReadPrice(it.value(), &hundredths))
                return Refused(PriceError(DiskPriceWhere(diskTB), it.value()));
            plan.prices.disks[diskTB] = hundredths;
        }
    }

    error = CheckPlanHoldable(plan);
    if (!error.isEmpty())
        return Refused(error);
    result.ok = true;
    return result;
}

bool ReadBoundedFile(const QString& path, qint64 maxBytes, const QString& tooLarge,
                     QByteArray* bytes, QString* error)
{
    const auto refuse = [error](const QString& text) {
        *error = text;
        return false;
    };
    const QString notRegular = CPlanFile::tr("It is not a regular file.");
#ifdef Q_OS_UNIX
    // Opened without blocking, so a pipe or device named like a plan cannot hang the reader,
    // and checked on the open descriptor, so nothing can swap the file after the check.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        QFile probe(path);
        if (!probe.exists())
            return refuse(CPlanFile::tr("The file does not exist."));
        return refuse(CPlanFile::tr("The file cannot be read."));
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return refuse(notRegular);
    }
    if (status.st_size > maxBytes) {
        ::close(fd);
        return refuse(tooLarge);
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(CPlanFile::tr("The file cannot be read."));
    }
#else
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(CPlanFile::tr("The file does not exist."));
    if (!info.isFile())
        return refuse(notRegular);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(CPlanFile::tr("The file cannot be read."));
#endif
    // One byte more than allowed tells a file that grew since it was measured.
    *bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(CPlanFile::tr("The file cannot be read."));
    if (bytes->size() > maxBytes)
        return refuse(tooLarge);
    return true;
}

PlanReadResult ReadPlanFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!ReadBoundedFile(path, PlanFormat::MaxFileBytes,
                         CPlanFile::tr("The file is too large to be a plan (more than %1 KB).")
                             .arg(PlanFormat::MaxFileBytes / 1024),
                         &bytes, &error))
        return Refused(error);
    return ParsePlan(bytes);
}

namespace {

// A JSON string literal, escaped by the toolkit's own writer.
QByteArray JsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray JsonMember(const char* key, const QByteArray& value)
{
    return JsonString(QLatin1String(key)) + ": " + value;
}

QByteArray JsonRecords(const QList<QByteArray>& records)
{
    if (records.isEmpty())
        return "[]";
    QByteArray out = "[\n";
    for (int i = 0; i < records.size(); ++i)
        out += "            " + records[i] + (i + 1 < records.size() ? ",\n" : "\n");
    return out + "        ]";
}

} // namespace

// Written by hand rather than through QJsonDocument, which sorts the keys: a person reading the
// file finds the format first and one record a line, in the pages' order.
namespace {

QByteArray CountJson(int count)
{
    return count == PlanBlankCount ? QByteArray("null") : QByteArray::number(count);
}

QByteArray EstimateJson(const CalStreamSettings& settings)
{
    return "{\"width\": " + QByteArray::number(settings.width) +
           ", \"height\": " + QByteArray::number(settings.height) +
           ", \"fps\": " + QByteArray::number(settings.fps) +
           ", \"codec\": " + JsonString(CalCodecNames().value(int(settings.codec))) +
           ", \"quality\": " + JsonString(CalQualityNames().value(int(settings.quality))) +
           ", \"scene\": " + JsonString(CalSceneNames().value(int(settings.scene))) +
           ", \"nightPercent\": " + QByteArray::number(settings.nightPercent) + "}";
}

// The members a record has only when given, each after a comma.
QByteArray OptionalMembers(const QString& name, const PlanStreamEstimate& first,
                           const PlanStreamEstimate& second, const PlanUnitPrice& price)
{
    QByteArray out;
    if (!name.isEmpty())
        out += ", \"name\": " + JsonString(name);
    if (first)
        out += ", \"firstEstimate\": " + EstimateJson(*first);
    if (second)
        out += ", \"secondEstimate\": " + EstimateJson(*second);
    if (price)
        out += ", \"unitPrice\": " + JsonString(UnitPriceText(*price));
    return out;
}

// Prices are text, so that "0.10" stays exactly what was typed.
template <typename Key, typename KeyText>
QByteArray PricesJson(const std::map<Key, quint64>& prices, KeyText keyText)
{
    QList<QByteArray> members;
    for (const auto& [key, price] : prices)
        members << JsonString(keyText(key)) + ": " + JsonString(UnitPriceText(price));
    return "{" + members.join(", ") + "}";
}

} // namespace

QByteArray SerializePlan(const CorvanePlan& plan)
{
    QList<QByteArray> cameras;
    for (const PlanCamera& camera : plan.cameras)
        cameras << "{\"firstBitRate\": " + JsonString(camera.firstBitRate) +
                       ", \"secondBitRate\": " + JsonString(camera.secondBitRate) +
                       ", \"count\": " + CountJson(camera.count) +
                       OptionalMembers(camera.name, camera.firstEstimate, camera.secondEstimate,
                                       camera.unitPrice) +
                       "}";
    QList<QByteArray> recorders;
    for (const PlanRecorder& recorder : plan.recorders)
        recorders << "{\"model\": " + JsonString(recorder.model) + ", \"disabledChannels\": " +
                         QByteArray::number(recorder.disabledChannels) +
                         ", \"count\": " + CountJson(recorder.count) + "}";

    QByteArray out = "{\n";
    out += "    \"format\": " + JsonString(QLatin1String(PlanFormat::Name)) + ",\n";
    out += "    \"version\": " + QByteArray::number(PlanFormat::Version) + ",\n";
    // Written only when given, each field too, so that a plan without them is written as before.
    const PlanDetails& details = plan.details;
    if (!details.IsEmpty()) {
        QList<QByteArray> members;
        for (const auto& [key, text] :
             {std::pair{SiteKey, &details.site}, std::pair{CustomerKey, &details.customer},
              std::pair{PlannerKey, &details.planner}, std::pair{NotesKey, &details.notes}}) {
            if (!text->isEmpty())
                members << "        " + JsonMember(key, JsonString(*text));
        }
        out += "    \"details\": {\n" + members.join(",\n") + "\n    },\n";
    }
    // Only a plan that defines models has the list, so older plans are written as before.
    if (!plan.models.empty()) {
        out += "    \"recorderModels\": [\n";
        for (std::size_t i = 0; i < plan.models.size(); ++i)
            out += "        " + ModelJson(plan.models[i]) +
                   (i + 1 < plan.models.size() ? ",\n" : "\n");
        out += "    ],\n";
    }
    out += "    \"nvrCalculate\": {\n";
    out += "        \"model\": " + JsonString(plan.nvrModel) + ",\n";
    out += "        \"disabledChannels\": " + QByteArray::number(plan.nvrDisabledChannels) + ",\n";
    if (plan.nvrBandwidthReservePercent != 0)
        out +=
            "        " +
            JsonMember(BandwidthReserveKey, QByteArray::number(plan.nvrBandwidthReservePercent)) +
            ",\n";
    const CalStorageInputs& storage = plan.storage;
    const QList<QByteArray> storageMembers{
        JsonMember(RetentionDaysKey, QByteArray::number(storage.retentionDays)),
        JsonMember(HoursPerDayKey, QByteArray::number(storage.hoursPerDay)),
        JsonMember(RecordedPercentKey, QByteArray::number(storage.recordedPercent)),
        JsonMember(StreamsKey, JsonString(StreamNames.value(int(storage.streams)))),
        JsonMember(DiskTBKey, storage.diskTB == CalDiskSmallestFits
                                  ? JsonString(QLatin1String(SmallestDiskName))
                                  : QByteArray::number(storage.diskTB)),
        JsonMember(RedundancyKey, JsonString(RedundancyNames.value(int(storage.redundancy))))};
    // Written only when used, so that a plan without them is written as before they existed.
    QList<QByteArray> headroom;
    if (storage.storageReservePercent != 0)
        headroom << JsonMember(StorageReserveKey,
                               QByteArray::number(storage.storageReservePercent));
    if (storage.hotSpares != 0)
        headroom << JsonMember(HotSparesKey, QByteArray::number(storage.hotSpares));
    if (storage.goal == CalStorageGoal::DaysKept)
        headroom << JsonMember(DisksPerNvrKey, QByteArray::number(storage.disksPerRecorder));
    out += "        \"storage\": {" + (storageMembers + headroom).join(", ") + "},\n";
    out += "        \"cameras\": " + JsonRecords(cameras) + "\n";
    out += "    },\n";
    out += "    \"ipcCalculate\": {\n";
    out += "        \"firstBitRate\": " + JsonString(plan.ipcFirstBitRate) + ",\n";
    out += "        \"secondBitRate\": " + JsonString(plan.ipcSecondBitRate) + ",\n";
    if (plan.ipcBandwidthReservePercent != 0)
        out +=
            "        " +
            JsonMember(BandwidthReserveKey, QByteArray::number(plan.ipcBandwidthReservePercent)) +
            ",\n";
    if (plan.ipcFirstEstimate)
        out += "        \"firstEstimate\": " + EstimateJson(*plan.ipcFirstEstimate) + ",\n";
    if (plan.ipcSecondEstimate)
        out += "        \"secondEstimate\": " + EstimateJson(*plan.ipcSecondEstimate) + ",\n";
    out += "        \"recorders\": " + JsonRecords(recorders) + "\n";
    out += "    }";
    if (!plan.prices.IsEmpty()) {
        QList<QByteArray> members;
        if (!plan.prices.recorders.empty())
            members << "        " + JsonMember("recorders", PricesJson(plan.prices.recorders,
                                                                       [](const QString& name) {
                                                                           return name;
                                                                       }));
        if (!plan.prices.disks.empty())
            members << "        " + JsonMember("disks", PricesJson(plan.prices.disks, [](int tb) {
                                                   return QString::number(tb);
                                               }));
        out += ",\n    \"prices\": {\n" + members.join(",\n") + "\n    }";
    }
    return out + "\n}\n";
}

bool WritePlanFile(const QString& path, const CorvanePlan& plan, QString* error)
{
    QSaveFile file(path);
    const QByteArray bytes = SerializePlan(plan);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
