#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "PeerProcess.h"
#include "RecordingWindow.h"
#include "tools/linesim/LineSim.h"
#include "worker/CComThread.h"

namespace worker_test {

namespace fs = std::filesystem;

std::string ReadWholeFile(const fs::path& path);
void WriteWholeFile(const fs::path& path, const std::string& bytes);
std::string RandomBytes(std::size_t size, unsigned seed);

// True when somebody holds the device's exclusive lock, as an open
// SerialPort does.
bool DeviceLocked(const std::string& device);

// True while this process has `device` open. Unlike DeviceLocked it also
// answers after the device has gone away.
bool HoldsDevice(const std::string& device);

#define REQUIRE_CKERMIT()                                                          \
    do {                                                                           \
        if (!::interop::HaveProgram("kermit")) {                                   \
            if (std::getenv("CI") != nullptr) FAIL() << "kermit is not installed"; \
            GTEST_SKIP() << "kermit is not installed";                             \
        }                                                                          \
    } while (0)

// A linesim line: the worker on end A, the peer (C-Kermit or the test
// itself) on end B.
class WorkerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    void OpenLine(const linesim::Options& options = {});
    QString PortA() const;
    std::string DeviceA() const;

    // A new worker with the job filled in and posted.
    std::unique_ptr<CComThread> StartJob(int mode, int direction, const QString& path,
                                         int baudIndex = 7, RecordingWindow* target = nullptr);
    // Waits for the worker's thread to end; false when it did not in time.
    static bool Finished(CComThread& worker, int timeoutMs);

    void StartCKermit(const std::vector<std::string>& commands, const fs::path& dir);
    int WaitPeer(int timeoutMs = 30000);
    std::string PeerLog() const;

    // Writes to end B as a printing caliper would.
    void WriteToLine(const std::string& bytes);
    // Waits until the job holds the port and has purged it after settling.
    void WaitUntilPortReady();

    fs::path root;
    fs::path rx;
    fs::path peerDir;
    std::unique_ptr<linesim::LineSim> line;
    interop::PeerProcess peer;
    RecordingWindow window;
    std::vector<QString> editorCalls;
    bool editorWorks = true;
    int peerFd = -1;
};

}  // namespace worker_test
