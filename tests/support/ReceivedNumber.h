#pragma once

#include "kermit/Outcome.h"

namespace test_support {

// A receive's outcome as one number to compare: the bytes of the file
// received (0 for a request answered), -1 when the call failed or was
// stopped, kNeither for a refused request or a discarded file.
inline constexpr int kNeither = -1000;

inline int ReceivedNumber(const kermit::Received& r) {
    if (r.outcome == kermit::Outcome::Done) return r.bytes;
    const bool failed =
        r.outcome == kermit::Outcome::Failed || r.outcome == kermit::Outcome::Stopped;
    return failed ? -1 : kNeither;
}

}  // namespace test_support
