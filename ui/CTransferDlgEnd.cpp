// How a transfer window ends: the user's cancel, and the end of the job,
// after which a window may stay to show what became of the files.
#include "ui/CTransferDlg.h"

#include <QPushButton>

#include <algorithm>

#include "app/AppCore.h"
#include "app/TextTable.h"
#include "ui/TransferFileList.h"
#include "ui_CTransferDlg.h"
#include "worker/CComThread.h"

void CTransferDlg::reject() {
    if (ended_) {
        ended_ = false;
        done(wasCancelled_ ? QDialog::Rejected : QDialog::Accepted);
        return;
    }
    if (cancelLocked || closing_) return;
    closing_ = true;
    if (worker != nullptr) worker->Stop();
    // A send tells that it was cancelled before the window goes.
    if (job.kind == JobKind::Send && !oneShot) {
        closing_ = false;
        wasCancelled_ = true;
        ShowSendEnded(TextAt(app_.TextTable, TextId::SendCancelled));
        return;
    }
    QDialog::reject();
}

void CTransferDlg::On(const report::JobOver&) {
    if (closing_ || ended_) return;
    closing_ = true;
    if (worker != nullptr) worker->WaitUntilFinished();
    const bool sent = job.kind == JobKind::Send && worker != nullptr &&
                      worker->outcome() == JobOutcome::Succeeded;
    if (!oneShot && sent) {
        closing_ = false;
        sendShare_.Progress(fileSize, clock());
        ShowSendEnded(TextAt(app_.TextTable, TextId::TransmissionFinished));
        return;
    }
    if (!oneShot && KeepsOpenAtEnd()) {
        closing_ = false;
        ShowEnded();
        return;
    }
    done(QDialog::Accepted);
}

// The end of a send: what became of it over the file's name and size, the
// bar and its share as they were left, and Done.
void CTransferDlg::ShowSendEnded(const QString& status) {
    cancelLocked = false;
    statusLine = status + QLatin1Char('\n') + SendFileLine();
    ShowStatusLine();
    if (sendShare_.announced()) {
        if (sendShare_.Percent() == 100) ui_->progressBar->setValue(ui_->progressBar->maximum());
        byteCountText = TextAt(app_.TextTable, TextId::ReceiveShare)
                            .arg(sendShare_.Percent())
                            .arg(sendShare_.length());
        ui_->byteCountLabel->setText(byteCountText);
    }
    OfferDone();
}

// A job that ended by itself with several files, or with one that did not
// arrive whole, stays until the user has seen what became of them.
bool CTransferDlg::KeepsOpenAtEnd() const {
    return files_ != nullptr && (files_->files().size() > 1 || files_->AnyNotWhole());
}

void CTransferDlg::ShowEnded() {
    statusLine = TextAt(app_.TextTable, TextId::ReceiveEnded);
    ShowStatusLine();
    ShowReceiveEndBar();
    OfferDone();
}

// The window stays after its job: its button reads Done and closes it.
void CTransferDlg::OfferDone() {
    ended_ = true;
    ui_->cancelButton->setText(TextAt(app_.TextTable, TextId::Done));
    FitCancelButton();
    ui_->cancelButton->setEnabled(true);
}

// At the end the bar and its text tell how many of the files came whole,
// not how far the last one had come.
void CTransferDlg::ShowReceiveEndBar() {
    share_.Reset();
    const QList<JobFile>& files = files_->files();
    const auto whole = std::count_if(files.begin(), files.end(), [](const JobFile& file) {
        return file.fate == JobFile::Fate::Received;
    });
    ui_->progressBar->setRange(0, std::max<int>(1, static_cast<int>(files.size())));
    ui_->progressBar->setValue(static_cast<int>(whole));
    ui_->progressBar->show();
    byteCountText = TextAt(app_.TextTable, TextId::ReceiveEndCount).arg(whole).arg(files.size());
    ui_->byteCountLabel->setText(byteCountText);
    ui_->byteCountLabel->show();
}
