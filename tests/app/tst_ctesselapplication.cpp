// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ctesselapplication.h"
#include "ui/ccorvane.h"
#include "util/helpers.h"

#include <QSharedMemory>
#include <QtTest>

// The application object is the test's own QApplication, built the way main builds it
// but with a key of its own, so a running Corvane does not interfere.
static QString TestKey()
{
    return QStringLiteral("CorvaneTest-%1").arg(QCoreApplication::applicationPid());
}

class TestCTesselApplication : public QObject
{
    Q_OBJECT

private slots:
    void fonts();
    void styleSheetFromResource();
    void closingWindowsDoesNotQuit();
    void programIconFromTheWarmUp();
    void pluginPathBesideExecutable();
    void firstInstanceHoldsSegment();
    void screenSizes_data();
    void screenSizes();
};

void TestCTesselApplication::fonts()
{
    const QFont app = QApplication::font();
    QCOMPARE(app.family(), QStringLiteral("Arial"));
    QCOMPARE(app.pointSize(), 9);
    QCOMPARE(app.styleHint(), QFont::SansSerif);
    QCOMPARE(app.styleStrategy(), QFont::PreferAntialias);
    const QFont tip = QApplication::font("CToolLabel");
    QCOMPARE(tip.family(), QStringLiteral("Arial"));
    QCOMPARE(tip.pointSize(), 10);
    // Only the tool-tip labels get the larger font.
    QCOMPARE(QApplication::font("QLabel").pointSize(), 9);
}

void TestCTesselApplication::styleSheetFromResource()
{
    QFile qss(QStringLiteral(":/qss/Corvane.qss"));
    QVERIFY(qss.open(QIODevice::ReadOnly));
    QCOMPARE(qApp->styleSheet(), QString::fromLatin1(qss.readAll()));
}

void TestCTesselApplication::closingWindowsDoesNotQuit()
{
    QVERIFY(!QApplication::quitOnLastWindowClosed());
}

void TestCTesselApplication::programIconFromTheWarmUp()
{
    // Read on a second core while the window is built, then handed to the icon.
    static_cast<CTesselApplication*>(qApp)->UseProgramIcon();
    const QIcon icon = QGuiApplication::windowIcon();
    QList<QSize> sizes;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        sizes << QSize(side, side);
    QCOMPARE(icon.availableSizes(), sizes);
    QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    QCOMPARE(ProgramIcon().availableSizes(), sizes);
}

void TestCTesselApplication::pluginPathBesideExecutable()
{
    QVERIFY(QCoreApplication::libraryPaths().contains(QCoreApplication::applicationDirPath() +
                                                      QStringLiteral("/plugins")));
}

void TestCTesselApplication::firstInstanceHoldsSegment()
{
    auto* app = static_cast<CTesselApplication*>(qApp);
    QVERIFY(!app->IsAlreadyRunning());
    QSharedMemory other(TestKey());
    QVERIFY2(other.attach(QSharedMemory::ReadOnly), qPrintable(other.errorString()));
    QCOMPARE(other.size() >= 1, true);
    other.detach();
    // Detaching our probe must not have removed the segment the application holds.
    QSharedMemory again(TestKey());
    QVERIFY(again.attach(QSharedMemory::ReadOnly));
}

void TestCTesselApplication::screenSizes_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("tooSmall");

    const QSize least = CCorvane::LeastSize();
    QTest::newRow("exactly the least size accepted") << least << false;
    QTest::newRow("one column short") << least - QSize(1, 0) << true;
    QTest::newRow("one row short") << least - QSize(0, 1) << true;
    QTest::newRow("1024x768 accepted") << QSize(1024, 768) << false;
    QTest::newRow("1920x1080 at 150 %: 1280x720 logical") << QSize(1280, 720) << false;
    QTest::newRow("1366x768 less a 40-pixel panel") << QSize(1366, 728) << false;
    QTest::newRow("large screen") << QSize(2560, 1440) << false;
    QTest::newRow("portrait too narrow") << QSize(least.height(), least.width()) << true;
    QTest::newRow("no screen") << QSize() << true;
}

void TestCTesselApplication::screenSizes()
{
    QFETCH(QSize, screen);
    QFETCH(bool, tooSmall);
    QCOMPARE(CTesselApplication::IsScreenTooSmall(screen), tooSmall);
}

int main(int argc, char** argv)
{
    // The toolkit only takes plug-in folders that exist.
    QDir(QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath())
        .mkpath(QStringLiteral("plugins"));
    CTesselApplication app(argc, argv, TestKey());
    TestCTesselApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ctesselapplication.moc"
