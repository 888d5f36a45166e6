#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace kermit {

// The bytes of a file being sent, read a piece at a time as its packets go,
// so that a file of any size costs the memory of a few packets. Whoever
// starts a send hands one in (disk/ reads the system's files); the engine
// itself opens nothing.
class SendSource {
public:
    virtual ~SendSource() = default;

    // The length the file had when the send began: what the attribute
    // packet announces.
    virtual std::uint64_t Length() const = 0;
    // Up to `capacity` of the next bytes into `buffer`: how many came, 0 at
    // the end of the file, -1 when it could not be read.
    virtual std::ptrdiff_t Read(std::uint8_t* buffer, std::size_t capacity) = 0;
    // Asked once every byte has been read, before the file is closed on the
    // receiver's side: true when the file is still as it was when the send
    // began (its length and its date), and all of it came.
    virtual bool Unchanged() = 0;
};

// Bytes in memory, which the caller keeps while the send runs.
class MemorySource : public SendSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t length) : data_(data), length_(length) {}

    std::uint64_t Length() const override { return length_; }
    std::ptrdiff_t Read(std::uint8_t* buffer, std::size_t capacity) override;
    bool Unchanged() override { return true; }

private:
    const std::uint8_t* data_;
    std::size_t length_;
    std::size_t at_ = 0;
};

// The engine's side of a source: the bytes not yet sent, always at least
// `offer` of them in one piece while the file has them, so that one
// EncodeData sees as much as a data field can hold.
class SourceReader {
public:
    SourceReader(SendSource& source, std::size_t offer);

    // True while bytes remain: Data() holds min(offer, what is left) of
    // them at least. False at the end, and when the source failed
    // (Failed()): a short read, a read error, or a file that grew.
    bool More();
    const std::uint8_t* Data() const { return buffer_.get() + begin_; }
    std::size_t Available() const { return end_ - begin_; }
    void Consume(std::size_t n);
    // Bytes consumed so far.
    std::uint64_t Position() const { return position_; }
    bool Failed() const { return failed_; }
    // At the end: every byte announced came and the source says the file
    // did not change meanwhile.
    bool Whole();

private:
    void Fill();

    SendSource& source_;
    std::size_t offer_;
    std::size_t capacity_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t begin_ = 0, end_ = 0;
    std::uint64_t position_ = 0;  // bytes consumed
    std::uint64_t read_ = 0;      // bytes read from the source
    bool ended_ = false;          // the source said it has no more
    bool failed_ = false;
};

}  // namespace kermit
