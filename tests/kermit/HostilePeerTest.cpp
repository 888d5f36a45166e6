// Peers that misbehave on purpose: floods, streams that never pause, names
// meant to escape the receive folder or to open a device, prefixes that
// clash. The engine ends on a stop, stays inside the folder and keeps its
// memory to its fixed buffers.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <string>
#include <vector>

#include "AllocationCount.h"
#include "KermitPeer.h"
#include "ReceiveRig.h"
#include "kermit/FileNames.h"

using namespace kermit_test;

namespace {

// A peer that never runs dry: after `opening` it sends `cycle` over and over,
// as fast as the engine reads, one byte a read, so that bytesRead is what the
// engine took and not what it read ahead. The test's stop comes after `stopAfter` bytes;
// a peer still being read long after it (kGiveUp bytes) falls silent, so
// that a stop the engine misses fails the test instead of hanging it.
class EndlessPort : public kermit::KermitPort {
public:
    static constexpr std::size_t kGiveUp = 1 << 20;

    EndlessPort(std::atomic<int>& run, std::size_t stopAfter, std::string opening,
                std::string cycle)
        : run_(run),
          stopAfter_(stopAfter),
          opening_(std::move(opening)),
          cycle_(std::move(cycle)) {}

    std::size_t bytesRead = 0;
    std::vector<Packet> sent;

    std::size_t ReadAfterStop() const {
        return bytesRead > stopAfter_ ? bytesRead - stopAfter_ : 0;
    }

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override {
        if (bytesRead >= stopAfter_) run_ = 0;
        if (bytesRead >= stopAfter_ + kGiveUp || maxLength < 1) return 0;
        buffer[0] = static_cast<std::uint8_t>(
            bytesRead < opening_.size() ? opening_[bytesRead]
                                        : cycle_[(bytesRead - opening_.size()) % cycle_.size()]);
        ++bytesRead;
        return 1;
    }
    int Write(const std::uint8_t* buffer, int length) override {
        const std::string bytes(reinterpret_cast<const char*>(buffer), length);
        const size_t start = bytes.find('\x01');
        if (start != std::string::npos && start + 4 <= bytes.size()) {
            const int len = static_cast<unsigned char>(bytes[start + 1]) - 35;
            sent.push_back({static_cast<unsigned char>(bytes[start + 2]) - 32, bytes[start + 3],
                            bytes.substr(start + 4, len)});
        }
        return length;
    }
    void WaitForInput(int) override {}
    void PumpMessages() override {}

private:
    std::atomic<int>& run_;
    std::size_t stopAfter_;
    std::string opening_;
    std::string cycle_;
};

struct Flood {
    const char* what;
    std::string cycle;
};

std::string Times(const std::string& unit, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += unit;
    return s;
}

// Kinds of garbage, each a 4 KB piece sent over and over.
std::vector<Flood> Floods() {
    std::mt19937 random(7);
    std::string noise(4096, 0);
    for (char& c : noise)
        c = static_cast<char>(2 + random() % 254);
    return {
        {"noise without a mark", noise},
        {"endless marks", std::string(4096, '\x01')},
        {"lengths out of range", Times(std::string("\x01\x20\x01\xff", 4), 1024)},
        {"marks restarting every packet", Times(std::string("\x01\x25 S", 4), 1024)},
    };
}

struct Hostile : ::testing::Test {
    TempTree tree;
};

TEST_F(Hostile, FloodsEndOnTheStopWithoutMemoryGrowingWithThem) {
    for (const Flood& flood : Floods()) {
        SCOPED_TRACE(flood.what);
        std::size_t allocated[2] = {};
        const std::size_t lengths[2] = {64 * 1024, 2 * 1024 * 1024};
        for (int i = 0; i < 2; ++i) {
            std::atomic<int> run{1};
            EndlessPort port(run, lengths[i], "", flood.cycle);
            disk::DiskFiles files;
            kermit::KermitEngine engine(port, files, run);
            engine.SetReceiveFolder(tree.In());
            char name[kermit::KermitEngine::kNameBufferSize] = {};
            std::uint8_t data[8192];
            const std::size_t before = AllocationCount();
            const kermit::Outcome outcome = engine.KermitReceive(name, data, 8191).outcome;
            EXPECT_TRUE(outcome == kermit::Outcome::Failed || outcome == kermit::Outcome::Stopped);
            allocated[i] = AllocationCount() - before;
            // Three bad packets may end the wait before the stop does.
            if (port.bytesRead >= lengths[i]) {
                EXPECT_STREQ(engine.StatusText(), "         QUIT");
                EXPECT_EQ(outcome, kermit::Outcome::Stopped);
                EXPECT_LT(port.ReadAfterStop(), 16u);
            }
        }
        EXPECT_EQ(allocated[0], allocated[1]);
        EXPECT_TRUE(Listing(tree.In()).empty());
    }
}

// A sender that streams data packets back to back, with no pause and no EOL
// between them: the byte wait never has to wait, yet the stop ends it.
TEST_F(Hostile, EndlessStreamOfDataPacketsEndsOnTheStop) {
    auto bare = [](int seq, char type, const std::string& data) {
        std::string p = MakePacket(seq, type, data);
        p.pop_back();
        return p;
    };
    std::string packets;
    for (int seq = 2; seq < 66; ++seq)
        packets += bare(seq & 63, 'D', std::string(90, 'x'));
    std::atomic<int> run{1};
    EndlessPort port(run, 300 * 1024, bare(0, 'S', InitParams()) + bare(1, 'F', "FLOOD.DAT"),
                     packets);
    disk::DiskFiles files;
    kermit::KermitEngine engine(port, files, run);
    engine.SetReceiveFolder(tree.In());
    char name[kermit::KermitEngine::kNameBufferSize] = {};
    std::uint8_t data[8192];
    EXPECT_EQ(engine.KermitReceive(name, data, 8191).outcome, kermit::Outcome::Stopped);
    EXPECT_STREQ(engine.StatusText(), "         QUIT");
    EXPECT_LT(port.ReadAfterStop(), 200u);
    engine.TellPeerEnded("User cancelled");
    ASSERT_FALSE(port.sent.empty());
    EXPECT_EQ(port.sent.back().type, 'E');
    EXPECT_EQ(port.sent.back().data, "User cancelled");
    EXPECT_FALSE(fs::exists(tree.In() / "FLOOD.DAT"));  // kept as incomplete
    EXPECT_LE(fs::file_size(tree.In() / "FLOOD.DAT.part"), 300u * 1024);
}

// Names the receiver must not take as they come: control characters, folder
// parts built from repeat counts, and device names under the Windows rules
// (which Windows builds use and any build can be asked for).
TEST_F(Hostile, AnnouncedNamesAreMadePlainUnderBothRules) {
    struct Case {
        std::string announced;
        std::string posix;
        std::string windows;
    };
    const std::vector<Case> cases = {
        {"\x01"
         "bell\x07\n.txt",
         "_bell__.txt", "_bell__.txt"},
        {"...../.....\\x.txt", "x.txt", "x.txt"},
        {".....", ".....", "_"},
        {"NUL", "NUL", "_NUL"},
        {"con.txt", "con.txt", "_con.txt"},
        {"C:COM1", "COM1", "_COM1"},
        {"lpt9.log. . ", "lpt9.log. . ", "_lpt9.log"},
        {"AUX.tar.gz", "AUX.tar.gz", "_AUX.tar.gz"},
        {"COM0.txt", "COM0.txt", "COM0.txt"},
        {"CONSOLE", "CONSOLE", "CONSOLE"},
        {"a<b>c:d\"e|f?g*h", "a_b_c_d_e_f_g_h", "a_b_c_d_e_f_g_h"},
        {"CON.TXT", "CON.TXT", "_CON.TXT"},
        {"aux", "aux", "_aux"},
        {"name.", "name.", "name"},
        {"a:b", "b", "b"},
        {"ab:c", "ab_c", "ab_c"},  // not a stream "c" of a file "ab"
    };
#ifdef _WIN32
    // The POSIX results would be devices or other names on Windows itself.
    const std::vector<bool> rules = {true};
#else
    const std::vector<bool> rules = {false, true};
#endif
    for (const bool windows : rules) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.announced + (windows ? " windows" : " posix"));
            ReceiveRig rig(tree.In());
            rig.engine.SetWindowsNameRules(windows);
            rig.Script(SendingScript(c.announced, "data", InitParams(94, 0, '~')));
            EXPECT_EQ(rig.Receive(), 4);
            const std::string expected = windows ? c.windows : c.posix;
            EXPECT_EQ(Listing(tree.In()), std::vector<std::string>{expected});
            EXPECT_EQ(Listing(tree.base), std::vector<std::string>{"in"});
            fs::remove_all(tree.In());
            fs::create_directories(tree.In());
        }
    }
}

// A reserved device name of the longest length gains its underscore and
// still fits the name field: it is cut to 127 characters.
TEST_F(Hostile, LongestReservedNameIsCutToFit) {
    const std::string name = "CON." + std::string(123, 'n');
    ReceiveRig rig(tree.In());
    rig.engine.SetWindowsNameRules(true);
    rig.Script(SendingScript(name, "x", InitParams(94, 0, '~')));
    ASSERT_EQ(rig.Receive(), 1);
    const std::string expected = "_" + name.substr(0, 126);
    EXPECT_EQ(std::string(rig.nameBuffer), expected);
    EXPECT_EQ(Listing(tree.In()), std::vector<std::string>{expected});
}

TEST_F(Hostile, RequestsForDevicesOrFolderPartsAreRefused) {
    WriteWhole(tree.In() / "NUL", "a file that Windows could not have");
    WriteWhole(tree.base / "secret", "do not serve");
    for (const char* name : {"..\\secret", "in/../secret", "#Jsecret", "#@../secret"}) {
        SCOPED_TRACE(name);
        ReceiveRig rig(tree.In());
        rig.port.FeedPacket(0, 'R', name);
        EXPECT_EQ(rig.Receive(), rig.kNeither);
        EXPECT_EQ(rig.outcome, kermit::Outcome::RequestRefused);
        EXPECT_EQ(rig.port.TypesSent(), "NE");
    }
    ReceiveRig rig(tree.In());
    rig.engine.SetWindowsNameRules(true);
    rig.port.FeedPacket(0, 'R', "NUL");
    EXPECT_EQ(rig.Receive(), rig.kNeither);
    EXPECT_EQ(rig.outcome, kermit::Outcome::RequestRefused);
    EXPECT_EQ(rig.port.sent.back().data, "FILE NOT FOUND");
}

// An 8-bit prefix that is also a control prefix, or one that is also the
// repeat prefix, would let a character be read two ways. The first is
// refused (answered N), the second turns repeat counts off; either way a
// file with every byte value arrives unchanged.
TEST_F(Hostile, ClashingPrefixesAreNotAdopted) {
    struct Case {
        std::string params;
        char qbin;
        char rept;
        char ackQbin;
        char ackRept;
    };
    const std::vector<Case> cases = {
        {"~* @-##1~", 0, '~', 'N', '~'},
        {"~* @-&&1~", 0, '~', 'N', '~'},
        {"~* @-#~1~", '~', 0, '~', ' '},
        {"~* @-~&1~", '&', 0, '&', ' '},
    };
    std::string content;
    for (int i = 0; i < 3 * 256; ++i)
        content += static_cast<char>(i / 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.params);
        ReceiveRig rig(tree.In());
        rig.port.FeedPacket(0, 'S', c.params);
        rig.engine.ResetEngine();
        EXPECT_EQ(rig.engine.WaitForCommand(), kermit::Command::SendInit);
        kermit::PacketLink& link = rig.engine.Link();
        EXPECT_EQ(link.InForce().binPrefix, c.qbin);
        EXPECT_EQ(link.InForce().repeatPrefix, c.rept);
        ASSERT_EQ(rig.port.sent.back().data.size(), 9u);
        EXPECT_EQ(rig.port.sent.back().data[6], c.ackQbin);
        EXPECT_EQ(rig.port.sent.back().data[8], c.ackRept);

        // The same settings on this side's own data, decoded as the peer
        // would with this side's control prefix.
        kermit::Agreed agreed = link.InForce();
        agreed.ctlPrefixIn = agreed.ctlPrefixOut;
        link.SetInForce(agreed);
        std::string decoded;
        for (std::size_t used = 0; used < content.size();) {
            const auto* src = reinterpret_cast<const std::uint8_t*>(content.data()) + used;
            const int consumed = link.EncodeData(src, int(content.size() - used));
            ASSERT_GT(consumed, 0);
            link.SetReceivedField(link.SendBuffer(), link.EncodedLen());
            std::uint8_t out[128 * 94];
            const int n = link.DecodeData(out, sizeof out, link.EncodedLen());
            decoded.append(reinterpret_cast<const char*>(out), n);
            used += consumed;
        }
        EXPECT_TRUE(decoded == content);
    }
}

}  // namespace
