# What the zone program's end-to-end scripts share, sourced after they set `game`: the fault and skip
# exits, the tools and data they need, a private copy of the installation (so that the player's
# Orvane.cfg is never touched), and an X server of their own.

fail() {
  echo "FAIL: $*" >&2
  # what the X server said, and whether it still runs: a display that stops answering is its fault
  if [ -n "${xvfb_pid:-}" ]; then
    kill -0 "$xvfb_pid" 2>/dev/null && echo "(the X server still runs)" >&2 || echo "(the X server is gone)" >&2
    [ -s "${work:-}/xvfb.log" ] && tail -5 "$work/xvfb.log" >&2
  fi
  exit 1
}
skip() { echo "SKIP: $*" >&2; exit 77; }

# require_tools TOOL...: skips when one of the X tools is missing
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps.sh installs it)"
  done
}

# require_installation FILE...: fails without Plum Vale, skips while the generator has not written FILE
require_installation() {
  [ -x "$game/Data/Plumvale" ] || fail "$game/Data/Plumvale is not installed (build the game target)"
  local f
  for f in "$@"; do
    [ -e "$game/$f" ] || skip "the installation has no $f yet"
  done
}

# the work folder, its copy of the game (first zone, Zinto, 320x240), and what to end on exit
work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
copy_installation() {
  cp -r "$game" "$work/game"
  printf '\001\000\000' > "$work/game/Data/Orvane.cfg"
}

# start_xvfb: a 1280x960 X server on a display number it picks itself; exports DISPLAY
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1280x960x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local i
  for ((i = 0; i < 100; i++)); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(cat "$work/display")"
}

# end_with_escape NAME: holds Escape as a player would; the game (game_pid) must end within 5 s with status 0
end_with_escape() {
  local status= _
  xdotool keydown Escape; sleep 0.2; xdotool keyup Escape
  for _ in $(seq 50); do
    if ! kill -0 "$game_pid" 2>/dev/null; then wait "$game_pid"; status=$?; break; fi
    sleep 0.1
  done
  [ -n "$status" ] || fail "$1 still runs 5 s after Escape"
  game_pid=
  [ "$status" -eq 0 ] || fail "$1 ended with status $status: $(cat "$work/stderr.log")"
}
