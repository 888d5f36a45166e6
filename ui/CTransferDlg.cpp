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
#include "worker/QtReportRelay.h"
#include "worker/ReceivedFile.h"

namespace {

const QString kProgramFileMark = QStringLiteral(".b$n");
// The window grows to at most this many times its template's width.
constexpr int kMostWidening = 2;

}  // namespace

CTransferDlg::CTransferDlg(AppCore& app, QWidget* parent)
    : KeyedDialog(parent),
      app_(app),
      ui_(std::make_unique<Ui::CTransferDlg>()),
      lines_(app.TextTable, job) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());
    const DialogBaseUnits base = BaseUnitsOf(font());
    PlaceControls(this, base);
    setFixedSize(DialogUnitsToPixels(TemplateDialogUnits(this), base));
    ui_->ctsOnDot->setPixmap(QPixmap(QStringLiteral(":/icons/LineStatusRed.png")));
    ui_->ctsOffDot->setPixmap(QPixmap(QStringLiteral(":/icons/LineStatusBlack.png")));
    ShowLineStatus(ui_->ctsOnDot, ui_->ctsOffDot, false);
    ui_->byteCountLabel->hide();
    ui_->hintLabel->hide();
    ui_->fileCountLabel->hide();
    ui_->fileList->hide();
    relay_ = std::make_unique<QtReportRelay>(this, *this);
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

QString CTransferDlg::SendFileLine() const {
    return lines_.SendFileLine(FileName(), fileSize);
}

void CTransferDlg::ShowStatus(const QString& status) {
    statusLine = lines_.WithPort(status);
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

// The window widens, up to twice its template's width, until its title and
// each status line show whole; the status and the bar widen with it, the dot
// keeps to the right and the button to the middle.
void CTransferDlg::FitTexts() {
    const QFontMetrics metrics(ui_->statusLabel->font());
    int widest = 0;
    for (const QString& line : lines_.LinesToFit(SendFileLine()))
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
    worker = StartWorker(makeWorker, app_.TextTable, job, relay_.get());
}

void CTransferDlg::OnOK() {
    if (!cancelLocked) reject();
}

// A batch: the next file's name and size take the place of the one whose
// fate has come, and only a program file locks Cancel while it flows.
void CTransferDlg::On(const report::FileSent&) {
    ++filesSent_;
    if (filesSent_ > job.batch.size() || closing_ || ended_) return;
    fileSize = ReadFileSize(SendPath());
    isProgramFile = SendPath().contains(kProgramFileMark);
    cancelLocked = false;
    ui_->cancelButton->setEnabled(true);
    sendShare_.Reset();
    SetProgressRange();
}

void CTransferDlg::On(const report::SendProgress& progress) {
    const std::uint32_t bytes = progress.bytes;
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
void CTransferDlg::On(const report::NoAnswerYet&) {
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
void CTransferDlg::On(const report::ReceiveFileOpened& opened) {
    receivedName_ = opened.name;
    statusLine = TextAt(app_.TextTable, TextId::Receiving) + QLatin1Char('\n') +
                 lines_.WithPort(LineText(opened.name));
    ShowStatusLine();
    ui_->progressBar->setVisible(share_.announced());
    ui_->byteCountLabel->show();
    On(report::ReceiveProgress{0});
}

void CTransferDlg::On(const report::ReceiveProgress& progress) {
    if (share_.announced()) {
        share_.Progress(progress.bytes, clock());
        ShowShare();
        return;
    }
    byteCountText = TextAt(app_.TextTable, TextId::ReceivedBytes).arg(progress.bytes);
    ui_->byteCountLabel->setText(byteCountText);
}

void CTransferDlg::On(const report::ReceiveFileAnnounced& announced) {
    share_.Announce(announced.length);
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

void CTransferDlg::On(const report::FileEnded& ended) {
    share_.Reset();
    if (files_ != nullptr) files_->Add(ended.file);
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

void CTransferDlg::On(const report::CtsChanged& cts) {
    if (cts.on == ctsShown) return;
    ShowLineStatus(ui_->ctsOnDot, ui_->ctsOffDot, cts.on);
    ctsShown = cts.on;
}

// The adapter went away under a receive: the window says it waits for it,
// with Cancel, until it is back and the receive waits for the next file.
void CTransferDlg::On(const report::WaitingForPort& wait) {
    if (closing_ || ended_) return;
    share_.Reset();
    receivedName_.clear();
    ui_->progressBar->hide();
    ui_->byteCountLabel->hide();
    if (!wait.waiting) {
        ShowStatus(TextAt(app_.TextTable, TextId::WaitingOnCaliper));
        return;
    }
    statusLine = TextAt(app_.TextTable, TextId::WaitingForPort);
    ShowStatusLine();
}

void CTransferDlg::On(const report::TransactionDone& done) {
    share_.Reset();
    app_.settings.LastFile = LastFileText(done.folder, done.name);
    app_.settings.LastDir = LastDirText(done.folder);
    if (!receivedName_.isEmpty()) ShowFileIn(receivedName_);
    receivedName_.clear();
}

void CTransferDlg::ShowStatusLine() {
    ShowFittedText(ui_->statusLabel, statusLine, StatusReserve());
}

// A file is in and the job waits for the next one: the waiting text again,
// with the file just received below it and its count left standing.
void CTransferDlg::ShowFileIn(const QByteArray& name) {
    statusLine = lines_.WithPort(TextAt(app_.TextTable, TextId::WaitingOnCaliper)) +
                 QLatin1Char('\n') + TransferLines::FileInLine(LineText(name));
    ShowStatusLine();
}

void CTransferDlg::On(const report::FileNotReceived& note) {
    ShowMessage(note.message, MessageIcon::Warning);
}

void CTransferDlg::ShowMessage(const QString& text, MessageIcon icon) {
    if (dialogs.message) dialogs.message(this, text, icon);
}

// The question keeps its text; the file it is about goes on the second line.
JobReportSink::Overwrite CTransferDlg::AskOverwrite(const QString& text, const QString& path) {
    const QString question = QStringLiteral("%1\n%2").arg(text, QDir::toNativeSeparators(path));
    return dialogs.askOverwrite ? dialogs.askOverwrite(this, question) : Overwrite::Cancel;
}

std::optional<QString> CTransferDlg::AskSaveAs(const QString& path) {
    if (!dialogs.askSaveAs) return std::nullopt;
    return dialogs.askSaveAs(this, path);
}
