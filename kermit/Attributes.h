#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kermit {

// A moment on the sender's clock, as an attribute packet carries it: local
// time, broken down, with no zone.
struct FileDate {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const FileDate&) const = default;
};

// What the attribute packets of one file announce; each field only when it
// came and could be read.
struct FileAttributes {
    enum class Type { Unknown, Text, Binary };

    std::optional<std::uint64_t> length;   // '1': the length in bytes, exact
    std::optional<std::uint64_t> lengthK;  // '!': the length in K (1024 bytes), rounded up
    std::optional<FileDate> date;          // '#': the file's date
    Type type = Type::Unknown;             // '"': "A..." text, anything else binary

    // The length as best known: the exact one, else the K one in bytes.
    std::optional<std::uint64_t> Announced() const;
};

// The data field of an A packet for `attributes` (type, date, length in K,
// length), each attribute char, tochar(length), value. Attributes that would
// not fit `room` characters are left out, the later ones first.
std::string BuildAttributes(const FileAttributes& attributes, int room);

// Reads the data field of one A packet into `attributes`, on top of what
// earlier A packets of the file said. Unknown attributes are skipped; a value
// that cannot be read is ignored; a field that runs past the end ends the
// reading.
void ParseAttributes(const std::uint8_t* data, int len, FileAttributes& attributes);

// Reads a date in the forms the protocol allows: [yy]yymmdd, then
// optionally a blank and hh:mm or hh:mm:ss. Nothing when it is none of them.
std::optional<FileDate> ParseFileDate(std::string_view text);

// The answer to an A packet: "Y" takes the file; "N" and the attribute
// characters that made it refuse ("N1": its length) refuse it.
std::string BuildAttributeAnswer(std::string_view refusedBy);
struct AttributeAnswer {
    bool accepted = true;
    std::string refusedBy;  // the attribute characters named by a refusal
};
// An empty answer, or any other than "N...", takes the file.
AttributeAnswer ParseAttributeAnswer(const std::uint8_t* data, int len);

}  // namespace kermit
