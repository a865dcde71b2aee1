// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCALENDARTEXTNAVIGATOR_H
#define CCALENDARTEXTNAVIGATOR_H

#include "widgets/calendar/calendarvalidators.h"

#include <QBasicTimer>
#include <QDate>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <vector>

class QLabel;
class QKeyEvent;
class QWidget;

// Lets the user type a date into the calendar grid. The first digit opens a small editor over
// the grid showing the date in the locale's order (day, month, year sections); digits fill the
// sections, Left/Right and Backspace move between them, Up/Down step one. The date is taken
// when the last section is complete, on Return, or after a pause; Escape drops it.
class CCalendarTextNavigator : public QObject
{
    Q_OBJECT

public:
    explicit CCalendarTextNavigator(QObject* parent = nullptr);
    ~CCalendarTextNavigator() override;

    // The widget whose key presses are read; the editor is shown over it.
    QWidget* GetWidget() const { return m_pWidget; }
    void SetWidget(QWidget* widget);

    QDate GetDate() const { return m_date; }
    void SetDate(const QDate& date);
    int GetDateEditAcceptDelay() const { return m_acceptDelay; }
    void SetDateEditAcceptDelay(int delay);
    void SetLocale(const QLocale& locale);

    bool IsEditing() const;
    // The editor's text without mark-up, as the user reads it.
    QString GetEditText() const;
    QLabel* GetEditor() const;

signals:
    void dateChanged(QDate date);
    void editingFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool HandleKey(QKeyEvent* event);
    void BuildSections();
    void StartEditing();
    void Accept();
    void Cancel();
    void StopEditing();
    void ApplySections();
    void UpdateEditor();
    QString EditText(bool bMarkCurrent) const;

    QPointer<QWidget> m_pWidget;
    QPointer<QLabel> m_pEditor;
    QBasicTimer m_acceptTimer;
    int m_acceptDelay = 1500;
    QLocale m_locale;
    QDate m_date;
    QDate m_startDate;
    QCalendarDayValidator m_day;
    QCalendarMonthValidator m_month;
    QCalendarYearValidator m_year;
    // The sections in the locale's order and the texts around them (one more than sections).
    std::vector<QCalendarDateSectionValidator*> m_sections;
    QStringList m_separators;
    int m_current = 0;
    bool m_bEditing = false;
};

#endif
