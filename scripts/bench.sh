#!/usr/bin/env bash
# Builds and runs the benchmarks and prints their figures.
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
cmake --build --preset "$preset" --target startup_bench minimal_window >/dev/null

harness="$root/build/$preset/bench-wine"
scripts/wine-harness.sh start "$harness" "$arch" >/dev/null
trap 'scripts/wine-harness.sh stop "$harness"' EXIT

echo
echo "== start-up under Wine ($arch prefix, $preset build)"
scripts/wine-harness.sh run "$harness" "$root/build/$preset/bench/startup_bench.exe" \
    "$root/build/$preset/qingfeng.exe" "$root/build/$preset/bench/minimal_window.exe" "${ROUNDS:-11}"

echo
echo "== executable sizes"
for p in i686 x86_64; do
    printf '  %-7s %6d KB%s\n' "$p" "$(($(stat -c %s "build/$p/qingfeng.exe") / 1024))" \
        "$([ $p = i686 ] && echo '   (goal <= 400 KB)')"
done
