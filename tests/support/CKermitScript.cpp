#include "CKermitScript.h"

#include <sstream>

namespace interop {

std::string CKermitScript(const std::string& line, const std::vector<std::string>& commands) {
    std::ostringstream script;
    script << "set line " << line << "\n"
           << "set carrier-watch off\nset speed 115200\nset flow none\nset parity none\n"
           << "set file type binary\nset file names literal\nset file collision overwrite\n"
           << "set transfer mode manual\nset receive timeout 2\nset send timeout 2 fixed\n"
           << "set retry-limit 20\n";
    for (const std::string& c : commands)
        script << c << "\n";
    script << "exit\n";
    return script.str();
}

std::string CKermitSentTypes(const std::string& log) {
    const std::string lines = "\n" + log;
    std::string types;
    std::size_t at = 0;
    while ((at = lines.find("\ns-", at)) != std::string::npos) {
        const std::size_t mark = lines.find("^A", at);
        const std::size_t end = lines.find('\n', at + 1);
        if (mark != std::string::npos && mark < end && mark + 4 < lines.size())
            types += lines[mark + 4];
        at = end;
    }
    return types;
}

bool CKermitLogHasError(const std::string& log, const std::string& text) {
    for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
        const std::size_t mark = log.rfind("^A", at);
        if (mark != std::string::npos && mark + 4 < at && log[mark + 4] == 'E') return true;
    }
    return false;
}

}  // namespace interop
