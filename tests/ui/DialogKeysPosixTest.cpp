// The keyboard rules of every window, driven by key presses delivered to the
// shown windows as the system delivers a user's keys: to the focused control.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "JobWindowTestSupport.h"
#include "TestLinePosix.h"
#include "UiTestSupport.h"
#include "ui/BrowseForFolder.h"
#include "ui/CAboutDlg.h"
#include "ui/CAsciiDlg.h"
#include "ui/CStemraDlg.h"
#include "ui/CTransferDlg.h"
#include "worker/CComThread.h"

namespace {

void Press(QWidget* window, Qt::Key key) {
    QTest::keyClick(window->windowHandle(), key);
}

QString FocusName(const QWidget* window) {
    return window->focusWidget() ? window->focusWidget()->objectName() : QString();
}

// Tab until `target` has the focus; false when it never gets it.
bool TabTo(QWidget* window, const QWidget* target) {
    for (int i = 0; i < 10 && window->focusWidget() != target; ++i)
        Press(window, Qt::Key_Tab);
    return window->focusWidget() == target;
}

QPushButton* ButtonNamed(QWidget* window, const QString& name) {
    for (auto* button : window->findChildren<QPushButton*>())
        if (button->objectName() == name || button->text().remove(u'&') == name) return button;
    return nullptr;
}

TEST(DialogKeys, EnterPressesTheFocusedButtonEscCancelsAndTheFirstControlHasTheFocus) {
    // Main window: Enter at start-up opens Settings, whose Esc closes it; the
    // second time another port is picked, then Tab to Cancel and Enter.
    TestApp test;
    test.ports = {SystemPort(QStringLiteral("COM3")), SystemPort(QStringLiteral("COM7"), true)};
    test.app.settings.Comport = QStringLiteral("COM3");
    test.app.settings.Baud = 3;
    QStringList focus;
    MainWindowServices services;
    services.runDialog = [&](QDialog& settings) {
        settings.show();
        focus << FocusName(&settings);
        if (focus.size() == 2) {
            Press(&settings, Qt::Key_Escape);
            return settings.result();
        }
        Press(&settings, Qt::Key_Down);
        EXPECT_EQ(settings.findChild<QComboBox*>("portList")->currentIndex(), 1);
        EXPECT_TRUE(TabTo(&settings, ButtonNamed(&settings, "cancelButton")));
        Press(&settings, Qt::Key_Return);
        return settings.result();
    };
    CStemraDlg window(test.app, std::move(services));
    window.show();
    focus << FocusName(&window);
    Press(&window, Qt::Key_Return);
    Press(&window, Qt::Key_Return);
    EXPECT_EQ(focus.join(u','), QStringLiteral("settingsButton,portList,portList"));
    EXPECT_EQ(test.app.settings.Comport, QStringLiteral("COM3"));
    EXPECT_EQ(test.app.settings.Baud, 3);
    EXPECT_TRUE(window.isVisible()) << "the program goes on";
    Press(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());

    // The viewer: Enter on a focused Font or Print runs that button and the
    // capture goes on.
    TestLine line;
    ASSERT_TRUE(line.ok());
    PrepareApp(test.app);
    DialogRecorder recorder;
    CAsciiDlg viewer(test.app);
    viewer.dialogs = recorder.Dialogs();
    int fonts = 0;
    viewer.dialogs.chooseFont = [&](QWidget*, const QFont&) {
        return ++fonts, std::optional<QFont>();
    };
    viewer.job.portName = line.port;
    viewer.show();
    EXPECT_EQ(FocusName(&viewer), QStringLiteral("pieceList"));  // the text scrolls by keys
    for (const char* name : {"fontButton", "printButton"}) {
        ButtonNamed(&viewer, name)->setFocus();
        Press(&viewer, Qt::Key_Return);
    }
    EXPECT_EQ(fonts, 1);
    EXPECT_EQ(recorder.printDialogs, 1);
    EXPECT_TRUE(EventuallyTrue([&] {
        line.Write("Tall;23.5\r\n");
        QTest::qWait(50);
        return viewer.pieceList()->count() > 0;
    })) << "the capture goes on";

    // A locked transfer window has no Esc.
    CTransferDlg transfer(test.app);
    transfer.makeWorker = [](const QStringList&) { return std::unique_ptr<CComThread>(); };
    transfer.show();
    transfer.cancelLocked = true;
    Press(&transfer, Qt::Key_Escape);
    EXPECT_TRUE(transfer.isVisible());

    // The About box has no buttons: Enter ends it as OK.
    CAboutDlg about(test.app.TextTable);
    about.show();
    Press(&about, Qt::Key_Return);
    EXPECT_EQ(about.result(), QDialog::Accepted);

    // The folder chooser: Tab to Cancel and Enter cancel it.
    FolderChooserDialog chooser(nullptr, test.folder.path());
    chooser.show();
    ASSERT_TRUE(TabTo(&chooser, ButtonNamed(&chooser, QStringLiteral("Cancel"))));
    Press(&chooser, Qt::Key_Return);
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
}

}  // namespace
