#!/usr/bin/env bash
# plumvale_window.sh GAME_DIR OUT_DIR [bare|wm|640]
# Starts an X server of its own (bare: no window manager; wm: with openbox; 640: bare, in the
# 640x480 display mode), runs the installed Plum Vale from a copy of the installation (so the
# player's Orvane.cfg is never touched), takes a screenshot into OUT_DIR and checks what a player
# sees: the window covers the screen and the whole picture shows in its middle, scaled by the
# largest whole number that fits (4 for 320x240 on the 1280x960 screen, 2 for the 640x480 mode),
# every corner of it drawn, black around it; then holds Escape and expects the program to end with
# status 0 within a few seconds.
set -uo pipefail
game=$1
out=$2
mode=${3:-bare}
mkdir -p "$out"

source "$(dirname "$0")/zone_e2e.sh"
require_tools Xvfb xdotool import convert compare xwininfo
# The data generator writes these; without them there is nothing to look at yet.
require_installation Data/Data/R1/PVL1.bmp Data/Data/R1/PVZ1.map Data/Data/Qloop.crv Data/Data/Music1.Wav Data/Ring.Wav
copy_installation
[ "$mode" = 640 ] && printf '\001\000\001' > "$work/game/Data/Orvane.cfg"

start_xvfb
if [ "$mode" = wm ]; then
  require_tools openbox
  openbox >"$work/wm.log" 2>&1 &
  wm_pid=$!
  trap 'kill $wm_pid 2>/dev/null; cleanup' EXIT
  sleep 1
fi

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
  info=$(xwininfo -display "$DISPLAY" -id "$window" 2>/dev/null) || continue
  X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info"); Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  WIDTH=$(awk '/Width:/ {print $2}' <<<"$info"); HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
  # Where the picture must be: the 320x240 composition in the middle of the back buffer, the back
  # buffer letterboxed on the 1280x960 screen at the largest whole scale.
  if [ "$mode" = 640 ]; then scale=2; else scale=4; fi
  pw=$((320 * scale)); ph=$((240 * scale))
  px=$(((1280 - pw) / 2)); py=$(((960 - ph) / 2))
  import -display "$DISPLAY" -window root "$shot" || fail "screenshot failed"
  convert "$shot" -crop "${pw}x${ph}+$px+$py" +repage "$work/picture.png"
  colours=$(convert "$work/picture.png" -format %k info:)
  [ "$colours" -ge 16 ] && [ "$WIDTH" -eq 1280 ] && [ "$HEIGHT" -eq 960 ] && break
done
[ -n "$window" ] || fail "no Plum Vale window appeared: $(cat "$work/stderr.log")"
echo "window ${WIDTH}x${HEIGHT}+$X+$Y, picture ${pw}x${ph}+$px+$py (scale $scale)"
echo "screenshot: $shot, $colours colours in the picture"
[ "$colours" -ge 16 ] || fail "the picture is nearly flat ($colours colours)"
[ "$WIDTH" -eq 1280 ] && [ "$HEIGHT" -eq 960 ] && [ "$X" -eq 0 ] && [ "$Y" -eq 0 ] ||
  fail "the window does not cover the screen: ${WIDTH}x${HEIGHT}+$X+$Y"

# The whole picture: each of its corners is drawn (cut to a quarter, three corners were black).
cw=$((pw / 5)); ch=$((ph / 5))
for corner in "0,0" "$((pw - cw)),0" "0,$((ph - ch))" "$((pw - cw)),$((ph - ch))"; do
  n=$(convert "$work/picture.png" -crop "${cw}x${ch}+${corner%,*}+${corner#*,}" +repage -format %k info:)
  [ "$n" -ge 4 ] || fail "the picture's corner at $corner is flat ($n colours): the picture is cut"
done

# Scaled by whole pixels: shrinking and growing again by sampling gives the same picture.
convert "$work/picture.png" -sample 320x240! -sample "${pw}x${ph}!" "$work/resampled.png"
differing=$(compare -metric AE "$work/picture.png" "$work/resampled.png" null: 2>&1)
[ "$differing" = "0" ] || fail "the picture is not made of ${scale}x${scale} pixels ($differing pixels differ)"

# Black around it.
around=$(convert "$shot" -fill black -draw "rectangle $px,$py $((px + pw - 1)),$((py + ph - 1))" -format '%[max]' info:)
[ "${around%.*}" = "0" ] || fail "the screen around the picture is not black (max $around)"

# Escape, held as a player would, ends the program at once with status 0.
xdotool mousemove 640 480
end_with_escape "Plum Vale"

# Standard error holds at most the one warning about a missing sound device.
lines=$(wc -l <"$work/stderr.log")
if [ "$lines" -gt 1 ] || { [ "$lines" -eq 1 ] && ! grep -q "warning: no sound device" "$work/stderr.log"; }; then
  fail "unexpected output on standard error: $(cat "$work/stderr.log")"
fi
