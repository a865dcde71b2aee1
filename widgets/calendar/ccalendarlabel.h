// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CCALENDARLABEL_H
#define CCALENDARLABEL_H

#include <QDate>
#include <QLabel>
#include <QPixmap>

class QTimer;
class CCalendarWidget;

// A "today" tile: month, weekday, year and day number. Hovering it opens a month calendar
// over it; a day clicked there becomes the tile's date. The tile turns over at midnight.
class CCalendarLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CCalendarLabel(QWidget* parent = nullptr);
    ~CCalendarLabel() override;

    QDate GetDate() const { return m_date; }
    CCalendarWidget* GetCalendarWidget() const { return m_pCalendar; }
    const QPixmap& GetTile() const { return m_tile; }

signals:
    void mouseEnter();
    void clicked(QDate date);

public slots:
    void updateDate();
    void HideCalender();
    void setDate(QDate);

protected:
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RebuildTile();

    QPixmap m_tile;
    QDate m_date;
    CCalendarWidget* m_pCalendar = nullptr;
    QTimer* m_pTimer = nullptr;
};

#endif
