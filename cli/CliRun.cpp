#include "cli/CliRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "app/TextTable.h"
#include "cli/CaptureTarget.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleReports.h"
#include "cli/SignalStop.h"
#include "serial/PortDiscovery.h"
#include "worker/CComThread.h"
#include "worker/FileReasons.h"

namespace {

// What --port takes for `port`: the udev rule's link to the caliper's
// adapter when there is one, else the device.
QString PortArgument(const _tagPORTS& port) {
    return port.stableLink.isEmpty() ? port.location : port.stableLink;
}

// One line a port: first what --port takes, then, for the caliper's adapter,
// "(caliper" with the device behind the link and the adapter's serial number.
QString PortLine(const _tagPORTS& port) {
    QString line = PortArgument(port);
    if (port.isCaliper != 1) return line;
    QStringList details{QStringLiteral("caliper")};
    if (!port.stableLink.isEmpty()) details << port.location;
    if (!port.serialNumber.isEmpty()) details << QStringLiteral("serial ") + port.serialNumber;
    return line + QStringLiteral(" (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
}

int Ports() {
    for (const _tagPORTS& port : EnumeratePorts())
        std::printf("%s\n", PortLine(port).toLocal8Bit().constData());
    return kExitOk;
}

// The port named on the command line, else the last caliper port found.
QString ResolvePort(const QString& named) {
    if (!named.isEmpty()) return named;
    QString found;
    for (const _tagPORTS& port : EnumeratePorts())
        if (port.isCaliper == 1) found = PortArgument(port);
    return found;
}

// Why a job was stopped, as its line says it, and the exit status it ends with.
struct StopEnding {
    const char* why;
    int status;
};

StopEnding EndingOf(StopCause cause) {
    switch (cause) {
        case StopCause::TimeLimit:
            return {"the time limit of --max-time ran out", kExitTimeLimit};
        case StopCause::Interrupt:
            return {"stopped by Ctrl+C (SIGINT)", kExitInterrupt};
        case StopCause::Terminate:
            return {"stopped by SIGTERM", kExitTerminate};
        case StopCause::Hangup:
            return {"stopped: the terminal went away (SIGHUP)", kExitHangup};
        case StopCause::User:
            break;
    }
    return {"stopped", kExitSendStopped};
}

// A send or receive stopped by a signal or --max-time: one line that says
// why and what became of the file, and the status that tells the cause.
int StoppedStatus(const CliOptions& options, const CComThread& worker) {
    const StopEnding ending = EndingOf(worker.stopCause());
    QString file = worker.failedFile();
    if (file.isEmpty() && options.command == CliOptions::Command::Send && options.files.size() == 1)
        file = QDir::toNativeSeparators(QFileInfo(options.files.first()).absoluteFilePath());
    QString fate = QStringLiteral("no file was under way");
    if (!file.isEmpty())
        fate = options.command == CliOptions::Command::Send
                   ? QStringLiteral("%1 was not sent whole").arg(file)
                   : QStringLiteral("%1 did not arrive whole and is not in its place").arg(file);
    PrintMessage(QStringLiteral("%1; %2").arg(QLatin1String(ending.why), fate));
    return ending.status;
}

StopCause CauseOfSignal(int number) {
    switch (number) {
        case 1:
            return StopCause::Hangup;
        case 15:
            return StopCause::Terminate;
        default:
            return StopCause::Interrupt;  // SIGINT, and Ctrl+Break on Windows
    }
}

int ExitStatus(const CliOptions& options, const CComThread& worker, const ConsoleReports& console) {
    if (console.outputFailed()) return kExitFile;
    const bool send = options.command == CliOptions::Command::Send;
    const bool signalled = worker.stopCause() != StopCause::User;
    const bool transfer = options.command != CliOptions::Command::Capture;
    switch (worker.outcome()) {
        case JobOutcome::Succeeded:
            return kExitOk;
        case JobOutcome::None:
        case JobOutcome::Stopped:
            if (transfer && signalled) return StoppedStatus(options, worker);
            return send ? kExitSendStopped : kExitOk;
        case JobOutcome::PortFailed:
            return kExitPort;
        case JobOutcome::FileFailed:
            return kExitFile;
        case JobOutcome::LineLost:
            return kExitFailed;
        case JobOutcome::Failed:
            if (transfer && signalled) return StoppedStatus(options, worker);
            break;
    }
    const QString file = worker.failedFile();
    PrintMessage(file.isEmpty()
                     ? QStringLiteral("transfer failed: %1").arg(worker.statusText())
                     : QStringLiteral("transfer failed: %1 (%2)").arg(worker.statusText(), file));
    return kExitFailed;
}

// Runs `job` to its end; a signal or --max-time stops it like a user.
int RunJob(const CliOptions& options, const WorkerJob& job, std::FILE* captureOut,
           QString* outputError = nullptr) {
    const JobTexts texts = JobTexts::From(EnglishTexts());
    ConsoleReports console(options, captureOut);
    CComThread worker(texts);
    // A terminal tool opens no editor windows on received text files.
    worker.editor = [](const QString&, const QString&) { return true; };
    console.requestStop = [&worker] { worker.RequestStop(); };

    const auto stop = [&](StopCause cause) {
        console.stopping = true;
        worker.RequestStop(cause);
        worker.EndThread();
    };
    SignalStop signalStop;
    QObject::connect(&signalStop, &SignalStop::stopRequested,
                     [&](int number) { stop(CauseOfSignal(number)); });
    // The job runs all the same; a stop from the terminal then ends the
    // program at once, with no E packet and no file kept as NAME.part.
    if (!signalStop.ok())
        PrintMessage(
            QStringLiteral("the stop signals could not be caught: Ctrl+C ends "
                           "corvix-cli at once, without stopping the job first"));
    QTimer maxTime;
    maxTime.setSingleShot(true);
    QObject::connect(&maxTime, &QTimer::timeout, [&] { stop(StopCause::TimeLimit); });
    if (options.maxTimeMs > 0) maxTime.start(options.maxTimeMs);
    QObject::connect(worker.thread(), &QThread::finished, QCoreApplication::instance(),
                     &QCoreApplication::quit);

    worker.PostJob(job, &console);
    if (!worker.isFinished()) QCoreApplication::exec();
    worker.WaitUntilFinished();
    console.EndProgressLine();
    if (outputError != nullptr) *outputError = console.outputError();
    return ExitStatus(options, worker, console);
}

// A capture into a file replaces the file only once it has captured: a port
// that never opened leaves the file as it was. Text that could not be
// written whole stays in the new file beside it, and the message says where.
int CaptureToFile(const CliOptions& options, const WorkerJob& job, const JobTexts& texts) {
    CaptureTarget target(options.file);
    if (!target.Open()) {
        const QString reason = target.error() ? ReasonText(texts, target.error())
                                              : QStringLiteral("it cannot be written");
        PrintMessage(FileProblemText(texts.At(TextId::CouldNotOpenFile), options.file, reason));
        return kExitFile;
    }
    QString error;
    const int status = RunJob(options, job, target.stream(), &error);
    if (status == kExitPort) {
        target.Discard();
        return status;
    }
    if (status != kExitFile && target.Commit()) return status;
    if (error.isEmpty()) error = QStringLiteral("it could not take the place of the file");
    const QString kept = target.Keep();
    PrintMessage(FileProblemText(texts.At(TextId::CouldNotWriteFile), options.file, error) +
                 QStringLiteral("\nWhat was captured is kept in %1.").arg(kept));
    return kExitFile;
}

// --help and --version answer on standard output and are no mistake.
int Answer(const CliOptions& options) {
    const QString text = options.asked == CliOptions::Asked::Version ? CliVersion() + u'\n'
                         : options.commandGiven                      ? CliHelp(options.command)
                                                                     : CliHelp();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? kExitOk : kExitFile;
}

}  // namespace

int RunCli(const QStringList& arguments) {
    QString error;
    const std::optional<CliOptions> options = ParseCliOptions(arguments, error);
    if (!options) {
        std::fprintf(stderr, "corvix-cli: %s\nTry 'corvix-cli --help'.\n",
                     error.toLocal8Bit().constData());
        return kExitUsage;
    }
    if (options->asked != CliOptions::Asked::Run) return Answer(*options);
    if (options->command == CliOptions::Command::Ports) return Ports();

    WorkerJob job = options->job;
    job.portName = ResolvePort(job.portName);
    if (job.portName.isEmpty()) {
        PrintMessage(QStringLiteral("no caliper port found; name one with --port"));
        return kExitPort;
    }
    const JobTexts texts = JobTexts::From(EnglishTexts());
    switch (job.kind) {
        case JobKind::Send:
            job.path = QFileInfo(options->files.first()).absoluteFilePath();
            for (const QString& file : options->files.mid(1))
                job.batch << QFileInfo(file).absoluteFilePath();
            return RunJob(*options, job, nullptr);
        case JobKind::Receive: {
            const QString dir = options->dir.isEmpty() ? QDir::currentPath() : options->dir;
            if (!QFileInfo(dir).isDir()) {
                PrintMessage(QStringLiteral("no such folder: %1").arg(dir));
                return kExitFile;
            }
            job.path = QDir(dir).absolutePath();
            return RunJob(*options, job, nullptr);
        }
        case JobKind::Capture:
            if (options->file.isEmpty()) return RunJob(*options, job, stdout);
            return CaptureToFile(*options, job, texts);
    }
    return kExitOk;
}
