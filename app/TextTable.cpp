#include "app/TextTable.h"

namespace {

struct Message {
    int id;
    const char* text;  // UTF-8
};

// The English messages from identifier 41 on, in identifier order.
constexpr Message kMessages[] = {
    {TextId::PeerStoppedAnswering,
     "The caliper stopped answering while %1 was being sent: nothing came back for %2 seconds."},
    {TextId::NoAnswerYet,
     "No answer from the caliper yet. Start the caliper's receive function, and set both sides "
     "to the same baud rate (%1)."},
};

QStringList OriginalTexts() {
    return {
        QString(),
        QStringLiteral("Settings"),
        QStringLiteral("Load program"),
        QStringLiteral("Data to printer (4800baud)"),
        QStringLiteral("Kermit send"),
        QStringLiteral("Kermit receive"),
        QStringLiteral("Receive data (ASCII)"),
        QStringLiteral("Exit"),
        QStringLiteral("Communication"),
        QStringLiteral("Settings"),
        QStringLiteral("Kermit"),
        QStringLiteral("Load program"),
        QStringLiteral("ASCII"),
        QStringLiteral("Exit"),
        QStringLiteral("Send file"),
        QStringLiteral("Receive file"),
        QStringLiteral("Language"),
        QStringLiteral("Help"),
        QStringLiteral("Help"),
        QStringLiteral("About Corvix..."),
        QStringLiteral("Settings"),
        QStringLiteral("Comport"),
        QStringLiteral("Baudrate"),
        QStringLiteral("OK"),
        QStringLiteral("Cancel"),
        QStringLiteral("Could not open file!"),
        QStringLiteral("Unable to allocate memory to load the file!"),
        QStringLiteral("There was en error in the transmission!"),
        QStringLiteral("Transmission finished!"),
        QStringLiteral("Choose file"),
        QStringLiteral("Choose directory"),
        QStringLiteral("Choose Kalvex-file"),
        QStringLiteral("Waiting on caliper..."),
        QStringLiteral("Sending"),
        QStringLiteral("Receiving"),
        QStringLiteral("Done"),
        QStringLiteral("Font"),
        QStringLiteral("Print"),
        QStringLiteral("Margin"),
        QStringLiteral("Notepad"),
        QStringLiteral("File exists, overwrite?"),
    };
}

}  // namespace

QStringList EnglishTexts() {
    QStringList table = OriginalTexts();
    for (const Message& message : kMessages) {
        if (message.text == nullptr) continue;
        while (table.size() <= message.id)
            table.append(QString());
        table[message.id] = QString::fromUtf8(message.text);
    }
    return table;
}

QString TextAt(const QStringList& table, int id) {
    if (id < 0 || id >= table.size()) return QString();
    return table.at(id);
}
