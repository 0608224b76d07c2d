#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own qt6-base source with Debian's MinGW-w64, once,
# into a cache folder outside the repository; later runs find it there and do nothing.
# Prints the Qt prefix on its last line of output. With --print-prefix-if-built it builds nothing:
# it prints the prefix when Qt is already built there, and fails otherwise.
#
# Only what the program and its tests need: Core, Gui, Widgets, Test, the Windows and the
# offscreen platform plugins. Debian's source lacks the non-free wintab.h, so tablet events are
# off; the Windows plugin of 6.4.2 needs OpenGL, which stays on (loaded dynamically).
#
# VENTRIMO_CACHE_DIR picks the cache (default ~/.cache/ventrimo). Takes about half an hour on two
# cores; the log is kept beside the prefix.
set -euo pipefail
cd "$(dirname "$0")/.."

version=6.4.2+dfsg-10
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_pkg_config=OFF -DFEATURE_tabletevent=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
)
key="qt-${version//+/-}-mingw64-$(printf '%s\n' "${options[@]}" | cat - cmake/mingw-w64-x86_64.cmake |
  sha256sum | cut -c1-12)"
cache=${VENTRIMO_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ventrimo}
prefix=$cache/$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
[ "${1:-}" != --print-prefix-if-built ] || exit 1

scripts/deps.sh --windows
jobs=$(nproc)
work=$cache/build-$key
rm -rf "$work" "$prefix"
mkdir -p "$work" "$prefix"
log=$prefix/build.log
echo "Building Qt $version for Windows into $prefix (about half an hour; log in $log)"

# The source package of the very version the build machine's Qt tools come from.
if ! apt-get source --print-uris "qt6-base=$version" >/dev/null 2>&1; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
    true)
  printf 'Types: deb-src\nURIs: %s\nSuites: bookworm bookworm-updates\nComponents: main\n%s\n' \
    "${uri:-http://deb.debian.org/debian}" \
    "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
    "${as_root[@]}" tee /etc/apt/sources.list.d/ventrimo-deb-src.sources >/dev/null
  "${as_root[@]}" apt-get update -qq
fi
(cd "$work" && apt-get source -qq "qt6-base=$version") >>"$log" 2>&1
source_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

# Qt's installed toolchain file chains to this one by path: keep a copy beside the prefix.
cp cmake/mingw-w64-x86_64.cmake "$prefix/mingw-w64-x86_64.cmake"
start=$(date +%s)
cmake -S "$source_dir" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-x86_64.cmake" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >>"$log" 2>&1
cmake --build "$work/build" --parallel "$jobs" >>"$log" 2>&1
cmake --install "$work/build" >>"$log" 2>&1
echo "Built in $(($(date +%s) - start)) s" >>"$log"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
