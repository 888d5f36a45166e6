#include "app/CStemraApp.h"
#include "app/FileSizeSignal.h"
#include "ui/CStemraDlg.h"
#include "ui/QtMessageSink.h"

// Start-up runs the main window modally; the process ends with
// ExitInstance's status, 1 after every run.
int main(int argc, char** argv) {
    IgnoreFileSizeSignal();
    CStemraApp app(argc, argv);
    QtMessageSink messages;
    app.messageSink = &messages;
    app.runMainWindow = [&app](const CommandLineRequest& request) {
        CStemraDlg window(app);
        window.commandLineRequest = request;
        window.exec();
    };
    app.InitInstance();
    return app.ExitInstance();
}
