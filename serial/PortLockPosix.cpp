#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>
#include <thread>

#include "serial/PortLock.h"

namespace serial {

namespace {

constexpr const char* kLockFolders[] = {"/run/lock", "/var/lock"};
constexpr int kLockFileMode = 0644;  // others must be able to read who holds the device

// The lock folders present, each once: on most systems /var/lock leads to
// /run/lock.
QStringList LockFolders() {
    QStringList folders;
    for (const char* folder : kLockFolders) {
        const QFileInfo info(QString::fromLatin1(folder));
        const QString canonical = info.canonicalFilePath();
        if (!canonical.isEmpty() && info.isDir() && !folders.contains(canonical))
            folders.append(canonical);
    }
    return folders;
}

// The names programs give the lock file of `device`, for the device it leads
// to and for the path as given: the part after "/dev/" with its slashes as
// underscores ("LCK..pts_3"), and its last part alone ("LCK..3"). The first
// is the one this program writes.
QStringList LockNames(const QString& device) {
    QStringList names;
    for (const QString& path : {QFileInfo(device).canonicalFilePath(), device}) {
        if (path.isEmpty()) continue;
        const QString rest = path.startsWith(QLatin1String("/dev/"))
                                 ? path.mid(5)
                                 : path.section(QLatin1Char('/'), -1);
        const QString flat = QString(rest).replace(QLatin1Char('/'), QLatin1Char('_'));
        for (const QString& name : {flat, rest.section(QLatin1Char('/'), -1)}) {
            const QString file = QStringLiteral("LCK..") + name;
            if (!name.isEmpty() && !names.contains(file)) names.append(file);
        }
    }
    return names;
}

// The process a lock file names: its first line, ten ASCII digits padded
// with spaces in the usual form, or four binary bytes in an old one. 0 when
// it names none.
qint64 HolderOf(const QByteArray& bytes) {
    const bool text = bytes.size() != 4 || std::strspn(bytes.constData(), " 0123456789\n") == 4;
    if (!text) {
        int binary = 0;
        std::memcpy(&binary, bytes.constData(), sizeof binary);
        return binary > 0 ? binary : 0;
    }
    const qsizetype end = bytes.indexOf('\n');
    bool ok = false;
    const qint64 pid = (end < 0 ? bytes : bytes.left(end)).trimmed().toLongLong(&ok);
    return ok && pid > 0 && pid <= INT_MAX ? pid : 0;
}

bool ProcessAlive(qint64 pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// What `file` says about its holder: the process it names, 0 when it names
// none (empty, garbage, gone meanwhile, or no regular file at all, which is
// not waited on), or nothing when it cannot be read.
std::optional<qint64> ReadHolder(const QString& file) {
    const int fd =
        ::open(QFile::encodeName(file).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno == ELOOP || errno == ENOENT ? std::optional<qint64>(0) : std::nullopt;
    struct stat info {};
    char bytes[64];
    ssize_t n = 0;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (regular) n = ::read(fd, bytes, sizeof bytes);
    ::close(fd);
    if (n < 0) return std::nullopt;
    return HolderOf(QByteArray(bytes, static_cast<qsizetype>(n)));
}

// The holder of `file`. A file that names nobody may be one another program
// has just made and not yet written: it gets a moment to write its process.
std::optional<qint64> HolderAfterWriting(const QString& file) {
    constexpr auto kWritingTime = std::chrono::milliseconds(200);
    const std::optional<qint64> holder = ReadHolder(file);
    if (holder != 0) return holder;
    std::this_thread::sleep_for(kWritingTime);
    return ReadHolder(file);
}

// True when `file` stands in nobody's way: absent, or a lock that names no
// live process (empty, garbage, a process that is gone) or this one, which
// is then removed. Otherwise the failure names the file and its process (0
// when it cannot be read: that lock is honoured all the same).
bool ClearStale(const QString& file, PortFailure& failure) {
    const QFileInfo info(file);
    if (!info.exists() && !info.isSymLink()) return true;
    const std::optional<qint64> holder = HolderAfterWriting(file);
    if (holder && (*holder == 0 || *holder == ::getpid() || !ProcessAlive(*holder))) {
        // Where it cannot be removed, its holder is gone all the same.
        ::unlink(QFile::encodeName(file).constData());
        return true;
    }
    failure = {};
    failure.problem = PortProblem::InUse;
    failure.holder = holder.value_or(0);
    failure.lockFile = file;
    return false;
}

// Creates `file` naming this process. -1 when another program created it
// first, 0 when it cannot be created here, 1 when written.
int CreateLockFile(const QString& file) {
    const QByteArray path = QFile::encodeName(file);
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          kLockFileMode);
    if (fd < 0) return errno == EEXIST ? -1 : 0;
    ::fchmod(fd, kLockFileMode);
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%10ld\n", static_cast<long>(::getpid()));
    const bool written = ::write(fd, text, static_cast<size_t>(length)) == length;
    ::close(fd);
    if (written) return 1;
    ::unlink(path.constData());
    return 0;
}

}  // namespace

bool PortLock::Acquire(const QString& device, PortFailure& failure) {
    Release();
    const QStringList folders = LockFolders();
    const QStringList names = LockNames(device);
    for (const QString& folder : folders) {
        for (const QString& name : names) {
            if (!ClearStale(folder + QLatin1Char('/') + name, failure)) return false;
        }
    }
    if (folders.isEmpty() || names.isEmpty()) return true;
    const QString mine = folders.first() + QLatin1Char('/') + names.first();
    int created = CreateLockFile(mine);
    // Another program came in between: its file decides, once more.
    if (created < 0) {
        if (!ClearStale(mine, failure)) return false;
        created = CreateLockFile(mine);
    }
    if (created > 0) file_ = mine;
    return true;
}

void PortLock::Release() {
    if (file_.isEmpty()) return;
    QFile lock(file_);
    if (lock.open(QIODevice::ReadOnly) && HolderOf(lock.read(64)) == ::getpid()) {
        lock.close();
        ::unlink(QFile::encodeName(file_).constData());
    }
    file_.clear();
}

}  // namespace serial
