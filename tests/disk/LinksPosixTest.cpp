// Links in the folder a server serves and a receive writes into: a get is
// served a file only when its real path lies in the folder, a received file
// never goes through a link, and a file put in another's place takes none
// of its setuid, setgid or sticky bits.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "KermitPeer.h"
#include "ReceiveRig.h"
#include "disk/FileBeside.h"

using namespace kermit_test;

TEST(Links, AGetIsServedOnlyARegularFileWhoseRealPathIsInTheFolder) {
    struct Row {
        const char* name;
        fs::path to;  // what the link named `name` points at, from the base folder
        bool served;
    };
    const Row rows[] = {
        {"shadow", "secret", false},          // a file out of the folder
        {"dots", "in/../secret", false},      // the same, by a way through the folder
        {"stand", "in/stand.dat", true},      // a file in the folder
        {"nested", "in/sub/deep.dat", true},  // below it
        {"sub-link", "in/sub", false},        // a folder
        {"half", "in/half.dat.part", false},  // a file that did not arrive whole
        {"zero", "/dev/zero", false},         // no regular file
        {"dangling", "in/nowhere", false},
    };
    TempTree tree;
    WriteWhole(tree.base / "secret", "root:hash");
    WriteWhole(tree.In() / "stand.dat", "Stand 12");
    WriteWhole(tree.In() / "half.dat.part", "Sta");
    fs::create_directories(tree.In() / "sub");
    WriteWhole(tree.In() / "sub" / "deep.dat", "Pine");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::create_symlink(row.to.is_absolute() ? row.to : tree.base / row.to,
                           tree.In() / row.name);
        ReceiveRig rig(tree.In());
        ReceivingPeer peer;
        rig.interpose = [&](const Packet& p) {
            if (p.type == 'N')
                rig.port.FeedPacket(0, 'R', row.name);
            else if (p.type != 'E')
                peer.Answer(rig.port, p);
            return true;
        };
        rig.Receive();
        EXPECT_EQ(rig.outcome,
                  row.served ? kermit::Outcome::Done : kermit::Outcome::RequestRefused);
        EXPECT_EQ(rig.port.TypesSent().substr(0, 2), row.served ? "NS" : "NE");
        if (!row.served) {
            EXPECT_EQ(rig.port.sent.back().data, "FILE NOT FOUND");
        }
        EXPECT_EQ(rig.port.wire.find("root:hash"), std::string::npos);
        EXPECT_EQ(peer.content.empty(), !row.served);
    }
}

// A link at the name a received file takes, or at its marked name, is
// replaced or passed over; what it points at stays as it was.
TEST(Links, AReceivedFileIsNeverWrittenThroughALink) {
    for (const char* linked : {"STAND.DAT", "STAND.DAT.part"}) {
        SCOPED_TRACE(linked);
        TempTree tree;
        WriteWhole(tree.base / "secret", "kept");
        fs::create_symlink(tree.base / "secret", tree.In() / linked);
        ReceiveRig rig(tree.In());
        rig.observer.overwriteAnswer = kermit::KermitObserver::Overwrite::Yes;
        rig.Script(SendingScript("STAND.DAT", "Stand 12\r\n"));
        EXPECT_EQ(rig.Receive(), 10);
        EXPECT_EQ(ReadWhole(tree.base / "secret"), "kept");
        EXPECT_EQ(ReadWhole(tree.In() / "STAND.DAT"), "Stand 12\r\n");
        EXPECT_FALSE(fs::is_symlink(tree.In() / "STAND.DAT"));
    }
}

TEST(Links, AReplacedFileKeepsItsOrdinaryPermissionsOnly) {
    TempTree tree;
    const fs::path old = tree.In() / "tool";
    for (const mode_t mode : {04755, 02750, 01777, 07700}) {
        SCOPED_TRACE(mode);
        WriteWhole(old, "old");
        ASSERT_EQ(::chmod(old.c_str(), mode), 0);
        disk::FileBeside file;
        std::error_code error;
        ASSERT_TRUE(file.Open(old, error)) << error.message();
        std::fputs("new", file.stream());
        ASSERT_TRUE(file.PutInPlace(error)) << error.message();
        struct stat st {};
        ASSERT_EQ(::stat(old.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode & 0777);
    }
}
