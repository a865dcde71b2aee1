// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCALENDARVIEW_H
#define CCALENDARVIEW_H

#include <QDate>
#include <QPersistentModelIndex>
#include <QTableView>

class CCalendarModel;

// The calendar's day grid. Instead of the table's own selection handling it reports dates:
// a click or a drag between two days of the shown month, keyboard moves, the wheel turning
// the month. The calendar widget decides what is selected.
class CCalendarView : public QTableView
{
    Q_OBJECT

public:
    explicit CCalendarView(QWidget* parent = nullptr);
    ~CCalendarView() override;

    // Typed digits belong to the text navigator, not to a search over cell texts.
    void keyboardSearch(const QString& search) override;

    CCalendarModel* CalendarModel() const;
    // The pickable date under a viewport position: a day cell with a date inside the range.
    QDate DateAt(const QPoint& position) const;

signals:
    void showDate(QDate date);
    void changeDate(QDate date, bool changeMonth, bool bChangeDate);
    void changeDate(QDate date, bool changeMonth);
    void clicked(QDate);
    void editingFinished();
    void focusout();
    void SignalSelectDate(QDate dtBegin, QDate dtEnd);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void PreviewRange(const QDate& from, const QDate& to);

    bool m_bPressed = false;
    QPersistentModelIndex m_pressedIndex;
    // High-resolution wheels send small steps; a month turns per full notch.
    int m_wheelDelta = 0;
};

#endif
