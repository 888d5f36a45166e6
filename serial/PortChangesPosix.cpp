#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>

#include <QElapsedTimer>
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
    QStringList pending;      // folders that did not exist yet
    QStringList names;        // the entries whose changes matter
    QElapsedTimer sinceWake;  // since the last change was seen
};

namespace {

constexpr uint32_t kWatched = IN_CREATE | IN_DELETE | IN_ATTRIB | IN_MOVED_TO | IN_MOVED_FROM;
// A busy folder (the temporary folder a link may sit in) changes all the
// time: after a change the thread sleeps this long before it looks again,
// and takes what came meanwhile as one change.
constexpr qint64 kQuietAfterChangeMs = 100;

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

bool Matters(const QStringList& names, const char* name) {
    const QString entry = QFile::decodeName(name);
    for (const QString& wanted : names) {
        const bool prefix = wanted.endsWith(QLatin1Char('*'));
        if (prefix ? entry.startsWith(wanted.chopped(1)) : entry == wanted) return true;
    }
    return false;
}

// Reads every event waiting; true when one of them concerns an entry that
// matters, or events were lost.
bool Drain(const PortChanges::State& s) {
    alignas(inotify_event) char buffer[16384];
    bool matters = false;
    for (ssize_t got; (got = ::read(s.fd, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            matters = matters || (event->mask & IN_Q_OVERFLOW) != 0 ||
                      (event->len > 0 && Matters(s.names, event->name));
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return matters;
}

}  // namespace

PortChanges::PortChanges(const QStringList& folders, const QStringList& names)
    : state_(std::make_unique<State>()) {
    state_->fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    state_->pending = folders;
    state_->names = names;
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
    QElapsedTimer waited;
    waited.start();
    for (qint64 left = milliseconds; left > 0; left = milliseconds - waited.elapsed()) {
        if (s.sinceWake.isValid() && s.sinceWake.elapsed() < kQuietAfterChangeMs) {
            const qint64 rest = std::min(kQuietAfterChangeMs - s.sinceWake.elapsed(), left);
            ::usleep(static_cast<useconds_t>(rest) * 1000);
            continue;
        }
        pollfd p{s.fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0 || (p.revents & POLLIN) == 0) continue;
        s.sinceWake.start();
        const bool matters = Drain(s);
        // A folder made meanwhile (/dev/serial with the first USB adapter).
        const bool added = !s.pending.isEmpty() && WatchPending(s);
        if (matters || added) return true;
    }
    return false;
}

}  // namespace serial
