#!/usr/bin/env bash
# settings_dialog.sh GAME_DIR OUT_DIR
# The launcher's Settings dialog under an X server of its own, driven as a player would: Settings,
# the jump's key, Space; the left's key, Space again (refused: Space already jumps), then D; Save.
# The player's settings file (in a private XDG_CONFIG_HOME) must then hold both keys and read back
# without a warning. The controls' places come from the launcher's UI log (ORVANE_UI_LOG).
set -uo pipefail
game=$1
out=$2
mkdir -p "$out"

source "$(dirname "$0")/../zone/zone_e2e.sh"
require_tools Xvfb xdotool import
[ -x "$game/Data/Save" ] || fail "$game/Data/Save is not installed (build the game target)"
copy_installation
export XDG_CONFIG_HOME=$work/config
settings=$XDG_CONFIG_HOME/orvane/settings.ini
export ORVANE_UI_LOG=$work/ui.log
export SDL_AUDIODRIVER=dummy
start_xvfb

"$work/game/Data/Save" >"$work/stdout.log" 2>"$work/stderr.log" &
game_pid=$!

# waits up to 10 s for a line of the UI log
seen() {
  local i
  for ((i = 0; i < 100; i++)); do grep -qx "$1" "$ORVANE_UI_LOG" 2>/dev/null && return 0; sleep 0.1; done
  return 1
}
window() {
  local i id
  for ((i = 0; i < 100; i++)); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
click() {
  local place x y w h i
  for ((i = 0; i < 100; i++)); do
    place=$(grep "^place $2 " "$ORVANE_UI_LOG" 2>/dev/null | tail -1 | cut -d' ' -f3-)
    [ -n "$place" ] && break
    sleep 0.1
  done
  [ -n "$place" ] || fail "no place reported for $2"
  read -r x y w h <<<"$place"
  xdotool mousemove --window "$1" $((x + w / 2)) $((y + h / 2)) click 1
}

launcher=$(window "Orvane Game Progression") || fail "the launcher did not appear: $(cat "$work/stderr.log")"
click "$launcher" Settings
dialog=$(window Settings) || fail "Settings did not open the dialog"
click "$dialog" key-jump
seen "text settings message Press the key for Jump." || fail "the jump's key button did not ask for a key"
xdotool key space
seen "text key jump Space" || fail "Space was not taken for the jump"
click "$dialog" key-left
xdotool key space
seen "text settings message Space already plays Jump; press another key." || fail "Space was not refused for left"
xdotool key d
seen "text key left D" || fail "D was not taken for left"
import -display "$DISPLAY" -window root "$out/settings-dialog.png"
click "$dialog" SaveSettings
for _ in $(seq 50); do xdotool search --name '^Settings$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --name '^Settings$' >/dev/null 2>&1 && fail "Save left the dialog open: $(tail -1 "$ORVANE_UI_LOG")"

[ -f "$settings" ] || fail "no settings file was written"
grep -qx 'jump = Space' "$settings" || fail "the file does not hold jump = Space: $(cat "$settings")"
grep -qx 'left = D' "$settings" || fail "the file does not hold left = D: $(cat "$settings")"
grep -qx 'right = Right' "$settings" || fail "the other keys were not kept: $(cat "$settings")"
ls -A "$(dirname "$settings")" | grep -qv '^settings.ini$' && fail "a temporary file was left: $(ls -A "$(dirname "$settings")")"

# the launcher goes on, and Quit ends it with nothing on standard error
click "$launcher" Quit
for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "Quit did not end the launcher"
wait "$game_pid"; status=$?; game_pid=
[ "$status" -eq 0 ] || fail "the launcher ended with status $status: $(cat "$work/stderr.log")"
[ ! -s "$work/stderr.log" ] || fail "unexpected output on standard error: $(cat "$work/stderr.log")"
echo "jump = Space and left = D saved; Space refused for left while it jumps"
