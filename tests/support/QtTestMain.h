#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QStandardPaths>

// Runs a suite's tests inside a real application object of type `App`,
// without a display and with Qt's own locations moved away from the user's.
// Each suite's main() is this one line.
template <class App>
int RunTestsInside(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    App app(argc, argv);
    return RUN_ALL_TESTS();
}
