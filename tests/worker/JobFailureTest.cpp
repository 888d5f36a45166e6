// Jobs that cannot run: the port taken, the file missing, the line gone.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <vector>

#include "WorkerFixture.h"
#include "app/TextTable.h"
#include "worker/FileReasons.h"

namespace worker_test {
namespace {

class JobFailure : public WorkerTest {
protected:
    // From now on notes, when the job-over message comes, whether the port
    // is still held.
    void WatchPortAtJobOver() {
        recorded.onJobOver = [this] { heldAtJobOver_ = HoldsDevice(DeviceA()); };
    }

    // Takes the line away under a job that holds the port, and checks how the
    // job ends: one warning (after `before` others), the port already closed
    // when the job-over message comes, and that message last.
    void CutLineAndExpectLostLineEnd(CComThread& worker, std::size_t before = 0,
                                     const fs::path& file = {}) {
        ASSERT_TRUE(HoldsDevice(DeviceA()));
        line->CloseEnd(linesim::LineSim::kSideA);
        ASSERT_TRUE(Finished(worker, 5000));
        EXPECT_EQ(worker.outcome(), JobOutcome::LineLost);
        const auto boxes = recorded.Boxes();
        ASSERT_EQ(boxes.size(), before + 1);
        // The file under way, when there was one, is named.
        EXPECT_EQ(boxes.back().text.toStdString(),
                  file.empty() ? std::string("The connection to the caliper was lost.")
                               : "The connection to the caliper was lost while " + file.string() +
                                     " was being sent. The caliper has lost its half of the "
                                     "transfer: send the file again once the caliper is "
                                     "plugged in again.");
        EXPECT_EQ(boxes.back().icon, MessageIcon::Warning);
        EXPECT_FALSE(heldAtJobOver_);
        EXPECT_EQ(recorded.Events().back().message, 667);
        EXPECT_EQ(recorded.JobOverCount(), 1);
    }

private:
    bool heldAtJobOver_ = true;
};

TEST_F(JobFailure, APortInUseEndsEveryJobWithComportErrorAndJobOver) {
    OpenLine();
    // Another program holds the port.
    const int holder = ::open(DeviceA().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    const fs::path file = root / "send.dat";
    WriteWholeFile(file, "x");

    struct Job {
        JobKind kind;
        QString path;
    };
    for (const Job& job : {Job{JobKind::Send, QString::fromStdString(file.string())},
                           Job{JobKind::Receive, QString::fromStdString(rx.string())},
                           Job{JobKind::Capture, QString()}}) {
        auto worker = StartJob(job.kind, job.path);
        ASSERT_TRUE(Finished(*worker, 5000));
        EXPECT_EQ(worker->outcome(), JobOutcome::PortFailed);
    }
    const auto events = recorded.Events();
    ASSERT_EQ(events.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(events[2 * i].what, "box");
        EXPECT_EQ(events[2 * i].text,
                  "ERROR: Comport!\n" + PortA() + "\nThe port is in use by another program.");
        EXPECT_EQ(events[2 * i].icon, MessageIcon::Warning);
        EXPECT_EQ(events[2 * i + 1].message, 667);
    }
    ::close(holder);
}

// What may have become of the file chosen to send by the time the job
// starts: gone, a folder, behind a name that is no folder, a named pipe
// (whose opening would wait for a writer), unreadable.
TEST_F(JobFailure, AFileThatCannotBeReadIsReportedBeforeThePortIsTouched) {
    OpenLine();
    // Another program holds the port: a job that touched it would say so.
    const int holder = ::open(DeviceA().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    WriteWholeFile(root / "plain.dat", "x");
    ASSERT_EQ(::mkfifo((root / "pipe.dat").c_str(), 0600), 0);
    std::vector<fs::path> paths = {root / "no such file.dat", rx, root / "plain.dat" / "x.dat",
                                   root / "pipe.dat"};
    if (::geteuid() != 0) {  // permissions do not stop root
        WriteWholeFile(root / "locked.dat", "x");
        fs::permissions(root / "locked.dat", fs::perms::none);
        paths.push_back(root / "locked.dat");
    }
    for (const fs::path& path : paths) {
        RecordingReports target;
        auto worker =
            StartJob(JobKind::Send, QString::fromStdString(path.string()), 115200, &target);
        ASSERT_TRUE(Finished(*worker, 5000)) << path;
        EXPECT_EQ(worker->outcome(), JobOutcome::FileFailed) << path;
        const auto events = target.Events();
        ASSERT_EQ(events.size(), 2u) << path;
        // The text, then the file and why.
        const QStringList lines = events[0].text.split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 3) << events[0].text.toStdString();
        EXPECT_EQ(lines[0], "Could not open file!");
        EXPECT_EQ(lines[1].toStdString(), path.string());
        EXPECT_FALSE(lines[2].isEmpty());
        EXPECT_EQ(events[0].icon, MessageIcon::Error);
        EXPECT_EQ(events[1].message, 667);
    }
    ::close(holder);

    // A common reason is read in the user's language.
    QStringList table = EnglishTexts();
    table[TextId::ReasonDiskFull] = QStringLiteral("Disque plein");
    const auto full = std::make_error_code(std::errc::no_space_on_device);
    EXPECT_EQ(ReasonText(JobTexts::From(table), full), "Disque plein");
}

// True once a progress message of `message` has passed `bytes`.
std::function<bool(const std::vector<Event>&)> ProgressPast(int message, std::uint32_t bytes) {
    return [message, bytes](const std::vector<Event>& events) {
        for (const Event& e : events)
            if (e.message == message && e.what == "progress" && e.value > bytes) return true;
        return false;
    };
}

// A line slow enough that a file is still on its way when the test cuts it.
linesim::Options SlowLine() {
    linesim::Options options;
    options.baud = 19200;
    return options;
}

// A receive whose adapter goes away does not end: it closes the port, says
// it waits, and stays until it is stopped.
TEST_F(JobFailure, AReceiveOnAVanishingLineWaitsForTheAdapterUntilStopped) {
    OpenLineWithLink();
    auto worker = StartJob(JobKind::Receive, QString::fromStdString(rx.string()));
    WaitUntilPortReady();
    line->CloseEnd(linesim::LineSim::kSideA);
    ASSERT_TRUE(recorded.WaitFor(Saw("waiting"), 5000));
    EXPECT_FALSE(HoldsDevice(DeviceA()));
    EXPECT_FALSE(Finished(*worker, 300));
    EXPECT_TRUE(recorded.Boxes().empty());
    worker->Stop();
    EXPECT_EQ(worker->outcome(), JobOutcome::Stopped);
    EXPECT_EQ(recorded.JobOverCount(), 1);
}

TEST_F(JobFailure, ASendWhoseLineVanishesMidFileEndsByItselfAfterClosingThePort) {
    REQUIRE_CKERMIT();
    OpenLine(SlowLine());
    const fs::path file = root / "stand.dat";
    WriteWholeFile(file, RandomBytes(100000, 11));
    WatchPortAtJobOver();
    StartCKermit({"receive"}, peerDir);
    auto worker = StartJob(JobKind::Send, QString::fromStdString(file.string()));
    ASSERT_TRUE(recorded.WaitFor(ProgressPast(666, 2000), 30000)) << PeerLog();
    CutLineAndExpectLostLineEnd(*worker, 0, file);
}

// A receive cut off mid-file keeps what came in as not whole and says so;
// when the adapter is back the next file arrives whole, and a file that did
// not arrive makes the job end as failed.
TEST_F(JobFailure, AReceiveCutOffMidFileKeepsWhatCameInAMarkedFileAndGoesOnWhenTheAdapterIsBack) {
    REQUIRE_CKERMIT();
    OpenLineWithLink(SlowLine());
    const std::string content = RandomBytes(100000, 12);
    WriteWholeFile(peerDir / "trees.dat", content);
    WriteWholeFile(peerDir / "plots.dat", RandomBytes(3000, 13));
    auto worker = StartJob(JobKind::Receive, QString::fromStdString(rx.string()));
    WaitUntilPortReady();
    StartCKermit({"send trees.dat"}, peerDir);
    ASSERT_TRUE(recorded.WaitFor(ProgressPast(665, 2000), 30000)) << PeerLog();
    line->CloseEnd(linesim::LineSim::kSideA);
    ASSERT_TRUE(recorded.WaitFor(Saw("waiting"), 5000));
    peer.Kill();

    // Every byte acknowledged is in the marked file, and nothing else; the
    // file's own name stays free until it is whole.
    const auto progress = recorded.EventsOf(665);
    ASSERT_FALSE(progress.empty());
    EXPECT_FALSE(fs::exists(rx / "trees.dat"));
    const std::string kept = ReadWholeFile(rx / "trees.dat.part");
    ASSERT_EQ(recorded.Boxes().size(), 1u);
    const QString note = recorded.Boxes().front().text;
    EXPECT_TRUE(note.endsWith(QStringLiteral(" (%1 bytes).").arg(kept.size())))
        << note.toStdString();
    EXPECT_TRUE(note.contains(QString::fromStdString((rx / "trees.dat.part").string())));
    EXPECT_EQ(kept.size(), progress.back().value);
    EXPECT_LT(kept.size(), content.size());
    EXPECT_TRUE(kept == content.substr(0, kept.size()));

    ASSERT_TRUE(line->ReplugEnd(linesim::LineSim::kSideA)) << line->Error();
    ASSERT_TRUE(recorded.WaitFor(Saw("back"), 5000));
    StartCKermit({"send plots.dat"}, peerDir);
    EXPECT_EQ(WaitPeer(), 0) << PeerLog();
    EXPECT_EQ(ReadWholeFile(rx / "plots.dat"), ReadWholeFile(peerDir / "plots.dat"));
    worker->Stop();
    EXPECT_EQ(worker->outcome(), JobOutcome::Failed);
    EXPECT_EQ(recorded.Boxes().size(), 1u);
}

TEST(AnnouncedName, IsThePartAfterTheLastSeparatorInEightBitText) {
    EXPECT_EQ(AnnouncedName("C:\\data\\STAND.DAT"), "STAND.DAT");
    EXPECT_EQ(AnnouncedName("/home/u/data/tr\u00e4d.txt"),
              "tr\xe4"
              "d.txt");
    EXPECT_EQ(AnnouncedName("nofolder.dat"), "");
    EXPECT_EQ(AnnouncedName(QString(600, 'a').prepend("/")).size(), 511);
}

// A receive whose sender falls silent mid-file (stopped) ends by itself
// after the job's silence limit (a short one here), keeps what arrived, and
// names the file in the sentence that says the caliper stopped sending.
TEST_F(JobFailure, AReceiveWhoseSenderFallsSilentEndsByItselfAndSaysSo) {
    REQUIRE_CKERMIT();
    OpenLine(SlowLine());
    WriteWholeFile(peerDir / "trees.dat", RandomBytes(100000, 13));
    CComThread worker(JobTexts::From(EnglishTexts()));
    worker.PostJob({.kind = JobKind::Receive,
                    .portName = PortA(),
                    .baud = 115200,
                    .path = QString::fromStdString(rx.string()),
                    .silenceLimitMs = 3000},
                   &recorded);
    WaitUntilPortReady();
    StartCKermit({"set window 1", "send trees.dat"}, peerDir);
    ASSERT_TRUE(recorded.WaitFor(ProgressPast(665, 2000), 30000)) << PeerLog();
    peer.Signal(SIGSTOP);
    ASSERT_TRUE(Finished(worker, 15000));
    EXPECT_EQ(worker.outcome(), JobOutcome::Failed);
    const auto boxes = recorded.Boxes();
    ASSERT_FALSE(boxes.empty());
    const std::string target = (rx / "trees.dat").string();
    EXPECT_TRUE(boxes.back().text.endsWith(
        QString::fromStdString("\nThe caliper stopped sending while " + target +
                               " was being received: nothing came for 3 seconds. [NO DATA]")))
        << boxes.back().text.toStdString();
    EXPECT_GT(fs::file_size(rx / "trees.dat.part"), 0u);
    EXPECT_FALSE(fs::exists(rx / "trees.dat"));
    peer.Kill();
}

}  // namespace
}  // namespace worker_test
