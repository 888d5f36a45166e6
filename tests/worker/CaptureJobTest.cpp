// The plain-text capture job, fed from the other end of the line.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <thread>

#include "WorkerFixture.h"

namespace worker_test {
namespace {

class CaptureJob : public WorkerTest {
protected:
    // A capture job on end A of the line, started and holding its port.
    std::unique_ptr<CComThread> StartCapture(int baud = 115200) {
        auto worker = StartJob(JobKind::Capture, QString(), baud);
        WaitUntilPortReady();
        return worker;
    }
};

bool PiecesCount(RecordingReports& recorded, std::size_t count) {
    return recorded.WaitFor(
        [count](const std::vector<Event>& e) {
            return static_cast<std::size_t>(std::count_if(e.begin(), e.end(), [](const Event& x) {
                       return x.message == 664;
                   })) >= count;
        },
        5000);
}

TEST_F(CaptureJob, DeliversLinesAndLongLinesInPiecesOfAtMost511Bytes) {
    OpenLine();
    auto worker = StartCapture();
    const std::string longLine = std::string(1200, 'x') + "\n";
    WriteToLine("abc\r\n");
    WriteToLine(longLine);
    WriteToLine(std::string("ab\0c\n", 5));
    ASSERT_TRUE(PiecesCount(recorded, 5));
    worker->Stop();

    const auto pieces = recorded.Pieces();
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0], "abc\r\n");
    EXPECT_EQ(pieces[1].size(), 511);
    EXPECT_EQ(pieces[2].size(), 511);
    EXPECT_EQ(pieces[3].size(), 179);
    EXPECT_TRUE(pieces[3].endsWith('\n'));
    EXPECT_EQ(pieces[1] + pieces[2] + pieces[3], QByteArray::fromStdString(longLine));
    EXPECT_EQ(pieces[4], QByteArray("ab\0c\n", 5));  // the zero byte is kept
    // A capture ends only by its window's stop, which reports no job end.
    EXPECT_EQ(recorded.JobOverCount(), 0);
    EXPECT_TRUE(recorded.Boxes().empty());
    EXPECT_EQ(worker->outcome(), JobOutcome::Stopped);
    EXPECT_FALSE(DeviceLocked(DeviceA()));
}

// The caliper's last line may come without its line end: once the line
// falls quiet it is delivered all the same, and what follows it on the same
// line comes as a piece of its own.
TEST_F(CaptureJob, AnUnfinishedLineIsDeliveredWhenTheLineFallsQuiet) {
    OpenLine();
    auto worker = StartCapture();
    WriteToLine("one\n");
    ASSERT_TRUE(PiecesCount(recorded, 1));
    WriteToLine("LAST LINE WITHOUT NEWLINE");
    ASSERT_TRUE(PiecesCount(recorded, 2));
    WriteToLine("more\n");
    ASSERT_TRUE(PiecesCount(recorded, 3));
    worker->Stop();
    EXPECT_EQ(recorded.Pieces(),
              (std::vector<QByteArray>{"one\n", "LAST LINE WITHOUT NEWLINE", "more\n"}));
}

TEST_F(CaptureJob, DataToPrinterOpensAt4800WhateverTheSettingsSay) {
    OpenLine();
    // The settings say 9600; the printer stand-in asks for 4800.
    for (const auto& [baud, speed] : {std::pair{4800, B4800}, std::pair{9600, B9600}}) {
        auto worker = StartCapture(baud);
        const int fd = ::open(DeviceA().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(fd, 0);
        termios t{};
        ASSERT_EQ(::tcgetattr(fd, &t), 0);
        ::close(fd);
        EXPECT_EQ(cfgetispeed(&t), speed) << "baud " << baud;
        EXPECT_EQ(cfgetospeed(&t), speed) << "baud " << baud;
        worker->Stop();
    }
}

// The adapter goes away and comes back under the same name: the capture
// waits for it without ending, keeps what came before and adds what follows;
// a stop while it waits ends it.
TEST_F(CaptureJob, WaitsForAVanishedAdapterAndGoesOnWhenItIsBack) {
    OpenLineWithLink();
    auto worker = StartCapture();
    WriteToLine("Tall;23.5;\r\nGran;");
    ASSERT_TRUE(PiecesCount(recorded, 2));
    line->CloseEnd(linesim::LineSim::kSideA);
    ASSERT_TRUE(recorded.WaitFor(Saw("waiting"), 5000));
    EXPECT_FALSE(HoldsDevice(DeviceA()));
    ASSERT_TRUE(line->ReplugEnd(linesim::LineSim::kSideA)) << line->Error();
    ASSERT_TRUE(recorded.WaitFor(Saw("back"), 5000));
    WriteToLine("17.0;\r\n");
    ASSERT_TRUE(PiecesCount(recorded, 3));
    QByteArray text;
    for (const QByteArray& piece : recorded.Pieces())
        text += piece;
    EXPECT_EQ(text, "Tall;23.5;\r\nGran;17.0;\r\n");

    line->CloseEnd(linesim::LineSim::kSideA);
    ASSERT_TRUE(recorded.WaitFor(Saw("waiting", 2), 5000));
    worker->Stop();
    EXPECT_EQ(worker->outcome(), JobOutcome::Stopped);
    EXPECT_TRUE(recorded.Boxes().empty());
    EXPECT_EQ(recorded.JobOverCount(), 0);
}

}  // namespace
}  // namespace worker_test
