#pragma once
// The program's commands as data: every menu item, key and toolbar button
// comes from these tables, and CMainFrame builds menus and toolbar from them
// with one routine. Ids are the program's own command integers.

#include <span>

namespace lumora {

struct ActionSpec {
    int id;
    const char* text;    // menu text, without the key
    const char* key;     // QKeySequence text, or nullptr
    const char* prompt;  // "status bar prompt\ntooltip"
};

struct MenuEntry {
    enum Kind { Menu, Submenu, End, Item, Separator, PanesList };
    Kind kind;
    int id;            // Item: the command; Submenu/PanesList: its own id or 0
    const char* text;  // Menu and Submenu
};

class CActionTable {
public:
    static std::span<const ActionSpec> actions();
    static std::span<const MenuEntry> menus();
    // Toolbar "標準" buttons in order; 0 is a separator.
    static std::span<const int> toolbar();
    // The entry of one id, or nullptr.
    static const ActionSpec* find(int id);
};

}  // namespace lumora
