// Peak memory of sending a large file: a sparse file of 2 GiB (by default)
// sent by the engine, read from the disk as its packets go, to a receiver in
// the same process that acknowledges every packet at once and counts the
// bytes its data fields decode to. Prints the process's peak resident size
// (getrusage maxrss) before and after the send.
//
//   send_memory [BYTES] [FOLDER]
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "disk/DiskFiles.h"
#include "disk/FileSource.h"
#include "kermit/BlockCheck.h"
#include "kermit/KermitEngine.h"
#include "tests/support/QueuedPeer.h"

namespace {

using kermit::tochar;
using kermit::unchar;

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The receiving end: answers the S with long packets of 4096, a window of
// 31 and repeat counts, every other packet with a Y, and decodes each new
// data packet's field to count the bytes.
class AckingLine : public test_support::QueuedPeer {
public:
    explicit AckingLine(std::atomic<int>& run)
        : QueuedPeer(run), decoded_(new std::uint8_t[kDecode]) {}
    std::uint64_t bytes = 0;
    std::uint64_t packets = 0;

    int Write(const std::uint8_t* p, int length) override {
        ++packets;
        const int seq = unchar(p[2]);
        const int type = p[3];
        if (type == 'D' && seq != lastDataSeq_) {
            const bool extended = unchar(p[1]) == 0;
            const int start = extended ? 7 : 4;
            const int check = checkType_;
            const int field =
                extended ? unchar(p[4]) * 95 + unchar(p[5]) - check : unchar(p[1]) - 2 - check;
            const int n = kermit::PacketLink::DecodeField(p + start, field, decoded_.get(), kDecode,
                                                          '~', 0, '#');
            if (n < 0) std::abort();
            bytes += static_cast<std::uint64_t>(n);
            lastDataSeq_ = seq;
        }
        Answer(seq, type);
        (void)length;
        return length;
    }

private:
    static constexpr int kDecode = (kermit::kMaxPacketData / 3 + 1) * 94;

    void Answer(int seq, int type) {
        std::string data;
        if (type == 'S') {
            data = {tochar(94),
                    tochar(10),
                    tochar(0),
                    '@',
                    tochar(13),
                    '#',
                    'N',
                    '1',
                    '~',
                    static_cast<char>(tochar(2 | 4)),
                    static_cast<char>(tochar(31)),
                    static_cast<char>(tochar(4096 / 95)),
                    static_cast<char>(tochar(4096 % 95))};
        }
        std::vector<std::uint8_t> packet = {
            1, static_cast<std::uint8_t>(tochar(static_cast<int>(data.size()) + 3)),
            static_cast<std::uint8_t>(tochar(seq)), 'Y'};
        packet.insert(packet.end(), data.begin(), data.end());
        int sum = 0;
        for (std::size_t i = 1; i < packet.size(); ++i)
            sum += packet[i];
        packet.push_back(static_cast<std::uint8_t>(tochar((sum + ((sum & 192) >> 6)) & 63)));
        packet.push_back('\r');
        Queue(packet);
    }

    std::unique_ptr<std::uint8_t[]> decoded_;
    int lastDataSeq_ = -1;
    int checkType_ = 1;
};

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const std::uint64_t size = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 2ull << 30;
    const fs::path folder = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
    const fs::path path = folder / "corvix-send-memory.bin";
    {
        std::ofstream(path, std::ios::binary).close();
        fs::resize_file(path, size);
        std::ofstream(path, std::ios::binary | std::ios::in | std::ios::out)
            .seekp(static_cast<std::streamoff>(size / 2))
            .write("Stand 12, pine 31.5 cm\r\n", 24);
    }
    std::error_code error;
    std::unique_ptr<disk::FileSource> source = disk::FileSource::Open(path, error);
    if (source == nullptr) {
        std::fprintf(stderr, "cannot open %s: %s\n", path.c_str(), error.message().c_str());
        return 1;
    }
    const long before = PeakKiB();
    std::atomic<int> run{1};
    AckingLine line(run);
    disk::DiskFiles files;
    kermit::KermitEngine engine(line, files, run, {.packetLength = 4096, .slidingWindow = 31});
    const auto start = std::chrono::steady_clock::now();
    const kermit::Outcome outcome = engine.KermitSend("BIG.BIN", *source);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long after = PeakKiB();
    fs::remove(path, error);
    std::printf("file            %llu bytes (sparse)\n", static_cast<unsigned long long>(size));
    std::printf("outcome         %s, %llu bytes decoded by the receiver, %llu packets, %.1f s\n",
                outcome == kermit::Outcome::Done ? "done" : "FAILED",
                static_cast<unsigned long long>(line.bytes),
                static_cast<unsigned long long>(line.packets), seconds);
    std::printf("peak RSS        %.1f MB before the send, %.1f MB after it\n", before / 1024.0,
                after / 1024.0);
    return outcome == kermit::Outcome::Done && line.bytes == size ? 0 : 1;
}
