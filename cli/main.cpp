// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/planargs.h"
#include "cli/planner.h"
#include "engine/nvrcatalogue.h"

#include <corvaneversion.h>

#include <QCoreApplication>
#include <cstdio>

static void Write(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    std::fflush(stream);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvane-plan"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVANE_VERSION));
    QCoreApplication::setOrganizationDomain(QStringLiteral("corvane.org"));
    InitNVRTypeTable();

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    PlanArgs args;
    QString error;
    if (!ParsePlanArgs(arguments, args, error)) {
        Write(stderr, QStringLiteral("corvane-plan: %1 (see corvane-plan --help)\n").arg(error));
        return 2;
    }
    if (args.help) {
        Write(stdout, PlanHelp());
        return 0;
    }
    if (args.version) {
        Write(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        return 0;
    }

    if (!ApplyCatalogue(args, error) || !ApplyPlanFile(args, error)) {
        Write(stderr, QStringLiteral("corvane-plan: %1\n").arg(error));
        return 2;
    }

    PlanResult result;
    if (args.command == QLatin1String("models"))
        result = PlanModels(args);
    else if (args.command == QLatin1String("cameras"))
        result = PlanCameras(args);
    else if (args.command == QLatin1String("estimate"))
        result = PlanEstimate(args);
    else
        result = PlanRecorders(args);

    if (result.exitCode != 0) {
        Write(stderr, QStringLiteral("corvane-plan: %1\n").arg(result.error));
        return result.exitCode;
    }
    Write(stdout, result.output);
    return 0;
}
