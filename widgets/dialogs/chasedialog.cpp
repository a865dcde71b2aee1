// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/dialogs/chasedialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTimer>

ChaseDialog::ChaseDialog(QWidget* parent, const QString& movieFile, const QString& title,
                         bool showCancel)
    : CBaseDialog(parent, showCancel, false, showCancel), m_bShowCancel(showCancel)
{
    m_iStopState = -1;
    SetTitleText(title);

    auto* layout = new QGridLayout(GetContentFrame());
    auto* label = new QLabel;
    // On a scaled screen the animation's large variant, where there is one, keeps it sharp;
    // its frames carry their ratio and show at the same logical size.
    auto* movie =
        new QMovie(qt_findAtNxFile(movieFile, qApp->devicePixelRatio()), QByteArray(), this);
    label->setMovie(movie);
    movie->start();
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label, 0, 0);

    connect(this, &QDialog::rejected, this, &ChaseDialog::SignalCancel);

    // A focused Cancel button would otherwise take Return as a click.
    if (auto* cancel = findChild<QPushButton*>(QStringLiteral("pCancelBtn")))
        cancel->setAutoDefault(false);

    setFixedSize(280, 190);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &ChaseDialog::UpdateInfo);
    m_pTimer->start(PollInterval);
}

ChaseDialog::~ChaseDialog()
{
    m_pTimer->stop();
}

void ChaseDialog::UpdateInfo()
{
    if (m_iStopState == 1)
        accept();
    else if (m_iStopState == 0)
        reject();
    m_iStopState = -1;
}

void ChaseDialog::SetStopChase()
{
    m_iStopState = 1;
}

void ChaseDialog::OnSlotRejectChase()
{
    m_iStopState = 0;
}

void ChaseDialog::OnImmediatelyStopChase()
{
    m_iStopState = 1;
    accept();
}

void ChaseDialog::keyPressEvent(QKeyEvent* event)
{
    // The frame would accept on these keys, ending the wait before the worker has
    // finished and letting the caller read results that are not there yet.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        event->accept();
        return;
    default:
        CBaseDialog::keyPressEvent(event);
    }
}

void ChaseDialog::closeEvent(QCloseEvent* event)
{
    if (m_bShowCancel || !isVisible()) {
        CBaseDialog::closeEvent(event);
        return;
    }
    event->ignore();
}
