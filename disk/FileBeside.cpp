#include "disk/FileBeside.h"

#include <cerrno>
#include <random>

#include "disk/SystemFiles.h"

namespace disk {
namespace fs = std::filesystem;

namespace {

constexpr int kAttempts = 100;

// `target` followed by a dot and six letters or digits drawn at random.
fs::path NameBeside(const fs::path& target) {
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    thread_local std::mt19937 draw{std::random_device{}()};
    std::uniform_int_distribution<int> digit(0, sizeof kDigits - 2);
    std::string suffix = ".";
    for (int i = 0; i < 6; ++i)
        suffix += kDigits[digit(draw)];
    fs::path name = target;
    name += suffix;
    return name;
}

}  // namespace

FileBeside::~FileBeside() {
    Discard();
}

bool FileBeside::Open(const fs::path& target, std::error_code& error) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (OpenAs(NameBeside(target), target, error)) return true;
        if (error != std::errc::file_exists) return false;
    }
    return false;
}

bool FileBeside::OpenAs(const fs::path& working, const fs::path& target, std::error_code& error) {
    Discard();
    error.clear();
    stream_ = CreateNew(working, target, error);
    if (stream_ == nullptr) return false;
    working_ = working;
    target_ = target;
    return true;
}

bool FileBeside::PutInPlace(std::error_code& error) {
    if (stream_ == nullptr) {
        error = std::make_error_code(std::errc::bad_file_descriptor);
        return false;
    }
    const bool written = WriteThrough(stream_, error);
    errno = 0;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (written && !closed) error = LastErrno();
    if (!written || !closed || !Replace(working_, target_, error)) return false;
    working_.clear();
    return true;
}

fs::path FileBeside::Keep() {
    Close();
    fs::path kept;
    kept.swap(working_);
    return kept;
}

void FileBeside::Discard() {
    Close();
    std::error_code ignored;
    if (!working_.empty()) fs::remove(working_, ignored);
    working_.clear();
}

void FileBeside::Close() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
}

}  // namespace disk
