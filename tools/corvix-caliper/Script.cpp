#include "tools/corvix-caliper/Script.h"

#include <cstdlib>
#include <sstream>

namespace caliper {
namespace {

struct Verb {
    const char* word;
    Step::Kind kind;
    bool takesArgument;
};

constexpr Verb kVerbs[] = {
    {"receive", Step::Kind::Receive, false}, {"send", Step::Kind::Send, true},
    {"print", Step::Kind::Print, true},      {"get", Step::Kind::Get, true},
    {"text", Step::Kind::Text, false},       {"bye", Step::Kind::Bye, false},
    {"wait", Step::Kind::Wait, true},
};

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::string WithoutComments(const std::string& text) {
    std::string out;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto hash = line.find('#');
        out += (hash == std::string::npos ? line : line.substr(0, hash)) + ";";
    }
    return out;
}

bool ParseStep(const std::string& item, Step& step, std::string& error) {
    const auto space = item.find_first_of(" \t");
    const std::string word = item.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : Trim(item.substr(space));
    for (const Verb& verb : kVerbs) {
        if (word != verb.word) continue;
        if (verb.takesArgument == argument.empty()) {
            error = "\"" + item + "\": " + (verb.takesArgument ? "needs a name" : "takes nothing");
            return false;
        }
        step.kind = verb.kind;
        step.argument = argument;
        if (verb.kind != Step::Kind::Wait) return true;
        char* end = nullptr;
        step.seconds = std::strtod(argument.c_str(), &end);
        if (end == argument.c_str() || *end != '\0' || !(step.seconds >= 0) ||
            step.seconds > 3600) {
            error = "\"" + item + "\": wait needs seconds (0 to 3600)";
            return false;
        }
        return true;
    }
    error = "\"" + item + "\": unknown step (receive, send, print, get, text, bye, wait)";
    return false;
}

}  // namespace

bool ParseScript(const std::string& text, std::vector<Step>& steps, std::string& error) {
    steps.clear();
    std::istringstream items(WithoutComments(text));
    std::string item;
    while (std::getline(items, item, ';')) {
        item = Trim(item);
        if (item.empty()) continue;
        Step step;
        if (!ParseStep(item, step, error)) return false;
        steps.push_back(step);
    }
    if (steps.empty()) error = "the script has no steps";
    return !steps.empty();
}

std::string StepText(const Step& step) {
    for (const Verb& verb : kVerbs) {
        if (verb.kind == step.kind)
            return verb.takesArgument ? std::string(verb.word) + " " + step.argument : verb.word;
    }
    return {};
}

}  // namespace caliper
