#include "worker/PacketLog.h"

#include <QTime>

namespace {

constexpr char kMark = 1;  // SOH, the start of every packet
// The longest frame: the extended header and 95 * 94 + 94 bytes after it.
constexpr int kLongestFrame = 7 + 95 * 94 + 94;

int Unchar(char c) {
    return static_cast<unsigned char>(c) - 32;
}

// The bytes a frame holds in all, known once its header has come; 0 before.
int FrameLength(const QByteArray& frame) {
    if (frame.size() < 2) return 0;
    const int len = Unchar(frame[1]);
    if (len != 0) return len < 0 ? 2 : 2 + len;
    if (frame.size() < 6) return 0;
    return 7 + 95 * Unchar(frame[4]) + Unchar(frame[5]);
}

int CheckLengthOf(char type) {
    return type == '3' ? 3 : type == '2' || type == 'B' ? 2 : 1;
}

// The check type field of a Send-Init's data (the eighth), '1' without one.
char CheckTypeOf(const QByteArray& frame) {
    return frame.size() > 4 + 7 + 1 && Unchar(frame[1]) != 0 ? frame[4 + 7] : '1';
}

}  // namespace

bool PacketLog::Open(const QString& path) {
    file_.setFileName(path);
    return file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
}

QByteArray PacketLog::Visible(const QByteArray& bytes) {
    QByteArray shown;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32)
            shown += '^' + QByteArray(1, static_cast<char>(u + 64));
        else if (u == 127)
            shown += "^?";
        else if (u > 127)
            shown += "\\x" + QByteArray::number(u, 16).rightJustified(2, '0');
        else if (c == '"' || c == '\\')
            shown += '\\' + QByteArray(1, c);
        else
            shown += c;
    }
    return shown;
}

QByteArray PacketLog::Describe(const QByteArray& frame, int checkLength, bool broken) {
    if (broken || frame.size() < 4)
        return "broken (" + QByteArray::number(frame.size()) + " bytes) \"" + Visible(frame) + '"';
    const int len = Unchar(frame[1]);
    const int dataStart = len == 0 ? 7 : 4;
    const int dataEnd = std::max<int>(dataStart, frame.size() - checkLength);
    QByteArray line = Visible(frame.mid(3, 1)) + " seq " +
                      QByteArray::number(Unchar(frame[2])).rightJustified(2, ' ') + " len " +
                      QByteArray::number(frame.size() - 2).rightJustified(4, ' ');
    if (len == 0) line += " (long)";
    return line + " data \"" + Visible(frame.mid(dataStart, dataEnd - dataStart)) + "\" check \"" +
           Visible(frame.mid(dataEnd)) + '"';
}

void PacketLog::Feed(Framer& framer, const std::uint8_t* bytes, int length) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!file_.isOpen()) return;
    for (int i = 0; i < length; ++i) {
        const char c = static_cast<char>(bytes[i]);
        if (c == kMark) {
            if (!framer.frame.isEmpty()) Write(framer, true);
            framer.frame = QByteArray(1, c);
            continue;
        }
        if (framer.frame.isEmpty()) continue;  // between packets: line ends, padding, noise
        framer.frame += c;
        const int whole = FrameLength(framer.frame);
        if (framer.frame.size() > kLongestFrame) {
            Write(framer, true);
            framer.frame.clear();
        } else if (whole != 0 && framer.frame.size() >= whole) {
            Write(framer, false);
            FollowCheckType(framer.frame);
            framer.frame.clear();
        }
    }
}

// The Send-Init exchange (S or I, answered with Y) agrees on the check of
// the packets after it: the one both proposed, else type 1.
void PacketLog::FollowCheckType(const QByteArray& frame) {
    const char type = frame.size() > 3 ? frame[3] : 0;
    if (type == 'S' || type == 'I') {
        proposedCheck_ = CheckTypeOf(frame);
        checkLength_ = 1;
    } else if (type == 'Y' && proposedCheck_ != 0) {
        checkLength_ = CheckTypeOf(frame) == proposedCheck_ ? CheckLengthOf(proposedCheck_) : 1;
        proposedCheck_ = 0;
    }
}

void PacketLog::Write(const Framer& framer, bool broken) {
    const int check = framer.frame.size() > 3 && (framer.frame[3] == 'S' ||
                                                  framer.frame[3] == 'I' || proposedCheck_ != 0)
                          ? 1
                          : checkLength_;
    const QByteArray line =
        QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")).toLatin1() + ' ' +
        framer.direction + ' ' + Describe(framer.frame, check, broken) + '\n';
    file_.write(line);
    file_.flush();
}

int PacketLogPort::ReadAvailable(std::uint8_t* buffer, int maxLength) {
    const int got = port_.ReadAvailable(buffer, maxLength);
    if (log_ != nullptr && got > 0) log_->Received(buffer, got);
    return got;
}

int PacketLogPort::Write(const std::uint8_t* buffer, int length) {
    const int written = port_.Write(buffer, length);
    if (log_ != nullptr && written > 0) log_->Sent(buffer, written);
    return written;
}
