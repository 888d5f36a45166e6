// What C-Kermit's attribute packets announce, and what Corvix's announce to
// it: the file's date, its length held against the room on the disk.
#include <fstream>

#include "CKermitScript.h"
#include "FileDates.h"
#include "InteropFixture.h"

namespace interop {
namespace {

using test_support::LocalTime;
using test_support::ModifiedAt;
using test_support::SetModified;

// Remembers what the receiver was told of refused and announced files. A
// file that keeps coming past `stopAfter` bytes is stopped, so that a refusal
// that failed cannot fill the disk.
class TellingObserver : public ReplacingObserver {
public:
    TellingObserver(std::atomic<int>& run) : run_(run) {}
    void OnReceiveProgress(std::uint32_t bytes) override {
        if (bytes > stopAfter) run_ = 0;
    }
    void OnFileRefused(const std::string& target, std::uint64_t announced, std::uint64_t) override {
        refused.push_back(target + " " + std::to_string(announced));
    }
    void OnReceiveFileAnnounced(std::uint64_t length) override { announced.push_back(length); }
    std::vector<std::string> refused;
    std::vector<std::uint64_t> announced;
    std::uint32_t stopAfter = 1u << 20;

private:
    std::atomic<int>& run_;
};

class FileAttributes : public InteropTest {
protected:
    TellingObserver telling{run};
};

// A binary file under C-Kermit's sliding window and a text file sent one
// packet at a time both take their sender's date; the text file, whose line
// ends changed on the way, is not held to the length its sender announced.
TEST_F(FileAttributes, CKermitsFilesArriveWithTheirDates) {
    REQUIRE_PEER("kermit");
    const std::string binary = StandardFileSet().back().bytes;
    WriteWholeFile(peerDir / "dated.bin", binary);
    WriteWholeFile(peerDir / "notes.txt", "Pine 31\nSpruce 28\n");
    const std::time_t binaryDate = LocalTime(2019, 7, 4, 13, 14, 15);
    const std::time_t textDate = LocalTime(2021, 1, 31, 8, 9, 10);
    SetModified(peerDir / "dated.bin", binaryDate);
    SetModified(peerDir / "notes.txt", textDate);
    OpenLine();
    engine->SetObserver(&telling);
    StartCKermit({"send dated.bin", "set window 1", "set file type text", "send notes.txt"},
                 peerDir);
    ASSERT_EQ(CorvixReceiveOnce(), static_cast<int>(binary.size())) << engine->StatusText();
    EXPECT_GT(engine->Link().InForce().slidingWindowSize, 1);
    ASSERT_EQ(CorvixReceiveOnce(), 20) << engine->StatusText() << "\n" << PeerLog();
    EXPECT_EQ(engine->Link().InForce().slidingWindowSize, 1);
    EXPECT_TRUE(engine->Link().InForce().attributes);
    EXPECT_EQ(WaitPeer(), 0) << PeerLog();
    EXPECT_TRUE(ReadWholeFile(rx / "dated.bin") == binary);
    EXPECT_EQ(ReadWholeFile(rx / "notes.txt"), "Pine 31\r\nSpruce 28\r\n");
    EXPECT_EQ(ModifiedAt(rx / "dated.bin"), binaryDate);
    EXPECT_EQ(ModifiedAt(rx / "notes.txt"), textDate);
    EXPECT_EQ(telling.announced, (std::vector<std::uint64_t>{binary.size(), 18}));
}

// A sparse file far larger than the disk's room is refused in the answer to
// its attribute packet: C-Kermit sends none of its data, nothing of it is
// written, and the next file of the batch arrives.
TEST_F(FileAttributes, AFileLargerThanTheRoomIsRefusedAndTheBatchGoesOn) {
    REQUIRE_PEER("kermit");
    if (!test_support::HugeSparseFile(peerDir / "huge.bin", rx))
        GTEST_SKIP() << "no sparse file larger than the disk";
    WriteWholeFile(peerDir / "after.txt", "small\r\n");
    // Paced as the cable is: a refusal that failed brings a trickle, not gigabytes.
    linesim::Options paced;
    paced.baud = 115200;
    OpenLine(paced);
    engine->SetObserver(&telling);
    StartCKermit({"log packets " + (root / "packets.log").string(), "msend huge.bin after.txt"},
                 peerDir);
    EXPECT_EQ(CorvixReceiveOnce(), kNeither) << engine->StatusText();
    EXPECT_EQ(received.outcome, kermit::Outcome::FileRefused);
    EXPECT_TRUE(fs::is_empty(rx));
    ASSERT_EQ(CorvixReceiveOnce(), 7) << engine->StatusText() << "\n" << PeerLog();
    // C-Kermit ends with 2: a file of its batch did not go.
    EXPECT_EQ(WaitPeer(), 2) << PeerLog();
    EXPECT_EQ(ReadWholeFile(rx / "after.txt"), "small\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(rx), fs::directory_iterator()), 1);
    EXPECT_EQ(telling.refused,
              (std::vector<std::string>{(rx / "huge.bin").string() + " " +
                                        std::to_string(fs::file_size(peerDir / "huge.bin"))}));
    // S, F and A of the huge file, its Z, then the next file: no data between.
    const std::string types = interop::CKermitSentTypes(ReadWholeFile(root / "packets.log"));
    EXPECT_EQ(types.substr(0, 5), "SFAZF") << types;
    fs::remove(peerDir / "huge.bin");
}

// Corvix, sending with long packets (so its Send-Init names attribute
// packets), gives C-Kermit the file's date.
TEST_F(FileAttributes, CorvixGivesCKermitTheFilesDate) {
    REQUIRE_PEER("kermit");
    fs::create_directories(root / "tx");
    const std::string bytes = StandardFileSet()[5].bytes;
    WriteWholeFile(root / "tx" / "plot.bin", bytes);
    OpenLine();
    engine->SetOffer({.packetLength = 4000});
    StartCKermit({"receive"}, peerDir);
    const kermit::SendDetails details{.modified = kermit::FileDate{2018, 12, 24, 18, 30, 0}};
    ASSERT_EQ(engine->KermitSend("plot.bin", reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                 bytes.size(), details),
              kermit::Outcome::Done)
        << engine->StatusText() << "\n"
        << PeerLog();
    EXPECT_TRUE(engine->Link().InForce().attributes);
    EXPECT_EQ(WaitPeer(), 0) << PeerLog();
    EXPECT_TRUE(ReadWholeFile(peerDir / "plot.bin") == bytes);
    EXPECT_EQ(ModifiedAt(peerDir / "plot.bin"), LocalTime(2018, 12, 24, 18, 30, 0));
}

}  // namespace
}  // namespace interop
