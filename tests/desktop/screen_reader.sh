#!/usr/bin/env bash
# What Orca says of the window that real keys drive: Xvfb with openbox, a private D-Bus session,
# the accessibility bus, and Orca writing every utterance into its debug file, with a speech
# server that says nothing (speech-dispatcher without a sound device can hang it). What Orca
# said after each step goes to standard output and to the transcript.
#
# Usage: screen_reader.sh PROGRAM TRANSCRIPT
set -euo pipefail
[ -n "${VENTRIMO_X11_INSIDE:-}" ] || VENTRIMO_X11_INSIDE=1 exec \
  "$(dirname "$0")/../../scripts/with-xvfb.sh" "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
program=$1 transcript=$2 home=$(mktemp -d)
# Orca may hang on a TERM; the accessibility bus outlives its launcher, and would keep the test's
# output open: everything started here is named by the private home.
trap 'kill -9 $(jobs -p) 2>/dev/null; pkill -9 -f "$home"; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data PYTHONPATH=$home
export XDG_RUNTIME_DIR=$home/run && mkdir -m 700 "$XDG_RUNTIME_DIR"
gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true
gsettings set org.gnome.desktop.interface toolkit-accessibility true
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
openbox --sm-disable >/dev/null 2>&1 &
mkdir -p "$XDG_DATA_HOME/orca"
printf '%s\n' 'from orca import speechserver' 'class SpeechServer(speechserver.SpeechServer):' \
  '    getSpeechServers = staticmethod(lambda: [SpeechServer()])' \
  '    getSpeechServer = staticmethod(lambda info=None: SpeechServer())' \
  '    getInfo = lambda self: ["silent", "silent"]' >"$home/silent_speech.py"
echo '{"general": {"speechServerFactory": "silent_speech", "speechServerInfo": null,
  "enableSound": false, "enableBraille": false, "firstStart": false},
  "profiles": {"default": {"profile": ["Default", "default"]}},
  "pronunciations": {}, "keybindings": {}}' \
  >"$XDG_DATA_HOME/orca/user-settings.conf"
# Orca does not flush its debug file: each line is written out as it is made.
echo 'import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)' \
  >"$XDG_DATA_HOME/orca/orca-customizations.py"
log=$home/orca.log
orca --replace --debug-file="$log" >/dev/null 2>&1 &
for _ in $(seq 150); do grep -q "SPEECH: Initialized" "$log" 2>/dev/null && break; sleep 0.2; done
grep -q "factory: silent_speech" "$log" || { echo "FAIL: Orca is not silent" >&2; tail "$log"; exit 1; }
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=en_US.UTF-8 "$program" &
xdotool windowactivate --sync "$(xdotool search --sync --name '^Ventrimo$' | head -n1)"
for _ in $(seq 100); do grep -q "radio button" "$log" && break; sleep 0.2; done

failed=0 spoken=0
step() { # XDOTOOL-COMMANDS [WHAT ORCA MUST SAY] [WHAT IT MUST NOT SAY]
  # shellcheck disable=SC2086 # xdotool's words
  [ "$1" = start ] || xdotool $1
  sleep 1 # the results settle half a second after the last key; then Orca falls silent
  for _ in $(seq 10); do [ "$(grep -c "SPEECH OUTPUT" "$log")" = "$spoken" ] && break
    spoken=$(grep -c "SPEECH OUTPUT" "$log") && sleep 0.5; done
  said=$(grep "SPEECH OUTPUT" "$log" | tail -n +$((${before:-0} + 1)) |
    sed -E "s/.*SPEECH OUTPUT: '(.*)' ?\{.*/\1/" | paste -sd '|' -) && before=$spoken
  printf '%-44s %s\n' "$1" "$said" | tee -a "$transcript"
  [ -z "${2:-}" ] || grep -qF -- "$2" <<<"$said" || { echo "FAIL: not said: $2" >&2; failed=1; }
  [ -z "${3:-}" ] || ! grep -qF -- "$3" <<<"$said" || { echo "FAIL: said: $3" >&2; failed=1; }
}
results="BMR 1780 Cal, DCN 2759 Cal, DPN 128 Grm"
: >"$transcript"
step start "Him.|not selected radio button|Choose Him or Her."
step "key space" "notification Missing: Age."
step "key Tab" "Age text."
step "type --delay 150 30" "0 |notification Missing: Weight [Kg]"
step "key Tab Tab Tab Tab Tab Tab" "Weight [Kg] text."
step "type --delay 150 80" "0 |notification Missing: Height [Cm]"
step "key Tab" "Height [Cm] text."
step "type --delay 150 180" "0 |notification BMR 1780 Cal, DCN 2136 Cal, DPN 96 Grm." 661
step "key shift+Tab shift+Tab shift+Tab shift+Tab" "3 push button."
step "key space" "notification Moderate physical activity. $results"
step "key Tab Tab Tab" "Weight [Kg] text.|80 selected." "8 selected"
step "key Delete" "notification Missing: Weight [Kg]"
step "type --delay 150 80" "notification $results"
step "key shift+F10 Up Up" "How is this computed?"
step "key Return" "BMR = 10 × 80 kg + 6,25 × 180 cm − 5 × 30 years + 5 = 1780 Cal"
step "key Return"
step "key F10" "Mifflin-St Jeor"
step "key Right" "Cm ; Kg"
step "key Right" "Ita/Eng"
step "key Return" "Peso [Kg] text."
step "key ctrl+a Delete" "notification Manca: Peso [Kg]"
step "type --delay 150 80" "notification $results"
step "key shift+Tab shift+Tab shift+Tab" "3 push button."
step "key space" "notification Attività fisica moderata. $results"
step "key F10"
step "key Right Right"
step "key Return" "Moderate physical activity" # English again, on the button
exit $failed
