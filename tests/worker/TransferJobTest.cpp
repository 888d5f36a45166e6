// The Kermit send and receive jobs against C-Kermit.
#include <QDir>

#include <fstream>
#include <thread>

#include "WorkerFixture.h"
#include "app/TextTable.h"
#include "worker/ReceivedFile.h"

namespace worker_test {
namespace {

using TransferJob = WorkerTest;

// Waits until the window has been told of `count` finished transactions.
bool WaitForDone(RecordingReports& recorded, long count) {
    return recorded.WaitFor(
        [count](const std::vector<Event>& e) {
            return std::count_if(e.begin(), e.end(),
                                 [](const Event& x) { return x.what == "done"; }) == count;
        },
        10000);
}

// The receive progress of one file: its open, then rising byte counts up to
// the file's size.
void ExpectReceiveProgress(const std::vector<Event>& events, std::size_t& i, const QByteArray& name,
                           std::size_t size) {
    ASSERT_LT(i, events.size());
    EXPECT_EQ(events[i].what, "open");
    EXPECT_EQ(events[i].bytes, name);
    std::uint32_t last = 0;
    for (++i; i < events.size() && events[i].what == "progress"; ++i) {
        EXPECT_GT(events[i].value, last);
        last = events[i].value;
    }
    EXPECT_EQ(last, size) << name.constData();
}

TEST_F(TransferJob, SendDeliversTheFileByteExactAndEndsWithJobOverAfterThePortClosed) {
    REQUIRE_CKERMIT();
    OpenLine();
    const std::string content = RandomBytes(30000, 7);
    const fs::path file = root / "Stand 7.dat";
    WriteWholeFile(file, content);
    bool portFreeAtJobOver = false;
    recorded.onJobOver = [&] { portFreeAtJobOver = !DeviceLocked(DeviceA()); };
    StartCKermit({"receive"}, peerDir);

    auto worker = StartJob(JobKind::Send, QString::fromStdString(file.string()));
    ASSERT_TRUE(Finished(*worker, 60000));
    WaitPeer();

    EXPECT_TRUE(ReadWholeFile(peerDir / "Stand 7.dat") == content) << PeerLog();
    EXPECT_EQ(worker->outcome(), JobOutcome::Succeeded);
    EXPECT_TRUE(recorded.Boxes().empty());
    EXPECT_TRUE(portFreeAtJobOver);
    const auto events = recorded.Events();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().message, 667);
    EXPECT_EQ(recorded.JobOverCount(), 1);
    const auto progress = recorded.EventsOf(666);
    // A few reports a second reach the window, the first and the last always:
    // the last is the count before the file's last data packet.
    ASSERT_GE(progress.size(), 2u);
    EXPECT_LT(progress.size(), 30000u / 94u);
    EXPECT_EQ(progress.front().value, 0u);
    for (std::size_t i = 1; i < progress.size(); ++i)
        EXPECT_GE(progress[i].value, progress[i - 1].value);
    EXPECT_LT(progress.back().value, content.size());
    EXPECT_GT(progress.back().value + 94, content.size());
}

// A Kermit packet with the one-character block check.
std::string Packet(int seq, char type, const std::string& data) {
    std::string body;
    body += static_cast<char>(32 + data.size() + 3);
    body += static_cast<char>(32 + seq);
    body += type;
    body += data;
    int sum = 0;
    for (const char c : body)
        sum += static_cast<unsigned char>(c);
    return "\x01" + body + static_cast<char>(32 + ((sum + ((sum & 192) >> 6)) & 63)) + "\r";
}

// The peer's text reaches the window's message and the status with its
// control characters made visible.
TEST_F(TransferJob, ASendThePeerRefusesShowsTheTransmissionError) {
    const fs::path file = root / "data.bin";
    WriteWholeFile(file, RandomBytes(2000, 3));
    const std::pair<std::string, QString> cases[] = {
        {"DISK FULL", "DISK FULL"},
        {"DISK\x1b[31mRED\x1b[0m FULL\x9b", "DISK^[[31mRED^[[0m FULL\u203A"},
        {"\x1b]0;owned\x07\x7f", "^[]0;owned^G^?"},
    };
    OpenLine();
    std::size_t shownBoxes = 0;
    for (const auto& [said, shown] : cases) {
        SCOPED_TRACE(said);
        auto worker = StartJob(JobKind::Send, QString::fromStdString(file.string()));
        WaitUntilPortReady();
        // The peer answers the Send-Init with an error packet, and the B that
        // the sender then closes with is acknowledged.
        WriteToLine(Packet(0, 'E', said) + Packet(0, 'Y', ""));
        ASSERT_TRUE(Finished(*worker, 10000));
        EXPECT_EQ(worker->statusText(), shown);
        EXPECT_EQ(worker->outcome(), JobOutcome::Failed);
        const auto boxes = recorded.Boxes();
        ASSERT_EQ(boxes.size(), ++shownBoxes);
        EXPECT_EQ(boxes.back().text, "There was en error in the transmission!\n" +
                                         QString::fromStdString(file.string()) +
                                         "\nThe caliper says: " + shown);
        EXPECT_EQ(boxes.back().icon, MessageIcon::Warning);
        EXPECT_EQ(recorded.Events().back().message, 667);
    }
}

// A file that grows after the send opened it is not sent as if whole: the
// send ends with an E in place of the data, and the message says why.
TEST_F(TransferJob, AFileThatChangesWhileItIsSentEndsTheSendWithItsOwnMessage) {
    OpenLine();
    const fs::path file = root / "growing.dat";
    WriteWholeFile(file, RandomBytes(2000, 5));
    auto worker = StartJob(JobKind::Send, QString::fromStdString(file.string()));
    WaitUntilPortReady();
    std::ofstream(file, std::ios::binary | std::ios::app) << "more";
    WriteToLine(Packet(0, 'Y', "") + Packet(1, 'Y', ""));
    ASSERT_TRUE(Finished(*worker, 10000));
    EXPECT_EQ(worker->outcome(), JobOutcome::FileFailed);
    const auto boxes = recorded.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(
        boxes[0].text,
        TextAt(EnglishTexts(), TextId::SendFileChanged).arg(QString::fromStdString(file.string())));
    EXPECT_EQ(boxes[0].icon, MessageIcon::Error);
}

TEST_F(TransferJob, ReceiveServesFilesAGetADirectoryAndAByeAndGoesOnUntilStopped) {
    REQUIRE_CKERMIT();
    OpenLine();
    const std::string first = RandomBytes(12000, 1);
    const std::string second = "Tall;23.5\r\nGran;31.0\r\n";
    const std::string trees = "Bjork;12.25\r\n";
    WriteWholeFile(peerDir / "first.bin", first);
    WriteWholeFile(peerDir / "LIST.PRN", second);
    WriteWholeFile(rx / "trees.dat", trees);
    // The first two files come in one transaction: each is reported.
    StartCKermit({"msend first.bin LIST.PRN", "get trees.dat", "remote directory", "bye"}, peerDir);

    auto worker = StartJob(JobKind::Receive, QString::fromStdString(rx.string()));
    EXPECT_EQ(WaitPeer(60000), 0) << PeerLog();
    ASSERT_TRUE(WaitForDone(recorded, 5));
    // Logged out, the caliper may come back: the job still runs.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(worker->isFinished());
    worker->Stop();

    EXPECT_TRUE(ReadWholeFile(rx / "first.bin") == first);
    EXPECT_EQ(ReadWholeFile(rx / "LIST.PRN"), second);
    EXPECT_EQ(ReadWholeFile(peerDir / "trees.dat"), trees);
    EXPECT_EQ(worker->outcome(), JobOutcome::Stopped);
    EXPECT_TRUE(recorded.Boxes().empty());

    const QString folder = QDir::toNativeSeparators(QString::fromStdString(rx.string()));
    std::vector<QByteArray> names;
    for (const Event& e : recorded.Events()) {
        if (e.what != "done") continue;
        names.push_back(e.bytes);
        EXPECT_EQ(e.text, folder);
    }
    // The directory answer's CR LF is not part of the reported name.
    EXPECT_EQ(names, (std::vector<QByteArray>{"first.bin", "LIST.PRN", "trees.dat", "trees.dat",
                                              "LOGOUT      "}));
    EXPECT_EQ(LastFileText(folder, names[1]), folder + "/LIST.PRN");

    const auto events = recorded.EventsOf(665);
    std::size_t i = 0;
    ExpectReceiveProgress(events, i, "first.bin", first.size());
    ExpectReceiveProgress(events, i, "LIST.PRN", second.size());
    EXPECT_EQ(i, events.size());
    EXPECT_EQ(recorded.Events().back().message, 667);
    EXPECT_EQ(recorded.JobOverCount(), 1);
}

TEST_F(TransferJob, TextAndPrintFilesOpenInTheEditorAndAFailingEditorDoesNotEndTheJob) {
    REQUIRE_CKERMIT();
    OpenLine();
    for (const char* name : {"LIST.PRN", "DATA.TX", "data.txt", "A.T", "last.txt"})
        WriteWholeFile(peerDir / name, std::string("content of ") + name + "\r\n");
    // A directory request, answered with the last file's name, opens nothing.
    StartCKermit({"send LIST.PRN", "send DATA.TX", "send data.txt", "send A.T", "send last.txt",
                  "remote directory"},
                 peerDir);
    editorWorks = false;
    auto worker = StartJob(JobKind::Receive, QString::fromStdString(rx.string()));
    EXPECT_EQ(WaitPeer(60000), 0) << PeerLog();
    ASSERT_TRUE(WaitForDone(recorded, 6));
    worker->Stop();

    EXPECT_EQ(editorCalls, (std::vector<QString>{"LIST.PRN", "data.txt", "last.txt"}));
    const auto boxes = recorded.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.startsWith("Error opening notepad.exe!\n" +
                                         QString::fromStdString((rx / "LIST.PRN").string())))
        << boxes[0].text.toStdString();
    EXPECT_EQ(boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(ReadWholeFile(rx / "last.txt"), "content of last.txt\r\n");
}

TEST_F(TransferJob, ReceiveAsksBeforeReplacingAndEndsWhenTheUserCancels) {
    REQUIRE_CKERMIT();
    OpenLine();
    WriteWholeFile(rx / "plot.dat", "old");
    WriteWholeFile(peerDir / "plot.dat", "new");
    StartCKermit({"send plot.dat"}, peerDir);
    recorded.overwriteAnswer = JobReportSink::Overwrite::Cancel;
    auto worker = StartJob(JobKind::Receive, QString::fromStdString(rx.string()));
    ASSERT_TRUE(Finished(*worker, 30000));
    EXPECT_EQ(ReadWholeFile(rx / "plot.dat"), "old");
    EXPECT_EQ(worker->outcome(), JobOutcome::Failed);
    const auto events = recorded.Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events.front().what, "overwrite?");
    EXPECT_EQ(events.front().text, "File exists, overwrite?");
    EXPECT_EQ(events.back().message, 667);
    EXPECT_TRUE(recorded.Boxes().empty());
}

}  // namespace
}  // namespace worker_test
