// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTS_MODAL_H
#define TESTS_MODAL_H

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `action` on the modal dialog as soon as one is up. Arm it before the blocking call;
// the context keeps the timer from firing after the test has gone. Actions record what they
// see and always end the dialog, so a failed check cannot leave exec() running.
inline void WhenModal(QObject* context, std::function<void(QWidget*)> action,
                      int attemptsLeft = 1000)
{
    QTimer::singleShot(attemptsLeft == 1000 ? 0 : 5, context, [=] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
            return;
        }
        if (attemptsLeft > 0)
            WhenModal(context, action, attemptsLeft - 1);
    });
}

// The keys the tests press, by name.
inline Qt::Key KeyNamed(const QString& name)
{
    if (name == QLatin1String("Return"))
        return Qt::Key_Return;
    if (name == QLatin1String("Enter"))
        return Qt::Key_Enter;
    if (name == QLatin1String("Select"))
        return Qt::Key_Select;
    return Qt::Key_Escape;
}

// Mouse events as the window system delivers them, with a chosen global position.
inline void SendMouse(QWidget* target, QEvent::Type type, const QPoint& local, const QPoint& global)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

#endif
