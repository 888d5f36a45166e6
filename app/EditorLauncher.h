#pragma once

#include <QString>

#include <functional>

// Starting the text editor on a file, never waiting for it.
//
// The command is the text "notepad.exe <file>". On Windows it is started as
// it stands. Elsewhere notepad.exe is looked up on PATH; when there is none,
// the file opens in the desktop's text editor (xdg-open, or open -t on macOS).

// "notepad.exe " followed by `file`, as it would be handed to the system.
QString EditorCommandText(const QString& file);

// Starts the editor on `file` (a plain name is found in `workingFolder`).
// Returns false when no editor process could be started.
bool StartEditor(const QString& file, const QString& workingFolder);

// The editor as a job sees it; tests put a recorder in its place.
using EditorLauncher = std::function<bool(const QString& file, const QString& workingFolder)>;
