#!/usr/bin/env bash
# A headless Wayland compositor (weston) for the tests that run the window under Wayland.
#
# Usage: weston.sh start|stop RUNTIME_DIR SOCKET
# The runtime folder holds the socket, weston's log and its process id.
set -euo pipefail
action=$1
runtime=$2
socket=$3

case $action in
start)
  "$0" stop "$runtime" "$socket"
  mkdir -p "$runtime"
  chmod 700 "$runtime"
  XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
  echo $! >"$runtime/weston.pid"
  for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && exit 0
    sleep 0.1
  done
  cat "$runtime/weston.log" >&2
  echo "weston did not open $runtime/$socket" >&2
  exit 1
  ;;
stop)
  if [ -f "$runtime/weston.pid" ]; then
    kill "$(cat "$runtime/weston.pid")" 2>/dev/null || true
    rm -f "$runtime/weston.pid"
  fi
  ;;
esac
