// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/catalogue.h"

#include "engine/validation.h"
#include "plan/planfile.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>
#include <cmath>

namespace {

class CCatalogue
{
    Q_DECLARE_TR_FUNCTIONS(CCatalogue)
};

CatalogueReadResult Refused(const QString& error)
{
    CatalogueReadResult result;
    result.error = error;
    return result;
}

const CalModelField Fields[] = {CalModelField::Name,     CalModelField::Bandwidth,
                                CalModelField::Channels, CalModelField::MaxDisabledChannels,
                                CalModelField::Bays,     CalModelField::LargestDisk};

QString EntryError(const QString& where, int index, const QString& name, CalModelField field,
                   const QString& why)
{
    const QString entry = name.isEmpty()
                              ? CCatalogue::tr("model %1 of %2").arg(index + 1).arg(where)
                              : CCatalogue::tr("model %1 (\"%2\") of %3")
                                    .arg(index + 1)
                                    .arg(name.left(CalMaxModelNameChars), where);
    return CCatalogue::tr("%1, field \"%2\": %3.").arg(entry, ModelFieldName(field), why);
}

// A whole number within the int range, or -1 for anything else, which every field refuses.
int WholeNumber(double d)
{
    if (!(d >= -1 && d <= 2147483647.0) || std::floor(d) != d)
        return -1;
    return int(d);
}

// Unknown (0) is written null; a 0 in the file is no count of bays or disk size.
int OptionalNumber(double d, bool isNull)
{
    if (isNull)
        return 0;
    const int value = WholeNumber(d);
    return value == 0 ? -1 : value;
}

int* FieldOf(CalNVRInfo& model, CalModelField field)
{
    switch (field) {
    case CalModelField::Bandwidth:
        return &model.bandwidth;
    case CalModelField::Channels:
        return &model.ipChannels;
    case CalModelField::MaxDisabledChannels:
        return &model.maxDisableChannels;
    case CalModelField::Bays:
        return &model.bays;
    case CalModelField::LargestDisk:
        return &model.largestDiskTB;
    default:
        return nullptr;
    }
}

bool Optional(CalModelField field)
{
    return field == CalModelField::Bays || field == CalModelField::LargestDisk;
}

// Checks the models read so far, in order; the first refusal names its entry.
CatalogueReadResult Checked(CalModelList models, const QString& where)
{
    if (models.size() > std::size_t(CalMaxOwnModels))
        return Refused(CalMessage(CalMessages::TooManyModels).arg(CalMaxOwnModels));
    CalModelList before;
    for (std::size_t i = 0; i < models.size(); ++i) {
        const CalModelField field = CheckModel(models[i], before);
        if (field != CalModelField::None)
            return Refused(EntryError(where, int(i), models[i].name, field,
                                      ModelFieldMessage(field, models[i])));
        before.push_back(models[i]);
    }
    CatalogueReadResult result;
    result.ok = true;
    result.models = std::move(models);
    return result;
}

// The CSV fields of one line: commas separate, double quotes enclose fields that hold commas
// or quotes, doubled quotes stand for one.
QStringList CsvFields(const QString& line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() &&
                line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

QString CsvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        text == text.trimmed())
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

CatalogueReadResult ParseCsv(const QByteArray& bytes)
{
    const QString where = CCatalogue::tr("the catalogue");
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return Refused(CCatalogue::tr("The file is not a catalogue: it is empty."));
    // One line more than a full catalogue is enough to refuse it.
    if (lines.size() > CalMaxOwnModels + 1)
        return Refused(CalMessage(CalMessages::TooManyModels).arg(CalMaxOwnModels));

    const QStringList header = CsvFields(lines.first());
    int columns[std::size(Fields)];
    for (std::size_t f = 0; f < std::size(Fields); ++f) {
        columns[f] = int(header.indexOf(ModelFieldName(Fields[f])));
        if (columns[f] < 0 && !Optional(Fields[f]))
            return Refused(CCatalogue::tr("The file is not a catalogue: its first line lacks the "
                                          "column \"%1\".")
                               .arg(ModelFieldName(Fields[f])));
    }
    CalModelList models;
    for (qsizetype l = 1; l < lines.size(); ++l) {
        const QStringList cells = CsvFields(lines.at(l));
        const int index = int(l - 1);
        CalNVRInfo model;
        for (std::size_t f = 0; f < std::size(Fields); ++f) {
            const CalModelField field = Fields[f];
            const QString cell = columns[f] >= 0 ? cells.value(columns[f]) : QString();
            if (field == CalModelField::Name) {
                model.name = cell;
                continue;
            }
            const QString value = cell.trimmed();
            const bool unknown =
                value.isEmpty() || value.compare(QLatin1String("null"), Qt::CaseInsensitive) == 0;
            bool number = false;
            const double d = value.toDouble(&number);
            if (!unknown && !number)
                return Refused(
                    EntryError(where, index, model.name, field, ModelFieldMessage(field, model)));
            if (Optional(field))
                *FieldOf(model, field) = OptionalNumber(d, unknown);
            else
                *FieldOf(model, field) = unknown ? -1 : WholeNumber(d);
        }
        models.push_back(model);
    }
    return Checked(std::move(models), where);
}

} // namespace

CatalogueReadResult ReadModelArray(const QJsonArray& array, const QString& where)
{
    if (array.size() > CalMaxOwnModels)
        return Refused(CalMessage(CalMessages::TooManyModels).arg(CalMaxOwnModels));
    CalModelList models;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonObject object = array.at(i).toObject();
        CalNVRInfo model;
        const QJsonValue name = object.value(QLatin1String("name"));
        model.name = name.toString();
        if (!name.isString())
            return Refused(EntryError(where, int(i), QString(), CalModelField::Name,
                                      ModelFieldMessage(CalModelField::Name, model)));
        for (CalModelField field : Fields) {
            if (field == CalModelField::Name)
                continue;
            const QJsonValue value = object.value(ModelFieldName(field));
            const bool unknown = Optional(field) && value.isNull();
            if (!value.isDouble() && !unknown)
                return Refused(
                    EntryError(where, int(i), model.name, field, ModelFieldMessage(field, model)));
            *FieldOf(model, field) = Optional(field) ? OptionalNumber(value.toDouble(), unknown)
                                                     : WholeNumber(value.toDouble());
        }
        models.push_back(model);
    }
    return Checked(std::move(models), where);
}

QByteArray ModelJson(const CalNVRInfo& model)
{
    const auto optional = [](int value) {
        return value > 0 ? QByteArray::number(value) : QByteArray("null");
    };
    const QByteArray name =
        QJsonDocument(QJsonArray{model.name}).toJson(QJsonDocument::Compact).mid(1);
    return "{\"name\": " + name.left(name.size() - 1) +
           ", \"bandwidthKbps\": " + QByteArray::number(model.bandwidth) +
           ", \"channels\": " + QByteArray::number(model.ipChannels) +
           ", \"maxDisabledChannels\": " + QByteArray::number(model.maxDisableChannels) +
           ", \"bays\": " + optional(model.bays) +
           ", \"largestDiskTB\": " + optional(model.largestDiskTB) + "}";
}

CatalogueReadResult ParseCatalogue(const QByteArray& bytes)
{
    if (bytes.size() > CatalogueFormat::MaxFileBytes)
        return Refused(CCatalogue::tr("The file is too large to be a catalogue (more than %1 KB).")
                           .arg(CatalogueFormat::MaxFileBytes / 1024));
    if (!bytes.trimmed().startsWith('{'))
        return ParseCsv(bytes);
    QString error;
    if (!PlanJsonWithinBounds(bytes, &error))
        return Refused(error);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return Refused(
            CCatalogue::tr("The file is not a catalogue: it is not valid JSON (%1 at byte %2).")
                .arg(parseError.errorString())
                .arg(parseError.offset));
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != QLatin1String(CatalogueFormat::Name))
        return Refused(CCatalogue::tr("The file is not a catalogue."));
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != CatalogueFormat::Version)
        return Refused(CCatalogue::tr("The catalogue has a format version this program does not "
                                      "read (it reads version %1).")
                           .arg(CatalogueFormat::Version));
    const QJsonValue models = root.value(QLatin1String("models"));
    if (!models.isArray())
        return Refused(CCatalogue::tr("The file is not a catalogue: it has no \"models\" list."));
    return ReadModelArray(models.toArray(), CCatalogue::tr("the catalogue"));
}

CatalogueReadResult ReadCatalogueFile(const QString& path)
{
    QByteArray bytes;
    QString error;
    if (!ReadBoundedFile(
            path, CatalogueFormat::MaxFileBytes,
            CCatalogue::tr("The file is too large to be a catalogue (more than %1 KB).")
                .arg(CatalogueFormat::MaxFileBytes / 1024),
            &bytes, &error))
        return Refused(error);
    return ParseCatalogue(bytes);
}

QByteArray SerializeCatalogue(const CalModelList& models)
{
    QByteArray out = "{\n    \"format\": \"" + QByteArray(CatalogueFormat::Name) + "\",\n";
    out += "    \"version\": " + QByteArray::number(CatalogueFormat::Version) + ",\n";
    out += "    \"models\": [";
    for (std::size_t i = 0; i < models.size(); ++i)
        out += QByteArray(i ? ",\n" : "\n") + "        " + ModelJson(models[i]);
    out += models.empty() ? "]\n" : "\n    ]\n";
    return out + "}\n";
}

QByteArray SerializeCatalogueCsv(const CalModelList& models)
{
    QStringList header;
    for (CalModelField field : Fields)
        header << ModelFieldName(field);
    QString out = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    const auto optional = [](int value) { return value > 0 ? QString::number(value) : QString(); };
    for (const CalNVRInfo& model : models) {
        out += QStringList{CsvField(model.name),
                           QString::number(model.bandwidth),
                           QString::number(model.ipChannels),
                           QString::number(model.maxDisableChannels),
                           optional(model.bays),
                           optional(model.largestDiskTB)}
                   .join(QLatin1Char(','));
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

bool WriteCatalogueFile(const QString& path, const CalModelList& models, QString* error)
{
    const bool csv = path.endsWith(QLatin1Char('.') + QLatin1String(CatalogueFormat::CsvSuffix),
                                   Qt::CaseInsensitive);
    const QByteArray bytes = csv ? SerializeCatalogueCsv(models) : SerializeCatalogue(models);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}
