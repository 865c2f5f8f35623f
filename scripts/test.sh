#!/usr/bin/env bash
# Builds everything and runs every test: the core's unit tests on the host
# (plain and with AddressSanitizer/UBSan), then the 32-bit and 64-bit
# Windows builds with their tests under Wine.
set -uo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh || exit 1

passed=0 failed=0 skipped=0 broken=()
for preset in host host-asan i686 x86_64; do
    echo "== $preset: configure and build"
    if ! { cmake --preset "$preset" >"build-$preset.log" 2>&1 || { cat "build-$preset.log"; false; }; } ||
        ! cmake --build --preset "$preset"; then
        broken+=("$preset (build)")
        continue
    fi
    rm -f "build-$preset.log"
    echo "== $preset: test"
    ctest --preset "$preset" 2>&1 | tee "build/$preset/ctest.out"
    [ "${PIPESTATUS[0]}" -eq 0 ] || broken+=("$preset")
    # "N% tests passed, F tests failed out of T"
    read -r f t < <(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' \
        "build/$preset/ctest.out")
    s=$(grep -c '\*\*\*Skipped' "build/$preset/ctest.out")
    passed=$((passed + ${t:-0} - ${f:-0} - s))
    failed=$((failed + ${f:-0}))
    skipped=$((skipped + s))
done

echo "== static analysis"
if scripts/lint.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); broken+=(lint); fi

echo
if [ ${#broken[@]} -gt 0 ]; then
    echo "failed: ${broken[*]}"
    echo "$passed passed, $((failed > 0 ? failed : 1)) failed, $skipped skipped"
    exit 1
fi
echo "$passed passed, $failed failed, $skipped skipped"
