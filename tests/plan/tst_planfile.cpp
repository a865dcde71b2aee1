// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/materials.h"
#include "engine/nvrcatalogue.h"
#include "plan/catalogue.h"
#include "plan/planfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

CorvanePlan SmallPlan()
{
    CorvanePlan plan;
    plan.nvrModel = QStringLiteral("NR-K16Y");
    plan.nvrDisabledChannels = 4;
    plan.cameras = {{QStringLiteral("4096(4M)"), QStringLiteral("512k"), 3},
                    {QStringLiteral("2M"), QStringLiteral("0"), 10}};
    plan.recorders = {{QStringLiteral("NR-A8V"), 0, 2}, {QStringLiteral("NR-Q16Y"), 16, 1}};
    plan.ipcFirstBitRate = QStringLiteral("1024(1M)");
    plan.ipcSecondBitRate = QStringLiteral("256");
    return plan;
}

// Every limit reached at once: 100 camera records, all 28 models, 1000000 on both pages.
CorvanePlan FullPlan()
{
    CorvanePlan plan = SmallPlan();
    plan.cameras.clear();
    for (int i = 0; i < PlanFormat::MaxCameraRecords; ++i)
        plan.cameras.append({QStringLiteral("16384(16M)"), QStringLiteral("32"), 0});
    plan.cameras[99].count = 1000000;
    plan.recorders.clear();
    for (const CalNVRInfo& model : NVRTypeList)
        plan.recorders.append({model.name, model.maxDisableChannels, 0});
    plan.recorders[0].count = 999999;
    plan.recorders[27].count = 1;
    return plan;
}

QJsonValue SetAt(QJsonValue node, QStringList path, const QJsonValue& value)
{
    if (path.isEmpty())
        return value;
    const QString key = path.takeFirst();
    if (node.isArray()) {
        QJsonArray array = node.toArray();
        const int index = key.toInt();
        array[index] = SetAt(array[index], path, value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (value.isUndefined() && path.isEmpty())
        object.remove(key);
    else
        object[key] = SetAt(object[key], path, value);
    return object;
}

// The small plan with one field replaced ("a/b/0/c"); an undefined value removes it.
QByteArray SmallWith(const char* path, const QJsonValue& value)
{
    const QJsonValue root = QJsonDocument::fromJson(SerializePlan(SmallPlan())).object();
    return QJsonDocument(
               SetAt(root, QString::fromLatin1(path).split(QLatin1Char('/')), value).toObject())
        .toJson();
}

} // namespace

Q_DECLARE_METATYPE(CorvanePlan)
Q_DECLARE_METATYPE(CalStorageInputs)

class TestPlanFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();
    void storageDefaults_data();
    void storageDefaults();
    void refusals_data();
    void refusals();
    void fileRefusals_data();
    void fileRefusals();
    void failedWriteKeepsTheOldFile();
    void catalogueRefusals_data();
    void catalogueRefusals();
    void catalogueRoundTrip_data();
    void catalogueRoundTrip();
};

void TestPlanFile::initTestCase()
{
    InitNVRTypeTable();
}

void TestPlanFile::roundTrip_data()
{
    QTest::addColumn<CorvanePlan>("plan");
    CorvanePlan empty = SmallPlan();
    empty.cameras.clear();
    empty.recorders.clear();
    QTest::newRow("no records on either page") << empty;
    QTest::newRow("typed bit rates, disabled channels") << SmallPlan();
    QTest::newRow("100 cameras, 28 recorders, 1000000 each") << FullPlan();
    CorvanePlan remarks = SmallPlan();
    remarks.cameras[0].firstBitRate = QStringLiteral("2M(\"a\\b\", 1)");
    remarks.ipcSecondBitRate = QStringLiteral("512(\u4e3b)");
    QTest::newRow("remarks with quotes, backslash, comma, Chinese") << remarks;
    CorvanePlan storage = SmallPlan();
    storage.storage.retentionDays = CalMaxRetentionDays;
    storage.storage.hoursPerDay = CalMinHoursPerDay;
    storage.storage.recordedPercent = CalMinRecordedPercent;
    storage.storage.streams = CalStreams::Both;
    storage.storage.diskTB = 24;
    storage.storage.redundancy = CalRedundancy::DoubleParity;
    storage.storage.storageReservePercent = CalMaxStorageReserve;
    storage.storage.hotSpares = CalMaxHotSpares;
    QTest::newRow("storage inputs at their limits, none a default") << storage;
    CorvanePlan headroom = SmallPlan();
    headroom.nvrBandwidthReservePercent = 25;
    headroom.ipcBandwidthReservePercent = CalMaxBandwidthReserve;
    headroom.storage.goal = CalStorageGoal::DaysKept;
    headroom.storage.disksPerRecorder = CalMaxDisksPerRecorder;
    QTest::newRow("bandwidth kept free on both pages, the days kept asked for") << headroom;
    CorvanePlan own = SmallPlan();
    CalNVRInfo x16(0, QStringLiteral("X-16 \u4e3b"), 16, 2, 160000);
    x16.bays = 4;
    x16.largestDiskTB = 16;
    own.models = {x16, CalNVRInfo(0, QStringLiteral("Y-4"), 4, 0, 40000)};
    own.nvrModel = x16.name;
    own.nvrDisabledChannels = 2;
    own.recorders[1].model = QStringLiteral("Y-4");
    own.recorders[1].disabledChannels = 0;
    own.storage.diskTB = CalDiskSmallestFits;
    QTest::newRow("the plan's own models on both pages, smallest disk that fits") << own;
    CorvanePlan named = SmallPlan();
    named.cameras[0].name = QStringLiteral("Dock \"4K\" bullets, \u5317");
    CalStreamSettings dock;
    dock.width = 3840;
    dock.height = 2160;
    dock.fps = 15;
    dock.codec = CalCodec::H265Smart;
    dock.quality = CalQuality::High;
    dock.scene = CalScene::Busy;
    dock.nightPercent = 40;
    named.cameras[0].firstEstimate = dock;
    CalStreamSettings sub;
    sub.width = CalMinStreamWidth;
    sub.height = CalMinStreamHeight;
    sub.fps = CalMaxStreamFps;
    sub.codec = CalCodec::MJPEG;
    named.cameras[1].secondEstimate = sub;
    named.ipcSecondEstimate = dock;
    QTest::newRow("names and the settings bit rates were estimated from") << named;
    CorvanePlan priced = own;
    priced.details.site = QStringLiteral("North \"Dock\" \u5317");
    priced.details.planner = QString(PlanFormat::MaxDetailChars, QChar(0x4e3b));
    priced.details.notes = QStringLiteral("Prices in EUR.\n\tNo cabling.\n");
    priced.prices.recorders = {{QStringLiteral("NR-A8V"), 12950}, {x16.name, CalMaxUnitPrice}};
    priced.prices.disks = {{8, 21000}, {24, 0}};
    priced.cameras[1].unitPrice = 5;
    QTest::newRow("details without a customer, prices of an own model, a disk, a camera type")
        << priced;
}

void TestPlanFile::roundTrip()
{
    QFETCH(CorvanePlan, plan);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.corvane"));
    QString error;
    QVERIFY(WritePlanFile(path, plan, &error));
    const PlanReadResult read = ReadPlanFile(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QVERIFY(read.plan == plan);
    // A person can read it: the format named first, one record a line.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("{\n    \"format\": \"corvane-plan\",\n    \"version\": 1,\n"));
    const qsizetype cameras = plan.cameras.size(), recorders = plan.recorders.size();
    const qsizetype models = qsizetype(plan.models.size());
    const PlanDetails& details = plan.details;
    const int detailLines = details.IsEmpty()
                                ? 0
                                : 2 + !details.site.isEmpty() + !details.customer.isEmpty() +
                                      !details.planner.isEmpty() + !details.notes.isEmpty();
    const int priceLines =
        plan.prices.IsEmpty() ? 0 : 2 + !plan.prices.recorders.empty() + !plan.prices.disks.empty();
    QCOMPARE(text.count('\n'), 15 + (cameras ? cameras + 1 : 0) + (recorders ? recorders + 1 : 0) +
                                   (models ? models + 2 : 0) + (plan.ipcFirstEstimate ? 1 : 0) +
                                   (plan.ipcSecondEstimate ? 1 : 0) +
                                   (plan.nvrBandwidthReservePercent ? 1 : 0) +
                                   (plan.ipcBandwidthReservePercent ? 1 : 0) + detailLines +
                                   priceLines);
    // Exact amounts, as typed.
    if (!plan.prices.disks.empty())
        QVERIFY(text.contains("\"disks\": {\"8\": \"210.00\", \"24\": \"0.00\"}"));
    QVERIFY(text.contains("\n        \"model\": \"" + plan.nvrModel.toUtf8() + "\""));
}

void TestPlanFile::storageDefaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CalStorageInputs>("storage");
    QTest::newRow("plan saved before storage existed")
        << SmallWith("nvrCalculate/storage", QJsonValue(QJsonValue::Undefined))
        << CalStorageInputs();
    CalStorageInputs some;
    some.retentionDays = 90;
    some.redundancy = CalRedundancy::SingleParity;
    QTest::newRow("some keys given, an unknown one ignored")
        << SmallWith("nvrCalculate/storage",
                     QJsonObject{{"retentionDays", 90}, {"redundancy", "parity1"}, {"codec", "x"}})
        << some;
}

void TestPlanFile::storageDefaults()
{
    QFETCH(QByteArray, bytes);
    QFETCH(CalStorageInputs, storage);
    const PlanReadResult read = ParsePlan(bytes);
    QVERIFY2(read.ok, qPrintable(read.error));
    CorvanePlan expected = SmallPlan();
    expected.storage = storage;
    QVERIFY(read.plan == expected);
}

void TestPlanFile::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    // A draft opens with the inputs as the pages held them; only calculating refuses it.
    QTest::addColumn<bool>("draft");

    const QJsonValue none = QJsonValue(QJsonValue::Undefined);
    QTest::newRow("not JSON") << QByteArray("model=NR-A8V\n") << "not valid JSON" << false;
    QTest::newRow("truncated") << SerializePlan(SmallPlan()).left(120) << "not valid JSON" << false;
    QTest::newRow("JSON, not a plan") << QByteArray("[1, 2, 3]") << "is not a plan." << false;
    QTest::newRow("other format") << SmallWith("format", QStringLiteral("x")) << "is not a plan."
                                  << false;
    QTest::newRow("newer version") << SmallWith("version", 2) << "newer version" << false;
    QTest::newRow("version as text")
        << SmallWith("version", QStringLiteral("1")) << "\"version\"" << false;
    QTest::newRow("page missing") << SmallWith("ipcCalculate", none) << "\"recorders\"" << false;
    QTest::newRow("unknown model, NVR page")
        << SmallWith("nvrCalculate/model", QStringLiteral("NR-Z1")) << "unknown NVR type" << false;
    QTest::newRow("model in other case")
        << SmallWith("ipcCalculate/recorders/1/model", QStringLiteral("nr-q16y"))
        << "unknown NVR type in recorder record 2" << false;
    CorvanePlan twice = SmallPlan();
    twice.recorders[1] = {QStringLiteral("NR-A8V"), 0, 1};
    QTest::newRow("same model twice")
        << SerializePlan(twice)
        << "NR-A8V a second time in recorder record 2 of the IPC Calculate page" << true;
    QTest::newRow("too many disabled channels")
        << SmallWith("nvrCalculate/disabledChannels", 17) << "allows 0 to 16" << false;
    QTest::newRow("disabled channels on a model without")
        << SmallWith("ipcCalculate/recorders/0/disabledChannels", 1) << "allows 0 to 0" << false;
    QTest::newRow("bit rate above range")
        << SmallWith("nvrCalculate/cameras/1/firstBitRate", QStringLiteral("32M"))
        << "invalid first bit rate in camera record 2 of the NVR Calculate page" << true;
    QTest::newRow("bit rate not a number")
        << SmallWith("ipcCalculate/secondBitRate", QStringLiteral("fast"))
        << "invalid second bit rate in the IPC Calculate page: \"fast\"" << true;
    QTest::newRow("bit rate as a number")
        << SmallWith("ipcCalculate/firstBitRate", 512) << "\"firstBitRate\"" << false;
    QTest::newRow("negative count") << SmallWith("nvrCalculate/cameras/0/count", -1)
                                    << "invalid number in camera record 1" << false;
    QTest::newRow("fractional count")
        << SmallWith("ipcCalculate/recorders/0/count", 2.5) << "invalid number" << false;
    QTest::newRow("count above 1000000")
        << SmallWith("nvrCalculate/cameras/0/count", 1000001)
        << "invalid number in camera record 1 of the NVR Calculate page" << true;
    QTest::newRow("count beyond what an editor holds")
        << SmallWith("nvrCalculate/cameras/0/count", 10000000) << "invalid number" << false;
    QTest::newRow("blank count kept as a draft")
        << SmallWith("nvrCalculate/cameras/0/count", QJsonValue(QJsonValue::Null))
        << "invalid number in camera record 1" << true;
    QTest::newRow("count as text") << SmallWith("nvrCalculate/cameras/0/count", QStringLiteral("5"))
                                   << "invalid number" << false;

    QJsonArray cameras;
    for (int i = 0; i < 101; ++i)
        cameras.append(QJsonObject{{"firstBitRate", "0"}, {"secondBitRate", "0"}, {"count", 0}});
    QTest::newRow("101 camera records")
        << SmallWith("nvrCalculate/cameras", cameras) << "more than 100 camera records" << false;
    QJsonArray recorders;
    for (int i = 0; i < 29; ++i)
        recorders.append(QJsonObject{{"model", "NR-A8V"}, {"disabledChannels", 0}, {"count", 0}});
    QTest::newRow("29 recorder records") << SmallWith("ipcCalculate/recorders", recorders)
                                         << "more than 28 recorder records" << false;
    QTest::newRow("cameras above the total")
        << SmallWith("nvrCalculate/cameras/0/count", 999991)
        << "more than 1000000 cameras on the NVR Calculate page" << true;
    QTest::newRow("recorders above the total")
        << SmallWith("ipcCalculate/recorders/0/count", 1000000)
        << "more than 1000000 recorders on the IPC Calculate page" << true;

    const auto storage = [](const char* key, const QJsonValue& value) {
        return SmallWith((QByteArray("nvrCalculate/storage/") + key).constData(), value);
    };
    QTest::newRow("storage not an object") << SmallWith("nvrCalculate/storage", QJsonArray{30})
                                           << "lacks a valid \"storage\"" << false;
    QTest::newRow("retention of 0 days")
        << storage("retentionDays", 0)
        << "invalid \"retentionDays\" in the storage inputs of the NVR Calculate page (1 to 3650)"
        << true;
    QTest::newRow("retention above ten years")
        << storage("retentionDays", 3651) << "\"retentionDays\"" << true;
    QTest::newRow("retention beyond what the editor holds")
        << storage("retentionDays", 10000) << "\"retentionDays\"" << false;
    QTest::newRow("retention as text")
        << storage("retentionDays", QStringLiteral("30")) << "\"retentionDays\"" << false;
    QTest::newRow("25 hours a day") << storage("hoursPerDay", 25) << "\"hoursPerDay\"" << true;
    QTest::newRow("0 % recorded") << storage("recordedPercent", 0) << "\"recordedPercent\"" << true;
    QTest::newRow("101 % recorded") << storage("recordedPercent", 101) << "(1 to 100)" << true;
    QTest::newRow("five hot spares") << storage("hotSpares", 5) << "\"hotSpares\"" << true;
    QTest::newRow("no disks per recorder") << storage("disksPerNvr", 0) << "(1 to 255)" << true;
    QTest::newRow("too few disks for two parity disks")
        << SmallWith("nvrCalculate/storage",
                     QJsonObject{{"disksPerNvr", 3}, {"redundancy", "parity2"}})
        << "\"disksPerNvr\" in the storage inputs of the NVR Calculate page: Too few disks" << true;
    QTest::newRow("51 % of the bandwidth kept free")
        << SmallWith("ipcCalculate/bandwidthReservePercent", 51)
        << "invalid \"bandwidthReservePercent\" in the IPC Calculate page (0 to 50)" << true;
    QTest::newRow("bandwidth kept free as text")
        << SmallWith("nvrCalculate/bandwidthReservePercent", QStringLiteral("25"))
        << "\"bandwidthReservePercent\" in the NVR Calculate page" << false;
    QTest::newRow("31 % kept free on the disks")
        << storage("storageReservePercent", 31) << "(0 to 30)" << true;
    QTest::newRow("disk size not offered")
        << storage("diskTB", 5)
        << "\"diskTB\" in the storage inputs of the NVR Calculate page "
           "(one of: 1, 2, 3, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, smallest)"
        << false;
    QTest::newRow("unknown streams")
        << storage("streams", QStringLiteral("second")) << "(one of: first, both)" << false;
    QTest::newRow("redundancy in other case")
        << storage("redundancy", QStringLiteral("Mirror")) << "\"redundancy\"" << false;
    QTest::newRow("redundancy as its number")
        << storage("redundancy", 1) << "(one of: none, mirror, parity1, parity2)" << false;

    QTest::newRow("nested too deeply")
        << QByteArray(9, '[') + QByteArray(9, ']') << "nested too deeply" << false;
    QByteArray manyValues("[");
    for (int i = 0; i < 20000; ++i)
        manyValues += "0,";
    QTest::newRow("too many values") << manyValues + "0]"
                                     << "too many values" << false;
    QTest::newRow("brackets in strings do not count")
        << SmallWith("nvrCalculate/model", QStringLiteral("[[[[[[[[[[\\\"")) << "unknown NVR type"
        << false;
    const auto withModel = [](const QJsonObject& model) {
        QJsonObject root = QJsonDocument::fromJson(SmallWith("nvrCalculate/model", "Own")).object();
        root.insert("recorderModels", QJsonArray{model});
        return QJsonDocument(root).toJson();
    };
    const QJsonObject own{{"name", "Own"},        {"bandwidthKbps", 50000},
                          {"channels", 8},        {"maxDisabledChannels", 0},
                          {"bays", QJsonValue()}, {"largestDiskTB", QJsonValue()}};
    QTest::newRow("own model not defined")
        << SmallWith("nvrCalculate/model", "Own")
        << "unknown NVR type in the NVR Calculate page: \"Own\"" << false;
    QTest::newRow("name of 65 characters")
        << SmallWith("nvrCalculate/cameras/0/name", QString(65, QLatin1Char('n')))
        << "invalid name in camera record 1" << false;
    QTest::newRow("name with a line break")
        << SmallWith("nvrCalculate/cameras/1/name", QStringLiteral("a\nb"))
        << "invalid name in camera record 2" << false;
    const QJsonObject settings{{"width", 1920},    {"height", 1080},      {"fps", 61},
                               {"codec", "h265"},  {"quality", "normal"}, {"scene", "busy"},
                               {"nightPercent", 0}};
    QTest::newRow("estimated at 61 fps")
        << SmallWith("nvrCalculate/cameras/0/firstEstimate", settings)
        << "\"firstEstimate\" of camera record 1 of the NVR Calculate page: The frame rate must be "
           "1 "
           "to 60"
        << false;
    QJsonObject hevc = settings;
    hevc.insert("fps", 25);
    hevc.insert("codec", "hevc");
    QTest::newRow("unknown codec on the IPC page")
        << SmallWith("ipcCalculate/secondEstimate", hevc)
        << "\"secondEstimate\" of the IPC Calculate page: The codec must be one of" << false;
    QJsonObject badOwn = own;
    badOwn.insert("bandwidthKbps", 0);
    QTest::newRow("own model without bandwidth")
        << withModel(badOwn) << "model 1 (\"Own\") of the plan, field \"bandwidthKbps\"" << false;
    QJsonObject builtInName = own;
    builtInName.insert("name", "nr-a8v");
    QTest::newRow("own model named as a built-in one")
        << withModel(builtInName) << "already called \"nr-a8v\"" << false;
    QTest::newRow("customer of 201 characters")
        << SmallWith("details/customer", QString(201, QLatin1Char('c')))
        << "invalid \"customer\" in the plan details: It holds 201 characters; at most 200"
        << false;
    QTest::newRow("site with a line break")
        << SmallWith("details/site", QStringLiteral("North\nSouth"))
        << "invalid \"site\" in the plan details: It holds a line break" << false;
    QTest::newRow("planner with a zero-width space")
        << SmallWith("details/planner", QStringLiteral("Li\u200bWei"))
        << "invalid \"planner\" in the plan details" << false;
    QTest::newRow("notes with a bell")
        << SmallWith("details/notes", QStringLiteral("a\n\ab"))
        << "invalid \"notes\" in the plan details: It holds a control character other" << false;
    QTest::newRow("notes of 4001 characters")
        << SmallWith("details/notes", QString(4001, QLatin1Char('n')))
        << "invalid \"notes\" in the plan details: It holds 4001 characters" << false;
    QTest::newRow("customer as a number") << SmallWith("details/customer", 7)
                                          << "the plan details lacks a valid \"customer\"" << false;
    QTest::newRow("camera price with three decimals")
        << SmallWith("nvrCalculate/cameras/1/unitPrice", QStringLiteral("12.505"))
        << "invalid unit price for camera record 2 of the NVR Calculate page: \"12.505\"" << false;
    QTest::newRow("negative recorder price")
        << SmallWith("prices/recorders/NR-A8V", QStringLiteral("-1"))
        << "invalid unit price for the NVR type \"NR-A8V\": \"-1\"" << false;
    QTest::newRow("disk price above the largest")
        << SmallWith("prices/disks/8", QStringLiteral("10000000000.00"))
        << "invalid unit price for 8 TB disks" << false;
    QTest::newRow("disk price as a number")
        << SmallWith("prices/disks/8", 210) << "invalid unit price for 8 TB disks: 210" << false;
    QTest::newRow("price of a model the plan does not know")
        << SmallWith("prices/recorders/NR-Z1", QStringLiteral("1"))
        << "unit price for an unknown NVR type: \"NR-Z1\"" << false;
    QTest::newRow("price of a disk size not offered")
        << SmallWith("prices/disks/5", QStringLiteral("1")) << "disks of \"5\" TB" << false;
    QByteArray huge = SerializePlan(SmallPlan());
    huge.append(QByteArray(PlanFormat::MaxFileBytes, ' '));
    QTest::newRow("too large") << huge << "too large" << false;
}

void TestPlanFile::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(bool, draft);
    const PlanReadResult read = ParsePlan(bytes);
    if (!draft) {
        QVERIFY(!read.ok);
        QVERIFY2(read.error.contains(message), qPrintable(read.error));
        return;
    }
    QVERIFY2(read.ok, qPrintable(read.error));
    const QString problem = CheckPlan(read.plan);
    QVERIFY2(problem.contains(message), qPrintable(problem));
    // Saved again, the draft keeps what was typed.
    QVERIFY(ParsePlan(SerializePlan(read.plan)).plan == read.plan);
}

void TestPlanFile::fileRefusals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "missing"
                             << "does not exist";
    QTest::newRow("folder") << "folder"
                            << "not a regular file";
    QTest::newRow("pipe (would block a plain open)") << "pipe"
                                                     << "not a regular file";
    QTest::newRow("device") << "device"
                            << "not a regular file";
    QTest::newRow("sparse file above the bound") << "large"
                                                 << "too large";
}

void TestPlanFile::fileRefusals()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("site.corvane"));
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("site.corvane")));
    } else if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    } else if (kind == QLatin1String("large")) {
        QVERIFY(WritePlanFile(path, SmallPlan(), nullptr));
        QFile file(path);
        QVERIFY(file.resize(PlanFormat::MaxFileBytes + 1));
    }
    const PlanReadResult read = ReadPlanFile(path);
    QVERIFY(!read.ok);
    QVERIFY2(read.error.contains(message), qPrintable(read.error));
}

void TestPlanFile::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    // A path whose folder is a file cannot be written, even by root.
    const QString blocker = dir.filePath(QStringLiteral("notafolder"));
    QVERIFY(WritePlanFile(blocker, SmallPlan(), nullptr));
    QString error;
    QVERIFY(!WritePlanFile(blocker + QStringLiteral("/site.corvane"), SmallPlan(), &error));
    QVERIFY(!error.isEmpty());

    // Saving over a plan that exists goes through a temporary file: the folder holds only the
    // finished plan afterwards.
    CorvanePlan changed = SmallPlan();
    changed.cameras[0].count = 7;
    QVERIFY(WritePlanFile(blocker, changed, &error));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("notafolder")});
    QCOMPARE(ReadPlanFile(blocker).plan.cameras[0].count, 7);
}

QTEST_GUILESS_MAIN(TestPlanFile)
#include "tst_planfile.moc"

void TestPlanFile::catalogueRefusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const auto json = [](const QByteArray& models) {
        return "{\"format\": \"corvane-catalogue\", \"version\": 1, \"models\": [" + models + "]}";
    };
    const QByteArray good = "{\"name\": \"X-16\", \"bandwidthKbps\": 160000, \"channels\": 16, "
                            "\"maxDisabledChannels\": 0, \"bays\": 4, \"largestDiskTB\": 16}";
    const auto with = [&](const char* from, const char* to) {
        return json(QByteArray(good).replace(from, to));
    };
    const QByteArray header =
        "name,bandwidthKbps,channels,maxDisabledChannels,bays,largestDiskTB\n";
    QTest::newRow("JSON, accepted")
        << json(good + ", " + QByteArray(good).replace("X-16", "Y")) << QString();
    QTest::newRow("CSV, unknown bays and quoted name accepted")
        << header + "X-16,160000,16,0,,16\r\n\"A, \"\"B\"\"\",2048,4,0,null,\n"
        << QString();
    QTest::newRow("other format") << QByteArray("{\"format\": \"corvane-plan\", \"models\": []}")
                                  << "not a catalogue";
    QTest::newRow("other version") << QByteArray(good)
                                          .prepend("{\"format\": \"corvane-catalogue\", "
                                                   "\"version\": 2, \"models\": [")
                                          .append("]}")
                                   << "format version";
    QTest::newRow("name not text")
        << with("\"X-16\"", "16") << "model 1 of the catalogue, field \"name\"";
    QTest::newRow("name of a built-in model, other case")
        << with("X-16", "nr-k16y") << "field \"name\": Another recorder model is already called";
    QTest::newRow("same name twice")
        << json(good + ", " + good) << "model 2 (\"X-16\") of the catalogue, field \"name\"";
    QTest::newRow("bandwidth above 100000000 kbps")
        << with("160000", "100000001") << "field \"bandwidthKbps\"";
    QTest::newRow("fractional channels")
        << with("\"channels\": 16", "\"channels\": 1.5") << "field \"channels\"";
    QTest::newRow("more disabled than channels")
        << with("\"maxDisabledChannels\": 0", "\"maxDisabledChannels\": 17")
        << "field \"maxDisabledChannels\"";
    QTest::newRow("0 bays is no count of bays")
        << with("\"bays\": 4", "\"bays\": 0") << "field \"bays\"";
    QTest::newRow("256 bays") << with("\"bays\": 4", "\"bays\": 256") << "field \"bays\"";
    QTest::newRow("101 TB disk") << with("\"largestDiskTB\": 16", "\"largestDiskTB\": 101")
                                 << "field \"largestDiskTB\"";
    QByteArray many;
    for (int i = 0; i <= CalMaxOwnModels; ++i)
        many += (i ? ", " : "") + QByteArray(good).replace("X-16", "M" + QByteArray::number(i));
    QTest::newRow("1001 models") << json(many) << "at most 1000 recorder models";
    QTest::newRow("CSV without a channels column")
        << QByteArray("name,bandwidthKbps\nX,1000\n") << "lacks the column \"channels\"";
    QTest::newRow("CSV, bandwidth not a number")
        << header + "X-16,fast,16,0,4,16\n"
        << "model 1 (\"X-16\") of the catalogue, field \"bandwidthKbps\"";
    QTest::newRow("CSV, name with a control character") << header + "X\t16,1000,16,0,4,16\n"
                                                        << "field \"name\"";
    QTest::newRow("too large") << good + QByteArray(CatalogueFormat::MaxFileBytes, ' ')
                               << "too large to be a catalogue";
}

void TestPlanFile::catalogueRefusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const CatalogueReadResult read = ParseCatalogue(bytes);
    if (message.isEmpty()) {
        QVERIFY2(read.ok, qPrintable(read.error));
        QCOMPARE(int(read.models.size()), 2);
        QCOMPARE(read.models[0].bandwidth, 160000);
        QCOMPARE(read.models[0].largestDiskTB, 16);
        return;
    }
    QVERIFY(!read.ok);
    QVERIFY(read.models.empty());
    QVERIFY2(read.error.contains(message), qPrintable(read.error));
}

void TestPlanFile::catalogueRoundTrip_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("JSON") << "json";
    QTest::newRow("CSV") << "csv";
}

void TestPlanFile::catalogueRoundTrip()
{
    QFETCH(QString, suffix);
    CalNVRInfo quoted(0, QStringLiteral("\"Dock\", 4K \u4e3b"), 1024, 1024, CalMaxModelBandwidth);
    quoted.bays = CalMaxModelBays;
    quoted.largestDiskTB = CalMaxModelDiskTB;
    const CalModelList models{quoted, CalNVRInfo(0, QStringLiteral("Y"), 1, 0, 1)};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vendor.") + suffix);
    QString error;
    QVERIFY(WriteCatalogueFile(path, models, &error));
    const CatalogueReadResult read = ReadCatalogueFile(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QVERIFY(read.models == models);
}
