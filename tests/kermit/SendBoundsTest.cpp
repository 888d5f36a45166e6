// What a receiver's Send-Init answer asks for is bounded by what this side's
// buffers hold, whatever the field says; a receiver's time-out does not
// stretch the send's silence limit; a file that changes while it goes is
// not reported as sent.
#include <gtest/gtest.h>

#include "ReceiveRig.h"
#include "SendRig.h"
#include "disk/FileSource.h"

#include <chrono>
#include <fstream>
#include <functional>

using namespace kermit_test;

namespace {

char Tochar(int x) {
    return static_cast<char>(x + 32);
}

// The nine fields (MAXL, TIME, NPAD, PADC, EOL, QCTL, QBIN, CHKT, REPT) with
// `at` replaced by `value`, then CAPAS for long packets, windows and
// attributes, a window of 31 and long packets of 4096.
std::string Answer(std::size_t at, char value) {
    std::string params = InitParams();
    std::string capas = {Tochar(2 | 4 | 8), Tochar(31), Tochar(4096 / 95), Tochar(4096 % 95)};
    std::string all = params + capas;
    all[at] = value;
    return all;
}

}  // namespace

TEST(SendBounds, EachSendInitFieldAtItsLargestStaysWithinTheBuffers) {
    struct Row {
        const char* field;
        std::string answer;
        std::size_t pads;     // pads before each packet
        std::size_t longest;  // the longest data field
        int timeout;          // the receiver's time-out as taken
    };
    const Row rows[] = {
        {"NPAD 223 with long packets of 4096", Answer(2, '\xFF'), 94, 4096, 10},
        {"MAXL 223", Answer(0, '\xFF'), 0, 4096, 10},
        {"TIME 223", Answer(1, '\xFF'), 0, 4096, 94},
        {"WINDO 223", Answer(10, '\xFF'), 0, 4096, 10},
        {"MAXLX1 223", Answer(11, '\xFF'), 0, 4096, 10},
        {"MAXLX2 223", Answer(12, '\xFF'), 0, 4096, 10},
        {"every field 223 (CAPAS that never ends: short packets)", std::string(13, '\xFF'), 94, 91,
         94},
    };
    const std::string content = RandomRuns(40000, 7);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        SendRig rig;
        rig.engine.SetOffer({.packetLength = 4096, .slidingWindow = 31});
        rig.peer.params = row.answer;
        rig.Send(content);
        EXPECT_LE(rig.port.longestWrite, std::size_t{kermit::PacketLink::kLineBufferSize});
        EXPECT_EQ(rig.port.mostPads, row.pads);
        EXPECT_LE(rig.LongestDataField(), row.longest);
        EXPECT_GT(rig.LongestDataField(), row.longest * 3 / 4);
        EXPECT_EQ(rig.peer.content, content);
        EXPECT_EQ(rig.engine.Link().PeerTimeout(), row.timeout);
        EXPECT_LE(rig.engine.Link().InForce().slidingWindowSize, kermit::kMaxSlidingWindow);
    }
}

// A receiver that asks to be waited for 94 s and then falls silent ends the
// send after 150 s, not after five of its time-outs (470 s); one that asks
// for 10 s after 60 s, as before.
TEST(SendBounds, ASilentReceiverEndsTheSendWithinTheSilenceLimitWhateverItsTimeOut) {
    for (const auto& [time, limitMs] : {std::pair{94, 150000}, std::pair{10, 60000}}) {
        SCOPED_TRACE(time);
        SendRig rig;
        rig.port.silenceIsTime = true;
        rig.peer.params = InitParams();
        rig.peer.params[1] = Tochar(time);
        std::int64_t silentFrom = -1;
        rig.interpose = [&](const Packet& p) {
            if (p.type != 'D') return false;
            if (silentFrom < 0) silentFrom = rig.port.clockMs;
            return true;
        };
        EXPECT_EQ(rig.Send(std::string(300, 'x')), -1);
        EXPECT_EQ(rig.engine.SilentSeconds(), limitMs / 1000);
        EXPECT_LE(rig.port.clockMs - silentFrom, limitMs + 100);  // the last B is not waited for
        EXPECT_EQ(rig.Status(), "    NO ANSWER");
    }
}

// A file that grows, shrinks or is written to while it goes ends the send
// with an E before its Z: the receiver never takes it for whole.
TEST(SendBounds, AFileThatChangesWhileItIsSentEndsTheSendWithAnError) {
    struct Change {
        const char* what;
        std::function<void(const fs::path&)> change;
    };
    const std::string content = RandomRuns(30000, 3);
    const Change changes[] = {
        {"nothing", [](const fs::path&) {}},
        {"grows", [](const fs::path& f) { std::ofstream(f, std::ios::app) << "more"; }},
        {"shrinks", [](const fs::path& f) { fs::resize_file(f, 1000); }},
        {"same length, later date",
         [](const fs::path& f) {
             fs::last_write_time(f, fs::last_write_time(f) + std::chrono::seconds(5));
         }},
    };
    for (const bool window : {false, true}) {
        for (const Change& change : changes) {
            SCOPED_TRACE(std::string(change.what) + (window ? ", window" : ""));
            TempTree tree;
            const fs::path file = tree.In() / "stand.dat";
            WriteWhole(file, content);
            std::error_code error;
            std::unique_ptr<disk::FileSource> source = disk::FileSource::Open(file, error);
            ASSERT_NE(source, nullptr) << error.message();
            SendRig rig;
            if (window) rig.engine.SetOffer({.packetLength = 1000, .slidingWindow = 4});
            rig.peer.params +=
                std::string{Tochar(2 | 4), Tochar(4), Tochar(1000 / 95), Tochar(1000 % 95)};
            bool changed = false;
            rig.interpose = [&](const Packet& p) {
                if (p.type == 'D' && !changed) change.change(file), changed = true;
                return false;
            };
            const kermit::Outcome outcome = rig.engine.KermitSend("STAND.DAT", *source);
            const bool whole = std::string(change.what) == "nothing";
            EXPECT_EQ(outcome, whole ? kermit::Outcome::Done : kermit::Outcome::Failed);
            EXPECT_EQ(rig.engine.SourceFailed(), !whole);
            const std::string types = rig.port.TypesSent();
            EXPECT_EQ(types.back(), whole ? 'B' : 'E') << types;
            EXPECT_EQ(types.find('Z') != std::string::npos, whole) << types;
            if (whole) {
                EXPECT_EQ(rig.peer.content, content);
            }
        }
    }
}
