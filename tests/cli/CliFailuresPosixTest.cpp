// corvix-cli's failures name the file they concern and say why; answers and
// names a user gives or a sender announces land where they are meant to.
#include <sys/resource.h>

#include <csignal>
#include <fstream>

#include "CliFixture.h"

namespace {

using namespace cli_test;

constexpr std::size_t npos = std::string::npos;

// The limits are set in the child alone. SIGXFSZ is put back to its default
// there, so that only the program itself can keep the limit from killing it.
void LimitChild(QProcess& process, int resource, rlim_t limit) {
    process.setChildProcessModifier([resource, limit] {
        const rlimit value{limit, limit};
        ::setrlimit(resource, &value);
        std::signal(SIGXFSZ, SIG_DFL);
    });
}

// A sanitizer reserves terabytes of shadow memory at start, so a program built
// with one cannot start at all under an address-space limit.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kAddressSpaceCanBeLimited = false;
#else
constexpr bool kAddressSpaceCanBeLimited = true;
#endif

TEST_F(Cli, ASendThatFailsNamesItsFileAndWhatTheCaliperSaid) {
    // A file too large to load names itself and its size.
    if (kAddressSpaceCanBeLimited) {
        const fs::path huge = root / "huge.dat";
        std::ofstream{huge}.close();
        fs::resize_file(huge, 3ULL << 30);  // sparse: no disk space is taken
        LimitChild(cli, RLIMIT_AS, 1536ULL << 20);
        EXPECT_EQ(Run({"send", "--port", PortA(), "huge.dat"}), 4) << err;
        EXPECT_NE(err.find("corvix-cli: Unable to allocate memory to load the file!\n" +
                           huge.string() + "\nThe file is 3221225472 bytes long"),
                  npos)
            << err;
        cli.setChildProcessModifier({});
    }

    // The caliper refuses the file with an E packet (it cannot write it).
    REQUIRE_CKERMIT();
    WriteWholeFile(root / "plots.dat", RandomBytes(5000));
    fs::create_directories(root / "peer" / "plots.dat");
    StartCKermit({"receive"});
    EXPECT_EQ(Run({"send", "--port", PortA(), "plots.dat"}), 1) << err;
    const std::string file = (root / "plots.dat").string();
    EXPECT_NE(err.find("corvix-cli: There was en error in the transmission!\n" + file +
                       "\nThe caliper says: Write access denied\n"),
              npos)
        << err;
    EXPECT_NE(err.find("corvix-cli: transfer failed: Write access denied (" + file + ")\n"), npos)
        << err;
}

// Over the file-size limit a write fails like any other: exit 4, and the
// message names the file and where what was written is kept.
TEST_F(Cli, AWriteOverTheFileSizeLimitIsAFailureThatNamesTheFile) {
    LimitChild(cli, RLIMIT_FSIZE, 8192);
    std::string lines;
    for (int i = 0; i < 800; ++i)
        lines += "Bjork;" + std::to_string(1000 + i) + ";12.25;\r\n";
    Start({"capture", "--port", PortA(), "--out", "trees.txt", "--max-time", "3"});
    WaitUntilPortReady();
    WriteToLine(lines);
    EXPECT_EQ(Finish(10000), 4) << err;
    EXPECT_NE(err.find("corvix-cli: Could not write file!\ntrees.txt\nFile too large\n"
                       "What was captured is kept in trees.txt."),
              npos)
        << err;

    REQUIRE_CKERMIT();
    WriteWholeFile(root / "peer" / "big.bin", RandomBytes(40000));
    StartCKermit({"send big.bin"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx"}), 4) << err;
    const fs::path target = root / "rx" / "big.bin";
    EXPECT_NE(
        err.find("corvix-cli: Could not write file!\n" + target.string() + "\nFile too large"),
        npos)
        << err;
    EXPECT_NE(err.find("What arrived is kept in " + target.string() + ".part (8192 bytes)."), npos)
        << err;
}

// Asked on a terminal, "no" then a name: the name is taken in the receive
// folder, a folder in it too, and the file is reported where it went.
TEST_F(Cli, SaveAsAnswersAreTakenInTheReceiveFolderAndReportedWhereTheFileWent) {
    REQUIRE_CKERMIT();
    const std::string content = RandomBytes(3000);
    WriteWholeFile(root / "rx" / "plot.dat", "old");
    fs::create_directories(root / "rx" / "sub");
    WriteWholeFile(root / "peer" / "plot.dat", content);
    linesim::LineSim terminal;
    ASSERT_TRUE(terminal.IsRunning()) << terminal.Error();
    const int keys = ::open(terminal.Path(1).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(keys, 0);
    const std::string answers = "n\nrenamed.bin\nn\nsub/y.bin\n";
    ASSERT_EQ(::write(keys, answers.data(), answers.size()), ssize_t(answers.size()));
    StartCKermit({"send plot.dat", "send plot.dat"});
    cli.setWorkingDirectory(QString::fromStdString(root.string()));
    cli.start(QStringLiteral("/bin/sh"),
              {"-c", QString::fromStdString("exec \"$0\" \"$@\" < " + terminal.Path(0)),
               CORVIX_CLI_PATH, "receive", "--port", PortA(), "--dir", "rx", "--count", "2"});
    EXPECT_EQ(Finish(), 0) << err;
    ::close(keys);
    EXPECT_EQ(ReadWholeFile(root / "rx" / "plot.dat"), "old");
    EXPECT_TRUE(ReadWholeFile(root / "rx" / "renamed.bin") == content);
    EXPECT_TRUE(ReadWholeFile(root / "rx" / "sub" / "y.bin") == content);
    EXPECT_NE(err.find("done: " + (root / "rx" / "renamed.bin").string() + "\n"), npos) << err;
    EXPECT_NE(err.find("done: " + (root / "rx" / "sub" / "y.bin").string() + "\n"), npos) << err;
}

// 125 times "Å" and ".x": 127 characters, 252 bytes in the file system,
// too long for the marked name of a file under way.
TEST_F(Cli, ALegalNameOf127CharactersIsReceivedUnderTheSendersName) {
    REQUIRE_CKERMIT();
    std::string onLine, onDisk;
    for (int i = 0; i < 125; ++i) {
        onLine += '\xC5';
        onDisk += "\xC3\x85";
    }
    onLine += ".x";
    onDisk += ".x";
    const std::string content = RandomBytes(20000);
    WriteWholeFile(root / "peer" / onLine, content);  // C-Kermit sends the name as it is
    StartCKermit({"send *.x"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--count", "1"}), 0) << err;
    EXPECT_TRUE(ReadWholeFile(root / "rx" / onDisk) == content);
    EXPECT_EQ(std::distance(fs::directory_iterator(root / "rx"), fs::directory_iterator()), 1);
}

}  // namespace
