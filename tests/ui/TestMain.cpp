#include <gtest/gtest.h>
#include <QApplication>
#include <QStandardPaths>

// The windows run inside a real application object, without a display and
// with Qt's own locations moved away from the user's.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
