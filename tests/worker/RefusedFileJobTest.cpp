// A receive job whose only file was refused for want of room on the disk.
#include <fstream>

#include "WorkerFixture.h"

namespace worker_test {
namespace {

using RefusedFileJob = WorkerTest;

// The file is refused before its data and nothing is written; the job goes
// on serving, and once stopped it ends as failed, saying why, never as if
// all had gone well.
TEST_F(RefusedFileJob, AJobWhoseOnlyFileWasRefusedEndsAsFailed) {
    REQUIRE_CKERMIT();
    if (!test_support::HugeSparseFile(peerDir / "huge.bin", rx))
        GTEST_SKIP() << "no sparse file larger than the disk";
    // Paced as the cable is: a refusal that failed brings a trickle, not gigabytes.
    linesim::Options paced;
    paced.baud = 115200;
    OpenLine(paced);
    StartCKermit({"send huge.bin"}, peerDir);
    auto worker = StartJob(JobKind::Receive, QString::fromStdString(rx.string()));
    // C-Kermit ends with 2: its file did not go.
    EXPECT_EQ(WaitPeer(60000), 2) << PeerLog();
    worker->Stop();
    fs::remove(peerDir / "huge.bin");
    EXPECT_EQ(worker->outcome(), JobOutcome::Failed);
    EXPECT_EQ(worker->statusText(), "a file was refused: the disk had no room for it");
    EXPECT_TRUE(fs::is_empty(rx));
    EXPECT_EQ(recorded.Events().back().message, 667);
}

}  // namespace
}  // namespace worker_test
