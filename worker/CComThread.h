#pragma once

#include <QString>
#include <QThread>

#include <atomic>
#include <memory>
#include <mutex>

#include "app/EditorLauncher.h"
#include "worker/AutoResetEvent.h"
#include "worker/JobLink.h"
#include "worker/JobReportSink.h"
#include "worker/JobTexts.h"
#include "worker/Jobs.h"
#include "worker/WorkerJob.h"

// The worker of one job: a thread with its own event loop that runs exactly
// one job on the serial line and then ends.
//
// The window that shows the job creates it (the thread starts at once),
// posts the job with PostJob, and keeps the object until the thread has
// finished. To stop the job it runs the stop sequence, Stop()
// (or RequestStop, EndThread and WaitUntilFinished one by one); the wait
// keeps serving the caller's events, so a piece of captured text or a
// message box the worker is waiting on is still handled.
class CComThread {
public:
    // `texts` are the job's interface texts, copied now.
    explicit CComThread(const JobTexts& texts);
    // Runs the stop sequence if the thread is still running.
    ~CComThread();

    CComThread(const CComThread&) = delete;
    CComThread& operator=(const CComThread&) = delete;

    // The link object of the running job; none outside a job.
    std::atomic<JobLink*> link{nullptr};
    // Signalled at the end of a job and by the stop sequence.
    AutoResetEvent endEvent{true};

    // Starts the editor on received text files; tests put their own here.
    EditorLauncher editor = StartEditor;

    // Posts a copy of `job` to the worker's thread, where it runs. `sink`
    // receives every report and question of the job; it may be none (nothing
    // is shown then). The thread runs the first job posted and then ends; a job posted
    // after it is never run.
    void PostJob(const WorkerJob& job, JobReportSink* sink);

    // Clears the run flag (whether or not the job has opened its port yet)
    // and signals endEvent. Safe from any thread at any time, also while the
    // worker destroys its link. Returns whether signalling succeeded.
    bool RequestStop(StopCause cause = StopCause::User);
    // Why the job was stopped; StopCause::User when it was not.
    StopCause stopCause() const { return stopCause_; }

    // The rest of the stop sequence: signals endEvent once more and asks the
    // thread's event loop to end.
    void EndThread();

    // Waits until the thread has ended, serving the calling thread's events
    // meanwhile. Returns at once when it has already ended.
    void WaitUntilFinished();

    // RequestStop, EndThread, WaitUntilFinished.
    void Stop();

    bool isFinished() const { return thread_.isFinished(); }
    QThread* thread() { return &thread_; }

    // How the job ended and the engine's last status text; read them once
    // the thread has finished.
    JobOutcome outcome() const { return outcome_; }
    QString statusText() const;
    // The file a failure concerns, as the user knows it; empty when none.
    QString failedFile() const;

private:
    // What PostJob hands to the worker's thread.
    struct PostedJob {
        WorkerJob job;
        JobReportSink* sink = nullptr;
        EditorLauncher editor;
    };
    class JobEvent;     // carries a PostedJob across the threads
    class JobReceiver;  // lives on the worker thread and runs the job it gets

    // Runs `posted` on the worker thread.
    void RunJob(const PostedJob& posted);

    // Guards the job's results, which the window reads from its own thread.
    mutable std::mutex handOver_;
    std::atomic<int> runFlag_{1};                        // outlives every link; never set back to 1
    std::atomic<StopCause> stopCause_{StopCause::User};  // set before runFlag_ is cleared
    QThread thread_;
    std::unique_ptr<QObject> receiver_;  // a JobReceiver
    const JobTexts texts_;
    std::atomic<JobOutcome> outcome_{JobOutcome::None};
    QString statusText_;
    QString failedFile_;
};
