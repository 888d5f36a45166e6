#include <gtest/gtest.h>

#include "RecordingWindow.h"
#include "worker/ProgressThrottle.h"

using namespace std::chrono_literals;
using worker_test::Event;
using worker_test::RecordingWindow;

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
    RecordingWindow window;
    auto now = std::chrono::steady_clock::time_point{};
    ProgressThrottle throttle(&window, 50ms, [&] { return now; });

    throttle.OnReceiveFileOpened("A.DAT");
    for (std::uint32_t bytes = 0; bytes <= 900; bytes += 100) {
        throttle.OnReceiveProgress(bytes);
        now += 10ms;
    }
    EXPECT_EQ(Counts(window.Events()), (std::vector<std::uint32_t>{0, 500}));
    throttle.OnTransactionDone(QStringLiteral("/rx"), "A.DAT");
    EXPECT_EQ(Counts(window.Events()), (std::vector<std::uint32_t>{0, 500, 900}));
    EXPECT_EQ(window.Events().back().what, "done");

    // A new file's first report goes through at once, even within 50 ms.
    throttle.OnReceiveFileOpened("B.DAT");
    throttle.OnReceiveProgress(0);
    throttle.OnReceiveProgress(94);
    now += 1ms;
    throttle.OnReceiveProgress(188);
    throttle.ShowMessage(QStringLiteral("Could not open file!"), MessageIcon::Error);
    const std::vector<Event> events = window.Events();
    EXPECT_EQ(Counts(events), (std::vector<std::uint32_t>{0, 500, 900, 0, 188}));
    EXPECT_EQ(events.back().what, "box");

    // Sending: the same for 666, and the job's end delivers what was held.
    throttle.OnSendProgress(0);
    throttle.OnSendProgress(90);
    throttle.OnJobOver();
    const std::vector<Event> sent = window.EventsOf(666);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].value, 90u);
    EXPECT_EQ(window.Events().back().message, 667);
}

}  // namespace
