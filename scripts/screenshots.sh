#!/usr/bin/env bash
# Saves pictures of the window for reviewers and the README, drawn by a real X server (Xvfb):
# at start, and with results in the male and in the female theme; on a light desktop, on a dark
# desktop theme (GNOME's Adwaita dark, through Qt's GTK platform theme), and at scale factor 2;
# under GNOME's default font (Cantarell 11, through the GTK platform theme); and on the right of
# two monitors, at scale 1.5, where the window manager (openbox) puts it from the left one.
#
# Usage: scripts/screenshots.sh [FOLDER]   (default ./screenshots, relative to where it is run)
# scripts/screenshots.sh docs renews the pictures the README shows.
# VENTRIMO_BUILD_DIR picks the build folder (default build).
set -euo pipefail
folder=$(realpath -m "${1:-screenshots}")
cd "$(dirname "$0")/.."
build=${VENTRIMO_BUILD_DIR:-build}

scripts/deps.sh --test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target ventrimo_screenshots
tool=$(realpath "$build/tests/desktop/ventrimo_screenshots")
mkdir -p "$folder"

export QT_QPA_PLATFORM=xcb LANG=C.UTF-8
unset QT_SCALE_FACTOR QT_QPA_PLATFORMTHEME GTK_THEME XDG_CURRENT_DESKTOP
# Tall enough for the window at scale factor 2, which is cut where it leaves the screen.
scripts/with-xvfb.sh "-screen 0 1920x1200x24" bash -c '
  "$1" "$2" light-
  XDG_CURRENT_DESKTOP=GNOME QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark "$1" "$2" dark-
  QT_SCALE_FACTOR=2 "$1" "$2" scale2-' _ "$tool" "$folder"

# GNOME's default font, as the GTK settings give it.
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
mkdir -p "$settings/gtk-3.0"
printf '[Settings]\ngtk-font-name=Cantarell 11\n' >"$settings/gtk-3.0/settings.ini"
cat >"$settings/openbox.xml" <<'EOF'
<openbox_config xmlns="http://openbox.org/3.4/rc"><applications><application class="*">
<position force="yes"><x>60</x><y>40</y><monitor>2</monitor></position>
</application></applications></openbox_config>
EOF
XDG_CONFIG_HOME=$settings XDG_CURRENT_DESKTOP=GNOME QT_QPA_PLATFORMTHEME=gtk3 \
  scripts/with-xvfb.sh "-screen 0 1920x1200x24" "$tool" "$folder" cantarell-

# Two monitors side by side, scale 1 and 1.5; openbox places new windows on the second.
scripts/with-xvfb.sh "-screen 0 2560x1024x24 -noreset" bash -c '
  xrandr --setmonitor LEFT 1280/338x1024/270+0+0 none >/dev/null
  xrandr --setmonitor RIGHT 1280/338x1024/270+1280+0 none >/dev/null
  openbox --sm-disable --config-file "$3" >/dev/null 2>&1 &
  sleep 1
  QT_SCREEN_SCALE_FACTORS="LEFT=1;RIGHT=1.5" "$1" "$2" monitor1.5-
  kill $!' _ "$tool" "$folder" "$settings/openbox.xml"
echo "Saved in $folder"
