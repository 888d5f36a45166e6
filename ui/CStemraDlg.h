#pragma once

#include "app/CommandLine.h"
#include "app/MessageSink.h"
#include "ui/DialogKeys.h"
#include "ui/MainWindowServices.h"
#include "ui/QtTranslations.h"
#include "worker/WorkerJob.h"

#include <memory>

class AppCore;
class QAction;
class QMenu;
class QMenuBar;
class QPushButton;
namespace Ui {
class CStemraDlg;
}

// The main window: seven buttons and a menu bar that start every function.
// Start-up runs it modally with the command line's request; in a run with
// arguments it starts that one command by itself before it is shown.
class CStemraDlg : public KeyedDialog {
    Q_OBJECT
public:
    explicit CStemraDlg(AppCore& app, MainWindowServices services = {}, QWidget* parent = nullptr);
    ~CStemraDlg() override;

    // What the command line asks for; set before the window runs.
    CommandLineRequest commandLineRequest;

    // Initialises the window and runs the command-line request; then runs
    // the window, unless the request has ended it (it is never shown then).
    int exec() override;

    // Check mark on the chosen language, the folder scan, the chosen
    // language loaded and applied.
    void OnInitDialog();
    void ScanLanguageFiles();
    void OnLanguageCommand(int commandId);
    // Checks the item of language `index` when `checkItem`, then loads it.
    void ChooseLanguage(int index, bool checkItem);
    void ApplyLanguageTexts();
    void RunStartupRequest();
    void ShowPortHint();

    // Menu commands and buttons, by their command or control id.
    void OnCommand(int id);
    void RunCommand(int id);

    void OnSettings();
    void OnKermitSend();
    void OnProgramLoad();
    void OnKermitReceive();
    void OnDataToPrinter();
    void OnReceiveAscii();
    void OnHelp();
    void OnAbout();
    void OnExit();

    // The parts of the window, for whoever drives it.
    QMenuBar* MenuBar() const;
    QMenu* Popup(int barPosition) const;
    QAction* LanguageItem(int position) const;
    QPushButton* Button(int controlId) const;

private:
    void ConnectCommands();
    void AddLanguageItems();
    void CheckLanguageItem(int position, bool checked);
    void LayOut();
    QString Text(int id) const;
    MessageSink& Messages();
    void ShowMessage(const QString& text, MessageIcon icon);

    // The job of a command, on the chosen port at the chosen rate.
    WorkerJob Job(JobKind kind, const QString& path = {}) const;
    // Sends `path`, and the files of `batch` after it in the same batch.
    void RunSend(const QString& path, const QStringList& batch = {});
    // Writes the captured text to `path`. When that fails the error is shown
    // and `chooser` offered again, until the text is written or the user
    // cancels; returns the path written, empty after a cancel.
    QString SaveCapture(QString path, const QByteArray& bytes, FileChooserRequest chooser);
    void StartNotepad(const QString& path);
    void OnOK() {
        ended_ = true;
        accept();
    }

    AppCore& app_;
    MainWindowServices services_;
    std::unique_ptr<Ui::CStemraDlg> ui_;
    std::unique_ptr<MessageSink> ownSink_;
    QtTranslations qtTexts_;  // Qt's own texts in the chosen language
    // The code ("de") of the language the window speaks: that of the last
    // language file read, the help's language.
    QString textsLanguage_ = QStringLiteral("en");
    bool ended_ = false;  // OnOK has ended the window
};
