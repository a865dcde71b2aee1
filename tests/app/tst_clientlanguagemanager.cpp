// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clientconfigmanager.h"
#include "app/clientlanguagemanager.h"
#include "app/installpaths.h"
#include "engine/validation.h"

#include <QTemporaryDir>
#include <QtTest>

// Builds a program folder with the chosen catalogues copied from the build's translations.
static bool MakeProgramDir(const QTemporaryDir& dir, const QStringList& files)
{
    if (!QDir(dir.path()).mkpath(QStringLiteral("translations")))
        return false;
    for (const QString& file : files) {
        if (!QFile::copy(QStringLiteral(CORVANE_TRANSLATIONS_DIR "/") + file,
                         dir.filePath(QStringLiteral("translations/") + file)))
            return false;
    }
    return true;
}

static void WriteSetup(const QTemporaryDir& dir, const QByteArray& xml)
{
    QFile file(dir.filePath(QStringLiteral("Setup.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(xml);
}

static const QStringList AllFiles = {"corvane_en.qm", "qt_en_CN.qm", "corvane_zh.qm",
                                     "qt_zh_CN.qm"};

class TestClientLanguageManager : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ClientConfigManager::GetInstance()->ClearConfigs(); }
    void index_data();
    void index();
    void entries_data();
    void entries();
    void chineseTranslatesTexts();
    void current_data();
    void current();
    void systemLanguage_data();
    void systemLanguage();
    void lookupOrder_data();
    void lookupOrder();
};

void TestClientLanguageManager::index_data()
{
    QTest::addColumn<int>("translator");
    QTest::addColumn<int>("versionType");
    QTest::addColumn<int>("index");

    QTest::newRow("no settings") << 0 << 0 << 2;
    QTest::newRow("English, version 1") << 0 << 1 << 0;
    QTest::newRow("Chinese, no version") << 1 << 0 << 3;
    QTest::newRow("Chinese, version 1") << 1 << 1 << 1;
    QTest::newRow("Chinese, any other version") << 1 << 9 << 1;
    QTest::newRow("2 directly whatever the version") << 2 << 1 << 2;
    QTest::newRow("3 directly whatever the version") << 3 << 0 << 3;
    QTest::newRow("out of range stays as it is") << 7 << 0 << 7;
}

void TestClientLanguageManager::index()
{
    QFETCH(int, translator);
    QFETCH(int, versionType);
    QFETCH(int, index);
    QCOMPARE(ClientLanguageManager::LanguageIndex(translator, versionType), index);
}

void TestClientLanguageManager::entries_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<int>>("present");

    QTest::newRow("all catalogues") << AllFiles << QList<int>{0, 1, 2, 3};
    QTest::newRow("toolkit Chinese missing")
        << QStringList{"corvane_en.qm", "qt_en_CN.qm", "corvane_zh.qm"} << QList<int>{0, 2};
    QTest::newRow("program Chinese missing")
        << QStringList{"corvane_en.qm", "qt_en_CN.qm", "qt_zh_CN.qm"} << QList<int>{0, 2};
    QTest::newRow("no catalogues: English still there") << QStringList() << QList<int>{0, 2};
}

void TestClientLanguageManager::entries()
{
    QFETCH(QStringList, files);
    QFETCH(QList<int>, present);
    QTemporaryDir dir;
    QVERIFY(MakeProgramDir(dir, files));
    ClientLanguageManager languages(dir.path() + QLatin1Char('/'));
    QCOMPARE(languages.Count(), present.size());
    for (int index = 0; index < 4; ++index) {
        ClientLanguageProperty* entry = languages.FindLanguage(index);
        QCOMPARE(entry != nullptr, present.contains(index));
        if (!entry)
            continue;
        const bool chinese = index == 1 || index == 3;
        QCOMPARE(entry->GetLocale(), chinese ? QLocale(QLocale::Chinese, QLocale::China)
                                             : QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(entry->GetAppTranslator());
        QVERIFY(entry->GetQtTranslator());
    }
    // Entries of one language hold translators of their own.
    if (languages.FindLanguage(1) && languages.FindLanguage(3))
        QVERIFY(languages.FindLanguage(1)->GetAppTranslator() !=
                languages.FindLanguage(3)->GetAppTranslator());
}

void TestClientLanguageManager::chineseTranslatesTexts()
{
    QTemporaryDir dir;
    QVERIFY(MakeProgramDir(dir, AllFiles));
    ClientLanguageManager languages(dir.path() + QLatin1Char('/'));
    QTranslator* app = languages.FindLanguage(1)->GetAppTranslator();
    const QString text = app->translate("CCorvane", "Sure to close software");
    QVERIFY(!text.isEmpty());
    QVERIFY(text != QStringLiteral("Sure to close software"));
    // The input-check texts shared by the pages come from the engine's own context.
    QCoreApplication::installTranslator(app);
    const QString invalid = CalMessage(CalMessages::NVRTypeInvalid);
    const QString retention = StorageInputMessage(CalStorageInput::RetentionDays);
    QCoreApplication::removeTranslator(app);
    QVERIFY(!invalid.isEmpty());
    QVERIFY(invalid != QLatin1String(CalMessages::NVRTypeInvalid));
    QVERIFY(retention != StorageInputMessage(CalStorageInput::RetentionDays));
    QVERIFY(retention.contains(QString::number(CalMaxRetentionDays)));
    // The toolkit catalogue is self-contained: it translates without companion files.
    QVERIFY(!languages.FindLanguage(1)->GetQtTranslator()->isEmpty());
}

void TestClientLanguageManager::current_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<int>("language");

    QTest::newRow("no Setup.xml: entry 2") << AllFiles << QByteArray() << 2;
    QTest::newRow("Chinese without version: entry 3")
        << AllFiles << QByteArray("<Configs><Translator><Value>1</Value></Translator></Configs>")
        << 3;
    QTest::newRow("Chinese with version 1: entry 1")
        << AllFiles
        << QByteArray("<Configs><Translator><Value>1</Value></Translator>"
                      "<VersionType><Value>1</Value></VersionType></Configs>")
        << 1;
    QTest::newRow("Chinese asked, toolkit catalogue missing: English entry 0")
        << QStringList{"corvane_zh.qm"}
        << QByteArray("<Configs><Translator><Value>1</Value></Translator></Configs>") << 0;
    QTest::newRow("unknown index 7: entry 0")
        << AllFiles << QByteArray("<Configs><Translator><Value>7</Value></Translator></Configs>")
        << 0;
    QTest::newRow("negative index: entry 0")
        << AllFiles << QByteArray("<Configs><Translator><Value>-1</Value></Translator></Configs>")
        << 0;
}

void TestClientLanguageManager::current()
{
    QFETCH(QStringList, files);
    QFETCH(QByteArray, setup);
    QFETCH(int, language);
    QTemporaryDir dir;
    QVERIFY(MakeProgramDir(dir, files));
    if (!setup.isEmpty()) {
        WriteSetup(dir, setup);
        QVERIFY(ClientConfigManager::GetInstance()->LoadConfig(dir.filePath("Setup.xml")));
    }
    ClientLanguageManager languages(dir.path() + QLatin1Char('/'));
    ClientLanguageProperty* entry = languages.GetCurrentLanguage();
    QVERIFY(entry);
    QCOMPARE(entry->GetLanguage(), language);
}

void TestClientLanguageManager::systemLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("language");

    QTest::newRow("Chinese locale: entry 3") << QStringList{"zh-CN", "zh"} << AllFiles << 3;
    QTest::newRow("traditional Chinese is Chinese too")
        << QStringList{"zh-Hant-TW"} << AllFiles << 3;
    QTest::newRow("English locale: entry 2") << QStringList{"en-US"} << AllFiles << 2;
    QTest::newRow("first preference wins") << QStringList{"de-DE", "zh-CN"} << AllFiles << 2;
    QTest::newRow("Chinese locale, Chinese catalogues missing: entry 0")
        << QStringList{"zh-CN"} << QStringList{"corvane_en.qm"} << 0;
}

void TestClientLanguageManager::systemLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QStringList, files);
    QFETCH(int, language);
    QTemporaryDir dir;
    QVERIFY(MakeProgramDir(dir, files));
    ClientLanguageManager languages(dir.path() + QLatin1Char('/'));
    languages.SetTranslatorOverride(TranslatorForLanguages(uiLanguages));
    QCOMPARE(languages.GetCurrentLanguage()->GetLanguage(), language);
}

void TestClientLanguageManager::lookupOrder_data()
{
    // Which of the program's folder, a data folder and a configuration folder hold the
    // translations/ folder ("t") and Setup.xml ("s"); which folder each is read from.
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("config");
    QTest::addColumn<QString>("translationsFrom");
    QTest::addColumn<QString>("setupFrom");

    QTest::newRow("build tree: beside the executable wins") << "ts"
                                                            << "t"
                                                            << "s"
                                                            << "program"
                                                            << "program";
    QTest::newRow("installed: data and configuration folders") << ""
                                                               << "t"
                                                               << "s"
                                                               << "data"
                                                               << "config";
    QTest::newRow("installed without configuration: name beside the executable") << ""
                                                                                 << "t"
                                                                                 << ""
                                                                                 << "data"
                                                                                 << "program";
    QTest::newRow("only a Setup.xml beside: translations still from the data folder") << "s"
                                                                                      << "t"
                                                                                      << "s"
                                                                                      << "data"
                                                                                      << "program";
    QTest::newRow("nothing anywhere: the executable's folder") << ""
                                                               << ""
                                                               << ""
                                                               << "program"
                                                               << "program";
}

void TestClientLanguageManager::lookupOrder()
{
    QFETCH(QString, program);
    QFETCH(QString, data);
    QFETCH(QString, config);
    QFETCH(QString, translationsFrom);
    QFETCH(QString, setupFrom);

    QTemporaryDir root;
    QHash<QString, QString> dirs;
    const QList<QPair<QString, QString>> contents = {
        {"program", program}, {"data", data}, {"config", config}};
    for (const auto& [name, holds] : contents) {
        const QString dir = root.filePath(name);
        QVERIFY(QDir().mkpath(dir));
        if (holds.contains(QLatin1Char('t')))
            QVERIFY(QDir(dir).mkpath(QStringLiteral("translations")));
        if (holds.contains(QLatin1Char('s'))) {
            QFile setup(dir + QStringLiteral("/Setup.xml"));
            QVERIFY(setup.open(QIODevice::WriteOnly));
        }
        dirs[name] = dir + QLatin1Char('/');
    }
    // A folder that does not exist is passed over like one without the file.
    const QString missing = root.filePath(QStringLiteral("missing"));
    QCOMPARE(FindTranslationsBase(dirs["program"], {missing, dirs["data"]}),
             dirs[translationsFrom]);
    QCOMPARE(FindSetupFile(dirs["program"], {missing, dirs["config"]}),
             dirs[setupFrom] + QStringLiteral("Setup.xml"));
}

QTEST_GUILESS_MAIN(TestClientLanguageManager)
#include "tst_clientlanguagemanager.moc"
