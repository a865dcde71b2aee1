// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/calendar/ccalendarlabel.h"

#include "util/helpers.h"
#include "widgets/calendar/ccalendarwidget.h"
#include "widgets/calendar/cuilocale.h"

#include <QPainter>
#include <QScreen>
#include <QTime>
#include <QTimer>

namespace {
const QColor kTileColour(52, 51, 52);
const QColor kMonthColour(72, 96, 21);
// Stand-in for the background picture while it is missing: black texts need a light ground.
const QColor kPaperFallback(235, 236, 238);
// Point sizes of the four bands, top to bottom: month, weekday, year, day number.
const int kPointSizes[] = {14, 12, 10, 20};

QFont BandFont(const QFont& base, int band)
{
    QFont font = base;
    font.setBold(true);
    font.setPointSize(kPointSizes[band]);
    return font;
}
} // namespace

CCalendarLabel::CCalendarLabel(QWidget* parent) : QLabel(parent), m_date(QDate::currentDate())
{
    CUiLocale::ApplyTo(this);

    // A window of its own, owned by the tile; it must not take focus from the window under it.
    m_pCalendar = new CCalendarWidget(this);
    m_pCalendar->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    m_pCalendar->adjustSize();
    m_pCalendar->hide();
    connect(m_pCalendar, &CCalendarWidget::LeaveCalendar, this, &CCalendarLabel::HideCalender);
    connect(m_pCalendar, &CCalendarWidget::clicked, this, &CCalendarLabel::setDate);
    connect(m_pCalendar, &CCalendarWidget::clicked, this, &CCalendarLabel::clicked);

    m_pTimer = new QTimer(this);
    m_pTimer->setSingleShot(true);
    connect(m_pTimer, &QTimer::timeout, this, &CCalendarLabel::updateDate);

    int width = 0;
    int height = 0;
    for (int band = 0; band < 4; ++band) {
        const QFontMetrics metrics(BandFont(font(), band));
        width = qMax(width, metrics.horizontalAdvance(QStringLiteral("September")));
        height += metrics.height();
    }
    setMinimumSize(width + 16, height + 8);

    updateDate();
}

CCalendarLabel::~CCalendarLabel() = default;

void CCalendarLabel::updateDate()
{
    m_date = QDate::currentDate();
    // Just after midnight, so the new day is certainly the current one.
    const int untilMidnight = QTime::currentTime().msecsTo(QTime(23, 59, 59)) + 2000;
    m_pTimer->start(qMax(0, untilMidnight));
    RebuildTile();
    update();
}

void CCalendarLabel::HideCalender()
{
    m_pCalendar->hide();
}

void CCalendarLabel::setDate(QDate date)
{
    if (!date.isValid())
        return;
    m_date = date;
    RebuildTile();
    update();
}

void CCalendarLabel::enterEvent(QEnterEvent* event)
{
    emit mouseEnter();
    // Bottom-left on the tile's bottom-left, so the calendar opens over the tile.
    const QPoint bottomLeft = mapToGlobal(rect().bottomLeft());
    QRect geometry(QPoint(bottomLeft.x() - 1, bottomLeft.y() - m_pCalendar->height() + 1),
                   m_pCalendar->size());
    // A tile near a screen edge would open the calendar partly off the screen.
    if (const QScreen* tileScreen = screen()) {
        const QRect available = tileScreen->availableGeometry();
        if (!available.contains(geometry)) {
            geometry.moveLeft(qBound(available.left(), geometry.left(),
                                     available.right() - geometry.width() + 1));
            geometry.moveTop(qBound(available.top(), geometry.top(),
                                    available.bottom() - geometry.height() + 1));
        }
    }
    m_pCalendar->move(geometry.topLeft());
    m_pCalendar->show();
    m_pCalendar->raise();
    QLabel::enterEvent(event);
}

void CCalendarLabel::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_tile);
}

void CCalendarLabel::resizeEvent(QResizeEvent* event)
{
    RebuildTile();
    QLabel::resizeEvent(event);
}

void CCalendarLabel::RebuildTile()
{
    if (width() <= 0 || height() <= 0) {
        m_tile = QPixmap();
        return;
    }
    QPixmap tile(size());
    tile.fill(kTileColour);
    QPainter painter(&tile);
    const QPixmap background =
        LoadCachedPixmap(QStringLiteral(":/images/public/calendar-background.png"));
    if (background.isNull())
        painter.fillRect(tile.rect().adjusted(1, 1, -1, -1), kPaperFallback);
    else
        painter.drawPixmap(tile.rect(), background);

    const QLocale tileLocale = locale();
    const QString texts[] = {tileLocale.standaloneMonthName(m_date.month(), QLocale::LongFormat),
                             tileLocale.standaloneDayName(m_date.dayOfWeek(), QLocale::LongFormat),
                             QString::number(m_date.year()), QString::number(m_date.day())};

    // Each band as tall as its font asks, scaled to fill the tile.
    int fontHeights[4];
    int total = 0;
    for (int band = 0; band < 4; ++band) {
        fontHeights[band] = QFontMetrics(BandFont(font(), band)).height();
        total += fontHeights[band];
    }
    int top = 0;
    int sum = 0;
    for (int band = 0; band < 4; ++band) {
        sum += fontHeights[band];
        const int bottom = height() * sum / total;
        painter.setFont(BandFont(font(), band));
        painter.setPen(band == 0 ? kMonthColour : QColor(Qt::black));
        painter.drawText(QRect(0, top, width(), bottom - top), Qt::AlignCenter, texts[band]);
        top = bottom;
    }
    painter.end();
    m_tile = tile;
}
