#!/usr/bin/env bash
# Saves pictures of the window for reviewers, drawn by a real X server (Xvfb): at start, with
# results in the male and in the female theme, and the same three at scale factor 2.
#
# Usage: scripts/screenshots.sh [FOLDER]   (default ./screenshots, relative to where it is run)
# VENTRIMO_BUILD_DIR picks the build folder (default build).
set -euo pipefail
folder=$(realpath -m "${1:-screenshots}")
cd "$(dirname "$0")/.."
build=${VENTRIMO_BUILD_DIR:-build}

scripts/deps.sh --test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target ventrimo_screenshots
tool=$(realpath "$build/tests/desktop/ventrimo_screenshots")
mkdir -p "$folder"

export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR
# Tall enough for the window at scale factor 2, which is cut where it leaves the screen.
xvfb-run --auto-servernum --server-args="-screen 0 1920x1200x24" \
  bash -c '"$1" "$2" && QT_SCALE_FACTOR=2 "$1" "$2" scale2-' _ "$tool" "$folder"
echo "Saved in $folder"
