// A file written beside another and put in its place, when a name, the disk
// or the target gets in the way.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "ReceiveRig.h"
#include "disk/FileBeside.h"

using namespace kermit_test;

namespace {

// The file size limit stands in for a full disk: a write past it fails.
struct FileSizeLimit {
    rlimit saved{};
    void (*oldHandler)(int) = nullptr;
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
};

}  // namespace

TEST(FileBeside, TheOldFileStaysWholeAndNothingStaysBesideUntilTheNewOneIsInPlace) {
    TempTree tree;
    const fs::path old = tree.In() / "trees.txt";
    WriteWhole(old, "yesterday\n");
    fs::permissions(old, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(tree.base / "nowhere", tree.In() / "trees.txt.link");
    const std::vector<std::string> before = Listing(tree.In());
    disk::FileBeside file;
    std::error_code error;

    // A name that is taken is never taken over, nor a link written through.
    for (const char* taken : {"trees.txt", "trees.txt.link"}) {
        EXPECT_FALSE(file.OpenAs(tree.In() / taken, old, error)) << taken;
        EXPECT_EQ(error, std::errc::file_exists) << taken;
    }
    EXPECT_FALSE(fs::exists(tree.base / "nowhere"));

    // Bytes the disk refuses only when they leave the stream's buffer.
    ASSERT_TRUE(file.Open(old, error)) << error.message();
    std::fputs(std::string(3000, 'x').c_str(), file.stream());
    {
        FileSizeLimit limit(1024);
        EXPECT_FALSE(file.PutInPlace(error));
    }
    EXPECT_EQ(error, std::errc::file_too_large) << error.message();
    file.Discard();
    EXPECT_EQ(ReadWhole(old), "yesterday\n");
    EXPECT_EQ(Listing(tree.In()), before);

    // A folder in the target's place stays, and the new file goes.
    fs::create_directory(tree.In() / "folder");
    WriteWhole(tree.In() / "folder" / "inside", "kept");
    {
        disk::FileBeside intoFolder;
        ASSERT_TRUE(intoFolder.Open(tree.In() / "folder", error));
        EXPECT_FALSE(intoFolder.PutInPlace(error));
    }
    EXPECT_EQ(ReadWhole(tree.In() / "folder" / "inside"), "kept");
    EXPECT_EQ(Listing(tree.In()).size(), before.size() + 1);

    // With room, the new file takes the place whole, with the old permissions.
    ASSERT_TRUE(file.Open(old, error));
    std::fputs(std::string(3000, 'x').c_str(), file.stream());
    EXPECT_TRUE(file.PutInPlace(error)) << error.message();
    EXPECT_EQ(ReadWhole(old), std::string(3000, 'x'));
    EXPECT_EQ(fs::status(old).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(Listing(tree.In()).size(), before.size() + 1);
}
