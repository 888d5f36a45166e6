// The lock files of /run/lock: honoured while they name a live process,
// stale and replaced whatever else they hold.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <string>

#include "serial/PortLock.h"

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Record(long pid) {
    char text[16];
    std::snprintf(text, sizeof text, "%10ld\n", pid);
    return text;
}

TEST(PortLock, ALockThatNamesNoLiveProcessIsStaleAndReplaced) {
    const QString device = QStringLiteral("/dev/corvix-lock-test-%1").arg(::getpid());
    const std::string lock = "/run/lock/LCK.." + device.mid(5).toStdString();
    if (::access("/run/lock", W_OK) != 0) GTEST_SKIP() << "/run/lock cannot be written here";
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::pair<const char*, std::function<void()>> stale[] = {
        {"a process that is gone", [&] { Write(lock, Record(gone)); }},
        {"empty", [&] { Write(lock, ""); }},
        {"garbage", [&] { Write(lock, "not a process\n"); }},
        {"zero", [&] { Write(lock, Record(0)); }},
        {"a FIFO", [&] { ::mkfifo(lock.c_str(), 0644); }},
        {"a link to nowhere", [&] { ::symlink("/run/lock/corvix-nowhere", lock.c_str()); }},
    };
    for (const auto& [what, make] : stale) {
        SCOPED_TRACE(what);
        make();
        serial::PortLock portLock;
        serial::PortFailure failure;
        auto acquired =
            std::async(std::launch::async, [&] { return portLock.Acquire(device, failure); });
        ASSERT_EQ(acquired.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        EXPECT_TRUE(acquired.get());
        EXPECT_EQ(portLock.file().toStdString(), lock);
        EXPECT_EQ(Read(lock), Record(::getpid()));
        portLock.Release();
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(lock)));
    }

    // A live process holds it, whoever asks.
    Write(lock, Record(::getppid()));
    serial::PortLock portLock;
    serial::PortFailure failure;
    EXPECT_FALSE(portLock.Acquire(device, failure));
    EXPECT_EQ(failure.holder, ::getppid());
    EXPECT_EQ(failure.lockFile.toStdString(), lock);
    EXPECT_EQ(Read(lock), Record(::getppid()));
    ::unlink(lock.c_str());
}

}  // namespace
