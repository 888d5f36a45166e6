#pragma once

#include <chrono>
#include <cstdint>

namespace kermit {

// What the protocol engine needs of a serial line. The engine owns no I/O of
// its own, so a real port, a pseudo-terminal or a test peer can drive it.
class KermitPort {
public:
    virtual ~KermitPort() = default;

    // Bytes already received, at most maxLength; 0 when none are waiting.
    // Never waits for bytes that have not arrived.
    virtual int ReadAvailable(std::uint8_t* buffer, int maxLength) = 0;

    // Writes the whole buffer; returns the count the device took (0 on failure).
    virtual int Write(const std::uint8_t* buffer, int length) = 0;

    // Blocks until input may be waiting or `milliseconds` have passed,
    // whichever comes first. Spurious returns are allowed.
    virtual void WaitForInput(int milliseconds) = 0;

    // Like WaitForInput, while `bytes` more of a packet are due. A port on a
    // line that carries bytes no faster than its rate may let most of them
    // arrive before it looks, instead of waking for every piece.
    virtual void WaitForRest(int milliseconds, int bytes) {
        (void)bytes;
        WaitForInput(milliseconds);
    }

    // Serves whatever the calling thread has queued for itself.
    virtual void PumpMessages() = 0;

    // Milliseconds on a clock that never goes back. The engine times its few
    // bounded waits with it; a test line may keep a clock of its own.
    virtual std::int64_t NowMs() {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

// Passes everything to another port. A port that watches or records the line
// on its way derives from it and overrides only what it watches.
class ForwardingPort : public KermitPort {
public:
    explicit ForwardingPort(KermitPort& port) : port_(port) {}

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override {
        return port_.ReadAvailable(buffer, maxLength);
    }
    int Write(const std::uint8_t* buffer, int length) override {
        return port_.Write(buffer, length);
    }
    void WaitForInput(int milliseconds) override { port_.WaitForInput(milliseconds); }
    void WaitForRest(int milliseconds, int bytes) override {
        port_.WaitForRest(milliseconds, bytes);
    }
    void PumpMessages() override { port_.PumpMessages(); }
    std::int64_t NowMs() override { return port_.NowMs(); }

protected:
    KermitPort& port_;  // the port everything is passed to
};

}  // namespace kermit
