#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// Small helpers for the suites that move files over a line.
namespace test_support {

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);
// `size` bytes of every value, repeatable for a given seed.
std::string RandomBytes(std::size_t size, unsigned seed);
// The size of the file at `path`; 0 when there is none (yet).
std::uintmax_t FileSizeOrZero(const std::filesystem::path& path);

// Makes `path` a file of 15 TiB, nearly all holes, larger than the room
// left on the disk of `folder`; false when the file system cannot hold such
// a file or has that much room.
bool HugeSparseFile(const std::filesystem::path& path, const std::filesystem::path& folder);

// True when somebody holds the device's exclusive lock, as an open
// SerialPort does.
bool DeviceLocked(const std::string& device);

}  // namespace test_support
