// The device asks a serial driver for low latency when it opens a port. A
// pseudo-terminal has no serial settings, so this executable answers the
// serial-settings requests itself for the one device a test names (an ioctl
// of its own, ahead of the C library's), and passes every other request on.
#ifdef __linux__

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <mutex>
#include <vector>

#include "serial/SerialPort.h"
#include "tests/serial/PtyPeer.h"
#include "tools/linesim/LineSim.h"

namespace {

// A serial driver standing in for the device `device`: what TIOCGSERIAL
// reports, how TIOCSSERIAL answers, and what it was given.
struct FakeDriver {
    std::mutex mutex;
    dev_t device = 0;  // 0: no device is answered here
    int setError = 0;  // errno of a refused TIOCSSERIAL
    serial_struct reported{};
    int gets = 0;
    std::vector<serial_struct> sets;
};

FakeDriver gDriver;

bool AnsweredHere(int fd) {
    struct stat info {};
    return gDriver.device != 0 && ::fstat(fd, &info) == 0 && S_ISCHR(info.st_mode) &&
           info.st_rdev == gDriver.device;
}

int FakeSerialRequest(unsigned long request, void* argument) {
    auto* settings = static_cast<serial_struct*>(argument);
    if (request == TIOCGSERIAL) {
        ++gDriver.gets;
        *settings = gDriver.reported;
        return 0;
    }
    gDriver.sets.push_back(*settings);
    if (gDriver.setError == 0) return 0;
    errno = gDriver.setError;
    return -1;
}

}  // namespace

extern "C" int ioctl(int fd, unsigned long request, ...) noexcept {
    va_list arguments;
    va_start(arguments, request);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    if (request == TIOCGSERIAL || request == TIOCSSERIAL) {
        std::lock_guard<std::mutex> hold(gDriver.mutex);
        if (AnsweredHere(fd)) return FakeSerialRequest(request, argument);
    }
    using Ioctl = int (*)(int, unsigned long, ...);
    static const auto next = reinterpret_cast<Ioctl>(::dlsym(RTLD_NEXT, "ioctl"));
    return next(fd, request, argument);
}

namespace {

using linesim::LineSim;
using serial::SerialPort;

// Opens a port on a fresh line whose end A the fake driver answers for, with
// the driver set up by `setUp`; the port is closed again before returning.
// Also checks that the port carries a byte: refused or not, low latency never
// costs the port.
template <typename SetUp>
void OpenWithDriver(const SetUp& setUp) {
    LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    struct stat info {};
    ASSERT_EQ(::stat(line.DevicePath(LineSim::kSideA).c_str(), &info), 0);
    {
        std::lock_guard<std::mutex> hold(gDriver.mutex);
        gDriver.device = info.st_rdev;
        gDriver.setError = 0;
        gDriver.reported = serial_struct{};
        gDriver.gets = 0;
        gDriver.sets.clear();
        setUp(gDriver);
    }
    PtyPeer peer(line.Path(LineSim::kSideB));
    std::atomic<int> run{1};
    SerialPort port(run);
    EXPECT_EQ(port.Open(QString::fromStdString(line.Path(LineSim::kSideA)), 115200), 1);
    const std::uint8_t byte = 'k';
    EXPECT_EQ(port.Write(&byte, 1), 1);
    EXPECT_EQ(peer.Read(1, 2000), std::vector<std::uint8_t>{byte});
    port.Close();
    std::lock_guard<std::mutex> hold(gDriver.mutex);
    gDriver.device = 0;
}

}  // namespace

TEST(SerialPortLowLatency, OpenAsksTheDriverAndOpensWhateverItAnswers) {
    // A driver with other flags and settings of its own: only the low-latency
    // flag changes; everything else goes back as it came.
    OpenWithDriver([](FakeDriver& d) {
        d.reported.flags = ASYNC_SKIP_TEST | ASYNC_SPD_HI;
        d.reported.baud_base = 24000000;
        d.reported.custom_divisor = 7;
        d.reported.xmit_fifo_size = 256;
    });
    EXPECT_EQ(gDriver.gets, 1);
    ASSERT_EQ(gDriver.sets.size(), 1u);
    const serial_struct& asked = gDriver.sets[0];
    EXPECT_EQ(asked.flags, static_cast<int>(ASYNC_SKIP_TEST | ASYNC_SPD_HI | ASYNC_LOW_LATENCY));
    EXPECT_EQ(asked.baud_base, 24000000);
    EXPECT_EQ(asked.custom_divisor, 7);
    EXPECT_EQ(asked.xmit_fifo_size, 256);

    // Refused (a driver that lets only the administrator change it): the port
    // opens all the same.
    OpenWithDriver([](FakeDriver& d) { d.setError = EPERM; });
    EXPECT_EQ(gDriver.sets.size(), 1u);

    // Already in low latency: nothing to change.
    OpenWithDriver([](FakeDriver& d) { d.reported.flags = ASYNC_LOW_LATENCY; });
    EXPECT_EQ(gDriver.gets, 1);
    EXPECT_TRUE(gDriver.sets.empty());
    // A device without serial settings (ENOTTY) is every other test's.
}

#endif  // __linux__
