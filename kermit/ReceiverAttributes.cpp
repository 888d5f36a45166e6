#include "kermit/Receiver.h"

namespace kermit {

// The answer to the file's attribute packets as it stands: Y, or N and the
// attributes that made this side refuse the file.
void Receiver::SendAttributeAnswer() {
    const int n = link_.PutText(BuildAttributeAnswer(incoming_.refusedBy), 94);
    link_.PutPacket(n, state_.seq, packet::Ack, link_.SendBuffer());
}

// An A packet of the file now arriving (its data field `len` long). What it
// announces is taken; a file longer than the room left in its folder is
// refused before any of its data comes, and nothing of it is kept.
void Receiver::AnswerAttributes(IncomingFile& file, int len) {
    ParseAttributes(link_.ReceivedField(), len, incoming_.attributes);
    const FileAttributes& attributes = incoming_.attributes;
    incoming_.attributesAnswered = true;
    if (attributes.date) file.SetModified(*attributes.date);
    const std::optional<std::uint64_t> announced = attributes.Announced();
    if (announced && incoming_.refusedBy.empty() && !incoming_.dataBegun) {
        const std::optional<std::uint64_t> room = files_.FreeSpace(file.Target().parent_path());
        if (room && *announced > *room) {
            incoming_.refusedBy.assign(1, attributes.length ? '1' : '!');
            if (observer_ != nullptr)
                observer_->OnFileRefused(files_.NameFromPath(file.Target()), *announced, *room);
        } else if (observer_ != nullptr && announced != incoming_.announced) {
            observer_->OnReceiveFileAnnounced(*announced);
        }
        incoming_.announced = announced;
    }
    SendAttributeAnswer();
}

// The file's Z has come (`discard`: it carries D), after `bytes` bytes of
// data. The file is put in place only when it came whole: not refused by this
// side, not given up by the sender, and at the length the sender announced.
// The length is not held against a text file: its sender announces its own
// length and changes the line ends on the way. The Z is answered either way,
// but when the file cannot be put in place.
Received Receiver::FileEnded(IncomingFile& file, bool discard, std::int64_t bytes) {
    const FileAttributes& attributes = incoming_.attributes;
    if (!incoming_.refusedBy.empty()) {
        link_.PutPacket(0, state_.seq, packet::Ack, nullptr);
        file.Abandon();
        return {Outcome::FileRefused};
    }
    if (discard) {
        link_.PutPacket(0, state_.seq, packet::Ack, nullptr);
        return NotReceived(file, KermitObserver::NotWhole::Discarded);
    }
    const bool text = attributes.type == FileAttributes::Type::Text;
    if (attributes.length && !text && *attributes.length != static_cast<std::uint64_t>(bytes)) {
        link_.PutPacket(0, state_.seq, packet::Ack, nullptr);
        return NotReceived(file, KermitObserver::NotWhole::LengthDiffers);
    }
    if (!file.Finish()) return WriteFailed(file);
    link_.PutPacket(0, state_.seq, packet::Ack, nullptr);
    if (observer_ != nullptr)
        observer_->OnFileReceived(files_.NameFromPath(file.Target()),
                                  static_cast<std::uint64_t>(bytes));
    constexpr std::int64_t kMostBytes = 0x7FFFFFFF;
    return {Outcome::Done, static_cast<int>(bytes < kMostBytes ? bytes : kMostBytes)};
}

}  // namespace kermit
