// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CHASEDIALOG_H
#define CHASEDIALOG_H

#include "widgets/dialogs/cbasedialog.h"

class QTimer;

// Modal wait dialog with an animated picture, shown while a worker thread computes. The
// worker ends it through OnImmediatelyStopChase(), or asks for a close at the next 500 ms
// poll through SetStopChase() (accepted) or OnSlotRejectChase() (rejected).
//
// While it waits, only those paths end it: Return, Enter and Select are ignored, and so is
// a close request to the window unless the Cancel button is shown, in which case the
// request cancels like the button. A rejection emits SignalCancel().
class ChaseDialog : public CBaseDialog
{
    Q_OBJECT

public:
    ChaseDialog(QWidget* parent, const QString& movieFile, const QString& title, bool showCancel);
    ~ChaseDialog() override;

    static constexpr int PollInterval = 500;

signals:
    void SignalCancel();

public slots:
    void UpdateInfo();
    void SetStopChase();
    void OnSlotRejectChase();
    void OnImmediatelyStopChase();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QTimer* m_pTimer = nullptr;
    int m_iStopState = -1;
    bool m_bShowCancel;
};

#endif
