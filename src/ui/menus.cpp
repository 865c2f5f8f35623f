#include "ui/menus.h"

#include "platform/win32/text.h"

namespace qf::win {

namespace {

HMENU Fill(HMENU menu, std::span<const MenuRow> rows) {
    for (const MenuRow& row : rows) {
        const std::wstring caption = Widen(row.caption);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
        item.wID = row.id;
        if (row.id == 0) {
            item.fType = MFT_SEPARATOR;
        } else {
            item.fMask |= MIIM_STRING;
            item.dwTypeData = const_cast<wchar_t*>(caption.c_str());
            item.fState = row.checked ? MFS_CHECKED : MFS_UNCHECKED;
        }
        if (!row.submenu.empty()) {
            item.fMask |= MIIM_SUBMENU;
            item.hSubMenu = BuildPopupMenu(row.submenu);
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
    }
    return menu;
}

}  // namespace

HMENU BuildMenuBar(std::span<const MenuRow> rows) { return Fill(CreateMenu(), rows); }

HMENU BuildPopupMenu(std::span<const MenuRow> rows) { return Fill(CreatePopupMenu(), rows); }

HMENU SubMenuById(HMENU menu, unsigned id) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_SUBMENU;
    return GetMenuItemInfoW(menu, id, FALSE, &item) ? item.hSubMenu : nullptr;
}

void DeleteMenuItemById(HMENU menu, unsigned id) {
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID;
        if (GetMenuItemInfoW(menu, i, TRUE, &item) && item.wID == id) {
            DeleteMenu(menu, i, MF_BYPOSITION);
            return;
        }
    }
}

}  // namespace qf::win
