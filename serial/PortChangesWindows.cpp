#include <windows.h>

#include "serial/PortReturn.h"

namespace serial {

// Windows: the port list is looked at again once a second; the waits in
// between sleep.
struct PortChanges::State {
    ULONGLONG lastLook = 0;
};

namespace {

constexpr ULONGLONG kLookIntervalMs = 1000;

}  // namespace

PortChanges::PortChanges(const QStringList&, const QStringList&)
    : state_(std::make_unique<State>()) {
    state_->lastLook = ::GetTickCount64();
}

PortChanges::~PortChanges() = default;

bool PortChanges::Wait(int milliseconds) {
    ::Sleep(static_cast<DWORD>(milliseconds));
    const ULONGLONG now = ::GetTickCount64();
    if (now - state_->lastLook < kLookIntervalMs) return false;
    state_->lastLook = now;
    return true;
}

}  // namespace serial
