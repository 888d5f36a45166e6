// The language-file loader and merge on any file content: it loads or it
// reports exactly one message and leaves the table as it was; the table
// never grows past the highest identifier a file may set.
#include <unistd.h>
#include <cstdlib>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "app/LanguageFile.h"

namespace {

class CountingSink : public MessageSink {
public:
    int count = 0;
    void ShowMessage(const QString& text, const QString& caption, MessageIcon) override {
        if (text.isEmpty() || caption != QString::fromUtf16(kXmlErrorCaption)) std::abort();
        ++count;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("Corvix-FUZ.xml"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QStringList table;
    for (int id = 0; id < 60; ++id)
        table.append(QStringLiteral("text %1").arg(id));
    const QStringList before = table;
    CountingSink sink;
    const int result = ReadLanguageFile(path, table, sink);
    if (result == 1) {
        if (sink.count != 0 || table.size() > kMaxTextId + 1 || table.size() < before.size())
            std::abort();
    } else {
        if (result != 0 || sink.count != 1 || table != before) std::abort();
    }
    return 0;
}
