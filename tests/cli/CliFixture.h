#pragma once

// corvix-cli run as a user or a script would run it: the built program on
// a linesim line, with C-Kermit or the test itself at the other end.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "CKermitScript.h"
#include "PeerProcess.h"
#include "SuiteSetup.h"
#include "TestFiles.h"
#include "tools/linesim/LineSim.h"

namespace cli_test {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using test_support::DeviceLocked;
using test_support::ReadWholeFile;
using test_support::WriteWholeFile;

#define REQUIRE_CKERMIT() REQUIRE_PEER("kermit")

class Cli : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test_support::EnsureCoreApplication("cli_tests"); }

    void SetUp() override {
        test_support::TestFolders folders;
        folders.MakeFresh("corvix-cli-");
        root = folders.root;
        line = std::make_unique<linesim::LineSim>();
        ASSERT_TRUE(line->IsRunning()) << line->Error();
    }

    void TearDown() override {
        if (cli.state() != QProcess::NotRunning) {
            cli.kill();
            cli.waitForFinished(5000);
        }
        peer.Kill();
        if (peerFd >= 0) ::close(peerFd);
        line.reset();
        if (!HasFailure()) fs::remove_all(root);
    }

    QString PortA() const { return QString::fromStdString(line->Path(0)); }

    void Start(QStringList arguments) {
        cli.setWorkingDirectory(QString::fromStdString(root.string()));
        cli.start(QStringLiteral(CORVIX_CLI_PATH), arguments);
        ASSERT_TRUE(cli.waitForStarted(5000));
    }

    // Runs corvix-cli to its end; returns its exit status.
    int Run(const QStringList& arguments, int timeoutMs = 60000) {
        Start(arguments);
        return Finish(timeoutMs);
    }

    int Finish(int timeoutMs = 60000) {
        if (!cli.waitForFinished(timeoutMs)) return -1;
        out = cli.readAllStandardOutput().toStdString();
        err = cli.readAllStandardError().toStdString();
        return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -2;
    }

    void Signal(int number) { ::kill(static_cast<pid_t>(cli.processId()), number); }

    // Limits `resource` in corvix-cli alone, where SIGXFSZ is at its default.
    void LimitChild(int resource, rlim_t limit) {
        cli.setChildProcessModifier([resource, limit] {
            const rlimit value{limit, limit};
            ::setrlimit(resource, &value);
            ::signal(SIGXFSZ, SIG_DFL);
        });
    }

    void StartCKermit(const std::vector<std::string>& commands) {
        const fs::path script = root / "peer.ksc";
        WriteWholeFile(script, interop::CKermitScript(line->Path(1), commands));
        ASSERT_TRUE(peer.Start({"kermit", script.string(), "-Y"}, (root / "peer").string(),
                               (root / "peer.log").string()));
    }

    void WaitUntilPortReady() {
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (!DeviceLocked(line->DevicePath(0))) {
            ASSERT_LT(Clock::now(), deadline) << "corvix-cli never opened the port";
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(500));  // settle and purge
    }

    void WriteToLine(const std::string& bytes) {
        if (peerFd < 0) peerFd = ::open(line->Path(1).c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        ASSERT_GE(peerFd, 0);
        ASSERT_EQ(::write(peerFd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // What a capture into `name` has written so far, in the file beside it
    // ("name.XXXXXX") that takes its place at the end; "" when there is none.
    std::string CaptureSoFar(const std::string& name) const {
        for (const auto& entry : fs::directory_iterator(root)) {
            const std::string file = entry.path().filename().string();
            if (file.size() == name.size() + 7 && file.rfind(name + ".", 0) == 0)
                return ReadWholeFile(entry.path());
        }
        return {};
    }

    // Starts a capture into `name`, writes `text` to the line and waits (5 s
    // at most) until the capture's working file holds it.
    void CaptureOnRunningLine(const std::string& name, const std::string& text) {
        Start({"capture", "--port", PortA(), "--out", QString::fromStdString(name)});
        WaitUntilPortReady();
        WriteToLine(text);
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (CaptureSoFar(name) != text && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    std::size_t FilesInRoot() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(root), fs::directory_iterator()));
    }

    fs::path root;
    std::unique_ptr<linesim::LineSim> line;
    interop::PeerProcess peer;
    QProcess cli;
    std::string out, err;
    int peerFd = -1;
};

// `text` as corvix-cli writes it on standard error: every line after the
// first starts with "corvix-cli: " too (the first is left as it is, so that
// a part of a line can be looked for).
inline std::string Prefixed(const std::string& text) {
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        lines += text[i];
        if (text[i] == '\n' && i + 1 < text.size()) lines += "corvix-cli: ";
    }
    return lines;
}

inline std::string RandomBytes(std::size_t size) {
    return test_support::RandomBytes(size, 99);
}

}  // namespace cli_test
