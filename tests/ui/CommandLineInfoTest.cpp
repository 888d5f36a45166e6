// The program's own --help and --version, run as a script would run them:
// the answer on standard output, nothing else touched.

#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

TEST(CommandLineInfo, HelpVersionAndUnknownOptionsAnswerAndTouchNothing) {
    struct Case {
        QStringList arguments;
        int status;
        const char* out;
        const char* err;
    };
    const Case cases[] = {
        {{"--help"}, 0, "Usage: Corvix [PORT] [BAUDrate] [KERMIT] [FOLDER | FILE]\n", ""},
        {{"COM3", "-h"}, 0, "Usage: Corvix ", ""},
        {{"--version"}, 0, "Corvix " CORVIX_VERSION_FOR_TESTS "\n", ""},
        {{"--bogus"}, 2, "", "Corvix: unknown option '--bogus'\nTry 'Corvix --help'.\n"},
    };
    for (const Case& c : cases) {
        QTemporaryDir machine;
        QProcess corvix;
        corvix.setProcessEnvironment(ProgramEnvironmentIn(machine));
        corvix.setWorkingDirectory(machine.path());
        corvix.start(QStringLiteral(CORVIX_EXECUTABLE), c.arguments);
        ASSERT_TRUE(corvix.waitForFinished(15000)) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(corvix.exitCode(), c.status);
        // Windows writes its line ends as CR LF.
        const QString out = QString::fromLocal8Bit(corvix.readAllStandardOutput()).remove(u'\r');
        const QString err = QString::fromLocal8Bit(corvix.readAllStandardError()).remove(u'\r');
        EXPECT_TRUE((out + QLatin1Char('|')).startsWith(QLatin1String(c.out)))
            << c.arguments.join(' ').toStdString() << ": " << out.toStdString();
        if (*c.out == '\0') {
            EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        }
        // Nothing of its own on standard error where none is expected (Qt
        // may warn there of the environment).
        if (*c.err == '\0') {
            EXPECT_FALSE(err.contains(QLatin1String("Corvix"))) << err.toStdString();
        } else {
            EXPECT_TRUE(err.endsWith(QLatin1String(c.err))) << err.toStdString();
        }
        // No settings written, no folder named after the option, no file made.
        EXPECT_EQ(QDir(machine.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList());
    }
}

}  // namespace
