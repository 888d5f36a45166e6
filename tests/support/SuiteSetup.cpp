#include "SuiteSetup.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>

namespace test_support {

void EnsureCoreApplication(const char* program) {
    if (QCoreApplication::instance() != nullptr) return;
    // Qt keeps argc and argv for the application's whole life.
    static int argc = 1;
    static std::string name = program;
    static char* argv[] = {name.data(), nullptr};
    new QCoreApplication(argc, argv);
}

void TestFolders::MakeFresh(const std::string& prefix) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root = std::filesystem::temp_directory_path() /
           (prefix + info->name() + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(root);
    rx = root / "rx";
    peerDir = root / "peer";
    std::filesystem::create_directories(rx);
    std::filesystem::create_directories(peerDir);
}

}  // namespace test_support
