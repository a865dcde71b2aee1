// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/clientconfigmanager.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <sys/stat.h>

class TestClientConfigManager : public QObject
{
    Q_OBJECT

private slots:
    void init() { ClientConfigManager::GetInstance()->ClearConfigs(); }
    void cleanup() { ClientConfigManager::GetInstance()->ClearConfigs(); }
    void singleInstance();
    void load_data();
    void load();
    void missingFileLeavesStoreUnchanged_data();
    void missingFileLeavesStoreUnchanged();
    void loadAppends();

private:
    QTemporaryDir m_dir;
};

void TestClientConfigManager::singleInstance()
{
    QVERIFY(ClientConfigManager::GetInstance() != nullptr);
    QCOMPARE(ClientConfigManager::GetInstance(), ClientConfigManager::GetInstance());
}

void TestClientConfigManager::load_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("entries"); // name=value in document order
    QTest::addColumn<int>("translator");
    QTest::addColumn<int>("versionType");

    QTest::newRow("Chinese, version 1")
        << QByteArray("<Configs><Translator><Value>1</Value></Translator>"
                      "<VersionType><Value>1</Value></VersionType></Configs>")
        << QStringList{"Translator=1", "VersionType=1"} << 1 << 1;
    QTest::newRow("key without Value takes the next Value; its owner gets no entry")
        << QByteArray("<Configs><Translator></Translator>"
                      "<LogLevel><Value>2</Value></LogLevel></Configs>")
        << QStringList{"Translator=2"} << 2 << 0;
    QTest::newRow("two Translator elements: both stored, the first wins")
        << QByteArray("<Configs><Translator><Value>3</Value></Translator>"
                      "<Translator><Value>1</Value></Translator></Configs>")
        << QStringList{"Translator=3", "Translator=1"} << 3 << 0;
    QTest::newRow("other names become empty entries and do not disturb the rest")
        << QByteArray("<Root><Foo><Bar>x</Bar></Foo>"
                      "<VersionType><Value>5</Value></VersionType></Root>")
        << QStringList{"Root=", "Foo=", "Bar=", "VersionType=5"} << 0 << 5;
    QTest::newRow("not a number counts as 0")
        << QByteArray("<Configs><Translator><Value>abc</Value></Translator></Configs>")
        << QStringList{"Translator=abc"} << 0 << 0;
    QTest::newRow("entries before an XML error stay")
        << QByteArray("<Configs><Translator><Value>1</Value></Translator><LogLevel><Val")
        << QStringList{"Translator=1", "LogLevel="} << 1 << 0;
    QTest::newRow("names match exactly and with their case")
        << QByteArray("<Configs><translator><Value>1</Value></translator>"
                      "<Translators><Value>3</Value></Translators>"
                      "<Translator><value>4</value><Value>2</Value></Translator></Configs>")
        << QStringList{"translator=", "Value=", "Translators=", "Value=", "Translator=2"} << 2 << 0;
    QTest::newRow("numbers are base 10: no octal, no hexadecimal")
        << QByteArray("<Configs><Translator><Value>010</Value></Translator>"
                      "<VersionType><Value>0x1</Value></VersionType></Configs>")
        << QStringList{"Translator=010", "VersionType=0x1"} << 10 << 0;
    QTest::newRow("a document type declaration ends the reading; no entity is expanded")
        << QByteArray("<!DOCTYPE Configs [<!ENTITY e \"1\">]>"
                      "<Configs><Translator><Value>&e;</Value></Translator></Configs>")
        << QStringList() << 0 << 0;
    QTest::newRow("a document type declaration inside an element ends the reading too")
        << QByteArray("<Configs><Translator><!DOCTYPE Configs [<!ENTITY e \"1\">]>"
                      "<Value>&e;</Value></Translator></Configs>")
        << QStringList{"Translator="} << 0 << 0;
    {
        const QByteArray many = QByteArray("<a/>").repeated(ClientConfigManager::MaxEntries - 1);
        QStringList entries;
        for (int i = 0; i < ClientConfigManager::MaxEntries - 1; ++i)
            entries << QStringLiteral("a=");
        const QByteArray translator("<Translator><Value>1</Value></Translator>");
        QTest::newRow("the last entry kept")
            << QByteArray("<Configs>" + many + translator + "</Configs>")
            << entries + QStringList{"Translator=1"} << 1 << 0;
        QTest::newRow("entries after the last kept are left out")
            << QByteArray("<Configs><a/>" + many + translator + "</Configs>")
            << entries + QStringList{"a="} << 0 << 0;
    }
    {
        const QByteArray longest = QByteArray(ClientConfigManager::MaxValueChars - 1, '0') + "1";
        QTest::newRow("the longest value kept")
            << QByteArray("<Configs><Translator><Value>" + longest + "</Value></Translator>")
            << QStringList{"Translator=" + QString::fromLatin1(longest)} << 1 << 0;
        QTest::newRow("a longer value is kept empty")
            << QByteArray("<Configs><Translator><Value>0" + longest + "</Value></Translator>")
            << QStringList{"Translator="} << 0 << 0;
    }
    {
        const QByteArray xml("<Configs><Translator><Value>1</Value></Translator></Configs>");
        QTest::newRow("a file of the largest size is read")
            << xml + QByteArray(int(ClientConfigManager::MaxFileBytes) - xml.size(), ' ')
            << QStringList{"Translator=1"} << 1 << 0;
    }
    QTest::newRow("empty file") << QByteArray() << QStringList() << 0 << 0;
    QTest::newRow("not XML") << QByteArray("Translator = 1\n") << QStringList() << 0 << 0;
}

void TestClientConfigManager::load()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, entries);
    QFETCH(int, translator);
    QFETCH(int, versionType);

    const QString path = m_dir.filePath(QStringLiteral("Setup.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(xml);
    file.close();

    ClientConfigManager* store = ClientConfigManager::GetInstance();
    QVERIFY(store->LoadConfig(path));
    QStringList seen;
    for (int i = 0; i < store->Count(); ++i)
        seen << store->At(i)->GetName() + QLatin1Char('=') + store->At(i)->GetValue();
    QCOMPARE(seen, entries);
    QCOMPARE(store->IntValue(Translator), translator);
    QCOMPARE(store->IntValue(VersionType), versionType);
    QCOMPARE(store->FindConfig(ConfigKey(7)), nullptr);
}

// Files that are not read at all: they count as missing, whatever they hold.
void TestClientConfigManager::missingFileLeavesStoreUnchanged_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("absent") << "absent";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a named pipe nobody writes to: must not block") << "pipe";
    QTest::newRow("one byte over the size bound") << "large";
}

void TestClientConfigManager::missingFileLeavesStoreUnchanged()
{
    QFETCH(QString, kind);
    const QString path = m_dir.filePath(kind + QStringLiteral(".xml"));
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(m_dir.path()).mkpath(path));
    } else if (kind == QLatin1String("pipe")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 || errno == EEXIST);
    } else if (kind == QLatin1String("large")) {
        const QByteArray xml("<Configs><Translator><Value>1</Value></Translator></Configs>");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(xml + QByteArray(int(ClientConfigManager::MaxFileBytes) + 1 - xml.size(), ' '));
        file.close();
    }

    ClientConfigManager* store = ClientConfigManager::GetInstance();
    QTest::ignoreMessage(QtDebugMsg, "No file to read...");
    QVERIFY(!store->LoadConfig(path));
    QCOMPARE(store->Count(), 0);
    QCOMPARE(store->FindConfig(Translator), nullptr);
    QCOMPARE(store->IntValue(Translator), 0);
}

void TestClientConfigManager::loadAppends()
{
    const QString path = m_dir.filePath(QStringLiteral("a.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<Configs><LogLevel><Value>4</Value></LogLevel></Configs>");
    file.close();
    ClientConfigManager* store = ClientConfigManager::GetInstance();
    QVERIFY(store->LoadConfig(path));
    QVERIFY(store->LoadConfig(path));
    QCOMPARE(store->Count(), 2);
    QCOMPARE(store->FindConfig(LogLevel)->GetValue(), QStringLiteral("4"));
    store->ClearConfigs();
    QCOMPARE(store->Count(), 0);
}

QTEST_GUILESS_MAIN(TestClientConfigManager)
#include "tst_clientconfigmanager.moc"
