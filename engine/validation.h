// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VALIDATION_H
#define VALIDATION_H

// The input checks of the two calculator pages, kept beside the calculations so that the
// pages and the command-line planner accept and refuse exactly the same input, with the
// same texts. The texts are English source texts, translated in the "CalMessages" context
// (CalMessage) by the pages; the planner prints them as they are.

#include "engine/bitrate.h"
#include "engine/calrecords.h"
#include "engine/nvrcatalogue.h"
#include "engine/storage.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

constexpr int CalMinBitRate = 32;    // kbps of one stream
constexpr int CalMaxBitRate = 16384; // kbps of one stream
constexpr int CalMaxTotal = 1000000; // recorders on "IPC Calculate", cameras on "NVR Calculate"
constexpr int CalMaxIPCTypes = 100;  // record rows of "NVR Calculate"
constexpr int CalDefaultBitRateIndex = 6;

// What the count editors let be typed, for a QRegularExpressionValidator (which anchors it
// itself): digits, and spaces around them as a paste may bring; the range is checked apart.
inline constexpr char CalCountPattern[] = "\\s*[0-9]{0,7}\\s*";

namespace CalMessages {
inline constexpr char ErrorTitle[] = QT_TRANSLATE_NOOP("CalMessages", "Error");
inline constexpr char NVRTypeExists[] =
    QT_TRANSLATE_NOOP("CalMessages", "The NVR Type already exists");
inline constexpr char NVRTypeInvalid[] =
    QT_TRANSLATE_NOOP("CalMessages", "The NVR Type is not valid");
inline constexpr char NumberBlank[] =
    QT_TRANSLATE_NOOP("CalMessages", "The number can not be blank");
inline constexpr char ChannelInvalid[] =
    QT_TRANSLATE_NOOP("CalMessages", "The Channel number is not valid");
// "IPC Calculate" shows these two lines with "<br/>" between them.
inline constexpr char BitRateInvalid[] =
    QT_TRANSLATE_NOOP("CalMessages", "The Bit rate is not valid.");
inline constexpr char BitRateRange[] = QT_TRANSLATE_NOOP("CalMessages", "range 0 or 32k-16384k.");
// "NVR Calculate" shows this one.
// Said at a number editor that refused a keystroke or a paste.
inline constexpr char WholeNumbersOnly[] =
    QT_TRANSLATE_NOOP("CalMessages", "Only whole numbers can be typed here.");
// Said instead when a bit rate has a fractional part ("4.5M").
inline constexpr char BitRateWhole[] = QT_TRANSLATE_NOOP(
    "CalMessages", "Bit rates are whole numbers of kbps (e.g. 4608 or 4608k, not 4.5M)");
inline constexpr char BitRateInvalidRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The Bit rate is not valid(range 0 or 32k-16384k)");
inline constexpr char TooManyNVRs[] =
    QT_TRANSLATE_NOOP("CalMessages", "The sum of NVR number can not be bigger than 1000000");
inline constexpr char TooManyIPCs[] =
    QT_TRANSLATE_NOOP("CalMessages", "The sum of IPC number can not be bigger than 1000000");
// Framing the offending camera-type numbers (see JoinIPCTypeNumbers).
inline constexpr char BandwidthPrefix[] =
    QT_TRANSLATE_NOOP("CalMessages", "The Bit Rate of IPC Type");
inline constexpr char BandwidthSuffix[] =
    QT_TRANSLATE_NOOP("CalMessages", "is bigger than NVR Bandwidth");
// One camera type whose bit rate no recorder of the model can take: its number, its kbps, the
// model and its bandwidth.
inline constexpr char BandwidthExceeded[] =
    QT_TRANSLATE_NOOP("CalMessages", "IPC type %1: %2 kbps is above the %3 bandwidth of %4 kbps");
// The storage inputs' ranges, filled in by StorageInputMessage.
inline constexpr char RetentionRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The retention must be %1 to %2 days");
inline constexpr char HoursRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The recording hours must be %1 to %2 a day");
inline constexpr char RecordedRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The recorded share must be %1 to %2 percent");
inline constexpr char StorageChoices[] =
    QT_TRANSLATE_NOOP("CalMessages", "Choose the streams, the disk size and the redundancy");
inline constexpr char StorageReserveRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The space kept free on the disks must be %1 to %2 percent");
inline constexpr char HotSparesRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The hot spares must be %1 to %2 disks per recorder");
// The days kept by disks given per recorder (DaysKeptMessage).
inline constexpr char DisksPerRecorderRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The disks per recorder must be %1 to %2");
inline constexpr char DaysKeptDiskSize[] =
    QT_TRANSLATE_NOOP("CalMessages", "Choose the size of the disks each recorder holds");
// The hot spares, then the fewest disks a recorder needs for them and the redundancy.
inline constexpr char TooFewDisks[] = QT_TRANSLATE_NOOP(
    "CalMessages",
    "Too few disks: with %1 hot spares and this redundancy a recorder needs at least %2 disks");
// The share of each recorder's bandwidth a planner keeps free.
inline constexpr char BandwidthReserveRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The bandwidth kept free must be %1 to %2 percent");
// BandwidthExceeded with a reserve: the camera type's number, its kbps, the model, the kbps a
// recorder may fill and the percent kept free.
inline constexpr char UsableBandwidthExceeded[] =
    QT_TRANSLATE_NOOP("CalMessages", "IPC type %1: %2 kbps is above the %4 kbps one %3 may fill "
                                     "with %5 % of its bandwidth kept free");
// The bill of materials (BillProblemMessage).
inline constexpr char BillStorage[] = QT_TRANSLATE_NOOP(
    "CalMessages", "The disks cannot be counted: the storage of a result line is not worked out");
inline constexpr char BillPriceRange[] = QT_TRANSLATE_NOOP(
    "CalMessages", "A unit price must be 0 to %1, in the smallest unit of the currency");
inline constexpr char BillTotalRange[] = QT_TRANSLATE_NOOP(
    "CalMessages", "A total would be above %1, so the bill is given without prices");
// A recorder model a planner defines, field by field (see CheckModel).
inline constexpr char ModelNameRule[] =
    QT_TRANSLATE_NOOP("CalMessages", "A model name is 1 to %1 characters, without control "
                                     "characters or spaces at either end");
inline constexpr char ModelNameTaken[] =
    QT_TRANSLATE_NOOP("CalMessages", "Another recorder model is already called \"%1\"");
inline constexpr char ModelBandwidthRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The bandwidth must be %1 to %2 kbps");
inline constexpr char ModelChannelsRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The channels must be %1 to %2");
inline constexpr char ModelDisabledRange[] = QT_TRANSLATE_NOOP(
    "CalMessages", "The channels that may be disabled must be 0 to the model's channels");
inline constexpr char ModelBaysRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The disk bays must be %1 to %2, or unknown");
inline constexpr char ModelDiskRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The largest disk must be %1 to %2 TB, or unknown");
inline constexpr char TooManyModels[] =
    QT_TRANSLATE_NOOP("CalMessages", "A plan or catalogue holds at most %1 recorder models");
} // namespace CalMessages

// Why `model` is refused at `field` (CheckModel's answer), in the user's language.
QString ModelFieldMessage(CalModelField field, const CalNVRInfo& model);

// One of the texts above in the user's language.
QString CalMessage(const char* text);

// What the user is told about the first storage input CheckStorageInputs refuses in `inputs`,
// in the user's language; empty for CalStorageInput::None.
QString StorageInputMessage(CalStorageInput input, const CalStorageInputs& inputs = {});

// Why the days kept could not be worked out, in the user's language, from the answer and the
// inputs it was given; empty without a problem and for CalDaysKeptProblem::Cameras, which no
// user's input causes.
QString DaysKeptMessage(const CalDaysKept& kept, const CalStorageInputs& inputs);

// The range of the bandwidth kept free when `reservePercent` is outside it, else empty.
QString BandwidthReserveMessage(int reservePercent);

// "0", "32", ... "16384(16M)": the items of every bit-rate combo box, in order.
QStringList BitRateChoices();

// 0, or 32 to 16384 kbps.
bool IsValidBitRate(int kbps);
bool IsValidBitRateText(const QString& text);
// The message for a bit-rate text that is not valid: whole numbers, or the range.
const char* BitRateProblem(const QString& text);

// A count of 0 to CalMaxTotal in decimal digits, spaces around them ignored and leading zeros
// read as a person would ("012" is 12); the empty text is not a count ("The number can not be
// blank").
bool IsValidCountText(const QString& text);
// A count editor's text as the pages read it: an empty or unreadable text counts 0.
int CountFromText(const QString& text);

// 0 to the model's maxDisableChannels.
bool IsValidDisabledChannels(const CalNVRInfo& model, int disabledChannels);

// At most CalMaxTotal; exactly CalMaxTotal is accepted.
bool IsTotalWithinLimit(qint64 total);

// One record row of "IPC Calculate" that names a valid model.
struct CalNVRRow
{
    int id = 0;
    int disabledChannels = 0;
    int count = 0;
};

// The selection CalIPCCapacity takes: rows with a count other than 0, the first row of a
// model winning. `total` receives the sum of all counts, for the limit check.
CalNVRSelection BuildNVRSelection(const std::vector<CalNVRRow>& rows, qint64* total);

// What "NVR Calculate" decides before it starts the worker, in the page's order.
enum class CalNVRCheck
{
    Ok,
    TooManyIPCs,          // CalMessages::TooManyIPCs
    BitRateOverBandwidth, // CalMessages::BandwidthPrefix ... BandwidthSuffix
};

// `rows` are all record rows, numbered by id; `offending` receives the ids of rows whose bit
// rate exceeds the bandwidth a recorder may fill, in row order, whatever their count: the
// model's `bandwidth`, less the share `reservePercent` kept free (ReservedBandwidth). Check the
// reserve with IsValidBandwidthReserve first: one out of range leaves no bandwidth.
CalNVRCheck CheckNVRRequest(const std::vector<CalIPCInfo>& rows, int bandwidth,
                            std::vector<int>* offending, int reservePercent = 0);

// The rows that go to the grouping: bit rate and count both other than 0.
std::vector<CalIPCInfo> SelectIPCsToGroup(const std::vector<CalIPCInfo>& rows);

// The offending numbers as the bandwidth message lists them: "1   ,2".
QString JoinIPCTypeNumbers(const std::vector<int>& ids);

#endif
