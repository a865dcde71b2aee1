// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "paint.h"

#include <QtMath>

namespace {

using namespace Pal;

QRect Whole(const QSize& s)
{
    return QRect(QPoint(0, 0), s);
}

// ---- window and dialog backgrounds -------------------------------------------------------

// The title band is 34 rows: it must fit inside the 34-row top slice of the compact frame,
// or the band would be stretched down the whole dialog.
constexpr int TitleBand = 34;

void TitleGradient(QPainter& p, const QRect& r)
{
    FillV(p, r, BlueMid, Blue);
    HLine(p, r.left(), r.right(), r.top(), Mix(BlueMid, Qt::white, 0.22));
}

void DialogFrame(QPainter& p, const QSize& s, bool bottomBar)
{
    const QRect r = Whole(s);
    Fill(p, r.adjusted(1, 1, -1, -1), Body);
    TitleGradient(p, QRect(1, 1, s.width() - 2, TitleBand - 2));
    HLine(p, 1, s.width() - 2, TitleBand - 1, BlueDark);
    if (bottomBar) {
        // The OK/Cancel bar sits in the bottom slice, about 48 rows.
        const int top = s.height() - 48;
        HLine(p, 1, s.width() - 2, top, Mix(Line, Body, 0.3));
        HLine(p, 1, s.width() - 2, top + 1, Qt::white);
        FillV(p, QRect(1, top + 2, s.width() - 2, s.height() - top - 3), Mix(Body, Panel, 0.4),
              Panel);
    }
    SoftFrame(p, r, BlueDeep, 70);
}

void TitleBackground(QPainter& p, const QSize& s)
{
    TitleGradient(p, Whole(s));
}

// ---- tabs --------------------------------------------------------------------------------

void TabStrip(QPainter& p, const QSize& s)
{
    FillV(p, Whole(s), Mix(BlueDark, Blue, 0.25), Mix(BlueDark, BlueDeep, 0.4));
    HLine(p, 0, s.width() - 1, 0, BlueDeep);
}

void TabSelected(QPainter& p, const QSize& s)
{
    FillV(p, Whole(s), Mix(BlueLight, Qt::white, 0.08), BlueMid);
    HLine(p, 0, s.width() - 1, 0, Mix(BlueLight, Qt::white, 0.45));
    // The main window clips the lowest rows of a tab, so the accent sits a little higher.
    Fill(p, QRect(0, 33, s.width(), 2), Hover);
}

void TabUnselected(QPainter& p, const QSize& s)
{
    FillV(p, Whole(s), Mix(Blue, BlueMid, 0.35), Mix(Blue, BlueDark, 0.45));
    HLine(p, 0, s.width() - 1, 0, Mix(BlueMid, Qt::white, 0.12));
}

// ---- buttons and fields ------------------------------------------------------------------

enum class Look
{
    Normal,
    Hover,
    Down
};

void ButtonFace(QPainter& p, const QRect& r, Look look)
{
    switch (look) {
    case Look::Normal:
        Field(p, r, Edge, QColor(252, 253, 254), QColor(224, 229, 236), Qt::white);
        break;
    case Look::Hover:
        Field(p, r, EdgeHover, QColor(246, 250, 254), QColor(204, 223, 243), Qt::white);
        break;
    case Look::Down:
        Field(p, r, EdgeDisabled, QColor(218, 222, 228), QColor(233, 236, 240),
              QColor(204, 209, 216));
        break;
    }
}

void Button(QPainter& p, const QSize& s, Look look)
{
    ButtonFace(p, Whole(s), look);
}

enum class State
{
    Normal,
    Hover,
    Disabled
};

void LineEditFace(QPainter& p, const QSize& s, State st)
{
    switch (st) {
    case State::Normal:
        Field(p, Whole(s), Edge, Qt::white, Qt::white, QColor(230, 234, 239));
        break;
    case State::Hover:
        Field(p, Whole(s), EdgeHover, Qt::white, Qt::white, QColor(218, 231, 246));
        break;
    case State::Disabled:
        Field(p, Whole(s), EdgeDisabled, QColor(241, 242, 244), QColor(241, 242, 244),
              QColor(233, 235, 238));
        break;
    }
}

void ComboFace(QPainter& p, const QSize& s, State st)
{
    switch (st) {
    case State::Normal:
        Field(p, Whole(s), Edge, Qt::white, QColor(234, 238, 243), Qt::white);
        break;
    case State::Hover:
        Field(p, Whole(s), EdgeHover, Qt::white, QColor(222, 235, 249), Qt::white);
        break;
    case State::Disabled:
        Field(p, Whole(s), EdgeDisabled, QColor(232, 235, 239), QColor(240, 242, 245),
              QColor(226, 229, 233));
        break;
    }
}

void SpinButton(QPainter& p, const QSize& s, State st, bool up)
{
    const QRect r = Whole(s);
    QColor top, bottom, border;
    switch (st) {
    case State::Normal:
        top = QColor(252, 253, 254);
        bottom = QColor(226, 231, 238);
        border = Edge;
        break;
    case State::Hover:
        top = BlueMist;
        bottom = QColor(204, 223, 243);
        border = EdgeHover;
        break;
    case State::Disabled:
        top = QColor(240, 241, 243);
        bottom = QColor(232, 234, 237);
        border = EdgeDisabled;
        break;
    }
    // The two buttons touch; the lower one lets the upper one's edge separate them.
    FillV(p, r.adjusted(1, up ? 1 : 0, -1, -1), top, bottom);
    SoftFrame(p, r, border);
    if (!up)
        HLine(p, 1, s.width() - 2, 0, Mix(border, top, 0.6));
}

// ---- small arrows ------------------------------------------------------------------------

// A solid triangle on whole pixels, rows (or columns) of width 2n, 2n-2, ... 2.
void TriangleDown(QPainter& p, int cx2, int top, int rows, const QColor& c)
{
    for (int i = 0; i < rows; ++i) {
        const int half = rows - i;
        Fill(p, QRect((cx2 - 2 * half) / 2, top + i, 2 * half, 1), c);
    }
}

void TriangleUp(QPainter& p, int cx2, int bottom, int rows, const QColor& c)
{
    for (int i = 0; i < rows; ++i) {
        const int half = rows - i;
        Fill(p, QRect((cx2 - 2 * half) / 2, bottom - i, 2 * half, 1), c);
    }
}

void TriangleRight(QPainter& p, int left, int cy2, int cols, const QColor& c)
{
    for (int i = 0; i < cols; ++i) {
        const int half = cols - i;
        Fill(p, QRect(left + i, (cy2 - 2 * half) / 2, 1, 2 * half), c);
    }
}

void TriangleLeft(QPainter& p, int right, int cy2, int cols, const QColor& c)
{
    for (int i = 0; i < cols; ++i) {
        const int half = cols - i;
        Fill(p, QRect(right - i, (cy2 - 2 * half) / 2, 1, 2 * half), c);
    }
}

// An odd-width triangle, 7, 5, 3, 1 pixels, for the 7-pixel combo arrow.
void SmallDown(QPainter& p, const QColor& c)
{
    for (int i = 0; i < 4; ++i)
        Fill(p, QRect(i, i + 1, 7 - 2 * i, 1), c);
}

void SpinArrow(QPainter& p, const QSize&, bool up, bool enabled)
{
    const QColor c = enabled ? Ink : InkDisabled;
    for (int i = 0; i < 4; ++i) {
        const int row = up ? 3 - i : i;
        Fill(p, QRect(i, row, 7 - 2 * i, 1), c);
    }
}

void ComboArrow(QPainter& p, const QSize&, bool enabled)
{
    SmallDown(p, enabled ? Ink : InkSoft);
}

QPainterPath Chevron(QPointF a, QPointF b, QPointF c)
{
    QPainterPath path(a);
    path.lineTo(b);
    path.lineTo(c);
    return path;
}

// ---- scroll bars -------------------------------------------------------------------------

const QColor ScrollBorder(112, 112, 112);

void ScrollPanelV(QPainter& p, const QSize& s)
{
    Fill(p, Whole(s), QColor(240, 242, 245));
    VLine(p, 0, 0, s.height() - 1, QColor(224, 228, 233));
}

void ScrollPanelH(QPainter& p, const QSize& s)
{
    Fill(p, Whole(s), QColor(240, 242, 245));
    HLine(p, 0, s.width() - 1, 0, QColor(224, 228, 233));
}

QColor HandleShade(int i, int n)
{
    const QColor edge(140, 156, 176);
    if (i == 0 || i == n - 1)
        return edge;
    if (i == 1)
        return QColor(214, 224, 236);
    if (i == n - 2)
        return QColor(166, 182, 202);
    return Mix(QColor(198, 211, 227), QColor(176, 192, 212), qreal(i - 2) / qMax(1, n - 5));
}

void ScrollHandleV(QPainter& p, const QSize& s)
{
    for (int x = 0; x < s.width(); ++x)
        VLine(p, x, 0, s.height() - 1, HandleShade(x, s.width()));
}

void ScrollHandleH(QPainter& p, const QSize& s)
{
    for (int y = 0; y < s.height(); ++y)
        HLine(p, 0, s.width() - 1, y, HandleShade(y, s.height()));
}

enum class Dir
{
    Up,
    Down,
    Left,
    Right
};

void ScrollArrow(QPainter& p, const QSize& s, Dir dir, bool hover)
{
    const QColor top = hover ? BlueMist : QColor(248, 249, 251);
    const QColor bottom = hover ? BluePale : QColor(228, 232, 238);
    const QColor glyph = hover ? Blue : InkSoft;
    const int w = s.width();
    const int h = s.height();
    if (dir == Dir::Up || dir == Dir::Down) {
        // Column 0 continues the bar's one-pixel border line.
        FillV(p, QRect(1, 0, w - 1, h), top, bottom);
        VLine(p, 0, 0, h - 1, ScrollBorder);
        const int sep = dir == Dir::Up ? h - 1 : 0;
        HLine(p, 1, w - 1, sep, Edge);
        const int cx2 = 1 + w; // twice the centre of columns 1..w-1
        if (dir == Dir::Up)
            TriangleUp(p, cx2, 8, 4, glyph);
        else
            TriangleDown(p, cx2, 6, 4, glyph);
    } else {
        FillV(p, QRect(0, 1, w, h - 1), top, bottom);
        HLine(p, 0, w - 1, 0, ScrollBorder);
        const int sep = dir == Dir::Left ? w - 1 : 0;
        VLine(p, sep, 1, h - 1, Edge);
        const int cy2 = 1 + h;
        if (dir == Dir::Left)
            TriangleLeft(p, 8, cy2, 4, glyph);
        else
            TriangleRight(p, 6, cy2, 4, glyph);
    }
}

// ---- check boxes and radio buttons -------------------------------------------------------

const QRect CheckRect(2, 2, 14, 14);

void CheckBase(QPainter& p, bool hover, bool active)
{
    const QColor border = hover ? EdgeHover : (active ? Blue : Edge);
    const QColor top = hover ? BlueMist : Qt::white;
    const QColor bottom = hover ? BluePale : QColor(230, 235, 242);
    FillV(p, CheckRect.adjusted(1, 1, -1, -1), top, bottom);
    SoftFrame(p, CheckRect, border, 110);
}

void CheckBox(QPainter& p, const QSize&, bool hover)
{
    CheckBase(p, hover, true);
    Stroke(p, Chevron(QPointF(5.2, 9.0), QPointF(7.8, 11.6), QPointF(12.8, 5.8)),
           hover ? BlueDark : Blue, 2.0, Qt::SquareCap);
}

void UncheckBox(QPainter& p, const QSize&, bool hover)
{
    CheckBase(p, hover, false);
}

void PartialBox(QPainter& p, const QSize&, bool hover)
{
    CheckBase(p, hover, true);
    FillV(p, QRect(6, 6, 6, 6), hover ? BlueMid : BlueLight, hover ? BlueDark : Blue);
}

enum class Radio
{
    Off,
    OffHover,
    OffDisabled,
    On,
    OnHover
};

void RadioButton(QPainter& p, const QSize&, Radio kind)
{
    // A thin antialiased ring reads lighter than a straight edge, so it is drawn darker.
    QColor border = Mix(Edge, Ink, 0.3), top = Qt::white, bottom(230, 235, 242);
    if (kind == Radio::OffHover || kind == Radio::OnHover) {
        border = EdgeHover;
        top = BlueMist;
        bottom = BluePale;
    } else if (kind == Radio::OffDisabled) {
        border = EdgeDisabled;
        top = bottom = QColor(238, 240, 242);
    } else if (kind == Radio::On) {
        border = Blue;
    }
    const QRectF ring(2.5, 2.5, 13, 13);
    RoundBox(p, ring, 6.5, GradV(2, 16, top, bottom), border);
    if (kind == Radio::On || kind == Radio::OnHover) {
        const QColor a = kind == Radio::On ? BlueLight : BlueMid;
        const QColor b = kind == Radio::On ? Blue : BlueDark;
        RoundBox(p, QRectF(5.5, 5.5, 7, 7), 3.5, GradV(5, 13, a, b), Qt::transparent);
    }
}

// ---- progress bar and slider -------------------------------------------------------------

// The bar's pieces are cut from one pill so the ends and the middle always match.
QImage Pill(bool chunk, int scale)
{
    QImage img(16 * scale, 8 * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(scale, scale);
    if (chunk)
        RoundBox(p, QRectF(0.5, 0.5, 15, 7), 3.5, GradV(0, 8, QColor(124, 178, 228), Blue),
                 BlueDark);
    else
        RoundBox(p, QRectF(0.5, 0.5, 15, 7), 3.5,
                 GradV(0, 8, QColor(214, 219, 226), QColor(242, 244, 247)), Edge);
    p.end();
    return img;
}

enum class Piece
{
    Left,
    Middle,
    Right
};

void ProgressPiece(QPainter& p, const QSize&, bool chunk, Piece piece)
{
    const int x = piece == Piece::Left ? 0 : (piece == Piece::Middle ? 6 : 12);
    // Cut from a pill painted at the target's own scale, so a large variant stays sharp.
    const int scale = qRound(p.worldTransform().m11());
    p.drawImage(QRectF(0, 0, 4, 8), Pill(chunk, scale), QRectF(x * scale, 0, 4 * scale, 8 * scale));
}

void SliderTrack(QPainter& p, const QSize& s, bool filled)
{
    // Drawn squeezed to 4 rows with nearest sampling, which keeps rows 1, 3, 6 and 8.
    const QColor edge = filled ? BlueDark : Edge;
    Fill(p, QRect(0, 0, s.width(), 2), edge);
    Fill(p, QRect(0, 8, s.width(), 2), edge);
    if (filled)
        FillV(p, QRect(0, 2, s.width(), 6), BlueLight, BlueMid);
    else
        FillV(p, QRect(0, 2, s.width(), 6), QColor(214, 219, 226), QColor(236, 239, 243));
}

void SliderKnob(QPainter& p, const QSize&)
{
    // The handle is drawn at the top of a 10-row handle rectangle whose groove centre lies
    // 3.5 rows below the handle top, so the knob is centred there.
    RoundBox(p, QRectF(0.5, 0.5, 11, 7), 3.5, GradV(0, 8, Qt::white, QColor(210, 223, 238)), Blue);
    HLine(p, 3, 8, 8, Alpha(BlueDeep, 45));
}

// ---- item views --------------------------------------------------------------------------

void ViewItem(QPainter& p, const QSize& s, bool leftEdge, bool rightEdge)
{
    const QColor edge(140, 178, 218);
    FillV(p, Whole(s), QColor(226, 237, 249), QColor(200, 221, 243));
    HLine(p, 0, s.width() - 1, 0, QColor(170, 198, 228));
    HLine(p, 0, s.width() - 1, s.height() - 1, edge);
    if (leftEdge)
        VLine(p, 0, 0, s.height() - 1, edge);
    if (rightEdge)
        VLine(p, s.width() - 1, 0, s.height() - 1, edge);
}

void TreeGroupRow(QPainter& p, const QSize& s)
{
    FillV(p, Whole(s), QColor(238, 243, 248), QColor(218, 228, 239));
    HLine(p, 0, s.width() - 1, 0, Qt::white);
    HLine(p, 0, s.width() - 1, s.height() - 1, QColor(186, 200, 216));
}

void TreeFirstChildRow(QPainter& p, const QSize& s)
{
    FillV(p, Whole(s), QColor(249, 250, 251), QColor(236, 239, 243));
    HLine(p, 0, s.width() - 1, s.height() - 1, QColor(212, 218, 226));
}

void TreeArrow(QPainter& p, const QSize&, bool down)
{
    const QPainterPath path = down ? Chevron(QPointF(7, 9.5), QPointF(11, 13.5), QPointF(15, 9.5))
                                   : Chevron(QPointF(7, 13), QPointF(11, 9), QPointF(15, 13));
    Stroke(p, path, Blue, 2.0, Qt::SquareCap);
}

void TreeArrowHover(QPainter& p, const QSize&)
{
    RoundBox(p, QRectF(2.5, 2.5, 17, 17), 8.5, QColor(255, 255, 255, 190), Alpha(Blue, 110));
}

void PlainPanel(QPainter& p, const QSize& s, const QColor& border, const QColor& inner)
{
    Fill(p, Whole(s), Qt::white);
    if (inner.isValid())
        SoftFrame(p, Whole(s).adjusted(1, 1, -1, -1), inner, 255);
    SoftFrame(p, Whole(s), border);
}

void MainViewTile(QPainter& p, const QSize& s)
{
    Fill(p, Whole(s), Body);
    HLine(p, 0, s.width() - 1, s.height() - 1, Mix(Body, Line, 0.22));
}

// ---- calendar ----------------------------------------------------------------------------

void CalendarCell(QPainter& p, const QSize& s, int kind)
{
    // The last row and column stay clear so the grey behind shows as a grid.
    const QRect cell(0, 0, s.width() - 1, s.height() - 1);
    switch (kind) {
    case 0:
        FillV(p, cell, Qt::white, QColor(241, 243, 246));
        break;
    case 1:
        FillV(p, cell, QColor(253, 253, 214), Hover);
        SoftFrame(p, cell, QColor(214, 206, 120));
        break;
    default:
        FillV(p, cell, QColor(214, 230, 246), QColor(186, 210, 236));
        SoftFrame(p, cell, Blue);
        break;
    }
}

void WeekHeader(QPainter& p, const QSize& s, int part)
{
    const QRect r = Whole(s);
    FillV(p, r, QColor(236, 238, 241), QColor(214, 218, 224));
    HLine(p, 0, s.width() - 1, 0, Qt::white);
    HLine(p, 0, s.width() - 1, s.height() - 1, QColor(168, 174, 182));
    if (part == 0)
        VLine(p, 0, 0, s.height() - 1, QColor(168, 174, 182));
    if (part == 2)
        VLine(p, s.width() - 1, 0, s.height() - 1, QColor(168, 174, 182));
    if (part != 2)
        VLine(p, s.width() - 1, 3, s.height() - 4, QColor(200, 204, 210));
}

void CalendarStep(QPainter& p, const QSize&, bool next)
{
    const QPainterPath path = next ? Chevron(QPointF(6, 4), QPointF(10, 8), QPointF(6, 12))
                                   : Chevron(QPointF(10, 4), QPointF(6, 8), QPointF(10, 12));
    Stroke(p, path, Glyph, 2.0, Qt::SquareCap);
}

void CalendarTile(QPainter& p, const QSize& s)
{
    const QRectF page(2.5, 5.5, s.width() - 5, s.height() - 8);
    RoundBox(p, page, 5,
             GradV(page.top(), page.bottom(), QColor(252, 252, 249), QColor(238, 240, 234)),
             QColor(120, 126, 118));
    // The month's band, behind the green month name.
    QPainterPath band;
    band.addRoundedRect(QRectF(3, 6, s.width() - 6, 30), 4.5, 4.5);
    FillPath(p, band, GradV(6, 36, QColor(232, 238, 220), QColor(214, 224, 196)));
    HLine(p, 3, s.width() - 4, 36, QColor(176, 188, 156));
    for (int i = 0; i < 4; ++i)
        HLine(p, 14, s.width() - 15, 62 + 14 * i, QColor(226, 228, 222));
    // Binding rings at the top edge.
    for (int x : {s.width() / 3, 2 * s.width() / 3}) {
        RoundBox(p, QRectF(x - 3.5, 1.5, 7, 9), 3.5, QColor(150, 156, 150), QColor(90, 96, 90));
        RoundBox(p, QRectF(x - 1.5, 3.5, 3, 5), 1.5, QColor(238, 240, 236), Qt::transparent);
    }
}

// ---- glyph icons -------------------------------------------------------------------------

void Badge(QPainter& p, const QRectF& r)
{
    RoundBox(p, r, 6, GradV(r.top(), r.bottom(), BlueLight, BlueDark), BlueDeep);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
    p.restore();
}

void Eye(QPainter& p, const QSize&)
{
    Badge(p, QRectF(1.5, 1.5, 29, 29));
    QPainterPath eye(QPointF(3.5, 16));
    eye.cubicTo(QPointF(9, 7), QPointF(23, 7), QPointF(28.5, 16));
    eye.cubicTo(QPointF(23, 25), QPointF(9, 25), QPointF(3.5, 16));
    FillPath(p, eye, QColor(250, 252, 254));
    Stroke(p, eye, BlueDeep, 1.0);
    RoundBox(p, QRectF(10, 10, 12, 12), 6, GradV(10, 22, BlueLight, Blue), BlueDeep);
    RoundBox(p, QRectF(13.4, 13.4, 5.2, 5.2), 2.6, BlueDeep, Qt::transparent);
    RoundBox(p, QRectF(12.4, 12.2, 2.8, 2.8), 1.4, QColor(255, 255, 255, 235), Qt::transparent);
}

const QColor IconLine(18, 46, 80);

void Recorder(QPainter& p, const QSize&)
{
    // Top face of the box, drawn in perspective.
    QPainterPath top(QPointF(7.5, 8.5));
    top.lineTo(24.5, 8.5);
    top.lineTo(28.5, 12.5);
    top.lineTo(3.5, 12.5);
    top.closeSubpath();
    FillPath(p, top, GradV(8, 13, QColor(200, 216, 234), QColor(238, 243, 249)));
    Stroke(p, top, IconLine, 1.0);
    // Front panel.
    const QRect front(3, 12, 26, 11);
    FillV(p, front.adjusted(1, 1, -1, -1), Qt::white, QColor(206, 218, 232));
    SoftFrame(p, front, IconLine, 255);
    Fill(p, QRect(6, 15, 9, 5), BlueDeep);
    HLine(p, 7, 13, 16, BlueLight);
    HLine(p, 7, 11, 18, Alpha(BlueSoft, 160));
    Fill(p, QRect(18, 15, 2, 2), Led);
    Fill(p, QRect(21, 15, 2, 2), BlueLight);
    Fill(p, QRect(24, 15, 2, 2), BlueLight);
    HLine(p, 18, 25, 19, Edge);
    Fill(p, QRect(5, 23, 4, 2), IconLine);
    Fill(p, QRect(23, 23, 4, 2), IconLine);
}

void Camera(QPainter& p, const QSize&)
{
    // A wall-mounted box camera looking right: plate, bracket, body, visor, lens.
    RoundBox(p, QRectF(1.5, 15.5, 4, 12), 1, GradV(15, 28, Qt::white, QColor(196, 210, 228)),
             IconLine);
    Fill(p, QRect(5, 21, 7, 3), QColor(206, 218, 232));
    HLine(p, 5, 11, 20, IconLine);
    HLine(p, 5, 10, 24, IconLine);
    Fill(p, QRect(9, 16, 3, 5), QColor(206, 218, 232));
    VLine(p, 8, 17, 20, IconLine);
    VLine(p, 12, 17, 24, IconLine);
    RoundBox(p, QRectF(6.5, 8.5, 17, 9), 1.5, GradV(8, 18, Qt::white, QColor(204, 216, 231)),
             IconLine);
    RoundBox(p, QRectF(5.5, 5.5, 22, 4), 1.5,
             GradV(5, 10, QColor(236, 242, 248), QColor(192, 208, 227)), IconLine);
    RoundBox(p, QRectF(23.5, 9.5, 5, 7), 1.0, GradV(9, 17, QColor(74, 96, 124), QColor(36, 54, 78)),
             IconLine);
    RoundBox(p, QRectF(25.2, 10.8, 2.6, 4.4), 1.3, BlueSoft, Qt::transparent);
    Fill(p, QRect(9, 12, 2, 2), Led);
    HLine(p, 13, 20, 11, Alpha(Edge, 200));
    HLine(p, 13, 20, 14, Alpha(Edge, 200));
}

void Info(QPainter& p, const QSize&)
{
    RoundBox(p, QRectF(3.5, 3.5, 25, 25), 12.5, GradV(3, 29, Qt::white, QColor(206, 220, 236)),
             IconLine);
    RoundBox(p, QRectF(14.2, 8.2, 3.6, 3.6), 1.8, Blue, Qt::transparent);
    Fill(p, QRect(14, 13, 4, 9), Blue);
    Fill(p, QRect(13, 13, 1, 2), Blue);
    Fill(p, QRect(13, 21, 6, 2), Blue);
}

void Calculator(QPainter& p, const QSize&)
{
    RoundBox(p, QRectF(6.5, 0.5, 12, 18), 2, GradV(0, 19, QColor(84, 106, 132), QColor(50, 68, 90)),
             BlueDeep);
    Fill(p, QRect(8, 2, 9, 4), QColor(210, 232, 222));
    HLine(p, 8, 16, 5, QColor(170, 198, 186));
    Fill(p, QRect(13, 3, 3, 1), QColor(60, 90, 78));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool accent = row == 2 && col == 2;
            Fill(p, QRect(8 + 3 * col, 8 + 3 * row, 2, 2),
                 accent ? QColor(250, 200, 120) : QColor(216, 224, 234));
        }
    }
}

void ChannelCamera(QPainter& p, const QSize&)
{
    Badge(p, QRectF(1.5, 1.5, 29, 29));
    RoundBox(p, QRectF(6.5, 11.5, 13, 10), 2, Glyph, Qt::transparent);
    QPainterPath lens(QPointF(20, 14.5));
    lens.lineTo(25.5, 11.5);
    lens.lineTo(25.5, 21.5);
    lens.lineTo(20, 18.5);
    lens.closeSubpath();
    FillPath(p, lens, Glyph);
    RoundBox(p, QRectF(9, 14, 3, 3), 1.5, Led, Qt::transparent);
}

// Title-bar glyphs: light on the blue bar, on a lighter square while hovered.
void TitleButtonBack(QPainter& p, bool hover, bool close)
{
    if (!hover)
        return;
    if (close)
        RoundBox(p, QRectF(1.5, 1.5, 17, 17), 3, GradV(1, 19, QColor(226, 92, 82), Alert),
                 QColor(150, 40, 34));
    else
        RoundBox(p, QRectF(1.5, 1.5, 17, 17), 3, QColor(255, 255, 255, 56),
                 QColor(255, 255, 255, 120));
}

QColor TitleInk(bool hover)
{
    return hover ? QColor(255, 255, 255) : Alpha(Glyph, 235);
}

void Minimise(QPainter& p, const QSize&, bool hover)
{
    TitleButtonBack(p, hover, false);
    Fill(p, QRect(5, 12, 10, 2), TitleInk(hover));
}

void FullScreen(QPainter& p, const QSize&, bool hover)
{
    TitleButtonBack(p, hover, false);
    const QColor c = TitleInk(hover);
    // Four corners pointing outwards.
    Fill(p, QRect(5, 5, 4, 2), c);
    Fill(p, QRect(5, 5, 2, 4), c);
    Fill(p, QRect(11, 5, 4, 2), c);
    Fill(p, QRect(13, 5, 2, 4), c);
    Fill(p, QRect(5, 13, 4, 2), c);
    Fill(p, QRect(5, 11, 2, 4), c);
    Fill(p, QRect(11, 13, 4, 2), c);
    Fill(p, QRect(13, 11, 2, 4), c);
}

void Back(QPainter& p, const QSize&, bool hover)
{
    TitleButtonBack(p, hover, false);
    const QColor c = TitleInk(hover);
    // Four corners pointing inwards: leave full screen.
    Fill(p, QRect(5, 7, 4, 2), c);
    Fill(p, QRect(7, 5, 2, 4), c);
    Fill(p, QRect(11, 7, 4, 2), c);
    Fill(p, QRect(11, 5, 2, 4), c);
    Fill(p, QRect(5, 11, 4, 2), c);
    Fill(p, QRect(7, 11, 2, 4), c);
    Fill(p, QRect(11, 11, 4, 2), c);
    Fill(p, QRect(11, 11, 2, 4), c);
}

void Close(QPainter& p, const QSize&, bool hover)
{
    TitleButtonBack(p, hover, true);
    QPainterPath x(QPointF(6, 6));
    x.lineTo(14, 14);
    x.moveTo(14, 6);
    x.lineTo(6, 14);
    Stroke(p, x, TitleInk(hover), 2.0, Qt::FlatCap);
}

// ---- combo-box buttons -------------------------------------------------------------------

void Folder(QPainter& p, const QSize&, bool enabled)
{
    const QColor line = enabled ? Blue : InkDisabled;
    const QColor top = enabled ? QColor(226, 236, 247) : QColor(240, 241, 243);
    const QColor bottom = enabled ? QColor(178, 204, 232) : QColor(222, 224, 228);
    RoundBox(p, QRectF(1.5, 4.5, 6, 3), 1, top, line);
    RoundBox(p, QRectF(1.5, 6.5, 14, 10), 1.5, GradV(6, 17, top, bottom), line);
    HLine(p, 3, 14, 9, enabled ? QColor(255, 255, 255, 150) : QColor(255, 255, 255, 90));
}

void DateGlyph(QPainter& p, const QSize&, bool enabled)
{
    const QColor line = enabled ? Blue : InkDisabled;
    RoundBox(p, QRectF(1.5, 2.5, 13, 12), 1.5, QColor(255, 255, 255), line);
    Fill(p, QRect(2, 3, 12, 3), enabled ? Blue : InkDisabled);
    Fill(p, QRect(4, 1, 2, 3), enabled ? Ink : InkDisabled);
    Fill(p, QRect(10, 1, 2, 3), enabled ? Ink : InkDisabled);
    const QColor dot = enabled ? BlueSoft : EdgeDisabled;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            Fill(p, QRect(4 + 3 * col, 8 + 3 * row, 2, 2), dot);
    if (enabled)
        Fill(p, QRect(10, 11, 2, 2), Blue);
}

void ClockGlyph(QPainter& p, const QSize&, bool enabled)
{
    const QColor line = enabled ? Blue : InkDisabled;
    RoundBox(p, QRectF(1.5, 3.5, 14, 14), 7,
             GradV(3, 18, Qt::white, enabled ? BlueMist : QColor(240, 241, 243)), line);
    QPainterPath hands(QPointF(8.5, 6.5));
    hands.lineTo(8.5, 10.5);
    hands.lineTo(11.5, 12.5);
    Stroke(p, hands, enabled ? Ink : InkDisabled, 1.4);
}

// ---- rank buttons ------------------------------------------------------------------------

void RankBars(QPainter& p, int left, const QColor& top, const QColor& bottom)
{
    const int heights[] = {4, 7, 10};
    for (int i = 0; i < 3; ++i)
        FillV(p, QRect(left + 4 * i, 16 - heights[i], 3, heights[i]), top, bottom);
}

void RankButton(QPainter& p, const QSize& s, bool selected)
{
    ButtonFace(p, Whole(s), selected ? Look::Hover : Look::Normal);
    if (selected) {
        RankBars(p, 8, BlueLight, BlueDark);
        TriangleDown(p, 2 * 26, 10, 3, Blue);
    } else {
        RankBars(p, 9, QColor(170, 186, 206), QColor(120, 138, 160));
    }
}

// ---- panels ------------------------------------------------------------------------------

void NumberPanel(QPainter& p, const QSize& s)
{
    const QRectF r(0.5, 0.5, s.width() - 1, s.height() - 1);
    RoundBox(p, r, 4, GradV(0, s.height(), Qt::white, QColor(230, 235, 242)),
             QColor(156, 170, 188));
    RoundBox(p, r.adjusted(1, 1, -1, -1), 3, Qt::NoBrush, QColor(255, 255, 255, 200));
    // A faint shine over the upper half, as on a display glass.
    QPainterPath shine;
    shine.addRoundedRect(QRectF(2, 2, s.width() - 4, s.height() / 2 - 2), 3, 3);
    FillPath(p, shine,
             GradV(2, s.height() / 2, QColor(255, 255, 255, 110), QColor(255, 255, 255, 0)));
}

void GreyPanel(QPainter& p, const QSize& s)
{
    Field(p, Whole(s), QColor(200, 205, 212), QColor(240, 241, 243), QColor(228, 230, 233),
          QColor(248, 249, 250));
}

void WhitePanel(QPainter& p, const QSize& s)
{
    Field(p, Whole(s), QColor(204, 209, 216), Qt::white, QColor(247, 248, 250), Qt::white);
}

// ---- extra arrows for the table delegate ---------------------------------------------------

void BranchArrow(QPainter& p, const QSize& s, bool open)
{
    if (open)
        TriangleDown(p, s.width(), s.height() / 2 - 2, 4, InkSoft);
    else
        TriangleRight(p, 6, s.height(), 4, InkSoft);
}

using PaintFn = std::function<void(QPainter&, const QSize&)>;

PaintFn With(void (*fn)(QPainter&, const QSize&, bool), bool b)
{
    return [fn, b](QPainter& p, const QSize& s) { fn(p, s, b); };
}

} // namespace

QList<PictureRecipe> AllPictures()
{
    using S = QSize;
    QList<PictureRecipe> list;
    auto add = [&list](const char* path, QSize size, PaintFn fn) {
        list.append({QString::fromLatin1(path), size, std::move(fn)});
    };

    add("number_bg.png", S(184, 89), NumberPanel);

    add("Dialog/dialog_bg.png", S(341, 309),
        [](QPainter& p, const QSize& s) { DialogFrame(p, s, true); });
    add("Dialog/dialog_bg2.png", S(341, 309),
        [](QPainter& p, const QSize& s) { DialogFrame(p, s, false); });

    add("Tab/TabSelect.png", S(5, 39), TabSelected);
    add("Tab/TabUnselect.png", S(5, 39), TabUnselected);
    add("Tab/tab_bg.png", S(6, 42), TabStrip);

    add("button/IPC_number.png", S(32, 32), Camera);
    add("button/NVR_number.png", S(32, 32), Recorder);
    add("button/button.png", S(80, 22),
        [](QPainter& p, const QSize& s) { Button(p, s, Look::Normal); });
    add("button/button_disable.png", S(80, 22),
        [](QPainter& p, const QSize& s) { Button(p, s, Look::Down); });
    add("button/button_hover.png", S(80, 22),
        [](QPainter& p, const QSize& s) { Button(p, s, Look::Hover); });
    add("button/calculate.png", S(25, 19), Calculator);
    add("button/menu_info.png", S(32, 32), Info);
    add("button/down-arrow.png", S(16, 26), With(BranchArrow, true));
    add("button/config_right-arrow.png", S(16, 26), With(BranchArrow, false));

    add("title/Eye.png", S(32, 32), Eye);
    add("title/back.png", S(20, 20), With(Back, false));
    add("title/back_hover.png", S(20, 20), With(Back, true));
    add("title/close.png", S(20, 20), With(Close, false));
    add("title/close_hover.png", S(20, 20), With(Close, true));
    add("title/full-screen.png", S(20, 20), With(FullScreen, false));
    add("title/full-screen_hover.png", S(20, 20), With(FullScreen, true));
    add("title/mini.png", S(20, 20), With(Minimise, false));
    add("title/mini_hover.png", S(20, 20), With(Minimise, true));
    add("title/title_bg.png", S(4, 25), TitleBackground);

    add("DeviceConfig/Analog_Channel.png", S(32, 32), ChannelCamera);

    add("public/background_gray.png", S(170, 41), GreyPanel);
    add("public/background_white.png", S(223, 60), WhitePanel);
    add("public/calendar-background.png", S(120, 120), CalendarTile);

    add("public/Calendar/CalendarFocus.png", S(27, 28),
        [](QPainter& p, const QSize& s) { CalendarCell(p, s, 2); });
    add("public/Calendar/CalendarHover.png", S(27, 28),
        [](QPainter& p, const QSize& s) { CalendarCell(p, s, 1); });
    add("public/Calendar/CalendarNormal.png", S(27, 28),
        [](QPainter& p, const QSize& s) { CalendarCell(p, s, 0); });
    add("public/Calendar/CalendarNext.png", S(16, 16), With(CalendarStep, true));
    add("public/Calendar/CalendarPre.png", S(16, 16), With(CalendarStep, false));
    add("public/Calendar/WeekLeft.png", S(28, 28),
        [](QPainter& p, const QSize& s) { WeekHeader(p, s, 0); });
    add("public/Calendar/WeekMiddle.png", S(28, 28),
        [](QPainter& p, const QSize& s) { WeekHeader(p, s, 1); });
    add("public/Calendar/WeekRight.png", S(28, 28),
        [](QPainter& p, const QSize& s) { WeekHeader(p, s, 2); });

    add("public/CheckBox/PartiallyCheckBox.png", S(18, 18), With(PartialBox, false));
    add("public/CheckBox/PartiallyCheckBoxHover.png", S(18, 18), With(PartialBox, true));
    add("public/CheckBox/checkbox.png", S(18, 18), With(CheckBox, false));
    add("public/CheckBox/checkbox_hover.png", S(18, 18), With(CheckBox, true));
    add("public/CheckBox/uncheckbox.png", S(18, 18), With(UncheckBox, false));
    add("public/CheckBox/uncheckbox_hover.png", S(18, 18), With(UncheckBox, true));

    add("public/ComboBox/comboBoxPathBtn_dis.png", S(17, 20), With(Folder, false));
    add("public/ComboBox/comboBoxPathBtn_normal.png", S(17, 20), With(Folder, true));
    add("public/ComboBox/combox.png", S(208, 22),
        [](QPainter& p, const QSize& s) { ComboFace(p, s, State::Normal); });
    add("public/ComboBox/combox_disable.png", S(208, 22),
        [](QPainter& p, const QSize& s) { ComboFace(p, s, State::Disabled); });
    add("public/ComboBox/combox_hover.png", S(208, 22),
        [](QPainter& p, const QSize& s) { ComboFace(p, s, State::Hover); });
    add("public/ComboBox/dateBox.png", S(16, 16), With(DateGlyph, true));
    add("public/ComboBox/dateBox_dis.png", S(16, 16), With(DateGlyph, false));
    add("public/ComboBox/down_arrow.png", S(7, 5), With(ComboArrow, true));
    add("public/ComboBox/down_arrow_disable.png", S(7, 5), With(ComboArrow, false));
    add("public/ComboBox/scheduleBox.png", S(17, 20), With(ClockGlyph, true));
    add("public/ComboBox/scheduleBox_dis.png", S(17, 20), With(ClockGlyph, false));

    add("public/ProgressBar/ProgressBar.png", S(4, 8),
        [](QPainter& p, const QSize& s) { ProgressPiece(p, s, false, Piece::Middle); });
    add("public/ProgressBar/ProgressBarChunk.png", S(4, 8),
        [](QPainter& p, const QSize& s) { ProgressPiece(p, s, true, Piece::Middle); });
    add("public/ProgressBar/ProgressBarLeft.png", S(4, 8),
        [](QPainter& p, const QSize& s) { ProgressPiece(p, s, false, Piece::Left); });
    add("public/ProgressBar/ProgressBarLeftChunk.png", S(4, 8),
        [](QPainter& p, const QSize& s) { ProgressPiece(p, s, true, Piece::Left); });
    add("public/ProgressBar/ProgressBarRight.png", S(4, 8),
        [](QPainter& p, const QSize& s) { ProgressPiece(p, s, false, Piece::Right); });
    add("public/ProgressBar/ProgressBarRightChunk.png", S(4, 8),
        [](QPainter& p, const QSize& s) { ProgressPiece(p, s, true, Piece::Right); });

    add("public/Radio/RideoboxNoSelect.png", S(18, 18),
        [](QPainter& p, const QSize& s) { RadioButton(p, s, Radio::Off); });
    add("public/Radio/RideoboxNoSelectDis.png", S(18, 18),
        [](QPainter& p, const QSize& s) { RadioButton(p, s, Radio::OffDisabled); });
    add("public/Radio/RideoboxNoSelectHover.png", S(18, 18),
        [](QPainter& p, const QSize& s) { RadioButton(p, s, Radio::OffHover); });
    add("public/Radio/RideoboxSelect.png", S(18, 18),
        [](QPainter& p, const QSize& s) { RadioButton(p, s, Radio::On); });
    add("public/Radio/RideoboxSelectHover.png", S(18, 18),
        [](QPainter& p, const QSize& s) { RadioButton(p, s, Radio::OnHover); });

    add("public/RankButton/rank_btn.png", S(28, 22), With(RankButton, false));
    add("public/RankButton/rank_btn_selected.png", S(33, 22), With(RankButton, true));

    add("public/Slider/LeftSlider.png", S(5, 10), With(SliderTrack, true));
    add("public/Slider/RadiobtnOff.png", S(12, 14), SliderKnob);
    add("public/Slider/RightSlider.png", S(6, 10), With(SliderTrack, false));

    auto spin = [&add](const char* path, State st, bool up) {
        add(path, QSize(23, 14),
            [st, up](QPainter& p, const QSize& s) { SpinButton(p, s, st, up); });
    };
    spin("public/SpinBox/spinBox_down_dis.png", State::Disabled, false);
    spin("public/SpinBox/spinBox_down_hover.png", State::Hover, false);
    spin("public/SpinBox/spinBox_down_normal.png", State::Normal, false);
    spin("public/SpinBox/spinBox_up_dis.png", State::Disabled, true);
    spin("public/SpinBox/spinBox_up_hover.png", State::Hover, true);
    spin("public/SpinBox/spinBox_up_normal.png", State::Normal, true);
    // The toolkit draws no arrow on a button skinned with a border image.
    for (const bool up : {true, false}) {
        for (const bool enabled : {true, false}) {
            const QString name = QStringLiteral("public/SpinBox/spinBox_%1_arrow%2.png")
                                     .arg(up ? QStringLiteral("up") : QStringLiteral("down"),
                                          enabled ? QString() : QStringLiteral("_dis"));
            list.append({name, S(7, 4), [up, enabled](QPainter& p, const QSize& s) {
                             SpinArrow(p, s, up, enabled);
                         }});
        }
    }
    add("public/SpinBox/spinBox_normal.png", S(337, 28),
        [](QPainter& p, const QSize& s) { LineEditFace(p, s, State::Normal); });

    add("public/TreeView/TreeArrowDown.png", S(22, 22), With(TreeArrow, true));
    add("public/TreeView/TreeArrowHover.png", S(22, 22), TreeArrowHover);
    add("public/TreeView/TreeArrowUp.png", S(22, 22), With(TreeArrow, false));
    add("public/TreeView/TreeNormal.png", S(208, 25), TreeGroupRow);
    add("public/TreeView/TreeSelect.png", S(208, 28), TreeFirstChildRow);
    add("public/TreeView/ViewLeftItem.png", S(4, 25),
        [](QPainter& p, const QSize& s) { ViewItem(p, s, true, false); });
    add("public/TreeView/ViewMidItem.png", S(4, 25),
        [](QPainter& p, const QSize& s) { ViewItem(p, s, false, false); });
    add("public/TreeView/ViewRightItem.png", S(4, 25),
        [](QPainter& p, const QSize& s) { ViewItem(p, s, false, true); });
    add("public/TreeView/mainview_bg.png", S(8, 4), MainViewTile);
    add("public/TreeView/table_bg.png", S(446, 332),
        [](QPainter& p, const QSize& s) { PlainPanel(p, s, QColor(171, 182, 196), QColor()); });
    add("public/TreeView/tree_bg.png", S(277, 348),
        [](QPainter& p, const QSize& s) { PlainPanel(p, s, QColor(171, 182, 196), QColor()); });
    add("public/TreeView/tree_bg_Data.png", S(277, 348), [](QPainter& p, const QSize& s) {
        PlainPanel(p, s, QColor(112, 152, 194), QColor(226, 236, 247));
    });

    add("public/lineEdit/Editbox_disable.png", S(208, 22),
        [](QPainter& p, const QSize& s) { LineEditFace(p, s, State::Disabled); });
    add("public/lineEdit/edit_background.png", S(208, 22),
        [](QPainter& p, const QSize& s) { LineEditFace(p, s, State::Normal); });
    add("public/lineEdit/editbox_hover.png", S(208, 22),
        [](QPainter& p, const QSize& s) { LineEditFace(p, s, State::Hover); });

    add("public/scrollbar/scroll-horizontal-panel.png", S(10, 12), ScrollPanelH);
    add("public/scrollbar/scrollbar-vertical-panel.png", S(12, 10), ScrollPanelV);
    add("public/scrollbar/scrollbar-horizontal-handle.png", S(1, 11), ScrollHandleH);
    add("public/scrollbar/scrollbar-vertical-handle.png", S(11, 1), ScrollHandleV);
    auto arrow = [&add](const char* path, QSize size, Dir dir, bool hover) {
        add(path, size,
            [dir, hover](QPainter& p, const QSize& s) { ScrollArrow(p, s, dir, hover); });
    };
    arrow("public/scrollbar/scrollbar-uparrow.png", S(13, 15), Dir::Up, false);
    arrow("public/scrollbar/scrollbar-uparrow-hover.png", S(13, 15), Dir::Up, true);
    arrow("public/scrollbar/scrollbar-downarrow.png", S(13, 15), Dir::Down, false);
    arrow("public/scrollbar/scrollbar-downarrow-hover.png", S(13, 15), Dir::Down, true);
    arrow("public/scrollbar/scrollbar-leftarrow.png", S(15, 13), Dir::Left, false);
    arrow("public/scrollbar/scrollbar-leftarrow-hover.png", S(15, 13), Dir::Left, true);
    arrow("public/scrollbar/scrollbar-rightarrow.png", S(15, 13), Dir::Right, false);
    arrow("public/scrollbar/scrollbar-rightarrow-hover.png", S(15, 13), Dir::Right, true);
    return list;
}

QImage RenderPicture(const PictureRecipe& recipe, int scale)
{
    QImage img(recipe.size * scale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    if (scale != 1)
        p.scale(scale, scale);
    recipe.paint(p, recipe.size);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

QString ScaledName(const QString& path, int scale)
{
    if (scale == 1)
        return path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

QList<QImage> LoadingFrames(int count, const QSize& size, int scale)
{
    // Twelve dots on a ring; the bright head moves one dot per frame and the tail fades.
    constexpr int Dots = 12;
    QList<QImage> frames;
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal ring = size.width() * 0.34;
    for (int f = 0; f < count; ++f) {
        QImage img(size * scale, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.scale(scale, scale);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        for (int d = 0; d < Dots; ++d) {
            const int age = ((f * Dots / count) - d + Dots) % Dots;
            const qreal strength = 1.0 - qreal(age) / Dots;
            const qreal angle = 2 * M_PI * d / Dots - M_PI / 2;
            const QPointF at = centre + QPointF(qCos(angle), qSin(angle)) * ring;
            const qreal radius = 2.2 + 1.6 * strength;
            p.setBrush(Alpha(Blue, int(40 + 215 * strength * strength)));
            p.drawEllipse(at, radius, radius);
        }
        p.end();
        frames.append(img);
    }
    return frames;
}
