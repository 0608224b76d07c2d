#!/usr/bin/env bash
# Builds the program and packages it twice, in two build folders of different names, and checks
# that the FILES of the two builds have the same bytes; diffoscope tells what differs.
# Usage: builds_twice.sh SOURCE WORK "CPACK_GENERATORS" "FILES" [CMAKE_OPTION...]
set -euo pipefail
source=$1 work=$2 generators=$3 files=$4
shift 4
rm -rf "$work"
for build in one build-two; do
  # The second build sees the drawings modified after the first, as another checkout would.
  [ $build = one ] || touch "$source"/resources/*.xpm
  cmake -S "$source" -B "$work/$build" -G Ninja -DVENTRIMO_TESTS=OFF "$@" >/dev/null
  cmake --build "$work/$build" -j2 --target ventrimo >/dev/null
  (cd "$work/$build" && cpack -G "${generators// /;}" >/dev/null)
done
status=0
for file in $files; do
  cmp -s "$work"/one/$file "$work"/build-two/$file && continue
  status=1
  echo "$file differs between two builds of one source:"
  # diffoscope's report, trimmed to the parts that differ and their changed lines.
  (cd "$work" && diffoscope --text - one/$file build-two/$file |
    grep -E '^[│ ]*(├──|[-+])' | head -n 40) || true
done
[ $status = 1 ] || rm -rf "$work"
exit $status
