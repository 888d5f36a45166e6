#include "app/TextTable.h"
#include "worker/Jobs.h"

namespace {

constexpr int kPieceCapacity = 511;

// Hands the caliper's text to the window line by line, in pieces of at most
// 511 bytes, until the run flag is cleared. Bytes of an unfinished piece
// are dropped at the end.
void CaptureText(JobRun& run, kermit::PacketLink& line) {
    char piece[kPieceCapacity + 1];
    int count = 0;
    int b = 0;
    do {
        // Input that keeps coming must not hold off a stop.
        if (run.runFlag == 0) break;
        b = line.ReadByte();
        if (b != -1) piece[count++] = static_cast<char>(b);
        if (count == kPieceCapacity || b == '\n') {
            piece[count] = '\0';
            if (run.window != nullptr) run.window->OnCapturedText(QByteArray(piece, count));
            count = 0;
        }
    } while (b != -1);
}

}  // namespace

void RunCaptureJob(JobRun& run) {
    std::unique_ptr<JobLink> link = run.CreateLink();
    if (!run.OpenPort(*link)) {
        run.EndJob(link);
        return;
    }
    CaptureText(run, link->engine.Link());
    const bool lost = link->lineLost();
    run.DestroyLink(link);
    run.outcome = JobOutcome::Stopped;
    if (lost) {
        // The device went away: nobody will stop this job, so it ends itself.
        run.outcome = JobOutcome::LineLost;
        run.Show(run.texts.At(TextId::LineLost), MessageIcon::Warning);
        run.endEvent.Set();
        if (run.window != nullptr) run.window->OnJobOver();
    }
}
