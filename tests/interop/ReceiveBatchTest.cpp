// A sender's batch, several files in one transaction (S F D... Z F D... Z B),
// taken by corvix-cli as a user takes a caliper's day of files.
#include "InteropFixture.h"

namespace interop {
namespace {

class ReceiveBatch : public InteropTest {
protected:
    // corvix-cli receives three files on end A while `startSender` sends
    // them from end B; both must end with success.
    template <typename StartSender>
    void ReceiveThree(const std::string& what, StartSender startSender) {
        SCOPED_TRACE(what);
        fs::remove_all(rx);
        fs::create_directories(rx);
        line = std::make_unique<linesim::LineSim>();
        ASSERT_TRUE(line->IsRunning()) << line->Error();
        PeerProcess cli;
        const fs::path log = root / "cli.log";
        ASSERT_TRUE(
            cli.Start({CORVIX_CLI_PATH, "receive", "--port", line->Path(linesim::LineSim::kSideA),
                       "--dir", rx.string(), "--count", "3"},
                      root.string(), log.string()));
        startSender();
        EXPECT_EQ(cli.Wait(60000), 0) << ReadWholeFile(log) << PeerLog();
        EXPECT_EQ(WaitPeer(), 0) << PeerLog();
        const std::string said = ReadWholeFile(log);
        for (const TestFile& f : files) {
            EXPECT_TRUE(ReadWholeFile(rx / f.name) == f.bytes) << f.name << " differs";
            EXPECT_NE(said.find("done: " + (rx / f.name).string()), std::string::npos) << said;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(rx), fs::directory_iterator()), 3);
    }

    std::vector<TestFile> files;
};

TEST_F(ReceiveBatch, EveryFileOfABatchFromCKermitAndGKermitArrivesByteExact) {
    REQUIRE_PEER("kermit");
    REQUIRE_PEER("gkermit");
    const auto standard = StandardFileSet();
    files = {standard.back(), standard.front(), standard[4]};  // random, empty, text
    std::string names;
    for (const TestFile& f : files) {
        WriteWholeFile(peerDir / f.name, f.bytes);
        names += " " + f.name;
    }
    ReceiveThree("C-Kermit msend", [&] { StartCKermit({"msend" + names}, peerDir); });
    ReceiveThree("C-Kermit msend, block check 1", [&] {
        StartCKermit({"set block-check 1", "msend" + names}, peerDir);
    });
    ReceiveThree("G-Kermit -s", [&] {
        StartGKermit({"-s", files[0].name, files[1].name, files[2].name, "-i", "-P", "-q"},
                     peerDir);
    });
}

}  // namespace
}  // namespace interop
