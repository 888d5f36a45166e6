// corvix-cli against a peer that sends what it should not: names that
// exist, escape sequences, noise and requests it does not know.
#include <poll.h>

#include "CliFixture.h"
#include "ScriptedPort.h"

namespace cli_test {
namespace {

using kermit_test::MakePacket;

constexpr std::size_t npos = std::string::npos;

// Every answer of a Save As that names an existing file is asked about
// again: "no" asks for another name, "cancel" ends the transfer, and only
// "yes" replaces it.
TEST_F(Cli, ASaveAsNameThatExistsIsAskedAboutAgain) {
    REQUIRE_CKERMIT();
    const std::string content = RandomBytes(2000);
    WriteWholeFile(root / "peer" / "f.txt", content);
    struct Case {
        const char* answers;
        int status;
        const char* receivedAs;  // "" when the file is not received
    };
    const Case cases[] = {
        {"n\nkeep.txt\nn\nother.txt\n", 0, "other.txt"},
        {"n\nkeep.txt\nc\n", 1, ""},
        {"n\nkeep.txt\ny\n", 0, "keep.txt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answers);
        WriteWholeFile(root / "rx" / "f.txt", "old");
        WriteWholeFile(root / "rx" / "keep.txt", "keep");
        fs::remove(root / "rx" / "other.txt");
        linesim::LineSim terminal;
        ASSERT_TRUE(terminal.IsRunning()) << terminal.Error();
        WriteWholeFile(terminal.Path(1), c.answers);
        cli.setStandardInputFile(QString::fromStdString(terminal.Path(0)));
        StartCKermit({"send f.txt"});
        EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--count", "1"}), c.status)
            << err;
        peer.Kill();
        const std::string keep = (root / "rx" / "keep.txt").string();
        EXPECT_NE(err.find(keep + " File exists, overwrite? [y]es/[n]o (save as)/[c]ancel:"), npos)
            << err;
        EXPECT_EQ(ReadWholeFile(root / "rx" / "f.txt"), "old");
        const std::string expectedKeep = std::string(c.receivedAs) == "keep.txt" ? content : "keep";
        EXPECT_TRUE(ReadWholeFile(root / "rx" / "keep.txt") == expectedKeep);
        EXPECT_EQ(fs::exists(root / "rx" / "other.txt"), std::string(c.receivedAs) == "other.txt");
        if (*c.receivedAs != '\0') {
            EXPECT_TRUE(ReadWholeFile(root / "rx" / c.receivedAs) == content);
        }
    }
}

// End B of the line as a raw peer: writes `bytes` in pieces of at most
// `piece` bytes, one piece every `every`, and reads back what corvix-cli
// answers meanwhile and until it has been silent for `quiet`.
std::string Converse(int fd, const std::string& bytes, std::size_t piece,
                     std::chrono::milliseconds every, std::chrono::milliseconds quiet) {
    std::string answers;
    std::size_t sent = 0;
    auto lastHeard = Clock::now();
    while (sent < bytes.size() || Clock::now() - lastHeard < quiet) {
        if (sent < bytes.size()) {
            const std::size_t n = std::min(piece, bytes.size() - sent);
            if (::write(fd, bytes.data() + sent, n) != static_cast<ssize_t>(n)) break;
            sent += n;
        }
        pollfd p{fd, POLLIN, 0};
        const auto until = Clock::now() + every;
        while (Clock::now() < until && ::poll(&p, 1, 10) > 0) {
            char chunk[4096];
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got <= 0) break;
            answers.append(chunk, static_cast<std::size_t>(got));
            lastHeard = Clock::now();
        }
    }
    return answers;
}

// An idle receive answers noise and bad checks with N and a request it does
// not know with E, and goes on waiting: the file C-Kermit then sends arrives
// whole.
TEST_F(Cli, AnIdleReceiveSurvivesNoiseBadChecksAndUnknownRequests) {
    REQUIRE_CKERMIT();
    Start({"receive", "--port", PortA(), "--baud", "115200", "--dir", "rx", "--count", "1",
           "--quiet"});
    WaitUntilPortReady();
    std::string badCheck = MakePacket(0, 'S', "~! @-#Y1");
    badCheck[badCheck.size() - 2] ^= 1;
    // A second of noise at the line's rate, then the packets.
    const std::string hostile = test_support::RandomBytes(11520, 5) + badCheck + badCheck +
                                badCheck + MakePacket(0, 'G', "Q") +
                                MakePacket(0, 'I', "~! @-#Y1") + MakePacket(3, 'E', "GONE");
    const int fd = ::open(line->Path(1).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    const std::string answers = Converse(fd, hostile, 1152, std::chrono::milliseconds(100),
                                         std::chrono::milliseconds(1000));
    ::close(fd);
    EXPECT_NE(answers.find(MakePacket(0, 'N', "")), npos);
    EXPECT_NE(answers.find(MakePacket(0, 'E', "UNKNOWN COMMAND")), npos);
    EXPECT_EQ(cli.state(), QProcess::Running) << cli.readAllStandardError().toStdString();

    const std::string content = RandomBytes(20000);
    WriteWholeFile(root / "peer" / "after.bin", content);
    StartCKermit({"send after.bin"});
    EXPECT_EQ(Finish(), 0) << err;
    EXPECT_TRUE(ReadWholeFile(root / "rx" / "after.bin") == content);
}

// The peer's E text reaches the terminal with its control characters made
// visible, in every line that carries it.
TEST_F(Cli, APeersErrorTextShowsItsEscapesMadeVisible) {
    WriteWholeFile(root / "plots.dat", RandomBytes(3000));
    Start({"send", "--port", PortA(), "plots.dat"});
    WaitUntilPortReady();
    const int fd = ::open(line->Path(1).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    Converse(fd, MakePacket(0, 'E', "DISK\x1b[31mRED\x1b[0m FULL\x07") + MakePacket(0, 'Y', ""),
             4096, std::chrono::milliseconds(100), std::chrono::milliseconds(500));
    ::close(fd);
    EXPECT_EQ(Finish(), 1) << err;
    EXPECT_NE(err.find("The caliper says: DISK^[[31mRED^[[0m FULL^G\n"), npos) << err;
    EXPECT_NE(err.find("transfer failed: DISK^[[31mRED^[[0m FULL^G"), npos) << err;
    EXPECT_EQ(err.find('\x1b'), npos) << err;
    EXPECT_EQ(err.find('\x07'), npos) << err;
}

}  // namespace
}  // namespace cli_test
