#include "tools/corvix-caliper/Options.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tools/corvix-caliper/TtyLine.h"

namespace caliper {

const char kUsage[] =
    "usage: corvix-caliper --line DEVICE [--store DIR] [--baud RATE] [--timeout S]\n"
    "                      [--retries N] [--patience S] [--qbin C]\n"
    "                      (--script FILE | \"STEP; STEP; ...\")\n"
    "steps: receive | send NAME | print NAME | get NAME | text | bye | wait SECONDS\n";

namespace {

bool Number(const std::string& text, double low, double high, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end != text.c_str() && *end == '\0' && value >= low && value <= high;
}

bool ReadScriptFile(const std::string& path, std::string& text) {
    std::ifstream in(path);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

bool TakeValue(const std::string& name, const std::string& value, Options& options,
               std::string& script, std::string& error) {
    double n = 0;
    if (name == "--line") {
        options.line = value;
    } else if (name == "--store") {
        options.store = value;
    } else if (name == "--script") {
        if (!ReadScriptFile(value, script)) error = "cannot read the script " + value;
    } else if (name == "--baud") {
        if (!Number(value, 1, 1e7, n) || SpeedConstant(static_cast<int>(n)) == 0)
            error = "--baud: not a usual rate: " + value;
        options.baud = static_cast<int>(n);
    } else if (name == "--timeout" || name == "--patience") {
        if (!Number(value, 0.05, 3600, n)) error = name + ": seconds expected: " + value;
        (name == "--timeout" ? options.timing.timeoutMs : options.timing.patienceMs) =
            static_cast<int>(n * 1000);
    } else if (name == "--retries") {
        if (!Number(value, 0, 1000, n)) error = "--retries: a count expected: " + value;
        options.timing.retries = static_cast<int>(n);
    } else if (name == "--qbin") {
        const bool usable =
            value.size() == 1 && value[0] != '#' &&
            ((value[0] >= 33 && value[0] <= 62) || (value[0] >= 96 && value[0] <= 126));
        if (!usable) error = "--qbin: one prefix character expected, such as &";
        options.timing.qbin = usable ? value[0] : 0;
    } else {
        error = "unknown option " + name;
    }
    return error.empty();
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& arguments, Options& options, std::string& error) {
    std::string script;
    bool haveScript = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (arg.rfind("--", 0) != 0) {
            if (haveScript) {
                error = "one script only";
                return false;
            }
            script = arg;
            haveScript = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = arg + " needs a value";
            return false;
        }
        if (!TakeValue(arg, arguments[++i], options, script, error)) return false;
        haveScript = haveScript || arg == "--script";
    }
    if (options.line.empty()) {
        error = "--line is required";
        return false;
    }
    if (!haveScript) {
        error = "no script given";
        return false;
    }
    return ParseScript(script, options.steps, error);
}

}  // namespace caliper
