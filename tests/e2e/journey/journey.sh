#!/usr/bin/env bash
# The player's first journey through the installed game, under a private X server with the real SDL
# and GTK programs: title, S for Zinto, the launcher, 640x480, Play, Plum Vale in 640x480 playing a
# recorded run (tests/runs/plumvale-0-zinto-middle.keys, through the demo playback ORVANE_DEMO) to the act's
# end, Progress 2 in Orvane.cfg, the launcher again offering Ash Moor, Play, Ash Moor, Escape.
# Then the display-mode tool on a missing configuration file, and the ring demo.
#   journey.sh GAME_DIR OUT_DIR [ZONESIM]   (screenshots land in OUT_DIR; with zonesim, the window's
#                                            run must end on the frame the headless replay ends on)
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

game_src=$1
out=$2
zonesim=${3:-}
run_keys=$(cd "$(dirname "$0")/../../runs" && pwd)/plumvale-0-zinto-middle.keys
for tool in Xvfb xdotool import convert od; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
mkdir -p "$out"
rm -f "$out"/*.png

work=$(mktemp -d /tmp/orvane-journey.XXXXXX)
game=$work/game
failures=0
xvfb_pid=""

cleanup() {
  # end what this journey started: programs running from the private copy, then the X server
  for pid in $(pgrep -f "^$game/" 2>/dev/null); do kill "$pid" 2>/dev/null; done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
source "$(dirname "$0")/../desktop.sh"
running() { pgrep -f "^$game/$1\$" >/dev/null; }
# the brightest channel value (0..1) in a region WxH+X+Y of a screenshot
brightest() { convert "$1" -crop "$2" +repage -format "%[fx:maxima]" info:; }
spread() { convert "$1" -crop "$2" +repage -format "%[fx:standard_deviation]" info:; }

# --- a fresh installation and a private X server
cp -a "$game_src" "$game"
rm -f "$game/Data/Orvane.cfg"
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for ((i = 0; i < 100; i++)); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
export SDL_AUDIODRIVER=dummy
export ORVANE_UI_LOG=$work/ui.log
# the zone programs play the recorded run instead of the keyboard (Escape still works); every SDL
# program writes a line per shown frame
export ORVANE_DEMO=$run_keys
export ORVANE_FRAME_LOG=$work/frames.log
ui_log=$ORVANE_UI_LOG
unset DBUS_SESSION_BUS_ADDRESS
mkdir -m 700 "$work/xdg"
export XDG_RUNTIME_DIR=$work/xdg

# --- the title
(cd "$game" && exec "$game/Orvane" >"$work/orvane.log" 2>&1) &
if window Orvane 10 >/dev/null; then pass "the title's window is up"; else fail "no title window"; fi
running Orvane || fail "the title is not running"
sleep 9  # the prompt comes after about eight seconds
import -window root "$out/1-title.png"
[ "$(spread "$out/1-title.png" 640x480+0+0)" != "0" ] && pass "the title shows a picture" || fail "the title screen is blank"
xdotool mousemove 320 240
xdotool key s
for ((i = 0; i < 50; i++)); do running Orvane || break; sleep 0.1; done
running Orvane && fail "the title did not end on S" || pass "S ended the title"
[ "$(bytes "$game/Data/Orvane.cfg")" = "1 0" ] && pass "S wrote 1, 0" || fail "configuration after S: $(bytes "$game/Data/Orvane.cfg")"

# --- the launcher
save=$(window "Orvane Game Progression" 10) && pass "Save appeared" || fail "Save did not appear"
sleep 1
import -window root "$out/2-save.png"
grep -qx "text Label3 Plum Vale" "$ui_log" && pass "Save shows Plum Vale" || fail "zone label: $(grep Label3 "$ui_log")"
grep -qx "text Label4 Player: Zinto" "$ui_log" && pass "Save shows Player: Zinto" || fail "player label: $(grep Label4 "$ui_log")"
grep -qx "text Picture1 Zone1Zinto.bmp" "$ui_log" && pass "Save shows the Zinto picture of the first zone" || fail "picture: $(grep Picture1 "$ui_log")"
click "$save" 640x480
sleep 1
[ "$(bytes "$game/Data/Orvane.cfg")" = "1 0 1" ] && pass "640x480 wrote 1 at offset 2 only" || fail "configuration after 640x480: $(bytes "$game/Data/Orvane.cfg")"
grep -qx "text Label5 Current Resolution: 640x480" "$ui_log" && pass "the resolution line follows" || fail "resolution label"
click "$save" Play

# --- Plum Vale in 640x480
gone "Orvane Game Progression" 10 && pass "Play ended Save" || fail "Save still open after Play"
if window "Plum Vale" 10 >/dev/null; then pass "Plumvale started"; else fail "Plumvale did not start"; fi
sleep 3
import -window root "$out/3-plumvale-640x480.png"
shot=$out/3-plumvale-640x480.png
border=0
for region in 640x120+0+0 640x120+0+360 160x240+0+120 160x240+480+120; do
  [ "$(brightest "$shot" "$region")" = "0" ] || border=1
done
[ $border = 0 ] && pass "the border round the picture is black" || fail "the border is not black"
[ "$(spread "$shot" 320x240+160+120)" != "0" ] && pass "the picture stands in the middle" || fail "the middle is blank"

# --- the recorded run to the act's end: the zone writes Progress 2 and starts the launcher again
ui_seen=$(wc -l <"$ui_log")
for ((i = 0; i < 1500; i++)); do running Data/Plumvale || break; sleep 0.1; done
if running Data/Plumvale; then
  fail "Plum Vale still runs 150 s into the recorded run"
  import -window root "$out/3b-plumvale-stuck.png"
else
  pass "the recorded run ended Plum Vale after $(wc -l <"$work/frames.log") frames"
fi
[ "$(bytes "$game/Data/Orvane.cfg")" = "2 0 1" ] && pass "the zone's end wrote Progress 2 at offset 0" ||
  fail "configuration after Plum Vale: $(bytes "$game/Data/Orvane.cfg")"
if [ -n "$zonesim" ]; then
  # the same run headless: the window showed one frame fewer than the pass it ended in
  cp -r "$game_src/Data" "$work/sim"
  printf '\001\000\001' >"$work/sim/Orvane.cfg"
  ended=$("$zonesim" --zone plumvale --dir "$work/sim" --frames 20000 --keys-file "$run_keys" --final |
          sed -n 's/^{"frame":\([0-9]*\),"ended":true}$/\1/p')
  shown=$(wc -l <"$work/frames.log")
  [ -n "$ended" ] && [ "$shown" = $((ended - 1)) ] && pass "the window's run ended on zonesim's pass $ended" ||
    fail "the window showed $shown frames; zonesim ended in pass ${ended:-(none)}"
fi

# --- the launcher again, now offering Ash Moor
save=$(window "Orvane Game Progression" 10) && pass "Save appeared again" || fail "Save did not appear after Plum Vale"
sleep 1
import -window root "$out/4-save-ash-moor.png"
fresh() { tail -n +$((ui_seen + 1)) "$ui_log"; }
fresh | grep -qx "text Label3 Ash Moor" && pass "Save shows Ash Moor" || fail "zone label: $(fresh | grep Label3)"
fresh | grep -qx "text Label4 Player: Zinto" && pass "Save still shows Player: Zinto" || fail "player label: $(fresh | grep Label4)"
fresh | grep -qx "text Picture1 Zone2Zinto.bmp" && pass "Save shows the Zinto picture of the second zone" || fail "picture: $(fresh | grep Picture1)"
click "$save" Play

# --- Ash Moor starts
gone "Orvane Game Progression" 10 && pass "Play ended Save" || fail "Save still open after Play"
if window "Ashmoor" 10 >/dev/null; then pass "Ashmoor started"; else fail "Ashmoor did not start"; fi
sleep 3
shot=$out/5-ashmoor-640x480.png
import -window root "$shot"
[ "$(spread "$shot" 320x240+160+120)" != "0" ] && pass "Ash Moor's picture stands in the middle" || fail "Ash Moor's middle is blank"
[ "$(wc -l <"$work/frames.log")" -gt 60 ] && pass "Ash Moor shows its frames" || fail "Ash Moor showed $(wc -l <"$work/frames.log") frames"
xdotool mousemove 320 240
xdotool key Escape
for ((i = 0; i < 50; i++)); do running Data/Ashmoor || break; sleep 0.1; done
running Data/Ashmoor && fail "Escape did not end Ashmoor" || pass "Escape ended Ashmoor during a demo"
sleep 1
running Data/Save && fail "Escape started Save" || pass "Escape started nothing"

# --- the display-mode tool on a missing file
rm -f "$game/Data/Orvane.cfg" "$ui_log"
(cd "$game" && exec "$game/Modepick" >"$work/modepick.log" 2>&1) &
tool=$(window "Orvane Config Program" 10) && pass "Modepick appeared" || fail "Modepick did not appear"
sleep 1
import -window root "$out/6-modepick.png"
click "$tool" 640x480
sleep 1
[ "$(bytes "$game/Data/Orvane.cfg")" = "0 0 1 0" ] && pass "640x480 made a four-byte file 0 0 1 0" || fail "after 640x480: $(bytes "$game/Data/Orvane.cfg")"
running Modepick && pass "the window stays open" || fail "Modepick ended on 640x480"
click "$tool" 320x240
gone "Orvane Config Program" 5 && pass "320x240 ended Modepick" || fail "Modepick still open"
[ "$(bytes "$game/Data/Orvane.cfg")" = "0 0 0 0" ] && pass "320x240 wrote 0" || fail "after 320x240: $(bytes "$game/Data/Orvane.cfg")"

# --- the ring demo: keys do not end it, a click does
(cd "$game/Ringdepth" && exec "$game/Ringdepth/Ringdepth" >"$work/ringdepth.log" 2>&1) &
if window Ringdepth 20 >/dev/null; then pass "Ringdepth is up"; else
  fail "no Ringdepth window within 20 s; windows: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' ','); running: $(running Ringdepth/Ringdepth && echo yes || echo no); it said: $(tr '\n' ' ' <"$work/ringdepth.log")"
fi
sleep 2
import -window root "$out/7-ringdepth.png"
xdotool mousemove 320 240
xdotool key Escape
sleep 1
running Ringdepth/Ringdepth && pass "Escape leaves the demo running" || fail "Escape ended the demo"
xdotool click 1
for ((i = 0; i < 50; i++)); do running Ringdepth/Ringdepth || break; sleep 0.1; done
running Ringdepth/Ringdepth && fail "a click did not end the demo" || pass "a click ended the demo"

# --- a missing data file: one line naming it, exit status 1, no hang
missing() {
  local name=$1 file=$2
  shift 2
  local rc=0
  timeout 20 "$@" >/dev/null 2>"$work/missing.err" || rc=$?
  if [ $rc = 1 ] && [ "$(wc -l <"$work/missing.err")" = 1 ] && grep -q "$file" "$work/missing.err"; then
    pass "$name without $file: $(cat "$work/missing.err")"
  else
    fail "$name without $file: status $rc, said: $(cat "$work/missing.err")"
  fi
}
rm "$game/Ringdepth/Level.map"
missing Ringdepth Level.map "$game/Ringdepth/Ringdepth"
rm "$game/Data/Data/Title/Owng.bmp"
missing Orvane Owng.bmp "$game/Orvane"
rm "$game/Data/Data/Save/Zone2Kubo.bmp"
missing Save Zone2Kubo.bmp "$game/Data/Save"

for log in orvane modepick ringdepth; do
  [ -s "$work/$log.log" ] && { echo "--- $log said:"; cat "$work/$log.log"; }
done
echo "screenshots in $out"
[ $failures = 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "the journey passed"
