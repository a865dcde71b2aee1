// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCALENDARDELEGATE_H
#define CCALENDARDELEGATE_H

#include <QItemDelegate>
#include <QStyleOptionViewItem>

class CCalendarWidget;

// Paints the calendar grid from the skin's pictures. Day cells go through the calendar's
// PaintDateCell, so a calendar can draw marks (or more) over them.
class CCalendarDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit CCalendarDelegate(CCalendarWidget* calendar, QObject* parent = nullptr);
    ~CCalendarDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // The day cell of `date` into `rect`, with the option of the cell being painted.
    void PaintCell(QPainter* painter, const QRect& rect, const QDate& date) const;

protected:
    void drawDisplay(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect,
                     const QString& text) const override;
    void drawDecoration(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect,
                        const QPixmap& pixmap) const override;

private:
    void PaintHeaderCell(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const;

    CCalendarWidget* m_pCalendar;
    mutable QStyleOptionViewItem m_storedOption;
};

#endif
