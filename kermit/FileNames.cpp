#include "kermit/FileNames.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kermit {
namespace {

bool IsForbidden(unsigned char c) {
    return c < 32 || c == 127 ||
           std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string_view LastComponent(std::string_view name) {
    const size_t cut = name.find_last_of("/\\");
    if (cut != std::string_view::npos) name.remove_prefix(cut + 1);
    if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0])))
        name.remove_prefix(2);
    return name;
}

bool IsReservedDeviceName(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
           stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

std::string PlainFileName(std::string_view name, bool windowsRules) {
    std::string plain(LastComponent(name));
    for (char& c : plain) {
        if (IsForbidden(static_cast<unsigned char>(c))) c = '_';
    }
    if (windowsRules) {
        while (!plain.empty() && (plain.back() == '.' || plain.back() == ' '))
            plain.pop_back();
        if (IsReservedDeviceName(plain)) plain.insert(0, 1, '_');
    }
    if (plain.empty() || plain == "." || plain == "..") plain.assign(1, '_');
    return plain;
}

bool IsPlainFileName(std::string_view name, bool windowsRules) {
    return !name.empty() && PlainFileName(name, windowsRules) == name;
}

}  // namespace kermit
