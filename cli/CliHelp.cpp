#include "cli/CliOptionTable.h"
#include "cli/CliOptions.h"

namespace {

constexpr int kNameColumn = 30;
constexpr int kLineWidth = 79;

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
    for (const CliCommandEntry& entry : CliCommandTable())
        if (bits & CommandBit(entry.command)) names << QLatin1String(entry.name);
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
    QString text;
    QString commands;
    for (const CliCommandEntry& entry : CliCommandTable()) {
        text += (text.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("       ")) +
                QLatin1String(entry.usage) + QLatin1Char('\n');
        commands += OptionLine(QLatin1String(entry.name), QLatin1String(entry.summary));
    }
    text += QStringLiteral("       corvix-cli [COMMAND] --help | --version\n\nCommands:\n") +
            commands + QStringLiteral("\nOptions:\n") + OptionLines(~0u, true);
    return text + QStringLiteral(
                      "\nResults go to standard output, progress and messages to "
                      "standard error.\nSee man corvix-cli for the exit statuses.\n");
}

QString CliHelp(CliOptions::Command command) {
    const CliCommandEntry& entry = CliCommandEntryOf(command);
    return QStringLiteral("usage: %1\n%2\n\nOptions:\n")
               .arg(QLatin1String(entry.usage), QLatin1String(entry.summary)) +
           OptionLines(CommandBit(command), false);
}
