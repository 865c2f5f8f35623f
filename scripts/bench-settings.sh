#!/usr/bin/env bash
# Builds and runs the settings benchmarks: the core's load and save of a
# 100,000-entry settings file against plain stdio (optimised host build),
# and the bulk fill of the real list box against bare LB_ADDSTRING under
# Wine (64-bit build, in a throwaway prefix of its own). Wine's list box
# takes milliseconds per bare LB_ADDSTRING while it is visible, so that
# comparison uses 10,000 entries; pass another count as the first argument.
set -euo pipefail
cd "$(dirname "$0")/.."

host=build/bench-host
cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$host" -j2 --target qf_bench_settings >/dev/null

cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64 --target qf_bench_listbox >/dev/null
harness=build/x86_64/wine-bench
trap 'scripts/wine-harness.sh stop "$harness"' EXIT
scripts/wine-harness.sh start "$harness" win64 >/dev/null

echo "== host core (goal: at most 3x stdio)"
"$host/bench/qf_bench_settings"
echo "== list box under Wine (goal: at most 1.5x bare LB_ADDSTRING)"
scripts/wine-harness.sh run "$harness" build/x86_64/bench/qf_bench_listbox.exe "${1:-10000}"
