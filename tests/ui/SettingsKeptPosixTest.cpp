// Settings are stored as soon as a command changes them: a run that a signal
// ends keeps what was chosen in it.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "app/CommandIds.h"
#include "app/Languages.h"
#include "ui/CSettingsDlg.h"
#include "ui/CStemraDlg.h"

namespace {

int LanguageIndex(const char* code) {
    for (int index = 0; index < kLanguageCount; ++index)
        if (std::string(Languages()[size_t(index)].code) == code) return index;
    return -1;
}

// A child process starts the program as a user would, picks a language and
// a port through the main window's commands, and is ended by SIGTERM with
// its window still open; the next start reads both back. A one-shot run
// changes nothing, however it ends.
TEST(SettingsKept, AChangeSurvivesARunEndedBySigterm) {
    const int german = LanguageIndex("DEU");
    ASSERT_GE(german, 0);
    for (const bool oneShot : {false, true}) {
        NewMachine machine;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::alarm(60);  // a child stuck on a lock some other thread held fails, never hangs
            AppCore& app = machine.app;
            app.runMainWindow = [&app, german](const CommandLineRequest& request) {
                MainWindowServices services;
                services.runDialog = [](QDialog& dialog) {
                    auto* settings = static_cast<CSettingsDlg*>(&dialog);
                    settings->portName = QStringLiteral("/dev/ttyUSB7");
                    settings->baudIndex = 5;
                    return int(QDialog::Accepted);
                };
                CStemraDlg window(app, std::move(services));
                window.commandLineRequest = request;
                window.OnCommand(CommandId::FirstLanguageItem + german);
                window.OnCommand(CommandId::SettingsItem);
                ::raise(SIGTERM);
            };
            const QStringList arguments =
                oneShot ? QStringList{QStringLiteral("COM9")} : QStringList{};
            app.InitInstance(arguments, machine.programFolder.path());
            ::_exit(3);  // SIGTERM did not end it
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;

        AppCore next;
        next.portSource = [] { return QList<PortRecord>{}; };
        next.InitInstance({}, machine.programFolder.path());
        EXPECT_EQ(next.settings.Language, oneShot ? kEnglish : german) << oneShot;
        EXPECT_EQ(next.settings.Comport, oneShot ? QString() : QStringLiteral("/dev/ttyUSB7"))
            << oneShot;
        EXPECT_EQ(next.settings.Baud, oneShot ? 3 : 5) << oneShot;
    }
}

}  // namespace
