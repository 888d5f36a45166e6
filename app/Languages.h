#pragma once

#include <QString>

#include <array>

// One interface language: its code, its file in the program folder, the
// Language menu command that chooses it and the menu item's own text.
struct LanguageInfo {
    const char* code;        // "DEU"
    const char* fileName;    // "Corvix-DEU.xml"
    int commandId;           // 32798 ...
    const char* menuText;    // UTF-8, "&Deutsch"
    const char* localeName;  // the language's ISO 639 code, "de", for Qt's own texts
};

inline constexpr int kLanguageCount = 13;
inline constexpr int kEnglish = 1;
inline constexpr int kFirstLanguageCommand = 32798;
inline constexpr int kLastLanguageCommand = kFirstLanguageCommand + kLanguageCount - 1;

// The thirteen languages by the index stored in the setting "Language".
const std::array<LanguageInfo, kLanguageCount>& Languages();

// The index chosen by a Language menu command; commands outside the menu's
// range choose index 0, as the menu always has.
int LanguageForCommand(int commandId);

// `index` when it names a language, otherwise English.
int ValidLanguage(int index);

QString LanguageFileName(int index);
QString LanguageMenuText(int index);
QString LanguageLocaleName(int index);
