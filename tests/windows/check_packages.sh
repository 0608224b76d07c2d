#!/usr/bin/env bash
# Makes the zip and the installer of the Windows build and tries them as a user would, on a Wine
# prefix of their own where nothing else is: the program unpacked from the zip shows its window
# with only the DLLs that came with it; the installer installs silently with a Start-menu entry,
# the installed program shows its window, and the uninstaller removes them.
#
# Usage: check_packages.sh CPACK BUILD_DIR WORK_DIR PROBE.exe
set -euo pipefail
cpack=$1 build=$2 work=$3 probe=$4
wine=$build/wine.sh
fail() {
  echo "check_packages: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work"
"$cpack" -G "ZIP;NSIS" -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
zip=$(echo "$work"/ventrimo-*-win64.zip)
installer=$(echo "$work"/ventrimo-*-win64.exe)
[ -f "$zip" ] && [ -f "$installer" ] || fail "cpack made: $(ls "$work")"

# A prefix made for these runs, and no DLL but the package's own.
export VENTRIMO_WINEPREFIX=$work/prefix VENTRIMO_WINE_CLEAN=1 VENTRIMO_WINE_WAIT=1

(cd "$work" && cmake -E tar xf "$zip")
unpacked=${zip%.zip}
for file in ventrimo.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
  libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  [ -f "$unpacked/bin/$file" ] || fail "the zip lacks bin/$file"
done
"$wine" "$probe" "Z:${unpacked//\//\\}\\bin\\ventrimo.exe" Ventrimo ||
  fail "the program from the zip did not show its window"

"$wine" "$installer" /S || fail "the installer failed"
installed="$VENTRIMO_WINEPREFIX/drive_c/Program Files/Ventrimo"
for file in bin/ventrimo.exe bin/platforms/qwindows.dll Uninstall.exe; do
  [ -f "$installed/$file" ] || fail "the installer did not install $file"
done
shortcut=$(find "$VENTRIMO_WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Ventrimo/Ventrimo.lnk')
[ -n "$shortcut" ] || fail "the installer made no Start-menu entry Ventrimo"
"$wine" "$probe" 'C:\Program Files\Ventrimo\bin\ventrimo.exe' Ventrimo ||
  fail "the installed program did not show its window"

"$wine" 'C:\Program Files\Ventrimo\Uninstall.exe' /S || fail "the uninstaller failed"
[ ! -e "$installed/bin/ventrimo.exe" ] || fail "the uninstaller left bin/ventrimo.exe"
[ ! -e "$shortcut" ] || fail "the uninstaller left the Start-menu entry"
echo "zip, installer and uninstaller work"
rm -rf "$work"
