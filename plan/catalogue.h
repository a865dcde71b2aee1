// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CATALOGUE_H
#define CATALOGUE_H

// Recorder models a planner defines, kept across plans in a catalogue file the user names:
// JSON ({"format": "corvane-catalogue", "version": 1, "models": [...]}) or, for lists kept in
// spreadsheets, CSV with the same field names as its header. A plan carries the same model
// objects under its top-level "recorderModels". Readers are bounded like the plan reader and
// refuse a whole file for one bad entry, naming the entry and the field.

#include "engine/nvrcatalogue.h"

#include <QByteArray>
#include <QJsonArray>
#include <QString>

namespace CatalogueFormat {
inline constexpr char Name[] = "corvane-catalogue";
constexpr int Version = 1;
inline constexpr char JsonSuffix[] = "json";
inline constexpr char CsvSuffix[] = "csv";
// 1,000 models of the longest names are about 200 KB in either form.
constexpr qint64 MaxFileBytes = 512 * 1024;
} // namespace CatalogueFormat

struct CatalogueReadResult
{
    bool ok = false;
    CalModelList models;
    QString error; // translated; empty when ok
};

// The model objects of a plan or catalogue: each checked (CheckModel) against the built-in
// models and the entries before it; at most CalMaxOwnModels. `where` names the list in
// messages ("the plan", "the catalogue").
CatalogueReadResult ReadModelArray(const QJsonArray& array, const QString& where);
// One model object, its fields in the catalogue's order; unknown bays and disk are null.
QByteArray ModelJson(const CalNVRInfo& model);

// JSON when the text begins (after white space) with "{", CSV otherwise.
CatalogueReadResult ParseCatalogue(const QByteArray& bytes);
// A regular file of at most MaxFileBytes, then ParseCatalogue.
CatalogueReadResult ReadCatalogueFile(const QString& path);

QByteArray SerializeCatalogue(const CalModelList& models);
// CSV with the header row; unknown bays and disk are empty cells.
QByteArray SerializeCatalogueCsv(const CalModelList& models);
// CSV when `path` ends in ".csv", JSON otherwise; atomically, as plans are written.
bool WriteCatalogueFile(const QString& path, const CalModelList& models, QString* error);

#endif
