#pragma once

// The command of each button and menu item of the main window. The form
// (CStemraDlg.ui) gives every button its id as the property "controlId" and
// every menu item its id as "commandId"; the window runs a command by its id,
// and the labels table says by id which text goes where.
namespace CommandId {
enum : int {
    // Buttons. The Exit button has the id of a dialog's OK.
    ExitButton = 1,
    SettingsButton = 1000,
    KermitSendButton = 1001,
    LoadProgramButton = 1002,
    KermitReceiveButton = 1003,
    DataToPrinterButton = 1004,
    ReceiveAsciiButton = 1005,

    // Menu items. The Language menu has one item a language, in the order of
    // Languages(); the first thirteen are also commands FirstLanguageItem to
    // LastLanguageItem. A language after them has no command id: its item
    // carries the language as the action's data, as every language item does.
    SendFileItem = 32789,
    LoadProgramItem = 32791,
    ExitItem = 32793,
    FirstLanguageItem = 32798,
    LastLanguageItem = 32810,
    AsciiItem = 32811,  // Data to printer
    HelpItem = 32814,
    AboutItem = 32815,
    ReceiveFileItem = 32818,
    SettingsItem = 32819,
    ReceiveAsciiItem = 32820,
};
static_assert(LastLanguageItem < AsciiItem, "the language commands end before the next item");
}  // namespace CommandId
