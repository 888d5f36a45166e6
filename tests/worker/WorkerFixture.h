#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PeerProcess.h"
#include "RecordingReports.h"
#include "SuiteSetup.h"
#include "TestFiles.h"
#include "tools/linesim/LineSim.h"
#include "worker/CComThread.h"

namespace worker_test {

namespace fs = std::filesystem;

using test_support::DeviceLocked;
using test_support::RandomBytes;
using test_support::ReadWholeFile;
using test_support::WriteWholeFile;

// True while this process has `device` open. Unlike DeviceLocked it also
// answers after the device has gone away.
bool HoldsDevice(const std::string& device);

#define REQUIRE_CKERMIT() REQUIRE_PEER("kermit")

// True once `count` events `what` ("waiting", "back") were recorded.
std::function<bool(const std::vector<Event>&)> Saw(const std::string& what, int count = 1);

// A linesim line: the worker on end A, the peer (C-Kermit or the test
// itself) on end B.
class WorkerTest : public ::testing::Test, protected test_support::TestFolders {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    void OpenLine(const linesim::Options& options = {});
    // A line whose end A the job knows by a link, which stays when the end
    // is unplugged and plugged in again (ReplugEnd) as a new device.
    void OpenLineWithLink(linesim::Options options = {});
    QString PortA() const;
    std::string DeviceA() const;

    // A new worker with the job filled in and posted.
    std::unique_ptr<CComThread> StartJob(JobKind kind, const QString& path, int baud = 115200,
                                         RecordingReports* target = nullptr);
    // Waits for the worker's thread to end; false when it did not in time.
    static bool Finished(CComThread& worker, int timeoutMs);

    void StartCKermit(const std::vector<std::string>& commands, const fs::path& dir);
    int WaitPeer(int timeoutMs = 30000);
    std::string PeerLog() const;

    // Writes to end B as a printing caliper would.
    void WriteToLine(const std::string& bytes);
    // Waits until the job holds the port and has purged it after settling.
    void WaitUntilPortReady();

    std::unique_ptr<linesim::LineSim> line;
    interop::PeerProcess peer;
    RecordingReports recorded;
    std::vector<QString> editorCalls;
    bool editorWorks = true;
    int peerFd = -1;
};

}  // namespace worker_test
