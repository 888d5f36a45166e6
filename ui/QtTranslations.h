#pragma once

#include <QString>
#include <QStringList>

#include <memory>

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
    // so far: Qt's own catalogue from the first folder of `folders` that has
    // it, or else Corvix's own ("corvix_qtbase_el.qm"), searched the same
    // way. English, or a language neither has, leaves Qt's own English.
    // Returns true when a translation was loaded.
    bool Switch(const QString& localeName, const QStringList& folders);

private:
    std::unique_ptr<QTranslator> translator_;
};
