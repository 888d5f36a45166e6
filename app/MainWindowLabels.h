#pragma once

#include <array>

#include "app/CommandIds.h"
#include "app/TextTable.h"

// Where the main window puts which text after a language has been loaded,
// in the order it relabels them.
struct MenuLabel {
    int barPosition;      // popup of the menu bar: 0 Communication, 1 Language, 2 Help
    int itemPosition;     // item in that popup; -1 for the popup's own title
    int subItemPosition;  // item in the submenu at itemPosition; -1 for none
    bool isPopup;         // the entry is a popup title (relabelled with its submenu kept)
    int commandId;        // the item's command; 0 for popups and the ASCII item's own id
    int textId;
};

struct ButtonLabel {
    int buttonId;
    int textId;
};

inline constexpr std::array<MenuLabel, 13> kMenuLabels = {{
    {0, -1, -1, true, 0, TextId::CommunicationMenu},
    {0, 0, -1, false, CommandId::SettingsItem, TextId::SettingsItem},
    {0, 2, -1, false, CommandId::LoadProgramItem, TextId::LoadProgramItem},
    // The item of Data to printer says so, as its button does.
    {0, 3, -1, false, 0, TextId::DataToPrinterButton},
    {0, 4, -1, false, CommandId::ReceiveAsciiItem, TextId::ReceiveAsciiButton},
    {0, 6, -1, false, CommandId::ExitItem, TextId::ExitItem},
    {0, 1, -1, true, 0, TextId::KermitMenu},
    {0, 1, 0, false, CommandId::SendFileItem, TextId::SendFileItem},
    {0, 1, 1, false, CommandId::ReceiveFileItem, TextId::ReceiveFileItem},
    {1, -1, -1, true, 0, TextId::LanguageMenu},
    {2, -1, -1, true, 0, TextId::HelpMenu},
    {2, 0, -1, false, CommandId::HelpItem, TextId::HelpItem},
    {2, 1, -1, false, CommandId::AboutItem, TextId::AboutItem},
}};

inline constexpr std::array<ButtonLabel, 7> kButtonLabels = {{
    {CommandId::SettingsButton, TextId::SettingsButton},
    {CommandId::LoadProgramButton, TextId::LoadProgramButton},
    {CommandId::DataToPrinterButton, TextId::DataToPrinterButton},
    {CommandId::KermitSendButton, TextId::KermitSendButton},
    {CommandId::KermitReceiveButton, TextId::KermitReceiveButton},
    {CommandId::ReceiveAsciiButton, TextId::ReceiveAsciiButton},
    {CommandId::ExitButton, TextId::ExitButton},
}};
