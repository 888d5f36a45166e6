#pragma once

#include <cstdint>
#include <string>

namespace soak {

// A file of `minSize` to `maxSize` bytes as the caliper's line carries them:
// stretches of tree records (text with CR LF) alternating with stretches of
// program image (random bytes, runs of zeros and of 0xFF). The same seed
// always gives the same file.
std::string MakeSoakFile(std::uint64_t seed, int minSize, int maxSize);

}  // namespace soak
