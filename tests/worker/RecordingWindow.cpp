#include "RecordingWindow.h"

#include <chrono>

namespace worker_test {

void RecordingWindow::Add(Event e) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(std::move(e));
    }
    added_.notify_all();
}

void RecordingWindow::OnCapturedText(const QByteArray& piece) {
    Add({664, "piece", 0, piece, {}, {}});
}

void RecordingWindow::OnReceiveFileOpened(const QByteArray& name) {
    Add({665, "open", 0, name, {}, {}});
}

void RecordingWindow::OnReceiveProgress(std::uint32_t bytes) {
    Add({665, "progress", bytes, {}, {}, {}});
}

void RecordingWindow::OnSendProgress(std::uint32_t bytes) {
    Add({666, "progress", bytes, {}, {}, {}});
}

void RecordingWindow::OnJobOver() {
    if (onJobOver) onJobOver();
    Add({667, "over", 0, {}, {}, {}});
}

void RecordingWindow::OnCtsChanged(int ctsOn) {
    Add({668, "cts", static_cast<std::uint32_t>(ctsOn), {}, {}, {}});
}

void RecordingWindow::OnWaitingForPort(bool waiting, const QString& portName) {
    Add({0, waiting ? "waiting" : "back", 0, {}, portName, {}});
}

void RecordingWindow::OnTransactionDone(const QString& folder, const QByteArray& name) {
    Add({0, "done", 0, name, folder, {}});
}

void RecordingWindow::OnReceiveFileAnnounced(std::uint64_t length) {
    Add({0, "announced", static_cast<std::uint32_t>(length), {}, {}, {}});
}

void RecordingWindow::OnFileEnded(const JobFile& file) {
    Add({0, "file", static_cast<std::uint32_t>(file.fate), file.path.toUtf8(), {}, {}});
}

void RecordingWindow::ShowMessage(const QString& text, MessageIcon icon) {
    Add({0, "box", 0, {}, text, icon});
}

JobWindow::Overwrite RecordingWindow::AskOverwrite(const QString& text, const QString& path) {
    Add({0, "overwrite?", 0, path.toUtf8(), text, MessageIcon::Question});
    return overwriteAnswer;
}

std::optional<QString> RecordingWindow::AskSaveAs(const QString& path) {
    Add({0, "saveas?", 0, path.toUtf8(), {}, {}});
    return std::nullopt;
}

std::vector<Event> RecordingWindow::Events() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
}

std::vector<Event> RecordingWindow::EventsOf(int message) const {
    std::vector<Event> found;
    for (const Event& e : Events())
        if (e.message == message) found.push_back(e);
    return found;
}

std::vector<Event> RecordingWindow::Boxes() const {
    std::vector<Event> found;
    for (const Event& e : Events())
        if (e.what == "box") found.push_back(e);
    return found;
}

std::vector<QByteArray> RecordingWindow::Pieces() const {
    std::vector<QByteArray> pieces;
    for (const Event& e : EventsOf(664))
        pieces.push_back(e.bytes);
    return pieces;
}

int RecordingWindow::JobOverCount() const {
    return static_cast<int>(EventsOf(667).size());
}

bool RecordingWindow::WaitFor(const std::function<bool(const std::vector<Event>&)>& done,
                              int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    return added_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [&] { return done(events_); });
}

}  // namespace worker_test
