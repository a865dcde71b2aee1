// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/workarea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

using Screens = std::vector<ScreenArea>;
Q_DECLARE_METATYPE(Screens)

namespace {

const QRect Primary(0, 0, 1280, 1024);

ScreenArea Strip(const QRect& screen, const QMargins& reserved)
{
    return {screen, screen.marginsRemoved(reserved)};
}

ScreenArea Whole(const QRect& screen)
{
    return {screen, screen};
}

} // namespace

class TestWorkArea : public QObject
{
    Q_OBJECT

private slots:
    void clamp_data();
    void clamp();
    void liveScreensLeaveAPointOnScreenAlone();
};

void TestWorkArea::clamp_data()
{
    QTest::addColumn<Screens>("screens");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("expected");

    const ScreenArea bottomBar = Strip(Primary, QMargins(0, 0, 0, 40));
    const ScreenArea rightBar = Strip(Primary, QMargins(0, 0, 40, 0));
    const ScreenArea leftBar = Strip(Primary, QMargins(40, 0, 0, 0));
    const ScreenArea topBar = Strip(Primary, QMargins(0, 40, 0, 0));

    QTest::newRow("no screen at all: unchanged")
        << Screens{} << QPoint(500, 1000) << QPoint(500, 1000);
    QTest::newRow("inside the work area: unchanged")
        << Screens{bottomBar} << QPoint(500, 983) << QPoint(500, 983);
    QTest::newRow("into the bottom task bar: held on the last work row")
        << Screens{bottomBar} << QPoint(500, 1000) << QPoint(500, 983);
    QTest::newRow("bottom bar, second screen directly below: passes")
        << Screens{bottomBar, Whole(QRect(0, 1024, 1280, 1024))} << QPoint(500, 1000)
        << QPoint(500, 1000);
    QTest::newRow("bottom bar, the screen below starts with its own top bar: held")
        << Screens{bottomBar, Strip(QRect(0, 1024, 1280, 1024), QMargins(0, 30, 0, 0))}
        << QPoint(500, 1000) << QPoint(500, 983);
    QTest::newRow("into the right task bar: held on the last work column")
        << Screens{rightBar} << QPoint(1260, 300) << QPoint(1239, 300);
    QTest::newRow("right bar, screen to the right: passes")
        << Screens{rightBar, Whole(QRect(1280, 0, 1024, 768))} << QPoint(1260, 300)
        << QPoint(1260, 300);
    QTest::newRow("into the left task bar: held on the first work column")
        << Screens{leftBar} << QPoint(10, 300) << QPoint(40, 300);
    QTest::newRow("left bar, screen to the left: passes")
        << Screens{leftBar, Whole(QRect(-1280, 0, 1280, 1024))} << QPoint(10, 300)
        << QPoint(10, 300);
    QTest::newRow("into the top task bar: held on the first row below it")
        << Screens{topBar} << QPoint(300, 10) << QPoint(300, 40);
    QTest::newRow("top bar, screen above: passes")
        << Screens{topBar, Whole(QRect(0, -1024, 1280, 1024))} << QPoint(300, 10)
        << QPoint(300, 10);
    QTest::newRow("strip on the second screen is that screen's")
        << Screens{Whole(Primary), Strip(QRect(1280, 0, 1280, 1024), QMargins(0, 0, 0, 50))}
        << QPoint(1500, 1000) << QPoint(1500, 973);
    QTest::newRow("off every screen: the primary screen's strip applies")
        << Screens{bottomBar} << QPoint(1400, 1010) << QPoint(1400, 983);
}

void TestWorkArea::clamp()
{
    QFETCH(Screens, screens);
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, expected);
    QCOMPARE(ClampToWorkArea(cursor, screens), expected);
}

void TestWorkArea::liveScreensLeaveAPointOnScreenAlone()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    const QPoint inside = screen->availableGeometry().center();
    QCOMPARE(ClampToWorkArea(inside), inside);
}

QTEST_MAIN(TestWorkArea)
#include "tst_workarea.moc"
