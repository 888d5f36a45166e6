#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "ScriptedPort.h"
#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"
#include "kermit/PacketLink.h"

using kermit::KermitEngine;
using kermit::PacketLink;
using kermit_test::MakePacket;

namespace {

struct PacketLayer : ::testing::Test, kermit_test::ScriptedLink {
    int len = -1, seq = -1, type = -1;

    bool Get() { return link.GetPacket(len, seq, type); }
    std::string Status() const { return link.StatusText(); }
    std::string Hex(const std::string& s) const {
        std::string out;
        char b[4];
        for (unsigned char c : s) {
            std::snprintf(b, sizeof b, "%02X ", c);
            out += b;
        }
        return out;
    }
};

TEST_F(PacketLayer, SendInitAndNakAfterResetAreByteExact) {
    link.Reset();
    link.BuildInitParams();
    link.PutPacket(9, 0, 'S', link.SendBuffer());
    EXPECT_EQ(Hex(port.wire), "01 2C 20 53 7E 25 20 40 2D 23 59 31 7E 5D 0D ");
    port.wire.clear();
    link.PutPacket(0, 0, 'N', nullptr);
    EXPECT_EQ(Hex(port.wire), "01 23 20 4E 33 0D ");
}

TEST_F(PacketLayer, RepeatSendsTheSamePacketAgainAndPadsWhenAsked) {
    link.PutPacket(3, 5, 'D', reinterpret_cast<const std::uint8_t*>("abc"));
    link.RepeatLastPacket();
    EXPECT_EQ(port.wire, MakePacket(5, 'D', "abc") + MakePacket(5, 'D', "abc"));
    EXPECT_FALSE(link.PutPacket(3, 0, 'D', nullptr));

    port.wire.clear();
    kermit::Agreed agreed = link.InForce();
    agreed.padCount = 2;
    agreed.padChar = 0x7F;
    agreed.eol = '\n';
    link.SetInForce(agreed);
    link.RepeatLastPacket();
    EXPECT_EQ(port.wire, "\x7F\x7F" + MakePacket(5, 'D', "abc", '\n'));
}

TEST_F(PacketLayer, ReadsAPacketAfterNoiseAndTheOneBeforeIt) {
    port.Feed("garbage\r" + MakePacket(7, 'Y', "hi") + MakePacket(8, 'D', ""));
    ASSERT_TRUE(Get());
    EXPECT_EQ(len, 2);
    EXPECT_EQ(seq, 7);
    EXPECT_EQ(type, 'Y');
    EXPECT_EQ(std::memcmp(link.ReceivedField(), "hi", 2), 0);
    ASSERT_TRUE(Get());  // LEN "#": empty data field
    EXPECT_EQ(len, 0);
    EXPECT_EQ(type, 'D');
}

TEST_F(PacketLayer, MarkInsideAPacketRestartsItWithoutError) {
    const std::string good = MakePacket(3, 'Y', "ok");
    port.Feed(
        "\x01"
        "(#Dxx" +
        good);  // the second mark comes inside the data field
    ASSERT_TRUE(Get());
    EXPECT_EQ(seq, 3);
    EXPECT_EQ(type, 'Y');
}

TEST_F(PacketLayer, BadLengthAndBadCheckAreReported) {
    port.Feed("\x01\x22 Y");  // LEN below "#"
    EXPECT_FALSE(Get());
    EXPECT_EQ(Status(), "    PACKETLEN");
    port.Feed("\x01\x82 Y");  // LEN 130, above 129
    EXPECT_FALSE(Get());
    EXPECT_EQ(Status(), "    PACKETLEN");
    std::string bad = MakePacket(1, 'Y', "x");
    bad[bad.size() - 2] ^= 1;
    port.Feed(bad);
    EXPECT_FALSE(Get());
    EXPECT_EQ(Status(), "       CHKSUM");
}

// A data packet C-Kermit sent in a soak run over a noisy line, and the same
// packet with bit 6 of its LEN flipped ("}" became "="): the damaged LEN says
// 26 data characters, and the 27th, "6", happens to equal the check of the
// first 26. Only what follows shows that the packet was not over.
TEST_F(PacketLayer, PacketShorterThanItsCharactersIsNotTakenForGood) {
    const std::string data =
        "jork;471;20.5;#M#J21;Ek;146;27.5;#M#J7;Tall;204;9.6;"
        "#M#J15;Lark;529;11.6;#M#J20;Gran;144;2";
    const std::string intact = MakePacket(33, 'D', data);
    ASSERT_EQ(intact, "\x01}AD" + data + "O\r");
    std::string damaged = intact;
    damaged[1] ^= 0x40;
    ASSERT_EQ(MakePacket(33, 'D', data.substr(0, 26)), damaged.substr(0, 31) + "\r");
    port.Feed(damaged + intact);  // the sender sends it again on the old acknowledgement
    EXPECT_FALSE(Get());
    EXPECT_EQ(Status(), "       CHKSUM");
    ASSERT_TRUE(Get());
    EXPECT_EQ(len, 90);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(link.ReceivedField()), len), data);
}

// Any control character can be a peer's EOL; a peer that sends none has its
// packet ended by the mark of the next one, which is not lost.
TEST_F(PacketLayer, PacketEndsOnAnyControlCharacterOrOnTheNextMark) {
    port.Feed(MakePacket(1, 'Y', "a", '\n') + MakePacket(2, 'Y', "b", '\x8D'));
    std::string bare = MakePacket(3, 'Y', "c");
    bare.pop_back();
    port.Feed(bare + MakePacket(4, 'Y', "d"));
    for (int expected = 1; expected <= 4; ++expected) {
        ASSERT_TRUE(Get()) << expected;
        EXPECT_EQ(seq, expected);
    }
}

TEST_F(PacketLayer, ClearedRunFlagEndsTheWaitWithQuit) {
    // The scripted line clears the flag when it runs dry, as a user stop would.
    port.Feed("noise without a mark");
    EXPECT_FALSE(Get());
    EXPECT_EQ(Status(), "         QUIT");
    EXPECT_TRUE(link.Stopped());
    EXPECT_EQ(link.ReadByte(), -1);
}

TEST_F(PacketLayer, StatusIsRightAlignedInThirteenAndKeepsLongTexts) {
    link.SetStatus("ERR: GETDATA");
    EXPECT_EQ(Status(), " ERR: GETDATA");
    link.SetStatus(std::string(200, 'x'));
    EXPECT_EQ(Status(), std::string(127, 'x'));
}

TEST_F(PacketLayer, ResetRestoresTheParametersButNotTheNameOrTheRunFlag) {
    disk::DiskFiles files;
    KermitEngine engine{port, files, run};
    engine.SetFileName("KEEP.TXT");
    kermit::Agreed agreed = engine.Link().InForce();
    agreed.maxLen = 40;
    agreed.binPrefix = '&';
    engine.Link().SetInForce(agreed);
    engine.SetSeq(9);
    run = 0;
    engine.ResetEngine();
    EXPECT_EQ(engine.Link().InForce().maxLen, 94);
    EXPECT_EQ(engine.Seq(), 0);
    EXPECT_EQ(engine.Link().InForce().binPrefix, 0);
    EXPECT_EQ(engine.Link().InForce().eol, 13);
    EXPECT_STREQ(engine.FileName(), "KEEP.TXT");
    EXPECT_EQ(run.load(), 0);  // a stop that came before the reset is not lost
}

}  // namespace

namespace {

// A line that hands over a packet a few bytes at a time, one piece per wait,
// and keeps what the engine says is still due at each wait.
struct TricklingPort : kermit::KermitPort {
    std::string bytes;
    std::size_t next = 0, piece = 0;
    std::vector<int> dueAtWaits;
    int reads = 0;
    int ReadAvailable(std::uint8_t* buffer, int maxLength) override {
        ++reads;
        int n = 0;
        while (n < maxLength && next < piece)
            buffer[n++] = static_cast<std::uint8_t>(bytes[next++]);
        return n;
    }
    int Write(const std::uint8_t*, int length) override { return length; }
    void WaitForInput(int) override { WaitForRest(0, 1); }
    void WaitForRest(int, int due) override {
        dueAtWaits.push_back(due);
        piece = std::min(bytes.size(), piece + 4);
    }
    void PumpMessages() override {}
};

}  // namespace

// A port may sleep through what the engine says is still due, so the engine
// must never say more than the packet has left: from LEN on, the count is
// exactly the bytes not yet read, the end of the packet included. Timed or
// not, a packet trickling in costs one wait and one read a piece.
TEST(PacketWaits, WhatIsStillDueIsExactlyTheRestOfThePacket) {
    using Reader = std::function<bool(PacketLink&, int&, int&, int&)>;
    const std::pair<const char*, Reader> readers[] = {
        {"untimed", [](PacketLink& l, int& n, int& s, int& t) { return l.GetPacket(n, s, t); }},
        {"within",
         [](PacketLink& l, int& n, int& s, int& t) { return l.GetPacketWithin(60000, n, s, t); }},
        {"while heard", [](PacketLink& l, int& n, int& s, int& t) {
             return l.GetPacketWhileHeard(60000, n, s, t);
         }}};
    for (const auto& [name, read] : readers) {
        SCOPED_TRACE(name);
        std::atomic<int> run{1};
        TricklingPort port;
        PacketLink link{port, run};
        link.SetPacketEndWait(1000);
        port.bytes = MakePacket(5, 'D', "0123456789abcdefghij");  // mark, 24 counted, CR
        int len = 0, seq = 0, type = 0;
        ASSERT_TRUE(read(link, len, seq, type));
        EXPECT_EQ(len, 20);
        // Nothing is due before the mark. Pieces of 4: the first brings mark,
        // LEN, SEQ and TYPE, leaving 22 (20 data, the check, the CR), then 4
        // fewer at every wait.
        EXPECT_EQ(port.dueAtWaits, (std::vector<int>{1, 22, 18, 14, 10, 6, 2}));
        EXPECT_EQ(port.reads, 8);  // the first look, then one after each wait
    }
}
