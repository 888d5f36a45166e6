#include "cli/CliOptions.h"

#include <QCommandLineParser>

#include "cli/CliOptionTable.h"
#include "serial/BaudRates.h"

namespace {

// The rate `text` names, 0 when it is none the port opens at.
int BaudRateOf(const QString& text) {
    bool ok = false;
    const int rate = text.toInt(&ok);
    return ok && serial::IsBaudRate(rate) ? rate : 0;
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
        o.job.baud = BaudRateOf(value);
        ok = o.job.baud != 0;
    } else if (option == QLatin1String("--dir")) {
        o.dir = value;
        ok = !value.isEmpty();
    } else if (option == QLatin1String("--log-packets")) {
        o.job.packetLog = value;
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

// A parser that knows the options `command` takes, with --help and --version.
void AddOptions(QCommandLineParser& parser, CliOptions::Command command) {
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QString()});
    parser.addOption({QStringLiteral("version"), QString()});
    for (const CliOptionEntry& entry : CliOptionTable())
        if (entry.commands & CommandBit(command))
            parser.addOption(
                {QString::fromLatin1(entry.name), QString(), QString::fromLatin1(entry.valueName)});
}

// An option without a value.
void TakeSwitch(CliOptions& o, const QString& name) {
    if (name == QLatin1String("keep-serving")) {
        o.job.keepServing = true;
    } else if (name == QLatin1String("session-folders")) {
        o.job.sessionFolders = true;
    } else {
        o.quiet = true;
    }
}

// The values of the options given, in the order of the table.
bool TakeValues(const QCommandLineParser& parser, CliOptions& o, QString& error) {
    for (const CliOptionEntry& entry : CliOptionTable()) {
        const QString name = QString::fromLatin1(entry.name);
        if (!(entry.commands & CommandBit(o.command)) || !parser.isSet(name)) continue;
        if (*entry.valueName == 0) {
            TakeSwitch(o, name);
            continue;
        }
        if (!TakeValue(o, QStringLiteral("--") + name, parser.value(name), error)) return false;
    }
    return true;
}

// The operands: send takes one FILE or more, the others none. An empty FILE
// (a script's unset variable) names no file at all.
bool TakeOperands(const QStringList& operands, CliOptions& o, QString& error) {
    if (o.command != CliOptions::Command::Send) {
        if (operands.isEmpty()) return true;
        error = QStringLiteral("unexpected argument '%1'").arg(operands.first());
        return false;
    }
    if (operands.isEmpty() || operands.contains(QString())) {
        error = QStringLiteral("send needs one FILE or more, none of them empty");
        return false;
    }
    o.files = operands;
    return true;
}

// --help or --version before any command.
std::optional<CliOptions> ProgramQuestion(const QString& word) {
    CliOptions o;
    if (word == QLatin1String("--help") || word == QLatin1String("-h") ||
        word == QLatin1String("help"))
        o.asked = CliOptions::Asked::Help;
    else if (word == QLatin1String("--version"))
        o.asked = CliOptions::Asked::Version;
    else
        return std::nullopt;
    return o;
}

}  // namespace

std::optional<CliOptions> ParseCliOptions(const QStringList& arguments, QString& error) {
    if (arguments.isEmpty()) {
        error = QStringLiteral("no command given");
        return std::nullopt;
    }
    if (auto question = ProgramQuestion(arguments.first())) return question;
    const auto command = CliCommandOf(arguments.first());
    if (!command) {
        error = QStringLiteral("unknown command '%1'").arg(arguments.first());
        return std::nullopt;
    }
    CliOptions o;
    o.command = *command;
    o.commandGiven = true;
    o.job.kind = CliCommandEntryOf(o.command).job;
    QCommandLineParser parser;
    AddOptions(parser, o.command);
    // The parser takes its first argument for the program's name.
    if (!parser.parse(QStringList{QStringLiteral("corvix-cli")} + arguments.mid(1))) {
        error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version"))) {
        o.asked = parser.isSet(QStringLiteral("help")) ? CliOptions::Asked::Help
                                                       : CliOptions::Asked::Version;
        return o;
    }
    if (!TakeValues(parser, o, error) || !TakeOperands(parser.positionalArguments(), o, error))
        return std::nullopt;
    return o;
}

QString CliVersion() {
    return QStringLiteral("corvix-cli " CORVIX_VERSION);
}
