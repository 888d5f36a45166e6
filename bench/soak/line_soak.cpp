// Transfers between Corvix's engine and C-Kermit over a linesim line that
// flips bits or drops bytes, many per cell of block check × fault × rate ×
// direction, each
// with its own file and seed. Every run is classified: byte-exact, failure
// reported, WRONG FILE (a side reported a file that is not the one sent),
// HUNG (Corvix still waited after C-Kermit had gone; the stop ended it) or
// peer quit (C-Kermit gave up mid-transfer and Corvix waited for it as for a
// silent caliper, until the stop).
// Prints a Markdown table; one line per run goes to standard error, and the
// folder of every WRONG FILE and HUNG run is kept, with the line as Corvix saw
// it. Not part of the tests.
//
//   line_soak [--runs N] [--seed FIRST] [--checks 1,3] [--faults flip,drop]
//             [--rates 10000,1000] [--directions send,receive]
//             [--packet-length N] [--window N] [--prefixing cautious|all]
//             [--keep DIR | --keep-all DIR]
//
// A run is repeated with the same cell and its seed: --runs 1 --seed SEED.

#include <unistd.h>

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench/soak/SoakRun.h"

namespace fs = std::filesystem;

namespace {

struct Settings {
    int runs = 25;
    std::uint64_t firstSeed = 1;
    std::vector<int> checks = {1, 3};  // proposed by both sides
    std::vector<soak::Fault> faults = {soak::Fault::Flip, soak::Fault::Drop};
    std::vector<int> rates = {10000, 1000};
    std::vector<soak::Direction> directions = {soak::Direction::CorvixSends,
                                               soak::Direction::CKermitSends};
    fs::path keep;
    bool keepAll = false;   // every run's folder, not only those that need a look
    int packetLength = 94;  // long packets both sides offer (94: none)
    int slidingWindow = 1;  // sliding window both sides offer (1: none)
    // Corvix's control prefixing; automatic unless chosen.
    kermit::Prefixing prefixing = kermit::Prefixing::Automatic;
    bool badValue = false;  // an option's value is not one it takes
};

struct Cell {
    int check;
    soak::Fault fault;
    int oneIn;
    soak::Direction direction;
    int counts[soak::kOutcomes] = {};  // by Outcome
    std::uint64_t faults = 0;
    double seconds = 0;
    double worstStop = 0;
    std::vector<std::string> notes;  // seeds of the runs that need a look
    int otherCheck = 0;              // runs that ended with another block check in force
};

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> items;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ',');)
        items.push_back(item);
    return items;
}

bool ReadSettings(int argc, char** argv, Settings& s) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i], value = argv[i + 1];
        if (option == "--runs") {
            s.runs = std::atoi(value.c_str());
        } else if (option == "--seed") {
            s.firstSeed = std::strtoull(value.c_str(), nullptr, 10);
        } else if (option == "--checks") {
            s.checks.clear();
            for (const auto& c : Split(value))
                s.checks.push_back(c == "3" ? 3 : 1);
        } else if (option == "--faults") {
            s.faults.clear();
            for (const auto& f : Split(value))
                s.faults.push_back(f == "drop" ? soak::Fault::Drop : soak::Fault::Flip);
        } else if (option == "--rates") {
            s.rates.clear();
            for (const auto& r : Split(value))
                s.rates.push_back(std::atoi(r.c_str()));
        } else if (option == "--directions") {
            s.directions.clear();
            for (const auto& d : Split(value))
                s.directions.push_back(d == "receive" ? soak::Direction::CKermitSends
                                                      : soak::Direction::CorvixSends);
        } else if (option == "--packet-length") {
            s.packetLength = std::atoi(value.c_str());
        } else if (option == "--window") {
            s.slidingWindow = std::atoi(value.c_str());
        } else if (option == "--prefixing") {
            s.prefixing = value == "cautious" ? kermit::Prefixing::Cautious
                          : value == "all"    ? kermit::Prefixing::All
                                              : kermit::Prefixing::Automatic;
            s.badValue = s.badValue || (value != "cautious" && value != "all");
        } else if (option == "--keep" || option == "--keep-all") {
            s.keep = value;
            s.keepAll = s.keepAll || option == "--keep-all";
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !s.badValue && s.runs > 0 && s.packetLength >= 94 &&
           s.packetLength <= 4096 && s.slidingWindow >= 1 && s.slidingWindow <= 31;
}

const char* DirectionOption(soak::Direction d) {
    return d == soak::Direction::CorvixSends ? "send" : "receive";
}

// Keeps the folder of a run: the file sent (sent.dat), what
// arrived (rx/ or peer/), C-Kermit's script and output, the line as Corvix
// saw it (line.txt: PC> written by Corvix, PC< read by Corvix) and the
// outcome (outcome.txt).
void Keep(const fs::path& keep, const fs::path& work, const Cell& cell, const soak::RunSpec& spec,
          const soak::RunResult& r) {
    const std::string stem = "check" + std::to_string(cell.check) + "-" +
                             std::string(cell.fault == soak::Fault::Flip ? "flip" : "drop") + "-" +
                             std::to_string(cell.oneIn) + "-" + DirectionOption(cell.direction) +
                             "-" + std::to_string(spec.seed);
    std::ofstream(work / "outcome.txt")
        << soak::OutcomeName(r.outcome) << ": Corvix result " << r.corvixResult << ", status \""
        << r.corvixStatus << "\", C-Kermit exit " << r.peerExit << ", " << r.size << " bytes sent, "
        << r.arrived << " arrived, " << r.faults << " faults, block check " << r.checkInForce
        << " in force\n";
    fs::create_directories(keep);
    fs::remove_all(keep / stem);
    fs::copy(work, keep / stem, fs::copy_options::recursive);
}

void PrintRun(const Cell& cell, const soak::RunSpec& spec, const soak::RunResult& r) {
    std::fprintf(stderr,
                 "check %d  %-12s 1/%-6d %-18s seed %-6llu %-10s %6.1f s  %3llu faults  "
                 "corvix %6d \"%s\" (check %d, long %d, window %d, %s prefixing%s)  "
                 "c-kermit exit %d",
                 cell.check, soak::FaultName(cell.fault), cell.oneIn,
                 soak::DirectionName(cell.direction), static_cast<unsigned long long>(spec.seed),
                 soak::OutcomeName(r.outcome), r.seconds, static_cast<unsigned long long>(r.faults),
                 r.corvixResult, r.corvixStatus.c_str(), r.checkInForce, r.longInForce,
                 r.slidingWindowInForce, r.cautiousInForce ? "cautious" : "all",
                 r.attributesInForce ? ", attributes" : "", r.peerExit);
    if (r.stopSeconds >= 0) {
        std::fprintf(stderr, ", stopped waiting after %c: ended %.3f s later",
                     r.waitingAfter > 32 ? r.waitingAfter : '?', r.stopSeconds);
    }
    std::fprintf(stderr, "\n");
}

void RunCell(const Settings& s, Cell& cell) {
    const fs::path work = fs::temp_directory_path() / ("corvix-soak-" + std::to_string(getpid()));
    for (int i = 0; i < s.runs; ++i) {
        soak::RunSpec spec;
        spec.fault = cell.fault;
        spec.oneIn = cell.oneIn;
        spec.direction = cell.direction;
        spec.seed = s.firstSeed + static_cast<std::uint64_t>(i);
        spec.check = cell.check;
        spec.packetLength = s.packetLength;
        spec.slidingWindow = s.slidingWindow;
        spec.prefixing = s.prefixing;
        const soak::RunResult r = soak::RunOne(spec, work);
        ++cell.counts[static_cast<int>(r.outcome)];
        cell.faults += r.faults;
        cell.seconds += r.seconds;
        cell.worstStop = std::max(cell.worstStop, r.stopSeconds);
        if (r.outcome == soak::Outcome::Exact && r.checkInForce != cell.check) ++cell.otherCheck;
        PrintRun(cell, spec, r);
        const bool bad = r.outcome == soak::Outcome::Wrong || r.outcome == soak::Outcome::Hung ||
                         r.outcome == soak::Outcome::PeerQuit;
        if (bad) cell.notes.push_back(std::to_string(spec.seed));
        if (bad || s.keepAll) Keep(s.keep, work, cell, spec, r);
        fs::remove_all(work);
    }
}

void PrintTable(const Settings& s, const std::vector<Cell>& cells, double wall) {
    std::printf(
        "| check | fault | rate | direction | runs | byte-exact | failure reported | wrong file "
        "| hung, ended by the stop | peer quit mid-transfer, ended by the stop "
        "| faults per run | time per run |\n"
        "|---|---|---|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    int total[soak::kOutcomes] = {};
    for (const Cell& c : cells) {
        std::printf("| %d | %s | 1/%d | %s | %d | %d | %d | %d | %d | %d | %.1f | %.1f s |\n",
                    c.check, soak::FaultName(c.fault), c.oneIn, soak::DirectionName(c.direction),
                    s.runs, c.counts[0], c.counts[1], c.counts[2], c.counts[3], c.counts[4],
                    static_cast<double>(c.faults) / s.runs, c.seconds / s.runs);
        for (int k = 0; k < soak::kOutcomes; ++k)
            total[k] += c.counts[k];
    }
    std::printf("| all | | | | %zu | %d | %d | %d | %d | %d | | |\n\n",
                cells.size() * static_cast<std::size_t>(s.runs), total[0], total[1], total[2],
                total[3], total[4]);
    for (const Cell& c : cells) {
        if (c.otherCheck > 0) {
            std::printf("check %d %s 1/%d %s: %d byte-exact runs with another check in force\n",
                        c.check, soak::FaultName(c.fault), c.oneIn,
                        soak::DirectionName(c.direction), c.otherCheck);
        }
        if (c.notes.empty()) continue;
        std::printf("check %d %s 1/%d %s, seeds:", c.check, soak::FaultName(c.fault), c.oneIn,
                    soak::DirectionName(c.direction));
        for (const auto& seed : c.notes)
            std::printf(" %s", seed.c_str());
        std::printf("\n");
    }
    double worstStop = 0;
    for (const Cell& c : cells)
        worstStop = std::max(worstStop, c.worstStop);
    std::printf(
        "%d runs per cell, seeds %llu to %llu, %.0f s in all; the slowest stop took "
        "%.2f s; runs kept in %s\n",
        s.runs, static_cast<unsigned long long>(s.firstSeed),
        static_cast<unsigned long long>(s.firstSeed + s.runs - 1), wall, worstStop,
        s.keep.string().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Settings settings;
    settings.keep = fs::temp_directory_path() / "corvix-soak-traces";
    if (!ReadSettings(argc, argv, settings)) {
        std::fprintf(
            stderr,
            "usage: line_soak [--runs N] [--seed FIRST] [--checks 1,3] [--faults flip,drop] "
            "[--rates 10000,1000] [--directions send,receive] [--packet-length N] [--window N]\n"
            "                 [--prefixing cautious|all] [--keep DIR | --keep-all DIR]\n");
        return 2;
    }
    std::vector<Cell> cells;
    for (int check : settings.checks)
        for (soak::Fault fault : settings.faults)
            for (int rate : settings.rates)
                for (soak::Direction direction : settings.directions)
                    cells.push_back(Cell{check, fault, rate, direction, {}, 0, 0, 0, {}, 0});
    const auto start = std::chrono::steady_clock::now();
    for (Cell& cell : cells)
        RunCell(settings, cell);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    PrintTable(settings, cells, wall);
    int bad = 0;
    for (const Cell& c : cells)
        bad += c.counts[static_cast<int>(soak::Outcome::Wrong)];
    return bad == 0 ? 0 : 1;
}
