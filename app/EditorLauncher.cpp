#include "app/EditorLauncher.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kEditorProgram = QStringLiteral("notepad.exe");

#ifndef Q_OS_WIN
// The desktop's own editor for the file, when notepad.exe is not on PATH.
bool StartDesktopEditor(const QString& file, const QString& workingFolder) {
    const QString path = QDir(workingFolder).absoluteFilePath(file);
#ifdef Q_OS_MACOS
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("open"));
    const QStringList arguments{QStringLiteral("-t"), path};
#else
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    const QStringList arguments{path};
#endif
    if (opener.isEmpty()) return false;
    return QProcess::startDetached(opener, arguments, workingFolder);
}
#endif

}  // namespace

QString EditorCommandText(const QString& file) {
    return kEditorProgram + QLatin1Char(' ') + file;
}

bool StartEditor(const QString& file, const QString& workingFolder) {
#ifdef Q_OS_WIN
    // The command line goes to the system exactly as formed, unquoted.
    QProcess process;
    process.setProgram(kEditorProgram);
    process.setNativeArguments(file);
    process.setWorkingDirectory(workingFolder);
    return process.startDetached();
#else
    const QString editor = QStandardPaths::findExecutable(kEditorProgram);
    if (!editor.isEmpty()) {
        QProcess process;
        process.setProgram(editor);
        process.setArguments({file});
        process.setWorkingDirectory(workingFolder);
        return process.startDetached();
    }
    return StartDesktopEditor(file, workingFolder);
#endif
}
