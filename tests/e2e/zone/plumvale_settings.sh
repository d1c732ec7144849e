#!/usr/bin/env bash
# plumvale_settings.sh GAME_DIR OUT_DIR
# The player's settings file in a real window under an X server of its own: a private
# XDG_CONFIG_HOME holds a settings.ini that moves the jump to Space and asks for a window. Plum Vale
# opens a window (not the full screen); Control, the old jump key, leaves the player standing;
# Space makes the player jump, which the camera follows, so the ground drops out of the lower part
# of the picture. Alt+Enter is then remembered in the file's [video] section, the other lines kept.
set -uo pipefail
game=$1
out=$2
mkdir -p "$out"

source "$(dirname "$0")/zone_e2e.sh"
require_tools Xvfb xdotool import convert compare xwininfo
require_installation Data/Data/R1/PVL1.bmp Data/Data/R1/PVZ1.map Data/Data/Qloop.crv Data/Data/Music1.Wav Data/Ring.Wav
copy_installation

export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/orvane"
settings=$XDG_CONFIG_HOME/orvane/settings.ini
cat > "$settings" <<'INI'
# a laptop player's keys
[keys]
jump = Space
[video]
fullscreen = no
[audio]
music = 0
INI
cp "$settings" "$work/written.ini"

start_xvfb
export SDL_AUDIODRIVER=dummy
log=$work/frames.log
ORVANE_FRAME_LOG=$log "$work/game/Data/Plumvale" >"$work/stdout.log" 2>"$work/stderr.log" &
game_pid=$!
frames() { [ -s "$log" ] && wc -l <"$log" || echo 0; }
alive() { kill -0 "$game_pid" 2>/dev/null; }

# the act's title card leaves after about 250 frames; the keys play from then on
window=
for _ in $(seq 600); do
  alive || { wait "$game_pid"; fail "Plum Vale ended early (status $?): $(cat "$work/stderr.log")"; }
  window=$(xdotool search --name '^Plum Vale$' 2>/dev/null | tail -1)
  [ -n "$window" ] && [ "$(frames)" -ge 320 ] && break
  sleep 0.1
done
[ -n "$window" ] && [ "$(frames)" -ge 320 ] || fail "no Plum Vale window showing 320 frames ($(frames) shown)"

# a window of twice the picture, not the whole screen
info=$(xwininfo -display "$DISPLAY" -id "$window")
X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info"); Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
WIDTH=$(awk '/Width:/ {print $2}' <<<"$info"); HEIGHT=$(awk '/Height:/ {print $2}' <<<"$info")
[ "$WIDTH" -eq 640 ] && [ "$HEIGHT" -eq 480 ] || fail "[video] fullscreen = no, yet the window is ${WIDTH}x${HEIGHT}"
xdotool mousemove $((X + 320)) $((Y + 240))
xdotool windowfocus --sync "$window" 2>/dev/null

# The ground under the standing player: picture rows 170 to 199, columns 60 to 239 (at scale 2).
ground=360x60+$((X + 120))+$((Y + 340))
shoot() { import -display "$DISPLAY" -window root -crop "$ground" +repage "$1"; }
differs() { compare -metric AE -fuzz 10% "$work/standing.png" "$1" null: 2>&1 | cut -d' ' -f1; }
shoot "$work/standing.png" || fail "screenshot failed"
# presses $1 and reports the most pixels of the ground that changed in the next 1.5 s
press_and_watch() {
  local most=0 i n
  xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"
  for i in $(seq 10); do
    shoot "$work/after-$1-$i.png" || fail "screenshot failed"
    n=$(differs "$work/after-$1-$i.png")
    [ "${n%.*}" -gt "$most" ] && { most=${n%.*}; cp "$work/after-$1-$i.png" "$out/settings-$1.png"; }
    sleep 0.1
  done
  echo "$most"
}
pixels=$((360 * 60))
moved=$(press_and_watch Control_L)
echo "Control: $moved of $pixels ground pixels changed"
[ "$moved" -lt $((pixels / 20)) ] || fail "Control still jumps with jump = Space ($moved pixels changed)"
sleep 0.5
moved=$(press_and_watch space)
echo "Space: $moved of $pixels ground pixels changed"
[ "$moved" -ge $((pixels / 4)) ] || fail "Space did not make the player jump ($moved pixels changed)"

# Alt+Enter: the full screen, remembered in [video]; the player's other lines stay as written
xdotool key alt+Return
for _ in $(seq 50); do grep -q '^fullscreen = yes$' "$settings" && break; sleep 0.1; done
grep -q '^fullscreen = yes$' "$settings" || fail "Alt+Enter was not remembered: $(cat "$settings")"
[ "$(grep -v '^fullscreen' "$settings")" = "$(grep -v '^fullscreen' "$work/written.ini")" ] ||
  fail "Alt+Enter changed more than its line: $(cat "$settings")"

end_with_escape "Plum Vale"
[ ! -s "$work/stderr.log" ] || fail "unexpected output on standard error: $(cat "$work/stderr.log")"
echo "jump = Space played, Control did not, and Alt+Enter was remembered"
