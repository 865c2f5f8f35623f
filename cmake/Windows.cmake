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
  src/platform/win32/record_store.cpp
  src/platform/win32/tray_icon.cpp
  src/platform/win32/BrowseForFolderU.cpp
  src/platform/win32/clipboard.cpp
  src/platform/win32/sound.cpp
  src/ui/list_box.cpp
  src/ui/menus.cpp
  src/ui/tool_bar.cpp
  src/ui/Unit1.cpp
  src/ui/Unit2.cpp
  src/ui/menu_images.cpp
)
target_link_libraries(qfwin32 PUBLIC qfcore shell32 comctl32 advapi32 user32 gdi32 ole32 winmm)

add_executable(qingfeng WIN32 src/shell/Project1.cpp res/qingfeng.rc)
target_link_libraries(qingfeng PRIVATE qfwin32)
if(NOT MSVC)
  target_link_options(qingfeng PRIVATE -municode)
endif()

# qfdir: the command-line tool on the same core and adapters.
add_executable(qfdir src/cli/qfdir.cpp src/cli/tool.cpp src/cli/run.cpp src/cli/console.cpp
  res/qfdir.rc)
target_link_libraries(qfdir PRIVATE qfwin32)
if(NOT MSVC)
  target_link_options(qfdir PRIVATE -municode -mconsole)
endif()

# The Windows-side tests need GoogleTest's sources and run under Wine: they
# are part of a cross build, not of a build on Windows itself.
if(CMAKE_CROSSCOMPILING AND EXISTS /usr/src/googletest)
  include(cmake/WineHarness.cmake)
  add_subdirectory(tests/installer)
  add_subdirectory(tests/win)
endif()

# The folder that ships: the program with its help documents (GBK) and its
# sound cue beside it, and a zip of it for Windows users. Python scripts
# make the documents' GBK form and the cue.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  set(QF_DIST_NAME "青枫目录台")
  set(QF_DIST ${CMAKE_BINARY_DIR}/dist/${QF_DIST_NAME})
  set(QF_DIST_FILES)
  file(GLOB QF_HELP_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/dist/帮助/*.txt)
  foreach(source IN LISTS QF_HELP_SOURCES)
    get_filename_component(name ${source} NAME)
    set(target ${QF_DIST}/帮助/${name})
    add_custom_command(OUTPUT ${target}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${QF_DIST}/帮助
      COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/gbk_text.py ${source} ${target}
      DEPENDS ${source} ${PROJECT_SOURCE_DIR}/scripts/gbk_text.py VERBATIM)
    list(APPEND QF_DIST_FILES ${target})
  endforeach()
  add_custom_command(OUTPUT ${QF_DIST}/音效/设定.wav
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QF_DIST}/音效
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/make_chime.py ${QF_DIST}/音效/设定.wav
    DEPENDS ${PROJECT_SOURCE_DIR}/scripts/make_chime.py VERBATIM)
  list(APPEND QF_DIST_FILES ${QF_DIST}/音效/设定.wav)
  # The window program under the product's name, the console tool beside it.
  foreach(program qingfeng qfdir)
    set(name ${program}.exe)
    if(program STREQUAL qingfeng)
      set(name ${QF_DIST_NAME}.exe)
    endif()
    add_custom_command(OUTPUT ${QF_DIST}/${name}
      COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${program}> ${QF_DIST}/${name}
      DEPENDS ${program} VERBATIM)
    list(APPEND QF_DIST_FILES ${QF_DIST}/${name})
  endforeach()
  # The zip lists the shipped files, so a `set` left by running the program
  # in the folder stays out of it.
  list(TRANSFORM QF_DIST_FILES REPLACE "^${CMAKE_BINARY_DIR}/dist/" "" OUTPUT_VARIABLE QF_ZIP_ENTRIES)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/dist/${QF_DIST_NAME}.zip
    COMMAND ${CMAKE_COMMAND} -E tar cf ${QF_DIST_NAME}.zip --format=zip ${QF_ZIP_ENTRIES}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/dist
    DEPENDS ${QF_DIST_FILES} VERBATIM)
  add_custom_target(dist ALL DEPENDS ${CMAKE_BINARY_DIR}/dist/${QF_DIST_NAME}.zip)
endif()
