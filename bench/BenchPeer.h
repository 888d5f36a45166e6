#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace bench {

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

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
