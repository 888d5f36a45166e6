#pragma once

#include <QString>

#include <atomic>

#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"
#include "serial/SerialPort.h"
#include "worker/EngineReports.h"
#include "worker/LineWatchPort.h"
#include "worker/PacketLog.h"

// The link object of one job: the serial port and the Kermit engine on it
// with the files on disk, reporting to the job's window. Destroying it
// closes the port. The engine runs on a flag of the link's own, cleared when
// the worker's run flag is or when the line is lost: a job that waits for
// the adapter to come back goes on with a new link, its run flag untouched.
class JobLink {
public:
    JobLink(std::atomic<int>& runFlag, JobReportSink* sink, const JobTexts& texts);

    JobLink(const JobLink&) = delete;
    JobLink& operator=(const JobLink&) = delete;

    // 1 when the port is open at `baud` bits per second, 0 otherwise.
    int Open(const QString& portName, int baud) { return port.Open(portName, baud); }
    bool lineLost() const { return line.lineLost(); }

    std::atomic<int> engineFlag{1};  // the run flag as the engine sees it
    EngineReports reports;
    serial::SerialPort port;
    LineWatchPort line;
    PacketLog packetLog;  // opened when the job asks for a packet log
    PacketLogPort logged;
    disk::DiskFiles files;
    kermit::KermitEngine engine;
};
