#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include "kermit/KermitPort.h"
#include "tools/corvix-caliper/Printer.h"

namespace {

TEST(CaliperPrintout, EveryLineEndsWithCrLfAndOtherBytesStay) {
    EXPECT_EQ(caliper::PrintedText("a\nb\r\n\fc\n"), "a\r\nb\r\n\fc\r\n");
    EXPECT_EQ(caliper::PrintedText("last line without end"), "last line without end\r\n");
    EXPECT_EQ(caliper::PrintedText("\n\n"), "\r\n\r\n");
    EXPECT_EQ(caliper::PrintedText(""), "");
    const std::string eightBit("\xC5sp;\x00;\xFF\n", 8);
    EXPECT_EQ(caliper::PrintedText(eightBit), std::string("\xC5sp;\x00;\xFF\r\n", 9));
}

class RecordingLine : public kermit::KermitPort {
public:
    int ReadAvailable(std::uint8_t*, int) override { return 0; }
    int Write(const std::uint8_t* buffer, int length) override {
        written.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(length));
        ++writes;
        return length;
    }
    void WaitForInput(int) override {}
    void PumpMessages() override {}
    std::string written;
    int writes = 0;
};

TEST(CaliperPrintout, GoesLineByLineAtTheLinesRate) {
    RecordingLine line;
    const std::string text =
        caliper::PrintedText(std::string(40, 'x') + "\n" + std::string(58, 'y') + "\n\f" + "z\n");
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(caliper::PrintPaced(line, text, 2400));
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(line.written, text);
    EXPECT_EQ(line.writes, 3);
    // 105 bytes at 240 bytes a second take at least 0.4375 s.
    EXPECT_GE(seconds, 0.43);
}

}  // namespace
