// corvix-cli's failures name the file they concern and say why; answers and
// names a user gives or a sender announces land where they are meant to.
#include <fstream>

#include "CliFixture.h"

namespace {

using namespace cli_test;

constexpr std::size_t npos = std::string::npos;

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
