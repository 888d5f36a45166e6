// corvix-cli serving caliper after caliper on one cable: the adapter goes
// away and comes back, each session's files in a folder of their own.
#include "CliFixture.h"

namespace cli_test {
namespace {

std::vector<fs::path> SessionFolders(const fs::path& dir) {
    std::vector<fs::path> folders;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_directory()) folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    return folders;
}

// Two calipers with the same file name, one after the other: each says
// FINISH, is unplugged, and the next is plugged in. Both files arrive
// byte-exact, each in its session's folder, with no overwrite question, and
// the end list names both sessions.
TEST_F(Cli, KeepServingTakesCaliperAfterCaliperEachIntoASessionFolder) {
    REQUIRE_CKERMIT();
    linesim::Options options;
    options.linkA = (root / "caliper").string();
    line = std::make_unique<linesim::LineSim>(options);
    ASSERT_TRUE(line->IsRunning()) << line->Error();
    Start({"receive", "--port", PortA(), "--dir", "rx", "--keep-serving", "--session-folders"});
    const std::string contents[] = {test_support::RandomBytes(20000, 41),
                                    test_support::RandomBytes(7000, 42)};
    for (const std::string& content : contents) {
        WaitUntilPortReady();
        WriteWholeFile(root / "peer" / "trees.dat", content);
        StartCKermit({"send trees.dat", "finish"});
        ASSERT_EQ(peer.Wait(30000), 0) << ReadWholeFile(root / "peer.log");
        // A second apart, so that the sessions' folders differ by their names too.
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        line->CloseEnd(0);
        ASSERT_TRUE(line->ReplugEnd(0)) << line->Error();
    }
    WaitUntilPortReady();
    Signal(SIGINT);
    EXPECT_EQ(Finish(5000), 130) << err;

    const std::vector<fs::path> folders = SessionFolders(root / "rx");
    ASSERT_EQ(folders.size(), 2u) << out;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(ReadWholeFile(folders[i] / "trees.dat"), contents[i]);
        const std::string entry = "session " + std::to_string(i + 1) + ": " + folders[i].string() +
                                  "\n" + (folders[i] / "trees.dat").string() + ": ";
        EXPECT_NE(out.find(entry), std::string::npos) << out;
    }
    EXPECT_NE(err.find("waiting for the caliper to be plugged in again"), std::string::npos) << err;
    EXPECT_EQ(err.find("exists"), std::string::npos) << err;
}

}  // namespace
}  // namespace cli_test
