#include "worker/JobLink.h"

JobLink::JobLink(std::atomic<int>& runFlag, JobReportSink* sink, const JobTexts& texts)
    : reports(sink, texts),
      port(runFlag),
      line(port, runFlag, engineFlag),
      logged(line),
      engine(logged, files, engineFlag) {
    port.SetObserver(&reports);
    engine.SetObserver(&reports);
}
