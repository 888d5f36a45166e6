#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "kermit/Attributes.h"
#include "kermit/Exchange.h"
#include "kermit/Outcome.h"
#include "kermit/Sender.h"

namespace kermit {

class ReceiveSlidingWindow;

// What the last receive call that succeeded did.
enum class Transaction {
    None,          // nothing to report (a B in place of a file)
    FileReceived,  // a file came in
    FileServed,    // a file was sent in answer to R
    TextAnswered,  // a text was sent in answer to a generic D command
    LoggedOut,     // the peer logged out
    Finished,      // the peer said FINISH: it is done with the server
};

// The receiving side of Kermit over the exchange's link, with its small
// server: files received into the receive folder, a file asked for with R
// and a generic command answered, through the sender.
class Receiver {
public:
    Receiver(Exchange& exchange, Sender& sender);
    ~Receiver();

    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    Received KermitReceive(char* nameBuffer, std::uint8_t* dataBuffer, int dataLength);
    Received ServeOnce(const char* nameBuffer, std::uint8_t* dataBuffer, int dataLength);
    Command WaitForCommand();
    bool AwaitNextHeader(bool keepNextFile);

    Transaction LastTransaction() const { return lastTransaction_; }
    const std::filesystem::path& ReceiveFolder() const { return receiveFolder_; }
    void SetReceiveFolder(const std::filesystem::path& folder) { receiveFolder_ = folder; }
    void SetWindowsNameRules(bool windows) { windowsNameRules_ = windows; }
    // What the last receive call names: the file being received or served,
    // the argument of a G request, or the text a generic command was
    // answered with; empty after a refused request.
    const char* FileName() const;
    void SetFileName(std::string_view name);

private:
    // What the attribute packets of the file now arriving said, and how this
    // side answered them; anew for every file.
    struct Incoming {
        FileAttributes attributes;
        std::optional<std::uint64_t> announced;  // the length the observer was told
        std::string refusedBy;                   // the attributes that made this side refuse it
        bool attributesAnswered = false;         // an A packet of the file has been answered
        bool dataBegun = false;                  // data of the file has been written
    };
    // What the header wait brought.
    enum class Header { Taken, Break, Failed };
    // How a wait for the sender's next packet ended.
    enum class Heard { Packet, Unread, Silent };
    // Which field FileName() gives.
    enum class Named { File, Request, Answer };

    void RepeatUnlessLast(int attempt);
    bool StaleRepeat(int rseq) const;
    void PassOver(int rseq, int type, int& attempt);
    Received ServeFileRequest();
    Received ServeGenericCommand(const char* nameBuffer);
    Received ServeFailed(std::string_view text);
    void AnswerInit(int len);
    std::optional<Command> TakeRequest(int type, int len);
    Received ReceiveBatchFile(std::uint8_t* buffer, int capacity);
    std::unique_ptr<IncomingFile> OpenReceivedFile();
    Header ReceiveHeader();
    Header TakeFileName(int n);
    std::unique_ptr<IncomingFile> RefuseFile(std::string_view status);
    Heard HearSender(int& len, int& seq, int& type);
    Received SenderSilent(IncomingFile* file);
    Heard TakeHeader(int& len, int& seq, int& type);
    Received ReceiveData(IncomingFile& file, std::uint8_t* buffer, int capacity);
    void AnswerAttributes(IncomingFile& file, int len);
    void SendAttributeAnswer();
    bool AttributesInWindow(ReceiveSlidingWindow& slidingWindow, IncomingFile& file, int len,
                            int rseq, int type);
    Received FileEnded(IncomingFile& file, bool discard, std::int64_t bytes);
    Received ReceiveSlidingWindowData(IncomingFile& file, std::uint8_t* buffer, int capacity);
    std::uint8_t* DecodeRoom(std::uint8_t* buffer, int& capacity);
    // Under a sliding window: nothing when the transfer goes on (`moved` says
    // whether the packet moved it), else how the file ended.
    std::optional<Received> AnswerInSlidingWindow(ReceiveSlidingWindow& slidingWindow,
                                                  IncomingFile& file, int len, int rseq, int type,
                                                  std::uint8_t* buffer, int capacity,
                                                  std::int64_t& bytesWritten, bool& moved);
    std::optional<Received> TakeInOrder(ReceiveSlidingWindow& slidingWindow, IncomingFile& file,
                                        std::uint8_t* buffer, int capacity,
                                        std::int64_t& bytesWritten);
    Received WriteFailed(IncomingFile& file);
    Received NotReceived(IncomingFile& file,
                         KermitObserver::NotWhole why = KermitObserver::NotWhole::Broken);
    std::optional<Received> EndedBySenderOrStop(IncomingFile& file, int type, int len);
    std::optional<Received> WriteDecoded(IncomingFile& file, const std::uint8_t* buffer, int n,
                                         std::int64_t& bytesWritten);

    Exchange& ex_;
    Sender& sender_;
    PacketLink& link_;
    Exchange::State& state_;
    KermitObserver*& observer_;
    KermitFiles& files_;
    Incoming incoming_;
    Transaction lastTransaction_ = Transaction::None;  // see LastTransaction()
    std::filesystem::path receiveFolder_;              // see ReceiveFolder()
    bool windowsNameRules_;                            // see SetWindowsNameRules()
    // One field a meaning; FileName() gives the one `named_` says.
    char fileName_[kNameSize] = {};  // the file received, or asked for and served
    char request_[kNameSize] = {};   // the argument of the peer's R or G
    char answer_[kNameSize] = {};    // the text a generic command was answered with
    Named named_ = Named::File;
    // Decoded data of a long packet: a repeat group of three characters may
    // stand for 94 bytes, far more than the caller's buffer may hold.
    std::unique_ptr<std::uint8_t[]> longDecode_;
    // The packets of a sliding window, made when one is first in force.
    std::unique_ptr<ReceiveSlidingWindow> receiveSlidingWindow_;
};

}  // namespace kermit
