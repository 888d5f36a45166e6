#include "worker/QtReportRelay.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

QtReportRelay::QtReportRelay(QObject* context, JobReportSink& target)
    : context_(context), target_(target) {}

template <typename F>
void QtReportRelay::Post(F call) {
    QObject* context = context_.data();
    if (context == nullptr) return;
    QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
}

// Runs `call` on the window's thread and returns when it has run (or when the
// window went away before it could). On the window's own thread it runs at once.
template <typename F>
void QtReportRelay::Wait(F call) {
    QObject* context = context_.data();
    if (context == nullptr) return;
    if (context->thread() == QThread::currentThread()) {
        call();
        return;
    }
    QMetaObject::invokeMethod(context, std::move(call), Qt::BlockingQueuedConnection);
}

// The worker reads the next byte of a capture only once the window has taken
// the piece before it.
void QtReportRelay::Report(const JobReport& report) {
    if (std::holds_alternative<report::CapturedText>(report))
        Wait([this, report] { target_.Report(report); });
    else
        Post([this, report] { target_.Report(report); });
}

void QtReportRelay::ShowMessage(const QString& text, MessageIcon icon) {
    Wait([this, text, icon] { target_.ShowMessage(text, icon); });
}

JobReportSink::Overwrite QtReportRelay::AskOverwrite(const QString& text, const QString& path) {
    Overwrite answer = Overwrite::Cancel;
    Wait([this, text, path, &answer] { answer = target_.AskOverwrite(text, path); });
    return answer;
}

std::optional<QString> QtReportRelay::AskSaveAs(const QString& path) {
    std::optional<QString> answer;
    Wait([this, path, &answer] { answer = target_.AskSaveAs(path); });
    return answer;
}
