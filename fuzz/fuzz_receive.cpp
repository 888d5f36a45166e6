// The whole receiving side and its server, with the fuzz input as the peer,
// called again after each transaction as the receive job does. Nothing may
// appear outside the receive folder, nothing but plain files inside it, and
// a file beside the folder may never go out on the line.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "FuzzLine.h"

namespace {

namespace fs = std::filesystem;

constexpr char kSecret[] = "SECRETBESIDETHERECEIVEFOLDER";

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
    }
    ~Tree() {
        std::error_code ec;
        fs::current_path(fs::temp_directory_path(), ec);
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
    }
    void OnReceiveProgress(std::uint32_t) override {}
    void OnSendProgress(std::uint32_t) override {}
    Overwrite AskOverwrite(const std::string&) override { return answer_; }
    std::optional<std::string> AskSaveAs(const std::string&) override {
        const auto utf8 = saveAs_.u8string();
        return std::string(utf8.begin(), utf8.end());
    }
    void ShowCouldNotOpenFile(const std::string&) override {}

private:
    Overwrite answer_;
    fs::path saveAs_;
};

void CheckTree(const Tree& tree) {
    for (const auto& entry : fs::directory_iterator(tree.base)) {
        const auto name = entry.path().filename();
        if (name != "in" && name != "secret.txt") std::abort();
    }
    for (const auto& entry : fs::directory_iterator(tree.in)) {
        if (!entry.is_regular_file() || entry.is_symlink()) std::abort();
    }
}

// Back to the folder with only the file an R request can fetch.
void Refill(const Tree& tree) {
    for (const auto& entry : fs::directory_iterator(tree.in))
        fs::remove_all(entry.path());
    std::ofstream(tree.in / "TREES.DAT", std::ios::binary) << "Pine 31\r\nSpruce 28\r\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Tree tree;
    if (size < 1) return 0;
    Refill(tree);
    fs::current_path(tree.in);
    const auto answer = static_cast<kermit::KermitObserver::Overwrite>(data[0] % 3);
    Observer observer(answer, tree.in / "SAVED.DAT");

    std::atomic<int> run{1};
    corvix_fuzz::FuzzLine line(data + 1, size - 1, run);
    kermit::KermitEngine engine(line, run);
    engine.SetObserver(&observer);
    char nameBuffer[kermit::KermitEngine::kNameBufferSize] = {};
    std::vector<std::uint8_t> dataBuffer(8192);
    // Every transaction takes a packet of input, so the calls run out with it.
    for (std::size_t call = 0;; ++call) {
        if (call > size) std::abort();
        engine.receiveFolder = tree.in;
        const int result = engine.KermitReceive(nameBuffer, dataBuffer.data(), 8191);
        if (std::memchr(nameBuffer, 0, sizeof nameBuffer) == nullptr) std::abort();
        if (engine.receiveFolder != tree.in) std::abort();
        if (result < 0) break;
    }
    CheckTree(tree);
    if (line.written.find(kSecret) != std::string::npos) std::abort();
    return 0;
}
