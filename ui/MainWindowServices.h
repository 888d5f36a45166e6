#pragma once

#include "app/EditorLauncher.h"
#include "ui/BrowseForFolder.h"
#include "ui/FileChooser.h"
#include "ui/HelpFile.h"
#include "ui/JobWindows.h"
#include "ui/QtMessageSink.h"

#include <QDialog>

#include <functional>

// What the main window reaches beyond itself: the choosers, the modal runs
// of its dialogs, the job windows, the editor and the help viewer. The
// program uses the real ones; tests put their own in place to answer or
// cancel them.
struct MainWindowServices {
    // A file chooser; the chosen path, or "" when cancelled.
    std::function<QString(QWidget* owner, const FileChooserRequest& request)> chooseFile =
        ShowFileChooser;
    // The folder chooser, as BrowseForFolder.
    std::function<int(QWidget* owner, const QString& startFolder, QString* output, int capacity)>
        chooseFolder = BrowseForFolder;
    // A question with Yes and No (No the default); true for Yes.
    std::function<bool(QWidget* owner, const QString& text)> askYesNo = AskYesNo;
    // Runs a dialog (Settings, About) modally and returns its result.
    std::function<int(QDialog& dialog)> runDialog = [](QDialog& dialog) { return dialog.exec(); };
    // The transfer window and the ASCII viewer; a function left empty is
    // filled by the main window with the program's own (AppJobWindowFactory).
    JobWindowFactory jobWindows;
    EditorLauncher startEditor = StartEditor;
    // The help file, the interface language's code ("de") and the message for
    // when it cannot be shown.
    std::function<void(const QString& path, const QString& language, const QString& missingText)>
        openHelp = OpenHelpFile;
};
