; A tiny installer that proposes the folder every installer proposes:
; $PROGRAMFILES, which Windows resolves from ProgramFilesDir when the
; installer starts. Built with makensis; /S installs without any window.
;   makensis -DOUTFILE=<path.exe> [-DAMD64] demo.nsi
; AMD64 builds the 64-bit installer, which reads the 64-bit registry view,
; the one the 64-bit program writes; without it the 32-bit installer reads
; the 32-bit view, the one the 32-bit program writes.

Unicode true
!ifdef AMD64
Target amd64-unicode
!endif

Name "QfDemo"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\QfDemo"
RequestExecutionLevel admin
ShowInstDetails nevershow

Section
    SetOutPath "$INSTDIR"
    File "readme.txt"
SectionEnd
