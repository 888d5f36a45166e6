#include "ui/AppJobWindowFactory.h"

#include "ui/CAsciiDlg.h"
#include "ui/CTransferDlg.h"

JobWindowFactory AppJobWindowFactory(AppCore& app, JobDialogs dialogs) {
    JobWindowFactory factory;
    factory.runTransfer = [&app, dialogs](QWidget* owner, const TransferRequest& request) {
        CTransferDlg window(app, owner);
        window.dialogs = dialogs;
        window.job = request.job;
        window.fileSize = request.fileSize;
        window.oneShot = request.oneShot;
        return window.exec();
    };
    factory.runCapture = [&app, dialogs](QWidget* owner, const CaptureRequest& request) {
        CaptureOutcome outcome;
        CAsciiDlg viewer(app, owner);
        viewer.dialogs = dialogs;
        viewer.job = request.job;
        viewer.marginChars = request.marginChars;
        outcome.result = viewer.exec();
        outcome.captureText = viewer.captureText;
        outcome.notepadRequested = viewer.notepadRequested;
        outcome.marginChars = viewer.marginChars;
        return outcome;
    };
    return factory;
}
