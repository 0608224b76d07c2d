#!/usr/bin/env bash
# Saves pictures of the window for reviewers and the README, drawn by a real X server (Xvfb):
# at start, and with results in the male and in the female theme; on a light desktop, on a dark
# desktop theme (GNOME's Adwaita dark, through Qt's GTK platform theme), and at scale factor 2.
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
echo "Saved in $folder"
