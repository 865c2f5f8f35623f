// The help and links menus as the program builds them, read back through
// the menu API in this process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../res/resource.h"
#include "platform/win32/text.h"
#include "ui/help_menus.h"
#include "ui/menu_images.h"

namespace qf::win {
namespace {

struct Item {
    std::string caption;  // "-" for a separator
    unsigned id;
    bool hasPicture;
};

std::vector<Item> Items(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_BITMAP | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        items.push_back({info.fType & MFT_SEPARATOR ? "-" : Narrow(text), info.wID,
                         info.hbmpItem != nullptr});
    }
    return items;
}

class MenusTest : public ::testing::Test {
protected:
    MenuImages images_{GetModuleHandleW(nullptr), IDB_MENU_IMAGES};
};

TEST_F(MenusTest, TheStripGivesNinePicturesOf16By16WithAlpha) {
    ASSERT_EQ(images_.Handles().size(), size_t{kMenuImageCount});
    for (HBITMAP picture : images_.Handles()) {
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(picture, sizeof dib, &dib), int{sizeof dib});
        EXPECT_EQ(dib.dsBm.bmWidth, 16);
        EXPECT_EQ(dib.dsBm.bmHeight, 16);
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
        const auto* px = static_cast<const unsigned char*>(dib.dsBm.bmBits);
        int clear = 0, solid = 0;
        for (int i = 0; i < 16 * 16; ++i) {
            clear += px[i * 4 + 3] == 0;
            solid += px[i * 4 + 3] == 255;
        }
        EXPECT_GT(clear, 0) << "a picture has a transparent surround";
        EXPECT_GT(solid, 0) << "and an opaque body";
    }
}

TEST_F(MenusTest, HelpAndLinksMenusReadBackWithCaptionsAndPictures) {
    const MenuRow bar[] = {kHelpMenuRow, kLinksMenuRow};
    HMENU menu = BuildMenuBar(bar, images_.Handles());
    const auto top = Items(menu);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].caption, "帮助  ");
    EXPECT_EQ(top[1].caption, "友情链接");

    const auto help = Items(GetSubMenu(menu, 0));
    std::vector<std::string> captions;
    for (const Item& i : help) captions.push_back(i.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{
                            "帮助", "-", "个人介绍", "-", "关于", "-", "晴川意见簿", "-",
                            "★★★ 杀软神器", "-", "接受定做软件", "-", "欢迎给我来信", "-",
                            "本软升级页面"}));
    const auto n47 = Items(GetSubMenu(GetSubMenu(menu, 0), 8));
    ASSERT_EQ(n47.size(), 5u);
    EXPECT_EQ(n47[0].caption, "100%杀毒软件");
    EXPECT_EQ(n47[2].caption, "主动防御");
    EXPECT_EQ(n47[4].caption, "保护你的账号");

    const auto links = Items(GetSubMenu(menu, 1));
    ASSERT_EQ(links.size(), 18u);
    EXPECT_EQ(links[12].caption, "示例空间服务商");
    EXPECT_EQ(links[13].caption, "示例空间服务商详情") << "no separator between the two";
    EXPECT_EQ(links[17].caption, "广告位招租");
    EXPECT_EQ(Items(GetSubMenu(GetSubMenu(menu, 1), 0)).size(), 19u) << "ten items, nine separators";

    // Exactly the items with a picture in the image table carry one.
    const unsigned pictured[] = {ids::N13, ids::N15, ids::N47, ids::my1, ids::my2,
                                 ids::my3, ids::my4, ids::my5, ids::my10};
    std::vector<unsigned> found;
    for (const auto& list : {help, links})
        for (const Item& i : list)
            if (i.hasPicture) found.push_back(i.id);
    EXPECT_EQ(found, std::vector<unsigned>(std::begin(pictured), std::end(pictured)));
    DestroyMenu(menu);
}

}  // namespace
}  // namespace qf::win
