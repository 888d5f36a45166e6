#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

// The windows run inside a real application object, offscreen unless the
// caller chose a platform (screenshots under a virtual display), with Qt's
// own locations moved away from the user's.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
