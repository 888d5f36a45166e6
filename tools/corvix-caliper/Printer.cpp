#include "tools/corvix-caliper/Printer.h"

#include <chrono>
#include <thread>

namespace caliper {

std::string PrintedText(std::string_view file) {
    std::string out;
    out.reserve(file.size() + file.size() / 16);
    size_t start = 0;
    while (start < file.size()) {
        size_t end = file.find('\n', start);
        if (end == std::string_view::npos) end = file.size();
        std::string_view line = file.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        out.append(line);
        out.append("\r\n");
        start = end + 1;
    }
    return out;
}

bool PrintPaced(kermit::KermitPort& line, std::string_view text, int baud) {
    using Clock = std::chrono::steady_clock;
    const double secondsPerByte = baud > 0 ? 10.0 / baud : 0.0;
    const auto start = Clock::now();
    size_t done = 0;
    while (done < text.size()) {
        size_t end = text.find('\n', done);
        end = end == std::string_view::npos ? text.size() : end + 1;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data() + done);
        const int length = static_cast<int>(end - done);
        if (line.Write(bytes, length) != length) return false;
        done = end;
        const auto due = start + std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>(done * secondsPerByte));
        std::this_thread::sleep_until(due);
    }
    return true;
}

}  // namespace caliper
