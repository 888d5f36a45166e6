#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace bench {

using test_support::ReadWholeFile;
using test_support::WriteWholeFile;

// C-Kermit on one end of the line, driven by a script of commands.
class Peer {
public:
    ~Peer();
    void StartCKermit(const std::string& device, const std::filesystem::path& dir,
                      const std::vector<std::string>& settings,
                      const std::vector<std::string>& commands);
    // Exit status, or -1 when it had to be killed after `seconds`.
    int Wait(int seconds);

private:
    pid_t pid_ = -1;
};

}  // namespace bench
