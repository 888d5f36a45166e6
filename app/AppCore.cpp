#include "app/AppCore.h"

#include "app/ComportSetting.h"
#include "app/SettingsFile.h"
#include "app/TextTable.h"
#include "serial/BaudRates.h"

#include <QDir>
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
    QSettings& settings = *opened;
    settings.beginGroup(QStringLiteral("Settings"));
    ReadFontLineSettings(settings);
    if (Comport.isEmpty()) ChoosePort();
    ProgramFolder = ProgramFolderOf(executableFolder);
    BaudRateList = DefaultBaudRateList();
    ReadFileLanguageSettings(settings);
    TextTable = EnglishTexts();

    const ParsedCommandLine parsed = ReadCommandLine(arguments, Comport, Baud, BaudRateList);
    if (parsed.request.fromCommandLine) {
        Comport = parsed.portName;
        Baud = parsed.baud;
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
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brenvald"),
                       QStringLiteral("Corvix"));
    settings.beginGroup(QStringLiteral("Settings"));
    WriteSettings(
        [&settings](const QString& key, const QVariant& value) { settings.setValue(key, value); });
    settings.sync();
}

int AppCore::EnumeratePorts() {
    PortList = ::EnumeratePorts(portSource, portNaming);
    return 0;
}

// With no caliper port found, no port is chosen.
void AppCore::ChoosePort() {
    EnumeratePorts();
    Comport = CaliperPortName(PortList);
}
