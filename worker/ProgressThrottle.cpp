#include "worker/ProgressThrottle.h"

ProgressThrottle::ProgressThrottle(JobWindow* target, std::chrono::milliseconds interval,
                                   Clock clock)
    : target_(target), interval_(interval), clock_(std::move(clock)) {}

void ProgressThrottle::Report(Kind kind, std::uint32_t bytes) {
    const auto now = clock_();
    // 0 and 1 start a file: its first report is never held back.
    const bool first = bytes <= 1;
    if (!first && lastDelivered_ && now - *lastDelivered_ < interval_) {
        held_ = std::make_pair(kind, bytes);
        return;
    }
    // A later count of the same kind makes the held one needless.
    if (held_ && held_->first != kind) Flush();
    held_.reset();
    lastDelivered_ = now;
    Deliver(kind, bytes);
}

void ProgressThrottle::Deliver(Kind kind, std::uint32_t bytes) {
    if (target_ == nullptr) return;
    if (kind == Kind::Receive)
        target_->OnReceiveProgress(bytes);
    else
        target_->OnSendProgress(bytes);
}

void ProgressThrottle::Flush() {
    if (!held_) return;
    const auto [kind, bytes] = *held_;
    held_.reset();
    Deliver(kind, bytes);
}

void ProgressThrottle::OnReceiveProgress(std::uint32_t bytes) {
    Report(Kind::Receive, bytes);
}

void ProgressThrottle::OnSendProgress(std::uint32_t bytes) {
    Report(Kind::Send, bytes);
}

void ProgressThrottle::OnCapturedText(const QByteArray& piece) {
    Flush();
    if (target_ != nullptr) target_->OnCapturedText(piece);
}

void ProgressThrottle::OnReceiveFileOpened(const QByteArray& name) {
    Flush();
    if (target_ != nullptr) target_->OnReceiveFileOpened(name);
}

void ProgressThrottle::OnNoAnswerYet() {
    Flush();
    if (target_ != nullptr) target_->OnNoAnswerYet();
}

void ProgressThrottle::OnJobOver() {
    Flush();
    if (target_ != nullptr) target_->OnJobOver();
}

void ProgressThrottle::OnCtsChanged(int ctsOn) {
    Flush();
    if (target_ != nullptr) target_->OnCtsChanged(ctsOn);
}

void ProgressThrottle::OnWaitingForPort(bool waiting, const QString& portName) {
    Flush();
    if (target_ != nullptr) target_->OnWaitingForPort(waiting, portName);
}

void ProgressThrottle::OnSessionStarted(const QString& folder) {
    Flush();
    if (target_ != nullptr) target_->OnSessionStarted(folder);
}

void ProgressThrottle::OnTransactionDone(const QString& folder, const QByteArray& name) {
    Flush();
    if (target_ != nullptr) target_->OnTransactionDone(folder, name);
}

void ProgressThrottle::OnTextAnswered(const QByteArray& text) {
    Flush();
    if (target_ != nullptr) target_->OnTextAnswered(text);
}

void ProgressThrottle::OnFileNotReceived(const QString& message) {
    Flush();
    if (target_ != nullptr) target_->OnFileNotReceived(message);
}

void ProgressThrottle::OnReceiveFileAnnounced(std::uint64_t length) {
    Flush();
    if (target_ != nullptr) target_->OnReceiveFileAnnounced(length);
}

void ProgressThrottle::OnFileEnded(const JobFile& file) {
    Flush();
    if (target_ != nullptr) target_->OnFileEnded(file);
}

void ProgressThrottle::OnFileSent(const SentFile& file) {
    Flush();
    if (target_ != nullptr) target_->OnFileSent(file);
}

void ProgressThrottle::ShowMessage(const QString& text, MessageIcon icon) {
    Flush();
    if (target_ != nullptr) target_->ShowMessage(text, icon);
}

JobWindow::Overwrite ProgressThrottle::AskOverwrite(const QString& text, const QString& path) {
    Flush();
    return target_ != nullptr ? target_->AskOverwrite(text, path) : Overwrite::Cancel;
}

std::optional<QString> ProgressThrottle::AskSaveAs(const QString& path) {
    Flush();
    return target_ != nullptr ? target_->AskSaveAs(path) : std::nullopt;
}
