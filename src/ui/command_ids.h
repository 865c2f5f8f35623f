// Command and control IDs of the main window, shared with the end-to-end
// tests so that both drive the same items.
#pragma once

namespace qf::ids {

// Menu items and tool buttons, named after the items they belong to.
enum Command : unsigned short {
    zidonghuifu = 301,
    mycopy,
    xiugaipro,
    cuangtisuofang,
    huanpifu,
    qidongyincang,
    N1,
    N7,
    baocun,
    diaoru,
};

// Child controls.
enum Control : unsigned short {
    LabeledEdit1 = 1001,
    LabeledEdit1Label,
    ListBox1,
};

// The tray icon's callback message (WM_APP + 1) and its icon ID.
constexpr unsigned kTrayMessage = 0x8000 + 1;
constexpr unsigned kTrayIconId = 1;

// Window class of the main window.
constexpr wchar_t kMainClass[] = L"TForm1";

}  // namespace qf::ids
