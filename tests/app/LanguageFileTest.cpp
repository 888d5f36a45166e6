#include "AppTestSupport.h"
#include "app/AppCore.h"
#include "app/LanguageFile.h"
#include "app/Languages.h"
#include "app/TextTable.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QRegularExpression>

namespace {

const QByteArray kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

class LanguageFile : public ::testing::Test {
protected:
    // Writes `bytes` as a file of the folder and reads it into `table`.
    int Load(const QByteArray& bytes, const QString& name = QStringLiteral("Corvix-DEU.xml")) {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(WriteBytes(path, bytes));
        return ReadLanguageFile(path, table, sink);
    }

    QTemporaryDir folder;
    QStringList table = EnglishTexts();
    RecordingSink sink;
};

TEST_F(LanguageFile, AttributesCountByPositionNotByName) {
    ASSERT_EQ(Load(kHeader + "<r><string id=\"17\" value=\"Hilfe\"/>"
                             "<x b=\"7\" a=\"Beenden\"/><y value=\"Nix\" id=\"8\"/></r>"),
              1);
    EXPECT_EQ(table[17], "Hilfe");
    EXPECT_EQ(table[7], "Beenden");
    EXPECT_EQ(table[8], "Communication");  // "Nix" is no number: "8" went to entry 0
    EXPECT_EQ(table[0], "8");
    EXPECT_TRUE(sink.shown.isEmpty());
}

TEST_F(LanguageFile, IdentifiersAreReadLikeNumbersWithBlanksAndSign) {
    ASSERT_EQ(Load(kHeader + "<r><s id=\"  +12abc\" v=\"Zwoelf\"/><s id=\"-1\" v=\"minus\"/>"
                             "<s id=\"-7\" v=\"below\"/><s id=\"99999999999\" v=\"huge\"/>"
                             "<s id=\"3\" v=\"\"/><s/><s id=\"4\"/></r>"),
              1);
    QStringList expected = EnglishTexts();
    expected[12] = "Zwoelf";
    EXPECT_EQ(table, expected);
}

TEST_F(LanguageFile, AHighIdentifierGrowsTheTableWithEmptyEntries) {
    ASSERT_EQ(Load(kHeader + "<resource><string id=\"999\" value=\"extra\"/></resource>"), 1);
    ASSERT_EQ(table.size(), 1000);
    for (int id = 995; id <= 998; ++id)
        EXPECT_TRUE(table[id].isEmpty()) << id;
    EXPECT_EQ(table[999], "extra");
}

TEST_F(LanguageFile, NestedElementsAreEntriesAndThirdAttributesAreIgnored) {
    ASSERT_EQ(Load(kHeader + "<resource lang=\"x\"><group id=\"10\" value=\"Gruppe\" note=\"n\">"
                             "text<child id=\"11\" value=\"Kind\"><!-- c -->"
                             "<grandchild id=\"10\" value=\"Enkel\"/></child></group>"
                             "</resource>"),
              1);
    EXPECT_EQ(table[10], "Enkel");  // parent first, so the later descendant wins
    EXPECT_EQ(table[11], "Kind");
}

TEST_F(LanguageFile, TheRootItselfIsNeverRead) {
    ASSERT_EQ(Load(kHeader + "<resource id=\"1\" value=\"Root\"></resource>"), 1);
    EXPECT_EQ(table, EnglishTexts());
}

TEST_F(LanguageFile, TheDeclaredEncodingIsHonoured) {
    ASSERT_EQ(Load("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                   "<r><s id=\"16\" value=\"Spr\xe5k\"/></r>"),
              1);
    EXPECT_EQ(table[16], QString::fromUtf8("Språk"));
    ASSERT_EQ(Load(kHeader + "<r><s id=\"16\" value=\"Язык &amp; &#x3A9;\"/></r>"), 1);
    EXPECT_EQ(table[16], QString::fromUtf8("Язык & Ω"));
    // UTF-16 without a declaration or byte order mark is recognised too.
    const QString utf16 = QString::fromUtf8("<r><s id=\"16\" value=\"Jęzik\"/></r>");
    ASSERT_EQ(Load(QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2)), 1);
    EXPECT_EQ(table[16], QString::fromUtf8("Jęzik"));
}

// Files far beyond any real language file load in bounded space: the table
// keeps its size, and a text no label could show is left out.
TEST_F(LanguageFile, HugeAndDeeplyNestedFilesLoadWithoutGrowingTheTable) {
    QByteArray many = kHeader + "<r>";
    for (int i = 0; i < 100000; ++i)
        many += "<s id=\"" + QByteArray::number(i % 40 + 1) + "\" value=\"Text " +
                QByteArray::number(i) + "\"/>\n";
    ASSERT_EQ(Load(many + "</r>"), 1);
    ASSERT_EQ(table.size(), EnglishTexts().size());
    EXPECT_EQ(table[40], "Text 99999");

    table = EnglishTexts();
    const QByteArray longest(kMaxTextLength, 'L');
    ASSERT_EQ(
        Load(kHeader + "<r><s id=\"1\" value=\"" + QByteArray(4 << 20, 'x') + "\"/>" +
             "<s id=\"2\" value=\"" + longest + "x\"/><s id=\"3\" value=\"" + longest + "\"/></r>"),
        1);
    EXPECT_EQ(table[1], "Settings");
    EXPECT_EQ(table[2], "Load program");
    EXPECT_EQ(table[3], QString::fromLatin1(longest));

    QByteArray deep = kHeader + "<r>";
    for (int i = 0; i < 100000; ++i)
        deep += "<a id=\"16\" v=\"" + QByteArray::number(i) + "\">";
    for (int i = 0; i < 100000; ++i)
        deep += "</a>";
    ASSERT_EQ(Load(deep + "</r>"), 1);
    EXPECT_EQ(table[16], "99999");
    EXPECT_TRUE(sink.shown.isEmpty());
}

// Whatever a file is instead of a usable language file, it is one message
// and no change: an encoding the parser does not know, binary bytes, a
// wrong encoding declared, entities that expand without bound or reach
// outside the file.
TEST_F(LanguageFile, FilesThatAreNoUsableXmlAreOneMessageAndChangeNothing) {
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919 + 13) & 0xff);
    QByteArray laughs = "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a0 \"ha\">";
    for (int i = 1; i < 12; ++i) {
        QByteArray ten;
        for (int j = 0; j < 10; ++j)
            ten += "&a" + QByteArray::number(i - 1) + ";";
        laughs += "<!ENTITY a" + QByteArray::number(i) + " \"" + ten + "\">";
    }
    const QByteArray entry = "<r><s id=\"16\" value=\"Neu\"/><s id=\"17\" value=\"&a11;\"/></r>";
    const QList<QByteArray> files = {
        "<?xml version=\"1.0\" encoding=\"x-corvix-none\"?>\n" + entry,
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n" + entry,
        garbage,
        QByteArray(100, '\0'),
        laughs + "]>" + entry,
        "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a11 SYSTEM \"file:///etc/hostname\">]>" +
            entry,
    };
    for (const QByteArray& bytes : files) {
        sink.shown.clear();
        EXPECT_EQ(Load(bytes), 0) << bytes.left(60).toStdString();
        EXPECT_EQ(table, EnglishTexts());
        ASSERT_EQ(sink.shown.size(), 1);
        EXPECT_EQ(sink.shown[0].caption, "Error Loading XML");
        EXPECT_TRUE(sink.shown[0].text.startsWith("Error 0x")) << sink.shown[0].text.toStdString();
    }
}

TEST_F(LanguageFile, AMalformedFileIsReportedAndChangesNothing) {
    ASSERT_EQ(Load(kHeader + "<resource>\n<string id=\"1\" value=\"Neu\"/>\n<open>\n</resource>\n"),
              0);
    EXPECT_EQ(table, EnglishTexts());
    ASSERT_EQ(sink.shown.size(), 1);
    EXPECT_EQ(sink.shown[0].caption, "Error Loading XML");
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Warning);
    const QRegularExpression form(
        QStringLiteral("^Error 0x[0-9A-F]{8} on line (\\d+), position (\\d+)\r\nReason: .+$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = form.match(sink.shown[0].text);
    ASSERT_TRUE(match.hasMatch()) << sink.shown[0].text.toStdString();
    EXPECT_EQ(match.captured(1).toInt(), 5);
}

TEST_F(LanguageFile, AMissingFileIsReported) {
    EXPECT_EQ(ReadLanguageFile(folder.filePath("none.xml"), table, sink), 0);
    ASSERT_EQ(sink.shown.size(), 1);
    EXPECT_EQ(sink.shown[0].text, "Cannot load XML file");
    EXPECT_EQ(sink.shown[0].caption, "Error Loading XML");
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(ReadLanguageFile(folder.path(), table, sink), 0);  // a folder is no file either
}

TEST_F(LanguageFile, AnEmptyFileIsNotWellFormed) {
    EXPECT_EQ(Load(""), 0);
    ASSERT_EQ(sink.shown.size(), 1);
    EXPECT_TRUE(sink.shown[0].text.startsWith("Error 0x")) << sink.shown[0].text.toStdString();
}

TEST(LanguageSwitch, MissingIdentifiersKeepThePreviousLanguagesText) {
    QTemporaryDir folder;
    RecordingSink sink;
    AppCore app;
    app.messageSink = &sink;
    app.ProgramFolder = folder.path() + QDir::separator();
    app.TextTable = EnglishTexts();
    ASSERT_TRUE(WriteBytes(folder.filePath("Corvix-DEU.xml"),
                           kHeader + "<r><s id=\"16\" value=\"Sprache\"/>"
                                     "<s id=\"17\" value=\"Hilfe\"/>"
                                     "<s id=\"41\" value=\"Verbindung verloren.\"/></r>"));
    ASSERT_TRUE(WriteBytes(folder.filePath("Corvix-FRA.xml"),
                           kHeader + "<r><s id=\"16\" value=\"Langue\"/></r>"));
    ASSERT_TRUE(WriteBytes(folder.filePath("Corvix-SVE.xml"), kHeader + "<r><s id=\"16\""));

    EXPECT_EQ(app.OnLanguageCommand(kFirstLanguageCommand), 1);
    EXPECT_EQ(app.OnLanguageCommand(kFirstLanguageCommand + 3), 1);
    EXPECT_EQ(app.settings.Language, 3);
    EXPECT_EQ(app.TextTable[16], "Langue");
    EXPECT_EQ(app.TextTable[17], "Hilfe");
    EXPECT_EQ(app.TextTable[TextId::LineLost], EnglishTexts()[TextId::LineLost]) << "not German";

    // A failed load keeps the texts but the language still changes.
    EXPECT_EQ(app.OnLanguageCommand(kFirstLanguageCommand + 5), 0);
    EXPECT_EQ(app.settings.Language, 5);
    EXPECT_EQ(app.TextTable[16], "Langue");
    EXPECT_EQ(app.OnLanguageCommand(kFirstLanguageCommand + 12), 0);
    EXPECT_EQ(app.settings.Language, 12);
    EXPECT_EQ(sink.shown.size(), 2);

    // Commands outside the menu choose the first language.
    EXPECT_EQ(app.OnLanguageCommand(1), 1);
    EXPECT_EQ(app.settings.Language, 0);
}

}  // namespace
