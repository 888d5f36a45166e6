#include "app/Languages.h"

const std::array<LanguageInfo, kLanguageCount>& Languages() {
    static const std::array<LanguageInfo, kLanguageCount> kLanguages = {{
        {"DEU", "Corvix-DEU.xml", 32798, "&Deutsch", "de"},
        {"ENG", "Corvix-ENG.xml", 32799, "&English", "en"},
        {"ESP", "Corvix-ESP.xml", 32800, "E&spa\u00f1ol", "es"},
        {"FRA", "Corvix-FRA.xml", 32801, "&Fran\u00e7ais", "fr"},
        {"MAG", "Corvix-MAG.xml", 32802, "&Magyar", "hu"},
        {"SVE", "Corvix-SVE.xml", 32803, "&Svenska", "sv"},
        {"ROM", "Corvix-ROM.xml", 32804, "&Romana", "ro"},
        {"CZH", "Corvix-CZH.xml", 32805, "&Cesky", "cs"},
        {"POL", "Corvix-POL.xml", 32806, "&Polski", "pl"},
        {"GRC", "Corvix-GRC.xml", 32807, "\u03b5\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac", "el"},
        {"SVK", "Corvix-SVK.xml", 32808, "Sloven\u010dina", "sk"},
        {"RUS", "Corvix-RUS.xml", 32809, "\u0420\u0443\u0441\u0441\u043a\u0438\u0439", "ru"},
        {"SRP", "Corvix-SRP.xml", 32810, "\u0421\u0440\u043f\u0441\u043a\u0438", "sr"},
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
