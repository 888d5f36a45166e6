#pragma once

#include <QList>
#include <QString>
#include <QTest>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "UiTestSupport.h"
#include "app/AppCore.h"
#include "app/TextTable.h"
#include "ui/CTransferDlg.h"
#include "ui/JobDialogs.h"
#include "worker/CComThread.h"

// Runs events until `condition` holds or `milliseconds` have passed.
inline bool EventuallyTrue(const std::function<bool()>& condition, int milliseconds = 5000) {
    return WaitFor(condition, milliseconds);
}

// A job window (transfer or viewer) that starts no worker, on `port`.
template <typename Window>
void WithoutWorker(Window& window, const QString& port, int baud = 115200) {
    window.makeWorker = [](const QStringList&) { return std::unique_ptr<CComThread>(); };
    window.job.portName = port;
    window.job.baud = baud;
}

// A receive window with a file of each fate listed under `folder` (names and
// sizes as wide as they come) and one under way, its length announced and the
// time left told.
inline void ListEveryFate(CTransferDlg& window, const QString& folder) {
    auto now = std::chrono::steady_clock::time_point{};
    window.clock = [&now] { return now; };
    window.Report(
        report::FileEnded{{JobFile::Fate::Received, folder + "PLOT0417.DAT", 1234567, {}, 0, {}}});
    window.Report(report::FileEnded{{JobFile::Fate::KeptAsPart,
                                     folder + "PLOT0418.DAT",
                                     1234567,
                                     folder + "PLOT0418.DAT.part",
                                     0,
                                     {}}});
    window.Report(
        report::FileEnded{{JobFile::Fate::NotReceived, folder + "PLOT0419.DAT", 0, {}, 0, {}}});
    window.Report(report::FileEnded{
        {JobFile::Fate::Refused, folder + "PLOT0420.DAT", 4821300, {}, 123456789, {}}});
    window.Report(report::ReceiveFileOpened{"PLOT0421.DAT"});
    window.Report(report::ReceiveFileAnnounced{48213000});
    window.Report(report::ReceiveProgress{1000});
    now += std::chrono::seconds(2);
    window.Report(report::ReceiveProgress{11000});
    window.clock = std::chrono::steady_clock::now;
}

// An application object with the English texts and the offered baud rates.
inline void PrepareApp(AppCore& app) {
    app.TextTable = EnglishTexts();
    app.BaudRateList = DefaultBaudRateList();
}

// Dialogs that never wait for a user: messages are recorded, the questions
// and choosers answer what the test put in.
struct DialogRecorder {
    struct Message {
        QString text;
        std::optional<MessageIcon> icon;
    };
    QList<Message> messages;
    std::optional<QFont> fontAnswer;
    std::function<bool(QPrinter&)> printerAnswer;
    int printDialogs = 0;
    QStringList pdfFolders;  // the folder each print dialog offered a PDF file in
    QStringList discardQuestions;
    bool discardAnswer = true;

    JobDialogs Dialogs() {
        JobDialogs dialogs;
        dialogs.message = [this](QWidget*, const QString& text, std::optional<MessageIcon> icon) {
            messages.append({text, icon});
        };
        dialogs.askOverwrite = [](QWidget*, const QString&) {
            return JobReportSink::Overwrite::Yes;
        };
        dialogs.askSaveAs = [](QWidget*, const QString&) { return std::optional<QString>(); };
        dialogs.choosePrinter = [this](QWidget*, QPrinter& printer, const QString& pdfFolder) {
            ++printDialogs;
            pdfFolders.append(pdfFolder);
            return printerAnswer ? printerAnswer(printer) : false;
        };
        dialogs.chooseFont = [this](QWidget*, const QFont&) { return fontAnswer; };
        dialogs.askDiscard = [this](QWidget*, const QString& text) {
            discardQuestions.append(text);
            return discardAnswer;
        };
        return dialogs;
    }
};
