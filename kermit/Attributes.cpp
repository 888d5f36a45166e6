#include "kermit/Attributes.h"

#include <cstdio>

#include "kermit/Characters.h"

namespace kermit {
namespace {

constexpr char kLength = '1';
constexpr char kLengthK = '!';
constexpr char kDate = '#';
constexpr char kType = '"';
constexpr int kMaxValue = 94;  // tochar(length) is one printable character

// A decimal number of digits only, that fits 64 bits; nothing otherwise.
std::optional<std::uint64_t> Decimal(std::string_view text) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// `count` digits at `at` as a number; -1 when any is not a digit.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) return -1;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int DaysIn(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// "hh:mm" or "hh:mm:ss" into `date`; false when it is neither.
bool ParseTime(std::string_view text, FileDate& date) {
    if (text.size() != 5 && text.size() != 8) return false;
    if (text[2] != ':' || (text.size() == 8 && text[5] != ':')) return false;
    date.hour = Digits(text, 0, 2);
    date.minute = Digits(text, 3, 2);
    date.second = text.size() == 8 ? Digits(text, 6, 2) : 0;
    return date.hour >= 0 && date.hour <= 23 && date.minute >= 0 && date.minute <= 59 &&
           date.second >= 0 && date.second <= 59;
}

void Put(std::string& out, char attribute, const std::string& value, int room) {
    if (value.size() > kMaxValue) return;
    if (static_cast<int>(out.size() + 2 + value.size()) > room) return;
    out += attribute;
    out += static_cast<char>(tochar(static_cast<int>(value.size())));
    out += value;
}

}  // namespace

std::optional<std::uint64_t> FileAttributes::Announced() const {
    if (length) return length;
    if (lengthK && *lengthK <= UINT64_MAX / 1024) return *lengthK * 1024;
    return std::nullopt;
}

std::optional<FileDate> ParseFileDate(std::string_view text) {
    const std::size_t blank = text.find(' ');
    const std::string_view day = text.substr(0, blank);
    if (day.size() != 6 && day.size() != 8) return std::nullopt;
    FileDate date;
    const std::size_t yearDigits = day.size() - 4;
    date.year = Digits(day, 0, yearDigits);
    date.month = Digits(day, yearDigits, 2);
    date.day = Digits(day, yearDigits + 2, 2);
    if (date.year < 0 || date.month < 1 || date.month > 12) return std::nullopt;
    // Two digits of the year: 70 to 99 are the 1900s, the rest this century.
    if (yearDigits == 2) date.year += date.year >= 70 ? 1900 : 2000;
    if (date.day < 1 || date.day > DaysIn(date.year, date.month)) return std::nullopt;
    if (blank != std::string_view::npos && !ParseTime(text.substr(blank + 1), date))
        return std::nullopt;
    return date;
}

std::string BuildAttributes(const FileAttributes& attributes, int room) {
    std::string out;
    if (attributes.type != FileAttributes::Type::Unknown)
        Put(out, kType, attributes.type == FileAttributes::Type::Text ? "A" : "B8", room);
    if (attributes.date) {
        const FileDate& d = *attributes.date;
        char text[64];
        std::snprintf(text, sizeof text, "%04d%02d%02d %02d:%02d:%02d", d.year, d.month, d.day,
                      d.hour, d.minute, d.second);
        Put(out, kDate, text, room);
    }
    if (attributes.lengthK) Put(out, kLengthK, std::to_string(*attributes.lengthK), room);
    if (attributes.length) Put(out, kLength, std::to_string(*attributes.length), room);
    return out;
}

void ParseAttributes(const std::uint8_t* data, int len, FileAttributes& attributes) {
    int at = 0;
    while (at + 2 <= len) {
        const char attribute = static_cast<char>(data[at]);
        const int n = unchar(data[at + 1]);
        if (n < 0 || at + 2 + n > len) return;
        const std::string_view value(reinterpret_cast<const char*>(data + at + 2),
                                     static_cast<std::size_t>(n));
        at += 2 + n;
        if (attribute == kLength) {
            if (const auto v = Decimal(value)) attributes.length = v;
        } else if (attribute == kLengthK) {
            if (const auto v = Decimal(value)) attributes.lengthK = v;
        } else if (attribute == kDate) {
            if (const auto d = ParseFileDate(value)) attributes.date = d;
        } else if (attribute == kType && !value.empty()) {
            attributes.type =
                value[0] == 'A' ? FileAttributes::Type::Text : FileAttributes::Type::Binary;
        }
    }
}

std::string BuildAttributeAnswer(std::string_view refusedBy) {
    if (refusedBy.empty()) return "Y";
    return "N" + std::string(refusedBy);
}

AttributeAnswer ParseAttributeAnswer(const std::uint8_t* data, int len) {
    AttributeAnswer answer;
    if (len <= 0 || data[0] != 'N') return answer;
    answer.accepted = false;
    answer.refusedBy.assign(reinterpret_cast<const char*>(data + 1),
                            static_cast<std::size_t>(len - 1));
    return answer;
}

}  // namespace kermit
