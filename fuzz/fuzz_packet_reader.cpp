// The packet reader over a line that carries nothing but the fuzz input:
// every read ends with a packet whose length fits the buffer, a reported
// fault, or the stop that comes when the input runs dry.
#include <cstdlib>
#include <cstring>

#include "FuzzLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::atomic<int> run{1};
    corvix_fuzz::FuzzLine line(data, size, run);
    kermit::KermitEngine engine(line, run);
    engine.ResetEngine();
    std::size_t reads = 0;
    while (run.load() != 0) {
        const std::size_t before = line.Remaining();
        int len = -1, seq = -1, type = -1;
        if (engine.GetPacket(len, seq, type, engine.recvBuffer) == 0) {
            if (len < 0 || len > 94) std::abort();
            if (seq < -32 || seq > 223 || type < 0 || type > 255) std::abort();
        } else if (std::strstr(engine.statusText, "QUIT") != nullptr) {
            if (line.Remaining() != 0) std::abort();  // a stop nobody asked for
        }
        // Every read takes input or ends with the stop.
        if (line.Remaining() == before && run.load() != 0) std::abort();
        if (++reads > size + 1) std::abort();
    }
    return 0;
}
