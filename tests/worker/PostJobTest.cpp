// Handing the job to the worker's thread.
#include "WorkerFixture.h"
#include "app/TextTable.h"

namespace worker_test {
namespace {

using PostJob = WorkerTest;

// Each job travels with its own window: the first one posted runs and
// reports to its window only; the one posted right after it never runs.
TEST_F(PostJob, OfTwoJobsPostedBackToBackTheFirstRunsWithItsOwnWindow) {
    RecordingReports second;
    CComThread worker(JobTexts::From(EnglishTexts()));
    const QString firstPort = QString::fromStdString((root / "first-port").string());
    worker.PostJob({.kind = JobKind::Capture, .portName = firstPort}, &recorded);
    worker.PostJob({.kind = JobKind::Receive, .portName = "second-port", .path = "rx"}, &second);
    ASSERT_TRUE(Finished(worker, 5000));
    const auto boxes = recorded.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith(QStringLiteral("ERROR: Comport!\n")));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("first-port")));
    EXPECT_EQ(recorded.JobOverCount(), 1);
    EXPECT_TRUE(second.Events().empty());
}

}  // namespace
}  // namespace worker_test
