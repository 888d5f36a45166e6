#pragma once

#include <sys/types.h>

#include <string>

namespace test_support {

// The lock file another program leaves in /run/lock while it holds `device`:
// "/dev/pts/3" gives "/run/lock/LCK..pts_3". "" when there is no /run/lock.
std::string LockFileOf(const std::string& device);

// Another program holding a serial device by its lock file: a live process
// of its own, whose id the file names in the usual ten characters. End()
// ends the process and leaves the file behind, stale.
class LockHolder {
public:
    explicit LockHolder(const std::string& device);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool ok() const { return pid_ > 0 && !file_.empty(); }
    pid_t pid() const { return pid_; }
    const std::string& file() const { return file_; }
    // What the holder wrote into the file.
    const std::string& contents() const { return contents_; }

    void End();

private:
    pid_t pid_ = -1;
    std::string file_;
    std::string contents_;
};

}  // namespace test_support
