#!/usr/bin/env bash
# Screenshots of the screens a new player reads, for looking at art changes side by side:
# the title at several moments of its sequence, the launcher, the display-mode tool and the ring
# demo as real windows under a private X server with a window manager, and the zone screens
# (title cards, act-clear, status bar, dying, capsule, foreground pieces) composed by zonesim.
#   screens.sh GAME_DIR ZONESIM OUT_DIR
# Needs Xvfb, openbox, bc and ImageMagick's import.
set -uo pipefail

game_src=$1
zonesim=$2
out=$3
mkdir -p "$out"

work=$(mktemp -d /tmp/orvane-screens.XXXXXX)
game=$work/game
xvfb_pid=""
wm_pid=""
cleanup() {
  for pid in $(pgrep -f "^$game/" 2>/dev/null); do kill "$pid" 2>/dev/null; done
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cp -a "$game_src" "$game"

# --- zone screens, composed headless
zone_dir() {  # a copy of the Data folder playing character $1
  local d=$work/data$1
  [ -d "$d" ] || { cp -a "$game/Data" "$d"; printf "\x01\x0$1\x00" >"$d/Orvane.cfg"; }
  echo "$d"
}
shot() {  # shot NAME ZONE CHARACTER FRAMES [zonesim options...]
  local name=$1 zone=$2 who=$3 frames=$4
  shift 4
  "$zonesim" --zone "$zone" --dir "$(zone_dir "$who")" --frames "$frames" --final --print PlayerX \
    --png "$out/$name.png" "$@" >/dev/null || echo "zonesim failed for $name"
}
playing=(--set ControlOn=1 --set TitleCardSlide=351)
shot card-plumvale plumvale 0 100
shot card-ashmoor ashmoor 0 100
shot actclear-zinto plumvale 0 60 "${playing[@]}" --set PlayerX=9770 --set PlayerY=700 --set ActDone=1
shot actclear-kubo ashmoor 1 60 "${playing[@]}" --set PlayerX=9770 --set PlayerY=300 --set ActDone=1
shot hud plumvale 0 30 "${playing[@]}"
shot dying-zinto plumvale 0 16 "${playing[@]}" --set PlayerX=400 --set PlayerY=600 --set Dying=1 --set DeathY=120 --set DeathSpeedY=-7
shot dying-kubo plumvale 1 16 "${playing[@]}" --set PlayerX=400 --set PlayerY=600 --set Dying=1 --set DeathY=120 --set DeathSpeedY=-7
shot rocks-ashmoor ashmoor 0 20 "${playing[@]}" --set PlayerX=5560 --set PlayerY=820
shot hedge-plumvale plumvale 0 20 "${playing[@]}" --set PlayerX=3380 --set PlayerY=820
shot capsule ashmoor 0 30 --act 2 "${playing[@]}" --set ActIndex=2 --set PlayerX=9804 --set PlayerY=780
shot capsule-kubo ashmoor 1 30 --act 2 "${playing[@]}" --set ActIndex=2 --set PlayerX=9804 --set PlayerY=780

# --- the real windows
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for ((i = 0; i < 100; i++)); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export SDL_AUDIODRIVER=dummy
unset DBUS_SESSION_BUS_ADDRESS
mkdir -m 700 "$work/xdg"
export XDG_RUNTIME_DIR=$work/xdg
openbox >"$work/wm.log" 2>&1 &
wm_pid=$!
sleep 1
printf '\x01\x00\x00' >"$game/Data/Orvane.cfg"

(cd "$game" && exec "$game/Orvane" >"$work/orvane.log" 2>&1) &
# seconds after the start: circles, flight, the logo waving hard, waving less, settled, the prompt
previous=0
for at in 2 4 5.2 5.6 6 6.6 7.5 9 12; do
  sleep "$(echo "$at - $previous" | bc)"
  previous=$at
  import -window root "$out/title-$at.png"
done
for pid in $(pgrep -f "^$game/Orvane" 2>/dev/null); do kill "$pid"; done

(cd "$game/Data" && exec "$game/Data/Save" >"$work/save.log" 2>&1) &
sleep 3
import -window root "$out/launcher.png"
for pid in $(pgrep -f "^$game/Data/Save" 2>/dev/null); do kill "$pid"; done

(cd "$game" && exec "$game/Modepick" >"$work/modepick.log" 2>&1) &
sleep 3
import -window root "$out/modepick.png"
for pid in $(pgrep -f "^$game/Modepick" 2>/dev/null); do kill "$pid"; done

(cd "$game/Ringdepth" && exec "$game/Ringdepth/Ringdepth" >"$work/ringdepth.log" 2>&1) &
sleep 3
import -window root "$out/ringdepth.png"
for pid in $(pgrep -f "^$game/Ringdepth" 2>/dev/null); do kill "$pid"; done
ls "$out"
