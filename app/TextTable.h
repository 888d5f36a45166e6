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
    PeerStoppedAnswering = 80,  // %1 the file, %2 seconds
    NoAnswerYet = 81,           // %1 the baud rate
};
}  // namespace TextId

inline constexpr int kEnglishTextCount = 41;

// Every English text by identifier, as the table holds it at start: the 41
// original entries, then the messages from 41 on (an id without a text is an
// empty entry).
QStringList EnglishTexts();

// Entry `id` of `table`; an empty text when the table has no such entry.
QString TextAt(const QStringList& table, int id);
