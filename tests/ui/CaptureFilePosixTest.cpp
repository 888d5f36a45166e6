// Saving a capture over an earlier file when the disk fills up half way.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>

#include "app/TextTable.h"
#include "ui/CaptureFile.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// The file size limit stands in for a full disk: a write past it fails.
TEST(CaptureFile, AWriteThatFailsHalfWayLeavesTheEarlierFileAsItWas) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("trees.txt"));
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("yesterday's capture\r\n");
    }
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const QString failed = TextAt(EnglishTexts(), TextId::CaptureNotWritten);
    const bool written = WriteCaptureFile(path, QByteArray(10000, 'x'), &error, failed);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(ReadAll(path), "yesterday's capture\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"trees.txt"});

    // With room, the new text takes the file's place whole.
    ASSERT_TRUE(WriteCaptureFile(path, QByteArray(10000, 'x'), &error, failed))
        << error.toStdString();
    EXPECT_EQ(ReadAll(path), QByteArray(10000, 'x'));
}

}  // namespace
