#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <optional>

// How much of a file whose length its sender announced has arrived, and how
// long the rest will take at the rate seen so far. The rate is timed from
// the first count after the announcement, so that a question put to the user
// before the data flows does not slow it down.
class ReceiveShare {
public:
    using Clock = std::chrono::steady_clock;

    // The sender announced `length` bytes for the file now arriving; 0 says
    // nothing the share could be taken of.
    void Announce(std::uint64_t length);
    // `bytes` of the file have arrived by `now`.
    void Progress(std::uint64_t bytes, Clock::time_point now);
    // The file has ended: no length is announced any more.
    void Reset() { *this = ReceiveShare(); }

    bool announced() const { return length_ > 0; }
    std::uint64_t length() const { return length_; }
    // 0 to 100; a file longer than announced stays at 100.
    int Percent() const;
    // The seconds the rest will take; nothing until the data has flowed for
    // a second, or when the whole length has arrived.
    std::optional<std::int64_t> SecondsLeft() const;
    // "42% of 12345 bytes", with "about 20 s left" or "about 3 min left" once
    // that can be told.
    QString Text(const QStringList& texts) const;

private:
    std::uint64_t length_ = 0;
    std::uint64_t bytes_ = 0;
    std::optional<Clock::time_point> startTime_;
    std::uint64_t startBytes_ = 0;
    Clock::time_point last_;
};
