#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include "app/EditorLauncher.h"
#include "app/TextTable.h"

namespace {

// The desktop's opener and the arguments that open `path` in a text editor.
QString DesktopOpener(const QString& path, QStringList& arguments) {
#ifdef Q_OS_MACOS
    arguments = {QStringLiteral("-t"), path};
    return QStandardPaths::findExecutable(QStringLiteral("open"));
#else
    arguments = {path};
    return QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
#endif
}

QString Notepad() {
    return QStandardPaths::findExecutable(QStringLiteral("notepad.exe"));
}

}  // namespace

bool StartEditor(const QString& file, const QString& workingFolder) {
    const QString notepad = Notepad();
    if (!notepad.isEmpty()) return QProcess::startDetached(notepad, {file}, workingFolder);
    QStringList arguments;
    const QString opener = DesktopOpener(QDir(workingFolder).absoluteFilePath(file), arguments);
    if (opener.isEmpty()) return false;
    return QProcess::startDetached(opener, arguments, workingFolder);
}

QString EditorFailureText(const QStringList& textTable, const QString& file) {
    QString text = QString::fromLatin1(kEditorErrorText) + QLatin1Char('\n') + file;
    QStringList arguments;
    if (Notepad().isEmpty() && DesktopOpener(file, arguments).isEmpty())
        text += QLatin1Char('\n') + TextAt(textTable, TextId::NoTextOpener);
    return text;
}
