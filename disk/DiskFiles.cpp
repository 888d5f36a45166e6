#include "disk/DiskFiles.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "disk/EightBitText.h"
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

// The first marked name beside `target` that nothing holds yet. A name so
// long that the mark would not fit is shortened in the marked name only.
fs::path FreeMarkedName(const fs::path& target) {
    for (int n = 1; n < kMarkedNames; ++n) {
        const std::string suffix = (n == 1 ? std::string() : "." + std::to_string(n)) + kPartSuffix;
        const fs::path candidate = target.parent_path() / NameWithin(target.filename(), suffix);
        if (!Taken(candidate)) return candidate;
    }
    return {};
}

class DiskIncomingFile : public kermit::IncomingFile {
public:
    DiskIncomingFile(fs::path target, fs::path working, std::FILE* out)
        : IncomingFile(std::move(target)), working_(std::move(working)), out_(out) {}
    ~DiskIncomingFile() override {
        if (!done_) Abandon();
    }

    bool Write(const std::uint8_t* data, std::size_t n) override {
        if (out_ == nullptr) return false;
        errno = 0;
        if (std::fwrite(data, 1, n, out_) == n) return true;
        error_ = ErrnoCode(errno != 0 ? errno : EIO);
        return false;
    }

    bool Finish() override {
        if (!Close()) return false;
        std::error_code ec;
        // The new file takes the permissions of the one it replaces.
        const fs::file_status old = fs::status(Target(), ec);
        if (fs::is_regular_file(old)) fs::permissions(working_, old.permissions(), ec);
        fs::rename(working_, Target(), ec);
        if (ec) {
            error_ = ec;
            return false;
        }
        done_ = true;
        return true;
    }

    Kept Abandon() override {
        Close();
        done_ = true;
        std::error_code ec;
        const std::uintmax_t size = fs::file_size(working_, ec);
        if (ec) return {};
        if (size == 0) {
            fs::remove(working_, ec);
            return {};
        }
        return {working_, size};
    }

    std::error_code Error() const override { return error_; }

private:
    bool Close() {
        if (out_ == nullptr) return !error_;
        errno = 0;
        const bool closed = std::fclose(out_) == 0;
        out_ = nullptr;
        if (!closed && !error_) error_ = ErrnoCode(errno != 0 ? errno : EIO);
        return closed && !error_;
    }

    fs::path working_;
    std::FILE* out_;
    std::error_code error_;
    bool done_ = false;
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
    const fs::path working = FreeMarkedName(target);
    if (working.empty()) {
        error = ErrnoCode(EEXIST);
        return nullptr;
    }
    errno = 0;
    std::FILE* out = OpenFile(working, "wb");
    if (out == nullptr) {
        error = ErrnoCode(errno != 0 ? errno : EACCES);
        return nullptr;
    }
    return std::make_unique<DiskIncomingFile>(target, working, out);
}

bool DiskFiles::ReadToServe(const fs::path& path, std::vector<std::uint8_t>& content) {
    if (IsMarkedIncomplete(path)) return false;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
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

}  // namespace disk
