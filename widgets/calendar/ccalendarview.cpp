// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendarview.h"

#include "widgets/calendar/ccalendarmodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>

CCalendarView::CCalendarView(QWidget* parent) : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setShowGrid(false);
    setFrameShape(QFrame::NoFrame);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setAutoScroll(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
}

CCalendarView::~CCalendarView() = default;

void CCalendarView::keyboardSearch(const QString& search)
{
    Q_UNUSED(search);
}

CCalendarModel* CCalendarView::CalendarModel() const
{
    return qobject_cast<CCalendarModel*>(model());
}

QDate CCalendarView::DateAt(const QPoint& position) const
{
    const CCalendarModel* calendarModel = CalendarModel();
    const QModelIndex index = indexAt(position);
    if (!calendarModel || !index.isValid())
        return QDate();
    const QDate date = calendarModel->DateForCell(index.row(), index.column());
    return calendarModel->IsInRange(date) ? date : QDate();
}

bool CCalendarView::event(QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        emit focusout();
    return QTableView::event(event);
}

void CCalendarView::mousePressEvent(QMouseEvent* event)
{
    CCalendarModel* calendarModel = CalendarModel();
    if (!calendarModel || selectionMode() == QAbstractItemView::NoSelection) {
        QTableView::mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint position = event->position().toPoint();
    const QDate date = DateAt(position);
    if (!date.isValid()) {
        m_pressedIndex = QPersistentModelIndex();
        m_bPressed = false;
        event->ignore();
        return;
    }
    m_bPressed = true;
    const QModelIndex cell = indexAt(position);
    // Only a day of the shown month can start a range: the others turn the page on release.
    m_pressedIndex =
        calendarModel->IsInShownMonth(date) ? QPersistentModelIndex(cell) : QPersistentModelIndex();
    selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
    event->accept();
}

void CCalendarView::mouseReleaseEvent(QMouseEvent* event)
{
    CCalendarModel* calendarModel = CalendarModel();
    if (!calendarModel || selectionMode() == QAbstractItemView::NoSelection) {
        QTableView::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = m_bPressed;
    const QPersistentModelIndex pressed = m_pressedIndex;
    m_pressedIndex = QPersistentModelIndex();
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_bPressed = false;
    const QDate date = wasPressed ? DateAt(event->position().toPoint()) : QDate();
    if (!date.isValid()) {
        event->ignore();
        return;
    }
    event->accept();

    // A receiver may close or delete the calendar while these signals are delivered.
    QPointer<CCalendarView> self(this);
    const QDate pressedDate =
        pressed.isValid() ? calendarModel->DateForCell(pressed.row(), pressed.column()) : QDate();
    if (pressed.isValid() && pressedDate.isValid() && pressedDate != date) {
        emit SignalSelectDate(qMin(pressedDate, date), qMax(pressedDate, date));
    } else {
        const bool bSeveral = selectionModel()->selectedIndexes().size() > 1;
        emit changeDate(date, true, bSeveral);
        if (!self)
            return;
        emit SignalSelectDate(date, date);
    }
    if (!self)
        return;
    emit clicked(date);
    if (!self)
        return;
    if (style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr, this))
        emit editingFinished();
}

void CCalendarView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!CalendarModel() || selectionMode() == QAbstractItemView::NoSelection ||
        event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QDate date = DateAt(event->position().toPoint());
    if (!date.isValid()) {
        event->ignore();
        return;
    }
    event->accept();
    QPointer<CCalendarView> self(this);
    emit changeDate(date, true);
    if (self)
        emit editingFinished();
}

void CCalendarView::mouseMoveEvent(QMouseEvent* event)
{
    CCalendarModel* calendarModel = CalendarModel();
    if (!m_bPressed || !calendarModel || !(event->buttons() & Qt::LeftButton)) {
        // Without a press of ours the table must not start its own drag selection.
        if (!(event->buttons() & Qt::LeftButton))
            QTableView::mouseMoveEvent(event);
        return;
    }
    event->accept();
    const QDate date = DateAt(event->position().toPoint());
    if (!date.isValid() || !calendarModel->IsInShownMonth(date))
        return;
    if (selectionMode() == QAbstractItemView::MultiSelection) {
        if (m_pressedIndex.isValid())
            PreviewRange(calendarModel->DateForCell(m_pressedIndex.row(), m_pressedIndex.column()),
                         date);
        return;
    }
    // In single selection the chosen day follows the mouse.
    emit changeDate(date, false);
}

void CCalendarView::PreviewRange(const QDate& from, const QDate& to)
{
    CCalendarModel* calendarModel = CalendarModel();
    if (!from.isValid() || !to.isValid())
        return;
    QItemSelection selection;
    for (QDate day = qMin(from, to); day <= qMax(from, to); day = day.addDays(1)) {
        const QModelIndex cell = calendarModel->IndexForDate(day);
        if (cell.isValid() && calendarModel->IsInRange(day))
            selection.select(cell, cell);
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    selectionModel()->setCurrentIndex(calendarModel->IndexForDate(to),
                                      QItemSelectionModel::NoUpdate);
}

void CCalendarView::wheelEvent(QWheelEvent* event)
{
    CCalendarModel* calendarModel = CalendarModel();
    if (!calendarModel) {
        QTableView::wheelEvent(event);
        return;
    }
    event->accept();
    m_wheelDelta += event->angleDelta().y();
    const int steps = m_wheelDelta / QWheelEvent::DefaultDeltasPerStep;
    if (steps == 0)
        return;
    m_wheelDelta -= steps * QWheelEvent::DefaultDeltasPerStep;
    // Turning the wheel away from the user goes back in time, as scrolling up does.
    const QDate shown(calendarModel->GetShownYear(), calendarModel->GetShownMonth(), 1);
    const QDate target = shown.addMonths(-steps);
    if (target.isValid())
        emit showDate(target);
}

void CCalendarView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        event->accept();
        emit editingFinished();
        return;
    case Qt::Key_Escape:
        // The drop-down closes on Escape; it must see the key.
        event->ignore();
        return;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex CCalendarView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    CCalendarModel* calendarModel = CalendarModel();
    if (!calendarModel)
        return QTableView::moveCursor(cursorAction, modifiers);

    const QModelIndex current = currentIndex();
    QDate date =
        current.isValid() ? calendarModel->DateForCell(current.row(), current.column()) : QDate();
    if (!date.isValid())
        date = calendarModel->GetDate();
    if (!date.isValid())
        return current;

    const int weekOffset =
        calendarModel->ColumnForDayOfWeek(date.dayOfWeek()) - calendarModel->FirstColumn();
    const int forward = isRightToLeft() ? -1 : 1;
    QDate target;
    switch (cursorAction) {
    case MoveUp:
        target = date.addDays(-7);
        break;
    case MoveDown:
        target = date.addDays(7);
        break;
    case MoveLeft:
        target = date.addDays(-forward);
        break;
    case MoveRight:
        target = date.addDays(forward);
        break;
    case MovePrevious:
        target = date.addDays(-1);
        break;
    case MoveNext:
        target = date.addDays(1);
        break;
    case MoveHome:
        target = (modifiers & Qt::ControlModifier) ? QDate(date.year(), date.month(), 1)
                                                   : date.addDays(-weekOffset);
        break;
    case MoveEnd:
        target = (modifiers & Qt::ControlModifier)
                     ? QDate(date.year(), date.month(), date.daysInMonth())
                     : date.addDays(6 - weekOffset);
        break;
    case MovePageUp:
        target = date.addMonths(-1);
        break;
    case MovePageDown:
        target = date.addMonths(1);
        break;
    }
    if (!target.isValid())
        return current;
    target = qBound(calendarModel->GetMinimumDate(), target, calendarModel->GetMaximumDate());
    if (target == date)
        return current;
    emit changeDate(target, true);
    return calendarModel->IndexForDate(target);
}
