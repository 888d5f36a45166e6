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
//   -...             an option (see ReadInfoRequest), never a folder
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

// A word that asks the program about itself instead of for a job. The first
// word that starts with "-" decides: --help, -h or -? the usage, --version or
// -v the version, any other is an option the program does not know.
enum class InfoRequest { None, Help, Version, UnknownOption };
struct CommandLineInfo {
    InfoRequest request = InfoRequest::None;
    QString option;  // the word that asked
};
CommandLineInfo ReadInfoRequest(const QStringList& arguments);

// The answer to an info request: the text and where it goes, and the exit
// status of the run (0 for help and version, 2 for an unknown option).
struct InfoAnswer {
    QString text;
    bool isError = false;
    int status = 0;
};
InfoAnswer AnswerInfoRequest(const CommandLineInfo& info, const QString& version);
