#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

#include "app/EightBit.h"
#include "app/PathParts.h"
#include "app/TextTable.h"
#include "disk/FileSource.h"
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
    const int silent = link.engine.SilentSeconds();
    const QString reason = silent <= 0 ? run.FailureReason(link)
                                       : run.texts.At(TextId::PeerStoppedAnswering)
                                             .arg(QDir::toNativeSeparators(run.job.path))
                                             .arg(silent);
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

}  // namespace

QByteArray AnnouncedName(const QString& path) {
    const qsizetype cut = LastSeparator(path);
    if (cut < 0) return {};
    return ToEightBit(path.mid(cut + 1)).left(kNameCapacity);
}

void RunSendJob(JobRun& run) {
    std::unique_ptr<JobLink> link = run.CreateLink();
    std::unique_ptr<disk::FileSource> source = OpenSource(run);
    if (source != nullptr && run.OpenPort(*link)) {
        const QByteArray name = AnnouncedName(run.job.path);
        const kermit::Outcome result =
            link->engine.KermitSend(name.constData(), *source, DetailsOf(run.job.path));
        const qint64 length = static_cast<qint64>(source->Length());
        if (result == kermit::Outcome::FileRefused) {
            ShowRefused(run, *link, length);
        } else if (result != kermit::Outcome::Done && link->engine.SourceFailed()) {
            run.failedFile = QDir::toNativeSeparators(run.job.path);
            run.Show(SourceFailureText(run, *source), MessageIcon::Error);
            run.outcome = JobOutcome::FileFailed;
        } else if (result != kermit::Outcome::Done) {
            run.SetFailureOutcome(*link);
            if (run.outcome == JobOutcome::Failed || run.outcome == JobOutcome::FileFailed) {
                run.failedFile = QDir::toNativeSeparators(run.job.path);
                run.Show(FailureText(run, *link), MessageIcon::Warning);
                run.outcome = JobOutcome::Failed;
            }
        } else {
            run.outcome = JobOutcome::Succeeded;
        }
    }
    run.EndJob(link);
}
