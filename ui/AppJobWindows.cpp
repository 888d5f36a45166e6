#include "ui/AppJobWindows.h"

#include "ui/CAsciiDlg.h"
#include "ui/CTransferDlg.h"

JobWindowFactory AppJobWindows(AppCore& app, JobDialogs dialogs) {
    JobWindowFactory factory;
    factory.runTransfer = [&app, dialogs](QWidget* owner, const TransferRequest& request) {
        CTransferDlg window(app, owner);
        window.dialogs = dialogs;
        window.mode = request.mode;
        window.direction = request.direction;
        window.baudIndex = request.baudIndex;
        window.portNumber = request.port;
        window.path = request.path;
        window.fileSize = request.fileSize;
        return window.exec();
    };
    factory.runCapture = [&app, dialogs](QWidget* owner, const CaptureRequest& request) {
        CaptureOutcome outcome;
        CAsciiDlg viewer(app, owner);
        viewer.dialogs = dialogs;
        viewer.baudIndex = request.baudIndex;
        viewer.portNumber = request.port;
        viewer.marginChars = request.marginChars;
        outcome.result = viewer.exec();
        outcome.captureText = viewer.captureText;
        outcome.notepadRequested = viewer.notepadRequested;
        outcome.marginChars = viewer.marginChars;
        return outcome;
    };
    return factory;
}
