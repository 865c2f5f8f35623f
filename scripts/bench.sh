#!/usr/bin/env bash
# Builds and runs every benchmark and ends with a table of their figures:
#  - start-up to a visible window against a minimal Win32 window, and the
#    peak working set, under Wine (the 32-bit build where this machine runs
#    32-bit Wine, else the 64-bit one), in a throwaway prefix of its own;
#  - the executable sizes of both builds;
#  - the core's load and save of a 100,000-entry settings file against plain
#    stdio (optimised host build);
#  - the bulk fill of the real list box against bare LB_ADDSTRING under Wine.
#    Wine's list box takes milliseconds per bare LB_ADDSTRING while it is
#    visible, so that comparison uses 10,000 entries (LISTBOX_ENTRIES).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh >/dev/null

if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    preset=i686 arch=win32
else
    preset=x86_64 arch=win64
fi

echo "== building"
for p in i686 x86_64; do
    cmake --preset "$p" >/dev/null
    cmake --build --preset "$p" --target qingfeng >/dev/null
done
cmake --build --preset "$preset" --target startup_bench minimal_window qf_bench_listbox >/dev/null
host=build/bench-host
cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$host" -j2 --target qf_bench_settings >/dev/null

harness="$root/build/$preset/bench-wine"
scripts/wine-harness.sh start "$harness" "$arch" >/dev/null
out=$(mktemp -d)
trap 'scripts/wine-harness.sh stop "$harness"; rm -rf "$out"' EXIT

echo
echo "== start-up under Wine ($arch prefix, $preset build)"
scripts/wine-harness.sh run "$harness" "$root/build/$preset/bench/startup_bench.exe" \
    "$root/build/$preset/qingfeng.exe" "$root/build/$preset/bench/minimal_window.exe" \
    "${ROUNDS:-11}" | tee "$out/startup"

echo
echo "== settings file, host core (goal: at most 3x stdio)"
"$host/bench/qf_bench_settings" | tee "$out/settings"

echo
echo "== list box under Wine (goal: at most 1.5x bare LB_ADDSTRING)"
scripts/wine-harness.sh run "$harness" "$root/build/$preset/bench/qf_bench_listbox.exe" \
    "${LISTBOX_ENTRIES:-10000}" | tee "$out/listbox"

# The figure after "ratio" on the first line that matches.
ratio() { sed -n "/$1/{s/.*ratio *\([0-9.]*\).*/\1/p;q}" "$2"; }
kb() { echo "$(($(stat -c %s "build/$1/qingfeng.exe") / 1024)) KB"; }

echo
echo "== summary"
printf '  %-38s %-10s %s\n' \
    "start-up ratio ($preset)" "$(ratio '^  ratio' "$out/startup")" "goal <= 1.20" \
    "executable size i686" "$(kb i686)" "goal <= 400 KB" \
    "executable size x86_64" "$(kb x86_64)" "" \
    "peak working set ($preset)" \
    "$(awk '/^peak working set/ {f = 1; next} f && /program/ {print $2 " MB"; exit}' "$out/startup")" "" \
    "set load ratio (core / stdio)" "$(ratio 'load:' "$out/settings")x" "goal <= 3x" \
    "set save ratio (core / stdio)" "$(ratio 'save:' "$out/settings")x" "goal <= 3x" \
    "set save ratio (core / stdio + fsync)" "$(ratio 'fsync' "$out/settings")x" "" \
    "list-box fill ratio (Assign / bare)" "$(ratio 'Assign' "$out/listbox")x" "goal <= 1.5x"
