#pragma once

#include <QPointer>

#include "worker/JobReportSink.h"

class QObject;

// Hands the worker's calls over to a window that lives on another thread
// (normally the user-interface thread). `target` is a sink whose methods run
// on the thread of `context`, the window object: reports are queued (the
// note on a file that did not arrive whole too: the sender's next file of a
// batch must not wait for its box), captured text and the questions wait
// until the window has answered. The window must keep serving events while
// it waits for the worker (CComThread::WaitUntilFinished does), or those
// waits would never end.
//
// Once `context` is destroyed, reports are dropped, a message box counts as
// closed, questions are answered Cancel and Save As with nothing.
class QtReportRelay : public JobReportSink {
public:
    QtReportRelay(QObject* context, JobReportSink& target);

    void Report(const JobReport& report) override;
    void ShowMessage(const QString& text, MessageIcon icon) override;
    Overwrite AskOverwrite(const QString& text, const QString& path) override;
    std::optional<QString> AskSaveAs(const QString& path) override;

private:
    template <typename F>
    void Post(F call);
    template <typename F>
    void Wait(F call);

    QPointer<QObject> context_;
    JobReportSink& target_;
};
