// corvix-cli on a port it cannot open: which port, and why.
#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "LockHolder.h"
#include "TestFiles.h"
#include "tools/linesim/LineSim.h"

namespace {

constexpr char kNobody[] = "65534";

struct Result {
    int status = -1;
    std::string err;
};

// Runs corvix-cli, as an unprivileged user when `unprivileged` is set.
Result RunCli(const QStringList& arguments, bool unprivileged = false) {
    QProcess cli;
    cli.setWorkingDirectory(QString::fromStdString(std::filesystem::temp_directory_path()));
    if (unprivileged) {
        cli.start(QStringLiteral("setpriv"),
                  QStringList{QStringLiteral("--reuid=%1").arg(kNobody),
                              QStringLiteral("--regid=%1").arg(kNobody),
                              QStringLiteral("--clear-groups"), QStringLiteral(CORVIX_CLI_PATH)} +
                      arguments);
    } else {
        cli.start(QStringLiteral(CORVIX_CLI_PATH), arguments);
    }
    Result result;
    if (!cli.waitForStarted(5000) || !cli.waitForFinished(30000)) return result;
    result.status = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -2;
    result.err = cli.readAllStandardError().toStdString();
    return result;
}

QStringList Capture(const std::string& port) {
    return {QStringLiteral("capture"), QStringLiteral("--port"), QString::fromStdString(port),
            QStringLiteral("--max-time"), QStringLiteral("1")};
}

std::string Message(const std::string& port, const std::string& reason) {
    return "corvix-cli: ERROR: Comport!\n" + port + "\n" + reason + "\n";
}

}  // namespace

// A port that is not there, one the user may not open, and one another
// program holds (by a lock file, or by exclusive mode): each message names
// the port and the reason, and the run ends with the port's exit status.
TEST(CliPort, EachFailureSaysWhichPortAndWhy) {
    static int argc = 1;
    static char name[] = "cli_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
    const Result missing = RunCli(Capture("/dev/corvix-no-such-port"));
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err, Message("/dev/corvix-no-such-port",
                                   "The port is not present. Check that the cable is plugged in "
                                   "and that the port's name is right."));

    linesim::LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    const std::string device = line.DevicePath(linesim::LineSim::kSideA);
    {
        test_support::LockHolder holder(device);
        ASSERT_TRUE(holder.ok());
        const Result held = RunCli(Capture(device));
        EXPECT_EQ(held.status, 3);
        EXPECT_EQ(held.err, Message(device, "The port is in use by another program: process " +
                                                std::to_string(holder.pid()) +
                                                " holds it (lock file " + holder.file() + ")."));
        EXPECT_EQ(test_support::ReadWholeFile(holder.file()), holder.contents());
    }

    if (::geteuid() != 0 || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        GTEST_SKIP() << "running as another user needs the administrator and setpriv";
    // A serial device as the system sets it up: its group may use it.
    const group* dialout = ::getgrnam("dialout");
    ASSERT_NE(dialout, nullptr);
    ASSERT_EQ(::chown(device.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(device.c_str(), 0660), 0);
    const Result refused = RunCli(Capture(device), true);
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.err, Message(device,
                                   "You have no permission to use the port. Add your user to the "
                                   "group that owns it, dialout (dialout on Debian), then log in "
                                   "again."));

    ASSERT_EQ(::chmod(device.c_str(), 0666), 0);
    const int holder = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::ioctl(holder, TIOCEXCL), 0);
    const Result busy = RunCli(Capture(device), true);
    EXPECT_EQ(busy.status, 3);
    EXPECT_EQ(busy.err, Message(device, "The port is in use by another program."));
    ::ioctl(holder, TIOCNXCL);
    ::close(holder);
    EXPECT_EQ(RunCli(Capture(device), true).status, 0) << "the user may now open it";
}
