#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <new>

#include "app/EightBit.h"
#include "app/PathParts.h"
#include "app/TextTable.h"
#include "worker/Jobs.h"

namespace {

constexpr int kNameCapacity = 511;  // the 8-bit name, without its terminating zero

// "Could not open file!", then the file, then why.
void ShowUnreadable(JobRun& run, const QString& reason) {
    run.Show(FileProblemText(run.texts.couldNotOpenFile, run.job.path, reason), MessageIcon::Error);
    run.outcome = JobOutcome::FileFailed;
}

// Why a file is not one that can be sent; empty when it is a regular file.
// Only a regular file is opened: opening a named pipe or a device could wait
// for ever, and a folder has nothing to send.
QString NotSendable(const QFileInfo& info) {
    if (!info.exists()) return QStringLiteral("No such file or directory");
    if (info.isDir()) return QStringLiteral("Is a folder");
    if (!info.isFile()) return QStringLiteral("Not a plain file");
    return {};
}

// Reads the whole file into a buffer one byte longer than the file. Shows
// the job's message and returns nothing when that fails.
std::unique_ptr<std::uint8_t[]> LoadFile(JobRun& run, qint64& length) {
    QFile file(run.job.path);
    const QString notSendable = NotSendable(QFileInfo(run.job.path));
    if (!notSendable.isEmpty()) {
        ShowUnreadable(run, notSendable);
        return nullptr;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ShowUnreadable(run, file.errorString());
        return nullptr;
    }
    length = file.size();
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[length + 1]);
    if (buffer == nullptr) {
        run.Show(run.texts.outOfMemory, MessageIcon::Error);
        run.outcome = JobOutcome::FileFailed;
        return nullptr;
    }
    if (file.read(reinterpret_cast<char*>(buffer.get()), length) != length) {
        ShowUnreadable(run, file.errorString());
        return nullptr;
    }
    buffer[length] = 0;
    return buffer;
}

// "There was en error in the transmission!", and when the caliper fell
// silent, that it stopped answering, with the file and how long it said
// nothing.
QString FailureText(const JobRun& run, const kermit::KermitEngine& engine) {
    if (engine.silentSeconds <= 0) return run.texts.transmissionError;
    const QString silence = run.texts.At(TextId::PeerStoppedAnswering)
                                .arg(QDir::toNativeSeparators(run.job.path))
                                .arg(engine.silentSeconds);
    return run.texts.transmissionError + QLatin1Char('\n') + silence;
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
        const int result =
            link->engine.KermitSend(name.constData(), data.get(), static_cast<std::size_t>(length));
        data.reset();
        if (result == -1) {
            run.SetFailureOutcome(*link);
            if (run.outcome == JobOutcome::Failed || run.outcome == JobOutcome::FileFailed) {
                run.Show(FailureText(run, link->engine), MessageIcon::Warning);
                run.outcome = JobOutcome::Failed;
            }
        } else {
            run.outcome = JobOutcome::Succeeded;
        }
    }
    run.EndJob(link);
}
