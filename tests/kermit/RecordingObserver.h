#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kermit/KermitObserver.h"

namespace kermit_test {

// Records every notification in order and answers the questions as preset.
class RecordingObserver : public kermit::KermitObserver {
public:
    Overwrite overwriteAnswer = Overwrite::Cancel;
    std::optional<std::string> saveAsAnswer;

    std::vector<std::string> events;  // "opened NAME", "progress N", "overwrite? PATH", ...
    std::vector<std::uint32_t> sendProgress;
    std::vector<std::uint32_t> receiveProgress;

    void OnReceiveFileOpened(const char* name) override {
        events.push_back(std::string("opened ") + name);
    }
    void OnReceiveProgress(std::uint32_t bytes) override {
        receiveProgress.push_back(bytes);
        events.push_back("progress " + std::to_string(bytes));
    }
    void OnSendProgress(std::uint32_t bytes) override { sendProgress.push_back(bytes); }
    int noAnswerYet = 0;
    void OnNoAnswerYet() override { ++noAnswerYet; }
    Overwrite AskOverwrite(const std::string& path) override {
        events.push_back("overwrite? " + path);
        return overwriteAnswer;
    }
    std::optional<std::string> AskSaveAs(const std::string& path) override {
        events.push_back("save as? " + path);
        return saveAsAnswer;
    }
    void ShowCouldNotOpenFile(const std::string& path, std::error_code) override {
        events.push_back("could not open " + path);
    }
    void ShowCouldNotWriteFile(const std::string& path, std::error_code) override {
        events.push_back("could not write " + path);
    }
    void OnFileNotReceived(const std::string& target, const std::string& kept, std::uint64_t bytes,
                           NotWhole why) override {
        const char* what = why == NotWhole::Discarded       ? "discarded "
                           : why == NotWhole::LengthDiffers ? "length differs "
                                                            : "not received ";
        events.push_back(what + target + " kept " + kept + " " + std::to_string(bytes));
    }
    void OnReceiveFileAnnounced(std::uint64_t length) override {
        events.push_back("announced " + std::to_string(length));
    }
    std::vector<std::string> received;  // "TARGET BYTES" of every file put in place
    void OnFileReceived(const std::string& target, std::uint64_t bytes) override {
        received.push_back(target + " " + std::to_string(bytes));
    }
    void OnFileRefused(const std::string& target, std::uint64_t announced, std::uint64_t) override {
        events.push_back("refused " + target + " " + std::to_string(announced));
    }
    void OnSendRefused(const std::string& refusedBy) override {
        events.push_back("send refused " + refusedBy);
    }
};

}  // namespace kermit_test
