#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <variant>

#include "worker/JobFile.h"

// What a job tells the window that shows it (or the command line standing in
// for one), as one value: a report is one of the kinds below. A new report is
// a new kind here, made by the job and handled by the windows that show it;
// whatever stands between them passes it on as it is.
namespace report {

// A capture: one piece of captured text, 1 to 511 bytes exactly as they came:
// a line ending with its LF, or 511 bytes of a longer line. A zero byte may
// occur; a window that treats the piece as C text ends it there. The only
// kind whose delivery waits until the window has taken it: the worker reads
// the next byte only then.
struct CapturedText {
    QByteArray piece;
};

// A receive has opened a file under this 8-bit name.
struct ReceiveFileOpened {
    QByteArray name;
};

// Bytes received so far into the current file.
struct ReceiveProgress {
    std::uint32_t bytes = 0;
};

// Bytes of the file sent before the data packet now going out; 0 or 1 when a
// file starts.
struct SendProgress {
    std::uint32_t bytes = 0;
};

// A send has waited ten seconds for the caliper's first answer and goes on
// waiting: the window adds a hint (the caliper's receive function, the same
// baud rate on both sides). Comes at most once a job.
struct NoAnswerYet {};

// The job is over (success, failure or stop). The port is closed by then. A
// capture stopped by its window does not report it.
struct JobOver {};

// The CTS line changed.
struct CtsChanged {
    bool on = false;
};

// A receive or capture whose adapter went away waits for it to come back
// (`waiting`); once it is open again, with the job's settings, under
// `portName` (another device name where the system gave it one), the job
// goes on (`waiting` false).
struct WaitingForPort {
    bool waiting = false;
    QString portName;
};

// A receive begins a session: the port has opened (again), or, when the job
// keeps serving, the caliper said FINISH or logged out. Its files go into
// `folder`.
struct SessionStarted {
    QString folder;
};

// A completed transaction of a Kermit receive job: the folder the file went
// to and the 8-bit name. The window sets LastFile and LastDir from them (see
// ReceivedFile.h).
struct TransactionDone {
    QString folder;
    QByteArray name;
};

// The transaction now done answered the peer's remote directory request with
// `text` (8-bit, without its line end); TransactionDone follows.
struct TextAnswered {
    QByteArray text;
};

// A received file did not arrive whole (the sender discarded it) and the job
// goes on; `message` says what became of it, for a warning box that does not
// hold the job up.
struct FileNotReceived {
    QString message;
};

// The sender announced the length of the file now arriving, before its data:
// the window can show the share that has arrived.
struct ReceiveFileAnnounced {
    std::uint64_t length = 0;
};

// A file of a receive job has ended, whole or not, or was refused: one entry
// of the job's file list.
struct FileEnded {
    JobFile file;
};

// A file of a send job has been sent, refused or given up.
struct FileSent {
    SentFile file;
};

}  // namespace report

using JobReport =
    std::variant<report::CapturedText, report::ReceiveFileOpened, report::ReceiveProgress,
                 report::SendProgress, report::NoAnswerYet, report::JobOver, report::CtsChanged,
                 report::WaitingForPort, report::SessionStarted, report::TransactionDone,
                 report::TextAnswered, report::FileNotReceived, report::ReceiveFileAnnounced,
                 report::FileEnded, report::FileSent>;
