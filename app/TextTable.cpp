#include "app/TextTable.h"

namespace {

struct Message {
    int id;
    const char* text;  // UTF-8
};

// The English messages from identifier 41 on, in identifier order.
constexpr Message kMessages[] = {
    {TextId::LineLost, "The connection to the caliper was lost."},
    {TextId::CouldNotWriteFile, "Could not write file!"},
    {TextId::NameTooLong, "The sender's file name was refused: it is longer than %1 characters."},
    {TextId::FileNotWhole, "%1 did not arrive whole."},
    {TextId::FileDiscarded, "%1 was discarded by the sender."},
    {TextId::ArrivedKeptIn, "What arrived is kept in %1 (%2 bytes)."},
    {TextId::NothingArrived, "Nothing of it had arrived."},
    {TextId::DiscardedStatus, "a file was discarded by the sender"},
    {TextId::ReasonNoSuchFile, "No such file or directory"},
    {TextId::ReasonPermissionDenied, "Permission denied"},
    {TextId::ReasonIsFolder, "Is a directory"},
    {TextId::ReasonNotFolder, "Not a directory"},
    {TextId::ReasonNotPlainFile, "Not a plain file"},
    {TextId::ReasonDiskFull, "No space left on device"},
    {TextId::ReasonFileTooLarge, "File too large"},
    {TextId::ReasonReadOnly, "Read-only file system"},
    {TextId::ReasonTooManyOpen, "Too many open files"},
    {TextId::ReasonNameTooLong, "File name too long"},
    {TextId::ReasonQuotaExceeded, "Disk quota exceeded"},
    {TextId::ReasonInputOutput, "Input/output error"},
    {TextId::ReasonFileExists, "File exists"},
    {TextId::ReasonBusy, "Device or resource busy"},
    {TextId::SendSizeBytes, "%1 Bytes"},
    {TextId::ReceivedBytes, "%1 bytes"},
    {TextId::HelpMissing,
     "The help cannot be shown: %1 is missing or nothing on this computer can open it."},
    {TextId::CaptureNotWritten, "An error occurred while writing \"%1\"."},
    {TextId::NothingFitsOnPage,
     "Nothing was printed: with this font and margin not even one character fits on a line of "
     "the page."},
    {TextId::PortNotPresent,
     "The port is not present. Check that the cable is plugged in and that the port's name is "
     "right."},
    {TextId::PortNoPermissionGroup,
     "You have no permission to use the port. Add your user to the group that owns it, %1 (dialout "
     "on Debian), then log in again."},
    {TextId::PortNoPermission,
     "You have no permission to use the port. Add your user to the group that owns it (dialout on "
     "Debian), then log in again."},
    {TextId::PortInUseByProcess,
     "The port is in use by another program: process %1 holds it (lock file %2)."},
    {TextId::PortInUseLockFile, "The port is in use by another program (lock file %1)."},
    {TextId::PortInUse, "The port is in use by another program."},
    {TextId::PortNotSerial, "The port is not a serial port, or it refused the line settings."},
    {TextId::PortBadBaud, "The baud rate setting is not one of the rates offered."},
    {TextId::PortOpenFailed, "The port could not be opened: %1"},
    {TextId::PortNotPluggedIn, "%1 (not plugged in)"},
    {TextId::CaliperSays, "The caliper says: %1"},
    {TextId::FileTooLargeToLoad,
     "The file is %1 bytes long: there is not enough memory to load it."},
    {TextId::NoTextOpener,
     "No program to open it was found. Corvix opens text files with the desktop's opener, "
     "xdg-open, from the package xdg-utils."},
    {TextId::DirectoryAnswered,
     "The caliper asked for a directory listing and was answered with the text '%1'."},
    {TextId::DiscardUnsavedCapture,
     "The captured text has not been saved. Do you want to discard it? Choose No to choose "
     "another file for it."},
    {TextId::PagesNotInPrint,
     "Nothing was printed: pages %1 to %2 were asked for, and the capture fills pages 1 to %3 "
     "on this paper."},
    {TextId::PeerStoppedAnswering,
     "The caliper stopped answering while %1 was being sent: nothing came back for %2 seconds."},
    {TextId::NoAnswerYet,
     "No answer from the caliper yet. Start the caliper's receive function, and set both sides "
     "to the same baud rate (%1)."},
    {TextId::FileRefusedNoRoom,
     "%1 was not received: the sender announced %2 bytes, and the disk has room for %3. Nothing of "
     "it was written."},
    {TextId::FileLengthDiffers,
     "%1 did not arrive whole: its length differs from the length the sender announced."},
    {TextId::RefusedStatus, "a file was refused: the disk had no room for it"},
    {TextId::NotWholeStatus, "a file did not arrive at the length its sender announced"},
    {TextId::SendRefusedLength, "The receiver refused %1: it has no room for its %2 bytes."},
    {TextId::SendRefusedOther, "The receiver refused %1: its answer named the attributes %2."},
    {TextId::FileListReceived, "%1: %2 bytes, received"},
    {TextId::FileListKept, "%1: incomplete, %2 bytes kept in %3"},
    {TextId::FileListNotReceived, "%1: not received"},
    {TextId::FileListRefused, "%1: refused, %2 bytes announced, %3 bytes free"},
    {TextId::FileListCount, "Files: %1"},
    {TextId::ReceiveShare, "%1% of %2 bytes"},
    {TextId::ReceiveShareSeconds, "%1% of %2 bytes, about %3 s left"},
    {TextId::ReceiveShareMinutes, "%1% of %2 bytes, about %3 min left"},
    {TextId::ReceiveEnded, "The receive has ended."},
    {TextId::SenderStoppedSending,
     "The caliper stopped sending while %1 was being received: nothing came for %2 seconds."},
    {TextId::FailedOnlyNaks,
     "The transfer of %1 failed: the caliper only ever asked for the packets again (NAK). Check "
     "the cable and that both sides use the same baud rate."},
    {TextId::FailedOutOfSequence,
     "The transfer of %1 failed: the caliper's packets were out of sequence again and again."},
    {TextId::FailedDamaged,
     "The transfer of %1 failed: the caliper's packets arrived damaged again and again. Check the "
     "cable and the baud rate."},
    {TextId::FailedNothingUsable, "The transfer of %1 failed: the caliper sent nothing usable."},
    {TextId::FailedPeerEnded, "The caliper ended the transfer of %1. It says: %2"},
    {TextId::FailedRefusedHere,
     "%1 was not received: it was refused here, and the caliper was told so."},
    {TextId::FailedCannotCreate, "%1 could not be made here, and the caliper was told so."},
    {TextId::FailedCannotWrite, "%1 could not be written here, and the caliper was told so."},
    {TextId::FailedNoAnswer, "The transfer of %1 failed: the caliper did not answer."},
    {TextId::LineLostDuring,
     "The connection to the caliper was lost while %1 was being transferred."},
    {TextId::FailedOther, "The transfer of %1 failed."},
    {TextId::NextFile, "the next file"},
    {TextId::DiscardCaptureOnClose,
     "The captured text has not been saved. Close the window and discard it?"},
    {TextId::SendCancelled, "The send was cancelled."},
    {TextId::FileListSavedAs, "%1: %2 bytes, saved as %3"},
    {TextId::FileListCancelled,
     "%1: not received, cancelled; the file there is unchanged and no further file was sent"},
    {TextId::ReceiveEndCount, "%1 of %2 files received whole"},
    {TextId::ReceiveFolderMissing, "The folder %1 does not exist: nothing was received."},
    {TextId::NoPortSet,
     "No caliper adapter was found, and no port is set. Choose the port under %1 > %2."},
    {TextId::NoAdapterPortUsed, "No caliper adapter was found. Jobs use the port %1."},
    {TextId::EmptyPortRefused, "Enter the name of a port, or choose one from the list."},
    {TextId::PortNoPermissionAskAdmin,
     "You have no permission to use the port. Ask whoever manages this computer to give your user "
     "read and write access to it."},
    {TextId::PacketLogCheck, "Write a packet log for support to:"},
    {TextId::PacketLogBrowse, "Browse..."},
    {TextId::PacketLogChooser, "Packet log file"},
    {TextId::PacketLogFilter, "Packet logs"},
    {TextId::SendFileChanged,
     "%1 changed while it was being sent: its length or date is no longer what it was when the "
     "send began. The send was broken off; send the file again once nothing writes to it."},
    {TextId::SendReadFailed,
     "%1 could not be read to its end while it was being sent: %2. The send was broken off."},
    {TextId::SettingsFilePassedOver,
     "The settings file %1 is not a regular file. It is passed over: the settings are neither "
     "read from it nor saved to it."},
    {TextId::SendLineLost,
     "The connection to the caliper was lost while %1 was being sent. The caliper has lost its "
     "half of the transfer: send the file again once the caliper is plugged in again."},
    {TextId::WaitingForPort,
     "The connection to the caliper was lost: waiting for the caliper to be plugged in again"},
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
