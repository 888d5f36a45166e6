#include "RecordingReports.h"

#include <chrono>

namespace worker_test {

void RecordingReports::Add(Event e) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(std::move(e));
    }
    added_.notify_all();
}

void RecordingReports::On(const report::CapturedText& captured) {
    Add({664, "piece", 0, captured.piece, {}, {}});
}

void RecordingReports::On(const report::ReceiveFileOpened& opened) {
    Add({665, "open", 0, opened.name, {}, {}});
}

void RecordingReports::On(const report::ReceiveProgress& progress) {
    Add({665, "progress", progress.bytes, {}, {}, {}});
}

void RecordingReports::On(const report::SendProgress& progress) {
    Add({666, "progress", progress.bytes, {}, {}, {}});
}

void RecordingReports::On(const report::JobOver&) {
    if (onJobOver) onJobOver();
    Add({667, "over", 0, {}, {}, {}});
}

void RecordingReports::On(const report::CtsChanged& cts) {
    Add({668, "cts", cts.on ? 1u : 0u, {}, {}, {}});
}

void RecordingReports::On(const report::WaitingForPort& wait) {
    Add({0, wait.waiting ? "waiting" : "back", 0, {}, wait.portName, {}});
}

void RecordingReports::On(const report::TransactionDone& done) {
    Add({0, "done", 0, done.name, done.folder, {}});
}

void RecordingReports::On(const report::FileNotReceived& note) {
    ShowMessage(note.message, MessageIcon::Warning);
}

void RecordingReports::On(const report::ReceiveFileAnnounced& announced) {
    Add({0, "announced", static_cast<std::uint32_t>(announced.length), {}, {}, {}});
}

void RecordingReports::On(const report::FileEnded& ended) {
    const JobFile& file = ended.file;
    Add({0, "file", static_cast<std::uint32_t>(file.fate), file.path.toUtf8(), {}, {}});
}

void RecordingReports::ShowMessage(const QString& text, MessageIcon icon) {
    Add({0, "box", 0, {}, text, icon});
}

JobReportSink::Overwrite RecordingReports::AskOverwrite(const QString& text, const QString& path) {
    Add({0, "overwrite?", 0, path.toUtf8(), text, MessageIcon::Question});
    return overwriteAnswer;
}

std::optional<QString> RecordingReports::AskSaveAs(const QString& path) {
    Add({0, "saveas?", 0, path.toUtf8(), {}, {}});
    return std::nullopt;
}

std::vector<Event> RecordingReports::Events() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

std::vector<Event> RecordingReports::EventsOf(int message) const {
    std::vector<Event> found;
    for (const Event& e : Events())
        if (e.message == message) found.push_back(e);
    return found;
}

std::vector<Event> RecordingReports::Boxes() const {
    std::vector<Event> found;
    for (const Event& e : Events())
        if (e.what == "box") found.push_back(e);
    return found;
}

std::vector<QByteArray> RecordingReports::Pieces() const {
    std::vector<QByteArray> pieces;
    for (const Event& e : EventsOf(664))
        pieces.push_back(e.bytes);
    return pieces;
}

int RecordingReports::JobOverCount() const {
    return static_cast<int>(EventsOf(667).size());
}

bool RecordingReports::WaitFor(const std::function<bool(const std::vector<Event>&)>& done,
                               int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    return added_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return done(events_); });
}

}  // namespace worker_test
