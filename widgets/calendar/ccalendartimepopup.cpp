// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendartimepopup.h"

#include "util/helpers.h"
#include "widgets/calendar/ccalendarwidget.h"

#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

CCalendarTimePopup::CCalendarTimePopup(QWidget* parent, CCalendarWidget* calendar)
    : QWidget(parent, Qt::Popup)
{
    setAttribute(Qt::WA_WindowPropagation);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    SetCalendarWidget(calendar ? calendar : new CCalendarWidget(this));
}

CCalendarTimePopup::~CCalendarTimePopup() = default;

CCalendarWidget* CCalendarTimePopup::GetCalendarWidget() const
{
    return m_pCalendar;
}

void CCalendarTimePopup::SetCalendarWidget(CCalendarWidget* calendar)
{
    if (!calendar || calendar == m_pCalendar)
        return;
    delete m_pCalendar;
    m_pCalendar = calendar;
    layout()->addWidget(calendar);
    connect(calendar, &CCalendarWidget::activated, this, &CCalendarTimePopup::dateSelected);
    connect(calendar, &CCalendarWidget::clicked, this, &CCalendarTimePopup::dateSelected);
    connect(calendar, &CCalendarWidget::SelectionChanged, this,
            &CCalendarTimePopup::dateSelectionChanged);
    setFocusProxy(calendar);
    // Recorded as the popup's focus child, so the grid takes the keys once the popup opens.
    calendar->setFocus(Qt::PopupFocusReason);
    layout()->activate();
    adjustSize();
    UpdateMask();
}

void CCalendarTimePopup::UpdateMask()
{
    if (m_pCalendar)
        setMask(GetTopRoundRectRegion(m_pCalendar->geometry(), 2));
}

QDate CCalendarTimePopup::GetSelectedDate() const
{
    return m_pCalendar ? m_pCalendar->GetSelectedDate() : QDate();
}

void CCalendarTimePopup::SetDate(const QDate& date)
{
    m_oldDate = date;
    if (!m_pCalendar)
        return;
    // Showing the editor's date is not a choice of the user's.
    const QSignalBlocker blocker(m_pCalendar);
    m_pCalendar->SetSelectedDate(date);
}

void CCalendarTimePopup::SetDateRange(const QDate& minimum, const QDate& maximum)
{
    if (!m_pCalendar)
        return;
    const QSignalBlocker blocker(m_pCalendar);
    m_pCalendar->SetDateRange(minimum, maximum);
}

void CCalendarTimePopup::dateSelected(QDate date)
{
    m_bDateChanged = true;
    emit activated(date);
    close();
}

void CCalendarTimePopup::dateSelectionChanged()
{
    m_bDateChanged = true;
    emit newDateSelected(GetSelectedDate());
}

bool CCalendarTimePopup::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        m_bDateChanged = false;
    else if (event->type() == QEvent::Resize)
        UpdateMask();
    return QWidget::event(event);
}

void CCalendarTimePopup::mousePressEvent(QMouseEvent* event)
{
    if (auto* editor = qobject_cast<QDateTimeEdit*>(parentWidget())) {
        QStyleOptionComboBox option;
        option.initFrom(editor);
        option.editable = true;
        option.frame = editor->hasFrame();
        option.subControls = QStyle::SC_All;
        QRect arrow = editor->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxArrow, editor);
        arrow.moveTo(editor->mapToGlobal(arrow.topLeft()));
        const QPoint global = event->globalPosition().toPoint();
        // A press on the arrow closes the popup; replayed, it would open it again at once.
        // Cleared otherwise, so a press on another widget still reaches it.
        setAttribute(Qt::WA_NoMouseReplay,
                     arrow.contains(global) || rect().contains(mapFromGlobal(global)));
    }
    QWidget::mousePressEvent(event);
}

void CCalendarTimePopup::mouseReleaseEvent(QMouseEvent* event)
{
    emit resetButton();
    QWidget::mouseReleaseEvent(event);
}

void CCalendarTimePopup::hideEvent(QHideEvent* event)
{
    emit resetButton();
    if (!m_bDateChanged)
        emit hidingCalendar(m_oldDate);
    QWidget::hideEvent(event);
}
