#include "tools/corvix-caliper/Caliper.h"

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "disk/EightBitText.h"
#include "tools/corvix-caliper/ClientRequests.h"
#include "tools/corvix-caliper/Printer.h"
#include "tools/corvix-caliper/Receiver.h"
#include "tools/corvix-caliper/Sender.h"

namespace caliper {
namespace {

std::string Bytes(std::uint64_t n) {
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

std::string ListFiles(const std::vector<ReceivedFile>& files) {
    std::string out;
    for (const ReceivedFile& f : files)
        out += (out.empty() ? "" : ", ") + f.name + " (" + Bytes(f.size) + ")";
    return out;
}

}  // namespace

Caliper::Caliper(kermit::KermitPort& line, std::filesystem::path store, const Timing& timing,
                 int baud, std::FILE* report)
    : line_(line), link_(line, timing), store_(std::move(store)), baud_(baud), report_(report) {}

bool Caliper::Run(const std::vector<Step>& steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
        std::fprintf(report_, "caliper: [%zu/%zu] %s\n", i + 1, steps.size(),
                     StepText(steps[i]).c_str());
        std::fflush(report_);
        std::string outcome;
        const bool ok = RunStep(steps[i], outcome);
        std::fprintf(report_, "caliper:       %s%s\n", ok ? "ok" : "FAILED: ", outcome.c_str());
        std::fflush(report_);
        if (!ok) return false;
    }
    return true;
}

bool Caliper::RunStep(const Step& step, std::string& outcome) {
    switch (step.kind) {
        case Step::Kind::Receive:
            return DoReceive(outcome);
        case Step::Kind::Send:
            return DoSend(step.argument, outcome);
        case Step::Kind::Print:
            return DoPrint(step.argument, outcome);
        case Step::Kind::Get:
            return DoGet(step.argument, outcome);
        case Step::Kind::Text:
            return DoText(outcome);
        case Step::Kind::Bye:
            return DoBye(outcome);
        case Step::Kind::Wait:
            std::this_thread::sleep_for(std::chrono::duration<double>(step.seconds));
            return true;
    }
    return false;
}

bool Caliper::ReadStoreFile(const std::string& name, std::string& bytes, std::string& outcome) {
    std::ifstream in(store_ / disk::PathFromName(name), std::ios::binary);
    if (!in) {
        outcome = "no file " + name + " in the store " + store_.string();
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    bytes = content.str();
    return true;
}

bool Caliper::DoReceive(std::string& outcome) {
    Receiver receiver(link_, store_);
    if (!receiver.Run(Request{})) {
        outcome = receiver.error();
        return false;
    }
    outcome =
        receiver.files().empty() ? " - no file came" : " - received " + ListFiles(receiver.files());
    return true;
}

bool Caliper::DoSend(const std::string& name, std::string& outcome) {
    std::string bytes;
    if (!ReadStoreFile(name, bytes, outcome)) return false;
    Sender sender(link_);
    const std::string announced = disk::NameFromPath(disk::PathFromName(name).filename());
    if (!sender.Send(announced, bytes)) {
        outcome = sender.error();
        return false;
    }
    outcome = " - sent " + announced + " (" + Bytes(bytes.size()) + ")";
    return true;
}

bool Caliper::DoPrint(const std::string& name, std::string& outcome) {
    std::string bytes;
    if (!ReadStoreFile(name, bytes, outcome)) return false;
    const std::string text = PrintedText(bytes);
    if (!PrintPaced(line_, text, baud_)) {
        outcome = "the line did not take the printout";
        return false;
    }
    outcome = " - printed " + name + " (" + Bytes(text.size()) + " at " + std::to_string(baud_) +
              " baud)";
    return true;
}

bool Caliper::DoGet(const std::string& name, std::string& outcome) {
    Request request;
    if (!FileRequest(link_, name, request)) {
        outcome = "file name too long";
        return false;
    }
    Receiver receiver(link_, store_);
    if (!receiver.Run(request)) {
        outcome = receiver.error();
        return false;
    }
    if (receiver.files().empty()) {
        outcome = "the PC sent no file";
        return false;
    }
    outcome = " - got " + ListFiles(receiver.files());
    return true;
}

bool Caliper::DoText(std::string& outcome) {
    Request request;
    GenericRequest(link_, 'D', request);
    Receiver receiver(link_, store_);
    if (!receiver.Run(request)) {
        outcome = receiver.error();
        return false;
    }
    if (!receiver.gotText()) {
        outcome = "the PC sent no text";
        return false;
    }
    std::istringstream lines(receiver.text());
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::fprintf(report_, "caliper:       | %s\n", line.c_str());
    }
    outcome = " - the PC's text, " + Bytes(receiver.text().size());
    return true;
}

bool Caliper::DoBye(std::string& outcome) {
    std::string error;
    if (!Logout(link_, error)) {
        outcome = error;
        return false;
    }
    outcome = " - logged out";
    return true;
}

}  // namespace caliper
