#include <algorithm>

#include "app/TextTable.h"
#include "serial/SerialPort.h"
#include "worker/Jobs.h"
#include "worker/LineText.h"
#include "worker/PortFailureText.h"

namespace {

// The byte after a packet's check is waited for five character times at the
// line's rate, and never less than 50 ms.
int PacketEndWaitMs(int baudIndex) {
    constexpr int kFloorMs = 50;
    if (!serial::IsBaudIndex(baudIndex)) return kFloorMs;
    return std::max(kFloorMs, 5 * 10 * 1000 / serial::kBaudTable[baudIndex]);
}

// The engine's status as it may be shown: it may hold the peer's words.
QString StatusShown(const JobLink& owned) {
    return LineText(QByteArray(owned.engine.StatusText())).trimmed();
}

}  // namespace

std::unique_ptr<JobLink> JobRun::CreateLink() {
    auto owned = std::make_unique<JobLink>(runFlag, window, texts);
    owned->engine.SetOffer(job.offer);
    owned->engine.Link().SetPacketEndWait(PacketEndWaitMs(job.baudIndex));
    link = owned.get();
    return owned;
}

void JobRun::DestroyLink(std::unique_ptr<JobLink>& owned) {
    if (owned == nullptr) return;
    statusText = StatusShown(*owned);
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
    return StatusShown(owned);
}
