// G-Kermit sends, one process and one transaction per file, started while
// Corvix's receiver is idle on the line, as a person at the other end would.
// G-Kermit takes the receiver's first NAK, sent before it started, for an
// answer to its Send-Init and sends that again, often several times over.
#include <chrono>
#include <future>
#include <thread>

#include "InteropFixture.h"

namespace interop {
namespace {

class ReceiveFromGKermit : public InteropTest {};

TEST_F(ReceiveFromGKermit, EveryFileArrivesByteExactWithTheBlockCheckItProposes) {
    REQUIRE_PEER("gkermit");
    const auto files = StandardFileSet();
    OpenLine();
    int delayMs = 0;
    for (const TestFile& f : files) {
        WriteWholeFile(peerDir / f.name, f.bytes);
        auto receiving = std::async(std::launch::async, [this] { return CorvixReceiveOnce(); });
        // The receiver's first NAK is on its way while the sender starts:
        // a little later each time, across the window of the race.
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        delayMs += 15;
        StartGKermit({"-s", f.name, "-i", "-P", "-q"}, peerDir);
        const int got = receiving.get();
        ASSERT_EQ(got, static_cast<int>(f.bytes.size()))
            << f.name << ": " << engine->StatusText() << "\n"
            << PeerLog();
        EXPECT_STREQ(nameBuffer, f.name.c_str());
        EXPECT_EQ(engine->Link().InForce().checkType, 3) << f.name;  // its Send-Init proposes 3
        EXPECT_TRUE(ReadWholeFile(rx / f.name) == f.bytes) << f.name << " differs";
        EXPECT_EQ(WaitPeer(), 0) << PeerLog();
        MakePeerEndRaw();
    }
}

}  // namespace
}  // namespace interop
