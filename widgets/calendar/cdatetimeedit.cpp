// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/cdatetimeedit.h"

#include "widgets/calendar/ccalendartimepopup.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>

CDateTimeEdit::CDateTimeEdit(QWidget* parent) : QDateTimeEdit(parent)
{
    Init(QDate());
}

CDateTimeEdit::CDateTimeEdit(const QDateTime& dateTime, QWidget* parent)
    : QDateTimeEdit(dateTime, parent)
{
    Init(dateTime.date());
}

CDateTimeEdit::CDateTimeEdit(const QDate& date, QWidget* parent) : QDateTimeEdit(date, parent)
{
    Init(date);
}

// The toolkit's time-only editor pins its date to one day, so today could never be set;
// this one edits the whole date-time, starting today at `time`.
CDateTimeEdit::CDateTimeEdit(const QTime& time, QWidget* parent)
    : QDateTimeEdit(QDateTime(QDate::currentDate(), time), parent)
{
    Init(QDate());
}

CDateTimeEdit::CDateTimeEdit(const QVariant& value, QMetaType::Type type, QWidget* parent)
    : QDateTimeEdit(value, type, parent)
{
    Init(value.toDate());
}

CDateTimeEdit::~CDateTimeEdit()
{
    // A popup still open would report its old date to this half-destroyed editor.
    if (m_pPopup) {
        m_pPopup->disconnect(this);
        delete m_pPopup;
    }
}

void CDateTimeEdit::Init(const QDate& given)
{
    m_pPopup = nullptr;
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    // A date handed to the constructor is kept; otherwise the editor starts today.
    setDate(given.isValid() ? given : QDate::currentDate());
    // The text covers most of the editor and would take the click for its cursor.
    lineEdit()->installEventFilter(this);
}

bool CDateTimeEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && !isReadOnly()) {
            OpenPopup();
            return true;
        }
    }
    return QDateTimeEdit::eventFilter(watched, event);
}

void CDateTimeEdit::mousePressEvent(QMouseEvent* event)
{
    // The other buttons keep their context menu; a read-only editor offers no choice.
    if (event->button() != Qt::LeftButton || isReadOnly()) {
        event->ignore();
        return;
    }
    OpenPopup();
    event->accept();
}

void CDateTimeEdit::OpenPopup()
{
    if (!m_pPopup)
        m_pPopup = new CCalendarTimePopup(this);

    // Made on every press, as the popup is shared by all of them.
    connect(m_pPopup, &CCalendarTimePopup::newDateSelected, this, &QDateTimeEdit::setDate);
    connect(m_pPopup, &CCalendarTimePopup::hidingCalendar, this, &QDateTimeEdit::setDate);
    connect(m_pPopup, &CCalendarTimePopup::activated, this, &QDateTimeEdit::setDate);
    connect(m_pPopup, &CCalendarTimePopup::activated, m_pPopup, &QWidget::close);
    connect(m_pPopup, SIGNAL(resetButton()), this, SLOT(_q_resetButton()));

    m_pPopup->SetDateRange(minimumDate(), maximumDate());
    m_pPopup->SetDate(date());
    m_pPopup->move(PopupPosition(m_pPopup->size()));
    m_pPopup->show();
}

QPoint CDateTimeEdit::PopupPosition(const QSize& popup) const
{
    // Below the editor, or above it where the screen ends below; never off the sides.
    QPoint at = mapToGlobal(rect().bottomLeft());
    const QScreen* here = screen();
    if (!here)
        return at;
    const QRect available = here->availableGeometry();
    if (at.y() + popup.height() - 1 > available.bottom()) {
        const int above = mapToGlobal(QPoint(0, 0)).y() - popup.height();
        at.setY(above >= available.top()
                    ? above
                    : qMax(available.top(), available.bottom() - popup.height() + 1));
    }
    at.setX(qBound(available.left(), at.x(),
                   qMax(available.left(), available.right() - popup.width() + 1)));
    return at;
}
