#pragma once

#include <QLocale>
#include <QString>

#include <array>

#include "app/CommandIds.h"

// One interface language: its code, its file in the program folder and the
// menu item's own text. The Language menu command that chooses it is
// kFirstLanguageCommand plus its index.
struct LanguageInfo {
    const char* code;        // "DEU"
    const char* fileName;    // "Corvix-DEU.xml"
    const char* menuText;    // UTF-8, "&Deutsch"
    const char* localeName;  // the language's ISO 639 code, "de", for Qt's own texts
};

inline constexpr int kLanguageCount = 13;
inline constexpr int kEnglish = 1;
inline constexpr int kFirstLanguageCommand = CommandId::FirstLanguageItem;
inline constexpr int kLastLanguageCommand = kFirstLanguageCommand + kLanguageCount - 1;

// The thirteen languages by the index stored in the setting "Language".
const std::array<LanguageInfo, kLanguageCount>& Languages();

// The index chosen by a Language menu command; a command outside the menu's
// range chooses index 0.
int LanguageForCommand(int commandId);

// `index` when it names a language, otherwise English.
int ValidLanguage(int index);

QString LanguageFileName(int index);

// The language whose code is the language of `locale` ("de" of de_DE.UTF-8);
// -1 when none of the thirteen is.
int LanguageOfLocale(const QLocale& locale);
QString LanguageMenuText(int index);
QString LanguageLocaleName(int index);
