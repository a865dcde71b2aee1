// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CWINDOWTITLE_H
#define CWINDOWTITLE_H

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <optional>

class QHBoxLayout;
class QLabel;
class QSpacerItem;
class CPushButton;

// The title bar of a frameless window: icon, centred title, minimise, full-screen/back and
// close buttons. It drags its window (kept out of reserved screen strips) and switches it
// between normal and full-screen display; a screen below the least size (1024 x 768 unless
// the window sets its own) refuses the switch in either direction. The window it controls
// is the parent given to the constructor.
class CWindowTitle : public QWidget
{
    Q_OBJECT

public:
    explicit CWindowTitle(QWidget* parent);
    ~CWindowTitle() override;

    // The title in the middle of the bar.
    void SetTitleText(const QString& text);
    QString TitleText() const;

    static QString ButtonSheet(const QString& picture, const QString& hoverPicture);

    // The smallest screen on which the window may switch between normal and full screen.
    void SetLeastScreenSize(const QSize& size) { m_leastScreenSize = size; }

public slots:
    void showSmall();

private slots:
    void ChangSizeToFull();
    void ChaneMaxSizeOrRestore();
    void OnCloseWindow();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool ScreenAllowsFullScreen() const;
    void ShowFullScreenPictures(bool windowIsFullScreen);
    void UpdateBackground();

    QHBoxLayout* m_pMainLayout;
    QHBoxLayout* m_pLeftLayout;
    QHBoxLayout* m_pRightLayout;
    QSpacerItem* m_pLeftSpacer;
    QSpacerItem* m_pRightSpacer;
    CPushButton* m_pMinBtn;
    CPushButton* m_pCloseBtn;
    CPushButton* m_pFullScreenBtn;
    CPushButton* m_pIconBtn;
    int m_iDragging = 0;
    // The window system was asked to take over the current drag (and refused).
    bool m_bSystemMoveTried = false;
    QPoint m_pressPos;
    QLabel* m_pTitleLabel;
    QWidget* m_pWindow;
    QSize m_normalMinimumSize{-1, -1};
    QSize m_normalMaximumSize{-1, -1};
    QSize m_leastScreenSize{1024, 768};
    std::optional<QRect> m_normalGeometry;
};

#endif
