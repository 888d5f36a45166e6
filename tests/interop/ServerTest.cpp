// C-Kermit as the caliper-side client of Corvix's small server.
#include "InteropFixture.h"

#include <cstring>

namespace interop {
namespace {

using ServeCKermit = InteropTest;

TEST_F(ServeCKermit, GetRemoteDirectoryFinishAndBye) {
    REQUIRE_PEER("kermit");
    const std::string content = "Tall;23.5\r\n" + std::string(5000, 'z') + "\r\n";
    WriteWholeFile(rx / "trees.txt", content);
    OpenLine();
    StartCKermit({"get trees.txt", "echo GET-STATUS \\v(status)", "remote directory", "finish",
                  "echo FINISH-STATUS \\v(status)", "bye"},
                 peerDir);

    ASSERT_EQ(CorvixReceiveOnce(), 0) << engine->StatusText() << "\n" << PeerLog();  // R
    EXPECT_STREQ(nameBuffer, "trees.txt");
    ASSERT_EQ(CorvixReceiveOnce(), 0) << engine->StatusText() << "\n" << PeerLog();  // G D
    ASSERT_EQ(CorvixReceiveOnce(), 0) << engine->StatusText() << "\n" << PeerLog();  // G F
    EXPECT_STREQ(nameBuffer, "LOGOUT      ");
    ASSERT_EQ(CorvixReceiveOnce(), 0) << engine->StatusText() << "\n" << PeerLog();  // G L
    EXPECT_STREQ(nameBuffer, "LOGOUT      ");
    WaitPeer();

    EXPECT_TRUE(ReadWholeFile(peerDir / "trees.txt") == content);
    const std::string log = PeerLog();
    EXPECT_NE(log.find("GET-STATUS 0"), std::string::npos) << log;
    EXPECT_NE(log.find("trees.txt"), std::string::npos) << log;  // the text of G D
    EXPECT_NE(log.find("FINISH-STATUS 0"), std::string::npos) << log;
}

TEST_F(ServeCKermit, RequestForAFileOutsideTheFolderIsRefused) {
    REQUIRE_PEER("kermit");
    WriteWholeFile(root / "secret.txt", "not for the caliper");
    OpenLine();
    StartCKermit({"get ../secret.txt", "echo GET-STATUS \\v(status)"}, peerDir);
    EXPECT_EQ(CorvixReceiveOnce(), kNeither);
    EXPECT_EQ(received.outcome, kermit::Outcome::RequestRefused);  // the server goes on
    WaitPeer();
    EXPECT_FALSE(fs::exists(peerDir / "secret.txt"));
    EXPECT_NE(PeerLog().find("GET-STATUS 1"), std::string::npos) << PeerLog();
}

}  // namespace
}  // namespace interop
