// The help menu and the links menu of the main window.
#pragma once

#include "help/links.h"
#include "ui/command_ids.h"
#include "ui/menus.h"

namespace qf::win {

// Pictures of the menu image strip, in strip order.
enum MenuImage : int {
    kClosedBook,
    kOpenBook,
    kPushPin,
    kPointingHand,
    kBullet1,
    kBullet2,
    kBullet3,
    kBullet4,
    kBullet5,
    kMenuImageCount,
};

inline constexpr MenuRow kN47Menu[] = {
    {ids::N1001, "100%杀毒软件"},
    kSeparator,
    {ids::N50, "主动防御"},
    kSeparator,
    {ids::N52, "保护你的账号"},
};

inline constexpr MenuRow kHelpMenu[] = {
    {ids::N13, "帮助", false, {}, kClosedBook},
    kSeparator,
    {ids::N15, "个人介绍", false, {}, kOpenBook},
    kSeparator,
    {ids::N17, "关于"},
    kSeparator,
    {ids::N19, "晴川意见簿"},
    kSeparator,
    {ids::N47, "★★★ 杀软神器", false, kN47Menu, kPushPin},
    kSeparator,
    {ids::N26, "接受定做软件"},
    kSeparator,
    {ids::N21, "欢迎给我来信"},
    kSeparator,
    {ids::N37, "本软升级页面"},
};

inline constexpr MenuRow kMy1Menu[] = {
    {ids::mr1, links::mr1.caption}, kSeparator,
    {ids::mr2, links::mr2.caption}, kSeparator,
    {ids::mr3, links::mr3.caption}, kSeparator,
    {ids::mr4, links::mr4.caption}, kSeparator,
    {ids::mr5, links::mr5.caption}, kSeparator,
    {ids::mr6, links::mr6.caption}, kSeparator,
    {ids::mr7, links::mr7.caption}, kSeparator,
    {ids::mr8, links::mr8.caption}, kSeparator,
    {ids::mr9, links::mr9.caption}, kSeparator,
    {ids::mr10, links::mr10.caption},
};

inline constexpr MenuRow kLinksMenu[] = {
    {ids::my1, "青枫软件", false, kMy1Menu, kPointingHand},
    kSeparator,
    {ids::my2, links::my2.caption, false, {}, kBullet1},
    kSeparator,
    {ids::my3, links::my3.caption, false, {}, kBullet2},
    kSeparator,
    {ids::my4, links::my4.caption, false, {}, kBullet3},
    kSeparator,
    {ids::my5, links::my5.caption, false, {}, kBullet4},
    kSeparator,
    {ids::my10, links::my10.caption, false, {}, kBullet5},
    kSeparator,
    {ids::my6, links::my6.caption},
    {ids::my7, links::kMy7Caption},
    kSeparator,
    {ids::my8, links::my8.caption},
    kSeparator,
    {ids::my9, "广告位招租"},
};

inline constexpr MenuRow kHelpMenuRow{ids::N12, "帮助  ", false, kHelpMenu};
inline constexpr MenuRow kLinksMenuRow{ids::youqinlianjie, "友情链接", false, kLinksMenu};

}  // namespace qf::win
