#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

#include "app/MessageSink.h"
#include "kermit/KermitObserver.h"
#include "worker/JobFile.h"

// The window that shows a job (or the command line standing in for one), as
// the worker sees it: one method per report of the job, plus the questions
// and message boxes the job puts to the user.
//
// Every method is called on the worker thread. An implementation whose
// window lives on another thread hands each call over to that thread itself
// (QtJobWindow does that for QObject-based windows). Methods that return an
// answer, and OnCapturedText, block the worker until the window has handled
// them; the others are notifications and may be queued.
//
// Every method is abstract, so that whatever stands between the worker and a
// window (QtJobWindow, ProgressThrottle) passes on each one; a window derives
// from JobWindowBase and writes only the reports it shows.
class JobWindow {
public:
    // The answer to "File exists, overwrite?" goes to the engine as it is.
    using Overwrite = kermit::KermitObserver::Overwrite;

    virtual ~JobWindow() = default;

    // A capture: one piece of captured text, 1 to 511 bytes exactly as they
    // came: a line ending with its LF, or 511 bytes of a longer line. A zero
    // byte may occur; a window that treats the piece as C text ends it there.
    // The worker reads the next byte only after this returns.
    virtual void OnCapturedText(const QByteArray& piece) = 0;

    // A receive has opened a file under this 8-bit name.
    virtual void OnReceiveFileOpened(const QByteArray& name) = 0;
    // Bytes received so far into the current file.
    virtual void OnReceiveProgress(std::uint32_t bytes) = 0;
    // Bytes of the file sent before the data packet now going out; 0 or 1
    // when a file starts.
    virtual void OnSendProgress(std::uint32_t bytes) = 0;
    // A send has waited ten seconds for the caliper's first answer and goes
    // on waiting: the window adds a hint (the caliper's receive function,
    // the same baud rate on both sides). Comes at most once a job.
    virtual void OnNoAnswerYet() = 0;
    // The job is over (success, failure or stop). The port is closed by
    // then. A capture stopped by its window does not report it.
    virtual void OnJobOver() = 0;
    // The CTS line changed; ctsOn is 1 when it is on.
    virtual void OnCtsChanged(int ctsOn) = 0;
    // A receive or capture whose adapter went away waits for it to come back
    // (`waiting`); once it is open again, with the job's settings, under
    // `portName` (another device name where the system gave it one), the job
    // goes on (`waiting` false).
    virtual void OnWaitingForPort(bool waiting, const QString& portName) = 0;
    // A receive begins a session: the port has opened (again), or, when the
    // job keeps serving, the caliper said FINISH or logged out. Its files go
    // into `folder`.
    virtual void OnSessionStarted(const QString& folder) = 0;

    // A completed transaction of a Kermit receive job: the folder the file
    // went to and the 8-bit name. The window sets LastFile and LastDir from
    // them (see ReceivedFile.h).
    virtual void OnTransactionDone(const QString& folder, const QByteArray& name) = 0;

    // The transaction now done answered the peer's remote directory request
    // with `text` (8-bit, without its line end); OnTransactionDone follows.
    virtual void OnTextAnswered(const QByteArray& text) = 0;

    // A received file did not arrive whole (the sender discarded it) and the
    // job goes on; `message` says what became of it.
    virtual void OnFileNotReceived(const QString& message) = 0;

    // The sender announced the length of the file now arriving, before its
    // data: the window can show the share that has arrived.
    virtual void OnReceiveFileAnnounced(std::uint64_t length) = 0;
    // A file of a receive job has ended, whole or not, or was refused: one
    // entry of the job's file list.
    virtual void OnFileEnded(const JobFile& file) = 0;

    // A file of a send job has been sent, refused or given up.
    virtual void OnFileSent(const SentFile& file) = 0;
    // A message box with the application's title as caption; returns when
    // the user has closed it.
    virtual void ShowMessage(const QString& text, MessageIcon icon) = 0;
    // "File exists, overwrite?" with Yes, No and Cancel, for the file `path`.
    virtual Overwrite AskOverwrite(const QString& text, const QString& path) = 0;
    // Save As, preset with `path`; the chosen path or nothing when cancelled.
    // A chosen file that exists has been asked about (the receiver replaces
    // it without asking again): no question is skipped.
    virtual std::optional<QString> AskSaveAs(const QString& path) = 0;
};

// What a window does with a report it does not show: nothing; with a file
// that did not arrive whole: a message box (a warning); with a question it
// cannot ask: the answer that keeps what exists (Cancel, no file). Each
// window shows the end of the job and message boxes its own way.
class JobWindowBase : public JobWindow {
public:
    void OnCapturedText(const QByteArray&) override {}
    void OnReceiveFileOpened(const QByteArray&) override {}
    void OnReceiveProgress(std::uint32_t) override {}
    void OnSendProgress(std::uint32_t) override {}
    void OnNoAnswerYet() override {}
    void OnCtsChanged(int) override {}
    void OnWaitingForPort(bool, const QString&) override {}
    void OnSessionStarted(const QString&) override {}
    void OnTransactionDone(const QString&, const QByteArray&) override {}
    void OnTextAnswered(const QByteArray&) override {}
    void OnFileNotReceived(const QString& message) override {
        ShowMessage(message, MessageIcon::Warning);
    }
    void OnReceiveFileAnnounced(std::uint64_t) override {}
    void OnFileEnded(const JobFile&) override {}
    void OnFileSent(const SentFile&) override {}
    Overwrite AskOverwrite(const QString&, const QString&) override { return Overwrite::Cancel; }
    std::optional<QString> AskSaveAs(const QString&) override { return std::nullopt; }
};
