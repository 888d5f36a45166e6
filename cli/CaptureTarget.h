#pragma once

#include <QString>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "disk/FileBeside.h"

// The file named by `capture --out`. The bytes go to a new file beside it,
// which takes its place when the capture has ended (disk::FileBeside); until
// then, and for good when the capture never got going (its port did not
// open), the file stays as it was. A target that is no regular file (a
// device, a pipe) is written directly. A capture that could not be written
// whole keeps the new file, so nothing captured is lost.
class CaptureTarget {
public:
    explicit CaptureTarget(const QString& path);
    ~CaptureTarget();  // an open file that was not committed is discarded
    CaptureTarget(const CaptureTarget&) = delete;
    CaptureTarget& operator=(const CaptureTarget&) = delete;

    // Makes the file beside the target; false when it cannot be made, with
    // the reason in error() where the system gave one.
    bool Open();
    std::FILE* stream() const;
    std::error_code error() const { return error_; }

    // Closes the file and puts it in the target's place; false (and the
    // target as it was, the new file kept) when that fails.
    bool Commit();
    // Closes the file and leaves it where it is, the target as it was;
    // returns the file that holds the capture.
    QString Keep();
    // Closes the file and removes it; the target stays as it was.
    void Discard();

private:
    void CloseDirect();

    std::filesystem::path target_;
    disk::FileBeside beside_;
    std::FILE* direct_ = nullptr;  // a device or a pipe, written as it is
    std::error_code error_;
};
