#include "ui/menus.h"

#include "platform/win32/text.h"

namespace qf::win {

namespace {

HMENU Fill(HMENU menu, std::span<const MenuRow> rows, std::span<const HBITMAP> images) {
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
            item.hSubMenu = BuildPopupMenu(row.submenu, images);
        }
        if (row.image >= 0 && static_cast<size_t>(row.image) < images.size()) {
            item.fMask |= MIIM_BITMAP;
            item.hbmpItem = images[row.image];
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
    }
    return menu;
}

bool IsSeparator(HMENU menu, int position) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE;
    return GetMenuItemInfoW(menu, position, TRUE, &item) && (item.fType & MFT_SEPARATOR);
}

// Separators at either end or next to each other separate nothing.
HMENU HideIdleSeparators(HMENU menu) {
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
        const bool edge = i == 0 || i == GetMenuItemCount(menu) - 1;
        if (IsSeparator(menu, i) && (edge || IsSeparator(menu, i - 1)))
            DeleteMenu(menu, i, MF_BYPOSITION);
    }
    return menu;
}

}  // namespace

HMENU BuildMenuBar(std::span<const MenuRow> rows, std::span<const HBITMAP> images) {
    return Fill(CreateMenu(), rows, images);
}

HMENU BuildPopupMenu(std::span<const MenuRow> rows, std::span<const HBITMAP> images) {
    return HideIdleSeparators(Fill(CreatePopupMenu(), rows, images));
}

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
