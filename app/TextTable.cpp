#include "app/TextTable.h"

namespace {

struct Message {
    int id;
    const char* text;  // UTF-8
};

// The English messages from identifier 41 on, in identifier order.
constexpr Message kMessages[] = {
    {90,
     "The port is not present. Check that the cable is plugged in and that the port's name is "
     "right."},
    {91,
     "You have no permission to use the port. Add your user to the group that owns it, %1 (dialout "
     "on Debian), then log in again."},
    {92,
     "You have no permission to use the port. Add your user to the group that owns it (dialout on "
     "Debian), then log in again."},
    {93, "The port is in use by another program: process %1 holds it (lock file %2)."},
    {94, "The port is in use by another program (lock file %1)."},
    {95, "The port is in use by another program."},
    {96, "The port is not a serial port, or it refused the line settings."},
    {97, "The baud rate setting is not one of the rates offered."},
    {98, "The port could not be opened: %1"},
    {99, "%1 (not plugged in)"},
    {TextId::DiscardUnsavedCapture,
     "The captured text has not been saved. Do you want to discard it? Choose No to choose "
     "another file for it."},
    {TextId::PagesNotInPrint,
     "Nothing was printed: pages %1 to %2 were asked for, and the capture fills pages 1 to %3 "
     "on this paper."},
    {0, nullptr},
    {100, "The caliper says: %1"},
    {101, "The file is %1 bytes long: there is not enough memory to load it."},
    {102,
     "No program to open it was found. Corvix opens text files with the desktop's opener, "
     "xdg-open, from the package xdg-utils."},
    {103, "The caliper asked for a directory listing and was answered with the text '%1'."},
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
