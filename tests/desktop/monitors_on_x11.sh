#!/usr/bin/env bash
# Runs a command on an X server (Xvfb) whose one wide screen is split into two monitors side
# by side, LEFT at scale factor 1 and RIGHT at 1.5, as a laptop beside an external screen,
# under a window manager (openbox). The server keeps the monitors when a client leaves
# (-noreset).
#
# Usage: monitors_on_x11.sh COMMAND [ARGUMENT...]
set -euo pipefail
if [ -z "${VENTRIMO_MONITORS_INSIDE:-}" ]; then
  VENTRIMO_MONITORS_INSIDE=1 exec "$(dirname "$0")/../../scripts/with-xvfb.sh" \
    "-screen 0 2560x1024x24 -noreset" "$0" "$@"
fi
xrandr --setmonitor LEFT 1280/338x1024/270+0+0 none >/dev/null
xrandr --setmonitor RIGHT 1280/338x1024/270+1280+0 none >/dev/null
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null || true' EXIT
sleep 1 # the window manager takes the screen
export QT_QPA_PLATFORM=xcb QT_SCREEN_SCALE_FACTORS="LEFT=1;RIGHT=1.5"
unset WAYLAND_DISPLAY QT_SCALE_FACTOR
"$@"
