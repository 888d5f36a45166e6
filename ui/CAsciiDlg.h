#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>

#include "ui/DialogKeys.h"
#include "ui/JobDialogs.h"
#include "ui/LogFont.h"
#include "worker/JobReportSink.h"
#include "worker/WorkerJob.h"

class AppCore;
class CComThread;
class QListWidget;
class QtReportRelay;

namespace Ui {
class CAsciiDlg;
}

// The ASCII viewer (CAsciiDlg.ui): shows a plain-text capture while it
// runs, one list item per received piece. Font, Print and the margin act on
// what has been captured so far; Done and Notepad stop the capture and close
// with Accepted, Cancel and the close box with Rejected, and the job's own
// end (the port could not be opened, the line was lost) closes it as
// Rejected too, except that after a lost line a viewer holding captured text
// stays open, so that the text can still be printed or saved. The main
// window then reads captureText, notepadRequested and marginChars.
//
// The font is taken from the settings when the window is made and written
// back to them when it is destroyed.
class CAsciiDlg : public KeyedDialog, public HandlesReports<CAsciiDlg> {
    Q_OBJECT
public:
    explicit CAsciiDlg(AppCore& app, QWidget* parent = nullptr);
    ~CAsciiDlg() override;

    // The capture it runs, set by the creator before the window is shown.
    WorkerJob job{.kind = JobKind::Capture};
    bool notepadRequested = false;  // the Notepad button ended it
    std::unique_ptr<CComThread> worker;
    LogFont logFont;
    QFont screenFont;
    int screenFontHeight = 0;
    bool ctsShown = false;
    QByteArray captureText;  // every byte received, in order
    int marginChars = 0;     // print margin in the printer font's widest characters
    int nationalChars = 1;   // the hidden "ÅÄÖ" check box; drives nothing

    // Seams: the dialogs it opens and how it makes its worker.
    JobDialogs dialogs = JobDialogs::System();
    WorkerFactory makeWorker = SystemWorkers();

    // Texts, controls from the fields, the list's font and the caption. Runs
    // by itself before the first show; tests that never show the window call
    // it directly.
    void OnInitDialog();

    void OnFont();
    void OnPrint();
    void OnNotepad();
    // Done: stop the capture, take the margin, close with Accepted.
    void accept() override;
    // Cancel, Esc, the close box: with text captured, ask first whether to
    // discard it (No keeps the window); then stop the capture, close with
    // Rejected.
    void reject() override;

    QListWidget* pieceList() const;

    // A message box of the capture; its reports come through Report.
    void ShowMessage(const QString& text, MessageIcon icon) override;
    // A capture asks no questions: these keep what exists.
    Overwrite AskOverwrite(const QString&, const QString&) override { return Overwrite::Cancel; }
    std::optional<QString> AskSaveAs(const QString&) override { return std::nullopt; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The reports of a capture; HandlesReports hands each to the On for its
    // kind.
    friend class HandlesReports<CAsciiDlg>;
    using HandlesReports::On;
    void On(const report::CapturedText& captured);
    void On(const report::JobOver&);
    void On(const report::CtsChanged& cts);
    void On(const report::WaitingForPort& wait);

    QFont ScreenFont(const LogFont& font) const;
    void MakeResizable();
    void FitTexts();
    void PlaceControlsForSize();

    void StopAndClose(int result);
    // Takes the margin edit into marginChars; false (and marginChars kept)
    // when it is empty or too large.
    bool ReadMargin();
    void Message(const QString& text);

    AppCore& app_;
    std::unique_ptr<Ui::CAsciiDlg> ui_;
    std::unique_ptr<QtReportRelay> relay_;
    bool initialised_ = false;
    bool started_ = false;
    bool closing_ = false;
    QByteArray openPiece_;  // the last item's bytes while its line is unfinished
    QSize templateSize_;    // the window's smallest size
    QList<std::pair<QWidget*, QRect>> templatePlaces_;  // each control at that size
};
