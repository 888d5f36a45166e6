// Every end on corvix-cli's side is told to the peer with an E packet before
// the port closes, so that C-Kermit ends its side at once, and each end is
// an exit status of its own with one line saying why.
#include "CKermitScript.h"
#include "CliFixture.h"

namespace cli_test {
namespace {

TEST_F(Cli, EveryEndOnThisSideIsToldToCKermitAndHasItsOwnExitStatus) {
    REQUIRE_CKERMIT();
    struct Case {
        const char* name;
        bool send;              // corvix-cli sends; else C-Kermit does
        int signal;             // sent mid-file; 0 = none
        QStringList options;    // more of corvix-cli's options
        int status;             // corvix-cli's exit status
        const char* line;       // in its message
        const char* errorText;  // the E packet C-Kermit logs
    };
    const Case cases[] = {
        {"Ctrl+C during a send",
         true,
         SIGINT,
         {},
         130,
         "stopped by Ctrl+C (SIGINT); ",
         "User cancelled"},
        {"Ctrl+C during a receive",
         false,
         SIGINT,
         {},
         130,
         "stopped by Ctrl+C (SIGINT); ",
         "User cancelled"},
        {"SIGTERM during a send", true, SIGTERM, {}, 143, "stopped by SIGTERM; ", "Interrupted"},
        {"SIGTERM during a receive",
         false,
         SIGTERM,
         {},
         143,
         "stopped by SIGTERM; ",
         "Interrupted"},
        {"SIGHUP during a receive", false, SIGHUP, {}, 129, "(SIGHUP); ", "Interrupted"},
        {"--max-time during a receive",
         false,
         0,
         {"--max-time", "3"},
         124,
         "the time limit of --max-time ran out; ",
         "Time limit exceeded"},
        {"overwrite cancelled",
         false,
         0,
         {"--on-exists", "cancel"},
         1,
         "exists and is kept",
         "Refused by user"},
    };
    // Paced, so that a file is under way for many seconds.
    linesim::Options paced;
    paced.baud = 38400;
    const std::string content = RandomBytes(200 * 1024);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        line = std::make_unique<linesim::LineSim>(paced);
        ASSERT_TRUE(line->IsRunning()) << line->Error();
        fs::remove_all(root / "rx");
        fs::create_directories(root / "rx");
        fs::remove(root / "peer" / "plot.dat");
        fs::remove(root / "packets.log");
        const std::string log = "log packets " + (root / "packets.log").string();
        if (c.send) {
            WriteWholeFile(root / "plot.dat", content);
            StartCKermit({log, "receive"});
            Start(QStringList{"send", "--port", PortA(), "plot.dat"} + c.options);
        } else {
            WriteWholeFile(root / "peer" / "plot.dat", content);
            if (c.status == 1) WriteWholeFile(root / "rx" / "plot.dat", "old");
            StartCKermit({log, "send plot.dat"});
            Start(QStringList{"receive", "--port", PortA(), "--dir", "rx"} + c.options);
        }
        if (c.signal != 0) {
            // Mid-file: part of it has arrived on the receiving side.
            const fs::path arriving =
                c.send ? root / "peer" / "plot.dat" : root / "rx" / "plot.dat.part";
            const auto deadline = Clock::now() + std::chrono::seconds(30);
            while (test_support::FileSizeOrZero(arriving) < 4096 && Clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            ASSERT_GE(test_support::FileSizeOrZero(arriving), 4096u);
            Signal(c.signal);
        }
        EXPECT_EQ(Finish(30000), c.status) << err;
        const auto ended = Clock::now();
        EXPECT_NE(err.find(c.line), std::string::npos) << err;
        // C-Kermit ends its side within a few seconds, not after its retries.
        EXPECT_NE(peer.Wait(10000), -1) << "C-Kermit still waits";
        EXPECT_LT(Clock::now() - ended, std::chrono::seconds(10));
        EXPECT_TRUE(interop::CKermitLogHasError(ReadWholeFile(root / "packets.log"), c.errorText))
            << ReadWholeFile(root / "packets.log").substr(0, 2000);
        if (!c.send && c.status != 1) {
            // What arrived is kept as not whole, and the message says where.
            EXPECT_GT(test_support::FileSizeOrZero(root / "rx" / "plot.dat.part"), 0u);
            EXPECT_NE(err.find((root / "rx" / "plot.dat").string()), std::string::npos) << err;
        }
        peer.Kill();
    }
}

}  // namespace
}  // namespace cli_test
