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
    N5,
    youjianhuifu,
    N6,
    zenjia,
    N22,
    ProgramFiles1,
    N3,
    N9,
    huifuyuanlai,
    N25,
    // The help menu and its submenu N47.
    N12,
    N13,
    N15,
    N17,
    N19,
    N47,
    N1001,
    N50,
    N52,
    N26,
    N21,
    N37,
    // The links menu and its submenu my1.
    youqinlianjie,
    my1, my2, my3, my4, my5, my6, my7, my8, my9, my10,
    mr1, mr2, mr3, mr4, mr5, mr6, mr7, mr8, mr9, mr10,
    N7,
    baocun,
    diaoru,
};

// Child controls.
enum Control : unsigned short {
    LabeledEdit1 = 1001,
    LabeledEdit1Label,
    ListBox1,
    ToolBar1,
};

// The tray icon's callback message (WM_APP + 1) and its icon ID.
constexpr unsigned kTrayMessage = 0x8000 + 1;
constexpr unsigned kTrayIconId = 1;

// Window class of the main window.
constexpr wchar_t kMainClass[] = L"TForm1";

// Caption of the about box, a dialog of the system's dialog class.
constexpr wchar_t kAboutCaption[] = L"About";

}  // namespace qf::ids
