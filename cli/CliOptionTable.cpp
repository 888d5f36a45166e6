#include "cli/CliOptionTable.h"

#include <array>

namespace {

using C = CliOptions::Command;
constexpr unsigned kJobs = CommandBit(C::Send) | CommandBit(C::Receive) | CommandBit(C::Capture);
constexpr unsigned kKermit = CommandBit(C::Send) | CommandBit(C::Receive);

constexpr std::array kOptions = {
    CliOptionEntry{"port", "PORT",
                   "the serial port, as `corvix-cli ports` prints it (default: the caliper's "
                   "adapter)",
                   kJobs},
    CliOptionEntry{"baud", "RATE",
                   "1200 2400 4800 9600 19200 38400 57600 115200 or 230400 (default 9600)", kJobs},
    CliOptionEntry{"block-check", "1|3", "the block check to propose (default 1)", kKermit},
    CliOptionEntry{"packet-length", "N",
                   "propose packets of up to N bytes, 94 to 4096 (default 94: no long packets)",
                   kKermit},
    CliOptionEntry{"window", "N",
                   "propose a sliding window of N packets, 1 to 31 (default 1: none)", kKermit},
    CliOptionEntry{"prefixing", "cautious|all",
                   "which control characters go prefixed (default: cautious once long packets or "
                   "a window are agreed, else all)",
                   kKermit},
    CliOptionEntry{"dir", "DIR", "the folder received files go to (default: the current folder)",
                   CommandBit(C::Receive)},
    CliOptionEntry{"count", "N", "end after N transactions (default: no limit)",
                   CommandBit(C::Receive)},
    CliOptionEntry{"keep-serving", "",
                   "go on serving after the caliper says FINISH or logs out, caliper after "
                   "caliper",
                   CommandBit(C::Receive)},
    CliOptionEntry{"session-folders", "",
                   "put each session's files into a folder of their own in DIR, named by the "
                   "date and time the session began",
                   CommandBit(C::Receive)},
    CliOptionEntry{"on-exists", "ask|replace|cancel",
                   "what to do with a file that exists already (default ask)",
                   CommandBit(C::Receive)},
    CliOptionEntry{"out", "FILE", "the file the text goes to (default: standard output)",
                   CommandBit(C::Capture)},
    CliOptionEntry{"log-packets", "FILE", "write every packet sent and received to FILE", kKermit},
    CliOptionEntry{"max-time", "SECONDS", "stop the job after SECONDS", kJobs},
    CliOptionEntry{"quiet", "", "no progress and no lists, only messages", kJobs},
};

constexpr std::array kCommands = {
    CliCommandEntry{C::Ports, "ports", "corvix-cli ports",
                    "list the serial ports --port takes; (caliper) marks the caliper's adapter",
                    JobKind::Receive},
    CliCommandEntry{C::Send, "send", "corvix-cli send [OPTION...] FILE...",
                    "send FILE... to the caliper in one Kermit batch", JobKind::Send},
    CliCommandEntry{C::Receive, "receive", "corvix-cli receive [OPTION...]",
                    "receive files from the caliper and serve its requests", JobKind::Receive},
    CliCommandEntry{C::Capture, "capture", "corvix-cli capture [OPTION...]",
                    "capture the text the caliper prints", JobKind::Capture},
};

}  // namespace

std::span<const CliOptionEntry> CliOptionTable() {
    return kOptions;
}

std::span<const CliCommandEntry> CliCommandTable() {
    return kCommands;
}

const CliCommandEntry& CliCommandEntryOf(CliOptions::Command command) {
    for (const CliCommandEntry& entry : kCommands)
        if (entry.command == command) return entry;
    return kCommands.front();  // every command has its row
}

std::optional<CliOptions::Command> CliCommandOf(const QString& word) {
    for (const CliCommandEntry& entry : kCommands)
        if (word == QLatin1String(entry.name)) return entry.command;
    return std::nullopt;
}

QString CliCommandName(CliOptions::Command command) {
    return QLatin1String(CliCommandEntryOf(command).name);
}
