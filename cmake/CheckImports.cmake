cmake_minimum_required(VERSION 3.25)
# Fails unless every DLL that the program file imports belongs to Windows.
# Usage: cmake -DOBJDUMP=... -DEXE=... -P CheckImports.cmake
set(allowed ADVAPI32 COMCTL32 COMDLG32 GDI32 KERNEL32 MSVCRT OLE32 OLEAUT32 SHELL32 SHLWAPI
            USER32 UXTHEME VERSION WINMM)
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
foreach(line IN LISTS names)
  string(REGEX REPLACE "DLL Name: ([^.]+)\\.[dD][lL][lL].*" "\\1" dll "${line}")
  string(TOUPPER "${dll}" dll)
  if(NOT dll IN_LIST allowed)
    message(FATAL_ERROR "imports ${dll}.dll, which is not a Windows system DLL")
  endif()
  message(STATUS "imports ${dll}.dll")
endforeach()
