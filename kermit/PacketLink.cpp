#include <algorithm>
#include <cstdio>
#include <cstring>

#include "kermit/PacketLink.h"

namespace kermit {

PacketLink::PacketLink(KermitPort& port, std::atomic<int>& runFlag, const Offer& offer)
    : port_(port), runFlag_(runFlag), offer_(offer) {}

// The run flag is left alone: it belongs to the job, and setting it here could
// swallow a stop that arrived between two transactions.
void PacketLink::Reset() {
    state_ = State{};
    stopped_ = false;
}

void PacketLink::SetStatus(std::string_view text) {
    char aligned[sizeof state_.statusText];
    std::snprintf(aligned, sizeof aligned, "%13.*s", static_cast<int>(text.size()), text.data());
    std::memcpy(state_.statusText, aligned, sizeof state_.statusText);
    stopped_ = false;
}

void PacketLink::SetStatusPlain(std::string_view text) {
    const size_t n = std::min(text.size(), sizeof state_.statusText - 1);
    std::memcpy(state_.statusText, text.data(), n);
    state_.statusText[n] = '\0';
    stopped_ = false;
}

// A stop shows as QUIT, right-aligned as every status, or plain where the
// sender meets it between answers.
void PacketLink::Stop() {
    SetStatus("QUIT");
    stopped_ = true;
}

void PacketLink::StopPlain() {
    SetStatusPlain("QUIT");
    stopped_ = true;
}

PacketLink::SavedStatus PacketLink::SaveStatus() const {
    return {state_.statusText, stopped_};
}

void PacketLink::RestoreStatus(const SavedStatus& saved) {
    SetStatusPlain(saved.text);
    stopped_ = saved.stopped;
}

Outcome PacketLink::Ended(bool done) const {
    if (done) return Outcome::Done;
    return stopped_ ? Outcome::Stopped : Outcome::Failed;
}

void PacketLink::SetReceivedField(const std::uint8_t* field, int len) {
    len = std::clamp(len, 0, kMaxPacketData);
    if (len > 0) std::memcpy(state_.recvBuffer, field, len);
}

int PacketLink::PutText(std::string_view text, int limit) {
    const int n = static_cast<int>(std::min<std::size_t>(text.size(), limit));
    std::memcpy(state_.sendBuffer, text.data(), n);
    return n;
}

void PacketLink::ArmNoAnswerHint(int milliseconds) {
    hintAt_ = state_.peerAnswered ? 0 : port_.NowMs() + milliseconds;
}

// Called while the first wait of a send waits for a byte: once it is late,
// the observer hears of it, once.
void PacketLink::HintIfLate() {
    if (hintAt_ == 0) return;
    if (state_.peerAnswered) {
        hintAt_ = 0;
        return;
    }
    if (port_.NowMs() < hintAt_) return;
    hintAt_ = 0;
    if (observer_ != nullptr) observer_->OnNoAnswerYet();
}

// The next byte that has arrived, or -1 when none is waiting. The port is
// read only when every byte of the last read has been handed out.
int PacketLink::TakeByte() {
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
void PacketLink::WaitForLine(int milliseconds) {
    if (awaited_ > 1)
        port_.WaitForRest(milliseconds, awaited_);
    else
        port_.WaitForInput(milliseconds);
}

// Waits for the next byte without a time limit, in short timed waits; in
// the first wait of a send it tells the observer when no answer has come in
// time.
int PacketLink::ReadByte() {
    for (;;) {
        HintIfLate();
        const int c = ReadByteWithin(kWaitSliceMs);
        if (c != kTimedOut) return c;
    }
}

// Waits at most `milliseconds` for the next byte: the byte, kTimedOut when
// none came in time, or kFailed when the run flag was cleared. Between
// blocking waits of at most kWaitSliceMs it serves the thread's own messages
// and looks at the run flag. A port read right after a wait is not asked
// again before the next wait (unless no time is left to wait): a byte that
// came since ends that wait at once, and a packet trickling in costs one
// wait and one read a piece.
int PacketLink::ReadByteWithin(int milliseconds) {
    if (inputNext_ < inputEnd_) return input_[inputNext_++];
    if (!inputAfterWait_ || milliseconds <= 0) {
        const int c = TakeByte();
        if (c >= 0) return c;
    }
    const std::int64_t deadline = port_.NowMs() + milliseconds;
    for (;;) {
        port_.PumpMessages();
        if (RunFlagCleared()) {
            Stop();
            return kFailed;
        }
        const std::int64_t left = deadline - port_.NowMs();
        if (left <= 0) return kTimedOut;
        WaitForLine(static_cast<int>(std::min<std::int64_t>(left, kWaitSliceMs)));
        const int c = TakeByte();
        inputAfterWait_ = true;
        if (c >= 0) return c;
    }
}

}  // namespace kermit
