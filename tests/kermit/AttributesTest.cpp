// The attribute packet's data field and its answer, both ways.
#include <gtest/gtest.h>

#include <string>

#include "kermit/Attributes.h"

namespace {

using kermit::FileAttributes;
using kermit::FileDate;

FileAttributes Parse(const std::string& field, FileAttributes start = {}) {
    kermit::ParseAttributes(reinterpret_cast<const std::uint8_t*>(field.data()),
                            static_cast<int>(field.size()), start);
    return start;
}

kermit::AttributeAnswer Answer(const std::string& field) {
    return kermit::ParseAttributeAnswer(reinterpret_cast<const std::uint8_t*>(field.data()),
                                        static_cast<int>(field.size()));
}

// What this side builds reads back whole; what C-Kermit sends (its packet
// log) reads as it meant it; the short date forms and the answers too.
TEST(Attributes, RoundTripAndThePeersOwnFields) {
    FileAttributes sent;
    sent.type = FileAttributes::Type::Binary;
    sent.date = FileDate{2024, 2, 29, 23, 59, 58};
    sent.length = 1099511627776ULL;
    sent.lengthK = 1073741824ULL;
    const std::string field = kermit::BuildAttributes(sent, 90);
    EXPECT_EQ(field, "\"\"B8#120240229 23:59:58!*10737418241-1099511627776");
    const FileAttributes read = Parse(field);
    EXPECT_EQ(read.type, FileAttributes::Type::Binary);
    EXPECT_EQ(read.date, sent.date);
    EXPECT_EQ(read.length, sent.length);
    EXPECT_EQ(read.lengthK, sent.lengthK);
    // Too little room drops the later attributes, never cuts one.
    EXPECT_EQ(kermit::BuildAttributes(sent, 30), "\"\"B8#120240229 23:59:58");

    const FileAttributes ck = Parse("\"#AMJ*!A#120210304 05:06:07!!11\"18,#644-!3@ ");
    EXPECT_EQ(ck.type, FileAttributes::Type::Text);
    EXPECT_EQ(ck.date, (FileDate{2021, 3, 4, 5, 6, 7}));
    EXPECT_EQ(ck.length, 18u);
    EXPECT_EQ(ck.Announced(), 18u);
    EXPECT_EQ(Parse("!!5").Announced(), 5u * 1024);

    EXPECT_EQ(kermit::ParseFileDate("960131"), (FileDate{1996, 1, 31, 0, 0, 0}));
    EXPECT_EQ(kermit::ParseFileDate("210131 14:05"), (FileDate{2021, 1, 31, 14, 5, 0}));
    EXPECT_EQ(kermit::ParseFileDate("20000229"), (FileDate{2000, 2, 29, 0, 0, 0}));

    EXPECT_EQ(kermit::BuildAttributeAnswer(""), "Y");
    EXPECT_EQ(kermit::BuildAttributeAnswer("1"), "N1");
    EXPECT_TRUE(Answer("").accepted);
    EXPECT_TRUE(Answer("Y").accepted);
    EXPECT_FALSE(Answer("N!1").accepted);
    EXPECT_EQ(Answer("N!1").refusedBy, "!1");
}

// A hostile or damaged field never reads past its end and never yields a
// value it does not hold: what cannot be read is passed over, and what came
// before it stays.
TEST(Attributes, HostileFieldsAreIgnoredWhereTheyCannotBeRead) {
    FileAttributes earlier;
    earlier.length = 7;
    // A length that runs past the field's end stops the reading.
    EXPECT_EQ(Parse("1~123", earlier).length, 7u);
    // A length below zero (a control character) too.
    EXPECT_EQ(Parse(std::string("1\x1f") + "9", earlier).length, 7u);
    // Not a number, too big for 64 bits, empty.
    EXPECT_EQ(Parse("1\"1x", earlier).length, 7u);
    EXPECT_EQ(Parse("1420000000000000000000", earlier).length, 7u);
    EXPECT_EQ(Parse("1 ", earlier).length, 7u);
    EXPECT_EQ(Parse("1418446744073709551615").length, 18446744073709551615ULL);
    // K too big to be counted in bytes announces nothing.
    EXPECT_FALSE(Parse("!418446744073709551615").Announced().has_value());
    // Dates that are none.
    for (const char* bad :
         {"20211301", "20210230", "19990229", "2021010", "20210101 24:00", "20210101 12:60",
          "20210101 12:00:60", "20210101 1200", "2021-1-1", "20210101  12:00", ""})
        EXPECT_FALSE(kermit::ParseFileDate(bad).has_value()) << bad;
    EXPECT_FALSE(Parse("#(20211301").date.has_value());
    // Unknown attributes are skipped, and what follows them is read.
    const FileAttributes after = Parse("Z#abc\x7f!x1\"42");
    EXPECT_EQ(after.length, 42u);
    // A lone attribute character, an empty type: nothing changes.
    EXPECT_EQ(Parse("1", earlier).length, 7u);
    EXPECT_EQ(Parse("\" ").type, FileAttributes::Type::Unknown);
}

}  // namespace
