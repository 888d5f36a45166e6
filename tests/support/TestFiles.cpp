#include "TestFiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>

namespace test_support {

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 rng(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(rng());
    return bytes;
}

bool HugeSparseFile(const std::filesystem::path& path, const std::filesystem::path& folder) {
    constexpr std::uintmax_t kHuge = std::uintmax_t{15} << 40;
    { std::ofstream(path, std::ios::binary); }
    std::error_code ec;
    std::filesystem::resize_file(path, kHuge, ec);
    if (ec) return false;
    const std::filesystem::space_info room = std::filesystem::space(folder, ec);
    return !ec && room.available < kHuge;
}

bool DeviceLocked(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}

}  // namespace test_support
