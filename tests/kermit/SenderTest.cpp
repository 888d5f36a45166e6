#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>

#include "KermitPeer.h"
#include "SendRig.h"

using kermit::KermitEngine;
using namespace kermit_test;

namespace {

// Printable bytes other than the prefixes "#", "&" and "~", in a cycle.
std::string Printable(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; s.size() < n; ++i) {
        const char c = static_cast<char>('0' + i % 43);
        if (c != '#' && c != '&' && c != '~') s += c;
    }
    return s;
}

TEST(Sender, EmptyFileGoesAsInitHeaderEndOfFileAndBreak) {
    SendRig rig;
    EXPECT_EQ(rig.Send(""), 0);
    EXPECT_EQ(rig.port.TypesSent(), "SFZB");
    for (std::size_t i = 0; i < rig.port.sent.size(); ++i)
        EXPECT_EQ(rig.port.sent[i].seq, static_cast<int>(i));
    EXPECT_EQ(rig.port.sent[0].data, "~% @-#Y1~");
    EXPECT_EQ(rig.peer.headerType, 'F');
    EXPECT_EQ(rig.peer.header, "DATA.TXT");
    EXPECT_TRUE(rig.observer.sendProgress.empty());
    EXPECT_EQ(rig.Status(), "     DATA.TXT");
}

TEST(Sender, DefaultPacketHoldsNinetyOneCharactersOfData) {
    for (const std::size_t n : {91u, 92u}) {
        SCOPED_TRACE(n);
        SendRig rig;
        const std::string content = Printable(n);
        ASSERT_EQ(rig.Send(content), 0);
        EXPECT_EQ(rig.port.TypesSent(), n == 91 ? "SFDZB" : "SFDDZB");
        EXPECT_EQ(rig.DataFields().front(), content.substr(0, 91));
        EXPECT_EQ(rig.peer.content, content);
    }
}

TEST(Sender, PeerLengthLimitsThePackets) {
    SendRig limited;
    limited.peer.params = InitParams(40);
    const std::string content = Printable(500);
    ASSERT_EQ(limited.Send(content), 0);
    EXPECT_EQ(limited.LongestDataField(), 37u);
    EXPECT_EQ(limited.peer.content, content);

    SendRig silent;  // an acknowledgement of S without any parameters
    silent.peer.params = "";
    ASSERT_EQ(silent.Send(content), 0);
    EXPECT_EQ(silent.LongestDataField(), 77u);
    EXPECT_EQ(silent.peer.content, content);
}

TEST(Sender, EightBitPrefixIsUsedWhenThePeerAsksForIt) {
    SendRig rig;
    rig.peer.params = InitParams(94, '&');
    const std::string content = "\xC1\x81&A\xA6\xFF";
    ASSERT_EQ(rig.Send(content), 0);
    ASSERT_EQ(rig.DataFields().size(), 1u);
    EXPECT_EQ(rig.DataFields()[0], "&A&#A#&A&#&&#?");
    EXPECT_EQ(rig.peer.content, content);

    SendRig raw;  // without the request, bit 7 goes on the line
    ASSERT_EQ(raw.Send(content), 0);
    EXPECT_EQ(raw.DataFields()[0], "\xC1#\xC1&A\xA6#\xBF");
}

TEST(Sender, InitAnsweredWithInitIsAcceptedAndItsParametersAdopted) {
    SendRig rig;
    rig.peer.params = InitParams(40, '&');
    rig.interpose = [&rig](const Packet& p) {
        if (p.type != 'S') return false;
        rig.port.FeedPacket(p.seq, 'S', rig.peer.params);
        return true;
    };
    const std::string content = Printable(300) + "\xE9";
    ASSERT_EQ(rig.Send(content), 0);
    EXPECT_EQ(rig.port.TypesSent().substr(0, 3), "SFD");
    EXPECT_EQ(rig.LongestDataField(), 37u);
    EXPECT_EQ(rig.DataFields().back().back(), 'i');  // "&i": 0xE9 went 8-bit prefixed
    EXPECT_EQ(rig.peer.content, content);
}

TEST(Sender, WrongAcknowledgementsExhaustTheAttempts) {
    SendRig rig;
    rig.interpose = [&rig](const Packet& p) {
        if (p.type != 'D') return false;
        rig.port.FeedPacket((p.seq + 7) & 63, 'Y');
        return true;
    };
    EXPECT_EQ(rig.Send("payload"), -1);
    const std::string types = rig.port.TypesSent();
    EXPECT_EQ(std::count(types.begin(), types.end(), 'D'), 5) << types;
    EXPECT_EQ(types.find('Z'), std::string::npos);
    EXPECT_EQ(types.back(), 'B');  // the extra B that closes the transaction
    EXPECT_EQ(rig.Status(), "     DATA.TXT");
}

TEST(Sender, ErrorPacketAtAnyPointEndsTheTransferWithItsText) {
    for (const char at : std::string("SFDZ")) {
        SCOPED_TRACE(at);
        SendRig rig;
        bool silent = false;
        rig.interpose = [&](const Packet& p) {
            if (!silent && p.type != at) return false;
            if (!silent) rig.port.FeedPacket(p.seq, 'E', std::string("REFUSED AT ") + at);
            silent = true;  // the peer says nothing more, not even to the B
            return true;
        };
        EXPECT_EQ(rig.Send("some data"), -1);
        const std::string types = rig.port.TypesSent();
        const std::size_t stop = types.find(at);
        ASSERT_NE(stop, std::string::npos);
        const std::string after = types.substr(stop + 1);
        EXPECT_FALSE(after.empty());
        EXPECT_EQ(after.find_first_not_of('B'), std::string::npos) << types;
        EXPECT_EQ(rig.run.load(), 0);  // the unanswered B ended with a stop
        EXPECT_EQ(rig.Status(), std::string("REFUSED AT ") + at);
    }
}

// A failure whose reason reads QUIT (the peer's words, or the name of the
// file) is a failure, not a stop: its reason stays, though the wait for the
// B after it ends on a stop.
TEST(Sender, AFailureThatReadsQuitIsNoStop) {
    SendRig rig;
    bool silent = false;
    rig.interpose = [&](const Packet& p) {
        if (!silent && p.type != 'D') return false;
        if (!silent) rig.port.FeedPacket(p.seq, 'E', "QUIT BY PEER");
        silent = true;
        return true;
    };
    EXPECT_EQ(rig.Send("some data"), -1);
    EXPECT_EQ(rig.run.load(), 0);
    EXPECT_EQ(rig.outcome, kermit::Outcome::Failed);
    EXPECT_EQ(rig.Status(), "QUIT BY PEER");

    SendRig named;
    const std::string name = "QUIT" + Printable(88);
    EXPECT_EQ(named.Send("x", name.c_str()), -1);
    EXPECT_EQ(named.outcome, kermit::Outcome::Failed);
    EXPECT_EQ(named.Status(), name);
}

TEST(Sender, NameThatDoesNotFitOnePacketFailsBeforeTheHeader) {
    SendRig fits;
    const std::string longest = Printable(91);
    EXPECT_EQ(fits.Send("x", longest.c_str()), 0);
    EXPECT_EQ(fits.peer.header, longest);

    SendRig rig;
    const std::string name = Printable(92);
    EXPECT_EQ(rig.Send("x", name.c_str()), -1);
    EXPECT_EQ(rig.port.TypesSent().find('F'), std::string::npos);
    EXPECT_EQ(rig.port.TypesSent().front(), 'S');
    EXPECT_EQ(rig.Status(), name);
}

TEST(Sender, ProgressReportsTheBytesAcknowledgedBeforeEachDataPacket) {
    SendRig rig;
    ASSERT_EQ(rig.Send(Printable(200)), 0);
    EXPECT_EQ(rig.observer.sendProgress, (std::vector<std::uint32_t>{0, 91, 182}));

    SendRig controls;  // a control byte costs two characters: 45 per packet
    ASSERT_EQ(controls.Send(std::string(100, '\x01')), 0);
    EXPECT_EQ(controls.observer.sendProgress, (std::vector<std::uint32_t>{0, 45, 90}));
}

TEST(Sender, StopDuringDataEndsWithQuit) {
    // The stop comes while the engine waits for the second acknowledgement
    // (the peer stays silent), or while the peer still answers, with N.
    for (const bool peerAnswers : {false, true}) {
        SCOPED_TRACE(peerAnswers);
        SendRig rig;
        int dataPackets = 0;
        rig.interpose = [&](const Packet& p) {
            if (p.type != 'D' || ++dataPackets < 2) return false;
            rig.run = 0;
            if (peerAnswers) rig.port.FeedPacket(p.seq, 'N');
            return true;
        };
        EXPECT_EQ(rig.Send(Printable(1000)), -1);
        EXPECT_NE(std::string(rig.Status()).find("QUIT"), std::string::npos) << rig.Status();
        EXPECT_EQ(rig.outcome, kermit::Outcome::Stopped);
        EXPECT_EQ(rig.port.TypesSent().find('Z'), std::string::npos);
        EXPECT_LE(dataPackets - 1, 5);  // the stopped packet went at most retryLimit times
    }
}

TEST(Sender, RandomFileArrivesWholeWithRepeatCounts) {
    const std::string content = RandomRuns(50 * 1024, 2024);
    for (const char qbin : {'\0', '&'}) {
        SCOPED_TRACE(qbin);
        SendRig rig;
        rig.peer.params = InitParams(94, qbin, '~');
        ASSERT_EQ(rig.Send(content), 0) << rig.Status();
        EXPECT_EQ(rig.peer.content.size(), content.size());
        EXPECT_TRUE(rig.peer.content == content);
        EXPECT_LE(rig.LongestDataField(), 91u);
        // Repeat groups made the file travel in fewer packets than without.
        EXPECT_LT(rig.DataFields().size(), content.size() / 45);
    }
}

}  // namespace

namespace {

std::string WithCheck(std::string params, char check) {
    params[7] = check;
    return params;
}

}  // namespace

TEST(Sender, BlockCheck3IsProposedOnlyWhenChosenAndUsedOnlyWhenBothNamedIt) {
    struct Case {
        int offer;
        char answer;
        int used;
    };
    const std::string content = RandomRuns(3000, 7);
    for (const Case c : {Case{1, '3', 1}, Case{3, '3', 3}, Case{3, '1', 1}, Case{3, '2', 1}}) {
        SCOPED_TRACE(std::to_string(c.offer) + c.answer);
        SendRig rig;
        rig.engine.SetOffer({.blockCheck = c.offer});
        rig.peer.params = WithCheck(InitParams(), c.answer);
        ASSERT_EQ(rig.Send(content), 0) << rig.Status();
        EXPECT_EQ(rig.port.sent[0].data[7], '0' + c.offer);
        EXPECT_NE(rig.port.wire.find(MakePacket(1, 'F', "DATA.TXT", '\r', c.used)),
                  std::string::npos);
        EXPECT_LE(rig.LongestDataField(), 94u - 2 - c.used);  // LEN never past 94
        EXPECT_TRUE(rig.peer.content == content);
    }
}

// The peer confirmed the file by acknowledging Z: when the answer to the B
// never comes, or comes without its EOL, the send still ends by itself, as a
// success, after retryLimit attempts of the peer's own time-out each.
TEST(Sender, TheClosingBreakGivesUpOnAPeerThatHasConfirmedTheFile) {
    struct Case {
        std::string params;  // TIME is the second character
        bool answerWithoutEol;
        std::size_t breaks;
        std::int64_t clockMs;
    };
    for (const Case& c : {Case{InitParams(), false, 5, 5 * 10000}, Case{"~", false, 5, 5 * 5000},
                          Case{InitParams(), true, 1, 50}}) {
        SCOPED_TRACE(c.params + (c.answerWithoutEol ? " no EOL" : " silent"));
        SendRig rig;
        rig.port.silenceIsTime = true;
        rig.peer.params = c.params;
        rig.interpose = [&rig, &c](const Packet& p) {
            if (p.type != 'B') return false;
            if (c.answerWithoutEol) rig.port.Feed(MakePacket(p.seq, 'Y', "").substr(0, 5));
            return true;
        };
        EXPECT_EQ(rig.Send("whole file"), 0);
        EXPECT_EQ(rig.peer.content, "whole file");
        const std::string types = rig.port.TypesSent();
        EXPECT_EQ(static_cast<std::size_t>(std::count(types.begin(), types.end(), 'B')), c.breaks);
        EXPECT_EQ(rig.port.clockMs, c.clockMs);
        EXPECT_EQ(rig.Status(), "     DATA.TXT");
    }

    SendRig refused;  // an E to the B still fails the transaction
    refused.interpose = [&refused](const Packet& p) {
        if (p.type != 'B') return false;
        refused.port.FeedPacket(p.seq, 'E', "DISK FULL");
        return true;
    };
    EXPECT_EQ(refused.Send("whole file"), -1);
    EXPECT_EQ(refused.Status(), "DISK FULL");
}

// A transfer that failed (a data packet refused five times) still sends B to
// close the transaction on the peer's side; a peer that has given up and
// left, or whose E was lost, never answers it. The B then goes retryLimit
// times, each waiting the peer's time-out, and the failure is reported with
// its reason, without waiting for a stop.
TEST(Sender, TheBreakAfterAFailureGivesUpOnAPeerThatHasLeft) {
    SendRig rig;
    rig.port.silenceIsTime = true;
    rig.interpose = [&rig](const Packet& p) {
        if (p.type == 'D') rig.port.FeedPacket(p.seq, 'N');
        return p.type == 'D' || p.type == 'B';
    };
    EXPECT_EQ(rig.Send("refused data"), -1);
    const std::string types = rig.port.TypesSent();
    EXPECT_EQ(types, "SFDDDDDBBBBB");
    EXPECT_EQ(rig.port.clockMs, 5 * 10000);  // five of the peer's 10 s
    EXPECT_EQ(rig.run.load(), 1);
    EXPECT_EQ(rig.Status().find("QUIT"), std::string::npos);
}

// The peer sleeps for the first 30 s: the S waits without limit (and
// resends nothing) and the observer hears once that no answer came. Then it
// falls asleep at the second D: for good, and the send ends once it has said
// nothing for 60 s (its 10 s time-out, resent each time), with one B that is
// not waited for; or for 25 s, and then it answers each copy it got, and the
// send finishes without sending the next packet again on those answers.
TEST(Sender, ThePeersFirstAnswerIsAwaitedWithoutLimitLaterSilenceEndsTheSend) {
    for (const bool wakes : {false, true}) {
        SCOPED_TRACE(wakes ? "asleep 25 s" : "asleep for good");
        SendRig rig;
        rig.port.silenceIsTime = true;
        std::int64_t wakeAt = 30000, secondDataAt = -1;
        std::vector<Packet> unread;
        rig.interpose = [&](const Packet& p) {
            if (p.type == 'D' && p.seq == 3 && secondDataAt < 0) {
                secondDataAt = rig.port.clockMs;
                wakeAt = wakes ? secondDataAt + 25000 : std::numeric_limits<std::int64_t>::max();
            }
            if (rig.port.clockMs >= wakeAt) return false;
            unread.push_back(p);
            return true;
        };
        rig.port.onIdle = [&] {
            if (unread.empty() || rig.port.clockMs < wakeAt) return false;
            for (const Packet& p : std::exchange(unread, {}))
                rig.peer.Answer(rig.port, p);
            return true;
        };
        const std::string content = Printable(300);  // four data packets
        EXPECT_EQ(rig.Send(content), wakes ? 0 : -1);
        EXPECT_EQ(rig.observer.noAnswerYet, 1);
        if (wakes) {
            EXPECT_EQ(rig.port.TypesSent(), "SFDDDDDDZB");  // the second D three times
            EXPECT_EQ(rig.peer.content, content);
            continue;
        }
        EXPECT_EQ(rig.port.TypesSent(), "SFDDDDDDDB");  // the second D six times
        EXPECT_EQ(rig.port.clockMs - secondDataAt, 60000);
        EXPECT_EQ(rig.engine.SilentSeconds(), 60);
        EXPECT_EQ(rig.Status(), "    NO ANSWER");
    }
}
