// corvix-cli and the holds of other programs on its port.
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "CliFixture.h"

namespace cli_test {
namespace {

QStringList Capture(const QString& port) {
    return {"capture", "--max-time", "1", "--port", port};
}

std::string Message(const QString& port, const std::string& reason) {
    return Prefixed("corvix-cli: ERROR: Comport!\n" + port.toStdString() + "\n" + reason + "\n");
}

// The lock file of `device`, "/dev/pts/3": "/run/lock/LCK..pts_3".
std::string LockFile(const QString& device) {
    return "/run/lock/LCK.." + device.mid(5).replace('/', '_').toStdString();
}

// The lock file's usual record of the process that holds the device.
std::string LockRecord(qint64 pid) {
    return QStringLiteral("%1\n").arg(pid, 10).toStdString();
}

// A port that is not there, one another program holds (by its lock file, or
// exclusively) and one the user may not open: each message names the port
// and the reason, and the run ends with the port's exit status.
TEST_F(Cli, EachPortFailureSaysWhichPortAndWhy) {
    const QString missing = "/dev/corvix-no-such-port";
    EXPECT_EQ(Run(Capture(missing)), 3);
    EXPECT_EQ(err, Message(missing,
                           "The port is not present. Check that the cable is plugged in and that "
                           "the port's name is right."));

    // The test holds the port by its lock file, as another program would.
    const std::string device = line->DevicePath(0);
    const QString port = QString::fromStdString(device);
    WriteWholeFile(LockFile(port), LockRecord(::getpid()));
    EXPECT_EQ(Run(Capture(port)), 3);
    EXPECT_EQ(err, Message(port, "The port is in use by another program: process " +
                                     std::to_string(::getpid()) + " holds it (lock file " +
                                     LockFile(port) + ")."));
    EXPECT_EQ(ReadWholeFile(LockFile(port)), LockRecord(::getpid()));
    fs::remove(LockFile(port));

    const int holder = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
    EXPECT_EQ(Run(Capture(port)), 3);
    EXPECT_EQ(err, Message(port, "The port is in use by another program."));
    ::close(holder);

    if (::geteuid() != 0) GTEST_SKIP() << "running as another user needs the administrator";
    const group* dialout = ::getgrnam("dialout");
    ASSERT_NE(dialout, nullptr);
    ASSERT_EQ(::chown(device.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(device.c_str(), 0660), 0);
    cli.start("setpriv",
              QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", CORVIX_CLI_PATH} +
                  Capture(port));
    EXPECT_EQ(Finish(), 3);
    EXPECT_EQ(err, Message(port,
                           "You have no permission to use the port. Add your user to the group "
                           "that owns it, dialout (dialout on Debian), then log in again."));
}

// The lock file of a program that is gone gives way to corvix-cli's own,
// which goes with it; while corvix-cli holds the device, it holds it alone.
TEST_F(Cli, AStaleLockFileGivesWayAndTheHoldIsExclusive) {
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string device = line->DevicePath(0);
    const QString port = QString::fromStdString(device);
    WriteWholeFile(LockFile(port), LockRecord(gone));
    Start({"capture", "--port", port});
    WaitUntilPortReady();
    EXPECT_EQ(ReadWholeFile(LockFile(port)), LockRecord(cli.processId()));
    const int other = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(other, 0);  // the administrator passes exclusive mode
    int exclusive = 0;
    EXPECT_EQ(::ioctl(other, TIOCGEXCL, &exclusive), 0);
    EXPECT_NE(exclusive, 0);
    ::close(other);
    Signal(SIGINT);
    EXPECT_EQ(Finish(), 0);
    EXPECT_FALSE(fs::exists(LockFile(port)));
}

}  // namespace
}  // namespace cli_test
