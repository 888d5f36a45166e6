#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt's catalogue of its base module ("qtbase_fr.qm", which holds every Qt
// text Corvix shows) wins where the language has one; Corvix's own serve
// the languages Qt's translations lack; a catalogue of the whole of Qt
// ("qt_sv.qm"), where that is all there is, comes last.
const QStringList& Catalogues() {
    static const QStringList kCatalogues{QStringLiteral("qtbase"), QStringLiteral("corvix_qtbase"),
                                         QStringLiteral("qt")};
    return kCatalogues;
}

}  // namespace

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
    const QLocale locale(localeName);
    for (const QString& catalogue : Catalogues()) {
        for (const QString& folder : folders) {
            if (!translator->load(locale, catalogue, QStringLiteral("_"), folder)) continue;
            if (!QCoreApplication::installTranslator(translator.get())) return false;
            translator_ = std::move(translator);
            return true;
        }
    }
    return false;
}
