#include <QDir>
#include <QProcess>

#include "app/EditorLauncher.h"

// The command line goes to the system exactly as formed, unquoted.
bool StartEditor(const QString& file, const QString& workingFolder) {
    QProcess process;
    process.setProgram(QStringLiteral("notepad.exe"));
    process.setNativeArguments(file);
    process.setWorkingDirectory(workingFolder);
    return process.startDetached();
}

QString EditorFailureText(const QStringList&, const QString& file) {
    return QString::fromLatin1(kEditorErrorText) + QLatin1Char('\n') +
           QDir::toNativeSeparators(file);
}
