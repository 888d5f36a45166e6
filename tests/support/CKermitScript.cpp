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

}  // namespace interop
