// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendarwidget.h"

#include "util/helpers.h"
#include "widgets/calendar/ccalendardelegate.h"
#include "widgets/calendar/ccalendarmodel.h"
#include "widgets/calendar/ccalendartextnavigator.h"
#include "widgets/calendar/ccalendarview.h"
#include "widgets/calendar/cuilocale.h"

#include <QCursor>
#include <QDebug>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPolygon>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QColor kNavigationText(255, 255, 255);
const QColor kSelectionColour(40, 97, 155);

qint64 MonthKey(int year, int month)
{
    return qint64(year) * 12 + month;
}
} // namespace

CCalendarWidget::CCalendarWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CCalendarWidget"));
    setStyleSheet(QStringLiteral("QWidget#CCalendarWidget{background:none;border:none;}"));
    CUiLocale::ApplyTo(this);

    m_pFrameBack = new QFrame(this);
    m_pFrameBack->setObjectName(QStringLiteral("pFrameBack"));
    m_pFrameBack->setStyleSheet(
        QStringLiteral("QFrame#pFrameBack{background:none;background-color:rgb(155,155,155);}"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(m_pFrameBack);

    CreateNavigationBar();

    m_pModel = new CCalendarModel(this);
    m_pModel->SetLocale(locale());
    m_pView = new CCalendarView(m_pFrameBack);
    m_pView->setModel(m_pModel);
    m_pDelegate = new CCalendarDelegate(this, this);
    m_pView->setItemDelegate(m_pDelegate);
    QPalette palette = m_pView->palette();
    palette.setColor(QPalette::Base, QColor(155, 155, 155));
    palette.setColor(QPalette::Highlight, kSelectionColour);
    // The selected day's picture is light blue.
    palette.setColor(QPalette::HighlightedText, QColor(0, 0, 0));
    m_pView->setPalette(palette);

    auto* inner = new QVBoxLayout(m_pFrameBack);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(0);
    inner->addWidget(m_pNavigationBar);
    inner->addWidget(m_pView);

    connect(m_pView, &CCalendarView::showDate, this, &CCalendarWidget::OnShowDate);
    connect(m_pView, qOverload<QDate, bool, bool>(&CCalendarView::changeDate), this,
            qOverload<QDate, bool, bool>(&CCalendarWidget::OnChangeDate));
    connect(m_pView, qOverload<QDate, bool>(&CCalendarView::changeDate), this,
            qOverload<QDate, bool>(&CCalendarWidget::OnChangeDate));
    connect(m_pView, qOverload<QDate>(&CCalendarView::clicked), this, &CCalendarWidget::clicked);
    connect(m_pView, &CCalendarView::editingFinished, this, &CCalendarWidget::OnEditingFinished);
    connect(m_pView, &CCalendarView::SignalSelectDate, this, &CCalendarWidget::OnSlotSelectDate);

    m_pNavigator = new CCalendarTextNavigator(this);
    m_pNavigator->SetLocale(locale());
    m_pNavigator->SetWidget(m_pView);
    connect(m_pNavigator, &CCalendarTextNavigator::dateChanged, this,
            qOverload<QDate>(&CCalendarWidget::OnChangeDate));
    connect(m_pNavigator, &CCalendarTextNavigator::editingFinished, this,
            &CCalendarWidget::OnEditingFinished);

    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_pView);

    m_rangeBegin = m_rangeEnd = GetSelectedDate();
    UpdateNavigationBar();
    UpdateSelection();
    UpdateMinimumSize();
}

CCalendarWidget::~CCalendarWidget() = default;

QToolButton* CCalendarWidget::CreateNavigationButton(const QString& objectName,
                                                     const QString& picture, Qt::ArrowType fallback,
                                                     const QString& tip)
{
    auto* button = new QToolButton(m_pNavigationBar);
    button->setObjectName(objectName);
    button->setAutoRaise(true);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setFocusPolicy(Qt::NoFocus);
    const QPixmap icon = LoadCachedPixmap(picture);
    if (icon.isNull()) {
        // Without the skin picture an arrow keeps the button recognisable.
        button->setArrowType(fallback);
    } else {
        button->setIcon(QIcon(icon));
        button->setIconSize(LogicalSize(icon));
    }
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, kNavigationText);
    button->setPalette(palette);
    return button;
}

void CCalendarWidget::CreateNavigationBar()
{
    m_pNavigationBar = new QWidget(m_pFrameBack);
    m_pNavigationBar->setObjectName(QStringLiteral("qt_calendar_navigationbar"));
    m_pNavigationBar->setFixedHeight(26);
    m_pNavigationBar->setStyleSheet(
        QStringLiteral("border:none;background-color: rgb(96, 95, 93);"));
    // Polishing under a style sheet switches auto-fill off, so polish first.
    m_pNavigationBar->ensurePolished();
    m_pNavigationBar->setAutoFillBackground(true);

    const QString previous = QStringLiteral(":/images/public/Calendar/CalendarPre.png");
    const QString next = QStringLiteral(":/images/public/Calendar/CalendarNext.png");
    m_pPrevMonth = CreateNavigationButton(QStringLiteral("qt_calendar_prevmonth"), previous,
                                          Qt::LeftArrow, tr("Previous month"));
    m_pNextMonth = CreateNavigationButton(QStringLiteral("qt_calendar_nextmonth"), next,
                                          Qt::RightArrow, tr("Next month"));
    m_pPrevYear = CreateNavigationButton(QStringLiteral("qt_calendar_prevyear"), previous,
                                         Qt::LeftArrow, tr("Previous year"));
    m_pNextYear = CreateNavigationButton(QStringLiteral("qt_calendar_nextyear"), next,
                                         Qt::RightArrow, tr("Next year"));

    QPalette labelPalette = m_pNavigationBar->palette();
    labelPalette.setColor(QPalette::WindowText, kNavigationText);
    m_pMonthLabel = new QLabel(m_pNavigationBar);
    m_pMonthLabel->setObjectName(QStringLiteral("qt_calendar_m_monthlabel"));
    m_pMonthLabel->setStyleSheet(QStringLiteral("background:transparent;"));
    m_pMonthLabel->setAlignment(Qt::AlignCenter);
    m_pMonthLabel->setPalette(labelPalette);
    m_pYearLabel = new QLabel(m_pNavigationBar);
    m_pYearLabel->setObjectName(QStringLiteral("qt_calendar_m_yearlabel"));
    m_pYearLabel->setFixedWidth(30);
    m_pYearLabel->setAlignment(Qt::AlignCenter);
    m_pYearLabel->setPalette(labelPalette);
    for (QLabel* label : {m_pMonthLabel, m_pYearLabel}) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }

    // Each label between its own pair of arrows: both pairs share one picture.
    auto* layout = new QHBoxLayout(m_pNavigationBar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pPrevMonth);
    layout->addWidget(m_pMonthLabel, 1);
    layout->addWidget(m_pNextMonth);
    layout->addWidget(m_pPrevYear);
    layout->addWidget(m_pYearLabel);
    layout->addWidget(m_pNextYear);

    connect(m_pPrevMonth, &QToolButton::clicked, this, &CCalendarWidget::OnPrevMonthClicked);
    connect(m_pNextMonth, &QToolButton::clicked, this, &CCalendarWidget::OnNextMonthClicked);
    connect(m_pPrevYear, &QToolButton::clicked, this, &CCalendarWidget::OnPrevYearClicked);
    connect(m_pNextYear, &QToolButton::clicked, this, &CCalendarWidget::OnNextYearClicked);
}

QDate CCalendarWidget::GetSelectedDate() const
{
    return m_pModel->GetDate();
}

QDate CCalendarWidget::GetMinimumDate() const
{
    return m_pModel->GetMinimumDate();
}

QDate CCalendarWidget::GetMaximumDate() const
{
    return m_pModel->GetMaximumDate();
}

void CCalendarWidget::SetMinimumDate(const QDate& date)
{
    if (!date.isValid())
        return;
    SetDateRange(date, qMax(date, GetMaximumDate()));
}

void CCalendarWidget::SetMaximumDate(const QDate& date)
{
    if (!date.isValid())
        return;
    SetDateRange(qMin(date, GetMinimumDate()), date);
}

Qt::DayOfWeek CCalendarWidget::GetFirstDayOfWeek() const
{
    return m_pModel->GetFirstDayOfWeek();
}

void CCalendarWidget::SetFirstDayOfWeek(Qt::DayOfWeek dayOfWeek)
{
    m_pModel->SetFirstDayOfWeek(dayOfWeek);
    UpdateSelection();
}

bool CCalendarWidget::IsGridVisible() const
{
    return m_pView->showGrid();
}

void CCalendarWidget::SetSelectionMode(SelectionMode mode)
{
    m_selectionMode = mode;
    switch (mode) {
    case NoSelection:
        m_pView->setSelectionMode(QAbstractItemView::NoSelection);
        break;
    case SingleSelection:
        m_pView->setSelectionMode(QAbstractItemView::SingleSelection);
        break;
    case MultiSelection:
        m_pView->setSelectionMode(QAbstractItemView::MultiSelection);
        break;
    }
    m_rangeBegin = m_rangeEnd = GetSelectedDate();
    UpdateSelection();
}

void CCalendarWidget::SetHorizontalHeaderFormat(HorizontalHeaderFormat format)
{
    m_horizontalHeaderFormat = format;
    ApplyHeaderFormat();
}

CCalendarWidget::VerticalHeaderFormat CCalendarWidget::GetVerticalHeaderFormat() const
{
    return m_pModel->GetVerticalHeaderFormat();
}

void CCalendarWidget::SetVerticalHeaderFormat(VerticalHeaderFormat format)
{
    m_pModel->SetVerticalHeaderFormat(format);
    UpdateSelection();
    UpdateMinimumSize();
}

void CCalendarWidget::SetHeaderVisible(bool bShow)
{
    m_bHeaderVisible = bShow;
    ApplyHeaderFormat();
}

void CCalendarWidget::ApplyHeaderFormat()
{
    m_pModel->SetHorizontalHeaderFormat(m_bHeaderVisible ? m_horizontalHeaderFormat
                                                         : NoHorizontalHeader);
    UpdateSelection();
    UpdateMinimumSize();
}

bool CCalendarWidget::IsNavigationBarVisible() const
{
    return !m_pNavigationBar->isHidden();
}

void CCalendarWidget::SetDateEditEnabled(bool bEnable)
{
    m_bDateEditEnabled = bEnable;
    m_pNavigator->SetWidget(bEnable ? m_pView : nullptr);
}

int CCalendarWidget::GetDateEditAcceptDelay() const
{
    return m_pNavigator->GetDateEditAcceptDelay();
}

void CCalendarWidget::SetDateEditAcceptDelay(int delay)
{
    m_pNavigator->SetDateEditAcceptDelay(delay);
}

int CCalendarWidget::GetYearShown() const
{
    return m_pModel->GetShownYear();
}

int CCalendarWidget::GetMonthShown() const
{
    return m_pModel->GetShownMonth();
}

QTextCharFormat CCalendarWidget::GetHeaderTextFormat() const
{
    return m_pModel->GetHeaderTextFormat();
}

void CCalendarWidget::SetHeaderTextFormat(const QTextCharFormat& format)
{
    m_pModel->SetHeaderTextFormat(format);
}

QTextCharFormat CCalendarWidget::GetWeekdayTextFormat(Qt::DayOfWeek dayOfWeek) const
{
    return m_pModel->GetDayTextFormat(dayOfWeek);
}

void CCalendarWidget::SetWeekdayTextFormat(Qt::DayOfWeek dayOfWeek, const QTextCharFormat& format)
{
    m_pModel->SetDayTextFormat(dayOfWeek, format);
}

QTextCharFormat CCalendarWidget::GetDateTextFormat(const QDate& date) const
{
    return m_pModel->GetDateTextFormat(date);
}

void CCalendarWidget::SetDateTextFormat(const QDate& date, const QTextCharFormat& format)
{
    m_pModel->SetDateTextFormat(date, format);
}

void CCalendarWidget::SetDateMark(const QDate& date, int type)
{
    if (!date.isValid())
        return;
    m_marks.insert(date, type);
    UpdateCell(date);
}

void CCalendarWidget::ClearDateMark(const QDate& date)
{
    if (m_marks.remove(date) > 0)
        UpdateCell(date);
}

void CCalendarWidget::ClearDateMarks()
{
    m_marks.clear();
    UpdateCells();
}

int CCalendarWidget::GetDateMark(const QDate& date) const
{
    return m_marks.value(date, -1);
}

QColor CCalendarWidget::MarkColor(int type)
{
    switch (type) {
    case 1:
        return QColor(40, 97, 155);
    case 2:
        return QColor(72, 96, 21);
    default:
        return QColor(250, 90, 55);
    }
}

void CCalendarWidget::UpdateCell(const QDate& date)
{
    if (!date.isValid()) {
        qWarning("CCalendarWidget::updateCell: Invalid date");
        return;
    }
    const QModelIndex index = m_pModel->IndexForDate(date);
    if (index.isValid())
        m_pView->update(index);
}

void CCalendarWidget::UpdateCells()
{
    m_pView->viewport()->update();
}

void CCalendarWidget::PaintDateCell(QPainter* painter, const QRect& rect, const QDate& date) const
{
    m_pDelegate->PaintCell(painter, rect, date);
    const int type = GetDateMark(date);
    if (type < 0)
        return;
    const int side = qMin(rect.width(), rect.height()) / 3;
    const QPolygon corner({QPoint(rect.right(), rect.bottom()),
                           QPoint(rect.right(), rect.bottom() - side),
                           QPoint(rect.right() - side, rect.bottom())});
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    // Outline and fill alike, so the triangle reaches the cell's last pixel row and column.
    painter->setPen(MarkColor(type));
    painter->setBrush(MarkColor(type));
    painter->drawPolygon(corner);
    painter->restore();
}

void CCalendarWidget::SetSelectedDate(QDate date)
{
    if (!date.isValid())
        return;
    const QDate previous = GetSelectedDate();
    m_pModel->SetDate(date);
    m_rangeBegin = m_rangeEnd = GetSelectedDate();
    ShowSelectedDate();
    UpdateSelection();
    if (GetSelectedDate() != previous)
        emit SelectionChanged();
}

void CCalendarWidget::SetDateRange(QDate minDate, QDate maxDate)
{
    if (!minDate.isValid() || !maxDate.isValid())
        return;
    const QDate previous = GetSelectedDate();
    const qint64 page = MonthKey(GetYearShown(), GetMonthShown());
    m_pModel->SetRange(minDate, maxDate);
    AfterRangeChange(previous);
    if (MonthKey(GetYearShown(), GetMonthShown()) != page)
        emit CurrentPageChanged(GetYearShown(), GetMonthShown());
}

void CCalendarWidget::AfterRangeChange(const QDate& previousSelection)
{
    if (GetSelectedDate() != previousSelection)
        m_rangeBegin = m_rangeEnd = GetSelectedDate();
    UpdateNavigationBar();
    UpdateSelection();
    if (GetSelectedDate() != previousSelection)
        emit SelectionChanged();
}

void CCalendarWidget::SetCurrentPage(int year, int month)
{
    const qint64 page = MonthKey(GetYearShown(), GetMonthShown());
    m_pModel->ShowMonth(year, month);
    UpdateNavigationBar();
    UpdateSelection();
    if (MonthKey(GetYearShown(), GetMonthShown()) != page)
        emit CurrentPageChanged(GetYearShown(), GetMonthShown());
}

void CCalendarWidget::SetGridVisible(bool bShow)
{
    m_pView->setShowGrid(bShow);
}

void CCalendarWidget::SetNavigationBarVisible(bool bVisible)
{
    m_pNavigationBar->setVisible(bVisible);
}

void CCalendarWidget::ShowNextMonth()
{
    const QDate next = QDate(GetYearShown(), GetMonthShown(), 1).addMonths(1);
    if (next.isValid())
        SetCurrentPage(next.year(), next.month());
}

void CCalendarWidget::ShowPreviousMonth()
{
    const QDate previous = QDate(GetYearShown(), GetMonthShown(), 1).addMonths(-1);
    if (previous.isValid())
        SetCurrentPage(previous.year(), previous.month());
}

void CCalendarWidget::ShowNextYear()
{
    const QDate next = QDate(GetYearShown(), GetMonthShown(), 1).addYears(1);
    if (next.isValid())
        SetCurrentPage(next.year(), next.month());
}

void CCalendarWidget::ShowPreviousYear()
{
    const QDate previous = QDate(GetYearShown(), GetMonthShown(), 1).addYears(-1);
    if (previous.isValid())
        SetCurrentPage(previous.year(), previous.month());
}

void CCalendarWidget::ShowSelectedDate()
{
    const QDate selected = GetSelectedDate();
    SetCurrentPage(selected.year(), selected.month());
}

void CCalendarWidget::ShowToDay()
{
    const QDate today = QDate::currentDate();
    SetCurrentPage(today.year(), today.month());
}

void CCalendarWidget::OnCallJudgePos()
{
    // A leave event also comes when a child window or the type-in editor takes the mouse;
    // only a cursor really outside counts.
    m_bLeaveCheckPending = false;
    if (!isVisible())
        return;
    if (!rect().contains(mapFromGlobal(QCursor::pos())))
        emit LeaveCalendar();
}

void CCalendarWidget::OnShowDate(QDate date)
{
    if (date.isValid())
        SetCurrentPage(date.year(), date.month());
}

void CCalendarWidget::OnChangeDate(QDate date)
{
    OnChangeDate(date, true, false);
}

void CCalendarWidget::OnChangeDate(QDate date, bool changeMonth, bool bChangeDate)
{
    if (!date.isValid())
        return;
    const QDate previous = GetSelectedDate();
    m_pModel->SetDate(date);
    const QDate selected = GetSelectedDate();
    m_rangeBegin = m_rangeEnd = selected;
    if (changeMonth && !m_pModel->IsInShownMonth(selected))
        SetCurrentPage(selected.year(), selected.month());
    UpdateSelection();
    // With several cells selected a click on the selected day still narrows the selection.
    if (selected != previous || bChangeDate)
        emit SelectionChanged();
}

void CCalendarWidget::OnChangeDate(QDate date, bool changeMonth)
{
    OnChangeDate(date, changeMonth, false);
}

void CCalendarWidget::OnSlotSelectDate(QDate dtBegin, QDate dtEnd)
{
    if (!dtBegin.isValid() || !dtEnd.isValid())
        return;
    m_rangeBegin = qMin(dtBegin, dtEnd);
    m_rangeEnd = qMax(dtBegin, dtEnd);
    if (m_selectionMode == MultiSelection)
        UpdateSelection();
    emit SignalSelectDate(m_rangeBegin, m_rangeEnd);
}

void CCalendarWidget::OnEditingFinished()
{
    emit activated(GetSelectedDate());
}

void CCalendarWidget::OnPrevMonthClicked()
{
    ShowPreviousMonth();
}

void CCalendarWidget::OnNextMonthClicked()
{
    ShowNextMonth();
}

void CCalendarWidget::OnPrevYearClicked()
{
    ShowPreviousYear();
}

void CCalendarWidget::OnNextYearClicked()
{
    ShowNextYear();
}

bool CCalendarWidget::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Resize:
        setMask(GetTopRoundRectRegion(QRect(QPoint(0, 0), size()), 2));
        break;
    case QEvent::LocaleChange:
        if (m_pModel)
            ApplyLocale();
        break;
    case QEvent::FontChange:
        if (m_pModel)
            UpdateMinimumSize();
        break;
    case QEvent::Leave:
        // Moving the cursor away can bring several leave events at once; judge them once.
        if (!m_bLeaveCheckPending) {
            m_bLeaveCheckPending = true;
            QTimer::singleShot(0, this, &CCalendarWidget::OnCallJudgePos);
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void CCalendarWidget::ApplyLocale()
{
    m_pModel->SetLocale(locale());
    m_pNavigator->SetLocale(locale());
    UpdateNavigationBar();
    UpdateMinimumSize();
}

void CCalendarWidget::UpdateNavigationBar()
{
    const int year = GetYearShown();
    const int month = GetMonthShown();
    m_pMonthLabel->setText(locale().standaloneMonthName(month, QLocale::LongFormat));
    m_pYearLabel->setText(QString::number(year));

    const QDate minimum = GetMinimumDate();
    const QDate maximum = GetMaximumDate();
    const qint64 shown = MonthKey(year, month);
    m_pPrevMonth->setEnabled(shown > MonthKey(minimum.year(), minimum.month()));
    m_pNextMonth->setEnabled(shown < MonthKey(maximum.year(), maximum.month()));
    m_pPrevYear->setEnabled(year > minimum.year());
    m_pNextYear->setEnabled(year < maximum.year());
}

void CCalendarWidget::UpdateSelection()
{
    QItemSelectionModel* selectionModel = m_pView->selectionModel();
    if (!selectionModel)
        return;
    const QDate selected = GetSelectedDate();
    m_pNavigator->SetDate(selected);

    QItemSelection selection;
    if (m_selectionMode == MultiSelection && m_rangeBegin.isValid() && m_rangeEnd.isValid()) {
        // Only the part of the range the grid shows: a range may span years.
        const QDate first = m_pModel->DateForCell(m_pModel->FirstRow(), m_pModel->FirstColumn());
        const QDate last =
            m_pModel->DateForCell(m_pModel->FirstRow() + CCalendarModel::DayRows - 1,
                                  m_pModel->FirstColumn() + CCalendarModel::DayColumns - 1);
        QDate day = first.isValid() ? qMax(first, m_rangeBegin) : m_rangeBegin;
        const QDate end = last.isValid() ? qMin(last, m_rangeEnd) : m_rangeEnd;
        for (; day.isValid() && day <= end; day = day.addDays(1)) {
            const QModelIndex cell = m_pModel->IndexForDate(day);
            if (cell.isValid() && m_pModel->IsInRange(day))
                selection.select(cell, cell);
        }
    } else if (m_selectionMode != NoSelection) {
        const QModelIndex cell = m_pModel->IndexForDate(selected);
        if (cell.isValid())
            selection.select(cell, cell);
    }
    selectionModel->select(selection, QItemSelectionModel::ClearAndSelect);
    const QModelIndex current = m_pModel->IndexForDate(selected);
    if (current.isValid())
        selectionModel->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

void CCalendarWidget::UpdateMinimumSize()
{
    const QFontMetrics metrics(m_pView->font());
    int cellWidth = metrics.horizontalAdvance(QStringLiteral("88"));
    for (int column = 0; column < m_pModel->columnCount(); ++column)
        cellWidth = qMax(cellWidth,
                         metrics.horizontalAdvance(m_pModel->index(0, column).data().toString()));
    cellWidth += 8;
    const int cellHeight = metrics.height() + 6;
    m_pView->setMinimumSize(cellWidth * m_pModel->columnCount(), cellHeight * m_pModel->rowCount());
}
