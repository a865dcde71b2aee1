// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CDELAYBUTTON_H
#define CDELAYBUTTON_H

#include "widgets/controls/cpushbutton.h"

#include <QBasicTimer>

// A push button that also reports its release two seconds late: every release restarts
// the delay, and while the button is checked the report waits until it is unchecked.
class CDelayButton : public CPushButton
{
    Q_OBJECT

public:
    static constexpr int DelayMs = 2000;

    explicit CDelayButton(QWidget* parent = nullptr);
    explicit CDelayButton(const QString& text, QWidget* parent = nullptr);
    CDelayButton(const QIcon& icon, const QString& text, QWidget* parent = nullptr);
    ~CDelayButton() override;

signals:
    void SignalDelayRelease();

protected:
    void timerEvent(QTimerEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QBasicTimer m_delayTimer;
};

#endif
