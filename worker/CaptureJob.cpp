#include "worker/Jobs.h"

namespace {

constexpr int kPieceCapacity = 511;
// A piece without its line end goes to the window once the line has been
// quiet this long: the caliper's last line may never get one.
constexpr int kQuietPieceMs = 300;

// Hands the caliper's text to the window line by line, in pieces of at most
// 511 bytes, until the run flag is cleared. A piece that the line leaves
// unfinished is handed over when the line falls quiet, or at the end.
void CaptureText(JobRun& run, kermit::PacketLink& line) {
    char piece[kPieceCapacity + 1];
    int count = 0;
    int b = 0;
    do {
        // Input that keeps coming must not hold off a stop.
        if (run.runFlag == 0) break;
        b = count == 0 ? line.ReadByte() : line.ReadByteWithin(kQuietPieceMs);
        if (b >= 0) piece[count++] = static_cast<char>(b);
        if (count == kPieceCapacity || b == '\n' ||
            (b == kermit::PacketLink::kTimedOut && count > 0)) {
            piece[count] = '\0';
            run.Report(report::CapturedText{QByteArray(piece, count)});
            count = 0;
        }
    } while (b != kermit::PacketLink::kFailed);
    if (count > 0) run.Report(report::CapturedText{QByteArray(piece, count)});
}

}  // namespace

// Captures until the window stops the job. When the adapter goes away the
// text so far stays with the window, and the capture goes on with what
// follows once the same adapter is back.
void RunCaptureJob(JobRun& run) {
    std::unique_ptr<JobLink> link = run.CreateLink();
    if (!run.OpenPort(*link)) {
        run.EndJob(link);
        return;
    }
    do {
        CaptureText(run, link->engine.Link());
    } while (link->lineLost() && run.runFlag != 0 && run.AwaitPortReturn(link));
    run.DestroyLink(link);
    run.outcome = JobOutcome::Stopped;
}
