#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli/CaptureTarget.h"

namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Files beside the target named after it: the working file must not stay.
QStringList Others(const QTemporaryDir& dir, const QString& target) {
    return QDir(dir.path()).entryList({target + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
}

}  // namespace

// A capture replaces an existing file only when committed, keeps it as it
// was when discarded, and never leaves its working file behind; a name
// with letters beyond ASCII is written under that very name.
TEST(CaptureTarget, ReplacesTheOldFileOnlyWhenCommittedAndLeavesNothingBeside) {
    QTemporaryDir dir;
    for (const QString& name : {QStringLiteral("capture.txt"), QStringLiteral("mätning-Å.txt")}) {
        const QString path = dir.filePath(name);
        Write(path, "old contents\n");

        CaptureTarget discarded(path);
        ASSERT_TRUE(discarded.Open());
        std::fputs("lost\n", discarded.stream());
        discarded.Discard();
        EXPECT_EQ(Read(path), "old contents\n");
        EXPECT_EQ(Others(dir, name), QStringList());

        {
            CaptureTarget committed(path);
            ASSERT_TRUE(committed.Open());
            std::fputs("new line 1\nnew line 2\n", committed.stream());
            EXPECT_EQ(Read(path), "old contents\n") << "replaced before the end";
            EXPECT_TRUE(committed.Commit());
        }
        EXPECT_EQ(Read(path), "new line 1\nnew line 2\n");
        EXPECT_EQ(Others(dir, name), QStringList());

        CaptureTarget abandoned(path);  // destroyed without a commit
        ASSERT_TRUE(abandoned.Open());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(CaptureTarget, AFolderOrAMissingFolderIsRefusedAndANewFileIsMade) {
    QTemporaryDir dir;
    EXPECT_FALSE(CaptureTarget(dir.path()).Open());
    EXPECT_FALSE(CaptureTarget(dir.filePath(QStringLiteral("no/such/file.txt"))).Open());

    const QString path = dir.filePath(QStringLiteral("new.txt"));
    CaptureTarget target(path);
    ASSERT_TRUE(target.Open());
    std::fputs("x", target.stream());
    EXPECT_TRUE(target.Commit());
    EXPECT_EQ(Read(path), "x");
}
