#include "AppTestSupport.h"
#include "app/EightBit.h"
#include "app/LanguageFile.h"
#include "app/LanguageScan.h"
#include "app/TextTable.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

#include <map>

namespace {

// The messages from identifier kEnglishTextCount on are checked in every
// delivered file only once their translations are in: switch this on with
// them, before they are merged.
constexpr bool kNewerMessagesTranslated = true;

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
        for (int id = 1; id < kEnglishTextCount; ++id) {
            EXPECT_FALSE(table[id].trimmed().isEmpty()) << id;
            EXPECT_FALSE(table[id].contains(u'&')) << id;
        }
        // A translation, not a copy: most texts differ from the English ones.
        if (index != kEnglish) {
            int same = 0;
            for (int id = 1; id < kEnglishTextCount; ++id)
                same += table[id] == EnglishTexts()[id];
            EXPECT_LT(same, 10);
        }
    }
}

// The identifiers a file defines, in file order, with their texts.
QList<std::pair<int, QString>> Entries(const QString& path) {
    QList<std::pair<int, QString>> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return entries;
    QXmlStreamReader reader(&file);
    for (int depth = 0; !reader.atEnd();) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && depth++ > 0) {
            const QXmlStreamAttributes attributes = reader.attributes();
            if (attributes.size() >= 2)
                entries.append({attributes[0].value().toInt(), attributes[1].value().toString()});
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return entries;
}

// Every file defines what the English one does, each identifier once; at
// most a tenth of its texts are the English ones.
TEST(ShippedLanguages, EveryFileCarriesTheEnglishIdentifiersInItsOwnWords) {
    const auto checked = [](int id) { return kNewerMessagesTranslated || id < kEnglishTextCount; };
    std::map<int, QString> english;
    for (const auto& [id, text] : Entries(ShippedFile(kEnglish)))
        if (checked(id)) english[id] = text;
    ASSERT_FALSE(english.empty());
    for (int index = 0; index < kLanguageCount; ++index) {
        SCOPED_TRACE(LanguageFileName(index).toStdString());
        std::map<int, QString> texts;
        for (const auto& [id, text] : Entries(ShippedFile(index))) {
            if (!checked(id)) continue;
            EXPECT_TRUE(texts.emplace(id, text).second) << "identifier " << id << " twice";
        }
        QStringList missing, unknown;
        for (const auto& entry : english)
            if (!texts.count(entry.first)) missing << QString::number(entry.first);
        for (const auto& entry : texts)
            if (!english.count(entry.first)) unknown << QString::number(entry.first);
        EXPECT_TRUE(missing.isEmpty()) << "missing " << missing.join(u' ').toStdString();
        EXPECT_TRUE(unknown.isEmpty()) << "not in English " << unknown.join(u' ').toStdString();
        if (index == kEnglish || !kNewerMessagesTranslated) continue;
        int same = 0;
        for (const auto& [id, text] : texts)
            same += text == english[id];
        EXPECT_LE(same * 10, int(texts.size())) << same << " of " << texts.size() << " are English";
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
