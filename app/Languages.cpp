#include "app/Languages.h"

const std::array<LanguageInfo, kLanguageCount>& Languages() {
    static const std::array<LanguageInfo, kLanguageCount> kLanguages =
        std::to_array(language_table::kRows);
    return kLanguages;
}

int LanguageForCommand(int commandId) {
    if (commandId < kFirstLanguageCommand || commandId > kLastLanguageCommand) return 0;
    const int index = commandId - kFirstLanguageCommand;
    return index < kLanguageCount ? index : 0;
}

int LanguageCommand(int index) {
    if (index < 0 || index >= kLanguageCount) return 0;
    const int command = kFirstLanguageCommand + index;
    return command <= kLastLanguageCommand ? command : 0;
}

int ValidLanguage(int index) {
    return index >= 0 && index < kLanguageCount ? index : kEnglish;
}

QString LanguageFileName(int index) {
    return QString::fromLatin1(Languages()[size_t(ValidLanguage(index))].fileName);
}

QString LanguageMenuText(int index) {
    return QString::fromUtf8(Languages()[size_t(ValidLanguage(index))].menuText);
}

QString LanguageLocaleName(int index) {
    return QString::fromLatin1(Languages()[size_t(ValidLanguage(index))].localeName);
}

int LanguageOfLocale(const QLocale& locale) {
    const QString code = QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
    for (int index = 0; index < kLanguageCount; ++index)
        if (code == QLatin1String(Languages()[size_t(index)].localeName)) return index;
    return -1;
}
