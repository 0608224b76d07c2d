#!/usr/bin/env bash
# The program's window on a real X server (Xvfb): the X11 class that ties it to its desktop
# entry, and where it opens on an ordinary, a small and a small HiDPI screen. One server with
# a screen of each size.
#
# Usage: window_on_x11.sh PROGRAM APP_ID
set -euo pipefail
if [ -z "${VENTRIMO_X11_INSIDE:-}" ]; then
  VENTRIMO_X11_INSIDE=1 exec "$(dirname "$0")/../../scripts/with-xvfb.sh" \
    "-screen 0 1024x768x24 -screen 1 640x480x24 -screen 2 1280x1024x24" "$0" "$@"
fi
program=$1
app_id=$2
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
unset WAYLAND_DISPLAY QT_SCALE_FACTOR
server=${DISPLAY%.*}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A mark on the root window that only a reset of the server would wipe: every client below
# connects after the one before it has gone.
xprop -root -f _VENTRIMO_TEST 8s -set _VENTRIMO_TEST kept

# Starts the program on a screen at a scale factor, waits for its window and prints
# "x y width height class", then ends the program.
window_on_screen() {
  local display=$server.$1 log id="" info class
  log=$(mktemp)
  DISPLAY=$display QT_SCALE_FACTOR=$2 "$program" 2>"$log" &
  local pid=$!
  for _ in $(seq 200); do
    id=$(xwininfo -display "$display" -root -tree 2>/dev/null |
      awk '/"Ventrimo"/ {print $1; exit}')
    [ -n "$id" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -z "$id" ]; then
    kill "$pid" 2>/dev/null || true
    cat "$log" >&2
    xdpyinfo -display "$display" >/dev/null || true
    fail "no window on $display"
  fi
  sleep 0.5 # the window settles where the program puts it
  info=$(xwininfo -display "$display" -id "$id")
  class=$(xprop -display "$display" -id "$id" WM_CLASS | sed 's/.*= //')
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -f "$log"
  field() { awk -F: "/$1/ {gsub(/ /, \"\", \$2); print \$2}" <<<"$info"; }
  echo "$(field "Absolute upper-left X") $(field "Absolute upper-left Y")" \
    "$(field "Width") $(field "Height") $class"
}

# An ordinary screen: centred.
read -r x y width height class < <(window_on_screen 0 1)
echo "1024x768: at $x,$y, ${width}x${height}, class $class"
[[ $class == *"\"$app_id\""* ]] || fail "the window's class $class is not $app_id"
[ "$x" -eq $(((1024 - width) / 2)) ] && [ "$y" -eq $(((768 - height) / 2)) ] ||
  fail "the window is not centred on 1024x768"

# Screens the window does not fit: its top left corner, title bar and menu stay on the screen.
for setting in "1 1 640x480" "2 2 1280x1024"; do
  read -r screen scale size <<<"$setting"
  read -r x y width height class < <(window_on_screen "$screen" "$scale")
  echo "$size at scale $scale: at $x,$y, ${width}x${height}"
  [ "$y" -ge 0 ] && [ "$x" -ge 0 ] || fail "the window leaves $size at $x,$y"
done

xprop -root _VENTRIMO_TEST | grep -q kept ||
  fail "the X server reset when its last client left, dropping whoever connected meanwhile"
