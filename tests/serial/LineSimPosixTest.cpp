#include <gtest/gtest.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <future>
#include <memory>
#include <random>
#include <thread>

#include "tests/serial/PtyPeer.h"
#include "tools/linesim/LineSim.h"

using linesim::LineSim;
using Clock = std::chrono::steady_clock;

namespace {

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<std::uint8_t> RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<std::uint8_t> data(count);
    for (auto& b : data)
        b = static_cast<std::uint8_t>(gen());
    return data;
}

// Sends `data` from A to B through a line with `options`; returns what B got
// once the line has delivered everything it did not drop.
std::vector<std::uint8_t> SendThrough(const linesim::Options& options,
                                      const std::vector<std::uint8_t>& data,
                                      linesim::Counters* counters = nullptr) {
    LineSim line(options);
    EXPECT_TRUE(line.IsRunning()) << line.Error();
    PtyPeer a(line.Path(LineSim::kSideA));
    PtyPeer b(line.Path(LineSim::kSideB));
    EXPECT_TRUE(a.WriteAll(data));
    std::vector<std::uint8_t> got;
    const auto start = Clock::now();
    while (SecondsSince(start) < 5) {
        const auto c = line.GetCounters();
        const auto more = b.Read(data.size() - got.size(), 50);
        got.insert(got.end(), more.begin(), more.end());
        if (c.relayed[0] + c.dropped[0] == data.size() && got.size() == c.relayed[0]) break;
    }
    if (counters != nullptr) *counters = line.GetCounters();
    return got;
}

}  // namespace

TEST(LineSim, EveryByteValuePassesBothWaysUnchangedAndUnpacedIsFast) {
    LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    EXPECT_NE(line.Path(LineSim::kSideA), line.Path(LineSim::kSideB));
    PtyPeer a(line.Path(LineSim::kSideA));
    PtyPeer b(line.Path(LineSim::kSideB));
    ASSERT_TRUE(a.ok() && b.ok());

    // CR, LF, ^C, ^S, ^Q, DEL, 0xFF...: nothing may be translated or eaten.
    const auto data = AllByteValues(256);  // 64 KB
    const auto start = Clock::now();
    ASSERT_TRUE(a.WriteAll(data));
    EXPECT_EQ(b.Read(data.size(), 5000), data);
    ASSERT_TRUE(b.WriteAll(data));
    EXPECT_EQ(a.Read(data.size(), 5000), data);
    EXPECT_LT(SecondsSince(start), 2.0);  // 128 KB unpaced; paced at 115200 it would take 11 s

    const auto c = line.GetCounters();
    EXPECT_EQ(c.relayed[0], data.size());
    EXPECT_EQ(c.relayed[1], data.size());
    EXPECT_EQ(c.flipped[0] + c.flipped[1] + c.dropped[0] + c.dropped[1], 0u);
}

TEST(LineSim, PacingHoldsBytesToTheBaudRate) {
    linesim::Options options;
    options.baud = 1200;  // 120 bytes a second
    const auto data = AllByteValues(1);
    const std::vector<std::uint8_t> first(data.begin(), data.begin() + 120);
    const auto start = Clock::now();
    EXPECT_EQ(SendThrough(options, first), first);
    EXPECT_GE(SecondsSince(start), 0.9);
}

TEST(LineSim, FlipsChangeOneBitOfRoughlyOneByteInN) {
    linesim::Options options;
    options.flipOneIn = 10;
    options.seed = 7;
    const auto data = RandomBytes(20000, 1);
    linesim::Counters c;
    const auto got = SendThrough(options, data, &c);
    ASSERT_EQ(got.size(), data.size());
    std::uint64_t changed = 0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const unsigned diff = data[i] ^ got[i];
        if (diff == 0) continue;
        ++changed;
        EXPECT_EQ(__builtin_popcount(diff), 1) << "byte " << i;
    }
    EXPECT_EQ(changed, c.flipped[0]);
    EXPECT_GT(changed, 1500u);
    EXPECT_LT(changed, 2500u);
    EXPECT_EQ(c.dropped[0], 0u);
}

TEST(LineSim, FaultsAreRepeatableWithTheSameSeed) {
    linesim::Options options;
    options.flipOneIn = 50;
    options.dropOneIn = 20;
    options.seed = 12345;
    const auto data = RandomBytes(10000, 2);
    linesim::Counters c1, c2, c3;
    const auto first = SendThrough(options, data, &c1);
    const auto second = SendThrough(options, data, &c2);
    options.seed = 54321;
    const auto other = SendThrough(options, data, &c3);

    EXPECT_EQ(first.size(), data.size() - c1.dropped[0]);
    EXPECT_GT(c1.dropped[0], 300u);
    EXPECT_LT(c1.dropped[0], 700u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(c1.flipped[0], c2.flipped[0]);
    EXPECT_NE(first, other);
}

TEST(LineSim, BytesWaitForAnEndNobodyHasOpenedYet) {
    LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    const auto data = AllByteValues(2);
    {
        PtyPeer a(line.Path(LineSim::kSideA));
        ASSERT_TRUE(a.WriteAll(data));
    }  // the writer is gone before the reader arrives
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    PtyPeer b(line.Path(LineSim::kSideB));
    EXPECT_EQ(b.Read(data.size(), 2000), data);
}

TEST(LineSim, LinksPointAtTheDevicesAndGoWithTheLine) {
    const std::string dir = ::testing::TempDir();
    linesim::Options options;
    options.linkA = dir + "linesim-test-a";
    options.linkB = dir + "linesim-test-b";
    {
        LineSim line(options);
        ASSERT_TRUE(line.IsRunning()) << line.Error();
        EXPECT_EQ(line.Path(LineSim::kSideA), options.linkA);
        char target[256] = {};
        ASSERT_GT(::readlink(options.linkB.c_str(), target, sizeof target - 1), 0);
        EXPECT_EQ(std::string(target), line.DevicePath(LineSim::kSideB));
        PtyPeer a(options.linkA);
        PtyPeer b(options.linkB);
        ASSERT_TRUE(a.WriteAll({'o', 'k'}));
        EXPECT_EQ(b.Read(2, 1000), (std::vector<std::uint8_t>{'o', 'k'}));
    }
    struct stat st {};
    EXPECT_NE(::lstat(options.linkA.c_str(), &st), 0);
    EXPECT_NE(::lstat(options.linkB.c_str(), &st), 0);
}

TEST(LineSim, ClosedEndHangsUpItsHolderAndTheOtherEndStaysUsable) {
    LineSim line;
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    PtyPeer a(line.Path(LineSim::kSideA));
    PtyPeer b(line.Path(LineSim::kSideB));
    line.CloseEnd(LineSim::kSideA);

    pollfd p{a.fd(), POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 1000), 1);
    EXPECT_TRUE(p.revents & POLLHUP);
    std::uint8_t byte = 'x';
    EXPECT_LT(::write(a.fd(), &byte, 1), 1);

    // Whatever B still sends is thrown away; it never blocks.
    EXPECT_TRUE(b.WriteAll(AllByteValues(64)));
}

TEST(LineSim, StopsPromptlyWithBytesStillOnTheWire) {
    linesim::Options options;
    options.baud = 1200;
    auto line = std::make_unique<LineSim>(options);
    ASSERT_TRUE(line->IsRunning()) << line->Error();
    PtyPeer a(line->Path(LineSim::kSideA));
    ASSERT_TRUE(a.WriteAll(AllByteValues(4)));  // about 9 s of sending
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto start = Clock::now();
    line.reset();
    EXPECT_LT(SecondsSince(start), 0.5);
}

// A program that empties its input, as a port does once it is set up, is
// reported with its end; the line goes on relaying every byte value.
TEST(LineSim, ReportsAnEndThatEmptiesItsInputAndStillRelaysEveryByte) {
    std::atomic<bool> reported{false};
    std::promise<int> flushed;
    linesim::Options options;
    options.onInputFlushed = [&](int side) {
        if (!reported.exchange(true)) flushed.set_value(side);
    };
    LineSim line(options);
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    PtyPeer a(line.Path(LineSim::kSideA));
    PtyPeer b(line.Path(LineSim::kSideB));
    ASSERT_EQ(::tcflush(a.fd(), TCIFLUSH), 0);
    auto side = flushed.get_future();
    ASSERT_EQ(side.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(side.get(), LineSim::kSideA);
    const auto data = AllByteValues(4);
    ASSERT_TRUE(b.WriteAll(data));
    EXPECT_EQ(a.Read(data.size(), 5000), data);
}
