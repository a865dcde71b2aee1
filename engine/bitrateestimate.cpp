// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bitrateestimate.h"

#include "engine/validation.h"

#include <QRegularExpression>
#include <climits>
#include <cmath>

// The constants, and the published figures they come from, are those of
// docs/bitrate-estimate.md; a change here belongs there too.
namespace {

// H.264 at 1920x1080, 25 fps, normal quality, normal scene, in daylight: the centre of a
// least-squares fit (in logarithms) to two published tables of surveillance bit rates.
constexpr double ReferenceKbps = 3870.0;
constexpr double ReferencePixels = 1920.0 * 1080.0;
constexpr double ReferenceFps = 25.0;
// Bigger pictures and more frames cost less than in proportion: more of each frame is
// predicted from its neighbours.
constexpr double PixelExponent = 0.63;
constexpr double FrameExponent = 0.68;
// Motion JPEG codes every frame alone, so its rate follows the frame rate in proportion.
constexpr double MJPEGFrameExponent = 1.0;

// Against H.264 at the same settings and 25 fps.
constexpr double H265Factor = 0.6;
constexpr double SmartFactor = 0.5; // of the codec the smart mode runs on
constexpr double MJPEGFactor = 7.0;

// One quality step is 4 quantiser steps of H.264/H.265, and 6 of them halve the rate.
const double QualityStep = std::pow(2.0, 4.0 / 6.0);

// Noisy infrared night video, against the same camera by day.
constexpr double NightFactor = 2.0;

double CodecFactor(CalCodec codec)
{
    switch (codec) {
    case CalCodec::H264:
        return 1.0;
    case CalCodec::H265:
        return H265Factor;
    case CalCodec::H264Smart:
        return SmartFactor;
    case CalCodec::H265Smart:
        return H265Factor * SmartFactor;
    case CalCodec::MJPEG:
        return MJPEGFactor;
    }
    return 0.0;
}

double QualityFactor(CalQuality quality)
{
    switch (quality) {
    case CalQuality::Low:
        return 1.0 / QualityStep;
    case CalQuality::Normal:
        return 1.0;
    case CalQuality::High:
        return QualityStep;
    }
    return 0.0;
}

// Predicted codecs spend their bits on what moves; a JPEG frame costs what its detail costs,
// and a busy scene adds less detail than motion.
double SceneFactor(CalCodec codec, CalScene scene)
{
    const bool intra = codec == CalCodec::MJPEG;
    switch (scene) {
    case CalScene::Quiet:
        return intra ? 0.8 : 0.5;
    case CalScene::Normal:
        return 1.0;
    case CalScene::Busy:
        return intra ? 1.25 : 2.0;
    }
    return 0.0;
}

// The range around the estimate: one quality step either way; a smart mode can save up to
// 90 % where the estimate assumes 50 %.
double LowFactor(CalCodec codec)
{
    const bool smart = codec == CalCodec::H264Smart || codec == CalCodec::H265Smart;
    return smart ? 0.2 : 1.0 / QualityStep;
}

bool ParseName(const QStringList& names, const QString& text, int* index)
{
    const QString name = text.trimmed().toLower();
    const qsizetype found = names.indexOf(name);
    if (found < 0)
        return false;
    *index = int(found);
    return true;
}

int WholeKbps(double kbps)
{
    // At least 1: a stream of 0 kbps would mean no stream to the rest of the program.
    return int(qMax<qint64>(1, std::llround(kbps)));
}

QString PresetNameList()
{
    QStringList names;
    for (const CalResolutionPreset& preset : CalResolutionPresets())
        names << QLatin1String(preset.name);
    // The other name of 4K, also read.
    names.insert(names.indexOf(QLatin1String("4K")) + 1, QStringLiteral("8MP"));
    return names.join(QLatin1String(", "));
}

} // namespace

const QStringList& CalCodecNames()
{
    static const QStringList names{QStringLiteral("h264"), QStringLiteral("h265"),
                                   QStringLiteral("h264-smart"), QStringLiteral("h265-smart"),
                                   QStringLiteral("mjpeg")};
    return names;
}

const QStringList& CalQualityNames()
{
    static const QStringList names{QStringLiteral("low"), QStringLiteral("normal"),
                                   QStringLiteral("high")};
    return names;
}

const QStringList& CalSceneNames()
{
    static const QStringList names{QStringLiteral("quiet"), QStringLiteral("normal"),
                                   QStringLiteral("busy")};
    return names;
}

bool ParseCodecName(const QString& text, CalCodec* codec)
{
    int index = 0;
    if (!ParseName(CalCodecNames(), text, &index))
        return false;
    *codec = CalCodec(index);
    return true;
}

bool ParseQualityName(const QString& text, CalQuality* quality)
{
    int index = 0;
    if (!ParseName(CalQualityNames(), text, &index))
        return false;
    *quality = CalQuality(index);
    return true;
}

bool ParseSceneName(const QString& text, CalScene* scene)
{
    int index = 0;
    if (!ParseName(CalSceneNames(), text, &index))
        return false;
    *scene = CalScene(index);
    return true;
}

const std::vector<CalResolutionPreset>& CalResolutionPresets()
{
    // 5 MP is the 4:3 sensor size that published bit-rate tables list.
    static const std::vector<CalResolutionPreset> presets{
        {"720p", "720p", 1280, 720},
        {"1080p", "1080p", 1920, 1080},
        {"4MP", QT_TRANSLATE_NOOP("CalMessages", "4 MP"), 2560, 1440},
        {"5MP", QT_TRANSLATE_NOOP("CalMessages", "5 MP"), 2592, 1944},
        {"4K", "4K", 3840, 2160},
        {"12MP", QT_TRANSLATE_NOOP("CalMessages", "12 MP"), 4000, 3000},
    };
    return presets;
}

bool ParseResolution(const QString& text, int* width, int* height)
{
    const QString given = text.trimmed();
    QString compact = given;
    compact.remove(QLatin1Char(' '));
    for (const CalResolutionPreset& preset : CalResolutionPresets()) {
        if (compact.compare(QLatin1String(preset.name), Qt::CaseInsensitive) == 0 ||
            (QLatin1String(preset.name) == QLatin1String("4K") &&
             compact.compare(QLatin1String("8MP"), Qt::CaseInsensitive) == 0)) {
            *width = preset.width;
            *height = preset.height;
            return true;
        }
    }
    static const QRegularExpression size(QStringLiteral("^([0-9]+)\\s*[xX*\u00d7]\\s*([0-9]+)$"));
    const QRegularExpressionMatch match = size.match(given);
    if (!match.hasMatch())
        return false;
    // Digits only, so a failed reading is a number beyond int.
    const auto read = [](const QString& digits) {
        bool ok = false;
        const int value = digits.toInt(&ok);
        return ok ? value : INT_MAX;
    };
    *width = read(match.captured(1));
    *height = read(match.captured(2));
    return true;
}

CalStreamProblem CheckStreamSettings(const CalStreamSettings& settings)
{
    if (settings.width < CalMinStreamWidth || settings.height < CalMinStreamHeight ||
        settings.width > CalMaxStreamSide || settings.height > CalMaxStreamSide)
        return CalStreamProblem::ResolutionRange;
    if (settings.fps < CalMinStreamFps || settings.fps > CalMaxStreamFps)
        return CalStreamProblem::FrameRateRange;
    if (int(settings.codec) < 0 || int(settings.codec) >= CalCodecNames().size())
        return CalStreamProblem::CodecUnknown;
    if (int(settings.quality) < 0 || int(settings.quality) >= CalQualityNames().size())
        return CalStreamProblem::QualityUnknown;
    if (int(settings.scene) < 0 || int(settings.scene) >= CalSceneNames().size())
        return CalStreamProblem::SceneUnknown;
    if (settings.nightPercent < CalMinNightPercent || settings.nightPercent > CalMaxNightPercent)
        return CalStreamProblem::NightRange;
    return CalStreamProblem::None;
}

QString StreamSettingsMessage(CalStreamProblem problem)
{
    const QString separator = QStringLiteral(", ");
    switch (problem) {
    case CalStreamProblem::None:
        break;
    case CalStreamProblem::ResolutionUnknown:
        return CalMessage(CalMessages::ResolutionUnknown).arg(PresetNameList());
    case CalStreamProblem::ResolutionRange:
        return CalMessage(CalMessages::ResolutionRange)
            .arg(CalMinStreamWidth)
            .arg(CalMinStreamHeight)
            .arg(CalMaxStreamSide);
    case CalStreamProblem::FrameRateRange:
        return CalMessage(CalMessages::FrameRateRange).arg(CalMinStreamFps).arg(CalMaxStreamFps);
    case CalStreamProblem::CodecUnknown:
        return CalMessage(CalMessages::CodecUnknown).arg(CalCodecNames().join(separator));
    case CalStreamProblem::QualityUnknown:
        return CalMessage(CalMessages::QualityUnknown).arg(CalQualityNames().join(separator));
    case CalStreamProblem::SceneUnknown:
        return CalMessage(CalMessages::SceneUnknown).arg(CalSceneNames().join(separator));
    case CalStreamProblem::NightRange:
        return CalMessage(CalMessages::NightRange).arg(CalMinNightPercent).arg(CalMaxNightPercent);
    }
    return QString();
}

CalBitRateEstimate EstimateBitRate(const CalStreamSettings& settings)
{
    CalBitRateEstimate estimate;
    if (CheckStreamSettings(settings) != CalStreamProblem::None)
        return estimate;
    const CalCodec codec = settings.codec;
    const double pixels = double(settings.width) * double(settings.height);
    const double frameExponent = codec == CalCodec::MJPEG ? MJPEGFrameExponent : FrameExponent;
    const double night = 1.0 + settings.nightPercent / 100.0 * (NightFactor - 1.0);
    const double kbps = ReferenceKbps * std::pow(pixels / ReferencePixels, PixelExponent) *
                        std::pow(settings.fps / ReferenceFps, frameExponent) * CodecFactor(codec) *
                        QualityFactor(settings.quality) * SceneFactor(codec, settings.scene) *
                        night;
    estimate.ok = true;
    estimate.kbps = WholeKbps(kbps);
    // Rounding keeps the order, so low <= kbps <= high holds for the whole numbers too.
    estimate.low = WholeKbps(kbps * LowFactor(codec));
    estimate.high = WholeKbps(kbps * QualityStep);
    return estimate;
}

CalRecorderFit RecorderFit(int kbps)
{
    if (kbps < CalMinBitRate)
        return CalRecorderFit::Below;
    if (kbps > CalMaxBitRate)
        return CalRecorderFit::Above;
    return CalRecorderFit::Within;
}

QString RecorderFitMessage(int kbps)
{
    switch (RecorderFit(kbps)) {
    case CalRecorderFit::Within:
        break;
    case CalRecorderFit::Below:
        return CalMessage(CalMessages::EstimateBelow).arg(kbps).arg(CalMinBitRate);
    case CalRecorderFit::Above:
        return CalMessage(CalMessages::EstimateAbove).arg(kbps).arg(CalMaxBitRate);
    }
    return QString();
}

QString CodecLabel(CalCodec codec)
{
    switch (codec) {
    case CalCodec::H264:
        return QStringLiteral("H.264");
    case CalCodec::H265:
        return QStringLiteral("H.265");
    case CalCodec::H264Smart:
        return CalMessage(CalMessages::CodecH264Smart);
    case CalCodec::H265Smart:
        return CalMessage(CalMessages::CodecH265Smart);
    case CalCodec::MJPEG:
        return QStringLiteral("MJPEG");
    }
    return QString();
}

QString DescribeStream(const CalStreamSettings& settings)
{
    QString resolution = QStringLiteral("%1x%2").arg(settings.width).arg(settings.height);
    for (const CalResolutionPreset& preset : CalResolutionPresets()) {
        if (preset.width == settings.width && preset.height == settings.height)
            resolution = CalMessage(preset.label);
    }
    const char* const qualities[] = {CalMessages::QualityLow, CalMessages::QualityNormal,
                                     CalMessages::QualityHigh};
    const char* const scenes[] = {CalMessages::SceneQuiet, CalMessages::SceneNormal,
                                  CalMessages::SceneBusy};
    const int quality = int(settings.quality);
    const int scene = int(settings.scene);
    // Values from a file may lie outside the enumerations; say nothing wrong about them.
    const QString qualityText =
        quality >= 0 && quality < 3 ? CalMessage(qualities[quality]) : QString();
    const QString sceneText = scene >= 0 && scene < 3 ? CalMessage(scenes[scene]) : QString();
    QString text = CalMessage(CalMessages::StreamDescription)
                       .arg(resolution, CodecLabel(settings.codec))
                       .arg(settings.fps)
                       .arg(qualityText, sceneText);
    if (settings.nightPercent != 0)
        text = CalMessage(CalMessages::StreamNightShare).arg(text).arg(settings.nightPercent);
    return text;
}
