#include "worker/EngineReports.h"

#include <QDir>

#include "app/EightBit.h"

namespace {

// A path the engine gives in 8-bit text, as the user knows it.
QString PathText(const std::string& path) {
    return QDir::toNativeSeparators(FromEightBit(QByteArray::fromStdString(path)));
}

QString FileMessage(const QString& text, const std::string& path, const std::string& reason) {
    return FileProblemText(text, PathText(path), QString::fromLocal8Bit(reason));
}

}  // namespace

void EngineReports::OnReceiveFileOpened(const char* name) {
    if (window_ != nullptr) window_->OnReceiveFileOpened(QByteArray(name));
}

void EngineReports::OnReceiveProgress(std::uint32_t bytes) {
    if (window_ != nullptr) window_->OnReceiveProgress(bytes);
}

void EngineReports::OnSendProgress(std::uint32_t bytes) {
    if (window_ != nullptr) window_->OnSendProgress(bytes);
}

void EngineReports::OnNoAnswerYet() {
    if (window_ != nullptr) window_->OnNoAnswerYet();
}

// The engine names an existing file in 8-bit text.
kermit::KermitObserver::Overwrite EngineReports::AskOverwrite(const std::string& path) {
    if (window_ == nullptr) return Overwrite::Cancel;
    const QString file = FromEightBit(QByteArray::fromStdString(path));
    return window_->AskOverwrite(texts_.fileExistsOverwrite, file);
}

// Save As works in UTF-8 both ways.
std::optional<std::string> EngineReports::AskSaveAs(const std::string& path) {
    if (window_ == nullptr) return std::nullopt;
    const std::optional<QString> chosen = window_->AskSaveAs(QString::fromStdString(path));
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    return chosen->toStdString();
}

void EngineReports::ShowCouldNotOpenFile(const std::string& path, const std::string& reason) {
    fileFailed_ = true;
    if (window_ == nullptr) return;
    window_->ShowMessage(FileMessage(texts_.couldNotOpenFile, path, reason), MessageIcon::Error);
}

// Shown with what became of the file, once the transfer has ended.
void EngineReports::ShowCouldNotWriteFile(const std::string& path, const std::string& reason) {
    fileFailed_ = true;
    writeNote_ = FileMessage(QString::fromLatin1(kCouldNotWriteText), path, reason);
}

void EngineReports::ShowNameRefused(const std::string& reason) {
    if (window_ == nullptr) return;
    window_->ShowMessage(QString::fromLatin1(kNameRefusedText).arg(QString::fromStdString(reason)),
                         MessageIcon::Error);
}

void EngineReports::OnFileNotReceived(const std::string& target, const std::string& kept,
                                      std::uint64_t bytes, bool discarded) {
    keptNote_ = NotReceivedText(PathText(target), kept.empty() ? QString() : PathText(kept), bytes,
                                discarded);
}

QString EngineReports::TakeNote() {
    QString note = writeNote_;
    if (!note.isEmpty() && !keptNote_.isEmpty()) note += QLatin1Char('\n');
    note += keptNote_;
    writeNote_.clear();
    keptNote_.clear();
    return note;
}

void EngineReports::OnModemStatusChanged(int ctsOn) {
    if (window_ != nullptr) window_->OnCtsChanged(ctsOn);
}
