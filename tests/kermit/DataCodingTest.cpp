#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "ScriptedPort.h"
#include "kermit/PacketLink.h"

using kermit::PacketLink;
using kermit_test::ScriptedPort;

namespace {

struct DataCoding : ::testing::Test {
    std::atomic<int> run{1};
    ScriptedPort port{run};
    PacketLink link{port, run};

    // Sets what the tests vary of the parameters in force.
    void Prefixes(int repeat, int bin) {
        kermit::Agreed agreed = link.InForce();
        agreed.repeatPrefix = repeat;
        agreed.binPrefix = bin;
        link.SetInForce(agreed);
    }
    const kermit::Agreed& InForce() const { return link.InForce(); }

    std::string Encode(const std::string& src, int* consumed = nullptr) {
        const int n = link.EncodeData(reinterpret_cast<const std::uint8_t*>(src.data()),
                                      static_cast<int>(src.size()));
        if (consumed) *consumed = n;
        return std::string(reinterpret_cast<const char*>(link.SendBuffer()), link.EncodedLen());
    }
    // Feeds encoded text to the decoder as if it had come in a packet.
    std::string Decode(const std::string& field, int capacity = 8192, int* result = nullptr) {
        link.SetReceivedField(reinterpret_cast<const std::uint8_t*>(field.data()),
                              static_cast<int>(field.size()));
        std::vector<std::uint8_t> out(capacity + 1);
        const int n = link.DecodeData(out.data(), capacity, static_cast<int>(field.size()));
        if (result) *result = n;
        return n < 0 ? std::string() : std::string(out.begin(), out.begin() + n);
    }
    void ApplyPeer(const std::string& params) {
        link.SetReceivedField(reinterpret_cast<const std::uint8_t*>(params.data()),
                              static_cast<int>(params.size()));
        link.ApplyPeerParams(static_cast<int>(params.size()));
    }
};

TEST_F(DataCoding, RepeatRunsAreSplitAt94AndPairsAreNeverCompressed) {
    Prefixes('~', 0);
    EXPECT_EQ(Encode(std::string(100, 'a')), "~~a~&a");  // tochar(94) is "~", tochar(6) "&"
    EXPECT_EQ(Encode("aab"), "aab");
    EXPECT_EQ(Encode("aaab"), "~#ab");
    Prefixes(0, 0);
    EXPECT_EQ(Encode("aaaa"), "aaaa");
}

TEST_F(DataCoding, PrefixCharactersAndControlsAreQuoted) {
    EXPECT_EQ(Encode("#~&"), "##~&");  // repeat and 8-bit prefixing off
    Prefixes('~', '&');
    EXPECT_EQ(Encode("#~&"), "###~#&");
    Prefixes(0, 0);
    EXPECT_EQ(Encode(std::string("\x00\r\x7F", 3)), "#@#M#?");
}

TEST_F(DataCoding, EightBitBytesWithAndWithoutPrefixing) {
    EXPECT_EQ(Encode("\xC1\x81"), "\xC1#\xC1");  // bit 7 kept on the line
    Prefixes(0, '&');
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
    kermit::Agreed agreed = link.InForce();
    agreed.maxLen = 40;
    link.SetInForce(agreed);
    EXPECT_EQ(Encode(std::string(60, 'x'), &consumed).size(), 37u);
}

// A field that does not decode whole is refused as malformed, so that the
// packet is asked for again instead of a short file being written.
TEST_F(DataCoding, DecodeRefusesWhatDoesNotFitAndWhatDoesNotDecodeWhole) {
    Prefixes('~', '&');
    int result = 0;
    Decode("~~a", 50, &result);
    EXPECT_EQ(result, -1);
    for (const char* field : {"ab~", "ab~#", "ab#", "ab&", "ab&#", "~\x10x", "~ x", "~!"}) {
        Decode(field, 50, &result);
        EXPECT_EQ(result, PacketLink::kMalformed) << field;
    }
    EXPECT_EQ(Decode("~!x", 50), "x");  // a count of one
    EXPECT_EQ(Decode("#?#@#M"), std::string("\x7F\x00\r", 3));
}

TEST_F(DataCoding, RoundTripOfRandomDataForEveryPrefixCombination) {
    std::mt19937 rng(1234);
    for (int combo = 0; combo < 4; ++combo) {
        link.Reset();
        Prefixes((combo & 2) ? '~' : 0, (combo & 1) ? '&' : 0);
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
    EXPECT_EQ(InForce().maxLen, 80);
    link.Reset();
    ApplyPeer("(");  // 8, below 10
    EXPECT_EQ(InForce().maxLen, 80);
    link.Reset();
    ApplyPeer("R");  // 50
    EXPECT_EQ(InForce().maxLen, 50);
    link.Reset();
    ApplyPeer("~% @-#Y1~");
    EXPECT_EQ(InForce().maxLen, 94);
    EXPECT_EQ(InForce().binPrefix, 0);
    EXPECT_EQ(InForce().repeatPrefix, '~');
    link.Reset();
    ApplyPeer("~%\"J+$&1!");  // 2 pads of ctl("J"), EOL 11, QCTL "$", QBIN "&", REPT "!"
    EXPECT_EQ(InForce().padCount, 2);
    EXPECT_EQ(InForce().padChar, 10);
    EXPECT_EQ(InForce().eol, 11);
    EXPECT_EQ(InForce().ctlPrefixIn, '$');
    EXPECT_EQ(InForce().binPrefix, '&');
    EXPECT_EQ(InForce().repeatPrefix, 0);
}

TEST_F(DataCoding, AcknowledgementParametersFollowWhatWasAgreed) {
    ApplyPeer("R% @.#&1~");
    link.BuildAckParams();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(link.SendBuffer()), 9), "R% @.#&1~");
    link.Reset();
    ApplyPeer("~% @-#N1 ");
    link.BuildAckParams();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(link.SendBuffer()), 9), "~% @-#Y1 ");
}

}  // namespace
