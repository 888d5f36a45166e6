#pragma once

#include <QString>
#include <QStringList>

// What the command line asks of its path.
enum class RequestMode {
    Kermit,   // send the file, or receive into the folder
    Capture,  // capture the caliper's text into the file
};

// What the command line leaves for the main window.
struct CommandLineRequest {
    bool fromCommandLine = false;  // there was at least one argument
    bool isFile = false;           // the last path named a file
    RequestMode mode = RequestMode::Kermit;
    QString path;  // the file or folder named; empty when none
};

// The request together with the port and baud index the run works with.
struct ParsedCommandLine {
    CommandLineRequest request;
    QString portName;  // "" for none
    int baud = 0;      // index into the baud-rate list, or a plain number given after BAUD
};

// Reads the arguments (without the program name) from left to right; `portName`
// and `baud` are the values the run starts with. Tokens:
//   contains "."     a file: quotes stripped at both ends; TXT selects capture
//                    unless KERMIT came first; 128, 512, m$x, b$n select Kermit
//   KERMIT...        Kermit, also for a later TXT file
//   BAUD<rate>       the index of <rate> in `baudRateList`, else the plain number
//   COM<n>           port COM<n>
//   /dev/...         that port device
//   anything else    a folder
// Keywords are matched with exact case; extensions ignore case.
ParsedCommandLine ReadCommandLine(const QStringList& arguments, const QString& portName, int baud,
                                  const QStringList& baudRateList);

// What the main window starts once it is shown.
enum class StartupAction {
    None,           // no arguments, no port, or nothing to do
    LoadProgram,    // send `path` with Kermit
    KermitReceive,  // receive into the folder `path`
    ReceiveAscii,   // capture the caliper's text into the file `path`
};

StartupAction ChooseStartupAction(const CommandLineRequest& request, const QString& portName);
