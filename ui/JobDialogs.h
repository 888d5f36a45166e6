#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

#include "app/MessageSink.h"
#include "worker/JobReportSink.h"
#include "worker/WorkerJob.h"

class CComThread;
class QPrinter;
class QWidget;

// The dialogs a job window opens on the user's screen: message boxes, the
// worker's questions, the print and font choosers. The program uses the
// real ones; tests put their own in place so that nothing waits for a user.
struct JobDialogs {
    // A message box with the caption "Corvix" and an OK button, owned by
    // `owner`; no icon when `icon` is empty. Returns when it has been closed.
    std::function<void(QWidget* owner, const QString& text, std::optional<MessageIcon> icon)>
        message;
    // "File exists, overwrite?" with Yes, No and Cancel.
    std::function<JobReportSink::Overwrite(QWidget* owner, const QString& text)> askOverwrite;
    // Save As preset with `path`; the chosen path, or nothing.
    std::function<std::optional<QString>(QWidget* owner, const QString& path)> askSaveAs;
    // The print dialog for `printer`, with printing to a PDF file among its
    // choices; with no printer at all, a chooser for the PDF file. A PDF file
    // is first offered in `pdfFolder` (when not empty). True when the user
    // chose to print.
    std::function<bool(QWidget* owner, QPrinter& printer, const QString& pdfFolder)> choosePrinter;
    // The font chooser started from `initial`; the chosen font, or nothing.
    std::function<std::optional<QFont>(QWidget* owner, const QFont& initial)> chooseFont;
    // A question with Yes and No, No the default: true for Yes.
    std::function<bool(QWidget* owner, const QString& text)> askDiscard;

    // The system's own dialogs.
    static JobDialogs System();
};

// Makes the worker of one job; the windows use a new CComThread with the
// job texts of `textTable`. Tests may give none, to drive a window without
// a serial line.
using WorkerFactory = std::function<std::unique_ptr<CComThread>(const QStringList& textTable)>;
WorkerFactory SystemWorkers();
// The worker `makeWorker` makes with the texts of `textTable`, `job` posted to
// it with `sink` for its reports; none when there is no factory or it made
// none.
std::unique_ptr<CComThread> StartWorker(const WorkerFactory& makeWorker,
                                        const QStringList& textTable, const WorkerJob& job,
                                        JobReportSink* sink);

// "COM3:" for the port "COM3", "ttyUSB0:" for "ttyUSB0"; a device path as it is.
QString PortLabel(const QString& portName);
// The number of `baud` for a rate the port opens at; empty for any other.
QString BaudLabel(int baud);

// The line-status dot: the red dot shown for CTS on, the black one for off.
void ShowLineStatus(QWidget* onDot, QWidget* offDot, bool ctsOn);
