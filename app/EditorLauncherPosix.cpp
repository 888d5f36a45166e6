#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include "app/DesktopOpener.h"
#include "app/EditorLauncher.h"
#include "app/TextTable.h"

namespace {

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
