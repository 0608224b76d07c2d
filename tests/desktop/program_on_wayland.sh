#!/usr/bin/env bash
# The program under Wayland: it starts, announces the desktop entry's id as its app id, asks
# for a fixed size and paints its window. Run with WAYLAND_DISPLAY and XDG_RUNTIME_DIR set.
#
# Usage: program_on_wayland.sh PROGRAM APP_ID
set -euo pipefail
program=$1
app_id=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Until the window is painted, or twenty seconds.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$program" 2>"$log" &
pid=$!
for _ in $(seq 200); do
  grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer' "$log" && break
  sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
requests=$(grep -E -- '-> (xdg_toplevel|wl_surface)' "$log" || true)

fail() {
  echo "FAIL: $*" >&2
  grep -v -- '->\|<-' "$log" >&2 || true
  exit 1
}
grep -q "set_app_id(\"$app_id\")" <<<"$requests" || fail "no app id $app_id"
min=$(grep -o 'set_min_size([0-9]*, [0-9]*)' <<<"$requests" | tail -n 1 | tr -dc '0-9,')
max=$(grep -o 'set_max_size([0-9]*, [0-9]*)' <<<"$requests" | tail -n 1 | tr -dc '0-9,')
[ -n "$min" ] && [ "$min" = "$max" ] || fail "the size is not fixed: min $min, max $max"
grep -q 'wl_surface[@#][0-9]*\.attach(wl_buffer' <<<"$requests" || fail "nothing was painted"
echo "app id $app_id, fixed size ${min/,/ x }, painted"
