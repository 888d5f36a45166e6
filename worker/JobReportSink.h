#pragma once

#include <QString>

#include <optional>
#include <variant>

#include "app/MessageSink.h"
#include "kermit/KermitObserver.h"
#include "worker/JobReport.h"

// Where a job's reports go, as the worker sees it: the window that shows the
// job, the command line standing in for one, or a relay in front of either.
// A job reports with one call, Report, and puts its three questions to the
// user (the message box, the overwrite question, Save As) with the others.
//
// Every method is called on the worker thread. A sink whose window lives on
// another thread hands each call over to that thread itself (QtReportRelay
// does that for QObject-based windows). The questions, and the report of a
// piece of captured text, block the worker until the window has handled
// them; the other reports are notifications and may be queued.
class JobReportSink {
public:
    // The answer to "File exists, overwrite?" goes to the engine as it is.
    using Overwrite = kermit::KermitObserver::Overwrite;

    virtual ~JobReportSink() = default;

    virtual void Report(const JobReport& report) = 0;
    // A message box with the application's title as caption; returns when
    // the user has closed it.
    virtual void ShowMessage(const QString& text, MessageIcon icon) = 0;
    // "File exists, overwrite?" with Yes, No and Cancel, for the file `path`.
    virtual Overwrite AskOverwrite(const QString& text, const QString& path) = 0;
    // Save As, preset with `path`; the chosen path or nothing when cancelled.
    // A chosen file that exists has been asked about (the receiver replaces
    // it without asking again): no question is skipped.
    virtual std::optional<QString> AskSaveAs(const QString& path) = 0;
};

// A sink that hands each report to `Shower::On`, overloaded for the kinds of
// report it shows; the other kinds pass it by. A class derives from
// HandlesReports<itself>, brings in the overload that passes by with
// `using HandlesReports::On;` and writes an `On` for each kind it shows
// (private ones with `friend class HandlesReports<itself>;`). A kind it
// neither shows nor passes by does not compile.
template <typename Shower>
class HandlesReports : public JobReportSink {
public:
    void Report(const JobReport& report) override {
        std::visit([this](const auto& kind) { static_cast<Shower*>(this)->On(kind); }, report);
    }

    template <typename Kind>
    void On(const Kind&) {}
};
