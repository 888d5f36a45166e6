#pragma once

#include <string>
#include <vector>

#include "tools/corvix-caliper/CaliperLink.h"
#include "tools/corvix-caliper/Script.h"

namespace caliper {

// The command line of corvix-caliper.
struct Options {
    std::string line;
    std::string store = ".";
    int baud = 9600;
    Timing timing;
    std::vector<Step> steps;
};

// Reads the arguments (without the program name); false with the reason in
// `error` on a mistake.
bool ParseOptions(const std::vector<std::string>& arguments, Options& options, std::string& error);

extern const char kUsage[];

}  // namespace caliper
