// The command-line reader on any arguments (the input split at NUL bytes,
// read as UTF-8): the request it gives is always one the main window can act
// on, and the action chosen from it agrees with it.
#include <cstdlib>

#include <QStringList>

#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList arguments;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            if (i > start || i < size)
                arguments.append(QString::fromUtf8(reinterpret_cast<const char*>(data + start),
                                                   static_cast<qsizetype>(i - start)));
            start = i + 1;
        }
    }
    static const QStringList rates = {"300",  "600",   "1200",  "2400", "4800",
                                      "9600", "19200", "38400", "57600"};
    const ParsedCommandLine parsed = ReadCommandLine(arguments, QStringLiteral("COM3"), 5, rates);
    const CommandLineRequest& r = parsed.request;
    if (r.fromCommandLine == arguments.isEmpty()) std::abort();
    if (r.mode != RequestMode::Kermit && r.mode != RequestMode::Capture) std::abort();
    if (r.isFile && !r.path.contains(u'.')) std::abort();
    if (!parsed.portName.isEmpty() && parsed.portName != QStringLiteral("COM3") &&
        !parsed.portName.startsWith(u"COM") && !parsed.portName.startsWith(u"/dev/"))
        std::abort();
    const StartupAction action = ChooseStartupAction(r, parsed.portName);
    if (parsed.portName.isEmpty() || arguments.isEmpty()) {
        if (action != StartupAction::None) std::abort();
    } else if (action == StartupAction::LoadProgram &&
               (!r.isFile || r.mode != RequestMode::Kermit)) {
        std::abort();
    } else if (action == StartupAction::ReceiveAscii && r.mode != RequestMode::Capture) {
        std::abort();
    }
    return 0;
}
