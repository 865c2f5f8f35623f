# The Windows program, its Windows-side tests and the Wine harness.

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
if(NOT MSVC)
  # Small static executables that need no DLL beside them.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-static -Wl,--gc-sections)
  if(CMAKE_BUILD_TYPE STREQUAL "MinSizeRel")
    add_link_options(-s)
  endif()
endif()

# The Win32 side of the ports and the main window.
add_library(qfwin32 STATIC
  src/platform/win32/text.cpp
  src/platform/win32/registry.cpp
  src/platform/win32/system.cpp
  src/platform/win32/file_store.cpp
  src/platform/win32/tray_icon.cpp
  src/ui/list_box.cpp
  src/ui/menus.cpp
  src/ui/Unit1.cpp
)
target_link_libraries(qfwin32 PUBLIC qfcore shell32 comctl32 advapi32 user32 gdi32)

add_executable(qingfeng WIN32 src/shell/Project1.cpp res/qingfeng.rc)
target_link_libraries(qingfeng PRIVATE qfwin32)
if(NOT MSVC)
  target_link_options(qingfeng PRIVATE -municode)
endif()

include(cmake/WineHarness.cmake)
add_subdirectory(tests/win)
