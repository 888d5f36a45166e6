#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "worker/JobReportSink.h"

namespace worker_test {

// One message of a job as the sink got it.
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

// A sink that records the reports a window shows, on the worker thread,
// and answers the questions as told. Recorded are the captured pieces, the
// progress ("open", "progress"), the job's end ("over"), the CTS line
// ("cts"), a port's wait ("waiting" or "back" with the port), a transaction
// ("done"), an announced length ("announced"), a file's end ("file" with the
// fate and the path), and a file not received as a "box" with a warning, as
// a window shows it.
class RecordingReports : public JobReportSink {
public:
    void Report(const JobReport& report) override;
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
    std::function<void()> onJobOver;  // runs as the job's end is recorded, on the worker thread

private:
    void Add(Event e);

    mutable std::mutex mutex_;
    std::condition_variable added_;
    std::vector<Event> events_;
};

}  // namespace worker_test
