#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <vector>

#include "ScriptedPort.h"
#include "kermit/PacketLink.h"

using kermit::PacketLink;

namespace {

struct DataCoding : ::testing::Test, kermit_test::ScriptedLink {
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
    for (int combo = 0; combo < 8; ++combo) {
        link.Reset();
        link.SetOffer({.prefixing = (combo & 4) ? kermit::Prefixing::Cautious
                                                : kermit::Prefixing::Automatic});
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

// Which of the 256 byte values a data field carries as control characters
// prefixed with "#".
std::set<int> PrefixedBytes(DataCoding& t) {
    std::set<int> prefixed;
    for (int x = 0; x < 256; ++x) {
        const std::string field = t.Encode(std::string(1, static_cast<char>(x)));
        if (field == std::string{'#', static_cast<char>(x ^ 64)}) prefixed.insert(x);
    }
    return prefixed;
}

std::set<int> EveryControl() {
    std::set<int> controls;
    for (int x = 0; x < 256; ++x)
        if ((x & 127) < 32 || (x & 127) == 127) controls.insert(x);
    return controls;
}

// A nine-field peer gets every control character prefixed unless cautious
// prefixing is chosen; a peer that agreed long packets or a window gets
// only the cautious set prefixed unless all is chosen. The cautious set is
// C-Kermit's, with the peer's EOL and pad character and their twins.
TEST_F(DataCoding, ControlCharactersArePrefixedAsChosenAndAsAgreed) {
    using kermit::Prefixing;
    const std::string nine = "~% @-#Y1~";
    ApplyPeer(nine);
    link.AgreeOnCapabilities(true);
    EXPECT_EQ(PrefixedBytes(*this), EveryControl());

    link.Reset();
    ApplyPeer(nine +
              std::string{char(2 + 32), char(1 + 32), char(4000 / 95 + 32), char(4000 % 95 + 32)});
    link.AgreeOnCapabilities(true);
    ASSERT_GT(InForce().longLen, 0);
    const std::set<int> cautious = PrefixedBytes(*this);
    // C-Kermit's cautious set, as its "show control-prefixing" lists it.
    const std::set<int> cKermit = {0,   1,   3,   4,   10,  13,  14,  15,  16,  17,  19,
                                   21,  24,  25,  26,  28,  29,  30,  129, 131, 132, 138,
                                   141, 144, 145, 147, 149, 154, 156, 157, 158, 255};
    EXPECT_EQ(cautious, cKermit);
    EXPECT_EQ(Encode("\x02#\x1B\x9B"), "\x02##\x1B\x9B");

    link.SetOffer({.prefixing = Prefixing::All});
    EXPECT_EQ(PrefixedBytes(*this), EveryControl());

    link.Reset();
    link.SetOffer({.prefixing = Prefixing::Cautious});
    ApplyPeer("~%\"G+#Y1~");  // nine fields; pads of ctl("G") = 7, EOL 11
    link.AgreeOnCapabilities(true);
    const std::set<int> chosen = PrefixedBytes(*this);
    for (const int x : {7, 11, 135, 139, 13, 1})
        EXPECT_EQ(chosen.count(x), 1u) << x;
    EXPECT_EQ(chosen.count(12), 0u);
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
