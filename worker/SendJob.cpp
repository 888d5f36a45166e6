#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

#include "app/EightBit.h"
#include "app/PathParts.h"
#include "app/TextTable.h"
#include "disk/FileSource.h"
#include "worker/FailureSentence.h"
#include "worker/FileReasons.h"
#include "worker/Jobs.h"

namespace {

constexpr int kNameCapacity = 511;  // the 8-bit name, without its terminating zero

// "Could not open file!", then the file, then why.
void ShowUnreadable(JobRun& run, const QString& reason) {
    run.Show(FileProblemText(run.texts.At(TextId::CouldNotOpenFile), run.job.path, reason),
             MessageIcon::Error);
    run.outcome = JobOutcome::FileFailed;
}

// Why a file is not one that can be sent; empty when it is a regular file
// that may be read. Only a regular file is opened: opening a named pipe or a
// device could wait for ever, and a folder has nothing to send.
QString NotSendable(const JobTexts& texts, const QFileInfo& info) {
    if (!info.exists())
        return ReasonText(texts, std::make_error_code(std::errc::no_such_file_or_directory));
    if (info.isDir()) return ReasonText(texts, std::make_error_code(std::errc::is_a_directory));
    if (!info.isFile()) return texts.At(TextId::ReasonNotPlainFile);
    if (!info.isReadable())
        return ReasonText(texts, std::make_error_code(std::errc::permission_denied));
    return {};
}

// Opens the file to be read as it is sent. Shows the job's message and
// returns nothing when that fails.
std::unique_ptr<disk::FileSource> OpenSource(JobRun& run) {
    const QString notSendable = NotSendable(run.texts, QFileInfo(run.job.path));
    if (!notSendable.isEmpty()) {
        ShowUnreadable(run, notSendable);
        return nullptr;
    }
    std::error_code error;
    std::unique_ptr<disk::FileSource> source =
        disk::FileSource::Open(std::filesystem::path(run.job.path.toStdU16String()), error);
    if (source == nullptr) ShowUnreadable(run, ReasonText(run.texts, error));
    return source;
}

// A file that could not be read to its end, or that changed while it was
// sent: the file and what went wrong with it.
QString SourceFailureText(const JobRun& run, const disk::FileSource& source) {
    const QString file = QDir::toNativeSeparators(run.job.path);
    if (source.Error())
        return run.texts.At(TextId::SendReadFailed)
            .arg(file, ReasonText(run.texts, source.Error()));
    return run.texts.At(TextId::SendFileChanged).arg(file);
}

// "There was en error in the transmission!", and when the caliper fell
// silent, that it stopped answering, with the file and how long it said
// nothing.
QString FailureText(const JobRun& run, const JobLink& link) {
    const QString reason =
        FailureSentence(run.texts, link.engine, run.job.path, true, link.reports.peerText());
    return FileProblemText(run.texts.At(TextId::TransmissionError), run.job.path, reason);
}

// The file's date as its attribute packet announces it: local time.
kermit::SendDetails DetailsOf(const QString& path) {
    const QDateTime modified = QFileInfo(path).lastModified().toLocalTime();
    if (!modified.isValid()) return {};
    const QDate day = modified.date();
    const QTime time = modified.time();
    return {.modified = kermit::FileDate{day.year(), day.month(), day.day(), time.hour(),
                                         time.minute(), time.second()}};
}

// The receiver refused the file before its data went: what its answer said.
void ShowRefused(JobRun& run, const JobLink& link, qint64 length) {
    run.failedFile = QDir::toNativeSeparators(run.job.path);
    run.Show(SendRefusedText(run.texts, run.job.path, link.reports.sendRefusedBy(),
                             static_cast<quint64>(length)),
             MessageIcon::Warning);
    run.outcome = JobOutcome::Failed;
}

// The window learns what became of `path`.
void ReportSent(const JobRun& run, const QString& path, qint64 length, SentFile::Fate fate) {
    run.Report(
        report::FileSent{{fate, QDir::toNativeSeparators(path), static_cast<quint64>(length)}});
}

// A send that did not go through: stopped, the line lost, or failed with the
// file and why.
void SetSendFailure(JobRun& run, const JobLink& link) {
    run.SetFailureOutcome(link);
    if (run.outcome == JobOutcome::Failed || run.outcome == JobOutcome::FileFailed) {
        run.failedFile = QDir::toNativeSeparators(run.job.path);
        run.Show(FailureText(run, link), MessageIcon::Warning);
        run.outcome = JobOutcome::Failed;
    }
}

// A send that ended because its own file failed: it could not be read to
// its end, or it changed while it went. The receiver was told with an E.
void ShowSourceFailure(JobRun& run, const disk::FileSource& source) {
    run.failedFile = QDir::toNativeSeparators(run.job.path);
    run.Show(SourceFailureText(run, source), MessageIcon::Error);
    run.outcome = JobOutcome::FileFailed;
}

// One file of a batch whose Send-Init went through, as `run` names it. A
// file that cannot be opened is passed over with its message.
kermit::Outcome SendBatchMember(JobRun& run, JobLink& link) {
    std::unique_ptr<disk::FileSource> source = OpenSource(run);
    if (source == nullptr) {
        ReportSent(run, run.job.path, 0, SentFile::Fate::NotSent);
        return kermit::Outcome::FileDiscarded;
    }
    const QByteArray name = AnnouncedName(run.job.path);
    const kermit::Outcome result =
        link.engine.SendBatchFile(name.constData(), *source, DetailsOf(run.job.path));
    const qint64 length = static_cast<qint64>(source->Length());
    if (result == kermit::Outcome::FileRefused) ShowRefused(run, link, length);
    if (result == kermit::Outcome::Failed && link.engine.SourceFailed())
        ShowSourceFailure(run, *source);
    if (result != kermit::Outcome::Failed)
        ReportSent(
            run, run.job.path, length,
            result == kermit::Outcome::Done ? SentFile::Fate::Sent : SentFile::Fate::Refused);
    return result;
}

// The file `files[index]` of a batch under way; false when the batch failed
// or stopped with it. `worst` keeps the gravest end of the files so far.
bool SendMember(JobRun& run, JobLink& link, const QString& path, JobOutcome& worst) {
    WorkerJob one = run.job;
    one.path = path;
    JobRun member{one,      run.sink,     run.texts,  run.runFlag,      run.stopCause,
                  run.link, run.endEvent, run.editor, JobOutcome::None, {},
                  {},       {},           {}};
    const bool failed = SendBatchMember(member, link) == kermit::Outcome::Failed;
    if (failed) {
        link.engine.AbortSend();
        if (!link.engine.SourceFailed()) SetSendFailure(member, link);
        ReportSent(run, path, QFileInfo(path).size(), SentFile::Fate::NotSent);
    }
    if (!member.failedFile.isEmpty()) run.failedFile = member.failedFile;
    if (failed && run.failedFile.isEmpty()) run.failedFile = QDir::toNativeSeparators(path);
    if (failed || (member.outcome != JobOutcome::None && worst != JobOutcome::Failed))
        worst = member.outcome;
    return !failed;
}

// Several files in one transaction: one S, each file's F, A, D... and Z,
// one B. A file that cannot be read is passed over and a refused one
// discarded, and the batch goes on; a failure or a stop ends it, and every
// file not yet sent is reported as such. The job ends as its gravest file.
void RunBatchSendJob(JobRun& run) {
    std::unique_ptr<JobLink> link = run.CreateLink();
    const QStringList files = QStringList{run.job.path} + run.job.batch;
    qsizetype next = 0;
    if (run.OpenPort(*link)) {
        JobOutcome worst = JobOutcome::Succeeded;
        const bool begun = link->engine.BeginBatch();
        if (!begun) link->engine.AbortSend();
        bool going = begun;
        while (going && next < files.size())
            going = SendMember(run, *link, files[next++], worst);
        const bool ended = going && link->engine.EndBatch() == kermit::Outcome::Done;
        if (!begun || (going && !ended)) {
            SetSendFailure(run, *link);
            worst = run.outcome;
        }
        run.outcome = worst;
    }
    for (; next < files.size(); ++next)
        ReportSent(run, files[next], 0, SentFile::Fate::NotSent);
    run.EndJob(link);
}

}  // namespace

QByteArray AnnouncedName(const QString& path) {
    const qsizetype cut = LastSeparator(path);
    if (cut < 0) return {};
    return ToEightBit(path.mid(cut + 1)).left(kNameCapacity);
}

void RunSendJob(JobRun& run) {
    if (!run.job.batch.isEmpty()) return RunBatchSendJob(run);
    std::unique_ptr<JobLink> link = run.CreateLink();
    std::unique_ptr<disk::FileSource> source = OpenSource(run);
    SentFile::Fate fate = SentFile::Fate::NotSent;
    qint64 length = source != nullptr ? static_cast<qint64>(source->Length()) : 0;
    if (source != nullptr && run.OpenPort(*link)) {
        const QByteArray name = AnnouncedName(run.job.path);
        const kermit::Outcome result =
            link->engine.KermitSend(name.constData(), *source, DetailsOf(run.job.path));
        if (result == kermit::Outcome::FileRefused) {
            ShowRefused(run, *link, length);
            fate = SentFile::Fate::Refused;
        } else if (result != kermit::Outcome::Done && link->engine.SourceFailed()) {
            ShowSourceFailure(run, *source);
        } else if (result != kermit::Outcome::Done) {
            SetSendFailure(run, *link);
        } else {
            run.outcome = JobOutcome::Succeeded;
            fate = SentFile::Fate::Sent;
        }
    }
    ReportSent(run, run.job.path, length, fate);
    run.EndJob(link);
}
