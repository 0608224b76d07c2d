#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when any is missing.
# Idempotent: a machine that has them all is left alone and no package list is fetched.
# Debian 12 (bookworm) and 13 (trixie) are supported, and Ubuntu 24.04 (noble), built from the
# same packages; the names that differ between them are picked by the release.
set -euo pipefail

. /etc/os-release
case ${VERSION_CODENAME:-} in
bookworm) clang_runtime=libclang-rt-14-dev ;;
noble) clang_runtime=libclang-rt-18-dev ;;
trixie) clang_runtime=libclang-rt-19-dev ;;
*)
  echo "$0: ${PRETTY_NAME:-this system} is not supported: Debian 12 or 13, or Ubuntu 24.04" >&2
  exit 2 ;;
esac

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-liberation2
)
for set in "$@"; do
  case $set in
  --test)
    packages+=(
      xvfb xauth x11-apps x11-utils imagemagick clang-format
      qt6-gtk-platformtheme qt6-wayland weston lintian
      binutils-mingw-w64-x86-64 desktop-file-utils appstream dpkg-dev diffoscope-minimal
      clang "$clang_runtime" libbenchmark-dev
      openbox x11-xserver-utils xdotool fonts-cantarell
      orca at-spi2-core dbus-daemon libglib2.0-bin dconf-service dconf-gsettings-backend
    ) ;;
  --windows)
    # Qt for Windows is built from Debian's source with the MinGW-w64 toolchain; the build
    # machine's Qt serves as its host tools. NSIS makes the installer; the Windows tests run the
    # build under Wine with an X server of their own, and read the program file with pefile.
    packages+=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 dpkg-dev xz-utils nsis
      wine64 xvfb xauth python3-pefile diffoscope-minimal) ;;
  --debian-root)
    # scripts/debian13.sh makes a Debian 13 root from Debian's mirror.
    packages+=(mmdebstrap util-linux git) ;;
  *)
    echo "usage: $0 [--test] [--windows] [--debian-root]" >&2
    exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
