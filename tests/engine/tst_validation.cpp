// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/validation.h"
#include "tests/support/records.h"

#include <QtTest>

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bitRateText_data();
    void bitRateText();
    void comboChoicesAreValidBitRates();
    void countText_data();
    void countText();
    void disabledChannels_data();
    void disabledChannels();
    void selectionKeepsFirstRowOfModel();
    void nvrRequest_data();
    void nvrRequest();
    void storageMessage_data();
    void storageMessage();
};

void TestValidation::initTestCase()
{
    InitNVRTypeTable();
}

void TestValidation::bitRateText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("zero") << "0" << true;
    QTest::newRow("lowest") << "32" << true;
    QTest::newRow("below lowest") << "31" << false;
    QTest::newRow("highest") << "16384(16M)" << true;
    QTest::newRow("above highest") << "16385" << false;
    QTest::newRow("16M typed") << "16M" << true;
    QTest::newRow("17M") << "17M" << false;
    QTest::newRow("32k") << "32k" << true;
    QTest::newRow("unreadable") << "fast" << false;
    QTest::newRow("negative") << "-64" << false;
    QTest::newRow("double zero") << "00" << false;
    QTest::newRow("M wrapping to 1024 in 32 bits") << "4194305M" << false;
    QTest::newRow("k wrapping to 1024 in 32 bits") << "4294968320k" << false;
}

void TestValidation::bitRateText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(IsValidBitRateText(text), valid);
}

void TestValidation::comboChoicesAreValidBitRates()
{
    const QStringList choices = BitRateChoices();
    QCOMPARE(choices.size(), 11);
    QCOMPARE(choices.at(CalDefaultBitRateIndex), QStringLiteral("1024(1M)"));
    int previous = -1;
    for (const QString& choice : choices) {
        const int kbps = ParseBitRate(choice);
        QVERIFY2(IsValidBitRate(kbps), qPrintable(choice));
        QVERIFY(kbps > previous);
        previous = kbps;
    }
    QCOMPARE(previous, CalMaxBitRate);
}

void TestValidation::countText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("count");

    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("one digit") << "5" << true << 5;
    QTest::newRow("six digits") << "999999" << true << 999999;
    QTest::newRow("one million") << "1000000" << true << 1000000;
    QTest::newRow("above one million") << "1000001" << false << 1000001;
    QTest::newRow("seven digits") << "2000000" << false << 2000000;
    QTest::newRow("leading zero reads as a person would") << "012" << true << 12;
    QTest::newRow("double zero") << "00" << true << 0;
    QTest::newRow("empty counts zero") << "" << false << 0;
    QTest::newRow("sign") << "+5" << false << 5;
    QTest::newRow("spaces around, as pasted") << " 5 " << true << 5;
    QTest::newRow("a line break pasted after") << "12\n" << true << 12;
    QTest::newRow("exponent") << "1e3" << false << 0;
    QTest::newRow("full-width digit") << QString(QChar(0xff15)) << false << 0;
    QTest::newRow("letters") << "5a" << false << 0;
}

void TestValidation::countText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, count);
    QCOMPARE(IsValidCountText(text), valid);
    QCOMPARE(CountFromText(text), count);
}

void TestValidation::disabledChannels_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("disabled");
    QTest::addColumn<bool>("valid");

    QTest::newRow("none on a model without") << 0 << 0 << true;
    QTest::newRow("one on a model without") << 0 << 1 << false;
    QTest::newRow("all of K16Y") << 18 << 16 << true;
    QTest::newRow("one more than K16Y allows") << 18 << 17 << false;
    QTest::newRow("negative") << 18 << -1 << false;
}

void TestValidation::disabledChannels()
{
    QFETCH(int, id);
    QFETCH(int, disabled);
    QFETCH(bool, valid);
    QCOMPARE(IsValidDisabledChannels(NVRTypeList.at(id), disabled), valid);
}

void TestValidation::selectionKeepsFirstRowOfModel()
{
    qint64 total = -1;
    const CalNVRSelection selection =
        BuildNVRSelection({{16, 2, 3}, {0, 0, 0}, {16, 4, 9}, {6, 0, 1}}, &total);
    QCOMPARE(total, qint64(13));
    QCOMPARE(int(selection.size()), 2);
    QCOMPARE(selection.at(16), std::make_pair(2, 3));
    QCOMPARE(selection.at(6), std::make_pair(0, 1));
}

void TestValidation::nvrRequest_data()
{
    QTest::addColumn<int>("firstCount");
    QTest::addColumn<int>("secondRate");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("offending");

    const int ok = int(CalNVRCheck::Ok);
    const int tooMany = int(CalNVRCheck::TooManyIPCs);
    const int over = int(CalNVRCheck::BitRateOverBandwidth);
    QTest::newRow("within limits") << 5 << 20480 << ok << "";
    QTest::newRow("exactly a million") << 999990 << 1024 << ok << "";
    QTest::newRow("one above a million") << 999991 << 1024 << tooMany << "";
    QTest::newRow("over bandwidth, zero count too") << 5 << 20481 << over << "2   ,3";
    QTest::newRow("too many wins over bandwidth") << 999991 << 20481 << tooMany << "2   ,3";
}

void TestValidation::nvrRequest()
{
    QFETCH(int, firstCount);
    QFETCH(int, secondRate);
    QFETCH(int, result);
    QFETCH(QString, offending);
    // Row 3 always exceeds the bandwidth when row 2 does, but has no cameras.
    const int thirdRate = secondRate > 20480 ? 32768 : 64;
    const std::vector<CalIPCInfo> rows = {Ipc(1, 1024, firstCount), Ipc(2, secondRate, 10),
                                          Ipc(3, thirdRate, 0)};
    std::vector<int> ids;
    QCOMPARE(int(CheckNVRRequest(rows, 20480, &ids)), result);
    QCOMPARE(JoinIPCTypeNumbers(ids), offending);
}

void TestValidation::storageMessage_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("message");

    // The texts "NVR Calculate" shows under its storage inputs.
    QTest::newRow("usable") << int(CalStorageInput::None) << "";
    QTest::newRow("retention") << int(CalStorageInput::RetentionDays)
                               << "The retention must be 1 to 3650 days";
    QTest::newRow("hours") << int(CalStorageInput::HoursPerDay)
                           << "The recording hours must be 1 to 24 a day";
    QTest::newRow("share") << int(CalStorageInput::RecordedPercent)
                           << "The recorded share must be 1 to 100 percent";
    QTest::newRow("redundancy") << int(CalStorageInput::Redundancy)
                                << "Choose the streams, the disk size and the redundancy";
    QTest::newRow("space kept free") << int(CalStorageInput::StorageReserve)
                                     << "The space kept free on the disks must be 0 to 30 percent";
    QTest::newRow("hot spares") << int(CalStorageInput::HotSpares)
                                << "The hot spares must be 0 to 4 disks per recorder";
}

void TestValidation::storageMessage()
{
    QFETCH(int, input);
    QFETCH(QString, message);
    QCOMPARE(StorageInputMessage(CalStorageInput(input)), message);
}

QTEST_APPLESS_MAIN(TestValidation)
#include "tst_validation.moc"
