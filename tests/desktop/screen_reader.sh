#!/usr/bin/env bash
# What Orca says of the window that real keys drive: Xvfb with openbox, a private D-Bus session,
# the accessibility bus, and Orca writing every utterance into its debug file, with a speech
# server that says nothing (speech-dispatcher without a sound device can hang it). What Orca
# said after each step goes to standard output and to the transcript.
#
# Orca's launcher looks for every Orca of the user on the machine (pgrep -u UID -x orca): it will
# not start beside one, and with --replace it kills them. So the test runs in a PID namespace of
# its own, where it sees only its own processes: the screen reader a user is listening to, or
# another run's Orca, is neither seen nor touched, and everything the test started ends with it.
# A stand-in named orca, started outside, must outlive the test. Where no namespace can be made,
# the test is skipped.
#
# Usage: screen_reader.sh PROGRAM TRANSCRIPT (VENTRIMO_LANG=it_IT.UTF-8 starts it in Italian,
# where the checks, written for English, fail but the transcript is whole)
set -euo pipefail
if [ -z "${VENTRIMO_OWN_PIDS:-}" ]; then
  own=(unshare --pid --fork --mount-proc --kill-child)
  [ "$(id -u)" -eq 0 ] || own=(unshare --user --map-root-user --pid --fork --mount-proc --kill-child)
  "${own[@]}" true 2>/dev/null || {
    echo "SKIP: ${own[*]} fails here, and Orca must not run where it sees another"
    exit 77
  }
  stand_in=$(mktemp -d)
  cp "$(command -v sleep)" "$stand_in/orca"
  "$stand_in/orca" 600 &
  status=0
  VENTRIMO_OWN_PIDS=1 "${own[@]}" "$0" "$@" || status=$?
  kill $! || { echo "FAIL: an Orca this test did not start is gone" >&2; status=1; }
  wait $! 2>/dev/null || true
  rm -rf "$stand_in"
  exit $status
fi
[ -n "${VENTRIMO_X11_INSIDE:-}" ] || VENTRIMO_X11_INSIDE=1 exec \
  "$(dirname "$0")/../../scripts/with-xvfb.sh" "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
program=$1 transcript=$2 home=$(mktemp -d)
# Orca may hang on a TERM; what outlives this script ends with its PID namespace.
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data PYTHONPATH=$home
export XDG_RUNTIME_DIR=$home/run && mkdir -m 700 "$XDG_RUNTIME_DIR"
gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true
gsettings set org.gnome.desktop.interface toolkit-accessibility true
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
openbox --sm-disable >/dev/null 2>&1 &
mkdir -p "$XDG_DATA_HOME/orca"
# Orca 43 calls getSpeechServer and getInfo, Orca 48 get_speech_server and get_info.
printf '%s\n' 'from orca import speechserver' 'class SpeechServer(speechserver.SpeechServer):' \
  '    getSpeechServers = staticmethod(lambda: [SpeechServer()])' \
  '    getSpeechServer = get_speech_server = staticmethod(lambda info=None: SpeechServer())' \
  '    getInfo = get_info = lambda self: ["silent", "silent"]' >"$home/silent_speech.py"
echo '{"general": {"speechServerFactory": "silent_speech", "speechServerInfo": null,
  "enableSound": false, "enableBraille": false, "firstStart": false},
  "profiles": {"default": {"profile": ["Default", "default"]}},
  "pronunciations": {}, "keybindings": {}}' \
  >"$XDG_DATA_HOME/orca/user-settings.conf"
# Orca does not flush its debug file: each line is written out as it is made.
echo 'import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)' \
  >"$XDG_DATA_HOME/orca/orca-customizations.py"
log=$home/orca.log
orca --debug-file="$log" >/dev/null 2>&1 &
for _ in $(seq 150); do grep -q "SPEECH: Initialized" "$log" 2>/dev/null && break; sleep 0.2; done
grep -q "factory: silent_speech" "$log" ||
  { echo "FAIL: Orca did not start with the silent speech server" >&2; tail "$log"; exit 1; }
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=${VENTRIMO_LANG:-en_US.UTF-8} "$program" &
xdotool windowactivate --sync "$(xdotool search --sync --name '^Ventrimo$' | head -n1)"
for _ in $(seq 100); do grep -q "radio button" "$log" && break; sleep 0.2; done

failed=0 spoken=0
# What Orca said is checked, not each release's words for a role ("push button", "button",
# "notification"): the text expected must be said once, the text forbidden not at all.
step() { # XDOTOOL-COMMANDS [WHAT ORCA MUST SAY ONCE] [WHAT IT MUST NOT SAY]
  # shellcheck disable=SC2086 # xdotool's words
  [ "$1" = start ] || xdotool $1
  sleep 1 # the results settle half a second after the last key; then Orca falls silent
  for _ in $(seq 10); do [ "$(grep -c "SPEECH OUTPUT" "$log")" = "$spoken" ] && break
    spoken=$(grep -c "SPEECH OUTPUT" "$log") && sleep 0.5; done
  said=$(grep "SPEECH OUTPUT" "$log" | tail -n +$((${before:-0} + 1)) |
    sed -E -e "s/.*SPEECH OUTPUT: '(.*)' ?\{.*/\1/" -e "s/.*SPEECH OUTPUT: '(.*)'$/\1/" \
      -e "s/.*SPEECH OUTPUT: '//" |
    paste -sd '|' -) && before=$spoken
  printf '%-44s %s\n' "$1" "$said" | tee -a "$transcript"
  [ -z "${2:-}" ] || [ "$(grep -oF -- "$2" <<<"$said" | wc -l)" = 1 ] ||
    { echo "FAIL: not said once: $2" >&2; failed=1; }
  [ -z "${3:-}" ] || ! grep -qF -- "$3" <<<"$said" || { echo "FAIL: said: $3" >&2; failed=1; }
}
results="BMR 1780 Cal, DCN 2759 Cal, DPN 128 Grm"
: >"$transcript"
step start "Choose Him or Her"
step "key space" "Missing: Age"
step "key Tab" "|Age "
step "type --delay 150 30" "Missing: Weight [Kg]"
step "key Tab Tab Tab Tab Tab Tab" "|Weight [Kg] "
step "type --delay 150 80" "Missing: Height [Cm]"
step "key Tab" "|Height [Cm] "
step "type --delay 150 180" "BMR 1780 Cal, DCN 2136 Cal, DPN 96 Grm" 661
step "key shift+Tab shift+Tab shift+Tab shift+Tab" "Moderate physical activity. BMR 1780"
step "key space" "Moderate physical activity. $results"
step "key Tab Tab Tab" "80 selected" "8 selected"
step "key Delete" "Missing: Weight [Kg]"
step "type --delay 150 80" "$results"
step "key shift+F10 Up Up" "How is this computed?"
step "key Return" "BMR = 10 × 80 kg + 6,25 × 180 cm − 5 × 30 years + 5 = 1780 Cal"
step "key Return"
step "key F10" "Mifflin-St Jeor"
step "key Right" "Cm ; Kg"
step "key Right" "Ita/Eng"
step "key Return" "|Peso [Kg] " "Weight" # the new caption alone
step "key ctrl+a Delete" "Manca: Peso [Kg]"
step "type --delay 150 80" "$results"
step "key shift+Tab shift+Tab shift+Tab" "Attività fisica moderata. BMR 1780"
step "key space" "Attività fisica moderata. $results"
step "key F10"
step "key Right Right"
step "key Return" "Moderate physical activity" "Attività" # English again, on the button
exit $failed
