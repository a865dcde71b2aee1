// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendarlabel.h"
#include "widgets/calendar/ccalendarmodel.h"
#include "widgets/calendar/ccalendarview.h"
#include "widgets/calendar/ccalendarwidget.h"
#include "widgets/calendar/cuilocale.h"

#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <memory>

// The "today" tile: its picture, its midnight refresh, the calendar it opens on hover.

class TestCCalendarLabel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void tileFollowsTheSize();
    void dates();
    void refreshJustAfterMidnight();
    void hoverOpensTheCalendarOverTheTile_data();
    void hoverOpensTheCalendarOverTheTile();
    void leavingTheCalendarHidesIt();
    void aClickedDayBecomesTheTilesDate();
    void localeFromTheLanguageList();

private:
    std::unique_ptr<QWidget> m_window;
    CCalendarLabel* m_label = nullptr;
};

void TestCCalendarLabel::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setGeometry(300, 500, 400, 300);
    m_label = new CCalendarLabel(m_window.get());
    m_label->setGeometry(50, 100, 150, 120);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestCCalendarLabel::cleanup()
{
    m_window.reset();
    m_label = nullptr;
}

void TestCCalendarLabel::tileFollowsTheSize()
{
    QCOMPARE(m_label->GetTile().size(), m_label->size());
    const QSize larger = m_label->minimumSize() + QSize(30, 40);
    m_label->resize(larger);
    QCOMPARE(m_label->GetTile().size(), larger);
    // The label shows the tile and nothing else.
    const QImage shown = m_label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage tile = m_label->GetTile().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, tile);
    QVERIFY(m_label->minimumWidth() > 0 && m_label->minimumHeight() > 0);
}

void TestCCalendarLabel::dates()
{
    QCOMPARE(m_label->GetDate(), QDate::currentDate());
    const QImage before = m_label->GetTile().toImage();
    m_label->setDate(QDate(2020, 2, 29));
    QCOMPARE(m_label->GetDate(), QDate(2020, 2, 29));
    // The tile is drawn anew for the new date.
    QVERIFY(m_label->GetTile().toImage() != before);
    m_label->setDate(QDate());
    QCOMPARE(m_label->GetDate(), QDate(2020, 2, 29));
    m_label->updateDate();
    QCOMPARE(m_label->GetDate(), QDate::currentDate());
}

void TestCCalendarLabel::refreshJustAfterMidnight()
{
    auto* timer = m_label->findChild<QTimer*>();
    QVERIFY(timer);
    const int latest = QTime::currentTime().msecsTo(QTime(23, 59, 59)) + 2000;
    m_label->updateDate();
    const int earliest = QTime::currentTime().msecsTo(QTime(23, 59, 59)) + 2000;
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QVERIFY2(
        timer->interval() <= latest && timer->interval() >= earliest,
        qPrintable(
            QStringLiteral("%1 not in [%2, %3]").arg(timer->interval()).arg(earliest).arg(latest)));
    // When it fires, the tile turns to the current day.
    m_label->setDate(QDate(2001, 1, 1));
    timer->start(0);
    QTRY_COMPARE(m_label->GetDate(), QDate::currentDate());
    QVERIFY(timer->isActive());
}

void TestCCalendarLabel::hoverOpensTheCalendarOverTheTile_data()
{
    QTest::addColumn<QPoint>("labelPosition");
    QTest::addColumn<bool>("fitsOnScreen");

    QTest::newRow("room above the tile") << QPoint(50, 180) << true;
    QTest::newRow("tile at the top of the screen") << QPoint(50, -480) << false;
}

void TestCCalendarLabel::hoverOpensTheCalendarOverTheTile()
{
    QFETCH(QPoint, labelPosition);
    QFETCH(bool, fitsOnScreen);

    m_label->move(labelPosition);
    QSignalSpy entered(m_label, &CCalendarLabel::mouseEnter);
    CCalendarWidget* calendar = m_label->GetCalendarWidget();
    QVERIFY(calendar->isWindow());
    QVERIFY(!calendar->isVisible());

    const QPointF inside(10, 10);
    QEnterEvent enter(inside, inside, m_label->mapToGlobal(inside));
    QApplication::sendEvent(m_label, &enter);
    QCOMPARE(entered.count(), 1);
    QVERIFY(calendar->isVisible());

    const QPoint bottomLeft = m_label->mapToGlobal(m_label->rect().bottomLeft());
    const QPoint wanted(bottomLeft.x() - 1, bottomLeft.y() - calendar->height() + 1);
    const QPoint placed = calendar->windowHandle()->framePosition();
    if (fitsOnScreen) {
        QCOMPARE(placed, wanted);
    } else {
        // Held on the screen instead of opening above its top edge.
        QCOMPARE(placed.x(), wanted.x());
        QCOMPARE(placed.y(), m_label->screen()->availableGeometry().top());
    }
}

void TestCCalendarLabel::leavingTheCalendarHidesIt()
{
    const QPointF inside(10, 10);
    QEnterEvent enter(inside, inside, m_label->mapToGlobal(inside));
    QApplication::sendEvent(m_label, &enter);
    CCalendarWidget* calendar = m_label->GetCalendarWidget();
    QVERIFY(calendar->isVisible());
    QCursor::setPos(calendar->mapToGlobal(QPoint(calendar->width() + 40, 0)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(calendar, &leave);
    QTRY_VERIFY(!calendar->isVisible());
}

void TestCCalendarLabel::aClickedDayBecomesTheTilesDate()
{
    const QPointF inside(10, 10);
    QEnterEvent enter(inside, inside, m_label->mapToGlobal(inside));
    QApplication::sendEvent(m_label, &enter);
    CCalendarWidget* calendar = m_label->GetCalendarWidget();
    calendar->SetSelectedDate(QDate(2024, 5, 15));
    QSignalSpy clicked(m_label, &CCalendarLabel::clicked);
    const QRect cell =
        calendar->GetView()->visualRect(calendar->GetModel()->IndexForDate(QDate(2024, 5, 21)));
    QTest::mouseClick(calendar->GetView()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(m_label->GetDate(), QDate(2024, 5, 21));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toDate(), QDate(2024, 5, 21));
}

void TestCCalendarLabel::localeFromTheLanguageList()
{
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    CUiLocale::SetProvider([chinese]() { return std::optional<QLocale>(chinese); });
    CCalendarLabel label;
    CUiLocale::SetProvider(nullptr);
    QCOMPARE(label.locale(), chinese);
    QCOMPARE(label.GetCalendarWidget()->locale(), chinese);
    CCalendarLabel plain;
    QVERIFY(plain.locale() != chinese);
}

QTEST_MAIN(TestCCalendarLabel)
#include "tst_ccalendarlabel.moc"
