#include "TestFiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <optional>
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

std::uintmax_t FileSizeOrZero(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
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

namespace {

// Whether /proc/locks lists a flock on the file `st` names. Reading the table
// takes no lock itself, so a job opening the device at that moment is never
// turned away by the test that watches for it. nullopt without the table.
std::optional<bool> LockListed(const struct stat& st) {
    std::ifstream table("/proc/locks");
    if (!table) return std::nullopt;
    char wanted[64];
    std::snprintf(wanted, sizeof wanted, "%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, pid, file;
        fields >> number >> kind >> mode >> access >> pid >> file;
        if (kind == "FLOCK" && file == wanted) return true;
    }
    return false;
}

}  // namespace

bool DeviceLocked(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) return false;
    if (const auto listed = LockListed(st)) return *listed;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}

}  // namespace test_support
