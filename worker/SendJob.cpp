#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <new>

#include "app/EightBit.h"
#include "app/PathParts.h"
#include "app/TextTable.h"
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

// Why an opened file failed: the system's words, but a lack of file handles
// in the user's language.
QString FileErrorText(const JobTexts& texts, const QFile& file) {
    if (file.error() == QFileDevice::ResourceError)
        return ReasonText(texts, std::make_error_code(std::errc::too_many_files_open));
    return file.errorString();
}

// Reads the whole file into a buffer one byte longer than the file. Shows
// the job's message and returns nothing when that fails.
std::unique_ptr<std::uint8_t[]> LoadFile(JobRun& run, qint64& length) {
    QFile file(run.job.path);
    const QString notSendable = NotSendable(run.texts, QFileInfo(run.job.path));
    if (!notSendable.isEmpty()) {
        ShowUnreadable(run, notSendable);
        return nullptr;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ShowUnreadable(run, FileErrorText(run.texts, file));
        return nullptr;
    }
    length = file.size();
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[length + 1]);
    if (buffer == nullptr) {
        const QString reason = run.texts.At(TextId::FileTooLargeToLoad).arg(length);
        run.Show(FileProblemText(run.texts.At(TextId::OutOfMemory), run.job.path, reason),
                 MessageIcon::Error);
        run.outcome = JobOutcome::FileFailed;
        return nullptr;
    }
    if (file.read(reinterpret_cast<char*>(buffer.get()), length) != length) {
        ShowUnreadable(run, FileErrorText(run.texts, file));
        return nullptr;
    }
    buffer[length] = 0;
    return buffer;
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

}  // namespace

QByteArray AnnouncedName(const QString& path) {
    const qsizetype cut = LastSeparator(path);
    if (cut < 0) return {};
    return ToEightBit(path.mid(cut + 1)).left(kNameCapacity);
}

void RunSendJob(JobRun& run) {
    std::unique_ptr<JobLink> link = run.CreateLink();
    qint64 length = 0;
    std::unique_ptr<std::uint8_t[]> data = LoadFile(run, length);
    if (data != nullptr && run.OpenPort(*link)) {
        const QByteArray name = AnnouncedName(run.job.path);
        const kermit::Outcome result =
            link->engine.KermitSend(name.constData(), data.get(), static_cast<std::size_t>(length),
                                    DetailsOf(run.job.path));
        data.reset();
        if (result == kermit::Outcome::FileRefused) {
            ShowRefused(run, *link, length);
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
