#pragma once

#include <cstdint>

namespace kermit {

// The three block checks of Kermit packets, over the characters from LEN to
// the end of the data field:
//   1: a 6-bit sum in one character (what the caliper speaks)
//   2: a 12-bit sum in two characters
//   3: CRC-16 (CCITT polynomial, reflected, starting at 0) in three characters
// Types outside 1..3 are taken as 1.

// Characters the check of this type takes on the line.
int CheckLength(int type);

// The check of `type` for the running sum and CRC of the characters, as
// printable characters in out[0..CheckLength(type)).
void MakeCheck(int type, int sum, std::uint16_t crc, std::uint8_t* out);

// The CRC-16 after one more character.
std::uint16_t Crc16Step(std::uint16_t crc, std::uint8_t c);

}  // namespace kermit
