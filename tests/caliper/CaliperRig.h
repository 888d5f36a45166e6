#pragma once

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <string>

#include "TestFiles.h"
#include "tools/linesim/LineSim.h"

namespace caliper_test {

namespace fs = std::filesystem;

using test_support::DeviceLocked;
using test_support::ReadWholeFile;
using test_support::WriteWholeFile;
// Bytes that exercise every quoting rule: all 256 values, runs, marks.
std::string MixedBytes(size_t size, unsigned seed);

// A linesim line with corvix-cli on end A and the virtual caliper on end B,
// each with a folder of its own under a fresh temporary root.
class CaliperRig {
public:
    explicit CaliperRig(const std::string& name, const linesim::Options& line = {});
    ~CaliperRig();

    bool ok() const { return line_->IsRunning(); }
    fs::path root, pc, store;

    // Starts the caliper with `script` and extra options.
    void StartCaliper(const QString& script, QStringList options = {});
    // Waits for it; its exit status, -1 when it did not end in time.
    int FinishCaliper(int timeoutMs = 60000);
    bool CaliperRunning() const { return caliper_.state() != QProcess::NotRunning; }
    std::string caliperOutput;

    void StartCli(QStringList arguments);
    int FinishCli(int timeoutMs = 60000);
    std::string cliError;
    // Until corvix-cli holds its end of the line (bounded); false if never.
    bool WaitUntilCliHoldsLine();
    // Whether some program holds end A of the line (corvix-cli, Corvix).
    bool LineHeldAtA() const;
    void StopCli();  // SIGINT, as Ctrl+C

    std::string PortA() const { return line_->Path(linesim::LineSim::kSideA); }
    linesim::Counters Counters() const { return line_->GetCounters(); }

private:
    std::unique_ptr<linesim::LineSim> line_;
    QProcess caliper_;
    QProcess cli_;
};

}  // namespace caliper_test
