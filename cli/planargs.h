// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PLANARGS_H
#define PLANARGS_H

// The command line of corvane-plan: a command word followed by long options, each given as
// "--name value" or "--name=value". The next argument is always taken as the value, so
// values that begin with "-" (a negative bit rate) reach the checks that refuse them.
// QCommandLineParser does the splitting; the checks and messages on top are the planner's.

#include "engine/nvrcatalogue.h"

#include <QHash>
#include <QString>
#include <QStringList>

struct PlanOption
{
    QString name; // without the leading "--"
    bool takesValue = false;
    bool repeatable = false;
};

struct PlanArgs
{
    QString command;
    QHash<QString, QStringList> values; // option -> values in the order given
    bool help = false;
    bool version = false;
    // The recorder models besides the built-in ones: a catalogue's or a plan's.
    CalModelList models;
    // With --plan: where each camera type's first and second bit rate came from ("estimated:
    // <settings>" or "typed"), by type number - 1; empty when no bit rate was estimated.
    QList<QStringList> bitRateSources;

    bool has(const QString& name) const { return values.contains(name); }
    QString value(const QString& name) const { return values.value(name).value(0); }
    QStringList all(const QString& name) const { return values.value(name); }
};

// Splits `arguments` (without the program name). Returns false with a one-line `error` for
// an unknown command or option, a missing value or a repeated single option. "--help" or
// "-h" anywhere asks for help and stops the checks; "--version" or "-v" likewise asks for
// the version.
bool ParsePlanArgs(const QStringList& arguments, PlanArgs& args, QString& error);

// The options each command accepts.
QList<PlanOption> PlanOptionsOf(const QString& command);

#endif
