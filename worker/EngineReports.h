#pragma once

#include "kermit/KermitObserver.h"
#include "serial/SerialPort.h"
#include "worker/JobTexts.h"
#include "worker/JobWindow.h"

// Passes what the engine and the port report on to the job's window: the
// progress messages, the receiver's questions and its "Could not open file!",
// what became of a file that did not arrive whole, and the CTS line.
class EngineReports : public kermit::KermitObserver, public serial::SerialPortObserver {
public:
    EngineReports(JobWindow* window, const JobTexts& texts) : window_(window), texts_(texts) {}

    void OnReceiveFileOpened(const char* name) override;
    void OnReceiveProgress(std::uint32_t bytes) override;
    void OnSendProgress(std::uint32_t bytes) override;
    void OnNoAnswerYet() override;
    Overwrite AskOverwrite(const std::string& path) override;
    std::optional<std::string> AskSaveAs(const std::string& path) override;
    void ShowCouldNotOpenFile(const std::string& path, const std::string& reason) override;
    void ShowCouldNotWriteFile(const std::string& path, const std::string& reason) override;
    void ShowNameRefused(const std::string& reason) override;
    void OnFileNotReceived(const std::string& target, const std::string& kept, std::uint64_t bytes,
                           bool discarded) override;
    void OnModemStatusChanged(int ctsOn) override;

    // True once the receiver could not create or write a file.
    bool fileFailed() const { return fileFailed_; }
    // What became of the last file that did not arrive whole (and why, when
    // it could not be written), for the user; empty when nothing is to be
    // said. Taking it clears it.
    QString TakeNote();

private:
    JobWindow* window_;
    const JobTexts& texts_;
    bool fileFailed_ = false;
    QString writeNote_;
    QString keptNote_;
};
