#!/usr/bin/env bash
# Builds the program and starts it under Wine.
#
# With a display (DISPLAY set) the program runs there until you close it.
# Without one (a server) it starts a virtual display, waits for the main
# window, saves a screenshot, prints its path and ends the program.
#
# The 32-bit program runs where this machine can run 32-bit Wine; elsewhere
# the 64-bit build runs in a 64-bit prefix.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh

if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    preset=i686 arch=win32
else
    preset=x86_64 arch=win64
    echo "== note: this machine cannot run 32-bit Wine; running the 64-bit build"
fi

echo "== building the program ($preset)"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target dist

# The ready folder is the base folder (the current directory at start): the
# program finds its help, its sound cue and its settings file `set` there.
# A first run gets a small example list instead of the missing-file box.
base="$root/build/$preset/dist/青枫目录台"
exe="$base/青枫目录台.exe"
[ -e "$base/set" ] || printf '1\r\nC:\\Program Files\r\nC:\\Apps\r\n' >"$base/set"

harness="$root/build/$preset/run-wine"
if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX="$harness/prefix" WINEARCH=$arch WINEDEBUG=-all
    export WINEDLLOVERRIDES='mscoree,mshtml=d'
    loader=$([ $arch = win32 ] && echo /usr/lib/wine/wine || echo /usr/lib/wine/wine64)
    export WINELOADER=$loader
    mkdir -p "$harness"
    echo "== starting the program on $DISPLAY (prefix $WINEPREFIX)"
    cd "$base" && exec "$loader" "$exe"
fi

echo "== no display: starting a virtual one"
scripts/wine-harness.sh start "$harness" "$arch"
trap 'scripts/wine-harness.sh stop "$harness"' EXIT
eval "$(scripts/wine-harness.sh env "$harness")"
(cd "$base" && exec "$WINELOADER" "$exe") &
program=$!

echo "== waiting for the main window"
if ! timeout 60 xdotool search --sync --onlyvisible --name '^青枫目录台2\.0$' >/dev/null; then
    echo "the main window did not appear" >&2
    exit 1
fi
sleep 1
shot="$root/build/$preset/screenshot.png"
import -window root "$shot"
echo "== the program is running; screenshot saved:"
echo "$shot"
kill "$program" 2>/dev/null || true
