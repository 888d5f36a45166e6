#include "WorkerFixture.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDeadlineTimer>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "CKermitScript.h"
#include "app/TextTable.h"

namespace worker_test {

bool HoldsDevice(const std::string& device) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd", ec)) {
        const std::string target = fs::read_symlink(entry.path(), ec).string();
        // A device that has gone away reads "/dev/pts/5 (deleted)".
        if (!ec && (target == device || target == device + " (deleted)")) return true;
    }
    return false;
}

void WorkerTest::SetUpTestSuite() {
    test_support::EnsureCoreApplication("worker_tests");
}

void WorkerTest::SetUp() {
    MakeFresh("corvix-worker-");
}

void WorkerTest::TearDown() {
    peer.Kill();
    if (peerFd >= 0) ::close(peerFd);
    line.reset();
    if (!HasFailure()) fs::remove_all(root);
}

void WorkerTest::OpenLine(const linesim::Options& options) {
    line = std::make_unique<linesim::LineSim>(options);
    ASSERT_TRUE(line->IsRunning()) << line->Error();
}

void WorkerTest::OpenLineWithLink(linesim::Options options) {
    options.linkA = (root / "caliper").string();
    OpenLine(options);
}

std::function<bool(const std::vector<Event>&)> Saw(const std::string& what, int count) {
    return [what, count](const std::vector<Event>& events) {
        return std::count_if(events.begin(), events.end(),
                             [&](const Event& e) { return e.what == what; }) >= count;
    };
}

QString WorkerTest::PortA() const {
    return QString::fromStdString(line->Path(linesim::LineSim::kSideA));
}

std::string WorkerTest::DeviceA() const {
    return line->DevicePath(linesim::LineSim::kSideA);
}

std::unique_ptr<CComThread> WorkerTest::StartJob(JobKind kind, const QString& path, int baud,
                                                 RecordingReports* target) {
    auto worker = std::make_unique<CComThread>(JobTexts::From(EnglishTexts()));
    worker->editor = [this](const QString& file, const QString&) {
        editorCalls.push_back(file);
        return editorWorks;
    };
    worker->PostJob({.kind = kind, .portName = PortA(), .baud = baud, .path = path},
                    target != nullptr ? target : &recorded);
    return worker;
}

bool WorkerTest::Finished(CComThread& worker, int timeoutMs) {
    return worker.thread()->wait(QDeadlineTimer(timeoutMs));
}

void WorkerTest::StartCKermit(const std::vector<std::string>& commands, const fs::path& dir) {
    const fs::path script = root / "peer.ksc";
    WriteWholeFile(script, interop::CKermitScript(line->Path(linesim::LineSim::kSideB), commands));
    ASSERT_TRUE(
        peer.Start({"kermit", script.string(), "-Y"}, dir.string(), (root / "peer.log").string()));
}

int WorkerTest::WaitPeer(int timeoutMs) {
    return peer.Wait(timeoutMs);
}

std::string WorkerTest::PeerLog() const {
    return ReadWholeFile(root / "peer.log");
}

void WorkerTest::WriteToLine(const std::string& bytes) {
    if (peerFd < 0)
        peerFd =
            ::open(line->Path(linesim::LineSim::kSideB).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(peerFd, 0);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(peerFd, bytes.data() + done, bytes.size() - done);
        ASSERT_GT(n, 0);
        done += static_cast<std::size_t>(n);
    }
}

void WorkerTest::WaitUntilPortReady() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!DeviceLocked(DeviceA())) {
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the job never opened the port";
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // The port settles for 300 ms after it is configured and is then purged.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
}

}  // namespace worker_test
