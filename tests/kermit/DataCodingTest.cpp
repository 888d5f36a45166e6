#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "ScriptedPort.h"
#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"

using kermit::KermitEngine;
using kermit_test::ScriptedPort;

namespace {

struct DataCoding : ::testing::Test {
    std::atomic<int> run{1};
    ScriptedPort port{run};
    disk::DiskFiles files;
    KermitEngine engine{port, files, run};

    std::string Encode(const std::string& src, int* consumed = nullptr) {
        const int n = engine.EncodeData(reinterpret_cast<const std::uint8_t*>(src.data()),
                                        static_cast<int>(src.size()));
        if (consumed) *consumed = n;
        return std::string(reinterpret_cast<const char*>(engine.sendBuffer), engine.encodedLen);
    }
    // Feeds encoded text to the decoder as if it had come in a packet.
    std::string Decode(const std::string& field, int capacity = 8192, int* result = nullptr) {
        std::memcpy(engine.recvBuffer, field.data(), field.size());
        std::vector<std::uint8_t> out(capacity + 1);
        const int n = engine.DecodeData(out.data(), capacity, static_cast<int>(field.size()));
        if (result) *result = n;
        return n < 0 ? std::string() : std::string(out.begin(), out.begin() + n);
    }
    void ApplyPeer(const std::string& params) {
        std::memcpy(engine.recvBuffer, params.data(), params.size());
        engine.ApplyPeerParams(static_cast<int>(params.size()));
    }
};

TEST_F(DataCoding, RepeatRunsAreSplitAt94AndPairsAreNeverCompressed) {
    engine.repeatPrefix = '~';
    EXPECT_EQ(Encode(std::string(100, 'a')), "~~a~&a");  // tochar(94) is "~", tochar(6) "&"
    EXPECT_EQ(Encode("aab"), "aab");
    EXPECT_EQ(Encode("aaab"), "~#ab");
    engine.repeatPrefix = 0;
    EXPECT_EQ(Encode("aaaa"), "aaaa");
}

TEST_F(DataCoding, PrefixCharactersAndControlsAreQuoted) {
    EXPECT_EQ(Encode("#~&"), "##~&");  // repeat and 8-bit prefixing off
    engine.repeatPrefix = '~';
    engine.binPrefix = '&';
    EXPECT_EQ(Encode("#~&"), "###~#&");
    engine.repeatPrefix = 0;
    engine.binPrefix = 0;
    EXPECT_EQ(Encode(std::string("\x00\r\x7F", 3)), "#@#M#?");
}

TEST_F(DataCoding, EightBitBytesWithAndWithoutPrefixing) {
    EXPECT_EQ(Encode("\xC1\x81"), "\xC1#\xC1");  // bit 7 kept on the line
    engine.binPrefix = '&';
    EXPECT_EQ(Encode("\xC1\x81"), "&A&#A");
}

TEST_F(DataCoding, PacketFillsUpToMaxLenAndNeverSplitsAGroup) {
    int consumed = 0;
    EXPECT_EQ(Encode(std::string(91, 'x'), &consumed).size(), 91u);
    EXPECT_EQ(consumed, 91);
    Encode(std::string(92, 'x'), &consumed);
    EXPECT_EQ(consumed, 91);
    const std::string controls(60, '\x01');
    EXPECT_EQ(Encode(controls, &consumed).size(), 90u);
    EXPECT_EQ(consumed, 45);
    engine.maxLen = 40;
    EXPECT_EQ(Encode(std::string(60, 'x'), &consumed).size(), 37u);
}

// A field that does not decode whole is refused as malformed, so that the
// packet is asked for again instead of a short file being written.
TEST_F(DataCoding, DecodeRefusesWhatDoesNotFitAndWhatDoesNotDecodeWhole) {
    engine.repeatPrefix = '~';
    engine.binPrefix = '&';
    int result = 0;
    Decode("~~a", 50, &result);
    EXPECT_EQ(result, -1);
    for (const char* field : {"ab~", "ab~#", "ab#", "ab&", "ab&#", "~\x10x", "~ x", "~!"}) {
        Decode(field, 50, &result);
        EXPECT_EQ(result, KermitEngine::kMalformed) << field;
    }
    EXPECT_EQ(Decode("~!x", 50), "x");  // a count of one
    EXPECT_EQ(Decode("#?#@#M"), std::string("\x7F\x00\r", 3));
}

TEST_F(DataCoding, RoundTripOfRandomDataForEveryPrefixCombination) {
    std::mt19937 rng(1234);
    for (int combo = 0; combo < 4; ++combo) {
        engine.ResetEngine();
        engine.binPrefix = (combo & 1) ? '&' : 0;
        engine.repeatPrefix = (combo & 2) ? '~' : 0;
        std::string data;
        for (int i = 0; i < 20000; ++i) {
            const int c = static_cast<int>(rng() % 256);
            data.append((rng() % 8 == 0) ? rng() % 120 + 1 : 1, static_cast<char>(c));
        }
        std::string decoded;
        size_t pos = 0;
        while (pos < data.size()) {
            int consumed = 0;
            const std::string field = Encode(data.substr(pos, 8192), &consumed);
            ASSERT_GT(consumed, 0);
            ASSERT_LE(field.size() + 3, 94u);
            decoded += Decode(field);
            pos += consumed;
        }
        EXPECT_EQ(decoded, data) << "combination " << combo;
    }
}

TEST_F(DataCoding, PeerParametersAreAdopted) {
    ApplyPeer("");
    EXPECT_EQ(engine.maxLen, 80);
    engine.ResetEngine();
    ApplyPeer("(");  // 8, below 10
    EXPECT_EQ(engine.maxLen, 80);
    engine.ResetEngine();
    ApplyPeer("R");  // 50
    EXPECT_EQ(engine.maxLen, 50);
    engine.ResetEngine();
    ApplyPeer("~% @-#Y1~");
    EXPECT_EQ(engine.maxLen, 94);
    EXPECT_EQ(engine.binPrefix, 0);
    EXPECT_EQ(engine.repeatPrefix, '~');
    engine.ResetEngine();
    ApplyPeer("~%\"J+$&1!");  // 2 pads of ctl("J"), EOL 11, QCTL "$", QBIN "&", REPT "!"
    EXPECT_EQ(engine.padCount, 2);
    EXPECT_EQ(engine.padChar, 10);
    EXPECT_EQ(engine.eol, 11);
    EXPECT_EQ(engine.ctlPrefixIn, '$');
    EXPECT_EQ(engine.binPrefix, '&');
    EXPECT_EQ(engine.repeatPrefix, 0);
}

TEST_F(DataCoding, AcknowledgementParametersFollowWhatWasAgreed) {
    ApplyPeer("R% @.#&1~");
    engine.BuildAckParams();
    EXPECT_EQ(std::string(reinterpret_cast<char*>(engine.sendBuffer), 9), "R% @.#&1~");
    engine.ResetEngine();
    ApplyPeer("~% @-#N1 ");
    engine.BuildAckParams();
    EXPECT_EQ(std::string(reinterpret_cast<char*>(engine.sendBuffer), 9), "~% @-#Y1 ");
}

}  // namespace
