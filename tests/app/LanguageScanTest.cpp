#include "AppTestSupport.h"
#include "app/AppCore.h"
#include "app/LanguageScan.h"
#include "app/Languages.h"
#include "app/TextTable.h"

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>

namespace {

const QByteArray kGerman =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
    "<resource><string id=\"16\" value=\"Sprache\"/></resource>\n";

class LanguageScan : public ::testing::Test {
protected:
    QString Folder() const { return folder.path() + QDir::separator(); }
    void Put(const QString& name, const QByteArray& bytes = kGerman) {
        ASSERT_TRUE(WriteBytes(folder.filePath(name), bytes));
    }

    QTemporaryDir folder;
};

TEST_F(LanguageScan, OnlyGermanPresentWritesTheTemplateAndFallsBackToEnglish) {
    Put("Corvix-DEU.xml");
    const LanguageScanResult result = ScanLanguageFiles(Folder(), 5, EnglishTexts());
    EXPECT_TRUE(result.templateWritten);
    EXPECT_EQ(result.language, 1);
    for (int index = 0; index < kLanguageCount; ++index) {
        EXPECT_EQ(result.present[size_t(index)], index == 0 || index == 1) << index;
    }
    EXPECT_EQ(ReadBytes(folder.filePath("Corvix-ENG.xml")), EnglishTemplate(EnglishTexts()));
}

TEST_F(LanguageScan, ThePresentChoiceIsKeptAndNothingIsWritten) {
    Put("Corvix-DEU.xml");
    Put("Corvix-ENG.xml", "kept");
    Put("Corvix-SRP.xml");
    const LanguageScanResult result = ScanLanguageFiles(Folder(), 12, EnglishTexts());
    EXPECT_FALSE(result.templateWritten);
    EXPECT_EQ(result.language, 12);
    EXPECT_EQ(ReadBytes(folder.filePath("Corvix-ENG.xml")), "kept");
}

TEST_F(LanguageScan, CodesAreComparedWithCaseAndOddEntriesSkipped) {
    Put("Corvix-eng.xml");
    Put("Corvix-fra.xml");
    Put("Corvix-XRUS.xml");  // the three letters before ".xml" count
    Put("Corvix-POLISH.xml");
    ASSERT_TRUE(QDir(folder.path()).mkdir("Corvix-ESP.xml"));
    Put("Corvix-MAG.txt");
    const LanguageScanResult result = ScanLanguageFiles(Folder(), 3, EnglishTexts());
    EXPECT_TRUE(result.templateWritten);
    EXPECT_EQ(result.language, 1);
    std::array<bool, kLanguageCount> expected{};
    expected[1] = expected[11] = true;
    EXPECT_EQ(result.present, expected);
    EXPECT_EQ(ReadBytes(folder.filePath("Corvix-ENG.xml")), EnglishTemplate(EnglishTexts()));
}

TEST_F(LanguageScan, AStoredLanguageOutsideTheMenuIsEnglish) {
    Put("Corvix-ENG.xml");
    EXPECT_EQ(ScanLanguageFiles(Folder(), 13, EnglishTexts()).language, 1);
    EXPECT_EQ(ScanLanguageFiles(Folder(), -2, EnglishTexts()).language, 1);
}

TEST_F(LanguageScan, AFolderWithoutWriteAccessGetsNoTemplate) {
    const LanguageScanResult result =
        ScanLanguageFiles(folder.filePath("missing") + QDir::separator(), 0, EnglishTexts());
    EXPECT_FALSE(result.templateWritten);
    EXPECT_FALSE(result.present[1]);
    EXPECT_EQ(result.language, 1);
}

TEST(EnglishTemplate, IsByteExact) {
    const QByteArray bytes = EnglishTemplate(EnglishTexts());
    const QList<QByteArray> lines = bytes.split('\n');
    // Each entry with a text, ending in LF; an id not in use has no line.
    const QStringList texts = EnglishTexts();
    const auto inUse = std::count_if(texts.begin() + kEnglishTextCount, texts.end(),
                                     [](const QString& text) { return !text.isEmpty(); });
    ASSERT_EQ(lines.size(), 44 + inUse);
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_EQ(lines[0], "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
    EXPECT_EQ(lines[1], "<resource CompactMode=\"1\" Langauage=\"English\">");
    EXPECT_EQ(lines[2], "<string id=\"1\" value=\"Settings\"/>");
    EXPECT_EQ(lines[4], "<string id=\"3\" value=\"Data to printer (4800baud)\"/>");
    EXPECT_EQ(lines[41], "<string id=\"40\" value=\"File exists, overwrite?\"/>");
    EXPECT_TRUE(lines[42].startsWith("<string id=\"41\" value=\""));
    EXPECT_EQ(lines[lines.size() - 2], "</resource>");
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_FALSE(bytes.contains("id=\"0\""));
}

TEST(EnglishTemplate, WritesTextsAsEightBitAndUpToTheLastEntry) {
    QStringList table = EnglishTexts();
    table[5] = QString::fromUtf8("Åtta & <nio> \"tio\"\nelva");
    const QByteArray last = QByteArray::number(table.size() + 1);
    table.append(QString());
    table.append("Sista");
    const QByteArray bytes = EnglishTemplate(table);
    EXPECT_TRUE(
        bytes.contains("<string id=\"5\" value=\"\xC5tta &amp; &lt;nio&gt; &quot;tio&quot;"
                       "&#10;elva\"/>\n"));
    EXPECT_TRUE(
        bytes.endsWith("\"/>\n<string id=\"" + last + "\" value=\"Sista\"/>\n</resource>\n"));
}

TEST(LanguageStart, TheWindowsScanMovesTheChoiceAndLoadsEnglish) {
    QTemporaryDir folder;
    ASSERT_TRUE(WriteBytes(folder.filePath("Corvix-DEU.xml"), kGerman));
    RecordingSink sink;
    AppCore app;
    app.messageSink = &sink;
    app.ProgramFolder = folder.path() + QDir::separator();
    app.TextTable = EnglishTexts();
    app.settings.Language = 5;
    app.ScanLanguageFiles();
    EXPECT_EQ(app.settings.Language, 1);
    EXPECT_EQ(app.OnLanguageCommand(kFirstLanguageCommand + app.settings.Language), 1);
    EXPECT_EQ(app.TextTable, EnglishTexts());
    EXPECT_TRUE(sink.shown.isEmpty());
}

}  // namespace
