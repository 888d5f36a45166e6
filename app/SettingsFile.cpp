#include "app/SettingsFile.h"

#include "app/MessageSink.h"
#include "app/TextTable.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace {

// A folder of its own for the settings below, which outlives them.
struct ScratchFolder {
    QTemporaryDir folder;
};

// Settings that start empty and are saved into a folder that goes with them.
class ScratchSettings : private ScratchFolder, public QSettings {
public:
    ScratchSettings()
        : QSettings(folder.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat) {}
};

}  // namespace

// The folder of a scope's settings files, as the settings find it (a folder
// set for tests included). Asked of the settings of a maker that does not
// exist, which find nothing to read.
QString SettingsFolder(QSettings::Scope scope) {
    const QSettings probe(QSettings::NativeFormat, scope, QStringLiteral("corvix-settings-probe"),
                          QStringLiteral("probe"));
    return QFileInfo(QFileInfo(probe.fileName()).path()).path();
}

QString UnusableSettingsFile(const QString& organization, const QString& application) {
    // Those of the program and those of its maker, the user's and the
    // system's: the settings read them all.
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
        const QDir folder(SettingsFolder(scope));
        for (const QString& name : {organization + QLatin1Char('/') + application, organization}) {
            const QFileInfo file(folder.filePath(name + QStringLiteral(".conf")));
            if (file.exists() && !file.isFile()) return QDir::toNativeSeparators(file.filePath());
        }
    }
    return {};
}

std::unique_ptr<QSettings> OpenSettings(const QString& organization, const QString& application,
                                        MessageSink& messages) {
    const QString unusable = UnusableSettingsFile(organization, application);
    if (unusable.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           organization, application);
    }
    messages.ShowMessage(TextAt(EnglishTexts(), TextId::SettingsFilePassedOver).arg(unusable),
                         application, MessageIcon::Warning);
    return std::make_unique<ScratchSettings>();
}
