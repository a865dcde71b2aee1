// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controls/ctoollabel.h"

#include "widgets/controls/ctooltip.h"

#include <QApplication>
#include <QDebug>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTextDocument>

namespace {
CToolLabel* s_pCurrent = nullptr;
}

CToolLabel::CToolLabel(const QString& text, QScreen* screen)
    : QLabel(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
{
    s_pCurrent = this;
    if (screen)
        setScreen(screen);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(CToolTip::TipPalette());
    ensurePolished();
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setFrameStyle(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft);
    setIndent(1);
    qApp->installEventFilter(this);
    setWindowOpacity(style()->styleHint(QStyle::SH_ToolTipLabel_Opacity, nullptr, this) / 255.0);
    setMouseTracking(true);
    ReuseTip(text);
}

CToolLabel::~CToolLabel()
{
    // A label hidden a moment ago may be deleted after its successor became current.
    if (s_pCurrent == this)
        s_pCurrent = nullptr;
}

CToolLabel* CToolLabel::Current()
{
    return s_pCurrent;
}

int CToolLabel::ExpiryInterval(qsizetype textLength)
{
    const qint64 ms = 8000 + 40 * qMax<qint64>(0, qint64(textLength) - 100);
    return int(qMin<qint64>(ms, std::numeric_limits<int>::max()));
}

QPoint CToolLabel::TipPosition(const QPoint& cursor, const QSize& tip, const QRect& screen)
{
    QPoint p = cursor + QPoint(2, 21);
    if (!screen.isValid())
        return p;
    const int right = screen.x() + screen.width();
    const int bottom = screen.y() + screen.height();
    if (p.x() + tip.width() > right)
        p.rx() -= 4 + tip.width();
    if (p.y() + tip.height() > bottom)
        p.ry() -= 24 + tip.height();
    if (p.y() < screen.y())
        p.setY(screen.y());
    if (p.x() + tip.width() > right)
        p.setX(right - tip.width());
    if (p.x() < screen.x())
        p.setX(screen.x());
    if (p.y() + tip.height() > bottom)
        p.setY(bottom - tip.height());
    return p;
}

void CToolLabel::ReuseTip(const QString& text)
{
    setWordWrap(Qt::mightBeRichText(text));
    setText(text);
    const QFontMetrics fm(font());
    QSize extra(1, 0);
    // Fonts with a two-pixel descent clip their last row otherwise.
    if (fm.descent() == 2 && fm.ascent() >= 11)
        ++extra.rheight();
    resize(sizeHint() + extra);
    RestartExpiry();
}

void CToolLabel::RestartExpiry()
{
    m_expireTimer.start(ExpiryInterval(text().size()), this);
    m_hideTimer.stop();
}

void CToolLabel::HideTipSoon()
{
    if (!m_hideTimer.isActive())
        m_hideTimer.start(HideDelayMs, this);
}

void CToolLabel::HideTipNow()
{
    m_hideTimer.stop();
    m_expireTimer.stop();
    close();
    deleteLater();
}

void CToolLabel::setTipRect(QWidget* widget, const QRect& rect)
{
    if (!m_tipRect.isNull() && !widget) {
        qWarning("CToolTip::setTipRect: Cannot pass null widget if rect is set");
        return;
    }
    m_pTipWidget = widget;
    m_tipRect = rect;
}

void CToolLabel::PlaceTip(const QPoint& pos, QWidget* widget)
{
    QScreen* screen = QGuiApplication::screenAt(pos);
    if (!screen && widget)
        screen = widget->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen && screen != this->screen())
        setScreen(screen);
    move(TipPosition(pos, size(), screen ? screen->geometry() : QRect()));
}

bool CToolLabel::TipChanged(const QPoint& pos, const QString& text, QWidget* widget) const
{
    if (text != this->text() || widget != m_pTipWidget)
        return true;
    if (m_tipRect.isNull())
        return false;
    const QPoint local = widget ? widget->mapFromGlobal(pos) : pos;
    return !m_tipRect.contains(local);
}

bool CToolLabel::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Leave:
        HideTipSoon();
        break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        HideTipNow();
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}

void CToolLabel::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_hideTimer.timerId() || event->timerId() == m_expireTimer.timerId()) {
        HideTipNow();
        return;
    }
    QLabel::timerEvent(event);
}

void CToolLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_tipRect.isNull()) {
        QPoint pos = event->globalPosition().toPoint();
        if (m_pTipWidget)
            pos = m_pTipWidget->mapFromGlobal(pos);
        if (!m_tipRect.contains(pos))
            HideTipSoon();
    }
    QLabel::mouseMoveEvent(event);
}

void CToolLabel::paintEvent(QPaintEvent* event)
{
    QStylePainter p(this);
    p.setPen(Qt::red);
    QStyleOptionFrame option;
    option.initFrom(this);
    p.drawPrimitive(QStyle::PE_PanelTipLabel, option);
    p.end();
    QLabel::paintEvent(event);
}

void CToolLabel::resizeEvent(QResizeEvent* event)
{
    QStyleHintReturnMask mask;
    QStyleOption option;
    option.initFrom(this);
    if (style()->styleHint(QStyle::SH_ToolTip_Mask, &option, this, &mask))
        setMask(mask.region);
    QLabel::resizeEvent(event);
}
