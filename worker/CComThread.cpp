#include "worker/CComThread.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <future>

#include "worker/HappensBefore.h"
#include "worker/JobMessage.h"
#include "worker/ProgressThrottle.h"

namespace {

constexpr int kDrainStepMs = 1000;

QEvent::Type JobMessageType() {
    static const QEvent::Type type = RegisterJobMessage(kJobMessageName);
    return type;
}

// Lives on the worker thread and hands the job message to its worker.
class JobReceiver : public QObject {
public:
    explicit JobReceiver(CComThread& worker) : worker_(worker) {}

    bool event(QEvent* e) override {
        AcquireFrom(e);
        if (e->type() != JobMessageType()) return QObject::event(e);
        worker_.RunJob();
        return true;
    }

private:
    CComThread& worker_;
};

}  // namespace

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

void CComThread::PostJob(const WorkerJob& job, JobWindow* window) {
    {
        std::lock_guard lock(handOver_);
        posted_ = PostedJob{job, window, editor};
    }
    auto* message = new QEvent(JobMessageType());
    ReleaseTo(message);
    QCoreApplication::postEvent(receiver_.get(), message);
}

CComThread::PostedJob CComThread::TakePostedJob() {
    std::lock_guard lock(handOver_);
    return std::move(posted_);
}

QString CComThread::statusText() const {
    std::lock_guard lock(handOver_);
    return statusText_;
}

QString CComThread::failedFile() const {
    std::lock_guard lock(handOver_);
    return failedFile_;
}

void CComThread::RunJob() {
    endEvent.Reset();
    const PostedJob posted = TakePostedJob();
    // The engine reports once a packet; the window gets a few a second.
    ProgressThrottle throttle(posted.window);
    JobRun run{.job = posted.job,
               .window = posted.window != nullptr ? &throttle : nullptr,
               .texts = texts_,
               .runFlag = runFlag_,
               .link = link,
               .endEvent = endEvent,
               .editor = posted.editor,
               .outcome = JobOutcome::None,
               .statusText = {},
               .failedFile = {}};
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

bool CComThread::RequestStop() {
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
