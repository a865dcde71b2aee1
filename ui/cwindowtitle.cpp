// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/cwindowtitle.h"

#include "util/workarea.h"
#include "widgets/controls/cpushbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QSpacerItem>

namespace {

const char* const TitleBackground = ":/images/title/title_bg.png";

CPushButton* MakeButton(QWidget* parent, const QString& objectName, int side, Qt::FocusPolicy focus)
{
    auto* button = new CPushButton(parent);
    button->setObjectName(objectName);
    button->setFixedSize(side, side);
    button->setFocusPolicy(focus);
    return button;
}

} // namespace

CWindowTitle::CWindowTitle(QWidget* parent) : QWidget(parent), m_pWindow(parent)
{
    setAutoFillBackground(true);

    m_pMainLayout = new QHBoxLayout(this);
    m_pMainLayout->setSpacing(1);
    m_pMainLayout->setContentsMargins(4, 1, 4, 1);
    m_pLeftLayout = new QHBoxLayout;
    m_pLeftLayout->setSpacing(1);
    m_pRightLayout = new QHBoxLayout;
    m_pRightLayout->setSpacing(1);
    m_pLeftSpacer = new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_pRightSpacer = new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);

    m_pIconBtn = MakeButton(this, QStringLiteral("m_pIconBtn"), 32, Qt::NoFocus);
    // Reachable with Tab too, so the window can be handled from the keyboard alone.
    m_pMinBtn = MakeButton(this, QStringLiteral("m_pMinBtn"), 20, Qt::StrongFocus);
    m_pFullScreenBtn = MakeButton(this, QStringLiteral("m_pFullScreenBtn"), 20, Qt::StrongFocus);
    m_pCloseBtn = MakeButton(this, QStringLiteral("m_pCloseBtn"), 20, Qt::StrongFocus);
    m_pIconBtn->setAccessibleName(tr("Corvane Tool"));
    m_pMinBtn->setAccessibleName(tr("Minimize"));
    m_pMinBtn->setToolTip(tr("Minimize"));
    m_pCloseBtn->setAccessibleName(tr("Close"));
    m_pCloseBtn->setToolTip(tr("Close"));

    m_pTitleLabel = new QLabel(tr("Corvane Tool"), this);
    m_pTitleLabel->setObjectName(QStringLiteral("m_pTitleLabel"));
    m_pTitleLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_pTitleLabel->setAlignment(Qt::AlignCenter);

    m_pLeftLayout->addWidget(m_pIconBtn);
    m_pLeftLayout->addItem(m_pLeftSpacer);
    m_pRightLayout->addItem(m_pRightSpacer);
    m_pRightLayout->addWidget(m_pMinBtn);
    m_pRightLayout->addWidget(m_pFullScreenBtn);
    m_pRightLayout->addWidget(m_pCloseBtn);
    m_pMainLayout->addLayout(m_pLeftLayout, 1);
    m_pMainLayout->addWidget(m_pTitleLabel, 1);
    m_pMainLayout->addLayout(m_pRightLayout, 1);

    connect(m_pMinBtn, &QPushButton::clicked, this, &CWindowTitle::showSmall);
    connect(m_pFullScreenBtn, &QPushButton::clicked, this, &CWindowTitle::ChaneMaxSizeOrRestore);
    connect(m_pCloseBtn, &QPushButton::clicked, this, &CWindowTitle::OnCloseWindow);

    m_pIconBtn->setStyleSheet(
        QStringLiteral("QPushButton{border-image:url(:/images/title/Eye.png);}"));
    m_pTitleLabel->setStyleSheet(QStringLiteral("color:rgb(255, 255, 255);"));
    m_pMinBtn->setStyleSheet(ButtonSheet(QStringLiteral(":/images/title/mini.png"),
                                         QStringLiteral(":/images/title/mini_hover.png")));
    m_pCloseBtn->setStyleSheet(ButtonSheet(QStringLiteral(":/images/title/close.png"),
                                           QStringLiteral(":/images/title/close_hover.png")));
    ShowFullScreenPictures(m_pWindow && m_pWindow->isFullScreen());

    UpdateBackground();
}

CWindowTitle::~CWindowTitle() = default;

QString CWindowTitle::ButtonSheet(const QString& picture, const QString& hoverPicture)
{
    // Keyboard focus shows like the hover: no widget draws a focus rectangle.
    return QStringLiteral("QPushButton{border:none; margin:0px; border-image:url(%1);}"
                          "QPushButton:hover, QPushButton:focus{border-image:url(%2);}")
        .arg(picture, hoverPicture);
}

void CWindowTitle::ShowFullScreenPictures(bool windowIsFullScreen)
{
    // The button always names the state a click leads to.
    const QString action = windowIsFullScreen ? tr("Restore") : tr("Full Screen");
    m_pFullScreenBtn->setAccessibleName(action);
    m_pFullScreenBtn->setToolTip(action);
    if (windowIsFullScreen)
        m_pFullScreenBtn->setStyleSheet(
            ButtonSheet(QStringLiteral(":/images/title/back.png"),
                        QStringLiteral(":/images/title/back_hover.png")));
    else
        m_pFullScreenBtn->setStyleSheet(
            ButtonSheet(QStringLiteral(":/images/title/full-screen.png"),
                        QStringLiteral(":/images/title/full-screen_hover.png")));
}

void CWindowTitle::UpdateBackground()
{
    const QPixmap picture(QString::fromLatin1(TitleBackground));
    // Without the picture the bar keeps its palette's own colour.
    if (picture.isNull() || size().isEmpty())
        return;
    QPalette pal = palette();
    pal.setBrush(QPalette::Window,
                 QBrush(picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    setPalette(pal);
}

bool CWindowTitle::ScreenAllowsFullScreen() const
{
    QScreen* screen = m_pWindow ? m_pWindow->screen() : nullptr;
    if (!screen)
        return false;
    const QSize size = screen->geometry().size();
    return size.width() >= m_leastScreenSize.width() && size.height() >= m_leastScreenSize.height();
}

void CWindowTitle::showSmall()
{
    if (m_pWindow)
        m_pWindow->showMinimized();
}

void CWindowTitle::ChangSizeToFull()
{
    if (!m_pWindow || !ScreenAllowsFullScreen())
        return;
    // A window held at a fixed size could not fill the screen; its limits come back with
    // the normal display.
    if (!m_pWindow->isFullScreen()) {
        m_normalMinimumSize = m_pWindow->minimumSize();
        m_normalMaximumSize = m_pWindow->maximumSize();
        m_normalGeometry = m_pWindow->geometry();
    }
    m_pWindow->setMinimumSize(0, 0);
    m_pWindow->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_pWindow->showFullScreen();
    ShowFullScreenPictures(true);
}

void CWindowTitle::ChaneMaxSizeOrRestore()
{
    if (!m_pWindow || !ScreenAllowsFullScreen())
        return;
    if (m_pWindow->isFullScreen()) {
        m_pWindow->showNormal();
        if (m_normalMinimumSize.isValid()) {
            m_pWindow->setMinimumSize(m_normalMinimumSize);
            m_pWindow->setMaximumSize(m_normalMaximumSize);
        }
        // Window managers differ in what they put back after full screen, and a move alone
        // would keep the screen's size; the whole earlier geometry is asked for.
        if (m_normalGeometry)
            m_pWindow->setGeometry(*m_normalGeometry);
        ShowFullScreenPictures(false);
    } else {
        ChangSizeToFull();
    }
}

void CWindowTitle::OnCloseWindow()
{
    if (m_pWindow)
        m_pWindow->close();
}

void CWindowTitle::mousePressEvent(QMouseEvent* event)
{
    if (!m_pWindow || m_pWindow->isFullScreen())
        return;
    m_iDragging = 1;
    m_bSystemMoveTried = false;
    // Relative to the controlled window, which need not be the bar's direct parent once a
    // layout has placed the bar.
    m_pressPos = mapTo(m_pWindow, event->position().toPoint());
}

void CWindowTitle::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    m_iDragging = 0;
}

void CWindowTitle::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    // A double click is a toggle, not the start of a drag.
    m_iDragging = 0;
    ChaneMaxSizeOrRestore();
}

void CWindowTitle::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_iDragging || !m_pWindow)
        return;
    // The window system moves the window where it can (and must, on Wayland); it then owns
    // the rest of the drag, release included.
    if (!m_bSystemMoveTried) {
        m_bSystemMoveTried = true;
        if (StartSystemMove(m_pWindow->windowHandle())) {
            m_iDragging = 0;
            return;
        }
    }
    m_pWindow->move(ClampToWorkArea(event->globalPosition().toPoint()) - m_pressPos);
}

void CWindowTitle::resizeEvent(QResizeEvent* event)
{
    // The picture is stretched to the bar, which gets its real size only from the window's
    // layout after construction.
    UpdateBackground();
    QWidget::resizeEvent(event);
}

void CWindowTitle::SetTitleText(const QString& text)
{
    m_pTitleLabel->setText(text);
}

QString CWindowTitle::TitleText() const
{
    return m_pTitleLabel->text();
}
