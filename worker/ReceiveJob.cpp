#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <vector>

#include "app/EightBit.h"
#include "app/TextTable.h"
#include "worker/FailureSentence.h"
#include "worker/Jobs.h"
#include "worker/ReceivedFile.h"

namespace {

constexpr int kDataCapacity = 8191;

QString FolderText(const std::filesystem::path& folder) {
    return QDir::toNativeSeparators(QString::fromStdU16String(folder.u16string()));
}

std::filesystem::path FolderPath(const QString& folder) {
    return std::filesystem::path(folder.toStdU16String());
}

// Opens a text or print file in the editor. When no editor starts, the user
// hears of it once a job (`noted`), not once a file.
void OpenInEditor(JobRun& run, const QByteArray& name, const QString& folder, bool& noted) {
    if (!OpensInEditor(name) || run.editor(FromEightBit(name), folder) || noted) return;
    noted = true;
    const QString file = QDir::toNativeSeparators(QDir(folder).filePath(FromEightBit(name)));
    run.Show(EditorFailureText(run.texts.table, file), MessageIcon::Error);
}

// After a completed transaction: tells the window where the file went and
// opens a text or print file in the editor. The answer to a remote directory
// request is a text, not a file: it is reported as such and opens nothing.
void FinishTransaction(JobRun& run, JobLink& link, char* nameBuffer, bool& editorNoted) {
    // The text answer leaves CR LF in the buffer.
    const QByteArray name = WithoutLineEnd(QByteArray(nameBuffer));
    std::memcpy(nameBuffer, name.constData(), name.size() + 1);
    // The folder the file went to: a Save As may have moved it.
    const QString folder = FolderText(link.engine.ReceiveFolder());
    const bool textAnswer =
        link.engine.LastTransaction() == kermit::KermitEngine::Transaction::TextAnswered;
    if (textAnswer) run.Report(report::TextAnswered{name});
    run.Report(report::TransactionDone{folder, name});
    if (!textAnswer) OpenInEditor(run, name, folder, editorNoted);
}

// The job's status after a file that did not come in, by how it ended; 0
// when the outcome is none of those.
int NotReceivedStatus(kermit::Outcome outcome) {
    switch (outcome) {
        case kermit::Outcome::FileDiscarded:
            return TextId::DiscardedStatus;
        case kermit::Outcome::FileRefused:
            return TextId::RefusedStatus;
        case kermit::Outcome::FileNotWhole:
            return TextId::NotWholeStatus;
        default:
            return 0;
    }
}

// At the end of the job: what became of the file, then why the receive
// failed, naming the file; only the first after a stop, a lost line or a
// file the user refused (the user knows why). A stop may reach the engine
// while it takes a packet, which then fails its step without the engine
// having stopped: the job's own flag says it was a stop.
void ShowFailure(JobRun& run, JobLink& link) {
    const bool failed = run.runFlag != 0 && !link.lineLost() && !link.engine.Stopped() &&
                        link.engine.LastFailure() != kermit::KermitEngine::Failure::Refused;
    QStringList lines;
    const QString note = link.reports.TakeNote(!failed);
    if (!note.isEmpty()) lines += note;
    if (failed) {
        QString file = link.reports.failedFile();
        if (file.isEmpty()) file = FromEightBit(QByteArray(link.engine.FileName()));
        lines += FailureSentence(run.texts, link.engine, file, false, link.reports.peerText());
    }
    if (!lines.isEmpty()) run.Show(lines.join(QLatin1Char('\n')), MessageIcon::Warning);
}

// The caliper said FINISH: the receive ends, as a server's does.
bool Finished(const JobLink& link) {
    return link.engine.LastTransaction() == kermit::KermitEngine::Transaction::Finished;
}

bool LoggedOut(const JobLink& link) {
    return link.engine.LastTransaction() == kermit::KermitEngine::Transaction::LoggedOut;
}

// What a receive job carries from one session to the next.
struct ReceiveState {
    std::vector<char> nameBuffer = std::vector<char>(kermit::KermitEngine::kNameBufferSize, '\0');
    std::vector<std::uint8_t> dataBuffer = std::vector<std::uint8_t>(kDataCapacity + 1);
    int notReceived = 0;  // the status text of the last file not received
    bool editorNoted = false;
    QString folder;  // where the session's files go
};

// A session's folder: the receive folder, or with session folders one in it
// named by the date and time the session began (made now, unique).
void StartSession(JobRun& run, ReceiveState& state) {
    state.folder = run.job.path;
    if (run.job.sessionFolders) {
        const QString stamp =
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        QString name = stamp;
        for (int n = 2; QFileInfo::exists(QDir(run.job.path).filePath(name)); ++n)
            name = QStringLiteral("%1-%2").arg(stamp).arg(n);
        if (QDir(run.job.path).mkdir(name)) state.folder = QDir(run.job.path).filePath(name);
    }
    run.Report(report::SessionStarted{QDir::toNativeSeparators(state.folder)});
}

// A session folder that nothing came into goes again.
void EndSession(const JobRun& run, const ReceiveState& state) {
    if (state.folder != run.job.path) QDir().rmdir(state.folder);
}

// Serves one file or request after another until one fails, the user
// stops, the line is lost or the caliper says FINISH.
void ServeSession(JobRun& run, JobLink& link, ReceiveState& state) {
    for (;;) {
        link.engine.SetReceiveFolder(FolderPath(state.folder));
        link.reports.ForgetFailedFile();
        const kermit::Outcome result =
            link.engine
                .KermitReceive(state.nameBuffer.data(), state.dataBuffer.data(), kDataCapacity)
                .outcome;
        // A request that could not be served was refused; nothing to report.
        if (result == kermit::Outcome::RequestRefused) continue;
        if (NotReceivedStatus(result) != 0) {
            state.notReceived = NotReceivedStatus(result);
            if (run.sink != nullptr) run.Report(report::FileNotReceived{link.reports.TakeNote()});
            continue;
        }
        if (result != kermit::Outcome::Done) return;
        FinishTransaction(run, link, state.nameBuffer.data(), state.editorNoted);
        if (Finished(link) || (run.job.keepServing && LoggedOut(link))) return;
    }
}

// The line was lost under a session: a file it broke off is kept as not
// whole and said so, as one the sender discarded, and the job goes on.
void ReportBrokenFile(JobRun& run, JobLink& link, ReceiveState& state) {
    const QString note = link.reports.TakeNote();
    if (note.isEmpty()) return;
    state.notReceived = TextId::NotWholeStatus;
    run.Report(report::FileNotReceived{note});
}

// Whether the receive goes on with a new session after this one: when the
// job keeps serving past a FINISH, and when the adapter came back.
bool NextSession(JobRun& run, std::unique_ptr<JobLink>& link, ReceiveState& state) {
    if (run.runFlag == 0) return false;
    if (run.job.keepServing && (Finished(*link) || LoggedOut(*link))) return true;
    if (!link->lineLost()) return false;
    ReportBrokenFile(run, *link, state);
    return run.AwaitPortReturn(link);
}

}  // namespace

// Serves the caliper session after session: a session ends when the
// caliper says FINISH (the job ends with it unless it keeps serving), when
// a file or request fails, or when the adapter goes away (the job waits for
// it to come back). A file the sender discarded, one refused for want of
// room or one that came to another length than announced is reported and
// the job goes on with the rest of its transaction, but it ends as failed.
void RunReceiveJob(JobRun& run) {
    std::unique_ptr<JobLink> link = run.CreateLink();
    ReceiveState state;
    if (run.OpenPort(*link)) {
        bool more = true;
        while (more) {
            StartSession(run, state);
            ServeSession(run, *link, state);
            more = NextSession(run, link, state);
            EndSession(run, state);
        }
        if (link == nullptr) {
            run.outcome = JobOutcome::Stopped;  // while waiting for the adapter
        } else if (Finished(*link)) {
            run.outcome = JobOutcome::Succeeded;
        } else {
            ShowFailure(run, *link);
            run.SetFailureOutcome(*link);
        }
    }
    run.EndJob(link);
    const bool endedWell =
        run.outcome == JobOutcome::Stopped || run.outcome == JobOutcome::Succeeded;
    if (state.notReceived != 0 && endedWell) {
        run.outcome = JobOutcome::Failed;
        run.statusText = run.texts.At(state.notReceived);
    }
}
