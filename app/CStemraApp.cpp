#include "app/CStemraApp.h"

CStemraApp::CStemraApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool CStemraApp::InitInstance() {
    return AppCore::InitInstance(arguments().mid(1), applicationDirPath());
}
