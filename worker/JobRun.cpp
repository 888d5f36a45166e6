#include <QDir>

#include <algorithm>
#include <string_view>

#include "app/TextTable.h"
#include "serial/SerialPort.h"
#include "worker/Jobs.h"
#include "worker/LineText.h"
#include "worker/PortFailureText.h"

namespace {

// The byte after a packet's check is waited for five character times at the
// line's rate, and never less than 50 ms.
int PacketEndWaitMs(int baud) {
    constexpr int kFloorMs = 50;
    if (!serial::IsBaudRate(baud)) return kFloorMs;
    return std::max(kFloorMs, 5 * 10 * 1000 / baud);
}

// The E packet's text for a stop, in the words Kermit programs show.
std::string_view StopReason(StopCause cause) {
    switch (cause) {
        case StopCause::User:
        case StopCause::Interrupt:
            return kermit::KermitEngine::kUserCancelled;
        case StopCause::Terminate:
        case StopCause::Hangup:
            return "Interrupted";
        case StopCause::TimeLimit:
            return "Time limit exceeded";
    }
    return kermit::KermitEngine::kUserCancelled;
}

// The engine's status as it may be shown: it may hold the peer's words.
QString StatusShown(const JobLink& owned) {
    return LineText(QByteArray(owned.engine.StatusText())).trimmed();
}

}  // namespace

// A packet log that cannot be made is said once, and the job goes on without it.
void JobRun::OpenPacketLog(JobLink& owned) const {
    if (owned.packetLog.Open(job.packetLog)) {
        owned.logged.SetLog(&owned.packetLog);
        return;
    }
    Show(
        FileProblemText(texts.At(TextId::CouldNotOpenFile), job.packetLog, owned.packetLog.error()),
        MessageIcon::Warning);
}

std::unique_ptr<JobLink> JobRun::CreateLink() {
    auto owned = std::make_unique<JobLink>(runFlag, sink, texts);
    owned->engine.SetOffer(job.offer);
    owned->engine.SetSilenceLimit(job.silenceLimitMs);
    owned->engine.Link().SetPacketEndWait(PacketEndWaitMs(job.baud));
    if (!job.packetLog.isEmpty()) OpenPacketLog(*owned);
    link = owned.get();
    return owned;
}

void JobRun::DestroyLink(std::unique_ptr<JobLink>& owned) {
    if (owned == nullptr) return;
    // A write that stays bounded (the port's write time-out), before the
    // port closes: the peer ends its side at once instead of retrying.
    if (owned->engine.TransferUnderWay())
        owned->engine.TellPeerEnded(runFlag == 0 ? StopReason(stopCause) : "Transfer failed");
    statusText = StatusShown(*owned);
    if (failedFile.isEmpty()) failedFile = owned->reports.failedFile();
    link = nullptr;
    owned.reset();
}

void JobRun::EndJob(std::unique_ptr<JobLink>& owned) {
    DestroyLink(owned);
    endEvent.Set();
    Report(report::JobOver{});
}

bool JobRun::OpenPort(JobLink& owned) {
    if (owned.Open(job.portName, job.baud) == 1) {
        portName = job.portName;
        if (job.kind != JobKind::Send) adapter = serial::IdentityOf(portName);
        return true;
    }
    Show(PortFailureText(texts, job.portName, owned.port.failure()), MessageIcon::Warning);
    outcome = JobOutcome::PortFailed;
    return false;
}

bool JobRun::AwaitPortReturn(std::unique_ptr<JobLink>& owned) {
    DestroyLink(owned);
    Report(report::WaitingForPort{true, portName});
    std::unique_ptr<JobLink> fresh;
    const auto tryOpen = [&](const QString& name) {
        fresh = CreateLink();
        if (fresh->Open(name, job.baud) == 1) {
            portName = name;
            return true;
        }
        link = nullptr;
        fresh.reset();
        return false;
    };
    if (!serial::WaitForReturn(adapter, runFlag, tryOpen)) return false;
    owned = std::move(fresh);
    // What the lost line broke off has been told; the job starts afresh.
    failedFile.clear();
    Report(report::WaitingForPort{false, portName});
    return true;
}

void JobRun::Report(const JobReport& report) const {
    if (sink != nullptr) sink->Report(report);
}

void JobRun::Show(const QString& text, MessageIcon icon) const {
    if (sink != nullptr) sink->ShowMessage(text, icon);
}

void JobRun::SetFailureOutcome(const JobLink& owned) {
    if (owned.lineLost()) {
        // The file under way, when one was: the one sent, or the one that did
        // not arrive whole.
        const QString file = job.kind == JobKind::Send ? job.path : owned.reports.failedFile();
        // A send cannot wait: the caliper has lost its half of the transfer.
        const int sentence =
            job.kind == JobKind::Send ? TextId::SendLineLost : TextId::LineLostDuring;
        Show(file.isEmpty() ? texts.At(TextId::LineLost)
                            : texts.At(sentence).arg(QDir::toNativeSeparators(file)),
             MessageIcon::Warning);
        outcome = JobOutcome::LineLost;
    } else if (owned.engine.Stopped()) {
        outcome = JobOutcome::Stopped;
    } else if (owned.reports.fileFailed()) {
        outcome = JobOutcome::FileFailed;
    } else {
        outcome = JobOutcome::Failed;
    }
}

QString JobRun::FailureReason(const JobLink& owned) const {
    const QString peerSays = owned.reports.PeerSays();
    if (!peerSays.isEmpty()) return peerSays;
    return StatusShown(owned);
}
