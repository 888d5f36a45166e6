#pragma once

#include <QString>

#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>

#include "cli/CliOptions.h"
#include "worker/JobReportSink.h"
#include "worker/ReceiveShare.h"

// Where the jobs of corvix-cli report, in place of a window: progress on
// standard error when it is a terminal, message boxes as "corvix-cli: <text>"
// lines there too, captured text to a file, the overwrite question on the
// terminal, and at the end of a send or receive, on standard output, what
// became of each file with their count. Called on the worker thread.
class ConsoleReports : public HandlesReports<ConsoleReports> {
public:
    ConsoleReports(const CliOptions& options, std::FILE* captureOut);

    // Asks the job to stop; set before the job starts.
    std::function<void()> requestStop;
    // Set when the program is stopping: a pending question gives up.
    std::atomic<bool> stopping{false};

    void ShowMessage(const QString& text, MessageIcon icon) override;
    Overwrite AskOverwrite(const QString& text, const QString& path) override;
    std::optional<QString> AskSaveAs(const QString& path) override;

    bool outputFailed() const { return outputFailed_; }
    // Why the captured text could not be written; set once outputFailed().
    QString outputError() const { return outputFailed_ ? outputError_ : QString(); }
    // Ends a progress line that is still open.
    void EndProgressLine();

private:
    // HandlesReports hands each report to the On for its kind.
    friend class HandlesReports<ConsoleReports>;
    using HandlesReports::On;

    // A question on the terminal.
    QString ReadAnswer(const QString& prompt);

    // The reports it shows, each beside what it uses; the CTS line it does
    // not show.
    void On(const report::CapturedText& captured);
    // Progress, on one line that each report writes over.
    void On(const report::ReceiveFileOpened& opened);
    void On(const report::ReceiveFileAnnounced& announced);
    void On(const report::ReceiveProgress& progress);
    void On(const report::SendProgress& progress);
    void Progress(const QString& line);
    void SendProgress(std::uint32_t bytes, qint64 size);
    // Messages, also with --quiet.
    void On(const report::NoAnswerYet&);
    void On(const report::WaitingForPort& wait);
    // What became of the files: a line for each as it ends, --count, and
    // the list at the end.
    void On(const report::SessionStarted& session);
    void On(const report::TextAnswered& answered);
    void On(const report::TransactionDone& done);
    void On(const report::FileNotReceived& note);
    void CountFile();
    void On(const report::FileEnded& ended);
    void On(const report::FileSent& sent);
    void On(const report::JobOver&);
    void PrintFileList();
    QStringList FileLines() const;

    const CliOptions& options_;
    std::FILE* captureOut_;
    QList<qint64> sendSizes_;  // a send: the length of each file, in order
    QList<SentFile> sent_;     // a send: the files, as they ended
    bool showProgress_;
    bool progressOpen_ = false;
    QString receiving_;
    ReceiveShare share_;    // the file under way, when its length was announced
    QList<JobFile> files_;  // the files of a receive job, as they ended
    struct Session {
        QString folder;
        qsizetype firstFile = 0;  // its first entry of files_
    };
    QList<Session> sessions_;  // the sessions of a receive job
    bool fileOpened_ = false;  // a file came in the transaction under way
    QString answered_;         // the transaction under way: the text it answered with
    std::atomic<bool> hinted_{false};
    QString outputError_;  // written before outputFailed_ is set
    std::atomic<bool> outputFailed_{false};
    std::atomic<int> transactions_{0};
    std::mutex mutex_;
};

// What a finished transaction prints: "done: <folder>/<name>" for a file
// received, "the caliper logged out" for a logout, "served: <path>" for a
// request answered.
QString TransactionLine(const QString& folder, const QByteArray& name, bool fileReceived);

// One line of a send's file list: "PATH: 2193 bytes, sent" and the like.
QString SentFileLine(const SentFile& file);

// Writes "corvix-cli: <line>" on standard error for each line of `text`.
void PrintMessage(const QString& text);
