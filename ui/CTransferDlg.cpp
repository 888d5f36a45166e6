#include "ui/CTransferDlg.h"

#include <QDir>
#include <QFontMetrics>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <climits>

#include "app/AppCore.h"
#include "app/EightBit.h"
#include "app/PathParts.h"
#include "app/TextTable.h"
#include "ui/CaptureFile.h"
#include "ui/DialogUnits.h"
#include "ui/FittedText.h"
#include "ui/ProgramIcon.h"
#include "ui/TextRoom.h"
#include "ui/TransferFileList.h"
#include "ui_CTransferDlg.h"
#include "worker/CComThread.h"
#include "worker/LineText.h"
#include "worker/QtJobWindow.h"
#include "worker/ReceivedFile.h"

namespace {

const QString kProgramFileMark = QStringLiteral(".b$n");
// The window widens for a received file's name as long as this one; a
// longer name wraps or is shortened in its middle.
const QString kTypicalReceivedName = QStringLiteral("PLOT0000.DAT");
// The window grows to at most this many times its template's width.
constexpr int kMostWidening = 2;

}  // namespace

CTransferDlg::CTransferDlg(AppCore& app, QWidget* parent)
    : KeyedDialog(parent), app_(app), ui_(std::make_unique<Ui::CTransferDlg>()) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());
    const DialogBaseUnits base = BaseUnitsOf(font());
    PlaceControls(this, base);
    setFixedSize(DialogUnitsToPixels(TemplateDialogUnits(this), base));
    ui_->ctsOnDot->setPixmap(QPixmap(QStringLiteral(":/icons/LineStatusRed.png")));
    ui_->ctsOffDot->setPixmap(QPixmap(QStringLiteral(":/icons/LineStatusBlack.png")));
    ShowLineStatus(ui_->ctsOnDot, ui_->ctsOffDot, 0);
    ui_->byteCountLabel->hide();
    ui_->hintLabel->hide();
    ui_->fileCountLabel->hide();
    ui_->fileList->hide();
    marshal_ = std::make_unique<QtJobWindow>(this, *this);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CTransferDlg::OnOK);
}

CTransferDlg::~CTransferDlg() {
    if (worker != nullptr) worker->Stop();
    worker.reset();
}

// The file being sent: of a batch, the first whose fate has not come yet,
// or the last once all have come.
QString CTransferDlg::SendPath() const {
    const qsizetype index = std::min<qsizetype>(filesSent_, job.batch.size());
    return index == 0 ? job.path : job.batch.at(index - 1);
}

QString CTransferDlg::FileName() const {
    const QString path = SendPath();
    return path.mid(LastSeparator(path) + 1);
}

QString CTransferDlg::PortAndBaud() const {
    return QStringLiteral("%1 %2").arg(PortLabel(job.portName), BaudLabel(job.baud));
}

QString CTransferDlg::WithPort(const QString& status) const {
    return QStringLiteral("%1 (%2)").arg(status, PortAndBaud());
}

QString CTransferDlg::SendFileLine() const {
    const QString size =
        TextAt(app_.TextTable, TextId::SendSizeBytes).arg(static_cast<std::int32_t>(fileSize));
    return QStringLiteral("%1 (%2)").arg(FileName(), size);
}

QString CTransferDlg::ReceivedFileLine(const QString& name) const {
    return QStringLiteral("%1 (%2)").arg(name, PortAndBaud());
}

// A file just received, marked done.
QString CTransferDlg::FileInLine(const QString& name) {
    return QStringLiteral("\u2713 ") + name;
}

void CTransferDlg::ShowStatus(const QString& status) {
    statusLine = WithPort(status);
    if (job.kind == JobKind::Send) statusLine += QLatin1Char('\n') + SendFileLine();
    ShowStatusLine();
}

void CTransferDlg::OnInitDialog() {
    if (initialised_) return;
    initialised_ = true;
    const QStringList& texts = app_.TextTable;
    if (job.kind == JobKind::Send) {
        setWindowTitle(TextAt(texts, TextId::KermitSendButton));
        isProgramFile = job.path.contains(kProgramFileMark);
    } else {
        setWindowTitle(TextAt(texts, TextId::KermitReceiveButton));
        ShowFileList();
    }
    ui_->cancelButton->setText(TextAt(texts, TextId::Cancel));
    FitTexts();
    ShowStatus(TextAt(texts, TextId::WaitingOnCaliper));
    SetProgressRange();
}

// The bar counts in units that keep a file of up to 4 GB within its range.
void CTransferDlg::SetProgressRange() {
    progressShift_ = 0;
    while ((fileSize >> progressShift_) > static_cast<std::uint32_t>(INT_MAX))
        ++progressShift_;
    ui_->progressBar->setRange(0, std::max(1, ProgressUnits(fileSize)));
    ui_->progressBar->setValue(0);
}

// Every line the status can show, each on a line of its own, with a typical
// name for a file still to come.
QStringList CTransferDlg::LinesToFit() const {
    const QStringList& texts = app_.TextTable;
    QStringList lines{WithPort(TextAt(texts, TextId::WaitingOnCaliper))};
    if (job.kind == JobKind::Send) {
        lines << WithPort(TextAt(texts, TextId::Sending)) << SendFileLine()
              << TextAt(texts, TextId::TransmissionFinished) << TextAt(texts, TextId::SendCancelled)
              << TextAt(texts, TextId::ReceiveShareMinutes).arg(100).arg(UINT32_MAX).arg(999);
    } else {
        lines << TextAt(texts, TextId::Receiving) << ReceivedFileLine(kTypicalReceivedName)
              << FileInLine(kTypicalReceivedName)
              << TextAt(texts, TextId::ReceivedBytes).arg(UINT32_MAX)
              << TextAt(texts, TextId::ReceiveShareMinutes).arg(100).arg(UINT32_MAX).arg(999)
              << TextAt(texts, TextId::ReceiveEnded)
              << TextAt(texts, TextId::ReceiveEndCount).arg(999).arg(999);
    }
    return lines;
}

// The window widens, up to twice its template's width, until its title and
// each status line show whole; the status and the bar widen with it, the dot
// keeps to the right and the button to the middle.
void CTransferDlg::FitTexts() {
    const QFontMetrics metrics(ui_->statusLabel->font());
    int widest = 0;
    for (const QString& line : LinesToFit())
        widest = std::max(widest, metrics.horizontalAdvance(line));
    int extra = widest + StatusReserve() + 1 - ui_->statusLabel->width();
    if (files_ != nullptr) extra = std::max(extra, files_->ExtraWidthWanted());
    extra = std::max({extra, TitleFitWidth(this) - width(), 0});
    extra = std::min(extra, (kMostWidening - 1) * width());
    for (QWidget* wide :
         {static_cast<QWidget*>(ui_->statusLabel), static_cast<QWidget*>(ui_->progressBar),
          static_cast<QWidget*>(ui_->byteCountLabel), static_cast<QWidget*>(ui_->fileCountLabel),
          static_cast<QWidget*>(ui_->fileList)})
        wide->resize(wide->width() + extra, wide->height());
    for (QWidget* dot : {ui_->ctsOnDot, ui_->ctsOffDot})
        dot->move(dot->x() + extra, dot->y());
    ui_->cancelButton->move(ui_->cancelButton->x() + extra / 2, ui_->cancelButton->y());
    setFixedSize(width() + extra, height());
    FitCancelButton();
}

// A button text longer than the button widens it about its middle.
void CTransferDlg::FitCancelButton() {
    QPushButton* button = ui_->cancelButton;
    const int extra = std::max(0, ButtonFitWidth(button) - button->width());
    button->setGeometry(button->geometry().adjusted(-extra / 2, 0, extra - extra / 2, 0));
}

// The status keeps clear of the line-status dot in its top right corner.
int CTransferDlg::StatusReserve() const {
    return std::max(0, ui_->statusLabel->geometry().right() - ui_->ctsOnDot->geometry().left() + 2);
}

int CTransferDlg::ProgressUnits(std::uint32_t bytes) const {
    return static_cast<int>(bytes >> progressShift_);
}

void CTransferDlg::setVisible(bool visible) {
    if (visible) OnInitDialog();
    KeyedDialog::setVisible(visible);
}

// setVisible has started the window up.
void CTransferDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || started_) return;
    started_ = true;
    StartJob();
}

void CTransferDlg::StartJob() {
    if (!makeWorker) return;
    worker = makeWorker(app_.TextTable);
    if (worker == nullptr) return;
    worker->PostJob(job, marshal_.get());
}

void CTransferDlg::OnOK() {
    if (!cancelLocked) reject();
}

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

void CTransferDlg::OnJobOver() {
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
    ended_ = true;
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
    ui_->cancelButton->setText(TextAt(app_.TextTable, TextId::Done));
    FitCancelButton();
    ui_->cancelButton->setEnabled(true);
}

// A batch: the next file's name and size take the place of the one whose
// fate has come, and only a program file locks Cancel while it flows.
void CTransferDlg::OnFileSent(const SentFile&) {
    ++filesSent_;
    if (filesSent_ > job.batch.size() || closing_ || ended_) return;
    fileSize = ReadFileSize(SendPath());
    isProgramFile = SendPath().contains(kProgramFileMark);
    cancelLocked = false;
    ui_->cancelButton->setEnabled(true);
    sendShare_.Reset();
    SetProgressRange();
}

void CTransferDlg::OnSendProgress(std::uint32_t bytes) {
    if (bytes <= 1) {
        sending_ = true;
        if (hintShown_) ShowHint(QString());
        ShowStatus(TextAt(app_.TextTable, TextId::Sending));
        if (isProgramFile) {
            ui_->cancelButton->setEnabled(false);
            cancelLocked = true;
        }
    }
    ui_->progressBar->setValue(ProgressUnits(std::min(bytes, fileSize)));
    // As a receive shows it: the share of the file and the time left.
    if (!sendShare_.announced()) sendShare_.Announce(fileSize);
    if (!sendShare_.announced()) return;
    sendShare_.Progress(std::min(bytes, fileSize), clock());
    byteCountText = sendShare_.Text(app_.TextTable);
    ui_->byteCountLabel->setText(byteCountText);
    ui_->byteCountLabel->show();
}

// The caliper has not answered for ten seconds: below the status, what the
// user can do about it. The window grows by the hint's height.
void CTransferDlg::OnNoAnswerYet() {
    if (job.kind != JobKind::Send || sending_ || closing_) return;
    ShowHint(TextAt(app_.TextTable, TextId::NoAnswerYet).arg(BaudLabel(job.baud)));
}

// Shows `hint` below the template's controls, or takes it away when empty.
void CTransferDlg::ShowHint(const QString& hint) {
    hintShown_ = !hint.isEmpty();
    QSize units = TemplateDialogUnits(this);
    if (hintShown_) {
        const QRect place = ControlDialogUnits(ui_->hintLabel);
        units.setHeight(place.y() + place.height() + 1);
    }
    setFixedSize(DialogUnitsToPixels(units, BaseUnitsOf(font())));
    ui_->hintLabel->setVisible(hintShown_);
    if (hintShown_) ShowFittedText(ui_->hintLabel, hint, 0);
}

// The length may be announced before the file is opened or after it: the
// bar shows whenever it is known.
void CTransferDlg::OnReceiveFileOpened(const QByteArray& name) {
    receivedName_ = name;
    statusLine = TextAt(app_.TextTable, TextId::Receiving) + QLatin1Char('\n') +
                 ReceivedFileLine(LineText(name));
    ShowStatusLine();
    ui_->progressBar->setVisible(share_.announced());
    ui_->byteCountLabel->show();
    OnReceiveProgress(0);
}

void CTransferDlg::OnReceiveProgress(std::uint32_t bytes) {
    if (share_.announced()) {
        share_.Progress(bytes, clock());
        ShowShare();
        return;
    }
    byteCountText = TextAt(app_.TextTable, TextId::ReceivedBytes).arg(bytes);
    ui_->byteCountLabel->setText(byteCountText);
}

void CTransferDlg::OnReceiveFileAnnounced(std::uint64_t length) {
    share_.Announce(length);
    if (!share_.announced()) return;
    ui_->progressBar->setRange(0, 100);
    ui_->progressBar->show();
    ui_->byteCountLabel->show();
    ShowShare();
}

// The share over the bar, which fills with it.
void CTransferDlg::ShowShare() {
    ui_->progressBar->setValue(share_.Percent());
    byteCountText = share_.Text(app_.TextTable);
    ui_->byteCountLabel->setText(byteCountText);
}

void CTransferDlg::OnFileEnded(const JobFile& file) {
    share_.Reset();
    if (files_ != nullptr) files_->Add(file);
}

// Receiving: the count and the list below the bar, the button below them;
// the window grows by their height.
void CTransferDlg::ShowFileList() {
    files_ = std::make_unique<TransferFileList>(app_.TextTable, ui_->fileCountLabel, ui_->fileList);
    files_->Show();
    const DialogBaseUnits base = BaseUnitsOf(font());
    const QRect list = ControlDialogUnits(ui_->fileList);
    const QRect button = ControlDialogUnits(ui_->cancelButton);
    const int margin = TemplateDialogUnits(this).height() - (button.y() + button.height());
    const int buttonTop = list.y() + list.height() + margin;
    ui_->cancelButton->move(ui_->cancelButton->x(), DialogUnitsToPixelsY(buttonTop, base));
    const QSize units(TemplateDialogUnits(this).width(), buttonTop + button.height() + margin);
    setFixedSize(DialogUnitsToPixels(units, base));
}

// A job that ended by itself with several files, or with one that did not
// arrive whole, stays until the user has seen what became of them.
bool CTransferDlg::KeepsOpenAtEnd() const {
    return files_ != nullptr && (files_->files().size() > 1 || files_->AnyNotWhole());
}

void CTransferDlg::ShowEnded() {
    ended_ = true;
    statusLine = TextAt(app_.TextTable, TextId::ReceiveEnded);
    ShowStatusLine();
    ShowReceiveEndBar();
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

void CTransferDlg::OnCtsChanged(int ctsOn) {
    if (ctsOn == ctsShown) return;
    ShowLineStatus(ui_->ctsOnDot, ui_->ctsOffDot, ctsOn);
    ctsShown = ctsOn;
}

// The adapter went away under a receive: the window says it waits for it,
// with Cancel, until it is back and the receive waits for the next file.
void CTransferDlg::OnWaitingForPort(bool waiting, const QString&) {
    if (closing_ || ended_) return;
    share_.Reset();
    receivedName_.clear();
    ui_->progressBar->hide();
    ui_->byteCountLabel->hide();
    if (!waiting) {
        ShowStatus(TextAt(app_.TextTable, TextId::WaitingOnCaliper));
        return;
    }
    statusLine = TextAt(app_.TextTable, TextId::WaitingForPort);
    ShowStatusLine();
}

void CTransferDlg::OnTransactionDone(const QString& folder, const QByteArray& name) {
    share_.Reset();
    app_.settings.LastFile = LastFileText(folder, name);
    app_.settings.LastDir = LastDirText(folder);
    if (!receivedName_.isEmpty()) ShowFileIn(receivedName_);
    receivedName_.clear();
}

void CTransferDlg::ShowStatusLine() {
    ShowFittedText(ui_->statusLabel, statusLine, StatusReserve());
}

// A file is in and the job waits for the next one: the waiting text again,
// with the file just received below it and its count left standing.
void CTransferDlg::ShowFileIn(const QByteArray& name) {
    statusLine = WithPort(TextAt(app_.TextTable, TextId::WaitingOnCaliper)) + QLatin1Char('\n') +
                 FileInLine(LineText(name));
    ShowStatusLine();
}

void CTransferDlg::ShowMessage(const QString& text, MessageIcon icon) {
    if (dialogs.message) dialogs.message(this, text, icon);
}

// The question keeps its text; the file it is about goes on the second line.
JobWindow::Overwrite CTransferDlg::AskOverwrite(const QString& text, const QString& path) {
    const QString question = QStringLiteral("%1\n%2").arg(text, QDir::toNativeSeparators(path));
    return dialogs.askOverwrite ? dialogs.askOverwrite(this, question) : Overwrite::Cancel;
}

std::optional<QString> CTransferDlg::AskSaveAs(const QString& path) {
    if (!dialogs.askSaveAs) return std::nullopt;
    return dialogs.askSaveAs(this, path);
}
