#pragma once

#include <array>

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

inline constexpr std::array<MenuLabel, 12> kMenuLabels = {{
    {0, -1, -1, true, 0, 8},
    {0, 0, -1, false, 32819, 9},
    {0, 2, -1, false, 32791, 11},
    {0, 3, -1, false, 0, 12},
    {0, 5, -1, false, 32793, 13},
    {0, 1, -1, true, 0, 10},
    {0, 1, 0, false, 32789, 14},
    {0, 1, 1, false, 32818, 15},
    {1, -1, -1, true, 0, 16},
    {2, -1, -1, true, 0, 17},
    {2, 0, -1, false, 32814, 18},
    {2, 1, -1, false, 32815, 19},
}};

inline constexpr std::array<ButtonLabel, 7> kButtonLabels = {{
    {1000, 1},
    {1002, 2},
    {1004, 3},
    {1001, 4},
    {1003, 5},
    {1005, 6},
    {1, 7},
}};
