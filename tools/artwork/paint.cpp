// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint.h"

QColor Mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Alpha(const QColor& c, int alpha)
{
    QColor r(c);
    r.setAlpha(alpha);
    return r;
}

void Fill(QPainter& p, const QRect& r, const QColor& c)
{
    p.fillRect(r, c);
}

void FillV(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom)
{
    if (r.height() <= 1) {
        p.fillRect(r, top);
        return;
    }
    for (int y = r.top(); y <= r.bottom(); ++y)
        p.fillRect(QRect(r.left(), y, r.width(), 1),
                   Mix(top, bottom, qreal(y - r.top()) / (r.height() - 1)));
}

void FillH(QPainter& p, const QRect& r, const QColor& left, const QColor& right)
{
    if (r.width() <= 1) {
        p.fillRect(r, left);
        return;
    }
    for (int x = r.left(); x <= r.right(); ++x)
        p.fillRect(QRect(x, r.top(), 1, r.height()),
                   Mix(left, right, qreal(x - r.left()) / (r.width() - 1)));
}

void HLine(QPainter& p, int x1, int x2, int y, const QColor& c)
{
    p.fillRect(QRect(QPoint(x1, y), QPoint(x2, y)), c);
}

void VLine(QPainter& p, int x, int y1, int y2, const QColor& c)
{
    p.fillRect(QRect(QPoint(x, y1), QPoint(x, y2)), c);
}

void Dot(QPainter& p, int x, int y, const QColor& c)
{
    p.fillRect(QRect(x, y, 1, 1), c);
}

void ClearCorners(QPainter& p, const QRect& r)
{
    const QPainter::CompositionMode mode = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QPoint& pt : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        p.fillRect(QRect(pt, QSize(1, 1)), Qt::transparent);
    p.setCompositionMode(mode);
}

void SoftFrame(QPainter& p, const QRect& r, const QColor& c, int cornerAlpha)
{
    HLine(p, r.left() + 1, r.right() - 1, r.top(), c);
    HLine(p, r.left() + 1, r.right() - 1, r.bottom(), c);
    VLine(p, r.left(), r.top() + 1, r.bottom() - 1, c);
    VLine(p, r.right(), r.top() + 1, r.bottom() - 1, c);
    ClearCorners(p, r);
    const QColor corner = Alpha(c, c.alpha() * cornerAlpha / 255);
    for (const QPoint& pt : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        Dot(p, pt.x(), pt.y(), corner);
}

void Field(QPainter& p, const QRect& r, const QColor& border, const QColor& top,
           const QColor& bottom, const QColor& innerTop)
{
    const QRect inner = r.adjusted(1, 1, -1, -1);
    FillV(p, inner, top, bottom);
    HLine(p, inner.left(), inner.right(), inner.top(), innerTop);
    SoftFrame(p, r, border);
}

QLinearGradient GradV(qreal y1, qreal y2, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(0, y1, 0, y2);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void RoundBox(QPainter& p, const QRectF& r, qreal radius, const QBrush& fill, const QColor& pen,
              qreal penWidth)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (pen.isValid() && pen.alpha() > 0)
        p.setPen(QPen(pen, penWidth));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void Stroke(QPainter& p, const QPainterPath& path, const QColor& c, qreal width,
            Qt::PenCapStyle cap)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(c, width, Qt::SolidLine, cap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void FillPath(QPainter& p, const QPainterPath& path, const QBrush& b)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(b);
    p.drawPath(path);
    p.restore();
}
