#include "app/StoredNumber.h"

#include <limits>

std::optional<int> StoredNumber(const QVariant& stored) {
    bool ok = false;
    const qlonglong value = stored.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}
