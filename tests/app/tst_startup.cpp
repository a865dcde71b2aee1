#include <QProcess>
#include <QtTest>
#include <memory>

// Starts the real program on the offscreen platform with a screen of a given size and
// watches its start-up log on standard error.
class Instance
{
public:
    // A scale other than 1 shows the screen at that many device pixels per logical pixel.
    explicit Instance(const QString& screen, const QString& scale = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_SCALE_FACTOR"));
        if (!scale.isEmpty())
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=%1/screen-%2.json")
                       .arg(QStringLiteral(CORVANE_SCREENS_DIR), screen));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvane.*=true"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        QObject::connect(&m_process, &QProcess::readyReadStandardError,
                         [this]() { m_log += m_process.readAllStandardError(); });
        m_process.start(QStringLiteral(CORVANE_EXE), QStringList());
    }
    ~Instance() { Kill(); }

    bool WaitFor(const char* text, int ms = 20000)
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
    Instance instance(screen, scale);
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

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
