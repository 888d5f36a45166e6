#include "AppTestSupport.h"
#include "app/EightBit.h"
#include "app/LanguageFile.h"
#include "app/LanguageScan.h"
#include "app/TextTable.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>

namespace {

// The build puts the language files beside the executables.
QString ShippedFile(int index) {
    return QCoreApplication::applicationDirPath() + QDir::separator() + LanguageFileName(index);
}

TEST(ShippedLanguages, EveryFileDefinesAllTextsInItsOwnWords) {
    for (int index = 0; index < kLanguageCount; ++index) {
        SCOPED_TRACE(LanguageFileName(index).toStdString());
        QStringList table(kEnglishTextCount);
        RecordingSink sink;
        ASSERT_EQ(ReadLanguageFile(ShippedFile(index), table, sink), 1);
        EXPECT_TRUE(sink.shown.isEmpty());
        ASSERT_EQ(table.size(), EnglishTexts().size());
        EXPECT_TRUE(table[0].isEmpty());
        for (int id = 1; id < table.size(); ++id) {
            // Identifiers are given in ranges: one that no text uses yet stays empty.
            if (EnglishTexts()[id].isEmpty()) continue;
            EXPECT_FALSE(table[id].trimmed().isEmpty()) << id;
            EXPECT_FALSE(table[id].contains(u'&')) << id;
        }
        // A translation, not a copy: at most a tenth are the English texts.
        if (index != kEnglish) {
            int same = 0;
            for (int id = 1; id < table.size(); ++id)
                same += !table[id].isEmpty() && table[id] == EnglishTexts()[id];
            EXPECT_LT(same, 10);
            EXPECT_LE(same * 10, table.size());
        }
    }
}

TEST(ShippedLanguages, EnglishIsTheTemplate) {
    EXPECT_EQ(ReadBytes(ShippedFile(kEnglish)), EnglishTemplate(EnglishTexts()));
}

TEST(ShippedLanguages, EachDeclaresAnEncodingItsLettersFit) {
    for (int index = 0; index < kLanguageCount; ++index) {
        const QByteArray bytes = ReadBytes(ShippedFile(index));
        const bool latin1 = bytes.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n");
        const bool utf8 = bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
        EXPECT_TRUE(latin1 || utf8) << index;
        if (utf8) {
            EXPECT_TRUE(QString::fromUtf8(bytes).toUtf8() == bytes) << index;
        }
    }
}

TEST(EightBit, WesternEuropeanBytesBecomeTheirLetters) {
    EXPECT_EQ(FromEightBit(QByteArray("\xC5", 1)), QString::fromUtf8("Å"));
    EXPECT_EQ(ToEightBit(QString::fromUtf8("Å")), QByteArray("\xC5", 1));
    EXPECT_EQ(FromEightBit("\x80 \xE4"), QString::fromUtf8("€ ä"));
    EXPECT_EQ(ToEightBit(QString::fromUtf8("Ω")), "?");
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    EXPECT_EQ(ToEightBit(FromEightBit(all)), all);
}

}  // namespace
