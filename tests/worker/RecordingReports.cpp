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

namespace {

// What is recorded of a report; nothing for the kinds a window does not show.
template <typename Kind>
std::optional<Event> Recorded(const Kind&) {
    return std::nullopt;
}

std::optional<Event> Recorded(const report::CapturedText& captured) {
    return Event{664, "piece", 0, captured.piece, {}, {}};
}

std::optional<Event> Recorded(const report::ReceiveFileOpened& opened) {
    return Event{665, "open", 0, opened.name, {}, {}};
}

std::optional<Event> Recorded(const report::ReceiveProgress& progress) {
    return Event{665, "progress", progress.bytes, {}, {}, {}};
}

std::optional<Event> Recorded(const report::SendProgress& progress) {
    return Event{666, "progress", progress.bytes, {}, {}, {}};
}

std::optional<Event> Recorded(const report::JobOver&) {
    return Event{667, "over", 0, {}, {}, {}};
}

std::optional<Event> Recorded(const report::CtsChanged& cts) {
    return Event{668, "cts", cts.on ? 1u : 0u, {}, {}, {}};
}

std::optional<Event> Recorded(const report::WaitingForPort& wait) {
    return Event{0, wait.waiting ? "waiting" : "back", 0, {}, wait.portName, {}};
}

std::optional<Event> Recorded(const report::TransactionDone& done) {
    return Event{0, "done", 0, done.name, done.folder, {}};
}

std::optional<Event> Recorded(const report::ReceiveFileAnnounced& announced) {
    return Event{0, "announced", static_cast<std::uint32_t>(announced.length), {}, {}, {}};
}

std::optional<Event> Recorded(const report::FileEnded& ended) {
    const JobFile& file = ended.file;
    return Event{0, "file", static_cast<std::uint32_t>(file.fate), file.path.toUtf8(), {}, {}};
}

}  // namespace

void RecordingReports::Report(const JobReport& report) {
    if (const auto* note = std::get_if<report::FileNotReceived>(&report)) {
        ShowMessage(note->message, MessageIcon::Warning);
        return;
    }
    if (std::holds_alternative<report::JobOver>(report) && onJobOver) onJobOver();
    const std::optional<Event> event =
        std::visit([](const auto& kind) { return Recorded(kind); }, report);
    if (event) Add(*event);
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
