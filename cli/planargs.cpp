// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/planargs.h"

#include <QCommandLineParser>
#include <algorithm>

QList<PlanOption> PlanOptionsOf(const QString& command)
{
    const PlanOption json{QStringLiteral("json"), false, false};
    const PlanOption catalogue{QStringLiteral("catalogue"), true, false};
    if (command == QLatin1String("models"))
        return {json, catalogue};
    if (command == QLatin1String("cameras"))
        return {json,
                catalogue,
                {QStringLiteral("first"), true, false},
                {QStringLiteral("second"), true, false},
                {QStringLiteral("recorder"), true, true},
                {QStringLiteral("plan"), true, false},
                {QStringLiteral("bandwidth-reserve"), true, false}};
    if (command == QLatin1String("recorders"))
        return {json,
                catalogue,
                {QStringLiteral("model"), true, false},
                {QStringLiteral("disable"), true, false},
                {QStringLiteral("camera"), true, true},
                {QStringLiteral("plan"), true, false},
                {QStringLiteral("storage"), false, false},
                {QStringLiteral("retention-days"), true, false},
                {QStringLiteral("hours-per-day"), true, false},
                {QStringLiteral("recorded-percent"), true, false},
                {QStringLiteral("streams"), true, false},
                {QStringLiteral("disk-tb"), true, false},
                {QStringLiteral("redundancy"), true, false},
                {QStringLiteral("storage-reserve"), true, false},
                {QStringLiteral("hot-spares"), true, false},
                {QStringLiteral("disks-per-nvr"), true, false},
                {QStringLiteral("bandwidth-reserve"), true, false}};
    if (command == QLatin1String("estimate"))
        return {json,
                {QStringLiteral("resolution"), true, false},
                {QStringLiteral("fps"), true, false},
                {QStringLiteral("codec"), true, false},
                {QStringLiteral("quality"), true, false},
                {QStringLiteral("scene"), true, false},
                {QStringLiteral("night-percent"), true, false}};
    return {};
}

namespace {

const QStringList Commands{QStringLiteral("models"), QStringLiteral("cameras"),
                           QStringLiteral("recorders"), QStringLiteral("estimate")};

// Every option of every command, so that one given to the wrong command is recognised and
// refused by name rather than as an unknown word.
QList<PlanOption> AllOptions()
{
    QList<PlanOption> all;
    for (const QString& command : Commands) {
        for (const PlanOption& option : PlanOptionsOf(command)) {
            if (std::none_of(all.begin(), all.end(),
                             [&](const PlanOption& o) { return o.name == option.name; }))
                all << option;
        }
    }
    return all;
}

bool IsHelp(const QString& argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

bool IsVersion(const QString& argument)
{
    return argument == QLatin1String("--version") || argument == QLatin1String("-v");
}

// The parser says what went wrong in its own (translatable) words; the planner's one-line
// messages name the argument, found again in the raw arguments.
QString ParserProblem(const QCommandLineParser& parser, const QStringList& arguments,
                      const QList<PlanOption>& all, const QString& command)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString name = unknown.first();
        const QString longForm = QStringLiteral("--") + name;
        for (const QString& argument : arguments) {
            if (argument == longForm || argument.startsWith(longForm + QLatin1Char('=')))
                return QStringLiteral("unknown option --%1 for %2").arg(name, command);
        }
        for (const QString& argument : arguments) {
            if (argument.startsWith(QLatin1Char('-')) &&
                !argument.startsWith(QLatin1String("--")) && argument.contains(name))
                return QStringLiteral("unexpected argument \"%1\"").arg(argument);
        }
        return QStringLiteral("unexpected argument \"-%1\"").arg(name);
    }
    for (const PlanOption& option : all) {
        const QString longForm = QStringLiteral("--") + option.name;
        for (const QString& argument : arguments) {
            if (!option.takesValue && argument.startsWith(longForm + QLatin1Char('=')))
                return QStringLiteral("option --%1 takes no value").arg(option.name);
        }
        // Only the last argument can lack its value: every other one takes the next.
        if (option.takesValue && !arguments.isEmpty() && arguments.last() == longForm)
            return QStringLiteral("option --%1 needs a value").arg(option.name);
    }
    return parser.errorText();
}

} // namespace

bool ParsePlanArgs(const QStringList& arguments, PlanArgs& args, QString& error)
{
    args = PlanArgs();
    // Help and version win wherever they stand, even where the parser would read them as
    // another option's value.
    for (const QString& argument : arguments) {
        if (IsHelp(argument)) {
            args.help = true;
            return true;
        }
        if (IsVersion(argument)) {
            args.version = true;
            return true;
        }
    }
    if (arguments.isEmpty()) {
        error = QStringLiteral("no command given (models, cameras, recorders or estimate)");
        return false;
    }
    // The command comes first, as it always has; options before it are not taken.
    args.command = arguments.first();
    const QList<PlanOption> options = PlanOptionsOf(args.command);
    if (options.isEmpty()) {
        error = QStringLiteral("unknown command \"%1\" (models, cameras, recorders or estimate)")
                    .arg(args.command);
        return false;
    }

    const QList<PlanOption> all = AllOptions();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const PlanOption& option : all) {
        parser.addOption(QCommandLineOption(
            option.name, QString(), option.takesValue ? QStringLiteral("value") : QString()));
    }
    const QStringList rest = arguments.mid(1);
    // parse() expects the program name in front and skips it.
    const bool parsed = parser.parse(QStringList{QStringLiteral("corvane-plan")} + rest);
    // Compacted short options ("-vh") are found only by the parser.
    if (parser.isSet(help) || parser.optionNames().contains(QLatin1String("help-all"))) {
        args.help = true;
        return true;
    }
    if (parser.isSet(version)) {
        args.version = true;
        return true;
    }
    if (!parsed) {
        error = ParserProblem(parser, rest, all, args.command);
        return false;
    }
    // A lone "--" ends the options, as for most programs; what follows it is unexpected.
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty()) {
        error = QStringLiteral("unexpected argument \"%1\"").arg(positional.first());
        return false;
    }
    for (const QString& name : parser.optionNames()) {
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const PlanOption& o) { return o.name == name; });
        if (option == options.end()) {
            error = QStringLiteral("unknown option --%1 for %2").arg(name, args.command);
            return false;
        }
        if (!option->repeatable && args.values.contains(name)) {
            error = QStringLiteral("option --%1 given more than once").arg(name);
            return false;
        }
        // values() gives every value at once; a flag has none, so it is counted per name.
        args.values[name] = option->takesValue ? parser.values(name) : QStringList(QString());
    }
    return true;
}
