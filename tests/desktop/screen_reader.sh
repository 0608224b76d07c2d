#!/usr/bin/env bash
# What Orca says of the window, driven by real keys: Xvfb with openbox, a private D-Bus session,
# the accessibility bus, and Orca writing every utterance into its debug file, with a speech
# server that says nothing (speech-dispatcher without a sound device can hang it). The
# transcript, what Orca said after each key, goes to standard output and to the second argument.
#
# Usage: screen_reader.sh PROGRAM TRANSCRIPT
set -euo pipefail
[ -n "${VENTRIMO_X11_INSIDE:-}" ] || VENTRIMO_X11_INSIDE=1 exec \
  "$(dirname "$0")/../../scripts/with-xvfb.sh" "-screen 0 1024x768x24" \
  dbus-run-session -- "$0" "$@"
program=$1 transcript=$2
home=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data NO_AT_BRIDGE=0
export XDG_RUNTIME_DIR=$home/run && mkdir -m 700 "$XDG_RUNTIME_DIR"
gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true
gsettings set org.gnome.desktop.interface toolkit-accessibility true
/usr/libexec/at-spi-bus-launcher --launch-immediately &
openbox --sm-disable 2>/dev/null &

mkdir -p "$XDG_DATA_HOME/orca" "$home/python"
cat >"$home/python/silent_speech.py" <<'PY'
from orca import speechserver
class SpeechServer(speechserver.SpeechServer):
    @staticmethod
    def getFactoryName(): return "silent"
    @staticmethod
    def getSpeechServers(): return [SpeechServer()]
    @staticmethod
    def getSpeechServer(info=None): return SpeechServer()
    def getInfo(self): return ["silent", "silent"]
PY
cat >"$XDG_DATA_HOME/orca/user-settings.conf" <<'JSON'
{"general": {"speechServerFactory": "silent_speech", "speechServerInfo": null,
 "enableSound": false, "enableBraille": false, "firstStart": false},
 "profiles": {"default": {"profile": ["Default", "default"],
 "speechServerFactory": "silent_speech", "speechServerInfo": null}},
 "pronunciations": {}, "keybindings": {}}
JSON
# Orca writes its debug file without flushing it: each line is written out as it is made.
echo 'import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)' \
  >"$XDG_DATA_HOME/orca/orca-customizations.py"
log=$home/orca.log
PYTHONPATH=$home/python orca --replace --debug-file="$log" >/dev/null 2>&1 &
for _ in $(seq 100); do grep -q "SPEECH: Initialized" "$log" 2>/dev/null && break; sleep 0.2; done
grep -q "silent" "$log" || { echo "FAIL: Orca did not start with the silent speech server" >&2; exit 1; }

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=en_US.UTF-8 "$program" &
window=$(xdotool search --sync --name '^Ventrimo$' | head -n1)
xdotool windowactivate --sync "$window"
for _ in $(seq 100); do grep -q "radio button" "$log" && break; sleep 0.2; done

failed=0
step() { # XDOTOOL-ARGUMENTS [WHAT ORCA MUST SAY] [WHAT IT MUST NOT SAY]
  local before line
  before=$(grep -c "SPEECH OUTPUT" "$log" || true)
  # shellcheck disable=SC2086 # the arguments are xdotool's words
  if [ "$1" = start ]; then before=0; else xdotool $1; fi
  sleep 1 # the results settle half a second after the last key
  local said=-1 # then, on a busy machine, until Orca has been quiet for half a second
  for _ in $(seq 10); do
    [ "$(grep -c "SPEECH OUTPUT" "$log")" = "$said" ] && break
    said=$(grep -c "SPEECH OUTPUT" "$log")
    sleep 0.5
  done
  line=$(grep "SPEECH OUTPUT" "$log" | tail -n +$((before + 1)) |
    sed -E "s/.*SPEECH OUTPUT: '(.*)' ?\{.*/\1/" | paste -sd '|' -)
  printf '%-36s %s\n' "$1" "$line" | tee -a "$transcript"
  [ -z "${2:-}" ] || grep -qF -- "$2" <<<"$line" || { echo "FAIL: not said: $2" >&2; failed=1; }
  [ -z "${3:-}" ] || ! grep -qF -- "$3" <<<"$line" || { echo "FAIL: said: $3" >&2; failed=1; }
}
results="BMR 1780 Cal, DCN 2759 Cal, DPN 128 Grm"
: >"$transcript"
step start "Choose Him or Her"
step "key space" "notification Missing: Age"
step "key Tab" "Age text"
step "type --delay 150 30" "notification Missing: Weight"
step "key Tab Tab Tab Tab Tab Tab" "Weight [Kg] text"
step "type --delay 150 80" "notification Missing: Height"
step "key Tab" "Height [Cm] text"
step "type --delay 150 180" "0 |notification BMR 1780 Cal, DCN 2136 Cal, DPN 96 Grm." "661"
step "key shift+Tab shift+Tab shift+Tab shift+Tab" "3 push button"
step "key space" "notification Moderate physical activity. $results"
step "key Tab Tab Tab" "80 selected" "8 selected"
step "key Delete" "notification Missing: Weight"
step "type --delay 150 80" "notification $results"
step "key shift+F10 Up" "How is this computed?"
step "key Return" "Mifflin-St Jeor"
step "key Return"
step "key F10" "Mifflin-St Jeor"
step "key Right" "Cm ; Kg"
step "key Right" "Ita/Eng"
step "key Return" "Peso [Kg]"
echo "--- italiano" | tee -a "$transcript"
step "key ctrl+a"
step "key Delete" "notification Manca: Peso [Kg]"
step "type --delay 150 80" "notification $results"
step "key shift+Tab shift+Tab shift+Tab" "3 push button"
step "key space" "notification Attività fisica moderata. $results"
step "key F10"
step "key Right Right"
step "key Return" "Moderate physical activity" # back on the level button
exit $failed
