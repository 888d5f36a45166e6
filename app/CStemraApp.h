#pragma once

#include "app/AppCore.h"

#include <QApplication>

// The application object: the QApplication of the program together with its
// settings, ports, text table and start-up. `main` constructs it, runs
// InitInstance and returns ExitInstance().
class CStemraApp : public QApplication, public AppCore {
public:
    CStemraApp(int& argc, char** argv);

    // Start-up with this process's arguments and executable folder.
    bool InitInstance();
};
