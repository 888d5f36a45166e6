// The attribute packet of a send, to a scripted receiver that names
// attribute packets: what it announces, and a refusal in its answer.
#include <gtest/gtest.h>

#include "KermitPeer.h"
#include "RecordingObserver.h"
#include "ScriptedPort.h"
#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"

using namespace kermit_test;

namespace {

struct AttributeSend {
    std::atomic<int> run{1};
    ScriptedPort port{run};
    disk::DiskFiles files;
    kermit::KermitEngine engine{port, files, run};
    RecordingObserver observer;
    ReceivingPeer peer;
    std::string answer = "Y";  // the peer's answer to an A packet

    explicit AttributeSend(const kermit::Offer& offer) {
        engine.SetOffer(offer);
        engine.SetObserver(&observer);
        peer.params = InitParams(94, 0, '~') + "(";  // CAPAS: attribute packets
        port.onPacket = [this](const Packet& p) {
            if (p.type == 'A')
                port.FeedPacket(p.seq, 'Y', answer);
            else
                peer.Answer(port, p);
        };
    }
    kermit::Outcome Send(const std::string& content) {
        const kermit::SendDetails details{.modified = kermit::FileDate{2020, 2, 29, 7, 8, 9}};
        return engine.KermitSend("PLOT.DAT", reinterpret_cast<const std::uint8_t*>(content.data()),
                                 content.size(), details);
    }
    const Packet* Sent(char type) const {
        for (const Packet& p : port.sent)
            if (p.type == type) return &p;
        return nullptr;
    }
};

// With capability fields in its Send-Init the sender announces type, date
// and length after the header; a receiver's "N1" ends the file there: a Z
// that says discard, the B, no data, and the user hears why.
TEST(SendAttributes, TheFileIsAnnouncedAndARefusalEndsItBeforeItsData) {
    const std::string content(3000, 'k');
    {
        AttributeSend taken({.slidingWindow = 2});
        EXPECT_EQ(taken.Send(content), kermit::Outcome::Done) << taken.engine.StatusText();
        ASSERT_NE(taken.Sent('A'), nullptr);
        EXPECT_EQ(taken.Sent('A')->data, "\"\"B8#120200229 07:08:09!!31$3000");
        EXPECT_EQ(taken.peer.content, content);
        EXPECT_EQ(taken.port.TypesSent().substr(0, 3), "SFA");
    }
    {
        AttributeSend refused({.packetLength = 1000});
        refused.answer = "N1";
        EXPECT_EQ(refused.Send(content), kermit::Outcome::FileRefused);
        EXPECT_EQ(refused.port.TypesSent(), "SFAZB");
        EXPECT_EQ(refused.Sent('Z')->data, "D");
        EXPECT_EQ(std::string(refused.engine.StatusText()), "      REFUSED");
        EXPECT_EQ(refused.observer.events, (std::vector<std::string>{"send refused 1"}));
    }
}

}  // namespace
