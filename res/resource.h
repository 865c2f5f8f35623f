#pragma once

#define IDI_MAIN 1
#define IDB_MENU_IMAGES 2
#define IDB_ABOUT 3
