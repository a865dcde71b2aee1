// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCALENDARWIDGET_H
#define CCALENDARWIDGET_H

#include <QDate>
#include <QMap>
#include <QTextCharFormat>
#include <QWidget>

class QFrame;
class QLabel;
class QPainter;
class QToolButton;
class CCalendarDelegate;
class CCalendarModel;
class CCalendarTextNavigator;
class CCalendarView;

// The skinned month calendar: a navigation bar over a 6-week grid. The date editors' drop-down
// and the "today" tile show it. Typing digits into the grid edits the date through the text
// navigator; the wheel turns the month.
class CCalendarWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QDate SelectedDate READ GetSelectedDate WRITE SetSelectedDate)
    Q_PROPERTY(QDate MinimumDate READ GetMinimumDate WRITE SetMinimumDate)
    Q_PROPERTY(QDate MaximumDate READ GetMaximumDate WRITE SetMaximumDate)
    Q_PROPERTY(Qt::DayOfWeek FirstDayOfWeek READ GetFirstDayOfWeek WRITE SetFirstDayOfWeek)
    Q_PROPERTY(bool gridVisible READ IsGridVisible WRITE SetGridVisible)
    Q_PROPERTY(SelectionMode SelectionMode READ GetSelectionMode WRITE SetSelectionMode)
    Q_PROPERTY(HorizontalHeaderFormat HorizontalHeaderFormat READ GetHorizontalHeaderFormat WRITE
                   SetHorizontalHeaderFormat)
    Q_PROPERTY(VerticalHeaderFormat VerticalHeaderFormat READ GetVerticalHeaderFormat WRITE
                   SetVerticalHeaderFormat)
    Q_PROPERTY(bool headerVisible READ IsHeaderVisible WRITE SetHeaderVisible)
    Q_PROPERTY(bool navigationBarVisible READ IsNavigationBarVisible WRITE SetNavigationBarVisible)
    Q_PROPERTY(bool dateEditEnabled READ IsDateEditEnabled WRITE SetDateEditEnabled)
    Q_PROPERTY(int DateEditAcceptDelay READ GetDateEditAcceptDelay WRITE SetDateEditAcceptDelay)

public:
    enum HorizontalHeaderFormat
    {
        NoHorizontalHeader,
        SingleLetterDayNames,
        ShortDayNames,
        LongDayNames
    };
    Q_ENUM(HorizontalHeaderFormat)
    enum VerticalHeaderFormat
    {
        NoVerticalHeader,
        ISOWeekNumbers
    };
    Q_ENUM(VerticalHeaderFormat)
    enum SelectionMode
    {
        NoSelection,
        SingleSelection,
        MultiSelection
    };
    Q_ENUM(SelectionMode)

    explicit CCalendarWidget(QWidget* parent = nullptr);
    ~CCalendarWidget() override;

    QDate GetSelectedDate() const;
    QDate GetMinimumDate() const;
    void SetMinimumDate(const QDate& date);
    QDate GetMaximumDate() const;
    void SetMaximumDate(const QDate& date);
    Qt::DayOfWeek GetFirstDayOfWeek() const;
    void SetFirstDayOfWeek(Qt::DayOfWeek dayOfWeek);
    bool IsGridVisible() const;
    SelectionMode GetSelectionMode() const { return m_selectionMode; }
    void SetSelectionMode(SelectionMode mode);
    HorizontalHeaderFormat GetHorizontalHeaderFormat() const { return m_horizontalHeaderFormat; }
    void SetHorizontalHeaderFormat(HorizontalHeaderFormat format);
    VerticalHeaderFormat GetVerticalHeaderFormat() const;
    void SetVerticalHeaderFormat(VerticalHeaderFormat format);
    bool IsHeaderVisible() const { return m_bHeaderVisible; }
    void SetHeaderVisible(bool bShow);
    bool IsNavigationBarVisible() const;
    bool IsDateEditEnabled() const { return m_bDateEditEnabled; }
    void SetDateEditEnabled(bool bEnable);
    int GetDateEditAcceptDelay() const;
    void SetDateEditAcceptDelay(int delay);

    int GetYearShown() const;
    int GetMonthShown() const;
    // The last range chosen by dragging over the grid (both ends equal after a click).
    QDate GetSelectedRangeBegin() const { return m_rangeBegin; }
    QDate GetSelectedRangeEnd() const { return m_rangeEnd; }

    // Text formats merged over the calendar's own colours: day-name header, one weekday,
    // one date. An invalid format removes the entry.
    QTextCharFormat GetHeaderTextFormat() const;
    void SetHeaderTextFormat(const QTextCharFormat& format);
    QTextCharFormat GetWeekdayTextFormat(Qt::DayOfWeek dayOfWeek) const;
    void SetWeekdayTextFormat(Qt::DayOfWeek dayOfWeek, const QTextCharFormat& format);
    QTextCharFormat GetDateTextFormat(const QDate& date) const;
    void SetDateTextFormat(const QDate& date, const QTextCharFormat& format);

    // Marks put a coloured corner on a date's cell. Type 0 is the reminder colour; unknown
    // types draw in type 0's colour.
    void SetDateMark(const QDate& date, int type = 0);
    void ClearDateMark(const QDate& date);
    void ClearDateMarks();
    // The date's mark type, -1 when it carries none.
    int GetDateMark(const QDate& date) const;
    static QColor MarkColor(int type);

    void UpdateCell(const QDate& date);
    void UpdateCells();

    // Paints one day cell; override to draw more on top of the delegate's painting.
    virtual void PaintDateCell(QPainter* painter, const QRect& rect, const QDate& date) const;

    CCalendarView* GetView() const { return m_pView; }
    CCalendarModel* GetModel() const { return m_pModel; }
    CCalendarTextNavigator* GetNavigator() const { return m_pNavigator; }

signals:
    void SelectionChanged();
    void clicked(QDate date);
    void activated(QDate);
    void SignalSelectDate(QDate dtBegin, QDate dtEnd);
    void CurrentPageChanged(int iYear, int iMonth);
    void LeaveCalendar();

public slots:
    void SetSelectedDate(QDate);
    void SetDateRange(QDate minDate, QDate maxDate);
    void SetCurrentPage(int, int);
    void SetGridVisible(bool bShow);
    void SetNavigationBarVisible(bool bVisible);
    void ShowNextMonth();
    void ShowPreviousMonth();
    void ShowNextYear();
    void ShowPreviousYear();
    void ShowSelectedDate();
    void ShowToDay();
    void OnCallJudgePos();
    void OnShowDate(QDate);
    void OnChangeDate(QDate);
    void OnChangeDate(QDate, bool, bool);
    void OnChangeDate(QDate, bool);
    void OnSlotSelectDate(QDate, QDate);
    void OnEditingFinished();
    void OnPrevMonthClicked();
    void OnNextMonthClicked();
    void OnPrevYearClicked();
    void OnNextYearClicked();

protected:
    bool event(QEvent* event) override;

private:
    bool m_bLeaveCheckPending = false;

    void CreateNavigationBar();
    void ApplyLocale();
    void ApplyHeaderFormat();
    void UpdateNavigationBar();
    void UpdateSelection();
    void UpdateMinimumSize();
    void AfterRangeChange(const QDate& previousSelection);
    QToolButton* CreateNavigationButton(const QString& objectName, const QString& picture,
                                        Qt::ArrowType fallback, const QString& tip);

    CCalendarView* m_pView = nullptr;
    CCalendarModel* m_pModel = nullptr;
    CCalendarDelegate* m_pDelegate = nullptr;
    QFrame* m_pFrameBack = nullptr;
    QWidget* m_pNavigationBar = nullptr;
    QToolButton* m_pPrevMonth = nullptr;
    QToolButton* m_pNextMonth = nullptr;
    QToolButton* m_pPrevYear = nullptr;
    QToolButton* m_pNextYear = nullptr;
    QLabel* m_pMonthLabel = nullptr;
    QLabel* m_pYearLabel = nullptr;
    CCalendarTextNavigator* m_pNavigator = nullptr;
    QMap<QDate, int> m_marks;

    SelectionMode m_selectionMode = SingleSelection;
    HorizontalHeaderFormat m_horizontalHeaderFormat = ShortDayNames;
    bool m_bHeaderVisible = true;
    bool m_bDateEditEnabled = true;
    QDate m_rangeBegin;
    QDate m_rangeEnd;
};

#endif
