// Knowing the caliper's adapter again when it comes back, and waiting for it.
#include "serial/PortReturn.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <future>
#include <thread>

#include "tools/linesim/LineSim.h"

namespace {

using linesim::LineSim;
using serial::AdapterIdentity;

PortRecord Usb(const QString& location, const QString& serialNumber) {
    PortRecord record;
    record.portName = QDir(location).dirName();
    record.location = location;
    record.serialNumber = serialNumber;
    return record;
}

// Which name the adapter is opened by again, if it is there: by its serial
// number wherever the system put it, else by the name or a link it had.
TEST(PortReturn, TheAdapterIsKnownBySerialNumberElseByNameOrLink) {
    QTemporaryDir dir;
    const QString present = dir.filePath(QStringLiteral("present"));
    QFile(present).open(QIODevice::WriteOnly);
    const QString gone = dir.filePath(QStringLiteral("gone"));
    struct Case {
        const char* what;
        AdapterIdentity identity;
        QList<PortRecord> records;
        QString expected;
    };
    const Case cases[] = {
        {"same serial, new device",
         {"/dev/ttyUSB0", "FT1", {}},
         {Usb("/dev/ttyUSB3", "FT9"), Usb("/dev/ttyUSB1", "FT1")},
         "/dev/ttyUSB1"},
        {"another adapter where it was",
         {"/dev/ttyUSB0", "FT1", {}},
         {Usb("/dev/ttyUSB0", "FT2")},
         ""},
        {"no serial: a port name the system lists", {"COM5", "", {}}, {Usb("COM5", "")}, "COM5"},
        {"no serial: the name exists", {present, "", {}}, {}, present},
        {"no serial: a link it had", {gone, "", {gone, present}}, {}, present},
        {"nothing there", {gone, "", {gone}}, {Usb("/dev/ttyUSB0", "")}, ""},
    };
    for (const Case& c : cases) {
        const QList<PortRecord> records = c.records;
        EXPECT_EQ(serial::PresentPort(c.identity, [records] { return records; }), c.expected)
            << c.what;
    }
}

bool Waits(std::future<bool>& result, int ms) {
    return result.wait_for(std::chrono::milliseconds(ms)) == std::future_status::timeout;
}

// A pseudo-terminal unplugged and made again under the same link wakes the
// wait (a notification, not a poll: the slice is far longer than the test
// allows), and only then is the adapter opened; a stop ends the wait.
TEST(PortReturn, AWaitEndsWhenTheAdapterIsBackOrTheJobStops) {
    QTemporaryDir dir;
    linesim::Options options;
    options.linkA = dir.filePath(QStringLiteral("caliper")).toStdString();
    LineSim line(options);
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    const QString port = QString::fromStdString(line.Path(LineSim::kSideA));
    const AdapterIdentity identity = serial::IdentityOf(port, [] { return QList<PortRecord>(); });
    line.CloseEnd(LineSim::kSideA);

    std::atomic<int> runFlag{1};
    std::atomic<int> tries{0};
    const auto tryOpen = [&](const QString& name) {
        ++tries;
        return name == port;
    };
    constexpr int kLongSliceMs = 60000;
    auto back = std::async(std::launch::async, [&] {
        return serial::WaitForReturn(identity, runFlag, tryOpen, kLongSliceMs);
    });
    EXPECT_TRUE(Waits(back, 300));
    EXPECT_EQ(tries, 0);
    ASSERT_TRUE(line.ReplugEnd(LineSim::kSideA)) << line.Error();
    ASSERT_FALSE(Waits(back, 5000));
    EXPECT_TRUE(back.get());
    EXPECT_EQ(tries, 1);

    line.CloseEnd(LineSim::kSideA);
    auto stopped = std::async(
        std::launch::async, [&] { return serial::WaitForReturn(identity, runFlag, tryOpen, 50); });
    EXPECT_TRUE(Waits(stopped, 200));
    runFlag = 0;
    ASSERT_FALSE(Waits(stopped, 2000));
    EXPECT_FALSE(stopped.get());
}

}  // namespace
