// Menus as tables of rows, built into real menus of plain string items.
#pragma once

#include <windows.h>

#include <span>
#include <string_view>

namespace qf::win {

struct MenuRow {
    unsigned id;  // 0 for a separator
    std::string_view caption;
    bool checked = false;
    std::span<const MenuRow> submenu = {};
};

inline constexpr MenuRow kSeparator{0, "-"};

// Fills a new menu bar or pop-up menu with the rows; a submenu's item
// carries its row's ID.
HMENU BuildMenuBar(std::span<const MenuRow> rows);
HMENU BuildPopupMenu(std::span<const MenuRow> rows);

// The submenu of the item with this ID, or null.
HMENU SubMenuById(HMENU menu, unsigned id);

// Removes the item with this ID (a submenu too) from a menu, destroying a
// submenu with it.
void DeleteMenuItemById(HMENU menu, unsigned id);

}  // namespace qf::win
