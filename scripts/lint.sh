#!/usr/bin/env bash
# Static analysis of src/: cppcheck, and clang-tidy with the checks in
# .clang-tidy, on the core (host build) and on the Windows layer (as the
# 64-bit MinGW build compiles it). Needs the host and x86_64 builds
# configured (scripts/test.sh does that first).
set -uo pipefail
cd "$(dirname "$0")/.."

status=0

echo "== cppcheck"
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability \
    --std=c++20 --library=windows -I src --suppress=missingIncludeSystem \
    --suppress=useStlAlgorithm --inline-suppr src || status=1

# The Windows layer and the two programs' Win32 parts; the core is the rest.
windows=$(git ls-files 'src/platform/win32/*.cpp' 'src/ui/*.cpp' 'src/cli/*.cpp' \
    src/shell/Project1.cpp | grep -v -x src/cli/options.cpp)
core=$(git ls-files 'src/*.cpp' | grep -v -x -F "$windows")
gcc_headers=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")/include/c++

echo "== clang-tidy: core"
clang-tidy -p build/host --quiet $core 2>/dev/null | grep -E 'error:|warning:' && status=1
echo "== clang-tidy: Windows layer"
clang-tidy -p build/x86_64 --quiet --extra-arg=--target=x86_64-w64-mingw32 \
    --extra-arg=-isystem"$gcc_headers" --extra-arg=-isystem"$gcc_headers/x86_64-w64-mingw32" \
    $windows 2>/dev/null | grep -E 'error:|warning:' && status=1

[ $status -eq 0 ] && echo "static analysis: clean"
exit $status
