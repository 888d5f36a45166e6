#include <algorithm>
#include <cstdio>
#include <cstring>

#include "kermit/KermitEngine.h"
#include "kermit/ReceiveSlidingWindow.h"
#include "kermit/SendSlidingWindow.h"

namespace kermit {

KermitEngine::KermitEngine(KermitPort& port, KermitFiles& files, std::atomic<int>& runFlag)
    : windowsNameRules(files.WindowsNameRules()), port_(port), runFlag_(runFlag), files_(files) {}

KermitEngine::~KermitEngine() = default;

// The run flag is left alone: it belongs to the job, and setting it here could
// swallow a stop that arrived between two transactions.
void KermitEngine::ResetEngine() {
    static_cast<KermitState&>(*this) = KermitState{};
    stopped_ = false;
}

void KermitEngine::SetStatus(std::string_view text) {
    char aligned[sizeof statusText];
    std::snprintf(aligned, sizeof aligned, "%13.*s", static_cast<int>(text.size()), text.data());
    std::memcpy(statusText, aligned, sizeof statusText);
    stopped_ = false;
}

void KermitEngine::SetStatusPlain(std::string_view text) {
    const size_t n = std::min(text.size(), sizeof statusText - 1);
    std::memcpy(statusText, text.data(), n);
    statusText[n] = '\0';
    stopped_ = false;
}

// A stop shows as QUIT, right-aligned as every status, or plain where the
// sender meets it between answers.
void KermitEngine::Stop() {
    SetStatus("QUIT");
    stopped_ = true;
}

void KermitEngine::StopPlain() {
    SetStatusPlain("QUIT");
    stopped_ = true;
}

KermitEngine::SavedStatus KermitEngine::SaveStatus() const {
    return {statusText, stopped_};
}

void KermitEngine::RestoreStatus(const SavedStatus& saved) {
    SetStatusPlain(saved.text);
    stopped_ = saved.stopped;
}

Outcome KermitEngine::Ended(bool done) const {
    if (done) return Outcome::Done;
    return stopped_ ? Outcome::Stopped : Outcome::Failed;
}

// The next byte that has arrived, or -1 when none is waiting. The port is
// read only when every byte of the last read has been handed out.
int KermitEngine::TakeByte() {
    if (inputNext_ == inputEnd_) {
        const int got = port_.ReadAvailable(input_, kInputSize);
        inputAfterWait_ = false;
        if (got <= 0) return -1;
        inputNext_ = 0;
        inputEnd_ = std::min(got, kInputSize);
        staleEnd_ = 0;
        ++inputReads_;
    }
    return input_[inputNext_++];
}

// Within a packet the port is told how much of it is still due.
void KermitEngine::WaitForLine(int milliseconds) {
    if (awaited_ > 1)
        port_.WaitForRest(milliseconds, awaited_);
    else
        port_.WaitForInput(milliseconds);
}

// Waits for the next byte without a time limit; between short blocking waits
// it serves the thread's own messages, looks at the run flag and, in the
// first wait of a send, tells the observer when no answer has come in time. A port that
// the read after a wait emptied is not asked again before the next wait: a
// byte that came since ends that wait at once, and a packet trickling in
// costs one wait and one read a piece.
int KermitEngine::ReadByte() {
    if (inputNext_ < inputEnd_) return input_[inputNext_++];
    if (!inputAfterWait_) {
        const int c = TakeByte();
        if (c >= 0) return c;
    }
    for (;;) {
        port_.PumpMessages();
        if (RunFlagCleared()) {
            Stop();
            return kFailed;
        }
        HintIfLate();
        WaitForLine(kWaitSliceMs);
        const int c = TakeByte();
        if (c >= 0) {
            inputAfterWait_ = true;
            return c;
        }
    }
}

// Waits at most `milliseconds` for the next byte: the byte, kTimedOut when
// none came in time, or kFailed when the run flag was cleared.
int KermitEngine::ReadByteWithin(int milliseconds) {
    const std::int64_t deadline = port_.NowMs() + milliseconds;
    for (;;) {
        const int c = TakeByte();
        if (c >= 0) return c;
        port_.PumpMessages();
        if (RunFlagCleared()) {
            Stop();
            return kFailed;
        }
        const std::int64_t left = deadline - port_.NowMs();
        if (left <= 0) return kTimedOut;
        WaitForLine(static_cast<int>(std::min<std::int64_t>(left, kWaitSliceMs)));
    }
}

}  // namespace kermit
