#include "cli/CliOptionTable.h"
#include "cli/CliOptions.h"

namespace {

using C = CliOptions::Command;
constexpr C kCommands[] = {C::Ports, C::Send, C::Receive, C::Capture};
constexpr int kNameColumn = 30;
constexpr int kLineWidth = 79;

QString UsageLine(C command) {
    switch (command) {
        case C::Ports:
            return QStringLiteral("corvix-cli ports");
        case C::Send:
            return QStringLiteral("corvix-cli send [OPTION...] FILE...");
        case C::Receive:
            return QStringLiteral("corvix-cli receive [OPTION...]");
        case C::Capture:
            return QStringLiteral("corvix-cli capture [OPTION...]");
    }
    return {};
}

QString CommandSummary(C command) {
    switch (command) {
        case C::Ports:
            return QStringLiteral(
                "list the serial ports --port takes; (caliper) marks the "
                "caliper's adapter");
        case C::Send:
            return QStringLiteral("send FILE... to the caliper in one Kermit batch");
        case C::Receive:
            return QStringLiteral("receive files from the caliper and serve its requests");
        case C::Capture:
            return QStringLiteral("capture the text the caliper prints");
    }
    return {};
}

// "  --name VALUE    what it does", the text starting in one column and
// wrapped to fit 79 columns.
QString OptionLine(const QString& names, const QString& help) {
    const QString indent(kNameColumn, QLatin1Char(' '));
    QString text = QStringLiteral("  ") + names;
    text += text.size() < kNameColumn ? QString(kNameColumn - text.size(), QLatin1Char(' '))
                                      : QStringLiteral("\n") + indent;
    qsizetype column = kNameColumn;
    bool first = true;
    for (const QString& word : help.split(QLatin1Char(' '))) {
        if (!first && column + 1 + word.size() > kLineWidth) {
            text += QStringLiteral("\n") + indent;
            column = kNameColumn;
        } else if (!first) {
            text += QLatin1Char(' ');
            ++column;
        }
        text += word;
        column += word.size();
        first = false;
    }
    return text + QLatin1Char('\n');
}

QString CommandsOf(unsigned bits) {
    QStringList names;
    for (const C command : kCommands)
        if (bits & CommandBit(command)) names << CliCommandName(command);
    return names.join(QLatin1Char(' '));
}

// The options `commands` take; `which` adds the commands that take each one.
QString OptionLines(unsigned commands, bool which) {
    QString text;
    for (const CliOptionEntry& entry : CliOptionTable()) {
        if (!(entry.commands & commands)) continue;
        QString names = QStringLiteral("--") + QLatin1String(entry.name);
        if (*entry.valueName != 0) names += QLatin1Char(' ') + QLatin1String(entry.valueName);
        QString help = QLatin1String(entry.help);
        if (which) help += QStringLiteral(" [%1]").arg(CommandsOf(entry.commands));
        text += OptionLine(names, help);
    }
    text += OptionLine(QStringLiteral("-h, --help"), QStringLiteral("show this help"));
    return text + OptionLine(QStringLiteral("--version"), QStringLiteral("show the version"));
}

}  // namespace

QString CliHelp() {
    QString text = QStringLiteral("usage: ");
    for (const C command : kCommands)
        text += (command == C::Ports ? QString() : QStringLiteral("       ")) + UsageLine(command) +
                QLatin1Char('\n');
    text += QStringLiteral("       corvix-cli [COMMAND] --help | --version\n\nCommands:\n");
    for (const C command : kCommands)
        text += OptionLine(CliCommandName(command), CommandSummary(command));
    text += QStringLiteral("\nOptions:\n") + OptionLines(~0u, true);
    return text + QStringLiteral(
                      "\nResults go to standard output, progress and messages to "
                      "standard error.\nSee man corvix-cli for the exit statuses.\n");
}

QString CliHelp(CliOptions::Command command) {
    return QStringLiteral("usage: %1\n%2\n\nOptions:\n")
               .arg(UsageLine(command), CommandSummary(command)) +
           OptionLines(CommandBit(command), false);
}
