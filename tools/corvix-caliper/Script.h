#pragma once

#include <string>
#include <vector>

namespace caliper {

// One step of the caliper's script.
struct Step {
    enum class Kind { Receive, Send, Print, Get, Text, Bye, Wait };
    Kind kind = Kind::Receive;
    std::string argument;  // the file name, or the seconds of a wait
    double seconds = 0;
};

// Reads a script: steps separated by ";" or new lines, blank steps and
// "#" comments (to the end of the line) ignored. On a mistake returns false
// with the reason in `error`.
bool ParseScript(const std::string& text, std::vector<Step>& steps, std::string& error);

// The step as it would be written in a script.
std::string StepText(const Step& step);

}  // namespace caliper
