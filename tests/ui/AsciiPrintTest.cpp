#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/TextTable.h"
#include "ui/AsciiPrint.h"

namespace {

// Prints to a PDF file on pages exactly `lines` line heights high (at 72
// dots per inch, so a pixel is a point) and reads the text back with
// pdftotext.
class AsciiPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef Q_OS_WIN
        // Under wine a Linux pdftotext can be started but not waited for.
        GTEST_SKIP() << "the printed PDF is read back with poppler, which this build cannot run";
#endif
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            if (qEnvironmentVariableIsSet("CI")) FAIL() << "pdftotext (poppler-utils) is missing";
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        }
        font.height = -12;
        font.faceName = QStringLiteral("DejaVu Sans Mono");
    }

    void PreparePrinter(QPrinter& printer, int lines, double widthPoints) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(72);
        printer.setOutputFileName(pdf);
        const QFontMetrics metrics(FontFromLogFont(PrinterFont(), &printer), &printer);
        lineHeight = metrics.height() + std::max(0, metrics.leading());
        maxWidth = metrics.maxWidth();
        averageWidth = metrics.averageCharWidth();
        const QSizeF size(widthPoints, lines * lineHeight + lineHeight / 2.0);
        printer.setPageLayout(QPageLayout(QPageSize(size, QPageSize::Point), QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0)));
    }

    LogFont PrinterFont() const {
        return font;
    }  // screen height -12 is 12 points

    PrintResult Print(const QByteArray& text, int lines = 10, double width = 400, int margin = 0) {
        QPrinter printer(QPrinter::HighResolution);
        PreparePrinter(printer, lines, width);
        return PrintCapture(printer, {text, font, -12, margin});
    }

    int Pages() {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished();
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(out);
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }

    // The non-empty lines of one page.
    QStringList PageLines(int page, const QStringList& extra = {}) {
        QProcess text;
        QStringList args{QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                         QStringLiteral("-l"), QString::number(page)};
        args << extra << pdf << QStringLiteral("-");
        text.start(QStringLiteral("pdftotext"), args);
        text.waitForFinished();
        QStringList lines;
        for (const QString& line : QString::fromUtf8(text.readAllStandardOutput()).split('\n')) {
            const QString trimmed = line.trimmed().remove(QLatin1Char('\f'));
            if (!trimmed.isEmpty()) lines << trimmed;
        }
        return lines;
    }

    // Each word on page 1 with its left edge, in points.
    QList<QPair<QString, double>> Words() {
        QList<QPair<QString, double>> words;
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        for (const QString& line : PageLines(1, {QStringLiteral("-bbox")})) {
            const auto m = word.match(line);
            if (m.hasMatch()) words.append({m.captured(2), m.captured(1).toDouble()});
        }
        return words;
    }

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("capture.pdf"));
    LogFont font;
    int lineHeight = 0;
    int maxWidth = 0;
    int averageWidth = 0;
};

QByteArray NumberedLines(int count) {
    QByteArray text;
    for (int n = 1; n <= count; ++n)
        text += "Line " + QByteArray::number(n) + "\r\n";
    return text;
}

TEST_F(AsciiPrintTest, EmptyCapturePrintsOneBlankPage) {
    ASSERT_EQ(Print(""), PrintResult::Printed);
    EXPECT_EQ(Pages(), 1);
    EXPECT_TRUE(PageLines(1).isEmpty());
}

TEST_F(AsciiPrintTest, PageOfTenLineHeightsHoldsNineLines) {
    ASSERT_EQ(Print(NumberedLines(20)), PrintResult::Printed);
    ASSERT_EQ(Pages(), 3);
    const QStringList first = PageLines(1);
    ASSERT_EQ(first.size(), 9);
    EXPECT_EQ(first.first(), QStringLiteral("Line 1"));
    EXPECT_EQ(first.last(), QStringLiteral("Line 9"));
    EXPECT_EQ(PageLines(2).size(), 9);
    EXPECT_EQ(PageLines(3), (QStringList{QStringLiteral("Line 19"), QStringLiteral("Line 20")}));
}

TEST_F(AsciiPrintTest, FormFeedEndsThePage) {
    // After a line end, and in the middle of a line.
    ASSERT_EQ(Print("Stand 1\r\nPlot 4\r\n\fStand 2\r\ntail\fnext\r\n"), PrintResult::Printed);
    ASSERT_EQ(Pages(), 3);
    EXPECT_EQ(PageLines(1), (QStringList{QStringLiteral("Stand 1"), QStringLiteral("Plot 4")}));
    EXPECT_EQ(PageLines(2), (QStringList{QStringLiteral("Stand 2"), QStringLiteral("tail")}));
    EXPECT_EQ(PageLines(3), QStringList{QStringLiteral("next")});
}

TEST_F(AsciiPrintTest, LongLineWrapsBetweenCharactersAndLosesNone) {
    const QByteArray digits = "0123456789012345678901234567890123456789";
    // The long line starts the second page, where a wrapped line once lost a
    // character.
    ASSERT_EQ(Print(NumberedLines(9) + digits + "\r\n", 10, 150), PrintResult::Printed);
    ASSERT_EQ(Pages(), 2);
    const QStringList lines = PageLines(2);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.join(QString()), QString::fromLatin1(digits));
    for (const QString& line : lines)
        EXPECT_LT(line.size(), digits.size());
}

TEST_F(AsciiPrintTest, MarginMovesTheTextByWidestCharacters) {
    const auto left = [this](int margin) {
        EXPECT_EQ(Print("Tree 0001\r\n", 10, 400, margin), PrintResult::Printed);
        const auto words = Words();
        return words.isEmpty() ? -1.0 : words.first().second;
    };
    const double none = left(0);
    const double two = left(2);
    ASSERT_GE(none, 0.0);
    EXPECT_LT(none, 1.0);
    EXPECT_NEAR(two - none, 2.0 * maxWidth, 1.0);
}

TEST_F(AsciiPrintTest, WesternEuropeanLettersPrint) {
    ASSERT_EQ(Print("Gran \xC5lder \xD6st\r\n"), PrintResult::Printed);
    EXPECT_EQ(PageLines(1), QStringList{QStringLiteral("Gran \u00C5lder \u00D6st")});
}

TEST_F(AsciiPrintTest, TabsExpandToEightCharacterColumns) {
    ASSERT_EQ(Print("a\tb\r\nabcdefgh\tc\r\n"), PrintResult::Printed);
    const auto words = Words();
    ASSERT_EQ(words.size(), 4);
    EXPECT_EQ(words[1].first, QStringLiteral("b"));
    EXPECT_NEAR(words[1].second, 8.0 * averageWidth, 1.0);
    EXPECT_EQ(words[3].first, QStringLiteral("c"));
    EXPECT_NEAR(words[3].second, 16.0 * averageWidth, 1.0);
}

TEST_F(AsciiPrintTest, RefusesWhenNotEvenOneCharacterFits) {
    EXPECT_EQ(Print("abc\r\n", 10, 400, 1000), PrintResult::NothingFits);
    EXPECT_EQ(Print("abc\r\n", 10, 5), PrintResult::NothingFits);
    EXPECT_EQ(Print("abc\r\n", 1), PrintResult::NothingFits) << "no room for a single line";
    EXPECT_FALSE(PrintResultText(PrintResult::NothingFits, EnglishTexts()).isEmpty());
}

// Twenty lines fill three pages of nine: the dialog's range, order and copies are
// kept (a PDF makes no copies itself); a range with no page in it prints nothing.
TEST_F(AsciiPrintTest, OnlyThePagesAskedForArePrintedInTheirOrderAndCopies) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, 10, 400);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    printer.setPageOrder(QPrinter::LastPageFirst);
    printer.setCopyCount(2);
    printer.setCollateCopies(true);
    ASSERT_EQ(PrintCapture(printer, {NumberedLines(20), font, -12, 0}), PrintResult::Printed);
    QStringList firstLines;
    for (int page = 1; page <= Pages(); ++page)
        firstLines << PageLines(page).value(0);
    EXPECT_EQ(firstLines, (QStringList{"Line 19", "Line 10", "Line 19", "Line 10"}));

    ASSERT_TRUE(QFile::remove(pdf));
    printer.setFromTo(4, 5);
    EXPECT_EQ(PrintCapture(printer, {NumberedLines(20), font, -12, 0}), PrintResult::NoPageInRange);
    EXPECT_FALSE(QFile::exists(pdf));
}

// The walk itself, with one unit of width per character.
TEST(CaptureLayout, LinesAndPagesByCharacterCount) {
    const LineMeasure count = [](const QString& line) {
        return static_cast<int>(QString(line).remove('\r').remove('\n').size());
    };
    const auto pages = LayOutCapture("ab\r\n\r\ncdefg\n\n", 3, 4, count);
    ASSERT_TRUE(pages.has_value());
    ASSERT_EQ(pages->size(), 2);
    EXPECT_EQ((*pages)[0], (QStringList{"ab\r", "\r", "cde"}));
    EXPECT_EQ((*pages)[1], (QStringList{"fg", ""}));
    EXPECT_FALSE(LayOutCapture("x", 3, 1, count).has_value());
    EXPECT_EQ(LayOutCapture("", 3, 4, count)->size(), 1);
}

// A form feed ends its page but never costs an empty sheet of its own: not on
// a full page, not at the end; two in a row still leave one blank page.
TEST(CaptureLayout, FormFeedsAtTwoLinesAPage) {
    const LineMeasure count = [](const QString& line) { return static_cast<int>(line.size()); };
    using Pages = QList<QStringList>;
    EXPECT_EQ(LayOutCapture("a\nb\nc\fd\n", 2, 80, count), Pages({{"a", "b"}, {"c"}, {"d"}}));
    EXPECT_EQ(LayOutCapture("a\nb\n\fc\n", 2, 80, count), Pages({{"a", "b"}, {"c"}}));
    EXPECT_EQ(LayOutCapture("a\nb\n\f", 2, 80, count), Pages({{"a", "b"}}));
    EXPECT_EQ(LayOutCapture("a\f\fb", 2, 80, count), Pages({{"a"}, {}, {"b"}}));
}

}  // namespace
