#pragma once

#include <QString>
#include <QStringList>

// Identifiers of the interface texts. Entry 0 is empty and shown nowhere.
namespace TextId {
enum : int {
    SettingsButton = 1,
    LoadProgramButton = 2,
    DataToPrinterButton = 3,
    KermitSendButton = 4,
    KermitReceiveButton = 5,
    ReceiveAsciiButton = 6,
    ExitButton = 7,
    CommunicationMenu = 8,
    SettingsItem = 9,
    KermitMenu = 10,
    LoadProgramItem = 11,
    AsciiItem = 12,
    ExitItem = 13,
    SendFileItem = 14,
    ReceiveFileItem = 15,
    LanguageMenu = 16,
    HelpMenu = 17,
    HelpItem = 18,
    AboutItem = 19,
    SettingsTitle = 20,
    ComportLabel = 21,
    BaudrateLabel = 22,
    Ok = 23,
    Cancel = 24,
    CouldNotOpenFile = 25,
    OutOfMemory = 26,
    TransmissionError = 27,
    TransmissionFinished = 28,
    ChooseFile = 29,
    ChooseDirectory = 30,
    ChooseKalvexFile = 31,
    WaitingOnCaliper = 32,
    Sending = 33,
    Receiving = 34,
    Done = 35,
    Font = 36,
    Print = 37,
    Margin = 38,
    Notepad = 39,
    FileExistsOverwrite = 40,

    // Messages beyond the original table, from 41 on. Each has its English
    // text in kMessages (TextTable.cpp) and in Corvix-ENG.xml, and its
    // translation in every delivered language file. Ids are never reused.

    // A job's messages.
    LineLost = 41,
    CouldNotWriteFile = 42,
    NameTooLong = 43,
    FileNotWhole = 44,
    FileDiscarded = 45,
    ArrivedKeptIn = 46,
    NothingArrived = 47,
    DiscardedStatus = 48,

    // Why a file could not be opened, made or written.
    ReasonNoSuchFile = 49,
    ReasonPermissionDenied = 50,
    ReasonIsFolder = 51,
    ReasonNotFolder = 52,
    ReasonNotPlainFile = 53,
    ReasonDiskFull = 54,
    ReasonFileTooLarge = 55,
    ReasonReadOnly = 56,
    ReasonTooManyOpen = 57,
    ReasonNameTooLong = 58,
    ReasonQuotaExceeded = 59,
    ReasonInputOutput = 60,
    ReasonFileExists = 61,
    ReasonBusy = 62,

    // The windows' own words.
    SendSizeBytes = 63,
    ReceivedBytes = 64,
    HelpMissing = 65,
    CaptureNotWritten = 66,
    NothingFitsOnPage = 67,

    // Why a port could not be opened, after "ERROR: Comport!" and the port.
    PortNotPresent = 68,
    PortNoPermissionGroup = 69,
    PortNoPermission = 70,
    PortInUseByProcess = 71,
    PortInUseLockFile = 72,
    PortInUse = 73,
    PortNotSerial = 74,
    PortBadBaud = 75,
    PortOpenFailed = 76,
    // A stored port that discovery did not find, in the Settings port list.
    PortNotPluggedIn = 77,
    // Failures that name their file and reason; the editor; text answers.
    CaliperSays = 78,
    FileTooLargeToLoad = 79,
    NoTextOpener = 80,
    DirectoryAnswered = 81,
    // A capture's questions and the print range.
    DiscardUnsavedCapture = 82,
    PagesNotInPrint = 83,
    // A send whose caliper fell silent, and the hint while none has answered.
    PeerStoppedAnswering = 84,  // %1 the file, %2 seconds
    NoAnswerYet = 85,           // %1 the baud rate
    // What attribute packets bring: a received file refused for its length,
    // one that came to another length, a send the receiver refused, and the
    // job's status after them.
    FileRefusedNoRoom = 86,  // %1 the file, %2 bytes announced, %3 bytes of room
    FileLengthDiffers = 87,  // %1 the file
    RefusedStatus = 88,
    NotWholeStatus = 89,
    SendRefusedLength = 90,  // %1 the file, %2 its length
    SendRefusedOther = 91,   // %1 the file, %2 the attribute characters named
    // The files of a receive job, each with what became of it, and the count.
    FileListReceived = 92,     // %1 the file, %2 bytes
    FileListKept = 93,         // %1 the file, %2 bytes, %3 the file that keeps them
    FileListNotReceived = 94,  // %1 the file
    FileListRefused = 95,      // %1 the file, %2 bytes announced, %3 bytes of room
    FileListCount = 96,        // %1 the number of files
    // A receive whose sender announced the file's length.
    ReceiveShare = 97,         // %1 per cent, %2 bytes announced
    ReceiveShareSeconds = 98,  // %1 per cent, %2 bytes announced, %3 seconds left
    ReceiveShareMinutes = 99,  // %1 per cent, %2 bytes announced, %3 minutes left
    ReceiveEnded = 100,

    // Why a transfer failed, each naming the file (%1).
    SenderStoppedSending = 101,  // %1 the file, %2 seconds of silence
    FailedOnlyNaks = 102,
    FailedOutOfSequence = 103,
    FailedDamaged = 104,
    FailedNothingUsable = 105,
    FailedPeerEnded = 106,  // %1 the file, %2 the caliper's words
    FailedRefusedHere = 107,
    FailedCannotCreate = 108,
    FailedCannotWrite = 109,
    FailedNoAnswer = 110,
    LineLostDuring = 111,
    FailedOther = 112,
    NextFile = 113,  // what the sentences name when no file has been named yet
    // The ASCII window closed with text not yet saved.
    DiscardCaptureOnClose = 130,
    // How a send ended when it did not go through, and what became of the
    // files of a receive.
    SendCancelled = 131,
    FileListSavedAs = 132,    // %1 the name sent, %2 bytes, %3 the file it went to
    FileListCancelled = 133,  // %1 the file
    ReceiveEndCount = 134,    // %1 files whole, %2 files listed
    // Start-up and the port a job will use.
    ReceiveFolderMissing = 135,  // %1 the folder
    NoPortSet = 136,             // %1 %2 the menu and item where it is set
    NoAdapterPortUsed = 137,     // %1 the port
    EmptyPortRefused = 138,
    PortNoPermissionAskAdmin = 139,
    // The packet log of the window's Kermit jobs, in the settings.
    PacketLogCheck = 160,
    PacketLogBrowse = 161,
    PacketLogChooser = 162,
    PacketLogFilter = 163,
    // A send whose file changed while it went, or could not be read to its end.
    SendFileChanged = 180,  // %1 the file
    SendReadFailed = 181,   // %1 the file, %2 why
    // Files that are not what they seem.
    SettingsFilePassedOver = 190,  // %1 the settings file
    // The adapter went away: a send ends, a receive or capture waits for it.
    SendLineLost = 200,  // %1 the file
    WaitingForPort = 201,
};
}  // namespace TextId

inline constexpr int kEnglishTextCount = 41;

// Every English text by identifier, as the table holds it at start: the 41
// original entries, then the messages from 41 on (an id without a text is an
// empty entry).
QStringList EnglishTexts();

// Entry `id` of `table`; an empty text when the table has no such entry.
QString TextAt(const QStringList& table, int id);
