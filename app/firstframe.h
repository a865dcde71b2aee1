// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIRSTFRAME_H
#define FIRSTFRAME_H

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

// Calls `done` once, after the window's first frame: its first paint and those of its
// children, which the toolkit paints in the same pass, run first. Header-only, so that the
// bare window the start-up benchmark compares the program with is measured the same way.
inline void WhenFirstPainted(QWidget* window, std::function<void()> done)
{
    class Watch : public QObject
    {
    public:
        Watch(QWidget* window, std::function<void()> done)
            : QObject(window), m_done(std::move(done))
        {
            window->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                // After the rest of the pass, which also puts the frame on the screen.
                QTimer::singleShot(0, this, [this] {
                    m_done();
                    deleteLater();
                });
            }
            return false;
        }

    private:
        std::function<void()> m_done;
    };
    new Watch(window, std::move(done));
}

#endif
