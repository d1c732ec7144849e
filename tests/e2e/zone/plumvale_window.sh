#!/usr/bin/env bash
# plumvale_window.sh GAME_DIR OUT_DIR
# Starts an X server of its own, runs the installed Plum Vale from a copy of the installation (so the
# player's Orvane.cfg is never touched), takes a screenshot into OUT_DIR and checks what a player sees:
# a picture (not one flat colour) in the middle of the screen, scaled by a whole number, black
# around it; then holds Escape and expects the program to end with status 0 within a few seconds.
set -uo pipefail
game=$1
out=$2
mkdir -p "$out"

source "$(dirname "$0")/zone_e2e.sh"
require_tools Xvfb xdotool import convert compare xwininfo
# The data generator writes these; without them there is nothing to look at yet.
require_installation Data/Data/R1/PVL1.bmp Data/Data/R1/PVZ1.map Data/Data/Qloop.crv Data/Data/Music1.Wav Data/Ring.Wav
copy_installation

start_xvfb

"$work/game/Data/Plumvale" >"$work/stdout.log" 2>"$work/stderr.log" &
game_pid=$!

# Look until the window shows the act (it slides in behind its title card), for up to 30 seconds.
# The window is found again each time: SDL may replace the first one while it sets up the display.
shot="$out/plumvale-window.png"
colours=0
window=
for _ in $(seq 60); do
  kill -0 "$game_pid" 2>/dev/null || { wait "$game_pid"; fail "Plum Vale ended early (status $?): $(cat "$work/stderr.log")"; }
  sleep 0.5
  window=$(xdotool search --onlyvisible --name '^Plum Vale$' 2>/dev/null | tail -1)
  [ -n "$window" ] || continue
  # Where the picture must be: the window's area, letterboxed at the largest whole scale.
  info=$(xwininfo -display "$DISPLAY" -id "$window" 2>/dev/null) || continue
  X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info"); Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  WIDTH=$(awk '/Width:/ {print $2}' <<<"$info"); HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
  scale=$(( WIDTH / 320 < HEIGHT / 240 ? WIDTH / 320 : HEIGHT / 240 ))
  [ "$scale" -ge 1 ] || fail "window ${WIDTH}x${HEIGHT} is smaller than the picture"
  pw=$((320 * scale)); ph=$((240 * scale))
  px=$((X + (WIDTH - pw) / 2)); py=$((Y + (HEIGHT - ph) / 2))
  import -display "$DISPLAY" -window root "$shot" || fail "screenshot failed"
  convert "$shot" -crop "${pw}x${ph}+$px+$py" +repage "$work/picture.png"
  colours=$(convert "$work/picture.png" -format %k info:)
  [ "$colours" -ge 16 ] && break
done
[ -n "$window" ] || fail "no Plum Vale window appeared: $(cat "$work/stderr.log")"
echo "window ${WIDTH}x${HEIGHT}+$X+$Y, picture ${pw}x${ph}+$px+$py (scale $scale)"
echo "screenshot: $shot, $colours colours in the picture"
[ "$colours" -ge 16 ] || fail "the picture is nearly flat ($colours colours)"

# Centred on the screen.
[ $((2 * px + pw)) -ge 1278 ] && [ $((2 * px + pw)) -le 1282 ] || fail "picture not centred horizontally (x $px)"
[ $((2 * py + ph)) -ge 958 ] && [ $((2 * py + ph)) -le 962 ] || fail "picture not centred vertically (y $py)"

# Scaled by whole pixels: shrinking and growing again by sampling gives the same picture.
convert "$work/picture.png" -sample 320x240! -sample "${pw}x${ph}!" "$work/resampled.png"
differing=$(compare -metric AE "$work/picture.png" "$work/resampled.png" null: 2>&1)
[ "$differing" = "0" ] || fail "the picture is not made of ${scale}x${scale} pixels ($differing pixels differ)"

# Black around it.
around=$(convert "$shot" -fill black -draw "rectangle $px,$py $((px + pw - 1)),$((py + ph - 1))" -format '%[max]' info:)
[ "${around%.*}" = "0" ] || fail "the screen around the picture is not black (max $around)"

# Escape, held as a player would, ends the program at once with status 0.
xdotool mousemove 640 480
xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
status=
for _ in $(seq 50); do
  if ! kill -0 "$game_pid" 2>/dev/null; then wait "$game_pid"; status=$?; break; fi
  sleep 0.1
done
[ -n "$status" ] || fail "Plum Vale still runs 5 s after Escape"
game_pid=
[ "$status" -eq 0 ] || fail "Plum Vale ended with status $status: $(cat "$work/stderr.log")"

# Standard error holds at most the one warning about a missing sound device.
lines=$(wc -l <"$work/stderr.log")
if [ "$lines" -gt 1 ] || { [ "$lines" -eq 1 ] && ! grep -q "warning: no sound device" "$work/stderr.log"; }; then
  fail "unexpected output on standard error: $(cat "$work/stderr.log")"
fi
