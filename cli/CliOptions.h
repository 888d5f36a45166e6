#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "worker/WorkerJob.h"

// What the command line of corvix-cli asks for.
struct CliOptions {
    enum class Command { Ports, Send, Receive, Capture };
    enum class OnExists { Ask, Replace, Cancel };
    // --help and --version are answered instead of running the command.
    enum class Asked { Run, Help, Version };

    Command command = Command::Ports;
    Asked asked = Asked::Run;
    bool commandGiven = false;  // --help before any command asks for the whole help
    // The job of a send, receive or capture: its kind and the options that
    // describe it (--port, --baud, --block-check). An empty port name means
    // the caliper port found by discovery; the path is set when the job runs.
    WorkerJob job;
    QStringList files;  // send: the files, in the order given
    QString file;       // capture: the output file ("" = stdout)
    QString dir;        // receive: the folder ("" = the current folder)
    int count = 0;      // receive: end after this many transactions; 0 = no limit
    OnExists onExists = OnExists::Ask;
    int maxTimeMs = 0;  // 0 = no limit
    bool quiet = false;
};

// Reads the arguments (without the program name). On a mistake returns
// nothing and leaves a one-line reason in `error`.
std::optional<CliOptions> ParseCliOptions(const QStringList& arguments, QString& error);

// The help: every command and option, or those of one command.
QString CliHelp();
QString CliHelp(CliOptions::Command command);

// "corvix-cli 1.4.25".
QString CliVersion();
