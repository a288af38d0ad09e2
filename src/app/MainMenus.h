#pragma once

#include <span>

// The main window's menu bar, tool bar and pop-up menus, row by row in the order the user sees
// them. The window builds its controls from these rows; the topic files only connect a handler
// to each command by name (TForm1::onCommand). A new command is one row here plus that one call.
enum class MenuRowKind {
    Menu,        // a menu or sub-menu: the rows up to its EndMenu go into it
    EndMenu,     //
    Item,        // a menu item
    Separator,   //
    Button,      // a tool bar button
    QuickTables, // the "NR X" sub-menus of quick tables, rows and columns from `first` up;
                 // the items are named "N<rows>C<columns>" followed by `name`
};

struct MenuRow {
    MenuRowKind kind;
    const char *name = "";     // the control's objectName; a sub-menu may have none
    const char *caption = "";  // an item's or menu's text; a button's text (most show only an icon)
    const char *shortcut = ""; // in QKeySequence's portable form
    const char *icon = "";     // a standard style icon by name; empty on a button: its command's item icon
    const char *command = "";  // the command run; empty: the row's own name. Rows of one command share its handler
    const char *hint = "";     // a button's tool tip
    int first = 0;             // QuickTables only
};

std::span<const MenuRow> mainMenuRows();    // the menu bar
std::span<const MenuRow> toolBarRows();     // the tool bar under it
std::span<const MenuRow> editorMenuRows();  // the editing window's pop-up menu
std::span<const MenuRow> outlineMenuRows(); // the project outline's pop-up menu
