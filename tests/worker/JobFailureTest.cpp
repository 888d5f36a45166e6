// Jobs that cannot run: the port taken, the file missing, the line gone.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "WorkerFixture.h"

namespace worker_test {
namespace {

using JobFailure = WorkerTest;

TEST_F(JobFailure, APortInUseEndsEveryJobWithComportErrorAndJobOver) {
    OpenLine();
    // Another program holds the port.
    const int holder = ::open(DeviceA().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    const fs::path file = root / "send.dat";
    WriteWholeFile(file, "x");

    struct Job {
        int mode, direction;
        QString path;
    };
    for (const Job& job : {Job{0, 1, QString::fromStdString(file.string())},
                           Job{0, 0, QString::fromStdString(rx.string())}, Job{1, 0, QString()}}) {
        auto worker = StartJob(job.mode, job.direction, job.path);
        ASSERT_TRUE(Finished(*worker, 5000));
        EXPECT_EQ(worker->outcome(), JobOutcome::PortFailed);
    }
    const auto events = window.Events();
    ASSERT_EQ(events.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(events[2 * i].what, "box");
        EXPECT_EQ(events[2 * i].text, "ERROR: Comport!");
        EXPECT_EQ(events[2 * i].icon, MessageIcon::Warning);
        EXPECT_EQ(events[2 * i + 1].message, 667);
    }
    ::close(holder);
}

TEST_F(JobFailure, AFileThatCannotBeReadIsReportedBeforeThePortIsTouched) {
    OpenLine();
    auto worker = StartJob(0, 1, QString::fromStdString((root / "no such file.dat").string()));
    ASSERT_TRUE(Finished(*worker, 5000));
    EXPECT_EQ(worker->outcome(), JobOutcome::FileFailed);
    const auto events = window.Events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].text, "Could not open file!");
    EXPECT_EQ(events[0].icon, MessageIcon::Error);
    EXPECT_EQ(events[1].message, 667);
}

TEST_F(JobFailure, AReceiveOnAVanishingLineEndsWithAMessageInsteadOfWaitingForever) {
    OpenLine();
    auto worker = StartJob(0, 0, QString::fromStdString(rx.string()));
    WaitUntilPortReady();
    line->CloseEnd(linesim::LineSim::kSideA);
    ASSERT_TRUE(Finished(*worker, 5000));
    EXPECT_EQ(worker->outcome(), JobOutcome::LineLost);
    const auto boxes = window.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "The connection to the caliper was lost.");
    EXPECT_EQ(window.Events().back().message, 667);
}

TEST(AnnouncedName, IsThePartAfterTheLastSeparatorInEightBitText) {
    EXPECT_EQ(AnnouncedName("C:\\data\\STAND.DAT"), "STAND.DAT");
    EXPECT_EQ(AnnouncedName("/home/u/data/tr\u00e4d.txt"),
              "tr\xe4"
              "d.txt");
    EXPECT_EQ(AnnouncedName("nofolder.dat"), "");
    EXPECT_EQ(AnnouncedName(QString(600, 'a').prepend("/")).size(), 511);
}

}  // namespace
}  // namespace worker_test
