#include "app/CommandIds.h"
#include "app/Languages.h"

#include <gtest/gtest.h>

namespace {

// The language commands keep their thirteen ids whatever the table holds:
// the id after them is another item's, never a language's.
TEST(LanguageTable, CommandsStayInTheirRange) {
    struct Case {
        int command;
        int language;
    };
    for (const Case& c : {Case{CommandId::FirstLanguageItem, 0}, Case{32804, 6},
                          Case{CommandId::LastLanguageItem, 12}, Case{CommandId::AsciiItem, 0},
                          Case{CommandId::FirstLanguageItem - 1, 0}}) {
        EXPECT_EQ(LanguageForCommand(c.command), c.language) << c.command;
    }
    for (int index = 0; index < kLanguageCount; ++index) {
        const int command = LanguageCommand(index);
        EXPECT_TRUE(command == 0 || LanguageForCommand(command) == index) << index;
        EXPECT_NE(command, CommandId::AsciiItem) << index;
    }
    EXPECT_EQ(LanguageCommand(kLanguageCount), 0);
    EXPECT_EQ(LanguageCommand(13), 0);
}

}  // namespace
