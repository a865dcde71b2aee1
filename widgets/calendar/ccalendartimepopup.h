// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCALENDARTIMEPOPUP_H
#define CCALENDARTIMEPOPUP_H

#include <QDate>
#include <QPointer>
#include <QWidget>

class CCalendarWidget;

// The drop-down of the date editors. Choosing a day reports it through `activated` and
// closes; moving the selection reports `newDateSelected`; closing with Escape (or without
// any choice) hands back the date it was opened with through `hidingCalendar`.
class CCalendarTimePopup : public QWidget
{
    Q_OBJECT

public:
    explicit CCalendarTimePopup(QWidget* parent = nullptr, CCalendarWidget* calendar = nullptr);
    ~CCalendarTimePopup() override;

    CCalendarWidget* GetCalendarWidget() const;
    // Installs `calendar` in place of the current one, which is deleted.
    void SetCalendarWidget(CCalendarWidget* calendar);

    QDate GetSelectedDate() const;
    void SetDate(const QDate& date);
    void SetDateRange(const QDate& minimum, const QDate& maximum);
    QDate GetOldDate() const { return m_oldDate; }
    bool IsDateChanged() const { return m_bDateChanged; }

signals:
    void activated(QDate date);
    void newDateSelected(QDate newDate);
    void hidingCalendar(QDate oldDate);
    void resetButton();

private slots:
    void dateSelected(QDate);
    void dateSelectionChanged();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void UpdateMask();

    QPointer<CCalendarWidget> m_pCalendar;
    QDate m_oldDate;
    bool m_bDateChanged = false;
};

#endif
