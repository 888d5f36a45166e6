// Draws the main window (with the Swedish texts of its template, then in
// English and in Russian), the Settings dialog and the About box into PNG
// files in the folder given as the first argument.

#include "app/AppCore.h"
#include "app/TextTable.h"
#include "ui/CAboutDlg.h"
#include "ui/CSettingsDlg.h"
#include "ui/CStemraDlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextStream>

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
    AppCore app;
    app.ProgramFolder = programFolder.path() + QLatin1Char('/');
    app.BaudRateList = DefaultBaudRateList();
    app.TextTable = EnglishTexts();
    app.Language = 1;
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
    window.OnLanguageCommand(32809);
    ok &= Save(window, out, QStringLiteral("main-russian.png"));
    window.OnLanguageCommand(32799);
    window.hide();

    CSettingsDlg settings(app, 3, QStringLiteral("ttyUSB0"));
    ok &= Save(settings, out, QStringLiteral("settings.png"));
    settings.hide();

    CAboutDlg about(app.TextTable);
    ok &= Save(about, out, QStringLiteral("about.png"));
    return ok ? 0 : 1;
}
