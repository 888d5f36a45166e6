// How the port stands with other programs that want the same device.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <filesystem>

#include "LockHolder.h"
#include "TestFiles.h"
#include "serial/SerialPort.h"
#include "tools/linesim/LineSim.h"

using linesim::LineSim;
using serial::PortProblem;
using serial::SerialPort;
using test_support::LockHolder;
using test_support::ReadWholeFile;
using test_support::WriteWholeFile;

namespace {

std::string OwnLockText() {
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(::getpid()));
    return text;
}

bool Exclusive(int fd) {
    int exclusive = 0;
    return ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
}

}  // namespace

// The lock file of another program is honoured while that program lives,
// whatever its form, and stays; once the program is gone the port opens and
// the lock file becomes the port's own until it closes.
TEST(PortHold, ALiveForeignLockFileIsHonouredAndKeptAndAStaleOneReplaced) {
    LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    const std::string device = line.DevicePath(LineSim::kSideA);
    LockHolder holder(device);
    if (!holder.ok()) GTEST_SKIP() << "no /run/lock here";
    std::atomic<int> run{0};
    SerialPort port(run);

    // The usual ten characters, and the longer record some libraries write.
    const std::string record = std::to_string(holder.pid()) + "\nminicom\nthis-host\n";
    for (const std::string& contents : {holder.contents(), record}) {
        WriteWholeFile(holder.file(), contents);
        EXPECT_EQ(port.Open(QString::fromStdString(line.Path(LineSim::kSideA)), 7), 0);
        EXPECT_EQ(port.failure().problem, PortProblem::InUse);
        EXPECT_EQ(port.failure().holder, holder.pid());
        EXPECT_EQ(port.failure().lockFile.toStdString(), holder.file());
        EXPECT_EQ(ReadWholeFile(holder.file()), contents);
    }

    holder.End();
    ASSERT_EQ(port.Open(QString::fromStdString(device), 7), 1);
    EXPECT_EQ(ReadWholeFile(holder.file()), OwnLockText());
    port.Close();
    EXPECT_FALSE(std::filesystem::exists(holder.file()));
}

// While the port is open the system refuses other openers (exclusive mode);
// after it closed they are welcome again. Another program's exclusive hold
// is honoured even where the system would let this process pass.
TEST(PortHold, TheDeviceIsHeldExclusivelyAndAnotherProgramsExclusiveHoldHonoured) {
    LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    const std::string device = line.DevicePath(LineSim::kSideA);
    std::atomic<int> run{0};
    SerialPort port(run);
    ASSERT_EQ(port.Open(QString::fromStdString(device), 7), 1);
    const int other = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(other, 0);  // the administrator passes exclusive mode
    EXPECT_TRUE(Exclusive(other));
    port.Close();
    EXPECT_FALSE(Exclusive(other));

    ASSERT_EQ(::ioctl(other, TIOCEXCL), 0);
    EXPECT_EQ(port.Open(QString::fromStdString(device), 7), 0);
    EXPECT_EQ(port.failure().problem, PortProblem::InUse);
    EXPECT_TRUE(port.failure().lockFile.isEmpty());
    ::ioctl(other, TIOCNXCL);
    ::close(other);
    EXPECT_EQ(port.Open(QString::fromStdString(device), 7), 1);
}
