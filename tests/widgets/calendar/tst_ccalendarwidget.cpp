// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendarmodel.h"
#include "widgets/calendar/ccalendartextnavigator.h"
#include "widgets/calendar/ccalendarview.h"
#include "widgets/calendar/ccalendarwidget.h"
#include "widgets/calendar/cuilocale.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QToolButton>
#include <QtTest>

// The calendar as the date editors and the tile use it: real grid, model, delegate and text
// navigator wired together.

namespace {
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kChinese(QLocale::Chinese, QLocale::China);

struct ProviderReset
{
    ~ProviderReset() { CUiLocale::SetProvider(nullptr); }
};
} // namespace

class TestCCalendarWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void composition();
    void localeFromTheLanguageList_data();
    void localeFromTheLanguageList();
    void navigationButtons_data();
    void navigationButtons();
    void clickOnANeighbouringMonthDay();
    void multiSelectionDrag();
    void dateRange();
    void wheelTurnsThePage();
    void keyboard_data();
    void keyboard();
    void typingADate_data();
    void typingADate();
    void typedDateTakenAfterAPause();
    void typingCancelledOrFinished();
    void marks();
    void invalidCellUpdateWarns();
    void topCornersRounded();
    void leavingTheCalendar();
    void headerVisibility();

private:
    QPoint CellCentre(const QDate& date) const;

    CCalendarWidget* m_calendar = nullptr;
};

void TestCCalendarWidget::init()
{
    m_calendar = new CCalendarWidget;
    m_calendar->setLocale(kEnglish);
    m_calendar->SetSelectedDate(QDate(2024, 5, 15));
    m_calendar->resize(320, 260);
    m_calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_calendar));
}

void TestCCalendarWidget::cleanup()
{
    delete m_calendar;
    m_calendar = nullptr;
}

QPoint TestCCalendarWidget::CellCentre(const QDate& date) const
{
    return m_calendar->GetView()->visualRect(m_calendar->GetModel()->IndexForDate(date)).center();
}

void TestCCalendarWidget::composition()
{
    // The application style sheet finds the parts by these names.
    QCOMPARE(m_calendar->objectName(), QStringLiteral("CCalendarWidget"));
    QCOMPARE(m_calendar->styleSheet(),
             QStringLiteral("QWidget#CCalendarWidget{background:none;border:none;}"));
    auto* back = m_calendar->findChild<QFrame*>(QStringLiteral("pFrameBack"));
    QVERIFY(back);
    QCOMPARE(
        back->styleSheet(),
        QStringLiteral("QFrame#pFrameBack{background:none;background-color:rgb(155,155,155);}"));

    auto* bar = m_calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
    QVERIFY(bar);
    QVERIFY(bar->autoFillBackground());
    QCOMPARE(bar->height(), 26);
    QCOMPARE(bar->minimumHeight(), 26);
    QCOMPARE(bar->maximumHeight(), 26);
    QCOMPARE(bar->styleSheet(), QStringLiteral("border:none;background-color: rgb(96, 95, 93);"));
    QCOMPARE(bar->layout()->contentsMargins(), QMargins());
    QCOMPARE(bar->layout()->spacing(), 0);

    for (const char* name : {"qt_calendar_prevmonth", "qt_calendar_nextmonth",
                             "qt_calendar_prevyear", "qt_calendar_nextyear"}) {
        auto* button = bar->findChild<QToolButton*>(QLatin1String(name));
        QVERIFY2(button, name);
        QVERIFY(button->autoRaise());
        // Missing pictures must still leave something to click.
        QVERIFY(!button->icon().isNull() || button->arrowType() != Qt::NoArrow);
    }
    auto* month = bar->findChild<QLabel*>(QStringLiteral("qt_calendar_m_monthlabel"));
    auto* year = bar->findChild<QLabel*>(QStringLiteral("qt_calendar_m_yearlabel"));
    QVERIFY(month && year);
    QCOMPARE(month->styleSheet(), QStringLiteral("background:transparent;"));
    QVERIFY(month->font().bold());
    QVERIFY(year->font().bold());
    QCOMPARE(year->width(), 30);
    QCOMPARE(year->alignment(), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(month->text(), QStringLiteral("May"));
    QCOMPARE(year->text(), QStringLiteral("2024"));
}

void TestCCalendarWidget::localeFromTheLanguageList_data()
{
    QTest::addColumn<bool>("hasProvider");
    QTest::addColumn<bool>("hasEntry");
    QTest::addColumn<QString>("monthLabel");

    QTest::newRow("a Chinese entry gives Chinese month names") << true << true << "五月";
    QTest::newRow("no entry leaves the default locale") << true << false << "May";
    QTest::newRow("no language list at all leaves the default") << false << false << "May";
}

void TestCCalendarWidget::localeFromTheLanguageList()
{
    QFETCH(bool, hasProvider);
    QFETCH(bool, hasEntry);
    QFETCH(QString, monthLabel);

    const ProviderReset reset;
    const QLocale before = QLocale();
    QLocale::setDefault(kEnglish);
    if (hasProvider) {
        CUiLocale::SetProvider([hasEntry]() -> std::optional<QLocale> {
            if (!hasEntry)
                return std::nullopt;
            return kChinese;
        });
    }
    CCalendarWidget calendar;
    QLocale::setDefault(before);
    calendar.SetSelectedDate(QDate(2024, 5, 15));
    QCOMPARE(calendar.locale(), hasEntry ? kChinese : kEnglish);
    QCOMPARE(calendar.findChild<QLabel*>(QStringLiteral("qt_calendar_m_monthlabel"))->text(),
             monthLabel);
    const QString header = calendar.GetModel()->index(0, 1).data().toString();
    QCOMPARE(header, (hasEntry ? kChinese : kEnglish).dayName(Qt::Sunday, QLocale::ShortFormat));
}

void TestCCalendarWidget::navigationButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDate>("minimum");
    QTest::addColumn<QDate>("maximum");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("pageChanged");

    const QDate wide0(1900, 1, 1);
    const QDate wide1(2100, 12, 31);
    // The page starts at May 2024.
    QTest::newRow("previous month")
        << "qt_calendar_prevmonth" << wide0 << wide1 << 2024 << 4 << true;
    QTest::newRow("next year") << "qt_calendar_nextyear" << wide0 << wide1 << 2025 << 5 << true;
    QTest::newRow("no previous month before the minimum's month")
        << "qt_calendar_prevmonth" << QDate(2024, 5, 3) << wide1 << 2024 << 5 << false;
    QTest::newRow("next year stops at the maximum's month")
        << "qt_calendar_nextyear" << wide0 << QDate(2025, 2, 10) << 2025 << 2 << true;
    QTest::newRow("no next year in the maximum's year")
        << "qt_calendar_nextyear" << wide0 << QDate(2024, 12, 31) << 2024 << 5 << false;
}

void TestCCalendarWidget::navigationButtons()
{
    QFETCH(QString, button);
    QFETCH(QDate, minimum);
    QFETCH(QDate, maximum);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, pageChanged);

    m_calendar->SetDateRange(minimum, maximum);
    QSignalSpy pages(m_calendar, &CCalendarWidget::CurrentPageChanged);
    QSignalSpy selection(m_calendar, &CCalendarWidget::SelectionChanged);
    auto* toolButton = m_calendar->findChild<QToolButton*>(button);
    QVERIFY(toolButton);
    QCOMPARE(toolButton->isEnabled(), pageChanged);
    QTest::mouseClick(toolButton, Qt::LeftButton);
    QCOMPARE(m_calendar->GetYearShown(), year);
    QCOMPARE(m_calendar->GetMonthShown(), month);
    QCOMPARE(pages.count(), pageChanged ? 1 : 0);
    if (pageChanged)
        QCOMPARE(pages.at(0), QVariantList({year, month}));
    // Turning pages does not choose a day.
    QCOMPARE(selection.count(), 0);
    QCOMPARE(m_calendar->GetSelectedDate(), QDate(2024, 5, 15));
}

void TestCCalendarWidget::clickOnANeighbouringMonthDay()
{
    QSignalSpy selection(m_calendar, &CCalendarWidget::SelectionChanged);
    QSignalSpy clicked(m_calendar, &CCalendarWidget::clicked);
    QSignalSpy pages(m_calendar, &CCalendarWidget::CurrentPageChanged);
    QTest::mouseClick(m_calendar->GetView()->viewport(), Qt::LeftButton, {},
                      CellCentre(QDate(2024, 6, 1)));
    QCOMPARE(m_calendar->GetSelectedDate(), QDate(2024, 6, 1));
    QCOMPARE(m_calendar->GetMonthShown(), 6);
    QCOMPARE(pages.count(), 1);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toDate(), QDate(2024, 6, 1));
    // The new page shows the chosen day selected.
    const QModelIndexList selected = m_calendar->GetView()->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(m_calendar->GetModel()->DateForCell(selected.at(0).row(), selected.at(0).column()),
             QDate(2024, 6, 1));
}

void TestCCalendarWidget::multiSelectionDrag()
{
    m_calendar->SetSelectionMode(CCalendarWidget::MultiSelection);
    QSignalSpy ranges(m_calendar, &CCalendarWidget::SignalSelectDate);
    QWidget* viewport = m_calendar->GetView()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, CellCentre(QDate(2024, 5, 8)));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, CellCentre(QDate(2024, 5, 5)));
    QCOMPARE(ranges.count(), 1);
    QCOMPARE(ranges.at(0), QVariantList({QDate(2024, 5, 5), QDate(2024, 5, 8)}));
    QCOMPARE(m_calendar->GetSelectedRangeBegin(), QDate(2024, 5, 5));
    QCOMPARE(m_calendar->GetSelectedRangeEnd(), QDate(2024, 5, 8));
    QCOMPARE(m_calendar->GetView()->selectionModel()->selectedIndexes().size(), 4);

    // A click narrows the selection back to one day, even the day already selected.
    QSignalSpy selection(m_calendar, &CCalendarWidget::SelectionChanged);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, CellCentre(QDate(2024, 5, 15)));
    QCOMPARE(selection.count(), 1);
    QCOMPARE(m_calendar->GetView()->selectionModel()->selectedIndexes().size(), 1);
    QCOMPARE(ranges.last(), QVariantList({QDate(2024, 5, 15), QDate(2024, 5, 15)}));
}

void TestCCalendarWidget::dateRange()
{
    QSignalSpy selection(m_calendar, &CCalendarWidget::SelectionChanged);
    m_calendar->SetDateRange(QDate(2024, 7, 31), QDate(2024, 6, 1));
    QCOMPARE(m_calendar->GetMinimumDate(), QDate(2024, 6, 1));
    QCOMPARE(m_calendar->GetMaximumDate(), QDate(2024, 7, 31));
    QCOMPARE(m_calendar->GetSelectedDate(), QDate(2024, 6, 1));
    QCOMPARE(m_calendar->GetMonthShown(), 6);
    QCOMPARE(selection.count(), 1);

    m_calendar->SetMaximumDate(QDate(2024, 5, 20));
    QCOMPARE(m_calendar->GetMinimumDate(), QDate(2024, 5, 20));
    QCOMPARE(m_calendar->GetSelectedDate(), QDate(2024, 5, 20));
    m_calendar->setProperty("MinimumDate", QDate(2024, 8, 1));
    QCOMPARE(m_calendar->property("MaximumDate").toDate(), QDate(2024, 8, 1));
    QCOMPARE(m_calendar->property("SelectedDate").toDate(), QDate(2024, 8, 1));
}

void TestCCalendarWidget::wheelTurnsThePage()
{
    QSignalSpy pages(m_calendar, &CCalendarWidget::CurrentPageChanged);
    const QPoint position = CellCentre(QDate(2024, 5, 15));
    QWidget* viewport = m_calendar->GetView()->viewport();
    QWheelEvent wheel(position, viewport->mapToGlobal(position), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QCOMPARE(pages.count(), 1);
    QCOMPARE(m_calendar->GetMonthShown(), 6);
    QCOMPARE(m_calendar->GetSelectedDate(), QDate(2024, 5, 15));
}

void TestCCalendarWidget::keyboard_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QDate>("expected");

    const int none = Qt::NoModifier;
    QTest::newRow("Right off the end of the month turns the page")
        << QDate(2024, 5, 31) << int(Qt::Key_Right) << none << QDate(2024, 6, 1);
    QTest::newRow("Left off the start of the month")
        << QDate(2024, 5, 1) << int(Qt::Key_Left) << none << QDate(2024, 4, 30);
    QTest::newRow("Down across the month end")
        << QDate(2024, 5, 28) << int(Qt::Key_Down) << none << QDate(2024, 6, 4);
    QTest::newRow("Page Down onto a shorter month keeps the last day")
        << QDate(2024, 1, 31) << int(Qt::Key_PageDown) << none << QDate(2024, 2, 29);
    QTest::newRow("End goes to Saturday")
        << QDate(2024, 5, 15) << int(Qt::Key_End) << none << QDate(2024, 5, 18);
    QTest::newRow("Return keeps the day")
        << QDate(2024, 5, 15) << int(Qt::Key_Return) << none << QDate(2024, 5, 15);
    QTest::newRow("Ctrl+Home goes to the 1st")
        << QDate(2024, 5, 15) << int(Qt::Key_Home) << int(Qt::ControlModifier) << QDate(2024, 5, 1);
    QTest::newRow("Right stops at the maximum")
        << QDate(7999, 12, 31) << int(Qt::Key_Right) << none << QDate(7999, 12, 31);
}

void TestCCalendarWidget::keyboard()
{
    QFETCH(QDate, start);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QDate, expected);

    m_calendar->SetSelectedDate(start);
    QSignalSpy selection(m_calendar, &CCalendarWidget::SelectionChanged);
    QSignalSpy activated(m_calendar, &CCalendarWidget::activated);
    QTest::keyClick(m_calendar->GetView(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(activated.count(), key == Qt::Key_Return ? 1 : 0);
    QCOMPARE(m_calendar->GetSelectedDate(), expected);
    QCOMPARE(m_calendar->GetYearShown(), expected.year());
    QCOMPARE(m_calendar->GetMonthShown(), expected.month());
    QCOMPARE(selection.count(), expected == start ? 0 : 1);
    QCOMPARE(m_calendar->GetView()->currentIndex(), m_calendar->GetModel()->IndexForDate(expected));
}

void TestCCalendarWidget::typingADate_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");

    // The English short format is month/day/year, the Chinese one year/month/day.
    QTest::newRow("English order, two-digit month and day")
        << kEnglish << "12252023" << QDate(2023, 12, 25);
    QTest::newRow("English: a month digit above 1 completes the month")
        << kEnglish << "742025" << QDate(2025, 7, 4);
    QTest::newRow("Chinese order") << kChinese << "202539" << QDate(2025, 3, 9);
    QTest::newRow("Chinese: a day past the month's end is cut to it")
        << kChinese << "2023231" << QDate(2023, 2, 28);
    QTest::newRow("a too-large two-digit month restarts with its second digit")
        << kChinese << "2026194" << QDate(2026, 9, 4);
}

void TestCCalendarWidget::typingADate()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QDate, expected);

    m_calendar->setLocale(locale);
    QSignalSpy selection(m_calendar, &CCalendarWidget::SelectionChanged);
    QTest::keyClicks(m_calendar->GetView(), typed);
    // The last section completes the date at once, without waiting for the pause.
    QCOMPARE(m_calendar->GetSelectedDate(), expected);
    QCOMPARE(m_calendar->GetMonthShown(), expected.month());
    QCOMPARE(selection.count(), 1);
    QVERIFY(!m_calendar->GetNavigator()->IsEditing());
}

void TestCCalendarWidget::typedDateTakenAfterAPause()
{
    m_calendar->setLocale(kChinese);
    m_calendar->SetDateEditAcceptDelay(50);
    CCalendarTextNavigator* navigator = m_calendar->GetNavigator();
    QTest::keyClicks(m_calendar->GetView(), QStringLiteral("20"));
    QVERIFY(navigator->IsEditing());
    QVERIFY(navigator->GetEditor()->isVisible());
    QCOMPARE(navigator->GetEditText(), QStringLiteral("20/05/15"));
    QTest::keyClicks(m_calendar->GetView(), QStringLiteral("23"));
    QCOMPARE(navigator->GetEditText(), QStringLiteral("2023/05/15"));
    QTest::keyClick(m_calendar->GetView(), Qt::Key_2);
    QCOMPARE(m_calendar->GetSelectedDate(), QDate(2024, 5, 15));
    QTRY_COMPARE(m_calendar->GetSelectedDate(), QDate(2023, 2, 15));
    QVERIFY(!navigator->IsEditing());
    QVERIFY(!navigator->GetEditor()->isVisible());
}

void TestCCalendarWidget::typingCancelledOrFinished()
{
    m_calendar->setLocale(kChinese);
    QSignalSpy activated(m_calendar, &CCalendarWidget::activated);
    QTest::keyClicks(m_calendar->GetView(), QStringLiteral("2020"));
    QTest::keyClick(m_calendar->GetView(), Qt::Key_Escape);
    QCOMPARE(m_calendar->GetSelectedDate(), QDate(2024, 5, 15));
    QVERIFY(!m_calendar->GetNavigator()->IsEditing());

    // Return takes the typed sections and activates the date.
    QTest::keyClicks(m_calendar->GetView(), QStringLiteral("2020"));
    QTest::keyClick(m_calendar->GetView(), Qt::Key_Return);
    QCOMPARE(m_calendar->GetSelectedDate(), QDate(2020, 5, 15));
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.at(0).at(0).toDate(), QDate(2020, 5, 15));

    // Turned off, digits do nothing.
    m_calendar->SetDateEditEnabled(false);
    QTest::keyClicks(m_calendar->GetView(), QStringLiteral("19991231"));
    QCOMPARE(m_calendar->GetSelectedDate(), QDate(2020, 5, 15));
}

void TestCCalendarWidget::marks()
{
    const QDate marked(2024, 5, 15);
    const QDate other(2024, 5, 16);
    const QDate secondType(2024, 5, 22);
    m_calendar->SetDateMark(marked);
    m_calendar->SetDateMark(secondType, 1);
    QCOMPARE(m_calendar->GetDateMark(marked), 0);
    QCOMPARE(m_calendar->GetDateMark(other), -1);

    CCalendarView* view = m_calendar->GetView();
    const QImage image = view->viewport()->grab().toImage();
    const QRect cell = view->visualRect(m_calendar->GetModel()->IndexForDate(marked));
    const int side = qMin(cell.width(), cell.height()) / 3;
    const QColor reminder(250, 90, 55);
    QCOMPARE(image.pixelColor(cell.bottomRight()), reminder);
    QCOMPARE(image.pixelColor(cell.right() - side / 2, cell.bottom() - 1), reminder);
    QCOMPARE(image.pixelColor(cell.right() - 1, cell.bottom() - side / 2), reminder);
    // Only the corner: the diagonal's far side and the cell's middle are untouched.
    QVERIFY(image.pixelColor(cell.right() - side + 1, cell.bottom() - side + 1) != reminder);
    QVERIFY(image.pixelColor(cell.center()) != reminder);
    const QRect plain = view->visualRect(m_calendar->GetModel()->IndexForDate(other));
    QVERIFY(image.pixelColor(plain.bottomRight()) != reminder);
    const QRect blue = view->visualRect(m_calendar->GetModel()->IndexForDate(secondType));
    QCOMPARE(image.pixelColor(blue.bottomRight()), CCalendarWidget::MarkColor(1));
    QVERIFY(CCalendarWidget::MarkColor(1) != reminder);

    m_calendar->ClearDateMark(marked);
    const QImage cleared = view->viewport()->grab().toImage();
    QVERIFY(cleared.pixelColor(cell.bottomRight()) != reminder);
}

void TestCCalendarWidget::invalidCellUpdateWarns()
{
    QTest::ignoreMessage(QtWarningMsg, "CCalendarWidget::updateCell: Invalid date");
    m_calendar->UpdateCell(QDate());
    // An impossible date cannot carry a mark.
    m_calendar->SetDateMark(QDate(2024, 2, 30));
    QCOMPARE(m_calendar->GetDateMark(QDate(2024, 2, 30)), -1);
}

void TestCCalendarWidget::topCornersRounded()
{
    const QRegion mask = m_calendar->mask();
    const int w = m_calendar->width();
    const int h = m_calendar->height();
    QVERIFY(!mask.contains(QPoint(0, 0)));
    QVERIFY(!mask.contains(QPoint(w - 1, 0)));
    QVERIFY(mask.contains(QPoint(0, h - 1)));
    QVERIFY(mask.contains(QPoint(w - 1, h - 1)));
    QVERIFY(mask.contains(QPoint(w / 2, 0)));
    QVERIFY(mask.contains(QPoint(0, 2)));

    m_calendar->resize(400, 300);
    QVERIFY(m_calendar->mask().contains(QPoint(399, 299)));
    QVERIFY(!m_calendar->mask().contains(QPoint(399, 0)));
}

void TestCCalendarWidget::leavingTheCalendar()
{
    QSignalSpy left(m_calendar, &CCalendarWidget::LeaveCalendar);
    // A leave while the cursor is still over the calendar (a child took it) does not count.
    QCursor::setPos(m_calendar->mapToGlobal(m_calendar->rect().center()));
    QEvent spurious(QEvent::Leave);
    QApplication::sendEvent(m_calendar, &spurious);
    QCoreApplication::processEvents();
    QCOMPARE(left.count(), 0);

    QCursor::setPos(m_calendar->mapToGlobal(QPoint(m_calendar->width() + 50, 10)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_calendar, &leave);
    // Moving the cursor may bring the platform's own leave event besides ours.
    QTRY_VERIFY(left.count() >= 1);
}

void TestCCalendarWidget::headerVisibility()
{
    CCalendarModel* model = m_calendar->GetModel();
    m_calendar->SetHeaderVisible(false);
    QCOMPARE(model->rowCount(), 6);
    m_calendar->SetHorizontalHeaderFormat(CCalendarWidget::LongDayNames);
    // The format is kept for when the header comes back.
    QCOMPARE(model->rowCount(), 6);
    QCOMPARE(m_calendar->GetHorizontalHeaderFormat(), CCalendarWidget::LongDayNames);
    m_calendar->SetHeaderVisible(true);
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("Sunday"));
    // The selection stays on the selected day while rows come and go.
    const QModelIndexList selected = m_calendar->GetView()->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(model->DateForCell(selected.at(0).row(), selected.at(0).column()), QDate(2024, 5, 15));

    m_calendar->SetVerticalHeaderFormat(CCalendarWidget::NoVerticalHeader);
    QCOMPARE(model->columnCount(), 7);
    m_calendar->SetFirstDayOfWeek(Qt::Monday);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Monday"));
    QCOMPARE(m_calendar->GetView()->currentIndex(), model->IndexForDate(QDate(2024, 5, 15)));
}

QTEST_MAIN(TestCCalendarWidget)
#include "tst_ccalendarwidget.moc"
