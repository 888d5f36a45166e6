#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QStringList QtTranslationFolders(const QString& programFolder) {
    const QString program = QDir::fromNativeSeparators(programFolder);
    return {QDir::cleanPath(program + QStringLiteral("/translations")), QDir::cleanPath(program),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
}

bool QtTranslations::Switch(const QString& localeName, const QStringList& folders) {
    if (translator_) {
        QCoreApplication::removeTranslator(translator_.get());
        translator_.reset();
    }
    if (localeName.isEmpty() || localeName == QStringLiteral("en")) return false;
    auto translator = std::make_unique<QTranslator>();
    // "qt_fr.qm" gathers the catalogues of Qt's modules; "qtbase_fr.qm"
    // alone serves where only that one is shipped.
    const QLocale locale(localeName);
    for (const QString& folder : folders) {
        for (const QString& catalogue : {QStringLiteral("qt"), QStringLiteral("qtbase")}) {
            if (!translator->load(locale, catalogue, QStringLiteral("_"), folder)) continue;
            if (!QCoreApplication::installTranslator(translator.get())) return false;
            translator_ = std::move(translator);
            return true;
        }
    }
    return false;
}
