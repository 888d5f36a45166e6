#include "ui/AsciiPrint.h"

#include <QFontMetrics>
#include <QPageRanges>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

#include "app/EightBit.h"
#include "app/TextTable.h"

namespace {

constexpr char kLineFeed = 10;
constexpr char kFormFeed = 12;
constexpr int kTabStopChars = 8;

// The capture walk's state: the pages so far and the line being filled.
struct Walk {
    int linesPerPage = 1;
    QList<QStringList> pages{QStringList()};
    QString pending;
    int lineCount = 0;
    bool fedOut = false;  // a form feed has ended the page

    // Ends the pending line; a page that is full or fed out is ended first.
    void EndLine() {
        if (lineCount == linesPerPage || fedOut) EndPage();
        pages.last().append(pending);
        pending.clear();
        ++lineCount;
    }
    // A form feed ends the page. A new page starts only with what follows,
    // so a form feed on a full page, or at the end, costs no empty sheet;
    // a second form feed in a row still gives one.
    void FormFeed() {
        if (!pending.isEmpty()) EndLine();
        if (fedOut) EndPage();
        fedOut = true;
    }
    void EndPage() {
        lineCount = 0;
        fedOut = false;
        pages.append(QStringList());
    }
};

// The text as drawn: line-end characters left in a line take no room.
QString Printable(const QString& line) {
    QString shown = line;
    shown.remove(QLatin1Char('\r'));
    shown.remove(QLatin1Char('\n'));
    return shown;
}

// Calls `draw` for each piece of `line` between tabs with its x offset;
// returns the total width.
int WalkTabs(const QFontMetrics& metrics, const QString& line, int tabStop,
             const std::function<void(int x, const QString& piece)>& draw) {
    const QStringList pieces = Printable(line).split(QLatin1Char('\t'));
    int x = 0;
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        if (k > 0 && tabStop > 0) x = (x / tabStop + 1) * tabStop;
        if (draw) draw(x, pieces[k]);
        x += metrics.horizontalAdvance(pieces[k]);
    }
    return x;
}

// The printer's own layout numbers for one print.
struct PageGeometry {
    QRect frame;
    int lineHeight = 1;
    int linesPerPage = 0;
    int tabStop = 0;
    int ascent = 0;
};

PageGeometry GeometryFor(const QPrinter& printer, const QFontMetrics& metrics, int marginChars) {
    PageGeometry page;
    page.frame = QRect(0, 0, printer.width(), printer.height());
    if (marginChars > 0) {
        const long long shift = static_cast<long long>(marginChars) * metrics.maxWidth();
        page.frame.setLeft(static_cast<int>(std::min<long long>(shift, page.frame.right() + 1)));
    }
    page.lineHeight = std::max(1, metrics.height() + std::max(0, metrics.leading()));
    page.linesPerPage = page.frame.height() / page.lineHeight - 1;
    page.tabStop = kTabStopChars * metrics.averageCharWidth();
    page.ascent = metrics.ascent();
    return page;
}

QFont PrinterFont(const QPrinter& printer, const CapturePrint& job) {
    LogFont font = job.font;
    font.height =
        static_cast<int>(static_cast<long long>(job.screenFontHeight) * printer.logicalDpiY() / 72);
    return FontFromLogFont(font, &printer);
}

// Draws the laid-out pages in `order`; false when a further page could not
// be started.
bool DrawPages(QPrinter& printer, QPainter& painter, const QList<QStringList>& pages,
               const QList<int>& order, const PageGeometry& page) {
    const QFontMetrics metrics = painter.fontMetrics();
    for (qsizetype k = 0; k < order.size(); ++k) {
        if (k > 0 && !printer.newPage()) return false;
        int top = page.frame.top();
        for (const QString& line : pages[order[k]]) {
            WalkTabs(metrics, line, page.tabStop, [&](int x, const QString& piece) {
                painter.drawText(QPoint(page.frame.left() + x, top + page.ascent), piece);
            });
            top += page.lineHeight;
        }
    }
    return true;
}

}  // namespace

std::optional<QList<QStringList>> LayOutCapture(const QByteArray& text, int linesPerPage,
                                                int lineWidth, const LineMeasure& measure) {
    Walk walk;
    walk.linesPerPage = std::max(1, linesPerPage);
    qsizetype i = 0;
    while (i < text.size()) {
        const char byte = text[i];
        if (byte == kFormFeed) {
            walk.FormFeed();
            ++i;
            continue;
        }
        if (byte == kLineFeed) {
            walk.EndLine();
            ++i;
            continue;
        }
        const QString longer = walk.pending + FromEightBit(QByteArray(1, byte));
        if (measure(longer) >= lineWidth) {
            // Wrap between characters: this one starts the next line.
            if (walk.pending.isEmpty()) return std::nullopt;  // not even one character fits
            walk.EndLine();
            continue;
        }
        walk.pending = longer;
        ++i;
    }
    if (!walk.pending.isEmpty()) walk.EndLine();
    return walk.pages;
}

QList<int> PrintedPages(const QPrinter& printer, int pageCount) {
    const bool ranged = printer.printRange() == QPrinter::PageRange;
    const QPageRanges ranges = printer.pageRanges();
    QList<int> chosen;
    for (int number = 1; number <= pageCount; ++number) {
        if (!ranged || ranges.isEmpty() || ranges.contains(number)) chosen.append(number - 1);
    }
    if (printer.pageOrder() == QPrinter::LastPageFirst) std::reverse(chosen.begin(), chosen.end());
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    QList<int> order;
    if (printer.collateCopies()) {
        for (int copy = 0; copy < copies; ++copy)
            order += chosen;
    } else {
        for (const int index : chosen)
            order += QList<int>(copies, index);
    }
    return order;
}

PrintResult PrintCapture(QPrinter& printer, const CapturePrint& job, int* pageCount) {
    const QFont font = PrinterFont(printer, job);
    const QFontMetrics metrics(font, &printer);
    const PageGeometry page = GeometryFor(printer, metrics, job.marginChars);
    if (page.linesPerPage < 1 || page.frame.width() <= 0) return PrintResult::NothingFits;
    const auto measure = [&](const QString& line) {
        return WalkTabs(metrics, line, page.tabStop, nullptr);
    };
    const std::optional<QList<QStringList>> pages =
        LayOutCapture(job.text, page.linesPerPage, page.frame.width(), measure);
    if (!pages) return PrintResult::NothingFits;
    if (pageCount != nullptr) *pageCount = static_cast<int>(pages->size());
    const QList<int> order = PrintedPages(printer, static_cast<int>(pages->size()));
    if (order.isEmpty()) return PrintResult::NoPageInRange;

    printer.setDocName(QString::fromLatin1(kPrintDocumentName));
    QPainter painter;
    if (!painter.begin(&printer)) return PrintResult::NotStarted;
    if (printer.printerState() == QPrinter::Error) {
        printer.abort();
        painter.end();
        return PrintResult::PageNotStarted;
    }
    painter.save();
    painter.setFont(font);
    const bool drawn = DrawPages(printer, painter, *pages, order, page);
    painter.restore();
    if (!drawn) {
        printer.abort();
        painter.end();
        return PrintResult::PageNotStarted;
    }
    painter.end();
    return PrintResult::Printed;
}

QString PrintResultText(PrintResult result, const QStringList& table) {
    switch (result) {
        case PrintResult::Printed:
            return {};
        case PrintResult::NotStarted:
            return QString::fromLatin1(kPrinterInitText);
        case PrintResult::PageNotStarted:
            return QString::fromLatin1(kStartPageText);
        case PrintResult::NothingFits:
            return TextAt(table, TextId::NothingFitsOnPage);
        case PrintResult::NoPageInRange:
            break;  // the viewer says which pages, from its text table
    }
    return {};
}
