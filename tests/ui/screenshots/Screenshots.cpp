// Draws the main window (with the Swedish texts of its template, then in
// English and in Russian), the Settings dialog, the About box, and Qt's file
// chooser and a Yes/No question in Greek into PNG files in the folder given
// as the first argument. Under a real (virtual) display it also takes
// whole-screen shots: the French and the Russian main window with their file
// chooser and print dialog open, the ASCII viewer at its real size with a
// longer capture, Settings keeping a port that was not discovered, and the
// help window; and it prints that capture into "ascii-print.pdf" there.

#include "app/AppCore.h"
#include "app/Languages.h"
#include "app/TextTable.h"
#include "ui/AsciiPrint.h"
#include "ui/CAboutDlg.h"
#include "ui/CAsciiDlg.h"
#include "ui/CSettingsDlg.h"
#include "ui/CStemraDlg.h"
#include "ui/FileChooser.h"
#include "ui/HelpFile.h"
#include "worker/CComThread.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

namespace {

bool Save(QWidget& widget, const QString& folder, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const bool saved = widget.grab().save(folder + QLatin1Char('/') + name);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << name << '\n';
    return saved;
}

PortRecord Port(const QString& name, bool caliper) {
    PortRecord record;
    record.portName = name;
    record.hasVendorIdentifier = record.hasProductIdentifier = caliper;
    record.vendorIdentifier = kCaliperVendorId;
    record.productIdentifier = kCaliperProductId;
    return record;
}

void Settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

// The whole screen, as the user would see it.
bool SaveScreen(const QString& folder, const QString& name) {
    Settle();
    const bool saved =
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + QLatin1Char('/') + name);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << name << '\n';
    return saved;
}

// The main window in `language` with the Kermit send chooser open, then
// with the print dialog open.
bool ShootLanguage(AppCore& app, CStemraDlg& window, int language, const QString& folder,
                   const QString& tag) {
    window.OnLanguageCommand(kFirstLanguageCommand + language);
    window.move(20, 20);
    window.show();
    QFileDialog chooser(&window);
    chooser.setOption(QFileDialog::DontUseNativeDialog, true);
    ConfigureFileDialog(chooser,
                        KermitSendChooser(TextAt(app.TextTable, TextId::ChooseFile),
                                          QStringLiteral(CORVIX_SAMPLES_DIR "/trees.txt")));
    chooser.move(120, 90);
    chooser.show();
    bool ok = SaveScreen(folder, QStringLiteral("main-%1-chooser.png").arg(tag));
    chooser.hide();
    QPrinter printer;
    QPrintDialog print(&printer, &window);
    print.setOptions(QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile);
    print.move(120, 90);
    print.show();
    ok &= SaveScreen(folder, QStringLiteral("main-%1-print.png").arg(tag));
    print.hide();
    window.hide();
    return ok;
}

// Qt's file chooser and Yes/No question in Greek: Qt's texts from Corvix's own catalogue.
bool ShootGreekDialogs(AppCore& app, CStemraDlg& window, const QString& folder) {
    window.OnLanguageCommand(kFirstLanguageCommand + 9);
    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog, true);
    ConfigureFileDialog(chooser,
                        KermitSendChooser(TextAt(app.TextTable, TextId::ChooseFile),
                                          QStringLiteral(CORVIX_SAMPLES_DIR "/trees.txt")));
    bool ok = Save(chooser, folder, QStringLiteral("greek-file-chooser.png"));
    QMessageBox question(QMessageBox::Question, QStringLiteral("Corvix"),
                         TextAt(app.TextTable, TextId::FileExistsOverwrite),
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    ok &= Save(question, folder, QStringLiteral("greek-yes-no-question.png"));
    window.OnLanguageCommand(kFirstLanguageCommand + kEnglish);
    return ok;
}

// A capture of the sample report three times over, fed as the caliper's
// lines would come.
QByteArray LongerCapture() {
    QFile report(QStringLiteral(CORVIX_SAMPLES_DIR "/report.txt"));
    if (!report.open(QIODevice::ReadOnly)) return {};
    const QByteArray once = report.readAll();
    QByteArray text;
    for (int i = 0; i < 3; ++i)
        text += once;
    text.replace("\r\n", "\n");
    text.replace("\n", "\r\n");
    return text;
}

bool ShootViewer(AppCore& app, const QString& folder) {
    CAsciiDlg viewer(app);
    viewer.makeWorker = [](const QStringList&) { return std::unique_ptr<CComThread>(); };
    viewer.job.baud = 9600;
    viewer.job.portName = QStringLiteral("ttyUSB0");
    viewer.move(20, 20);
    viewer.show();
    const QByteArray text = LongerCapture();
    for (const QByteArray& line : text.split('\n')) {
        if (!line.isEmpty()) viewer.Report(report::CapturedText{line + '\n'});
    }
    bool ok = SaveScreen(folder, QStringLiteral("ascii-viewer-real-size.png"));
    viewer.resize(viewer.size() * 3 / 2);
    ok &= SaveScreen(folder, QStringLiteral("ascii-viewer-larger.png"));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder + QStringLiteral("/ascii-print.pdf"));
    const PrintResult printed =
        PrintCapture(printer, {viewer.captureText, viewer.logFont, viewer.screenFontHeight, 2});
    QTextStream(stdout) << (printed == PrintResult::Printed ? "wrote " : "could not write ")
                        << "ascii-print.pdf\n";
    viewer.reject();
    return ok && printed == PrintResult::Printed;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: ui_screenshots <folder>\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir programFolder;
    const QDir languages(QStringLiteral(CORVIX_LANGUAGE_DIR));
    for (const QString& name : languages.entryList({QStringLiteral("Corvix-*.xml")})) {
        QFile::copy(languages.filePath(name), programFolder.filePath(name));
    }
    const QDir built(QCoreApplication::applicationDirPath());  // with Corvix's Qt catalogues
    for (const QString& name : built.entryList({QStringLiteral("corvix_qtbase_*.qm")}))
        QFile::copy(built.filePath(name), programFolder.filePath(name));
    AppCore app;
    app.ProgramFolder = programFolder.path() + QLatin1Char('/');
    app.BaudRateList = DefaultBaudRateList();
    app.TextTable = EnglishTexts();
    app.settings.Language = 1;
    app.portNaming = PortNaming::Posix;
    app.portSource = [] {
        return QList<PortRecord>{Port(QStringLiteral("ttyS0"), false),
                                 Port(QStringLiteral("ttyUSB0"), true)};
    };

    bool ok = true;
    CStemraDlg window(app);
    ok &= Save(window, out, QStringLiteral("main-swedish.png"));
    window.OnInitDialog();
    ok &= Save(window, out, QStringLiteral("main-english.png"));
    window.OnLanguageCommand(kFirstLanguageCommand + 11);
    ok &= Save(window, out, QStringLiteral("main-russian.png"));
    window.OnLanguageCommand(kFirstLanguageCommand + kEnglish);
    window.hide();

    CSettingsDlg settings(app, 3, QStringLiteral("ttyUSB0"));
    ok &= Save(settings, out, QStringLiteral("settings.png"));
    settings.hide();

    CAboutDlg about(app.TextTable);
    ok &= Save(about, out, QStringLiteral("about.png"));
    about.hide();
    ok &= ShootGreekDialogs(app, window, out);
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) return ok ? 0 : 1;

    ok &= ShootLanguage(app, window, 3, out, QStringLiteral("french"));
    ok &= ShootLanguage(app, window, 11, out, QStringLiteral("russian"));
    window.OnLanguageCommand(kFirstLanguageCommand + kEnglish);

    app.settings.FontFace = QStringLiteral("Courier");
    app.settings.FontHeight = 10;
    ok &= ShootViewer(app, out);

    CSettingsDlg kept(app, 3, QStringLiteral("/dev/serial/by-id/usb-FTDI_Caliper-if00-port0"));
    kept.move(20, 20);
    kept.show();
    if (auto* ports = kept.findChild<QComboBox*>(QStringLiteral("portList"))) ports->showPopup();
    ok &= SaveScreen(out, QStringLiteral("settings-stored-port.png"));
    kept.hide();

    ShowHelpWindow(QStringLiteral(CORVIX_HELP_DIR "/ascii.html"));
    ok &= SaveScreen(out, QStringLiteral("help-window.png"));
    return ok ? 0 : 1;
}
