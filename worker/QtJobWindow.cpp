#include "worker/QtJobWindow.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

QtJobWindow::QtJobWindow(QObject* context, JobWindow& target)
    : context_(context), target_(target) {}

template <typename F>
void QtJobWindow::Post(F call) {
    QObject* context = context_.data();
    if (context == nullptr) return;
    QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
}

// Runs `call` on the window's thread and returns when it has run (or when the
// window went away before it could). On the window's own thread it runs at once.
template <typename F>
void QtJobWindow::Wait(F call) {
    QObject* context = context_.data();
    if (context == nullptr) return;
    if (context->thread() == QThread::currentThread()) {
        call();
        return;
    }
    QMetaObject::invokeMethod(context, std::move(call), Qt::BlockingQueuedConnection);
}

void QtJobWindow::OnCapturedText(const QByteArray& piece) {
    Wait([this, piece] { target_.OnCapturedText(piece); });
}

void QtJobWindow::OnReceiveFileOpened(const QByteArray& name) {
    Post([this, name] { target_.OnReceiveFileOpened(name); });
}

void QtJobWindow::OnReceiveProgress(std::uint32_t bytes) {
    Post([this, bytes] { target_.OnReceiveProgress(bytes); });
}

void QtJobWindow::OnSendProgress(std::uint32_t bytes) {
    Post([this, bytes] { target_.OnSendProgress(bytes); });
}

void QtJobWindow::OnNoAnswerYet() {
    Post([this] { target_.OnNoAnswerYet(); });
}

void QtJobWindow::OnJobOver() {
    Post([this] { target_.OnJobOver(); });
}

void QtJobWindow::OnCtsChanged(int ctsOn) {
    Post([this, ctsOn] { target_.OnCtsChanged(ctsOn); });
}

void QtJobWindow::OnWaitingForPort(bool waiting, const QString& portName) {
    Post([this, waiting, portName] { target_.OnWaitingForPort(waiting, portName); });
}

void QtJobWindow::OnSessionStarted(const QString& folder) {
    Post([this, folder] { target_.OnSessionStarted(folder); });
}

void QtJobWindow::OnTransactionDone(const QString& folder, const QByteArray& name) {
    Post([this, folder, name] { target_.OnTransactionDone(folder, name); });
}

void QtJobWindow::OnTextAnswered(const QByteArray& text) {
    Post([this, text] { target_.OnTextAnswered(text); });
}

void QtJobWindow::OnFileNotReceived(const QString& message) {
    Post([this, message] { target_.OnFileNotReceived(message); });
}

void QtJobWindow::OnReceiveFileAnnounced(std::uint64_t length) {
    Post([this, length] { target_.OnReceiveFileAnnounced(length); });
}

void QtJobWindow::OnFileEnded(const JobFile& file) {
    Post([this, file] { target_.OnFileEnded(file); });
}

void QtJobWindow::OnFileSent(const SentFile& file) {
    Post([this, file] { target_.OnFileSent(file); });
}

void QtJobWindow::ShowMessage(const QString& text, MessageIcon icon) {
    Wait([this, text, icon] { target_.ShowMessage(text, icon); });
}

JobWindow::Overwrite QtJobWindow::AskOverwrite(const QString& text, const QString& path) {
    Overwrite answer = Overwrite::Cancel;
    Wait([this, text, path, &answer] { answer = target_.AskOverwrite(text, path); });
    return answer;
}

std::optional<QString> QtJobWindow::AskSaveAs(const QString& path) {
    std::optional<QString> answer;
    Wait([this, path, &answer] { answer = target_.AskSaveAs(path); });
    return answer;
}
