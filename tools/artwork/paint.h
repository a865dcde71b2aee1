// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ARTWORK_PAINT_H
#define ARTWORK_PAINT_H

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

// The palette every picture draws from: the deep blue of the labels, blue-grey edges and
// the light greys of the panels, so all pictures read as one family.
namespace Pal {
inline const QColor Blue(40, 97, 155);
inline const QColor BlueDark(27, 68, 112);
inline const QColor BlueDeep(20, 52, 88);
inline const QColor BlueMid(58, 118, 178);
inline const QColor BlueLight(88, 148, 206);
inline const QColor BlueSoft(150, 188, 226);
inline const QColor BluePale(214, 228, 242);
inline const QColor BlueMist(238, 244, 250);
inline const QColor Edge(142, 156, 172);
inline const QColor EdgeHover(74, 133, 191);
inline const QColor EdgeDisabled(186, 192, 200);
inline const QColor Panel(235, 236, 238);
inline const QColor Body(244, 246, 248);
inline const QColor Header(222, 222, 222);
inline const QColor Line(193, 193, 193);
inline const QColor Hover(251, 251, 194);
inline const QColor Ink(52, 64, 80);
inline const QColor InkSoft(112, 124, 140);
inline const QColor InkDisabled(168, 174, 182);
inline const QColor Glyph(240, 245, 250);
inline const QColor Alert(206, 64, 56);
inline const QColor Led(104, 196, 120);
} // namespace Pal

QColor Mix(const QColor& a, const QColor& b, qreal t);
QColor Alpha(const QColor& c, int alpha);

// Aliased fills and lines on whole pixels: the edges stay one pixel wide and sharp.
void Fill(QPainter& p, const QRect& r, const QColor& c);
void FillV(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom);
void FillH(QPainter& p, const QRect& r, const QColor& left, const QColor& right);
void HLine(QPainter& p, int x1, int x2, int y, const QColor& c);
void VLine(QPainter& p, int x, int y1, int y2, const QColor& c);
void Dot(QPainter& p, int x, int y, const QColor& c);

// A one-pixel border whose corner pixels are left faint, so a box looks slightly rounded
// without blurring its straight edges.
void SoftFrame(QPainter& p, const QRect& r, const QColor& c, int cornerAlpha = 90);
// The corner pixels of r made transparent.
void ClearCorners(QPainter& p, const QRect& r);

// Field: border, vertical fill and a lighter first inner row, corners softened.
void Field(QPainter& p, const QRect& r, const QColor& border, const QColor& top,
           const QColor& bottom, const QColor& innerTop);

// Antialiased shapes for round glyphs; half-pixel aligned strokes stay crisp.
void RoundBox(QPainter& p, const QRectF& r, qreal radius, const QBrush& fill, const QColor& pen,
              qreal penWidth = 1.0);
void Stroke(QPainter& p, const QPainterPath& path, const QColor& c, qreal width,
            Qt::PenCapStyle cap = Qt::RoundCap);
void FillPath(QPainter& p, const QPainterPath& path, const QBrush& b);
QLinearGradient GradV(qreal y1, qreal y2, const QColor& top, const QColor& bottom);

#endif
