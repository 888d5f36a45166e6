#pragma once

#include "app/AppCore.h"
#include "app/AppTestSupport.h"
#include "app/LanguageFile.h"
#include "app/TextTable.h"
#include "ui/AppJobWindowFactory.h"
#include "ui/CStemraDlg.h"
#include "ui/MainWindowServices.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <ostream>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A port as the system would report it; `caliper` marks the caliper's adapter.
inline PortRecord SystemPort(const QString& name, bool caliper = false) {
    PortRecord record;
    record.portName = name;
    record.hasVendorIdentifier = record.hasProductIdentifier = caliper;
    record.vendorIdentifier = caliper ? kCaliperVendorId : 0x067B;
    record.productIdentifier = caliper ? kCaliperProductId : 0x2303;
    return record;
}

// Waits, handling events for `pollMs` at a time, until `condition` holds or
// `milliseconds` passed.
inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 3000,
                    int pollMs = 10) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(pollMs);
    }
    return true;
}

// The environment a test starts the built program in: no display, and its
// settings and home inside `machine`.
inline QProcessEnvironment ProgramEnvironmentIn(const QTemporaryDir& machine) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), machine.filePath("config"));
    environment.insert(QStringLiteral("HOME"), machine.filePath("home"));
    return environment;
}

// Has the start-up run its main window with `services`, as the program
// does: `run` gets the window with the command line's request in it.
inline void RunMainWindowWith(AppCore& app, const MainWindowServices& services,
                              std::function<void(CStemraDlg&)> run) {
    app.runMainWindow = [&app, services, run](const CommandLineRequest& request) {
        CStemraDlg window(app, services);
        window.commandLineRequest = request;
        run(window);
    };
}

// Main window services whose job windows are the program's own, over
// `dialogs`.
inline MainWindowServices WithJobWindows(AppCore& app, const JobDialogs& dialogs) {
    MainWindowServices services;
    services.jobWindows = AppJobWindowFactory(app, dialogs);
    return services;
}

// The texts of a shipped language file, merged over the English ones.
inline QStringList ShippedTexts(const QString& code) {
    QStringList table = EnglishTexts();
    RecordingSink sink;
    ReadLanguageFile(QStringLiteral(CORVIX_LANGUAGE_DIR "/Corvix-%1.xml").arg(code), table, sink);
    return table;
}

// An application object with a program folder of its own, English texts, the
// baud list, a recorded message box and ports from `ports` (Windows names).
class TestApp {
public:
    TestApp() {
        app.ProgramFolder = QDir::toNativeSeparators(folder.path()) + QDir::separator();
        app.BaudRateList = DefaultBaudRateList();
        app.TextTable = EnglishTexts();
        app.messageSink = &messages;
        app.portNaming = PortNaming::Windows;
        app.portSource = [this] {
            ++discoveries;
            return ports;
        };
    }

    // Puts the shipped language file of `code` ("DEU") into the program folder.
    bool AddLanguage(const QString& code) const {
        const QString name = QStringLiteral("Corvix-%1.xml").arg(code);
        return QFile::copy(QStringLiteral(CORVIX_LANGUAGE_DIR "/") + name, folder.filePath(name));
    }
    QString FolderFile(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    AppCore app;
    RecordingSink messages;
    QList<PortRecord> ports;
    int discoveries = 0;
};

// Start-up as on a new machine: settings in a temporary place, an empty
// program folder, messages recorded and no serial ports. Running the start-up
// (InitInstance) is the test's part.
struct NewMachine {
    NewMachine() {
        app.messageSink = &messages;
        app.portSource = [] { return QList<PortRecord>{}; };
    }
    TemporarySettings settings;
    QTemporaryDir programFolder;
    AppCore app;
    RecordingSink messages;
};

// Services for the main window that record what it asks for and answer as
// the test says: an empty answer cancels a chooser.
struct ServiceRecorder {
    MainWindowServices Services() {
        MainWindowServices services;
        services.chooseFile = [this](QWidget*, const FileChooserRequest& request) {
            fileChoosers.append(request);
            return fileAnswers.isEmpty() ? fileAnswer : fileAnswers.takeFirst();
        };
        services.chooseFolder = [this](QWidget*, const QString& start, QString* output,
                                       int capacity) {
            folderStarts.append(start);
            folderCapacity = capacity;
            if (folderAnswer.isEmpty()) return 0;
            *output = folderAnswer;
            return 1;
        };
        services.askYesNo = [this](QWidget*, const QString& text) {
            questions.append(text);
            return yesNoAnswers.isEmpty() || yesNoAnswers.takeFirst();
        };
        services.runDialog = [this](QDialog& dialog) {
            dialogs.append(QString::fromLatin1(dialog.metaObject()->className()));
            return dialogAnswer ? dialogAnswer(dialog) : int(QDialog::Rejected);
        };
        services.jobWindows.runTransfer = [this](QWidget*, const TransferRequest& request) {
            transfers.append(request);
            if (duringJob) duringJob();
            return int(QDialog::Accepted);
        };
        services.jobWindows.runCapture = [this](QWidget*, const CaptureRequest& request) {
            captures.append(request);
            if (duringJob) duringJob();
            return captureAnswer;
        };
        services.startEditor = [this](const QString& file, const QString&) {
            editorFiles.append(file);
            return editorStarts;
        };
        services.openHelp = [this](const QString& path, const QString& language, const QString&) {
            helpPaths.append(path);
            helpLanguages.append(language);
        };
        return services;
    }

    QString fileAnswer;
    QStringList fileAnswers;  // answered first, one per chooser, before fileAnswer
    QList<FileChooserRequest> fileChoosers;
    QString folderAnswer;
    QStringList folderStarts;
    int folderCapacity = 0;
    QStringList questions;
    QList<bool> yesNoAnswers;  // one per question, Yes when none is left
    std::function<int(QDialog&)> dialogAnswer;
    QStringList dialogs;
    std::function<void()> duringJob;
    QList<TransferRequest> transfers;
    CaptureOutcome captureAnswer;
    QList<CaptureRequest> captures;
    bool editorStarts = true;
    QStringList editorFiles;
    QStringList helpPaths;
    QStringList helpLanguages;
};
