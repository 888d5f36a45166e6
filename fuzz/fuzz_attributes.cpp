// The attribute packet's data field: whatever a peer sends reads without
// reading past its end, every value read is in range, and what is read,
// built again, reads back the same. An answer to one reads the same way.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "kermit/Attributes.h"

namespace {

bool InRange(const kermit::FileDate& d) {
    return d.year >= 0 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= 31 && d.hour >= 0 && d.hour <= 23 && d.minute >= 0 && d.minute <= 59 &&
           d.second >= 0 && d.second <= 59;
}

bool Same(const kermit::FileAttributes& a, const kermit::FileAttributes& b) {
    return a.length == b.length && a.lengthK == b.lengthK && a.date == b.date && a.type == b.type;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int len = static_cast<int>(size > 4096 ? 4096 : size);
    kermit::FileAttributes read;
    kermit::ParseAttributes(data, len, read);
    if (read.date && !InRange(*read.date)) std::abort();

    const std::string built = kermit::BuildAttributes(read, 90);
    if (built.size() > 90) std::abort();
    kermit::FileAttributes again;
    kermit::ParseAttributes(reinterpret_cast<const std::uint8_t*>(built.data()),
                            static_cast<int>(built.size()), again);
    if (!Same(read, again)) std::abort();

    const auto date =
        kermit::ParseFileDate(std::string_view(reinterpret_cast<const char*>(data), len));
    if (date && !InRange(*date)) std::abort();

    const kermit::AttributeAnswer answer = kermit::ParseAttributeAnswer(data, len);
    if (answer.accepted != (len == 0 || data[0] != 'N')) std::abort();
    if (!answer.accepted && answer.refusedBy.size() != static_cast<std::size_t>(len - 1))
        std::abort();
    return 0;
}
