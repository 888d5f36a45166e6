#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

#include "app/MessageSink.h"
#include "kermit/KermitObserver.h"

// The window that shows a job (or the command line standing in for one), as
// the worker sees it: one method per window message of the job, plus the
// questions and message boxes the job puts to the user.
//
// Every method is called on the worker thread. An implementation whose
// window lives on another thread hands each call over to that thread itself
// (QtJobWindow does that for QObject-based windows). Methods that return an
// answer, and OnCapturedText, block the worker until the window has handled
// them; the others are notifications and may be queued.
class JobWindow {
public:
    // The answer to "File exists, overwrite?" goes to the engine as it is.
    using Overwrite = kermit::KermitObserver::Overwrite;

    virtual ~JobWindow() = default;

    // WM_USER+664: one piece of captured text, 1 to 511 bytes exactly as they
    // came: a line ending with its LF, or 511 bytes of a longer line. A zero
    // byte may occur; a window that treats the piece as C text ends it there.
    // The worker reads the next byte only after this returns.
    virtual void OnCapturedText(const QByteArray& piece) = 0;

    // WM_USER+665, wParam 0: a file has been opened for receiving under this
    // 8-bit name.
    virtual void OnReceiveFileOpened(const QByteArray& name) = 0;
    // WM_USER+665: bytes received so far into the current file.
    virtual void OnReceiveProgress(std::uint32_t bytes) = 0;
    // WM_USER+666: bytes of the file sent before the data packet now going out.
    virtual void OnSendProgress(std::uint32_t bytes) = 0;
    // A send has waited ten seconds for the caliper's first answer and goes
    // on waiting: the window adds a hint (the caliper's receive function,
    // the same baud rate on both sides). Comes at most once a job.
    virtual void OnNoAnswerYet() {}
    // WM_USER+667: the job is over (success, failure or stop). The port is
    // closed by then. A capture stopped by its window does not send it.
    virtual void OnJobOver() = 0;
    // WM_USER+668: the CTS line changed; ctsOn is 1 when it is on.
    virtual void OnCtsChanged(int ctsOn) = 0;

    // A completed transaction of a Kermit receive job: the folder the file
    // went to and the 8-bit name. The window sets LastFile and LastDir from
    // them (see ReceivedFile.h).
    virtual void OnTransactionDone(const QString& folder, const QByteArray& name) = 0;

    // The transaction now done answered the peer's remote directory request
    // with `text` (8-bit, without its line end); OnTransactionDone follows.
    virtual void OnTextAnswered(const QByteArray& text) { (void)text; }

    // A received file did not arrive whole (the sender discarded it) and the
    // job goes on; `message` says what became of it. A message box unless
    // the window shows it otherwise.
    virtual void OnFileNotReceived(const QString& message) {
        ShowMessage(message, MessageIcon::Warning);
    }

    // A message box with the application's title as caption; returns when
    // the user has closed it.
    virtual void ShowMessage(const QString& text, MessageIcon icon) = 0;
    // "File exists, overwrite?" with Yes, No and Cancel, for the file `path`.
    virtual Overwrite AskOverwrite(const QString& text, const QString& path) = 0;
    // Save As, preset with `path`; the chosen path or nothing when cancelled.
    virtual std::optional<QString> AskSaveAs(const QString& path) = 0;
};
