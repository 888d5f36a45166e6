#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line of corvix-cli asks for.
struct CliOptions {
    enum class Command { Ports, Send, Receive, Capture };
    enum class OnExists { Ask, Replace, Cancel };

    Command command = Command::Ports;
    QString port;           // empty: the caliper port found by discovery
    int baudIndex = 3;      // 9600
    QString file;           // send: the file; capture: the output file ("" = stdout)
    QString dir;            // receive: the folder ("" = the current folder)
    int count = 0;          // receive: end after this many transactions; 0 = no limit
    int blockCheck = 1;     // send and receive: block check proposed when sending, 1 or 3
    int packetLength = 94;  // send and receive: long packets proposed, 94 (none) to 4096
    int window = 1;         // send and receive: window proposed, 1 (none) to 31
    OnExists onExists = OnExists::Ask;
    int maxTimeMs = 0;  // 0 = no limit
    bool quiet = false;
};

// Reads the arguments (without the program name). On a mistake returns
// nothing and leaves a one-line reason in `error`.
std::optional<CliOptions> ParseCliOptions(const QStringList& arguments, QString& error);

// The short usage text printed with a mistake.
QString CliUsage();
