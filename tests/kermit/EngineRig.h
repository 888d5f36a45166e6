#pragma once

#include <functional>
#include <string>

#include "RecordingObserver.h"
#include "ScriptedPort.h"
#include "disk/DiskFiles.h"
#include "kermit/KermitEngine.h"

namespace kermit_test {

// The whole engine over a scripted line, telling a recording observer.
// `interpose` sees every packet the engine writes first and returns true
// when it has answered (or chosen silence) itself.
struct EngineRig : ScriptedLine {
    disk::DiskFiles files;
    kermit::KermitEngine engine{port, files, run};
    RecordingObserver observer;
    std::function<bool(const Packet&)> interpose;

    EngineRig() { engine.SetObserver(&observer); }
    EngineRig(const EngineRig&) = delete;
    EngineRig& operator=(const EngineRig&) = delete;

    std::string Status() const { return engine.StatusText(); }
};

}  // namespace kermit_test
