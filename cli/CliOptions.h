#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "worker/WorkerJob.h"

// What the command line of corvix-cli asks for.
struct CliOptions {
    enum class Command { Ports, Send, Receive, Capture };
    enum class OnExists { Ask, Replace, Cancel };

    Command command = Command::Ports;
    // The job of a send, receive or capture: its kind and the options that
    // describe it (--port, --baud, --block-check). An empty port name means
    // the caliper port found by discovery; the path is set when the job runs.
    WorkerJob job;
    QString file;   // send: the file; capture: the output file ("" = stdout)
    QString dir;    // receive: the folder ("" = the current folder)
    int count = 0;  // receive: end after this many transactions; 0 = no limit
    OnExists onExists = OnExists::Ask;
    int maxTimeMs = 0;  // 0 = no limit
    bool quiet = false;
};

// Reads the arguments (without the program name). On a mistake returns
// nothing and leaves a one-line reason in `error`.
std::optional<CliOptions> ParseCliOptions(const QStringList& arguments, QString& error);

// The short usage text printed with a mistake.
QString CliUsage();
