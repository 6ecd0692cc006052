#!/usr/bin/env bash
# Runs a command on an X server of its own, laid out as RandR monitors, with a window manager:
#   on_x_server.sh DPI WIDTHxHEIGHT MONITOR... -- COMMAND...
# Each MONITOR is NAME=WIDTHxHEIGHT+X+Y, the first of them the primary one; DPI is Xft.dpi,
# the one scale X11 gives every screen. The command runs with DISPLAY set and
# QT_QPA_PLATFORM=xcb, and its exit status is the script's. The server, the window manager and
# what they left behind go when the command ends.
set -euo pipefail

dpi=$1 size=$2
shift 2
monitors=()
while (($#)) && [[ $1 != -- ]]; do
    monitors+=("$1")
    shift
done
[[ ${1:-} == -- ]] || { echo "usage: $0 DPI WxH NAME=WxH+X+Y... -- COMMAND..." >&2; exit 2; }
shift

for tool in Xvfb openbox xrandr xrdb xprop xdotool; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to a minute for a command to succeed; a slow machine gets there, a broken one fails.
await() {
    local what=$1
    shift
    for _ in $(seq 1200); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    echo "$0: $what did not come up" >&2
    exit 1
}

# The server picks a free display and writes its number; -noreset keeps the monitors and the
# resources when the last client goes.
Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset -nolisten tcp 3>"$work/display" \
    2>"$work/xvfb.log" &
pids+=($!)
await "Xvfb" grep -q . "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"
await "the X server on $DISPLAY" xrandr -q

# The first monitor takes the server's one output and is the primary; the others have none.
output=$(xrandr -q | awk '/ connected/ {print $1; exit}')
first=1
for monitor in "${monitors[@]}"; do
    name=${monitor%%=*} geometry=${monitor#*=}
    w=${geometry%%x*} rest=${geometry#*x}
    h=${rest%%+*} x=$(cut -d+ -f2 <<<"$rest") y=$(cut -d+ -f3 <<<"$rest")
    # The physical size in millimetres, at DPI.
    mm_w=$((w * 254 / (dpi * 10))) mm_h=$((h * 254 / (dpi * 10)))
    if ((first)); then
        xrandr --setmonitor "*$name" "$w/${mm_w}x$h/$mm_h+$x+$y" "$output"
        first=0
    else
        xrandr --setmonitor "$name" "$w/${mm_w}x$h/$mm_h+$x+$y" none
    fi
done
echo "Xft.dpi: $dpi" | xrdb -nocpp -merge

# A window manager with its own empty settings, so that nothing of the user's applies.
mkdir -p "$work/config"
XDG_CONFIG_HOME="$work/config" openbox --sm-disable 2>"$work/openbox.log" &
pids+=($!)
await "openbox" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

status=0
QT_QPA_PLATFORM=xcb "$@" || status=$?
if ((status)); then
    xrandr --listmonitors >&2
    cat "$work/openbox.log" >&2
fi
exit "$status"
