#!/usr/bin/env bash
# The program's window on a real X server (Xvfb): the X11 class that ties it to its desktop
# entry, and where it opens on a small, a small HiDPI and an ordinary screen.
#
# Usage: window_on_x11.sh PROGRAM APP_ID
set -euo pipefail
program=$1
app_id=$2
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
unset WAYLAND_DISPLAY QT_SCALE_FACTOR

# Starts the program on a screen of the given size, waits for its window and prints
# "x y width height class", then ends the program.
window_on_screen() {
  local screen=$1 scale=$2
  xvfb-run --auto-servernum --server-args="-screen 0 ${screen}x24" \
    bash -c '
      QT_SCALE_FACTOR=$2 "$1" & pid=$!
      for _ in $(seq 100); do
        id=$(xwininfo -root -tree 2>/dev/null | awk "/\"Ventrimo\"/ {print \$1; exit}")
        [ -n "$id" ] && break
        sleep 0.1
      done
      sleep 0.5 # the window settles where the program puts it
      info=$(xwininfo -id "$id")
      field() { echo "$info" | awk -F: "/$1/ {gsub(/ /, \"\", \$2); print \$2}"; }
      class=$(xprop -id "$id" WM_CLASS | sed "s/.*= //")
      echo "$(field "Absolute upper-left X") $(field "Absolute upper-left Y")" \
           "$(field "Width") $(field "Height") $class"
      kill $pid' _ "$program" "$scale"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# An ordinary screen: centred.
read -r x y width height class < <(window_on_screen 1024x768 1)
echo "1024x768: at $x,$y, ${width}x${height}, class $class"
[[ $class == *"\"$app_id\""* ]] || fail "the window's class $class is not $app_id"
[ "$x" -eq $(((1024 - width) / 2)) ] && [ "$y" -eq $(((768 - height) / 2)) ] ||
  fail "the window is not centred on 1024x768"

# Screens the window does not fit: its top left corner, title bar and menu stay on the screen.
for setting in "640x480 1" "1280x1024 2"; do
  read -r screen scale <<<"$setting"
  read -r x y width height class < <(window_on_screen "$screen" "$scale")
  echo "$screen at scale $scale: at $x,$y, ${width}x${height}"
  [ "$y" -ge 0 ] && [ "$x" -ge 0 ] || fail "the window leaves $screen at $x,$y"
done
