#pragma once

#include <optional>

#include "app/CommandLine.h"

// Answers --help, --version or an unknown option of the program's own
// command line before anything else runs: where its output is read (a terminal,
// a pipe, a file), else in a message box. The run's exit status, or nothing when the command
// line asks for a job.
std::optional<int> AnswerCommandLineInfo(const QStringList& arguments);
