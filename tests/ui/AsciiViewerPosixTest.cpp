#include <sys/file.h>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "JobWindowTestSupport.h"
#include "TestLinePosix.h"
#include "tools/linesim/LineSim.h"
#include "ui/CAsciiDlg.h"
#include "ui/FontChoice.h"
#include "worker/CComThread.h"

namespace {

class AsciiViewerTest : public ::testing::Test {
protected:
    AsciiViewerTest() { PrepareApp(app); }

    // A viewer without a line: the test plays the capture job.
    std::unique_ptr<CAsciiDlg> Viewer() {
        auto viewer = std::make_unique<CAsciiDlg>(app);
        viewer->dialogs = dialogs.Dialogs();
        viewer->makeWorker = [](const QStringList&) { return std::unique_ptr<CComThread>(); };
        viewer->job.baud = 4800;
        viewer->job.portName = QStringLiteral("COM3");
        viewer->marginChars = 1;
        return viewer;
    }

    // A viewer shown with a real capture job on side A of `line`.
    std::unique_ptr<CAsciiDlg> ViewerOnLine(const linesim::LineSim& line) {
        auto viewer = Viewer();
        viewer->makeWorker = SystemWorkers();
        viewer->job.portName = QString::fromStdString(line.Path(linesim::LineSim::kSideA));
        viewer->job.baud = 115200;
        viewer->show();
        return viewer;
    }

    // The job purges the line once it has opened it: repeats a first line
    // on `far` until `viewer` shows it, then lets the line settle.
    static bool FirstLineComesThrough(int far, CAsciiDlg& viewer) {
        const bool shown = EventuallyTrue([&] {
            if (::write(far, "ready\r\n", 7) != 7) return false;
            QTest::qWait(50);
            return viewer.pieceList()->count() > 0;
        });
        if (shown) QTest::qWait(200);
        return shown;
    }

    QPushButton* Button(CAsciiDlg& v, const char* name) {
        return v.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QLineEdit* MarginEdit(CAsciiDlg& v) { return v.findChild<QLineEdit*>(); }

    AppCore app;
    DialogRecorder dialogs;
};

TEST_F(AsciiViewerTest, OpensWithItsTextsCaptionAndMargin) {
    auto viewer = Viewer();
    viewer->marginChars = 4;
    viewer->show();
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("ASCII (COM3: 4800)"));
    EXPECT_EQ(Button(*viewer, "doneButton")->text(), QStringLiteral("Done"));
    EXPECT_EQ(Button(*viewer, "fontButton")->text(), QStringLiteral("Font"));
    EXPECT_EQ(Button(*viewer, "printButton")->text(), QStringLiteral("Print"));
    EXPECT_EQ(Button(*viewer, "notepadButton")->text(), QStringLiteral("Notepad"));
    EXPECT_EQ(viewer->findChild<QLabel*>(QStringLiteral("marginLabel"))->text(),
              QStringLiteral("Margin"));
    EXPECT_EQ(MarginEdit(*viewer)->text(), QStringLiteral("4"));
    auto* national = viewer->findChild<QCheckBox*>();
    EXPECT_FALSE(national->isVisible());
    EXPECT_TRUE(national->isChecked());
    EXPECT_EQ(national->text(), QStringLiteral("\u00C5\u00C4\u00D6"));

    // Digits only.
    MarginEdit(*viewer)->clear();
    QTest::keyClicks(MarginEdit(*viewer), QStringLiteral("-1a2"));
    EXPECT_EQ(MarginEdit(*viewer)->text(), QStringLiteral("12"));

    // The caption's word is the text table's, as a language file gives it.
    app.TextTable[TextId::AsciiItem] = QStringLiteral("Text");
    auto translated = Viewer();
    translated->show();
    EXPECT_EQ(translated->windowTitle(), QStringLiteral("Text (COM3: 4800)"));
}

TEST_F(AsciiViewerTest, EachPieceBecomesAnItemAndEveryByteIsKept) {
    auto viewer = Viewer();
    viewer->show();
    viewer->Report(report::CapturedText{"Tree 0001\r\n"});
    viewer->Report(report::CapturedText{"Tree 0002\r\n"});
    QListWidget* list = viewer->pieceList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Tree 0001\r\n"));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(viewer->captureText.size(), 22);
    EXPECT_EQ(viewer->captureText, QByteArray("Tree 0001\r\nTree 0002\r\n"));

    viewer->Report(report::CapturedText{"Gran \xC5lder 45\r\n"});
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Gran \u00C5lder 45\r\n"));
    EXPECT_EQ(list->currentRow(), 2);

    // A zero byte ends the piece on screen; the capture keeps every byte.
    viewer->Report(report::CapturedText{QByteArray("ab\0cd\r\n", 7)});
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("ab"));
    EXPECT_TRUE(viewer->captureText.endsWith(QByteArray("ab\0cd\r\n", 7)));
}

TEST_F(AsciiViewerTest, ManyPiecesKeepTheNewestInView) {
    auto viewer = Viewer();
    viewer->show();
    for (int n = 0; n < 300; ++n)
        viewer->Report(report::CapturedText{QByteArray::number(n) + "\r\n"});
    QListWidget* list = viewer->pieceList();
    QTest::qWait(20);
    const QRect shown = list->visualItemRect(list->item(299));
    EXPECT_TRUE(list->viewport()->rect().contains(shown.center()));
    // The text takes the focus and scrolls by keys.
    EXPECT_EQ(list->focusPolicy(), Qt::StrongFocus);
    list->setFocus();
    const int bottom = list->verticalScrollBar()->value();
    ASSERT_GT(bottom, 0);
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->verticalScrollBar()->value(), bottom);
}

TEST_F(AsciiViewerTest, CancelAndCloseBoxLeaveNotepadUnrequested) {
    auto cancelled = Viewer();
    cancelled->show();
    QTest::keyClick(cancelled.get(), Qt::Key_Escape);
    EXPECT_EQ(cancelled->result(), QDialog::Rejected);
    EXPECT_FALSE(cancelled->notepadRequested);

    auto closed = Viewer();
    closed->show();
    closed->Report(report::CapturedText{"x\r\n"});
    closed->close();
    EXPECT_FALSE(closed->isVisible());
    EXPECT_EQ(closed->result(), QDialog::Rejected);
    EXPECT_FALSE(closed->notepadRequested);

    auto notepad = Viewer();
    notepad->show();
    QTest::mouseClick(Button(*notepad, "notepadButton"), Qt::LeftButton);
    EXPECT_EQ(notepad->result(), QDialog::Accepted);
    EXPECT_TRUE(notepad->notepadRequested);

    auto ended = Viewer();
    ended->show();
    ended->Report(report::JobOver{});
    EXPECT_FALSE(ended->isVisible());
    EXPECT_EQ(ended->result(), QDialog::Rejected);
}

TEST_F(AsciiViewerTest, DoneTakesATypedMarginThatIsANumber) {
    auto typed = Viewer();
    typed->show();
    MarginEdit(*typed)->setText(QStringLiteral("3"));
    QTest::mouseClick(Button(*typed, "doneButton"), Qt::LeftButton);
    EXPECT_EQ(typed->result(), QDialog::Accepted);
    EXPECT_EQ(typed->marginChars, 3);

    auto empty = Viewer();
    empty->show();
    MarginEdit(*empty)->clear();
    empty->accept();
    EXPECT_EQ(empty->marginChars, 1);
}

TEST_F(AsciiViewerTest, LineStatusDotFollowsCts) {
    auto viewer = Viewer();
    viewer->show();
    QWidget* red = viewer->findChild<QWidget*>(QStringLiteral("ctsOnDot"));
    QWidget* black = viewer->findChild<QWidget*>(QStringLiteral("ctsOffDot"));
    EXPECT_TRUE(black->isVisible());
    EXPECT_FALSE(red->isVisible());
    viewer->Report(report::CtsChanged{true});
    EXPECT_TRUE(red->isVisible());
    EXPECT_FALSE(black->isVisible());
    viewer->Report(report::CtsChanged{false});
    EXPECT_TRUE(black->isVisible());
    EXPECT_FALSE(red->isVisible());
}

TEST_F(AsciiViewerTest, FontComesFromTheSettingsAndGoesBackToThem) {
    app.settings.FontHeight = -80;
    app.settings.FontFace = QStringLiteral("DejaVu Sans Mono");
    app.settings.FontWeight = 700;
    {
        auto viewer = Viewer();
        // The settings keep points; the screen draws them at its resolution.
        const auto pixels = [&](int points) { return points * viewer->logicalDpiY() / 72; };
        EXPECT_EQ(app.settings.FontHeight, -13) << "a stored height below -66 is replaced";
        EXPECT_EQ(viewer->logFont.height, -13);
        EXPECT_EQ(viewer->screenFontHeight, -13);
        EXPECT_EQ(viewer->logFont.weight, 700);
        viewer->show();
        EXPECT_EQ(viewer->pieceList()->font().pixelSize(), pixels(13));
        EXPECT_TRUE(viewer->pieceList()->font().bold());

        QFont huge(QStringLiteral("DejaVu Sans"));
        huge.setPointSize(72);
        dialogs.fontAnswer = huge;
        viewer->OnFont();
        EXPECT_EQ(viewer->screenFontHeight, -13) << "characters of 72 points are refused";
        EXPECT_EQ(viewer->pieceList()->font().pixelSize(), pixels(13));

        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(15);
        chosen.setItalic(true);
        dialogs.fontAnswer = chosen;
        viewer->OnFont();
        EXPECT_EQ(viewer->screenFontHeight, -15);
        EXPECT_EQ(viewer->pieceList()->font().pixelSize(), pixels(15));
        EXPECT_EQ(app.settings.FontHeight, -13) << "written back only when the viewer goes";
        viewer->reject();
    }
    EXPECT_EQ(app.settings.FontHeight, -15);
    EXPECT_EQ(app.settings.FontItalic, 1);
    EXPECT_EQ(app.settings.FontWeight, 400);
    EXPECT_EQ(app.settings.FontFace, QStringLiteral("DejaVu Serif"));
}

// The chooser opens on the font the list shows, in a family that exists and
// that family's upright style; picking another family keeps the style.
TEST_F(AsciiViewerTest, TheFontChooserOpensOnTheShownFontAndKeepsItsStyle) {
    app.settings.FontHeight = 10;
    app.settings.FontFace = QStringLiteral("DejaVu Sans Mono");
    auto viewer = Viewer();
    QFont offered;
    viewer->dialogs.chooseFont = [&](QWidget*, const QFont& initial) {
        offered = initial;
        return std::optional<QFont>();
    };
    viewer->OnFont();
    EXPECT_EQ(offered.family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(offered.pointSize(), 10);
    EXPECT_FALSE(offered.italic());
    EXPECT_EQ(offered.styleName(), QStringLiteral("Book"));

    QFontDialog dialog(offered);
    KeepStyleAcrossFamilies(dialog);
    EXPECT_EQ(dialog.currentFont().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(dialog.currentFont().pointSize(), 10);
    // The family list is the dialog's first list; the user picks a family.
    auto* families = dialog.findChildren<QListView*>().value(0);
    ASSERT_NE(families, nullptr);
    // From a family whose upright style is "Book" to one whose is "Regular"
    // and back: the style list has no common name to carry over.
    for (const char* family : {"DejaVu Math TeX Gyre", "DejaVu Serif"}) {
        const QModelIndexList found =
            families->model()->match(families->model()->index(0, 0), Qt::DisplayRole,
                                     QString::fromLatin1(family), 1, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << family;
        families->setCurrentIndex(found[0]);
        const QFont current = dialog.currentFont();
        EXPECT_EQ(current.family(), QString::fromLatin1(family));
        EXPECT_EQ(current.style(), QFont::StyleNormal) << current.styleName().toStdString();
        EXPECT_EQ(current.weight(), QFont::Normal) << current.styleName().toStdString();
    }
}

TEST_F(AsciiViewerTest, TheWindowResizesAndTheListGrowsWithIt) {
    auto viewer = Viewer();
    viewer->show();
    const QSize smallest = viewer->size();
    EXPECT_EQ(viewer->minimumSize(), smallest);
    EXPECT_LT(viewer->minimumSize().width(), viewer->maximumSize().width());
    const QRect list = viewer->pieceList()->geometry();
    const QRect done = Button(*viewer, "doneButton")->geometry();
    viewer->resize(smallest + QSize(300, 200));
    EXPECT_EQ(viewer->pieceList()->geometry(), list.adjusted(0, 0, 300, 200));
    EXPECT_EQ(Button(*viewer, "doneButton")->geometry(), done.translated(300, 0));
    viewer->resize(smallest - QSize(50, 50));
    EXPECT_EQ(viewer->size(), smallest) << "never smaller than the template";
    viewer->reject();
}

TEST_F(AsciiViewerTest, PrintAsksForAnIntegerAndForAPrinter) {
    auto viewer = Viewer();
    viewer->show();
    viewer->Report(report::CapturedText{"Tree 0001\r\n"});
    MarginEdit(*viewer)->clear();
    viewer->OnPrint();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Enter an integer."));
    EXPECT_FALSE(dialogs.messages[0].icon.has_value());
    EXPECT_EQ(dialogs.printDialogs, 1) << "printing goes on after the margin message";
    EXPECT_EQ(dialogs.messages.size(), 1) << "a cancelled print dialog says nothing";

    dialogs.printerAnswer = [](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QStringLiteral("corvix-test-no-such-printer"));
        return true;
    };
    viewer->OnPrint();
    ASSERT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(dialogs.messages[2].text, QStringLiteral("Buy a printer!"));

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("print.pdf"));
    dialogs.printerAnswer = [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    MarginEdit(*viewer)->setText(QStringLiteral("2"));
    viewer->OnPrint();
    EXPECT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(viewer->marginChars, 2);
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
}

// A real capture job on the simulated cable: lines arrive as items, a last
// line without its line feed arrives whole once the line is quiet, and the
// capture is byte-exact. Escape and the close box ask before they throw
// away what came; No keeps window and text, Yes closes as cancelled; an
// empty capture closes at once; Done stops the worker.
TEST_F(AsciiViewerTest, CapturedTextIsKeptWholeAndOnlyDiscardedWhenConfirmed) {
    for (const int way : {0, 1, 2}) {  // Escape, the close box, Done
        linesim::LineSim line;
        ASSERT_TRUE(line.IsRunning()) << line.Error();
        const int far = ::open(line.Path(linesim::LineSim::kSideB).c_str(), O_RDWR | O_NOCTTY);
        ASSERT_GE(far, 0);
        dialogs.discardQuestions.clear();
        auto viewer = ViewerOnLine(line);
        ASSERT_NE(viewer->worker, nullptr);
        ASSERT_TRUE(FirstLineComesThrough(far, *viewer));
        const int before = viewer->pieceList()->count();
        const QByteArray readyBytes = viewer->captureText;
        const QByteArray report = "Tree 0001\r\nTree 0002\r\nLAST LINE WITHOUT NEWLINE";
        ASSERT_EQ(::write(far, report.data(), report.size()), report.size());
        ASSERT_TRUE(EventuallyTrue([&] { return viewer->captureText == readyBytes + report; }));
        ASSERT_EQ(viewer->pieceList()->count(), before + 3);
        EXPECT_EQ(viewer->pieceList()->item(before + 2)->text(),
                  QStringLiteral("LAST LINE WITHOUT NEWLINE"));
        EXPECT_TRUE(viewer->pieceList()->hasFocus());

        const auto closeBy = [&] {
            if (way == 0) QTest::keyClick(viewer.get(), Qt::Key_Escape);
            if (way == 1) viewer->close();
            if (way == 2) QTest::mouseClick(Button(*viewer, "doneButton"), Qt::LeftButton);
        };
        dialogs.discardAnswer = false;
        closeBy();
        if (way == 2) {
            EXPECT_TRUE(dialogs.discardQuestions.isEmpty());
            EXPECT_EQ(viewer->result(), QDialog::Accepted);
            EXPECT_TRUE(viewer->worker->isFinished());
        } else {
            EXPECT_EQ(dialogs.discardQuestions.size(), 1) << way;
            EXPECT_TRUE(viewer->isVisible()) << way;
            EXPECT_EQ(viewer->captureText, readyBytes + report);
            dialogs.discardAnswer = true;
            closeBy();
            EXPECT_FALSE(viewer->isVisible()) << way;
            EXPECT_EQ(viewer->result(), QDialog::Rejected);
        }
        EXPECT_EQ(viewer->captureText, readyBytes + report);
        ::close(far);
    }
    // Nothing captured: Escape closes without a question.
    dialogs.discardQuestions.clear();
    auto empty = Viewer();
    empty->show();
    QTest::keyClick(empty.get(), Qt::Key_Escape);
    EXPECT_FALSE(empty->isVisible());
    EXPECT_TRUE(dialogs.discardQuestions.isEmpty());
}

// The adapter unplugged during a capture: the viewer keeps its text and its
// title says it waits for the caliper; plugged in again under the same
// link, what the caliper prints next is added, byte for byte, and Done
// keeps the whole.
TEST_F(AsciiViewerTest, AnUnpluggedAdapterKeepsTheTextAndTheCaptureGoesOnWhenItIsBack) {
    QTemporaryDir links;
    linesim::Options options;
    options.linkA = links.filePath(QStringLiteral("caliper")).toStdString();
    linesim::LineSim line(options);
    ASSERT_TRUE(line.IsRunning()) << line.Error();
    const int far = ::open(line.Path(linesim::LineSim::kSideB).c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(far, 0);
    auto viewer = ViewerOnLine(line);
    ASSERT_NE(viewer->worker, nullptr);
    ASSERT_TRUE(FirstLineComesThrough(far, *viewer));
    const QByteArray before = viewer->captureText;
    const QString title = viewer->windowTitle();

    line.CloseEnd(linesim::LineSim::kSideA);
    const QString waiting = TextAt(app.TextTable, TextId::WaitingForPort);
    ASSERT_TRUE(EventuallyTrue([&] { return viewer->windowTitle().endsWith(waiting); }));
    EXPECT_EQ(viewer->captureText, before);
    EXPECT_TRUE(viewer->isVisible());
    ASSERT_TRUE(line.ReplugEnd(linesim::LineSim::kSideA)) << line.Error();
    ASSERT_TRUE(EventuallyTrue([&] { return viewer->windowTitle() == title; }));
    ASSERT_EQ(::write(far, "Gran;17.0;\r\n", 12), 12);
    ASSERT_TRUE(EventuallyTrue([&] { return viewer->captureText.size() == before.size() + 12; }));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    QTest::mouseClick(Button(*viewer, "doneButton"), Qt::LeftButton);
    EXPECT_EQ(viewer->result(), QDialog::Accepted);
    EXPECT_EQ(viewer->captureText, before + "Gran;17.0;\r\n");
    ::close(far);
}

}  // namespace
