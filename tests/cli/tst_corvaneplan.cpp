// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cameravalue.h"
#include "engine/nvrcatalogue.h"
#include "engine/validation.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <cmath>
#include <random>

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

static Run Plan(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(CORVANE_PLAN_PATH), arguments);
    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Arguments split at spaces; text between single quotes is one argument, spaces and all.
// "PLANS/" names the folder of the test plans.
static QStringList Split(const QString& arguments)
{
    QStringList split;
    const QStringList quoted = arguments.split(QLatin1Char('\''));
    for (qsizetype i = 0; i < quoted.size(); ++i) {
        if (i % 2 == 1)
            split << quoted[i];
        else
            split << quoted[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    for (QString& argument : split)
        argument.replace(QLatin1String("PLANS/"), QStringLiteral(CORVANE_TEST_PLANS "/"));
    return split;
}

class TestCorvanePlan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void modelsJsonIsTheCatalogue();
    void modelsTextOneLineEach();
    void exactOutput_data();
    void exactOutput();
    void recordersJson_data();
    void recordersJson();
    void storageJson_data();
    void storageJson();
    void refusals_data();
    void refusals();
    void helpDescribesEveryForm();
    void examplesRunAsPrinted_data();
    void examplesRunAsPrinted();
    void cameraValueSplitAsEveryReadingWouldBe();
};

void TestCorvanePlan::initTestCase()
{
    InitNVRTypeTable();
}

void TestCorvanePlan::modelsJsonIsTheCatalogue()
{
    const Run run = Plan({"models", "--json"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    const QJsonArray models = QJsonDocument::fromJson(run.out.toUtf8()).array();
    QCOMPARE(models.size(), int(NVRTypeList.size()));
    for (const CalNVRInfo& row : NVRTypeList) {
        const QJsonObject model = models.at(row.id).toObject();
        QCOMPARE(model.size(), 8);
        // The built-in models say nothing of their disks.
        QVERIFY(model.value("bays").isNull() && model.value("largestDiskTB").isNull());
        QCOMPARE(model.value("builtIn").toBool(), true);
        QCOMPARE(model.value("id").toInt(-1), row.id);
        QCOMPARE(model.value("name").toString(), row.name);
        QCOMPARE(model.value("ipChannels").toInt(-1), row.ipChannels);
        QCOMPARE(model.value("maxDisableChannels").toInt(-1), row.maxDisableChannels);
        QCOMPARE(model.value("bandwidth").toInt(-1), row.bandwidth);
    }
}

void TestCorvanePlan::modelsTextOneLineEach()
{
    const Run run = Plan({"models"});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), int(NVRTypeList.size()));
    for (const CalNVRInfo& row : NVRTypeList) {
        const QStringList fields = lines[row.id].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(fields,
                 QStringList({QString::number(row.id), row.name, QString::number(row.ipChannels),
                              QString::number(row.maxDisableChannels),
                              QString::number(row.bandwidth), "-", "-"}));
    }
}

void TestCorvanePlan::exactOutput_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("output");

    QTest::newRow("three 32-channel recorders")
        << "cameras --first 1024(1M) --second 0 --recorder NR-C32V=3"
        << "cameras: 96\n";
    QTest::newRow("json, disabled channels")
        << "cameras --first 2M --second 0 --recorder NR-K4Y:4=1 --json"
        << "{\"cameras\": 8}\n";
    QTest::newRow("value after =, units of both cases")
        << "cameras --first=1m --second=1024K --recorder=NR-K4Y=1 --json"
        << "{\"cameras\": 4}\n";
    QTest::newRow("models added up")
        << "cameras --first 2048 --second 0 --recorder NR-A8V=2 --recorder NR-K16Y:5=3"
        << "cameras: 79\n";
    QTest::newRow("zero bit rate gives no cameras")
        << "cameras --first 0 --second 0 --recorder NR-A8V=5"
        << "cameras: 0\n";
    QTest::newRow("recorders summing to exactly one million")
        << "cameras --first 1024 --second 0 --recorder NR-A8V=999999 --recorder NR-B8V=1"
        << "cameras: 8000000\n";
    QTest::newRow("zero recorders") << "cameras --first 1024 --second 0 --recorder NR-A8V=0"
                                    << "cameras: 0\n";
    // 3 x 4096 + 5 x 1024 = 17,408 of 20,480 kbps, and all 8 channels.
    QTest::newRow("recorder text")
        << "recorders --model NR-A8V --camera 4096(4M),0,3 --camera 1024,0,10"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 2\n"
           "1 recorder: type 1 x 3, type 2 x 5\n"
           "  load: 8 of 8 channels, 17408 of 20480 kbps (85.0 %), full: channels\n"
           "1 recorder: type 2 x 5\n  load: 5 of 8 channels, 5120 of 20480 kbps (25.0 %)\n";
    QTest::newRow("commas inside a bit-rate remark")
        << "recorders --model NR-A8V --camera 2M(1,5),512k,3"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 1\n1 recorder: type 1 x 3\n"
           "  load: 3 of 8 channels, 7680 of 20480 kbps (37.5 %)\n";
    QTest::newRow("plan, NVR page (remark with a comma)")
        << "recorders --plan PLANS/site.corvane"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 2\n"
           "1 recorder: type 1 x 3, type 2 x 5\n"
           "  load: 8 of 8 channels, 19968 of 20480 kbps (97.5 %), full: channels\n"
           "1 recorder: type 2 x 5\n  load: 5 of 8 channels, 7680 of 20480 kbps (37.5 %)\n";
    // 60 days x 12 h x 50 % = 1,296,000 s, so 1 kbps fills 162,000,000 bytes; both streams:
    // 8 x (2048 + 512) = 20,480 kbps on the first recorder (3.31776 TB: 2 data disks of 2 TB,
    // mirrored 4), 2 x 2560 + 3 x 1024 = 8,192 kbps on the second (1 data disk, mirrored 2).
    QTest::newRow("plan's storage inputs")
        << "recorders --plan PLANS/storage.corvane --storage"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 2\n"
           "storage: 4.644864 TB (4.22 TiB, 4644864000000 bytes), 6 disks of 2 TB\n"
           "1 recorder: type 1 x 8\n"
           "  load: 8 of 8 channels, 20480 of 20480 kbps (100.0 %), full: channels\n"
           "  each: 3.317760 TB (3.02 TiB), 4 disks\n"
           "1 recorder: type 1 x 2, type 2 x 3\n"
           "  load: 5 of 8 channels, 8192 of 20480 kbps (40.0 %)\n"
           "  each: 1.327104 TB (1.21 TiB), 2 disks\n";
    QTest::newRow("plan's storage inputs, no storage asked")
        << "recorders --plan PLANS/storage.corvane"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 2\n"
           "1 recorder: type 1 x 8\n"
           "  load: 8 of 8 channels, 20480 of 20480 kbps (100.0 %), full: channels\n"
           "1 recorder: type 1 x 2, type 2 x 3\n"
           "  load: 5 of 8 channels, 8192 of 20480 kbps (40.0 %)\n";
    // The defaults: 30 days x 24 h = 2,592,000 s, first stream only, 8 TB disks.
    QTest::newRow("plan saved before storage existed")
        << "recorders --plan PLANS/site.corvane --storage"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 2\n"
           "storage: 7.299072 TB (6.64 TiB, 7299072000000 bytes), 2 disks of 8 TB\n"
           "1 recorder: type 1 x 3, type 2 x 5\n"
           "  load: 8 of 8 channels, 19968 of 20480 kbps (97.5 %), full: channels\n"
           "  each: 5.640192 TB (5.13 TiB), 1 disk\n"
           "1 recorder: type 2 x 5\n  load: 5 of 8 channels, 7680 of 20480 kbps (37.5 %)\n"
           "  each: 1.658880 TB (1.51 TiB), 1 disk\n";
    // 25 % of 20,480 kbps kept free leaves 15,360: six cameras of 2048 + 512. Four 2 TB disks,
    // one a spare and one for parity, 10 % kept free, hold 2 x 1.8 TB = 2.88e10 kbit; 12 h at
    // 50 % record 21,600 s a day: 15,360 kbps fill 3.318e8 kbit a day (86.8 days), 10,240
    // kbps 2.212e8 (130.2 days). The plan's retention of 0 is not read.
    QTest::newRow("plan's bandwidth kept free and days kept")
        << "recorders --plan PLANS/headroom.corvane --storage"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 2\n"
           "days kept: 86 days with 4 disks of 2 TB per recorder (the shortest line)\n"
           "1 recorder: type 1 x 6\n"
           "  load: 6 of 8 channels, 15360 of 20480 kbps (75.0 %), full: bandwidth\n"
           "  keeps: 86 days\n"
           "1 recorder: type 1 x 4\n"
           "  load: 4 of 8 channels, 10240 of 20480 kbps (50.0 %)\n"
           "  keeps: 130 days\n";
    // Half of 81,920 kbps kept free: 40,960 take ten 4096 kbps cameras of 16 channels.
    QTest::newRow("plan's bandwidth kept free, IPC page") << "cameras --plan PLANS/headroom.corvane"
                                                          << "cameras: 10\n";
    QTest::newRow("plan, IPC page, as models added up")
        << "cameras --plan=PLANS/site.corvane --json"
        << "{\"cameras\": 79}\n";
    QTest::newRow("plan, IPC page without recorder records") << "cameras --plan PLANS/empty.corvane"
                                                             << "cameras: 0\n";
    // As "json, disabled channels", typed loosely.
    QTest::newRow("spaces around every field of --recorder, model in lower case")
        << "cameras --first ' 2M ' --second ' 0 ' --recorder ' nr-k4y : 4 = 1 ' --json"
        << "{\"cameras\": 8}\n";
    // " 0 " is a zero bit rate as "0" is, so the second type is not placed.
    QTest::newRow("spaces around every field of --camera")
        << "recorders --model ' nr-a8v ' --disable ' 0 ' --camera ' 2M , 512k , 7 ' "
           "--camera ' 0 , 0 , 2 '"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 1\n1 recorder: type 1 x 7\n"
           "  load: 7 of 8 channels, 17920 of 20480 kbps (87.5 %)\n";
    QTest::newRow("spaces around bit rates with commas in their remarks")
        << "recorders --model NR-A8V --camera ' 2M(1, 5) , 512k(a,b) , 3 '"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 1\n1 recorder: type 1 x 3\n"
           "  load: 3 of 8 channels, 7680 of 20480 kbps (37.5 %)\n";
    QTest::newRow("nothing to place")
        << "recorders --model NR-K8Y --disable 1 --camera 0,0,5 --camera 1024,0,0 --json"
        << "{\"model\": \"NR-K8Y\", \"disabledChannels\": 1, \"recorders\": 0, \"lines\": []}\n";
    // The user guide's example: its line A is the first line here, its line B the third, and
    // the site's bytes are the guide's (the disks differ as the grouping differs).
    QTest::newRow("storage of the guide's example")
        << "recorders --model NR-K16Y --camera 4096(4M),512,60 --camera 2M,256,24 "
           "--redundancy parity1"
        << "model: NR-K16Y, 0 disabled channels\nrecorders: 6\n"
           "storage: 95.551488 TB (86.90 TiB, 95551488000000 bytes), 22 disks of 8 TB\n"
           "1 recorder: type 1 x 12, type 2 x 4\n"
           "  load: 16 of 16 channels, 64512 of 81920 kbps (78.7 %), full: channels\n"
           "  each: 18.579456 TB (16.90 TiB), 4 disks\n"
           "1 recorder: type 2 x 16\n"
           "  load: 16 of 16 channels, 36864 of 81920 kbps (45.0 %), full: channels\n"
           "  each: 10.616832 TB (9.66 TiB), 3 disks\n"
           "1 recorder: type 2 x 4\n  load: 4 of 16 channels, 9216 of 81920 kbps (11.2 %)\n"
           "  each: 2.654208 TB (2.41 TiB), 3 disks\n"
           "3 recorders: type 1 x 16\n"
           "  load: 16 of 16 channels, 73728 of 81920 kbps (90.0 %), full: channels\n"
           "  each: 21.233664 TB (19.31 TiB), 4 disks\n";
    // X-16 of the test catalogue: 16 channels, 160,000 kbps, 4 bays. 5,120 kbps cameras fill
    // its channels at 16; 90 days x 24 h = 7,776,000 s of the 4,096 kbps first stream is
    // 3.981312 TB a camera, so 8 cameras need 4 disks of 8 TB (they fit) and 16 need 8 (they
    // do not); "smallest" takes 16 TB disks for those, 4 of them.
    QTest::newRow("catalogue model, disks beyond its bays")
        << "recorders --catalogue PLANS/vendor.json --model x-16 --camera 4M,1M,40 "
           "--retention-days 90"
        << "model: X-16, 0 disabled channels\nrecorders: 3\n"
           "storage: 159.252480 TB (144.84 TiB, 159252480000000 bytes), 20 disks of 8 TB\n"
           "lines whose disks do not fit the X-16: 1\n"
           "1 recorder: type 1 x 8\n  load: 8 of 16 channels, 40960 of 160000 kbps (25.6 %)\n"
           "  each: 31.850496 TB (28.97 TiB), 4 disks\n"
           "2 recorders: type 1 x 16\n"
           "  load: 16 of 16 channels, 81920 of 160000 kbps (51.2 %), full: channels\n"
           "  each: 63.700992 TB (57.94 TiB), 8 disks, needs 8 disks, the X-16 holds 4\n";
    QTest::newRow("catalogue model, smallest disks that fit")
        << "recorders --catalogue PLANS/vendor.json --model X-16 --camera 4M,1M,40 "
           "--retention-days 90 --disk-tb smallest"
        << "model: X-16, 0 disabled channels\nrecorders: 3\n"
           "storage: 159.252480 TB (144.84 TiB, 159252480000000 bytes), 12 disks (sizes per line)\n"
           "1 recorder: type 1 x 8\n  load: 8 of 16 channels, 40960 of 160000 kbps (25.6 %)\n"
           "  each: 31.850496 TB (28.97 TiB), 4 disks of 8 TB\n"
           "2 recorders: type 1 x 16\n"
           "  load: 16 of 16 channels, 81920 of 160000 kbps (51.2 %), full: channels\n"
           "  each: 63.700992 TB (57.94 TiB), 4 disks of 16 TB\n";
    // 2 x 1,024 kbps for 30 days: 0.663552 TB on one 8 TB disk; D-4 does not say its bays.
    QTest::newRow("catalogue model with unknown bays, JSON")
        << "recorders --catalogue PLANS/vendor.json --model D-4 --camera 1M,0,2 --storage --json"
        << "{\"model\": \"D-4\", \"disabledChannels\": 0, \"recorders\": 1, \"lines\": "
           "[{\"recorders\": 1, \"cameras\": [{\"type\": 1, \"count\": 2}], \"channelsUsed\": 2, "
           "\"channels\": 4, \"bandwidthUsedKbps\": 2048, \"bandwidthKbps\": 8192, "
           "\"bandwidthUsePercent\": 25, \"limit\": null, \"storage\": {\"diskTB\": 8, "
           "\"terabytes\": 0.663552, \"tebibytes\": 0.6, \"bytes\": \"663552000000\", "
           "\"disks\": 1}, "
           "\"disksPerNvr\": 1, \"bays\": null, \"fitsBays\": null}], \"storage\": "
           "{\"retentionDays\": 30, \"hoursPerDay\": 24, \"recordedPercent\": 100, "
           "\"streams\": \"first\", \"diskTB\": 8, \"redundancy\": \"none\", \"terabytes\": "
           "0.663552, \"tebibytes\": 0.6, \"bytes\": \"663552000000\", \"disks\": 1, "
           "\"linesNotFitting\": 0}}\n";
    // Names before "=": the last "=" outside a remark's parentheses ends the name.
    // 3 x (4096 + 1024) + 5 x 1024 = 20,480 kbps on 8 channels.
    QTest::newRow("named camera types")
        << "recorders --model NR-A8V --camera 'Dock (north)=4M(x=y),1M,3' --camera lobby=1M,0,10"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 2\n"
           "1 recorder: type 1 (Dock (north)) x 3, type 2 (lobby) x 5\n"
           "  load: 8 of 8 channels, 20480 of 20480 kbps (100.0 %), full: channels\n"
           "1 recorder: type 2 (lobby) x 5\n  load: 5 of 8 channels, 5120 of 20480 kbps (25.0 %)\n";
    // 25 % of 81,920 kbps kept free leaves 61,440: 13 cameras of 4,608 kbps a recorder (1,536
    // left, too little for one more). Four 8 TB disks with one parity disk hold 3 x 8 x 10^12
    // bytes; 13 first streams of 4,096 kbps record 53,248 x 86,400 / 8 bytes a day: 41.7 days.
    QTest::newRow("bandwidth kept free, days kept by given disks")
        << "recorders --model NR-K16Y --camera 4M,512k,60 --bandwidth-reserve 25 "
           "--disks-per-nvr 4 --redundancy parity1"
        << "model: NR-K16Y, 0 disabled channels\nrecorders: 5\n"
           "days kept: 41 days with 4 disks of 8 TB per recorder (the shortest line)\n"
           "1 recorder: type 1 x 8\n  load: 8 of 16 channels, 36864 of 81920 kbps (45.0 %)\n"
           "  keeps: 67 days\n"
           "4 recorders: type 1 x 13\n"
           "  load: 13 of 16 channels, 59904 of 81920 kbps (73.1 %), full: bandwidth\n"
           "  keeps: 41 days\n";
    // 10 % kept free on the disks: 7.2 TB of data a disk; 17.252352 TB need 3, and a spare.
    QTest::newRow("storage kept free and a hot spare")
        << "recorders --model NR-K16Y --camera 4M,512k,13 --storage-reserve 10 --hot-spares 1"
        << "model: NR-K16Y, 0 disabled channels\nrecorders: 1\n"
           "storage: 17.252352 TB (15.69 TiB, 17252352000000 bytes), 4 disks of 8 TB\n"
           "1 recorder: type 1 x 13\n  load: 13 of 16 channels, 59904 of 81920 kbps (73.1 %)\n"
           "  each: 17.252352 TB (15.69 TiB), 4 disks\n";
    QTest::newRow("cameras with bandwidth kept free")
        << "cameras --first 2M --second 512k --recorder NR-C32V=3 --bandwidth-reserve 25"
        << "cameras: 72\n";
    // The plan's names, and the settings its first type's first bit rate was estimated from;
    // 3 x (4715 + 582) + 2 x 1024 = 17,939 kbps.
    QTest::newRow("plan with names and an estimated bit rate")
        << "recorders --plan PLANS/estimated.corvane"
        << "model: NR-A8V, 0 disabled channels\nrecorders: 1\n"
           "type 1 (Dock) bit rates: first estimated: 4 MP, H.265, 15 fps, normal quality, busy "
           "scene; second typed\n"
           "type 2 bit rates: first typed; second typed\n"
           "1 recorder: type 1 (Dock) x 3, type 2 x 2\n"
           "  load: 5 of 8 channels, 17939 of 20480 kbps (87.5 %)\n";
    QTest::newRow("storage with nothing to place, defaults")
        << "recorders --model NR-K8Y --camera 0,0,5 --json --storage"
        << "{\"model\": \"NR-K8Y\", \"disabledChannels\": 0, \"recorders\": 0, \"lines\": [], "
           "\"storage\": {\"retentionDays\": 30, \"hoursPerDay\": 24, \"recordedPercent\": 100, "
           "\"streams\": \"first\", \"diskTB\": 8, \"redundancy\": \"none\", \"terabytes\": 0, "
           "\"tebibytes\": 0, \"bytes\": \"0\", \"disks\": 0, \"linesNotFitting\": 0}}\n";
    // 3870 kbps x (2560x1440 / 1920x1080)^0.63 x (15 / 25)^0.68 x 0.6 (H.265) x 2 (busy) x 1.4
    // (40 % of the time at twice the rate) = 6601 kbps; the range one quality step, 2^(4/6),
    // either way.
    QTest::newRow("estimate, text")
        << "estimate --resolution 4mp --fps 15 --codec h265 --scene busy --night-percent 40"
        << "estimate: 6601 kbps (4158 to 10478 kbps)\n"
           "settings: 4 MP, H.265, 15 fps, normal quality, busy scene, 40 % of the time at "
           "night with infrared\n";
    // 3870 x 4^0.63 x 60 / 25 x 7 (MJPEG) x 2^(4/6) (high): far above what a recorder takes.
    QTest::newRow("estimate, JSON, above what recorders take")
        << "estimate --resolution=3840x2160 --fps 60 --codec mjpeg --quality high --json"
        << "{\"kbps\": 247175, \"low\": 155711, \"high\": 392366, \"width\": 3840, "
           "\"height\": 2160, \"fps\": 60, \"codec\": \"mjpeg\", \"quality\": \"high\", "
           "\"scene\": \"normal\", \"nightPercent\": 0, \"withinRecorderRange\": false}\n";
}

void TestCorvanePlan::exactOutput()
{
    QFETCH(QString, arguments);
    QFETCH(QString, output);
    const Run run = Plan(Split(arguments));
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, output);
}

void TestCorvanePlan::recordersJson_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("recorders");
    QTest::addColumn<QString>("lines"); // "count:type x n,type x n|..." in output order

    QTest::newRow("bulk recorders, fewest first")
        << "--model NR-A8V --camera 2048,0,20" << 3 << "1:1x4|2:1x8";
    QTest::newRow("spare recorder takes the second type")
        << "--model NR-A8V --camera 3000,0,6 --camera 1024,0,2" << 1 << "1:1x6,2x2";
    QTest::newRow("types numbered by position, zero rows skipped")
        << "--model NR-A8V --camera 0,0,4 --camera 1024,1024,0 --camera 16384,4096,3" << 3
        << "3:3x1";
    QTest::newRow("disabled channels")
        << "--model NR-K4Y --disable 4 --camera 1024,1024,17" << 3 << "1:1x1|2:1x8";
    QTest::newRow("million cameras on a million recorders")
        << "--model NR-A8V --camera 16384(16M),4096(4M),1000000" << 1000000 << "1000000:1x1";
}

void TestCorvanePlan::recordersJson()
{
    QFETCH(QString, arguments);
    QFETCH(int, recorders);
    QFETCH(QString, lines);
    const Run run = Plan(QStringList({"recorders", "--json"}) + arguments.split(QLatin1Char(' ')));
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(result.size(), 4);
    QCOMPARE(result.value("recorders").toInt(-1), recorders);
    QStringList texts;
    for (const QJsonValue line : result.value("lines").toArray()) {
        QStringList cameras;
        for (const QJsonValue camera : line.toObject().value("cameras").toArray()) {
            cameras << QStringLiteral("%1x%2")
                           .arg(camera.toObject().value("type").toInt())
                           .arg(camera.toObject().value("count").toInt());
        }
        texts << QStringLiteral("%1:%2")
                     .arg(line.toObject().value("recorders").toInt())
                     .arg(cameras.join(QLatin1Char(',')));
    }
    QCOMPARE(texts.join(QLatin1Char('|')), lines);
}

void TestCorvanePlan::storageJson_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("lines"); // "bytes:disks|..." per recorder of each line
    QTest::addColumn<QString>("bytes"); // the site's
    QTest::addColumn<qint64>("disks");

    // Beyond 2^53 bytes and 2^31 disks: both must come out exact.
    QTest::newRow("million cameras, both streams, ten years, mirrored 1 TB")
        << "--model NR-A16V --camera 16384,16384,1000000 --retention-days 3650 --streams both "
           "--disk-tb 1 --redundancy mirror"
        << "1291714560000000:2584"
        << "1291714560000000000000" << qint64(2584000000);
    QTest::newRow("smallest inputs, two parity disks of 24 TB")
        << "--model NR-A8V --camera 1024,512,1 --retention-days 1 --hours-per-day 1 "
           "--recorded-percent 1 --disk-tb 24 --redundancy parity2"
        << "4608000:4"
        << "4608000" << qint64(4);
    QTest::newRow("guide's example, both streams")
        << "--model NR-K16Y --camera 4096,512,60 --camera 2048,256,24 --streams both"
        << "20901888000000:3|11943936000000:2|2985984000000:1|23887872000000:3"
        << "107495424000000" << qint64(15);
}

void TestCorvanePlan::storageJson()
{
    QFETCH(QString, arguments);
    QFETCH(QString, lines);
    QFETCH(QString, bytes);
    QFETCH(qint64, disks);
    const Run run = Plan(QStringList({"recorders", "--json"}) + arguments.split(QLatin1Char(' ')));
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    const QJsonObject result = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QStringList texts;
    for (const QJsonValue line : result.value("lines").toArray()) {
        const QJsonObject storage = line.toObject().value("storage").toObject();
        texts << storage.value("bytes").toString() + QLatin1Char(':') +
                     QString::number(storage.value("disks").toInteger(-1));
    }
    QCOMPARE(texts.join(QLatin1Char('|')), lines);
    const QJsonObject site = result.value("storage").toObject();
    QCOMPARE(site.value("bytes").toString(), bytes);
    QCOMPARE(site.value("disks").toInteger(-1), disks);
    // TB to whole megabytes.
    QCOMPARE(site.value("terabytes").toDouble(), std::round(bytes.toDouble() / 1e6) / 1e6);
    // TiB (2^40 bytes) to hundredths.
    QCOMPARE(site.value("tebibytes").toDouble(),
             std::round(bytes.toDouble() / 1099511627776.0 * 100) / 100);
}

void TestCorvanePlan::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QStringList models;
    for (const CalNVRInfo& row : NVRTypeList)
        models << row.name;
    const QString unknownModel = QStringLiteral("The NVR Type is not valid (models: %1)")
                                     .arg(models.join(QLatin1String(", ")));

    const QString base = QStringLiteral("cameras --first 1024 --second 0 ");
    QTest::newRow("no command") << QStringList() << "no command";
    QTest::newRow("camera name of 65 characters")
        << QStringList{"recorders", "--model", "NR-A8V", "--camera",
                       QString(65, QLatin1Char('n')) + "=1M,0,2"}
        << "a name holds at most 64 characters";
    QTest::newRow("bandwidth reserve above 50 %")
        << QStringList{"cameras", "--first",    "1M",       "--second",
                       "0",       "--recorder", "NR-A8V=1", "--bandwidth-reserve",
                       "51"}
        << "--bandwidth-reserve \"51\": not valid (0 to 50 %)";
    QTest::newRow("given disks cannot hold double parity")
        << QStringList{"recorders",       "--model", "NR-K16Y",      "--camera", "4M,512k,6",
                       "--disks-per-nvr", "3",       "--redundancy", "parity2"}
        << "needs at least 4 disks";
    QTest::newRow("catalogue model without --catalogue")
        << QStringList{"recorders", "--model", "X-16", "--camera", "1M,0,2"} << unknownModel;
    QTest::newRow("catalogue that is a plan")
        << QStringList{"models", "--catalogue", CORVANE_TEST_PLANS "/site.corvane"}
        << "site.corvane\": The file is not a catalogue.";
    QTest::newRow("catalogue with a plan")
        << QStringList{"recorders", "--plan", CORVANE_TEST_PLANS "/site.corvane", "--catalogue",
                       CORVANE_TEST_PLANS "/vendor.json"}
        << "--plan cannot be combined with --catalogue";
    QTest::newRow("unknown command") << Split("plan") << "unknown command";
    QTest::newRow("option of another command") << Split("models --first 1") << "--first";
    QTest::newRow("missing value") << Split("cameras --first") << "needs a value";
    QTest::newRow("repeated single option")
        << Split("cameras --first 1 --first 2 --second 0 --recorder NR-A8V=1") << "more than once";
    QTest::newRow("no recorder") << Split("cameras --first 1024 --second 0") << "--recorder";
    QTest::newRow("bit rate below range")
        << Split("cameras --first 31 --second 0 --recorder NR-A8V=1")
        << "The Bit rate is not valid. range 0 or 32k-16384k.";
    QTest::newRow("bit rate above range")
        << Split("cameras --first 1024 --second 16385 --recorder NR-A8V=1") << "--second";
    QTest::newRow("M beyond 32 bits")
        << Split("cameras --first 4194305M --second 0 --recorder NR-A8V=1") << "not valid";
    QTest::newRow("negative bit rate")
        << Split("cameras --first -5 --second 0 --recorder NR-A8V=1") << "not valid";
    QTest::newRow("unknown model") << Split(base + "--recorder NR-A8=1") << unknownModel;
    QTest::newRow("model twice")
        << Split("cameras --first 1024 --second 0 --recorder NR-A8V=1 --recorder NR-A8V:0=2")
        << "The NVR Type already exists";
    QTest::newRow("model twice, in another case")
        << Split(base + "--recorder NR-A8V=1 --recorder nr-a8v=2") << "The NVR Type already exists";
    QTest::newRow("more disabled channels than allowed")
        << Split("cameras --first 1024 --second 0 --recorder NR-K4Y:5=1")
        << "The Channel number is not valid";
    QTest::newRow("disabled channels on a model without")
        << Split("cameras --first 1024 --second 0 --recorder NR-A8V:1=1") << "allows 0 to 0";
    QTest::newRow("negative disabled channels")
        << Split("cameras --first 1024 --second 0 --recorder NR-K4Y:-1=1") << "Channel";
    QTest::newRow("blank count") << Split("cameras --first 1024 --second 0 --recorder NR-A8V=")
                                 << "The number can not be blank";
    QTest::newRow("count with a letter")
        << Split("cameras --first 1024 --second 0 --recorder NR-A8V=5x") << "not valid";
    QTest::newRow("count above a million")
        << Split("cameras --first 1024 --second 0 --recorder NR-A8V=1000001") << "not valid";
    QTest::newRow("recorder without count")
        << Split("cameras --first 1024 --second 0 --recorder NR-A8V") << "NAME[:DISABLED]=COUNT";
    QTest::newRow("recorders above a million")
        << Split("cameras --first 1024 --second 0 --recorder NR-A8V=1000000 --recorder NR-B8V=1")
        << "The sum of NVR number can not be bigger than 1000000";
    QTest::newRow("plan and its page's options")
        << Split("recorders --plan PLANS/site.corvane --camera 1024,0,1")
        << "combined with --camera";
    QTest::newRow("plan and a storage input")
        << Split("recorders --plan PLANS/storage.corvane --storage --retention-days=30")
        << "--plan cannot be combined with --retention-days";
    QTest::newRow("plan of a newer format")
        << Split("cameras --plan PLANS/newer.corvane") << "newer version";
    QTest::newRow("plan without records for the page")
        << Split("recorders --plan PLANS/empty.corvane") << "no camera records";
    QTest::newRow("plan that is a folder")
        << Split("cameras --plan PLANS/") << "not a regular file";
    QTest::newRow("plan that is missing")
        << Split("cameras --plan PLANS/none.corvane") << "does not exist";
    QTest::newRow("no model") << Split("recorders --camera 1024,0,1") << "--model";
    QTest::newRow("no camera") << Split("recorders --model NR-A8V") << "--camera";
    QTest::newRow("unknown recorder model") << Split("recorders --model NR-Z8V --camera 1024,0,1")
                                            << "--model \"NR-Z8V\": " + unknownModel;
    QTest::newRow("disable above maximum")
        << Split("recorders --model NR-K8Y --disable 9 --camera 1024,0,1")
        << "The Channel number is not valid";
    QTest::newRow("camera with two fields")
        << Split("recorders --model NR-A8V --camera 1024,5") << "FIRST,SECOND,COUNT";
    QTest::newRow("commas with two readings")
        << Split("recorders --model NR-A8V --camera 2M,2M(x),2M(y),5") << "more than one way";
    QTest::newRow("camera bit rate not valid")
        << Split("recorders --model NR-A8V --camera 1024,abc,5")
        << "The Bit rate is not valid(range 0 or 32k-16384k)";
    QTest::newRow("camera count blank")
        << Split("recorders --model NR-A8V --camera 1024,0,") << "The number can not be blank";
    QTest::newRow("cameras above a million")
        << Split("recorders --model NR-A8V --camera 1024,0,1000000 --camera 16384,16384,1")
        << "The sum of IPC number can not be bigger than 1000000";
    QTest::newRow("bit rates above bandwidth name the types")
        << Split("recorders --model NR-A8V --camera 16384,8192,0 --camera 1024,0,1 "
                 "--camera 16384,16384,2")
        << "The Bit Rate of IPC Type 1   ,3 is bigger than NVR Bandwidth";
    QStringList many = Split("recorders --model NR-C32V");
    for (int i = 0; i < 101; ++i)
        many << "--camera"
             << "64,0,1";
    QTest::newRow("more than 100 camera types") << many << "at most 100";
    const QString storage = QStringLiteral("recorders --model NR-A8V --camera 1024,0,1 ");
    QTest::newRow("retention of 0 days")
        << Split(storage + "--retention-days 0") << "--retention-days \"0\": not valid (1 to 3650";
    QTest::newRow("retention above ten years")
        << Split(storage + "--retention-days 3651") << "--retention-days \"3651\"";
    QTest::newRow("more than 24 hours a day")
        << Split(storage + "--hours-per-day 25") << "--hours-per-day \"25\": not valid (1 to 24";
    QTest::newRow("recorded share above 100 %")
        << Split(storage + "--recorded-percent 101") << "--recorded-percent \"101\"";
    QTest::newRow("disk size not offered")
        << Split(storage + "--disk-tb 5") << "--disk-tb \"5\": not a disk size offered";
    QTest::newRow("unknown redundancy") << Split(storage + "--redundancy raid5") << "parity2";
    QTest::newRow("unknown streams") << Split(storage + "--streams second") << "first or both";
    QTest::newRow("estimate above 60 fps")
        << Split("estimate --resolution 1080p --fps 61 --codec h264")
        << "--fps \"61\": The frame rate must be 1 to 60 frames per second";
    QTest::newRow("estimate with a recorder option")
        << Split("estimate --resolution 1080p --fps 25 --codec h264 --model NR-A8V")
        << "unknown option --model for estimate";
}

void TestCorvanePlan::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = Plan(arguments);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY(run.err.endsWith(QLatin1Char('\n')));
}

void TestCorvanePlan::helpDescribesEveryForm()
{
    for (const QStringList& arguments : {QStringList{"--help"}, QStringList{"cameras", "-h"}}) {
        const Run run = Plan(arguments);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        for (const char* form :
             {"corvane-plan models", "corvane-plan cameras", "corvane-plan recorders",
              "corvane-plan estimate", "--recorder NAME[:DISABLED]=COUNT",
              "--camera [NAME=]FIRST,SECOND,COUNT", "--resolution WxH|PRESET", "--json",
              "--disable N", "--plan FILE"})
            QVERIFY2(run.out.contains(QLatin1String(form)), form);
        QCOMPARE(run.out.count(QLatin1String("Example:")), 4);
    }
}

void TestCorvanePlan::examplesRunAsPrinted_data()
{
    QTest::addColumn<QString>("command");

    // In the help, what follows "Example:", continued over lines that end in "\".
    const QStringList help = Plan({"--help"}).out.split(QLatin1Char('\n'));
    bool found = false;
    for (qsizetype i = 0; i < help.size(); ++i) {
        const qsizetype at = help[i].indexOf(QLatin1String("Example: "));
        if (at < 0)
            continue;
        const qsizetype first = i;
        QString command = help[i].mid(at + 9);
        while (command.endsWith(QLatin1Char('\\')) && i + 1 < help.size())
            command += QLatin1Char('\n') + help[++i];
        QTest::addRow("--help, line %d", int(first) + 1) << command;
        found = true;
    }
    if (!found)
        QTest::newRow("--help: no example found") << QString();

    // Elsewhere every line of a code block (fenced, or indented in Markdown) that starts with
    // the program, by name or by path, is an example. The pages and documents that have
    // examples must keep some, or the search has gone wrong.
    const struct
    {
        const char* file;
        bool hasExamples;
    } sources[] = {{"man/corvane-plan.1.scd", true},
                   {"man/corvane.1.scd", false},
                   {"docs/guide.md", true},
                   {"docs/storage.md", false},
                   {"README.md", true}};
    for (const auto& source : sources) {
        QFile file(QStringLiteral(CORVANE_SOURCE_DIR "/") + QLatin1String(source.file));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            QTest::addRow("%s: not readable", source.file) << QString();
            continue;
        }
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        const bool markdown = QLatin1String(source.file).endsWith(QLatin1String(".md"));
        bool fenced = false;
        found = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.startsWith(QLatin1String("```"))) {
                fenced = !fenced;
                continue;
            }
            if (!fenced && !(markdown && lines[i].startsWith(QLatin1String("    "))))
                continue;
            const QString program = line.section(QLatin1Char(' '), 0, 0);
            if (program != QLatin1String("corvane-plan") &&
                !program.endsWith(QLatin1String("/corvane-plan")))
                continue;
            // The program is found on the path, wherever the build put it.
            QTest::addRow("%s, line %d", source.file, int(i) + 1)
                << QStringLiteral("corvane-plan") + line.mid(program.size());
            found = true;
        }
        if (source.hasExamples && !found)
            QTest::addRow("%s: no example found", source.file) << QString();
    }
}

void TestCorvanePlan::examplesRunAsPrinted()
{
    QFETCH(QString, command);
    QVERIFY(!command.isEmpty());
    QProcess bash;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"), QFileInfo(QStringLiteral(CORVANE_PLAN_PATH)).path() +
                                                   QLatin1Char(':') +
                                                   environment.value(QStringLiteral("PATH")));
    bash.setProcessEnvironment(environment);
    // The plan the examples name, site.corvane, is one of the test plans.
    bash.setWorkingDirectory(QStringLiteral(CORVANE_TEST_PLANS));
    bash.start(QStringLiteral("bash"), {QStringLiteral("-c"), command});
    QVERIFY(bash.waitForFinished(60000));
    const QString err = QString::fromLocal8Bit(bash.readAllStandardError());
    QVERIFY2(bash.exitStatus() == QProcess::NormalExit && bash.exitCode() == 0,
             qPrintable(command + QLatin1Char('\n') + err));
    QCOMPARE(err, QString());
    QVERIFY(!bash.readAllStandardOutput().isEmpty());
}

// Tries every comma as the one between FIRST and SECOND, parsing both halves, without the white
// space around them, each time.
static QString SplitByEveryReading(const QString& value, QStringList& fields)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() < 3)
        return QStringLiteral("fields");
    if (parts.size() == 3) {
        fields = QStringList{parts[0].trimmed(), parts[1].trimmed(), parts[2].trimmed()};
        return QString();
    }
    const QStringList rates = parts.mid(0, parts.size() - 1);
    int splits = 0;
    for (int k = 1; k < rates.size(); ++k) {
        const QString first = rates.mid(0, k).join(QLatin1Char(',')).trimmed();
        const QString second = rates.mid(k).join(QLatin1Char(',')).trimmed();
        if (IsValidBitRateText(first) && IsValidBitRateText(second)) {
            fields = QStringList{first, second, parts.last().trimmed()};
            ++splits;
        }
    }
    return splits == 1 ? QString() : splits == 0 ? QStringLiteral("none") : QStringLiteral("many");
}

void TestCorvanePlan::cameraValueSplitAsEveryReadingWouldBe()
{
    // Short values built from the pieces a bit-rate text is read by, commas and empty pieces
    // included, then one value far longer than any trial-and-error reading could take.
    const QStringList tokens = {"0", "1", "2", "64", "1024", "k", "K", "m",
                                "M", "(", ")", ",",  ",",    ",", " ", "x"};
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> length(2, 12), pick(0, int(tokens.size()) - 1);
    QStringList values = {QStringLiteral("64k,k,2M(1,5),5"), QStringLiteral("2m,xm(1),0,1"),
                          QStringLiteral("1M(,),1m,(,),3"), QStringLiteral(" 2M (1, 5) , 0 ,1"),
                          QStringLiteral(" , 2m ,\t1m(x, y)\n,4")};
    for (int i = 0; i < 30000; ++i) {
        QString value;
        for (int n = length(rng); n > 0; --n)
            value += tokens[pick(rng)];
        values << value + QStringLiteral(",5");
    }
    for (const QString& value : values) {
        QStringList expected;
        const QString expectedProblem = SplitByEveryReading(value, expected);
        QStringList fields;
        QString problem;
        const bool split = SplitCameraValue(value, fields, problem);
        QVERIFY2(split == expectedProblem.isEmpty(), qPrintable(value));
        if (split)
            QVERIFY2(fields == expected, qPrintable(value));
        else if (expectedProblem == QLatin1String("many"))
            QVERIFY2(problem.contains(QLatin1String("more than one way")), qPrintable(value));
    }

    QStringList ones;
    for (int i = 0; i < 200000; ++i)
        ones << QStringLiteral("1");
    const QString remark = QStringLiteral("1024(") + ones.join(QLatin1Char(',')) + QLatin1Char(')');
    QStringList fields;
    QString problem;
    QVERIFY(SplitCameraValue(remark + QStringLiteral(",2M(,),7"), fields, problem));
    QCOMPARE(fields, QStringList({remark, QStringLiteral("2M(,)"), QStringLiteral("7")}));
}

QTEST_GUILESS_MAIN(TestCorvanePlan)
#include "tst_corvaneplan.moc"
