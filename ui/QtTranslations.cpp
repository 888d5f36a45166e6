#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The first of `folders` that holds `catalogue` for `locale`, loaded; null
// where none does.
std::unique_ptr<QTranslator> Load(const QLocale& locale, const QString& catalogue,
                                  const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (translator->load(locale, catalogue, QStringLiteral("_"), folder)) return translator;
    }
    return nullptr;
}

}  // namespace

QStringList QtTranslationFolders(const QString& programFolder) {
    const QString program = QDir::fromNativeSeparators(programFolder);
    return {QDir::cleanPath(program + QStringLiteral("/translations")), QDir::cleanPath(program),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations() {
    Remove();
}

void QtTranslations::Remove() {
    for (const auto& translator : translators_)
        QCoreApplication::removeTranslator(translator.get());
    translators_.clear();
}

// Qt asks the translator installed last first: Corvix's catalogue goes in
// before Qt's, so that Qt's own ("qtbase_fr.qm") answers for every text it
// has and ours for the rest. A catalogue of the whole of Qt ("qt_sv.qm")
// serves only a language that has neither.
bool QtTranslations::Switch(const QString& localeName, const QStringList& folders) {
    Remove();
    if (localeName.isEmpty() || localeName == QStringLiteral("en")) return false;
    const QLocale locale(localeName);
    std::unique_ptr<QTranslator> ours = Load(locale, QStringLiteral("corvix_qtbase"), folders);
    std::unique_ptr<QTranslator> qts = Load(locale, QStringLiteral("qtbase"), folders);
    if (!ours && !qts) qts = Load(locale, QStringLiteral("qt"), folders);
    for (auto* translator : {&ours, &qts}) {
        if (!*translator || !QCoreApplication::installTranslator(translator->get())) continue;
        translators_.push_back(std::move(*translator));
    }
    return !translators_.empty();
}
