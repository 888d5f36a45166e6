#include <gtest/gtest.h>

#include <cstring>

#include "ScriptedPort.h"
#include "kermit/KermitEngine.h"

using kermit::KermitEngine;
using kermit_test::MakePacket;
using kermit_test::ScriptedPort;

namespace {

struct PacketLayer : ::testing::Test {
    std::atomic<int> run{1};
    ScriptedPort port{run};
    KermitEngine engine{port, run};
    int len = -1, seq = -1, type = -1;

    int Get() { return engine.GetPacket(len, seq, type, engine.recvBuffer); }
    std::string Status() const { return engine.statusText; }
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
    engine.ResetEngine();
    engine.BuildInitParams();
    engine.PutPacket(9, 0, 'S', engine.sendBuffer);
    EXPECT_EQ(Hex(port.wire), "01 2C 20 53 7E 25 20 40 2D 23 59 31 7E 5D 0D ");
    port.wire.clear();
    engine.PutPacket(0, 0, 'N', nullptr);
    EXPECT_EQ(Hex(port.wire), "01 23 20 4E 33 0D ");
}

TEST_F(PacketLayer, RepeatSendsTheSamePacketAgainAndPadsWhenAsked) {
    engine.PutPacket(3, 5, 'D', reinterpret_cast<const std::uint8_t*>("abc"));
    engine.RepeatLastPacket();
    EXPECT_EQ(port.wire, MakePacket(5, 'D', "abc") + MakePacket(5, 'D', "abc"));
    EXPECT_EQ(engine.PutPacket(3, 0, 'D', nullptr), -1);

    port.wire.clear();
    engine.padCount = 2;
    engine.padChar = 0x7F;
    engine.eol = '\n';
    engine.RepeatLastPacket();
    EXPECT_EQ(port.wire, "\x7F\x7F" + MakePacket(5, 'D', "abc", '\n'));
}

TEST_F(PacketLayer, ReadsAPacketAfterNoiseAndTheOneBeforeIt) {
    port.Feed("garbage\r" + MakePacket(7, 'Y', "hi") + MakePacket(8, 'D', ""));
    ASSERT_EQ(Get(), 0);
    EXPECT_EQ(len, 2);
    EXPECT_EQ(seq, 7);
    EXPECT_EQ(type, 'Y');
    EXPECT_EQ(std::memcmp(engine.recvBuffer, "hi", 2), 0);
    ASSERT_EQ(Get(), 0);  // LEN "#": empty data field
    EXPECT_EQ(len, 0);
    EXPECT_EQ(type, 'D');
}

TEST_F(PacketLayer, MarkInsideAPacketRestartsItWithoutError) {
    const std::string good = MakePacket(3, 'Y', "ok");
    port.Feed(
        "\x01"
        "(#Dxx" +
        good);  // the second mark comes inside the data field
    ASSERT_EQ(Get(), 0);
    EXPECT_EQ(seq, 3);
    EXPECT_EQ(type, 'Y');
}

TEST_F(PacketLayer, BadLengthAndBadCheckAreReported) {
    port.Feed("\x01\x22 Y");  // LEN below "#"
    EXPECT_EQ(Get(), -1);
    EXPECT_EQ(Status(), "    PACKETLEN");
    port.Feed("\x01\x82 Y");  // LEN 130, above 129
    EXPECT_EQ(Get(), -1);
    EXPECT_EQ(Status(), "    PACKETLEN");
    std::string bad = MakePacket(1, 'Y', "x");
    bad[bad.size() - 2] ^= 1;
    port.Feed(bad);
    EXPECT_EQ(Get(), -1);
    EXPECT_EQ(Status(), "       CHKSUM");
}

TEST_F(PacketLayer, ClearedRunFlagEndsTheWaitWithQuit) {
    // The scripted line clears the flag when it runs dry, as a user stop would.
    port.Feed("noise without a mark");
    EXPECT_EQ(Get(), -1);
    EXPECT_EQ(Status(), "         QUIT");
    EXPECT_EQ(engine.ReadByte(), -1);
}

TEST_F(PacketLayer, StatusIsRightAlignedInThirteenAndKeepsLongTexts) {
    EXPECT_EQ(engine.SetStatus("ERR: GETDATA"), -1);
    EXPECT_EQ(Status(), " ERR: GETDATA");
    engine.SetStatus(std::string(200, 'x'));
    EXPECT_EQ(Status(), std::string(127, 'x'));
}

TEST_F(PacketLayer, ResetRestoresTheParametersButNotTheNameOrTheRunFlag) {
    std::strcpy(engine.fileName, "KEEP.TXT");
    engine.maxLen = 40;
    engine.seq = 9;
    engine.binPrefix = '&';
    run = 0;
    engine.ResetEngine();
    EXPECT_EQ(engine.maxLen, 94);
    EXPECT_EQ(engine.seq, 0);
    EXPECT_EQ(engine.binPrefix, 0);
    EXPECT_EQ(engine.eol, 13);
    EXPECT_STREQ(engine.fileName, "KEEP.TXT");
    EXPECT_EQ(run.load(), 0);  // a stop that came before the reset is not lost
}

}  // namespace
