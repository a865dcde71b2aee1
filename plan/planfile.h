// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PLANFILE_H
#define PLANFILE_H

// A plan: everything the two calculator pages hold, kept in one JSON file ("*.corvane") that a
// person can read, as typed: a draft with inputs still to be put right is a plan too. The reader
// is bounded and refuses, with one message, anything that the pages could not hold: the program
// shows it in its message box, corvane-plan on standard error. Nothing here writes a file except
// WritePlanFile, which replaces the target atomically or not at all.
//
// The recorder catalogue must be filled (InitNVRTypeTable) before plans are read or checked.

#include "engine/nvrcatalogue.h"
#include "plan/pagestate.h"

#include <QByteArray>
#include <QString>

namespace PlanFormat {
inline constexpr char Name[] = "corvane-plan";
constexpr int Version = 1;
inline constexpr char Suffix[] = "corvane";
// A full plan (100 camera records, 28 recorder records, 1,000 recorder models of the longest
// names, every text at its longest in Chinese, a price for every model, disk and camera type,
// the longest details) is about 620 KB; anything much larger is not a plan and is refused
// before it is read into memory.
constexpr qint64 MaxFileBytes = 1024 * 1024;
// The format nests four levels deep and holds about 8,800 values at most (containers and the
// commas between values, as the reader counts them).
constexpr int MaxDepth = 8;
constexpr int MaxValues = 16384;
constexpr int MaxCameraRecords = 100; // rows of "NVR Calculate"
// What the pages' editors can hold, valid or not: a draft keeps it.
constexpr int MaxTypedCount = 9999999; // seven digits
constexpr int MaxTypedStorage = 9999;  // four digits
constexpr int MaxTextChars = 64;       // a bit-rate box's text
constexpr int MaxRecorderRecords = 28; // rows of "IPC Calculate"
// The plan's details: the site, the customer and the planner one line each, the notes a few.
constexpr int MaxDetailChars = 200;
constexpr int MaxNotesChars = 4000;
} // namespace PlanFormat

// Both pages; a page's part reads as its state (NvrPageState, IpcPageState). The recorder
// models the plan defines are the plan's, shared by both pages (top-level "recorderModels"),
// and so are its details (top-level "details") and the unit prices of recorders and disks
// (top-level "prices"); each is written only when it holds something.
struct CorvanePlan : NvrPageState, IpcPageState
{
    CalModelList models;
    PlanDetails details;
    PlanPrices prices;

    const NvrPageState& Nvr() const { return *this; }
    const IpcPageState& Ipc() const { return *this; }

    bool operator==(const CorvanePlan& o) const
    {
        return Nvr() == o.Nvr() && Ipc() == o.Ipc() && models == o.models && details == o.details &&
               prices == o.prices;
    }
    bool operator!=(const CorvanePlan& o) const { return !(*this == o); }
};

struct PlanReadResult
{
    bool ok = false;
    CorvanePlan plan;
    QString error; // translated, one sentence or two; empty when ok
};

// The whole reader on bytes already in memory, with every bound but the file's own (for
// fuzzing and tests). Never throws; refuses rather than guesses.
PlanReadResult ParsePlan(const QByteArray& bytes);

// The reader's bounds on nesting and values, counted before any JSON is parsed.
bool PlanJsonWithinBounds(const QByteArray& bytes, QString* error);

// Opens `path` without following it into anything but a regular file (no folders, pipes or
// devices), refuses files above MaxFileBytes, then ParsePlan.
PlanReadResult ReadPlanFile(const QString& path);

// That opening, for any file the program reads: false with a translated `error` (`tooLarge`
// for a file above `maxBytes`).
bool ReadBoundedFile(const QString& path, qint64 maxBytes, const QString& tooLarge,
                     QByteArray* bytes, QString* error);

// Empty when the pages would calculate with the plan as it is; otherwise the reason, naming the
// page or record and the field. corvane-plan applies it to a plan it calculates.
QString CheckPlan(const CorvanePlan& plan);

// Empty when the pages can hold the plan, valid or not (a draft); otherwise the reason. The
// reader applies it to every plan it returns.
QString CheckPlanHoldable(const CorvanePlan& plan);

enum class PlanDetailsField
{
    None,
    Site,
    Customer,
    Planner,
    Notes,
};
// The first field of `details` that breaks its bounds (PlanFormat::MaxDetailChars on one line,
// PlanFormat::MaxNotesChars with line breaks and tabs; no other control or format characters,
// no broken surrogates), with the reason in the user's language.
PlanDetailsField CheckPlanDetails(const PlanDetails& details, QString* why = nullptr);
// The field's key in the plan file ("site", "customer", "planner", "notes").
QString PlanDetailsKey(PlanDetailsField field);
// Every line break ("\r\n", '\r', the Unicode line and paragraph separators) as '\n'.
QString NormalizedNotes(QString notes);

// A unit price as typed: digits with at most two decimals after a point ("129", "129.5",
// "129.50"), spaces around allowed, at most CalMaxUnitPrice hundredths. False for anything
// else.
bool ParseUnitPrice(const QString& text, quint64* hundredths);
// A price in hundredths as plain text with two decimals: 12950 is "129.50".
QString UnitPriceText(quint64 hundredths);
// What a unit price may be, in the user's language.
QString UnitPriceRule();

// Indented JSON, the fields in a fixed order.
QByteArray SerializePlan(const CorvanePlan& plan);

// Writes through a temporary file renamed over `path` once complete, so a failed write (no
// such folder, no permission, full disk) leaves any earlier file as it was. False with a
// translated `error` on failure.
bool WritePlanFile(const QString& path, const CorvanePlan& plan, QString* error);

#endif
