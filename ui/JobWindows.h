#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

#include "worker/WorkerJob.h"

class QWidget;

// What a Kermit command hands to the transfer window (CTransferDlg): the job,
// a send or a receive, and what the window shows besides.
struct TransferRequest {
    WorkerJob job;
    std::uint32_t fileSize = 0;  // size of the file to send; 0xFFFFFFFF when unknown
    // A run from the command line: the window closes when the job ends,
    // whatever it has to show, so that the program ends with it.
    bool oneShot = false;
};

// What a capture command hands to the ASCII viewer (CAsciiDlg).
struct CaptureRequest {
    WorkerJob job;  // a capture
    int marginChars = 1;
};

// What the ASCII viewer leaves behind when it closes.
struct CaptureOutcome {
    int result = 0;                 // QDialog::Accepted ("Done") or QDialog::Rejected
    QByteArray captureText;         // the bytes received, unchanged
    bool notepadRequested = false;  // the viewer's Notepad button ended it
    int marginChars = 1;
};

// How the main window opens the window of a job and runs it modally. Each
// function returns when that window has closed.
struct JobWindowFactory {
    std::function<int(QWidget* owner, const TransferRequest& request)> runTransfer;
    std::function<CaptureOutcome(QWidget* owner, const CaptureRequest& request)> runCapture;
};
