#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

// What a Kermit command hands to the transfer window (CTransferDlg).
struct TransferRequest {
    int mode = 0;                // 0 Kermit
    int direction = 0;           // 1 send, 0 receive
    int baudIndex = 0;           // index into BaudRateList
    QString port;                // port name, "" for none
    QString path;                // the file to send, or the folder that receives
    std::uint32_t fileSize = 0;  // size of the file to send; 0xFFFFFFFF when unknown
};

// What a capture command hands to the ASCII viewer (CAsciiDlg).
struct CaptureRequest {
    int baudIndex = 0;
    QString port;
    int marginChars = 1;
};

// What the ASCII viewer leaves behind when it closes.
struct CaptureOutcome {
    int result = 0;            // QDialog::Accepted ("Done") or QDialog::Rejected
    QByteArray captureText;    // the bytes received, unchanged
    int notepadRequested = 0;  // 1 when the viewer's Notepad button ended it
    int marginChars = 1;
};

// How the main window opens the window of a job and runs it modally. Each
// function returns when that window has closed.
struct JobWindowFactory {
    std::function<int(QWidget* owner, const TransferRequest& request)> runTransfer;
    std::function<CaptureOutcome(QWidget* owner, const CaptureRequest& request)> runCapture;
};
