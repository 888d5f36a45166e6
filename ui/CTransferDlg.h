#pragma once

#include <QString>

#include <cstdint>
#include <memory>

#include "ui/DialogKeys.h"
#include "ui/JobDialogs.h"
#include "worker/JobWindow.h"
#include "worker/WorkerJob.h"

class AppCore;
class CComThread;
class QtJobWindow;

namespace Ui {
class CTransferDlg;
}

// The window of one Kermit transfer (CTransferDlg.ui): it starts the job when
// first shown, shows what the worker reports (waiting, sending with a
// progress bar, receiving with a byte count, the CTS dot), lets the user
// cancel, and closes with Accepted when the worker reports the end of the
// job, or with Rejected when the user cancelled. Either way the worker
// thread has ended when it closes.
//
// Its job window side runs on the user-interface thread; the worker reaches it
// through a QtJobWindow.
class CTransferDlg : public KeyedDialog, public JobWindowBase {
    Q_OBJECT
public:
    explicit CTransferDlg(AppCore& app, QWidget* parent = nullptr);
    ~CTransferDlg() override;

    // The job, a send or a receive, set by the creator before the window is
    // shown.
    WorkerJob job;
    std::uint32_t fileSize = 0;  // sending: the size of the file

    // The window's own state.
    std::unique_ptr<CComThread> worker;  // the job's worker, from the first show on
    bool isProgramFile = false;          // the path being sent contains ".b$n"
    bool cancelLocked = false;           // a program file flows: no cancelling
    QString statusLine;                  // the two-line status text
    int ctsShown = 0;                    // the CTS state the dot shows
    QString byteCountText;               // "%d bytes" while receiving

    // Seams: the dialogs it opens and how it makes its worker.
    JobDialogs dialogs = JobDialogs::System();
    WorkerFactory makeWorker = SystemWorkers();

    // Start-up: title, texts, progress range. Runs by itself before the first
    // show; tests that never show the window call it directly.
    void OnInitDialog();

    // Button 1 and Enter: what Cancel does, unless cancelling is locked.
    void OnOK();
    // Esc, the close box and OnOK: the stop sequence, then close with
    // Rejected; nothing while cancelling is locked.
    void reject() override;

    // The job's reports and questions (a transfer captures no text).
    void OnReceiveFileOpened(const QByteArray& name) override;
    void OnReceiveProgress(std::uint32_t bytes) override;
    void OnSendProgress(std::uint32_t bytes) override;
    void OnNoAnswerYet() override;
    void OnJobOver() override;
    void OnCtsChanged(int ctsOn) override;
    void OnTransactionDone(const QString& folder, const QByteArray& name) override;
    void ShowMessage(const QString& text, MessageIcon icon) override;
    Overwrite AskOverwrite(const QString& text, const QString& path) override;
    std::optional<QString> AskSaveAs(const QString& path) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void StartJob();
    void ShowStatus(const QString& status);
    void ShowFileIn(const QByteArray& name);
    void ShowStatusLine();
    void FitTexts();
    void FitCancelButton();
    int StatusReserve() const;
    QStringList LinesToFit() const;
    QString WithPort(const QString& status) const;
    QString SendFileLine() const;
    QString ReceivedFileLine(const QString& name) const;
    static QString FileInLine(const QString& name);
    void ShowHint(const QString& hint);
    QString FileName() const;
    QString PortAndBaud() const;
    int ProgressUnits(std::uint32_t bytes) const;

    AppCore& app_;
    std::unique_ptr<Ui::CTransferDlg> ui_;
    std::unique_ptr<QtJobWindow> marshal_;
    bool initialised_ = false;
    bool started_ = false;
    bool closing_ = false;
    bool sending_ = false;  // the first send progress has come
    bool hintShown_ = false;
    QByteArray receivedName_;  // the file of the receive transaction under way
    int progressShift_ = 0;    // the bar counts bytes >> this, to stay in int range
};
