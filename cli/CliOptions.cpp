#include "cli/CliOptions.h"

#include "serial/SerialPort.h"

namespace {

std::optional<CliOptions::Command> CommandOf(const QString& word) {
    if (word == QLatin1String("ports")) return CliOptions::Command::Ports;
    if (word == QLatin1String("send")) return CliOptions::Command::Send;
    if (word == QLatin1String("receive")) return CliOptions::Command::Receive;
    if (word == QLatin1String("capture")) return CliOptions::Command::Capture;
    return std::nullopt;
}

// The job a command runs; `ports` runs none, and its kind is never read.
JobKind JobKindOf(CliOptions::Command command) {
    switch (command) {
        case CliOptions::Command::Send:
            return JobKind::Send;
        case CliOptions::Command::Capture:
            return JobKind::Capture;
        case CliOptions::Command::Receive:
        case CliOptions::Command::Ports:
            break;
    }
    return JobKind::Receive;
}

int BaudIndexOf(const QString& text) {
    bool ok = false;
    const int rate = text.toInt(&ok);
    for (int i = 0; ok && i < serial::kBaudCount; ++i)
        if (serial::kBaudTable[i] == rate) return i;
    return -1;
}

// Which options each command takes, besides --max-time and --quiet.
bool Accepts(CliOptions::Command command, const QString& option) {
    using C = CliOptions::Command;
    if (option == QLatin1String("--max-time") || option == QLatin1String("--quiet"))
        return command != C::Ports;
    if (option == QLatin1String("--port") || option == QLatin1String("--baud"))
        return command != C::Ports;
    if (option == QLatin1String("--dir") || option == QLatin1String("--count") ||
        option == QLatin1String("--on-exists"))
        return command == C::Receive;
    if (option == QLatin1String("--out")) return command == C::Capture;
    if (option == QLatin1String("--block-check") || option == QLatin1String("--packet-length") ||
        option == QLatin1String("--window") || option == QLatin1String("--prefixing"))
        return command == C::Send || command == C::Receive;
    return false;
}

// A whole number from `low` to `high` for `option`; a bad one is refused
// with the range in the message.
bool TakeInRange(const QString& option, const QString& value, int low, int high, int& number,
                 QString& error) {
    bool ok = false;
    number = value.toInt(&ok);
    if (ok && number >= low && number <= high) return true;
    error =
        QStringLiteral("bad value for %1: '%2' (%3 to %4)").arg(option, value).arg(low).arg(high);
    return false;
}

// Takes the value of `option`; false when it is bad.
bool TakeValue(CliOptions& o, const QString& option, const QString& value, QString& error) {
    bool ok = true;
    if (option == QLatin1String("--port")) {
        o.job.portName = value;
        ok = !value.isEmpty();
    } else if (option == QLatin1String("--baud")) {
        o.job.baudIndex = BaudIndexOf(value);
        ok = o.job.baudIndex >= 0;
    } else if (option == QLatin1String("--dir")) {
        o.dir = value;
        ok = !value.isEmpty();
    } else if (option == QLatin1String("--out")) {
        o.file = value;
        ok = !value.isEmpty();
    } else if (option == QLatin1String("--count")) {
        o.count = value.toInt(&ok);
        ok = ok && o.count > 0;
    } else if (option == QLatin1String("--max-time")) {
        const double seconds = value.toDouble(&ok);
        ok = ok && seconds > 0 && seconds < 1e6;
        o.maxTimeMs = ok ? static_cast<int>(seconds * 1000 + 0.5) : 0;
        ok = ok && o.maxTimeMs > 0;
    } else if (option == QLatin1String("--block-check")) {
        o.job.offer.blockCheck = value == QLatin1String("1")   ? 1
                                 : value == QLatin1String("3") ? 3
                                                               : 0;
        ok = o.job.offer.blockCheck != 0;
    } else if (option == QLatin1String("--packet-length")) {
        return TakeInRange(option, value, 94, 4096, o.job.offer.packetLength, error);
    } else if (option == QLatin1String("--window")) {
        return TakeInRange(option, value, 1, 31, o.job.offer.slidingWindow, error);
    } else if (option == QLatin1String("--prefixing")) {
        if (value == QLatin1String("cautious"))
            o.job.offer.prefixing = kermit::Prefixing::Cautious;
        else if (value == QLatin1String("all"))
            o.job.offer.prefixing = kermit::Prefixing::All;
        else
            ok = false;
    } else if (option == QLatin1String("--on-exists")) {
        if (value == QLatin1String("ask"))
            o.onExists = CliOptions::OnExists::Ask;
        else if (value == QLatin1String("replace"))
            o.onExists = CliOptions::OnExists::Replace;
        else if (value == QLatin1String("cancel"))
            o.onExists = CliOptions::OnExists::Cancel;
        else
            ok = false;
    }
    if (!ok) error = QStringLiteral("bad value for %1: '%2'").arg(option, value);
    return ok;
}

}  // namespace

std::optional<CliOptions> ParseCliOptions(const QStringList& arguments, QString& error) {
    if (arguments.isEmpty()) {
        error = QStringLiteral("no command given");
        return std::nullopt;
    }
    const auto command = CommandOf(arguments.first());
    if (!command) {
        error = QStringLiteral("unknown command '%1'").arg(arguments.first());
        return std::nullopt;
    }
    CliOptions o;
    o.command = *command;
    o.job.kind = JobKindOf(o.command);
    QStringList operands;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(QLatin1String("--")) || a == QLatin1String("--")) {
            if (a == QLatin1String("--")) {
                operands += arguments.mid(i + 1);
                break;
            }
            operands << a;
            continue;
        }
        if (!Accepts(o.command, a)) {
            error = QStringLiteral("unknown option '%1' for %2").arg(a, arguments.first());
            return std::nullopt;
        }
        if (a == QLatin1String("--quiet")) {
            o.quiet = true;
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = QStringLiteral("%1 needs a value").arg(a);
            return std::nullopt;
        }
        if (!TakeValue(o, a, arguments[++i], error)) return std::nullopt;
    }
    const int wanted = o.command == CliOptions::Command::Send ? 1 : 0;
    // An empty FILE (a script's unset variable) names no file at all.
    if (operands.size() != wanted || (wanted == 1 && operands.first().isEmpty())) {
        error = wanted == 1 ? QStringLiteral("send needs exactly one FILE")
                            : QStringLiteral("unexpected argument '%1'").arg(operands.first());
        return std::nullopt;
    }
    if (wanted == 1) o.file = operands.first();
    return o;
}

QString CliUsage() {
    return QStringLiteral(
        "usage: corvix-cli ports\n"
        "       corvix-cli send [--port P] [--baud RATE] [--block-check 1|3]\n"
        "                       [--packet-length N] [--window N]\n"
        "                       [--prefixing cautious|all] FILE\n"
        "       corvix-cli receive [--port P] [--baud RATE] [--dir DIR] [--count N]\n"
        "                          [--on-exists ask|replace|cancel] [--block-check 1|3]\n"
        "                          [--packet-length N] [--window N]\n"
        "                          [--prefixing cautious|all]\n"
        "       corvix-cli capture [--port P] [--baud RATE] [--out FILE]\n"
        "common: --max-time SECONDS, --quiet; RATE is one of 1200 2400 4800 9600\n"
        "        19200 38400 57600 115200 230400 (default 9600); --packet-length (94 to\n"
        "        4096) and --window (1 to 31) make a send propose long packets and a sliding\n"
        "        window (default 94 and 1: neither); --prefixing cautious sends the control\n"
        "        characters a line cannot harm unprefixed, all prefixes every one (default:\n"
        "        cautious once long packets or a sliding window are agreed, else all)\n");
}
