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
};

// Runs corvix-cli with `arguments` (without the program name) and returns
// its exit status. A QCoreApplication must exist.
int RunCli(const QStringList& arguments);
