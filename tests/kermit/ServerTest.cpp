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

TEST_F(Server, LogoutCommandsAreAcknowledged) {
    for (const char* command : {"L", "B"}) {
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

TEST_F(Server, OtherGenericCommandsAreRefused) {
    ReceiveRig rig(tree.In());
    rig.Script({{0, 'G', "F"}});
    EXPECT_EQ(rig.Receive(), -1);
    EXPECT_EQ(rig.Status(), " ERR: UNKNOWN");
    EXPECT_EQ(rig.port.TypesSent(), "NE");
    EXPECT_EQ(rig.port.sent.back().data, "UNKNOWN COMMAND");
}

TEST_F(Server, InitWithoutSendInitIsAnsweredButCountsAsAnAttempt) {
    ReceiveRig rig(tree.In());
    const std::string params = InitParams(60, 0, '~');
    rig.Script({{0, 'I', params}, {0, 'I', params}, {0, 'I', params}, {0, 'S', params}});
    EXPECT_EQ(rig.Receive(), -1);
    EXPECT_EQ(rig.port.TypesSent(), "NYYY");
    EXPECT_EQ(rig.port.sent[1].data, "\\% @-#Y1~");  // MAXL 60 adopted
    EXPECT_EQ(rig.Status(), params);
}

TEST_F(Server, UnexpectedPacketsGetAnErrorAndTheServerGoesOnWaiting) {
    ReceiveRig rig(tree.In());
    rig.Script({{0, 'D', "stray"}, {5, 'S', InitParams()}});
    rig.Script(SendingScript("AFTER.TXT", "still works"));
    EXPECT_EQ(rig.Receive(), 11);
    EXPECT_EQ(ReadWhole(tree.In() / "AFTER.TXT"), "still works");
    const std::string types = rig.port.TypesSent();
    EXPECT_EQ(types.substr(0, 3), "NEE");
    EXPECT_EQ(rig.port.sent[1].data, "UNKNOWN COMMAND");
    EXPECT_EQ(rig.port.sent[2].data, "UNKNOWN COMMAND");

    // Three of them end the wait; an E ends it at once, with its text.
    ReceiveRig three(tree.In());
    three.Script({{0, 'Z', ""}, {1, 'Y', ""}, {63, 'B', ""}, {0, 'S', InitParams()}});
    EXPECT_EQ(three.Receive(), -1);
    EXPECT_EQ(three.port.TypesSent(), "NEEE");
    ReceiveRig error(tree.In());
    error.Script({{9, 'E', "ABORTED BY USER"}});
    EXPECT_EQ(error.Receive(), -1);
    EXPECT_EQ(error.Status(), "ABORTED BY USER");
    EXPECT_EQ(error.port.TypesSent(), "N");
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
