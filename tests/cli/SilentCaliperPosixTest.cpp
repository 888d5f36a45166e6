// corvix-cli loading a program into a caliper (C-Kermit on a 9600 line) that
// stops answering in the middle of the file.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "PausingReceiver.h"
#include "TestFiles.h"

namespace {

using interop::PausingReceiver;
using Clock = PausingReceiver::Clock;
using namespace std::chrono_literals;

constexpr const char* kHint = "corvix-cli: No answer from the caliper yet.";

struct CliRun {
    QProcess process;
    std::string err;
    std::optional<Clock::time_point> endedAt;

    void Start(const QString& folder, const std::string& port) {
        process.setWorkingDirectory(folder);
        process.start(
            QStringLiteral(CORVIX_CLI_PATH),
            {"send", "--port", QString::fromStdString(port), "--baud", "9600", "PROG.b$n"});
    }
    void Look() {
        process.waitForFinished(25);
        err += process.readAllStandardError().toStdString();
        if (!endedAt && process.state() == QProcess::NotRunning) endedAt = Clock::now();
    }
};

// A caliper stopped for good ends the send by itself, after its silence
// limit (60 s at least) and well within 150 s, naming the file; one paused
// for 20 s gets the file whole. The first, which is started only after the
// send has waited in vain, makes corvix-cli print the hint once, after 10 s.
TEST(SilentCaliperCli, AStoppedCaliperEndsTheSendAndAPausedOneGetsTheFile) {
    REQUIRE_PEER("kermit");
    static int argc = 1;
    static char name[] = "cli_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
    QTemporaryDir root;
    const std::string bytes = test_support::RandomBytes(12000, 5);
    test_support::WriteWholeFile(root.filePath("PROG.b$n").toStdString(), bytes);
    PausingReceiver stopped(root.filePath("stopped").toStdString(), std::nullopt);
    PausingReceiver paused(root.filePath("paused").toStdString(), 20s);
    ASSERT_TRUE(paused.Start());
    CliRun silent, resumed;
    const auto started = Clock::now();
    silent.Start(root.path(), stopped.PortA());
    resumed.Start(root.path(), paused.PortA());
    std::optional<Clock::time_point> hintAt;
    while ((!silent.endedAt || !resumed.endedAt) && Clock::now() - started < 280s) {
        silent.Look();
        resumed.Look();
        if (!hintAt && silent.err.find(kHint) != std::string::npos) {
            hintAt = Clock::now();
            ASSERT_TRUE(stopped.Start());
        }
        stopped.Step();
        paused.Step();
    }
    ASSERT_TRUE(hintAt && stopped.stoppedAt && silent.endedAt) << silent.err;
    EXPECT_GE(*hintAt - started, 10s);
    EXPECT_EQ(silent.err.find(kHint, silent.err.find(kHint) + 1), std::string::npos);
    EXPECT_EQ(silent.process.exitCode(), 1);
    const std::string path = root.filePath("PROG.b$n").toStdString();
    EXPECT_NE(silent.err.find("The caliper stopped answering while " + path + " was being sent"),
              std::string::npos)
        << silent.err;
    // Corvix counts the silence from the peer's last answer, which came in
    // just before the stop was stamped here: hence a little short of 60 s on a loaded machine.
    EXPECT_GE(*silent.endedAt - *stopped.stoppedAt, 55s);
    EXPECT_LE(*silent.endedAt - *stopped.stoppedAt, 150s);

    ASSERT_TRUE(resumed.endedAt && paused.resumed);
    EXPECT_EQ(resumed.process.exitCode(), 0) << resumed.err;
    EXPECT_EQ(resumed.err, "");
    EXPECT_TRUE(paused.Received("PROG.b$n") == bytes);
}

}  // namespace
