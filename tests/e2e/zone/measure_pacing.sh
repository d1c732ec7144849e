#!/usr/bin/env bash
# measure_pacing.sh GAME_DIR [SECONDS] [idle|busy ...]
# Frame pacing of the real program: runs the installed Plum Vale full screen under an X server of its
# own for SECONDS (default 60) per load, with the machine's other work as it is (idle) or with one
# processor kept busy by a spinning loop (busy), and prints the intervals between shown frames from
# its frame log (ORVANE_FRAME_LOG, stamped as each frame is presented): median, 99th percentile,
# worst, and how many took over 25 ms. A frame is due every 16.7 ms.
set -uo pipefail
game=$1; seconds=${2:-60}; shift $(( $# >= 2 ? 2 : 1 ))
loads=("$@"); [ ${#loads[@]} -gt 0 ] || loads=(idle busy)
work=$(mktemp -d); xvfb_pid=; spin_pid=
trap '[ -n "$spin_pid" ] && kill "$spin_pid" 2>/dev/null; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$game" "$work/game"; printf '\001\000\000' > "$work/game/Data/Orvane.cfg"
Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 & xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
for load in "${loads[@]}"; do
  [ "$load" = busy ] && { (while :; do :; done) & spin_pid=$!; }
  ORVANE_VERBOSE=1 ORVANE_FRAME_LOG="$work/$load.log" "$work/game/Data/Plumvale" >/dev/null 2>"$work/$load.err" &
  pid=$!
  sleep "$((seconds + 3))"
  kill "$pid"; wait "$pid" 2>/dev/null
  [ -n "$spin_pid" ] && { kill "$spin_pid"; wait "$spin_pid" 2>/dev/null; spin_pid=; }
  # the first 3 s (start-up, the window's first frames) are left out
  awk -v skip=180 '$7 == "us" { if (n++ >= skip && last) print ($8 - last) / 1000; last = $8 }' "$work/$load.log" |
    sort -n | awk -v load="$load" -v how="$(head -1 "$work/$load.err")" '
      { v[NR] = $1; if ($1 > 25) over++ }
      END { if (NR == 0) { print load ": no frames"; exit 1 }
            printf "%-5s %d intervals: median %.2f ms, 99th percentile %.2f ms, worst %.2f ms, %d over 25 ms (%s)\n",
                   load, NR, v[int((NR + 1) / 2)], v[int(NR * 0.99)], v[NR], over, how }'
done
