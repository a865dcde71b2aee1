// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STORAGE_H
#define STORAGE_H

// How much disk the recorders of an "NVR Calculate" result need to keep the site's video for
// a number of days, and how many disks of one size that is, with redundancy.
//
// Units, as the user guide (docs/storage.md) states them:
// - bit rates are the program's whole kbps (the "M" of the choice lists being 1024 k); one
//   kbps is 1000 bits per second, as bit rates are counted on the wire;
// - bytes = bit rate x seconds recorded / 8, so one kbps recorded for one second is 125 bytes;
// - 1 TB = 10^12 bytes, as disk makers count.
// Hours per day and the recorded share are whole numbers, so a day records exactly
// hours x share x 36 seconds: nothing is rounded until disks are counted, which rounds up.
//
// Amounts are kept in kilobits (kbps x seconds), which is exact and fits an unsigned 64-bit
// integer for a million cameras at the highest bit rate on both streams for the longest
// retention (about 1.03e19 of the 1.84e19 available); the same amount in bytes would not.
// Beyond the program's limits the sums are checked and reported as not ok, never wrapped.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

enum class CalStreams
{
    FirstOnly,
    Both,
};

enum class CalRedundancy
{
    None,         // every disk holds data
    Mirrored,     // every data disk has a copy: twice the disks, at least two
    SingleParity, // one disk more, at least three
    DoubleParity, // two disks more, at least four
};

constexpr int CalMinRetentionDays = 1;
constexpr int CalMaxRetentionDays = 3650;
constexpr int CalMinHoursPerDay = 1;
constexpr int CalMaxHoursPerDay = 24;
constexpr int CalMinRecordedPercent = 1;
constexpr int CalMaxRecordedPercent = 100;
constexpr int CalDefaultDiskTB = 8;
// Space kept free on every disk, in whole percent: a disk of D TB holds D x (100 - R) / 100 TB
// of video.
constexpr int CalMinStorageReserve = 0;
constexpr int CalMaxStorageReserve = 30;
// Idle disks each recorder holds to stand in for a failed one, beside its set.
constexpr int CalMinHotSpares = 0;
constexpr int CalMaxHotSpares = 4;
// The disks a recorder may be given when the days kept are asked for instead of the retention.
constexpr int CalMinDisksPerRecorder = 1;
constexpr int CalMaxDisksPerRecorder = 255;
// A disk-size choice besides the sizes: each result line takes the smallest offered size whose
// disks fit its recorder model's bays.
constexpr int CalDiskSmallestFits = 0;

// The names of the streams and redundancy choices as plan files and corvane-plan spell them,
// in the enumerations' order.
const QStringList& CalStreamNames();
const QStringList& CalRedundancyNames();

// The disk sizes offered, in TB, ascending.
std::vector<int> CalDiskSizesTB();

// What the storage inputs ask: the disks a retention needs, or the days given disks keep.
enum class CalStorageGoal
{
    Disks,    // the retention is given
    DaysKept, // the disks of each recorder are given (disksPerRecorder of diskTB)
};

struct CalStorageInputs
{
    CalStorageGoal goal = CalStorageGoal::Disks;
    int retentionDays = 30;   // read only when the disks are asked for
    int disksPerRecorder = 4; // read only when the days kept are asked for
    int hoursPerDay = 24;
    int recordedPercent = 100; // share of those hours recorded, e.g. for motion recording
    CalStreams streams = CalStreams::FirstOnly;
    int diskTB = CalDefaultDiskTB; // one of CalDiskSizesTB(), or CalDiskSmallestFits
    CalRedundancy redundancy = CalRedundancy::None;
    int storageReservePercent = 0; // kept free on every disk
    int hotSpares = 0;             // per recorder, beside the redundancy's set

    bool operator==(const CalStorageInputs& o) const
    {
        return goal == o.goal && retentionDays == o.retentionDays &&
               disksPerRecorder == o.disksPerRecorder && hoursPerDay == o.hoursPerDay &&
               recordedPercent == o.recordedPercent && streams == o.streams && diskTB == o.diskTB &&
               redundancy == o.redundancy && storageReservePercent == o.storageReservePercent &&
               hotSpares == o.hotSpares;
    }
    bool operator!=(const CalStorageInputs& o) const { return !(*this == o); }
};

// The first input, in the order above, that is out of range, or None when all are usable.
// Enumerations are checked too, since they may come from a file as numbers.
enum class CalStorageInput
{
    None,
    RetentionDays,
    HoursPerDay,
    RecordedPercent,
    Streams,
    DiskSize,
    Redundancy,
    StorageReserve,
    HotSpares,
    Goal,
    // Asking for the days kept:
    DisksPerRecorder, // not CalMinDisksPerRecorder to CalMaxDisksPerRecorder
    DaysKeptDiskSize, // "smallest that fits": the disks are given, so is their size
    TooFewDisks,      // fewer than the hot spares and the redundancy's smallest set
};
CalStorageInput CheckStorageInputs(const CalStorageInputs& inputs);

// One camera type on a recorder: both streams' bit rates in kbps and how many cameras.
struct CalStorageCamera
{
    int firstKbps = 0;
    int secondKbps = 0;
    int count = 0;
};

// One result line: nvrCount recorders, each carrying these cameras.
struct CalStorageLine
{
    int nvrCount = 0;
    std::vector<CalStorageCamera> cameras;
};

// Whether one recorder's disks can be built into its model.
enum class CalBayFit
{
    Unknown, // the model does not say how many disks it holds
    Fits,
    TooManyDisks, // more disks than bays
    DiskTooLarge, // the disk size is above the model's largest
    NoSizeFits,   // "smallest that fits": no offered size does
};

struct CalStorage
{
    // False when the inputs are out of range, a camera has a negative bit rate or count, or
    // the amount leaves 64 bits (only possible beyond the program's limits). Then the two
    // amounts below are 0.
    bool ok = false;
    quint64 kilobits = 0;               // kbps x seconds; bytes are 125 times this
    quint64 disks = 0;                  // including the redundancy's disks
    int diskTB = 0;                     // the size counted; on the site 0 when its lines differ
    CalBayFit fit = CalBayFit::Unknown; // one recorder only
    quint64 linesNotFitting = 0;        // the site only: lines whose disks cannot be built
};

// Seconds recorded over the whole retention period: days x hours x share x 36, at most
// 315,360,000; 0 when the days, hours or share are out of range.
quint64 RecordedSeconds(const CalStorageInputs& inputs);

// Disks of `diskTB` TB for `kilobits`: data disks rounded up, each holding its size less the
// `storageReservePercent` kept free, then the redundancy's disks and its minimum, then the
// `hotSpares`; no disks at all when there is nothing to store. The disks of one recorder form
// one set beside its spares. 0 for a disk size, redundancy, reserve or spare count out of range.
quint64 DisksNeeded(quint64 kilobits, int diskTB, CalRedundancy redundancy,
                    int storageReservePercent = 0, int hotSpares = 0);

// The fewest disks a set with `redundancy` can have: 1, 2 (mirrored), 3 or 4 (parity);
// 0 for a redundancy out of range.
int SmallestSet(CalRedundancy redundancy);

// What one recorder's disks are used for.
struct CalDiskSplit
{
    // False when the disks cannot hold the hot spares and the redundancy's smallest set, or an
    // input is out of range; then all counts are 0. No disks at all split into nothing (ok).
    bool ok = false;
    quint64 data = 0;       // hold the video
    quint64 redundancy = 0; // the mirror copies or the parity disks
    quint64 spares = 0;
    quint64 unused = 0; // mirrored only: the odd disk of an odd set, which nothing pairs
};
// Splits `disks` of one recorder: the `hotSpares` first, the rest is the set. Mirrored: half
// the set, rounded down, holds data and as many disks hold the copies; single parity: the set
// less one, from a set of 3; double parity: the set less two, from a set of 4; none: the set.
CalDiskSplit SplitDisks(quint64 disks, CalRedundancy redundancy, int hotSpares);

// What one recorder carrying `cameras` needs. With CalDiskSmallestFits its disks are counted
// at the largest offered size until FitDisks chooses. With the days kept asked for, the disks
// given instead, and as the amount what their data disks hold after the reserve.
CalStorage RecorderStorage(const std::vector<CalStorageCamera>& cameras,
                           const CalStorageInputs& inputs);

// The site: each line's storage and disks times its recorder count, summed; not ok when a
// line is not or a recorder count is negative. Disks are summed
// per recorder (every recorder has its own), not counted again from the total storage.
CalStorage SiteStorage(const std::vector<CalStorageLine>& lines, const CalStorageInputs& inputs);

// Judges one recorder's disks against its model (0 for an unknown bay count or largest disk);
// under CalDiskSmallestFits first picks the smallest offered size, not above the largest disk,
// whose disks fit the bays; with unknown bays that is the largest such size (fewest disks).
void FitDisks(CalStorage& recorder, const CalStorageInputs& inputs, int bays, int largestDiskTB);

// The site from its lines' recorders and their recorder counts (same length): amounts and disks
// summed, the common disk size, the lines that do not fit; not ok when a line is not.
CalStorage SumSiteStorage(const std::vector<CalStorage>& lines, const std::vector<int>& nvrCounts);

// How long disks given per recorder keep the video: the alternative to asking how many disks a
// retention needs.
enum class CalDaysKeptProblem
{
    None,
    Inputs,      // CheckStorageInputs refuses one (the retention is not read here)
    DiskSize,    // "smallest that fits" chooses no size here: the disks are given
    DiskCount,   // not CalMinDisksPerRecorder to CalMaxDisksPerRecorder
    TooFewDisks, // not enough for the hot spares and the redundancy's smallest set
    Cameras,     // a negative bit rate, count or recorder count: no input of the user's
};
struct CalDaysKept
{
    CalDaysKeptProblem problem = CalDaysKeptProblem::Inputs;
    // Whole days the data disks hold; 0 when there is a problem or nothing is recorded.
    quint64 days = 0;
    bool unlimited = false;     // nothing is recorded, so the disks never fill
    CalDiskSplit split;         // of one recorder's disks
    quint64 usableKilobits = 0; // what one recorder's data disks hold after the reserve
    quint64 kilobitsPerDay = 0; // what one recorder records a day; the site: its shortest line's
    int line = -1;              // the site only: the line keeping the fewest days
};
// One recorder carrying `cameras` with `disks` disks of inputs.diskTB:
//   usable kilobits = data disks (SplitDisks) x diskTB x 8 x 10^9 x (100 - reserve) / 100,
//   kilobits a day  = recorded kbps x hours x share x 36,
//   days            = usable kilobits / kilobits a day, rounded down.
// Every amount is a whole number of kilobits (125 bytes), so the division is exact: the last
// day counts only when the disks hold all of it.
CalDaysKept RecorderDaysKept(const std::vector<CalStorageCamera>& cameras,
                             const CalStorageInputs& inputs, int disks);
// The site, every recorder with `disks` disks: the shortest of its lines' days, lines without
// recorders left out; unlimited when no line records anything; the first problem of a line.
CalDaysKept SiteDaysKept(const std::vector<CalStorageLine>& lines, const CalStorageInputs& inputs,
                         int disks);

// The amount in TB (10^12 bytes), for display.
double StorageTerabytes(quint64 kilobits);
// The amount in TB with six decimals (whole megabytes, rounded half up), as every output of
// the program writes it.
QString StorageTerabytesText(quint64 kilobits);
// The exact number of bytes in decimal digits, which may exceed 64 bits.
QString StorageBytesText(quint64 kilobits);
// The amount in TiB (2^40 bytes, as operating systems count disks) with two decimals, rounded
// half up, exact however large the amount: "21.12" for 23.22 TB. Beside every TB figure, so
// that a planner can compare with what a recorder or computer will show; the TB figure with
// six decimals and the exact bytes stay the exact amount.
QString StorageTebibytesText(quint64 kilobits);

#endif
