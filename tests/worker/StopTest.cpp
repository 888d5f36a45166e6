// Stopping jobs at random moments: the worker always ends promptly, the port
// is free again at once, a stop shows nothing, and no thread is left over.
// The send, receive and capture loops run side by side, each on its own line.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <mutex>
#include <random>
#include <sstream>
#include <thread>

#include "CKermitScript.h"
#include "WorkerFixture.h"
#include "app/TextTable.h"
#include "serial/SerialPort.h"

namespace worker_test {
namespace {

constexpr int kRounds = 50;
constexpr int kPromptMs = 1500;

int ThreadCount() {
    int count = 0;
    if (DIR* dir = ::opendir("/proc/self/task")) {
        while (const dirent* entry = ::readdir(dir))
            if (entry->d_name[0] != '.') ++count;
        ::closedir(dir);
    }
    return count;
}

using Kind = JobKind;

// A peer being started holds copies of this process's descriptors, and with
// them the port locks, until its exec. Starting a peer and probing a port
// take turns, so a probe never sees (or leaves) a copy that the job itself
// would not have.
std::mutex forkMutex;

// One kind of job, started and stopped kRounds times on a line of its own.
class StopLoop {
public:
    StopLoop(Kind kind, const fs::path& root, unsigned seed)
        : kind_(kind), root_(root / Name()), rng_(seed) {
        fs::create_directories(root_ / "rx");
        fs::create_directories(root_ / "peer");
        WriteWholeFile(root_ / "send.bin", RandomBytes(20000, seed));
        WriteWholeFile(root_ / "peer" / "big.bin", RandomBytes(20000, seed + 1));
    }

    void Run() {
        ASSERT_TRUE(line_.IsRunning()) << line_.Error();
        if (kind_ == Kind::Capture) StartPrinter();
        std::uniform_int_distribution<int> delay(0, 700);
        for (int round = 0; round < kRounds; ++round) {
            if (kind_ != Kind::Capture) StartPeer();
            Round(delay(rng_), round);
            peer_.Kill();
        }
        StopPrinter();
    }

    // On the test's main thread: QSerialPort wants a Qt thread.
    void ExpectReopenable() {
        std::atomic<int> run{1};
        serial::SerialPort port(run);
        EXPECT_EQ(port.Open(QString::fromStdString(line_.Path(0)), 115200), 1) << Name();
    }

private:
    std::string Name() const {
        return kind_ == Kind::Send ? "send" : kind_ == Kind::Receive ? "receive" : "capture";
    }

    void StartPeer() {
        std::lock_guard<std::mutex> lock(forkMutex);
        const fs::path script = root_ / "peer.ksc";
        WriteWholeFile(script,
                       interop::CKermitScript(line_.Path(1),
                                              {kind_ == Kind::Send ? "receive" : "send big.bin"}));
        ASSERT_TRUE(peer_.Start({"kermit", script.string(), "-Y"}, (root_ / "peer").string(),
                                (root_ / "peer.log").string()));
    }

    // The caliper prints lines, some longer than a piece, in small bursts.
    void StartPrinter() {
        printerFd_ = ::open(line_.Path(1).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(printerFd_, 0);
        printer_ = std::thread([this] {
            const std::string text = "Tall;23.5;\r\n" + std::string(600, 'g') + "\r\n";
            while (printing_) {
                for (std::size_t i = 0; i < text.size(); i += 37)
                    (void)!::write(printerFd_, text.data() + i,
                                   std::min<std::size_t>(37, text.size() - i));
                std::this_thread::sleep_for(std::chrono::milliseconds(3));
            }
        });
    }

    void StopPrinter() {
        printing_ = false;
        if (printer_.joinable()) printer_.join();
        if (printerFd_ >= 0) ::close(printerFd_);
    }

    // Free at once, give or take the few milliseconds a busy two-core
    // machine may take to let go of a closed descriptor.
    bool PortFree() const {
        for (int attempt = 0; attempt < 20; ++attempt) {
            {
                std::lock_guard<std::mutex> lock(forkMutex);
                if (!DeviceLocked(line_.DevicePath(0))) return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    void Round(int delayMs, int round) {
        std::ostringstream where;
        where << Name() << " round " << round << ", stopped after " << delayMs << " ms";
        RecordingReports recorded;
        CComThread worker(JobTexts::From(EnglishTexts()));
        const WorkerJob job{
            .kind = kind_,
            .portName = QString::fromStdString(line_.Path(0)),
            .baud = 115200,
            .path = QString::fromStdString(
                (kind_ == Kind::Send ? root_ / "send.bin" : root_ / "rx").string())};
        worker.editor = [](const QString&, const QString&) { return true; };
        worker.PostJob(job, &recorded);
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));

        const auto stopAt = std::chrono::steady_clock::now();
        worker.RequestStop();
        worker.EndThread();
        ASSERT_TRUE(worker.thread()->wait(QDeadlineTimer(10000))) << where.str();
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - stopAt);
        EXPECT_LT(took.count(), kPromptMs) << where.str();
        // A stop is silent, but for where a file cut off by it was kept.
        const auto boxes = recorded.Boxes();
        const bool quiet =
            boxes.empty() || (kind_ == Kind::Receive && boxes.size() == 1 &&
                              boxes[0].text.contains(QStringLiteral(" did not arrive whole. ")));
        EXPECT_TRUE(quiet) << where.str() << ": " << boxes[0].text.toStdString();
        EXPECT_TRUE(PortFree()) << where.str();
        const int over = recorded.JobOverCount();
        if (kind_ == Kind::Capture) {
            EXPECT_EQ(over, 0) << where.str();
        } else {
            // A job stopped before its message was handled never ran at all.
            EXPECT_LE(over, 1) << where.str();
            if (over == 1) {
                EXPECT_EQ(recorded.Events().back().message, 667) << where.str();
            }
        }
        // Whole lines, but for the piece the stop cut off, which is kept.
        const auto pieces = recorded.Pieces();
        for (std::size_t i = 0; i + 1 < pieces.size(); ++i)
            EXPECT_TRUE(pieces[i].endsWith('\n') || pieces[i].size() == 511) << where.str();
    }

    Kind kind_;
    fs::path root_;
    std::mt19937 rng_;
    linesim::LineSim line_;
    interop::PeerProcess peer_;
    std::thread printer_;
    std::atomic<bool> printing_{true};
    int printerFd_ = -1;
};

using StopJob = WorkerTest;

TEST_F(StopJob, SendReceiveAndCaptureStoppedAtRandomMoments) {
    REQUIRE_CKERMIT();
    // A sanitizer runtime starts a helper thread of its own with the first
    // thread a program creates; let that happen before counting.
    std::thread([] {}).join();
    const int threads = ThreadCount();
    {
        StopLoop send(Kind::Send, root, 11), receive(Kind::Receive, root, 22),
            capture(Kind::Capture, root, 33);
        std::thread loops[] = {std::thread([&] { send.Run(); }),
                               std::thread([&] { receive.Run(); }),
                               std::thread([&] { capture.Run(); })};
        for (std::thread& loop : loops)
            loop.join();
        for (StopLoop* loop : {&send, &receive, &capture})
            loop->ExpectReopenable();
    }
    EXPECT_EQ(ThreadCount(), threads);  // the lines' relay threads are gone too
}

}  // namespace
}  // namespace worker_test
