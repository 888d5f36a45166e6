#include <gtest/gtest.h>

#include "tools/corvix-caliper/Options.h"
#include "tools/corvix-caliper/Script.h"

namespace {

using caliper::Step;

TEST(CaliperScript, ReadsStepsFromOneLineOrAFileText) {
    std::vector<Step> steps;
    std::string error;
    ASSERT_TRUE(caliper::ParseScript(
        "receive; send trees.txt;print  report.txt ;get prog.m$x; text; bye; wait 0.5", steps,
        error))
        << error;
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[1].kind, Step::Kind::Send);
    EXPECT_EQ(steps[2].argument, "report.txt");
    EXPECT_EQ(steps[3].argument, "prog.m$x");
    EXPECT_EQ(steps[6].kind, Step::Kind::Wait);
    EXPECT_DOUBLE_EQ(steps[6].seconds, 0.5);
    EXPECT_EQ(caliper::StepText(steps[3]), "get prog.m$x");

    ASSERT_TRUE(
        caliper::ParseScript("# the morning round\nreceive   # from the PC\r\n\n"
                             "send plot 7.txt\n",
                             steps, error));
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[1].argument, "plot 7.txt") << "a name may hold blanks";
}

TEST(CaliperScript, RefusesMistakesWithAReason) {
    std::vector<Step> steps;
    std::string error;
    for (const char* bad : {"", " ; # nothing", "recieve", "send", "bye now", "wait", "wait soon",
                            "wait -1", "receive; get"}) {
        error.clear();
        EXPECT_FALSE(caliper::ParseScript(bad, steps, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(CaliperOptions, NeedALineAndAScriptAndUsableValues) {
    caliper::Options options;
    std::string error;
    ASSERT_TRUE(caliper::ParseOptions({"--line", "/dev/pts/9", "--baud", "4800", "--timeout", "0.5",
                                       "--retries", "3", "--qbin", "&", "receive"},
                                      options, error))
        << error;
    EXPECT_EQ(options.baud, 4800);
    EXPECT_EQ(options.timing.timeoutMs, 500);
    EXPECT_EQ(options.timing.retries, 3);
    EXPECT_EQ(options.timing.qbin, '&');
    ASSERT_EQ(options.steps.size(), 1u);

    const std::vector<std::vector<std::string>> bad = {
        {"receive"},
        {"--line", "/dev/pts/9"},
        {"--line", "/dev/pts/9", "--baud", "1234", "receive"},
        {"--line", "/dev/pts/9", "--qbin", "#", "receive"},
        {"--line", "/dev/pts/9", "--timeout", "x", "receive"},
        {"--line", "/dev/pts/9", "receive", "bye"},
        {"--line", "/dev/pts/9", "--script", "/nonexistent/script"},
        {"--line"},
    };
    for (const auto& arguments : bad) {
        caliper::Options o;
        error.clear();
        EXPECT_FALSE(caliper::ParseOptions(arguments, o, error)) << arguments.back();
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
