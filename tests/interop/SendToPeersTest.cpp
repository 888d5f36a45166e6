// Corvix sends; C-Kermit and G-Kermit receive. Files are compared byte for byte.
#include "InteropFixture.h"

namespace interop {
namespace {

class SendToPeers : public InteropTest {
protected:
    // Sends `bytes` as `name` to C-Kermit over a line with faults; the file
    // must arrive whole, and the line must have done some damage.
    void SendOverFaultyLine(const std::string& name, const std::string& bytes,
                            const linesim::Options& options, PacketsAndWindow proposal = {},
                            std::vector<std::string> peerSettings = {}) {
        fs::create_directories(root / "tx");
        WriteWholeFile(root / "tx" / name, bytes);
        OpenLine(options);
        engine->SetOffer(
            {.packetLength = proposal.packetLength, .slidingWindow = proposal.slidingWindow});
        peerSettings.push_back("receive");
        StartCKermit(peerSettings, peerDir);
        ASSERT_EQ(CorvixSend(root / "tx" / name, name), 0) << engine->StatusText() << "\n"
                                                           << PeerLog();
        EXPECT_EQ(WaitPeer(), 0) << PeerLog();
        EXPECT_TRUE(ReadWholeFile(peerDir / name) == bytes);
        EXPECT_GT(FaultsOnLine(), 0u);
    }

    // Writes the file set into the test folder so that it can be sent.
    std::vector<TestFile> PrepareFiles() {
        auto files = StandardFileSet();
        fs::create_directories(root / "tx");
        for (const TestFile& f : files)
            WriteWholeFile(root / "tx" / f.name, f.bytes);
        return files;
    }

    // Sends the file set; `offer` is the block check Corvix proposes and
    // `used` the one the transfer must end up with; `proposal` the long
    // packets and window it proposes, `inForce` what must be agreed.
    void SendAllToCKermit(const std::vector<std::string>& extraSettings, int offer = 1,
                          int used = 1, PacketsAndWindow proposal = {},
                          PacketsAndWindow inForce = {0, 1}) {
        const auto files = PrepareFiles();
        OpenLine();
        engine->SetOffer({.blockCheck = offer,
                          .packetLength = proposal.packetLength,
                          .slidingWindow = proposal.slidingWindow});
        std::vector<std::string> commands = extraSettings;
        for (size_t i = 0; i < files.size(); ++i)
            commands.push_back("receive");
        StartCKermit(commands, peerDir);
        for (const TestFile& f : files) {
            ASSERT_EQ(CorvixSend(root / "tx" / f.name, f.name), 0)
                << f.name << ": " << engine->StatusText() << "\n"
                << PeerLog();
            EXPECT_EQ(engine->Link().InForce().checkType, used) << f.name;
            EXPECT_EQ(engine->Link().InForce().longLen, inForce.packetLength) << f.name;
            EXPECT_EQ(engine->Link().InForce().slidingWindowSize, inForce.slidingWindow) << f.name;
        }
        EXPECT_EQ(WaitPeer(), 0) << PeerLog();
        for (const TestFile& f : files) {
            EXPECT_TRUE(ReadWholeFile(peerDir / f.name) == f.bytes) << f.name << " differs";
        }
    }
};

TEST_F(SendToPeers, CKermitReceivesEveryFileByteExact) {
    REQUIRE_PEER("kermit");
    SendAllToCKermit({});
}

TEST_F(SendToPeers, CKermitAgreesToBlockCheck3WhenCorvixProposesIt) {
    REQUIRE_PEER("kermit");
    SendAllToCKermit({}, 3, 3);
}

// Corvix proposing long packets, a window or both, to a C-Kermit that
// offers 4000 and 8: what both named is used, at the smaller length.
TEST_F(SendToPeers, CKermitWithLongPacketsOnly) {
    REQUIRE_PEER("kermit");
    SendAllToCKermit({"set window 8", "set receive packet-length 4000"}, 3, 3, {4096, 1},
                     {3999, 1});
}

TEST_F(SendToPeers, CKermitWithASlidingWindowOnly) {
    REQUIRE_PEER("kermit");
    SendAllToCKermit({"set window 8", "set receive packet-length 4000"}, 3, 3, {94, 8}, {0, 8});
}

TEST_F(SendToPeers, CKermitWithLongPacketsAndASlidingWindow) {
    REQUIRE_PEER("kermit");
    SendAllToCKermit({"set window 8", "set receive packet-length 4000"}, 1, 1, {2000, 31},
                     {2000, 8});
}

TEST_F(SendToPeers, CKermitWithShortPacketsAndNoRepeatCounts) {
    REQUIRE_PEER("kermit");
    SendAllToCKermit({"set receive packet-length 40", "set repeat counts off"});
}

// Control characters outside the cautious set, in no runs: prefixed, each
// costs two characters on the line; left raw, one.
std::string HarmlessControls(std::size_t n) {
    const std::string cycle(
        "\x02\x05\x06\x07\x08\x09\x0B\x0C\x1B\x1F\x7F\x80\x82\x8E\x8F\x98\x99\x9B", 18);
    std::string s;
    while (s.size() < n)
        s += cycle;
    s.resize(n);
    return s;
}

// Cautious prefixing, chosen with a peer that agreed nothing beyond the
// nine Send-Init fields, or in force by the agreement of long packets and a
// window: the peers take the raw control characters, every file arrives
// byte-exact, and the control characters outside the cautious set cost one
// character on the line instead of two.
TEST_F(SendToPeers, PeersTakeCautiouslyPrefixedDataByteExact) {
    REQUIRE_PEER("kermit");
    REQUIRE_PEER("gkermit");
    auto files = PrepareFiles();
    const std::string controls = HarmlessControls(24000);
    files.insert(files.begin(), {"controls.bin", controls});
    WriteWholeFile(root / "tx" / "controls.bin", controls);
    OpenLine();
    struct Case {
        kermit::Offer offer;
        std::vector<std::string> peerSettings;
    };
    const Case cases[] = {
        {{.prefixing = kermit::Prefixing::Cautious}, {}},
        {{.packetLength = 4000, .slidingWindow = 8},
         {"set window 8", "set receive packet-length 4000"}},
    };
    for (const Case& c : cases) {
        engine->SetOffer(c.offer);
        fs::remove_all(peerDir);
        fs::create_directories(peerDir);
        std::vector<std::string> commands = c.peerSettings;
        commands.insert(commands.end(), files.size(), "receive");
        StartCKermit(commands, peerDir);
        for (const TestFile& f : files) {
            const std::uint64_t before = line->GetCounters().relayed[0];
            ASSERT_EQ(CorvixSend(root / "tx" / f.name, f.name), 0)
                << f.name << ": " << engine->StatusText() << "\n"
                << PeerLog();
            EXPECT_TRUE(engine->Link().PrefixesCautiously()) << f.name;
            if (f.name == "controls.bin") {
                EXPECT_LT(line->GetCounters().relayed[0] - before, controls.size() * 6 / 5);
            }
        }
        ASSERT_EQ(WaitPeer(), 0) << PeerLog();
        for (const TestFile& f : files)
            EXPECT_TRUE(ReadWholeFile(peerDir / f.name) == f.bytes) << f.name << " differs";
    }
    engine->SetOffer({.prefixing = kermit::Prefixing::Cautious});
    for (const TestFile& f : {files[0], files.back()}) {
        StartGKermit({"-r", "-i", "-P", "-w", "-q"}, peerDir);
        ASSERT_EQ(CorvixSend(root / "tx" / f.name, f.name), 0) << engine->StatusText();
        EXPECT_EQ(WaitPeer(), 0) << PeerLog();
        EXPECT_TRUE(ReadWholeFile(peerDir / f.name) == f.bytes) << f.name << " differs";
    }
}

TEST_F(SendToPeers, GKermitReceivesEveryFileByteExact) {
    REQUIRE_PEER("gkermit");
    const auto files = PrepareFiles();
    OpenLine();
    for (const TestFile& f : files) {
        StartGKermit({"-r", "-i", "-P", "-w", "-q"}, peerDir);
        ASSERT_EQ(CorvixSend(root / "tx" / f.name, f.name), 0)
            << f.name << ": " << engine->StatusText() << "\n"
            << PeerLog();
        EXPECT_EQ(WaitPeer(), 0) << PeerLog();
        EXPECT_TRUE(ReadWholeFile(peerDir / f.name) == f.bytes) << f.name << " differs";
    }
}

TEST_F(SendToPeers, BitFlipsOnTheLineStillDeliverTheFileByteExact) {
    REQUIRE_PEER("kermit");
    const std::string bytes = PatternBytes(30000, [](int i) { return (i * 7919) >> 3; });
    SendOverFaultyLine("noisy.bin", bytes, FlippingLine(3000, 7));
}

TEST_F(SendToPeers, DroppedBytesOnTheLineStillDeliverTheFileByteExact) {
    REQUIRE_PEER("kermit");
    const std::string bytes = PatternBytes(30000, [](int i) { return (i * 7907) >> 5; });
    SendOverFaultyLine("lossy.bin", bytes, DroppingLine(1000, 2));
}

// A window of long packets: a packet lost on the line, or its answer, is
// sent again, and no more are in flight than C-Kermit allowed.
TEST_F(SendToPeers, LostPacketsUnderASlidingWindowOfLongPacketsAreSentAgain) {
    REQUIRE_PEER("kermit");
    const std::string bytes = PatternBytes(120000, [](int i) { return (i * 7919) ^ (i >> 4); });
    SendOverFaultyLine("window.bin", bytes, DroppingLine(20000, 4), {1000, 8},
                       {"set window 8", "set receive packet-length 1000"});
    EXPECT_EQ(engine->Link().InForce().slidingWindowSize, 8);
    EXPECT_GT(engine->Link().InForce().longLen, 94);
}

}  // namespace
}  // namespace interop
