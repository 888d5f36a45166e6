#pragma once

#include "app/MessageSink.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <memory>

struct ShownMessage {
    QString text;
    QString caption;
    MessageIcon icon;
};

class RecordingSink : public MessageSink {
public:
    void ShowMessage(const QString& text, const QString& caption, MessageIcon icon) override {
        shown.append({text, caption, icon});
    }
    QList<ShownMessage> shown;
};

// Points the program's settings at a fresh temporary folder for the life of
// the object, so no test ever reads or writes the user's own.
class TemporarySettings {
public:
    TemporarySettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        ClearRegistry();
    }
    ~TemporarySettings() { ClearRegistry(); }
    // The program's own settings, group "Settings".
    std::unique_ptr<QSettings> Open() const {
        auto settings =
            std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                        QStringLiteral("Brenvald"), QStringLiteral("Corvix"));
        settings->beginGroup(QStringLiteral("Settings"));
        return settings;
    }
    QString FilePath() const { return dir_.path() + QStringLiteral("/Brenvald/Corvix.conf"); }

private:
    // Where the native settings are the registry (Windows), no folder can
    // take them: the program's key is emptied before and after instead.
    static void ClearRegistry() {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Brenvald"), QStringLiteral("Corvix"));
        if (settings.fileName().startsWith(QLatin1String("\\HKEY"))) settings.clear();
    }

    QTemporaryDir dir_;
};

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
