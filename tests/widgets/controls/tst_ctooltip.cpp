// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls/ctoollabel.h"
#include "widgets/controls/ctooltip.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

void DropTip()
{
    if (CToolLabel* label = CToolLabel::Current()) {
        QPointer<CToolLabel> guard(label);
        label->HideTipNow();
        QTRY_VERIFY(guard.isNull());
    }
}

} // namespace

class TestToolTip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { DropTip(); }

    void position_data();
    void position();
    void expiry_data();
    void expiry();

    void showsOneLabelNearTheCursor();
    void cornerTipIsAboveLeftAndOnScreen();
    void sameTextInsideTheRectangleLeavesTheLabelAlone();
    void newTextUpdatesAndMovesTheLabel();
    void leavingTheRectangleHidesSoon();
    void emptyTextHidesSoon();
    void leaveEventHidesSoon();
    void windowActivationHidesAtOnce_data();
    void windowActivationHidesAtOnce();
    void nullWidgetWithStoredRectIsRefused();
    void destroyedTipWidgetIsForgotten();
    void successorSurvivesItsPredecessorsDeletion();
    void paletteAppliesToTheCurrentLabel();
    void labelsUseTheTipFontOnly();
};

void TestToolTip::initTestCase()
{
    QFont font(QStringLiteral("Arial"), 9);
    QApplication::setFont(font);
    QFont tip = font;
    tip.setPointSize(10);
    CToolTip::SetTipFont(tip);
}

void TestToolTip::position_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QSize>("tip");
    QTest::addColumn<QPoint>("expected");

    const QRect s(0, 0, 1280, 1024);
    const QSize tip(100, 30);
    QTest::newRow("open screen: 2 right of and 21 below the cursor")
        << s << QPoint(500, 400) << tip << QPoint(502, 421);
    QTest::newRow("near the right edge: flipped to the left")
        << s << QPoint(1250, 400) << tip << QPoint(1148, 421);
    QTest::newRow("near the bottom: flipped above")
        << s << QPoint(500, 1000) << tip << QPoint(502, 967);
    QTest::newRow("bottom-right corner: above and to the left")
        << s << QPoint(1279, 1023) << tip << QPoint(1177, 990);
    QTest::newRow("tip that exactly fits at the right edge stays")
        << s << QPoint(1178, 400) << tip << QPoint(1180, 421);
    QTest::newRow("flipped left past the screen's left: clamped to it")
        << QRect(0, 0, 150, 600) << QPoint(60, 100) << tip << QPoint(0, 121);
    QTest::newRow("second screen to the right uses its own edges")
        << QRect(1280, 0, 1024, 768) << QPoint(2290, 760) << tip << QPoint(2188, 727);
    QTest::newRow("screen above the origin")
        << QRect(0, -768, 1024, 768) << QPoint(10, -5) << tip << QPoint(12, -38);
}

void TestToolTip::position()
{
    QFETCH(QRect, screen);
    QFETCH(QPoint, cursor);
    QFETCH(QSize, tip);
    QFETCH(QPoint, expected);
    const QPoint at = CToolLabel::TipPosition(cursor, tip, screen);
    QCOMPARE(at, expected);
    QVERIFY(screen.contains(QRect(at, tip)));
}

void TestToolTip::expiry_data()
{
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<int>("ms");

    QTest::newRow("empty") << qsizetype(0) << 8000;
    QTest::newRow("50 characters") << qsizetype(50) << 8000;
    QTest::newRow("exactly 100") << qsizetype(100) << 8000;
    QTest::newRow("101 adds 40 ms") << qsizetype(101) << 8040;
    QTest::newRow("300 characters") << qsizetype(300) << 16000;
    QTest::newRow("absurdly long text does not overflow")
        << qsizetype(std::numeric_limits<int>::max()) << std::numeric_limits<int>::max();
}

void TestToolTip::expiry()
{
    QFETCH(qsizetype, length);
    QFETCH(int, ms);
    QCOMPARE(CToolLabel::ExpiryInterval(length), ms);
}

void TestToolTip::showsOneLabelNearTheCursor()
{
    QVERIFY(!CToolTip::IsTipVisible());
    QCOMPARE(CToolTip::TipText(), QString());
    const QPoint cursor(300, 200);
    CToolTip::ShowTip(cursor, QStringLiteral("Main stream 2048 kbps"));
    QVERIFY(CToolTip::IsTipVisible());
    QCOMPARE(CToolTip::TipText(), QStringLiteral("Main stream 2048 kbps"));
    CToolLabel* label = CToolLabel::Current();
    QVERIFY(label);
    QCOMPARE(label->objectName(), QStringLiteral("ctooltip_label"));
    QCOMPARE(label->pos(), cursor + QPoint(2, 21));
    QVERIFY(label->windowFlags() & Qt::ToolTip);

    CToolTip::ShowTip(QPoint(320, 200), QStringLiteral("Sub stream 512 kbps"));
    QCOMPARE(CToolLabel::Current(), label);
    const QWidgetList all = QApplication::topLevelWidgets();
    QCOMPARE(
        std::count_if(all.cbegin(), all.cend(),
                      [](QWidget* w) { return qobject_cast<CToolLabel*>(w) && w->isVisible(); }),
        1);
}

void TestToolTip::cornerTipIsAboveLeftAndOnScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint corner = screen.bottomRight();
    CToolTip::ShowTip(corner, QStringLiteral("Recorder 16 channels, 160 Mbps"));
    CToolLabel* label = CToolLabel::Current();
    QVERIFY(label && label->isVisible());
    // The placement works on the label itself; the offscreen platform adds a frame margin.
    const QRect tip = label->geometry();
    QVERIFY2(screen.contains(tip), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                  .arg(tip.x())
                                                  .arg(tip.y())
                                                  .arg(tip.width())
                                                  .arg(tip.height())));
    QVERIFY(tip.right() < corner.x());
    QVERIFY(tip.bottom() < corner.y());
}

void TestToolTip::sameTextInsideTheRectangleLeavesTheLabelAlone()
{
    QWidget host;
    host.setGeometry(100, 100, 400, 300);
    host.show();
    const QRect area(0, 0, 200, 100);
    CToolTip::ShowTip(host.mapToGlobal(QPoint(10, 10)), QStringLiteral("Camera 1"), &host, area);
    CToolLabel* label = CToolLabel::Current();
    QVERIFY(label);
    const QPoint placed = label->pos();

    CToolTip::ShowTip(host.mapToGlobal(QPoint(150, 80)), QStringLiteral("Camera 1"), &host, area);
    QCOMPARE(CToolLabel::Current(), label);
    QCOMPARE(label->pos(), placed);
    QCOMPARE(label->TipRect(), area);
}

void TestToolTip::newTextUpdatesAndMovesTheLabel()
{
    QWidget host;
    host.setGeometry(100, 100, 400, 300);
    host.show();
    const QRect area(0, 0, 200, 100);
    CToolTip::ShowTip(host.mapToGlobal(QPoint(10, 10)), QStringLiteral("Camera 1"), &host, area);
    CToolLabel* label = CToolLabel::Current();
    const QPoint placed = label->pos();

    const QPoint moved = host.mapToGlobal(QPoint(150, 80));
    CToolTip::ShowTip(moved, QStringLiteral("Camera 2 with a longer name"), &host, area);
    QCOMPARE(CToolLabel::Current(), label);
    QCOMPARE(CToolTip::TipText(), QStringLiteral("Camera 2 with a longer name"));
    QVERIFY(label->pos() != placed);
    QCOMPARE(label->pos(), moved + QPoint(2, 21));
    QCOMPARE(label->size(),
             label->sizeHint() + QSize(1, label->size().height() - label->sizeHint().height()));

    // Same text, but outside the stored rectangle: placed again.
    const QPoint outside = host.mapToGlobal(QPoint(300, 200));
    CToolTip::ShowTip(outside, QStringLiteral("Camera 2 with a longer name"), &host, area);
    QCOMPARE(label->pos(), outside + QPoint(2, 21));
}

void TestToolTip::leavingTheRectangleHidesSoon()
{
    QWidget host;
    host.setGeometry(100, 100, 400, 300);
    host.show();
    CToolTip::ShowTip(host.mapToGlobal(QPoint(10, 10)), QStringLiteral("Port"), &host,
                      QRect(0, 0, 50, 50));
    QPointer<CToolLabel> label = CToolLabel::Current();
    QVERIFY(label);

    const QPoint inside = host.mapToGlobal(QPoint(20, 20));
    QMouseEvent stay(QEvent::MouseMove, label->mapFromGlobal(inside), inside, Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &stay);
    QVERIFY(!label->IsHidePending());

    const QPoint outside = host.mapToGlobal(QPoint(120, 120));
    QMouseEvent away(QEvent::MouseMove, label->mapFromGlobal(outside), outside, Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &away);
    QVERIFY(label->IsHidePending());
    QTRY_VERIFY(label.isNull());
    QVERIFY(!CToolTip::IsTipVisible());
}

void TestToolTip::emptyTextHidesSoon()
{
    CToolTip::ShowTip(QPoint(200, 200), QStringLiteral("Bandwidth"));
    QPointer<CToolLabel> label = CToolLabel::Current();
    CToolTip::ShowTip(QPoint(200, 200), QString());
    QVERIFY(label && label->IsHidePending());
    QVERIFY(CToolTip::IsTipVisible());
    QTRY_VERIFY(label.isNull());
    QCOMPARE(CToolLabel::Current(), nullptr);

    // Empty text with no tip creates nothing.
    CToolTip::ShowTip(QPoint(200, 200), QString());
    QCOMPARE(CToolLabel::Current(), nullptr);
}

void TestToolTip::leaveEventHidesSoon()
{
    QWidget other;
    CToolTip::ShowTip(QPoint(200, 200), QStringLiteral("Disabled channels"));
    QPointer<CToolLabel> label = CToolLabel::Current();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&other, &leave);
    QVERIFY(label->IsHidePending());
    QVERIFY(label->isVisible());
    QTRY_VERIFY(label.isNull());
}

void TestToolTip::windowActivationHidesAtOnce_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("window activated") << int(QEvent::WindowActivate);
    QTest::newRow("window deactivated") << int(QEvent::WindowDeactivate);
}

void TestToolTip::windowActivationHidesAtOnce()
{
    QFETCH(int, type);
    QWidget other;
    CToolTip::ShowTip(QPoint(200, 200), QStringLiteral("Total 64 cameras"));
    QPointer<CToolLabel> label = CToolLabel::Current();
    QEvent event{QEvent::Type(type)};
    QApplication::sendEvent(&other, &event);
    QVERIFY(!label->isVisible());
    QVERIFY(!CToolTip::IsTipVisible());
    QTRY_VERIFY(label.isNull());
}

void TestToolTip::nullWidgetWithStoredRectIsRefused()
{
    QWidget host;
    const QRect area(0, 0, 30, 30);
    CToolTip::ShowTip(QPoint(200, 200), QStringLiteral("Mode"), &host, area);
    CToolLabel* label = CToolLabel::Current();
    QTest::ignoreMessage(QtWarningMsg,
                         "CToolTip::setTipRect: Cannot pass null widget if rect is set");
    label->setTipRect(nullptr, QRect(5, 5, 10, 10));
    QCOMPARE(label->TipWidget(), &host);
    QCOMPARE(label->TipRect(), area);

    // Without a stored rectangle a null widget is fine.
    label->setTipRect(&host, QRect());
    label->setTipRect(nullptr, QRect());
    QCOMPARE(label->TipWidget(), nullptr);
}

void TestToolTip::destroyedTipWidgetIsForgotten()
{
    auto* host = new QWidget;
    host->setGeometry(100, 100, 300, 200);
    host->show();
    CToolTip::ShowTip(host->mapToGlobal(QPoint(5, 5)), QStringLiteral("Group 1"), host,
                      QRect(0, 0, 100, 100));
    CToolLabel* label = CToolLabel::Current();
    delete host;
    QCOMPARE(label->TipWidget(), nullptr);
    // Moving over the label must not touch the destroyed widget.
    const QPoint global(400, 400);
    QMouseEvent move(QEvent::MouseMove, label->mapFromGlobal(global), global, Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    QVERIFY(label->IsHidePending());
}

void TestToolTip::successorSurvivesItsPredecessorsDeletion()
{
    CToolTip::ShowTip(QPoint(200, 200), QStringLiteral("First"));
    QPointer<CToolLabel> first = CToolLabel::Current();
    first->HideTipNow();
    QVERIFY(!CToolTip::IsTipVisible());

    CToolTip::ShowTip(QPoint(220, 200), QStringLiteral("Second"));
    CToolLabel* second = CToolLabel::Current();
    QVERIFY(second && second != first);
    QTRY_VERIFY(first.isNull());
    QCOMPARE(CToolLabel::Current(), second);
    QVERIFY(CToolTip::IsTipVisible());
    QCOMPARE(CToolTip::TipText(), QStringLiteral("Second"));
}

void TestToolTip::paletteAppliesToTheCurrentLabel()
{
    const QPalette before = CToolTip::TipPalette();
    CToolTip::ShowTip(QPoint(200, 200), QStringLiteral("Colours"));
    QPalette palette = before;
    palette.setColor(QPalette::ToolTipBase, QColor(251, 251, 194));
    CToolTip::SetTipPalette(palette);
    QCOMPARE(CToolTip::TipPalette().color(QPalette::ToolTipBase), QColor(251, 251, 194));
    QCOMPARE(CToolLabel::Current()->palette().color(QPalette::ToolTipBase), QColor(251, 251, 194));
    CToolTip::SetTipPalette(before);
}

void TestToolTip::labelsUseTheTipFontOnly()
{
    QCOMPARE(CToolTip::TipFont().pointSize(), 10);
    CToolTip::ShowTip(QPoint(200, 200), QStringLiteral("Ten points"));
    QCOMPARE(CToolLabel::Current()->font().pointSize(), 10);
    QLabel plain(QStringLiteral("Nine points"));
    QCOMPARE(plain.font().pointSize(), 9);
    QCOMPARE(plain.font().family(), CToolLabel::Current()->font().family());
}

QTEST_MAIN(TestToolTip)
#include "tst_ctooltip.moc"
