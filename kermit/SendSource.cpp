#include "kermit/SendSource.h"

#include <algorithm>
#include <cstring>

namespace kermit {

std::ptrdiff_t MemorySource::Read(std::uint8_t* buffer, std::size_t capacity) {
    const std::size_t n = std::min(capacity, length_ - at_);
    if (n > 0) std::memcpy(buffer, data_ + at_, n);
    at_ += n;
    return static_cast<std::ptrdiff_t>(n);
}

// Room for two offers: the bytes left over are moved to the front once an
// offer's worth has gone, not after every packet.
SourceReader::SourceReader(SendSource& source, std::size_t offer)
    : source_(source),
      offer_(std::max<std::size_t>(offer, 1)),
      capacity_(offer_ * 2),
      buffer_(new std::uint8_t[capacity_]) {}

bool SourceReader::More() {
    if (failed_) return false;
    if (Available() < offer_ && !ended_) Fill();
    return !failed_ && Available() > 0;
}

void SourceReader::Consume(std::size_t n) {
    n = std::min(n, Available());
    begin_ += n;
    position_ += n;
}

// Reads until the buffer is full or the source ends. A source that gives
// more than the length it announced has grown: the send fails rather than
// send a file of another length than the attribute packet said.
void SourceReader::Fill() {
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, Available());
        end_ -= begin_;
        begin_ = 0;
    }
    while (end_ < capacity_ && !ended_) {
        const std::ptrdiff_t got = source_.Read(buffer_.get() + end_, capacity_ - end_);
        if (got < 0) {
            failed_ = true;
            return;
        }
        if (got == 0) ended_ = true;
        end_ += static_cast<std::size_t>(got);
        read_ += static_cast<std::uint64_t>(got);
    }
    if (read_ > source_.Length()) failed_ = true;
}

bool SourceReader::Whole() {
    if (failed_ || read_ != source_.Length()) {
        failed_ = true;
        return false;
    }
    failed_ = !source_.Unchanged();
    return !failed_;
}

}  // namespace kermit
