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
// with the files on disk, sharing the worker's run flag, reporting to the
// job's window. Destroying it closes the port.
class JobLink {
public:
    JobLink(std::atomic<int>& runFlag, JobWindow* window, const JobTexts& texts);

    JobLink(const JobLink&) = delete;
    JobLink& operator=(const JobLink&) = delete;

    // 1 when the port is open at kBaudTable[baudIndex], 0 otherwise.
    int Open(const QString& portName, int baudIndex) { return port.Open(portName, baudIndex); }
    bool lineLost() const { return line.lineLost(); }

    EngineReports reports;
    serial::SerialPort port;
    LineWatchPort line;
    PacketLog packetLog;  // opened when the job asks for a packet log
    PacketLogPort logged;
    disk::DiskFiles files;
    kermit::KermitEngine engine;
};
