#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "ui/LogFont.h"

class QPrinter;

// Printing a capture: the page walk of the ASCII viewer's Print button.

inline const char* const kPrintDocumentName = "Corvix: Ascii print";
inline const char* const kNoPrinterText = "Buy a printer!";
inline const char* const kPrinterInitText = "Printer wouldn't initalize";
inline const char* const kStartPageText = "Could not start page";
inline const char* const kMarginEntryText = "Enter an integer.";

// The width of `line` as printed: tabs expand to the next multiple of
// `tabStop`, carriage returns and line feeds take no room.
using LineMeasure = std::function<int(const QString& line)>;

// Splits `text` (8-bit, as captured) into pages of printed lines: a line
// ends at a line feed or where the next character would reach `lineWidth`
// (wrapping by character), a page after `linesPerPage` lines or at a form
// feed. The first page always exists, so an empty text gives one blank page.
// Returns nothing when a single character does not fit on a line, which
// would otherwise never end.
std::optional<QList<QStringList>> LayOutCapture(const QByteArray& text, int linesPerPage,
                                                int lineWidth, const LineMeasure& measure);

// What to print and with which font: `font` is the viewer's font; its
// height on paper is `screenFontHeight` pixels scaled as points.
struct CapturePrint {
    QByteArray text;
    LogFont font;
    int screenFontHeight = 0;
    int marginChars = 0;  // left margin in the printer font's widest characters
};

enum class PrintResult {
    Printed,
    NotStarted,      // the document could not be started
    PageNotStarted,  // a page could not be started; the document is aborted
    NothingFits,     // refused before starting: no character fits a line
    NoPageInRange,   // refused before starting: the chosen pages do not exist
};

// The laid-out pages (0-based) that go to `printer`, in the order they are
// printed: only those of the page range chosen in the print dialog, last
// first when it asks for that, and each copy when the printer does not make
// copies itself (one copy after the other when collated, else each page
// repeated). Empty when the range holds none of the `pageCount` pages.
QList<int> PrintedPages(const QPrinter& printer, int pageCount);

// Prints `job` on `printer` (already chosen and set up) as one document.
// `pageCount`, when given, receives the number of pages the capture fills.
PrintResult PrintCapture(QPrinter& printer, const CapturePrint& job, int* pageCount = nullptr);

// The message the viewer shows for `result`, from `table` where it is one
// of the text table's; empty for Printed.
QString PrintResultText(PrintResult result, const QStringList& table);
