#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/corvix-caliper/CaliperLink.h"

namespace caliper {

// The request that opens a transaction the caliper starts as a client: R
// with a file name, or G with a generic command. Type 0: none (the other side
// starts by sending).
struct Request {
    int type = 0;
    std::string field;  // already encoded
};

struct ReceivedFile {
    std::string name;  // as stored
    std::uint64_t size = 0;
};

// The caliper receiving one Kermit transaction: files go into the store
// folder, a text reply (X header) into text(). Waits for packets with its own
// time-out, answers a bad or missing packet with N and gives up after the
// configured number of failures in a row.
class Receiver {
public:
    Receiver(CaliperLink& link, std::filesystem::path store);

    // True when the transaction ended with B; otherwise error() says why.
    bool Run(const Request& request);

    const std::vector<ReceivedFile>& files() const { return files_; }
    const std::string& text() const { return text_; }
    bool gotText() const { return gotText_; }
    const std::string& error() const { return error_; }

private:
    enum class State { File, Data };
    bool AwaitInit(const Request& request);
    bool Serve();
    bool Take(const Packet& packet);
    bool OpenFile(const Packet& packet);
    bool Append(const Packet& packet);
    bool EndFile(const Packet& packet);
    void Ack(int seq, const std::string& data = {});
    bool Fail(const std::string& why, bool tellPeer);

    CaliperLink& link_;
    std::filesystem::path store_;
    int seq_ = 0;
    State state_ = State::File;
    std::string lastAck_;
    bool toText_ = false;
    std::string current_;  // the file being received, as stored
    std::string content_;  // its bytes so far
    std::vector<ReceivedFile> files_;
    std::string text_;
    bool gotText_ = false;
    std::string error_;
};

}  // namespace caliper
