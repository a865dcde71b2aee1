// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CTESSELAPPLICATION_H
#define CTESSELAPPLICATION_H

#include <QApplication>
#include <QSharedMemory>
#include <QSize>
#include <QString>
#include <thread>

// The application object. Its constructor sets up everything the windows rely on (fonts,
// style, plug-in path, configuration, translators) before any window exists, so even the
// start-up refusals appear styled and translated, and it claims the single-instance segment.
class CTesselApplication : public QApplication
{
    Q_OBJECT

public:
    CTesselApplication(int& argc, char** argv, const QString& key);
    ~CTesselApplication() override;

    bool IsAlreadyRunning();
    bool IsResolutionTooLow();
    // The program's icon for every window from now on; waits for it if it is still being read.
    void UseProgramIcon();

    // Whether a screen's available area (logical pixels) cannot hold the main window at its
    // least size.
    static bool IsScreenTooSmall(const QSize& available);

private:
    void InitFont();
    void InitStyle();
    void InitEnvironment();
    void InitSingleInstance();
    void StartWarmUp();

    bool m_bAlreadyRunning = false;
    QString m_key;
    QSharedMemory m_sharedMemory;
    std::thread m_warmUp;
};

#endif
