// The web links of the main window's links menu and the addresses of the
// about box: each caption beside the address that its item opens. Kept in
// one place so a menu text never drifts from its address.
#pragma once

#include <string>
#include <string_view>

namespace qf::links {

struct Link {
    std::string_view caption;
    std::string_view address;
};

// The maker's program list (submenu my1): mr6 is this program, mr8 the
// companion feedback program.
inline constexpr Link mr1{"青枫记事本", "https://www.example.com/qingfeng/notepad/"};
inline constexpr Link mr2{"青枫计算器", "https://www.example.com/qingfeng/calculator/"};
inline constexpr Link mr3{"青枫闹钟", "https://www.example.com/qingfeng/alarm/"};
inline constexpr Link mr4{"青枫截图", "https://www.example.com/qingfeng/capture/"};
inline constexpr Link mr5{"青枫文件夹加密", "https://www.example.com/qingfeng/lock/"};
inline constexpr Link mr6{"青枫目录台", "https://www.example.com/qingfeng/mulutai/"};
inline constexpr Link mr7{"青枫批量改名", "https://www.example.com/qingfeng/rename/"};
inline constexpr Link mr8{"晴川意见簿", "https://www.example.com/qingfeng/yijianbu/"};
inline constexpr Link mr9{"青枫记账本", "https://www.example.com/qingfeng/ledger/"};
inline constexpr Link mr10{"青枫桌面日历", "https://www.example.com/qingfeng/calendar/"};

// The five download sites.
inline constexpr Link my2{"示例下载站甲", "https://download-a.example.com/"};
inline constexpr Link my3{"示例下载站乙", "https://download-b.example.com/"};
inline constexpr Link my4{"示例下载站丙", "https://download-c.example.com/"};
inline constexpr Link my5{"示例下载站丁", "https://download-d.example.com/"};
inline constexpr Link my10{"示例下载站戊", "https://download-e.example.com/"};

// The advertised web-hosting provider; my7 opens its details document,
// named after it.
inline constexpr Link my6{"示例空间服务商", "https://hosting.example.com/"};
inline constexpr std::string_view kMy7Caption = "示例空间服务商详情";
inline constexpr std::string_view kMy7Document = "示例空间服务商.txt";

// The free network-disk service.
inline constexpr Link my8{"示例免费网盘", "https://disk.example.com/"};

// The about box: the author, the web site and the mail address.
inline constexpr std::string_view kProductLine = "青枫目录台2.0";
inline constexpr std::string_view kAuthorLine = "作者：青枫 （籍贯：江南水乡）";
inline constexpr std::string_view kWebAddress = "https://www.example.com/qingfeng/";
inline constexpr std::string_view kMailAddress = "qingfeng@example.com";

inline std::string WebLine() { return "网站：" + std::string(kWebAddress); }
inline std::string MailLine() {
    return "邮件：" + std::string(kMailAddress) + "  （双击打开，单击复制）";
}
inline std::string MailTo() { return "mailto:" + std::string(kMailAddress); }

}  // namespace qf::links
