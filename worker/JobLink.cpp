#include "worker/JobLink.h"

JobLink::JobLink(std::atomic<int>& runFlag, JobWindow* window, const JobTexts& texts)
    : reports(window, texts),
      port(runFlag),
      line(port, runFlag, engineFlag),
      logged(line),
      engine(logged, files, engineFlag) {
    port.SetObserver(&reports);
    engine.SetObserver(&reports);
}
