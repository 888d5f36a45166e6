#include "app/CStemraApp.h"
#include "app/FileSizeSignal.h"
#include "ui/CStemraDlg.h"
#include "ui/CommandLineAnswer.h"
#include "ui/QtMessageSink.h"

// Start-up runs the main window modally; the process ends with
// ExitInstance's status, 1 after every run. --help, --version and an unknown
// option are answered first, and touch neither the settings nor a port.
int main(int argc, char** argv) {
    IgnoreFileSizeSignal();
    CStemraApp app(argc, argv);
    if (const std::optional<int> status = AnswerCommandLineInfo(app.arguments().mid(1)))
        return *status;
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
