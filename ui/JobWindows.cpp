#include "ui/JobWindows.h"

#include <QDebug>
#include <QDialog>

JobWindowFactory DefaultJobWindows() {
    JobWindowFactory factory;
    factory.runTransfer = [](QWidget*, const TransferRequest& request) {
        qWarning().noquote() << "Corvix: the transfer window is not available in this build;"
                             << "nothing was transferred for" << request.path;
        return int(QDialog::Rejected);
    };
    factory.runCapture = [](QWidget*, const CaptureRequest& request) {
        qWarning().noquote() << "Corvix: the ASCII viewer is not available in this build;"
                             << "nothing was captured";
        CaptureOutcome outcome;
        outcome.marginChars = request.marginChars;
        return outcome;
    };
    return factory;
}
