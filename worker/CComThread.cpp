#include "worker/CComThread.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <future>

#include "worker/HappensBefore.h"
#include "worker/ProgressThrottle.h"

namespace {

constexpr int kDrainStepMs = 1000;

}  // namespace

// The job and what it needs, posted to the worker thread as an event of its
// own type.
class CComThread::JobEvent : public QEvent {
public:
    explicit JobEvent(PostedJob job) : QEvent(OwnType()), posted(std::move(job)) {}

    static QEvent::Type OwnType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    const PostedJob posted;
};

class CComThread::JobReceiver : public QObject {
public:
    explicit JobReceiver(CComThread& worker) : worker_(worker) {}

    // Runs the first job it gets; the thread ends after it, so a job posted
    // after the first, even one already queued, is never run.
    bool event(QEvent* e) override {
        AcquireFrom(e);
        if (e->type() != JobEvent::OwnType()) return QObject::event(e);
        if (!ran_) {
            ran_ = true;
            worker_.RunJob(static_cast<JobEvent*>(e)->posted);
        }
        return true;
    }

private:
    CComThread& worker_;
    bool ran_ = false;
};

CComThread::CComThread(const JobTexts& texts)
    : receiver_(std::make_unique<JobReceiver>(*this)), texts_(texts) {
    thread_.setObjectName(QStringLiteral("CComThread"));
    receiver_->moveToThread(&thread_);
    // The thread has its event dispatcher when it announces its start; wait
    // for that, so the job message never races the dispatcher's creation.
    std::promise<void> started;
    const QMetaObject::Connection announce = QObject::connect(
        &thread_, &QThread::started, &thread_, [&started] { started.set_value(); },
        Qt::DirectConnection);
    thread_.start(QThread::HighPriority);
    started.get_future().wait();
    QObject::disconnect(announce);
}

CComThread::~CComThread() {
    if (!thread_.isFinished()) Stop();
    thread_.wait();
}

void CComThread::PostJob(const WorkerJob& job, JobReportSink* sink) {
    auto* message = new JobEvent(PostedJob{job, sink, editor});
    ReleaseTo(message);
    QCoreApplication::postEvent(receiver_.get(), message);
}

QString CComThread::statusText() const {
    std::lock_guard lock(handOver_);
    return statusText_;
}

QString CComThread::failedFile() const {
    std::lock_guard lock(handOver_);
    return failedFile_;
}

void CComThread::RunJob(const PostedJob& posted) {
    endEvent.Reset();
    // The engine reports once a packet; the window gets a few a second.
    ProgressThrottle throttle(posted.sink);
    JobRun run{.job = posted.job,
               .sink = posted.sink != nullptr ? &throttle : nullptr,
               .texts = texts_,
               .runFlag = runFlag_,
               .stopCause = stopCause_,
               .link = link,
               .endEvent = endEvent,
               .editor = posted.editor,
               .outcome = JobOutcome::None,
               .statusText = {},
               .failedFile = {},
               .portName = {},
               .adapter = {}};
    switch (posted.job.kind) {
        case JobKind::Send:
            RunSendJob(run);
            break;
        case JobKind::Receive:
            RunReceiveJob(run);
            break;
        case JobKind::Capture:
            RunCaptureJob(run);
            break;
    }
    {
        std::lock_guard lock(handOver_);
        statusText_ = run.statusText;
        failedFile_ = run.failedFile;
    }
    outcome_ = run.outcome;
    // Draining: until the job's own end or the window's stop request. A stop
    // that came before the job started is seen in the run flag.
    while (runFlag_ != 0 && !endEvent.Wait(kDrainStepMs)) {
    }
    endEvent.Reset();
    thread_.exit(0);
}

bool CComThread::RequestStop(StopCause cause) {
    // The first cause stands: a stop after a stop changes nothing.
    if (runFlag_ != 0) stopCause_ = cause;
    runFlag_ = 0;
    return endEvent.Set();
}

void CComThread::EndThread() {
    if (endEvent.Set()) thread_.quit();
}

void CComThread::WaitUntilFinished() {
    if (thread_.isFinished()) return;
    QEventLoop loop;
    QObject::connect(&thread_, &QThread::finished, &loop, &QEventLoop::quit);
    if (!thread_.isFinished()) loop.exec();
    thread_.wait();
}

void CComThread::Stop() {
    RequestStop();
    EndThread();
    WaitUntilFinished();
}
