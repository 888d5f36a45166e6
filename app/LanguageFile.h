#pragma once

#include "app/MessageSink.h"

#include <QString>
#include <QStringList>
#include <QXmlStreamAttributes>

// Caption of every message of language-file loading.
inline constexpr char16_t kXmlErrorCaption[] = u"Error Loading XML";

// Identifiers above this are ignored: a file cannot make the table grow
// without bound.
inline constexpr int kMaxTextId = 9999;

// Texts longer than this are ignored: no label or message needs more, and
// the main window widens itself to fit its button texts.
inline constexpr int kMaxTextLength = 1000;

// Merges one element: its first attribute is the identifier (a decimal
// number, see LeadingNumber), its second the text; later ones are ignored.
// No attributes count as identifier -1. An identifier below 0 or above
// kMaxTextId, or a text that is empty or longer than kMaxTextLength, leaves
// the table alone; otherwise the text is stored, the table growing with
// empty entries as needed.
void MergeLanguageNode(const QXmlStreamAttributes& attributes, QStringList& table);

// Reads one language file (a regular file; anything else counts as one that
// cannot be loaded) and merges every element below its root element,
// at any depth, parent before children, in document order. The messages from
// identifier kEnglishTextCount on start from English, so those the file
// lacks are English whatever was read before; the others keep their texts.
// Returns 1 on success. On failure reports one message to `messages` and returns 0;
// `table` is then unchanged.
int ReadLanguageFile(const QString& path, QStringList& table, MessageSink& messages);
