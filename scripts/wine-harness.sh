#!/usr/bin/env bash
# Wine harness for the Windows-side tests: a throwaway prefix and a private
# Xvfb display, both inside the build tree. It never touches ~/.wine and
# ends only what it started.
#
#   wine-harness.sh start DIR win32|win64   new prefix and display
#   wine-harness.sh run DIR PROGRAM [ARGS]  run a Windows program there
#   wine-harness.sh env DIR                 print the environment, for eval
#   wine-harness.sh stop DIR                end the prefix's processes and the display
#
# When this machine cannot run the prefix's Wine (a kernel without 32-bit
# support cannot run wine32), start records why and run exits 77, which
# CTest counts as skipped.
set -euo pipefail

cmd=${1:?command}
dir=$(realpath -m "${2:?harness folder}")
shift 2

loader_for() {
    case $1 in
        win32) echo /usr/lib/wine/wine ;;
        win64) echo /usr/lib/wine/wine64 ;;
        *) echo "unknown Wine architecture $1" >&2; exit 2 ;;
    esac
}

print_env() {
    local arch loader
    arch=$(cat "$dir/arch")
    loader=$(loader_for "$arch")
    cat <<ENV
export WINEPREFIX='$dir/prefix'
export WINEARCH='$arch'
export WINELOADER='$loader'
export WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=d'
export DISPLAY='$(cat "$dir/display")'
ENV
}

stop() {
    [ -d "$dir" ] || return 0
    if [ -f "$dir/arch" ] && [ -d "$dir/prefix" ]; then
        WINEPREFIX="$dir/prefix" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    fi
    if [ -f "$dir/xvfb.pid" ]; then
        local pid
        pid=$(cat "$dir/xvfb.pid")
        kill "$pid" 2>/dev/null || true
        # Until it has gone: a display started next must not find its
        # lock and socket still there.
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        rm -f "$dir/xvfb.pid"
    fi
}

start_display() {
    local n pid
    for n in $(seq 90 190); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
        pid=$!
        # Ours answers: another server's leftover socket is not enough.
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            xdpyinfo -display ":$n" >/dev/null 2>&1 && break
            sleep 0.1
        done
        if kill -0 "$pid" 2>/dev/null && xdpyinfo -display ":$n" >/dev/null 2>&1; then
            echo "$pid" >"$dir/xvfb.pid"
            echo ":$n" >"$dir/display"
            return 0
        fi
        kill "$pid" 2>/dev/null || true
    done
    echo "no free X display for Xvfb" >&2
    exit 1
}

start() {
    local arch=${1:?win32 or win64} loader
    stop
    rm -rf "$dir"
    mkdir -p "$dir"
    echo "$arch" >"$dir/arch"
    loader=$(loader_for "$arch")
    if ! "$loader" --version >/dev/null 2>&1; then
        echo "this machine cannot run $loader (no $arch Wine or no 32-bit support in the kernel)" \
            | tee "$dir/unavailable"
        return 0
    fi
    start_display
    eval "$(print_env)"
    echo "booting Wine prefix $WINEPREFIX on display $DISPLAY"
    # A boot that fails says why, and gets one more try in a fresh prefix.
    if ! boot "$loader"; then
        WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
        echo "booting again" >&2
        boot "$loader"
    fi
}

boot() {
    logged "$1" wineboot -i &&
        link_cjk_font "$1" &&
        # No window manager runs on the virtual display: Wine draws the frames.
        logged "$1" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f &&
        { /usr/lib/wine/wineserver64 -w 2>/dev/null || true; }
}

# Runs a command quietly; when it fails, shows what it said. Into a file,
# not a pipe: the Wine processes it starts stay and would hold a pipe open.
logged() {
    if ! "$@" >"$dir/step.log" 2>&1; then
        echo "failed: $*" >&2
        cat "$dir/step.log" >&2
        return 1
    fi
}

# Chinese Windows draws Chinese text in the program's fonts through font
# linking; give the prefix the same, to the CJK font installed on Linux.
link_cjk_font() {
    local face
    for face in "MS Sans Serif" "Microsoft Sans Serif" "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2"; do
        logged "$1" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
            /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f || return 1
    done
}

run() {
    if [ -f "$dir/unavailable" ]; then
        echo "skipped: $(cat "$dir/unavailable")"
        exit 77
    fi
    eval "$(print_env)"
    exec "$WINELOADER" "$@"
}

case $cmd in
    start) start "$@" ;;
    stop) stop ;;
    run) run "$@" ;;
    env) print_env ;;
    *) echo "unknown command $cmd" >&2; exit 2 ;;
esac
