// The manual page of corvix-cli says what its --help says: the same options,
// and the sections a user looks for.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::set<std::string> Matches(const QString& text, const QRegularExpression& pattern) {
    std::set<std::string> found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(1).toStdString());
    return found;
}

TEST(CliManPage, ListsExactlyTheOptionsOfTheHelpAndTheUsualSections) {
    QProcess cli;
    cli.start(QStringLiteral(CORVIX_CLI_PATH), {QStringLiteral("--help")});
    ASSERT_TRUE(cli.waitForFinished(10000));
    const QString help = QString::fromLocal8Bit(cli.readAllStandardOutput());
    QFile page(QStringLiteral(CORVIX_SOURCE_DIR "/resources/linux/corvix-cli.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(page.readAll());

    // In the help an option starts its line; in the page it is the tag of a
    // .TP, its dashes escaped.
    const QRegularExpression option(QStringLiteral("^(?:\\.BI? |  )?(?:-[a-z], )?--([a-z-]+)"),
                                    QRegularExpression::MultilineOption);
    const QRegularExpression fonts(QStringLiteral("\\\\f[BIRP]"));
    QString tags;
    const QRegularExpression tag(QStringLiteral("^\\.TP\\n(.*)$"),
                                 QRegularExpression::MultilineOption);
    for (auto it = tag.globalMatch(man); it.hasNext();)
        tags += it.next().captured(1).remove(fonts).remove(u'\\') + u'\n';
    const auto inHelp = Matches(help, option);
    EXPECT_GE(inHelp.size(), 14u);
    EXPECT_EQ(inHelp, Matches(tags, option));
    for (const char* section : {".SH OPTIONS", ".SH OUTPUT", ".SH EXIT STATUS", ".SH ENVIRONMENT",
                                ".SH FILES", ".SH EXAMPLES"})
        EXPECT_TRUE(man.contains(QLatin1String(section))) << section;
    for (const char* status : {"0", "1", "2", "3", "4", "124", "129", "130", "143"})
        EXPECT_TRUE(man.contains(QStringLiteral(".TP\n.B %1\n").arg(QLatin1String(status))))
            << status;
}

}  // namespace
