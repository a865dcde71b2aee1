// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/workarea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace {

bool SomeScreenSpansRow(const std::vector<ScreenArea>& screens, int row)
{
    for (const ScreenArea& s : screens) {
        if (s.available.top() <= row && row <= s.available.bottom())
            return true;
    }
    return false;
}

bool SomeScreenSpansColumn(const std::vector<ScreenArea>& screens, int column)
{
    for (const ScreenArea& s : screens) {
        if (s.available.left() <= column && column <= s.available.right())
            return true;
    }
    return false;
}

} // namespace

QPoint ClampToWorkArea(const QPoint& p, const std::vector<ScreenArea>& screens)
{
    if (screens.empty())
        return p;
    const ScreenArea* holder = nullptr;
    for (const ScreenArea& s : screens) {
        if (s.available.contains(p))
            return p;
        if (!holder && s.geometry.contains(p))
            holder = &s;
    }
    // A cursor beyond every screen is held by the primary one, listed first.
    if (!holder)
        holder = &screens.front();

    const QRect& avail = holder->available;
    const QRect& screen = holder->geometry;
    if (avail.contains(screen.topLeft()) && avail.contains(screen.topRight())) {
        if (SomeScreenSpansRow(screens, screen.bottom() + 1))
            return p;
        return QPoint(p.x(), avail.bottom());
    }
    if (avail.contains(screen.topLeft()) && avail.contains(screen.bottomLeft())) {
        if (SomeScreenSpansColumn(screens, screen.right() + 1))
            return p;
        return QPoint(avail.right(), p.y());
    }
    if (avail.contains(screen.topRight()) && avail.contains(screen.bottomRight())) {
        if (SomeScreenSpansColumn(screens, screen.left() - 1))
            return p;
        return QPoint(avail.left(), p.y());
    }
    if (SomeScreenSpansRow(screens, screen.top() - 1))
        return p;
    return QPoint(p.x(), avail.top());
}

QPoint ClampToWorkArea(const QPoint& p)
{
    std::vector<ScreenArea> screens;
    const QList<QScreen*> all = QGuiApplication::screens();
    screens.reserve(all.size());
    for (QScreen* screen : all)
        screens.push_back({screen->geometry(), screen->availableGeometry()});
    return ClampToWorkArea(p, screens);
}

bool StartSystemMove(QWindow* window)
{
    return window && window->startSystemMove();
}
