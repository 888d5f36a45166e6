#include "app/LeadingNumber.h"

#include <limits>

int LeadingNumber(QStringView text) {
    qsizetype pos = 0;
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long value = 0;
    for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos) {
        value = value * 10 + (text[pos].unicode() - u'0');
        if (value > kLimit + 1) value = kLimit + 1;
    }
    if (negative) return static_cast<int>(-value);
    return static_cast<int>(value > kLimit ? kLimit : value);
}
