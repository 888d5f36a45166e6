// The hand-over to a window on the test's own (user-interface) thread.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <thread>

#include "WorkerFixture.h"
#include "app/TextTable.h"
#include "worker/QtReportRelay.h"

namespace worker_test {
namespace {

using HandOver = WorkerTest;

// Records on which thread each call ran.
class ThreadCheckingReports : public RecordingReports {
public:
    void Report(const JobReport& report) override {
        onWindowThread = onWindowThread && QThread::currentThread() == home;
        RecordingReports::Report(report);
    }
    void ShowMessage(const QString& text, MessageIcon icon) override {
        onWindowThread = onWindowThread && QThread::currentThread() == home;
        RecordingReports::ShowMessage(text, icon);
    }
    QThread* home = QThread::currentThread();
    bool onWindowThread = true;
};

TEST_F(HandOver, TextReachesTheWindowThreadAndAStopDuringAPendingPieceDoesNotDeadlock) {
    OpenLine();
    QObject windowObject;
    ThreadCheckingReports target;
    QtReportRelay bridge(&windowObject, target);
    auto worker = std::make_unique<CComThread>(JobTexts::From(EnglishTexts()));
    worker->PostJob({.kind = JobKind::Capture, .portName = PortA()}, &bridge);
    WaitUntilPortReady();
    // The worker now waits for this thread to take the piece, while this
    // thread runs the stop sequence without having served any event.
    WriteToLine("first line\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(target.Pieces().empty());
    worker->Stop();
    EXPECT_TRUE(worker->isFinished());
    EXPECT_EQ(target.Pieces(), (std::vector<QByteArray>{"first line\n"}));
    EXPECT_TRUE(target.onWindowThread);
}

TEST_F(HandOver, AMessageBoxIsAnsweredOnTheWindowThreadWhileItWaitsForTheWorker) {
    OpenLine();
    const int holder = ::open(DeviceA().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);
    QObject windowObject;
    ThreadCheckingReports target;
    QtReportRelay bridge(&windowObject, target);
    auto worker = std::make_unique<CComThread>(JobTexts::From(EnglishTexts()));
    worker->PostJob({.kind = JobKind::Capture, .portName = PortA()}, &bridge);
    worker->WaitUntilFinished();
    QCoreApplication::processEvents();  // the queued end of the job
    ::close(holder);
    const auto events = target.Events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_TRUE(events[0].text.startsWith(QStringLiteral("ERROR: Comport!\n")));
    EXPECT_EQ(events[1].message, 667);
    EXPECT_TRUE(target.onWindowThread);
}

// A file discarded in the middle of a batch: its note must not hold the
// worker while the sender's next file comes.
TEST_F(HandOver, TheNoteOnAFileNotReceivedDoesNotHoldTheWorker) {
    QObject windowObject;
    ThreadCheckingReports target;
    QtReportRelay bridge(&windowObject, target);
    std::thread worker([&bridge] {
        bridge.Report(report::FileNotReceived{QStringLiteral("plot.dat was discarded")});
    });
    worker.join();  // returns although this thread has served no event
    EXPECT_TRUE(target.Boxes().empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(target.Boxes().size(), 1u);
    EXPECT_EQ(target.Boxes()[0].text, "plot.dat was discarded");
    EXPECT_TRUE(target.onWindowThread);
}

}  // namespace
}  // namespace worker_test
