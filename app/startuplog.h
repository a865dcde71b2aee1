// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STARTUPLOG_H
#define STARTUPLOG_H

#include <QLoggingCategory>

// Start-up milestones, for whoever watches the program's standard error (the process
// tests do).
Q_DECLARE_LOGGING_CATEGORY(lcStartup)

#endif
