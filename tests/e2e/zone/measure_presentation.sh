#!/usr/bin/env bash
# measure_presentation.sh GAME_DIR [PATH...]
# Runs the installed Plum Vale in a window under an X server of its own, once per presentation path
# (surface = our scaler into the window surface; renderer-software, renderer-opengl, renderer-lock-software
# = an SDL renderer with a streaming texture, updated or locked), for 10 seconds each, and prints the
# program's processor use from /proc/PID/stat and its own frame times (ORVANE_FRAME_TIMES).
# SCREEN=WxH sets the X server's screen (default 1280x960). The player plays Plum Vale's recorded
# middle run (a demo script), so the picture changes as it does in play.
set -uo pipefail
game=$1; shift
paths=("$@"); [ ${#paths[@]} -gt 0 ] || paths=(default surface renderer-software renderer-opengl renderer-lock-software)
work=$(mktemp -d); xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$game" "$work/game"; printf '\001\000\000' > "$work/game/Data/Orvane.cfg"
cp "$(dirname "$0")/../../runs/plumvale-0-zinto-middle.keys" "$work/run.keys"
for n in $(seq 141 190); do [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] && { display=:$n; break; }; done
Xvfb "$display" -screen 0 "${SCREEN:-1280x960}x24" -nolisten tcp >/dev/null 2>&1 & xvfb_pid=$!
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
tick=$(getconf CLK_TCK)
for p in "${paths[@]}"; do
  present=${p%%-software}; present=${present%%-opengl}; driver=${p##*-}
  [ "$p" = surface ] && { present=scaler; driver=; }
  [ "$p" = default ] && { present=; driver=; }
  DISPLAY=$display ORVANE_DEMO=$work/run.keys ORVANE_FRAME_TIMES=1 ORVANE_PRESENT=$present SDL_RENDER_DRIVER=$driver \
    "$work/game/Data/Plumvale" >/dev/null 2>"$work/$p.log" &
  pid=$!
  sleep 3
  read -r -a a </proc/$pid/stat; t0=$(date +%s.%N)
  sleep 10
  read -r -a b </proc/$pid/stat; t1=$(date +%s.%N)
  kill "$pid"; wait "$pid" 2>/dev/null
  cpu=$(( (b[13] + b[14]) - (a[13] + a[14]) ))
  printf '%-24s processor %5.1f%% of one core;  %s\n' "$p" "$(echo "100 * $cpu / $tick / ($t1 - $t0)" | bc -l)" \
    "$(grep 'frame times' "$work/$p.log" | tail -1 | sed 's/.*frames //')"
done
