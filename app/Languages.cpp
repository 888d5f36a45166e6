#include "app/Languages.h"

const std::array<LanguageInfo, kLanguageCount>& Languages() {
    static const std::array<LanguageInfo, kLanguageCount> kLanguages = {{
        {"DEU", "Corvix-DEU.xml", "&Deutsch", "de"},
        {"ENG", "Corvix-ENG.xml", "&English", "en"},
        {"ESP", "Corvix-ESP.xml", "E&spa\u00f1ol", "es"},
        {"FRA", "Corvix-FRA.xml", "&Fran\u00e7ais", "fr"},
        {"MAG", "Corvix-MAG.xml", "&Magyar", "hu"},
        {"SVE", "Corvix-SVE.xml", "&Svenska", "sv"},
        {"ROM", "Corvix-ROM.xml", "&Romana", "ro"},
        {"CZH", "Corvix-CZH.xml", "&Cesky", "cs"},
        {"POL", "Corvix-POL.xml", "&Polski", "pl"},
        {"GRC", "Corvix-GRC.xml", "\u03b5\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac", "el"},
        {"SVK", "Corvix-SVK.xml", "Sloven\u010dina", "sk"},
        {"RUS", "Corvix-RUS.xml", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439", "ru"},
        {"SRP", "Corvix-SRP.xml", "\u0421\u0440\u043f\u0441\u043a\u0438", "sr"},
    }};
    return kLanguages;
}

int LanguageForCommand(int commandId) {
    if (commandId < kFirstLanguageCommand || commandId > kLastLanguageCommand) return 0;
    return commandId - kFirstLanguageCommand;
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
