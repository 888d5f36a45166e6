#pragma once

#include <QByteArray>
#include <QString>

// What a completed receive transaction leaves behind, and the rules about
// its name.

// LastFile: the folder and the 8-bit name joined by the platform's separator
// ("%s\%S" on Windows, "%s/%S" elsewhere).
QString LastFileText(const QString& folder, const QByteArray& name);
// LastDir: the folder followed by the separator.
QString LastDirText(const QString& folder);

// The name buffer without the CR LF that the answer to a remote directory
// request leaves at its end.
QByteArray WithoutLineEnd(QByteArray name);

// True when the last four characters are ".TXT" or ".PRN", in any case.
bool OpensInEditor(const QByteArray& name);
