#pragma once

#include <QString>
#include <QStringList>

#include "kermit/Offer.h"

// What a job does on the line.
enum class JobKind {
    Send,     // a file (or a caliper program) goes to the caliper with Kermit
    Receive,  // files come from the caliper with Kermit, and its requests are served
    Capture,  // the text the caliper prints is captured as it comes
};

// One job, as the command that asks for it describes it: made once where the
// request is made (a main-window command, corvix-cli) and handed whole to the
// job's window, its worker and the job itself. An option a job needs goes
// here, and nowhere else on the way. Every field has its default, so that a
// job can be written with only the fields that differ.
struct WorkerJob {
    JobKind kind = JobKind::Receive;
    QString portName = {};     // "COM5", "ttyUSB0" or a device path; empty for none
    int baud = 9600;           // bits per second, one of serial::kBaudTable
    QString path = {};         // send: the file; receive: the folder; capture: unused
    QStringList batch = {};    // send: the files after `path` that go in the same batch
    QString packetLog = {};    // a Kermit job: the file every packet is logged in; empty for none
    kermit::Offer offer = {};  // what this side's Send-Init offers: block check, long
                               // packets, sliding window, repeat prefix
    // How long the caliper may say nothing, once it has spoken, before the
    // transfer gives up, in milliseconds; 0 = the engine's rule (at least
    // 60 s). Tests set a short one.
    qint64 silenceLimitMs = 0;
    // A receive: the caliper's FINISH or logout ends a session, not the job.
    bool keepServing = false;
    // A receive: each session's files go into a folder of their own in
    // `path`, named by the date and time the session began.
    bool sessionFolders = false;
};

// Why the job was stopped before its end; the peer hears it in an E packet.
enum class StopCause {
    User,       // Cancel in the window, or corvix-cli's own end (--count)
    Interrupt,  // Ctrl+C
    Terminate,  // SIGTERM
    Hangup,     // SIGHUP: the terminal went away
    TimeLimit,  // --max-time ran out
};
