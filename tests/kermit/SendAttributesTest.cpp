// The attribute packet of a send, to a scripted receiver that names
// attribute packets: what it announces, and a refusal in its answer.
#include <gtest/gtest.h>

#include "KermitPeer.h"
#include "SendRig.h"

using namespace kermit_test;

namespace {

// A receiver that names attribute packets and answers the A with `answer`.
struct AttributeSend : SendRig {
    std::string answer = "Y";

    explicit AttributeSend(const kermit::Offer& offer) {
        engine.SetOffer(offer);
        peer.params = InitParams(94, 0, '~') + "(";  // CAPAS: attribute packets
        details.modified = kermit::FileDate{2020, 2, 29, 7, 8, 9};
        interpose = [this](const Packet& p) {
            if (p.type != 'A') return false;
            port.FeedPacket(p.seq, 'Y', answer);
            return true;
        };
    }
};

// With capability fields in its Send-Init the sender announces type, date
// and length after the header; a receiver's "N1" ends the file there: a Z
// that says discard, the B, no data, and the user hears why.
TEST(SendAttributes, TheFileIsAnnouncedAndARefusalEndsItBeforeItsData) {
    const std::string content(3000, 'k');
    {
        AttributeSend taken({.slidingWindow = 2});
        taken.Send(content, "PLOT.DAT");
        EXPECT_EQ(taken.outcome, kermit::Outcome::Done) << taken.Status();
        ASSERT_NE(taken.Sent('A'), nullptr);
        EXPECT_EQ(taken.Sent('A')->data, "\"\"B8#120200229 07:08:09!!31$3000");
        EXPECT_EQ(taken.peer.content, content);
        EXPECT_EQ(taken.port.TypesSent().substr(0, 3), "SFA");
    }
    {
        AttributeSend refused({.packetLength = 1000});
        refused.answer = "N1";
        refused.Send(content, "PLOT.DAT");
        EXPECT_EQ(refused.outcome, kermit::Outcome::FileRefused);
        EXPECT_EQ(refused.port.TypesSent(), "SFAZB");
        EXPECT_EQ(refused.Sent('Z')->data, "D");
        EXPECT_EQ(std::string(refused.engine.StatusText()), "      REFUSED");
        EXPECT_EQ(refused.observer.events, (std::vector<std::string>{"send refused 1"}));
    }
}

}  // namespace
