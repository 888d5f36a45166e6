#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP (the terminal closed) into a Qt signal on
// the main thread (through a self-pipe), so a stop from the terminal ends the
// job like a user's stop. On Windows the console's stops do the same
// (SignalStopWindows.cpp).
class SignalStop : public QObject {
    Q_OBJECT
public:
    explicit SignalStop(QObject* parent = nullptr);
    ~SignalStop() override;

    // False when the pipe or the handlers could not be set up.
    bool ok() const { return ok_; }

signals:
    void stopRequested(int signalNumber);

private:
    void OnReadable();

    std::unique_ptr<QSocketNotifier> notifier_;
    bool ok_ = false;
};
