#include <windows.h>

#include "disk/EightBitText.h"

namespace disk {
namespace {

// The ANSI code page's tables live in the system and nowhere else. Text goes
// through UTF-16 both ways.
std::wstring Widen(unsigned codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), wide.data(), n);
    return wide;
}

// No best-fit mapping: a character the code page lacks becomes '?' and never
// a look-alike ('/' for a fraction slash would make a folder of a name). A
// system whose ANSI code page is UTF-8 takes neither option.
std::string Narrow(unsigned codePage, const std::wstring& wide) {
    if (wide.empty()) return {};
    const DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    const int n = WideCharToMultiByte(codePage, flags, wide.data(), int(wide.size()), nullptr, 0,
                                      fallback, nullptr);
    std::string bytes(size_t(n), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), int(wide.size()), bytes.data(), n, fallback,
                        nullptr);
    return bytes;
}

}  // namespace

std::string EightBitToUtf8(std::string_view bytes) {
    return Narrow(CP_UTF8, Widen(GetACP(), bytes));
}

std::string Utf8ToEightBit(std::string_view utf8) {
    return Narrow(GetACP(), Widen(CP_UTF8, utf8));
}

unsigned EightBitCodePage() {
    return GetACP();
}

}  // namespace disk
