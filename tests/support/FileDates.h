#pragma once

#include <chrono>
#include <ctime>
#include <filesystem>

namespace test_support {

// A local date and time as the C library places it.
inline std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

// A file's modification time, in seconds, and setting it.
inline std::time_t ModifiedAt(const std::filesystem::path& path) {
    const auto sys = std::chrono::file_clock::to_sys(std::filesystem::last_write_time(path));
    return std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(sys));
}

inline void SetModified(const std::filesystem::path& path, std::time_t t) {
    using FileTime = std::filesystem::file_time_type;
    std::filesystem::last_write_time(
        path, std::chrono::time_point_cast<FileTime::duration>(
                  std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(t))));
}

}  // namespace test_support
