#pragma once

class QLabel;
class QPushButton;
class QWidget;

// How much room a text needs where a window shows it, so that a window can
// grow until every word of its language shows whole.

// The room a title bar gives the title of `window` when the window is
// `width` pixels wide, drawn as Windows draws it at 100 %: the icon and its
// margins take 32 pixels at the left, each caption button 46 at the right
// (close, and minimize and maximize both where the window has either).
int TitleTextRoom(const QWidget* window, int width);

// The narrowest width of `window` whose title bar shows its title whole.
int TitleFitWidth(const QWidget* window);

// The narrowest width of `button` that shows its text whole, with a
// character's width to spare.
int ButtonFitWidth(const QPushButton* button);

// The narrowest width of a one-line `label` that shows its text whole.
int LabelFitWidth(const QLabel* label);
