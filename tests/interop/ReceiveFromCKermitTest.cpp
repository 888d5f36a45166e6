// C-Kermit sends; Corvix's receiver takes one transaction per call.
#include <signal.h>

#include <chrono>

#include "InteropFixture.h"

namespace interop {
namespace {

// Tells the test how far the file under way has come.
class ProgressObserver : public ReplacingObserver {
public:
    void OnReceiveProgress(std::uint32_t bytes) override { received = bytes; }
    std::atomic<std::uint32_t> received{0};
};

class ReceiveFromCKermit : public InteropTest {
protected:
    // Receives the file set; `check` is the block check C-Kermit's settings
    // lead to (it proposes 3 unless told otherwise), `inForce` the long
    // packets and window (it offers 4000 and 30 unless told otherwise).
    void ReceiveAll(const std::vector<std::string>& extraSettings, int check = 3,
                    PacketsAndWindow inForce = {3999, 30}) {
        const auto files = StandardFileSet();
        std::vector<std::string> commands = extraSettings;
        for (const TestFile& f : files) {
            WriteWholeFile(peerDir / f.name, f.bytes);
            commands.push_back("send " + f.name);
        }
        OpenLine();
        StartCKermit(commands, peerDir);
        for (const TestFile& f : files) {
            const int got = CorvixReceiveOnce();
            ASSERT_EQ(got, static_cast<int>(f.bytes.size()))
                << f.name << ": " << engine->StatusText() << "\n"
                << PeerLog();
            EXPECT_STREQ(nameBuffer, f.name.c_str());
            EXPECT_EQ(engine->Link().InForce().checkType, check) << f.name;
            EXPECT_EQ(engine->Link().InForce().longLen, inForce.packetLength) << f.name;
            EXPECT_EQ(engine->Link().InForce().slidingWindowSize, inForce.slidingWindow) << f.name;
            EXPECT_TRUE(ReadWholeFile(rx / f.name) == f.bytes) << f.name << " differs";
        }
        EXPECT_EQ(WaitPeer(), 0) << PeerLog();
    }

    // Receives `bytes` as `name` from C-Kermit over a line with faults; the
    // file must arrive whole, and the line must have done some damage.
    void ReceiveOverFaultyLine(const std::string& name, const std::string& bytes,
                               const linesim::Options& options,
                               std::vector<std::string> peerSettings = {}) {
        peerSettings.push_back("send " + name);
        WriteWholeFile(peerDir / name, bytes);
        OpenLine(options);
        StartCKermit(peerSettings, peerDir);
        ASSERT_EQ(CorvixReceiveOnce(), static_cast<int>(bytes.size()))
            << engine->StatusText() << "\n"
            << PeerLog();
        EXPECT_TRUE(ReadWholeFile(rx / name) == bytes);
        WaitPeer();
        EXPECT_GT(FaultsOnLine(), 0u);
    }
};

TEST_F(ReceiveFromCKermit, EveryFileArrivesByteExact) {
    REQUIRE_PEER("kermit");
    ReceiveAll({});
}

TEST_F(ReceiveFromCKermit, WithBlockCheck1AsACaliperSpeaksIt) {
    REQUIRE_PEER("kermit");
    ReceiveAll({"set block-check 1"}, 1, {3999, 30});
}

// What C-Kermit offers is answered: long packets only, a window only, both.
TEST_F(ReceiveFromCKermit, WithLongPacketsOnly) {
    REQUIRE_PEER("kermit");
    ReceiveAll({"set window 1", "set send packet-length 4000"}, 3, {3999, 1});
}

TEST_F(ReceiveFromCKermit, WithASlidingWindowOnly) {
    REQUIRE_PEER("kermit");
    ReceiveAll({"set window 8", "set receive packet-length 94"}, 3, {0, 8});
}

TEST_F(ReceiveFromCKermit, WithLongPacketsAndASlidingWindowOf8) {
    REQUIRE_PEER("kermit");
    ReceiveAll({"set window 8", "set receive packet-length 4000", "set send packet-length 4000"}, 3,
               {3999, 8});
}

TEST_F(ReceiveFromCKermit, WithoutRepeatCounts) {
    REQUIRE_PEER("kermit");
    ReceiveAll({"set repeat counts off"});
}

TEST_F(ReceiveFromCKermit, BitFlipsOnTheLineStillDeliverTheFileByteExact) {
    REQUIRE_PEER("kermit");
    const std::string bytes = PatternBytes(30000, [](int i) { return (i * 131) ^ (i >> 5); });
    ReceiveOverFaultyLine("noisy.bin", bytes, FlippingLine(3000, 11));
}

// A lost byte leaves a packet short: its check, or its end, gives it away,
// and so does the loss of the EOL itself once the peer sends the packet again.
// A line that loses 1 byte in 1,000 carries hardly a packet of 4000 whole,
// and C-Kermit sends every copy as long: here it sends short packets, one at
// a time.
TEST_F(ReceiveFromCKermit, DroppedBytesOnTheLineStillDeliverTheFileByteExact) {
    REQUIRE_PEER("kermit");
    const std::string bytes = PatternBytes(30000, [](int i) { return (i * 37) ^ (i >> 7); });
    ReceiveOverFaultyLine("lossy.bin", bytes, DroppingLine(1000, 5),
                          {"set send packet-length 94", "set window 1"});
}

// Under a window a lost packet is asked for again while the ones after it
// are kept; the file is written in order, every packet once.
TEST_F(ReceiveFromCKermit, LostPacketsUnderASlidingWindowOfLongPacketsAreAskedForAgain) {
    REQUIRE_PEER("kermit");
    const std::string bytes = PatternBytes(
        120000, [](int i) { return (i * 7) ^ (i >> 9) ^ (static_cast<long long>(i) * i >> 3); });
    ReceiveOverFaultyLine("window.bin", bytes, DroppingLine(20000, 3),
                          {"set window 8", "set send packet-length 1000"});
    EXPECT_EQ(engine->Link().InForce().slidingWindowSize, 8);
    EXPECT_GT(engine->Link().InForce().longLen, 94);
}

TEST_F(ReceiveFromCKermit, NamesThatPointOutsideLandInsideTheReceiveFolder) {
    REQUIRE_PEER("kermit");
    WriteWholeFile(peerDir / "data.txt", "tree list\r\n");
    OpenLine();
    StartCKermit({"send data.txt ../../escape.txt", "send data.txt /abs/x.txt"}, peerDir);
    ASSERT_GE(CorvixReceiveOnce(), 0) << engine->StatusText();
    EXPECT_STREQ(nameBuffer, "escape.txt");
    ASSERT_GE(CorvixReceiveOnce(), 0) << engine->StatusText();
    EXPECT_STREQ(nameBuffer, "x.txt");
    EXPECT_EQ(ReadWholeFile(rx / "escape.txt"), "tree list\r\n");
    EXPECT_EQ(ReadWholeFile(rx / "x.txt"), "tree list\r\n");
    EXPECT_FALSE(fs::exists(root / "escape.txt"));
    EXPECT_FALSE(fs::exists(root.parent_path() / "escape.txt"));
    WaitPeer();
}

// C-Kermit stopped (SIGSTOP) halfway through a file and woken within the
// silence limit (a short one here) finishes the file byte-exact; stopped for
// good, the receive ends by itself once C-Kermit has said nothing for the
// limit, and keeps what arrived as not whole. (A C-Kermit stopped for good
// is killed: on SIGCONT it does not read what came while it was stopped.)
TEST_F(ReceiveFromCKermit, ASilentSenderEndsTheReceiveAndOneThatPausesFinishes) {
    REQUIRE_PEER("kermit");
    using namespace std::chrono;
    constexpr int kLimitMs = 6000;
    const std::string bytes = test_support::RandomBytes(60000, 5);
    linesim::Options paced;
    paced.baud = 230400;
    OpenLine(paced);
    ProgressObserver progress;
    engine->SetObserver(&progress);
    engine->SetSilenceLimit(kLimitMs);
    WriteWholeFile(peerDir / "plot.dat", bytes);
    const struct {
        double at;    // the share that has arrived when C-Kermit is stopped
        int pauseMs;  // < 0: never woken before the receive ends
    } cases[] = {{0.50, kLimitMs / 2}, {0.50, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at);
        fs::remove_all(rx);
        fs::create_directories(rx);
        progress.received = 0;
        // One short packet at a time, as a caliper sends.
        StartCKermit({"set window 1", "set send packet-length 94", "send plot.dat"}, peerDir);
        steady_clock::time_point stoppedAt;
        std::thread stopper([&] {
            const auto share = static_cast<std::uint32_t>(c.at * bytes.size());
            while (progress.received < share && !peer.Poll())
                std::this_thread::sleep_for(milliseconds(1));
            peer.Signal(SIGSTOP);
            stoppedAt = steady_clock::now();
            if (c.pauseMs < 0) return;
            std::this_thread::sleep_for(milliseconds(c.pauseMs));
            peer.Signal(SIGCONT);
        });
        const int got = CorvixReceiveOnce();
        const auto ended = steady_clock::now();
        stopper.join();
        if (c.pauseMs >= 0) {
            EXPECT_EQ(got, static_cast<int>(bytes.size())) << engine->StatusText();
            EXPECT_TRUE(ReadWholeFile(rx / "plot.dat") == bytes);
            EXPECT_EQ(WaitPeer(10000), 0) << PeerLog();
            continue;
        }
        EXPECT_EQ(got, -1);
        EXPECT_STREQ(engine->StatusText(), "      NO DATA");
        EXPECT_EQ(engine->LastFailure(), kermit::KermitEngine::Failure::Silent);
        EXPECT_GE(ended - stoppedAt, milliseconds(kLimitMs - 1000));
        EXPECT_LT(ended - stoppedAt, milliseconds(kLimitMs + 3000));
        const std::string kept = ReadWholeFile(rx / "plot.dat.part");
        EXPECT_GE(kept.size() + 8192, static_cast<std::size_t>(c.at * bytes.size()));
        EXPECT_TRUE(kept.size() < bytes.size() && bytes.compare(0, kept.size(), kept) == 0);
        EXPECT_FALSE(fs::exists(rx / "plot.dat"));
        peer.Kill();
    }
}

}  // namespace
}  // namespace interop
