#include <gtest/gtest.h>

#include "app/TextTable.h"
#include "worker/ReceiveShare.h"

using namespace std::chrono_literals;

namespace {

// The share of an announced length and the time the rest will take at the
// rate since the first count: told once the data has flowed for a second,
// in seconds under a minute and in minutes from one on; a file longer than
// announced stays at 100 % with no time left; nothing announced, nothing
// shown.
TEST(ReceiveShare, ShareAndTimeLeftFromTheRateSinceTheFirstCount) {
    const QStringList texts = EnglishTexts();
    const auto start = ReceiveShare::Clock::time_point{} + 1h;
    ReceiveShare share;
    share.Progress(500, start);
    EXPECT_FALSE(share.announced());
    EXPECT_EQ(share.Percent(), 0);

    share.Announce(10000);
    EXPECT_EQ(share.Text(texts), QStringLiteral("0% of 10000 bytes"));
    share.Progress(1000, start);  // the wait before it does not count
    share.Progress(1900, start + 900ms);
    EXPECT_EQ(share.Text(texts), QStringLiteral("19% of 10000 bytes"));
    EXPECT_FALSE(share.SecondsLeft());
    share.Progress(3000, start + 1500ms);  // 2000 bytes in 1.5 s: 7000 more take 5.25 s
    EXPECT_EQ(share.SecondsLeft(), 6);
    EXPECT_EQ(share.Text(texts), QStringLiteral("30% of 10000 bytes, about 6 s left"));
    share.Progress(12000, start + 2s);
    EXPECT_EQ(share.Text(texts), QStringLiteral("100% of 10000 bytes"));

    share.Announce(10000000);  // the next file: 100 kB in 10 s, 9.9 MB more
    share.Progress(0, start + 10s);
    share.Progress(100000, start + 20s);
    EXPECT_EQ(share.SecondsLeft(), 990);
    EXPECT_EQ(share.Text(texts), QStringLiteral("1% of 10000000 bytes, about 17 min left"));
    share.Reset();
    EXPECT_FALSE(share.announced());
    share.Announce(0);
    EXPECT_FALSE(share.announced());
}

}  // namespace
