#include "ui/JobDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <iterator>

#include "serial/BaudRates.h"
#include "ui/FontChoice.h"
#include "ui/PortChoice.h"
#include "ui/QtMessageSink.h"
#include "worker/CComThread.h"
#include "worker/JobTexts.h"

namespace {

const QString kCaption = QStringLiteral("Corvix");

void SystemMessage(QWidget* owner, const QString& text, std::optional<MessageIcon> icon) {
    ShowMessageBox(owner, kCaption, text, icon);
}

JobReportSink::Overwrite SystemOverwrite(QWidget* owner, const QString& text) {
    switch (QMessageBox::question(owner, kCaption, text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return JobReportSink::Overwrite::Yes;
        case QMessageBox::No:
            return JobReportSink::Overwrite::No;
        default:
            return JobReportSink::Overwrite::Cancel;
    }
}

std::optional<QString> SystemSaveAs(QWidget* owner, const QString& path) {
    const QString chosen = QFileDialog::getSaveFileName(owner, QString(), path);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen;
}

const QString kPdfName = QStringLiteral("Corvix Ascii print.pdf");

// The PDF file offered first: in the folder last used, else in Documents.
QString StartPdfFile(const QString& pdfFolder) {
    const QString folder = pdfFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : pdfFolder;
    return QDir(folder).filePath(kPdfName);
}

// Without any printer the print dialog has nothing to offer: the print goes
// to a PDF file, chosen like any other file to save.
bool ChoosePdfFile(QWidget* owner, QPrinter& printer, const QString& pdfFolder) {
    const QString start = StartPdfFile(pdfFolder);
    const QString chosen =
        QFileDialog::getSaveFileName(owner, kCaption, start, QStringLiteral("PDF (*.pdf)"));
    if (chosen.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(chosen.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
                                  ? chosen
                                  : chosen + QStringLiteral(".pdf"));
    return true;
}

// A page range, but no selection and no current page: a capture has
// neither. Copies are the printer's, or repeated pages where it makes none
// (a PDF file). Printing to a PDF file is one more choice beside the printers.
constexpr auto kPrintDialogOptions = QAbstractPrintDialog::PrintPageRange |
                                     QAbstractPrintDialog::PrintShowPageSize |
                                     QAbstractPrintDialog::PrintToFile;

bool SystemPrintDialog(QWidget* owner, QPrinter& printer, const QString& pdfFolder) {
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return ChoosePdfFile(owner, printer, pdfFolder);
    QPrintDialog dialog(&printer, owner);
    dialog.setOptions(kPrintDialogOptions);
    // The dialog's own field for the PDF file starts in the working folder;
    // where it can be found, it starts in the folder last used instead.
    if (auto* pdfFile = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        pdfFile != nullptr && !pdfFolder.isEmpty()) {
        pdfFile->setText(StartPdfFile(pdfFolder));
    }
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QFont> SystemFontDialog(QWidget* owner, const QFont& initial) {
    QFontDialog dialog(initial, owner);
    KeepStyleAcrossFamilies(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFont();
}

bool SystemAskDiscard(QWidget* owner, const QString& text) {
    return QMessageBox::question(owner, kCaption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

JobDialogs JobDialogs::System() {
    return JobDialogs{SystemMessage,     SystemOverwrite,  SystemSaveAs,
                      SystemPrintDialog, SystemFontDialog, SystemAskDiscard};
}

WorkerFactory SystemWorkers() {
    return [](const QStringList& textTable) {
        return std::make_unique<CComThread>(JobTexts::From(textTable));
    };
}

std::unique_ptr<CComThread> StartWorker(const WorkerFactory& makeWorker,
                                        const QStringList& textTable, const WorkerJob& job,
                                        JobReportSink* sink) {
    if (!makeWorker) return nullptr;
    std::unique_ptr<CComThread> worker = makeWorker(textTable);
    if (worker != nullptr) worker->PostJob(job, sink);
    return worker;
}

QString PortLabel(const QString& portName) {
    return PortEntryName(portName);
}

QString BaudLabel(int baud) {
    return serial::IsBaudRate(baud) ? QString::number(baud) : QString();
}

void ShowLineStatus(QWidget* onDot, QWidget* offDot, bool ctsOn) {
    onDot->setVisible(ctsOn);
    offDot->setVisible(!ctsOn);
}
