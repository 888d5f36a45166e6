#include "kermit/KermitEngine.h"

namespace kermit {

KermitEngine::KermitEngine(KermitPort& port, KermitFiles& files, std::atomic<int>& runFlag,
                           const Offer& offer)
    : exchange_(port, files, runFlag, offer), sender_(exchange_), receiver_(exchange_, sender_) {}

KermitEngine::~KermitEngine() = default;

void KermitEngine::SetObserver(KermitObserver* observer) {
    exchange_.observer = observer;
    exchange_.link.SetObserver(observer);
}

}  // namespace kermit
