#!/usr/bin/env bash
# measure_figures.sh GAME_DIR [RUNS]
# The zone programs' figures in a real window under an X server of its own (1280x960, the default
# presentation): for Plum Vale and Ash Moor, the start-up time from starting the program to its first
# frame shown (the frame log's first flip, ORVANE_FRAME_LOG; median, least and most of RUNS starts,
# default 5), the processor use at 60 frames a second over 10 s of play (/proc/PID/stat, user + system),
# and the peak memory (VmHWM, the most resident memory the program ever held).
set -uo pipefail
game=$1
runs=${2:-5}
for tool in Xvfb xdpyinfo xdotool; do command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }; done
work=$(mktemp -d); xvfb_pid=; pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$game" "$work/game"; printf '\001\000\000' > "$work/game/Data/Orvane.cfg"
for n in $(seq 241 290); do [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ] && { display=:$n; break; }; done
Xvfb "$display" -screen 0 1280x960x24 -nolisten tcp >/dev/null 2>&1 & xvfb_pid=$!
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$display SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
tick=$(getconf CLK_TCK)

first_frame_ms() {  # starts $1, prints the milliseconds to its first flip; leaves it running as $pid
  local log=$work/frames.log; rm -f "$log"
  local t0; t0=$(date +%s%3N)
  ORVANE_FRAME_LOG=$log "$work/game/Data/$1" >/dev/null 2>"$work/stderr.log" &
  pid=$!
  for _ in $(seq 1000); do [ -s "$log" ] && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.005; done
  [ -s "$log" ] || { echo "FAIL: $1 showed no frame: $(cat "$work/stderr.log")" >&2; exit 1; }
  echo $(( $(head -1 "$log" | cut -d' ' -f4) - t0 ))
}
stop() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=; }

for zone in Plumvale Ashmoor; do
  times=()
  for ((r = 0; r < runs; r++)); do times+=("$(first_frame_ms "$zone")"); stop; done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  # one more start, played for 13 s: 3 s to settle, then 10 s measured
  first_frame_ms "$zone" >/dev/null
  sleep 3
  read -r -a a </proc/$pid/stat; t0=$(date +%s.%N)
  sleep 10
  read -r -a b </proc/$pid/stat; t1=$(date +%s.%N)
  hwm=$(awk '/VmHWM/ {print $2}' /proc/$pid/status)
  frames=$(wc -l <"$work/frames.log")
  stop
  cpu=$(( (b[13] + b[14]) - (a[13] + a[14]) ))
  printf '%-9s start-up to the first frame %4d ms (median of %d; %d..%d);  processor %5.1f%% of one core at 60 fps;  peak memory %6.1f MiB;  %d frames in 13 s\n' \
    "$zone" "${sorted[$((runs / 2))]}" "$runs" "${sorted[0]}" "${sorted[$((runs - 1))]}" \
    "$(echo "100 * $cpu / $tick / ($t1 - $t0)" | bc -l)" "$(echo "$hwm / 1024" | bc -l)" "$frames"
done
