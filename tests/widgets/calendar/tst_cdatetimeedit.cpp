// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendarmodel.h"
#include "widgets/calendar/ccalendartextnavigator.h"
#include "widgets/calendar/ccalendartimepopup.h"
#include "widgets/calendar/ccalendarview.h"
#include "widgets/calendar/ccalendarwidget.h"
#include "widgets/calendar/cdateedit.h"
#include "widgets/calendar/cdatetimeedit.h"
#include "widgets/calendar/ctimeedit.h"

#include <QPointer>
#include <QWindow>
#include <QtTest>
#include <memory>

// The date editors with their drop-down, driven the way a user drives them: a click on the
// editor, a click or keys in the calendar, Escape, a click elsewhere.

class TestCDateTimeEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void constructors_data();
    void constructors();
    void pressOpensThePopup_data();
    void pressOpensThePopup();
    void choosingADate();
    void pressedTwiceThenChoosing();
    void escapeReturnsToTheOldDate();
    void closedWithoutAChoice();
    void keyboardMoveKeptWhenClosedByAClickElsewhere();
    void escapeWhileTypingOnlyCancelsTheTyping();
    void resetButton();
    void pressReplay_data();
    void pressReplay();
    void pressesThatOpenNothing();
    void deletingTheEditorWithThePopupOpen();
    void popupShape();
    void popupWithAGivenCalendar();
    void dateEditor();
    void timeEditorSlots_data();
    void timeEditorSlots();

private:
    CCalendarTimePopup* OpenPopup(CDateTimeEdit* editor);
    QPoint CellCentre(CCalendarTimePopup* popup, const QDate& date) const;

    std::unique_ptr<QWidget> m_window;
    CDateTimeEdit* m_editor = nullptr;
};

void TestCDateTimeEdit::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->setGeometry(100, 100, 400, 120);
    m_editor = new CDateTimeEdit(m_window.get());
    m_editor->setGeometry(20, 20, 200, 24);
    m_editor->setDateRange(QDate(2024, 1, 1), QDate(2024, 12, 31));
    m_editor->setDate(QDate(2024, 5, 15));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestCDateTimeEdit::cleanup()
{
    m_window.reset();
    m_editor = nullptr;
}

CCalendarTimePopup* TestCDateTimeEdit::OpenPopup(CDateTimeEdit* editor)
{
    // The press goes where a user's would: to the text, which covers most of the editor.
    const QPoint at(10, editor->height() / 2);
    QWidget* under = editor->childAt(at);
    QWidget* target = under ? under : editor;
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(editor, at));
    return editor->GetPopup();
}

QPoint TestCDateTimeEdit::CellCentre(CCalendarTimePopup* popup, const QDate& date) const
{
    CCalendarWidget* calendar = popup->GetCalendarWidget();
    return calendar->GetView()->visualRect(calendar->GetModel()->IndexForDate(date)).center();
}

void TestCDateTimeEdit::constructors_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");

    const QDate today = QDate::currentDate();
    QTest::newRow("parent only starts today") << "parent" << today << QTime(0, 0);
    QTest::newRow("a given date-time is kept")
        << "datetime" << QDate(2023, 3, 4) << QTime(10, 20, 30);
    QTest::newRow("a given date is kept") << "date" << QDate(2022, 2, 2) << QTime(0, 0);
    QTest::newRow("a given time starts today at that time") << "time" << today << QTime(8, 15);
    QTest::newRow("a date in a variant is kept") << "variant" << QDate(2021, 1, 1) << QTime(0, 0);
    QTest::newRow("an empty variant starts today") << "empty variant" << today << QTime(0, 0);
}

void TestCDateTimeEdit::constructors()
{
    QFETCH(QString, which);
    QFETCH(QDate, date);
    QFETCH(QTime, time);

    std::unique_ptr<CDateTimeEdit> editor;
    if (which == QLatin1String("parent"))
        editor = std::make_unique<CDateTimeEdit>(nullptr);
    else if (which == QLatin1String("datetime"))
        editor = std::make_unique<CDateTimeEdit>(QDateTime(QDate(2023, 3, 4), QTime(10, 20, 30)));
    else if (which == QLatin1String("date"))
        editor = std::make_unique<CDateTimeEdit>(QDate(2022, 2, 2));
    else if (which == QLatin1String("time"))
        editor = std::make_unique<CDateTimeEdit>(QTime(8, 15));
    else if (which == QLatin1String("variant"))
        editor = std::make_unique<CDateTimeEdit>(QVariant(QDate(2021, 1, 1)), QMetaType::QDate);
    else
        editor = std::make_unique<CDateTimeEdit>(QVariant(), QMetaType::QDate);

    QVERIFY(editor->calendarPopup());
    QCOMPARE(editor->displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(!editor->GetPopup());
    QCOMPARE(editor->date(), date);
    QCOMPARE(editor->time(), time);
    QCOMPARE(editor->text(), date.toString(QStringLiteral("yyyy-MM-dd ")) +
                                 time.toString(QStringLiteral("hh:mm:ss")));
}

void TestCDateTimeEdit::pressOpensThePopup_data()
{
    QTest::addColumn<bool>("atScreenBottom");

    QTest::newRow("room below: opens below the editor") << false;
    QTest::newRow("at the bottom of the screen: opens above it") << true;
}

void TestCDateTimeEdit::pressOpensThePopup()
{
    QFETCH(bool, atScreenBottom);
    const QRect screen = m_window->screen()->availableGeometry();
    if (atScreenBottom) {
        m_window->move(m_window->x(), screen.bottom() - 60);
        QTRY_VERIFY(m_window->geometry().bottom() > screen.bottom());
    }
    CCalendarTimePopup* popup = OpenPopup(m_editor);
    QVERIFY(popup);
    QVERIFY(popup->isVisible());
    QVERIFY(popup->isWindow());
    QCOMPARE(popup->parentWidget(), m_editor);
    // The window's outer corner: some platforms frame even a popup.
    const QPoint below = m_editor->mapToGlobal(m_editor->rect().bottomLeft());
    const QPoint above = m_editor->mapToGlobal(QPoint(0, -popup->frameGeometry().height()));
    QCOMPARE(popup->windowHandle()->framePosition(), atScreenBottom ? above : below);
    QVERIFY(screen.contains(popup->frameGeometry()));
    CCalendarWidget* calendar = popup->GetCalendarWidget();
    QCOMPARE(calendar->GetSelectedDate(), QDate(2024, 5, 15));
    QCOMPARE(calendar->GetMinimumDate(), QDate(2024, 1, 1));
    QCOMPARE(calendar->GetMaximumDate(), QDate(2024, 12, 31));
    QCOMPARE(calendar->GetMonthShown(), 5);
    // Keys typed into the open drop-down reach the day grid.
    QTRY_COMPARE(QApplication::focusWidget(), calendar->GetView());
    // Showing the editor's date is not a choice.
    QVERIFY(!popup->IsDateChanged());
    QCOMPARE(popup->GetOldDate(), QDate(2024, 5, 15));
    QCOMPARE(m_editor->date(), QDate(2024, 5, 15));
}

void TestCDateTimeEdit::choosingADate()
{
    CCalendarTimePopup* popup = OpenPopup(m_editor);
    QSignalSpy changed(m_editor, &QDateTimeEdit::dateChanged);
    QSignalSpy hiding(popup, &CCalendarTimePopup::hidingCalendar);
    QSignalSpy activated(popup, &CCalendarTimePopup::activated);
    QTest::mouseClick(popup->GetCalendarWidget()->GetView()->viewport(), Qt::LeftButton, {},
                      CellCentre(popup, QDate(2024, 5, 20)));
    QCOMPARE(m_editor->date(), QDate(2024, 5, 20));
    QVERIFY(!popup->isVisible());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(hiding.count(), 0);
    QVERIFY(activated.count() >= 1);
    QCOMPARE(activated.at(0).at(0).toDate(), QDate(2024, 5, 20));
}

void TestCDateTimeEdit::pressedTwiceThenChoosing()
{
    CCalendarTimePopup* popup = OpenPopup(m_editor);
    QCOMPARE(OpenPopup(m_editor), popup);
    QVERIFY(popup->isVisible());
    // The signals are connected once per press; the second setting of the same date is
    // a no-op, so the editor reports one change.
    QSignalSpy changed(m_editor, &QDateTimeEdit::dateChanged);
    QTest::mouseClick(popup->GetCalendarWidget()->GetView()->viewport(), Qt::LeftButton, {},
                      CellCentre(popup, QDate(2024, 5, 3)));
    QCOMPARE(m_editor->date(), QDate(2024, 5, 3));
    QCOMPARE(changed.count(), 1);
    QVERIFY(!popup->isVisible());

    // Opened again, it shows the new date.
    OpenPopup(m_editor);
    QCOMPARE(popup->GetCalendarWidget()->GetSelectedDate(), QDate(2024, 5, 3));
    QCOMPARE(popup->GetOldDate(), QDate(2024, 5, 3));
}

void TestCDateTimeEdit::escapeReturnsToTheOldDate()
{
    CCalendarTimePopup* popup = OpenPopup(m_editor);
    QSignalSpy hiding(popup, &CCalendarTimePopup::hidingCalendar);
    // Through the window system, as a user's keys arrive in the open popup.
    QWindow* window = popup->windowHandle();
    QTest::keyClick(window, Qt::Key_Right);
    QTest::keyClick(window, Qt::Key_Down);
    // The editor follows the calendar while the user moves about.
    QCOMPARE(m_editor->date(), QDate(2024, 5, 23));
    QVERIFY(popup->IsDateChanged());
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QCOMPARE(hiding.count(), 1);
    QCOMPARE(hiding.at(0).at(0).toDate(), QDate(2024, 5, 15));
    QCOMPARE(m_editor->date(), QDate(2024, 5, 15));
}

void TestCDateTimeEdit::closedWithoutAChoice()
{
    CCalendarTimePopup* popup = OpenPopup(m_editor);
    QSignalSpy hiding(popup, &CCalendarTimePopup::hidingCalendar);
    QSignalSpy changed(m_editor, &QDateTimeEdit::dateChanged);
    popup->close();
    QCOMPARE(hiding.count(), 1);
    QCOMPARE(hiding.at(0).at(0).toDate(), QDate(2024, 5, 15));
    QCOMPARE(m_editor->date(), QDate(2024, 5, 15));
    QCOMPARE(changed.count(), 0);
}

void TestCDateTimeEdit::keyboardMoveKeptWhenClosedByAClickElsewhere()
{
    CCalendarTimePopup* popup = OpenPopup(m_editor);
    QSignalSpy hiding(popup, &CCalendarTimePopup::hidingCalendar);
    QSignalSpy moved(popup, &CCalendarTimePopup::newDateSelected);
    QTest::keyClick(popup->GetCalendarWidget()->GetView(), Qt::Key_PageDown);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toDate(), QDate(2024, 6, 15));
    // A press outside the popup closes it.
    QTest::mousePress(popup, Qt::LeftButton, {}, QPoint(-300, -300));
    QVERIFY(!popup->isVisible());
    QCOMPARE(hiding.count(), 0);
    QCOMPARE(m_editor->date(), QDate(2024, 6, 15));
}

void TestCDateTimeEdit::escapeWhileTypingOnlyCancelsTheTyping()
{
    CCalendarTimePopup* popup = OpenPopup(m_editor);
    CCalendarView* view = popup->GetCalendarWidget()->GetView();
    QTest::keyClick(view, Qt::Key_2);
    QVERIFY(popup->GetCalendarWidget()->GetNavigator()->IsEditing());
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(popup->isVisible());
    QVERIFY(!popup->GetCalendarWidget()->GetNavigator()->IsEditing());
    QCOMPARE(m_editor->date(), QDate(2024, 5, 15));
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
}

void TestCDateTimeEdit::resetButton()
{
    CCalendarTimePopup* popup = OpenPopup(m_editor);
    QSignalSpy reset(popup, &CCalendarTimePopup::resetButton);
    QTest::mouseRelease(popup, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(reset.count(), 1);
    popup->close();
    QCOMPARE(reset.count(), 2);
}

void TestCDateTimeEdit::pressReplay_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("noReplay");
    QTest::addColumn<bool>("stillOpen");

    QTest::newRow("on the editor's arrow: not replayed, or it would reopen")
        << "arrow" << true << false;
    QTest::newRow("inside the popup") << "popup" << true << true;
    QTest::newRow("anywhere else: replayed to the widget there") << "elsewhere" << false << false;
}

void TestCDateTimeEdit::pressReplay()
{
    QFETCH(QString, where);
    QFETCH(bool, noReplay);
    QFETCH(bool, stillOpen);

    CCalendarTimePopup* popup = OpenPopup(m_editor);
    // A press inside first, so a stale mark would show.
    if (!noReplay) {
        QTest::mousePress(popup, Qt::LeftButton, {}, QPoint(3, popup->height() - 3));
        QVERIFY(popup->testAttribute(Qt::WA_NoMouseReplay));
    }
    QPoint global;
    if (where == QLatin1String("arrow"))
        global = m_editor->mapToGlobal(QPoint(m_editor->width() - 4, m_editor->height() / 2));
    else if (where == QLatin1String("popup"))
        global = popup->mapToGlobal(QPoint(3, popup->height() - 3));
    else
        global = m_window->mapToGlobal(QPoint(m_window->width() - 5, m_window->height() - 5));
    const QPoint local = popup->mapFromGlobal(global);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(popup, &press);
    QCOMPARE(popup->testAttribute(Qt::WA_NoMouseReplay), noReplay);
    QCOMPARE(popup->isVisible(), stillOpen);
}

void TestCDateTimeEdit::pressesThatOpenNothing()
{
    QTest::mousePress(m_editor, Qt::RightButton, {}, QPoint(10, 10));
    QVERIFY(!m_editor->GetPopup());
    m_editor->setReadOnly(true);
    QTest::mousePress(m_editor, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!m_editor->GetPopup());
}

void TestCDateTimeEdit::deletingTheEditorWithThePopupOpen()
{
    auto* editor = new CDateTimeEdit(QDate(2024, 3, 3), m_window.get());
    editor->show();
    QPointer<CCalendarTimePopup> popup = OpenPopup(editor);
    QVERIFY(popup && popup->isVisible());
    QSignalSpy hiding(popup.data(), &CCalendarTimePopup::hidingCalendar);
    delete editor;
    QVERIFY(!popup);
    QCOMPARE(hiding.count(), 0);
}

void TestCDateTimeEdit::popupShape()
{
    CCalendarTimePopup* popup = OpenPopup(m_editor);
    const QRect calendar = popup->GetCalendarWidget()->geometry();
    QCOMPARE(popup->size(), calendar.size());
    const QRegion mask = popup->mask();
    QVERIFY(!mask.contains(calendar.topLeft()));
    QVERIFY(!mask.contains(calendar.topRight()));
    QVERIFY(mask.contains(calendar.bottomLeft()));
    QVERIFY(mask.contains(calendar.bottomRight()));
    QVERIFY(mask.contains(calendar.topLeft() + QPoint(2, 0)));
}

void TestCDateTimeEdit::popupWithAGivenCalendar()
{
    auto* calendar = new CCalendarWidget;
    CCalendarTimePopup popup(nullptr, calendar);
    QCOMPARE(popup.GetCalendarWidget(), calendar);
    QCOMPARE(calendar->parentWidget(), &popup);
    popup.SetDateRange(QDate(2024, 1, 1), QDate(2024, 12, 31));
    popup.SetDate(QDate(2024, 2, 10));
    popup.show();
    QSignalSpy activated(&popup, &CCalendarTimePopup::activated);
    QTest::mouseClick(calendar->GetView()->viewport(), Qt::LeftButton, {},
                      CellCentre(&popup, QDate(2024, 2, 12)));
    QVERIFY(activated.count() >= 1);
    QCOMPARE(activated.at(0).at(0).toDate(), QDate(2024, 2, 12));
    QVERIFY(!popup.isVisible());
}

void TestCDateTimeEdit::dateEditor()
{
    auto* editor = new CDateEdit(m_window.get());
    editor->setGeometry(20, 60, 200, 24);
    editor->show();
    QCOMPARE(editor->date(), QDate::currentDate());
    QCOMPARE(editor->displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(editor->calendarPopup());
    // Only the date can be edited; the time shows but stays at midnight.
    QCOMPARE(editor->displayedSections() & QDateTimeEdit::TimeSections_Mask,
             QDateTimeEdit::Sections());

    CCalendarTimePopup* popup = OpenPopup(editor);
    QVERIFY(popup && popup->isVisible());
    const QDate target = QDate::currentDate().addDays(QDate::currentDate().day() < 15 ? 3 : -3);
    QTest::mouseClick(popup->GetCalendarWidget()->GetView()->viewport(), Qt::LeftButton, {},
                      CellCentre(popup, target));
    QCOMPARE(editor->date(), target);
    QCOMPARE(editor->text(),
             target.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00"));
}

void TestCDateTimeEdit::timeEditorSlots_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("argument");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("disabled by true") << "setUserDisabled" << true << false;
    QTest::newRow("enabled by false") << "setUserDisabled" << false << true;
    QTest::newRow("enabled by true") << "setUserEnabled" << true << true;
    QTest::newRow("disabled by false") << "setUserEnabled" << false << false;
}

void TestCDateTimeEdit::timeEditorSlots()
{
    QFETCH(QString, slot);
    QFETCH(bool, argument);
    QFETCH(bool, enabled);

    CTimeEdit editor;
    editor.setEnabled(!enabled);
    QVERIFY(QMetaObject::invokeMethod(&editor, slot.toLatin1().constData(), Q_ARG(bool, argument)));
    QCOMPARE(editor.isEnabled(), enabled);
}

QTEST_MAIN(TestCDateTimeEdit)
#include "tst_cdatetimeedit.moc"
