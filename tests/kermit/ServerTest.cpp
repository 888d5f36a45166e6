#include <gtest/gtest.h>

#include <cstring>

#include "KermitPeer.h"
#include "ReceiveRig.h"

using namespace kermit_test;

namespace {

struct Server : ::testing::Test {
    TempTree tree;

    // A peer that sends `request` (R or G with its argument) when invited with
    // N, then acknowledges whatever the engine sends, as a receiver.
    static void RequestAndReceive(ReceiveRig& rig, ReceivingPeer& peer, char type,
                                  const std::string& argument) {
        rig.interpose = [&rig, &peer, type, argument](const Packet& p) {
            if (p.type == 'N')
                rig.port.FeedPacket(0, type, argument);
            else if (p.type != 'E')
                peer.Answer(rig.port, p);
            return true;
        };
    }
};

TEST_F(Server, LogoutAndFinishCommandsAreAcknowledged) {
    for (const char* command : {"L", "B", "F"}) {
        SCOPED_TRACE(command);
        ReceiveRig rig(tree.In());
        std::strcpy(rig.nameBuffer, "LAST.TXT");
        rig.Script({{0, 'G', command}});
        EXPECT_EQ(rig.Receive(), 0);
        EXPECT_STREQ(rig.nameBuffer, "LOGOUT      ");
        EXPECT_EQ(rig.port.TypesSent(), "NY");
        EXPECT_EQ(rig.port.sent.back().seq, 0);
        EXPECT_EQ(rig.port.sent.back().data, "");
    }
}

TEST_F(Server, GenericDSendsTheNameBufferText) {
    ReceiveRig rig(tree.In());
    ReceivingPeer peer;
    std::strcpy(rig.nameBuffer, "LAST.TXT");
    RequestAndReceive(rig, peer, 'G', "D");
    EXPECT_EQ(rig.Receive(), 0);
    EXPECT_EQ(rig.port.TypesSent(), "NSXDZB");
    EXPECT_EQ(peer.headerType, 'X');
    EXPECT_EQ(peer.header, "");
    EXPECT_EQ(peer.content, "LAST.TXT\r\n");
}

// A client that opens with I and proposes block check 3 (as C-Kermit does)
// still sends its G with type 1; the answer is a transaction of its own,
// whose S and acknowledgement carry type 1 and which agrees on its check anew.
TEST_F(Server, GenericDAfterAnInitExchangeOnCheck3) {
    for (int offer : {1, 3}) {
        SCOPED_TRACE(offer);
        ReceiveRig rig(tree.In());
        rig.engine.SetOffer({.blockCheck = offer});
        ReceivingPeer peer;
        peer.params = InitParams(94, 0, '~');
        peer.params[7] = '3';
        std::strcpy(rig.nameBuffer, "LAST.TXT");
        rig.interpose = [&rig, &peer](const Packet& p) {
            if (p.type == 'N')
                rig.port.FeedPacket(0, 'I', peer.params);
            else if (p.type == 'Y' && peer.headerType == 0 && p.data.size() >= 9)
                rig.port.FeedPacket(0, 'G', "D");
            else
                peer.Answer(rig.port, p);
            return true;
        };
        EXPECT_EQ(rig.Receive(), 0) << rig.Status();
        EXPECT_EQ(rig.port.TypesSent(), "NYSXDZB");
        EXPECT_EQ(peer.content, "LAST.TXT\r\n");
        EXPECT_EQ(rig.port.checkType, offer);
    }
}

// An unknown command is refused with E and leaves the server going; it is
// no name to report, so the name buffer keeps its text.
TEST_F(Server, OtherGenericCommandsAreRefusedAndTheServerGoesOn) {
    ReceiveRig rig(tree.In());
    std::strcpy(rig.nameBuffer, "LAST.TXT");
    rig.Script({{0, 'G', "Q\x1b[31m"}});
    EXPECT_EQ(rig.Receive(), rig.kNeither);
    EXPECT_EQ(rig.outcome, kermit::Outcome::RequestRefused);
    EXPECT_EQ(rig.Status(), " ERR: UNKNOWN");
    EXPECT_EQ(rig.port.TypesSent(), "NE");
    EXPECT_EQ(rig.port.sent.back().data, "UNKNOWN COMMAND");
    EXPECT_STREQ(rig.nameBuffer, "LAST.TXT");
}

// While it waits for a request, the server answers what it cannot use as the
// protocol says (N for a packet that did not come whole, its parameters for
// an I, E for a packet that is no request) and passes over the peer's E; the
// file sent after any of them is received.
TEST_F(Server, TheIdleServerAnswersWhatItCannotUseAndGoesOnWaiting) {
    std::string badCheck = MakePacket(0, 'S', InitParams());
    badCheck[badCheck.size() - 2] ^= 1;
    const std::string init = MakePacket(0, 'I', InitParams(60, 0, '~'));
    std::string noise = RandomRuns(4000, 7);
    for (std::size_t i = 0; i < noise.size(); i += 97)
        noise[i] = '\x01';  // many a packet begun, none ended well
    struct Case {
        const char* what;
        std::string before;
        std::string answers;  // what the server sends before the S's answer
    };
    const Case cases[] = {
        {"bad checks", badCheck + badCheck + badCheck + badCheck, "NNNNN"},
        {"inits", init + init + init + init, "NYYYY"},
        {"stray packets",
         MakePacket(0, 'D', "stray") + MakePacket(1, 'Y', "") + MakePacket(63, 'B', "") +
             MakePacket(0, 'Z', ""),
         "NEEEE"},
        {"errors", MakePacket(9, 'E', "ABORTED") + MakePacket(0, 'E', "AGAIN"), "N"},
        {"noise", noise, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReceiveRig rig(tree.In());
        rig.port.Feed(c.before);
        rig.Script(SendingScript("AFTER.TXT", "still works"));
        EXPECT_EQ(rig.Receive(), 11) << rig.Status();
        EXPECT_EQ(ReadWhole(tree.In() / "AFTER.TXT"), "still works");
        const std::string types = rig.port.TypesSent();
        EXPECT_EQ(types.substr(0, c.answers.size()), c.answers) << types;
        EXPECT_EQ(types.substr(types.size() - 5), "YYYYY") << types;  // S, F, D, Z, B
        std::filesystem::remove(tree.In() / "AFTER.TXT");
    }
}

TEST_F(Server, SilentLineEndsWithQuit) {
    ReceiveRig rig(tree.In());
    EXPECT_EQ(rig.Receive(), -1);
    EXPECT_EQ(rig.Status(), "         QUIT");
}

TEST_F(Server, FileRequestIsServedFromTheReceiveFolder) {
    const std::string content = RandomRuns(5000, 99);
    WriteWhole(tree.In() / "REQ.DAT", content);
    ReceiveRig rig(tree.In());
    ReceivingPeer peer;
    peer.params = InitParams(94, 0, '~');
    RequestAndReceive(rig, peer, 'R', "REQ.DAT");
    EXPECT_EQ(rig.Receive(), 0) << rig.Status();
    const std::string types = rig.port.TypesSent();
    EXPECT_EQ(types.substr(0, 3), "NSF");
    EXPECT_EQ(types.substr(types.size() - 2), "ZB");
    EXPECT_EQ(peer.headerType, 'F');
    EXPECT_EQ(peer.header, "REQ.DAT");
    EXPECT_TRUE(peer.content == content);
    EXPECT_EQ(ReadWhole(tree.In() / "REQ.DAT"), content);
}

// A refused request is answered with E and the server goes on: the caller
// gets RequestRefused, the name buffer keeps its text, and the next request
// is served.
TEST_F(Server, FileRequestOutsideTheFolderOrForAMissingFileIsRefused) {
    WriteWhole(tree.base / "secret", "do not serve");
    fs::create_directories(tree.In() / "sub");
    for (const std::string& name : std::vector<std::string>{"../secret", "MISSING.DAT", "sub", "",
                                                            tree.base.string() + "/secret"}) {
        SCOPED_TRACE(name);
        ReceiveRig rig(tree.In());
        ReceivingPeer peer;
        std::strcpy(rig.nameBuffer, "BEFORE.TXT");
        RequestAndReceive(rig, peer, 'R', name);
        EXPECT_EQ(rig.Receive(), rig.kNeither);
        EXPECT_EQ(rig.outcome, kermit::Outcome::RequestRefused);
        EXPECT_EQ(rig.port.TypesSent(), "NE");
        EXPECT_EQ(rig.port.sent.back().data, "FILE NOT FOUND");
        EXPECT_EQ(rig.Status(), "  ERR: NOFILE");
        EXPECT_STREQ(rig.nameBuffer, "BEFORE.TXT");
        EXPECT_TRUE(peer.content.empty());

        WriteWhole(tree.In() / "HERE.DAT", "served after all");
        RequestAndReceive(rig, peer, 'R', "HERE.DAT");
        EXPECT_EQ(rig.Receive(), 0) << rig.Status();
        EXPECT_EQ(peer.content, "served after all");
    }
}

}  // namespace
