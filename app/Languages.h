#pragma once

#include <QLocale>
#include <QString>

#include <array>

#include "app/CommandIds.h"

// One interface language: its code, its file in the program folder and the
// menu item's own text. The languages and their order come from one table,
// resources/lang/languages.txt, which the build turns into the rows below.
struct LanguageInfo {
    const char* code;        // "DEU"
    const char* fileName;    // "Corvix-DEU.xml"
    const char* menuText;    // UTF-8, "&Deutsch"
    const char* localeName;  // the language's ISO 639 code, "de", for Qt's own texts
};

namespace language_table {
inline constexpr LanguageInfo kRows[] = {
#include "app/LanguageRows.inc"
};

constexpr bool SameCode(const char* a, const char* b) {
    while (*a && *a == *b)
        ++a, ++b;
    return *a == *b;
}

constexpr int IndexOf(const char* code) {
    for (int index = 0; index < int(std::size(kRows)); ++index)
        if (SameCode(kRows[index].code, code)) return index;
    return -1;
}
}  // namespace language_table

inline constexpr int kLanguageCount = int(std::size(language_table::kRows));
inline constexpr int kEnglish = language_table::IndexOf("ENG");
static_assert(kEnglish >= 0, "English, the template, is one of the languages");

// The Language menu's commands: the first languages of the table are also
// reached by the command ids kFirstLanguageCommand to kLastLanguageCommand,
// a range that stays put whatever the table holds; the menu's items carry
// their language's index as the action's data.
inline constexpr int kFirstLanguageCommand = CommandId::FirstLanguageItem;
inline constexpr int kLastLanguageCommand = CommandId::LastLanguageItem;

// The languages by the index stored in the setting "Language".
const std::array<LanguageInfo, kLanguageCount>& Languages();

// The index chosen by a Language menu command; a command outside the menu's
// range, or one whose language the table does not hold, chooses index 0.
int LanguageForCommand(int commandId);

// The command id of the language at `index`; 0 when it has none.
int LanguageCommand(int index);

// `index` when it names a language, otherwise English.
int ValidLanguage(int index);

QString LanguageFileName(int index);

// The language whose code is the language of `locale` ("de" of de_DE.UTF-8);
// -1 when none of the table's is.
int LanguageOfLocale(const QLocale& locale);
QString LanguageMenuText(int index);
QString LanguageLocaleName(int index);
