#pragma once

#include "kermit/KermitObserver.h"
#include "serial/SerialPort.h"
#include "worker/JobReportSink.h"
#include "worker/JobTexts.h"

// Turns what the engine and the port report into the job's reports for its
// window: the progress messages, the receiver's questions and its "Could not
// open file!", what became of a file that did not arrive whole, and the CTS
// line.
class EngineReports : public kermit::KermitObserver, public serial::SerialPortObserver {
public:
    EngineReports(JobReportSink* sink, const JobTexts& texts) : sink_(sink), texts_(texts) {}

    void OnReceiveFileOpened(const char* name) override;
    void OnReceiveProgress(std::uint32_t bytes) override;
    void OnSendProgress(std::uint32_t bytes) override;
    void OnNoAnswerYet() override;
    Overwrite AskOverwrite(const std::string& path) override;
    std::optional<std::string> AskSaveAs(const std::string& path) override;
    void ShowCouldNotOpenFile(const std::string& path, std::error_code reason) override;
    void ShowCouldNotWriteFile(const std::string& path, std::error_code reason) override;
    void ShowNameRefused(std::size_t longest) override;
    void OnPeerError(const std::string& text) override;
    void OnFileNotReceived(const std::string& target, const std::string& kept, std::uint64_t bytes,
                           NotWhole why) override;
    void OnFileRefused(const std::string& target, std::uint64_t announced,
                       std::uint64_t room) override;
    void OnSendRefused(const std::string& refusedBy) override;
    void OnModemStatusChanged(int ctsOn) override;

    // The file list of the job's window: the length announced for the file
    // now arriving, and what became of each file.
    void OnReceiveFileAnnounced(std::uint64_t length) override;
    void OnFileReceived(const std::string& target, std::uint64_t bytes) override;

    // True once the receiver could not create or write a file.
    bool fileFailed() const { return fileFailed_; }
    // The last file the receiver could not make, write or receive whole, as
    // the user knows it; empty when there was none.
    QString failedFile() const { return failedFile_; }
    // What the receiver's answer named when it refused the file being sent
    // (see SendRefusedText); empty when it did not refuse it.
    QString sendRefusedBy() const { return sendRefusedBy_; }
    // A new transaction begins: no file of it has failed yet.
    void ForgetFailedFile() { failedFile_.clear(); }
    // "The caliper says: ..." with the peer's last E message; empty when the
    // peer sent none.
    QString PeerSays() const;
    // The peer's last E message, fit to be shown; empty when it sent none.
    QString peerText() const { return peerError_; }
    // What became of the last file that did not arrive whole (and why, when
    // it could not be written or the peer said why), for the user; empty
    // when nothing is to be said. Taking it clears it.
    QString TakeNote(bool withPeer = true);

private:
    void ListFile(JobFile file);
    // Passes `report` on, when there is a sink.
    void Pass(const JobReport& report);

    JobReportSink* sink_;
    const JobTexts& texts_;
    bool fileFailed_ = false;
    QString failedFile_;
    QString peerError_;       // the peer's message, fit to be shown
    bool peerNoted_ = false;  // TakeNote has passed it on
    QString writeNote_;
    QString keptNote_;
    QString sendRefusedBy_;
    QString savedAsFrom_;  // the sender's name of a file Save As put elsewhere
};
