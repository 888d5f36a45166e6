#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

// Qt's own texts in the interface language: the file, folder, print and
// font choosers, Yes, No and Cancel. The program's own texts come from the
// language files and are not touched.

// Where Qt's translation files are looked for: beside the program first (an
// installation on Windows carries them in its "translations" folder, one on
// Linux carries Corvix's own beside the program), then Qt's own translations
// folder. `programFolder` ends with a separator.
QStringList QtTranslationFolders(const QString& programFolder);

class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Puts Qt's texts for `localeName` ("fr", "ru") in place of those shown
    // so far: Qt's own catalogue ("qtbase_fr.qm") from the first folder of
    // `folders` that has it, and beside it Corvix's own
    // ("corvix_qtbase_fr.qm"), searched the same way, for the texts Qt's
    // lacks; for a language Qt has none for, Corvix's alone. English, or a
    // language neither has, leaves Qt's own English. Returns true when a
    // translation was loaded.
    bool Switch(const QString& localeName, const QStringList& folders);

private:
    void Remove();

    std::vector<std::unique_ptr<QTranslator>> translators_;
};
