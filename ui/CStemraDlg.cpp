#include "ui/CStemraDlg.h"

#include "app/AppCore.h"
#include "app/CommandIds.h"
#include "app/EditorLauncher.h"
#include "app/Languages.h"
#include "app/MainWindowLabels.h"
#include "app/PacketLogSetting.h"
#include "app/TextTable.h"
#include "serial/BaudRates.h"
#include "ui/AppJobWindowFactory.h"
#include "ui/CAboutDlg.h"
#include "ui/CSettingsDlg.h"
#include "ui/CaptureFile.h"
#include "ui/DialogUnits.h"
#include "ui/LeftAlignedButton.h"
#include "ui/PortChoice.h"
#include "ui/ProgramIcon.h"
#include "ui/QtMessageSink.h"
#include "ui/TextRoom.h"
#include "ui_CStemraDlg.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("Corvix");
// The receive folder's buffer, in characters.
constexpr int kFolderCapacity = 2048;
// Data to printer stands in for a printer at 4800 baud.
constexpr int kPrinterBaud = 4800;

// The stored prefixing: 1 cautious, 2 all, anything else automatic.
kermit::Prefixing PrefixingOf(int stored) {
    if (stored == 1) return kermit::Prefixing::Cautious;
    if (stored == 2) return kermit::Prefixing::All;
    return kermit::Prefixing::Automatic;
}

}  // namespace

CStemraDlg::CStemraDlg(AppCore& app, MainWindowServices services, QWidget* parent)
    : KeyedDialog(parent),
      app_(app),
      services_(std::move(services)),
      ui_(std::make_unique<Ui::CStemraDlg>()) {
    // The real job windows, unless whoever made the window brought its own.
    const JobWindowFactory real = AppJobWindowFactory(app_);
    if (!services_.jobWindows.runTransfer) services_.jobWindows.runTransfer = real.runTransfer;
    if (!services_.jobWindows.runCapture) services_.jobWindows.runCapture = real.runCapture;
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(ProgramIcon());
    ConnectCommands();
    AddLanguageItems();
    LayOut();
}

CStemraDlg::~CStemraDlg() = default;

void CStemraDlg::ConnectCommands() {
    for (QAction* action : findChildren<QAction*>()) {
        const int id = action->property("commandId").toInt();
        if (id == 0) continue;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
        const int id = button->property("controlId").toInt();
        connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
    }
}

// Whatever a command changed of the settings is stored at once.
void CStemraDlg::OnCommand(int id) {
    RunCommand(id);
    app_.SaveSettings();
}

void CStemraDlg::RunCommand(int id) {
    if (id >= kFirstLanguageCommand && id <= kLastLanguageCommand) {
        OnLanguageCommand(id);
        return;
    }
    switch (id) {
        case CommandId::SettingsButton:
        case CommandId::SettingsItem:
            return OnSettings();
        case CommandId::KermitSendButton:
        case CommandId::SendFileItem:
            return OnKermitSend();
        case CommandId::LoadProgramButton:
        case CommandId::LoadProgramItem:
            return OnProgramLoad();
        case CommandId::KermitReceiveButton:
        case CommandId::ReceiveFileItem:
            return OnKermitReceive();
        case CommandId::DataToPrinterButton:
        case CommandId::AsciiItem:
            return OnDataToPrinter();
        case CommandId::ReceiveAsciiButton:
        case CommandId::ReceiveAsciiItem:
            return OnReceiveAscii();
        case CommandId::ExitButton:
        case CommandId::ExitItem:
            return OnExit();
        case CommandId::HelpItem:
            return OnHelp();
        case CommandId::AboutItem:
            return OnAbout();
        default:
            return;
    }
}

// ---- Initialisation and languages

// The command line's request runs before the window shows: its job window
// stands alone, and a request that ends the program ends it unseen.
int CStemraDlg::exec() {
    ended_ = false;
    OnInitDialog();
    RunStartupRequest();
    if (ended_) return result();
    return QDialog::exec();
}

void CStemraDlg::OnInitDialog() {
    app_.EnumeratePorts();
    CheckLanguageItem(app_.settings.Language, true);
    setWindowIcon(ProgramIcon());
    ScanLanguageFiles();
    ChooseLanguage(app_.settings.Language, true);
}

// Without a caliper adapter among the ports, below the buttons: the port a
// job will use, or that none is set and where to set it.
void CStemraDlg::ShowPortHint() {
    const bool adapter = std::any_of(app_.PortList.begin(), app_.PortList.end(),
                                     [](const _tagPORTS& port) { return port.isCaliper == 1; });
    QString hint;
    if (app_.settings.Comport.isEmpty()) {
        hint = Text(TextId::NoPortSet)
                   .arg(Text(TextId::CommunicationMenu), Text(TextId::SettingsItem));
    } else if (!adapter) {
        hint = Text(TextId::NoAdapterPortUsed).arg(PortEntryName(app_.settings.Comport));
    }
    ui_->portHint->setText(hint);
    ui_->portHint->setVisible(!hint.isEmpty());
}

void CStemraDlg::RunStartupRequest() {
    switch (ChooseStartupAction(commandLineRequest, app_.settings.Comport)) {
        case StartupAction::LoadProgram:
            return OnProgramLoad();
        case StartupAction::KermitReceive:
            // A folder that is not there is told before the port is opened.
            if (!QFileInfo(commandLineRequest.path).isDir()) {
                ShowMessage(Text(TextId::ReceiveFolderMissing)
                                .arg(QDir::toNativeSeparators(commandLineRequest.path)),
                            MessageIcon::Error);
                return OnOK();
            }
            app_.settings.LastDir = commandLineRequest.path;
            return OnKermitReceive();
        case StartupAction::ReceiveAscii:
            return OnReceiveAscii();
        case StartupAction::None:
            return;
    }
}

// ---- Commands

void CStemraDlg::OnSettings() {
    CSettingsDlg dialog(app_, app_.settings.Baud, app_.settings.Comport, this);
    dialog.chooseFile = services_.chooseFile;
    if (services_.runDialog(dialog) != QDialog::Accepted) return;
    // The port chosen from the list, kept from before or typed in.
    if (dialog.portName.isEmpty()) {
        ShowMessage(Text(TextId::EmptyPortRefused), MessageIcon::Warning);
        return;
    }
    app_.settings.Comport = dialog.portName;
    // A list left without a selection keeps the rate there was.
    if (dialog.baudIndex >= 0) app_.settings.Baud = dialog.baudIndex;
    app_.settings.PacketLog = dialog.packetLog;
    app_.settings.PacketLogFile = dialog.packetLogFile;
    ShowPortHint();
}

// Several files chosen at once go in one batch.
void CStemraDlg::OnKermitSend() {
    QStringList more;
    FileChooserRequest chooser =
        KermitSendChooser(Text(TextId::ChooseFile), app_.settings.LastFile);
    chooser.alsoChosen = &more;
    const QString path = services_.chooseFile(this, chooser);
    if (path.isEmpty()) return;
    RunSend(path, more);
}

void CStemraDlg::OnProgramLoad() {
    QString path = commandLineRequest.path;
    if (!commandLineRequest.fromCommandLine) {
        path = services_.chooseFile(
            this, LoadProgramChooser(Text(TextId::ChooseFile), app_.settings.LastFile));
        if (path.isEmpty()) return;
    }
    RunSend(path);
    if (commandLineRequest.fromCommandLine) OnOK();
}

WorkerJob CStemraDlg::Job(JobKind kind, const QString& path) const {
    const AppSettings& settings = app_.settings;
    return WorkerJob{.kind = kind,
                     .portName = settings.Comport,
                     .baud = serial::BaudRateAt(settings.Baud),
                     .path = path,
                     .packetLog = kind == JobKind::Capture ? QString() : PacketLogFileOf(settings),
                     .offer = {.blockCheck = settings.BlockCheck,
                               .packetLength = settings.PacketLength,
                               .slidingWindow = settings.SlidingWindow,
                               .prefixing = PrefixingOf(settings.Prefixing)}};
}

void CStemraDlg::RunSend(const QString& path, const QStringList& batch) {
    const std::uint32_t fileSize = ReadFileSize(path);
    app_.settings.LastFile = path;
    WorkerJob job = Job(JobKind::Send, path);
    job.batch = batch;
    services_.jobWindows.runTransfer(this, {job, fileSize, commandLineRequest.fromCommandLine});
}

void CStemraDlg::OnKermitReceive() {
    if (commandLineRequest.path.isEmpty()) {
        QString folder;
        if (services_.chooseFolder(this, app_.settings.LastDir, &folder, kFolderCapacity) == 0)
            return;
        app_.settings.LastDir = folder;
    } else {
        app_.settings.LastDir = commandLineRequest.path;
    }
    services_.jobWindows.runTransfer(this, {Job(JobKind::Receive, app_.settings.LastDir), 0,
                                            commandLineRequest.fromCommandLine});
    if (commandLineRequest.fromCommandLine) OnOK();
}

void CStemraDlg::OnDataToPrinter() {
    const FileChooserRequest chooser =
        DataToPrinterChooser(Text(TextId::ChooseFile), app_.settings.CaptureDir);
    QString path = services_.chooseFile(this, chooser);
    if (path.isEmpty()) return;
    WorkerJob job = Job(JobKind::Capture);
    job.baud = kPrinterBaud;
    const CaptureOutcome outcome =
        services_.jobWindows.runCapture(this, {job, app_.settings.Margin});
    if (outcome.result != QDialog::Accepted) return;
    app_.settings.Margin = outcome.marginChars;
    if (outcome.captureText.isEmpty()) return;
    path = SaveCapture(path, outcome.captureText, chooser);
    if (path.isEmpty()) return;
    if (outcome.notepadRequested) StartNotepad(path);
}

void CStemraDlg::OnReceiveAscii() {
    const FileChooserRequest chooser =
        ReceiveAsciiChooser(Text(TextId::ChooseFile), app_.settings.CaptureDir);
    QString path = commandLineRequest.path;
    if (!commandLineRequest.fromCommandLine) path = services_.chooseFile(this, chooser);
    if (path.isEmpty()) return;
    const CaptureOutcome outcome =
        services_.jobWindows.runCapture(this, {Job(JobKind::Capture), app_.settings.Margin});
    if (outcome.result != QDialog::Accepted) return;
    app_.settings.Margin = outcome.marginChars;
    // Nothing captured replaces no file that is there.
    if (!outcome.captureText.isEmpty() || !QFileInfo::exists(path)) {
        path = SaveCapture(path, outcome.captureText, chooser);
        if (path.isEmpty()) return;
        if (outcome.notepadRequested) StartNotepad(path);
    }
    if (commandLineRequest.fromCommandLine) OnOK();
}

// The capture exists nowhere else: a place that cannot be written (no
// permission, a folder that has gone, a full disk) must not lose it, and
// neither may a chooser cancelled after that without a question.
QString CStemraDlg::SaveCapture(QString path, const QByteArray& bytes, FileChooserRequest chooser) {
    for (;;) {
        QString error;
        if (WriteCaptureFile(path, bytes, &error, Text(TextId::CaptureNotWritten))) {
            app_.settings.CaptureDir = QFileInfo(path).absolutePath();
            return path;
        }
        ShowMessage(error, MessageIcon::Error);
        chooser.startName = path;
        do {
            path = services_.chooseFile(this, chooser);
        } while (path.isEmpty() && !bytes.isEmpty() &&
                 !services_.askYesNo(this, Text(TextId::DiscardUnsavedCapture)));
        if (path.isEmpty()) return path;
    }
}

void CStemraDlg::StartNotepad(const QString& path) {
    if (!services_.startEditor(path, QFileInfo(path).absolutePath())) {
        ShowMessage(EditorFailureText(app_.TextTable, QDir::toNativeSeparators(path)),
                    MessageIcon::Error);
    }
}

void CStemraDlg::OnHelp() {
    services_.openHelp(HelpFilePath(app_.ProgramFolder), textsLanguage_, Text(TextId::HelpMissing));
}

void CStemraDlg::OnAbout() {
    CAboutDlg dialog(app_.TextTable, this);
    services_.runDialog(dialog);
}

void CStemraDlg::OnExit() {
    OnOK();
}

// ---- Parts, texts and layout

QMenuBar* CStemraDlg::MenuBar() const {
    return ui_->menuBar;
}

QMenu* CStemraDlg::Popup(int barPosition) const {
    const QAction* entry = ui_->menuBar->actions().value(barPosition);
    return entry ? entry->menu() : nullptr;
}

QPushButton* CStemraDlg::Button(int controlId) const {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->property("controlId").toInt() == controlId) return button;
    }
    return nullptr;
}

QString CStemraDlg::Text(int id) const {
    return TextAt(app_.TextTable, id);
}

MessageSink& CStemraDlg::Messages() {
    if (app_.messageSink) return *app_.messageSink;
    if (!ownSink_) ownSink_ = std::make_unique<QtMessageSink>(this);
    return *ownSink_;
}

void CStemraDlg::ShowMessage(const QString& text, MessageIcon icon) {
    Messages().ShowMessage(text, kCaption, icon);
}

// The template's places below the menu bar. When a text needs more room
// than its button has, both columns widen by the same amount, and the
// frame, the Exit button and the window with them; so they do when the
// menu titles or the window's title need a wider window.
void CStemraDlg::LayOut() {
    const DialogBaseUnits base = BaseUnitsOf(font());
    const int top = ui_->menuBar->sizeHint().height();
    PlaceControls(this, base, top);

    QSize client = DialogUnitsToPixels(TemplateDialogUnits(this), base);
    const int wanted = std::max(ui_->menuBar->sizeHint().width(), TitleFitWidth(this));
    int extra = std::max(0, (wanted - client.width() + 1) / 2);
    for (LeftAlignedButton* button : findChildren<LeftAlignedButton*>()) {
        extra = std::max(extra, button->TextFitWidth() - button->width());
    }
    extra = std::max(extra, (ButtonFitWidth(ui_->exitButton) - ui_->exitButton->width() + 1) / 2);
    if (extra > 0) {
        const int rightColumn = DialogUnitsToPixelsX(134, base);
        for (LeftAlignedButton* button : findChildren<LeftAlignedButton*>()) {
            const int shift = button->x() >= rightColumn ? extra : 0;
            button->setGeometry(button->geometry().translated(shift, 0).adjusted(0, 0, extra, 0));
        }
        for (QWidget* wide :
             {static_cast<QWidget*>(ui_->frame), static_cast<QWidget*>(ui_->exitButton),
              static_cast<QWidget*>(ui_->portHint)}) {
            wide->resize(wide->width() + 2 * extra, wide->height());
        }
        client.rwidth() += 2 * extra;
    }
    ui_->menuBar->setGeometry(0, 0, client.width(), top);
    setFixedSize(client.width(), client.height() + top);
}
