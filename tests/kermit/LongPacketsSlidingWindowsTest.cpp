#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "KermitPeer.h"
#include "ReceiveRig.h"
#include "ScriptedPort.h"
#include "kermit/KermitEngine.h"
#include "kermit/PacketLink.h"

using kermit::KermitEngine;
using kermit::PacketLink;
using namespace kermit_test;

namespace {

// Bytes that hardly compress, every value among them.
std::string Noise(std::size_t n, unsigned seed) {
    std::string s = RandomRuns(n / 4, seed);
    for (std::size_t i = 0; s.size() < n; ++i)
        s += static_cast<char>((i * 2654435761u + seed) >> 13);
    return s;
}

const std::uint8_t* Bytes(const std::string& s) {
    return reinterpret_cast<const std::uint8_t*>(s.data());
}

// The capability fields of a Send-Init: CAPAS (long packets 2, windows 4),
// WINDO, MAXLX1, MAXLX2.
std::string Capabilities(int bits, int slidingWindow, int length) {
    return {static_cast<char>(bits + 32), static_cast<char>(slidingWindow + 32),
            static_cast<char>(length / 95 + 32), static_cast<char>(length % 95 + 32)};
}

struct Line : kermit_test::ScriptedLink {
    // Long packets of `longLen` and the CRC in force on both ends.
    void UseLong(int longLen) {
        kermit::Agreed agreed = link.InForce();
        agreed.longLen = longLen;
        agreed.checkType = port.checkType = 3;
        link.SetInForce(agreed);
    }
    // Reads `bytes` as one packet with long packets of `longLen` in force.
    bool Read(const std::string& bytes, int longLen, std::string* data = nullptr) {
        UseLong(longLen);
        port.Feed(bytes);
        int len = 0, seq = 0, type = 0;
        const bool r = link.GetPacket(len, seq, type);
        if (data != nullptr && r)
            data->assign(reinterpret_cast<const char*>(link.ReceivedField()), len);
        return r;
    }
    std::string Status() const { return std::string(link.StatusText()).substr(0, 13); }
};

TEST(LongPackets, ExtendedHeaderGoesOutAndComesBackAndItsDamageIsCaught) {
    std::string field = RandomRuns(3000, 5);
    for (char& c : field)
        c = static_cast<char>(33 + static_cast<unsigned char>(c) % 90);
    const std::string packet = MakePacket(5, 'D', field, '\r', 3);
    {
        Line line;
        line.UseLong(4000);
        line.link.PutPacket(3000, 5, 'D', Bytes(field));
        EXPECT_EQ(line.port.wire, packet);  // LEN 0, LENX 3003, HCHECK, data, CRC, CR
        // A short packet still goes short while long packets are in force.
        line.link.PutPacket(2, 6, 'D', Bytes(field));
        EXPECT_EQ(line.port.wire.substr(packet.size()),
                  MakePacket(6, 'D', field.substr(0, 2), '\r', 3));
    }
    {
        Line line;
        std::string data;
        ASSERT_TRUE(line.Read(packet, 4000, &data));
        EXPECT_EQ(data, field);
    }
    struct Bad {
        std::string bytes;
        int longLen;
        const char* status;
    };
    std::string badHeader = packet;
    badHeader[6] ^= 1;
    std::string badData = packet;
    badData[100] ^= 4;
    const Bad bad[] = {
        {badHeader, 4000, "       CHKSUM"},
        {badData, 4000, "       CHKSUM"},
        {MakePacket(5, 'D', std::string(4100, 'a'), '\r', 3), 4000, "    PACKETLEN"},
        {packet, 0, "    PACKETLEN"},  // no long packets agreed: LEN 0 is bad
    };
    for (const Bad& b : bad) {
        Line line;
        EXPECT_FALSE(line.Read(b.bytes, b.longLen));
        EXPECT_EQ(line.Status(), b.status);
    }
}

TEST(LongPackets, SendInitProposesOnlyWhatIsChosenAndAnswersWhatThePeerOffers) {
    Line line;
    PacketLink& e = line.link;
    EXPECT_EQ(e.BuildInitParams(), 9);
    e.SetOffer({.packetLength = 4000, .slidingWindow = 8});
    ASSERT_EQ(e.BuildInitParams(), 13);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(e.SendBuffer()), 13),
              "~% @-#Y1~" + Capabilities(6 | 8, 8, 4000));

    struct Case {
        std::string peer;  // the peer's Send-Init
        bool answering;    // the peer's S (true) or its answer to this side's S
        int offerLength, offerSlidingWindow;
        int longLen, slidingWindow;
        std::string ack;  // capability fields of the answer ("" when not answering)
    };
    const std::string nine = InitParams(94, 0, '~');
    const Case cases[] = {
        // C-Kermit's offer, attributes and more besides: taken, up to 4096 and
        // 31, and attribute packets named back.
        {nine + Capabilities(62, 30, 3999), true, 94, 1, 3999, 30, Capabilities(14, 30, 3999)},
        {nine + Capabilities(6, 40, 9000), true, 94, 1, 4096, 31, Capabilities(6, 31, 4096)},
        {nine + Capabilities(2, 1, 500), true, 94, 1, 500, 1, Capabilities(2, 1, 500)},
        {nine + Capabilities(4, 8, 0).substr(0, 2), true, 94, 1, 0, 8,
         Capabilities(4, 8, 0).substr(0, 2)},
        // A CAPAS that promises a character that is missing, a length that
        // is missing or no longer than 94: nothing offered, the answer says none.
        {nine + char(32 + 6 + 1), true, 94, 1, 0, 1, " "},
        {nine + Capabilities(6, 8, 4000).substr(0, 3), true, 94, 1, 0, 8,
         Capabilities(4, 8, 0).substr(0, 2)},
        {nine + Capabilities(2, 1, 90), true, 94, 1, 0, 1, " "},
        // Sending: each only when both named it, at the smaller of the two.
        {nine + Capabilities(6, 4, 1000), false, 4000, 8, 1000, 4, ""},
        {nine + Capabilities(6, 31, 4096), false, 2000, 1, 2000, 1, ""},
        {nine + Capabilities(6, 31, 4096), false, 94, 1, 0, 1, ""},
        {nine, false, 4000, 8, 0, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.peer);
        e.Reset();
        e.SetOffer({.packetLength = c.offerLength, .slidingWindow = c.offerSlidingWindow});
        e.SetReceivedField(reinterpret_cast<const std::uint8_t*>(c.peer.data()),
                           static_cast<int>(c.peer.size()));
        e.ApplyPeerParams(static_cast<int>(c.peer.size()));
        e.AgreeOnCapabilities(c.answering);
        EXPECT_EQ(e.InForce().longLen, c.longLen);
        EXPECT_EQ(e.InForce().slidingWindowSize, c.slidingWindow);
        if (!c.answering) continue;
        const int n = e.BuildAckParams();
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(e.SendBuffer()) + 9, n - 9), c.ack);
    }
}

// A receiving peer with a window of its own: it holds its answers until the
// sender's window is full or the line falls silent, then answers in reverse
// order. The first copy of one packet is lost on the line, one answer is
// lost, one packet is asked for again with N, and once all answers of a
// window are lost the peer's timer asks for the packet after them, which
// says nothing of what it has: the oldest goes again.
struct SlidingWindowReceiver {
    SlidingWindowReceiver(ScriptedPort& line, int size) : port(line), slidingWindow(size) {}

    ScriptedPort& port;
    int slidingWindow;
    std::map<int, std::string> fields;  // by sequence number, first copy
    std::vector<int> held;
    std::set<int> acked;
    std::map<int, int> copies;
    std::set<int> asked;  // sent N for
    int maxInFlight = 0;
    int nextExpected = 2;
    bool lostAnswers = false;

    void OnPacket(const Packet& p) {
        if (p.type != 'D') {
            if (p.type == 'S')
                port.Feed(MakePacket(0, 'Y',
                                     InitParams(94, 0, '~') + Capabilities(6, slidingWindow, 500)));
            else
                port.FeedPacket(p.seq, 'Y');
            return;
        }
        ++copies[p.seq];
        int inFlight = 0;
        for (const auto& [seq, n] : copies)
            inFlight += acked.count(seq) == 0 ? 1 : 0;
        maxInFlight = std::max(maxInFlight, inFlight);
        if (p.seq == 5 && copies[p.seq] == 1) return;  // lost on the line
        if (p.seq == 8 && copies[p.seq] == 1) {
            port.FeedPacket(8, 'N');  // damaged
            asked.insert(8);
            return;
        }
        fields.emplace(p.seq, p.data);
        held.push_back(p.seq);
        if (static_cast<int>(held.size()) >= slidingWindow) Answer();
    }
    void Answer() {
        while (fields.count(nextExpected) != 0)
            ++nextExpected;
        std::reverse(held.begin(), held.end());
        const bool loseAll = held.size() > 1 && !lostAnswers && fields.size() > 12;
        for (int seq : held) {
            const bool lost = loseAll || (seq == 3 && copies[3] == 1);
            if (!lost) port.FeedPacket(seq, 'Y');
            if (!lost || loseAll) acked.insert(seq);
        }
        lostAnswers = lostAnswers || loseAll;
        for (int seq = 2; seq < nextExpected + slidingWindow; ++seq) {
            if (copies.count(seq) == 0 || fields.count(seq) != 0 || asked.count(seq) != 0) continue;
            asked.insert(seq);
            port.FeedPacket(seq, 'N');
        }
        held.clear();
    }
    bool OnIdle() {
        if (!held.empty()) {
            Answer();
            return true;
        }
        // The packet after the highest that came, as C-Kermit asks for it,
        // whatever it still lacks below.
        port.FeedPacket(fields.empty() ? 2 : fields.rbegin()->first + 1, 'N');
        return true;
    }
};

TEST(SlidingWindows, SenderKeepsToTheSlidingWindowAndSendsAgainOnlyWhatWasMissed) {
    std::atomic<int> run{1};
    ScriptedPort port{run};
    disk::DiskFiles files;
    KermitEngine engine{port, files, run, {.packetLength = 600, .slidingWindow = 8}};
    SlidingWindowReceiver peer{port, 4};
    port.onPacket = [&](const Packet& p) { peer.OnPacket(p); };
    port.onIdle = [&] { return peer.OnIdle(); };
    const std::string content = Noise(9000, 11);

    ASSERT_EQ(engine.KermitSend("W.DAT", Bytes(content), content.size()), kermit::Outcome::Done)
        << engine.StatusText();
    EXPECT_EQ(engine.Link().InForce().longLen, 500);
    EXPECT_EQ(engine.Link().InForce().slidingWindowSize, 4);
    std::string received;
    for (const auto& [seq, field] : peer.fields)
        received += PeerDecode(field, {0, '~'});
    EXPECT_EQ(received, content);
    ASSERT_LT(peer.fields.size(), 60u);  // no sequence number went round
    EXPECT_LE(peer.maxInFlight, 4);
    EXPECT_EQ(peer.copies[5], 2);  // lost, asked for with N, sent again
    EXPECT_EQ(peer.copies[8], 2);  // N at once
    EXPECT_TRUE(peer.lostAnswers);
    EXPECT_EQ(port.TypesSent().substr(port.TypesSent().size() - 2), "ZB");
}

TEST(SlidingWindows, ReceiverWritesInOrderOnceAndAsksForTheGaps) {
    TempTree tree;
    ReceiveRig rig(tree.In());
    const std::string content = Noise(6000, 3);
    const std::string params = InitParams(94, 0, '~') + Capabilities(6, 4, 1000);
    const std::vector<std::string> fields = PeerEncode(content, {0, '~'}, 900);
    ASSERT_GE(fields.size(), 6u);
    const int z = 2 + static_cast<int>(fields.size());
    // After the header's answer: the header again (its answer was lost),
    // every data packet out of order, a repeat of one already written, and
    // the Z ahead of the last data packet.
    std::vector<int> order;
    for (int i = 0; i + 1 < static_cast<int>(fields.size()); i += 2)
        order.insert(order.end(), {3 + i, 2 + i});
    if (fields.size() % 2 == 1) order.push_back(z);
    order.insert(order.begin() + 3, 2);
    rig.interpose = [&](const Packet& p) {
        if (p.type == 'N' && rig.port.sent.size() == 1) rig.port.FeedPacket(0, 'S', params);
        if (p.type == 'Y' && p.seq == 0) rig.port.FeedPacket(1, 'F', "W.DAT");
        if (p.type == 'Y' && p.seq == 1 && rig.SeqsOf('Y').size() == 2) {
            rig.port.FeedPacket(1, 'F', "W.DAT");
            for (int seq : order)
                rig.port.FeedPacket(seq, seq == z ? 'Z' : 'D', seq == z ? "" : fields[seq - 2]);
            if (fields.size() % 2 == 1)
                rig.port.FeedPacket(z - 1, 'D', fields.back());
            else
                rig.port.FeedPacket(z, 'Z');
        }
        if (p.type == 'Y' && p.seq == z) rig.port.FeedPacket(z + 1, 'B');
        return true;
    };
    ASSERT_EQ(rig.Receive(), static_cast<int>(content.size())) << rig.Status();
    EXPECT_EQ(ReadWhole(tree.In() / "W.DAT"), content);
    EXPECT_EQ(rig.port.sent[1].data, "~% @-#Y1~" + Capabilities(6, 4, 1000));
    // Every data packet answered, the Z only after the last of them, and N
    // only for packets that had not come, each once.
    const std::vector<int> ys = rig.SeqsOf('Y');
    EXPECT_EQ(std::set<int>(ys.begin(), ys.end()).size(), fields.size() + 4);
    EXPECT_EQ(std::count(ys.begin(), ys.end(), 1), 2);  // the header, and its repeat
    const auto zAt = std::find(ys.begin(), ys.end(), z);
    const auto lastDataAt = std::find(ys.begin(), ys.end(), z - 1);
    EXPECT_LT(lastDataAt, zAt);
    const std::vector<int> ns = rig.SeqsOf('N');
    EXPECT_EQ(std::set<int>(ns.begin() + 1, ns.end()).size(), ns.size() - 1);
    for (auto it = ns.begin() + 1; it != ns.end(); ++it)
        EXPECT_EQ(*it % 2, 0) << *it;  // the even ones came second
}

}  // namespace
