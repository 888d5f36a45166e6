#pragma once

#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/LanguageScan.h"
#include "app/MessageSink.h"
#include "serial/PortDiscovery.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

// The application's data and its start-up, without any window. CStemraApp
// adds the QApplication; tests drive this part on its own.
//
// `settings` is what persists between runs; the lists, the program folder
// and the texts beside it are found or filled afresh by every start.
class AppCore {
public:
    AppCore();
    virtual ~AppCore() = default;

    AppSettings settings;
    QStringList BaudRateList;
    QList<_tagPORTS> PortList;
    QString ProgramFolder;
    QStringList TextTable;

    // Runs the main window modally with the command line's request; the user
    // interface registers it. Without one start-up goes straight to its end.
    using MainWindowRunner = std::function<void(const CommandLineRequest&)>;
    MainWindowRunner runMainWindow;

    // Where port discovery finds its ports and how their names look (the
    // system's, by default).
    PortSource portSource = SystemPortRecords;
    PortNaming portNaming = HostPortNaming();

    // The system's locale (LC_ALL, LC_MESSAGES, LANG): a first start with no
    // stored language speaks it when its language file is there.
    std::function<QLocale()> systemLocale = [] { return QLocale::system(); };

    // Receives the messages of language loading; logged when none is set.
    MessageSink* messageSink = nullptr;

    // The whole life of the program: reads the settings, picks a port when
    // none is stored, reads the command line (`arguments` without the program
    // name), runs the main window and saves the settings when there were no
    // arguments. `executableFolder` is the folder of the running program.
    // Returns false, as the program ends after it.
    bool InitInstance(const QStringList& arguments, const QString& executableFolder);

    // The process exit status: 1 after every run.
    int ExitInstance() { return 1; }

    // Refills PortList from `portSource`; always returns 0.
    int EnumeratePorts();

    // Language files (in ProgramFolder). Each returns 1 when the file was read
    // and merged into TextTable, 0 after reporting the failure to messageSink.
    int LoadLanguage();
    int ReadLanguageFile(const QString& path);

    // The folder scan of the main window's initialisation: which languages
    // are present, the English template written when missing, and the
    // language setting moved to English when its file is missing.
    LanguageScanResult ScanLanguageFiles();

    // A Language menu command: sets the language setting (even when loading
    // fails) and loads it. Returns LoadLanguage's result; on 1 the window
    // relabels itself.
    int OnLanguageCommand(int commandId);
    // The same for the language at `index` of the table (English when none
    // is); true when its file was read.
    bool ChooseLanguage(int index);

    // Writes the settings to the stored ones at once, whole (each write
    // replaces the file in one step), so that no way the program ends loses
    // a change: the main window calls it after every command. Nothing in a
    // run with arguments, nor before start-up has read them.
    void SaveSettings() const;

private:
    void ChoosePort();
    void SpeakSystemLanguage();
    bool savesSettings_ = false;  // a run without arguments, past reading the settings
    MessageSink& Messages();

    LogMessageSink logSink_;
};

// The baud-rate texts offered by the settings, index 0 to 7: the first
// serial::kOfferedBaudCount rates of serial::kBaudTable.
QStringList DefaultBaudRateList();

// The folder of `executableFolder` in native form with a trailing separator.
QString ProgramFolderOf(const QString& executableFolder);
