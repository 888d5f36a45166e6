#pragma once

namespace kermit {

// Kermit's character coding of numbers and control characters: a number
// 0..94 as a printable character (tochar) and back (unchar); a control
// character as a printable one and back (ctl).
inline constexpr int tochar(int x) {
    return x + 32;
}
inline constexpr int unchar(int x) {
    return x - 32;
}
inline constexpr int ctl(int x) {
    return x ^ 64;
}

}  // namespace kermit
