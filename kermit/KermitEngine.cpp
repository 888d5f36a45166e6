#include "kermit/KermitEngine.h"

#include <algorithm>
#include <cstring>

#include "kermit/ReceiveSlidingWindow.h"
#include "kermit/SendSlidingWindow.h"

namespace kermit {

KermitEngine::KermitEngine(KermitPort& port, KermitFiles& files, std::atomic<int>& runFlag,
                           const Offer& offer)
    : link_(port, runFlag, offer), files_(files), windowsNameRules_(files.WindowsNameRules()) {}

KermitEngine::~KermitEngine() = default;

void KermitEngine::SetObserver(KermitObserver* observer) {
    observer_ = observer;
    link_.SetObserver(observer);
}

void KermitEngine::SetFileName(std::string_view name) {
    const std::size_t n = std::min(name.size(), sizeof fileName_ - 1);
    std::memcpy(fileName_, name.data(), n);
    fileName_[n] = '\0';
    named_ = Named::File;
}

const char* KermitEngine::FileName() const {
    switch (named_) {
        case Named::Request:
            return request_;
        case Named::Answer:
            return answer_;
        case Named::File:
            break;
    }
    return fileName_;
}

void KermitEngine::ResetEngine() {
    link_.Reset();
    state_ = State{};
}

}  // namespace kermit
