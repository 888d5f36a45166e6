#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "PeerProcess.h"
#include "ReceivedNumber.h"
#include "SuiteSetup.h"
#include "TestFiles.h"
#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"
#include "serial/SerialPort.h"
#include "tools/linesim/LineSim.h"

namespace interop {

// Long packets and a sliding window: offered (94 and 1 offer neither) or in
// force (0 and 1 are neither).
struct PacketsAndWindow {
    int packetLength = kermit::kShortPacketLen;
    int slidingWindow = 1;
};

namespace fs = std::filesystem;

using test_support::ReadWholeFile;
using test_support::WriteWholeFile;

// The files every interop transfer is tried with.
struct TestFile {
    std::string name;
    std::string bytes;
};
std::vector<TestFile> StandardFileSet();

// `size` bytes, byte `i` being `byteAt(i)` cut to a char.
template <class ByteAt>
std::string PatternBytes(int size, ByteAt byteAt) {
    std::string bytes;
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>(byteAt(i));
    return bytes;
}

// A line that flips a bit in 1 byte of `oneIn`, or drops 1 byte of `oneIn`,
// the same bytes again for the same `seed`.
linesim::Options FlippingLine(int oneIn, std::uint64_t seed);
linesim::Options DroppingLine(int oneIn, std::uint64_t seed);

// Answers the receiver's questions as a user who always replaces.
class ReplacingObserver : public kermit::KermitObserver {
public:
    void OnReceiveFileOpened(const char*) override {}
    void OnReceiveProgress(std::uint32_t) override {}
    void OnSendProgress(std::uint32_t) override {}
    Overwrite AskOverwrite(const std::string&) override { return Overwrite::Yes; }
    std::optional<std::string> AskSaveAs(const std::string&) override { return std::nullopt; }
    void ShowCouldNotOpenFile(const std::string&, std::error_code) override {}
};

// Corvix's engine on end A of a linesim line, a real Kermit program on end B.
// A watchdog stops the engine, as a user would, when a test runs too long.
class InteropTest : public ::testing::Test, protected test_support::TestFolders {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    void OpenLine(const linesim::Options& options = {});
    // Runs C-Kermit on end B with the line settings and then `commands`.
    void StartCKermit(const std::vector<std::string>& commands, const fs::path& dir);
    void StartGKermit(const std::vector<std::string>& args, const fs::path& dir);
    int WaitPeer(int timeoutMs = 60000);
    // G-Kermit leaves its terminal in cooked mode with echo when it exits; a
    // line to a caliper never echoes, so the peer's end is made raw again.
    void MakePeerEndRaw();
    std::string PeerLog() const;
    // The bytes the line flipped or dropped so far, both ways.
    std::uint64_t FaultsOnLine() const;

    // 0 when the file went through, -1 when the send failed or was stopped.
    int CorvixSend(const fs::path& file, const std::string& announcedName);
    // The receive as a number (ReceivedNumber.h); `received` says how it ended.
    int CorvixReceiveOnce();
    static constexpr int kNeither = test_support::kNeither;
    kermit::Received received;
    void ArmWatchdog(int seconds);

    std::atomic<int> run{1};
    std::unique_ptr<linesim::LineSim> line;
    std::unique_ptr<serial::SerialPort> port;
    disk::DiskFiles files;
    std::unique_ptr<kermit::KermitEngine> engine;
    ReplacingObserver observer;
    PeerProcess peer;
    char nameBuffer[kermit::KermitEngine::kNameBufferSize] = {};
    std::vector<std::uint8_t> dataBuffer = std::vector<std::uint8_t>(8192);

private:
    std::thread watchdog_;
    std::atomic<bool> watchdogCancel_{false};
};

}  // namespace interop
