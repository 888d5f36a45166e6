#include <cstdio>
#include <cstring>

#include "kermit/KermitEngine.h"

namespace kermit {

KermitEngine::KermitEngine(KermitPort& port, std::atomic<int>& runFlag)
    : port_(port), runFlag_(runFlag) {}

// The run flag is left alone: it belongs to the job, and setting it here could
// swallow a stop that arrived between two transactions.
void KermitEngine::ResetEngine() {
    static_cast<KermitState&>(*this) = KermitState{};
}

int KermitEngine::SetStatus(std::string_view text) {
    char aligned[sizeof statusText];
    std::snprintf(aligned, sizeof aligned, "%13.*s", static_cast<int>(text.size()), text.data());
    std::memcpy(statusText, aligned, sizeof statusText);
    return -1;
}

void KermitEngine::SetStatusPlain(std::string_view text) {
    const size_t n = std::min(text.size(), sizeof statusText - 1);
    std::memcpy(statusText, text.data(), n);
    statusText[n] = '\0';
}

// Waits for the next byte without a time limit; between short blocking waits
// it serves the thread's own messages and looks at the run flag.
int KermitEngine::ReadByte() {
    std::uint8_t byte = 0;
    if (port_.ReadAvailable(&byte, 1) == 1) return byte;
    for (;;) {
        port_.PumpMessages();
        if (RunFlagCleared()) return SetStatus("QUIT");
        if (port_.ReadAvailable(&byte, 1) == 1) return byte;
        port_.WaitForInput(kWaitSliceMs);
    }
}

}  // namespace kermit
