// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cwindowtitle.h"

#include "tests/support/modal.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

class TestCWindowTitle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void titleIsCentred();
    void dragMovesTheWindow_data();
    void dragMovesTheWindow();
    void noDragInFullScreen();
    void fullScreenToggle_data();
    void fullScreenToggle();
    void smallScreenRefusesBothWays_data();
    void smallScreenRefusesBothWays();
    void minimiseAndClose();
    void buttonsAreNamedAndReachable_data();
    void buttonsAreNamedAndReachable();
};

namespace {

// Laid out like the main window: the bar sits in a layout on an inner widget, so its
// parent is not the window it moves.
class Window : public QWidget
{
public:
    Window()
    {
        resize(600, 400);
        auto* inner = new QWidget(this);
        inner->setGeometry(7, 1, 580, 380);
        auto* layout = new QVBoxLayout(inner);
        bar = new CWindowTitle(this);
        layout->addWidget(bar);
        layout->addStretch();
    }
    CWindowTitle* bar;
    int closeRequests = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeRequests;
        event->ignore();
    }
};

QScreen* ScreenNamed(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

void PutOn(Window& window, const QString& screenName)
{
    QScreen* screen = ScreenNamed(screenName);
    window.setScreen(screen);
    window.move(screen->geometry().topLeft() + QPoint(20, 20));
}

QPushButton* Button(Window& window, const char* name)
{
    return window.bar->findChild<QPushButton*>(QLatin1String(name));
}

bool ShowsBackPicture(Window& window)
{
    return Button(window, "m_pFullScreenBtn")->styleSheet().contains(QStringLiteral("back.png"));
}

void DoubleClick(Window& window)
{
    const QPoint at(200, 10);
    CWindowTitle* bar = window.bar;
    SendMouse(bar, QEvent::MouseButtonPress, at, bar->mapToGlobal(at));
    SendMouse(bar, QEvent::MouseButtonRelease, at, bar->mapToGlobal(at));
    SendMouse(bar, QEvent::MouseButtonDblClick, at, bar->mapToGlobal(at));
    SendMouse(bar, QEvent::MouseButtonRelease, at, bar->mapToGlobal(at));
}

} // namespace

void TestCWindowTitle::initTestCase()
{
    QCOMPARE(QGuiApplication::screens().size(), 4);
}

void TestCWindowTitle::titleIsCentred()
{
    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* label = window.bar->findChild<QLabel*>();
    QCOMPARE(label->text(), QStringLiteral("Corvane Tool"));
    QVERIFY(qAbs(label->geometry().center().x() - window.bar->rect().center().x()) <= 1);
    QVERIFY2(Button(window, "m_pCloseBtn")->geometry().right() >
                 Button(window, "m_pFullScreenBtn")->geometry().right(),
             "close is the last button");
    QVERIFY(Button(window, "m_pFullScreenBtn")->geometry().right() >
            Button(window, "m_pMinBtn")->geometry().right());
}

void TestCWindowTitle::dragMovesTheWindow_data()
{
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("held");

    QTest::newRow("within the screen: follows the cursor") << QPoint(600, 500) << QPoint(600, 500);
    QTest::newRow("onto the second screen") << QPoint(1500, 300) << QPoint(1500, 300);
    QTest::newRow("below every screen: held on the last row")
        << QPoint(100, 5000) << QPoint(100, 1023);
}

void TestCWindowTitle::dragMovesTheWindow()
{
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, held);

    Window window;
    PutOn(window, QStringLiteral("s1"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QPoint press(60, 8);
    const QPoint pressInWindow = window.bar->mapTo(&window, press);
    SendMouse(window.bar, QEvent::MouseButtonPress, press, window.bar->mapToGlobal(press));
    SendMouse(window.bar, QEvent::MouseMove, window.bar->mapFromGlobal(cursor), cursor);
    QCOMPARE(window.pos(), held - pressInWindow);

    SendMouse(window.bar, QEvent::MouseButtonRelease, window.bar->mapFromGlobal(cursor), cursor);
    const QPoint dropped = window.pos();
    SendMouse(window.bar, QEvent::MouseMove, QPoint(5, 5), QPoint(300, 300));
    QCOMPARE(window.pos(), dropped);
}

void TestCWindowTitle::noDragInFullScreen()
{
    Window window;
    PutOn(window, QStringLiteral("s1"));
    window.showFullScreen();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.isFullScreen());
    const QPoint before = window.pos();

    const QPoint press(60, 8);
    SendMouse(window.bar, QEvent::MouseButtonPress, press, window.bar->mapToGlobal(press));
    SendMouse(window.bar, QEvent::MouseMove, press + QPoint(200, 150),
              window.bar->mapToGlobal(press) + QPoint(200, 150));
    SendMouse(window.bar, QEvent::MouseButtonRelease, press, window.bar->mapToGlobal(press));
    QCOMPARE(window.pos(), before);
    QVERIFY(window.isFullScreen());
}

void TestCWindowTitle::fullScreenToggle_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QSize>("leastScreen"); // invalid: the bar's default
    QTest::addColumn<bool>("resizable");

    QTest::newRow("1280 x 1024, button") << "s1" << false << QSize() << false;
    QTest::newRow("1280 x 1024, double click") << "s1" << true << QSize() << false;
    QTest::newRow("exactly 1024 x 768, button") << "s4" << false << QSize() << false;
    QTest::newRow("exactly 1024 x 768, double click") << "s4" << true << QSize() << false;
    QTest::newRow("1023 x 768 for a window that fits on 800 x 560")
        << "s2" << false << QSize(800, 560) << false;
    QTest::newRow("resizable window: size and limits come back")
        << "s1" << false << QSize() << true;
}

void TestCWindowTitle::fullScreenToggle()
{
    QFETCH(QString, screen);
    QFETCH(bool, doubleClick);
    QFETCH(QSize, leastScreen);
    QFETCH(bool, resizable);

    Window window;
    if (leastScreen.isValid())
        window.bar->SetLeastScreenSize(leastScreen);
    // Held at a fixed size, or above a least size like the main window; full screen must
    // still fill the screen.
    const QSize least = resizable ? QSize(500, 300) : QSize(600, 400);
    const QSize most = resizable ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : QSize(600, 400);
    window.setMinimumSize(least);
    window.setMaximumSize(most);
    window.resize(600, 400);
    PutOn(window, screen);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.screen()->name(), screen);
    QVERIFY(!ShowsBackPicture(window));
    const QPoint normalPos = window.pos();

    auto toggle = [&] {
        if (doubleClick)
            DoubleClick(window);
        else
            QTest::mouseClick(Button(window, "m_pFullScreenBtn"), Qt::LeftButton);
    };
    toggle();
    QTRY_VERIFY(window.isFullScreen());
    QVERIFY(ShowsBackPicture(window));
    QTRY_COMPARE(window.geometry(), window.screen()->geometry());
    // Window managers keep a window within its size limits, full screen or not.
    QCOMPARE(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QCOMPARE(Button(window, "m_pFullScreenBtn")->accessibleName(), QStringLiteral("Restore"));
    toggle();
    QTRY_VERIFY(!window.isFullScreen());
    QVERIFY(!ShowsBackPicture(window));
    QTRY_COMPARE(window.size(), QSize(600, 400));
    QTRY_COMPARE(window.pos(), normalPos);
    QCOMPARE(window.minimumSize(), least);
    QCOMPARE(window.maximumSize(), most);
}

void TestCWindowTitle::smallScreenRefusesBothWays_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("startFullScreen");
    QTest::addColumn<bool>("doubleClick");

    for (const char* name : {"s2", "s3"}) {
        const QString size = QLatin1String(name) == QLatin1String("s2")
                                 ? QStringLiteral("1023 x 768")
                                 : QStringLiteral("1024 x 767");
        for (bool full : {false, true})
            for (bool dbl : {false, true})
                QTest::newRow(qPrintable(
                    size +
                    (full ? QStringLiteral(", from full screen")
                          : QStringLiteral(", from normal")) +
                    (dbl ? QStringLiteral(", double click") : QStringLiteral(", button"))))
                    << QString::fromLatin1(name) << full << dbl;
    }
}

void TestCWindowTitle::smallScreenRefusesBothWays()
{
    QFETCH(QString, screen);
    QFETCH(bool, startFullScreen);
    QFETCH(bool, doubleClick);

    Window window;
    PutOn(window, screen);
    if (startFullScreen)
        window.showFullScreen();
    else
        window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.screen()->name(), screen);
    QTRY_COMPARE(window.isFullScreen(), startFullScreen);

    if (doubleClick)
        DoubleClick(window);
    else
        QTest::mouseClick(Button(window, "m_pFullScreenBtn"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(window.isFullScreen(), startFullScreen);
}

void TestCWindowTitle::minimiseAndClose()
{
    Window window;
    PutOn(window, QStringLiteral("s1"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(Button(window, "m_pCloseBtn"), Qt::LeftButton);
    QCOMPARE(window.closeRequests, 1);
    QVERIFY2(window.isVisible(), "the window decides what closing means");

    QTest::mouseClick(Button(window, "m_pMinBtn"), Qt::LeftButton);
    QTRY_VERIFY(window.isMinimized());
}

void TestCWindowTitle::buttonsAreNamedAndReachable_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");

    QTest::newRow("minimise") << "m_pMinBtn"
                              << "Minimize";
    QTest::newRow("full screen") << "m_pFullScreenBtn"
                                 << "Full Screen";
    QTest::newRow("close") << "m_pCloseBtn"
                           << "Close";
}

void TestCWindowTitle::buttonsAreNamedAndReachable()
{
    QFETCH(QString, button);
    QFETCH(QString, name);

    Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPushButton* pushButton = Button(window, qPrintable(button));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(pushButton);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(pushButton->toolTip(), name);
    QVERIFY(pushButton->focusPolicy() & Qt::TabFocus);
}

QTEST_MAIN(TestCWindowTitle)
#include "tst_cwindowtitle.moc"
