#include "app/LanguageFile.h"

#include "app/LeadingNumber.h"
#include "app/TextTable.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

void MergeLanguageNode(const QXmlStreamAttributes& attributes, QStringList& table) {
    const int id = attributes.isEmpty() ? -1 : LeadingNumber(attributes[0].value());
    const QStringView text = attributes.size() > 1 ? attributes[1].value() : QStringView();
    if (id < 0 || id > kMaxTextId || text.isEmpty() || text.size() > kMaxTextLength) return;
    while (table.size() <= id)
        table.append(QString());
    table[id] = text.toString();
}

namespace {

QString ParseErrorText(const QXmlStreamReader& reader) {
    return QString::asprintf(
               "Error 0x%.8X on line %d, position %d\r\nReason: ", unsigned(reader.error()),
               int(reader.lineNumber()), int(reader.columnNumber())) +
           reader.errorString();
}

// Merges every element below the root into `table`. Returns false when the
// document is not well formed; `hasRoot` tells whether a root element came.
bool MergeDocument(QXmlStreamReader& reader, QStringList& table, bool& hasRoot) {
    int depth = 0;
    hasRoot = false;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (depth > 0) MergeLanguageNode(reader.attributes(), table);
            hasRoot = true;
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return !reader.hasError();
}

// `table` with the English texts again from identifier kEnglishTextCount on:
// a file that lacks the newer messages leaves them English, not in the
// language read before it.
QStringList WithEnglishMessages(QStringList table) {
    const QStringList english = EnglishTexts();
    for (qsizetype id = kEnglishTextCount; id < table.size(); ++id)
        table[id] = TextAt(english, int(id));
    while (table.size() < english.size())
        table.append(table.size() < kEnglishTextCount ? QString() : english.at(table.size()));
    return table;
}

}  // namespace

int ReadLanguageFile(const QString& path, QStringList& table, MessageSink& messages) {
    const QString caption = QString::fromUtf16(kXmlErrorCaption);
    // Only a regular file is read: a FIFO or a terminal would block the
    // program before its window appears, a device such as /dev/zero never ends.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        messages.ShowMessage(QStringLiteral("Cannot load XML file"), caption, MessageIcon::Error);
        return 0;
    }
    QXmlStreamReader reader(&file);
    // Namespace declarations stay ordinary attributes, in the order they stand.
    reader.setNamespaceProcessing(false);
    QStringList merged = WithEnglishMessages(table);
    bool hasRoot = false;
    if (!MergeDocument(reader, merged, hasRoot)) {
        messages.ShowMessage(ParseErrorText(reader), caption, MessageIcon::Warning);
        return 0;
    }
    if (!hasRoot) {
        messages.ShowMessage(QStringLiteral("Empty document!"), caption, MessageIcon::Error);
        return 0;
    }
    table = merged;
    return 1;
}
