// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PLANNER_H
#define PLANNER_H

// The forms of corvane-plan. Each checks its input exactly as the program does elsewhere (the
// calculator page it stands for, or the engine's own checks), computes everything, and only
// then produces its output, so a refused request writes nothing to standard output.

#include "cli/planargs.h"

#include <QString>

struct PlanResult
{
    int exitCode = 0; // 0 success, 2 usage error or invalid input
    QString output;   // standard output, complete
    QString error;    // one line for standard error
};

// "--plan FILE": replaces the command's input options by what the plan file holds for the page
// the command stands for. False with a one-line `error` for a file the program would refuse to
// open, for a plan without camera records (recorders), or when input options are given as well.
bool ApplyPlanFile(PlanArgs& args, QString& error);
// "--catalogue FILE": reads its models into args.models. False with a one-line `error` for a
// file the program would refuse to import, or with --plan, which brings its own models.
bool ApplyCatalogue(PlanArgs& args, QString& error);

PlanResult PlanModels(const PlanArgs& args);
PlanResult PlanCameras(const PlanArgs& args);
PlanResult PlanRecorders(const PlanArgs& args);
// The expected bit rate of one camera stream from its settings; refuses settings as the
// estimator's own checks do, and says so when the estimate lies outside what recorders take.
PlanResult PlanEstimate(const PlanArgs& args);

QString PlanHelp();

#endif
