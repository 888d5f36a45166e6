#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/corvix-caliper/CaliperLink.h"
#include "tools/corvix-caliper/Script.h"

namespace caliper {

// The virtual caliper: a file store and the line, worked through a script.
class Caliper {
public:
    Caliper(kermit::KermitPort& line, std::filesystem::path store, const Timing& timing, int baud,
            std::FILE* report);

    // Runs the steps in order and stops at the first that fails. Returns
    // whether all succeeded.
    bool Run(const std::vector<Step>& steps);

    // One step; false with the reason in `outcome`.
    bool RunStep(const Step& step, std::string& outcome);

private:
    bool DoReceive(std::string& outcome);
    bool DoSend(const std::string& name, std::string& outcome);
    bool DoPrint(const std::string& name, std::string& outcome);
    bool DoGet(const std::string& name, std::string& outcome);
    bool DoText(std::string& outcome);
    bool DoBye(std::string& outcome);
    bool ReadStoreFile(const std::string& name, std::string& bytes, std::string& outcome);

    kermit::KermitPort& line_;
    CaliperLink link_;
    std::filesystem::path store_;
    int baud_;
    std::FILE* report_;
};

}  // namespace caliper
