// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bitrateestimate.h"

#include <QtTest>

Q_DECLARE_METATYPE(CalStreamProblem)
Q_DECLARE_METATYPE(CalRecorderFit)

namespace {

// "RESOLUTION FPS CODEC [QUALITY [SCENE [NIGHT]]]", read as the command line reads them. A
// codec "#N" stands for the number N where a plan file could hold anything. Returns what is
// wrong with the text, or with the settings it gives.
CalStreamProblem Read(const QString& text, CalStreamSettings* settings)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    *settings = CalStreamSettings();
    if (parts.size() < 3 || !ParseResolution(parts[0], &settings->width, &settings->height))
        return CalStreamProblem::ResolutionUnknown;
    settings->fps = parts[1].toInt();
    if (parts[2].startsWith(QLatin1Char('#')))
        settings->codec = CalCodec(parts[2].mid(1).toInt());
    else if (!ParseCodecName(parts[2], &settings->codec))
        return CalStreamProblem::CodecUnknown;
    if (parts.size() > 3 && !ParseQualityName(parts[3], &settings->quality))
        return CalStreamProblem::QualityUnknown;
    if (parts.size() > 4 && !ParseSceneName(parts[4], &settings->scene))
        return CalStreamProblem::SceneUnknown;
    if (parts.size() > 5)
        settings->nightPercent = parts[5].toInt();
    return CheckStreamSettings(*settings);
}

CalBitRateEstimate Estimate(const QString& text)
{
    CalStreamSettings settings;
    if (Read(text, &settings) != CalStreamProblem::None)
        return CalBitRateEstimate();
    return EstimateBitRate(settings);
}

} // namespace

class TestBitRateEstimate : public QObject
{
    Q_OBJECT

private slots:
    void publishedFigures_data();
    void publishedFigures();
    void ordering_data();
    void ordering();
    void refusals_data();
    void refusals();
    void recorderFit_data();
    void recorderFit();
};

void TestBitRateEstimate::publishedFigures_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("published"); // kbps
    QTest::addColumn<double>("tolerance");

    // Unifore, "Simple guide of IP camera bitrate setting": H.264 in daylight.
    QTest::newRow("1080p 30 fps H.264") << "1080p 30 h264" << 4000 << 0.25;
    QTest::newRow("720p 30 fps H.264") << "720p 30 h264" << 2000 << 0.35;
    QTest::newRow("5 MP 10 fps H.264") << "2592x1944 10 h264" << 3000 << 0.25;
    // iviport FAQ on the channel an IP camera needs: H.264, high quality; 5-9 Mb/s at 25 fps.
    QTest::newRow("1080p 12 fps H.264 high") << "1080p 12 h264 high" << 4096 << 0.25;
    QTest::newRow("1080p 25 fps H.264 high") << "1080p 25 h264 high" << 7000 << 0.25;
    // The Kush gauge: 1920 x 1080 x 30 x motion rank 2 x 0.07 bit/s.
    QTest::newRow("1080p 30 fps H.264 busy") << "1080p 30 h264 normal busy" << 8709 << 0.10;
    // A 4K stream takes 10 Mb/s in H.264 and 5 Mb/s in H.265 (SafeBusy, camera bit rate).
    QTest::newRow("4K H.264") << "4K 25 h264" << 10000 << 0.25;
    QTest::newRow("4K H.265") << "8mp 25 h265" << 5000 << 0.25;
    // Identiv 3VR bandwidth page: 1280x1024, 10 fps, medium quality, MJPEG about 10,000 kb/s.
    QTest::newRow("1280x1024 10 fps MJPEG") << "1280x1024 10 mjpeg" << 10000 << 0.25;
    // AVer camera manual: a VGA JPEG frame is 20 to 50 KB; 35 KB x 8 x 30 fps.
    QTest::newRow("VGA 30 fps MJPEG") << "640x480 30 mjpeg" << 8400 << 0.25;
}

void TestBitRateEstimate::publishedFigures()
{
    QFETCH(QString, settings);
    QFETCH(int, published);
    QFETCH(double, tolerance);
    const CalBitRateEstimate estimate = Estimate(settings);
    QVERIFY(estimate.ok);
    QVERIFY2(std::abs(estimate.kbps - published) <= tolerance * published,
             qPrintable(QString::number(estimate.kbps)));
    // The range is meant to hold what published sources say.
    QVERIFY(estimate.low <= published && published <= estimate.high);
    QVERIFY(estimate.low <= estimate.kbps && estimate.kbps <= estimate.high);
}

void TestBitRateEstimate::ordering_data()
{
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("higher");
    QTest::addColumn<bool>("strict"); // false where rounding may leave both equal

    QTest::newRow("1080p to 4 MP") << "1080p 25 h265"
                                   << "4mp 25 h265" << true;
    QTest::newRow("4 MP to 5 MP") << "4MP 25 h264"
                                  << "5MP 25 h264" << true;
    QTest::newRow("4K to 12 MP") << "4K 25 mjpeg"
                                 << "12MP 25 mjpeg" << true;
    QTest::newRow("one column more, smallest") << "160x120 1 h265-smart low quiet"
                                               << "161x120 1 h265-smart low quiet" << false;
    QTest::newRow("one row more, largest") << "16384x16383 60 mjpeg high busy 100"
                                           << "16384x16384 60 mjpeg high busy 100" << false;
    QTest::newRow("15 to 30 fps") << "1080p 15 h264"
                                  << "1080p 30 h264" << true;
    QTest::newRow("59 to 60 fps") << "4K 59 h265-smart"
                                  << "4K 60 h265-smart" << false;
    QTest::newRow("1 to 2 fps, MJPEG") << "720p 1 mjpeg"
                                       << "720p 2 mjpeg" << true;
    QTest::newRow("low to normal quality") << "1080p 25 h265 low"
                                           << "1080p 25 h265 normal" << true;
    QTest::newRow("normal to high quality") << "1080p 25 mjpeg normal"
                                            << "1080p 25 mjpeg high" << true;
    QTest::newRow("quiet to normal scene") << "1080p 25 h264 normal quiet"
                                           << "1080p 25 h264 normal normal" << true;
    QTest::newRow("normal to busy scene") << "1080p 25 h264-smart normal normal"
                                          << "1080p 25 h264-smart normal busy" << true;
    QTest::newRow("quiet to normal scene, MJPEG") << "1080p 10 mjpeg normal quiet"
                                                  << "1080p 10 mjpeg normal normal" << true;
    QTest::newRow("normal to busy scene, MJPEG") << "1080p 10 mjpeg normal normal"
                                                 << "1080p 10 mjpeg normal busy" << true;
    QTest::newRow("no night to half night") << "1080p 25 h265 normal normal 0"
                                            << "1080p 25 h265 normal normal 50" << true;
    QTest::newRow("99 to 100 % night") << "720p 10 h264 normal normal 99"
                                       << "720p 10 h264 normal normal 100" << false;
    QTest::newRow("H.265 below H.264") << "1080p 25 h265"
                                       << "1080p 25 h264" << true;
    QTest::newRow("H.264 below MJPEG") << "1080p 25 h264"
                                       << "1080p 25 mjpeg" << true;
    QTest::newRow("H.264 smart below H.264") << "1080p 25 h264-smart"
                                             << "1080p 25 h264" << true;
    QTest::newRow("H.265 smart below H.265") << "1080p 25 h265-smart"
                                             << "1080p 25 h265" << true;
    // Where the codecs come closest: least pixels and frames, and for MJPEG a busy scene.
    QTest::newRow("H.264 below MJPEG, smallest busy") << "160x120 1 h264 high busy"
                                                      << "160x120 1 mjpeg high busy" << true;
    QTest::newRow("H.264 smart below H.264, smallest") << "160x120 1 h264-smart low quiet"
                                                       << "160x120 1 h264 low quiet" << true;
    QTest::newRow("H.265 smart below H.265, smallest") << "160x120 1 h265-smart low quiet"
                                                       << "160x120 1 h265 low quiet" << true;
    QTest::newRow("H.265 below H.264, largest") << "16384x16384 60 h265 high busy 100"
                                                << "16384x16384 60 h264 high busy 100" << true;
}

void TestBitRateEstimate::ordering()
{
    QFETCH(QString, lower);
    QFETCH(QString, higher);
    QFETCH(bool, strict);
    const CalBitRateEstimate below = Estimate(lower);
    const CalBitRateEstimate above = Estimate(higher);
    QVERIFY(below.ok && above.ok);
    const QByteArray both =
        QByteArray::number(below.kbps) + " and " + QByteArray::number(above.kbps);
    QVERIFY2(strict ? below.kbps < above.kbps : below.kbps <= above.kbps, both.constData());
    for (const CalBitRateEstimate& estimate : {below, above})
        QVERIFY(estimate.low <= estimate.kbps && estimate.kbps <= estimate.high);
}

void TestBitRateEstimate::refusals_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<CalStreamProblem>("problem");
    QTest::addColumn<QString>("message");

    const QString size =
        QStringLiteral("The resolution must be from 160x120 to 16384x16384 pixels");
    const QString fps = QStringLiteral("The frame rate must be 1 to 60 frames per second");
    const QString codecs =
        QStringLiteral("The codec must be one of h264, h265, h264-smart, h265-smart, mjpeg");
    const QString night =
        QStringLiteral("The share of the time at night with infrared must be 0 to 100 percent");
    const auto None = CalStreamProblem::None;

    QTest::newRow("smallest of everything") << "160x120 1 h264 low quiet 0" << None << QString();
    QTest::newRow("largest of everything")
        << "16384X16384 60 MJPEG High BUSY 100" << None << QString();
    QTest::newRow("one column too few")
        << "159x120 25 h264" << CalStreamProblem::ResolutionRange << size;
    QTest::newRow("one row too many")
        << "1920x16385 25 h264" << CalStreamProblem::ResolutionRange << size;
    QTest::newRow("width beyond int")
        << "99999999999x1080 25 h264" << CalStreamProblem::ResolutionRange << size;
    QTest::newRow("unknown preset")
        << "8K 25 h264" << CalStreamProblem::ResolutionUnknown
        << "The resolution must be WIDTHxHEIGHT or one of 720p, 1080p, 4MP, 5MP, 4K, 8MP, 12MP";
    QTest::newRow("no frames") << "1080p 0 h264" << CalStreamProblem::FrameRateRange << fps;
    QTest::newRow("61 fps") << "1080p 61 h264" << CalStreamProblem::FrameRateRange << fps;
    QTest::newRow("unknown codec") << "1080p 25 h266" << CalStreamProblem::CodecUnknown << codecs;
    QTest::newRow("codec number beyond the list")
        << "1080p 25 #5" << CalStreamProblem::CodecUnknown << codecs;
    QTest::newRow("unknown quality") << "1080p 25 h264 best" << CalStreamProblem::QualityUnknown
                                     << "The quality must be one of low, normal, high";
    QTest::newRow("unknown scene")
        << "1080p 25 h264 normal crowded" << CalStreamProblem::SceneUnknown
        << "The scene must be one of quiet, normal, busy";
    QTest::newRow("night above 100 %")
        << "1080p 25 h264 normal normal 101" << CalStreamProblem::NightRange << night;
    QTest::newRow("negative night")
        << "1080p 25 h264 normal normal -1" << CalStreamProblem::NightRange << night;
}

void TestBitRateEstimate::refusals()
{
    QFETCH(QString, settings);
    QFETCH(CalStreamProblem, problem);
    QFETCH(QString, message);
    CalStreamSettings read;
    QCOMPARE(Read(settings, &read), problem);
    QCOMPARE(StreamSettingsMessage(problem), message);
    // A name refused as text leaves settings that are fine in themselves.
    if (CheckStreamSettings(read) != problem)
        return;
    const CalBitRateEstimate estimate = EstimateBitRate(read);
    QCOMPARE(estimate.ok, problem == CalStreamProblem::None);
    if (!estimate.ok)
        QCOMPARE(estimate.kbps + estimate.low + estimate.high, 0);
}

void TestBitRateEstimate::recorderFit_data()
{
    QTest::addColumn<int>("kbps");
    QTest::addColumn<CalRecorderFit>("fit");
    QTest::addColumn<QString>("message");

    QTest::newRow("one below the least")
        << 31 << CalRecorderFit::Below
        << "The estimated 31 kbps is below the 32 kbps that recorders accept for one stream";
    QTest::newRow("the least") << 32 << CalRecorderFit::Within << QString();
    QTest::newRow("the most") << 16384 << CalRecorderFit::Within << QString();
    QTest::newRow("one above the most")
        << 16385 << CalRecorderFit::Above
        << "The estimated 16385 kbps is above the 16384 kbps that recorders accept for one stream";
}

void TestBitRateEstimate::recorderFit()
{
    QFETCH(int, kbps);
    QFETCH(CalRecorderFit, fit);
    QFETCH(QString, message);
    QCOMPARE(RecorderFit(kbps), fit);
    QCOMPARE(RecorderFitMessage(kbps), message);
}

QTEST_GUILESS_MAIN(TestBitRateEstimate)
#include "tst_bitrateestimate.moc"
