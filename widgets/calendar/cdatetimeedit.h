// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CDATETIMEEDIT_H
#define CDATETIMEEDIT_H

#include <QDateTimeEdit>

class CCalendarTimePopup;

// The library's date-time editor: a click opens the skinned calendar drop-down instead of
// placing the text cursor. Shows "yyyy-MM-dd hh:mm:ss".
class CDateTimeEdit : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit CDateTimeEdit(QWidget* parent = nullptr);
    explicit CDateTimeEdit(const QDateTime& dateTime, QWidget* parent = nullptr);
    explicit CDateTimeEdit(const QDate& date, QWidget* parent = nullptr);
    explicit CDateTimeEdit(const QTime& time, QWidget* parent = nullptr);
    CDateTimeEdit(const QVariant& value, QMetaType::Type type, QWidget* parent = nullptr);
    ~CDateTimeEdit() override;

    // Null until the first click.
    CCalendarTimePopup* GetPopup() const { return m_pPopup; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Init(const QDate& given);
    void OpenPopup();
    // Where the drop-down of that size opens on the editor's screen.
    QPoint PopupPosition(const QSize& popup) const;

    CCalendarTimePopup* m_pPopup = nullptr;
};

#endif
