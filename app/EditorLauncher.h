#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Starting the text editor on a file, never waiting for it.
//
// The command is the text "notepad.exe <file>". On Windows it is started as
// it stands (EditorLauncherWindows.cpp). Elsewhere notepad.exe is looked up
// on PATH; when there is none, the file goes to the desktop's opener:
// xdg-open, or open -t on macOS (EditorLauncherPosix.cpp, DesktopOpener.h).

// The fixed first line of every message about an editor that did not start.
inline const char* const kEditorErrorText = "Error opening notepad.exe!";

// "notepad.exe " followed by `file`, as it would be handed to the system.
QString EditorCommandText(const QString& file);

// Starts the editor on `file` (a plain name is found in `workingFolder`).
// Returns false when no editor process could be started.
bool StartEditor(const QString& file, const QString& workingFolder);

// The message for an editor that did not start on `file` (a full path):
// "Error opening notepad.exe!", the file, and, where the system has no
// program to open it, what to install; texts from `textTable`.
QString EditorFailureText(const QStringList& textTable, const QString& file);

// The editor as a job sees it; tests put a recorder in its place.
using EditorLauncher = std::function<bool(const QString& file, const QString& workingFolder)>;
