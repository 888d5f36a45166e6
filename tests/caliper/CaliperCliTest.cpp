// The virtual caliper against corvix-cli over linesim: the checks the
// interop suite makes with C-Kermit, where the caliper's roles overlap, plus
// its client requests, its printout and a noisy line.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "CaliperRig.h"
#include "tools/corvix-caliper/Printer.h"

namespace {

using caliper_test::CaliperRig;
using caliper_test::MixedBytes;
using caliper_test::ReadWholeFile;
using caliper_test::WriteWholeFile;
namespace fs = std::filesystem;

const fs::path kSamples = CORVIX_SAMPLES_DIR;

std::string TestName() {
    return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

// Fast settings for a clean line: the waits only matter when something is lost.
const QStringList kQuick = {"--baud", "115200", "--timeout", "1", "--patience", "20"};

TEST(VirtualCaliper, ReceivesWhatCorvixSendsByteForByte) {
    CaliperRig rig(TestName());
    ASSERT_TRUE(rig.ok());
    const std::string binary = MixedBytes(30000, 7);
    WriteWholeFile(rig.pc / "big.b$n", binary);
    // Three transactions; the second asks for 8-bit prefixing.
    rig.StartCaliper("receive; receive; receive", kQuick);
    for (const fs::path& file :
         {kSamples / "prog.m$x", kSamples / "prog.b$n", rig.pc / "big.b$n"}) {
        rig.StartCli({"send", "--baud", "115200", QString::fromStdString(file.string())});
        EXPECT_EQ(rig.FinishCli(), 0) << file << rig.cliError;
    }
    ASSERT_EQ(rig.FinishCaliper(), 0) << rig.caliperOutput;
    EXPECT_EQ(ReadWholeFile(rig.store / "prog.m$x"), ReadWholeFile(kSamples / "prog.m$x"));
    EXPECT_EQ(ReadWholeFile(rig.store / "prog.b$n"), ReadWholeFile(kSamples / "prog.b$n"));
    EXPECT_EQ(ReadWholeFile(rig.store / "big.b$n"), binary);
    EXPECT_NE(rig.caliperOutput.find("received prog.b$n (1230 bytes)"), std::string::npos)
        << rig.caliperOutput;
}

TEST(VirtualCaliper, ReceivesWithEightBitPrefixing) {
    CaliperRig rig(TestName());
    ASSERT_TRUE(rig.ok());
    rig.StartCaliper("receive", QStringList(kQuick) << "--qbin"
                                                    << "&");
    rig.StartCli(
        {"send", "--baud", "115200", QString::fromStdString((kSamples / "prog.b$n").string())});
    EXPECT_EQ(rig.FinishCli(), 0) << rig.cliError;
    ASSERT_EQ(rig.FinishCaliper(), 0) << rig.caliperOutput;
    EXPECT_EQ(ReadWholeFile(rig.store / "prog.b$n"), ReadWholeFile(kSamples / "prog.b$n"));
}

TEST(VirtualCaliper, SendsFilesToCorvixByteForByte) {
    CaliperRig rig(TestName());
    ASSERT_TRUE(rig.ok());
    fs::copy_file(kSamples / "trees.txt", rig.store / "trees.txt");
    const std::string binary = MixedBytes(20000, 11);
    WriteWholeFile(rig.store / "plot.b$n", binary);
    // The caliper starts first: its S is lost when corvix-cli opens the port,
    // and corvix-cli's N makes it go again.
    rig.StartCaliper("send trees.txt; send plot.b$n", kQuick);
    rig.StartCli({"receive", "--baud", "115200", "--count", "2", "--max-time", "60"});
    EXPECT_EQ(rig.FinishCli(), 0) << rig.cliError;
    ASSERT_EQ(rig.FinishCaliper(), 0) << rig.caliperOutput;
    EXPECT_EQ(ReadWholeFile(rig.pc / "trees.txt"), ReadWholeFile(kSamples / "trees.txt"));
    EXPECT_EQ(ReadWholeFile(rig.pc / "plot.b$n"), binary);
}

TEST(VirtualCaliper, AsksCorvixForAFileItsTextAndLogsOut) {
    CaliperRig rig(TestName());
    ASSERT_TRUE(rig.ok());
    fs::copy_file(kSamples / "prog.m$x", rig.pc / "prog.m$x");
    rig.StartCli({"receive", "--baud", "115200", "--count", "3", "--max-time", "60"});
    ASSERT_TRUE(rig.WaitUntilCliHoldsLine());
    rig.StartCaliper("get prog.m$x; text; bye", kQuick);
    ASSERT_EQ(rig.FinishCaliper(), 0) << rig.caliperOutput;
    EXPECT_EQ(rig.FinishCli(), 0) << rig.cliError;
    EXPECT_EQ(ReadWholeFile(rig.store / "prog.m$x"), ReadWholeFile(kSamples / "prog.m$x"));
    // The PC's text is what its receive job last named: the file it served.
    EXPECT_NE(rig.caliperOutput.find("| prog.m$x"), std::string::npos) << rig.caliperOutput;
    EXPECT_NE(rig.caliperOutput.find("logged out"), std::string::npos);
}

TEST(VirtualCaliper, ReportsARefusedRequestAndStops) {
    CaliperRig rig(TestName());
    ASSERT_TRUE(rig.ok());
    rig.StartCli({"receive", "--baud", "115200", "--max-time", "30"});
    ASSERT_TRUE(rig.WaitUntilCliHoldsLine());
    rig.StartCaliper("get missing.m$x; bye", kQuick);
    EXPECT_EQ(rig.FinishCaliper(), 1) << rig.caliperOutput;
    EXPECT_NE(rig.caliperOutput.find("FAILED: the PC refused"), std::string::npos)
        << rig.caliperOutput;
    EXPECT_EQ(rig.caliperOutput.find("[2/2]"), std::string::npos) << "no step after a failure";
    EXPECT_FALSE(fs::exists(rig.store / "missing.m$x"));
}

TEST(VirtualCaliper, PrintoutIsCapturedByteForByte) {
    CaliperRig rig(TestName());
    ASSERT_TRUE(rig.ok());
    fs::copy_file(kSamples / "report.txt", rig.store / "report.txt");
    const std::string expected = caliper::PrintedText(ReadWholeFile(kSamples / "report.txt"));
    ASSERT_NE(expected.find('\f'), std::string::npos) << "the sample has two pages";
    const fs::path out = rig.pc / "treelist.txt";
    rig.StartCli({"capture", "--baud", "38400", "--out", QString::fromStdString(out.string()),
                  "--max-time", "60"});
    ASSERT_TRUE(rig.WaitUntilCliHoldsLine());
    rig.StartCaliper("print report.txt", {"--baud", "38400"});
    ASSERT_EQ(rig.FinishCaliper(), 0) << rig.caliperOutput;
    // Until the capture ends it grows in a file beside treelist.txt.
    const auto capturedSoFar = [&] {
        std::uintmax_t size = 0;
        for (const auto& entry : fs::directory_iterator(rig.pc))
            if (entry.path().filename().string().rfind("treelist.txt.", 0) == 0)
                size = entry.file_size();
        return size;
    };
    for (int i = 0; i < 100 && capturedSoFar() < expected.size(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    rig.StopCli();
    EXPECT_EQ(rig.FinishCli(), 0) << rig.cliError;
    EXPECT_EQ(ReadWholeFile(out), expected);
}

TEST(VirtualCaliper, GivesUpWhenNobodyAnswers) {
    CaliperRig rig(TestName());
    ASSERT_TRUE(rig.ok());
    fs::copy_file(kSamples / "trees.txt", rig.store / "trees.txt");
    rig.StartCaliper("send trees.txt", {"--timeout", "0.2", "--patience", "1"});
    EXPECT_EQ(rig.FinishCaliper(10000), 1) << rig.caliperOutput;
    EXPECT_NE(rig.caliperOutput.find("nobody answered"), std::string::npos) << rig.caliperOutput;
    rig.StartCaliper("send absent.txt", kQuick);
    EXPECT_EQ(rig.FinishCaliper(10000), 1);
    EXPECT_NE(rig.caliperOutput.find("no file absent.txt"), std::string::npos);
}

// Bit flips in both directions: only the caliper's time-outs and resends get
// the files through, since Corvix waits without a time limit.
TEST(VirtualCaliper, NoisyLineStillCarriesFilesBothWays) {
    linesim::Options noisy;
    noisy.flipOneIn = 3000;
    noisy.seed = 5;
    CaliperRig rig(TestName(), noisy);
    ASSERT_TRUE(rig.ok());
    // Random bytes: repeat counts cannot shrink them, so plenty goes on the line.
    std::mt19937 random(21);
    std::string toCaliper(30000, '\0'), toPc(30000, '\0');
    for (char& c : toCaliper)
        c = static_cast<char>(random());
    for (char& c : toPc)
        c = static_cast<char>(random());
    WriteWholeFile(rig.pc / "down.b$n", toCaliper);
    WriteWholeFile(rig.store / "up.dat", toPc);
    const QStringList patient = {"--baud",    "115200", "--timeout",  "0.4",
                                 "--retries", "30",     "--patience", "30"};
    rig.StartCaliper("receive; send up.dat", patient);
    rig.StartCli(
        {"send", "--baud", "115200", QString::fromStdString((rig.pc / "down.b$n").string())});
    EXPECT_EQ(rig.FinishCli(120000), 0) << rig.cliError;
    rig.StartCli({"receive", "--baud", "115200", "--count", "1", "--max-time", "120", "--on-exists",
                  "replace"});
    EXPECT_EQ(rig.FinishCli(130000), 0) << rig.cliError;
    ASSERT_EQ(rig.FinishCaliper(130000), 0) << rig.caliperOutput;
    EXPECT_EQ(ReadWholeFile(rig.store / "down.b$n"), toCaliper);
    EXPECT_EQ(ReadWholeFile(rig.pc / "up.dat"), toPc);
    const linesim::Counters counters = rig.Counters();
    EXPECT_GT(counters.flipped[0], 2u) << "the line was not noisy towards the caliper";
    EXPECT_GT(counters.flipped[1], 2u) << "the line was not noisy towards the PC";
}

}  // namespace
