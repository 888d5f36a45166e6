// Attribute packets from a scripted sender, one packet at a time, on the
// real disk: what they announce is taken and held against the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "FileDates.h"
#include "KermitPeer.h"
#include "ReceiveRig.h"

using namespace kermit_test;

namespace {

// The nine parameters and a CAPAS that names attribute packets only.
const std::string kParamsWithAttributes = InitParams(94, 0, '~') + "(";

using test_support::LocalTime;
using test_support::ModifiedAt;

struct ReceiveAttributes : ::testing::Test {
    TempTree tree;
};

// A binary file that comes shorter than announced stays beside its target
// under its marked name; a text file is not held to its sender's length (the
// line ends changed on the way) and takes the announced date once in place.
// A peer that names attribute packets gets them named in the answer.
TEST_F(ReceiveAttributes, LengthIsHeldAgainstABinaryFileAndTheDateIsTaken) {
    ReceiveRig rig(tree.In());
    WriteWhole(tree.In() / "SHORT.BIN", "old");
    rig.observer.overwriteAnswer = kermit::KermitObserver::Overwrite::Yes;
    rig.Script({{0, 'S', kParamsWithAttributes},
                {1, 'F', "SHORT.BIN"},
                {2, 'A', "\"\"B81\"10"},
                {3, 'D', "abc"},
                {4, 'Z', ""},
                {5, 'F', "NOTES.TXT"},
                {6, 'A', "\"!A#120190704 13:14:15!!11\"99"},
                {7, 'D', "line#M#J"},
                {8, 'Z', ""},
                {9, 'B', ""}});
    EXPECT_EQ(rig.Receive(), ReceiveRig::kNeither) << rig.Status();
    EXPECT_EQ(rig.outcome, kermit::Outcome::FileNotWhole);
    EXPECT_EQ(rig.port.sent[1].data, "~% @-#Y1~(");
    EXPECT_EQ(rig.port.sent[3].type, 'Y');
    EXPECT_EQ(rig.port.sent[3].data, "Y");
    EXPECT_EQ(ReadWhole(tree.In() / "SHORT.BIN"), "old");
    EXPECT_EQ(ReadWhole(tree.In() / "SHORT.BIN.part"), "abc");

    EXPECT_EQ(rig.Receive(), 6) << rig.Status();
    EXPECT_EQ(ReadWhole(tree.In() / "NOTES.TXT"), "line\r\n");
    EXPECT_EQ(ModifiedAt(tree.In() / "NOTES.TXT"), LocalTime(2019, 7, 4, 13, 14, 15));
    EXPECT_EQ(Listing(tree.In()),
              (std::vector<std::string>{"NOTES.TXT", "SHORT.BIN", "SHORT.BIN.part"}));
    const std::string shortTarget = (tree.In() / "SHORT.BIN").string();
    const std::string notes = (tree.In() / "NOTES.TXT").string();
    const std::vector<std::string> expected = {
        "opened SHORT.BIN",
        "overwrite? " + shortTarget,
        "announced 10",
        "progress 3",
        "length differs " + shortTarget + " kept " + shortTarget + ".part 3",
        "opened NOTES.TXT",
        "announced 99",
        "progress 6"};
    EXPECT_EQ(rig.observer.events.size(), expected.size());
    for (const std::string& e : expected)
        EXPECT_NE(std::find(rig.observer.events.begin(), rig.observer.events.end(), e),
                  rig.observer.events.end())
            << e;
    EXPECT_EQ(rig.observer.received, (std::vector<std::string>{notes + " 6"}));
}

// A date the clocks cannot hold (the year 7041) is not taken: the file
// arrives whole and keeps the date it was written.
TEST_F(ReceiveAttributes, ADateBeyondTheClocksIsLeftAside) {
    ReceiveRig rig(tree.In());
    rig.Script({{0, 'S', kParamsWithAttributes},
                {1, 'F', "FAR.DAT"},
                {2, 'A', "#170410920 13:14:15"},
                {3, 'D', "abc"},
                {4, 'Z', ""},
                {5, 'B', ""}});
    const auto before = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    EXPECT_EQ(rig.Receive(), 3) << rig.Status();
    const auto written = std::filesystem::last_write_time(tree.In() / "FAR.DAT");
    EXPECT_GT(written, before);
    EXPECT_LT(written, before + std::chrono::hours(2));
}

// A file refused for want of room whose sender then breaks off is told
// once, as refused, and nothing of it is written.
TEST_F(ReceiveAttributes, ARefusedFileThatBreaksOffIsToldOnce) {
    ReceiveRig rig(tree.In());
    rig.Script({{0, 'S', kParamsWithAttributes},
                {1, 'F', "BIG.DAT"},
                {2, 'A', "1/99999999999999999999999999999"},
                {3, 'E', "GIVING UP"}});
    rig.Receive();
    EXPECT_EQ(rig.port.sent[3].data, "N1");
    const std::string target = (tree.In() / "BIG.DAT").string();
    EXPECT_EQ(
        rig.observer.events,
        (std::vector<std::string>{"opened BIG.DAT", "refused " + target + " 999999999999999"}));
    EXPECT_TRUE(Listing(tree.In()).empty());
}

}  // namespace
