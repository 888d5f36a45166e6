#include "worker/CComThread.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "worker/JobMessage.h"

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
    thread_.start(QThread::HighPriority);
}

CComThread::~CComThread() {
    if (!thread_.isFinished()) Stop();
    thread_.wait();
}

void CComThread::PostJob() {
    QCoreApplication::postEvent(receiver_.get(), new QEvent(JobMessageType()));
}

void CComThread::RunJob() {
    endEvent.Reset();
    JobRun run{.window = window,
               .texts = texts_,
               .runFlag = runFlag_,
               .link = link,
               .endEvent = endEvent,
               .editor = editor,
               .portName = portNumber,
               .baudIndex = baudIndex,
               .startPath = path,
               .path = path,
               .outcome = JobOutcome::None,
               .statusText = {}};
    if (direction == 1)
        RunSendJob(run);
    else if (mode == 1)
        RunCaptureJob(run);
    else
        RunReceiveJob(run);
    outcome_ = run.outcome;
    statusText_ = run.statusText;
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
