// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendarmodel.h"
#include "widgets/calendar/ccalendarview.h"

#include <QProxyStyle>
#include <QtTest>

// The grid's mouse handling on its own: what a press, a drag, a release, the wheel and the
// keys report. May 2024 is shown with Sunday first, so the grid runs from 28 April to 8 June.

namespace {
class SingleClickStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ItemView_ActivateItemOnSingleClick)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QString Iso(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

// Every signal of the view, in the order it came.
class Recorder : public QObject
{
public:
    explicit Recorder(CCalendarView* view)
    {
        connect(view, qOverload<QDate, bool, bool>(&CCalendarView::changeDate), this,
                [this](QDate d, bool month, bool several) {
                    log << QStringLiteral("changeDate(%1,%2,%3)")
                               .arg(Iso(d))
                               .arg(int(month))
                               .arg(int(several));
                });
        connect(view, qOverload<QDate, bool>(&CCalendarView::changeDate), this,
                [this](QDate d, bool month) {
                    log << QStringLiteral("changeDate(%1,%2)").arg(Iso(d)).arg(int(month));
                });
        connect(view, &CCalendarView::SignalSelectDate, this, [this](QDate begin, QDate end) {
            log << QStringLiteral("SignalSelectDate(%1,%2)").arg(Iso(begin), Iso(end));
        });
        connect(view, qOverload<QDate>(&CCalendarView::clicked), this,
                [this](QDate d) { log << QStringLiteral("clicked(%1)").arg(Iso(d)); });
        connect(view, &CCalendarView::editingFinished, this,
                [this]() { log << QStringLiteral("editingFinished"); });
        connect(view, &CCalendarView::showDate, this,
                [this](QDate d) { log << QStringLiteral("showDate(%1)").arg(Iso(d)); });
    }
    QStringList log;
};
} // namespace

class TestCCalendarView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pressAndRelease_data();
    void pressAndRelease();
    void clickWithSeveralCellsSelected();
    void releaseWithoutPressReportsNothing();
    void singleSelectionFollowsTheMouse();
    void multiSelectionPreviewsTheRange();
    void wheelTurnsMonths_data();
    void wheelTurnsMonths();

private:
    QPoint Where(const QString& token) const;

    CCalendarModel* m_model = nullptr;
    CCalendarView* m_view = nullptr;
};

void TestCCalendarView::init()
{
    m_model = new CCalendarModel;
    m_model->SetLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    m_model->ShowMonth(2024, 5);
    m_model->SetDate(QDate(2024, 5, 15));
    m_view = new CCalendarView;
    m_view->setModel(m_model);
    m_view->resize(320, 240);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    m_view->setCurrentIndex(m_model->IndexForDate(QDate(2024, 5, 15)));
}

void TestCCalendarView::cleanup()
{
    delete m_view;
    delete m_model;
    m_view = nullptr;
    m_model = nullptr;
}

QPoint TestCCalendarView::Where(const QString& token) const
{
    if (token == QLatin1String("header"))
        return m_view->visualRect(m_model->index(0, 3)).center();
    if (token == QLatin1String("week"))
        return m_view->visualRect(m_model->index(3, 0)).center();
    return m_view->visualRect(m_model->IndexForDate(QDate::fromString(token, Qt::ISODate)))
        .center();
}

void TestCCalendarView::pressAndRelease_data()
{
    QTest::addColumn<QString>("pressAt");
    QTest::addColumn<QString>("releaseAt");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QDate>("minimum");
    QTest::addColumn<bool>("activateOnSingleClick");
    QTest::addColumn<QStringList>("expected");

    const int single = QAbstractItemView::SingleSelection;
    const QDate noMinimum;
    QTest::newRow("dragging from the 5th back to the 2nd selects 2nd to 5th")
        << "2024-05-05"
        << "2024-05-02" << single << noMinimum << false
        << QStringList{"SignalSelectDate(2024-05-02,2024-05-05)", "clicked(2024-05-02)"};
    QTest::newRow("dragging forwards gives the same order")
        << "2024-05-02"
        << "2024-05-05" << single << noMinimum << false
        << QStringList{"SignalSelectDate(2024-05-02,2024-05-05)", "clicked(2024-05-05)"};
    QTest::newRow("a click changes the date, then selects it alone")
        << "2024-05-10"
        << "2024-05-10" << single << noMinimum << false
        << QStringList{"changeDate(2024-05-10,1,0)", "SignalSelectDate(2024-05-10,2024-05-10)",
                       "clicked(2024-05-10)"};
    QTest::newRow("press on a previous-month day counts as a click on the release")
        << "2024-04-30"
        << "2024-05-03" << single << noMinimum << false
        << QStringList{"changeDate(2024-05-03,1,0)", "SignalSelectDate(2024-05-03,2024-05-03)",
                       "clicked(2024-05-03)"};
    QTest::newRow("a click on a next-month day turns the page to it")
        << "2024-06-02"
        << "2024-06-02" << single << noMinimum << false
        << QStringList{"changeDate(2024-06-02,1,0)", "SignalSelectDate(2024-06-02,2024-06-02)",
                       "clicked(2024-06-02)"};
    QTest::newRow("a drag may end on a next-month day")
        << "2024-05-30"
        << "2024-06-01" << single << noMinimum << false
        << QStringList{"SignalSelectDate(2024-05-30,2024-06-01)", "clicked(2024-06-01)"};
    QTest::newRow("a press on the day names reports nothing")
        << "header"
        << "2024-05-08" << single << noMinimum << false << QStringList{};
    QTest::newRow("a press on a week number reports nothing")
        << "week"
        << "2024-05-08" << single << noMinimum << false << QStringList{};
    QTest::newRow("a release on the day names reports nothing")
        << "2024-05-08"
        << "header" << single << noMinimum << false << QStringList{};
    QTest::newRow("a day before the minimum cannot be pressed")
        << "2024-05-05"
        << "2024-05-12" << single << QDate(2024, 5, 10) << false << QStringList{};
    QTest::newRow("a drag cannot end before the minimum")
        << "2024-05-12"
        << "2024-05-05" << single << QDate(2024, 5, 10) << false << QStringList{};
    QTest::newRow("without selection the grid reports nothing")
        << "2024-05-10"
        << "2024-05-10" << int(QAbstractItemView::NoSelection) << noMinimum << false
        << QStringList{};
    QTest::newRow("a style that activates on one click also finishes editing")
        << "2024-05-10"
        << "2024-05-10" << single << noMinimum << true
        << QStringList{"changeDate(2024-05-10,1,0)", "SignalSelectDate(2024-05-10,2024-05-10)",
                       "clicked(2024-05-10)", "editingFinished"};
    QTest::newRow("and after a drag as well")
        << "2024-05-05"
        << "2024-05-02" << single << noMinimum << true
        << QStringList{"SignalSelectDate(2024-05-02,2024-05-05)", "clicked(2024-05-02)",
                       "editingFinished"};
}

void TestCCalendarView::pressAndRelease()
{
    QFETCH(QString, pressAt);
    QFETCH(QString, releaseAt);
    QFETCH(int, mode);
    QFETCH(QDate, minimum);
    QFETCH(bool, activateOnSingleClick);
    QFETCH(QStringList, expected);

    if (minimum.isValid())
        m_model->SetMinimumDate(minimum);
    m_view->setSelectionMode(QAbstractItemView::SelectionMode(mode));
    SingleClickStyle style;
    if (activateOnSingleClick)
        m_view->setStyle(&style);

    const QPoint press = Where(pressAt);
    const QPoint release = Where(releaseAt);
    Recorder recorder(m_view);
    QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, press);
    QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {}, release);
    QCOMPARE(recorder.log, expected);
    m_view->setStyle(nullptr);
}

void TestCCalendarView::clickWithSeveralCellsSelected()
{
    m_view->setSelectionMode(QAbstractItemView::MultiSelection);
    QItemSelection range(m_model->IndexForDate(QDate(2024, 5, 6)),
                         m_model->IndexForDate(QDate(2024, 5, 8)));
    m_view->selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);

    Recorder recorder(m_view);
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, Where(QStringLiteral("2024-05-07")));
    QCOMPARE(recorder.log.value(0), QStringLiteral("changeDate(2024-05-07,1,1)"));
}

void TestCCalendarView::releaseWithoutPressReportsNothing()
{
    Recorder recorder(m_view);
    QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, Where(QStringLiteral("2024-05-05")));
    QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {},
                        Where(QStringLiteral("2024-05-07")));
    QCOMPARE(recorder.log.size(), 2);
    recorder.log.clear();
    // The first release cleared the press, so this one starts nothing of its own.
    QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {},
                        Where(QStringLiteral("2024-05-09")));
    QCOMPARE(recorder.log, QStringList());
}

static void MoveWithButton(QWidget* viewport, const QPoint& position)
{
    QMouseEvent move(QEvent::MouseMove, position, viewport->mapToGlobal(position), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

void TestCCalendarView::singleSelectionFollowsTheMouse()
{
    Recorder recorder(m_view);
    QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, Where(QStringLiteral("2024-05-05")));
    MoveWithButton(m_view->viewport(), Where(QStringLiteral("2024-05-06")));
    // Days of other months do not drag the selection out of the page.
    MoveWithButton(m_view->viewport(), Where(QStringLiteral("2024-06-03")));
    QCOMPARE(recorder.log, QStringList{"changeDate(2024-05-06,0)"});
}

void TestCCalendarView::multiSelectionPreviewsTheRange()
{
    m_view->setSelectionMode(QAbstractItemView::MultiSelection);
    Recorder recorder(m_view);
    QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, Where(QStringLiteral("2024-05-09")));
    MoveWithButton(m_view->viewport(), Where(QStringLiteral("2024-05-06")));
    QCOMPARE(m_view->selectionModel()->selectedIndexes().size(), 4);
    QVERIFY(m_view->selectionModel()->isSelected(m_model->IndexForDate(QDate(2024, 5, 6))));
    QVERIFY(m_view->selectionModel()->isSelected(m_model->IndexForDate(QDate(2024, 5, 9))));
    QVERIFY(!m_view->selectionModel()->isSelected(m_model->IndexForDate(QDate(2024, 5, 10))));
    QCOMPARE(recorder.log, QStringList());
}

void TestCCalendarView::wheelTurnsMonths_data()
{
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a notch towards the user shows the next month")
        << QList<int>{-120} << QStringList{"showDate(2024-06-01)"};
    QTest::newRow("a notch away shows the previous month")
        << QList<int>{120} << QStringList{"showDate(2024-04-01)"};
    QTest::newRow("two half notches make one month")
        << QList<int>{60, 60} << QStringList{"showDate(2024-04-01)"};
    QTest::newRow("a fast spin of three notches jumps three months")
        << QList<int>{-360} << QStringList{"showDate(2024-08-01)"};
}

void TestCCalendarView::wheelTurnsMonths()
{
    QFETCH(QList<int>, deltas);
    QFETCH(QStringList, expected);

    Recorder recorder(m_view);
    const QPoint position = Where(QStringLiteral("2024-05-15"));
    for (int delta : deltas) {
        QWheelEvent wheel(position, m_view->viewport()->mapToGlobal(position), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view->viewport(), &wheel);
    }
    QCOMPARE(recorder.log, expected);
}

QTEST_MAIN(TestCCalendarView)
#include "tst_ccalendarview.moc"
