#include "worker/ProgressThrottle.h"

ProgressThrottle::ProgressThrottle(JobReportSink* target, std::chrono::milliseconds interval,
                                   Clock clock)
    : target_(target), interval_(interval), clock_(std::move(clock)) {}

void ProgressThrottle::Report(const JobReport& report) {
    if (const auto* received = std::get_if<report::ReceiveProgress>(&report)) {
        Count(report, received->bytes);
        return;
    }
    if (const auto* sent = std::get_if<report::SendProgress>(&report)) {
        Count(report, sent->bytes);
        return;
    }
    Flush();
    Pass(report);
}

void ProgressThrottle::Count(const JobReport& progress, std::uint32_t bytes) {
    const auto now = clock_();
    // 0 and 1 start a file: its first report is never held back.
    const bool first = bytes <= 1;
    if (!first && lastDelivered_ && now - *lastDelivered_ < interval_) {
        held_ = progress;
        return;
    }
    // A later count of the same kind makes the held one needless.
    if (held_ && held_->index() != progress.index()) Flush();
    held_.reset();
    lastDelivered_ = now;
    Pass(progress);
}

void ProgressThrottle::Flush() {
    if (!held_) return;
    const JobReport held = *held_;
    held_.reset();
    Pass(held);
}

void ProgressThrottle::Pass(const JobReport& report) {
    if (target_ != nullptr) target_->Report(report);
}

void ProgressThrottle::ShowMessage(const QString& text, MessageIcon icon) {
    Flush();
    if (target_ != nullptr) target_->ShowMessage(text, icon);
}

JobReportSink::Overwrite ProgressThrottle::AskOverwrite(const QString& text, const QString& path) {
    Flush();
    return target_ != nullptr ? target_->AskOverwrite(text, path) : Overwrite::Cancel;
}

std::optional<QString> ProgressThrottle::AskSaveAs(const QString& path) {
    Flush();
    return target_ != nullptr ? target_->AskSaveAs(path) : std::nullopt;
}
