#!/usr/bin/env bash
# Builds Ventrimo for 64-bit Windows on this Debian machine, and packages it. Installs what is
# missing (Debian packages; Qt for Windows, built once into a cache by scripts/windows-qt.sh,
# which takes about half an hour the first time), cross-builds build-windows/ventrimo.exe with
# its icon and version record, and makes build-windows/ventrimo-<version>-win64.zip and the
# installer build-windows/ventrimo-<version>-win64.exe.
#
# Usage: scripts/windows.sh [--test]   --test also runs the Windows tests under Wine, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
tests=OFF
case ${1:-} in
'') ;;
--test) tests=ON ;;
*)
  echo "usage: $0 [--test]" >&2
  exit 2 ;;
esac

scripts/deps.sh --windows
qt=$(scripts/windows-qt.sh | tail -n 1)
jobs=$(nproc)
export CMAKE_BUILD_PARALLEL_LEVEL=$jobs CTEST_PARALLEL_LEVEL=$jobs

# The icon tool runs during the build, so it is built for this machine, in a tree of its own.
cmake -S . -B build-windows-tools -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENTRIMO_TESTS=OFF \
  >/dev/null
cmake --build build-windows-tools --target ventrimo_icontool

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVENTRIMO_WERROR=ON \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DVENTRIMO_HOST_ICONTOOL="$PWD/build-windows-tools/resources/ventrimo_icontool" \
  -DVENTRIMO_TESTS=$tests >/dev/null
cmake --build build-windows
(cd build-windows && cpack >/dev/null)
ls -1 build-windows/ventrimo.exe build-windows/ventrimo-*-win64.zip \
  build-windows/ventrimo-*-win64.exe

if [ $tests = ON ]; then
  # One X server for every test; the Wine processes of the build's prefix end before it does.
  scripts/with-xvfb.sh "-screen 0 1280x1024x24" bash -c '
    status=0
    ctest --test-dir build-windows --output-on-failure --timeout 600 || status=$?
    WINEPREFIX=$PWD/build-windows/wine /usr/lib/wine/wineserver -w
    exit $status'
fi
