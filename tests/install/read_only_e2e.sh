#!/usr/bin/env bash
# read_only_e2e.sh BUILD_DIR: a system-wide installation played by someone who cannot write it.
# Installs into a temporary prefix, takes away every write permission, and as an unprivileged user
# (uid 65534 when run as root, else the caller) with a HOME of its own, under a private Xvfb, starts
# PREFIX/games/orvane --window (a window of its own) and Escape, then PREFIX/games/orvane (full screen),
# presses S, sees the launcher and chooses 640x480. The progress and the display
# mode must land in that HOME's ~/.config/orvane/Orvane.cfg (1 0, then 1 0 1), no program may report a
# fault, and not one file, mode or time in the prefix may change.
set -uo pipefail
build=$1
game=$build/game  # for the shared end-to-end helpers
source "$(dirname "$0")/../e2e/zone/zone_e2e.sh"
require_tools Xvfb xdotool xwininfo setpriv od
require_installation

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
source "$(dirname "$0")/../e2e/desktop.sh"
# every path of the prefix with its type, mode, size, time and content hash
snapshot() {
  (cd "$prefix" && find . -printf '%p %y %m %s %T@ %l\n' | sort &&
    find . -type f -print0 | sort -z | xargs -0 sha256sum)
}

chmod 755 "$work"  # the player must reach the prefix and its home
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }
chmod -R a-w "$prefix"
snapshot >"$work/before"

# the player: a stranger to the prefix with nothing but a HOME (XDG_CONFIG_HOME unset)
home=$work/home
mkdir -p "$home" "$work/xdg"
as_player=()
if [ "$(id -u)" = 0 ]; then
  chown 65534:65534 "$home" "$work/xdg"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
chmod 700 "$work/xdg"
ui_log=$home/ui.log
start_xvfb
player() {
  "${as_player[@]}" env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$work/xdg" \
    SDL_AUDIODRIVER=dummy ORVANE_UI_LOG="$ui_log" NO_AT_BRIDGE=1 "$@"
}
# running PATH: whether a program started as PATH (below the prefix) still runs
running() { pgrep -f "^$prefix/$1\$" >/dev/null; }
stop_all() { for pid in $(pgrep -f "^$prefix/" 2>/dev/null); do kill "$pid" 2>/dev/null; done; }
trap 'stop_all; chmod -R u+w "$prefix"; cleanup' EXIT
cfg=$home/.config/orvane/Orvane.cfg
# waits up to 5 seconds for the visible window named $1 to measure $2 ("640x480"); prints its size
size_becomes() {
  local i id size=
  for ((i = 0; i < 50; i++)); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1)
    [ -n "$id" ] && size=$(xwininfo -id "$id" 2>/dev/null | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
    [ "$size" = "$2" ] && break
    sleep 0.1
  done
  echo "${size:-no window}"
}

# --- asked for a window, the title opens one at twice its picture's size (the screen is 1280x960)
player "$prefix/games/orvane" --window >"$work/window.log" 2>&1 &
size=$(size_becomes Orvane 640x480)
[ "$size" = 640x480 ] && pass "orvane --window opens a 640x480 window" || fail "orvane --window: $size"
xdotool mousemove 320 240 key Escape
for ((i = 0; i < 50; i++)); do running "games/orvane --window" || break; sleep 0.1; done
running "games/orvane --window" && fail "Escape did not end the title"

# --- the title, through the command, and S
player "$prefix/games/orvane" >"$work/title.log" 2>&1 &
window Orvane 15 >/dev/null && pass "the title's window is up" || fail "no title window: $(cat "$work/title.log")"
size=$(size_becomes Orvane 1280x960)
[ "$size" = 1280x960 ] && pass "with no option the title covers the screen" || fail "the title's window: $size"
sleep 1
xdotool mousemove 320 240 key s
for ((i = 0; i < 50; i++)); do running games/orvane || break; sleep 0.1; done
running games/orvane && fail "the title did not end on S" || pass "S ended the title"
[ "$(bytes "$cfg")" = "1 0" ] && pass "S wrote 1, 0 into ~/.config/orvane/Orvane.cfg" ||
  fail "the player's configuration after S: '$(bytes "$cfg")' ($(cat "$work/title.log"))"
[ "$(stat -c %u "$cfg")" = "$(stat -c %u "$home")" ] || fail "the player's file belongs to uid $(stat -c %u "$cfg")"

# --- the launcher, started by the title with no options, reads and writes the same file
if save=$(window "Orvane Game Progression" 15); then pass "the launcher appeared"; else fail "no launcher"; fi
sleep 1
grep -qx "text Label3 Plum Vale" "$ui_log" && grep -qx "text Label4 Player: Zinto" "$ui_log" &&
  pass "the launcher shows Plum Vale and Zinto" || fail "the launcher's labels: $(grep text "$ui_log")"
if [ -n "${save:-}" ]; then
  click "$save" 640x480
  sleep 1
  [ "$(bytes "$cfg")" = "1 0 1" ] && pass "640x480 wrote 1 at offset 2 of the player's file" ||
    fail "the player's configuration after 640x480: '$(bytes "$cfg")'"
  click "$save" Quit
  for ((i = 0; i < 50; i++)); do running lib/games/orvane/Data/Save || break; sleep 0.1; done
  running lib/games/orvane/Data/Save && fail "Quit did not end the launcher" || pass "Quit ended the launcher"
fi
stop_all

# --- nothing of the installation changed, and nobody complained
snapshot >"$work/after"
if diff "$work/before" "$work/after" >"$work/changes"; then pass "the prefix is unchanged"; else
  fail "the prefix changed: $(head -20 "$work/changes")"
fi
# the title and the launcher head their fault lines with their names
grep -E "^(Orvane|Save): " "$work/window.log" "$work/title.log" && fail "a program reported a fault"
exit $((failures > 0))
