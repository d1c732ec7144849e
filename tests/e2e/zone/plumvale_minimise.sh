#!/usr/bin/env bash
# plumvale_minimise.sh GAME_DIR OUT_DIR [CYCLES]
# The lost display, in a real window under an X server of its own: Plum Vale plays a demo (a key
# script, so that every run shows the same pictures) and its window is taken away and given back
# CYCLES times (default 100). Each time the game must stop showing frames while the window is away
# and go on when it is back, and it must never crash. Then a second run of the same demo, left alone,
# must show exactly the same sequence of pictures: the game resumed with the state it stopped in.
# The frames are followed through the program's frame log (ORVANE_FRAME_LOG), one line per flip.
# There is no window manager under Xvfb, so the window is unmapped, then mapped again and focused
# (xdotool windowunmap / windowmap / windowfocus), which SDL reports as minimised and restored.
set -uo pipefail
game=$1
out=$2
cycles=${3:-100}
mkdir -p "$out"

source "$(dirname "$0")/zone_e2e.sh"
require_tools Xvfb xdotool
require_installation Data/Data/R1/PVL1.bmp Data/Data/R1/PVZ1.map Data/Data/Qloop.crv Data/Data/Music1.Wav
copy_installation

# The demo: the title card, a run to the right with jumps, a turn to the left and a stand facing
# left (a lost display must not turn the player round), then on to the right.
cat > "$work/demo.keys" <<'KEYS'
0:none
230:Right
330:Right+Control
350:Right
480:Left
560:none
700:Right
760:Right+Control
790:Right
KEYS

start_xvfb
export SDL_AUDIODRIVER=dummy

frames() { [ -s "$1" ] && wc -l <"$1" || echo 0; }
alive() { kill -0 "$game_pid" 2>/dev/null; }
# starts the demo with its frame log $1; waits for its window and $2 frames
start() {
  ORVANE_DEMO=$work/demo.keys ORVANE_FRAME_LOG=$1 "$work/game/Data/Plumvale" >"$work/stdout.log" 2>"$work/stderr.log" &
  game_pid=$!
  window=
  # time enough for the frames asked at 60 a second on a busy machine: twice their time, and 30 s more
  local polls=$(( ($2 / 60 * 2 + 30) * 10 ))
  for _ in $(seq "$polls"); do
    alive || { wait "$game_pid"; fail "Plum Vale ended early (status $?): $(cat "$work/stderr.log")"; }
    # by name alone: a search for viewable windows once missed the game's window for half a minute
    window=$(xdotool search --name '^Plum Vale$' 2>/dev/null | tail -1)
    [ -n "$window" ] && [ "$(frames "$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  fail "no Plum Vale window showing $2 frames (window ${window:-none}, $(frames "$1") frames shown): $(cat "$work/stderr.log")"
}
# Escape, held as a player would, must end the program with status 0
quit() {
  xdotool mousemove 640 480
  xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
  local status=
  for _ in $(seq 50); do
    if ! alive; then wait "$game_pid"; status=$?; break; fi
    sleep 0.1
  done
  [ -n "$status" ] || fail "Plum Vale still runs 5 s after Escape"
  game_pid=
  [ "$status" -eq 0 ] || fail "Plum Vale ended with status $status: $(cat "$work/stderr.log")"
}

# --- the window taken away and given back
log=$work/interrupted.log
start "$log" 120
for ((i = 1; i <= cycles; i++)); do
  xdotool windowunmap --sync "$window" || fail "cycle $i: could not unmap the window"
  # the frame under way may still be shown; then the count must stand still
  last=-1; still=0
  for _ in $(seq 100); do
    now=$(frames "$log")
    if [ "$now" = "$last" ]; then still=$((still + 1)); [ $still -ge 3 ] && break; else still=0; fi
    last=$now
    sleep 0.02
  done
  [ $still -ge 3 ] || fail "cycle $i: the game went on while its window was away ($now frames)"
  sleep 0.1
  [ "$(frames "$log")" = "$last" ] || fail "cycle $i: a frame was shown while the window was away"
  alive || fail "cycle $i: Plum Vale died while its window was away: $(cat "$work/stderr.log")"
  # given back as a window manager would: mapped and with the keyboard's focus (a full-screen
  # window without the focus is a lost display too)
  xdotool windowmap --sync "$window" || fail "cycle $i: could not map the window again"
  xdotool windowfocus --sync "$window" || fail "cycle $i: could not focus the window"
  resumed=
  for _ in $(seq 100); do
    [ "$(frames "$log")" -ge $((last + 3)) ] && { resumed=1; break; }
    sleep 0.02
  done
  [ -n "$resumed" ] || fail "cycle $i: the game did not go on when its window came back"
  # let it play a little between the losses, more at some times than at others
  sleep "0.$((i % 4))"
done
alive || fail "Plum Vale died: $(cat "$work/stderr.log")"
sleep 0.5
quit
shown=$(frames "$log")
echo "$cycles losses of the window survived; $shown frames shown"

# --- the same demo left alone: the same pictures, frame by frame
ref=$work/reference.log
start "$ref" "$shown"
quit
cut -d' ' -f2,6 "$log" | head -n "$shown" >"$work/a"
cut -d' ' -f2,6 "$ref" | head -n "$shown" >"$work/b"
if ! cmp -s "$work/a" "$work/b"; then
  first=$(diff "$work/a" "$work/b" | grep -m1 '^<' | cut -d' ' -f2)
  cp "$log" "$ref" "$out/"
  fail "the pictures part from the undisturbed run's at frame $first (logs in $out)"
fi
echo "the $shown pictures match the undisturbed run's"
