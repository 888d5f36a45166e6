#include <unistd.h>

#include <QElapsedTimer>

#include "serial/PortReturn.h"

namespace serial {

// macOS: the devices are looked at again once a second; the waits in
// between sleep.
struct PortChanges::State {
    QElapsedTimer sinceLook;
};

namespace {

constexpr qint64 kLookIntervalMs = 1000;

}  // namespace

PortChanges::PortChanges(const QStringList&, const QStringList&)
    : state_(std::make_unique<State>()) {
    state_->sinceLook.start();
}

PortChanges::~PortChanges() = default;

bool PortChanges::Wait(int milliseconds) {
    ::usleep(static_cast<useconds_t>(milliseconds) * 1000);
    if (state_->sinceLook.elapsed() < kLookIntervalMs) return false;
    state_->sinceLook.restart();
    return true;
}

}  // namespace serial
