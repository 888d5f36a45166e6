#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include "worker/JobReportSink.h"

// Stands between a job and its window and thins out the progress reports:
// the engine reports once a packet, thousands of times a second on a fast
// line, where a window or a terminal needs a few a second. A file's first
// report always goes through at once (it resets the window's texts), then
// at most one report every `interval`. A report held back is delivered
// before anything else reaches the window, so the last count of a file is
// always shown. Every other report (an announced length and a file's end
// too) and every question passes at once and unchanged. Called on the worker
// thread only.
class ProgressThrottle : public JobReportSink {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit ProgressThrottle(JobReportSink* target,
                              std::chrono::milliseconds interval = std::chrono::milliseconds(50),
                              Clock clock = std::chrono::steady_clock::now);

    void Report(const JobReport& report) override;
    void ShowMessage(const QString& text, MessageIcon icon) override;
    Overwrite AskOverwrite(const QString& text, const QString& path) override;
    std::optional<QString> AskSaveAs(const QString& path) override;

private:
    // A receive's or a send's progress; held back or delivered.
    void Count(const JobReport& progress, std::uint32_t bytes);
    // Delivers the report held back, if any.
    void Flush();
    // Hands a report on to the window, if there is one.
    void Pass(const JobReport& report);

    JobReportSink* target_;
    std::chrono::milliseconds interval_;
    Clock clock_;
    std::optional<std::chrono::steady_clock::time_point> lastDelivered_;
    std::optional<JobReport> held_;
};
