#pragma once

#include <QString>

#include <atomic>
#include <memory>

#include "app/EditorLauncher.h"
#include "serial/PortReturn.h"
#include "worker/AutoResetEvent.h"
#include "worker/JobLink.h"
#include "worker/JobReportSink.h"
#include "worker/JobTexts.h"
#include "worker/WorkerJob.h"

// How a job ended.
enum class JobOutcome {
    None,        // no job has run
    Succeeded,   // a send went through
    Stopped,     // stopped by the user (a receive or capture always ends so)
    Failed,      // the transfer failed; statusText says why
    PortFailed,  // "ERROR: Comport!", the port and why
    FileFailed,  // a file could not be read or written
    LineLost,    // the device went away during the job
};

// Everything one job works with, taken from its worker when the job starts.
struct JobRun {
    const WorkerJob& job;           // as it was posted; job.path is the start path
    JobReportSink* sink = nullptr;  // where the reports go; none: nowhere
    const JobTexts& texts;
    std::atomic<int>& runFlag;
    const std::atomic<StopCause>& stopCause;
    std::atomic<JobLink*>& link;
    AutoResetEvent& endEvent;
    const EditorLauncher& editor;

    JobOutcome outcome = JobOutcome::None;
    QString statusText;               // the engine's status text at the end, trimmed
    QString failedFile;               // the file a failure concerns, as the user knows it
    QString portName;                 // the port as it was last opened
    serial::AdapterIdentity adapter;  // what it was then, to know it again

    // The link object of the job, published in `link` while it exists.
    std::unique_ptr<JobLink> CreateLink();
    void OpenPacketLog(JobLink& owned) const;
    // Tells the peer why a transfer still under way ends (the user's or a
    // signal's stop, a failure), destroys the link (closing the port) and
    // clears `link`.
    void DestroyLink(std::unique_ptr<JobLink>& owned);
    // The common end: link destroyed, endEvent signalled, the window told
    // with report::JobOver.
    void EndJob(std::unique_ptr<JobLink>& owned);
    // Opens the port; on failure shows "ERROR: Comport!" with the port and
    // why, and returns false.
    bool OpenPort(JobLink& link);
    // The adapter went away under a receive or capture still meant to run:
    // destroys the link (closing the port), tells the window, and waits
    // until the same adapter is back and opens with the job's settings
    // (true, a new link in `owned`) or the job is stopped (false, no link).
    bool AwaitPortReturn(std::unique_ptr<JobLink>& owned);
    // A report, and a message box, when there is a window to show them.
    void Report(const JobReport& report) const;
    void Show(const QString& text, MessageIcon icon) const;
    // Sorts out how a Kermit call that returned failure ended.
    void SetFailureOutcome(const JobLink& link);
    // Why a Kermit call failed, for the user: the peer's own words when it
    // sent them, else the engine's status text.
    QString FailureReason(const JobLink& link) const;
};

void RunSendJob(JobRun& run);
void RunReceiveJob(JobRun& run);
void RunCaptureJob(JobRun& run);

// The name a send announces: the part of `path` after its last separator
// (a backslash, or a slash), in 8-bit text; empty when there is none.
QByteArray AnnouncedName(const QString& path);
