#pragma once
// Menu resource 100, the main menu: its pop-ups, items and separators as a
// table, and the menu bar built from it.

#include <span>

class CommandActions;
class QMenuBar;

struct MainMenuItem {
    int id;            // 0: a separator
    const char* text;  // the item's text; a tab separates the shortcut shown
};

struct MainMenuPopup {
    const char* title;
    std::span<const MainMenuItem> items;
};

// The pop-ups in menu-bar order.
std::span<const MainMenuPopup> MainMenu();

// Fills the menu bar with the pop-ups, each item the command's action.
void BuildMainMenu(QMenuBar* bar, CommandActions& actions);
