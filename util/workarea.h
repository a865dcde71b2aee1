// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WORKAREA_H
#define WORKAREA_H

#include <QPoint>
#include <QRect>
#include <vector>

class QWindow;

// One screen as the clamp sees it: its full geometry and the part left after reserved
// strips such as a task bar.
struct ScreenArea
{
    QRect geometry;
    QRect available;
};

// Keeps a dragged window's cursor out of a reserved strip at the edge of the screen it is
// on, unless a neighbouring screen lies beyond that edge. Pure, so every branch can be
// tested with made-up screen sets. The primary screen comes first.
QPoint ClampToWorkArea(const QPoint& p, const std::vector<ScreenArea>& screens);

// The same over the screens the application sees now.
QPoint ClampToWorkArea(const QPoint& p);

// Hands a drag by a title area to the window system, the only way to move a window where
// clients may not place their own windows (Wayland). False where the platform offers no
// such move: the caller then moves the window itself, clamped as above.
bool StartSystemMove(QWindow* window);

#endif
