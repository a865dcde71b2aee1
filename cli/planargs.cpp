#include "cli/planargs.h"

#include <algorithm>

QList<PlanOption> PlanOptionsOf(const QString& command)
{
    const PlanOption json{QStringLiteral("json"), false, false};
    if (command == QLatin1String("models"))
        return {json};
    if (command == QLatin1String("cameras"))
        return {json,
                {QStringLiteral("first"), true, false},
                {QStringLiteral("second"), true, false},
                {QStringLiteral("recorder"), true, true}};
    if (command == QLatin1String("recorders"))
        return {json,
                {QStringLiteral("model"), true, false},
                {QStringLiteral("disable"), true, false},
                {QStringLiteral("camera"), true, true}};
    return {};
}

static bool IsHelp(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

bool ParsePlanArgs(const QStringList& arguments, PlanArgs& args, QString& error)
{
    args = PlanArgs();
    for (const QString& argument : arguments) {
        if (IsHelp(argument)) {
            args.help = true;
            return true;
        }
    }
    if (arguments.isEmpty()) {
        error = QStringLiteral("no command given (models, cameras or recorders)");
        return false;
    }
    args.command = arguments.first();
    const QList<PlanOption> options = PlanOptionsOf(args.command);
    if (options.isEmpty()) {
        error = QStringLiteral("unknown command \"%1\" (models, cameras or recorders)")
                    .arg(args.command);
        return false;
    }

    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--")) || argument.size() == 2) {
            error = QStringLiteral("unexpected argument \"%1\"").arg(argument);
            return false;
        }
        QString name = argument.mid(2);
        QString value;
        bool inlineValue = false;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
            inlineValue = true;
        }
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const PlanOption& o) { return o.name == name; });
        if (option == options.end()) {
            error = QStringLiteral("unknown option --%1 for %2").arg(name, args.command);
            return false;
        }
        if (!option->takesValue && inlineValue) {
            error = QStringLiteral("option --%1 takes no value").arg(name);
            return false;
        }
        if (option->takesValue && !inlineValue) {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("option --%1 needs a value").arg(name);
                return false;
            }
            value = arguments[++i];
        }
        if (!option->repeatable && args.values.contains(name)) {
            error = QStringLiteral("option --%1 given more than once").arg(name);
            return false;
        }
        args.values[name].append(value);
    }
    return true;
}
