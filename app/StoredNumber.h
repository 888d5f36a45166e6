#pragma once

#include <QVariant>

#include <optional>

// A stored setting read as a whole number: a number, or a text that is one
// (blanks around it allowed). Nothing for any other value and for a number
// beyond the int range, which must not wrap round into a plausible one.
std::optional<int> StoredNumber(const QVariant& stored);
