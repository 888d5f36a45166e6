#include <gtest/gtest.h>

#include "RecordingReports.h"
#include "app/TextTable.h"
#include "worker/EngineReports.h"
#include "worker/ProgressThrottle.h"

using namespace std::chrono_literals;
using worker_test::Event;
using worker_test::RecordingReports;

namespace {

std::vector<std::uint32_t> Counts(const std::vector<Event>& events) {
    std::vector<std::uint32_t> counts;
    for (const Event& e : events)
        if (e.what == "progress") counts.push_back(e.value);
    return counts;
}

// A file's reports once a packet, a packet every 10 ms of a clock the test
// moves: the window gets the first, then one every 50 ms, and the last one
// held back before the next message of any kind.
TEST(ProgressThrottle, ThinsReportsButDeliversEachFilesFirstAndLastBeforeAnythingElse) {
    RecordingReports recorded;
    auto now = std::chrono::steady_clock::time_point{};
    ProgressThrottle throttle(&recorded, 50ms, [&] { return now; });

    throttle.Report(report::ReceiveFileOpened{"A.DAT"});
    for (std::uint32_t bytes = 0; bytes <= 900; bytes += 100) {
        throttle.Report(report::ReceiveProgress{bytes});
        now += 10ms;
    }
    EXPECT_EQ(Counts(recorded.Events()), (std::vector<std::uint32_t>{0, 500}));
    throttle.Report(report::TransactionDone{QStringLiteral("/rx"), "A.DAT"});
    EXPECT_EQ(Counts(recorded.Events()), (std::vector<std::uint32_t>{0, 500, 900}));
    EXPECT_EQ(recorded.Events().back().what, "done");

    // A new file's first report goes through at once, even within 50 ms.
    throttle.Report(report::ReceiveFileOpened{"B.DAT"});
    throttle.Report(report::ReceiveProgress{0});
    throttle.Report(report::ReceiveProgress{94});
    now += 1ms;
    throttle.Report(report::ReceiveProgress{188});
    throttle.ShowMessage(QStringLiteral("Could not open file!"), MessageIcon::Error);
    const std::vector<Event> events = recorded.Events();
    EXPECT_EQ(Counts(events), (std::vector<std::uint32_t>{0, 500, 900, 0, 188}));
    EXPECT_EQ(events.back().what, "box");

    // Sending: the same for 666, and the job's end delivers what was held.
    throttle.Report(report::SendProgress{0});
    throttle.Report(report::SendProgress{90});
    throttle.Report(report::JobOver{});
    const std::vector<Event> sent = recorded.EventsOf(666);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].value, 90u);
    EXPECT_EQ(recorded.Events().back().message, 667);
}

// What the engine says of each file reaches the window through the reports
// and the throttle at once, never held back or dropped, and after the count
// held back: the length announced, a file in place, one kept as .part, one
// of which nothing was kept, and one refused (the fates 0 to 3).
TEST(ProgressThrottle, AnnouncedLengthsAndEachFilesEndPassAtOnceAfterTheHeldCount) {
    RecordingReports recorded;
    auto now = std::chrono::steady_clock::time_point{};
    ProgressThrottle throttle(&recorded, 50ms, [&] { return now; });
    const JobTexts texts = JobTexts::From(EnglishTexts());
    EngineReports reports(&throttle, texts);

    reports.OnReceiveFileOpened("A.DAT");
    reports.OnReceiveFileAnnounced(5000);
    reports.OnReceiveProgress(0);
    reports.OnReceiveProgress(4000);  // held back: within 50 ms of the first
    reports.OnFileReceived("/rx/A.DAT", 5000);
    reports.OnReceiveFileOpened("B.DAT");
    reports.OnReceiveProgress(0);
    now += 1ms;
    reports.OnReceiveFileAnnounced(9000);  // announced after the file opened
    reports.OnReceiveProgress(700);
    reports.OnFileNotReceived("/rx/B.DAT", "/rx/B.DAT.part", 700,
                              kermit::KermitObserver::NotWhole::LengthDiffers);
    reports.OnFileNotReceived("/rx/C.DAT", "", 0, kermit::KermitObserver::NotWhole::Broken);
    reports.OnFileRefused("/rx/D.DAT", 3000000, 1000);

    std::vector<std::string> seen;
    for (const Event& e : recorded.Events())
        seen.push_back(e.what + " " + std::to_string(e.value));
    EXPECT_EQ(seen,
              (std::vector<std::string>{"open 0", "announced 5000", "progress 0", "progress 4000",
                                        "file 0", "open 0", "progress 0", "announced 9000",
                                        "progress 700", "file 1", "file 2", "file 3"}));
}

}  // namespace
