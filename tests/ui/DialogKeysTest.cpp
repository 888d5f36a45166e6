// The keyboard rules of every window, driven by key presses delivered to the
// shown windows as the system delivers a user's keys: to the control that
// has the focus.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "JobWindowTestSupport.h"
#include "UiTestSupport.h"
#include "ui/BrowseForFolder.h"
#include "ui/CAboutDlg.h"
#include "ui/CAsciiDlg.h"
#include "ui/CSettingsDlg.h"
#include "ui/CStemraDlg.h"
#include "ui/CTransferDlg.h"
#include "worker/CComThread.h"

namespace {

void Press(QWidget* window, Qt::Key key) {
    QTest::keyClick(window->windowHandle(), key);
}

QString FocusName(const QWidget* window) {
    const QWidget* focus = window->focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

// Plays steps one after the other, each once the modal window of its class
// is up; a step runs from the event loop, so that a window it opens runs
// its own modal loop without holding the next steps back.
class Hand {
public:
    struct Step {
        const char* windowClass;
        std::function<void(QWidget* window)> act;
    };
    explicit Hand(QList<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
        timer_.start(20);
    }
    bool Done() const { return steps_.isEmpty(); }

private:
    void Tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (steps_.isEmpty() || modal == nullptr || !modal->isVisible() || busy_) return;
        if (!modal->inherits(steps_.first().windowClass)) return;
        busy_ = true;
        const Step step = steps_.takeFirst();
        QTimer::singleShot(0, modal, [this, step, modal] {
            busy_ = false;
            step.act(modal);
        });
    }
    QList<Step> steps_;
    QTimer timer_;
    bool busy_ = false;
};

// Tab until `target` has the focus; false when it never gets it.
bool TabTo(QWidget* window, const QWidget* target) {
    for (int i = 0; i < 10 && window->focusWidget() != target; ++i)
        Press(window, Qt::Key_Tab);
    return window->focusWidget() == target;
}

TEST(DialogKeys, EnterPressesTheFocusedButtonEscCancelsAndTheFirstControlHasTheFocus) {
    // Main window and Settings: Enter at start-up opens Settings, Esc closes
    // it; Down picks another port, Tab to Cancel and Enter keep the stored one.
    TestApp test;
    test.ports = {SystemPort(QStringLiteral("COM3")), SystemPort(QStringLiteral("COM7"), true)};
    test.app.Comport = QStringLiteral("COM3");
    test.app.Baud = 3;
    MainWindowServices services;
    services.runDialog = [](QDialog& dialog) { return dialog.exec(); };
    CStemraDlg window(test.app, std::move(services));
    QStringList focus;
    int settingsResult = -1;
    const auto enterOnFocus = [&](QWidget* w) {
        focus << FocusName(w);
        Press(w, Qt::Key_Return);
    };
    Hand hand({{"CStemraDlg", enterOnFocus},
               {"CSettingsDlg",
                [&](QWidget* w) {
                    focus << FocusName(w);
                    Press(w, Qt::Key_Escape);
                }},
               {"CStemraDlg", enterOnFocus},
               {"CSettingsDlg",
                [&](QWidget* w) {
                    Press(w, Qt::Key_Down);
                    EXPECT_EQ(w->findChild<QComboBox*>("portList")->currentIndex(), 1);
                    auto* cancel = w->findChild<QPushButton*>("cancelButton");
                    ASSERT_TRUE(TabTo(w, cancel));
                    QObject::connect(static_cast<QDialog*>(w), &QDialog::finished,
                                     [&](int r) { settingsResult = r; });
                    Press(w, Qt::Key_Return);
                }},
               {"CStemraDlg", [&](QWidget* w) { Press(w, Qt::Key_Escape); }}});
    QTimer::singleShot(10000, &window, [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->reject();
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_TRUE(hand.Done());
    EXPECT_EQ(focus.join(u','), QStringLiteral("settingsButton,portList,settingsButton"));
    EXPECT_EQ(settingsResult, QDialog::Rejected);
    EXPECT_EQ(test.app.Comport, QStringLiteral("COM3"));
    EXPECT_EQ(test.app.Baud, 3);

    // The viewer: Enter on a focused Font or Print runs that button and the
    // capture goes on; the first control is the margin; Esc cancels.
    TestLine line;
    ASSERT_TRUE(line.ok());
    PrepareApp(test.app);
    DialogRecorder recorder;
    CAsciiDlg viewer(test.app);
    viewer.dialogs = recorder.Dialogs();
    viewer.portNumber = line.port;
    viewer.baudIndex = 7;
    viewer.show();
    EXPECT_EQ(FocusName(&viewer), QStringLiteral("marginEdit"));
    int fonts = 0;
    viewer.dialogs.chooseFont = [&](QWidget*, const QFont&) {
        ++fonts;
        return std::optional<QFont>();
    };
    viewer.findChild<QPushButton*>("fontButton")->setFocus();
    Press(&viewer, Qt::Key_Return);
    viewer.findChild<QPushButton*>("printButton")->setFocus();
    Press(&viewer, Qt::Key_Return);
    EXPECT_EQ(fonts, 1);
    EXPECT_EQ(recorder.printDialogs, 1);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(EventuallyTrue([&] {
        line.Write("Tall;23.5\r\n");
        QTest::qWait(50);
        return viewer.pieceList()->count() > 0;
    })) << "the capture goes on";
    Press(&viewer, Qt::Key_Escape);
    EXPECT_FALSE(viewer.isVisible());
    EXPECT_EQ(viewer.result(), QDialog::Rejected);

    // A locked transfer window has no Esc; an unlocked one cancels with it.
    CTransferDlg transfer(test.app);
    transfer.makeWorker = [](const QStringList&) { return std::unique_ptr<CComThread>(); };
    transfer.show();
    EXPECT_EQ(FocusName(&transfer), QStringLiteral("cancelButton"));
    transfer.cancelLocked = 1;
    Press(&transfer, Qt::Key_Escape);
    EXPECT_TRUE(transfer.isVisible());
    transfer.cancelLocked = 0;
    Press(&transfer, Qt::Key_Escape);
    EXPECT_FALSE(transfer.isVisible());

    // The About box has no buttons: Enter ends it as OK, Esc as Cancel.
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted},
                                      std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        CAboutDlg about(test.app.TextTable);
        about.show();
        Press(&about, key);
        EXPECT_FALSE(about.isVisible());
        EXPECT_EQ(about.result(), result);
    }

    // The folder chooser: Tab to Cancel and Enter cancels; Esc cancels.
    for (const bool tabToCancel : {true, false}) {
        FolderChooserDialog chooser(nullptr, test.folder.path());
        chooser.show();
        if (tabToCancel) {
            QPushButton* cancel = nullptr;
            for (auto* button : chooser.findChildren<QPushButton*>())
                if (button->text().contains(QStringLiteral("Cancel"))) cancel = button;
            ASSERT_NE(cancel, nullptr);
            ASSERT_TRUE(TabTo(&chooser, cancel));
        }
        Press(&chooser, tabToCancel ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_FALSE(chooser.isVisible());
        EXPECT_EQ(chooser.result(), QDialog::Rejected);
    }
}

}  // namespace
