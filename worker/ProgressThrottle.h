#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include "worker/JobWindow.h"

// Stands between a job and its window and thins out the progress reports:
// the engine reports once a packet, thousands of times a second on a fast
// line, where a window or a terminal needs a few a second. A file's first
// report always goes through at once (it resets the window's texts), then
// at most one report every `interval`. A report held back is delivered
// before anything else reaches the window, so the last count of a file is
// always shown. Everything else (an announced length and a file's end too)
// passes at once and unchanged. Called on the worker
// thread only.
class ProgressThrottle : public JobWindow {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit ProgressThrottle(JobWindow* target,
                              std::chrono::milliseconds interval = std::chrono::milliseconds(50),
                              Clock clock = std::chrono::steady_clock::now);

    void OnCapturedText(const QByteArray& piece) override;
    void OnReceiveFileOpened(const QByteArray& name) override;
    void OnReceiveProgress(std::uint32_t bytes) override;
    void OnSendProgress(std::uint32_t bytes) override;
    void OnNoAnswerYet() override;
    void OnJobOver() override;
    void OnCtsChanged(int ctsOn) override;
    void OnWaitingForPort(bool waiting, const QString& portName) override;
    void OnSessionStarted(const QString& folder) override;
    void OnTransactionDone(const QString& folder, const QByteArray& name) override;
    void OnTextAnswered(const QByteArray& text) override;
    void OnFileNotReceived(const QString& message) override;
    void OnReceiveFileAnnounced(std::uint64_t length) override;
    void OnFileEnded(const JobFile& file) override;
    void OnFileSent(const SentFile& file) override;
    void ShowMessage(const QString& text, MessageIcon icon) override;
    Overwrite AskOverwrite(const QString& text, const QString& path) override;
    std::optional<QString> AskSaveAs(const QString& path) override;

private:
    enum class Kind { Receive, Send };
    void Report(Kind kind, std::uint32_t bytes);
    void Deliver(Kind kind, std::uint32_t bytes);
    // Delivers the report held back, if any.
    void Flush();

    JobWindow* target_;
    std::chrono::milliseconds interval_;
    Clock clock_;
    std::optional<std::chrono::steady_clock::time_point> lastDelivered_;
    std::optional<std::pair<Kind, std::uint32_t>> held_;
};
