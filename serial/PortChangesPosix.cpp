#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

#include "serial/PortReturn.h"

namespace serial {

// One inotify descriptor watching the folders where device nodes and their
// links appear: a USB adapter's node under /dev, its links under
// /dev/serial, a pseudo-terminal under /dev/pts and a link to it wherever
// it was made. The thread sleeps in poll until one of them changes.
struct PortChanges::State {
    int fd = -1;
    QStringList pending;  // folders that did not exist yet
};

namespace {

constexpr uint32_t kWatched = IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_TO | IN_MOVED_FROM;

// Adds a watch on each pending folder that exists now; true when one was added.
bool WatchPending(PortChanges::State& s) {
    bool added = false;
    for (auto it = s.pending.begin(); it != s.pending.end();) {
        if (!QFileInfo(*it).isDir() ||
            ::inotify_add_watch(s.fd, QFile::encodeName(*it).constData(), kWatched) < 0) {
            ++it;
            continue;
        }
        it = s.pending.erase(it);
        added = true;
    }
    return added;
}

// Reads every event waiting; what they were does not matter.
void Drain(int fd) {
    alignas(inotify_event) char buffer[4096];
    while (::read(fd, buffer, sizeof buffer) > 0) {
    }
}

}  // namespace

PortChanges::PortChanges(const QStringList& folders) : state_(std::make_unique<State>()) {
    state_->fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    state_->pending = folders;
    if (state_->fd >= 0) WatchPending(*state_);
}

PortChanges::~PortChanges() {
    if (state_->fd >= 0) ::close(state_->fd);
}

// Without inotify, every wait counts as a change: a look at the devices
// each slice, as a poll would.
bool PortChanges::Wait(int milliseconds) {
    State& s = *state_;
    if (s.fd < 0) {
        ::usleep(static_cast<useconds_t>(milliseconds) * 1000);
        return true;
    }
    pollfd p{s.fd, POLLIN, 0};
    const bool woken = ::poll(&p, 1, milliseconds) > 0 && (p.revents & POLLIN) != 0;
    if (woken) Drain(s.fd);
    // A folder made meanwhile (/dev/serial with the first USB adapter).
    const bool added = !s.pending.isEmpty() && woken && WatchPending(s);
    return woken || added;
}

}  // namespace serial
