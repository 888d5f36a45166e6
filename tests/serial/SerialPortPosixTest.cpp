#include "serial/SerialPort.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QMetaObject>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "tests/serial/PtyPeer.h"
#include "tools/linesim/LineSim.h"

extern char** environ;

using linesim::LineSim;
using serial::SerialPort;
using Clock = std::chrono::steady_clock;

namespace {

constexpr char kChildDeviceVariable[] = "CORVIX_SERIAL_TEST_DEVICE";

// The worker that owns a port in the program is a QThread; here the test
// thread gets its event dispatcher from a QCoreApplication instead.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "serial_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

// Started again as a child by the cross-process test: with the device named in
// the environment, the binary only tries to open it and answers in its exit
// status (10 opened, 20 refused), before any test runs.
int OpenAsChildIfAsked() {
    const char* device = std::getenv(kChildDeviceVariable);
    if (device == nullptr) return 0;
    int argc = 1;
    char name[] = "serial_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    std::atomic<int> run{0};
    SerialPort port(run);
    const int opened = port.Open(QString::fromLocal8Bit(device), 115200);
    port.Close();
    std::fflush(nullptr);
    ::_exit(opened == 1 ? 10 : 20);
}

[[maybe_unused]] const int kChild = OpenAsChildIfAsked();

long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

class CountingObserver : public serial::SerialPortObserver {
public:
    void OnModemStatusChanged(int ctsOn) override {
        ++calls;
        reported.push_back(ctsOn);
    }
    int calls = 0;
    std::vector<int> reported;  // the CTS value of every report, in order
};

// A line with the port open on end A at 115200 and the test holding end B.
class SerialPortOnLine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(line.IsRunning()) << line.Error();
        ASSERT_TRUE(peer.ok());
        ASSERT_EQ(port.Open(PathA(), 115200), 1);
        port.SetObserver(&observer);
    }

    QString PathA() const { return QString::fromStdString(line.Path(LineSim::kSideA)); }

    // Reads through the port until `count` bytes came or `timeoutMs` passed.
    std::vector<std::uint8_t> ReceiveVia(SerialPort& p, std::size_t count, int timeoutMs) {
        std::vector<std::uint8_t> got;
        const auto start = Clock::now();
        std::uint8_t buf[512];
        while (got.size() < count && MsSince(start) < timeoutMs) {
            const int n = p.ReadAvailable(buf, sizeof buf);
            if (n == 0) p.WaitForInput(50);
            got.insert(got.end(), buf, buf + n);
        }
        return got;
    }

    LineSim line;
    PtyPeer peer{line.Path(LineSim::kSideB)};
    std::atomic<int> run{1};
    SerialPort port{run};
    CountingObserver observer;
};

}  // namespace

TEST(SerialPort, RefusesMissingDevicesAndBadBaudRates) {
    LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    const QString good = QString::fromStdString(line.Path(LineSim::kSideA));
    std::atomic<int> run{0};
    SerialPort port(run);
    const std::uint8_t byte = 'x';
    std::uint8_t buf[4];

    EXPECT_EQ(port.Open("/dev/corvix-no-such-port", 9600), 0);
    EXPECT_EQ(port.Open("corvix-no-such-port", 9600), 0);
    EXPECT_EQ(port.Open(good, -1), 0);
    EXPECT_EQ(port.Open(good, 460800), 0);
    EXPECT_EQ(port.isOpen(), 0);
    EXPECT_EQ(run.load(), 0);
    EXPECT_EQ(port.Write(&byte, 1), 0);
    EXPECT_EQ(port.ReadAvailable(buf, 4), 0);
    EXPECT_EQ(port.Close(), 1);

    // A refused rate left nothing claimed: the device opens right after.
    EXPECT_EQ(port.Open(good, 230400), 1);
    EXPECT_EQ(run.load(), 0);  // Open leaves the run flag alone: a stop is never lost
}

TEST(SerialPort, BareNameMeansADeviceUnderDev) {
    LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    const std::string device = line.DevicePath(LineSim::kSideA);  // "/dev/pts/N"
    std::atomic<int> run{0};
    SerialPort port(run);
    EXPECT_EQ(port.Open(QString::fromStdString(device.substr(5)), 9600), 1);
}

TEST_F(SerialPortOnLine, OpenAgainChangesNothingAndCloseTwiceIsHarmless) {
    ASSERT_TRUE(peer.WriteAll({1, 2, 3}));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto start = Clock::now();
    EXPECT_EQ(port.Open(PathA(), 1200), 1);
    EXPECT_LT(MsSince(start), 200);  // no new settle time
    EXPECT_EQ(ReceiveVia(port, 3, 1000), (std::vector<std::uint8_t>{1, 2, 3}));  // no purge
    EXPECT_EQ(port.Close(), 1);
    EXPECT_EQ(port.isOpen(), 0);
    EXPECT_EQ(port.Close(), 1);
}

TEST_F(SerialPortOnLine, SecondOpenerOfTheDeviceIsRefusedUntilClosed) {
    std::atomic<int> otherRun{0};
    SerialPort other(otherRun);
    EXPECT_EQ(other.Open(PathA(), 115200), 0);
    EXPECT_EQ(other.Open(QString::fromStdString(line.DevicePath(LineSim::kSideA)), 115200), 0);
    EXPECT_EQ(otherRun.load(), 0);

    // The refused opener must not have disturbed the open port.
    ASSERT_TRUE(peer.WriteAll({'o', 'k'}));
    EXPECT_EQ(ReceiveVia(port, 2, 1000), (std::vector<std::uint8_t>{'o', 'k'}));

    port.Close();
    EXPECT_EQ(other.Open(PathA(), 115200), 1);
}

// Runs this binary again as a child that only tries to open `device`; returns
// its exit status (10 opened, 20 refused, -1 when it did not end normally).
int OpenInChildProcess(const std::string& device) {
    const std::string env = std::string(kChildDeviceVariable) + "=" + device;
    char self[] = "/proc/self/exe";
    char* argv[] = {self, nullptr};
    std::vector<char*> envp;
    for (char** e = environ; *e != nullptr; ++e)
        envp.push_back(*e);
    envp.push_back(const_cast<char*>(env.c_str()));
    envp.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, self, nullptr, nullptr, argv, envp.data()) != 0) return -1;
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST_F(SerialPortOnLine, SecondOpenerInAnotherProcessIsRefused) {
    // Also under another name for the same device, which gets no common lock file.
    const std::string link = ::testing::TempDir() + "serial-test-link";
    ::unlink(link.c_str());
    ASSERT_EQ(::symlink(line.DevicePath(LineSim::kSideA).c_str(), link.c_str()), 0);
    EXPECT_EQ(OpenInChildProcess(line.DevicePath(LineSim::kSideA)), 20);
    EXPECT_EQ(OpenInChildProcess(link), 20);
    port.Close();
    EXPECT_EQ(OpenInChildProcess(link), 10);
    ::unlink(link.c_str());
}

TEST(SerialPort, BytesThatArriveWhileOpenSettlesAreDiscarded) {
    LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    PtyPeer peer(line.Path(LineSim::kSideB));
    ASSERT_TRUE(peer.WriteAll({'o', 'l', 'd'}));  // before Open
    std::thread during([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(120));
        peer.WriteAll({'m', 'i', 'd'});  // while Open waits
    });
    std::atomic<int> run{0};
    SerialPort port(run);
    ASSERT_EQ(port.Open(QString::fromStdString(line.Path(LineSim::kSideA)), 115200), 1);
    during.join();
    std::uint8_t buf[16];
    EXPECT_EQ(port.ReadAvailable(buf, sizeof buf), 0);
    ASSERT_TRUE(peer.WriteAll({'n', 'e', 'w'}));
    port.WaitForInput(1000);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(port.ReadAvailable(buf, sizeof buf), 3);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 3), "new");
}

TEST_F(SerialPortOnLine, ReadAvailableTakesOnlyWhatIsAlreadyThere) {
    std::uint8_t buf[16];
    const auto start = Clock::now();
    EXPECT_EQ(port.ReadAvailable(buf, sizeof buf), 0);
    EXPECT_LT(MsSince(start), 100);

    ASSERT_TRUE(peer.WriteAll({'a', 'b', 'c', 'd', 'e'}));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_EQ(port.ReadAvailable(buf, 1), 1);
    EXPECT_EQ(buf[0], 'a');
    ASSERT_EQ(port.ReadAvailable(buf, sizeof buf), 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buf), 4), "bcde");
    EXPECT_EQ(port.ReadAvailable(buf, sizeof buf), 0);
}

TEST_F(SerialPortOnLine, EveryByteValueCrossesBothWaysIntact) {
    const auto big = AllByteValues(40);  // 10 KB in one Write
    EXPECT_EQ(port.Write(big.data(), static_cast<int>(big.size())), static_cast<int>(big.size()));
    EXPECT_EQ(peer.Read(big.size(), 2000), big);

    const auto values = AllByteValues(4);
    ASSERT_TRUE(peer.WriteAll(values));
    EXPECT_EQ(ReceiveVia(port, values.size(), 2000), values);

    // A pseudo-terminal has no modem lines: nothing to report, and the failed
    // query must not have spoilt reading or writing.
    EXPECT_EQ(observer.calls, 0);
    EXPECT_EQ(port.lineLost(), 0);
}

TEST_F(SerialPortOnLine, WaitForInputEndsOnInputOnStopOrOnTime) {
    auto start = Clock::now();
    port.WaitForInput(200);
    EXPECT_GE(MsSince(start), 180);  // silence: the whole wait

    std::thread sender([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        peer.WriteAll({'x'});
    });
    start = Clock::now();
    port.WaitForInput(1500);
    sender.join();
    EXPECT_LT(MsSince(start), 1000);
    std::uint8_t byte = 0;
    EXPECT_EQ(port.ReadAvailable(&byte, 1), 1);
    EXPECT_EQ(byte, 'x');

    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        run = 0;
    });
    start = Clock::now();
    port.WaitForInput(1500);
    stopper.join();
    EXPECT_LT(MsSince(start), 1000);
}

TEST_F(SerialPortOnLine, UnpluggedLineReadsAndWritesNothingWithoutSpinning) {
    line.CloseEnd(LineSim::kSideA);
    std::uint8_t buf[8] = {};
    EXPECT_EQ(port.ReadAvailable(buf, sizeof buf), 0);
    EXPECT_EQ(port.Write(buf, sizeof buf), 0);
    EXPECT_EQ(port.lineLost(), 1);
    const auto start = Clock::now();
    port.WaitForInput(100);
    EXPECT_GE(MsSince(start), 80);
    EXPECT_EQ(port.Close(), 1);
}

TEST_F(SerialPortOnLine, PumpMessagesServesTheThreadsQueue) {
    bool served = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { served = true; }, Qt::QueuedConnection);
    port.PumpMessages();
    EXPECT_TRUE(served);

    // On a thread without an event dispatcher it is a harmless no-op.
    std::thread([&] { port.PumpMessages(); }).join();
}

// A pseudo-terminal has no modem lines, so the test answers for them. Looks
// come with reads whether bytes are waiting or not, at most every 10 ms; the
// test waits longer than that between the steps below.
TEST_F(SerialPortOnLine, ModemLinesAreLookedAtWhileBytesWaitAndAFailedLookIsTriedAgain) {
    int looks = 0;
    bool canTell = false;
    quint32 lines = 0;
    port.SetModemLineReader([&](quint32& status) {
        ++looks;
        status = lines;
        return canTell;
    });
    ASSERT_TRUE(peer.WriteAll(std::vector<std::uint8_t>(200, 'p')));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::uint8_t buf[4];
    ASSERT_EQ(port.ReadAvailable(buf, sizeof buf), 4);  // the look fails: nothing to report
    ASSERT_EQ(looks, 1);
    EXPECT_TRUE(observer.reported.empty());

    const auto nextStep = [&](bool tell, quint32 now) {
        canTell = tell;
        lines = now;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        // Bytes are still waiting: the look is not put off to the packet's end.
        EXPECT_EQ(port.ReadAvailable(buf, sizeof buf), 4);
    };
    nextStep(true, SerialPort::kCtsOn);  // the failed look is tried again
    EXPECT_EQ(observer.reported, std::vector<int>({1}));
    nextStep(false, 0);  // a look that fails again reports nothing
    EXPECT_EQ(observer.reported, std::vector<int>({1}));
    nextStep(true, SerialPort::kCtsOn | SerialPort::kDsrOn);  // DSR alone: CTS as it was
    nextStep(true, SerialPort::kDsrOn);
    nextStep(true, SerialPort::kDsrOn);  // no change, no report
    EXPECT_EQ(observer.reported, std::vector<int>({1, 1, 0}));
}

// The pseudo-terminal itself says it has no modem lines, after which it is not
// asked again; a stand-in set after that is still asked.
TEST_F(SerialPortOnLine, AStandInForTheModemLinesSetAfterTheDeviceRefusedIsAsked) {
    ASSERT_TRUE(peer.WriteAll(std::vector<std::uint8_t>(8, 'p')));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::uint8_t buf[4];
    ASSERT_EQ(port.ReadAvailable(buf, sizeof buf), 4);  // the device refuses the look
    EXPECT_TRUE(observer.reported.empty());

    int looks = 0;
    port.SetModemLineReader([&](quint32& status) {
        ++looks;
        status = SerialPort::kCtsOn;
        return true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
    EXPECT_EQ(port.ReadAvailable(buf, sizeof buf), 4);
    EXPECT_EQ(looks, 1);
    EXPECT_EQ(observer.reported, std::vector<int>({1}));
}
