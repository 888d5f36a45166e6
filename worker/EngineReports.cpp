#include "worker/EngineReports.h"

#include "app/EightBit.h"

void EngineReports::OnReceiveFileOpened(const char* name) {
    if (window_ != nullptr) window_->OnReceiveFileOpened(QByteArray(name));
}

void EngineReports::OnReceiveProgress(std::uint32_t bytes) {
    if (window_ != nullptr) window_->OnReceiveProgress(bytes);
}

void EngineReports::OnSendProgress(std::uint32_t bytes) {
    if (window_ != nullptr) window_->OnSendProgress(bytes);
}

// The engine names an existing file in 8-bit text.
kermit::KermitObserver::Overwrite EngineReports::AskOverwrite(const std::string& path) {
    if (window_ == nullptr) return Overwrite::Cancel;
    const QString file = FromEightBit(QByteArray::fromStdString(path));
    switch (window_->AskOverwrite(texts_.fileExistsOverwrite, file)) {
        case JobWindow::Overwrite::Yes:
            return Overwrite::Yes;
        case JobWindow::Overwrite::No:
            return Overwrite::No;
        case JobWindow::Overwrite::Cancel:
            break;
    }
    return Overwrite::Cancel;
}

// Save As works in UTF-8 both ways.
std::optional<std::string> EngineReports::AskSaveAs(const std::string& path) {
    if (window_ == nullptr) return std::nullopt;
    const std::optional<QString> chosen = window_->AskSaveAs(QString::fromStdString(path));
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    return chosen->toStdString();
}

void EngineReports::ShowCouldNotOpenFile(const std::string&) {
    fileFailed_ = true;
    if (window_ != nullptr) window_->ShowMessage(texts_.couldNotOpenFile, MessageIcon::Error);
}

void EngineReports::OnModemStatusChanged(int ctsOn) {
    if (window_ != nullptr) window_->OnCtsChanged(ctsOn);
}
