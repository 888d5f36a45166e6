#include "CaliperRig.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "SuiteSetup.h"

namespace caliper_test {

std::string MixedBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string out;
    while (out.size() < size) {
        const int kind = static_cast<int>(random() % 4);
        if (kind == 0)
            out.append(1 + random() % 120, static_cast<char>(random() % 256));
        else if (kind == 1)
            out += static_cast<char>(1);  // the packet mark
        else
            out += static_cast<char>(random() % 256);
    }
    out.resize(size);
    return out;
}

namespace {

// A process that has already ended (seen by an event loop) is not waited for.
int Finish(QProcess& process, int timeoutMs) {
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

// Finish, keeping what the process wrote on `channel` in `output`.
int Finish(QProcess& process, int timeoutMs, QProcess::ProcessChannel channel,
           std::string& output) {
    const int status = Finish(process, timeoutMs);
    process.setReadChannel(channel);
    output = process.readAll().toStdString();
    return status;
}

void Launch(QProcess& process, const char* program, const QStringList& arguments) {
    process.start(QString::fromLocal8Bit(program), arguments);
    process.waitForStarted(5000);
}

}  // namespace

CaliperRig::CaliperRig(const std::string& name, const linesim::Options& line) {
    test_support::EnsureCoreApplication("caliper_tests");
    root = fs::temp_directory_path() / ("corvix-caliper-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(root);
    pc = root / "pc";
    store = root / "store";
    fs::create_directories(pc);
    fs::create_directories(store);
    line_ = std::make_unique<linesim::LineSim>(line);
}

CaliperRig::~CaliperRig() {
    for (QProcess* p : {&caliper_, &cli_}) {
        if (p->state() != QProcess::NotRunning) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
    line_.reset();
    fs::remove_all(root);
}

void CaliperRig::StartCaliper(const QString& script, QStringList options) {
    options << "--line" << QString::fromStdString(line_->Path(linesim::LineSim::kSideB))
            << "--store" << QString::fromStdString(store.string()) << script;
    caliper_.setProcessChannelMode(QProcess::MergedChannels);
    Launch(caliper_, CORVIX_CALIPER_PATH, options);
}

int CaliperRig::FinishCaliper(int timeoutMs) {
    return Finish(caliper_, timeoutMs, QProcess::StandardOutput, caliperOutput);
}

void CaliperRig::StartCli(QStringList arguments) {
    arguments << "--port" << QString::fromStdString(PortA()) << "--quiet";
    cli_.setWorkingDirectory(QString::fromStdString(pc.string()));
    Launch(cli_, CORVIX_CLI_PATH, arguments);
}

int CaliperRig::FinishCli(int timeoutMs) {
    return Finish(cli_, timeoutMs, QProcess::StandardError, cliError);
}

bool CaliperRig::LineHeldAtA() const {
    return DeviceLocked(line_->DevicePath(linesim::LineSim::kSideA));
}

bool CaliperRig::WaitUntilCliHoldsLine() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!DeviceLocked(line_->DevicePath(linesim::LineSim::kSideA))) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    // The port settles and empties its buffers before it listens.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    return true;
}

void CaliperRig::StopCli() {
    ::kill(static_cast<pid_t>(cli_.processId()), SIGINT);
}

}  // namespace caliper_test
