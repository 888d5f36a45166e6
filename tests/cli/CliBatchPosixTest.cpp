// corvix-cli's command line as a script writer uses it, and a batch of
// files sent to C-Kermit with a packet log.
#include <fstream>
#include <sstream>

#include "CliFixture.h"

namespace {

using namespace cli_test;

// --help and --version answer anywhere on standard output; a mistake is
// one line and the hint, exit 2; --opt=value is --opt value.
TEST_F(Cli, TheCommandLineFollowsTheUsualConventions) {
    struct Case {
        QStringList arguments;
        int status;
        std::string outStart;  // standard output starts so
        std::string err;       // standard error, whole
    };
    const std::string hint = "\nTry 'corvix-cli --help'.\n";
    const Case cases[] = {
        {{"--version"}, 0, "corvix-cli 1.", ""},
        {{"send", "--help"}, 0, "usage: corvix-cli send [OPTION...] FILE...\n", ""},
        {{"send", "-h", "--port", "/dev/x"}, 0, "usage: corvix-cli send", ""},
        {{"receive", "--version"}, 0, "corvix-cli 1.", ""},
        {{"-h"}, 0, "usage: corvix-cli ports\n", ""},
        {{"receive", "--window=32"},
         2,
         "",
         "corvix-cli: bad value for --window: '32' (1 to 31)" + hint},
        {{"send", "--dir", "rx", "x.dat"}, 2, "", "corvix-cli: Unknown option 'dir'." + hint},
        {{"capture", "--port"}, 2, "", "corvix-cli: Missing value after '--port'." + hint},
        {{"send"}, 2, "", "corvix-cli: send needs one FILE or more, none of them empty" + hint},
        {{"ports", "x"}, 2, "", "corvix-cli: unexpected argument 'x'" + hint},
        {{"fetch"}, 2, "", "corvix-cli: unknown command 'fetch'" + hint},
        {{"capture", "--port=/dev/corvix-no-such-port", "--max-time=1"},
         3,
         "",
         Prefixed("corvix-cli: ERROR: Comport!\n/dev/corvix-no-such-port\nThe port is not present. "
                  "Check that the cable is plugged in and that the port's name is right.\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(Run(c.arguments), c.status);
        EXPECT_EQ(out.substr(0, c.outStart.size()), c.outStart);
        EXPECT_EQ(err, c.err);
    }
}

// The type of each packet in a packet log, in order: "SYFY..." ("s" and
// "y" for ones this side sent and received, upper case).
std::string Types(const fs::path& log, int& lines) {
    std::ifstream in(log);
    std::string line, types;
    lines = 0;
    while (std::getline(in, line)) {
        ++lines;
        std::istringstream fields(line);
        std::string time, direction, type, seq;
        fields >> time >> direction >> type >> seq;
        if (seq != "seq") return types + "?";
        types += direction == "sent" ? type : std::string(1, static_cast<char>(type[0] + 32));
    }
    return types;
}

// Three files, one of them a folder, go to C-Kermit in one batch: one S,
// the two others whole, one B; each file's fate on standard output, and
// the packet log names every packet that went.
TEST_F(Cli, SeveralFilesGoInOneBatchWithTheirFatesAndAPacketLog) {
    REQUIRE_CKERMIT();
    const std::string first = RandomBytes(7000), last = "Tall;23.5\r\n";
    WriteWholeFile(root / "a.m$x", first);
    fs::create_directories(root / "b.m$x");  // a folder: nothing to send
    WriteWholeFile(root / "c.m$x", last);
    StartCKermit({"receive"});
    EXPECT_EQ(Run({"send", "--port=" + PortA(), "--log-packets", "packets.log", "a.m$x", "b.m$x",
                   "c.m$x"}),
              4)
        << err;
    peer.Wait(10000);
    EXPECT_EQ(ReadWholeFile(root / "peer" / "a.m$x"), first);
    EXPECT_EQ(ReadWholeFile(root / "peer" / "c.m$x"), last);
    const std::string dir = root.string() + "/";
    EXPECT_EQ(out, dir + "a.m$x: 7000 bytes, sent\n" + dir + "b.m$x: not sent\n" + dir +
                       "c.m$x: 11 bytes, sent\nFiles: 3\n");
    EXPECT_NE(
        err.find(Prefixed("corvix-cli: Could not open file!\n" + dir + "b.m$x\nIs a directory\n")),
        std::string::npos)
        << err;
    EXPECT_NE(err.find("corvix-cli: done: " + dir + "a.m$x\n"), std::string::npos) << err;
    int lines = 0;
    const std::string types = Types(root / "packets.log", lines);
    EXPECT_EQ(types.find_first_not_of("SFADZBsyn"), std::string::npos) << types;
    EXPECT_EQ(types.rfind("Sy", 0), 0u) << types;
    EXPECT_EQ(std::count(types.begin(), types.end(), 'S'), 1) << types;
    EXPECT_EQ(std::count(types.begin(), types.end(), 'F'), 2) << types;
    EXPECT_EQ(types.substr(types.size() - 2), "By") << types;
    EXPECT_EQ(static_cast<int>(types.size()), lines);
    // The file name in the first F, shown as it went.
    EXPECT_NE(ReadWholeFile(root / "packets.log").find(" F seq  1 len    8 data \"a.m$x\""),
              std::string::npos);
}

}  // namespace
