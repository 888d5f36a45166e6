#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <mutex>

#include "kermit/KermitPort.h"

// The packet log a support person reads: one line per Kermit packet that
// went over the line, in either direction, with the time, the direction,
// the type, the sequence number, the length and the data and check shown
// safely (control characters as ^X, bytes above 126 as \xNN), for example
//
//   14:02:11.348 sent     S seq  0 len  13 data "~* @-#Y3~^>J)0___" check "&"
//
// It frames the bytes itself, so it sees what the line carried, noise and
// broken packets included (a packet cut short is logged as "broken").
class PacketLog {
public:
    // Opens (replaces) the log file; false with error() when it cannot.
    bool Open(const QString& path);
    QString error() const { return file_.errorString(); }
    bool isOpen() const { return file_.isOpen(); }

    void Sent(const std::uint8_t* bytes, int length) { Feed(out_, bytes, length); }
    void Received(const std::uint8_t* bytes, int length) { Feed(in_, bytes, length); }

    // The line for one framed packet, without its time; for tests.
    static QByteArray Describe(const QByteArray& frame, int checkLength, bool broken);
    // `bytes` as they may be shown: printable ASCII as it is, the rest escaped.
    static QByteArray Visible(const QByteArray& bytes);

private:
    struct Framer {
        const char* direction;
        QByteArray frame;  // from its SOH on; empty outside a packet
    };

    void Feed(Framer& framer, const std::uint8_t* bytes, int length);
    void Write(const Framer& framer, bool broken);
    void FollowCheckType(const QByteArray& frame);

    QFile file_;
    Framer out_{"sent    ", {}};
    Framer in_{"received", {}};
    int checkLength_ = 1;     // of the packets after the Send-Init exchange
    char proposedCheck_ = 0;  // the check type of an S or I not yet answered
    std::mutex mutex_;
};

// A port that hands every byte it writes and reads to a PacketLog as well;
// without a log, it is the port it wraps.
class PacketLogPort : public kermit::ForwardingPort {
public:
    explicit PacketLogPort(kermit::KermitPort& port) : ForwardingPort(port) {}

    void SetLog(PacketLog* log) { log_ = log; }

    int ReadAvailable(std::uint8_t* buffer, int maxLength) override;
    int Write(const std::uint8_t* buffer, int length) override;

private:
    PacketLog* log_ = nullptr;
};
