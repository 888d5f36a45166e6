#include "app/LanguageScan.h"

#include "app/EightBit.h"
#include "app/TextTable.h"
#include "disk/SystemFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

int LanguageOfFileName(const QString& fileName) {
    const qsizetype start = fileName.size() - 7;
    if (start < 0) return -1;
    const QStringView code = QStringView(fileName).mid(start, 3);
    for (int index = 0; index < kLanguageCount; ++index) {
        if (code == QLatin1StringView(Languages()[size_t(index)].code)) return index;
    }
    return -1;
}

namespace {

std::array<bool, kLanguageCount> PresentLanguages(const QString& folder) {
    std::array<bool, kLanguageCount> present{};
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("Corvix-*.xml")});
    QDir::Filters filters = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    // Only names the files really have: the file is later opened by that name.
    if (disk::NamesDifferByCase()) filters |= QDir::CaseSensitive;
    dir.setFilter(filters);
    for (const QFileInfo& entry : dir.entryInfoList()) {
        if (entry.isDir() || entry.fileName().startsWith(u'.')) continue;
        const int index = LanguageOfFileName(entry.fileName());
        if (index >= 0) present[size_t(index)] = true;
    }
    return present;
}

}  // namespace

LanguageScanResult ScanLanguageFiles(const QString& folder, int language,
                                     const QStringList& table) {
    LanguageScanResult result;
    result.present = PresentLanguages(folder);
    const bool chosenPresent =
        language >= 0 && language < kLanguageCount && result.present[size_t(language)];
    if (!result.present[kEnglish]) {
        result.templateWritten = WriteEnglishTemplate(folder + LanguageFileName(kEnglish), table);
        result.present[kEnglish] = result.templateWritten;
    }
    result.language = chosenPresent ? language : kEnglish;
    return result;
}

namespace {

// `text` as an attribute value between double quotes: a raw & or < would
// leave a file that cannot be read, and a raw line break reads as a blank.
QByteArray EscapedValue(const QByteArray& text) {
    QByteArray escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\t':
                escaped += "&#9;";
                break;
            case '\n':
                escaped += "&#10;";
                break;
            case '\r':
                escaped += "&#13;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

}  // namespace

QByteArray EnglishTemplate(const QStringList& table) {
    QByteArray bytes =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
        "<resource CompactMode=\"1\" Langauage=\"English\">\n";
    for (qsizetype id = 1; id < table.size(); ++id) {
        // An identifier no text uses yet has no line: an empty text is none.
        if (table[id].isEmpty()) continue;
        bytes += "<string id=\"" + QByteArray::number(id) + "\" value=\"" +
                 EscapedValue(ToEightBit(table[id])) + "\"/>\n";
    }
    bytes += "</resource>\n";
    return bytes;
}

bool WriteEnglishTemplate(const QString& path, const QStringList& table) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = EnglishTemplate(table);
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFile::NoError;
}
