#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "KermitPeer.h"
#include "ReceiveRig.h"

using namespace kermit_test;

namespace {

struct Receiver : ::testing::Test {
    TempTree tree;

    // A one-file transaction scripted for `rig`.
    static void ScriptFile(ReceiveRig& rig, const std::string& name, const std::string& content,
                           const std::string& params = InitParams(94, 0, '~')) {
        rig.Script(SendingScript(name, content, params));
    }
};

TEST_F(Receiver, FileArrivesByteExactWithAcknowledgementsAndProgress) {
    ReceiveRig rig(tree.In());
    const std::string content = RandomRuns(3000, 7);
    ScriptFile(rig, "NAME.DAT", content);
    const std::vector<Packet> script(rig.script.begin(), rig.script.end());

    EXPECT_EQ(rig.Receive(), 3000);
    EXPECT_EQ(ReadWhole(tree.In() / "NAME.DAT"), content);
    EXPECT_STREQ(rig.nameBuffer, "NAME.DAT");

    // N to invite the sender, then one Y for every packet, by its number; the
    // S is answered with this side's parameters after adopting the peer's.
    const std::string types = rig.port.TypesSent();
    EXPECT_EQ(types, "N" + std::string(script.size(), 'Y'));
    std::vector<int> expectedSeqs;
    for (const Packet& p : script)
        expectedSeqs.push_back(p.seq);
    EXPECT_EQ(rig.SeqsOf('Y'), expectedSeqs);
    EXPECT_EQ(rig.port.sent[1].data, "~% @-#Y1~");

    std::vector<std::string> expectedEvents = {"opened NAME.DAT"};
    std::size_t written = 0;
    for (const Packet& p : script) {
        if (p.type != 'D') continue;
        written += PeerDecode(p.data, {0, '~'}).size();
        expectedEvents.push_back("progress " + std::to_string(written));
    }
    EXPECT_EQ(rig.observer.events, expectedEvents);
}

TEST_F(Receiver, RepeatedDataPacketIsAcknowledgedAgainButWrittenOnce) {
    ReceiveRig rig(tree.In());
    rig.Script({{0, 'S', InitParams()},
                {1, 'F', "TWICE.TXT"},
                {2, 'D', "abc"},
                {2, 'D', "abc"},
                {3, 'D', "def"},
                {4, 'Z', ""},
                {5, 'B', ""}});
    EXPECT_EQ(rig.Receive(), 6);
    EXPECT_EQ(ReadWhole(tree.In() / "TWICE.TXT"), "abcdef");
    EXPECT_EQ(rig.SeqsOf('Y'), (std::vector<int>{0, 1, 2, 2, 3, 4, 5}));
    EXPECT_EQ(rig.observer.receiveProgress, (std::vector<std::uint32_t>{3, 6}));
}

TEST_F(Receiver, BreakInsteadOfAHeaderCreatesNothing) {
    ReceiveRig rig(tree.In());
    // The B is acknowledged with the current number (0), so the sender sends
    // it again; that one ends the transaction.
    rig.Script({{0, 'S', InitParams()}, {1, 'B', ""}, {1, 'B', ""}});
    EXPECT_EQ(rig.Receive(), 0);
    EXPECT_EQ(rig.port.TypesSent(), "NYYY");
    EXPECT_EQ(rig.SeqsOf('Y'), (std::vector<int>{0, 0, 1}));
    EXPECT_TRUE(Listing(tree.In()).empty());
    EXPECT_TRUE(rig.observer.events.empty());
}

TEST_F(Receiver, EmptyFileIsCreatedEmpty) {
    ReceiveRig rig(tree.In());
    ScriptFile(rig, "EMPTY.TXT", "");
    EXPECT_EQ(rig.Receive(), 0);
    ASSERT_TRUE(fs::exists(tree.In() / "EMPTY.TXT"));
    EXPECT_EQ(fs::file_size(tree.In() / "EMPTY.TXT"), 0u);
    EXPECT_EQ(rig.observer.events, (std::vector<std::string>{"opened EMPTY.TXT"}));
}

// A transaction may carry several files: each call receives one and returns
// with it, the next goes on in the same transaction (no new N), until the B.
TEST_F(Receiver, EveryFileOfATransactionIsReceivedInTurnUntilTheBreak) {
    ReceiveRig rig(tree.In());
    rig.Script({{0, 'S', InitParams()},
                {1, 'F', "ONE.TXT"},
                {2, 'D', "first"},
                {3, 'Z', ""},
                {4, 'F', "TWO.TXT"},
                {5, 'D', "second"},
                {6, 'Z', ""},
                {7, 'F', "EMPTY.DAT"},
                {8, 'Z', ""},
                {9, 'B', ""}});
    EXPECT_EQ(rig.Receive(), 5);
    EXPECT_STREQ(rig.nameBuffer, "ONE.TXT");
    EXPECT_EQ(rig.Receive(), 6);
    EXPECT_STREQ(rig.nameBuffer, "TWO.TXT");
    EXPECT_EQ(rig.Receive(), 0);
    EXPECT_STREQ(rig.nameBuffer, "EMPTY.DAT");
    EXPECT_EQ(Listing(tree.In()), (std::vector<std::string>{"EMPTY.DAT", "ONE.TXT", "TWO.TXT"}));
    EXPECT_EQ(ReadWhole(tree.In() / "TWO.TXT"), "second");
    EXPECT_EQ(rig.port.TypesSent(), "N" + std::string(10, 'Y'));
    EXPECT_EQ(rig.SeqsOf('Y'), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(Receiver, ExistingFileIsReplacedOnlyWhenTheUserSaysYes) {
    const fs::path target = tree.In() / "OLD.TXT";
    {
        WriteWhole(target, "old content");
        ReceiveRig rig(tree.In());
        rig.observer.overwriteAnswer = RecordingObserver::Overwrite::Yes;
        ScriptFile(rig, "OLD.TXT", "new");
        EXPECT_EQ(rig.Receive(), 3);
        EXPECT_EQ(ReadWhole(target), "new");
        EXPECT_EQ(rig.observer.events.front(), "overwrite? " + target.string());
    }
    for (const auto answer :
         {RecordingObserver::Overwrite::Cancel, RecordingObserver::Overwrite::No}) {
        SCOPED_TRACE(static_cast<int>(answer));
        WriteWhole(target, "old content");
        ReceiveRig rig(tree.In());
        rig.observer.overwriteAnswer = answer;  // No, then the Save As is cancelled
        ScriptFile(rig, "OLD.TXT", "new");
        EXPECT_EQ(rig.Receive(), -1);
        const bool cancelled = answer == RecordingObserver::Overwrite::Cancel;
        EXPECT_EQ(rig.Status(), cancelled ? " NOT REPLACED" : "    NOT SAVED");
        EXPECT_EQ(rig.engine.LastFailure(), kermit::KermitEngine::Failure::Refused);
        EXPECT_EQ(ReadWhole(target), "old content");
        // The sender hears of the refusal at once, not after its retries.
        ASSERT_FALSE(rig.port.sent.empty());
        EXPECT_EQ(rig.port.sent.back().type, 'E');
        EXPECT_EQ(rig.port.sent.back().data, "Refused by user");
        EXPECT_FALSE(rig.engine.TransferUnderWay());
        EXPECT_EQ(rig.observer.events.size(), answer == RecordingObserver::Overwrite::No ? 2u : 1u);
    }
}

TEST_F(Receiver, SaveAsMovesTheFileAndTheReceiveFolder) {
    const fs::path other = tree.base / "other";
    fs::create_directories(other);
    WriteWhole(tree.In() / "OLD.TXT", "old content");
    ReceiveRig rig(tree.In());
    rig.observer.overwriteAnswer = RecordingObserver::Overwrite::No;
    rig.observer.saveAsAnswer = (other / "moved.txt").string();
    ScriptFile(rig, "OLD.TXT", "moved here");

    EXPECT_EQ(rig.Receive(), 10);
    EXPECT_EQ(ReadWhole(other / "moved.txt"), "moved here");
    EXPECT_EQ(ReadWhole(tree.In() / "OLD.TXT"), "old content");
    EXPECT_EQ(rig.engine.ReceiveFolder(), other);
    EXPECT_STREQ(rig.nameBuffer, "moved.txt");
    EXPECT_EQ(rig.observer.events[1], "save as? " + (tree.In() / "OLD.TXT").string());
    EXPECT_EQ(rig.observer.events[2], "opened moved.txt");
}

TEST_F(Receiver, FileThatCannotBeCreatedIsReported) {
    const fs::path missing = tree.base / "missing";
    ReceiveRig rig(missing);
    ScriptFile(rig, "NAME.TXT", "data");
    EXPECT_EQ(rig.Receive(), -1);
    EXPECT_EQ(rig.Status(), "CANNOT CREATE");
    EXPECT_EQ(rig.port.sent.back().data, "Can't create file");
    EXPECT_EQ(rig.observer.events,
              (std::vector<std::string>{"could not open " + (missing / "NAME.TXT").string()}));
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(Receiver, HostileNamesLandInsideTheReceiveFolder) {
    for (const char* name : {"../../escape.txt", "/abs/x.txt", "C:\\dir\\y.txt", "a/../..", "",
                             "..", "sub/../../up.txt"}) {
        SCOPED_TRACE(name);
        ReceiveRig rig(tree.In());
        rig.Script({{0, 'S', InitParams()},
                    {1, 'F', name},
                    {2, 'D', "secret"},
                    {3, 'Z', ""},
                    {4, 'B', ""}});
        EXPECT_EQ(rig.Receive(), 6);
        const auto files = Listing(tree.In());
        ASSERT_EQ(files.size(), 1u);
        EXPECT_EQ(files[0], rig.nameBuffer);
        EXPECT_EQ(ReadWhole(tree.In() / files[0]), "secret");
        EXPECT_EQ(Listing(tree.base), (std::vector<std::string>{"in"}));
        EXPECT_FALSE(fs::exists(tree.base.parent_path() / "escape.txt"));
        fs::remove(tree.In() / files[0]);
    }
}

TEST_F(Receiver, NameLongerThan127BytesFailsCleanly) {
    const std::string params = InitParams(94, 0, '~');
    {  // 94 + 33 = 127 characters still make a name
        ReceiveRig rig(tree.In());
        rig.Script({{0, 'S', params}, {1, 'F', "~~a~Aa"}, {2, 'Z', ""}, {3, 'B', ""}});
        EXPECT_EQ(rig.Receive(), 0);
        EXPECT_EQ(std::string(rig.nameBuffer), std::string(127, 'a'));
        EXPECT_TRUE(fs::exists(tree.In() / std::string(127, 'a')));
    }
    fs::remove(tree.In() / std::string(127, 'a'));
    ReceiveRig rig(tree.In());
    std::memset(rig.nameBuffer, 'k', sizeof rig.nameBuffer - 1);
    rig.Script({{0, 'S', params}, {1, 'F', "~~a~Ba"}, {2, 'D', "x"}, {3, 'Z', ""}, {4, 'B', ""}});
    EXPECT_EQ(rig.Receive(), -1);
    EXPECT_EQ(rig.Status(), " ERR: GETDATA");
    EXPECT_TRUE(Listing(tree.In()).empty());
    EXPECT_EQ(std::string(rig.nameBuffer), std::string(1023, 'k'));  // left as it was
    EXPECT_LT(std::strlen(rig.engine.FileName()), 128u);
    ASSERT_FALSE(rig.port.sent.empty());
    EXPECT_EQ(rig.port.sent.back().type, 'E');
}

TEST_F(Receiver, StopDuringDataKeepsWhatArrivedAsAMarkedFile) {
    // The user stops while the engine waits for the third data packet; the
    // sender then stays silent, or sends the second packet once more. The
    // receive ends as stopped at once; whoever stopped tells the peer why.
    for (const bool peerRepeats : {false, true}) {
        SCOPED_TRACE(peerRepeats);
        ReceiveRig rig(tree.In());
        rig.Script({{0, 'S', InitParams()},
                    {1, 'F', "PART.TXT"},
                    {2, 'D', "first "},
                    {3, 'D', "second"},
                    {0, 0, ""}});
        if (peerRepeats) rig.Script({{3, 'D', "second"}});
        EXPECT_EQ(rig.Receive(), -1);
        EXPECT_EQ(rig.outcome, kermit::Outcome::Stopped);
        EXPECT_EQ(rig.Status(), "         QUIT");
        EXPECT_EQ(Listing(tree.In()), (std::vector<std::string>{"PART.TXT.part"}));
        EXPECT_EQ(ReadWhole(tree.In() / "PART.TXT.part"), "first second");
        EXPECT_EQ(rig.port.TypesSent(), "NYYYY");  // nothing more after the stop
        rig.engine.TellPeerEnded("User cancelled");
        EXPECT_EQ(rig.port.sent.back().type, 'E');
        EXPECT_EQ(rig.port.sent.back().data, "User cancelled");
        EXPECT_EQ(rig.Status(), "         QUIT");
        EXPECT_EQ(rig.observer.events.back(), "not received " + (tree.In() / "PART.TXT").string() +
                                                  " kept " +
                                                  (tree.In() / "PART.TXT.part").string() + " 12");
        fs::remove(tree.In() / "PART.TXT.part");
    }
}

}  // namespace

namespace {

// A one-file transaction whose packets after the S carry block check `check`.
std::vector<Packet> ScriptWithCheck(const std::string& params, const std::string& content) {
    std::vector<Packet> script{{0, 'S', params}, {1, 'F', "CHECKED.DAT"}};
    int seq = 2;
    for (const std::string& field : PeerEncode(content, AgreedPrefixes(params), 80))
        script.push_back({seq++ & 63, 'D', field});
    script.push_back({seq++ & 63, 'Z', ""});
    script.push_back({seq & 63, 'B', ""});
    return script;
}

}  // namespace

// The engine answers what the peer proposes: its block check from the packet
// after the S on, and a tenth field (CAPAS, none) when the peer sent
// capability fields; a nine-field peer gets nine.
TEST_F(Receiver, APeersBlockCheckAndCapabilitiesAreAnsweredInKind) {
    struct Case {
        std::string params;
        std::string ack;
        int check;
    };
    const std::string base = InitParams(94, 0, '~');
    const std::string content = RandomRuns(5000, 11);
    for (const Case& c :
         {Case{base.substr(0, 7) + "3~_+", "~% @-#Y3~ ", 3},
          Case{base.substr(0, 7) + "2~", "~% @-#Y2~", 2}, Case{base + "_", "~% @-#Y1~ ", 1}}) {
        SCOPED_TRACE(c.params);
        ReceiveRig rig(tree.In());
        rig.Script(ScriptWithCheck(c.params, content));
        rig.interpose = [&rig, &c](const Packet& p) {
            if (p.type == 'Y' && p.seq == 0) rig.port.checkType = c.check;
            return false;
        };
        EXPECT_EQ(rig.Receive(), 5000) << rig.Status();
        EXPECT_TRUE(ReadWhole(tree.In() / "CHECKED.DAT") == content);
        EXPECT_EQ(rig.port.sent[1].data, c.ack);
        EXPECT_NE(rig.port.wire.find(MakePacket(1, 'Y', "", '\r', c.check)), std::string::npos);
        fs::remove(tree.In() / "CHECKED.DAT");
    }
}

// A data field that does not decode whole comes from a damaged packet that
// passed its check: it is asked for again (the last answer is repeated) and
// nothing of it is written.
TEST_F(Receiver, ADataFieldThatDoesNotDecodeWholeIsAskedForAgain) {
    for (const std::string& damaged : {std::string("abc#"), std::string("ab~ c")}) {
        SCOPED_TRACE(damaged);
        ReceiveRig rig(tree.In());
        rig.Script({{0, 'S', InitParams(94, 0, '~')},
                    {1, 'F', "WHOLE.TXT"},
                    {2, 'D', damaged},
                    {2, 'D', "abc"},
                    {3, 'Z', ""},
                    {4, 'B', ""}});
        EXPECT_EQ(rig.Receive(), 3) << rig.Status();
        EXPECT_EQ(ReadWhole(tree.In() / "WHOLE.TXT"), "abc");
        EXPECT_EQ(rig.SeqsOf('Y'), (std::vector<int>{0, 1, 1, 2, 3, 4}));
        fs::remove(tree.In() / "WHOLE.TXT");
    }
}

// The receiver counts as the sender does: its last answer goes at most
// retryLimit (5) times in all when only damaged packets come back.
TEST_F(Receiver, TheLastAnswerGoesAtMostFiveTimes) {
    ReceiveRig rig(tree.In());
    rig.Script({{0, 'S', InitParams()}, {1, 'F', "NOISE.TXT"}});
    std::string damaged = MakePacket(2, 'D', "data");
    damaged[damaged.size() - 2] ^= 1;
    rig.interpose = [&rig, &damaged](const Packet& p) {
        if (p.type != 'Y' || p.seq != 1) return false;
        rig.port.Feed(damaged);
        return true;
    };
    EXPECT_EQ(rig.Receive(), -1);
    EXPECT_EQ(rig.SeqsOf('Y'), (std::vector<int>{0, 1, 1, 1, 1, 1}));
}

// A sender that resends while the answer is still on its way (G-Kermit takes
// one stale NAK for several) piles up copies of one packet. Copies that were
// already in when the answer went out are passed over: one answer each, and
// no attempt spent on them; a copy that comes after the answer is answered.
TEST_F(Receiver, CopiesThatCameBeforeTheAnswerAreNotAnsweredAgain) {
    ReceiveRig rig(tree.In());
    rig.Script({{2, 'D', "abc"}, {2, 'D', "abc"}, {3, 'Z', ""}, {4, 'B', ""}});
    rig.interpose = [&rig](const Packet& p) {
        const bool first = p.type == 'N' || (p.type == 'Y' && p.seq == 0);
        if (!first || rig.port.sent.size() > 2) return false;
        for (int i = 0; i < 6; ++i) {
            if (p.type == 'N') rig.port.FeedPacket(0, 'S', InitParams());
            if (p.type == 'Y') rig.port.FeedPacket(1, 'F', "BURST.TXT");
        }
        return true;
    };
    EXPECT_EQ(rig.Receive(), 3);
    EXPECT_EQ(ReadWhole(tree.In() / "BURST.TXT"), "abc");
    EXPECT_EQ(rig.SeqsOf('Y'), (std::vector<int>{0, 1, 2, 2, 3, 4}));
}

// A sender that falls silent after its S, in mid-file or after its Z: at each
// of its time-outs (10 s in its S) the receiver answers once more, and after
// the whole silence limit (at least 60 s, or the job's own) the receive ends
// as failed, tells the sender, and keeps what arrived as not whole. A sender
// that wakes within the limit finishes byte-exact.
TEST_F(Receiver, SilentSenderEndsTheReceiveAfterTheSilenceLimit) {
    constexpr std::int64_t kForEver = std::numeric_limits<std::int64_t>::max() / 2;
    struct Case {
        const char* name;
        int sleepsAfter;  // the engine's answer (its seq) after which the sender sleeps
        std::int64_t sleepMs;
        std::int64_t limitMs;  // the job's silence limit; 0 = the rule
        int received;          // Receive()'s number
        std::int64_t endsAt;   // the clock when the receive ends
        const char* kept;      // what stays in SLEEPY.TXT.part ("" = no such file)
    };
    const Case cases[] = {
        {"after S", 0, kForEver, 0, -1, 60000, ""},
        {"mid-file", 2, kForEver, 0, -1, 60000, "first "},
        {"mid-file, short limit", 2, kForEver, 12000, -1, 12000, "first "},
        {"mid-file, wakes", 2, 25000, 0, 12, 25000, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReceiveRig rig(tree.In());
        rig.port.silenceIsTime = true;
        rig.engine.SetSilenceLimit(c.limitMs);
        rig.Script({{0, 'S', InitParams()},
                    {1, 'F', "SLEEPY.TXT"},
                    {2, 'D', "first "},
                    {3, 'D', "second"},
                    {4, 'Z', ""},
                    {5, 'B', ""}});
        std::int64_t wakeAt = -1;
        rig.interpose = [&](const Packet& p) {
            if (wakeAt < 0 && p.type == 'Y' && p.seq == c.sleepsAfter)
                wakeAt = rig.port.clockMs + c.sleepMs;
            return wakeAt >= 0 && rig.port.clockMs < wakeAt;  // asleep: heard nothing
        };
        rig.port.onIdle = [&] {
            if (wakeAt < 0 || rig.port.clockMs < wakeAt || rig.script.empty()) return false;
            wakeAt = -1;
            rig.interpose = nullptr;
            const Packet next = rig.script.front();
            rig.script.pop_front();
            rig.port.FeedPacket(next.seq, next.type, next.data);
            return true;
        };
        EXPECT_EQ(rig.Receive(), c.received);
        EXPECT_EQ(rig.port.clockMs, c.endsAt);
        if (c.received < 0) {
            EXPECT_EQ(rig.Status(), "      NO DATA");
            EXPECT_EQ(rig.engine.LastFailure(), kermit::KermitEngine::Failure::Silent);
            EXPECT_EQ(rig.engine.SilentSeconds(), c.endsAt / 1000);
            EXPECT_EQ(rig.port.sent.back().type, 'E');
            EXPECT_EQ(rig.port.sent.back().data, "Timed out");
            // The last answer went again at each of the sender's time-outs.
            const auto repeats = std::count_if(
                rig.port.sent.begin(), rig.port.sent.end(),
                [&](const Packet& p) { return p.seq == c.sleepsAfter && p.type == 'Y'; });
            EXPECT_EQ(repeats, 1 + (c.endsAt - 1) / 10000);
        } else {
            EXPECT_EQ(ReadWhole(tree.In() / "SLEEPY.TXT"), "first second");
        }
        const fs::path part = tree.In() / "SLEEPY.TXT.part";
        EXPECT_EQ(fs::exists(part) ? ReadWhole(part) : std::string(), c.kept);
        fs::remove_all(tree.In());
        fs::create_directories(tree.In());
    }
}
