#include "LockHolder.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "TestFiles.h"

namespace test_support {

std::string LockFileOf(const std::string& device) {
    if (!std::filesystem::is_directory("/run/lock")) return {};
    std::string name = device.rfind("/dev/", 0) == 0 ? device.substr(5) : device;
    for (char& c : name)
        if (c == '/') c = '_';
    return "/run/lock/LCK.." + name;
}

LockHolder::LockHolder(const std::string& device) : file_(LockFileOf(device)) {
    if (file_.empty()) return;
    pid_ = ::fork();
    if (pid_ == 0) {
        for (;;)
            ::pause();
    }
    if (pid_ < 0) return;
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid_));
    contents_ = text;
    WriteWholeFile(file_, contents_);
}

void LockHolder::End() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

LockHolder::~LockHolder() {
    End();
    if (!file_.empty()) ::unlink(file_.c_str());
}

}  // namespace test_support
