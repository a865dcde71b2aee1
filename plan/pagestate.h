// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PAGESTATE_H
#define PAGESTATE_H

// What each calculator page holds, as plain values: the page shows one, the plan file keeps
// both, corvane-plan reads them from a plan, and undo steps between them. Texts the user types
// freely (bit rates) are kept as typed; choices and counts as numbers.

#include "engine/bitrateestimate.h"
#include "engine/storage.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <map>
#include <optional>

// Widgets keep a bit rate's settings as a property.
Q_DECLARE_METATYPE(CalStreamSettings)

// The settings a bit rate was estimated from; none when it was typed.
using PlanStreamEstimate = std::optional<CalStreamSettings>;

// At most this many characters name a camera type.
constexpr int PlanMaxNameChars = 64;

// A unit price in hundredths of whatever the planner counts in, as typed with at most two
// decimals ("129.50" is 12950); none when not given. The currency is the planner's to name.
using PlanUnitPrice = std::optional<quint64>;

// A count editor left empty; no plan holds one, but a page can until the user types.
constexpr int PlanBlankCount = -1;

// One record of "NVR Calculate": a camera type.
struct PlanCamera
{
    PlanCamera() = default;
    // The bit rates typed and the count: what a record holds without a name or estimates.
    PlanCamera(const QString& first, const QString& second, int cameras)
        : firstBitRate(first), secondBitRate(second), count(cameras)
    {
    }

    QString firstBitRate; // the bit-rate texts as typed, e.g. "1024(1M)" or "2M"
    QString secondBitRate;
    int count = 0;
    QString name; // optional, what the planner calls the type
    PlanStreamEstimate firstEstimate;
    PlanStreamEstimate secondEstimate;
    // Carried by the record, so that it stays with its type when records before it go.
    PlanUnitPrice unitPrice;

    bool operator==(const PlanCamera& o) const
    {
        return firstBitRate == o.firstBitRate && secondBitRate == o.secondBitRate &&
               count == o.count && name == o.name && firstEstimate == o.firstEstimate &&
               secondEstimate == o.secondEstimate && unitPrice == o.unitPrice;
    }
    bool operator!=(const PlanCamera& o) const { return !(*this == o); }
};

// One record of "IPC Calculate": recorders of one model.
struct PlanRecorder
{
    QString model;
    int disabledChannels = 0;
    int count = 0;

    bool operator==(const PlanRecorder& o) const
    {
        return model == o.model && disabledChannels == o.disabledChannels && count == o.count;
    }
    bool operator!=(const PlanRecorder& o) const { return !(*this == o); }
};

// "NVR Calculate": camera types and the recorder they go onto.
struct NvrPageState
{
    QString nvrModel;
    int nvrDisabledChannels = 0;
    QList<PlanCamera> cameras;          // in record order
    CalStorageInputs storage;           // the defaults for a plan saved before storage existed
    int nvrBandwidthReservePercent = 0; // of each recorder's bandwidth, kept free

    bool operator==(const NvrPageState& o) const
    {
        return nvrModel == o.nvrModel && nvrDisabledChannels == o.nvrDisabledChannels &&
               cameras == o.cameras && storage == o.storage &&
               nvrBandwidthReservePercent == o.nvrBandwidthReservePercent;
    }
    bool operator!=(const NvrPageState& o) const { return !(*this == o); }
};

// "IPC Calculate": recorders and the bit rates of the cameras they take.
struct IpcPageState
{
    QList<PlanRecorder> recorders; // in record order
    QString ipcFirstBitRate;
    QString ipcSecondBitRate;
    PlanStreamEstimate ipcFirstEstimate;
    PlanStreamEstimate ipcSecondEstimate;
    int ipcBandwidthReservePercent = 0; // of each recorder's bandwidth, kept free

    bool operator==(const IpcPageState& o) const
    {
        return recorders == o.recorders && ipcFirstBitRate == o.ipcFirstBitRate &&
               ipcSecondBitRate == o.ipcSecondBitRate && ipcFirstEstimate == o.ipcFirstEstimate &&
               ipcSecondEstimate == o.ipcSecondEstimate &&
               ipcBandwidthReservePercent == o.ipcBandwidthReservePercent;
    }
    bool operator!=(const IpcPageState& o) const { return !(*this == o); }
};

// Who and what a plan is for, as the report's head names them; every field may be empty.
struct PlanDetails
{
    QString site;
    QString customer;
    QString planner;
    QString notes; // lines end in '\n'

    bool IsEmpty() const
    {
        return site.isEmpty() && customer.isEmpty() && planner.isEmpty() && notes.isEmpty();
    }
    bool operator==(const PlanDetails& o) const
    {
        return site == o.site && customer == o.customer && planner == o.planner && notes == o.notes;
    }
    bool operator!=(const PlanDetails& o) const { return !(*this == o); }
};

// The plan's unit prices of recorders and disks (hundredths, as PlanUnitPrice); a camera
// type's is its record's.
struct PlanPrices
{
    std::map<QString, quint64> recorders; // by model name, built-in or the plan's own
    std::map<int, quint64> disks;         // by size in TB, one of CalDiskSizesTB()

    bool IsEmpty() const { return recorders.empty() && disks.empty(); }
    bool operator==(const PlanPrices& o) const
    {
        return recorders == o.recorders && disks == o.disks;
    }
    bool operator!=(const PlanPrices& o) const { return !(*this == o); }
};

// At most PlanMaxNameChars characters without control characters (empty is no name); a
// lone surrogate would not survive a file in UTF-8.
inline bool IsValidCameraName(const QString& name)
{
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    }
    return name.size() <= PlanMaxNameChars && QStringView(name).isValidUtf16();
}

#endif
