#pragma once

#include "app/Languages.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

struct LanguageScanResult {
    std::array<bool, kLanguageCount> present{};  // the Language items to enable
    bool templateWritten = false;  // "Corvix-ENG.xml" was missing and has been written
    int language = kEnglish;       // the language to check and load
};

// The language code of a folder entry's name: the three characters that
// start seven from its end, when they are one of the thirteen codes (exact
// case); -1 otherwise.
int LanguageOfFileName(const QString& fileName);

// Finds the languages whose "Corvix-XXX.xml" files are in `folder` (ending
// with a separator), skipping folders and names that begin with a dot. When
// English is missing, writes the English template from `table` there. A
// `language` whose file is missing, or that names no language, becomes English.
LanguageScanResult ScanLanguageFiles(const QString& folder, int language, const QStringList& table);

// The English template: an XML declaration, the root line, one
// <string id="N" value="TEXT"/> line for each identifier from 1 to the last
// entry of `table` (an empty entry after the 40 original ones is left out),
// and the closing line; 8-bit text, LF after every line.
// Texts are written as they are, without escaping.
QByteArray EnglishTemplate(const QStringList& table);

// Creates (or empties) `path` and writes the template; false when it cannot.
bool WriteEnglishTemplate(const QString& path, const QStringList& table);
