#include "app/CommandLine.h"

#include "app/LeadingNumber.h"

namespace {

struct Reading {
    ParsedCommandLine parsed;
    bool kermitSeen = false;
};

QString StripQuotes(const QString& token) {
    qsizetype first = 0;
    qsizetype last = token.size();
    while (first < last && token[first] == u'"')
        ++first;
    while (last > first && token[last - 1] == u'"')
        --last;
    return token.mid(first, last - first);
}

void ReadFileToken(const QString& token, Reading& reading) {
    CommandLineRequest& request = reading.parsed.request;
    request.path = StripQuotes(token);
    request.isFile = true;
    const QString extension = request.path.right(3);
    if (extension.compare(u"TXT", Qt::CaseInsensitive) == 0) {
        request.mode = reading.kermitSeen ? RequestMode::Kermit : RequestMode::Capture;
    } else {
        for (const char16_t* kermitExtension : {u"128", u"512", u"m$x", u"b$n"}) {
            if (extension.compare(kermitExtension, Qt::CaseInsensitive) == 0)
                request.mode = RequestMode::Kermit;
        }
    }
}

int BaudFromToken(QStringView rate, const QStringList& baudRateList) {
    for (qsizetype index = 0; index < baudRateList.size(); ++index) {
        if (baudRateList[index] == rate) return int(index);
    }
    return LeadingNumber(rate);
}

QString PortFromNumber(int number) {
    return number < 0 ? QString() : QStringLiteral("COM%1").arg(number);
}

void ReadToken(const QString& token, const QStringList& baudRateList, Reading& reading) {
    ParsedCommandLine& parsed = reading.parsed;
    if (token.startsWith(u"/dev/")) {
        // A device path names a port; checked first, as such paths may hold a dot.
        parsed.portName = token;
    } else if (token.startsWith(u'-')) {
        // An option is answered before the job starts; it names no folder.
        return;
    } else if (token.contains(u'.')) {
        ReadFileToken(token, reading);
    } else if (token.startsWith(u"KERMIT")) {
        reading.kermitSeen = true;
        parsed.request.mode = RequestMode::Kermit;
    } else if (token.startsWith(u"BAUD")) {
        parsed.baud = BaudFromToken(QStringView(token).mid(4), baudRateList);
    } else if (token.startsWith(u"COM")) {
        parsed.portName = PortFromNumber(LeadingNumber(QStringView(token).mid(3)));
    } else {
        parsed.request.path = token;
        parsed.request.isFile = false;
    }
}

}  // namespace

ParsedCommandLine ReadCommandLine(const QStringList& arguments, const QString& portName, int baud,
                                  const QStringList& baudRateList) {
    Reading reading;
    reading.parsed.portName = portName;
    reading.parsed.baud = baud;
    reading.parsed.request.fromCommandLine = !arguments.isEmpty();
    for (const QString& token : arguments)
        ReadToken(token, baudRateList, reading);
    return reading.parsed;
}

StartupAction ChooseStartupAction(const CommandLineRequest& request, const QString& portName) {
    if (!request.fromCommandLine || portName.isEmpty()) return StartupAction::None;
    if (request.mode == RequestMode::Capture) return StartupAction::ReceiveAscii;
    return request.isFile ? StartupAction::LoadProgram : StartupAction::KermitReceive;
}

CommandLineInfo ReadInfoRequest(const QStringList& arguments) {
    for (const QString& token : arguments) {
        if (!token.startsWith(u'-')) continue;
        if (token == u"--help" || token == u"-h" || token == u"-?")
            return {InfoRequest::Help, token};
        if (token == u"--version" || token == u"-v") return {InfoRequest::Version, token};
        return {InfoRequest::UnknownOption, token};
    }
    return {};
}

namespace {

// The usage, in the words of the manual page.
const char* const kUsage =
    "Usage: Corvix [PORT] [BAUDrate] [KERMIT] [FOLDER | FILE]\n"
    "Moves data between this computer and a forestry caliper over a serial line.\n"
    "Without arguments the main window opens. With arguments Corvix runs one job,\n"
    "ends when that job ends, and leaves the stored settings as they were.\n"
    "\n"
    "  FOLDER       receive files with Kermit into FOLDER (a word without a dot)\n"
    "  FILE         send FILE with Kermit (a word with a dot); a .TXT file\n"
    "               receives the caliper's text into it instead\n"
    "  KERMIT       a .TXT file named after it is sent, not received into\n"
    "  PORT         COMn or a device path such as /dev/ttyUSB0, for this run\n"
    "  BAUDrate     the baud rate for this run, such as BAUD9600\n"
    "  -h, --help     show this text and end\n"
    "  -v, --version  show the version and end\n";

}  // namespace

InfoAnswer AnswerInfoRequest(const CommandLineInfo& info, const QString& version) {
    switch (info.request) {
        case InfoRequest::Help:
            return {QString::fromLatin1(kUsage), false, 0};
        case InfoRequest::Version:
            return {QStringLiteral("Corvix %1\n").arg(version), false, 0};
        case InfoRequest::UnknownOption:
            return {QStringLiteral("Corvix: unknown option '%1'\nTry 'Corvix --help'.\n")
                        .arg(info.option),
                    true, 2};
        case InfoRequest::None:
            break;
    }
    return {};
}
