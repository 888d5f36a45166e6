#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// The file named by `capture --out`. The bytes go to a new file beside it,
// which takes its place when the capture has ended; until then, and for good
// when the capture never got going (its port did not open), the file stays
// as it was. The new file gets the old one's permissions, or the usual ones
// for a new file. A target that is no regular file (a device, a pipe) is
// written directly. A capture that could not be written whole keeps the
// new file, so nothing captured is lost.
class CaptureTarget {
public:
    explicit CaptureTarget(const QString& path);
    ~CaptureTarget();  // an open file that was not committed is discarded
    CaptureTarget(const CaptureTarget&) = delete;
    CaptureTarget& operator=(const CaptureTarget&) = delete;

    // Makes the file beside the target; false when it cannot be made.
    bool Open();
    std::FILE* stream() const { return stream_; }

    // Closes the file and puts it in the target's place; false (and the
    // target as it was, the new file kept) when that fails.
    bool Commit();
    // Closes the file and leaves it where it is, the target as it was;
    // returns the file that holds the capture.
    QString Keep();
    // Closes the file and removes it; the target stays as it was.
    void Discard();

private:
    bool OpenBeside();

    QByteArray target_;
    QByteArray working_;
    std::FILE* stream_ = nullptr;
};
