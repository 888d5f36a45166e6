// The packet log frames what went over the line and shows it safely.
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "worker/PacketLog.h"

namespace {

// One line per packet, its type, sequence, length, data and check apart,
// control characters and 8-bit bytes made visible, whatever came between.
TEST(PacketLog, FramesEachPacketAndShowsItSafely) {
    struct Case {
        QByteArray bytes;
        QByteArray line;  // what follows the time and the direction
    };
    const Case cases[] = {
        {QByteArray("\x01% Sa\x0dK\r"), "S seq  0 len    5 data \"a^M\" check \"K\""},
        {"noise\x01# Y@\r", "Y seq  0 len    3 data \"\" check \"@\""},
        {QByteArray("\x01&!D\"\x7f\xe9X\r"), "D seq  1 len    6 data \"\\\"^?\\xe9\" check \"X\""},
        {QByteArray("\x01 !D &+xxxxxZ\r"), "D seq  1 len   11 (long) data \"xxxxx\" check \"Z\""},
        {"\x01+ D12\x01# Y@", "broken (6 bytes) \"^A+ D12\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        QTemporaryDir dir;
        PacketLog log;
        ASSERT_TRUE(log.Open(dir.filePath("packets.log")));
        log.Received(reinterpret_cast<const std::uint8_t*>(c.bytes.constData()),
                     static_cast<int>(c.bytes.size()));
        QFile file(dir.filePath("packets.log"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray first = file.readLine();
        ASSERT_GT(first.size(), 22);
        EXPECT_EQ(first.mid(13, 9), "received ");
        EXPECT_EQ(first.mid(22).trimmed(), c.line);
    }
}

}  // namespace
