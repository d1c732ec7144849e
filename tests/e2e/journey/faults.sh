#!/usr/bin/env bash
# Broken installations as a desktop player meets them, under a private X server with the real programs:
# each ends with its one line (and the launcher's Play with a dialog), and nothing is written through
# a link at Data/Orvane.cfg.
#   faults.sh GAME_DIR      Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

game_src=$1
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d /tmp/orvane-faults.XXXXXX)
game=$work/game
failures=0
xvfb_pid=""
cleanup() {
  for pid in $(pgrep -f "^$game/" 2>/dev/null); do kill "$pid" 2>/dev/null; done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
# expect NAME STATUS LINE: the program's last run ended with STATUS and exactly LINE on standard error
expect() {
  if [ "$status" = "$2" ] && [ "$(cat "$work/err")" = "$3" ]; then pass "$1"; else
    fail "$1: status $status, said: $(cat "$work/err")"; fi
}
window() {  # window NAME SECONDS [--onlyvisible]: prints the id of the window named exactly NAME
  local i id
  for ((i = 0; i < $2 * 10; i++)); do
    id=$(xdotool search ${3:-} --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

cp -a "$game_src" "$game"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for ((i = 0; i < 100; i++)); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")" SDL_AUDIODRIVER=dummy
unset DBUS_SESSION_BUS_ADDRESS SDL_VIDEODRIVER WAYLAND_DISPLAY
mkdir -m 700 "$work/xdg"
export XDG_RUNTIME_DIR=$work/xdg
cfg=$game/Data/Orvane.cfg

# --- without a display the title ends at once instead of running unseen
(cd "$game" && DISPLAY= timeout 20 env -u DISPLAY "$game/Orvane" 2>"$work/err")
status=$?
expect "the title without a display" 1 "Orvane: cannot open the display (no X11 or Wayland display; DISPLAY is not set)"

# --- a link at the configuration file: refused, the file it points at untouched
printf 'root:x:0:0:root:/root:/bin/bash\n' >"$work/passwd-copy"
rm -f "$cfg"
ln -s "$work/passwd-copy" "$cfg"
(cd "$game" && timeout 20 "$game/Orvane" 2>"$work/err")
status=$?
expect "the title on a linked configuration file" 1 \
  "Orvane: $cfg: configuration file is a symbolic link, not a regular file; refusing to use it"
(cd "$game/Data" && timeout 20 "$game/Data/Save" 2>"$work/err")
status=$?
expect "the launcher on a linked configuration file" 1 \
  "Save: $cfg: configuration file is a symbolic link, not a regular file; refusing to use it"
[ "$(cat "$work/passwd-copy")" = "root:x:0:0:root:/root:/bin/bash" ] && pass "the linked file is untouched" ||
  fail "the linked file was written"
rm -f "$cfg"
printf '\001\000\000' >"$cfg"

# --- a status picture cut short: one line, as the game's own sheets
picture=$game/Data/Data/Save/Zone1Zinto.bmp
cp "$picture" "$work/picture"
head -c 40000 "$work/picture" >"$picture"
(cd "$game/Data" && timeout 20 "$game/Data/Save" 2>"$work/err")
status=$?
expect "the launcher with a truncated picture" 1 \
  "Save: $game/Data/Data/Save/Zone1Zinto.bmp: truncated bitmap (90000 bytes of pixels, 39946 present)"
cp "$work/picture" "$picture"

# --- Play when the zone program cannot be started: the reason in a dialog, then the launcher ends
rm -f "$game/Data/Plumvale"
export ORVANE_UI_LOG=$work/ui.log
(cd "$game/Data" && exec timeout 60 "$game/Data/Save" 2>"$work/err") &
save_pid=$!
if save=$(window "Orvane Game Progression" 15); then
  sleep 1
  read -r x y w h <<<"$(grep '^place Play ' "$ORVANE_UI_LOG" | tail -1 | cut -d' ' -f3-)"
  xdotool mousemove --window "$save" $((x + w / 2)) $((y + h / 2)) click 1
  if dialog=$(window Save 10 --onlyvisible); then
    pass "the launcher shows a dialog"
    xdotool windowfocus "$dialog" key Return
  else
    fail "no dialog"
  fi
else
  fail "the launcher did not appear"
fi
wait "$save_pid"
status=$?
expect "the launcher's Play without a zone program" 1 \
  "Save: $game/Data/Plumvale: cannot start program (No such file or directory)"
[ "$(od -An -tu1 "$cfg" | tr -s ' ')" = " 1 0 0" ] && pass "the configuration file is unchanged" ||
  fail "configuration file: $(od -An -tu1 "$cfg")"

[ "$failures" -eq 0 ] && echo "all fault checks passed" || echo "$failures fault checks failed"
[ "$failures" -eq 0 ]
