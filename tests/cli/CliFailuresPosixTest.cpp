// corvix-cli's failures name the file they concern and say why; names a user
// gives or a sender announces land where they are meant to.
#include "CliFixture.h"

namespace {

using namespace cli_test;

constexpr std::size_t npos = std::string::npos;

TEST_F(Cli, ASendThatFailsNamesItsFileAndWhatTheCaliperSaid) {
    REQUIRE_CKERMIT();
    WriteWholeFile(root / "plots.dat", RandomBytes(5000));
    fs::create_directories(root / "peer" / "plots.dat");  // the caliper cannot write it
    StartCKermit({"receive"});
    EXPECT_EQ(Run({"send", "--port", PortA(), "plots.dat"}), 1) << err;
    const std::string file = (root / "plots.dat").string();
    EXPECT_NE(err.find(Prefixed("There was en error in the transmission!\n" + file +
                                "\nThe caliper says: Write access denied\n")),
              npos)
        << err;
    EXPECT_NE(err.find("transfer failed: Write access denied (" + file + ")\n"), npos) << err;

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    // A file larger than the memory a send may take is read as it goes, not
    // loaded: the send starts (and waits for the caliper until --max-time
    // ends it), and nothing is said of memory. (A sanitizer's shadow memory
    // cannot be reserved under an address-space limit.)
    const fs::path huge = root / "huge.dat";
    WriteWholeFile(huge, "");
    fs::resize_file(huge, 3ULL << 30);  // sparse: no disk space is taken
    LimitChild(RLIMIT_AS, 1536ULL << 20);
    EXPECT_NE(Run({"send", "--port", PortA(), "--max-time", "2", "huge.dat"}), 4) << err;
    EXPECT_EQ(err.find("Unable to allocate memory"), npos) << err;
    EXPECT_EQ(err.find("bytes long"), npos) << err;
#endif
}

// Asked on a terminal, "no" then a name with a folder: the file goes there in
// the receive folder and is reported there. A legal name of 127 characters
// (252 bytes in the file system) is received under the sender's name.
TEST_F(Cli, ASaveAsAnswerOrALongNameIsTheFileWhereItIsReported) {
    REQUIRE_CKERMIT();
    const std::string content = RandomBytes(3000);
    WriteWholeFile(root / "rx" / "plot.dat", "old");
    fs::create_directories(root / "rx" / "sub");
    WriteWholeFile(root / "peer" / "plot.dat", content);
    WriteWholeFile(root / "peer" / (std::string(125, '\xC5') + ".x"), content);
    linesim::LineSim terminal;
    ASSERT_TRUE(terminal.IsRunning()) << terminal.Error();
    WriteWholeFile(terminal.Path(1), "n\nsub/y.bin\n");
    cli.setStandardInputFile(QString::fromStdString(terminal.Path(0)));
    StartCKermit({"send plot.dat", "send *.x"});
    EXPECT_EQ(Run({"receive", "--port", PortA(), "--dir", "rx", "--count", "2"}), 0) << err;
    EXPECT_TRUE(ReadWholeFile(root / "rx" / "sub" / "y.bin") == content);
    EXPECT_NE(err.find("done: " + (root / "rx" / "sub" / "y.bin").string() + "\n"), npos) << err;
    const std::string longName = QString(125, QChar(0xC5)).toStdString() + ".x";
    EXPECT_TRUE(ReadWholeFile(root / "rx" / longName) == content);
}

}  // namespace
