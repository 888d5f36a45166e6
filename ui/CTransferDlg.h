#pragma once

#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "ui/DialogKeys.h"
#include "ui/JobDialogs.h"
#include "ui/TransferLines.h"
#include "worker/JobReportSink.h"
#include "worker/ReceiveShare.h"
#include "worker/WorkerJob.h"

class AppCore;
class CComThread;
class QtReportRelay;
class TransferFileList;

namespace Ui {
class CTransferDlg;
}

// The window of one Kermit transfer (CTransferDlg.ui): it starts the job when
// first shown, shows what the worker reports (waiting, sending with a
// progress bar, receiving with a byte count, or a bar with the share and the
// time left when the sender announced the length; the files of a receive
// job; the CTS dot), lets the user cancel, and closes with Accepted when the
// worker reports the end of the job, or with Rejected when the user
// cancelled. A receive that ends by itself with more than one file, or with
// one that did not arrive whole, keeps its window open until the user has
// seen the list (Done, Esc or the close box; Accepted then). A send that
// went through stays with "Transmission finished!", one the user cancelled
// with the words for that, until Done. A window of a one-shot run (the
// program's command line) closes when its job ends, whatever it has to show.
// Either way the worker thread has ended when it closes.
//
// It takes the job's reports on the user-interface thread; the worker reaches
// it through a QtReportRelay.
class CTransferDlg : public KeyedDialog, public HandlesReports<CTransferDlg> {
    Q_OBJECT
public:
    explicit CTransferDlg(AppCore& app, QWidget* parent = nullptr);
    ~CTransferDlg() override;

    // The job, a send or a receive, set by the creator before the window is
    // shown.
    WorkerJob job;
    std::uint32_t fileSize = 0;  // sending: the size of the file
    bool oneShot = false;        // the command line started the job: close at its end

    // The window's own state.
    std::unique_ptr<CComThread> worker;  // the job's worker, from the first show on
    bool isProgramFile = false;          // the path being sent contains ".b$n"
    bool cancelLocked = false;           // a program file flows: no cancelling
    QString statusLine;                  // the two-line status text
    bool ctsShown = false;               // the CTS state the dot shows
    QString byteCountText;               // "%d bytes" while receiving, or the share

    // Seams: the dialogs it opens and how it makes its worker.
    JobDialogs dialogs = JobDialogs::System();
    WorkerFactory makeWorker = SystemWorkers();
    // The clock the time left of a receive is estimated by.
    std::function<std::chrono::steady_clock::time_point()> clock = std::chrono::steady_clock::now;

    // Start-up: title, texts, progress range. Runs by itself before the first
    // show; tests that never show the window call it directly.
    void OnInitDialog();

    // Button 1 and Enter: what Cancel does, unless cancelling is locked.
    void OnOK();
    // Esc, the close box and OnOK: the stop sequence, then close with
    // Rejected; nothing while cancelling is locked.
    void reject() override;
    // Starts up before the window is first placed: a receive window grows by
    // its file list, and centres with its full size.
    void setVisible(bool visible) override;

    // The questions of the job; its reports come through Report.
    void ShowMessage(const QString& text, MessageIcon icon) override;
    Overwrite AskOverwrite(const QString& text, const QString& path) override;
    std::optional<QString> AskSaveAs(const QString& path) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // HandlesReports hands each report to the On for its kind.
    friend class HandlesReports<CTransferDlg>;
    using HandlesReports::On;

    void ShowStatus(const QString& status);
    void ShowStatusLine();
    void FitTexts();
    void FitCancelButton();
    int StatusReserve() const;
    void SetProgressRange();
    int ProgressUnits(std::uint32_t bytes) const;

    // The reports it shows, each beside what it uses (a transfer captures no
    // text).
    void On(const report::CtsChanged& cts);
    void On(const report::WaitingForPort& wait);
    // A warning box, which the job does not wait for.
    void On(const report::FileNotReceived& note);

    // Sending: the bar, the hint while the caliper is silent, a batch's next
    // file.
    void On(const report::SendProgress& progress);
    void On(const report::NoAnswerYet&);
    void ShowHint(const QString& hint);
    void On(const report::FileSent& sent);
    QString SendPath() const;
    QString FileName() const;
    QString SendFileLine() const;

    // Receiving: the file under way, its share, the list of the files.
    void On(const report::ReceiveFileOpened& opened);
    void On(const report::ReceiveFileAnnounced& announced);
    void On(const report::ReceiveProgress& progress);
    void ShowShare();
    void On(const report::FileEnded& ended);
    void ShowFileList();
    void On(const report::TransactionDone& done);
    void ShowFileIn(const QByteArray& name);

    // The end (CTransferDlgEnd.cpp): the window closes, or stays to show how
    // the job ended.
    void On(const report::JobOver&);
    bool KeepsOpenAtEnd() const;
    void ShowEnded();
    void ShowReceiveEndBar();
    void ShowSendEnded(const QString& status);
    void OfferDone();

    AppCore& app_;
    std::unique_ptr<Ui::CTransferDlg> ui_;
    TransferLines lines_;
    std::unique_ptr<QtReportRelay> relay_;
    bool initialised_ = false;
    bool started_ = false;
    bool closing_ = false;
    bool sending_ = false;  // the first send progress has come
    bool hintShown_ = false;
    QByteArray receivedName_;                  // the file of the receive transaction under way
    int progressShift_ = 0;                    // the bar counts bytes >> this, to stay in int range
    ReceiveShare share_;                       // the file under way, when its length was announced
    ReceiveShare sendShare_;                   // sending: the share of the file sent
    std::unique_ptr<TransferFileList> files_;  // receiving: the files of the job
    bool ended_ = false;         // the job ended by itself and the window stays for its list
    bool wasCancelled_ = false;  // the user cancelled a send, and the window says so
    qsizetype filesSent_ = 0;    // sending a batch: the files whose fate has come
};
