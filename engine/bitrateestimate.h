// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BITRATEESTIMATE_H
#define BITRATEESTIMATE_H

// The expected average bit rate of one camera stream from its settings, for planners who know
// a camera's resolution, frame rate and codec but not its bit rate. docs/bitrate-estimate.md
// gives the formula, every constant and the published figures behind them.
//
// Everything here runs on the caller's thread and keeps no state. Bit rates are the program's
// whole kbps (1 kbps = 1000 bit/s). Texts are English source texts in the "CalMessages"
// context, shown through CalMessage() (engine/validation.h) like the other input checks.

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

enum class CalCodec
{
    H264,
    H265,
    H264Smart, // the camera's variable-rate "smart" mode on top of H.264
    H265Smart,
    MJPEG,
};

enum class CalQuality
{
    Low,
    Normal,
    High,
};

// How much moves in the picture: an empty corridor, a shop floor, a busy road.
enum class CalScene
{
    Quiet,
    Normal,
    Busy,
};

constexpr int CalMinStreamWidth = 160;
constexpr int CalMinStreamHeight = 120;
constexpr int CalMaxStreamSide = 16384; // width and height alike
constexpr int CalMinStreamFps = 1;
constexpr int CalMaxStreamFps = 60;
constexpr int CalMinNightPercent = 0;
constexpr int CalMaxNightPercent = 100;

// One stream's settings, as a window row or a plan file keeps them.
struct CalStreamSettings
{
    int width = 1920;
    int height = 1080;
    int fps = 25;
    CalCodec codec = CalCodec::H265;
    CalQuality quality = CalQuality::Normal;
    CalScene scene = CalScene::Normal;
    // Share of the recorded hours that are infrared night video, whose noise costs bits.
    int nightPercent = 0;

    bool operator==(const CalStreamSettings& o) const
    {
        return width == o.width && height == o.height && fps == o.fps && codec == o.codec &&
               quality == o.quality && scene == o.scene && nightPercent == o.nightPercent;
    }
    bool operator!=(const CalStreamSettings& o) const { return !(*this == o); }
};

// The names plan files and corvane-plan use, in the enumerations' order: "h264", "h265",
// "h264-smart", "h265-smart", "mjpeg"; "low", "normal", "high"; "quiet", "normal", "busy".
const QStringList& CalCodecNames();
const QStringList& CalQualityNames();
const QStringList& CalSceneNames();

// A name of the lists above, in any case and with white space around it; false for any other
// text, leaving the value alone.
bool ParseCodecName(const QString& text, CalCodec* codec);
bool ParseQualityName(const QString& text, CalQuality* quality);
bool ParseSceneName(const QString& text, CalScene* scene);

struct CalResolutionPreset
{
    const char* name;  // as the command line takes it: "720p", "1080p", "4MP", ...
    const char* label; // translatable text for people (CalMessage): "4 MP", ...
    int width;
    int height;
};

// 720p, 1080p, 4MP (2560x1440), 5MP (2592x1944), 4K (3840x2160, also called 8MP) and 12MP
// (4000x3000), in ascending pixel count.
const std::vector<CalResolutionPreset>& CalResolutionPresets();

// "1920x1080" (also with "X", "*" or "×", spaces allowed around the numbers) or a preset name
// in any case ("1080p", "4mp", "4K", "8MP"). True when the text has one of these forms, whatever
// the numbers: the range is CheckStreamSettings' business, so "99x99" reads and is refused
// there with the range. Numbers too large for an int read as INT_MAX.
bool ParseResolution(const QString& text, int* width, int* height);

// The first setting, in the order below, that cannot be estimated.
enum class CalStreamProblem
{
    None,
    ResolutionUnknown, // for a text ParseResolution does not read
    ResolutionRange,
    FrameRateRange,
    CodecUnknown, // for an unknown name, or a value outside the enumeration
    QualityUnknown,
    SceneUnknown,
    NightRange,
};

// Resolution and frame-rate ranges, night share 0 to 100, and enumeration values in range
// (a plan file may hold any number). Never ResolutionUnknown, which only texts give.
CalStreamProblem CheckStreamSettings(const CalStreamSettings& settings);

// What the user is told about a problem, in the user's language, ranges and choices filled
// in; empty for CalStreamProblem::None.
QString StreamSettingsMessage(CalStreamProblem problem);

struct CalBitRateEstimate
{
    bool ok = false; // false when CheckStreamSettings refuses the settings; then all are 0
    int kbps = 0;    // the expected average, at least 1
    int low = 0;     // low <= kbps <= high
    int high = 0;
};

// The expected average bit rate and its likely range. Never decreases when the pixel count,
// frame rate, quality, scene or night share goes up; for the same other settings MJPEG is
// above H.264, H.264 above H.265, and each smart mode below its codec.
CalBitRateEstimate EstimateBitRate(const CalStreamSettings& settings);

// Where an estimate stands against what recorders accept for one stream (CalMinBitRate to
// CalMaxBitRate kbps).
enum class CalRecorderFit
{
    Within,
    Below,
    Above,
};
CalRecorderFit RecorderFit(int kbps);

// The plain statement that `kbps` lies outside what recorders accept, in the user's language;
// empty when it lies within.
QString RecorderFitMessage(int kbps);

// "4 MP, H.265, 15 fps, normal quality, busy scene", with ", 30 % of the time at night with
// infrared" when the night share is not 0, in the user's language, for reports. A resolution
// that is a preset is named by its label, any other as "2048x1536".
QString DescribeStream(const CalStreamSettings& settings);

// The codec as people write it ("H.265 smart"), in the user's language.
QString CodecLabel(CalCodec codec);

namespace CalMessages {
inline constexpr char ResolutionUnknown[] =
    QT_TRANSLATE_NOOP("CalMessages", "The resolution must be WIDTHxHEIGHT or one of %1");
inline constexpr char ResolutionRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The resolution must be from %1x%2 to %3x%3 pixels");
inline constexpr char FrameRateRange[] =
    QT_TRANSLATE_NOOP("CalMessages", "The frame rate must be %1 to %2 frames per second");
inline constexpr char CodecUnknown[] =
    QT_TRANSLATE_NOOP("CalMessages", "The codec must be one of %1");
inline constexpr char QualityUnknown[] =
    QT_TRANSLATE_NOOP("CalMessages", "The quality must be one of %1");
inline constexpr char SceneUnknown[] =
    QT_TRANSLATE_NOOP("CalMessages", "The scene must be one of %1");
inline constexpr char NightRange[] = QT_TRANSLATE_NOOP(
    "CalMessages", "The share of the time at night with infrared must be %1 to %2 percent");
// The estimate and the recorders' limit, both in kbps.
inline constexpr char EstimateAbove[] = QT_TRANSLATE_NOOP(
    "CalMessages",
    "The estimated %1 kbps is above the %2 kbps that recorders accept for one stream");
inline constexpr char EstimateBelow[] = QT_TRANSLATE_NOOP(
    "CalMessages",
    "The estimated %1 kbps is below the %2 kbps that recorders accept for one stream");
// DescribeStream's pieces: resolution, codec, frame rate, quality, scene; then the night share.
inline constexpr char StreamDescription[] =
    QT_TRANSLATE_NOOP("CalMessages", "%1, %2, %3 fps, %4, %5");
inline constexpr char StreamNightShare[] =
    QT_TRANSLATE_NOOP("CalMessages", "%1, %2 % of the time at night with infrared");
inline constexpr char QualityLow[] = QT_TRANSLATE_NOOP("CalMessages", "low quality");
inline constexpr char QualityNormal[] = QT_TRANSLATE_NOOP("CalMessages", "normal quality");
inline constexpr char QualityHigh[] = QT_TRANSLATE_NOOP("CalMessages", "high quality");
inline constexpr char SceneQuiet[] = QT_TRANSLATE_NOOP("CalMessages", "quiet scene");
inline constexpr char SceneNormal[] = QT_TRANSLATE_NOOP("CalMessages", "normal scene");
inline constexpr char SceneBusy[] = QT_TRANSLATE_NOOP("CalMessages", "busy scene");
inline constexpr char CodecH264Smart[] = QT_TRANSLATE_NOOP("CalMessages", "H.264 smart");
inline constexpr char CodecH265Smart[] = QT_TRANSLATE_NOOP("CalMessages", "H.265 smart");
} // namespace CalMessages

#endif
