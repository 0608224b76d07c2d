#!/usr/bin/env bash
# Runs a command on a new Xvfb server of its own, then stops the server.
#
# Xvfb picks a free display number itself (-displayfd): it takes the first number whose lock
# file and sockets are all its own, so servers started at the same moment, or by another
# user of the machine whose /tmp we cannot see, never share a number. Clients get a cookie of
# their own in a fresh XAUTHORITY file, so a program that reached another server would be
# refused and say so.
#
# The server never resets (-noreset). By default an X server resets each time its last client
# disconnects, and drops every connection that arrives while it does: a test that starts one
# short-lived client after another (a window, xwininfo, xprop) then sees now and then its next
# client refused, all the more on a loaded machine, and the program says it could not open a
# display.
#
# Usage: scripts/with-xvfb.sh "SERVER ARGUMENTS" COMMAND [ARGUMENT...]
set -euo pipefail
server_args=$1
shift

folder=$(mktemp -d)
server=""
stop() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$folder"
}
trap stop EXIT
trap 'exit 143' TERM INT

# The cookie goes in before the server starts, under a wildcard address and no display
# number, so that it holds for whichever number the server picks.
export XAUTHORITY=$folder/Xauthority
touch "$XAUTHORITY"
name=$(printf MIT-MAGIC-COOKIE-1 | od -An -tx1 | tr -d ' \n')
printf 'ffff 0000  0000  0012 %s 0010 %s\n' "$name" "$(mcookie)" |
  xauth -q -f "$XAUTHORITY" nmerge -

# shellcheck disable=SC2086 # the server arguments are words of their own
Xvfb -displayfd 3 -auth "$XAUTHORITY" -noreset $server_args 3>"$folder/display" 2>"$folder/log" &
server=$!
for _ in $(seq 100); do
  grep -q '^[0-9]' "$folder/display" 2>/dev/null && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q '^[0-9]' "$folder/display" 2>/dev/null; then
  cat "$folder/log" >&2
  echo "Xvfb did not start (arguments: $server_args)" >&2
  exit 1
fi
DISPLAY=:$(head -n1 "$folder/display")
export DISPLAY

status=0
"$@" || status=$?
exit $status
