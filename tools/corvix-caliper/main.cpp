// corvix-caliper: a virtual caliper on one end of a serial line (a linesim
// end), worked through a small script. Exit status: 0 every step succeeded,
// 1 a step failed, 2 bad usage, 3 the line cannot be opened.

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/corvix-caliper/Caliper.h"
#include "tools/corvix-caliper/Options.h"
#include "tools/corvix-caliper/TtyLine.h"

int main(int argc, char** argv) {
    caliper::Options options;
    std::string error;
    if (!caliper::ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "corvix-caliper: %s\n%s", error.c_str(), caliper::kUsage);
        return 2;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(options.store, ec)) {
        std::fprintf(stderr, "corvix-caliper: the store %s is not a folder\n",
                     options.store.c_str());
        return 2;
    }
    caliper::TtyLine line;
    if (!line.Open(options.line, options.baud)) {
        std::fprintf(stderr, "corvix-caliper: %s\n", line.Error().c_str());
        return 3;
    }
    caliper::Caliper device(line, options.store, options.timing, options.baud, stdout);
    const bool ok = device.Run(options.steps);
    line.Drain();
    return ok ? 0 : 1;
}
