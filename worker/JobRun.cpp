#include <algorithm>

#include "app/TextTable.h"
#include "serial/SerialPort.h"
#include "worker/Jobs.h"
#include "worker/PortFailureText.h"

namespace {

// The byte after a packet's check is waited for five character times at the
// line's rate, and never less than 50 ms.
int PacketEndWaitMs(int baudIndex) {
    constexpr int kFloorMs = 50;
    if (!serial::IsBaudIndex(baudIndex)) return kFloorMs;
    return std::max(kFloorMs, 5 * 10 * 1000 / serial::kBaudTable[baudIndex]);
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
    auto owned = std::make_unique<JobLink>(runFlag, window, texts);
    owned->engine.SetOffer(job.offer);
    owned->engine.Link().SetPacketEndWait(PacketEndWaitMs(job.baudIndex));
    if (!job.packetLog.isEmpty()) OpenPacketLog(*owned);
    link = owned.get();
    return owned;
}

void JobRun::DestroyLink(std::unique_ptr<JobLink>& owned) {
    if (owned == nullptr) return;
    statusText = QString::fromLatin1(owned->engine.StatusText()).trimmed();
    if (failedFile.isEmpty()) failedFile = owned->reports.failedFile();
    link = nullptr;
    owned.reset();
}

void JobRun::EndJob(std::unique_ptr<JobLink>& owned) {
    DestroyLink(owned);
    endEvent.Set();
    if (window != nullptr) window->OnJobOver();
}

bool JobRun::OpenPort(JobLink& owned) {
    if (owned.Open(job.portName, job.baudIndex) == 1) return true;
    Show(PortFailureText(texts, job.portName, owned.port.failure()), MessageIcon::Warning);
    outcome = JobOutcome::PortFailed;
    return false;
}

void JobRun::Show(const QString& text, MessageIcon icon) const {
    if (window != nullptr) window->ShowMessage(text, icon);
}

void JobRun::SetFailureOutcome(const JobLink& owned) {
    if (owned.lineLost()) {
        Show(texts.At(TextId::LineLost), MessageIcon::Warning);
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
    return QString::fromLatin1(owned.engine.StatusText()).trimmed();
}
