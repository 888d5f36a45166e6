#pragma once

#include <QPointer>

#include "worker/JobWindow.h"

class QObject;

// Hands the worker's calls over to a window that lives on another thread
// (normally the user-interface thread). `target` implements JobWindow with
// plain methods that run on the thread of `context`, the window object:
// notifications are queued (the note on a file that did not arrive whole
// too: the sender's next file of a batch must not wait for its box), captured
// text and the questions wait until the window has answered. The window must keep serving events
// while it waits for the worker (CComThread::WaitUntilFinished does), or those waits would never
// end.
//
// Once `context` is destroyed, notifications are dropped, a message box
// counts as closed, questions are answered Cancel and Save As with nothing.
class QtJobWindow : public JobWindow {
public:
    QtJobWindow(QObject* context, JobWindow& target);

    void OnCapturedText(const QByteArray& piece) override;
    void OnReceiveFileOpened(const QByteArray& name) override;
    void OnReceiveProgress(std::uint32_t bytes) override;
    void OnSendProgress(std::uint32_t bytes) override;
    void OnNoAnswerYet() override;
    void OnJobOver() override;
    void OnCtsChanged(int ctsOn) override;
    void OnWaitingForPort(bool waiting, const QString& portName) override;
    void OnSessionStarted(const QString& folder) override;
    void OnTransactionDone(const QString& folder, const QByteArray& name) override;
    void OnTextAnswered(const QByteArray& text) override;
    void OnFileNotReceived(const QString& message) override;
    void OnReceiveFileAnnounced(std::uint64_t length) override;
    void OnFileEnded(const JobFile& file) override;
    void OnFileSent(const SentFile& file) override;
    void ShowMessage(const QString& text, MessageIcon icon) override;
    Overwrite AskOverwrite(const QString& text, const QString& path) override;
    std::optional<QString> AskSaveAs(const QString& path) override;

private:
    template <typename F>
    void Post(F call);
    template <typename F>
    void Wait(F call);

    QPointer<QObject> context_;
    JobWindow& target_;
};
