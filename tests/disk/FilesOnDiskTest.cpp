#include <gtest/gtest.h>

#include <map>
#include <string>

#include "KermitPeer.h"
#include "ReceiveRig.h"
#include "disk/EightBitText.h"

using namespace kermit_test;

// What the engine leaves on the system's own disk: names in the code page of
// EightBitText.h, data byte for byte. Run under wine, this is Windows.
namespace {

struct FilesOnDisk : ::testing::Test {
    TempTree tree;

    // Receives `content` as `name` from a scripted sender, then serves it to a
    // peer that asks for it by the same name; returns what that peer got.
    std::string ReceiveAndServe(const std::string& name, const std::string& content, char qbin) {
        ReceiveRig rig(tree.In());
        rig.Script(SendingScript(name, content, InitParams(94, qbin, '~')));
        EXPECT_EQ(rig.Receive(), int(content.size()));
        EXPECT_EQ(std::string(rig.nameBuffer), name);
        ReceiveRig server(tree.In());
        ReceivingPeer peer;
        peer.params = InitParams(94, qbin, '~');
        server.interpose = [&](const Packet& p) {
            if (p.type == 'N')
                server.port.FeedPacket(0, 'R', name);
            else
                peer.Answer(server.port, p);
            return true;
        };
        EXPECT_EQ(server.Receive(), 0);
        EXPECT_EQ(peer.header, name);
        return peer.content;
    }
};

TEST_F(FilesOnDisk, EveryByteValueIsWrittenAndServedByteForByte) {
    // Runs of three, then each byte alone: 26 ends a text file on Windows.
    std::string content;
    for (int i = 0; i < 4 * 256; ++i)
        content += static_cast<char>(i < 768 ? i / 3 : 1023 - i);
    for (const char qbin : {'\0', '&'}) {  // the high bit on the line, or prefixed
        const std::string name = qbin ? "PREFIXED.DAT" : "EIGHTBIT.DAT";
        EXPECT_TRUE(ReceiveAndServe(name, content, qbin) == content) << name;
        EXPECT_TRUE(ReadWhole(tree.In() / name) == content) << name;
    }
}

// An 8-bit name is a file of the system's code page, found again by that name.
TEST_F(FilesOnDisk, EightBitNamesAreFilesOfTheCodePage) {
    // Byte 0xE8 in the ANSI code pages of the caliper's users.
    const std::map<unsigned, std::string> letters = {
        {1250, "\u010D"}, {1251, "\u0438"}, {1252, "\u00E8"}, {1253, "\u03B8"}, {1257, "\u010D"}};
    const auto letter = letters.find(disk::EightBitCodePage());
    if (letter == letters.end()) GTEST_SKIP() << "no letter known for this code page";
    const std::string name =
        "\xE8"
        "CKA.TXT";
    EXPECT_EQ(ReceiveAndServe(name, "data", 0), "data");
    const std::u8string onDisk = fs::directory_iterator(tree.In())->path().filename().u8string();
    EXPECT_EQ(std::string(onDisk.begin(), onDisk.end()), letter->second + "CKA.TXT");
    EXPECT_EQ(disk::Utf8ToEightBit(letter->second), "\xE8");
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
    EXPECT_EQ(disk::Utf8ToEightBit("a\u2215b\u2044c"), "a?b?c");
    EXPECT_EQ(disk::Utf8ToEightBit("x\xFFy"), "x?y");  // not UTF-8 at all
}

}  // namespace
