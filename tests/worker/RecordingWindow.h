#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "worker/JobWindow.h"

namespace worker_test {

// One message of a job as the window got it.
struct Event {
    // What the report means, by number: 664 captured text, 665 a file
    // received (opened or progress), 666 send progress, 667 the job is over,
    // 668 CTS changed; 0 for the others.
    int message = 0;
    std::string what;  // "open", "progress", "done", "box", "piece", ...
    std::uint32_t value = 0;
    QByteArray bytes;  // a name or a piece of text
    QString text;      // a folder or a message box text
    MessageIcon icon = MessageIcon::Information;
};

// A job window that records everything, on the worker thread, and answers
// the questions as told.
class RecordingWindow : public JobWindowBase {
public:
    void OnCapturedText(const QByteArray& piece) override;
    void OnReceiveFileOpened(const QByteArray& name) override;
    void OnReceiveProgress(std::uint32_t bytes) override;
    void OnSendProgress(std::uint32_t bytes) override;
    void OnJobOver() override;
    void OnCtsChanged(int ctsOn) override;
    // "waiting" or "back" with the port.
    void OnWaitingForPort(bool waiting, const QString& portName) override;
    void OnTransactionDone(const QString& folder, const QByteArray& name) override;
    // "announced" with the length; "file" with the fate and the path.
    void OnReceiveFileAnnounced(std::uint64_t length) override;
    void OnFileEnded(const JobFile& file) override;
    void ShowMessage(const QString& text, MessageIcon icon) override;
    Overwrite AskOverwrite(const QString& text, const QString& path) override;
    std::optional<QString> AskSaveAs(const QString& path) override;

    std::vector<Event> Events() const;
    std::vector<Event> EventsOf(int message) const;
    std::vector<Event> Boxes() const;
    std::vector<QByteArray> Pieces() const;
    int JobOverCount() const;
    // Waits until `done` holds for the recorded events, or `timeoutMs` passed.
    bool WaitFor(const std::function<bool(const std::vector<Event>&)>& done, int timeoutMs);

    Overwrite overwriteAnswer = Overwrite::Yes;
    std::function<void()> onJobOver;  // runs inside OnJobOver, on the worker thread

private:
    void Add(Event e);

    mutable std::mutex mutex_;
    std::condition_variable added_;
    std::vector<Event> events_;
};

}  // namespace worker_test
