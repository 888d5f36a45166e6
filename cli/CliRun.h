#pragma once

#include <QStringList>

// Exit statuses of corvix-cli.
enum CliExit : int {
    kExitOk = 0,
    kExitFailed = 1,
    kExitUsage = 2,
    kExitPort = 3,
    kExitFile = 4,
    kExitSendStopped = 130,
    kExitTimeLimit = 124,  // --max-time ran out, as timeout(1) says it
    kExitInterrupt = 130,  // 128 + SIGINT
    kExitHangup = 129,     // 128 + SIGHUP
    kExitTerminate = 143,  // 128 + SIGTERM
};

// Runs corvix-cli with `arguments` (without the program name) and returns
// its exit status. A QCoreApplication must exist.
int RunCli(const QStringList& arguments);
