#pragma once

#include <filesystem>
#include <string>

// What the suites that run a line and a peer set up around each test.
namespace test_support {

// Makes the QCoreApplication that Qt's parts need, named `program`, unless
// one is there already.
void EnsureCoreApplication(const char* program);

// A test's own folders: `root`, and in it Corvix's receive folder `rx` and
// the peer's folder.
struct TestFolders {
    std::filesystem::path root;
    std::filesystem::path rx;
    std::filesystem::path peerDir;

    // Makes them afresh, and empty, for the running test: `root` is
    // `<prefix><test>-<process id>` under the temporary folder.
    void MakeFresh(const std::string& prefix);
};

}  // namespace test_support
