#include "disk/DiskFiles.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <system_error>

#include "disk/EightBitText.h"
#include "disk/FileBeside.h"
#include "disk/FileSource.h"
#include "disk/SystemFiles.h"

namespace disk {
namespace fs = std::filesystem;

namespace {

constexpr int kMarkedNames = 1000;  // NAME.part, NAME.2.part ... NAME.999.part
// The longest name of a folder entry in the file systems in use: 255 bytes
// (UTF-8) on Linux and macOS, 255 UTF-16 units on Windows.
constexpr std::size_t kMaxNameUnits = 255;

std::error_code ErrnoCode(int error) {
    return {error, std::generic_category()};
}

// True when anything is there, a dangling link too.
bool Taken(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// `name` cut, at a character boundary, until `suffix` fits after it within
// the longest name a folder entry may have.
fs::path NameWithin(const fs::path& name, const std::string& suffix) {
    fs::path fitted = name;
    fitted += suffix;
    if (fitted.native().size() <= kMaxNameUnits) return fitted;
    std::u8string stem = name.u8string();
    do {
        // Drop the last character: its trailing bytes, then its lead byte.
        while (!stem.empty() && (static_cast<unsigned char>(stem.back()) & 0xC0) == 0x80)
            stem.pop_back();
        if (!stem.empty()) stem.pop_back();
        fitted = fs::path(stem);
        fitted += suffix;
    } while (!stem.empty() && fitted.native().size() > kMaxNameUnits);
    return fitted;
}

// The marked name `n` beside `target`: NAME.part, then NAME.2.part and on.
// A name so long that the mark would not fit is shortened in the marked
// name only.
fs::path MarkedName(const fs::path& target, int n) {
    const std::string suffix = (n == 1 ? std::string() : "." + std::to_string(n)) + kPartSuffix;
    return target.parent_path() / NameWithin(target.filename(), suffix);
}

// Opens the first marked name beside `target` that nothing holds yet.
bool OpenMarked(FileBeside& file, const fs::path& target, std::error_code& error) {
    for (int n = 1; n < kMarkedNames; ++n) {
        const fs::path candidate = MarkedName(target, n);
        if (Taken(candidate)) continue;
        if (file.OpenAs(candidate, target, error)) return true;
        if (error != std::errc::file_exists) return false;
    }
    error = ErrnoCode(EEXIST);
    return false;
}

// A local date and time as the file system's time; nothing when the C
// library cannot place it (a date before 1970 on some systems), or when the
// clocks cannot hold it: their nanoseconds reach only some centuries either
// side of 1970, and a sender may announce any year up to 9999.
std::optional<fs::file_time_type> FileTime(const kermit::FileDate& date) {
    constexpr std::time_t kFurthest =
        std::chrono::duration_cast<std::chrono::seconds>(fs::file_time_type::duration::max())
            .count() /
        4;
    std::tm local{};
    local.tm_year = date.year - 1900;
    local.tm_mon = date.month - 1;
    local.tm_mday = date.day;
    local.tm_hour = date.hour;
    local.tm_min = date.minute;
    local.tm_sec = date.second;
    local.tm_isdst = -1;  // whatever summer time says on that day
    const std::time_t t = std::mktime(&local);
    if (t == static_cast<std::time_t>(-1) || t > kFurthest || t < -kFurthest) return std::nullopt;
    const auto sys = std::chrono::system_clock::from_time_t(t);
    return std::chrono::time_point_cast<fs::file_time_type::duration>(
        fs::file_time_type::clock::from_sys(sys));
}

class DiskIncomingFile : public kermit::IncomingFile {
public:
    DiskIncomingFile(fs::path target, std::unique_ptr<FileBeside> file)
        : IncomingFile(std::move(target)), file_(std::move(file)) {}
    ~DiskIncomingFile() override {
        if (!done_) Abandon();
    }

    bool Write(const std::uint8_t* data, std::size_t n) override {
        std::FILE* out = file_->stream();
        if (out == nullptr) return false;
        errno = 0;
        if (std::fwrite(data, 1, n, out) == n) return true;
        error_ = LastErrno();
        return false;
    }

    bool Finish() override {
        if (error_) return false;
        std::error_code ec;
        if (!file_->PutInPlace(ec)) {
            error_ = ec;
            return false;
        }
        done_ = true;
        // The date once the file is in place: the rename keeps it, but the
        // data written through before it would not.
        if (modified_) {
            std::error_code ignored;
            fs::last_write_time(Target(), *modified_, ignored);
        }
        return true;
    }

    void SetModified(const kermit::FileDate& date) override { modified_ = FileTime(date); }

    // A marked file that holds nothing is not worth keeping.
    Kept Abandon() override {
        done_ = true;
        const fs::path working = file_->Keep();
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(working, ec);
        if (ec) return {};
        if (size == 0) {
            fs::remove(working, ec);
            return {};
        }
        return {working, size};
    }

    std::error_code Error() const override { return error_; }

private:
    std::unique_ptr<FileBeside> file_;
    std::error_code error_;
    bool done_ = false;
    std::optional<fs::file_time_type> modified_;  // see SetModified
};

}  // namespace

bool IsMarkedIncomplete(const fs::path& name) {
    const std::string text = NameFromPath(name.filename());
    const std::size_t n = sizeof kPartSuffix - 1;
    if (text.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[text.size() - n + i];
        if ((c >= 'A' && c <= 'Z' ? c + 32 : c) != kPartSuffix[i]) return false;
    }
    return true;
}

bool DiskFiles::Exists(const fs::path& path) {
    return Taken(path);
}

std::unique_ptr<kermit::IncomingFile> DiskFiles::Create(const fs::path& target,
                                                        std::error_code& error) {
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        error = ErrnoCode(EISDIR);
        return nullptr;
    }
    if (target.filename().native().size() > kMaxNameUnits) {
        error = ErrnoCode(ENAMETOOLONG);
        return nullptr;
    }
    auto file = std::make_unique<FileBeside>();
    if (!OpenMarked(*file, target, error)) return nullptr;
    return std::make_unique<DiskIncomingFile>(target, std::move(file));
}

namespace {

// The real path of `path` when it lies in `path`'s folder (or below it);
// nothing when it lies elsewhere or cannot be told.
std::optional<fs::path> RealPathInFolder(const fs::path& path) {
    std::error_code ec;
    const fs::path folder =
        fs::canonical(path.parent_path().empty() ? "." : path.parent_path(), ec);
    if (ec) return std::nullopt;
    const fs::path real = fs::canonical(path, ec);
    if (ec) return std::nullopt;
    const fs::path inside = real.lexically_relative(folder);
    if (inside.empty() || *inside.begin() == ".." || inside == ".") return std::nullopt;
    return real;
}

}  // namespace

std::unique_ptr<kermit::SendSource> DiskFiles::OpenToServe(const fs::path& path) {
    if (IsMarkedIncomplete(path)) return nullptr;
    const std::optional<fs::path> real = RealPathInFolder(path);
    std::error_code ec;
    if (!real || IsMarkedIncomplete(*real) || !fs::is_regular_file(*real, ec)) return nullptr;
    return FileSource::Open(*real, ec);
}

fs::path DiskFiles::PathFromName(std::string_view name8bit) const {
    return disk::PathFromName(name8bit);
}

std::string DiskFiles::NameFromPath(const fs::path& path) const {
    return disk::NameFromPath(path);
}

bool DiskFiles::WindowsNameRules() const {
    return disk::WindowsNameRules();
}

std::optional<std::uint64_t> DiskFiles::FreeSpace(const fs::path& folder) {
    std::error_code ec;
    const fs::space_info space = fs::space(folder, ec);
    if (ec || space.available == static_cast<std::uintmax_t>(-1)) return std::nullopt;
    return space.available;
}

}  // namespace disk
