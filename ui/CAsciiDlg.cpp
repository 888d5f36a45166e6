#include "ui/CAsciiDlg.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPageRanges>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QResizeEvent>
#include <QShowEvent>
#include <QStyledItemDelegate>

#include "app/AppCore.h"
#include "app/EightBit.h"
#include "app/TextTable.h"
#include "ui/AsciiPrint.h"
#include "ui/DialogUnits.h"
#include "ui/FontChoice.h"
#include "ui/ProgramIcon.h"
#include "ui/TextRoom.h"
#include "ui_CAsciiDlg.h"
#include "worker/CComThread.h"
#include "worker/QtReportRelay.h"

namespace {

// Characters larger than this many pixels are not offered in the viewer.
constexpr int kLargestFontHeight = -66;
constexpr int kFallbackFontHeight = -13;
// The capture job's longest piece: a full one is a line of its own.
constexpr int kPieceBytes = 511;

// An item keeps the line end of its piece; on screen the line end takes no
// room of its own.
QString OnScreen(QString text) {
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    text.remove(QChar::LineSeparator);  // how the view's display text carries a line feed
    return text;
}

class PieceDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // One line of the list's font per item, as a list box draws it.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QString text = OnScreen(index.data().toString());
        return QSize(option.fontMetrics.horizontalAdvance(text) + 8,
                     option.fontMetrics.height() + 2);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = OnScreen(option->text);
    }
};

// Whether the print dialog left a printer to print on: a valid device that
// is not a PDF file without a name (what is left when the system has none).
bool HasPrinter(const QPrinter& printer) {
    if (!printer.isValid()) return false;
    return printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty();
}

LogFont SettingsFont(AppCore& app) {
    if (app.settings.FontHeight < kLargestFontHeight) app.settings.FontHeight = kFallbackFontHeight;
    LogFont font;
    font.height = app.settings.FontHeight;
    font.italic = app.settings.FontItalic;
    font.underline = app.settings.FontUnderline;
    font.strikeOut = app.settings.FontStrike;
    font.weight = app.settings.FontWeight;
    font.faceName = app.settings.FontFace.left(kLogFontFaceCapacity);
    return font;
}

}  // namespace

CAsciiDlg::CAsciiDlg(AppCore& app, QWidget* parent)
    : KeyedDialog(parent), app_(app), ui_(std::make_unique<Ui::CAsciiDlg>()) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());
    MakeResizable();
    ui_->ctsOnDot->setPixmap(QPixmap(QStringLiteral(":/icons/LineStatusRed.png")));
    ui_->ctsOffDot->setPixmap(QPixmap(QStringLiteral(":/icons/LineStatusBlack.png")));
    ShowLineStatus(ui_->ctsOnDot, ui_->ctsOffDot, false);
    ui_->nationalCheck->hide();
    ui_->marginEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    ui_->pieceList->setItemDelegate(new PieceDelegate(ui_->pieceList));
    ui_->pieceList->setTextElideMode(Qt::ElideNone);
    logFont = SettingsFont(app_);
    screenFontHeight = logFont.height;
    screenFont = ScreenFont(logFont);
    relay_ = std::make_unique<QtReportRelay>(this, *this);
    connect(ui_->fontButton, &QPushButton::clicked, this, &CAsciiDlg::OnFont);
    connect(ui_->printButton, &QPushButton::clicked, this, &CAsciiDlg::OnPrint);
    connect(ui_->notepadButton, &QPushButton::clicked, this, &CAsciiDlg::OnNotepad);
    connect(ui_->doneButton, &QPushButton::clicked, this, &CAsciiDlg::accept);
}

CAsciiDlg::~CAsciiDlg() {
    if (worker != nullptr) worker->Stop();
    worker.reset();
    if (screenFontHeight >= kLargestFontHeight) app_.settings.FontHeight = screenFontHeight;
    app_.settings.FontItalic = logFont.italic;
    app_.settings.FontUnderline = logFont.underline;
    app_.settings.FontStrike = logFont.strikeOut;
    app_.settings.FontWeight = logFont.weight;
    app_.settings.FontFace = logFont.faceName;
}

QListWidget* CAsciiDlg::pieceList() const {
    return ui_->pieceList;
}

void CAsciiDlg::OnInitDialog() {
    if (initialised_) return;
    initialised_ = true;
    const QStringList& texts = app_.TextTable;
    const QString ascii = TextAt(texts, TextId::AsciiItem);
    setWindowTitle(ascii);
    ui_->doneButton->setText(TextAt(texts, TextId::Done));
    ui_->fontButton->setText(TextAt(texts, TextId::Font));
    ui_->printButton->setText(TextAt(texts, TextId::Print));
    ui_->marginLabel->setText(TextAt(texts, TextId::Margin));
    ui_->notepadButton->setText(TextAt(texts, TextId::Notepad));
    ui_->marginEdit->setText(QString::number(marginChars));
    ui_->nationalCheck->setChecked(nationalChars != 0);
    ui_->pieceList->setFont(screenFont);
    setWindowTitle(
        QStringLiteral("%1 (%2 %3)").arg(ascii, PortLabel(job.portName), BaudLabel(job.baud)));
    FitTexts();
}

void CAsciiDlg::showEvent(QShowEvent* event) {
    OnInitDialog();
    QDialog::showEvent(event);
    if (event->spontaneous() || started_) return;
    started_ = true;
    worker = StartWorker(makeWorker, app_.TextTable, job, relay_.get());
}

void CAsciiDlg::StopAndClose(int result) {
    if (closing_) return;
    closing_ = true;
    if (worker != nullptr) {
        worker->endEvent.Set();
        worker->Stop();
    }
    nationalChars = ui_->nationalCheck->isChecked() ? 1 : 0;
    // A margin typed after the last Print is kept when it is a number.
    if (result == QDialog::Accepted) ReadMargin();
    done(result);
}

void CAsciiDlg::accept() {
    StopAndClose(QDialog::Accepted);
}

// Text that Done or Notepad would have kept is thrown away only when the
// user says so: Esc and the close box are too easily reached for that.
void CAsciiDlg::reject() {
    if (closing_) return;
    if (!captureText.isEmpty() && dialogs.askDiscard &&
        !dialogs.askDiscard(this, TextAt(app_.TextTable, TextId::DiscardCaptureOnClose))) {
        return;
    }
    StopAndClose(QDialog::Rejected);
}

void CAsciiDlg::OnNotepad() {
    if (closing_) return;
    notepadRequested = true;
    accept();
}

bool CAsciiDlg::ReadMargin() {
    bool ok = false;
    const int margin = ui_->marginEdit->text().toInt(&ok);
    if (ok) marginChars = margin;
    return ok;
}

void CAsciiDlg::Message(const QString& text) {
    if (dialogs.message) dialogs.message(this, text, std::nullopt);
}

void CAsciiDlg::OnFont() {
    if (!dialogs.chooseFont) return;
    const std::optional<QFont> chosen =
        dialogs.chooseFont(this, ChooserFont(logFont, logicalDpiY()));
    if (!chosen) return;
    const LogFont described = LogFontFromFont(*chosen, logicalDpiY());
    if (described.height < kLargestFontHeight) return;
    logFont = described;
    screenFontHeight = described.height;
    screenFont = ScreenFont(logFont);
    ui_->pieceList->setFont(screenFont);
}

// ---- Font and size on screen

// The settings keep the font in points; the screen draws it at its own
// resolution (10 points are 13 pixels at 96 dpi).
QFont CAsciiDlg::ScreenFont(const LogFont& font) const {
    return FontFromLogFont(AtDeviceSize(font, logicalDpiY()), this);
}

// The template's size is the smallest; the list takes whatever room the
// window gains, the column of buttons and the line dot keep to the right.
void CAsciiDlg::MakeResizable() {
    const DialogBaseUnits base = BaseUnitsOf(font());
    PlaceControls(this, base);
    templateSize_ = DialogUnitsToPixels(TemplateDialogUnits(this), base);
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        templatePlaces_.append({control, control->geometry()});
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setSizeGripEnabled(true);
    setMinimumSize(templateSize_);
    resize(templateSize_);
}

// The column at the right widens until its widest text shows whole, and
// the window with it; a title that needs more room widens the list.
void CAsciiDlg::FitTexts() {
    int column = 0;
    for (const auto& [control, place] : templatePlaces_) {
        if (const auto* button = qobject_cast<const QPushButton*>(control))
            column = std::max(column, ButtonFitWidth(button) - place.width());
        else if (control == ui_->marginLabel)
            column = std::max(column, LabelFitWidth(ui_->marginLabel) - place.width());
    }
    const int list = std::max(0, TitleFitWidth(this) - templateSize_.width() - column);
    if (column == 0 && list == 0) return;
    for (auto& [control, place] : templatePlaces_) {
        if (control == ui_->pieceList) {
            place.setWidth(place.width() + list);
            continue;
        }
        const bool widens =
            qobject_cast<const QPushButton*>(control) || control == ui_->marginLabel;
        place.translate(list + (widens ? 0 : column), 0);
        if (widens) place.setWidth(place.width() + column);
    }
    templateSize_.rwidth() += column + list;
    setMinimumSize(templateSize_);
    resize(size().expandedTo(templateSize_));
    PlaceControlsForSize();
}

// The list takes whatever room the window has beyond its smallest size.
void CAsciiDlg::PlaceControlsForSize() {
    const QSize grown = (size() - templateSize_).expandedTo(QSize(0, 0));
    for (const auto& [control, place] : templatePlaces_) {
        if (control == ui_->pieceList)
            control->setGeometry(place.adjusted(0, 0, grown.width(), grown.height()));
        else
            control->setGeometry(place.translated(grown.width(), 0));
    }
}

void CAsciiDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceControlsForSize();
}

void CAsciiDlg::OnPrint() {
    if (!ReadMargin()) Message(QString::fromLatin1(kMarginEntryText));
    if (!dialogs.choosePrinter) return;
    QPrinter printer(QPrinter::HighResolution);
    if (!dialogs.choosePrinter(this, printer, app_.settings.CaptureDir)) return;
    if (!HasPrinter(printer)) {
        Message(QString::fromLatin1(kNoPrinterText));
        return;
    }
    int pages = 0;
    const PrintResult result =
        PrintCapture(printer, {captureText, logFont, screenFontHeight, marginChars}, &pages);
    if (result == PrintResult::NoPageInRange) {
        const QPageRanges asked = printer.pageRanges();
        Message(TextAt(app_.TextTable, TextId::PagesNotInPrint)
                    .arg(asked.firstPage())
                    .arg(asked.lastPage())
                    .arg(pages));
    } else if (result != PrintResult::Printed) {
        Message(PrintResultText(result, app_.TextTable));
    } else if (printer.outputFormat() == QPrinter::PdfFormat) {
        app_.settings.CaptureDir = QFileInfo(printer.outputFileName()).absolutePath();
    }
}

void CAsciiDlg::On(const report::CapturedText& captured) {
    const QByteArray& piece = captured.piece;
    captureText.append(piece);
    QListWidget* list = ui_->pieceList;
    // A piece handed over when the line fell quiet before its line end is
    // continued by the next one on the same line of the list.
    const bool continues = !openPiece_.isEmpty() && list->count() > 0;
    openPiece_ = continues ? openPiece_ + piece : piece;
    // On screen a piece ends at a zero byte, as C text would.
    const qsizetype end = openPiece_.indexOf('\0');
    const QString text = FromEightBit(end < 0 ? openPiece_ : openPiece_.left(end));
    if (continues)
        list->item(list->count() - 1)->setText(text);
    else
        list->addItem(text);
    if (openPiece_.endsWith('\n') || openPiece_.size() >= kPieceBytes) openPiece_.clear();
    const int row = list->count() - 1;
    if (row < 0) return;
    list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
    list->scrollToItem(list->item(row));
}

void CAsciiDlg::On(const report::JobOver&) {
    if (closing_) return;
    closing_ = true;
    if (worker != nullptr) worker->WaitUntilFinished();
    // A lost line ends the job but must not take the text that came before
    // it: the viewer stays open for Print, Done and Notepad.
    const bool lineLost = worker != nullptr && worker->outcome() == JobOutcome::LineLost;
    if (lineLost && !captureText.isEmpty()) {
        closing_ = false;
        return;
    }
    done(QDialog::Rejected);
}

void CAsciiDlg::On(const report::CtsChanged& cts) {
    if (cts.on == ctsShown) return;
    ShowLineStatus(ui_->ctsOnDot, ui_->ctsOffDot, cts.on);
    ctsShown = cts.on;
}

// The adapter went away: the title says the capture waits for it to be
// plugged in again; the text so far stays, and what follows is added to it.
void CAsciiDlg::On(const report::WaitingForPort& wait) {
    const QString waitingText = TextAt(app_.TextTable, TextId::WaitingForPort);
    const QString suffix = QStringLiteral(" \u2013 ") + waitingText;
    QString title = windowTitle();
    if (title.endsWith(suffix)) title.chop(suffix.size());
    setWindowTitle(wait.waiting ? title + suffix : title);
}

void CAsciiDlg::ShowMessage(const QString& text, MessageIcon icon) {
    if (dialogs.message) dialogs.message(this, text, icon);
}
