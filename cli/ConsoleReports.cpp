#include "cli/ConsoleReports.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include "app/EightBit.h"
#include "app/TextTable.h"
#include "cli/ConsoleInput.h"
#include "serial/SerialPort.h"
#include "worker/LineText.h"

namespace {

constexpr int kBarWidth = 30;
constexpr int kAnswerPollMs = 100;

// What goes to the terminal: names and the peer's words in it may hold
// control characters, which the terminal would obey. Only the line breaks
// of the message's own lines stay.
QByteArray TerminalText(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = VisibleText(line);
    return lines.join(QLatin1Char('\n')).toLocal8Bit();
}

}  // namespace

void PrintMessage(const QString& text) {
    for (const QString& line : text.split(QLatin1Char('\n')))
        std::fprintf(stderr, "corvix-cli: %s\n", TerminalText(line).constData());
    std::fflush(stderr);
}

QString SentFileLine(const SentFile& file) {
    switch (file.fate) {
        case SentFile::Fate::Sent:
            return QStringLiteral("%1: %2 bytes, sent").arg(file.path).arg(file.bytes);
        case SentFile::Fate::Refused:
            return QStringLiteral("%1: %2 bytes, refused by the receiver")
                .arg(file.path)
                .arg(file.bytes);
        case SentFile::Fate::NotSent:
            break;
    }
    return QStringLiteral("%1: not sent").arg(file.path);
}

ConsoleReports::ConsoleReports(const CliOptions& options, std::FILE* captureOut)
    : options_(options),
      captureOut_(captureOut),
      showProgress_(!options.quiet && StandardErrorIsTerminal()) {
    if (options.command != CliOptions::Command::Send) return;
    for (const QString& file : options.files)
        sendSizes_.append(QFileInfo(file).size());
}

void ConsoleReports::On(const report::CapturedText& captured) {
    const QByteArray& piece = captured.piece;
    if (captureOut_ == nullptr || outputFailed_) return;
    errno = 0;
    const bool written = std::fwrite(piece.constData(), 1, piece.size(), captureOut_) ==
                             static_cast<std::size_t>(piece.size()) &&
                         std::fflush(captureOut_) == 0;
    if (written) return;
    outputError_ = QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
    outputFailed_ = true;
    if (requestStop) requestStop();
}

void ConsoleReports::On(const report::ReceiveFileOpened& opened) {
    std::lock_guard<std::mutex> lock(mutex_);
    receiving_ = FromEightBit(opened.name);
    fileOpened_ = true;
}

// The progress texts are made only when they are shown: they come once a packet.
void ConsoleReports::On(const report::ReceiveProgress& progress) {
    if (!showProgress_) return;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!share_.announced()) {
        Progress(QStringLiteral("%1: %2 bytes").arg(receiving_).arg(progress.bytes));
        return;
    }
    share_.Progress(progress.bytes, ReceiveShare::Clock::now());
    Progress(QStringLiteral("%1: %2").arg(receiving_, share_.Text(EnglishTexts())));
}

void ConsoleReports::On(const report::ReceiveFileAnnounced& announced) {
    std::lock_guard<std::mutex> lock(mutex_);
    share_.Announce(announced.length);
}

void ConsoleReports::On(const report::FileEnded& ended) {
    std::lock_guard<std::mutex> lock(mutex_);
    share_.Reset();
    files_.append(ended.file);
}

// The lines of the files of a receive; where there was more than one
// session, or each had its folder, under a line for each session that
// brought files.
QStringList ConsoleReports::FileLines() const {
    const QStringList texts = EnglishTexts();
    QStringList lines;
    const bool bySession = sessions_.size() > 1 || options_.job.sessionFolders;
    qsizetype session = 0;
    int shown = 0;
    for (qsizetype i = 0; i < files_.size(); ++i) {
        bool starts = false;
        while (session < sessions_.size() && sessions_[session].firstFile <= i) {
            starts = true;
            ++session;
        }
        if (bySession && starts)
            lines
                << QStringLiteral("session %1: %2").arg(++shown).arg(sessions_[session - 1].folder);
        lines << JobFileLine(texts, files_[i], true);
    }
    return lines;
}

// On standard output, one line for each file of a send or receive, then their count.
void ConsoleReports::PrintFileList() {
    if ((files_.isEmpty() && sent_.isEmpty()) || options_.quiet) return;
    const QStringList texts = EnglishTexts();
    QStringList lines = FileLines();
    for (const SentFile& file : sent_)
        lines << SentFileLine(file);
    lines << JobFileCountLine(texts, static_cast<int>(files_.size() + sent_.size()));
    std::fputs((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit().constData(),
               stdout);
    std::fflush(stdout);
}

void ConsoleReports::On(const report::SendProgress& progress) {
    if (!showProgress_) return;
    std::lock_guard<std::mutex> lock(mutex_);
    const qsizetype index = sent_.size();
    SendProgress(progress.bytes, index < sendSizes_.size() ? sendSizes_[index] : 0);
}

void ConsoleReports::SendProgress(std::uint32_t bytes, qint64 size) {
    const int percent = size > 0 ? static_cast<int>(qint64{bytes} * 100 / size) : 100;
    const int filled = percent * kBarWidth / 100;
    const QString name = QFileInfo(options_.files.value(sent_.size())).fileName();
    Progress(QStringLiteral("%1 [%2%3] %4/%5 bytes %6%")
                 .arg(name, QString(filled, QLatin1Char('#')),
                      QString(kBarWidth - filled, QLatin1Char('-')))
                 .arg(bytes)
                 .arg(size)
                 .arg(percent, 3));
}

// A file sent whole ends its progress at 100 % and says it is done.
void ConsoleReports::On(const report::FileSent& sent) {
    const SentFile& file = sent.file;
    std::lock_guard<std::mutex> lock(mutex_);
    if (file.fate == SentFile::Fate::Sent && progressOpen_)
        SendProgress(static_cast<std::uint32_t>(file.bytes), static_cast<qint64>(file.bytes));
    EndProgressLine();
    if (file.fate == SentFile::Fate::Sent && !options_.quiet)
        PrintMessage(QStringLiteral("done: ") + file.path);
    sent_.append(file);
}

// The hint goes out once, also with --quiet: it is no progress, and a run
// that waits in silence leaves its user guessing.
void ConsoleReports::On(const report::NoAnswerYet&) {
    if (hinted_.exchange(true)) return;
    ShowMessage(TextAt(EnglishTexts(), TextId::NoAnswerYet).arg(options_.job.baud),
                MessageIcon::Information);
}

void ConsoleReports::On(const report::JobOver&) {
    std::lock_guard<std::mutex> lock(mutex_);
    EndProgressLine();
    PrintFileList();
}

// The line said while the job waits for the adapter, and when it is back;
// also with --quiet: a run that waits in silence leaves its user guessing.
void ConsoleReports::On(const report::WaitingForPort& wait) {
    const QString port = serial::SerialPort::ShownName(wait.portName);
    ShowMessage(wait.waiting ? TextAt(EnglishTexts(), TextId::WaitingForPort) +
                                   QStringLiteral(" (%1)").arg(port)
                             : QStringLiteral("the caliper is back on %1").arg(port),
                MessageIcon::Information);
}

void ConsoleReports::On(const report::SessionStarted& session) {
    std::lock_guard<std::mutex> lock(mutex_);
    sessions_.append({session.folder, files_.size()});
}

// A transaction without a file of its own is a request the caliper made: a
// logout, or a file or text it asked for.
QString TransactionLine(const QString& folder, const QByteArray& name, bool fileReceived) {
    const QString file = folder + QLatin1Char('/') + FromEightBit(name);
    if (fileReceived) return QStringLiteral("done: ") + file;
    if (name.trimmed() == "LOGOUT") return QStringLiteral("the caliper logged out");
    return QStringLiteral("served: ") + file;
}

void ConsoleReports::On(const report::TextAnswered& answered) {
    std::lock_guard<std::mutex> lock(mutex_);
    answered_ = TextAt(EnglishTexts(), TextId::DirectoryAnswered).arg(FromEightBit(answered.text));
}

void ConsoleReports::On(const report::TransactionDone& done) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        EndProgressLine();
        const QString line =
            answered_.isEmpty() ? TransactionLine(done.folder, done.name, fileOpened_) : answered_;
        if (!options_.quiet) PrintMessage(line);
        fileOpened_ = false;
        answered_.clear();
    }
    CountFile();
}

// A file the sender discarded counts as one of --count: the sender handed it over.
void ConsoleReports::On(const report::FileNotReceived& note) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        fileOpened_ = false;
    }
    ShowMessage(note.message, MessageIcon::Warning);
    CountFile();
}

void ConsoleReports::CountFile() {
    const int done = ++transactions_;
    if (options_.count > 0 && done >= options_.count && requestStop) requestStop();
}

void ConsoleReports::ShowMessage(const QString& text, MessageIcon) {
    std::lock_guard<std::mutex> lock(mutex_);
    EndProgressLine();
    PrintMessage(text);
}

JobReportSink::Overwrite ConsoleReports::AskOverwrite(const QString& text, const QString& path) {
    switch (options_.onExists) {
        case CliOptions::OnExists::Replace:
            return Overwrite::Yes;
        case CliOptions::OnExists::Cancel:
            ShowMessage(QStringLiteral("%1 exists and is kept as it is (--on-exists cancel); "
                                       "the transfer ends")
                            .arg(path),
                        MessageIcon::Information);
            return Overwrite::Cancel;
        case CliOptions::OnExists::Ask:
            break;
    }
    if (!StandardInputIsTerminal()) {
        ShowMessage(QStringLiteral("%1 exists and is kept as it is (nobody to ask: standard "
                                   "input is no terminal); the transfer ends")
                        .arg(path),
                    MessageIcon::Information);
        return Overwrite::Cancel;
    }
    const QString answer =
        ReadAnswer(QStringLiteral("%1 %2 [y]es/[n]o (save as)/[c]ancel: ").arg(path, text));
    if (answer.startsWith(QLatin1Char('y'), Qt::CaseInsensitive)) return Overwrite::Yes;
    if (answer.startsWith(QLatin1Char('n'), Qt::CaseInsensitive)) return Overwrite::No;
    return Overwrite::Cancel;
}

// A name given that exists is no answer yet: it is asked about as the first
// name was, and "no" asks for another. A name without a folder, or with a
// relative one, is taken in the folder of `path`, as the receiver takes it.
std::optional<QString> ConsoleReports::AskSaveAs(const QString& path) {
    const QDir folder = QFileInfo(path).absoluteDir();
    for (QString offered = path;;) {
        const QString answer =
            ReadAnswer(QStringLiteral("save %1 as (empty to cancel): ").arg(offered));
        if (answer.isEmpty()) return std::nullopt;
        const QString chosen = QDir::cleanPath(folder.absoluteFilePath(answer));
        if (!QFileInfo::exists(chosen) && !QFileInfo(chosen).isSymLink()) return answer;
        switch (AskOverwrite(TextAt(EnglishTexts(), TextId::FileExistsOverwrite), chosen)) {
            case Overwrite::Yes:
                return answer;
            case Overwrite::No:
                offered = chosen;
                continue;
            case Overwrite::Cancel:
                return std::nullopt;
        }
    }
}

// One line from the terminal; empty when the program stops meanwhile.
QString ConsoleReports::ReadAnswer(const QString& prompt) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        EndProgressLine();
        std::fprintf(stderr, "corvix-cli: %s", TerminalText(prompt).constData());
        std::fflush(stderr);
    }
    QByteArray line;
    while (!stopping) {
        char c = 0;
        const int got = ReadInputByte(c, kAnswerPollMs);
        if (got == 0) continue;
        if (got < 0 || c == '\n') break;
        line += c;
    }
    return stopping ? QString() : QString::fromLocal8Bit(line).trimmed();
}

void ConsoleReports::Progress(const QString& line) {
    if (!showProgress_) return;
    std::fprintf(stderr, "\rcorvix-cli: %s", TerminalText(line).constData());
    std::fflush(stderr);
    progressOpen_ = true;
}

void ConsoleReports::EndProgressLine() {
    if (!progressOpen_) return;
    std::fputc('\n', stderr);
    std::fflush(stderr);
    progressOpen_ = false;
}
