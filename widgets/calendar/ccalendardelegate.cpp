// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendardelegate.h"

#include "util/helpers.h"
#include "widgets/calendar/ccalendarmodel.h"
#include "widgets/calendar/ccalendarwidget.h"

#include <QPainter>

namespace {
const QColor kCellColour(155, 155, 155);
// Stand-ins while a skin picture is missing, so the grid stays readable without the skin.
const QColor kHeaderFallback(96, 95, 93);
const QColor kHoverFallback(184, 184, 184);
const QColor kFocusFallback(40, 97, 155);

QString CalendarPicture(const char* name)
{
    return QStringLiteral(":/images/public/Calendar/") + QLatin1String(name);
}
} // namespace

CCalendarDelegate::CCalendarDelegate(CCalendarWidget* calendar, QObject* parent)
    : QItemDelegate(parent), m_pCalendar(calendar)
{
}

CCalendarDelegate::~CCalendarDelegate() = default;

void CCalendarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const CCalendarModel* model = m_pCalendar ? m_pCalendar->GetModel() : nullptr;
    if (!model || index.model() != model) {
        QItemDelegate::paint(painter, option, index);
        return;
    }
    const QDate date = model->DateForCell(index.row(), index.column());
    if (date.isValid()) {
        m_storedOption = option;
        m_pCalendar->PaintDateCell(painter, option.rect, date);
        return;
    }
    if (index.row() < model->FirstRow()) {
        PaintHeaderCell(painter, option, index);
        return;
    }
    QItemDelegate::paint(painter, option, index);
}

void CCalendarDelegate::PaintHeaderCell(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const char* name = "WeekMiddle.png";
    if (index.column() == 0)
        name = "WeekLeft.png";
    else if (index.column() == index.model()->columnCount() - 1)
        name = "WeekRight.png";
    const QPixmap picture = LoadCachedPixmap(CalendarPicture(name));

    painter->save();
    if (picture.isNull())
        painter->fillRect(option.rect, kHeaderFallback);
    else
        painter->drawPixmap(option.rect, picture);

    QFont font = option.font;
    const QVariant fontData = index.data(Qt::FontRole);
    if (fontData.isValid())
        font = qvariant_cast<QFont>(fontData).resolve(font);
    painter->setFont(font);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    // The stand-in colour is dark: light text on it whatever the model asks for.
    if (picture.isNull())
        painter->setPen(Qt::white);
    else
        painter->setPen(foreground.isValid() ? qvariant_cast<QBrush>(foreground).color()
                                             : option.palette.color(QPalette::WindowText));
    painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    painter->restore();
}

void CCalendarDelegate::PaintCell(QPainter* painter, const QRect& rect, const QDate& date) const
{
    const CCalendarModel* model = m_pCalendar ? m_pCalendar->GetModel() : nullptr;
    if (!model)
        return;
    const QModelIndex index = model->IndexForDate(date);
    if (!index.isValid())
        return;
    QStyleOptionViewItem option = m_storedOption;
    option.rect = rect;
    option.index = index;
    // The current day is always the selected one, whose picture already marks it.
    option.state &= ~QStyle::State_HasFocus;
    QItemDelegate::paint(painter, option, index);
}

void CCalendarDelegate::drawDisplay(QPainter* painter, const QStyleOptionViewItem& option,
                                    const QRect& rect, const QString& text) const
{
    if (!(option.state & QStyle::State_Selected)) {
        QItemDelegate::drawDisplay(painter, option, rect, text);
        return;
    }
    const QPixmap focus = LoadCachedPixmap(CalendarPicture("CalendarFocus.png"));
    painter->save();
    if (focus.isNull())
        painter->fillRect(rect, kFocusFallback);
    else
        painter->drawPixmap(rect, focus);
    painter->setFont(option.font);
    // The focus picture is light, its stand-in dark.
    painter->setPen(focus.isNull()
                        ? QColor(Qt::white)
                        : option.palette.color(QPalette::Normal, QPalette::HighlightedText));
    painter->drawText(rect, Qt::AlignCenter, text);
    painter->restore();
}

void CCalendarDelegate::drawDecoration(QPainter* painter, const QStyleOptionViewItem& option,
                                       const QRect& rect, const QPixmap& pixmap) const
{
    Q_UNUSED(rect);
    Q_UNUSED(pixmap);
    // The "decoration" of a calendar cell is its whole background tile.
    painter->fillRect(option.rect, kCellColour);
    const QPixmap normal = LoadCachedPixmap(CalendarPicture("CalendarNormal.png"));
    if (!normal.isNull())
        painter->drawPixmap(option.rect, normal);

    // Hover only on days that can be picked: week numbers and days out of range are not.
    const bool pickable = option.index.isValid() && (option.index.flags() & Qt::ItemIsSelectable);
    if (pickable && (option.state & QStyle::State_MouseOver)) {
        const QPixmap hover = LoadCachedPixmap(CalendarPicture("CalendarHover.png"));
        if (hover.isNull())
            painter->fillRect(option.rect, kHoverFallback);
        else
            painter->drawPixmap(option.rect, hover);
    }
}
