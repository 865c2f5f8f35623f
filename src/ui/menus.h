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
    int image = -1;  // index into the menu's pictures, -1 for none
};

inline constexpr MenuRow kSeparator{0, "-"};

// Fills a new menu bar or pop-up menu with the rows; a submenu's item
// carries its row's ID. A row's image picks its picture from `images`,
// which must outlive the menu.
HMENU BuildMenuBar(std::span<const MenuRow> rows, std::span<const HBITMAP> images = {});
HMENU BuildPopupMenu(std::span<const MenuRow> rows, std::span<const HBITMAP> images = {});

// The submenu of the item with this ID, or null.
HMENU SubMenuById(HMENU menu, unsigned id);

// Removes the item with this ID (a submenu too) from a menu, destroying a
// submenu with it.
void DeleteMenuItemById(HMENU menu, unsigned id);

}  // namespace qf::win
