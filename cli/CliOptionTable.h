#pragma once

#include <QString>

#include <span>

#include "cli/CliOptions.h"

// One option of corvix-cli: its long name, the name of its value ("" for a
// switch), what it does, and the commands that take it. The parser and the
// help are both made from this table, so they cannot disagree.
struct CliOptionEntry {
    const char* name;
    const char* valueName;
    const char* help;
    unsigned commands;  // a bit for each CliOptions::Command
};

constexpr unsigned CommandBit(CliOptions::Command command) {
    return 1u << static_cast<unsigned>(command);
}

std::span<const CliOptionEntry> CliOptionTable();

// One command of corvix-cli: its name, its usage line, what it does and the
// job it runs (`ports` runs none, and its kind is never read). The parser
// and the help are both made from this table, in its order.
struct CliCommandEntry {
    CliOptions::Command command;
    const char* name;
    const char* usage;
    const char* summary;
    JobKind job;
};

std::span<const CliCommandEntry> CliCommandTable();
const CliCommandEntry& CliCommandEntryOf(CliOptions::Command command);

// The command named `word`; nothing when there is none of that name.
std::optional<CliOptions::Command> CliCommandOf(const QString& word);
QString CliCommandName(CliOptions::Command command);
