// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTOOLLABEL_H
#define CTOOLLABEL_H

#include <QBasicTimer>
#include <QLabel>
#include <QPointer>
#include <QRect>

class QScreen;

// The one floating tip label of CToolTip. It hides itself when its time is up, when the
// mouse leaves anything or leaves the tip rectangle, and at once when a window is
// activated or deactivated; hidden, it deletes itself.
class CToolLabel : public QLabel
{
    Q_OBJECT

public:
    static constexpr int HideDelayMs = 300;

    CToolLabel(const QString& text, QScreen* screen);
    ~CToolLabel() override;

    // The label that exists now, or null.
    static CToolLabel* Current();

    // How long a tip stays: 8 s, and 40 ms more for every character past the hundredth.
    static int ExpiryInterval(qsizetype textLength);
    // Where a tip of `tip` size goes for the cursor at `cursor`: below and right of it,
    // flipped above or left at the screen's edges, and kept on the screen.
    static QPoint TipPosition(const QPoint& cursor, const QSize& tip, const QRect& screen);

    void ReuseTip(const QString& text);
    void RestartExpiry();
    void HideTipSoon();
    void HideTipNow();
    void setTipRect(QWidget* widget, const QRect& rect);
    void PlaceTip(const QPoint& pos, QWidget* widget);
    bool TipChanged(const QPoint& pos, const QString& text, QWidget* widget) const;

    QWidget* TipWidget() const { return m_pTipWidget; }
    QRect TipRect() const { return m_tipRect; }
    bool IsHidePending() const { return m_hideTimer.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QBasicTimer m_hideTimer;
    QBasicTimer m_expireTimer;
    // Guarded: the widget may be destroyed while its tip is still up.
    QPointer<QWidget> m_pTipWidget;
    QRect m_tipRect;
};

#endif
