// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HELPERS_H
#define HELPERS_H

#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QString>

// The executable's folder followed by "/".
QString GetAppDirPath();

// A relative name resolved against the executable's folder; an absolute one unchanged.
QString GetAbsolutePath(const QString& fileName);

// The program's icon in every size it is drawn in, from the compiled-in resources.
QIcon ProgramIcon();
// Reads the icon's pictures, once, so that ProgramIcon() finds them read. Safe to call from any
// thread; ProgramIcon() waits for a reading still under way.
void ReadProgramIcon();

// A picture through the process-wide pixmap cache. A name that does not load gives a null
// picture and is not cached, so the next call tries again.
QPixmap LoadCachedPixmap(const QString& fileName);

// A picture's size in logical pixels, whichever variant was loaded.
QSize LogicalSize(const QPixmap& pixmap);

// A style sheet whose nine-slice cuts ("border-image: url(p) 34 6 16 6") fit the picture
// variant the toolkit will load on this display: it counts cuts in the loaded picture's own
// pixels, so the cuts of a picture taken at twice its size must double too. The sheet comes
// back unchanged at 100 % and for pictures without a large variant.
QString ScaleBorderImageCuts(const QString& sheet);
// The same for a display with the given device pixels per logical pixel.
QString ScaleBorderImageCuts(const QString& sheet, qreal ratio);

// Window shapes for frameless windows: all four corners rounded, or only the top two.
QRegion GetRoundRectRegion(const QRect& rect, int radius);
QRegion GetTopRoundRectRegion(const QRect& rect, int radius);

// The text in the system's 8-bit encoding; `flag` selects the same codec either way and is
// kept for callers that pass it.
QByteArray ToLocalBytes(const QString& text, bool flag = false);

#endif
