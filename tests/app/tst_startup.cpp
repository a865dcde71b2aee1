// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QtTest>
#include <memory>

// Starts the real program on the offscreen platform with a screen of a given size and
// watches its start-up log on standard error.
class Instance
{
public:
    // `extraEnv` holds NAME=value entries set on top of this process's environment.
    explicit Instance(const QString& screen, const QStringList& extraEnv = {},
                      const QString& program = QStringLiteral(CORVANE_EXE))
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The screens are given in logical pixels unless a row scales them.
        env.remove(QStringLiteral("QT_SCALE_FACTOR"));
        for (const QString& entry : extraEnv)
            env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=%1/screen-%2.json")
                       .arg(QStringLiteral(CORVANE_SCREENS_DIR), screen));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvane.*=true"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this]() { m_log += m_process.readAllStandardError(); });
        m_process.start(program, QStringList());
    }
    ~Instance() { Kill(); }

    bool WaitFor(const QByteArray& text, int ms = 20000)
    {
        QDeadlineTimer deadline(ms);
        while (!m_log.contains(text)) {
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return m_log.contains(text);
            m_process.waitForReadyRead(100);
            m_log += m_process.readAllStandardError();
        }
        return true;
    }
    bool Running() const { return m_process.state() == QProcess::Running; }
    void Kill()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill(); // SIGKILL: no chance to release the segment
            m_process.waitForFinished(10000);
        }
    }
    QByteArray Log() const { return m_log; }

private:
    QProcess m_process;
    QByteArray m_log;
};

static const char* const Shown = "main window shown";
static const char* const Running = "refused: already running";
static const char* const TooSmall = "refused: screen";

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void resolution_data();
    void resolution();
    void secondInstanceRefused();
    void secondInstanceOnSmallScreenOnlyWarnsOnce();
    void killedInstanceDoesNotLockOut();
    void languageAndConfiguration_data();
    void languageAndConfiguration();
    void languageFromSetupXml_data();
    void languageFromSetupXml();
};

void TestStartup::resolution_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<bool>("accepted");

    // The boundary is the main window's least size, 800 x 560.
    QTest::newRow("the least size is enough") << "800x560"
                                              << "" << true;
    QTest::newRow("one column short") << "799x560"
                                      << "" << false;
    QTest::newRow("one row short") << "800x559"
                                   << "" << false;
    QTest::newRow("1024x768") << "1024x768"
                              << "" << true;
    QTest::newRow("1280x720") << "1280x720"
                              << "" << true;
    QTest::newRow("1920x1080 at 150 %, 1280x720 logical") << "1920x1080"
                                                          << "1.5" << true;
    QTest::newRow("1920x1080 at 200 %, 960x540 logical") << "1920x1080"
                                                         << "2" << false;
    QTest::newRow("1280x1024") << "1280x1024"
                               << "" << true;
}

void TestStartup::resolution()
{
    QFETCH(QString, screen);
    QFETCH(QString, scale);
    QFETCH(bool, accepted);
    Instance instance(screen, scale.isEmpty()
                                  ? QStringList()
                                  : QStringList{QStringLiteral("QT_SCALE_FACTOR=") + scale});
    if (accepted) {
        QVERIFY2(instance.WaitFor(Shown), instance.Log().constData());
        QVERIFY(!instance.Log().contains(TooSmall));
    } else {
        QVERIFY2(instance.WaitFor(TooSmall), instance.Log().constData());
        // The warning names the size the window needs.
        QVERIFY2(instance.WaitFor("needs 800 x 560"), instance.Log().constData());
        // The warning is modal and waits; the main window must never have appeared.
        QVERIFY(instance.Running());
        QVERIFY(!instance.Log().contains(Shown));
    }
}

void TestStartup::secondInstanceRefused()
{
    Instance first(QStringLiteral("1280x1024"));
    QVERIFY2(first.WaitFor(Shown), first.Log().constData());
    Instance second(QStringLiteral("1280x1024"));
    QVERIFY2(second.WaitFor(Running), second.Log().constData());
    QVERIFY(!second.Log().contains(Shown));
    // Killing the refused instance must not take the running one's segment with it.
    second.Kill();
    Instance third(QStringLiteral("1280x1024"));
    QVERIFY2(third.WaitFor(Running), third.Log().constData());
    QVERIFY(first.Running());
}

void TestStartup::secondInstanceOnSmallScreenOnlyWarnsOnce()
{
    Instance first(QStringLiteral("1280x1024"));
    QVERIFY2(first.WaitFor(Shown), first.Log().constData());
    Instance second(QStringLiteral("799x560"));
    QVERIFY2(second.WaitFor(Running), second.Log().constData());
    QTest::qWait(200);
    QVERIFY(!second.Log().contains(TooSmall));
}

void TestStartup::killedInstanceDoesNotLockOut()
{
    {
        Instance crashed(QStringLiteral("1280x1024"));
        QVERIFY2(crashed.WaitFor(Shown), crashed.Log().constData());
        crashed.Kill();
    }
    Instance next(QStringLiteral("1280x1024"));
    QVERIFY2(next.WaitFor(Shown), next.Log().constData());
    Instance refused(QStringLiteral("1280x1024"));
    QVERIFY2(refused.WaitFor(Running), refused.Log().constData());
}

void TestStartup::languageAndConfiguration_data()
{
    QTest::addColumn<QStringList>("env");
    QTest::addColumn<QByteArray>("userSetup"); // Setup.xml in the user's configuration folder
    QTest::addColumn<QString>("expected");     // start-up log, %1 = the user's Setup.xml

    const QByteArray english("<Configs><Translator><Value>0</Value></Translator>"
                             "<VersionType><Value>1</Value></VersionType></Configs>");
    QTest::newRow("no Setup.xml, Chinese locale: Chinese")
        << QStringList{"LC_ALL=zh_CN.UTF-8"} << QByteArray() << "configuration none language 3";
    QTest::newRow("no Setup.xml, English locale: English")
        << QStringList{"LC_ALL=en_US.UTF-8"} << QByteArray() << "configuration none language 2";
    QTest::newRow("no Setup.xml, Chinese first in LANGUAGE: Chinese")
        << QStringList{"LC_ALL=en_US.UTF-8", "LANGUAGE=zh_CN:en"} << QByteArray()
        << "configuration none language 3";
    QTest::newRow("user's Setup.xml read and obeyed over the locale")
        << QStringList{"LC_ALL=zh_CN.UTF-8"} << english << "configuration %1 language 0";
    QTest::newRow("a Setup.xml without Translator keeps English whatever the locale")
        << QStringList{"LC_ALL=zh_CN.UTF-8"} << QByteArray("<Configs/>")
        << "configuration %1 language 2";
}

void TestStartup::languageAndConfiguration()
{
    QFETCH(QStringList, env);
    QFETCH(QByteArray, userSetup);
    QFETCH(QString, expected);
    if (QFile::exists(QFileInfo(QStringLiteral(CORVANE_EXE)).dir().filePath("Setup.xml")))
        QSKIP("a Setup.xml beside the program takes precedence over everything tested here");

    QTemporaryDir home;
    const QString setup = home.filePath(QStringLiteral("corvane/Setup.xml"));
    if (!userSetup.isEmpty()) {
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("corvane")));
        QFile file(setup);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(userSetup);
    }
    env << QStringLiteral("XDG_CONFIG_HOME=") + home.path()
        << QStringLiteral("XDG_CONFIG_DIRS=") + home.filePath(QStringLiteral("none"));
    if (!env.join(QLatin1Char(' ')).contains(QLatin1String("LANGUAGE=")))
        env << QStringLiteral("LANGUAGE=");
    Instance instance(QStringLiteral("1280x1024"), env);
    const QByteArray line = QString(expected).replace(QStringLiteral("%1"), setup).toUtf8();
    QVERIFY2(instance.WaitFor(line.constData()), instance.Log().constData());
}

void TestStartup::languageFromSetupXml_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<QString>("title");

    QTest::newRow("Translator 1, VersionType 1 on an English system: Chinese")
        << "en_US.UTF-8"
        << QByteArray("<Configs><Translator><Value>1</Value></Translator>"
                      "<VersionType><Value>1</Value></VersionType></Configs>")
        << QString::fromUtf8("Corvane \xe5\xb7\xa5\xe5\x85\xb7");
    QTest::newRow("Translator 0 on a Chinese system: English")
        << "zh_CN.UTF-8"
        << QByteArray("<Configs><Translator><Value>0</Value></Translator>"
                      "<VersionType><Value>1</Value></VersionType></Configs>")
        << "Corvane Tool";
}

// The program reads Setup.xml and its translations beside itself: run a copy in a folder of
// its own so the build tree never holds a Setup.xml.
void TestStartup::languageFromSetupXml()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, setup);
    QFETCH(QString, title);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("corvane"));
    QVERIFY(QFile::copy(QStringLiteral(CORVANE_EXE), program));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("translations")));
    const QDir translations(QStringLiteral(CORVANE_TRANSLATIONS_DIR));
    for (const QString& name : translations.entryList({QStringLiteral("*.qm")}, QDir::Files))
        QVERIFY(QFile::copy(translations.filePath(name),
                            dir.filePath(QStringLiteral("translations/") + name)));
    QFile file(dir.filePath(QStringLiteral("Setup.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(setup);
    file.close();

    // Only the Setup.xml beside the program: no configuration folder of the machine counts.
    const QString none = dir.filePath(QStringLiteral("none"));
    Instance instance(QStringLiteral("1280x1024"),
                      {QStringLiteral("LC_ALL=") + locale, QStringLiteral("LANGUAGE="),
                       QStringLiteral("XDG_CONFIG_HOME=") + none,
                       QStringLiteral("XDG_CONFIG_DIRS=") + none},
                      program);
    QVERIFY2(instance.WaitFor(Shown), instance.Log().constData());
    QVERIFY2(instance.WaitFor(QByteArray(Shown) + ": " + title.toUtf8() + '\n'),
             instance.Log().constData());
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
