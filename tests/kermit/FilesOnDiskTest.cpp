#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "KermitPeer.h"
#include "ReceiveRig.h"
#include "kermit/EightBitText.h"

using namespace kermit_test;

// What the engine leaves on the system's own disk: names in the code page of
// EightBitText.h, and data byte for byte. Run under wine, this is Windows.
namespace {

std::string Utf8(const fs::path& path) {
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

std::vector<std::string> Utf8Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(Utf8(entry.path()));
    std::sort(names.begin(), names.end());
    return names;
}

// Every byte value in runs of three and then once each, so that repeat
// counts, controls, CR and LF, and the byte that ends a text file on Windows
// (26) all occur.
std::string EveryByteValue() {
    std::string content;
    for (int i = 0; i < 3 * 256; ++i)
        content += static_cast<char>(i / 3);
    for (int i = 0; i < 256; ++i)
        content += static_cast<char>(255 - i);
    return content;
}

// Byte 0xE8 in the ANSI code pages of the caliper's users.
struct Letter {
    unsigned codePage;
    std::string utf8;
};
const std::vector<Letter> kLettersAtE8 = {
    {1250, "\u010D"}, {1251, "\u0438"}, {1252, "\u00E8"}, {1253, "\u03B8"}, {1257, "\u010D"}};

struct FilesOnDisk : ::testing::Test {
    TempTree tree;

    // A peer that asks for `name` with R and receives what the engine sends.
    static void Request(ReceiveRig& rig, ReceivingPeer& peer, const std::string& name) {
        rig.interpose = [&rig, &peer, name](const Packet& p) {
            if (p.type == 'N')
                rig.port.FeedPacket(0, 'R', name);
            else if (p.type != 'E')
                peer.Answer(rig.port, p);
            return true;
        };
    }
};

TEST_F(FilesOnDisk, EveryByteValueIsWrittenAndServedByteForByte) {
    const std::string content = EveryByteValue();
    for (const char qbin : {'\0', '&'}) {  // the high bit on the line, or prefixed
        SCOPED_TRACE(qbin);
        const std::string name = qbin ? "PREFIXED.DAT" : "EIGHTBIT.DAT";
        ReceiveRig rig(tree.In());
        rig.Script(SendingScript(name, content, InitParams(94, qbin, '~')));
        ASSERT_EQ(rig.Receive(), int(content.size()));
        EXPECT_EQ(fs::file_size(tree.In() / name), content.size());
        EXPECT_TRUE(ReadWhole(tree.In() / name) == content);

        ReceiveRig server(tree.In());
        ReceivingPeer peer;
        peer.params = InitParams(94, qbin, '~');
        Request(server, peer, name);
        EXPECT_EQ(server.Receive(), 0);
        EXPECT_EQ(peer.header, name);
        EXPECT_TRUE(peer.content == content);
    }
}

// An 8-bit name is a file of the system's code page, and a request by the same
// 8-bit name finds that file again.
TEST_F(FilesOnDisk, EightBitNamesAreFilesOfTheCodePage) {
    const unsigned codePage = kermit::EightBitCodePage();
    const auto letter = std::find_if(kLettersAtE8.begin(), kLettersAtE8.end(),
                                     [&](const Letter& l) { return l.codePage == codePage; });
    if (letter == kLettersAtE8.end()) GTEST_SKIP() << "no letter known for code page " << codePage;
    const std::string name =
        "\xE8"
        "CKA.TXT";
    ReceiveRig rig(tree.In());
    rig.Script(SendingScript(name, "data", InitParams(94, 0, '~')));
    ASSERT_EQ(rig.Receive(), 4);
    EXPECT_EQ(Utf8Listing(tree.In()), std::vector<std::string>{letter->utf8 + "CKA.TXT"});
    EXPECT_EQ(std::string(rig.nameBuffer), name);
    EXPECT_EQ(kermit::Utf8ToEightBit(letter->utf8), "\xE8");

    ReceiveRig server(tree.In());
    ReceivingPeer peer;
    Request(server, peer, name);
    EXPECT_EQ(server.Receive(), 0);
    EXPECT_EQ(peer.header, name);
    EXPECT_EQ(peer.content, "data");
}

// An engine left to its own choice holds names to the rules of the system it
// runs on: on Windows "aux.txt" would be the AUX device.
TEST_F(FilesOnDisk, NamesFollowTheRulesOfTheSystem) {
    ReceiveRig rig(tree.In());
    rig.Script(SendingScript("aux.txt", "data", InitParams(94, 0, '~')));
    ASSERT_EQ(rig.Receive(), 4);
#ifdef _WIN32
    EXPECT_EQ(Listing(tree.In()), std::vector<std::string>{"_aux.txt"});
#else
    EXPECT_EQ(Listing(tree.In()), std::vector<std::string>{"aux.txt"});
#endif
}

// A character the code page lacks never turns into a look-alike: a division
// or fraction slash must not give a name a folder.
TEST(EightBitText, CharactersTheCodePageLacksBecomeQuestionMarks) {
    EXPECT_EQ(kermit::Utf8ToEightBit("a\u2215b\u2044c"), "a?b?c");
    EXPECT_EQ(kermit::Utf8ToEightBit("x\xFFy"), "x?y");  // not UTF-8 at all
}

}  // namespace
