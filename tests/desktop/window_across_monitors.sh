#!/usr/bin/env bash
# The window dragged by openbox from a monitor at scale 1 onto one at 1.5 and back (one Xvfb
# screen split in two; -noreset keeps the monitors): its device pixels follow the monitor's scale.
# With "none" no window manager applies the new size hints: the program must resize itself.
set -euo pipefail
[ -n "${VENTRIMO_X11_INSIDE:-}" ] || VENTRIMO_X11_INSIDE=1 exec \
  "$(dirname "$0")/../../scripts/with-xvfb.sh" "-screen 0 2560x1024x24 -noreset" "$0" "$@"
xrandr --setmonitor LEFT 1280/338x1024/270+0+0 none --setmonitor RIGHT 1280/338x1024/270+1280+0 none
wm=${2:-openbox}
[ "$wm" = none ] || openbox --sm-disable 2>/dev/null &
# The window maps once openbox manages the screen, as on a desktop, so that it never races a move.
[ "$wm" = none ] || until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q id; do sleep .1; done
QT_QPA_PLATFORM=xcb QT_SCREEN_SCALE_FACTORS="LEFT=1;RIGHT=1.5" "$1" &
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
id=$(xdotool search --sync --name '^Ventrimo$' | head -n1)
for step in "1400 60 540x788" "60 60 360x525"; do
  read -r x y size <<<"$step"
  xdotool windowmove --sync "$id" "$x" "$y" && sleep 1
  actual=$(xwininfo -id "$id" | awk '/Width:/ {w = $2} /Height:/ {print w "x" $2}')
  [ "$actual" = "$size" ] || { echo "FAIL: ${actual} at $x,$y, not $size" >&2 && exit 1; }
done
