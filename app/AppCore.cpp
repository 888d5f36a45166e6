#include "app/AppCore.h"

#include "app/Languages.h"
#include "app/SettingsFile.h"
#include "app/TextTable.h"
#include "serial/BaudRates.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

QStringList DefaultBaudRateList() {
    QStringList list;
    for (int index = 0; index < serial::kOfferedBaudCount; ++index)
        list.append(QString::number(serial::kBaudTable[index]));
    return list;
}

QString ProgramFolderOf(const QString& executableFolder) {
    QString folder = QDir::toNativeSeparators(executableFolder);
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    return folder;
}

AppCore::AppCore() = default;

bool AppCore::InitInstance(const QStringList& arguments, const QString& executableFolder) {
    const std::unique_ptr<QSettings> opened =
        OpenSettings(QStringLiteral("Brenvald"), QStringLiteral("Corvix"), Messages());
    QSettings& stored = *opened;
    stored.beginGroup(QStringLiteral("Settings"));
    settings.Read(stored);
    if (settings.Comport.isEmpty()) ChoosePort();
    ProgramFolder = ProgramFolderOf(executableFolder);
    BaudRateList = DefaultBaudRateList();
    if (!stored.contains(QStringLiteral("Language"))) SpeakSystemLanguage();
    TextTable = EnglishTexts();

    const ParsedCommandLine parsed =
        ReadCommandLine(arguments, settings.Comport, settings.Baud, BaudRateList);
    if (parsed.request.fromCommandLine) {
        settings.Comport = parsed.portName;
        settings.Baud = parsed.baud;
    }
    // A settings file passed over at the start is never written either.
    savesSettings_ =
        !parsed.request.fromCommandLine &&
        UnusableSettingsFile(QStringLiteral("Brenvald"), QStringLiteral("Corvix")).isEmpty();
    if (runMainWindow) runMainWindow(parsed.request);
    SaveSettings();
    return false;
}

void AppCore::SaveSettings() const {
    if (!savesSettings_) return;
    QSettings stored(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brenvald"),
                     QStringLiteral("Corvix"));
    stored.beginGroup(QStringLiteral("Settings"));
    settings.Write(
        [&stored](const QString& key, const QVariant& value) { stored.setValue(key, value); });
    stored.sync();
}

int AppCore::EnumeratePorts() {
    PortList = ::EnumeratePorts(portSource, portNaming);
    return 0;
}

// With no caliper port found, no port is chosen.
void AppCore::ChoosePort() {
    EnumeratePorts();
    settings.Comport = CaliperPortName(PortList);
}

// A first start with no stored language speaks the system's, when its
// language file is there.
void AppCore::SpeakSystemLanguage() {
    if (!systemLocale) return;
    const int spoken = LanguageOfLocale(systemLocale());
    if (spoken >= 0 && QFileInfo(ProgramFolder + LanguageFileName(spoken)).isFile())
        settings.Language = spoken;
}
