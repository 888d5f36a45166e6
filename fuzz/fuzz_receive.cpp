// The whole receiving side and its server, with the fuzz input as the peer,
// called again after each file or transaction (and after a refused request,
// or a file discarded, refused or not whole) as the receive job does, so a transaction carrying
// several files runs through. Nothing may appear outside the receive folder,
// nothing but plain files inside it, a file beside the folder may never go
// out on the line, and the file in the folder changes only when a file of
// its name arrived whole.
//
// The folders are read with getdents64 into a buffer on the stack, and the
// sample file only after a file was received: opendir's and the file
// streams' buffers, allocated (and under the address sanitizer filled and
// quarantined) anew for every input, took most of the target's time.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzLine.h"
#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"

namespace {

namespace fs = std::filesystem;

constexpr char kSecret[] = "SECRETBESIDETHERECEIVEFOLDER";
constexpr std::string_view kSample = "Pine 31\r\nSpruce 28\r\n";
constexpr char kSampleName[] = "TREES.DAT";

// Calls f(name, d_type) for every entry of `dir` but . and ..
template <typename F>
void ForEachEntry(const fs::path& dir, F f) {
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) std::abort();
    alignas(dirent64) std::array<char, 4096> buffer;
    for (long n; (n = ::getdents64(fd, buffer.data(), buffer.size())) != 0;) {
        if (n < 0) std::abort();
        for (long at = 0; at < n;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
            at += entry->d_reclen;
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") f(name, entry->d_type);
        }
    }
    ::close(fd);
}

// A file's type as lstat sees it, for a file system that does not say.
unsigned char TypeOf(const fs::path& dir, std::string_view name, unsigned char type) {
    if (type != DT_UNKNOWN) return type;
    struct stat st {};
    if (::lstat((dir / name).c_str(), &st) != 0) std::abort();
    return S_ISREG(st.st_mode) ? DT_REG : S_ISLNK(st.st_mode) ? DT_LNK : DT_DIR;
}

bool HoldsSample(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::array<char, 64> buffer;
    const long n = ::read(fd, buffer.data(), buffer.size());
    ::close(fd);
    return n >= 0 && std::string_view(buffer.data(), n) == kSample;
}

// base/in is the receive folder; base also holds a file nobody may fetch.
struct Tree {
    fs::path base;
    fs::path in;
    Tree() {
        std::random_device random;
        base = fs::temp_directory_path() / ("corvix-fuzz-receive-" + std::to_string(random()));
        in = base / "in";
        fs::create_directories(in);
        std::ofstream(base / "secret.txt", std::ios::binary) << kSecret;
        std::ofstream(in / "TREES.DAT", std::ios::binary) << kSample;
    }
    ~Tree() {
        std::error_code ec;
        fs::remove_all(base, ec);
    }
};

// Answers the overwrite question as the input's first byte says; a Save As
// picks another name in the receive folder.
class Observer : public kermit::KermitObserver {
public:
    Observer(Overwrite answer, fs::path saveAs) : answer_(answer), saveAs_(std::move(saveAs)) {}
    void OnReceiveFileOpened(const char* name) override {
        if (std::strlen(name) > 127) std::abort();
        opened = true;
        if (std::strcmp(name, kSampleName) == 0) ++sampleOpened;
    }
    void OnFileNotReceived(const std::string& target, const std::string&, std::uint64_t,
                           NotWhole) override {
        if (fs::path(target).filename() == kSampleName) ++sampleLost;
    }
    void OnFileRefused(const std::string& target, std::uint64_t, std::uint64_t) override {
        if (fs::path(target).filename() == kSampleName) ++sampleLost;
    }
    void OnReceiveProgress(std::uint32_t) override {}
    void OnSendProgress(std::uint32_t) override {}
    Overwrite AskOverwrite(const std::string&) override { return answer_; }
    std::optional<std::string> AskSaveAs(const std::string&) override {
        const auto utf8 = saveAs_.u8string();
        return std::string(utf8.begin(), utf8.end());
    }
    void ShowCouldNotOpenFile(const std::string&, std::error_code) override {}

    bool opened = false;  // a file was opened to receive into
    // Files named as the sample that were opened, and those of them that did
    // not arrive whole: only a whole one may take the sample's place.
    int sampleOpened = 0;
    int sampleLost = 0;

private:
    Overwrite answer_;
    fs::path saveAs_;
};

// Checks the tree, then puts the receive folder back to only the file an R
// request can fetch (rewritten only when a file was received: the engine
// writes nothing else).
void CheckAndRefill(const Tree& tree, bool received, bool replaced) {
    ForEachEntry(tree.base, [](std::string_view name, unsigned char) {
        if (name != "in" && name != "secret.txt") std::abort();
    });
    std::vector<std::string> extra;
    ForEachEntry(tree.in, [&](std::string_view name, unsigned char type) {
        if (TypeOf(tree.in, name, type) != DT_REG) std::abort();
        if (name != "TREES.DAT") extra.emplace_back(name);
    });
    for (const auto& name : extra)
        fs::remove(tree.in / name);
    const bool intact = HoldsSample(tree.in / "TREES.DAT");
    if (!replaced && !intact) std::abort();
    if (!received || intact) return;
    std::ofstream(tree.in / "TREES.DAT", std::ios::binary | std::ios::trunc) << kSample;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Tree tree;
    if (size < 1) return 0;
    // The first byte: the overwrite answer, and the block check proposed in
    // the S of an answer to R or G (1, or 3 from 3 up).
    const auto answer = static_cast<kermit::KermitObserver::Overwrite>(data[0] % 3);
    Observer observer(answer, tree.in / "SAVED.DAT");

    std::atomic<int> run{1};
    corvix_fuzz::FuzzLine line(data + 1, size - 1, run);
    disk::DiskFiles files;
    kermit::KermitEngine engine(line, files, run, {.blockCheck = data[0] / 3 % 2 ? 3 : 1});
    line.Watch(&engine.Link());
    engine.SetObserver(&observer);
    char nameBuffer[kermit::KermitEngine::kNameBufferSize] = {};
    static std::vector<std::uint8_t> dataBuffer(8192);
    std::fill(dataBuffer.begin(), dataBuffer.end(), 0);
    // Every call takes a packet of input, so the calls run out with it.
    for (std::size_t call = 0;; ++call) {
        if (call > size) std::abort();
        engine.SetReceiveFolder(tree.in);
        const kermit::Received result = engine.KermitReceive(nameBuffer, dataBuffer.data(), 8191);
        if (std::memchr(nameBuffer, 0, sizeof nameBuffer) == nullptr) std::abort();
        if (engine.ReceiveFolder() != tree.in) std::abort();
        // A refused request, or a file discarded, refused or not whole,
        // leaves the server going, as in the receive job.
        if (result.outcome != kermit::Outcome::Done &&
            result.outcome != kermit::Outcome::RequestRefused &&
            result.outcome != kermit::Outcome::FileDiscarded &&
            result.outcome != kermit::Outcome::FileRefused &&
            result.outcome != kermit::Outcome::FileNotWhole)
            break;
    }
    CheckAndRefill(tree, observer.opened, observer.sampleOpened > observer.sampleLost);
    if (line.written.find(kSecret) != std::string::npos) std::abort();
    return 0;
}
