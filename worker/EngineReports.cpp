#include "worker/EngineReports.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

#include "app/TextTable.h"
#include "worker/FileReasons.h"
#include "worker/LineText.h"

namespace {

// A path the engine gives in 8-bit text, as the user knows it (and as it may
// be shown: its name came from the line).
QString PathText(const std::string& path) {
    return QDir::toNativeSeparators(LineText(QByteArray::fromStdString(path)));
}

QString FileMessage(const JobTexts& texts, const QString& text, const std::string& path,
                    std::error_code reason) {
    return FileProblemText(text, PathText(path), ReasonText(texts, reason));
}

// The peer's words as they may be shown, on one line.
QString ShownText(const std::string& text) {
    return LineText(QByteArray::fromStdString(text)).simplified();
}

}  // namespace

void EngineReports::Pass(const JobReport& report) {
    if (sink_ != nullptr) sink_->Report(report);
}

void EngineReports::OnReceiveFileOpened(const char* name) {
    Pass(report::ReceiveFileOpened{QByteArray(name)});
}

void EngineReports::OnReceiveProgress(std::uint32_t bytes) {
    Pass(report::ReceiveProgress{bytes});
}

void EngineReports::OnSendProgress(std::uint32_t bytes) {
    Pass(report::SendProgress{bytes});
}

void EngineReports::OnNoAnswerYet() {
    Pass(report::NoAnswerYet{});
}

// The engine names an existing file in 8-bit text.
kermit::KermitObserver::Overwrite EngineReports::AskOverwrite(const std::string& path) {
    if (sink_ == nullptr) return Overwrite::Cancel;
    const Overwrite answer =
        sink_->AskOverwrite(texts_.At(TextId::FileExistsOverwrite), PathText(path));
    if (answer == Overwrite::Cancel)
        ListFile({JobFile::Fate::Cancelled, PathText(path), 0, {}, 0, {}});
    return answer;
}

// Save As works in UTF-8 both ways.
std::optional<std::string> EngineReports::AskSaveAs(const std::string& path) {
    if (sink_ == nullptr) return std::nullopt;
    const QString asked = QString::fromStdString(path);
    const std::optional<QString> chosen = sink_->AskSaveAs(asked);
    if (!chosen || chosen->isEmpty()) {
        ListFile({JobFile::Fate::Cancelled, QDir::toNativeSeparators(asked), 0, {}, 0, {}});
        return std::nullopt;
    }
    savedAsFrom_ = QFileInfo(asked).fileName();
    return chosen->toStdString();
}

void EngineReports::ShowCouldNotOpenFile(const std::string& path, std::error_code reason) {
    fileFailed_ = true;
    savedAsFrom_.clear();
    failedFile_ = PathText(path);
    if (sink_ == nullptr) return;
    sink_->ShowMessage(FileMessage(texts_, texts_.At(TextId::CouldNotOpenFile), path, reason),
                       MessageIcon::Error);
}

// Shown with what became of the file, once the transfer has ended.
void EngineReports::ShowCouldNotWriteFile(const std::string& path, std::error_code reason) {
    fileFailed_ = true;
    failedFile_ = PathText(path);
    writeNote_ = FileMessage(texts_, texts_.At(TextId::CouldNotWriteFile), path, reason);
}

void EngineReports::ShowNameRefused(std::size_t longest) {
    if (sink_ == nullptr) return;
    sink_->ShowMessage(texts_.At(TextId::NameTooLong).arg(longest), MessageIcon::Error);
}

void EngineReports::OnFileNotReceived(const std::string& target, const std::string& kept,
                                      std::uint64_t bytes, NotWhole why) {
    failedFile_ = PathText(target);
    const QString keptText = kept.empty() ? QString() : PathText(kept);
    const int what = why == NotWhole::Discarded       ? TextId::FileDiscarded
                     : why == NotWhole::LengthDiffers ? TextId::FileLengthDiffers
                                                      : TextId::FileNotWhole;
    keptNote_ = NotReceivedText(texts_, what, PathText(target), keptText, bytes);
    ListFile({kept.empty() ? JobFile::Fate::NotReceived : JobFile::Fate::KeptAsPart,
              PathText(target),
              bytes,
              keptText,
              0,
              {}});
}

void EngineReports::OnFileRefused(const std::string& target, std::uint64_t announced,
                                  std::uint64_t room) {
    failedFile_ = PathText(target);
    keptNote_ = FileRefusedText(texts_, PathText(target), announced, room);
    ListFile({JobFile::Fate::Refused, PathText(target), announced, QString(), room, {}});
}

void EngineReports::OnSendRefused(const std::string& refusedBy) {
    sendRefusedBy_ = ShownText(refusedBy);
}

void EngineReports::OnPeerError(const std::string& text) {
    peerError_ = ShownText(text);
    peerNoted_ = false;
}

QString EngineReports::PeerSays() const {
    if (peerError_.isEmpty()) return {};
    return texts_.At(TextId::CaliperSays).arg(peerError_);
}

QString EngineReports::TakeNote(bool withPeer) {
    QStringList lines;
    for (const QString& part : {writeNote_, keptNote_}) {
        if (!part.isEmpty()) lines += part;
    }
    if (withPeer && !peerNoted_ && !peerError_.isEmpty()) lines += PeerSays();
    peerNoted_ = true;
    writeNote_.clear();
    keptNote_.clear();
    return lines.join(QLatin1Char('\n'));
}

void EngineReports::OnModemStatusChanged(int ctsOn) {
    Pass(report::CtsChanged{ctsOn != 0});
}

void EngineReports::OnReceiveFileAnnounced(std::uint64_t length) {
    Pass(report::ReceiveFileAnnounced{length});
}

void EngineReports::OnFileReceived(const std::string& target, std::uint64_t bytes) {
    ListFile({JobFile::Fate::Received, PathText(target), bytes, QString(), 0, {}});
}

void EngineReports::ListFile(JobFile file) {
    // The file a Save As was answered for is the next one to end.
    if (file.fate != JobFile::Fate::Cancelled) file.asked = std::exchange(savedAsFrom_, QString());
    Pass(report::FileEnded{std::move(file)});
}
