// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls/cdelaybutton.h"

#include <QPointer>
#include <QTimerEvent>

CDelayButton::CDelayButton(QWidget* parent) : CPushButton(parent) {}

CDelayButton::CDelayButton(const QString& text, QWidget* parent) : CPushButton(text, parent) {}

CDelayButton::CDelayButton(const QIcon& icon, const QString& text, QWidget* parent)
    : CPushButton(icon, text, parent)
{
}

CDelayButton::~CDelayButton() = default;

void CDelayButton::mouseReleaseEvent(QMouseEvent* event)
{
    // A slot on clicked() may delete the button.
    const QPointer<CDelayButton> self(this);
    CPushButton::mouseReleaseEvent(event);
    if (self)
        m_delayTimer.start(DelayMs, this);
}

void CDelayButton::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_delayTimer.timerId()) {
        CPushButton::timerEvent(event);
        return;
    }
    if (isChecked()) {
        m_delayTimer.start(DelayMs, this);
        return;
    }
    m_delayTimer.stop();
    emit SignalDelayRelease();
}
