#include "InteropFixture.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "CKermitScript.h"

namespace interop {

std::vector<TestFile> StandardFileSet() {
    std::vector<TestFile> files;
    files.push_back({"empty.dat", ""});
    files.push_back({"one.dat", "x"});
    files.push_back({"p91.txt", std::string(91, 'k')});
    files.push_back({"p92.txt", std::string(92, 'k')});
    files.push_back({"crlf.txt", "Tall;23.5;\r\nGran;31.0;\r\n\r\nBjork;12.25;\r\n"});
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    files.push_back({"all256.bin", all + all});
    files.push_back({"runs.bin", std::string(1000, 'a') + std::string(3, '\0') + "bb" +
                                     std::string(500, '~') + std::string(300, '#')});
    std::mt19937 rng(42);
    std::string random(200 * 1024, '\0');
    for (char& c : random)
        c = static_cast<char>(rng());
    files.push_back({"random.bin", random});
    return files;
}

linesim::Options FlippingLine(int oneIn, std::uint64_t seed) {
    linesim::Options options;
    options.flipOneIn = oneIn;
    options.seed = seed;
    return options;
}

linesim::Options DroppingLine(int oneIn, std::uint64_t seed) {
    linesim::Options options;
    options.dropOneIn = oneIn;
    options.seed = seed;
    return options;
}

std::uint64_t InteropTest::FaultsOnLine() const {
    const linesim::Counters counters = line->GetCounters();
    return counters.flipped[0] + counters.flipped[1] + counters.dropped[0] + counters.dropped[1];
}

void InteropTest::SetUpTestSuite() {
    test_support::EnsureCoreApplication("interop_tests");
}

void InteropTest::SetUp() {
    MakeFresh("corvix-interop-");
}

void InteropTest::TearDown() {
    watchdogCancel_ = true;
    if (watchdog_.joinable()) watchdog_.join();
    peer.Kill();
    engine.reset();
    port.reset();
    line.reset();
    if (!HasFailure()) fs::remove_all(root);
}

void InteropTest::OpenLine(const linesim::Options& options) {
    line = std::make_unique<linesim::LineSim>(options);
    ASSERT_TRUE(line->IsRunning()) << line->Error();
    port = std::make_unique<serial::SerialPort>(run);
    ASSERT_EQ(port->Open(QString::fromStdString(line->Path(linesim::LineSim::kSideA)), 115200), 1);
    engine = std::make_unique<kermit::KermitEngine>(*port, files, run);
    engine->SetObserver(&observer);
    engine->SetReceiveFolder(rx);
    ArmWatchdog(90);
}

void InteropTest::StartCKermit(const std::vector<std::string>& commands, const fs::path& dir) {
    const fs::path scriptPath = root / "peer.ksc";
    WriteWholeFile(scriptPath, CKermitScript(line->Path(linesim::LineSim::kSideB), commands));
    ASSERT_TRUE(peer.Start({"kermit", scriptPath.string(), "-Y"}, dir.string(),
                           (root / "peer.log").string()));
}

void InteropTest::StartGKermit(const std::vector<std::string>& args, const fs::path& dir) {
    std::vector<std::string> argv{"gkermit"};
    argv.insert(argv.end(), args.begin(), args.end());
    ASSERT_TRUE(peer.Start(argv, dir.string(), (root / "peer.log").string(),
                           line->DevicePath(linesim::LineSim::kSideB)));
}

void InteropTest::MakePeerEndRaw() {
    const int fd =
        open(line->DevicePath(linesim::LineSim::kSideB).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios tio{};
    if (tcgetattr(fd, &tio) == 0) {
        cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        tcsetattr(fd, TCSANOW, &tio);
    }
    close(fd);
}

int InteropTest::WaitPeer(int timeoutMs) {
    return peer.Wait(timeoutMs);
}

std::string InteropTest::PeerLog() const {
    return ReadWholeFile(root / "peer.log");
}

int InteropTest::CorvixSend(const fs::path& file, const std::string& announcedName) {
    const std::string bytes = ReadWholeFile(file);
    const kermit::Outcome sent = engine->KermitSend(
        announcedName.c_str(), reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return sent == kermit::Outcome::Done ? 0 : -1;
}

int InteropTest::CorvixReceiveOnce() {
    engine->SetReceiveFolder(rx);
    received = engine->KermitReceive(nameBuffer, dataBuffer.data(), 8191);
    return test_support::ReceivedNumber(received);
}

void InteropTest::ArmWatchdog(int seconds) {
    watchdog_ = std::thread([this, seconds] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (!watchdogCancel_ && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!watchdogCancel_) {
            ADD_FAILURE() << "watchdog: the transfer did not end in " << seconds << " s";
            run = 0;
        }
    });
}

}  // namespace interop
